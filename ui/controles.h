#pragma once
// What both windows need to build Qt controls from the layout tables: the
// geometry in pixels, the font, the texts, and two controls of their own.

#include "disposition.h"

#include <QCheckBox>
#include <QFont>
#include <QLineEdit>
#include <QRect>
#include <QString>

#include <string_view>

namespace orbeline {

/// UTF-8 text of the tables and the core as a QString.
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
/// A control's rectangle in logical pixels.
QRect enPixels(const Disposition& d);
/// The nearest installed face for a table's font.
QFont policeDe(const Police& p);
/// Wraps a check box's caption onto a second line when the box is narrower
/// than it, as the box's height allows; the accessible name keeps it whole.
void enveloppe(QCheckBox* b);

/// A field for a number: it does without the compose input method.
class ChampNombre : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QVariant inputMethodQuery(Qt::InputMethodQuery requete) const override;
};

} // namespace orbeline

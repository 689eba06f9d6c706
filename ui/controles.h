#pragma once
// What both windows need to build Qt controls from the layout tables: the
// geometry in pixels, the font, the texts, and three controls of their own.

#include "disposition.h"
#include "fenetre.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QString>
#include <QTableWidget>

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

/// A field for a number: one line of printable text, no longer than a
/// situation file keeps a value; it does without the compose input method.
class ChampNombre : public QLineEdit {
public:
    explicit ChampNombre(QWidget* parent = nullptr);
    QVariant inputMethodQuery(Qt::InputMethodQuery requete) const override;
};

/// The launches' table: a row per launch headed by its colour and number,
/// a column per quantity, the notes under them; it scrolls both ways, the
/// headers staying, and marks the launch under the pointer.
class TableLegende : public QTableWidget {
public:
    explicit TableLegende(QWidget* parent = nullptr);
    void ecrit(const TableLancements& t);
};

/// The message strip: plain text, which reaches a screen reader as the
/// strip's name and text (a status bar, as the page's "status" region), each
/// change announced.
class BandeMessage : public QLabel {
public:
    explicit BandeMessage(QWidget* parent = nullptr);
    /// Shows the message as given, and tells assistive technologies when it changed.
    void ecrit(const QString& texte);
};

} // namespace orbeline

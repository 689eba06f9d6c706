#include "controles.h"

#include "mesures.h"
#include "situation.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QTextDocument>
#include <QValidator>

namespace orbeline {

QRect enPixels(const Disposition& d)
{
    return {enPixels(d.place.gauche), enPixels(d.place.haut), enPixels(d.place.largeur), enPixels(d.place.hauteur)};
}

QFont policeDe(const Police& p)
{
    return police(QByteArray(p.famille.data(), static_cast<qsizetype>(p.famille.size())).constData(), p.points, p.gras);
}

void enveloppe(QCheckBox* b)
{
    const QString legende = b->text();
    b->setAccessibleName(legende);
    const int place = b->width() - 20;
    if (b->fontMetrics().horizontalAdvance(legende) <= place) return;
    QString ligne = legende;
    for (qsizetype i = legende.lastIndexOf(' ', legende.size() - 2); i > 0; i = legende.lastIndexOf(' ', i - 1)) {
        if (b->fontMetrics().horizontalAdvance(legende.left(i)) <= place) {
            ligne = legende.left(i) + QLatin1Char('\n') + legende.mid(i + 1);
            break;
        }
    }
    b->setText(ligne);
}

namespace {

// What may be in a field: one line of printable text. What is pasted or
// dropped loses its control characters, a tab or a line break (or a run of
// them) becoming one blank, so that "3078<tab>42164" keeps its two numbers
// apart; a text longer than a situation file keeps a value is refused, as a
// field refuses what passes its maximum length. Typing inserts no control
// character, so it is unchanged.
class LigneImprimable : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override
    {
        QString ligne;
        ligne.reserve(texte.size());
        int curseur = position;
        bool blanc = false;   // the last character kept is a blank put for a break
        for (qsizetype i = 0; i < texte.size(); ++i) {
            const QChar c = texte.at(i);
            const bool rupture = c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f'
                                 || c == QChar(0x85) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
            if (rupture && !blanc) {
                ligne += u' ';
                blanc = true;
            } else if (rupture || c.category() == QChar::Other_Control) {
                if (i < position) --curseur;
            } else {
                ligne += c;
                blanc = false;
            }
        }
        if (static_cast<std::size_t>(ligne.toUtf8().size()) > kLongueurValeurMax) return Invalid;
        texte = ligne;
        position = curseur;
        return Acceptable;
    }
};

// The strip as assistive technologies see it: its text is its name and its
// text, its caption in the layout ("Message") its description.
class MessageAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit MessageAccessible(BandeMessage* b) : QAccessibleWidget(b, QAccessible::StatusBar) {}
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return texte();
        if (t == QAccessible::Description) return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    // Read-only text: no caret, no selection.
    void selection(int, int* debut, int* fin) const override { *debut = *fin = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int debut, int fin) const override { return texte().mid(debut, fin - debut); }
    int characterCount() const override { return static_cast<int>(texte().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int position, int* debut, int* fin) const override
    {
        *debut = 0;
        *fin = position < characterCount() ? characterCount() : position;
        return {};
    }

private:
    QString texte() const { return static_cast<const QLabel*>(object())->text(); }
};

QAccessibleInterface* accessibleDe(const QString&, QObject* objet)
{
    if (auto* b = dynamic_cast<BandeMessage*>(objet)) return new MessageAccessible(b);
    return nullptr;
}

} // namespace

ChampNombre::ChampNombre(QWidget* parent) : QLineEdit(parent) { setValidator(new LigneImprimable(this)); }

BandeMessage::BandeMessage(QWidget* parent) : QLabel(parent)
{
    QAccessible::installFactory(accessibleDe);
    setTextFormat(Qt::PlainText);
}

void BandeMessage::ecrit(const QString& texte)
{
    const QString avant = text();
    if (texte == avant) return;
    setText(texte);
    // A message too long for the strip shows whole in its tooltip, as text.
    setToolTip(texte.isEmpty() ? QString() : Qt::convertFromPlainText(texte));
    QAccessibleEvent nom(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nom);
    QAccessibleTextUpdateEvent change(this, 0, avant, texte);
    QAccessible::updateAccessibility(&change);
}

TableLegende::TableLegende(QWidget* parent) : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void TableLegende::ecrit(const TableLancements& t)
{
    const auto n = static_cast<int>(t.colonnes.size());
    clear();
    setColumnCount(n);
    setRowCount(static_cast<int>(t.rangees.size() + t.notes.size()));
    for (int c = 0; c < n; ++c) {
        const TableLancements::Colonne& col = t.colonnes[static_cast<std::size_t>(c)];
        auto* e = new QTableWidgetItem(qs(col.nom) + (col.unite.empty() ? QString() : QLatin1Char('\n') + qs(col.unite)));
        e->setData(Qt::AccessibleTextRole, qs(col.nom) + (col.unite.empty() ? QString() : QStringLiteral(" (") + qs(col.unite) + ')'));
        setHorizontalHeaderItem(c, e);
    }
    const QColor pointee(204, 232, 255);
    for (int r = 0; r < static_cast<int>(t.rangees.size()); ++r) {
        const TableLancements::Rangee& l = t.rangees[static_cast<std::size_t>(r)];
        QPixmap pastille(10, 10);
        pastille.fill(QColor(l.couleur.r, l.couleur.g, l.couleur.b));
        auto* e = new QTableWidgetItem(QIcon(pastille), QString::number(l.numero));
        e->setToolTip(qs(l.nomCouleur));
        e->setData(Qt::AccessibleTextRole, qs(orbeline::tr(Texte::legendeRangee, {std::to_string(l.numero), l.nomCouleur})));
        if (l.pointee) e->setBackground(pointee);
        setVerticalHeaderItem(r, e);
        for (int c = 0; c < n; ++c) {
            auto* i = new QTableWidgetItem(qs(l.cellules[static_cast<std::size_t>(c)]));
            i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (l.pointee) i->setBackground(pointee);
            setItem(r, c, i);
        }
    }
    // The notes, each across the whole table under the rows.
    for (std::size_t k = 0; k < t.notes.size(); ++k) {
        const int r = static_cast<int>(t.rangees.size() + k);
        setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
        setItem(r, 0, new QTableWidgetItem(qs(t.notes[k])));
        if (n > 1) setSpan(r, 0, 1, n);
    }
}

// X11's default input method when no other is set, compose, reads the
// locale's whole table (several milliseconds) at the first key, and composes
// nothing a number needs. Any other method (an on-screen keyboard, Wayland's)
// stays.
QVariant ChampNombre::inputMethodQuery(Qt::InputMethodQuery requete) const
{
    static const bool composeSeule = [] {
        const QByteArray module = qgetenv("QT_IM_MODULE");
        return QGuiApplication::platformName() == QLatin1String("xcb") && (module.isEmpty() || module == "compose");
    }();
    if (requete == Qt::ImEnabled && composeSeule) return false;
    return QLineEdit::inputMethodQuery(requete);
}

} // namespace orbeline

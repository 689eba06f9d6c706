#include "FrmSat.h"

#include "projection.h"

#include "PictureBox.h"
#include "application.h"
#include "controles.h"
#include "images.h"
#include "mesures.h"
#include "principale.h"
#include "situation.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>

#include <cmath>

#include <algorithm>
#include <vector>

namespace orbeline {

FrmSat::FrmSat(QWidget* parent) : QMainWindow(parent), p_(std::make_unique<Principale>())
{
    construit();
    relieEvenements();
    Form_Load(*p_, *this);
}

FrmSat::~FrmSat() = default;

void FrmSat::construit()
{
    setWindowTitle(qs(orbeline::tr(kTitrePrincipale)));
    setWindowIcon(iconeOrbeline());
    setFont(policeDe(kArial));
    // Every control is placed in the client area, so the layout's positions
    // hold under the menu bar; the window grows by the bar's height.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    construitMenus();
    // The layout is fixed: the window never gets smaller than the client area and its bar.
    client_->setMinimumSize(enPixels(kLargeurPrincipale), enPixels(kHauteurPrincipale));
    resize(enPixels(kLargeurPrincipale), enPixels(kHauteurPrincipale) + menuBar()->sizeHint().height());
    setAccessibleName(qs(orbeline::tr(Texte::nomFenetre)));

    std::vector<std::pair<int, QWidget*>> tabs;
    for (const Disposition& d : kDisposition)
        if (QWidget* w = construitControle(d); w && d.tab >= 0) tabs.emplace_back(d.tab, w);
    std::stable_sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabs.size(); ++i) setTabOrder(tabs[i - 1].second, tabs[i].second);
    text(1)->setFocus();

    // Centred on the screen at start.
    centreSurEcran(this);
}

QWidget* FrmSat::construitControle(const Disposition& d)
{
    QWidget* parent = d.cadre.empty() ? client_ : client_->findChild<QWidget*>(qs(d.cadre));
    QWidget* w = nullptr;
    switch (d.genre) {
    case Genre::Champ: w = new ChampNombre(parent); break;
    case Genre::Etiquette: w = new QLabel(parent); break;
    case Genre::Message: w = new BandeMessage(parent); break;
    case Genre::Tableau: w = new TableLegende(parent); break;
    case Genre::Bouton: {
        auto* b = new QPushButton(parent);
        b->setAutoDefault(false);
        // "Lancer" is the window's default button: Enter launches (keyPressEvent).
        b->setDefault(d.drapeaux & ParDefaut);
        w = b;
        break;
    }
    case Genre::CaseACocher: w = new QCheckBox(parent); break;
    case Genre::Option: w = new QRadioButton(parent); break;
    case Genre::Cadre: {
        auto* g = new QGroupBox(parent);
        // An etched rectangle with the caption set into its top edge, so that
        // the buttons placed from the frame's top-left corner sit inside it.
        g->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 2px groove palette(mid); border-radius: 0px; margin-top: 6px; }"
            "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
            " left: 6px; padding: 0px 2px; }"));
        w = g;
        break;
    }
    case Genre::Image: w = new PictureBox(parent); break;
    case Genre::Forme:
    case Genre::Etoile: {
        // Not widgets: controls painted by their picture area, placed in its inner pixels.
        const QRect r = enPixels(d);
        pictureBox(1)->place(d.genre == Genre::Forme ? Controle::Sat : Controle::Etoile,
                             {double(r.x()), double(r.y()), double(r.width()), double(r.height()), !(d.drapeaux & Cache)});
        return nullptr;
    }
    case Genre::Logo: return nullptr;
    }
    if (d.role.sorte != Role::Sorte::Aucune) controles_.emplace_back(d.role, w);

    w->setObjectName(qs(d.nom));
    w->setGeometry(enPixels(d));
    w->setFont(policeDe(d.police));
    if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setTextFormat(Qt::PlainText);   // what the procedures write there may come from a file
        l->setWordWrap(d.drapeaux & Retour);
        if (d.genre == Genre::Message) l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (d.drapeaux & EnHaut) l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setProperty("autoTaille", bool(d.drapeaux & AutoTaille));
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(qs(d.valeur));
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setChecked(d.drapeaux & Choisi);
    }
    ecritTextes(d, w);
    if (d.couleur) {
        QPalette palette;
        palette.setColor(QPalette::WindowText, QColor(d.couleur->r, d.couleur->g, d.couleur->b));
        w->setPalette(palette);
    }
    w->setEnabled(!(d.drapeaux & Desactive));
    if (d.drapeaux & Cache) w->hide();
    return w;
}

// The row's texts in the language now chosen: caption, tooltip, accessible name.
void FrmSat::ecritTextes(const Disposition& d, QWidget* w, bool sansLegende)
{
    const QString legende = qs(orbeline::tr(d.legende));
    if (auto* l = qobject_cast<QLabel*>(w); l && d.legende) {
        if (!sansLegende) l->setText(legende);
        if (!sansLegende && (d.drapeaux & AutoTaille)) l->adjustSize();
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(legende);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(legende);
    }
    if (d.bulle) {
        w->setToolTip(qs(orbeline::tr(d.bulle)));
        if (!qobject_cast<QLabel*>(w)) w->setAccessibleDescription(qs(orbeline::tr(d.bulle)));
    }
    if (d.nomAccessible) w->setAccessibleName(qs(orbeline::tr(d.nomAccessible)));
    if (d.drapeaux & NommeParCadre)
        if (const Disposition* c = cherche(kDisposition, d.cadre)) w->setAccessibleName(qs(orbeline::tr(c->legende)) + legende);
    if (auto* b = qobject_cast<QCheckBox*>(w)) enveloppe(b);
}

void FrmSat::retraduit()
{
    traduitQt();
    // The guide is made again, in the new language, when next asked for.
    if (guide_) {
        guide_->deleteLater();
        guide_ = nullptr;
    }
    // The captions the procedures write are theirs to write again (changeLangue);
    // their tooltips and names are the table's.
    for (const Disposition& d : kDisposition)
        if (QWidget* w = client_->findChild<QWidget*>(qs(d.nom))) ecritTextes(d, w, d.role.sorte == Role::Sorte::Etiquette);
    retraduitMenus();
}

void FrmSat::relieEvenements()
{
    Principale& p = *p_;
    // Each control's events, by its role.
    for (const auto& [r, w] : controles_) {
        switch (r.sorte) {
        case Role::Sorte::Champ:
            connect(static_cast<QLineEdit*>(w), &QLineEdit::textChanged, this,
                    [this, &p, c = static_cast<Champ>(r.numero)] { Text_Change(p, *this, c); });
            w->installEventFilter(this);   // a replay's arrow keys, the placement's undo
            break;
        case Role::Sorte::Commande:
            connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
                    [this, &p, c = static_cast<Commande>(r.numero)] { Commande_Click(p, *this, c); });
            break;
        case Role::Sorte::Case:
            connect(static_cast<QCheckBox*>(w), &QCheckBox::toggled, this,
                    [this, &p, c = static_cast<Case>(r.numero)] { Case_Click(p, *this, c); });
            break;
        case Role::Sorte::Option: {
            auto* b = static_cast<QRadioButton*>(w);
            const int i = r.index;
            if (static_cast<Groupe>(r.numero) == Groupe::Attracteur)
                connect(b, &QRadioButton::clicked, this, [this, &p, i] { Option2_Click(p, *this, i); });
            if (static_cast<Groupe>(r.numero) != Groupe::Echelle) break;
            connect(b, &QRadioButton::pressed, this, [&p, b, i] { Option3_Press(p, i, b->isChecked()); });
            connect(b, &QRadioButton::toggled, this, [this, &p, i](bool choisie) { Option3_Change(p, *this, i, choisie); });
            connect(b, &QRadioButton::clicked, this, [this, &p, i] { Option3_Clicked(p, *this, i); });
            break;
        }
        default: break;
        }
    }
    connect(pictureBox(1), &PictureBox::souris, this,
            [this, &p](int b, int s, float x, float y) { Picture1_MouseDown(p, *this, b, s, x, y); });
    connect(pictureBox(1), &PictureBox::deplacement, this,
            [this, &p](int b, int s, float x, float y) { Picture1_MouseMove(p, *this, b, s, x, y); });
    for (int n = 2; n <= nombrePictures(); ++n)
        connect(pictureBox(n), &PictureBox::deplacement, this,
                [this, &p, n](int, int, float x, float y) { Graphe_MouseMove(p, *this, n, x, y); });
    etoile_.setSingleShot(true);
    connect(&etoile_, &QTimer::timeout, this, [this, &p] { etapeEtoile(p, *this); });
}

void FrmSat::keyPressEvent(QKeyEvent* e)
{
    // A key none of the controls took, as the page hands them to the shell
    // too: Enter, which the fields and options leave to the window, presses
    // the command button that has the focus, or "Lancer", the default one; a
    // menu entry's shortcut chooses it.
    std::optional<Commande> avecFocus;
    for (const auto& [r, w] : controles_)
        if (r.sorte == Role::Sorte::Commande && w == focusWidget()) avecFocus = static_cast<Commande>(r.numero);
    const QString touche = QKeySequence(e->keyCombination()).toString(QKeySequence::PortableText);
    if (const auto s = Form_KeyDown(*p_, *this, touche.toStdString(), avecFocus, Bureau)) {
        realise(*s);
        return;
    }
    QMainWindow::keyPressEvent(e);
}

bool FrmSat::eventFilter(QObject* objet, QEvent* e)
{
    // During a replay its arrow keys step it, even from a field, as in the
    // page; without one they move the field's caret. Ctrl+Z undoes a
    // placement on the view while X and Y show it, else it is the field's.
    if (e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Left || k->key() == Qt::Key_Right || k->matches(QKeySequence::Undo)) {
            const QString touche = QKeySequence(k->keyCombination()).toString(QKeySequence::PortableText);
            if (const auto s = Form_KeyDown(*p_, *this, touche.toStdString(), std::nullopt, Bureau)) {
                realise(*s);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(objet, e);
}

void FrmSat::closeEvent(QCloseEvent* e)
{
    e->accept();
    QCoreApplication::exit(0);
}

SimulationState& FrmSat::etat() { return p_->etat; }
void FrmSat::Command1_Click() { orbeline::Command1_Click(*p_, *this); }
void FrmSat::acheveLancement() { orbeline::acheveLancement(*p_, *this); }
int FrmSat::nombreInit() const { return p_->nombreInit; }
int FrmSat::nombreEchelles() const { return p_->nombreEchelles; }

// ---- Fenetre --------------------------------------------------------------

Surface& FrmSat::picture(int numero) { return *pictureBox(numero); }

int FrmSat::nombrePictures() const
{
    return static_cast<int>(std::count_if(controles_.begin(), controles_.end(),
                                          [](const auto& c) { return c.first.sorte == Role::Sorte::Zone; }));
}

std::string FrmSat::texte(Champ c) const { return text(static_cast<int>(c) + 1)->text().toStdString(); }

void FrmSat::ecritTexte(Champ c, std::string_view t)
{
    QLineEdit* e = text(static_cast<int>(c) + 1);
    const QString nouveau = qs(t);
    if (e->text() == nouveau) return;
    // Keep the caret at the same distance from the end of the text, where a
    // typist's eye is when a character is refused or a sign removed.
    const auto depuisFin = e->text().size() - e->cursorPosition();
    e->setText(nouveau);   // textChanged runs the handler at once
    e->setCursorPosition(static_cast<int>(std::clamp<qsizetype>(e->text().size() - depuisFin, 0, e->text().size())));
}

void FrmSat::ecritEtiquette(Etiquette e, std::string_view t)
{
    QLabel* l = etiquette(e);
    l->setText(qs(t));
    if (l->property("autoTaille").toBool()) l->adjustSize();
}

void FrmSat::ecritLancements(const TableLancements& t)
{
    static_cast<TableLegende*>(controle(role(Etiquette::Legende)))->ecrit(t);
}

void FrmSat::activeXy(bool actif) { caseACocher(Case::Xy)->setEnabled(actif); }

int FrmSat::valeurCase(Case c) const
{
    switch (caseACocher(c)->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void FrmSat::ecritCase(Case c, bool cochee) { caseACocher(c)->setChecked(cochee); }

bool FrmSat::estVisible(Role r) const { return !controle(r)->isHidden(); }
void FrmSat::setVisible(Role r, bool visible)
{
    QWidget* w = controle(r);
    const bool change = w->isHidden() == visible;
    w->setVisible(visible);
    // Arranged for a projector, a row of an option takes its room or gives it back.
    if (change && projection_.actif && (cherche(r)->drapeaux & Facultatif)) agenceProjection();
}

std::string FrmSat::separateurDecimal() const
{
    // The user's regional one, unless the pupil chose another language than
    // the system's: then that language's.
    const QLocale systeme;
    const auto l = langueDe(systeme.name().toStdString());
    if (!l || *l == langue()) return systeme.decimalPoint().toStdString();
    return QLocale(qs(code(langue()))).decimalPoint().toStdString();
}

bool FrmSat::optionChoisie(Groupe g, int index) const { return option(g, index)->isChecked(); }

// A click, so that the button's handlers run as they do for the pupil's.
void FrmSat::choisitOption(Groupe g, int index) { option(g, index)->click(); }

void FrmSat::ecritTitre(std::string_view t) { setWindowTitle(qs(t)); }

void FrmSat::ecritMessage(std::string_view t)
{
    static_cast<BandeMessage*>(zoneMessage())->ecrit(qs(t));
}

void FrmSat::montreConsigne(std::string_view t)
{
    // Window-modal without a nested event loop, as the failure boxes; the
    // teacher's text shown as typed, never as markup.
    auto* m = new QMessageBox(QMessageBox::Information, qs(orbeline::tr(kTitreConsigne)),
                              qs(orbeline::tr(Texte::texteConsigne, {t})), QMessageBox::Ok, this);
    m->setTextFormat(Qt::PlainText);
    m->setAttribute(Qt::WA_DeleteOnClose);
    m->open();
}

void FrmSat::montreBulle(std::string_view t, int picture)
{
    if (t.empty()) QToolTip::hideText();
    else QToolTip::showText(QCursor::pos(), qs(t), pictureBox(picture));
}

void FrmSat::ecritReglage(Reglage r, bool actif)
{
    for (const EntreeMenu& e : kMenus)
        if (e.reglage == r)
            if (QAction* a = action(e.action)) a->setChecked(actif);
}

// A projector's arrangement (shell/projection.h) of the rows shown, on the
// screen under the menu bar; the view stays at the top while the rest scrolls.
void FrmSat::agenceProjection()
{
    const QScreen* e = screen();
    const QSizeF ecran = e ? QSizeF(e->geometry().size()) : QSizeF(1920, 1080);
    std::vector<Disposition> montres;
    for (const Disposition& d : kDisposition)
        if (!(d.drapeaux & Facultatif) || !controle(d.role) || estVisible(d.role)) montres.push_back(d);
    const Disposee a = disposeProjection(montres, Ecran{ecran.width(), ecran.height() - menuBar()->sizeHint().height()},
                                         naturellePrincipale(largeurTwips_), false);
    for (const PlaceCompacte& pl : a.places) {
        QWidget* w = client_->findChild<QWidget*>(qs(pl.rang->nom));
        if (!w) continue;
        const Cadre& c = pl.cadre;
        w->setGeometry(QRectF(c.gauche, c.haut, c.largeur, c.hauteur).toRect());
        QFont f = policeDe(pl.rang->police);
        f.setPixelSize(static_cast<int>(std::lround(pl.corps)));
        w->setFont(f);
        if (auto* b = qobject_cast<PictureBox*>(w)) b->agrandit(pl.echelle, kCorpsProjection, true);
    }
    client_->setMinimumSize(static_cast<int>(a.largeur), static_cast<int>(a.hauteur));
    client_->resize(client_->minimumSize());
}

void FrmSat::modeProjection(bool oui)
{
    if (oui == projection_.actif) return;
    projection_.actif = oui;
    QFont grand = font();
    if (oui) {
        projection_.fenetre = saveGeometry();
        const QScreen* e = screen();
        grand.setPixelSize(static_cast<int>(
            std::lround(kCorpsMin * (e ? echelleProjection(e->geometry().width(), e->geometry().height()) : 2))));
        menuBar()->setFont(grand);
        // The boxes' and option buttons' marks as large as their text.
        client_->setStyleSheet(QStringLiteral("QCheckBox::indicator, QRadioButton::indicator { width: %1px; height: %1px; }")
                                   .arg(grand.pixelSize()));
        // The client area in a scroll area, the view kept at its top.
        auto* defile = new QScrollArea;
        defile->setFrameShape(QFrame::NoFrame);
        defile->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        defile->setWidget(takeCentralWidget());
        setCentralWidget(defile);
        connect(defile->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this](int y) { pictureBox(1)->move(pictureBox(1)->x(), projection_.vueHaut + y); });
        agenceProjection();
        projection_.vueHaut = pictureBox(1)->y();
        // The whole screen, with or without a window manager to do it.
        showFullScreen();
        if (e) setGeometry(e->geometry());
    } else {
        // Back exactly as the window was: every row where the table has it, in its face.
        client_->setStyleSheet(QString());
        for (const Disposition& d : kDisposition) {
            QWidget* w = client_->findChild<QWidget*>(qs(d.nom));
            if (!w) continue;
            w->setGeometry(enPixels(d));
            w->setFont(policeDe(d.police));
            if (auto* b = qobject_cast<PictureBox*>(w)) b->agrandit(1, 0, false);
            if (auto* l = qobject_cast<QLabel*>(w); l && (d.drapeaux & AutoTaille)) l->adjustSize();
            if (auto* c = qobject_cast<QCheckBox*>(w)) c->setText(qs(orbeline::tr(d.legende))), enveloppe(c);
        }
        client_->setMinimumSize(enPixels(largeurTwips_), enPixels(kHauteurPrincipale));
        auto* defile = static_cast<QScrollArea*>(centralWidget());
        defile->takeWidget();
        setCentralWidget(client_);   // the scroll area goes
        showNormal();
        restoreGeometry(projection_.fenetre);
    }
    // The menu bar, its menus and the tooltips in the same size.
    if (!oui) menuBar()->setFont(QFont());
    for (QMenu* m : menus_) m->setFont(oui ? grand : QFont());
    QToolTip::setFont(oui ? grand : QApplication::font());
}

void FrmSat::largeurClient(int twips)
{
    largeurTwips_ = twips;
    if (projection_.actif) return;   // the arrangement gives the window its size
    // The layout's height always; the width of the column beyond it, while shown.
    const QSize avant = client_->minimumSize();
    client_->setMinimumSize(enPixels(twips), enPixels(kHauteurPrincipale));
    if (client_->minimumSize() == avant || isMaximized() || isFullScreen()) return;
    resize(width() + client_->minimumWidth() - avant.width(), height());
    // Grown past the screen's right edge, it moves left as far as needed.
    if (const QScreen* e = screen()) {
        const QRect dispo = e->availableGeometry(), cadre = frameGeometry();
        if (cadre.right() > dispo.right()) move(std::max(dispo.left(), x() - (cadre.right() - dispo.right())), y());
    }
}

void FrmSat::pointsDisponibles(bool oui)
{
    for (const EntreeMenu& e : kMenus)
        if (e.besoinPoints)
            if (QAction* a = action(e.action)) a->setEnabled(oui);
}

void FrmSat::programmeEtape(int millisecondes) { etoile_.start(millisecondes); }

void FrmSat::quitte()
{
    // Every window goes, the hidden start screen included, and no further
    // handler runs: the event loop ends at once.
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

// ---- Accessors --------------------------------------------------------------

QWidget* FrmSat::controle(Role r) const
{
    for (const auto& [role, w] : controles_)
        if (role == r) return w;
    return nullptr;
}

QLineEdit* FrmSat::text(int n) const { return static_cast<QLineEdit*>(controle(role(static_cast<Champ>(n - 1)))); }
PictureBox* FrmSat::pictureBox(int n) const { return static_cast<PictureBox*>(controle(zone(n))); }
QRadioButton* FrmSat::option(Groupe g, int index) const { return static_cast<QRadioButton*>(controle(orbeline::option(g, index))); }
QPushButton* FrmSat::commande(Commande c) const { return static_cast<QPushButton*>(controle(role(c))); }
QCheckBox* FrmSat::caseACocher(Case c) const { return static_cast<QCheckBox*>(controle(role(c))); }
QLabel* FrmSat::etiquette(Etiquette e) const { return static_cast<QLabel*>(controle(role(e))); }
QLabel* FrmSat::zoneMessage() const { return static_cast<QLabel*>(controle(kRoleMessage)); }

} // namespace orbeline

#include "FrmSat.h"

#include "PictureBox.h"
#include "controles.h"
#include "images.h"
#include "mesures.h"
#include "principale.h"

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
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

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
    setWindowTitle(qs(kTitrePrincipale));
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
    setAccessibleName(QStringLiteral("Orbeline : trajectoires de satellites"));

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
    const auto numero = static_cast<std::size_t>(d.numero);
    QWidget* w = nullptr;
    switch (d.genre) {
    case Genre::Champ: {
        auto* e = new ChampNombre(parent);
        texts_[numero - 1] = e;
        w = e;
        break;
    }
    case Genre::Etiquette: {
        auto* l = new QLabel(parent);
        if (d.index < 0) labels_[numero] = l;
        w = l;
        break;
    }
    case Genre::Message: {
        message_ = new BandeMessage(parent);
        w = message_;
        break;
    }
    case Genre::Bouton: {
        auto* b = new QPushButton(parent);
        b->setAutoDefault(false);
        // "Lancer" is the window's default button: Enter launches (keyPressEvent).
        b->setDefault(d.drapeaux & ParDefaut);
        commandes_[numero - 1] = b;
        w = b;
        break;
    }
    case Genre::CaseACocher: {
        auto* b = new QCheckBox(parent);
        cases_[numero] = b;
        w = b;
        break;
    }
    case Genre::Option: {
        auto* b = new QRadioButton(parent);
        options_[numero - 1][static_cast<std::size_t>(d.index)] = b;
        w = b;
        break;
    }
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
    case Genre::Image: {
        auto* p = new PictureBox(parent);
        pictures_[numero - 1] = p;
        w = p;
        break;
    }
    case Genre::Forme:
    case Genre::Etoile: {
        // Not widgets: controls painted by their picture area, placed in its inner pixels.
        const QRect r = enPixels(d);
        pictureBox(1)->etat().geo(d.genre == Genre::Forme ? Controle::Sat : Controle::Etoile) = {
            double(r.x()), double(r.y()), double(r.width()), double(r.height()), !(d.drapeaux & Cache)};
        return nullptr;
    }
    case Genre::Logo: return nullptr;
    }

    w->setObjectName(qs(d.nom));
    w->setGeometry(enPixels(d));
    w->setFont(policeDe(d.police));
    const QString legende = qs(d.legende);
    if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setTextFormat(Qt::PlainText);   // what the procedures write there may come from a file
        l->setText(legende);
        l->setWordWrap(d.drapeaux & Retour);
        if (d.genre == Genre::Message) l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setProperty("autoTaille", bool(d.drapeaux & AutoTaille));
        if (d.drapeaux & AutoTaille) l->adjustSize();
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(legende);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(legende);
        b->setChecked(d.drapeaux & Choisi);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(legende);
    }
    if (!d.bulle.empty()) {
        w->setToolTip(qs(d.bulle));
        if (!qobject_cast<QLabel*>(w)) w->setAccessibleDescription(qs(d.bulle));
    }
    if (!d.nomAccessible.empty()) w->setAccessibleName(qs(d.nomAccessible));
    if (d.drapeaux & NommeParCadre) w->setAccessibleName(static_cast<QGroupBox*>(parent)->title() + legende);
    if (auto* b = qobject_cast<QCheckBox*>(w)) enveloppe(b);
    if (d.couleur) {
        QPalette palette;
        palette.setColor(QPalette::WindowText, QColor(d.couleur->r, d.couleur->g, d.couleur->b));
        w->setPalette(palette);
    }
    w->setEnabled(!(d.drapeaux & Desactive));
    if (d.drapeaux & Cache) w->hide();
    return w;
}

void FrmSat::relieEvenements()
{
    Principale& p = *p_;
    for (int n = 1; n <= 7; ++n)
        connect(text(n), &QLineEdit::textChanged, this, [this, &p, n] { Text_Change(p, *this, static_cast<Champ>(n - 1)); });
    connect(commande(1), &QPushButton::clicked, this, [this, &p] { orbeline::Command1_Click(p, *this); });
    connect(commande(2), &QPushButton::clicked, this, [this, &p] { Command2_Click(p, *this); });
    connect(commande(4), &QPushButton::clicked, this, [this, &p] { Command4_Click(p, *this); });
    connect(commande(5), &QPushButton::clicked, this, [this, &p] { Command5_Click(p, *this); });
    for (int i = 0; i < 4; ++i)
        connect(option(2, i), &QRadioButton::clicked, this, [this, &p, i] { Option2_Click(p, *this, i); });
    for (int i = 0; i < 7; ++i) {
        QRadioButton* b = option(3, i);
        connect(b, &QRadioButton::pressed, this, [&p, b, i] { Option3_Press(p, i, b->isChecked()); });
        connect(b, &QRadioButton::toggled, this, [this, &p, i](bool choisie) { Option3_Change(p, *this, i, choisie); });
        connect(b, &QRadioButton::clicked, this, [this, &p, i] { Option3_Clicked(p, *this, i); });
    }
    for (const Case c : {Case::Vitesse, Case::Xy})
        connect(caseACocher(c), &QCheckBox::toggled, this, [this, &p, c] { Case_Click(p, *this, c); });
    connect(pictureBox(1), &PictureBox::souris, this,
            [this, &p](int b, int s, float x, float y) { Picture1_MouseDown(p, *this, b, s, x, y); });
    connect(pictureBox(1), &PictureBox::deplacement, this,
            [this, &p](int b, int s, float x, float y) { Picture1_MouseMove(p, *this, b, s, x, y); });
    etoile_.setSingleShot(true);
    connect(&etoile_, &QTimer::timeout, this, [this, &p] { etapeEtoile(p, *this); });
}

void FrmSat::keyPressEvent(QKeyEvent* e)
{
    // "Lancer" is the default button: Enter, which the fields and options
    // leave to the window, launches, unless another command button has the
    // focus: then that button is the one pressed.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        auto* b = qobject_cast<QPushButton*>(focusWidget());
        (b ? b : commande(1))->click();
        return;
    }
    QMainWindow::keyPressEvent(e);
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

bool FrmSat::estVisible(Element e) const { return !element(e)->isHidden(); }
void FrmSat::setVisible(Element e, bool visible) { element(e)->setVisible(visible); }

std::string FrmSat::separateurDecimal() const { return QLocale().decimalPoint().toStdString(); }

bool FrmSat::optionChoisie(Groupe g, int index) const { return option(static_cast<int>(g) + 1, index)->isChecked(); }

// A click, so that the button's handlers run as they do for the pupil's.
void FrmSat::choisitOption(Groupe g, int index) { option(static_cast<int>(g) + 1, index)->click(); }

void FrmSat::ecritTitre(std::string_view t) { setWindowTitle(qs(t)); }

void FrmSat::ecritMessage(std::string_view t)
{
    message_->ecrit(qs(t));
}

void FrmSat::montreBulle(std::string_view t)
{
    if (t.empty()) QToolTip::hideText();
    else QToolTip::showText(QCursor::pos(), qs(t), pictureBox(1));
}

void FrmSat::pointsDisponibles(bool oui)
{
    action(Action::EnregistrerPoints)->setEnabled(oui);
    action(Action::CopierPoints)->setEnabled(oui);
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

QRadioButton* FrmSat::option(int groupe, int index) const
{
    return options_.at(static_cast<std::size_t>(groupe - 1)).at(static_cast<std::size_t>(index));
}

QLabel* FrmSat::zoneMessage() const { return message_; }

QLabel* FrmSat::etiquette(Etiquette e) const
{
    static constexpr std::array<int, 7> kNumeros{3, 4, 9, 10, 11, 12, 14};   // in the order of Etiquette
    return labels_[static_cast<std::size_t>(kNumeros[static_cast<std::size_t>(e)])];
}

QWidget* FrmSat::element(Element e) const
{
    // Picture2 … Picture6, then Label8, Label13, Label15, Label16, Label17, in the order of Element.
    static constexpr std::array<int, 10> kNumeros{2, 3, 4, 5, 6, 8, 13, 15, 16, 17};
    const auto n = static_cast<std::size_t>(kNumeros[static_cast<std::size_t>(e)]);
    return e < Element::Label8 ? static_cast<QWidget*>(pictures_[n - 1]) : labels_[n];
}

} // namespace orbeline

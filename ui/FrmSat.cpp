#include "FrmSat.h"

#include "PictureBox.h"
#include "mesures.h"
#include "SimulationState.h"
#include "calcule.h"
#include "charts.h"
#include "formes.h"
#include "images.h"
#include "init.h"
#include "masse.h"
#include "placement.h"
#include "presets.h"
#include "releve.h"
#include "vue.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace orbeline {
namespace {

QFont mss() { return police("MS Sans Serif", 8.25); }
QFont arial() { return police("Arial", 8.25); }

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A check box whose caption is wider than the box wraps it onto a second
// line, as its height allows; the accessible name keeps the caption whole.
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

// A field for a number does without the compose input method, X11's default
// when no other is set: it reads the locale's whole table (several
// milliseconds) at the first key, and composes nothing a number needs. Any
// other method (an on-screen keyboard, Wayland's) stays.
class ChampNombre : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QVariant inputMethodQuery(Qt::InputMethodQuery requete) const override
    {
        static const bool composeSeule = [] {
            const QByteArray module = qgetenv("QT_IM_MODULE");
            return QGuiApplication::platformName() == QLatin1String("xcb") && (module.isEmpty() || module == "compose");
        }();
        if (requete == Qt::ImEnabled && composeSeule) return false;
        return QLineEdit::inputMethodQuery(requete);
    }
};

// Tab order by tab index, as the layout table gives it.
struct Tab {
    int index;
    QWidget* w;
};

} // namespace

FrmSat::FrmSat(QWidget* parent)
    : QMainWindow(parent), etat_(std::make_unique<SimulationState>()), releve_(std::make_unique<Releve>())
{
    construit();
    relieEvenements();
    Form_Load(*etat_, *this);
}

FrmSat::~FrmSat() = default;

void FrmSat::construit()
{
    setWindowTitle(QStringLiteral("orbelines"));
    setWindowIcon(iconeOrbeline());
    setFont(arial());
    // Every control is placed in the client area, so the layout's positions
    // hold under the menu bar; the window grows by the bar's height.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    construitMenus();
    resize(792, 571 + menuBar()->sizeHint().height());
    setAccessibleName(QStringLiteral("Orbeline : trajectoires de satellites"));

    std::vector<Tab> tabs;
    auto texte = [&](int n, const char* initial, QRect r, int tab, const QFont& f, const char* bulle) {
        // The text once the font is set: laid out once, in its own face.
        auto* e = new ChampNombre(client_);
        e->setObjectName(QStringLiteral("Text%1").arg(n));
        e->setGeometry(r);
        e->setFont(f);
        e->setText(QString::fromUtf8(initial));
        if (bulle) {
            e->setToolTip(QString::fromUtf8(bulle));
            e->setAccessibleDescription(QString::fromUtf8(bulle));
        }
        texts_[static_cast<std::size_t>(n - 1)] = e;
        tabs.push_back({tab, e});
        return e;
    };
    auto etiq = [&](const char* nom, const char* legende, QRect r, const QFont& f, const char* bulle,
                    bool autoTaille, QWidget* parent) {
        auto* l = new QLabel(QString::fromUtf8(legende), parent ? parent : client_);
        l->setObjectName(QString::fromLatin1(nom));
        l->setGeometry(r);
        l->setFont(f);
        if (bulle) l->setToolTip(QString::fromUtf8(bulle));
        l->setProperty("autoTaille", autoTaille);
        if (autoTaille) l->adjustSize();
        return l;
    };
    auto numero = [&](int n, QLabel* l) { labels_[static_cast<std::size_t>(n)] = l; return l; };

    // Input row.
    const char* bVx = "Vitesse initiale selon la direction x'Ox";
    const char* bVy = "Vitesse initiale selon la direction y'Oy";
    const char* bX = "Absisse initiale du satellite.";
    const char* bY = "Ordonnée initiale du satellite.";
    const char* bDt = "Durée en seconde entre deux positions calculées et placées sur la trajectoire.";
    const char* bM = "Masse de l'attracteur en kg.";
    texte(1, "0", twips(158, 120, 750, 285), 0, mss(), bVx);
    numero(1, etiq("Label1", "Vox (m/s)", twips(120, 480, 675, 195), mss(), bVx, true, nullptr));
    texte(2, "0", twips(1005, 120, 750, 285), 1, mss(), bVy);
    numero(2, etiq("Label2", "Voy (m/s)", twips(1080, 480, 675, 195), mss(), bVy, true, nullptr));
    texte(3, "-30000", twips(2040, 120, 1395, 285), 2, mss(), bX);
    numero(3, etiq("Label3", "X initial ", twips(2040, 480, 540, 195), mss(), bX, true, nullptr));
    texte(4, "0", twips(3600, 120, 1395, 285), 3, mss(), bY);
    numero(4, etiq("Label4", "Y initial ", twips(3600, 480, 540, 195), mss(), bY, true, nullptr));
    texte(6, "864", twips(5205, 120, 975, 285), 5, mss(), bDt);
    // The Greek letter tau, written in an ordinary face.
    auto* tau = etiq("Label6_0", "τ (", twips(5160, 480, 180, 225), police("Arial", 9), nullptr, true, nullptr);
    auto* tau1 = etiq("Label6_1", "en s )", twips(5400, 480, 390, 195), mss(), bDt, true, nullptr);
    texte(5, "6.00", twips(6480, 120, 1095, 285), 4, mss(), bM);
    auto* m0 = etiq("Label5_0", "M  . 10", twips(6480, 480, 495, 195), mss(), nullptr, true, nullptr);
    auto* m1 = etiq("Label5_1", "24", twips(7020, 376, 180, 210), arial(), nullptr, true, nullptr);
    auto* m2 = etiq("Label5_2", "kg", twips(7320, 480, 165, 210), arial(), nullptr, true, nullptr);
    (void)tau; (void)tau1; (void)m0; (void)m1; (void)m2;

    // Accessible names: the caption under each field, read as a whole.
    text(1)->setAccessibleName(QStringLiteral("Vox (m/s)"));
    text(2)->setAccessibleName(QStringLiteral("Voy (m/s)"));
    text(3)->setAccessibleName(QStringLiteral("X initial"));
    text(4)->setAccessibleName(QStringLiteral("Y initial"));
    text(5)->setAccessibleName(QStringLiteral("Masse de l'attracteur (M . 10 puissance 24 kg)"));
    text(6)->setAccessibleName(QStringLiteral("τ (en s)"));

    // Option groups.
    auto cadre = [&](const char* nom, const char* titre, QRect r, const QFont& f, int tab) {
        auto* g = new QGroupBox(QString::fromUtf8(titre), client_);
        g->setObjectName(QString::fromLatin1(nom));
        g->setGeometry(r);
        g->setFont(f);
        // An etched rectangle with the caption set into its top edge, so that
        // the buttons placed from the frame's top-left corner sit inside it.
        g->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 2px groove palette(mid); border-radius: 0px; margin-top: 6px; }"
            "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
            " left: 6px; padding: 0px 2px; }"));
        tabs.push_back({tab, g});
        return g;
    };
    auto option = [&](QGroupBox* g, const char* nom, const char* legende, QRect r, int tab, const QFont& f,
                      const char* bulle) {
        auto* b = new QRadioButton(QString::fromUtf8(legende), g);
        b->setObjectName(QString::fromLatin1(nom));
        b->setGeometry(r);
        b->setFont(f);
        if (bulle) {
            b->setToolTip(QString::fromUtf8(bulle));
            b->setAccessibleDescription(QString::fromUtf8(bulle));
        }
        tabs.push_back({tab, b});
        return b;
    };
    auto* frame1 = cadre("Frame1", "Nbre de points affichés", twips(7800, 120, 1995, 675), mss(), 26);
    option1_[0] = option(frame1, "Option1_0", "100", twips(240, 360, 615, 195), 37, mss(), "100 points tracés");
    option1_[1] = option(frame1, "Option1_1", "1000", twips(960, 360, 855, 195), 36, mss(), "1000 points tracés.");
    option1_[1]->setChecked(true);

    auto* frame3 = cadre("Frame3", "Attracteur central", twips(7800, 840, 1995, 1575), arial(), 32);
    option2_[0] = option(frame3, "Option2_0", "Terre", twips(480, 300, 1095, 255), 41, arial(), "La terre est l'attracteur.");
    option2_[2] = option(frame3, "Option2_2", "Soleil", twips(480, 555, 1095, 255), 39, arial(), "Le soleil est l'attracteur.");
    option2_[1] = option(frame3, "Option2_1", "Lune", twips(480, 825, 1095, 255), 40, arial(), "La lune est l'attracteur.");
    option2_[3] = option(frame3, "Option2_3", "Autre", twips(480, 1080, 1095, 255), 38, arial(), nullptr);
    option2_[0]->setChecked(true);
    for (int i = 1; i < 4; ++i) option2_[static_cast<std::size_t>(i)]->setEnabled(false);

    auto* frame2 = cadre("Frame2", "1 carreau = ", twips(9840, 120, 2055, 2295), mss(), 28);
    option3_[6] = option(frame2, "Option3_6", "500 km", twips(240, 240, 855, 255), 35, mss(), "échelle");
    option3_[0] = option(frame2, "Option3_0", "10 mille km", twips(240, 510, 1215, 255), 6, mss(), "échelle");
    option3_[1] = option(frame2, "Option3_1", "50 mille km", twips(240, 780, 1215, 255), 7, mss(), nullptr);
    option3_[2] = option(frame2, "Option3_2", "100 mille km", twips(240, 1050, 1215, 255), 8, mss(), nullptr);
    option3_[3] = option(frame2, "Option3_3", "50 millions de km", twips(240, 1320, 1695, 255), 9, mss(), nullptr);
    option3_[4] = option(frame2, "Option3_4", "100 millions de km", twips(240, 1590, 1695, 255), 10, mss(), nullptr);
    option3_[5] = option(frame2, "Option3_5", "500 millions de km", twips(240, 1860, 1695, 255), 11, mss(), nullptr);
    option3_[0]->setChecked(true);
    for (auto* b : option3_) b->setAccessibleName(QStringLiteral("1 carreau = %1").arg(b->text()));

    // Satellite mass, read-out, impact labels, commands.
    numero(7, etiq("Label7", "masse du satellite (kg)", twips(7800, 2520, 1620, 210), arial(), nullptr, true, nullptr));
    texte(7, "30000", twips(9840, 2520, 1335, 315), 33, arial(), nullptr);
    text(7)->setAccessibleName(QStringLiteral("masse du satellite (kg)"));
    numero(10, etiq("Label10", "", twips(7800, 2940, 1215, 255), mss(), nullptr, false, nullptr));
    numero(9, etiq("Label9", "", twips(9120, 2940, 1335, 255), mss(), nullptr, false, nullptr));
    numero(14, etiq("Label14", "Label14", twips(10560, 2940, 1695, 255), mss(), nullptr, false, nullptr));
    QPalette rouge;
    rouge.setColor(QPalette::WindowText, QColor(255, 0, 0));
    numero(11, etiq("Label11", "Impact", twips(7740, 3300, 840, 300), police("MS Sans Serif", 12, true), nullptr, true, nullptr))
        ->setPalette(rouge);
    numero(12, etiq("Label12", "Impact", twips(7740, 3600, 705, 240), police("MS Sans Serif", 9.75, true), nullptr, true, nullptr))
        ->setPalette(rouge);

    auto bouton = [&](int n, const char* legende, QRect r, int tab, const char* bulle) {
        auto* b = new QPushButton(QString::fromUtf8(legende), client_);
        b->setObjectName(QStringLiteral("Command%1").arg(n));
        b->setGeometry(r);
        b->setFont(mss());
        if (bulle) {
            b->setToolTip(QString::fromUtf8(bulle));
            b->setAccessibleDescription(QString::fromUtf8(bulle));
        }
        b->setAutoDefault(false);
        commandes_[static_cast<std::size_t>(n - 1)] = b;
        tabs.push_back({tab, b});
        return b;
    };
    bouton(5, "Placer", twips(7740, 4140, 1215, 375), 12, "Placer le satellite à sa position initiale.");
    bouton(4, "Effacer", twips(9060, 4140, 1215, 375), 13, "Efface les tracés précédents");
    bouton(1, "Lancer", twips(7740, 4560, 2535, 375), 14, "Lance le satellite depuis la position initiale");
    bouton(2, "Quitter", twips(10800, 7650, 1095, 375), 15, nullptr);
    // "Lancer" is the window's default button: Enter launches.
    commande(1)->setDefault(true);

    // Orbit view and charts.
    auto image = [&](int n, QRect r, int tab, const char* nom) {
        auto* p = new PictureBox(client_);
        p->setObjectName(QStringLiteral("Picture%1").arg(n));
        p->setGeometry(r);
        p->setAccessibleName(QString::fromUtf8(nom));
        pictures_[static_cast<std::size_t>(n - 1)] = p;
        tabs.push_back({tab, p});
        return p;
    };
    image(1, twips(90, 720, 7500, 7500), 29, "Vue de l'orbite");
    auto* v = new QCheckBox(QStringLiteral("Vx(t), Vy(t) V(t) "), client_);
    v->setObjectName(QStringLiteral("vitesse"));
    v->setGeometry(twips(10530, 4140, 1425, 435));
    vitesse_ = v;
    enveloppe(v);
    tabs.push_back({49, v});
    auto* p = new QCheckBox(QStringLiteral("X (t),Y(t) "), client_);
    p->setObjectName(QStringLiteral("xy"));
    p->setGeometry(twips(10530, 4590, 1245, 435));
    xy_ = p;
    enveloppe(p);
    tabs.push_back({50, p});

    const QFont legendeGraphe = police("Arial", 9.75, true);
    image(2, twips(7740, 5100, 1350, 1350), 43, "Vx(t)");
    image(3, twips(9180, 5100, 1350, 1350), 44, "Vy(t)");
    image(4, twips(10560, 5100, 1350, 1350), 47, "V(t)");
    numero(8, etiq("Label8", "Vx(t)", twips(7920, 6450, 435, 240), legendeGraphe, nullptr, true, nullptr));
    numero(13, etiq("Label13", "Vy(t)", twips(9360, 6450, 420, 240), legendeGraphe, nullptr, true, nullptr));
    numero(15, etiq("Label15", "V(t)", twips(10740, 6450, 315, 240), legendeGraphe, nullptr, true, nullptr));
    image(5, twips(7740, 6660, 1350, 1350), 51, "X(t)");
    image(6, twips(9180, 6660, 1350, 1350), 52, "Y(t)");
    numero(17, etiq("Label17", "X(t)", twips(7920, 8010, 315, 240), legendeGraphe, nullptr, true, nullptr));
    numero(16, etiq("Label16", "Y(t)", twips(9360, 8010, 300, 240), legendeGraphe, nullptr, true, nullptr));
    for (Element e : {Element::Picture2, Element::Picture3, Element::Picture4, Element::Picture5,
                      Element::Picture6, Element::Label8, Element::Label13, Element::Label15,
                      Element::Label16, Element::Label17})
        element(e)->hide();

    // Arithmetic errors are shown here, under the orbit view, without a dialog.
    message_ = new QLabel(client_);
    message_->setObjectName(QStringLiteral("message"));
    message_->setGeometry(6, 549, 712, 22);
    message_->setFont(police("Arial", 8.25, true));
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette alerte;
    alerte.setColor(QPalette::WindowText, QColor(176, 0, 0));
    message_->setPalette(alerte);
    message_->setAccessibleName(QStringLiteral("Message"));

    std::stable_sort(tabs.begin(), tabs.end(), [](const Tab& a, const Tab& b) { return a.index < b.index; });
    for (std::size_t i = 1; i < tabs.size(); ++i) setTabOrder(tabs[i - 1].w, tabs[i].w);
    text(1)->setFocus();

    // Centred on the screen at start.
    centreSurEcran(this);
}

void FrmSat::relieEvenements()
{
    for (int n = 1; n <= 7; ++n)
        connect(text(n), &QLineEdit::textChanged, this, [this, n] { changementTexte(n); });
    connect(commande(1), &QPushButton::clicked, this, &FrmSat::Command1_Click);
    connect(commande(2), &QPushButton::clicked, this, &FrmSat::Command2_Click);
    connect(commande(4), &QPushButton::clicked, this, &FrmSat::Command4_Click);
    connect(commande(5), &QPushButton::clicked, this, &FrmSat::Command5_Click);
    for (int i = 0; i < 4; ++i)
        connect(option(2, i), &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    // A scale button runs its preset once each time it becomes selected,
    // whatever selected it: a click, the arrow keys, an accessibility toggle
    // or code. A click on the button already selected changes no state but
    // still runs the preset (it redraws the view), so clicks are followed too,
    // and a click that selected the button is not counted twice.
    for (int i = 0; i < 7; ++i) {
        QRadioButton* b = option(3, i);
        bool& deja = dejaChoisie_[static_cast<std::size_t>(i)];
        connect(b, &QRadioButton::pressed, this, [b, &deja] { deja = b->isChecked(); });
        connect(b, &QRadioButton::toggled, this, [this, i](bool choisie) {
            if (choisie) Option3_Click(i);
        });
        connect(b, &QRadioButton::clicked, this, [this, i, &deja] {
            if (std::exchange(deja, false)) Option3_Click(i);
        });
    }
    // The charts follow their box's state, however it changed.
    connect(vitesse_, &QCheckBox::toggled, this, [this] { vitesse_Click(*this); });
    connect(xy_, &QCheckBox::toggled, this, [this] { xy_Click(*this); });
    connect(pictureBox(1), &PictureBox::souris, this, [this](int b, int s, float x, float y) {
        Picture1_MouseDown(*etat_, *this, b, s, x, y);
    });
    connect(pictureBox(1), &PictureBox::deplacement, this, [this](int b, int s, float x, float y) {
        Picture1_MouseMove(*etat_, *this, b, s, x, y);
    });
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

// ---- Event handlers -------------------------------------------------------

void FrmSat::changementTexte(int n)
{
    if (n == 7) normaliseMasse();
    else lanceInit();
}

bool FrmSat::lanceInit()
{
    ++nombreInit_;
    const std::string t1 = texte(Champ::Text1), t2 = texte(Champ::Text2), t3 = texte(Champ::Text3),
                      t4 = texte(Champ::Text4), t5 = texte(Champ::Text5), t6 = texte(Champ::Text6);
    const ChampsSaisis champs{t1, t2, t3, t4, t5, t6, option1_[0]->isChecked(), option1_[1]->isChecked()};
    const CompteRendu r = init(*etat_, champs);
    montreMessage(r.ok ? std::string_view() : r.message.vue());
    return r.ok;
}

void FrmSat::normaliseMasse()
{
    // Rewrites the field as a non-negative number in the regional format;
    // the rewrite fires this handler again until the text no longer changes.
    QLineEdit* e = text(7);
    const MasseRecrite m = recritMasse(e->text().toStdString(), separateurDecimal());
    if (m.tropGrande) montreMessage("Masse du satellite trop grande : elle est remise à 0.");
    const QString nouveau = qs(m.texte.vue());
    if (nouveau == e->text()) return;
    // Keep the caret at the same distance from the end of the text, where a
    // typist's eye is when a character is refused or a sign removed.
    const int depuisFin = static_cast<int>(e->text().size()) - e->cursorPosition();
    e->setText(nouveau);
    e->setCursorPosition(std::clamp(static_cast<int>(nouveau.size()) - depuisFin, 0, static_cast<int>(nouveau.size())));
}

void FrmSat::montreMessage(std::string_view t)
{
    message_->setText(qs(t));
    message_->setToolTip(qs(t));
}

void FrmSat::Command1_Click()
{
    // Only a launch that runs to its end leaves points to copy or save: a
    // refused or stopped one draws nothing, so its numbers would stand for
    // nothing the pupil sees.
    releve_->vide();
    lance();
    actualiseActionsPoints();
}

void FrmSat::lance()
{
    for (int n = 2; n <= 6; ++n) pictureBox(n)->cls();
    if (!lanceInit()) return;
    const ResultatCalcul r = calcule(*etat_);
    ecritEtiquette(Etiquette::Label11, r.label11.vue());
    ecritEtiquette(Etiquette::Label12, r.label12.vue());
    if (!r.compteRendu.ok) {
        montreMessage(r.compteRendu.message.vue());
        return;
    }
    // Taken at once: the next keystroke in a field clears the record's arrays.
    retiens(*releve_, *etat_, r.pas);
    releve_->textes = textesLancement();
    Trace(*etat_, *this);
    TraceVitesse(*etat_, *this);
}

void FrmSat::Command2_Click()
{
    // Every window goes, the hidden start screen included, and no further
    // handler runs: the event loop ends at once.
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void FrmSat::Command4_Click()
{
    efface(*etat_, *this);
    releve_->textes.reset();   // the view no longer shows the launch: the printout says nothing of it
}
void FrmSat::Command5_Click() { SatMove(*etat_, *this); }

void FrmSat::Option2_Click(int index)
{
    if (index != 0) return;   // the other attractors have no preset
    setWindowTitle(qs(kTerre.titre));
    etat_->Rayon = kTerre.Rayon;
    ecritTexte(Champ::Text1, kTerre.text1);
    ecritTexte(Champ::Text5, kTerre.text5);
    ecritTexte(Champ::Text6, kTerre.text6);
    // Selected exactly as if the pupil had clicked it: its handler runs now.
    option(3, kTerre.indexEchelle)->click();
    efface(*etat_, *this);
}

void FrmSat::Option3_Click(int index)
{
    ++nombreEchelles_;
    orbeline::Option3_Click(*etat_, *this, static_cast<std::int16_t>(index));
    releve_->textes.reset();   // the view was wiped
}

void FrmSat::closeEvent(QCloseEvent* e)
{
    e->accept();
    QCoreApplication::exit(0);
}

// ---- Fenetre --------------------------------------------------------------

Surface& FrmSat::picture(int numero) { return *pictureBox(numero); }

std::string FrmSat::texte(Champ c) const { return text(static_cast<int>(c) + 1)->text().toStdString(); }

void FrmSat::ecritTexte(Champ c, std::string_view t)
{
    QLineEdit* e = text(static_cast<int>(c) + 1);
    const QString nouveau = qs(t);
    if (e->text() != nouveau) e->setText(nouveau);   // textChanged runs the handler at once
}

void FrmSat::ecritEtiquette(Etiquette e, std::string_view t)
{
    QLabel* l = etiquette(e);
    l->setText(qs(t));
    if (l->property("autoTaille").toBool()) l->adjustSize();
}

void FrmSat::activeXy(bool actif) { xy_->setEnabled(actif); }

int FrmSat::valeurCase(Case c) const
{
    switch (caseACocher(c)->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

bool FrmSat::estVisible(Element e) const { return !element(e)->isHidden(); }
void FrmSat::setVisible(Element e, bool visible) { element(e)->setVisible(visible); }

std::string FrmSat::separateurDecimal() const { return QLocale().decimalPoint().toStdString(); }

// ---- Accessors --------------------------------------------------------------

QRadioButton* FrmSat::option(int groupe, int index) const
{
    const auto i = static_cast<std::size_t>(index);
    switch (groupe) {
    case 1: return option1_.at(i);
    case 2: return option2_.at(i);
    default: return option3_.at(i);
    }
}

QPushButton* FrmSat::commande(int n) const { return commandes_.at(static_cast<std::size_t>(n - 1)); }

QLabel* FrmSat::etiquette(Etiquette e) const
{
    switch (e) {
    case Etiquette::Label3: return labels_[3];
    case Etiquette::Label4: return labels_[4];
    case Etiquette::Label9: return labels_[9];
    case Etiquette::Label10: return labels_[10];
    case Etiquette::Label11: return labels_[11];
    case Etiquette::Label12: return labels_[12];
    case Etiquette::Label14: return labels_[14];
    }
    return labels_[14];
}

QWidget* FrmSat::element(Element e) const
{
    switch (e) {
    case Element::Picture2: return pictures_[1];
    case Element::Picture3: return pictures_[2];
    case Element::Picture4: return pictures_[3];
    case Element::Picture5: return pictures_[4];
    case Element::Picture6: return pictures_[5];
    case Element::Label8: return labels_[8];
    case Element::Label13: return labels_[13];
    case Element::Label15: return labels_[15];
    case Element::Label16: return labels_[16];
    case Element::Label17: return labels_[17];
    }
    return pictures_[1];
}

} // namespace orbeline

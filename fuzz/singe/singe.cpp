// A monkey test of the real program: the start screen, then the main window,
// on the xcb platform (under Xvfb), driven by random actions drawn from a
// seeded generator, so that a seed and a count replay a run exactly.
// It checks what only the real windows can break, after every action: Text7
// is a fixed point of its rewrite, no other window or dialog is open, the
// charts show exactly when their box is checked, and every picture area
// holds finite scales and places. The rules of a launch's numbers and drawing
// are the fuzz target's (fuzz/fuzz_lancement.cpp), on any six texts.
//
// Usage: singe [seed, 1] [actions, 2000] [seconds at most, 600]
#include "FrmSat.h"
#include "PictureBox.h"
#include "application.h"
#include "frmSplash.h"
#include "masse.h"
#include "verifications.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>

using namespace orbeline;

namespace {

// Pieces of what a pupil, or a hostile one, types into a field.
const std::array<const char*, 34> kMorceaux{
    "0", "1", "5", "42164", "3078", "-30000", "6.00", "864", "-", "+", ".", ",", " ", "e", "E", "D",
    "e+", "e-", "&H", "&O", "&h1F", "FF", "1e308", "1.3e308", "9e99999", "-1e-400", "1e300",
    "21474836480", "0.00000000000000000000000001", "9007199254740993.000000000000000000000000001",
    "99999999999999999999999999999999999999999", "abc", "é", "\xe2\x80\xaf"};

// The run's state: the generator, the window, the counts and the first rule broken.
struct Singe {
    Singe(std::uint64_t graine, FrmSat& fenetre) : hasard(graine), w(fenetre)
    {
        // For the summary: a run whose launches all fail tries little. "Lancer"
        // emits clicked after its handler, whether clicked or pressed by Enter.
        QObject::connect(w.commande(Commande::Lancer), &QPushButton::clicked, [this] {
            ++lancements;
            avecPoints += w.action(Action::CopierPoints)->isEnabled();
        });
    }

    std::mt19937_64 hasard;
    FrmSat& w;
    int lancements = 0;
    int avecPoints = 0;
    std::string ecart;

    /// A whole number in [a, b].
    int entier(int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard); }
    /// True once in n.
    bool uneFoisSur(int n) { return entier(1, n) == 1; }

    /// A text made of zero to four pieces.
    QString texte()
    {
        QString t;
        for (int n = entier(0, 4); n > 0; --n)
            t += QString::fromUtf8(kMorceaux[static_cast<std::size_t>(entier(0, kMorceaux.size() - 1))]);
        return t;
    }

    /// A point inside Picture1, or a little outside its inner area.
    QPoint pointVue() { return {entier(-8, w.pictureBox(1)->width() + 8), entier(-8, w.pictureBox(1)->height() + 8)}; }

    /// Shift, Ctrl and Alt, each now and then.
    Qt::KeyboardModifiers touches()
    {
        return (uneFoisSur(4) ? Qt::ShiftModifier : Qt::NoModifier) |
               (uneFoisSur(6) ? Qt::ControlModifier : Qt::NoModifier) | (uneFoisSur(8) ? Qt::AltModifier : Qt::NoModifier);
    }

    /// A mouse button, mostly the left one.
    Qt::MouseButton bouton()
    {
        return std::array{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[std::size_t(entier(0, 3))];
    }

    /// Keeps the first rule broken.
    void note(std::string quoi) { if (ecart.empty()) ecart = std::move(quoi); }

    /// Checks what must hold after any action.
    void apresAction()
    {
        QCoreApplication::processEvents();
        const QString t7 = w.text(7)->text();
        const auto recrit = recritMasse(t7.toStdString(), w.separateurDecimal());
        if (QString::fromUtf8(recrit.texte.vue().data(), static_cast<qsizetype>(recrit.texte.vue().size())) != t7)
            note("Text7 n'est pas stable : « " + t7.toStdString() + " »");
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t != &w && t->isVisible() && (t->windowType() == Qt::Window || t->windowType() == Qt::Dialog))
                note("une autre fenêtre est ouverte : " + t->objectName().toStdString());
        if (!w.isVisible()) note("la fenêtre principale n'est plus visible");
        // Whatever route changed a box, its charts show exactly when it is checked.
        for (const auto& [c, e] : {std::pair{Case::Vitesse, zone(4)}, std::pair{Case::Xy, zone(6)}})
            if (w.estVisible(e) != (w.valeurCase(c) == 1)) note("graphes et case en désaccord");
        for (int n = 1; n <= 6; ++n)
            if (auto e = test::ecartEtat(w.pictureBox(n)->etat()); !e.empty())
                note("Picture" + std::to_string(n) + " : " + e);
    }
};

/// One kind of action, drawn with its weight. New controls take one line
/// here. Menu entries that open a dialog or a window, and "Quitter", are
/// left out: any other window showing fails the run.
struct Geste {
    const char* nom;          ///< shown when a run fails
    int poids;                ///< relative frequency
    void (*fait)(Singe&);     ///< what it does
};

QLineEdit* champ(Singe& s) { return s.w.text(s.entier(1, 7)); }

// Key by key; Qt Test names only ASCII keys, the others go as their text.
void tape(QWidget* w, const QString& t)
{
    for (const QChar c : t) {
        if (c.unicode() < 128) QTest::keyClick(w, static_cast<char>(c.unicode()));
        else QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

const std::array kActions{
    Geste{"saisie", 24, [](Singe& s) {
        QLineEdit* e = champ(s);
        e->setFocus();
        if (s.uneFoisSur(2)) e->selectAll();
        else e->setCursorPosition(s.entier(0, static_cast<int>(e->text().size())));
        tape(e, s.texte());
    }},
    Geste{"texte écrit", 6, [](Singe& s) { champ(s)->setText(s.texte()); }},
    Geste{"touche d'édition", 6, [](Singe& s) {
        constexpr std::array<Qt::Key, 6> t{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                                           Qt::Key_Left, Qt::Key_Right};
        QTest::keyClick(champ(s), t[static_cast<std::size_t>(s.entier(0, 5))], s.touches());
    }},
    Geste{"Lancer", 12, [](Singe& s) { QTest::mouseClick(s.w.commande(Commande::Lancer), Qt::LeftButton); }},
    Geste{"Entrée dans un champ", 3, [](Singe& s) {
        QLineEdit* e = champ(s);
        e->setFocus();
        QTest::keyClick(e, Qt::Key_Return);
    }},
    Geste{"Effacer", 3, [](Singe& s) { QTest::mouseClick(s.w.commande(Commande::Effacer), Qt::LeftButton); }},
    Geste{"Placer", 3, [](Singe& s) { QTest::mouseClick(s.w.commande(Commande::Placer), Qt::LeftButton); }},
    Geste{"Nbre de points", 3, [](Singe& s) { QTest::mouseClick(s.w.option(Groupe::Points, s.entier(0, 1)), Qt::LeftButton); }},
    Geste{"attracteur", 3, [](Singe& s) { QTest::mouseClick(s.w.option(Groupe::Attracteur, s.entier(0, 3)), Qt::LeftButton); }},
    Geste{"échelle", 5, [](Singe& s) { QTest::mouseClick(s.w.option(Groupe::Echelle, s.entier(0, 6)), Qt::LeftButton); }},
    Geste{"vitesse", 3, [](Singe& s) { QTest::mouseClick(s.w.caseACocher(Case::Vitesse), Qt::LeftButton); }},
    Geste{"xy", 3, [](Singe& s) { QTest::mouseClick(s.w.caseACocher(Case::Xy), Qt::LeftButton); }},
    // What a screen reader or a switch-access tool calls.
    Geste{"bascule accessible", 4, [](Singe& s) {
        QWidget* cibles[] = {s.w.option(Groupe::Points, s.entier(0, 1)), s.w.option(Groupe::Echelle, s.entier(0, 6)),
                             s.w.caseACocher(Case::Vitesse), s.w.caseACocher(Case::Xy)};
        QWidget* b = cibles[s.entier(0, 3)];
        QAccessible::queryAccessibleInterface(b)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
    }},
    Geste{"Copier les points", 2, [](Singe& s) { s.w.action(Action::CopierPoints)->trigger(); }},
    Geste{"clic sur la vue", 6, [](Singe& s) {
        QTest::mouseClick(s.w.pictureBox(1), s.bouton(), s.touches(), s.pointVue());
    }},
    Geste{"glisser sur la vue", 3, [](Singe& s) {
        PictureBox* p = s.w.pictureBox(1);
        const Qt::MouseButton b = s.bouton();
        QTest::mousePress(p, b, {}, s.pointVue());
        for (int n = s.entier(1, 5); n > 0; --n) QTest::mouseMove(p, s.pointVue());
        QTest::mouseRelease(p, b, {}, s.pointVue());
    }},
    Geste{"survol de la vue", 8, [](Singe& s) { QTest::mouseMove(s.w.pictureBox(1), s.pointVue()); }},
    Geste{"taille de la fenêtre", 2, [](Singe& s) { s.w.resize(s.entier(120, 1100), s.entier(90, 820)); }},
    Geste{"tabulation", 3, [](Singe& s) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &s.w, Qt::Key_Tab,
                        s.uneFoisSur(3) ? Qt::ShiftModifier : Qt::NoModifier);
    }},
    // "Quitter" and the close button end the program: a run stops on neither.
};

const Geste& tire(Singe& s)
{
    int total = 0;
    for (const Geste& a : kActions) total += a.poids;
    int r = s.entier(1, total);
    for (const Geste& a : kActions)
        if ((r -= a.poids) <= 0) return a;
    return kActions.back();
}

} // namespace

int main(int argc, char** argv)
{
    const std::uint64_t graine = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1;
    const long nombre = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 2000;
    const double limite = argc > 3 ? std::strtod(argv[3], nullptr) : 600;

    QApplication app(argc, argv);
    prepareApplication();
    QApplication::setQuitOnLastWindowClosed(false);

    frmSplash accueil;
    accueil.show();
    const bool accueilVu = QTest::qWaitForWindowExposed(&accueil);
    if (accueilVu) QTest::mouseClick(accueil.suite(), Qt::LeftButton);
    FrmSat* w = accueil.principale();
    if (!w || !QTest::qWaitForWindowExposed(w)) {
        std::fputs(accueilVu ? "ÉCHEC : la fenêtre principale ne s'ouvre pas\n"
                             : "ÉCHEC : l'écran d'accueil ne s'affiche pas\n", stderr);
        return 1;
    }
    // Active before the first action, so that the focus moves the same way in every run.
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) std::fputs("singe : la fenêtre principale n'est pas active\n", stderr);

    Singe singe(graine, *w);
    std::deque<const char*> derniers;
    QElapsedTimer chrono;
    chrono.start();
    long fait = 0;
    for (; fait < nombre && chrono.elapsed() < limite * 1000; ++fait) {
        const Geste& a = tire(singe);
        derniers.push_back(a.nom);
        if (derniers.size() > 8) derniers.pop_front();
        a.fait(singe);
        singe.apresAction();
        if (!singe.ecart.empty()) {
            std::fprintf(stderr, "ÉCHEC à l'action %ld (graine %llu) : %s\nDernières actions :", fait + 1,
                         static_cast<unsigned long long>(graine), singe.ecart.c_str());
            for (const char* n : derniers) std::fprintf(stderr, " « %s »", n);
            std::fputs("\n", stderr);
            return 1;
        }
    }
    std::printf("singe : graine %llu, %ld actions, %d lancements dont %d avec des points, %.1f s\n",
                static_cast<unsigned long long>(graine), fait, singe.lancements, singe.avecPoints,
                chrono.elapsed() / 1000.0);
    return 0;
}

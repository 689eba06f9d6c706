// The main window: its launches, their errors, the ways out, what a screen
// reader is told, every route to the scale buttons and the check boxes, what
// the pupil types into the fields and the position placed with the mouse.
#define QT_STATICPLUGIN   // the accessibility bridge below is built in
#include "outils.h"

#include "FenetreEnregistree.h"
#include "controles.h"
#include "principale.h"
#include "vue.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMap>
#include <QMenuBar>
#include <QTimer>
#include <QToolTip>

#include <tuple>
#include <utility>
#include <vector>

using namespace orbeline;
using namespace orbeline::test;

// What a screen reader's bridge (AT-SPI's) is told about the message strip:
// Qt hands every event to the bridges, with no screen reader listening too.
std::vector<std::tuple<QAccessible::Event, QString, QString>> annonces;
struct Temoin : QAccessibleBridgePlugin, QAccessibleBridge {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "temoin.json")
public:
    QAccessibleBridge* create(const QString&) override { return this; }
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* e) override
    {
        if (QAccessibleInterface* i = e->accessibleInterface(); i && i->role() == QAccessible::StatusBar)
            annonces.emplace_back(e->type(), i->text(QAccessible::Name), e->type() == QAccessible::TextUpdated
                                  ? static_cast<QAccessibleTextUpdateEvent*>(e)->textInserted() : "-");
    }
};
Q_IMPORT_PLUGIN(Temoin)

TEST(Fenetre, InitialValuesAndLoadingReadsNoField)
{
    auto w = fenetre();
    EXPECT_EQ(w->nombreInit(), 0);
    EXPECT_EQ(w->focusWidget(), w->text(1));
    EXPECT_FALSE(w->estVisible(zone(2)) || w->estVisible(zone(6)));
    EXPECT_FALSE(w->action(Action::CopierPoints)->isEnabled() || w->action(Action::EnregistrerPoints)->isEnabled());
    // The other attractors are disabled, so neither a click nor the arrow keys select them.
    for (int i = 1; i < 4; ++i) EXPECT_FALSE(w->option(Groupe::Attracteur, i)->isEnabled()) << i;
    EXPECT_TRUE(w->option(Groupe::Points, 1)->isChecked() && w->option(Groupe::Attracteur, 0)->isChecked() && w->option(Groupe::Echelle, 0)->isChecked());
    // "Terre" selects the first scale through its button and titles the window (what it loads is the shell's matter).
    QTest::mouseClick(w->option(Groupe::Echelle, 5), Qt::LeftButton);
    QTest::mouseClick(w->option(Groupe::Attracteur, 0), Qt::LeftButton);
    EXPECT_TRUE(w->option(Groupe::Echelle, 0)->isChecked() && w->windowTitle() == "Terre. R = 6380 km ");
}

TEST(Fenetre, TheStarFramesLastTheirDelayAndEnterPressesTheFocusedButtonElseLaunches)
{
    // The charts' numbers are the shell's matter: here the timer must drive the
    // star to its end, the first frame showing when the click returns.
    auto w = fenetre();
    QElapsedTimer duree;
    duree.start();
    QTest::mouseClick(w->commande(Commande::Lancer), Qt::LeftButton);
    EXPECT_EQ(w->etiquette(Etiquette::ImpactTemps)->text(), "Impact à t =  8772 s");
    EXPECT_GT(w->etiquette(Etiquette::ImpactTemps)->width(), 56);   // the auto-size label grew
    EXPECT_TRUE(w->pictureBox(1)->estVisible(Controle::Etoile));
    QTRY_VERIFY_WITH_TIMEOUT(!w->pictureBox(1)->estVisible(Controle::Etoile), 5000);
    // Each frame stays its delay (a coarse timer may fire 5 % early), never less.
    EXPECT_GE(duree.elapsed(), 0.9 * kImagesEtoile * kDureeImageEtoile);
    // Enter on a button is that button's ("Effacer", found by its caption);
    // in a field it launches, and a refused run says why in the strip.
    for (QPushButton* b : w->client()->findChildren<QPushButton*>())
        if (b->text().remove('&') == "Effacer") b->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w->etiquette(Etiquette::ImpactTemps)->text().toStdString(), "");
    w->ecritTexte(Champ::Text6, "1e11");
    w->text(2)->setFocus();
    QTest::keyClick(w->text(2), Qt::Key_Return);
    EXPECT_TRUE(w->zoneMessage()->text().contains("τ") && w->zoneMessage()->isVisible());
}

TEST(Fenetre, EveryControlWhereItsRowPlacesItInTheClientAreaUnderTheMenuBar)
{
    auto w = fenetre();
    // The window grows by the bar; shrunk, it keeps the whole client area; every control lies in it.
    const int barre = w->menuBar()->height();
    EXPECT_EQ(w->client()->geometry(), QRect(0, barre, 792, 571));
    w->resize(400, 300);
    EXPECT_EQ(w->size(), QSize(792, 571 + barre));
    for (QWidget* e : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(e->isHidden() || e == w->client() || e == w->menuBar()) << e->metaObject()->className();
    // In its container, at its row's place in pixels (an auto-sized label from its corner, the size of its text).
    const auto place = [](QPoint p, QSize t) {
        return std::to_string(p.x()) + ", " + std::to_string(p.y()) + " " + std::to_string(t.width()) + " × " + std::to_string(t.height());
    };
    for (const Disposition& d : kDisposition)
        if (const QWidget* c = w->client()->findChild<QWidget*>(qs(d.nom))) {
            const QSize taille(enPixels(d.place.largeur), enPixels(d.place.hauteur));
            EXPECT_EQ(place(c->pos(), d.drapeaux & AutoTaille ? taille : c->size()),
                      place({enPixels(d.place.gauche), enPixels(d.place.haut)}, taille)) << d.nom;
        }
}

TEST(Graphes, EachChartUnderThePointerShowsWhatTheShellReadsThere)
{
    // Every chart shown, then a launch; beside the window, the shell's own with the same boxes.
    auto w = fenetre();
    FenetreChargee r;
    for (const Texte boite : {Texte::caseVitesse, Texte::caseXy, Texte::caseEnergie}) QTest::mouseClick(vu(*w, tr(boite)), Qt::LeftButton);
    for (const Case c : {Case::Vitesse, Case::Xy, Case::Energie}) r.f.ecritCase(c, true);
    QTest::mouseClick(vu(*w, tr(Texte::lancer)), Qt::LeftButton);
    w->acheveLancement();
    r.lance();
    // The middle of the chart a person finds by its title: its time and its values there, or nothing.
    for (const Graphe& g : kGraphes) {
        const SurfaceEnregistree& s = r.f.pic(g.picture);
        const int x = s.largeurPixels() / 2, y = s.hauteurPixels() / 2;
        Graphe_MouseMove(r.p, r.f, g.picture, float(s.etat().versUserX(x)), float(s.etat().versUserY(y)));
        QTest::mouseMove(vu(*w, tr(g.titre)), QPoint(2 + x, 2 + y));
        const auto bulle = [] { return QToolTip::isVisible() ? QToolTip::text().toStdString() : ""; };
        EXPECT_TRUE(QTest::qWaitFor([&] { return bulle() == r.f.bulle; }, 2000)) << tr(g.titre) << " : " << bulle() << " ≠ " << r.f.bulle;
    }
}

TEST(Fenetre, TheMessageStripReachesScreenReadersAsItsTextEachChangeSent)
{
    auto w = fenetre();
    QAccessibleInterface* bande = QAccessible::queryAccessibleInterface(w->zoneMessage());
    for (const QString m : {"Durée τ trop grande", "<b>clé</b> inconnue", "<b>clé</b> inconnue", ""}) {
        const bool change = m != w->zoneMessage()->text();   // the same message again is not sent
        annonces.clear();
        w->ecritMessage(m.toStdString());
        EXPECT_EQ(std::tuple(bande->role(), bande->text(QAccessible::Name), bande->textInterface()->text(0, 99)),
                  std::tuple(QAccessible::StatusBar, m, m));
        const decltype(annonces) nouveau{{QAccessible::NameChanged, m, "-"}, {QAccessible::TextUpdated, m, m}};
        EXPECT_EQ(annonces, change ? nouveau : decltype(annonces){}) << m.toStdString();
    }
    EXPECT_EQ(w->zoneMessage()->textFormat(), Qt::PlainText);   // a key named from a file stays as spelt
}

TEST(Fenetre, TheCloseButtonEndsTheEventLoop)
{
    // "Quitter", its menu entry and its shortcut: Menus.EveryEntryByItsAccessKeysAndEveryShortcutDoesWhatTheShellSays.
    auto w = fenetre();
    QTimer::singleShot(0, w.get(), [&] { w->close(); });
    QTimer::singleShot(5000, w.get(), [] { QCoreApplication::exit(99); });   // gone with the window, not left to end a later loop
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(w->isVisible());
}

namespace {

// The ways a pupil, a screen reader or the program itself changes a button.
enum class Voie { Souris, Clavier, Accessibilite, Code };

void actionne(QAbstractButton* b, Voie voie)
{
    switch (voie) {
    case Voie::Souris: QTest::mouseClick(b, Qt::LeftButton); break;
    case Voie::Clavier: b->setFocus(); QTest::keyClick(b, Qt::Key_Space); break;
    case Voie::Accessibilite:   // what at-spi clients (Orca, switch access) call: the toggle action
        if (auto* a = QAccessible::queryAccessibleInterface(b)->actionInterface()) a->doAction(a->toggleAction());
        break;
    case Voie::Code: b->setChecked(!b->isChecked()); break;
    }
}

} // namespace

TEST(Fenetre, EveryRouteToABoxShowsItsChartsExactlyWhenCheckedAndToAScaleButtonRunsItsPresetOnce)
{
    // What each preset draws is the view's matter; here each route must run
    // the preset of the button it selects, once, and enable xy as it says.
    const struct { Case boite; std::vector<Role> elements; } cases[] = {
        {Case::Vitesse, {zone(2), legendeGraphe(2), zone(3), legendeGraphe(3), zone(4), legendeGraphe(4)}},
        {Case::Xy, {zone(5), legendeGraphe(6), zone(6), legendeGraphe(5)}},
    };
    for (Voie voie : {Voie::Souris, Voie::Clavier, Voie::Accessibilite, Voie::Code}) {
        auto w = fenetre();
        for (const auto& c : cases)
            for (int fois = 0; fois < 2; ++fois) {
                actionne(w->caseACocher(c.boite), voie);
                const bool coche = w->caseACocher(c.boite)->isChecked();
                EXPECT_EQ(coche, fois == 0) << int(voie);
                for (Role e : c.elements) EXPECT_EQ(w->estVisible(e), coche) << int(voie);
            }
        for (int i : {6, 0, 5, 1, 4, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "voie " << int(voie) << ", preset " << i);
            const int avant = w->nombreEchelles();
            actionne(w->option(Groupe::Echelle, i), voie);
            const PresetEchelle& p = kPresets[std::size_t(i)];
            EXPECT_EQ(w->nombreEchelles() - avant, 1);
            EXPECT_EQ(std::tuple(w->etat().Echelle, w->etat().Reduction, w->caseACocher(Case::Xy)->isEnabled()),
                      std::tuple(p.Echelle, p.Reduction, p.xy));
        }
        // On the selected button a click (mouse or Space) redraws the view; a toggle that changes nothing runs nothing.
        const int avant = w->nombreEchelles();
        actionne(w->option(Groupe::Echelle, 3), voie);
        EXPECT_TRUE(w->option(Groupe::Echelle, 3)->isChecked()) << int(voie);
        EXPECT_EQ(w->nombreEchelles() - avant, voie == Voie::Souris || voie == Voie::Clavier ? 1 : 0) << int(voie);
        if (voie != Voie::Clavier) continue;   // Down, from the focused button, selects the next one and runs its preset once
        QTest::keyClick(w->option(Groupe::Echelle, 3), Qt::Key_Down);
        EXPECT_EQ(std::tuple(w->nombreEchelles() - avant, w->option(Groupe::Echelle, 4)->isChecked(), w->etat().Reduction),
                  std::tuple(2, true, kPresets[4].Reduction));
    }
}

TEST(Saisie, TypingIntoAFieldRunsInitOncePerChange)
{
    auto w = fenetre();
    w->text(1)->clear();
    const int avant = w->nombreInit();
    QTest::keyClicks(w->text(1), "12");
    EXPECT_EQ(w->etat().vx, 12);
    // Written from code, a new text runs it once, the same text not at all; Text7 never.
    w->ecritTexte(Champ::Text1, "7");
    w->ecritTexte(Champ::Text1, "7");
    QTest::keyClicks(w->text(7), "5");
    EXPECT_EQ(w->nombreInit() - avant, 3);
}

TEST(Saisie, CtrlCCopiesTheFieldsTextAndAPasteKeepsOneLineOfPrintableText)
{
    // Ctrl+C stays the field's own copy, beside Ctrl+Shift+C, the points'.
    auto w = fenetre(true);
    w->text(1)->selectAll();
    QTest::keyClick(w->text(1), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0");
    // Tabs and line breaks become one blank, other control characters go, a
    // text longer than a situation keeps is refused whole.
    const std::pair<QString, QString> cas[] = {{"30\r\n78\t", "30 78 "}, {QString::fromUtf8("1\0" "2\x1b[0m", 7), "12[0m"},
                                               {QString(1001, '7'), ""}};
    for (const auto& [colle, texte] : cas) {
        w->text(1)->clear();
        QGuiApplication::clipboard()->setText(colle);
        w->text(1)->paste();
        EXPECT_EQ(w->text(1)->text(), texte);
    }
}

TEST(PlacementSouris, PressAndMoveReachTheViewProcedures)
{
    // Rounding and the read-out are the view's matter, the pixels' places in user
    // units the picture area's. Inner pixel (x, y) of Picture1 is (2 + x, 2 + y)
    // in the widget; one pixel spans 1000 / 496 user units in the default view.
    LocaleTemporaire point(QLocale::c());
    auto w = fenetre();
    PictureBox* p = w->pictureBox(1);
    // Any button places: inner pixel (322, 347) is user point (149.19…, −199.59…).
    QTest::mouseClick(p, Qt::RightButton, {}, {324, 349});
    EXPECT_EQ(std::pair(w->text(3)->text(), w->text(4)->text()), std::pair(QString("14900"), QString("-20000")));
    // Inner pixel (254, 249) is user point (12.09…, −2.01…).
    QTest::mouseMove(p, {256, 251});
    // The read-outs as a person sees them on their row, left to right.
    QMap<int, QString> lues;
    for (QLabel* l : w->client()->findChildren<QLabel*>())
        if (l->isVisible() && (l->text().startsWith("X = ") || l->text().startsWith("Y = "))) lues[l->x()] = l->text();
    EXPECT_EQ(QStringList(lues.values()).join(" | ").toStdString(), "Y = -300 | X =  1200");
}

#include "test_frmsat.moc"

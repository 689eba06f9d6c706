// The menu bar and the ways out of the window: the points, the picture, the
// printout, the help.
#include "outils.h"

#include "frmSplash.h"
#include "mesures.h"
#include "releve.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace orbeline;
using namespace orbeline::test;

namespace {

std::unique_ptr<FrmSat> active()
{
    auto w = fenetre();
    QApplication::setActiveWindow(w.get());
    return w;
}

QString lis(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<absent>");
}

// The text of the message box the window opened last, closed on the way.
QString messageOuvert(FrmSat& w)
{
    auto* m = w.findChild<QMessageBox*>();
    if (!m) return {};
    const QString t = m->text() + QLatin1Char('\n') + m->informativeText();
    m->close();
    QCoreApplication::processEvents();   // deleted on close
    return t;
}

} // namespace

TEST(Menus, KeyboardReachableNamedAndTheClientAreaKeepsItsPlaces)
{
    auto w = active();
    // The window grows by the bar; every control lies in the client area, at its place.
    const int barre = w->menuBar()->height();
    EXPECT_EQ(w->size(), QSize(792, 571 + barre));
    EXPECT_EQ(w->client()->geometry(), QRect(0, barre, 792, 571));
    for (QWidget* enfant : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!enfant->isVisible()) continue;
        EXPECT_TRUE(enfant == w->client() || enfant == w->menuBar()) << enfant->metaObject()->className();
    }
    EXPECT_EQ(w->text(1)->geometry(), twips(158, 120, 750, 285));
    EXPECT_EQ(w->pictureBox(1)->mapTo(w.get(), QPoint(0, 0)), QPoint(6, 48 + barre));
    EXPECT_EQ(w->commande(2)->mapTo(w->client(), QPoint(0, 0)), QPoint(720, 510));

    // Alt + the underlined letter opens each menu; each entry has its own
    // letter and is named for screen readers as it reads.
    const QList<QAction*> menus = w->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    QAccessibleInterface* barreA = QAccessible::queryAccessibleInterface(w->menuBar());
    for (int m = 0; m < menus.size(); ++m) {
        const QString titre = menus[m]->text();
        EXPECT_EQ(barreA->child(m)->text(QAccessible::Name), QString(titre).remove('&'));
        const QChar lettre = titre.at(titre.indexOf('&') + 1).toLower();
        QTest::keyClick(w.get(), static_cast<Qt::Key>(lettre.toUpper().unicode()), Qt::AltModifier);
        QMenu* menu = menus[m]->menu();
        EXPECT_EQ(QApplication::activePopupWidget(), menu) << titre.toStdString();
        QString lettres;
        QAccessibleInterface* menuA = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; i < menu->actions().size(); ++i) {
            QAction* a = menu->actions()[i];
            if (a->isSeparator()) continue;
            const qsizetype p = a->text().indexOf('&');
            ASSERT_GE(p, 0) << a->text().toStdString();
            EXPECT_FALSE(lettres.contains(a->text().at(p + 1).toLower())) << a->text().toStdString();
            lettres += a->text().at(p + 1).toLower();
            EXPECT_EQ(menuA->child(i)->text(QAccessible::Name), QString(a->text()).remove('&'));
        }
        QTest::keyClick(menu, Qt::Key_Escape);
    }

    // Alt+F then Q: "Quitter" ends the program as the button does.
    QTimer::singleShot(0, w.get(), [&] {
        QTest::keyClick(w.get(), Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Q);
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(w->isVisible());
}

TEST(Points, OnlyAFinishedLaunchLeavesPointsAndCtrlCStaysTheFields)
{
    LocaleTemporaire virgule(QLocale(QLocale::French, QLocale::France));
    auto w = active();
    QAction* copier = w->action(Action::CopierPoints);
    EXPECT_FALSE(copier->isEnabled());
    EXPECT_FALSE(w->action(Action::EnregistrerPoints)->isEnabled());

    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    EXPECT_TRUE(copier->isEnabled());
    EXPECT_TRUE(w->action(Action::EnregistrerPoints)->isEnabled());
    // Typing afterwards rewrites the record, not the launch's points.
    w->text(1)->setFocus();
    w->text(1)->selectAll();
    QTest::keyClicks(w->text(1), "5");
    QTest::keyClick(w->text(1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lignes = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 104);
    EXPECT_EQ(lignes[1], "0\t-30000\t0\t0\t0\t0");
    EXPECT_TRUE(lignes[103].startsWith("8772\t-5354,60299358638\t0\t10521,")) << lignes[103].toStdString();
    // Ctrl+C in a field copies the field.
    w->text(1)->selectAll();
    QTest::keyClick(w->text(1), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "5");

    // A refused launch, then a stopped one, leave nothing to copy or save.
    for (auto [champ, texte] : {std::pair{Champ::Text6, "1e11"}, std::pair{Champ::Text5, "1e280"}}) {
        w->ecritTexte(Champ::Text6, "864");
        w->ecritTexte(Champ::Text5, "6");
        QTest::mouseClick(w->commande(1), Qt::LeftButton);
        ASSERT_TRUE(copier->isEnabled());
        w->ecritTexte(champ, texte);
        QTest::mouseClick(w->commande(1), Qt::LeftButton);
        EXPECT_FALSE(w->zoneMessage()->text().isEmpty());
        EXPECT_FALSE(copier->isEnabled()) << texte;
        EXPECT_FALSE(w->action(Action::EnregistrerPoints)->isEnabled()) << texte;
    }
}

TEST(Points, SaveWritesTheTableOrLeavesTheExistingFileAndSaysWhy)
{
    QTemporaryDir dossier;
    auto w = active();
    const QString cible = dossier.filePath("points.csv");
    EXPECT_FALSE(w->enregistrePoints(cible));   // nothing launched: no file at all
    EXPECT_FALSE(QFile::exists(cible));
    EXPECT_TRUE(messageOuvert(*w).contains("lancez d'abord"));

    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    ASSERT_TRUE(w->enregistrePoints(cible));
    EXPECT_EQ(lis(cible).count('\n'), 104);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"points.csv"});   // no leftover

    QFile ancien(cible);
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly) && ancien.write("ancien") == 6);
    ancien.close();
    // A full disk: writes beyond a small size fail (root is bound by it too).
    const auto disquePlein = [&](bool plein) {
        static rlimit avant{};
        if (plein) {
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &avant);
            rlimit petit{1000, avant.rlim_max};
            setrlimit(RLIMIT_FSIZE, &petit);
        } else {
            setrlimit(RLIMIT_FSIZE, &avant);
        }
    };
    disquePlein(true);
    const bool ecrit = w->enregistrePoints(cible);
    disquePlein(false);
    EXPECT_FALSE(ecrit);
    EXPECT_EQ(lis(cible), "ancien");
    EXPECT_TRUE(messageOuvert(*w).contains("n'ont pas été enregistrés dans « points.csv »"));

    // A read-only folder (not for root, whom permissions do not stop).
    QFile::setPermissions(dossier.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QFileInfo(dossier.path()).isWritable()) {
        EXPECT_FALSE(w->enregistrePoints(cible));
        EXPECT_EQ(lis(cible), "ancien");
        EXPECT_TRUE(messageOuvert(*w).contains("n'accepte pas l'écriture"));
    }
    QFile::setPermissions(dossier.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // A name that is a folder.
    EXPECT_FALSE(w->enregistrePoints(dossier.path()));
    EXPECT_TRUE(QFileInfo(dossier.path()).isDir());
    EXPECT_TRUE(messageOuvert(*w).contains("dossier"));
}

TEST(Image, PngIsTheClientAreaAndThePrintoutOnePdfPage)
{
    QTemporaryDir dossier;
    auto w = active();
    QTest::mouseClick(w->caseACocher(Case::Vitesse), Qt::LeftButton);
    QTest::mouseClick(w->commande(1), Qt::LeftButton);

    const QString png = dossier.filePath("orbeline.png");
    ASSERT_TRUE(w->enregistreImage(png));
    const QImage lue(png);
    const QImage vue = w->client()->grab().toImage();
    EXPECT_EQ(lue.size(), QSize(792, 571) * vue.devicePixelRatio());
    EXPECT_EQ(lue.convertToFormat(QImage::Format_RGB32), vue.convertToFormat(QImage::Format_RGB32));

    const QString pdf = dossier.filePath("orbeline.pdf");
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(pdf);
    ASSERT_TRUE(w->imprime(imprimante));
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    EXPECT_TRUE(octets.startsWith("%PDF"));
    EXPECT_EQ(octets.count("/Type /Page\n") + octets.count("/Type /Page\r") + octets.count("/Type /Page "), 1);
    EXPECT_TRUE(octets.contains("/Subtype /Image"));
}

TEST(Aide, GuideFromTheReadmeAndAboutWithTheVersion)
{
    auto w = active();
    QTest::keyClick(w->text(1), Qt::Key_F1);
    auto* guide = w->findChild<QTextBrowser*>();
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->window()->isVisible());
    const QString texte = guide->toPlainText();
    EXPECT_TRUE(texte.startsWith("Guide de l'élève")) << texte.left(40).toStdString();
    for (const char* entree : {"Enregistrer les points", "Copier les points", "Imprimer"})
        EXPECT_TRUE(texte.contains(entree)) << entree;
    EXPECT_FALSE(texte.contains("Pour les développeurs"));

    w->action(Action::APropos)->trigger();
    const QString aPropos = messageOuvert(*w);
    EXPECT_TRUE(aPropos.contains("Orbeline") && aPropos.contains(texteVersion())) << aPropos.toStdString();
}

// The ways in and out of the main window: the start screen, the menu bar,
// situations, the points, the picture, the printout, the help.
#include "outils.h"

#include "FenetreEnregistree.h"

#include "controles.h"
#include "langue.h"

#include "feuille.h"
#include "frmSplash.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

#include <csignal>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <tuple>
#include <utility>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orbeline;
using namespace orbeline::test;

namespace {

QByteArray lis(const QString& chemin) { QFile f(chemin); return f.open(QIODevice::ReadOnly) ? f.readAll() : "<absent>"; }
bool ecris(const QString& chemin, const QByteArray& c) { QFile f(chemin); return f.open(QIODevice::WriteOnly) && f.write(c) == c.size(); }

// The text of the message box the window has open, closed on the way; a
// box that would read its text as markup shows none.
QString messageOuvert(FrmSat& w)
{
    auto* m = w.findChild<QMessageBox*>();
    if (!m) return {};
    const QString t = m->textFormat() == Qt::PlainText ? m->text() + '\n' + m->informativeText() : "<balises>";
    m->close();
    QCoreApplication::processEvents();   // deleted on close
    return t;
}

} // namespace

TEST(Accueil, FramelessWithTheVersionAndLeftOnceWhateverTheRequests)
{
    auto s = ouverte<frmSplash>();
    EXPECT_EQ(qobject_cast<QLabel*>(s->controle("lblVersion"))->text(),
              "Version " + QCoreApplication::applicationVersion());
    EXPECT_EQ(s->focusWidget(), s->suite());
    EXPECT_TRUE(s->windowFlags() & Qt::FramelessWindowHint);
    // The pictures: a logo the reader could not read, or an icon missing its small size, would go unseen.
    EXPECT_EQ(qobject_cast<QLabel*>(s->controle("picLogo"))->pixmap().size(), QSize(160, 150));
    EXPECT_TRUE(fenetre()->windowIcon().availableSizes().contains(QSize(16, 16)));
    EXPECT_FALSE(s->close());
    EXPECT_TRUE(s->isVisible());

    // A second continue changes nothing.
    s->continuer();
    FrmSat* principale = s->principale();
    principale->ecritTexte(Champ::Text1, "7");
    s->continuer();
    EXPECT_EQ(s->principale(), principale);
    EXPECT_EQ(principale->text(1)->text(), "7");
}

TEST(Accueil, EveryKeyOnSuiteAndEveryClickOffTheLabelsContinues)
{
    using Geste = std::function<void(frmSplash&)>;
    const auto touche = [](Qt::Key k) { return Geste([k](frmSplash& s) { QTest::keyClick(s.suite(), k); }); };
    const auto surControle = [](const char* nom) {
        return Geste([nom](frmSplash& s) { QTest::mouseClick(s.controle(nom), Qt::LeftButton, {}, QPoint(3, 3)); });
    };
    const std::pair<Geste, bool> cas[] = {
        // A key with a text, one the button takes for a click, a modifier alone, Escape; Tab moves the focus.
        {touche(Qt::Key_A), true}, {touche(Qt::Key_Return), true}, {touche(Qt::Key_Shift), true},
        {touche(Qt::Key_Escape), true}, {touche(Qt::Key_Tab), false},
        {surControle("lblProductName"), false}, {surControle("lblVersion"), false}, {surControle("Label1"), false},
        {surControle("lblCompany"), false}, {surControle("picLogo"), false},
        // "Suite", the empty part of the frame, the strip of window outside it.
        {[](frmSplash& s) { QTest::mouseClick(s.suite(), Qt::LeftButton); }, true},
        {[](frmSplash& s) { QTest::mouseClick(s.cadre(), Qt::RightButton, {}, QPoint(440, 40)); }, true},
        {[](frmSplash& s) { QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(3, 200)); }, true},
    };
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        auto s = ouverte<frmSplash>();
        cas[i].first(*s);
        const FrmSat* p = s->principale();
        const bool suite = cas[i].second;
        EXPECT_EQ(std::tuple(p != nullptr, s->isHidden(), p && p->isVisible()), std::tuple(suite, suite, suite)) << i;
    }
}

namespace {

// The menu entry a person reads under this caption (its shortcut, after a tab, aside).
QAction* entreeVue(const FrmSat& w, Texte legende)
{
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
        if (a->text().section('\t', 0, 0) == qs(tr(legende))) return a;
    return nullptr;
}

Qt::Key lettre(Texte t)
{
    const QString s = qs(tr(t));
    return static_cast<Qt::Key>(s.at(s.indexOf('&') + 1).toUpper().unicode());
}

// What a person sees of a window but its dialogs: its fields, the ticks of its menu's options, whether it is open.
std::string vue(const Fenetre& f, const std::array<bool, kNombreReglages>& coches, bool ouverte)
{
    std::string t;
    for (int c = 0; c < 7; ++c) t += f.texte(static_cast<Champ>(c)) + " | ";
    for (const bool c : coches) t += c ? "coché | " : "- | ";
    return t + (ouverte ? "ouverte" : "fermée");
}

} // namespace

TEST(Menus, EveryEntryByItsAccessKeysAndEveryShortcutDoesWhatTheShellSays)
{
    // What the desktop shows for what the shell leaves it: a dialog (the guide's first line and the about box's text
    // too, as plain text), the clipboard with numbers in the regional form.
    LocaleTemporaire virgule(QLocale(QLocale::French, QLocale::France));
    QPrinter imprimante;
    const std::map<Sortie::Sorte, QString> dialogues{
        {Sortie::Sorte::Impression, "QPrintDialog " + QPrintDialog(&imprimante).windowTitle()},
        {Sortie::Sorte::Guide, "QDialog " + qs(tr(Texte::titreGuide)) + " Guide de l'élève : le TP satellites"},
        {Sortie::Sorte::APropos, "QMessageBox " + qs(tr(Texte::titreAPropos)) + " Orbeline\n" + qs(texteVersion())}};
    for (const EntreeMenu& e : kMenus)
        for (const bool touche : {false, true}) {
            // Each entry of the desktop's menus (the languages: Langue.*), each shortcut of the table, the page's too.
            if (touche ? e.raccourci.empty() : !(e.interfaces & Bureau) || e.action == Action::Langue) continue;
            SCOPED_TRACE(std::string(tr(e.legende)) + (touche ? " " + std::string(e.raccourci) : ""));
            // The window launched, a field typed since; beside it, the shell's own answer from the same state.
            auto w = fenetre(true);
            FenetreChargee r;
            r.f.separateur.assign(1, ',');
            r.lance();
            w->acheveLancement();
            for (Fenetre* f : {static_cast<Fenetre*>(w.get()), static_cast<Fenetre*>(&r.f)}) f->ecritTexte(Champ::Text1, "5");
            const auto s = touche ? Form_KeyDown(r.p, r.f, e.raccourci, {}, Bureau) : choisit(r.p, r.f, e.action);
            QString attendu = s && dialogues.contains(s->sorte) ? dialogues.at(s->sorte) : "";
            // A file to open: the ready-made situations' list first.
            if (s && s->fichier) attendu = (s->fichier->lecture ? "QDialog " : "QFileDialog ") + qs(tr(s->fichier->titre));
            if (s && s->sorte == Sortie::Sorte::Copie) attendu = "copié " + qs(s->contenu);
            // Each dialog that opens, closed at once (a file's or the printer's waits in a loop of its own).
            QStringList vus;
            const auto regarde = [&] {
                for (QWidget* d : QApplication::topLevelWidgets())
                    if (qobject_cast<QDialog*>(d) && d->isVisible()) {
                        vus << d->metaObject()->className() + QString(" ") + d->windowTitle();
                        if (auto* m = qobject_cast<QMessageBox*>(d)) vus.last() += " " + m->text();
                        if (auto* g = d->findChild<QTextBrowser*>()) vus.last() += " " + g->toPlainText().section('\n', 0, 0);
                        d->close();
                    }
            };
            QTimer veille;
            QObject::connect(&veille, &QTimer::timeout, regarde);
            veille.start(10);
            QGuiApplication::clipboard()->clear();
            if (touche) {
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(qs(e.raccourci)));
            } else {
                QTest::keyClick(w.get(), lettre(e.menu), Qt::AltModifier);
                QTest::keyClick(QApplication::activePopupWidget(), lettre(e.legende));
            }
            regarde();
            // "Quitter" ended the event loop before it ran: one run, which the next tests' dialogs need.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
            if (const QString c = QGuiApplication::clipboard()->text(); !c.isEmpty()) vus << "copié " + c;
            EXPECT_EQ(vus.join('\n').toStdString(), attendu.toStdString());
            // The fields, the options' ticks, the window still open, as the shell left its own.
            std::array<bool, kNombreReglages> coches{};
            for (const EntreeMenu& x : kMenus)
                if (x.reglage) coches[static_cast<std::size_t>(*x.reglage)] = entreeVue(*w, x.legende)->isChecked();
            EXPECT_EQ(vue(*w, coches, w->isVisible()), vue(r.f, r.p.reglages, !r.f.fini));
        }
}

TEST(Points, SaveWritesTheTableOrLeavesTheExistingFileAndSaysWhy)
{
    QTemporaryDir dossier;
    const QString cible = dossier.filePath("points.csv");
    auto w = fenetre();
    EXPECT_FALSE(enregistre(*w, Action::EnregistrerPoints, cible) || QFile::exists(cible));   // nothing launched: no file at all
    w->commande(Commande::Lancer)->click();
    ASSERT_TRUE(enregistre(*w, Action::EnregistrerPoints, cible));
    EXPECT_EQ(lis(cible).count('\n'), 104);
    ASSERT_TRUE(ecris(cible, "ancien"));

    // What stood in the way, as the message says it, with the folder, and the
    // file left as it was only where there is one; permissions do not stop root.
    using P = QFileDevice;
    const P::Permissions r = P::ReadOwner, rw = r | P::WriteOwner, rx = r | P::ExeOwner, rwx = rw | P::ExeOwner;
    const struct { QString chemin; P::Permissions fichier, dossier; const char* raison; bool existant; } cas[] = {
        {cible, r, rwx, "le fichier existant est en lecture seule", true},
        {cible, rw, rx, "le dossier n'accepte pas l'écriture", true},
        {dossier.path(), {}, {}, "celui d'un dossier", false},
        {dossier.filePath("absent/points.csv"), {}, {}, "le dossier est introuvable", false},
        // 249 bytes: the file written beside it would pass the 255 a name may have.
        {dossier.filePath(QString(245, 'a') + ".csv"), {}, {}, "le nom du fichier est trop long", false},
    };
    for (const auto& c : cas) {
        if (c.fichier && geteuid() == 0) continue;
        if (c.fichier) QFile::setPermissions(cible, c.fichier);
        if (c.dossier) QFile::setPermissions(dossier.path(), c.dossier);
        EXPECT_FALSE(enregistre(*w, Action::EnregistrerPoints, c.chemin)) << c.raison;
        const QString message = messageOuvert(*w);
        EXPECT_TRUE(message.contains(c.raison) && message.contains(QFileInfo(c.chemin).absolutePath())) << c.raison;
        EXPECT_EQ(message.contains("resté tel quel"), c.existant) << c.raison;
        QFile::setPermissions(dossier.path(), rwx);
        QFile::setPermissions(cible, rw);
    }
    EXPECT_EQ(lis(cible), "ancien");
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"points.csv"});
}

TEST(Sorties, OnAFailingDiskTheOldFilesStayAndTheProgramGoesOn)
{
    // In a child process run from the start (the threadsafe style) with the
    // default action of SIGXFSZ, as a program started under `ulimit -f`: a
    // write past 1000 bytes fails, for root too. It exits 0 when every check holds.
    const auto enfant = [] {
        QTemporaryDir dossier;
        auto w = fenetre(true);
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFileName(dossier.filePath("orbeline.pdf"));
        const bool pdfAvant = w->imprime(imprimante);
        const QByteArray ancienPdf = lis(imprimante.outputFileName());
        for (const char* nom : {"points.csv", "orbeline.png"}) ecris(dossier.filePath(nom), "ancien");
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit petit{1000, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &petit);
        const std::pair<bool, const char*> echecs[] = {
            {enregistre(*w, Action::EnregistrerPoints, dossier.filePath("points.csv")), "Les points n'ont pas été enregistrés"},
            {enregistre(*w, Action::EnregistrerImage, dossier.filePath("orbeline.png")), "L'image n'a pas été enregistrée"},
            {w->imprime(imprimante), "Le PDF n'a pas été enregistré"},
        };
        bool bon = pdfAvant;
        for (const auto& [ecrit, debut] : echecs) {
            const QString message = messageOuvert(*w);
            if (ecrit || !message.startsWith(debut) || !message.contains("dépasse la taille")) {
                std::fprintf(stderr, "%s : « %s »\n", debut, qPrintable(message));
                bon = false;
            }
        }
        bon = bon && lis(dossier.filePath("points.csv")) == "ancien" && lis(dossier.filePath("orbeline.png")) == "ancien"
              && lis(dossier.filePath("orbeline.pdf")) == ancienPdf
              && QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size() == 3;
        dossier.remove();   // no destructor runs past _Exit
        std::_Exit(bon ? 0 : 1);
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(enfant(), ::testing::ExitedWithCode(0), "");
}

TEST(Image, PngIsTheClientAreaWithTheLegendAndThePrintoutOfEightLaunchesInsideTheSheetsInColourOrGrey)
{
    QTemporaryDir dossier;
    auto w = fenetre();
    entreeVue(*w, Texte::actionColoris)->trigger();   // the launches' legend, in a column beyond the layout
    QTest::mouseClick(vu(*w, tr(Texte::caseVitesse)), Qt::LeftButton);
    for (int n = 0; n < 8; ++n) {
        w->text(1)->setText(QString::number(1000 * n));
        QTest::mouseClick(vu(*w, tr(Texte::lancer)), Qt::LeftButton);
    }
    ASSERT_TRUE(enregistre(*w, Action::EnregistrerImage, dossier.filePath("orbeline.png")));
    EXPECT_EQ(QImage(dossier.filePath("orbeline.png")).size(), QSize(1012, 571) * w->devicePixelRatioF());   // the client area, its column too

    for (const QPrinter::ColorMode mode : {QPrinter::Color, QPrinter::GrayScale}) {
        SCOPED_TRACE(mode == QPrinter::Color ? "colour" : "grey");
        QPrinter imprimante(QPrinter::HighResolution);   // portrait, as printers propose
        imprimante.setOutputFileName(dossier.filePath("orbeline.pdf"));
        imprimante.setColorMode(mode);
        ASSERT_TRUE(w->imprime(imprimante));
        // Read and drawn at 300 dpi by poppler's tools, as a viewer shows it.
        const auto poppler = [&](const char* outil, QStringList args) {
            return QProcess::execute(outil, args << dossier.filePath("orbeline.pdf") << dossier.filePath("page")) == 0;
        };
        // Every word inside the sheet's margins (10 mm, in points), on at most two sheets.
        ASSERT_TRUE(poppler("pdftotext", {"-bbox"}));
        const QString boites = QString::fromUtf8(lis(dossier.filePath("page")));
        EXPECT_LE(boites.count("<page "), 2);
        const QRegularExpression mot(R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
        for (auto m = mot.globalMatch(boites); m.hasNext();) {
            const auto b = m.next();
            EXPECT_TRUE(b.captured(1).toDouble() >= 28 && b.captured(2).toDouble() >= 28 && b.captured(3).toDouble() <= 814 &&
                        b.captured(4).toDouble() <= 567) << b.captured(0).toStdString();
        }
        ASSERT_TRUE(poppler("pdftotext", {"-layout"}));   // a row of the sheet a line, blanks as it sees them
        QString texte = QString::fromUtf8(lis(dossier.filePath("page")));
        texte = texte.replace(QChar(0xa0), ' ').simplified();
        for (const char* t : {"Nom : Classe : Date :", "Vx(t) Vy(t) V(t)", "Quadrillage : 1 carreau = 10 000 km",
                              "Masse de l'attracteur M = 6 × 10²⁴ kg ; τ = 864 s", "Impact à t", "8772"})
            EXPECT_TRUE(texte.contains(QString::fromUtf8(t))) << t;
        for (int n = 1; n <= 8; ++n) EXPECT_TRUE(texte.contains(QString(" %1 %2 0 -30 000 0 6 864").arg(n).arg(1000 * (n - 1)))) << n;
        ASSERT_TRUE(poppler("pdftoppm", {"-r", "300", "-png", "-singlefile"}));
        const QImage page(dossier.filePath("page.png"));
        EXPECT_NEAR(page.width(), 3508, 1);   // A4 landscape
        EXPECT_NEAR(page.height(), 2480, 1);
        // Colours, the Earth's teal and the axes' red, only on a colour printer.
        int couleurs = 0;
        for (int y = 0; y < page.height(); y += 2)
            for (int x = 0; x < page.width(); x += 2) {
                const QRgb c = page.pixel(x, y);
                couleurs += qRed(c) != qGreen(c) || qGreen(c) != qBlue(c);
            }
        EXPECT_EQ(couleurs > 1000, mode == QPrinter::Color) << couleurs;

        // The first vertical grid line, inner pixel 49 of 496 on screen: every
        // row it crosses holds pure grid grey, the same grey as on screen and
        // at least two pixels wide, where an enlarged screen picture is blurred.
        const CadreMm vue = feuilleFenetre(*w, w->principale()).elements[0].cadre;
        const double pxParMm = 300 / 25.4, k = vue.largeur * pxParMm / 496;
        const int x0 = int((vue.gauche * pxParMm) + 47.5 * k), x1 = int((vue.gauche * pxParMm) + 51.5 * k);
        int rangees = 0, nettes = 0;
        for (int y = int((vue.haut + 5) * pxParMm); y < int((vue.haut + vue.hauteur * 0.35) * pxParMm); ++y) {
            int gris = 0, marques = 0;
            for (int x = x0; x <= x1; ++x) {
                marques += page.pixel(x, y) != qRgb(255, 255, 255);
                gris += page.pixel(x, y) == qRgb(128, 128, 128);
            }
            rangees += marques > 0;
            nettes += gris >= 2;
        }
        EXPECT_GT(rangees, 0.4 * 0.3 * vue.hauteur * pxParMm);   // dash-dot-dot: about half the rows
        EXPECT_GT(nettes, 0.8 * rangees);
    }
}

TEST(Situation, SavedThenOpenedInAnotherWindowGivesTheSameWindow)
{
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("cours.orbeline");
    auto w = fenetre();
    w->ecritTexte(Champ::Text4, "12000");
    QTest::mouseClick(w->option(Groupe::Echelle, 1), Qt::LeftButton);
    ASSERT_TRUE(enregistre(*w, Action::EnregistrerSituation, fichier));

    // Another window, the way the command line opens one, here a name that is
    // not UTF-8 (Latin-1 "été"); what each value does is the shell's matter.
    const QByteArray latin1 = QFile::encodeName(dossier.path()) + "/cours-\xe9t\xe9.orbeline";
    ASSERT_EQ(std::rename(QFile::encodeName(fichier).constData(), latin1.constData()), 0);
    frmSplash accueil;
    accueil.ouvrira(latin1);
    accueil.continuer();
    std::remove(latin1.constData());   // which QTemporaryDir could not
    FrmSat& v = *accueil.principale();
    EXPECT_TRUE(v.text(4)->text() == "12000" && v.option(Groupe::Echelle, 1)->isChecked());

    // What is not a situation changes nothing and says why, its name as spelt;
    // a pipe is refused before it is opened, which would wait for a writer.
    const QString balise = dossier.filePath("<font size=7 color=red>ALERTE<font> x.orbeline");
    ASSERT_TRUE(ecris(balise, QByteArray("\x7f" "ELF\x01\x00", 6)) && ecris(fichier, QByteArray(11 << 20, 'x'))
                && QDir(dossier.path()).mkdir("dossier.orbeline")
                && mkfifo(QFile::encodeName(dossier.filePath("tube.orbeline")).constData(), 0600) == 0);
    const std::pair<QString, const char*> cas[] = {{balise, ""}, {fichier, ""}, {"tube.orbeline", "pas un fichier ordinaire"},
                                                   {"dossier.orbeline", "c'est un dossier"}, {"absent.orbeline", "introuvable"}};
    for (const auto& [nom, raison] : cas) {
        EXPECT_FALSE(v.ouvreSituation(QDir(dossier.path()).filePath(nom)));
        const QString message = messageOuvert(v);
        EXPECT_TRUE(message.startsWith("«\u00a0" + QFileInfo(nom).fileName() + "\u00a0»") && message.contains(raison)
                    && message.contains("Rien n'a changé")) << message.toStdString();
        EXPECT_EQ(v.text(4)->text(), "12000");
    }
    v.action(Action::ValeursDepart)->trigger();
    EXPECT_EQ(v.text(4)->text(), "0");
}

TEST(Dossiers, OpeningOffersTheReadyMadeSituationsFirstSaveDialogsTheLastFolderWrittenToNeverOneOnlyRead)
{
    QTemporaryDir lu, ecrit;   // lu: where a situation is opened from, as the ready-made ones
    ASSERT_TRUE(ecris(lu.filePath("cours.orbeline"), "x=1\n"));
    auto w = fenetre();
    // Picks a row of the ready-made situations' list, each named with what to observe, or another file (none).
    const auto prete = [&](const QString& nom) {
        auto* d = w->findChild<QDialog*>("situations");
        if (!d || !d->isVisible()) return false;
        auto* l = d->findChild<QListWidget*>();
        const auto vus = l->findItems(nom + "\n", Qt::MatchStartsWith);
        if (vus.isEmpty())
            for (QPushButton* b : d->findChildren<QPushButton*>())
                if (b->text() == qs(tr(Texte::autreFichier))) return b->click(), true;
        l->setCurrentItem(vus.front());
        EXPECT_TRUE(vus.front()->text().contains("\ntrop lent pour un cercle")) << vus.front()->text().toStdString();
        d->accept();
        return true;
    };
    std::function<void()> ellipse = [&] { if (!prete("ellipse")) QTimer::singleShot(10, ellipse); };
    QTimer::singleShot(0, ellipse);
    w->action(Action::OuvrirSituation)->trigger();
    EXPECT_EQ(w->text(1)->text(), "2000");
    // Answers the entry's dialog with this file (none: cancels); returns the folder it proposed.
    const auto dialogue = [&](Action a, const QString& choix, QString propose = {}) {
        std::function<void()> repond = [&] {
            if (prete("")) return QTimer::singleShot(10, repond);   // another file than the ready-made ones
            auto* d = w->findChild<QFileDialog*>();
            if (!d || !d->isVisible()) return QTimer::singleShot(10, repond);   // not open yet
            propose = d->directory().absolutePath();
            d->selectFile(choix);
            choix.isEmpty() ? d->reject() : static_cast<QDialog*>(d)->accept();   // as its buttons do
        };
        QTimer::singleShot(0, repond);
        w->action(a)->trigger();
        return propose;
    };
    dialogue(Action::OuvrirSituation, lu.filePath("cours.orbeline"));
    EXPECT_NE(dialogue(Action::EnregistrerSituation, ecrit.filePath("cours.orbeline")), lu.path());
    EXPECT_EQ(std::pair(w->text(3)->text(), dialogue(Action::EnregistrerImage, {})), std::pair(QString("1"), ecrit.path()));
}

TEST(Langue, QtsFileAndPrintDialogsLeaveNoTextUntranslated)
{
    textesNonTraduits().clear();
    QFileDialog fichiers(nullptr, {}, QCoreApplication::applicationDirPath());   // a folder with folders in it
    fichiers.setViewMode(QFileDialog::Detail);
    fichiers.show();
    auto* liste = fichiers.findChild<QTreeView*>();
    QTRY_VERIFY(liste->model()->rowCount(liste->rootIndex()) > 0);
    fichiers.grab();   // the rows' types: Qt 6.4's French lacks "Folder"
    QPrinter imprimante;
    QPrintDialog impression(&imprimante);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    impression.findChild<QAbstractButton*>("properties")->click();   // the printer's properties
    EXPECT_EQ(textesNonTraduits().join('\n').toStdString(), "");
}

TEST(Langue, TheLanguageEntryWritesEveryTextInEnglishAndKeepsTheNumbers)
{
    // What a person sees of every control, launched: caption (a box's on one line), tooltip, name for a screen reader.
    const auto vus = [](FrmSat& f) {
        f.acheveLancement();
        QStringList textes;
        for (const Disposition& d : kDisposition)
            if (QWidget* c = f.controle(d.role)) {
                const auto* g = qobject_cast<QGroupBox*>(c);
                textes << (g ? g->title() : c->property("text").toString().replace('\n', ' ')) + " | " + c->toolTip() + " | "
                              + c->accessibleName();
            }
        return textes.join('\n').toStdString();
    };
    auto w = fenetre(true);
    const std::string francais = vus(*w);
    for (const Langue l : {Langue::en, Langue::fr}) {
        for (QAction* a : w->menuBar()->findChildren<QAction*>())
            if (a->text() == qs(tr(Texte::nomLangue, l))) a->trigger();
        // As a window opened and launched in that language shows them, the launch's captions and numbers too.
        EXPECT_EQ(vus(*w), vus(*fenetre(true)));
        EXPECT_EQ(w->menuBar()->actions()[0]->text(), qs(tr(Texte::menuFichier)));
    }
    EXPECT_EQ(vus(*w), francais);
}

TEST(Langue, EveryEnglishCaptionFitsItsControlAndCoversNoOtherWhereTheFrenchOneDoes)
{
    // How much wider than each control its caption asks (Qt's size hint: the text, a box's mark, a button's
    // bevel, a frame's title), by name; each control over another of its container, as "A over B".
    const auto fautes = [](FrmSat& w) {
        std::map<std::string, int> f;
        std::vector<QWidget*> vus;
        for (const Disposition& d : kDisposition)
            if (auto* c = w.findChild<QWidget*>(qs(d.nom)); c && c->isVisibleTo(&w) && !qobject_cast<QLineEdit*>(c)) vus.push_back(c);
        for (QWidget* c : vus) {
            f[c->objectName().toStdString()] = std::max(0, c->sizeHint().width() - c->width());
            for (QWidget* d : vus)
                if (c < d && c->parentWidget() == d->parentWidget() && c->geometry().intersects(d->geometry()))
                    f[c->objectName().toStdString() + " over " + d->objectName().toStdString()] = 1;
        }
        return f;
    };
    auto w = fenetre(true);
    for (const Case c : {Case::Vitesse, Case::Xy, Case::Energie}) w->caseACocher(c)->click();
    std::map<std::string, int> francais = fautes(*w);
    changeLangue(w->principale(), *w, Langue::en);
    for (const auto& [nom, exces] : fautes(*w)) EXPECT_LE(exces, francais[nom]) << nom;
    w->findChild<QRadioButton*>("Option3_2")->setText("100 thousand km");   // the caption it once had, cut
    EXPECT_GT(fautes(*w)["Option3_2"], francais["Option3_2"]);
    changeLangue(w->principale(), *w, Langue::fr);
}

// The main window's menu bar and what its entries do: situation files in and
// out, the points of the last launch to the clipboard or a CSV file, the
// client area to a PNG file or a printer, the starting values, the pupil's
// guide and the about box. The files, the clipboard and the printer are
// chosen here; what goes in them is the core's (releve.h, situation.h).

#include "FrmSat.h"

#include "SimulationState.h"
#include "actions.h"
#include "principale.h"
#include "frmSplash.h"
#include "controles.h"
#include "feuille.h"
#include "impression.h"
#include "mesures.h"
#include "releve.h"
#include "situation.h"

#include <QAction>
#include <QActionGroup>
#include <QBuffer>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <csignal>
#include <string>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orbeline {
namespace {

// A text of the catalogue in the language now chosen.
QString qtr(Texte t) { return qs(orbeline::tr(t)); }

// Past the file-size limit (ulimit -f) the system ends the program with
// SIGXFSZ, and everything on screen with it, unless the signal is ignored:
// then the write fails and is reported like any other.
void sansSignalDeTaille()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

// Why nothing can be written at this path, seen from the file system before
// trying; empty when nothing stands in the way. The checks follow the way
// QSaveFile writes: to the end of a symbolic link's chain, through a file
// beside the target whose name is seven bytes longer, renamed over it.
QString obstacle(const QString& chemin)
{
    QFileInfo cible(chemin);
    for (int n = 0; n < 128 && cible.isSymLink(); ++n) cible.setFile(cible.symLinkTarget());
    const QFileInfo dossier(cible.absolutePath());
    if (cible.isDir()) return qtr(Texte::obstacleDossier);
    if (!dossier.isDir()) return qtr(Texte::obstacleDossierIntrouvable);
#ifdef Q_OS_UNIX
    const QByteArray natif = QFile::encodeName(cible.absoluteFilePath());
    const QByteArray dossierNatif = QFile::encodeName(dossier.absoluteFilePath());
    const long nomMax = pathconf(dossierNatif.constData(), _PC_NAME_MAX);
    if (QFile::encodeName(cible.fileName()).size() + 7 > (nomMax > 0 ? nomMax : 255))
        return qtr(Texte::obstacleNomLong);
#endif
    if (cible.exists() && !cible.isWritable()) return qtr(Texte::obstacleLectureSeule);
    if (!dossier.isWritable()) return qtr(Texte::obstacleDossierFerme);
#ifdef Q_OS_UNIX
    // In a shared folder with the sticky bit (/tmp), a file may be replaced
    // only by its owner or the folder's.
    struct stat d {}, f {};
    if (geteuid() != 0 && stat(dossierNatif.constData(), &d) == 0 && (d.st_mode & S_ISVTX) != 0
        && stat(natif.constData(), &f) == 0 && f.st_uid != geteuid() && d.st_uid != geteuid())
        return qtr(Texte::obstacleAutreUtilisateur);
#endif
    return {};
}

// Why writing `taille` bytes failed.
QString raisonEcriture(qint64 taille)
{
#ifdef Q_OS_UNIX
    rlimit limite{};
    if (getrlimit(RLIMIT_FSIZE, &limite) == 0 && limite.rlim_cur != RLIM_INFINITY
        && static_cast<rlim_t>(taille) > limite.rlim_cur)
        return qtr(Texte::obstacleTaille);
#else
    (void)taille;
#endif
    return qtr(Texte::obstacleEcriture);
}

// Writes the content through a temporary file that replaces the target only
// once it is complete, so a failure leaves an existing file as it was, and
// no temporary file behind. Returns why it failed, in French, or an empty text.
QString ecritAtomique(const QString& chemin, QByteArrayView contenu)
{
    sansSignalDeTaille();
    if (QString raison = obstacle(chemin); !raison.isEmpty()) return raison;
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return qtr(Texte::obstacleCreation);
    // One write checked to the last byte: one cut short by a full disk or a
    // size limit is no error to QSaveFile, which would put the truncated file
    // in place. The explicit flush catches the last bytes failing, which
    // commit() alone lets through too (QTBUG-75077).
    if (f.write(contenu.data(), contenu.size()) != contenu.size() || !f.flush()) return raisonEcriture(contenu.size());
    if (f.commit()) return {};
    // Put in place only now: what stands in the way of a rename, if anything.
    const QString raison = obstacle(chemin);
    return raison.isEmpty() ? raisonEcriture(0) : raison;
}

// Reads at most `taille` bytes of a regular file into `contenu`; returns why
// it could not, in French, or an empty text. Anything else is refused before
// it is opened: opening a pipe waits for a writer, a device may never end.
QString litFichierOrdinaire(const QByteArray& chemin, qint64 taille, QByteArray& contenu)
{
    const QString illisible = qtr(Texte::lectureImpossible);
    const QString dossier = qtr(Texte::lectureDossier);
    const QString special = qtr(Texte::lectureSpeciale);
    QFile f;
#ifdef Q_OS_UNIX
    struct stat s {};
    if (::stat(chemin.constData(), &s) != 0)
        return errno == ENOENT ? qtr(Texte::lectureIntrouvable) : illisible;
    if (S_ISDIR(s.st_mode)) return dossier;
    if (!S_ISREG(s.st_mode)) return special;
    // Opened without waiting, then looked at again: replaced by a pipe in
    // between, it is refused all the same.
    const int fd = ::open(chemin.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return illisible;
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode) || !f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return S_ISREG(s.st_mode) ? illisible : special;
    }
#else
    const QFileInfo i(QFile::decodeName(chemin));
    if (!i.exists()) return qtr(Texte::lectureIntrouvable);
    if (i.isDir()) return dossier;
    if (!i.isFile()) return special;
    f.setFileName(i.filePath());
    if (!f.open(QIODevice::ReadOnly)) return illisible;
#endif
    contenu = f.read(taille);
    return f.error() == QFileDevice::NoError ? QString() : illisible;
}

} // namespace

void FrmSat::construitMenus()
{
    QMenuBar* barre = menuBar();
    barre->setAccessibleName(qtr(Texte::nomMenus));
    QMenu* menu = nullptr;
    std::optional<Texte> titre;
    for (const EntreeMenu& e : kMenus) {
        if (!(e.interfaces & Bureau)) continue;
        if (!menu || titre != e.menu) {
            titre = e.menu;
            menu = barre->addMenu(QString());
            menus_.push_back(menu);
        }
        if (e.separateurAvant) menu->addSeparator();
        if (e.action == Action::Langue) {
            // One entry per language, under its own name; the one in use is checked.
            auto* groupe = new QActionGroup(menu);
            for (std::size_t l = 0; l < kCodesLangues.size(); ++l) {
                QAction* act = menu->addAction(qs(orbeline::tr(Texte::nomLangue, static_cast<Langue>(l))));
                act->setCheckable(true);
                act->setChecked(static_cast<Langue>(l) == langue());
                groupe->addAction(act);
                connect(act, &QAction::triggered, this, [this, l] { changeLangue(*p_, *this, static_cast<Langue>(l)); });
            }
            continue;
        }
        // The shortcut is shown after a tab, not bound: keys reach the shell
        // through the window (keyPressEvent), as they do in the page.
        QAction* act = menu->addAction(QString());
        act->setCheckable(e.reglage.has_value());
        connect(act, &QAction::triggered, this, [this, a = e.action] { realise(choisit(*p_, *this, a)); });
        actions_[static_cast<std::size_t>(e.action)] = act;
    }
    retraduitMenus();
}

void FrmSat::retraduitMenus()
{
    std::size_t n = 0;
    std::optional<Texte> titre;
    for (const EntreeMenu& e : kMenus) {
        if (!(e.interfaces & Bureau)) continue;
        if (titre != e.menu) {
            titre = e.menu;
            const QString t = qs(orbeline::tr(e.menu));
            menus_[n]->setTitle(t);
            menus_[n++]->setAccessibleName(QString(t).remove(QLatin1Char('&')));
        }
        QAction* act = actions_[static_cast<std::size_t>(e.action)];
        if (!act) continue;
        QString t = qs(orbeline::tr(e.legende));
        if (!e.raccourci.empty())
            t += QLatin1Char('\t') + QKeySequence(QString::fromLatin1(e.raccourci.data(), static_cast<qsizetype>(e.raccourci.size())),
                                                  QKeySequence::PortableText).toString(QKeySequence::NativeText);
        act->setText(t);
    }
}

void FrmSat::signaleEchec(const QString& titre, const QString& texte)
{
    // Window-modal without a nested event loop: the pupil reads it before
    // going on, and tests can find it and close it.
    auto* m = new QMessageBox(QMessageBox::Warning, titre, texte, QMessageBox::Ok, this);
    m->setTextFormat(Qt::PlainText);   // file names as they are spelt, never as markup
    m->setAttribute(Qt::WA_DeleteOnClose);
    m->open();
}

bool FrmSat::bilanEcriture(Texte quoi, const QString& chemin, const QString& raison)
{
    const QFileInfo cible(chemin);
    if (raison.isEmpty()) {
        dossier_ = dossierEcrit_ = cible.absolutePath();
        return true;
    }
    // A failed write leaves what was there: a file by that name is the one that was.
    QString t = qs(orbeline::tr(Texte::echecEnregistrement,
                                {orbeline::tr(quoi), cible.fileName().toStdString(),
                                 QDir::toNativeSeparators(cible.absolutePath()).toStdString(), raison.toStdString()}));
    if (cible.isFile()) t += QLatin1Char('\n') + qtr(Texte::fichierLaisse);
    signaleEchec(qtr(Texte::titreEchecEnregistrement), t);
    return false;
}

bool FrmSat::ecrit(const Sortie& s, const QString& chemin)
{
    if (s.sorte == Sortie::Sorte::Image) {
        const QPixmap image = client_->grab();   // at the screen's pixel ratio
        QByteArray png;
        QBuffer tampon(&png);
        const QString raison = tampon.open(QIODevice::WriteOnly) && image.save(&tampon, "PNG")
                                   ? ecritAtomique(chemin, png)
                                   : qtr(Texte::obstacleImage);
        return bilanEcriture(*s.fichier->echec, chemin, raison);
    }
    return bilanEcriture(*s.fichier->echec, chemin,
                         ecritAtomique(chemin, QByteArrayView(s.contenu.data(), static_cast<qsizetype>(s.contenu.size()))));
}

// ---- Situations ------------------------------------------------------------------

bool FrmSat::ouvreSituation(const QString& chemin) { return ouvreSituation(QFile::encodeName(chemin)); }

bool FrmSat::ouvreSituation(const QByteArray& cheminSysteme)
{
    // No more than a situation can hold is read: a larger file is not one.
    QByteArray contenu;
    const QString illisible = litFichierOrdinaire(cheminSysteme, kTailleFichierMax + 1, contenu);
    const LectureSituation l = illisible.isEmpty()
                                   ? lisFichier(std::string_view(contenu.constData(), static_cast<std::size_t>(contenu.size())))
                                   : LectureSituation{};
    const std::string erreur = illisible.isEmpty() ? l.erreur : illisible.toStdString();
    const QString nom = QFile::decodeName(cheminSysteme.mid(cheminSysteme.lastIndexOf('/') + 1));
    // A situation applies, what it refused shown in the message strip; anything else changes nothing.
    if (illisible.isEmpty() && appliqueLecture(*p_, *this, l)) return true;
    signaleEchec(qtr(Texte::titreSituationNonOuverte),
                 qs(orbeline::tr(Texte::situationNonOuverte, {nom.toStdString(), erreur})));
    return false;
}

namespace {

// The sheet on landscape pages, with a page's corner as the painter's
// origin, at the device's resolution.
bool dessinePage(QPagedPaintDevice& page, int resolution, const FrmSat& w, const Principale& r, bool gris)
{
    QPainter p;
    if (!p.begin(&page)) return false;
    const QSizeF mm = page.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const bool dessine = dessineFeuille(p, page, feuilleFenetre(w, r, mm.width(), mm.height()), resolution / 25.4, w, gris);
    return p.end() && dessine;
}

} // namespace

bool FrmSat::imprime(QPrinter& imprimante)
{
    acheveLancement();
    imprimante.setPageOrientation(QPageLayout::Landscape);
    imprimante.setFullPage(true);
    const bool gris = imprimante.colorMode() == QPrinter::GrayScale;
    sansSignalDeTaille();
    const QString fichier = imprimante.outputFileName();
    if (fichier.isEmpty()) {
        if (dessinePage(imprimante, imprimante.resolution(), *this, *p_, gris)) return true;
        signaleEchec(qtr(Texte::titreImpressionImpossible), qtr(Texte::impressionImpossible));
        return false;
    }
    // Qt's PDF engine writes in place and ignores write errors: the same
    // page goes through a PDF writer, with the settings chosen in the
    // dialog, into memory, then to the file as the other files are written.
    QByteArray contenu;
    QBuffer tampon(&contenu);
    bool dessine = tampon.open(QIODevice::WriteOnly);
    if (dessine) {
        QPdfWriter pdf(&tampon);
        pdf.setPageLayout(QPageLayout(imprimante.pageLayout().pageSize(), QPageLayout::Landscape, QMarginsF()));
        pdf.setResolution(imprimante.resolution());
        pdf.setPdfVersion(imprimante.pdfVersion());
        pdf.setTitle(imprimante.docName());
        pdf.setCreator(imprimante.creator());
        dessine = dessinePage(pdf, pdf.resolution(), *this, *p_, gris);
    }
    const QString raison = dessine ? ecritAtomique(fichier, contenu)
                                   : qtr(Texte::obstaclePage);
    return bilanEcriture(Texte::echecPdf, fichier, raison);
}

// ---- Dialogs: they only choose the file or the printer --------------------------

namespace {

// The folder the save dialogs propose: the last one written to in this
// session (never one only read, such as the ready-made situations'), else the
// Documents folder (the home folder where it does not exist).
QString dossierPropose(const QString& dernier)
{
    if (!dernier.isEmpty()) return dernier;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// The ready-made situations, installed beside the program (../share from its folder).
QString dossierSituations()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/orbeline/situations"));
}

// A save dialog opens in `dossier`; the open dialog too, once a folder has
// been used.
QString demandeFichier(QWidget* parent, const QString& dossier, const QString& titre, const QString& nom,
                       const QString& filtre, const QString& suffixe, QFileDialog::AcceptMode mode)
{
    QFileDialog d(parent, titre, QDir(dossierPropose(dossier)).filePath(nom), filtre);
    d.setAcceptMode(mode);
    d.setDefaultSuffix(suffixe);
    if (mode == QFileDialog::AcceptOpen) {
        // The ready-made situations come first: where the dialog opens until
        // another folder is used, and at the top of its list of places.
        d.setFileMode(QFileDialog::ExistingFile);
        if (QFileInfo(dossierSituations()).isDir()) {
            if (dossier.isEmpty()) d.setDirectory(dossierSituations());
            d.setSidebarUrls(QList<QUrl>{QUrl::fromLocalFile(dossierSituations())} + d.sidebarUrls());
        }
    }
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().constFirst();
}

} // namespace

void FrmSat::realise(const Sortie& s)
{
    switch (s.sorte) {
    case Sortie::Sorte::Rien: return;
    case Sortie::Sorte::Fichier:
    case Sortie::Sorte::Image: {
        // A save proposes the last folder written to; a file written records its folder.
        const FichierAction& f = *s.fichier;
        if (f.lecture && !offreSituations(f)) return;
        const QString chemin = demandeFichier(this, f.lecture ? dossier_ : dossierEcrit_, qtr(f.titre),
                                              f.nom ? qtr(*f.nom) : QString(), qtr(f.filtre), qs(f.suffixe),
                                              f.lecture ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        if (chemin.isEmpty()) return;
        if (!f.lecture) {
            ecrit(s, chemin);
            return;
        }
        dossier_ = QFileInfo(chemin).absolutePath();
        ouvreSituation(chemin);
        return;
    }
    case Sortie::Sorte::Copie: QGuiApplication::clipboard()->setText(QString::fromStdString(s.contenu)); return;
    case Sortie::Sorte::Impression: return demandeImpression();
    case Sortie::Sorte::Guide: return montreGuide();
    case Sortie::Sorte::APropos: return montreAPropos();
    }
}

bool FrmSat::offreSituations(const FichierAction& f)
{
    QDialog d(this);
    d.setObjectName(QStringLiteral("situations"));
    d.setWindowTitle(qtr(f.titre));
    auto* liste = new QListWidget(&d);
    liste->setAccessibleName(qtr(f.titre));
    liste->setWordWrap(true);
    liste->setSpacing(2);
    for (const SituationPrete& s : situationsPretes())
        liste->addItem(QString::fromUtf8(s.nom.data(), static_cast<qsizetype>(s.nom.size())) + '\n' + qs(consignePrete(s)));
    liste->setCurrentRow(0);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, &d);
    bool autre = false;
    connect(boutons->addButton(qtr(Texte::autreFichier), QDialogButtonBox::ActionRole), &QPushButton::clicked, &d, [&] {
        autre = true;
        d.accept();
    });
    connect(boutons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    connect(liste, &QListWidget::itemActivated, &d, &QDialog::accept);
    auto* pile = new QVBoxLayout(&d);
    pile->addWidget(new QLabel(qtr(Texte::situationsPretes), &d));
    pile->addWidget(liste);
    pile->addWidget(boutons);
    d.resize(620, 520);
    if (d.exec() != QDialog::Accepted) return false;
    if (autre) return true;
    // As its file would open: what it refused in the message strip.
    if (const int i = liste->currentRow(); i >= 0)
        if (const std::string erreur = orbeline::ouvreSituation(*p_, *this, situationsPretes()[static_cast<std::size_t>(i)].contenu);
            !erreur.empty())
            ecritMessage(erreur);
    return false;
}

void FrmSat::demandeImpression()
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(QStringLiteral("Orbeline"));
    // The file a print to PDF proposes, in the same folder as the other
    // dialogs. Naming it makes the printer a PDF one: the system's printer,
    // if there is one, is selected again, the name staying for the dialog.
    imprimante.setOutputFileName(QDir(dossierPropose(dossierEcrit_)).filePath(qtr(Texte::fichierImpression)));
    imprimante.setOutputFormat(QPrinter::NativeFormat);
    imprimante.setPageOrientation(QPageLayout::Landscape);   // the sheet's, shown in the dialog
    QPrintDialog d(&imprimante, this);
    if (d.exec() != QDialog::Accepted) return;
    imprime(imprimante);
}

// ---- Help ------------------------------------------------------------------------

void FrmSat::montreGuide()
{
    if (!guide_) {
        guide_ = new QDialog(this);
        guide_->setObjectName(QStringLiteral("guide"));
        guide_->setWindowTitle(qtr(Texte::titreGuide));
        guide_->resize(640, 540);
        auto* texte = new QTextBrowser(guide_);
        texte->setAccessibleName(qtr(Texte::titreGuide));
        texte->setHtml(qs(guideHtml()));
        auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, guide_);
        connect(boutons, &QDialogButtonBox::rejected, guide_, &QDialog::close);
        auto* pile = new QVBoxLayout(guide_);
        pile->addWidget(texte);
        pile->addWidget(boutons);
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

void FrmSat::montreAPropos()
{
    auto* m = new QMessageBox(this);
    m->setObjectName(QStringLiteral("aPropos"));
    m->setTextFormat(Qt::PlainText);
    m->setAttribute(Qt::WA_DeleteOnClose);
    m->setWindowTitle(qtr(Texte::titreAPropos));
    m->setIconPixmap(windowIcon().pixmap(64));
    m->setText(QStringLiteral("Orbeline\n%1").arg(QString::fromStdString(texteVersion())));
    m->setInformativeText(qs(orbeline::tr(kDescription)));
    m->open();
}

} // namespace orbeline

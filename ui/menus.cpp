// The main window's menu bar and what its entries do: the points of the last
// launch to the clipboard or a CSV file, the client area to a PNG file or a
// printer, the pupil's guide and the about box. The files, the clipboard and
// the printer are chosen here; the table itself is the model's (releve.h).

#include "FrmSat.h"

#include "SimulationState.h"
#include "principale.h"
#include "frmSplash.h"
#include "mesures.h"
#include "releve.h"

#include <QAction>
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
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <functional>

// A static library's resources are linked only when named, from outside any namespace.
static void chargeGuide()
{
    static bool charge = false;
    if (!charge) Q_INIT_RESOURCE(guide);
    charge = true;
}

namespace orbeline {
namespace {

// Writes through a temporary file that replaces the target only once it is
// complete, so a failure leaves an existing file as it was. Returns why it
// failed, in French, or an empty text.
QString ecritAtomique(const QString& chemin, const std::function<bool(QIODevice&)>& ecrit)
{
    if (QFileInfo(chemin).isDir()) return QStringLiteral("ce nom est celui d'un dossier.");
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return QStringLiteral("le dossier est introuvable ou n'accepte pas l'écriture.");
    // The explicit flush catches a disk filling up during the last write,
    // which commit() alone lets through as a truncated file (QTBUG-75077).
    if (!ecrit(f) || !f.flush() || !f.commit())
        return QStringLiteral("l'écriture a échoué (disque plein ou support retiré ?).");
    return {};
}

// The pupil's guide: its section of the README, built into the program.
QString guideEleve()
{
    chargeGuide();
    QFile f(QStringLiteral(":/README.md"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString md = QString::fromUtf8(f.readAll());
    const qsizetype debut = md.indexOf(QStringLiteral("## Guide de l'élève"));
    if (debut < 0) return md;
    const qsizetype fin = md.indexOf(QStringLiteral("\n## "), debut);
    return md.mid(debut, fin < 0 ? -1 : fin - debut);
}

} // namespace

void FrmSat::construitMenus()
{
    QMenuBar* barre = menuBar();
    barre->setAccessibleName(QStringLiteral("Menu principal"));
    const auto faire = [this](Action a) -> void (FrmSat::*)() {
        switch (a) {
        case Action::EnregistrerPoints: return &FrmSat::demandeEnregistrementPoints;
        case Action::EnregistrerImage: return &FrmSat::demandeEnregistrementImage;
        case Action::Imprimer: return &FrmSat::demandeImpression;
        case Action::Quitter: return &FrmSat::quitte;
        case Action::CopierPoints: return &FrmSat::copiePoints;
        case Action::Guide: return &FrmSat::montreGuide;
        case Action::APropos: return &FrmSat::montreAPropos;
        default: return nullptr;
        }
    };
    QMenu* menu = nullptr;
    for (const EntreeMenu& e : kMenus) {
        if (!(e.interfaces & Bureau) || !faire(e.action)) continue;
        const QString titre = QString::fromUtf8(e.menu.data(), static_cast<qsizetype>(e.menu.size()));
        if (!menu || menu->title() != titre) {
            menu = barre->addMenu(titre);
            menu->setAccessibleName(QString(titre).remove(QLatin1Char('&')));
        }
        if (e.separateurAvant) menu->addSeparator();
        QAction* act = menu->addAction(QString::fromUtf8(e.legende.data(), static_cast<qsizetype>(e.legende.size())));
        act->setShortcut(QKeySequence(QString::fromLatin1(e.raccourci.data(), static_cast<qsizetype>(e.raccourci.size())),
                                      QKeySequence::PortableText));
        connect(act, &QAction::triggered, this, faire(e.action));
        actions_[static_cast<std::size_t>(e.action)] = act;
    }
}

void FrmSat::signaleEchec(const QString& titre, const QString& texte)
{
    // Window-modal without a nested event loop: the pupil reads it before
    // going on, and tests can find it and close it.
    auto* m = new QMessageBox(QMessageBox::Warning, titre, texte, QMessageBox::Ok, this);
    m->setAttribute(Qt::WA_DeleteOnClose);
    m->open();
}

bool FrmSat::echecEnregistrement(const QString& quoi, const QString& chemin, const QString& raison)
{
    signaleEchec(QStringLiteral("Enregistrement impossible"),
                 QStringLiteral("%1 dans « %2 » : %3\nUn fichier qui portait déjà ce nom est resté tel quel.")
                     .arg(quoi, QFileInfo(chemin).fileName(), raison));
    return false;
}

// ---- The points --------------------------------------------------------------

void FrmSat::copiePoints()
{
    if (p_->releve.estVide()) return;
    const std::string t = texteTable(p_->releve, formatCopie(separateurDecimal()));
    QGuiApplication::clipboard()->setText(QString::fromStdString(t));
}

bool FrmSat::enregistrePoints(const QString& chemin)
{
    if (p_->releve.estVide()) {
        signaleEchec(QStringLiteral("Aucun point"),
                     QStringLiteral("Aucun point à enregistrer : lancez d'abord le satellite."));
        return false;
    }
    const std::string t = texteTable(p_->releve, formatCsv(separateurDecimal()));
    const QString raison = ecritAtomique(chemin, [&](QIODevice& f) {
        return f.write(t.data(), static_cast<qint64>(t.size())) == static_cast<qint64>(t.size());
    });
    return raison.isEmpty()
           || echecEnregistrement(QStringLiteral("Les points n'ont pas été enregistrés"), chemin, raison);
}

// ---- The picture ---------------------------------------------------------------

bool FrmSat::enregistreImage(const QString& chemin)
{
    acheveLancement();   // the picture as it ends, star gone and charts drawn
    const QPixmap image = client_->grab();   // at the screen's pixel ratio
    const QString raison = ecritAtomique(chemin, [&](QIODevice& f) { return image.save(&f, "PNG"); });
    return raison.isEmpty()
           || echecEnregistrement(QStringLiteral("L'image n'a pas été enregistrée"), chemin, raison);
}

QStringList FrmSat::legendeImpression() const
{
    const QString u = QString::fromUtf8(unite(p_->etat).data(), kLargeurUnite).trimmed();
    const auto choisi = [this](int groupe, int n) {
        for (int i = 0; i < n; ++i)
            if (option(groupe, i)->isChecked()) return option(groupe, i)->text();
        return QString();
    };
    QStringList l{
        QStringLiteral("Vox = %1 m/s    Voy = %2 m/s").arg(text(1)->text(), text(2)->text()),
        QStringLiteral("X initial = %1 %3    Y initial = %2 %3").arg(text(3)->text(), text(4)->text(), u),
        QStringLiteral("Masse de l'attracteur = %1 × 10²⁴ kg    τ = %2 s").arg(text(5)->text(), text(6)->text()),
        QStringLiteral("1 carreau = %1    Nbre de points affichés : %2").arg(choisi(3, 7), choisi(1, 2)),
        QStringLiteral("Masse du satellite = %1 kg").arg(text(7)->text()),
    };
    for (Etiquette e : {Etiquette::Label11, Etiquette::Label12})
        if (!etiquette(e)->text().isEmpty()) l << etiquette(e)->text();
    return l;
}

bool FrmSat::imprime(QPrinter& imprimante)
{
    acheveLancement();
    const QImage image = client_->grab().toImage();
    const QStringList lignes = legendeImpression();
    QPainter p;
    if (!p.begin(&imprimante)) {
        signaleEchec(QStringLiteral("Impression impossible"),
                     QStringLiteral("L'impression n'a pas pu commencer : vérifiez l'imprimante ou le fichier choisi."));
        return false;
    }
    // The picture as large as the page allows above the lines of text.
    const QSizeF page = imprimante.pageLayout().paintRectPixels(imprimante.resolution()).size();
    p.setFont(police("Arial", 10));
    const qreal interligne = p.fontMetrics().lineSpacing();
    const QSizeF taille = QSizeF(image.size()).scaled(page.width(), page.height() - interligne * (lignes.size() + 1),
                                                      Qt::KeepAspectRatio);
    const QRectF cible(QPointF((page.width() - taille.width()) / 2, 0), taille);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(cible, image);
    qreal y = cible.bottom() + interligne;
    for (const QString& ligne : lignes) {
        p.drawText(QRectF(cible.left(), y, cible.width(), interligne), Qt::AlignLeft | Qt::AlignVCenter, ligne);
        y += interligne;
    }
    return p.end();
}

// ---- Dialogs: they only choose the file or the printer --------------------------

namespace {

QString demandeFichier(QWidget* parent, QString& dossier, const QString& titre, const QString& nom,
                       const QString& filtre, const QString& suffixe)
{
    if (dossier.isEmpty()) dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog d(parent, titre, QDir(dossier).filePath(nom), filtre);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix(suffixe);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    const QString chemin = d.selectedFiles().constFirst();
    dossier = QFileInfo(chemin).absolutePath();
    return chemin;
}

} // namespace

void FrmSat::demandeEnregistrementPoints()
{
    const QString chemin = demandeFichier(this, dossier_, QStringLiteral("Enregistrer les points"),
                                          QStringLiteral("points.csv"),
                                          QStringLiteral("Tableau CSV (*.csv)"), QStringLiteral("csv"));
    if (!chemin.isEmpty()) enregistrePoints(chemin);
}

void FrmSat::demandeEnregistrementImage()
{
    const QString chemin = demandeFichier(this, dossier_, QStringLiteral("Enregistrer l'image"),
                                          QStringLiteral("orbeline.png"),
                                          QStringLiteral("Image PNG (*.png)"), QStringLiteral("png"));
    if (!chemin.isEmpty()) enregistreImage(chemin);
}

void FrmSat::demandeImpression()
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(QStringLiteral("Orbeline"));
    QPrintDialog d(&imprimante, this);
    if (d.exec() == QDialog::Accepted) imprime(imprimante);
}

// ---- Help ------------------------------------------------------------------------

void FrmSat::montreGuide()
{
    if (!guide_) {
        guide_ = new QDialog(this);
        guide_->setObjectName(QStringLiteral("guide"));
        guide_->setWindowTitle(QStringLiteral("Guide de l'élève"));
        guide_->resize(640, 540);
        auto* texte = new QTextBrowser(guide_);
        texte->setAccessibleName(QStringLiteral("Guide de l'élève"));
        texte->setMarkdown(guideEleve());
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
    m->setAttribute(Qt::WA_DeleteOnClose);
    m->setWindowTitle(QStringLiteral("À propos d'Orbeline"));
    m->setIconPixmap(windowIcon().pixmap(64));
    m->setText(QStringLiteral("Orbeline\n%1").arg(QString::fromUtf8(texteVersion().data(), static_cast<qsizetype>(texteVersion().size()))));
    m->setInformativeText(QString::fromUtf8(kDescription.data(), static_cast<qsizetype>(kDescription.size())));
    m->open();
}

} // namespace orbeline

#include "frmSplash.h"

#include "FrmSat.h"
#include "images.h"
#include "mesures.h"
#include "version.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace orbeline {

QString texteVersion()
{
    return QStringLiteral("Version %1.%2.%3").arg(version::kMajeur).arg(version::kMineur).arg(version::kRevision);
}

QString titreApplication() { return QStringLiteral("ORBELINES"); }

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAccessibleName(QStringLiteral("Écran d'accueil d'Orbeline"));
    setFont(police("MS Sans Serif", 8.25));
    setFixedSize(504, 371);
    setAutoFillBackground(true);

    cadre_ = new QFrame(this);
    cadre_->setObjectName(QStringLiteral("fraMainFrame"));
    cadre_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    cadre_->setGeometry(twips(120, 0, 7380, 5430));

    auto etiq = [&](const char* nom, const QString& texte, QRect r, const QFont& f, Qt::Alignment a,
                    bool autoTaille, bool retour) {
        auto* l = new QLabel(texte, cadre_);
        l->setObjectName(QString::fromLatin1(nom));
        l->setGeometry(r);
        l->setFont(f);
        l->setAlignment(a | Qt::AlignTop);
        l->setWordWrap(retour);
        // A press on a label does nothing: it must not reach the frame.
        l->setAttribute(Qt::WA_NoMousePropagation);
        if (autoTaille) {
            // Grows from its right edge when right-aligned.
            const int droite = r.right();
            l->adjustSize();
            if (a & Qt::AlignRight) l->move(droite - l->width() + 1, r.top());
        }
        return l;
    };
    etiq("lblLicenseTo", QString(), twips(270, 300, 6855, 255), police("Arial", 8.25), Qt::AlignRight, false, false);
    etiq("lblCompanyProduct", QStringLiteral("Talvenor"), twips(3120, 720, 3075, 435), police("Arial", 18, true),
         Qt::AlignLeft, true, false);
    etiq("lblProductName", QStringLiteral("Orbelines"), twips(3120, 1200, 2835, 765), police("Arial", 32.25, true),
         Qt::AlignLeft, true, false);
    etiq("lblPlatform", QStringLiteral("Win9X et WinNT"), twips(4575, 2160, 2430, 360), police("Arial", 15.75, true),
         Qt::AlignRight, true, false);
    etiq("lblVersion", QStringLiteral("Version 0.9"), twips(5730, 2520, 1275, 285), police("Arial", 12, true),
         Qt::AlignRight, true, false);
    etiq("Label1",
         QStringLiteral("Logiciel permettant de réaliser le TP relatif aux satellites des nouveaux programmes "
                        "de seconde en l'absence du tableur MS Excel."),
         twips(480, 3480, 6615, 675), police("Arial", 8.25), Qt::AlignLeft, false, true);
    etiq("lblWarning", QString(), twips(480, 4200, 4935, 555), police("Arial", 8.25), Qt::AlignLeft, false, true);
    etiq("lblCompany", QStringLiteral("Conçu pour les classes de seconde. Libre d'usage en classe."),
         twips(480, 4800, 6375, 255), police("Arial", 8.25), Qt::AlignLeft, false, false);

    auto* logo = new QLabel(cadre_);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setGeometry(twips(510, 855, 2460, 2310));
    logo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    logo->setLineWidth(2);
    logo->setPixmap(logoAccueil());
    logo->setAlignment(Qt::AlignCenter);
    logo->setAttribute(Qt::WA_NoMousePropagation);
    logo->setAccessibleName(QStringLiteral("Un satellite de télécommunications au-dessus de la Terre, la nuit"));

    suite_ = new QPushButton(QStringLiteral("Suite"), cadre_);
    suite_->setObjectName(QStringLiteral("Command1"));
    suite_->setGeometry(twips(5520, 4680, 1695, 495));
    suite_->setDefault(true);
    suite_->installEventFilter(this);
    connect(suite_, &QPushButton::clicked, this, &frmSplash::continuer);
    cadre_->installEventFilter(this);

    centreSurEcran(this);
    Form_Load();
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Load()
{
    if (auto* l = qobject_cast<QLabel*>(controle("lblVersion"))) {
        const int droite = l->geometry().right();
        l->setText(texteVersion());
        l->adjustSize();
        l->move(droite - l->width() + 1, l->y());
    }
    if (auto* l = qobject_cast<QLabel*>(controle("lblProductName"))) {
        l->setText(titreApplication());
        l->adjustSize();
    }
    suite_->setFocus();
}

QWidget* frmSplash::controle(const char* nom) const
{
    return findChild<QWidget*>(QString::fromLatin1(nom));
}

void frmSplash::continuer()
{
    // A second continue raised by the same key press finds everything done.
    if (principale_ && principale_->isVisible() && isHidden()) return;
    hide();
    if (!principale_) principale_ = std::make_unique<FrmSat>();
    principale_->show();
    principale_->activateWindow();
}

bool frmSplash::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == suite_ && evenement->type() == QEvent::KeyPress) {
        // Every key continues, Shift or Ctrl alone included, except the keys
        // that move the focus.
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche != Qt::Key_Tab && touche != Qt::Key_Backtab) {
            continuer();
            return true;
        }
    }
    if (objet == cadre_ && evenement->type() == QEvent::MouseButtonPress) {
        continuer();
        return true;
    }
    return QWidget::eventFilter(objet, evenement);
}

void frmSplash::mousePressEvent(QMouseEvent*) { continuer(); }

void frmSplash::closeEvent(QCloseEvent* e)
{
    // The program ends only from the main window: a close request from the
    // window manager (there is no title bar, but Alt+F4 still asks) leaves the
    // start screen in place rather than hiding the only window of a process
    // that would then live on without one.
    e->ignore();
}

} // namespace orbeline

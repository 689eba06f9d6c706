#include "frmSplash.h"

#include "FrmSat.h"
#include "images.h"
#include "mesures.h"
#include "controles.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <utility>

namespace orbeline {

namespace {

// A right-aligned auto-size label keeps its right edge.
void ajuste(QLabel* l)
{
    const int droite = l->geometry().right();
    l->adjustSize();
    if (l->alignment() & Qt::AlignRight) l->move(droite - l->width() + 1, l->y());
}

} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAccessibleName(qs(orbeline::tr(Texte::nomAccueil)));
    setFont(policeDe(kMss));
    setFixedSize(enPixels(kLargeurAccueil), enPixels(kHauteurAccueil));
    setAutoFillBackground(true);

    for (const Disposition& d : kDispositionAccueil) {
        QWidget* parent = d.cadre.empty() ? static_cast<QWidget*>(this) : cadre_;
        QWidget* w = nullptr;
        if (d.genre == Genre::Cadre) {
            cadre_ = new QFrame(parent);
            cadre_->setFrameStyle(QFrame::Box | QFrame::Sunken);
            cadre_->installEventFilter(this);
            w = cadre_;
        } else if (d.genre == Genre::Bouton) {
            suite_ = new QPushButton(qs(orbeline::tr(d.legende)), parent);
            suite_->setDefault(d.drapeaux & ParDefaut);
            suite_->installEventFilter(this);
            connect(suite_, &QPushButton::clicked, this, &frmSplash::continuer);
            w = suite_;
        } else {
            auto* l = new QLabel(parent);
            if (d.genre == Genre::Logo) {
                l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                l->setLineWidth(2);
                l->setPixmap(logoAccueil());
                l->setAlignment(Qt::AlignCenter);
            } else {
                l->setText(qs(orbeline::tr(d.legende)));
                l->setAlignment(((d.drapeaux & ADroite) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
                l->setWordWrap(d.drapeaux & Retour);
            }
            // A press on a label or the logo does nothing: it must not reach the frame.
            l->setAttribute(Qt::WA_NoMousePropagation);
            w = l;
        }
        w->setObjectName(qs(d.nom));
        w->setGeometry(enPixels(d));
        w->setFont(policeDe(d.police));
        if (d.nomAccessible) w->setAccessibleName(qs(orbeline::tr(d.nomAccessible)));
        if (auto* l = qobject_cast<QLabel*>(w); l && (d.drapeaux & AutoTaille)) ajuste(l);
    }

    centreSurEcran(this);
    Form_Load();
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Load()
{
    for (const auto& [nom, texte] : Accueil_Load())
        if (auto* l = qobject_cast<QLabel*>(findChild<QWidget*>(qs(nom)))) {
            l->setText(qs(texte));
            ajuste(l);
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
    if (!principale_) {
        principale_ = std::make_unique<FrmSat>();
        principale_->show();
        if (!situation_.isEmpty()) principale_->ouvreSituation(situation_);
    }
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

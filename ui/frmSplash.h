#pragma once
// The start screen: the program's name, institution, version and logo. Any
// of its continue events hides it for good and opens the main window, which
// is created only then.

#include <QWidget>

#include <memory>

class QFrame;
class QLabel;
class QPushButton;

namespace orbeline {

class FrmSat;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    /// Builds the controls and runs the load procedure (version and title texts).
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

    /// Hides the start screen and shows the main window, creating it the first time.
    void continuer();
    /// A situation file to open once the main window is made, named as the system spells it.
    void ouvrira(const QByteArray& cheminSysteme) { situation_ = cheminSysteme; }
    /// The main window, or nullptr while the start screen has not been left.
    FrmSat* principale() const { return principale_.get(); }
    /// "Suite".
    QPushButton* suite() const { return suite_; }
    /// The frame that holds every other control.
    QFrame* cadre() const { return cadre_; }
    /// A label by object name ("lblVersion", "lblProductName", …) or the logo ("picLogo").
    QWidget* controle(const char* nom) const;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();

    QFrame* cadre_ = nullptr;
    QPushButton* suite_ = nullptr;
    std::unique_ptr<FrmSat> principale_;
    QByteArray situation_;
};

} // namespace orbeline

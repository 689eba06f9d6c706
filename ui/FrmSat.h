#pragma once
// The main window: the controls of the layout table in its client area,
// under a menu bar that takes the results out (the points, the picture, the
// printout) and opens the help. It turns Qt's events into calls of the
// window's procedures (shell/principale.h) and implements `Fenetre` for them.

#include "actions.h"
#include "disposition.h"
#include "fenetre.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace orbeline {

class BandeMessage;
struct Principale;
struct SimulationState;
class PictureBox;

class FrmSat : public QMainWindow, public Fenetre {
    Q_OBJECT
public:
    /// Builds every control of the layout table, then runs the load procedure.
    explicit FrmSat(QWidget* parent = nullptr);
    ~FrmSat() override;

    // Fenetre
    Surface& picture(int numero) override;
    int nombrePictures() const override;
    std::string texte(Champ c) const override;
    void ecritTexte(Champ c, std::string_view texte) override;
    void ecritEtiquette(Etiquette e, std::string_view texte) override;
    void ecritLancements(const TableLancements& t) override;
    void activeXy(bool actif) override;
    int valeurCase(Case c) const override;
    void ecritCase(Case c, bool cochee) override;
    bool estVisible(Role r) const override;
    void setVisible(Role r, bool visible) override;
    std::string separateurDecimal() const override;
    bool optionChoisie(Groupe g, int index) const override;
    void choisitOption(Groupe g, int index) override;
    void ecritTitre(std::string_view texte) override;
    void ecritMessage(std::string_view texte) override;
    void montreConsigne(std::string_view texte) override;
    void montreBulle(std::string_view texte, int picture = 1) override;
    void ecritReglage(Reglage r, bool actif) override;
    void modeProjection(bool oui) override;
    void largeurClient(int twips) override;
    void pointsDisponibles(bool oui) override;
    void programmeEtape(int millisecondes) override;
    void quitte() override;
    void retraduit() override;
    using QMainWindow::setVisible;

    /// The procedures' own data: the record, the points kept, a launch under way.
    Principale& principale() { return *p_; }
    /// The record the procedures work on.
    SimulationState& etat();
    /// "Lancer", as a click on it runs it (for benchmarks).
    void Command1_Click();
    /// Finishes a launch whose star is still growing.
    void acheveLancement();

    /// The control that plays a role (the layout table says which); null for none.
    QWidget* controle(Role r) const;
    /// The field Text1..Text7 (n = 1..7).
    QLineEdit* text(int n) const;
    /// The picture area Picture n.
    PictureBox* pictureBox(int n) const;
    /// A button of an option array, with its index.
    QRadioButton* option(Groupe g, int index) const;
    /// A command button.
    QPushButton* commande(Commande c) const;
    /// The check boxes `vitesse` and `xy`.
    QCheckBox* caseACocher(Case c) const;
    /// A label the procedures write.
    QLabel* etiquette(Etiquette e) const;
    /// Where arithmetic errors and reading messages are shown (under the orbit view).
    QLabel* zoneMessage() const;
    /// Number of times init ran since the window was built (for tests and the curious).
    int nombreInit() const;
    /// Number of times a scale preset ran since the window was built.
    int nombreEchelles() const;

    /// The client area (792 × 571) under the menu bar; every control lies in it.
    QWidget* client() const { return client_; }
    /// A menu entry.
    QAction* action(Action a) const { return actions_[static_cast<std::size_t>(a)]; }
    /// What a chosen menu entry (`choisit`) leaves to the window: a dialog and
    /// a file, the clipboard, the printer, a help window.
    void realise(const Sortie& s);
    /// Writes a chosen entry's file to this path: its content, or a PNG of the
    /// client area as shown. On failure shows why and leaves any existing file as it was.
    bool ecrit(const Sortie& s, const QString& chemin);
    /// Opens a situation file: what is right applies, what it refused is named in the message
    /// strip; a file that is not a situation says why in a box and changes nothing.
    bool ouvreSituation(const QString& chemin);
    /// The same for a name as the system spells it, which need not be UTF-8 (the command line's).
    bool ouvreSituation(const QByteArray& cheminSysteme);
    /// Prints the worksheet (shell/feuille.h) on one landscape page, each
    /// picture area drawn again at the printer's resolution; to a file, the
    /// way the other files are written. On failure shows why.
    bool imprime(QPrinter& imprimante);

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void construit();
    QWidget* construitControle(const Disposition& d);
    void ecritTextes(const Disposition& d, QWidget* w, bool sansLegende = false);
    void retraduitMenus();
    void relieEvenements();
    void construitMenus();
    void signaleEchec(const QString& titre, const QString& texte);
    /// After a write: on success the folder becomes the one the save dialogs
    /// propose; on failure says why. True when written.
    bool bilanEcriture(Texte quoi, const QString& chemin, const QString& raison);
    void demandeImpression();
    /// The ready-made situations, each with what to observe in it: the one
    /// chosen opens. True when the pupil asks for another file.
    bool offreSituations(const FichierAction& f);
    void montreGuide();
    void montreAPropos();
    void agenceProjection();

    std::unique_ptr<Principale> p_;
    QWidget* client_ = nullptr;
    std::array<QAction*, kNombreActions> actions_{};
    std::vector<QMenu*> menus_;
    QDialog* guide_ = nullptr;
    QString dossier_;                         // the last folder a file was opened from or written to
    QString dossierEcrit_;                    // the last folder a file was written to
    QTimer etoile_;                           // the star's next frame
    std::vector<std::pair<Role, QWidget*>> controles_;   // built from the layout table's roles
    int largeurTwips_ = kLargeurPrincipale;   // the client area's width the procedures last asked for
    struct {
        bool actif = false;
        QByteArray fenetre;   // the window's geometry before, to go back to it
        int vueHaut = 0;      // where the arrangement has the view, while the rest scrolls
    } projection_;
};

} // namespace orbeline

#pragma once
// The main window: input fields, option groups, commands, the orbit view and
// the five charts in its client area, under a menu bar that takes the results
// out (the points, the picture, the printout) and opens the help. It owns the
// simulation state and wires every event to the procedures of the model, the
// view and the charts.

#include "fenetre.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace orbeline {

struct Releve;
struct TextesLancement;
struct SimulationState;
class PictureBox;

/// The menu entries.
enum class Action { EnregistrerPoints, EnregistrerImage, Imprimer, Quitter, CopierPoints, Guide, APropos };

class FrmSat : public QMainWindow, public Fenetre {
    Q_OBJECT
public:
    /// Builds every control with its initial state, then runs the load procedure.
    explicit FrmSat(QWidget* parent = nullptr);
    ~FrmSat() override;

    // Fenetre
    Surface& picture(int numero) override;
    std::string texte(Champ c) const override;
    void ecritTexte(Champ c, std::string_view texte) override;
    void ecritEtiquette(Etiquette e, std::string_view texte) override;
    void activeXy(bool actif) override;
    int valeurCase(Case c) const override;
    bool estVisible(Element e) const override;
    void setVisible(Element e, bool visible) override;
    std::string separateurDecimal() const override;
    using QMainWindow::setVisible;

    /// "Lancer": clear the charts, init, calcule, Trace, TraceVitesse; stops at the first failure.
    void Command1_Click();
    /// "Quitter" and the close button: the whole program ends.
    void Command2_Click();
    /// "Effacer": efface.
    void Command4_Click();
    /// "Placer": SatMove.
    void Command5_Click();
    /// An attractor button; only "Terre" (index 0) is ever enabled.
    void Option2_Click(int index);
    /// A scale button.
    void Option3_Click(int index);

    /// The record the procedures work on.
    SimulationState& etat() { return *etat_; }
    /// The field Text1..Text7 (n = 1..7).
    QLineEdit* text(int n) const { return texts_[static_cast<std::size_t>(n - 1)]; }
    /// The picture area Picture1..Picture6 (n = 1..6).
    PictureBox* pictureBox(int n) const { return pictures_[static_cast<std::size_t>(n - 1)]; }
    /// A button of an option array: groupe 1, 2 or 3, with its index.
    QRadioButton* option(int groupe, int index) const;
    /// "Lancer", "Quitter", "Effacer", "Placer" by number (1, 2, 4, 5).
    QPushButton* commande(int n) const;
    /// The check boxes `vitesse` and `xy`.
    QCheckBox* caseACocher(Case c) const { return c == Case::Vitesse ? vitesse_ : xy_; }
    /// A label by its caption role.
    QLabel* etiquette(Etiquette e) const;
    /// The chart areas and their captions.
    QWidget* element(Element e) const;
    /// Where arithmetic errors are shown to the pupil (under the orbit view).
    QLabel* zoneMessage() const { return message_; }
    /// Number of times init ran since the window was built (for tests and the curious).
    int nombreInit() const { return nombreInit_; }
    /// Number of times a scale preset ran since the window was built.
    int nombreEchelles() const { return nombreEchelles_; }

    /// The client area (792 × 571) under the menu bar; every control lies in it.
    QWidget* client() const { return client_; }
    /// A menu entry.
    QAction* action(Action a) const { return actions_[static_cast<std::size_t>(a)]; }
    /// "Copier les points": the table, tab-separated, on the clipboard.
    void copiePoints();
    /// Writes the points as CSV to this file; on failure shows why and leaves any existing file as it was.
    bool enregistrePoints(const QString& chemin);
    /// Writes a PNG of the client area as shown; on failure shows why.
    bool enregistreImage(const QString& chemin);
    /// Prints the client area fitted to the page, with the legend under it; to a
    /// file, the way the other files are written. On failure shows why.
    bool imprime(QPrinter& imprimante);
    /// The printout's legend: the inputs and impact texts of the launch on screen, or no line.
    QStringList legendeImpression() const;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void construit();
    void relieEvenements();
    void changementTexte(int n);
    bool lanceInit();
    void normaliseMasse();
    void montreMessage(std::string_view texte);
    void lance();
    void construitMenus();
    void actualiseActionsPoints();
    void signaleEchec(const QString& titre, const QString& texte);
    bool echecEnregistrement(const QString& quoi, const QString& chemin, const QString& raison);   // always false
    TextesLancement textesLancement() const;
    void demandeEnregistrementPoints();
    void demandeEnregistrementImage();
    void demandeImpression();
    void montreGuide();
    void montreAPropos();

    std::unique_ptr<SimulationState> etat_;
    std::unique_ptr<Releve> releve_;
    QWidget* client_ = nullptr;
    std::array<QAction*, 7> actions_{};
    QDialog* guide_ = nullptr;
    QString dossier_;                         // where the last file was saved
    std::array<QLineEdit*, 7> texts_{};
    std::array<PictureBox*, 6> pictures_{};
    std::array<QRadioButton*, 2> option1_{};
    std::array<QRadioButton*, 4> option2_{};
    std::array<QRadioButton*, 7> option3_{};
    std::array<QPushButton*, 5> commandes_{};
    std::array<QLabel*, 18> labels_{};        // Label1 … Label17 by number
    QCheckBox* vitesse_ = nullptr;
    QCheckBox* xy_ = nullptr;
    QLabel* message_ = nullptr;
    std::array<bool, 7> dejaChoisie_{};       // scale button already selected when pressed
    int nombreInit_ = 0;
    int nombreEchelles_ = 0;
};

} // namespace orbeline

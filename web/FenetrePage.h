#pragma once
// The main window in the web page. It builds its controls from the layout
// table and its menu bar from the menu table, implements the window
// interface the shell's procedures write through, and turns each event the
// page reports (web/page.cpp) into the shell's call: it holds no procedure
// of its own. The menu entries' work is the browser's part: downloads, the
// clipboard, the picture, printing and the dialogs.

#include "SurfaceCanvas.h"
#include "agencement.h"
#include "dom.h"
#include "disposition.h"
#include "fenetre.h"
#include "actions.h"
#include "principale.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbeline {

class FenetrePage final : public Fenetre {
public:
    /// Builds the window in the page's client area and runs its load procedure.
    FenetrePage();
    FenetrePage(const FenetrePage&) = delete;
    FenetrePage& operator=(const FenetrePage&) = delete;

    Principale& principale() { return p_; }

    // ---- The page's events ----
    /// A command button pressed.
    void commande(Commande c);
    /// An option button clicked (`clic`) or only reported changed, by any route.
    void option(Groupe g, int index, bool clic);
    /// The pupil changed a field's text.
    void champ(Champ c);
    /// A check box changed state.
    void caseChangee(Case c);
    /// Mouse press and pointer move on the orbit view, in its inner area's CSS pixels.
    void souris(int bouton, int shift, double x, double y);
    void deplacement(int bouton, int shift, double x, double y);
    /// A key the page did not take itself ("Enter" in a field, a menu
    /// entry's shortcut), with the command button that has the focus if any;
    /// false when it is none of the window's.
    bool touche(std::string_view combinaison, std::optional<Commande> avecFocus);
    /// Pointer move over a chart (picture area n), in its inner area's CSS pixels.
    void survolGraphe(int picture, double x, double y);
    /// A finger on the orbit view (`Doigt`'s order), in its inner area's CSS pixels.
    void doigt(int geste, double x, double y);
    /// Arranges the window for the page's viewport and pointer, when they or its width changed.
    void agence();
    /// The star's timer.
    void etape();
    /// A menu entry chosen.
    void menu(Action a);
    /// What a chosen entry leaves to the page: a download or a file to
    /// choose, the clipboard, the picture, printing, a dialog.
    void realise(const Sortie& s);
    /// A ready-made situation chosen in the list "Ouvrir une situation" offers
    /// (its index), or another file (-1): the file chooser.
    void situationChoisie(int i);
    /// The bytes of a situation file the pupil opened; null when it could not be read.
    void fichierOuvert(const std::string* contenu);
    /// The situation in the page's address ("?…"), when the window opens.
    void appliqueAdresse(std::string_view requete);
    /// The browser refused the clipboard.
    void copieRefusee();
    /// The pixel ratio changed: draws the area the script numbers `surface`
    /// again; false when it is not one of the window's or cannot be drawn again.
    bool redessine(int surface);
    /// Before printing, by any route: the sheet, from the window as it stands.
    void prepareImpression();
    /// After printing: the sheet and its canvases go.
    void finImpression();
    /// Keeps the situation in the tab's session for a reload, and has the
    /// browser ask before leaving while launches are on the page.
    void garde();

    // ---- Fenetre ----
    Surface& picture(int numero) override;
    int nombrePictures() const override { return static_cast<int>(pictures_.size()); }
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
    /// A language chosen in the menu.
    void langueChoisie(Langue l) { changeLangue(p_, *this, l); }

private:
    static constexpr std::size_t kLignes = static_cast<std::size_t>(
        std::count_if(kPiecesPrincipale.begin(), kPiecesPrincipale.end(), [](const PieceCompacte& p) { return p.genre == Piece::Ligne; }));

    void construitMenus();
    void offreSituations(const FichierAction& f);
    /// Puts the rows where the arrangement has them, at its scale.
    void applique(const Disposee& a, std::span<const Disposition> montres);
    /// The texts across the column measured again; whether one takes another height.
    bool mesureTextes();
    /// After a text written: arranged again if it takes another height.
    void texteEcrit();
    /// A text in a touch screen's words on one (pourLeDoigt).
    std::string pourEcran(std::string_view t) const;
    void textesPage();

    Principale p_;
    /// As many picture areas as the layout numbers: a fixed array, as a vector's growth would cost the page.
    static constexpr std::size_t kPictures = [] {
        int n = 0;
        for (const Disposition& d : kDisposition)
            if (d.genre == Genre::Image) n = std::max(n, int{d.role.numero});
        return static_cast<std::size_t>(n);
    }();
    std::array<std::unique_ptr<SurfaceCanvas>, kPictures> pictures_;   ///< Picture1, Picture2…
    std::array<int, static_cast<std::size_t>(Groupe::Echelle) + 1> choisies_{};   ///< each array's selected button
    /// The browser's decimal separator, asked the first time it is needed:
    /// the browser loads its number formats for it, a tenth of the page's start.
    mutable std::optional<std::string> separateur_;
    bool points_ = false;   ///< the export entries enabled
    std::vector<int> toiles_;   ///< the sheet's canvases while a printout is being made
    bool fini_ = false;   ///< "Quitter": nothing more is kept
    std::optional<std::string> gardee_;   ///< the situation last kept in the tab's session
    bool travail_ = false;                ///< and whether leaving would lose launches then
    Agencement agencement_ = Agencement::Fenetre;   ///< as the window stands
    double echelle_ = 1;                            ///< and its scale, as the layout has it
    double echelleVue_ = 1;                         ///< the orbit view shown at this scale
    bool doigtVu_ = false;                          ///< a finger has touched the orbit view
    Ecran ecran_{};          ///< the viewport it was arranged for
    double naturelle_ = 0;   ///< and the window's width as the layout has it then
    /// The texts across the column (the layout's `Ligne` pieces, in its order), as tall as they were
    /// measured, once they were: an array of their number, as a vector's growth would cost the page.
    std::array<HauteurTexte, kLignes> textes_{};
    bool textesMesures_ = false;
    int largeurTwips_ = kLargeurPrincipale;   ///< the client area's width as the window, with its column or not
    bool projection_ = false;   ///< arranged for a projector
};

} // namespace orbeline

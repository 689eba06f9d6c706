#include "situation.h"

#include "caracteres.h"
#include "disposition.h"
#include "lecture.h"
#include "langue.h"
#include "principale.h"
#include "Rappel.h"
#include "vue.h"

#include <algorithm>
#include <initializer_list>

namespace orbeline {
namespace {

// What a reading refuses, a sentence each; a file's are preceded by their line.
constexpr Texte kLigne = Texte::faute;
constexpr Texte kCleInconnue = Texte::cleInconnue;
constexpr Texte kValeurTropLongue = Texte::valeurTropLongue;
constexpr Texte kCaractereRefuse = Texte::caractereRefuse;
constexpr Texte kEchelleInconnue = Texte::echelleInconnue;
constexpr Texte kPoints = Texte::pointsInconnus;
constexpr Texte kCase = Texte::caseInconnue;
constexpr Texte kSansEgal = Texte::sansEgal;
constexpr Texte kAutreFaute = Texte::autreFaute;
constexpr Texte kAutresFautes = Texte::autresFautes;
// What is not a situation at all: nothing applies.
constexpr Texte kTropGrand = Texte::fichierTropGrand;
constexpr Texte kBinaire = Texte::fichierBinaire;
constexpr Texte kUtf16 = Texte::fichierUtf16;
constexpr Texte kPasUtf8 = Texte::fichierPasUtf8;
constexpr Texte kAucunReglage = Texte::aucunReglage;
// What a saved file says: its first line, and the line of what to observe.
constexpr Texte kEnTete = Texte::enteteSituation;
constexpr Texte kLigneConsigne = Texte::ligneConsigne;
/// How many refused keys or values a message names; the others are counted.
constexpr int kFautesNommees = 4;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

/// A key as it is compared: without the blanks the number reading skips, in lower case, without accents ("Échelle" is "echelle").
std::string normalise(std::string_view cle)
{
    // Latin-1 letters U+00C0 to U+00FF without their accent; "." keeps the character.
    static constexpr std::string_view kSansAccent = "aaaaaa.ceeeeiiii.nooooo.ouuuuy..aaaaaa.ceeeeiiii.nooooo.ouuuuy.y";
    std::string r;
    for (std::size_t i = 0; i < cle.size();) {
        if (const std::size_t n = longueurBlanc(cle, i); n > 0) {
            i += n;
            continue;
        }
        const Caractere c = caractereEn(cle, i);
        if (c.code >= 'A' && c.code <= 'Z') r += static_cast<char>(c.code - 'A' + 'a');
        else if (c.valide && c.code >= 0xc0 && c.code <= 0xff && kSansAccent[c.code - 0xc0] != '.')
            r += kSansAccent[c.code - 0xc0];
        else r += cle.substr(i, c.longueur);
        i += c.longueur;
    }
    return r;
}

/// Two keys, or two values a key knows, that read the same ("Échelle" and "echelle").
bool memeCle(std::string_view a, std::string_view b) { return normalise(a) == normalise(b); }

/// The language whose line of what to observe ("# À observer : …", "# What to observe: …")
/// a comment's words before its colon are, compared as keys; none for another comment.
std::optional<Langue> langueConsigne(std::string_view avantDeuxPoints)
{
    const std::string lu = normalise(avantDeuxPoints);
    for (std::size_t l = 0; l < kCodesLangues.size(); ++l) {
        std::string_view modele = tr(kLigneConsigne, static_cast<Langue>(l));
        modele = modele.substr(0, modele.find(':'));
        if (modele.starts_with('#') && normalise(modele.substr(1)) == lu) return static_cast<Langue>(l);
    }
    return std::nullopt;
}

/// Byte length of the first n characters of a text (the whole text when it has fewer).
std::size_t octetsDe(std::string_view t, std::size_t n)
{
    std::size_t i = 0;
    for (; i < t.size() && n > 0; --n) i += caractereEn(t, i).longueur;
    return i;
}

/// The key of what to observe in a language: "observer", "observer.en".
std::string cleConsigne(Langue l)
{
    std::string c(kCleObserver);
    if (l != Langue::fr) (c += kSeparateurLangue) += code(l);
    return c;
}

/// A character a value may not hold: a control character (but the tab), or
/// a byte that is not UTF-8. A value ends up in a one-line field.
bool refuse(const Caractere& c)
{
    return !c.valide || (c.code < 0x20 && c.code != '\t') || (c.code >= 0x7f && c.code <= 0x9f);
}

/// Offset of the first character a value may not hold; the size when there is none.
std::size_t premierRefuse(std::string_view t)
{
    std::size_t i = 0;
    for (Caractere c; i < t.size() && !refuse(c = caractereEn(t, i)); i += c.longueur) {}
    return i;
}

/// What the writers keep of a value: its control characters go (a line feed
/// becomes a blank, as the number reading counts it), it is cut to the longest allowed.
std::string valeurSure(std::string_view t)
{
    std::string r;
    std::size_t n = 0;   // characters kept
    for (std::size_t i = 0; i < t.size();) {
        const Caractere c = caractereEn(t, i);
        const std::string_view lui = c.code == '\n' ? std::string_view(" ") : t.substr(i, c.longueur);
        i += c.longueur;
        if (c.code != '\n' && refuse(c)) continue;
        if (n++ == kLongueurValeurMax) break;
        r += lui;
    }
    return r;
}

// "%XX" and "+" as a browser writes them; a "%" not followed by two hex digits stays.
// The digits read as the number reading reads them: from_chars, for two digits, was
// a third of a kilobyte of the page's code.
std::string decode(std::string_view t)
{
    std::string r;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int fort = i + 2 < t.size() ? valeurChiffre(t[i + 1], 16) : -1;
        const int faible = fort >= 0 ? valeurChiffre(t[i + 2], 16) : -1;
        if (t[i] == '+') r += ' ';
        else if (t[i] == '%' && faible >= 0) {
            r += static_cast<char>(fort * 16 + faible);
            i += 2;
        } else r += t[i];
    }
    return r;
}

// Every character but the unreserved ones as %XX, after what `r` holds.
void encode(std::string& r, std::string_view t)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : t) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || c == '-' || c == '.' ||
            c == '_' || c == '~')
            r += c;
        else {
            r += '%';
            r += kHex[u >> 4];
            r += kHex[u & 15];
        }
    }
}

/// One more of the values a key knows, in the list a message names: "a, b, c".
void ajouteConnue(std::string& connues, std::string_view valeur)
{
    if (!connues.empty()) connues += ", ";
    connues += valeur;
}

/// The boxes and options a situation keeps, by their key, in the order it writes them.
struct CaseSituation {
    std::string_view cle;
    std::optional<bool> Situation::*membre;
};
constexpr std::array<CaseSituation, 5> kCasesSituation{{{kCleVitesse, &Situation::vitesse},
                                                        {kCleXy, &Situation::xy},
                                                        {kCleEnergie, &Situation::energie},
                                                        {kCleColoris, &Situation::coloris},
                                                        {kCleVecteur, &Situation::vecteur}}};

/// A reading under way: the situation, and the faults named so far.
struct Lecteur {
    LectureSituation l;
    int fautes = 0;

    /// A refused key or value; `ligne` 0 in a link.
    void faute(std::size_t ligne, Texte modele, std::initializer_list<std::string_view> parties)
    {
        if (++fautes > kFautesNommees) return;
        std::string phrase;
        remplis(phrase, modele, parties);
        if (!l.erreur.empty()) l.erreur += ' ';
        // Written straight after the faults before it, in its line's sentence in a file.
        if (ligne > 0) remplis(l.erreur, kLigne, {std::to_string(ligne), phrase});
        else l.erreur += phrase;
    }

    void consigne(Langue langue, std::string_view texte)
    {
        std::string& c = l.situation.consignes[static_cast<std::size_t>(langue)];
        if (!c.empty()) c += ' ';
        c += texte;
    }

    /// One "key=value" (the key as written): known keys fill the situation, the rest is named.
    void paire(std::string_view cleEcrite, std::string_view valeur, std::size_t ligne)
    {
        cleEcrite = sansBlancs(cleEcrite);
        if (cleEcrite.empty()) return;   // "&=&": nothing to name
        const std::string normalisee = normalise(cleEcrite);
        std::string_view cle = normalisee;   // a view taken once: each comparison below then takes it as it is
        // "observer.en": what to observe in English.
        std::optional<Langue> langueTexte;
        if (const std::size_t point = cle.find(kSeparateurLangue); cle.starts_with(kCleObserver) && point == kCleObserver.size())
            if ((langueTexte = langueDe(cle.substr(point + 1)))) cle = cle.substr(0, point);
        const auto champ = std::find(kClesChamps.begin(), kClesChamps.end(), cle);
        const auto physique = std::find(kClesPhysique.begin(), kClesPhysique.end(), cle);
        const auto boite = std::find_if(kCasesSituation.begin(), kCasesSituation.end(),
                                        [&](const CaseSituation& c) { return c.cle == cle; });
        const auto nom = extrait(cleEcrite);
        if (champ == kClesChamps.end() && cle != kCleEchelle && cle != kClePoints && boite == kCasesSituation.end() &&
            cle != kCleObserver && cle != kCleLangue && cle != kCleRejeu && physique == kClesPhysique.end())
            return faute(ligne, kCleInconnue, {nom.vue()});
        valeur = sansBlancs(valeur);
        // What to observe is cut, with its lines joined, when the reading ends.
        if (cle != kCleObserver && octetsDe(valeur, kLongueurValeurMax) < valeur.size())
            return faute(ligne, kValeurTropLongue, {nom.vue()});
        if (const std::size_t i = premierRefuse(valeur); i < valeur.size())
            return faute(ligne, kCaractereRefuse, {nom.vue(), nomCaractere(valeur, i).vue()});
        const auto lue = extrait(valeur);   // as a refusal names it
        Situation& s = l.situation;
        if (champ != kClesChamps.end()) {
            s.champs[static_cast<std::size_t>(champ - kClesChamps.begin())] = std::string(valeur);
        } else if (cle == kCleEchelle) {
            const auto p = std::find_if(kPresets.begin(), kPresets.end(),
                                        [&](const PresetEchelle& e) { return memeCle(e.cle, valeur); });
            if (p == kPresets.end()) {
                std::string connues;
                for (const PresetEchelle& e : kPresets) ajouteConnue(connues, e.cle);
                return faute(ligne, kEchelleInconnue, {lue.vue(), connues});
            }
            s.echelle = static_cast<int>(p - kPresets.begin());
        } else if (cle == kClePoints) {
            if (valeur != "100" && valeur != "1000") return faute(ligne, kPoints, {nom.vue(), lue.vue()});
            s.points = valeur == "100" ? 0 : 1;
        } else if (cle == kCleObserver) {
            if (valeur.empty()) return;   // nothing to observe: nothing set
            consigne(langueTexte.value_or(Langue::fr), valeur);
        } else if (cle == kCleRejeu) {
            const auto v = std::find_if(kValeursRejeu.begin(), kValeursRejeu.end(),
                                        [&](std::string_view c) { return memeCle(c, valeur); });
            if (v == kValeursRejeu.end()) return faute(ligne, Texte::rejeuInconnu, {nom.vue(), lue.vue()});
            s.rejeu = static_cast<int>(v - kValeursRejeu.begin());
        } else if (cle == kCleLangue) {
            s.langue = langueDe(valeur);
            if (!s.langue) {
                std::string connues;
                for (const std::string_view c : kCodesLangues) ajouteConnue(connues, c);
                return faute(ligne, Texte::langueInconnue, {nom.vue(), lue.vue(), connues});
            }
        } else {   // a box or an option
            if (valeur != "0" && valeur != "1") return faute(ligne, kCase, {nom.vue(), lue.vue()});
            if (physique != kClesPhysique.end()) {
                s.physique[static_cast<std::size_t>(physique - kClesPhysique.begin())] = valeur == "1";
                l.rien = false;
                return;
            }
            s.*(boite->membre) = valeur == "1";
        }
        l.rien = false;
    }

    LectureSituation fin()
    {
        for (std::string& c : l.situation.consignes)
            if (const std::size_t garde = octetsDe(c, kLongueurValeurMax); garde < c.size()) {
                c.resize(garde);
                faute(0, Texte::consigneCoupee, {std::to_string(kLongueurValeurMax)});
            }
        if (fautes > kFautesNommees) {
            l.erreur += ' ';
            remplis(l.erreur, fautes == kFautesNommees + 1 ? kAutreFaute : kAutresFautes,
                         {std::to_string(fautes - kFautesNommees)});
        }
        return std::move(l);
    }
};

/// Nothing applies: the reading says why.
LectureSituation pasUneSituation(Texte modele, std::initializer_list<std::string_view> parties = {})
{
    LectureSituation l;
    remplis(l.erreur, modele, parties);
    return l;
}

template <class Paire> void pourChaque(std::string_view texte, char separateur, Paire&& paire)
{
    while (!texte.empty()) {
        const std::size_t fin = std::min(texte.find(separateur), texte.size());
        paire(texte.substr(0, fin));
        texte.remove_prefix(std::min(fin + 1, texte.size()));
    }
}

/// Each line and its number; a line ends at a line feed, a carriage return or both.
/// A callback rather than a template: one copy of the loop for the file's two passes.
void pourChaqueLigne(std::string_view texte, const Rappel<void(std::string_view, std::size_t)>& ligne)
{
    for (std::size_t numero = 1; !texte.empty(); ++numero) {
        const std::size_t fin = std::min(texte.find_first_of("\r\n"), texte.size());
        ligne(texte.substr(0, fin), numero);
        texte.remove_prefix(texte.substr(fin).starts_with("\r\n") ? fin + 2 : std::min(fin + 1, texte.size()));
    }
}

/// UTF-16, with its mark or without: text in Latin letters has a zero byte every other byte.
bool enUtf16(std::string_view t)
{
    if (t.starts_with("\xFF\xFE") || t.starts_with("\xFE\xFF")) return true;
    const std::size_t n = std::min<std::size_t>(t.size(), 256) & ~std::size_t{1};
    std::array<std::size_t, 2> zeros{};
    for (std::size_t i = 0; i < n; ++i) zeros[i % 2] += t[i] == '\0';
    return n >= 8 && std::min(zeros[0], zeros[1]) == 0 && std::max(zeros[0], zeros[1]) * 8 >= n * 3;
}

// Key and value pairs of a situation, in a fixed order; one copy for the link and the file.
void pourChaqueValeur(const Situation& s, const Rappel<void(std::string_view, std::string_view)>& ecrit)
{
    for (std::size_t k = 0; k < kClesChamps.size(); ++k)
        if (s.champs[k]) ecrit(kClesChamps[k], *s.champs[k]);
    if (s.echelle) ecrit(kCleEchelle, kPresets[static_cast<std::size_t>(*s.echelle)].cle);
    if (s.points) ecrit(kClePoints, *s.points == 0 ? "100" : "1000");
    for (const CaseSituation& c : kCasesSituation)
        if (s.*c.membre) ecrit(c.cle, *(s.*c.membre) ? "1" : "0");
    for (std::size_t k = 0; k < kClesPhysique.size(); ++k)
        if (s.physique[k]) ecrit(kClesPhysique[k], *s.physique[k] ? "1" : "0");
    if (s.rejeu) ecrit(kCleRejeu, kValeursRejeu[static_cast<std::size_t>(*s.rejeu)]);
    if (s.langue) ecrit(kCleLangue, code(*s.langue));
}

} // namespace

std::string_view consigneDans(const Consignes& c, Langue l)
{
    if (!c[static_cast<std::size_t>(l)].empty()) return c[static_cast<std::size_t>(l)];
    const auto donnee = std::find_if(c.begin(), c.end(), [](const std::string& t) { return !t.empty(); });
    return !c[0].empty() || donnee == c.end() ? c[0] : *donnee;
}

std::string consignePrete(const SituationPrete& s)
{
    return std::string(consigneDans(lisFichier(s.contenu).situation.consignes, langue()));
}

LectureSituation lisLien(std::string_view requete)
{
    Lecteur lu;
    if (!requete.empty() && requete.front() == '?') requete.remove_prefix(1);
    pourChaque(requete, '&', [&](std::string_view paire) {
        const std::size_t egal = paire.find('=');
        if (egal != std::string_view::npos) lu.paire(decode(paire.substr(0, egal)), decode(paire.substr(egal + 1)), 0);
    });
    return lu.fin();
}

LectureSituation lisFichier(std::string_view contenu)
{
    if (contenu.size() > kTailleFichierMax) return pasUneSituation(kTropGrand);
    while (contenu.starts_with(kBom)) contenu.remove_prefix(kBom.size());   // from some editors, even twice
    if (enUtf16(contenu)) return pasUneSituation(kUtf16);
    if (contenu.find('\0') != std::string_view::npos) return pasUneSituation(kBinaire);
    std::size_t ligneInvalide = 0;
    pourChaqueLigne(contenu, [&](std::string_view t, std::size_t numero) {
        for (std::size_t i = 0; i < t.size() && ligneInvalide == 0;) {
            const Caractere c = caractereEn(t, i);
            if (!c.valide) ligneInvalide = numero;
            i += c.longueur;
        }
    });
    if (ligneInvalide > 0) return pasUneSituation(kPasUtf8, {std::to_string(ligneInvalide)});

    Lecteur lu;
    pourChaqueLigne(contenu, [&](std::string_view t, std::size_t numero) {
        t = sansBlancs(t);
        if (t.empty()) return;
        if (t.front() == '#') {
            // "# À observer : …" holds what to observe; other comments are the teacher's own.
            const std::string_view commentaire = t.substr(1);
            const std::size_t deuxPoints = commentaire.find(':');
            if (deuxPoints == std::string_view::npos) return;
            if (const auto langue = langueConsigne(commentaire.substr(0, deuxPoints)))
                lu.paire(cleConsigne(*langue), commentaire.substr(deuxPoints + 1), numero);
            return;
        }
        const std::size_t egal = t.find('=');
        if (egal == std::string_view::npos) return lu.faute(numero, kSansEgal, {});
        lu.paire(t.substr(0, egal), t.substr(egal + 1), numero);
    });
    LectureSituation l = lu.fin();
    if (l.rien) {
        std::string pourquoi;
        remplis(pourquoi, kAucunReglage, {});
        if (!l.erreur.empty()) (pourquoi += ' ') += l.erreur;
        l.erreur = std::move(pourquoi);
    }
    return l;
}

Situation situationDepart()
{
    Situation s;
    for (const Disposition& d : kDisposition) {
        const bool choisi = d.drapeaux & Choisi;
        const auto n = static_cast<std::size_t>(d.role.numero);
        switch (d.role.sorte) {
        case Role::Sorte::Champ: s.champs[n] = std::string(d.valeur); break;
        case Role::Sorte::Option:
            if (choisi && static_cast<Groupe>(n) == Groupe::Points) s.points = d.role.index;
            if (choisi && static_cast<Groupe>(n) == Groupe::Echelle) s.echelle = d.role.index;
            break;
        case Role::Sorte::Case:
            (static_cast<Case>(n) == Case::Vitesse ? s.vitesse : static_cast<Case>(n) == Case::Xy ? s.xy : s.energie) =
                choisi;
            break;
        default: break;
        }
    }
    s.coloris = s.vecteur = false;
    s.physique.fill(false);
    s.rejeu = 1;   // 1 s for 1 h
    return s;
}

Situation situationCourante(const Principale& p, const Fenetre& f)
{
    Situation s;
    for (std::size_t k = 0; k < s.champs.size(); ++k) s.champs[k] = f.texte(static_cast<Champ>(k));
    for (int i = 0; i < static_cast<int>(kPresets.size()); ++i)
        if (f.optionChoisie(Groupe::Echelle, i)) s.echelle = i;
    s.points = f.optionChoisie(Groupe::Points, 0) ? 0 : 1;
    s.vitesse = f.valeurCase(Case::Vitesse) == 1;
    s.xy = f.valeurCase(Case::Xy) == 1;
    if (f.valeurCase(Case::Energie) == 1) s.energie = true;
    if (p.reglages[static_cast<std::size_t>(Reglage::Coloris)]) s.coloris = true;
    if (p.reglages[static_cast<std::size_t>(Reglage::Vecteur)]) s.vecteur = true;
    for (std::size_t k = 0; k < kClesPhysique.size(); ++k)
        if (p.reglages[static_cast<std::size_t>(kReglagesPhysique[k])]) s.physique[k] = true;
    if (p.rejeu.vitesse != 1) s.rejeu = p.rejeu.vitesse;   // 1 h a second, unless another was chosen
    s.consignes = p.consignes;
    return s;
}

std::string texteLien(const Situation& s)
{
    std::string r;
    const auto ecrit = [&](std::string_view cle, std::string_view valeur) {
        if (!r.empty()) r += '&';
        r += cle;
        r += '=';
        encode(r, valeurSure(valeur));
    };
    pourChaqueValeur(s, ecrit);
    for (std::size_t l = 0; l < s.consignes.size(); ++l)
        if (!s.consignes[l].empty()) ecrit(cleConsigne(static_cast<Langue>(l)), s.consignes[l]);
    return r;
}

std::string texteFichier(const Situation& s)
{
    std::string r(tr(kEnTete));
    r += '\n';
    for (std::size_t l = 0; l < s.consignes.size(); ++l)
        if (!s.consignes[l].empty()) {
            remplis(r, tr(kLigneConsigne, static_cast<Langue>(l)), {valeurSure(s.consignes[l])});
            r += '\n';
        }
    pourChaqueValeur(s, [&](std::string_view cle, std::string_view valeur) {
        r += cle;
        r += '=';
        r += valeurSure(valeur);
        r += '\n';
    });
    return r;
}

void appliqueSituation(Principale& p, Fenetre& f, const Situation& s)
{
    acheveLancement(p, f);
    if (s.langue && *s.langue != langue()) changeLangue(p, f, *s.langue);
    // The scale first: the position fields are read in its unit.
    if (s.echelle) f.choisitOption(Groupe::Echelle, *s.echelle);
    if (s.points) f.choisitOption(Groupe::Points, *s.points);
    for (std::size_t k = 0; k < s.champs.size(); ++k)
        if (s.champs[k]) f.ecritTexte(static_cast<Champ>(k), *s.champs[k]);
    if (s.vitesse) f.ecritCase(Case::Vitesse, *s.vitesse);
    if (s.xy) f.ecritCase(Case::Xy, *s.xy);
    if (s.energie) f.ecritCase(Case::Energie, *s.energie);
    if (s.coloris) Reglage_Click(p, f, Reglage::Coloris, *s.coloris);
    if (s.vecteur) Reglage_Click(p, f, Reglage::Vecteur, *s.vecteur);
    for (std::size_t k = 0; k < kClesPhysique.size(); ++k)
        if (s.physique[k]) Reglage_Click(p, f, kReglagesPhysique[k], *s.physique[k]);
    if (s.rejeu) Reglage_Click(p, f, std::array{Reglage::Rejeu10min, Reglage::Rejeu1h, Reglage::Rejeu6h}[static_cast<std::size_t>(*s.rejeu)], true);
    p.consignes = s.consignes;
    Command4_Click(p, f);
}

bool appliqueLecture(Principale& p, Fenetre& f, const LectureSituation& l)
{
    if (l.rien) return false;
    appliqueSituation(p, f, l.situation);
    // What the situation refused, then what its fields read, as if typed.
    relitChamps(p, f, l.erreur);
    if (const std::string_view c = consigneDans(l.situation.consignes, langue()); !c.empty()) f.montreConsigne(c);
    return true;
}

} // namespace orbeline

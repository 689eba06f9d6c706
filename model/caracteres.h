#pragma once
// Naming a character for the pupil: the one that stopped a number, or one
// a situation refuses. Invisible ones get a name a pupil understands and
// their code, visible ones are shown.

#include "TexteFixe.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orbeline {

/// A name and its code, with the article the sentence needs: "le caractère
/// « a »", "un espace invisible (U+200B)", "un chiffre d'une autre écriture
/// « ３ » (U+FF13)".
using NomCaractere = TexteFixe<128>;

/// The character at byte offset i of a UTF-8 text (one byte of a malformed
/// sequence counts as a character of its own).
struct Caractere {
    std::uint32_t code = 0;     ///< its code point, or the byte when malformed
    std::size_t longueur = 0;   ///< its length in bytes
    bool valide = false;        ///< well-formed UTF-8
};
Caractere caractereEn(std::string_view texte, std::size_t i);

/// Whether a pupil sees it on screen: not a control, format or blank character.
bool visible(std::uint32_t code);

/// How a message names the character at byte offset i.
NomCaractere nomCaractere(std::string_view texte, std::size_t i);

/// A text as a message quotes it: its beginning up to the first character
/// that is not shown (or malformed), 30 bytes at most, "…" when cut.
TexteFixe<40> extrait(std::string_view texte);

} // namespace orbeline

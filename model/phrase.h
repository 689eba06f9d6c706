#pragma once
// Our messages are whole sentences with numbered places ("%1", "%2"…) for
// their variable parts, so that a sentence is written once and a translation
// may move the parts.

#include <initializer_list>
#include <string_view>

namespace orbeline {

/// Appends the sentence to `sortie` (a std::string or a TexteFixe) with each
/// "%n" replaced by the n-th part; a "%" followed by anything else stays.
template <class Sortie>
void ajoutePhrase(Sortie& sortie, std::string_view modele, std::initializer_list<std::string_view> parties)
{
    for (std::size_t i = 0; i < modele.size(); ++i) {
        const std::size_t n = i + 1 < modele.size() ? static_cast<std::size_t>(modele[i + 1] - '1') : 9;
        if (modele[i] == '%' && n < parties.size()) {
            sortie += parties.begin()[n];
            ++i;
        } else {
            sortie += modele.substr(i, 1);
        }
    }
}

} // namespace orbeline

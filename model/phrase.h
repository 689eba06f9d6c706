#pragma once
// Our messages are whole sentences with numbered places ("%1", "%2"…) for
// their variable parts, so that a sentence is written once and a translation
// may move the parts.

#include <initializer_list>
#include <string_view>

namespace orbeline {

/// Appends the sentence to `sortie` (a std::string or a TexteFixe) with each
/// "%n" replaced by the n-th part (n from 1); any other "%" stays.
template <class Sortie>
void ajoutePhrase(Sortie& sortie, std::string_view modele, std::initializer_list<std::string_view> parties)
{
    for (std::size_t i = 0; i < modele.size(); ++i) {
        if (modele[i] == '%') {
            std::size_t fin = i + 1, n = 0;
            while (fin < modele.size() && modele[fin] >= '0' && modele[fin] <= '9' && n < 100)
                n = n * 10 + static_cast<std::size_t>(modele[fin++] - '0');
            if (n >= 1 && n <= parties.size()) {
                sortie += parties.begin()[n - 1];
                i = fin - 1;
                continue;
            }
        }
        sortie += modele.substr(i, 1);
    }
}

} // namespace orbeline

#pragma once
// A short text held in a fixed buffer, so that the core can hand texts
// (impact captions, messages, formatted numbers) to its callers without
// allocating during a run.

#include <array>
#include <cstddef>
#include <string_view>

namespace orbeline {

template <std::size_t N>
struct TexteFixe {
    std::array<char, N> c{};   ///< the bytes (UTF-8), not terminated
    std::size_t n = 0;         ///< number of bytes in use

    /// Appends s, silently truncated at the capacity.
    TexteFixe& operator+=(std::string_view s)
    {
        for (char ch : s) {
            if (n == N) break;
            c[n++] = ch;
        }
        return *this;
    }
    /// The text as a view; valid while the object lives.
    std::string_view vue() const { return {c.data(), n}; }
    /// True when the text is empty.
    bool estVide() const { return n == 0; }
};

/// Captions written into labels (impact time and velocity).
using Libelle = TexteFixe<96>;
/// A message for the pupil (arithmetic errors).
using Message = TexteFixe<320>;

} // namespace orbeline

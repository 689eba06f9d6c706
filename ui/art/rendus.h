#pragma once
// The pictures as orbeline-art drew them at build time, pixel for pixel, in
// a source file the build generates (rendus.cpp): the program shows them
// without drawing, decoding or loading anything.

#include <cstddef>
#include <cstdint>

namespace orbeline::rendus {

/// One rendering: its size and its pixels, row after row, as QImage keeps them.
struct Rendu {
    int largeur = 0;                          ///< width, px
    int hauteur = 0;                          ///< height, px
    const std::uint32_t* pixels = nullptr;    ///< largeur × hauteur words: RGB32 or premultiplied ARGB32
};

/// The start screen's logo (opaque RGB32).
extern const Rendu kLogo;
/// The application icon, one rendering per size, smallest first (premultiplied ARGB32).
extern const Rendu kIcones[];
/// How many sizes kIcones holds.
extern const std::size_t kNombreIcones;

} // namespace orbeline::rendus

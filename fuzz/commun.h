#pragma once
// What the fuzz targets share: a failed rule stops the run with its reason,
// which libFuzzer reports with the input that broke it.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace orbeline::fuzz {

/// Stops the run when a rule is broken.
inline void exige(bool vrai, std::string_view quoi)
{
    if (vrai) return;
    std::fprintf(stderr, "Règle enfreinte : %.*s\n", static_cast<int>(quoi.size()), quoi.data());
    std::abort();
}

} // namespace orbeline::fuzz

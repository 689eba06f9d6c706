#pragma once
// The two questions a packaged program answers from the command line, before
// any window or display is needed.

#include <string>

namespace orbeline {

/// The text that `--version` or `--help` prints (the first of them given wins),
/// or an empty text when the arguments ask for the windows; every other
/// argument is left to Qt or ignored.
std::string reponseLigneCommande(int argc, const char* const argv[]);

} // namespace orbeline

#pragma once
// What every run of the program sets up once its QApplication exists: the
// version record, the icon and the French translations of Qt's own texts.

namespace orbeline {

/// Application name, version and organisation; the icon; Qt's French texts.
/// Returns false when Qt's French translations could not be loaded.
bool prepareApplication();

} // namespace orbeline

#pragma once
// What every run of the program sets up once its QApplication exists: the
// version record and the French translations of Qt's own texts. (The icon is
// the main window's own: the start screen, without title bar or task-bar
// entry, never shows one, and it opens faster without.)

namespace orbeline {

/// Application name, version and organisation; Qt's French texts.
/// Returns false when Qt's French translations could not be loaded.
bool prepareApplication();

} // namespace orbeline

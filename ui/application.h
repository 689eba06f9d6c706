#pragma once
// What every run of the program sets up once its QApplication exists: the
// version record, the French translations of Qt's own texts, and no settings
// file of Qt's. (The icon is the main window's own: the start screen, without
// title bar or task-bar entry, never shows one, and it opens faster without.)

namespace orbeline {

/// Application name, version and organisation; Qt's French texts; Qt's
/// user settings (the file dialog's history) kept nowhere.
/// Returns false when Qt's French translations could not be loaded.
bool prepareApplication();

} // namespace orbeline

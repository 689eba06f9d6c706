#pragma once
// What every run of the program sets up once its QApplication exists: the
// version record, Qt's own texts in the interface's language, and no settings
// file of Qt's. (The icon is the main window's own: the start screen, without
// title bar or task-bar entry, never shows one, and it opens faster without.)

class QLocale;

namespace orbeline {

/// Application name, version and organisation; Qt's texts (its dialogs, the
/// fields' menus) in the interface's language; Qt's user settings (the file
/// dialog's history) kept nowhere.
/// Returns false when Qt's translations could not be loaded.
bool prepareApplication();
/// The language the interface speaks to this user: the first of the user's
/// languages the program knows, else French.
QLocale langueInterface();

} // namespace orbeline

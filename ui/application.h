#pragma once
// What every run of the program sets up once its QApplication exists: the
// version record, Qt's own texts in the program's language, and no settings
// file of Qt's. (The icon is the main window's own: the start screen, without
// title bar or task-bar entry, never shows one, and it opens faster without.)

#include <string>
#include <vector>

namespace orbeline {

/// Application name, version and organisation; Qt's texts (its dialogs, the
/// fields' menus) in the program's language; Qt's user settings (the file
/// dialog's history) kept nowhere.
void prepareApplication();
/// Qt's own texts in the program's language (`langue()`), again after it changed.
void traduitQt();
/// The user's languages, most wanted first, as the environment names them
/// (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), read before anything else:
/// the first messages (no display, memory short) already speak them.
std::vector<std::string> languesEnvironnement();

} // namespace orbeline

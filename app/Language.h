#pragma once

class QCoreApplication;

// The language the program speaks. Czech is its own; English comes from a translation.
enum class Language { Czech, English };

// The first language of the desktop's (QLocale::system().uiLanguages(), which follow
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that the program speaks; Czech when none is, and
// under the C and POSIX locales.
[[nodiscard]] Language desktopLanguage();

// Makes `app` speak `language`: the program's own texts and Qt's standard ones (menus,
// dialogs, the command line's help).
void speak(Language language, QCoreApplication *app);

#pragma once

#include <QString>

#include <optional>

class CSettingsStore;

// The language the editor speaks in this run, chosen once at start (settings/UiLanguage.h):
// --ui-language CODE, else the choice kept by Preferences, else the system's locale. Installs
// Qt's own translation (qtbase_<code>.qm, for the standard buttons and dialogs) and the
// editor's (obrix_<code>.qm) on the application, and lets the core look its catalogues up
// through them. An unknown code is reported on stderr and gives English. Returns the code
// in effect ("en", "de", ..., "pt_BR", "ja").
QString applyUiLanguage(const std::optional<QString>& commandLineCode, CSettingsStore& store);

// The translators for code alone, replacing any installed before; "en" installs none.
// False when the editor's own translation for code could not be loaded.
bool installUiTranslators(const QString& code);

// The language whose translation is installed now: "en" before any, when English was chosen,
// or when the chosen language's translation could not be loaded.
QString uiLanguageInEffect();

// The English forms of counts ("1 row", "2 rows") installed, with the translators of the
// language in effect after them; a count asked for before any language was chosen (tests,
// tools) reads as English should.
void ensureEnglishCounts();

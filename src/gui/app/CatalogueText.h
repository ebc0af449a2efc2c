#pragma once

#include <QString>

#include <string>

// The core's catalogues (editing/PageTexts.h, editing/EditingTexts.h, exchange/*Texts.h,
// editing/BulkTexts.h, settings/GameSettings.h) and the window's own (app/HistoryTexts.h)
// mark their texts with QT_TRANSLATE_NOOP(scope, text); scope is the catalogue's namespace.
// Where the window shows such a text it looks it up here, with the same scope:
//     label->setText(catalogueText("pagetexts", pagetexts::kSkillsGroup));
QString catalogueText(const char* scope, const char* text);
// A text marked QT_TRANSLATE_N_NOOP with "%n", in the form for count.
QString catalogueText(const char* scope, const char* text, int count);
// The same as UTF-8, for the prompts and the history, which take std::string.
std::string catalogueUtf8(const char* scope, const char* text);
std::string catalogueUtf8(const char* scope, const char* text, int count);

// Lets the core look its own messages up the same way (util/Translatable.h); called once at
// start, after the translators are installed.
void installCatalogueLookup();

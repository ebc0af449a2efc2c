#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a fixed text of a catalogue for the translation tools without making the core
// depend on Qt: the text stays a plain C string here, and the window looks it up under
// its catalogue's name when it shows it (QCoreApplication::translate(scope, text)). The
// definition is Qt's own, token for token, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_NOOP3
#define QT_TRANSLATE_NOOP3(scope, x, comment) {x, comment}
#endif

// One English word with two meanings ("Brown" skin, "Brown" hair) is two texts to a
// translator: QT_TRANSLATE_NOOP3 marks each with a comment telling them apart, and the
// window looks it up with that comment.
struct CCommentedText
{
    const char* source;
    const char* comment;
};

// How a catalogue's text is looked up in the user's language (UTF-8). The window installs
// its own at start (app/CatalogueText.h); without one, and in obrix-cli, the text is given
// back as it is, in English.
using CTextLookup = std::string (*)(const char* scope, const char* text);
void setTextLookup(CTextLookup lookup);

// A catalogue's text in the user's language, for messages the core puts together before the
// window sees them: translated("pagetexts", pagetexts::kNumberUsed), then filled.
std::string translated(const char* scope, const char* text);

// A catalogue's whole-sentence message in the user's language with %1, %2, ... %9 filled
// in one pass, as QString::arg does: a translation may put them in any order, and a "%1"
// inside an argument stays as it is.
std::string translatedArgs(const char* scope, const char* text, std::initializer_list<std::string_view> args);

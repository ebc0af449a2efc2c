#pragma once

// Marks a fixed text of a catalogue for the translation tools without making the core
// depend on Qt: the text stays a plain C string here, and the window looks it up under
// its catalogue's name when it shows it (QCoreApplication::translate(scope, text)). The
// definition is Qt's own, token for token, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

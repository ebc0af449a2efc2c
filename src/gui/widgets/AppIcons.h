#pragma once

#include <QIcon>

#include <functional>

// The editor's icons come as pictures drawn at build time in a few sizes. An icon reads
// only the size it is asked for, the first time it is painted, so building the menus and
// toolbar decodes nothing.
QIcon appIcon(const char* name);  // one of resources/icons: "player", "save", ...
QIcon programIcon();              // the program's own icon

// A picture drawn at build time, from the resources (":/icons/16/save.raw"); a null pixmap
// when there is none. The pictures are raw pixels (RawPicture.h): no decoding, and no
// image plugin is asked.
QPixmap resourcePicture(const QString& path);

// An icon made by make() the first time it is painted or measured. The style's own icons
// (the overflow arrows of menu bars and toolbars, dock buttons) are asked for when those
// widgets are built, and reading them loads every image plugin the system has.
QIcon deferredIcon(std::function<QIcon()> make);

// The name of the style the application draws with (the one chosen with -style or
// QT_STYLE_OVERRIDE, or the platform's), under the editor's own style once that is in
// front: what a style of our own for one widget is to build on.
QString applicationStyleName();

// Puts the editor's style in front of the application's style, once: the same look, with
// the style's icons deferred as above and a few frames drawn without thread hand-overs
// (BandedFrames.h).
void installAppStyle();

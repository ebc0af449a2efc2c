#pragma once

#include "PrintModule.h"

#include <QString>

// The print module (src/print/PrintModule.h), loaded the first time it is asked for and
// kept for the rest of the run: first beside the editor (the build tree, Windows), then
// where the editor's installation puts it. Null when it cannot be loaded, with the
// loader's reasons in problem.
printmodule::CPrintGrid printGridFunction(QString* problem = nullptr);

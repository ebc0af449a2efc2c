#pragma once

#include <string>
#include <vector>

// obrix-cli thumbnails DIR OUTDIR
// obrix-cli kit BMPFILE --colours c1,c2,c3,c4,c5,c6,c7 OUT.bmp
// args are the words after the command. 0 on success, 1 on a failure, 2 on a usage error.
int runThumbnails(const std::vector<std::string>& args);
int runKit(const std::vector<std::string>& args);

#pragma once

#include <string>
#include <vector>

// obrix-cli report DIR (--teams ID,ID,... | --leagues POS,POS,...) --kind stats|characteristics
//                      --format plain|delimited [--language CODE] OUT
int runReport(const std::vector<std::string>& args);

#pragma once

#include <cstdint>
#include <vector>

#include "sample/SampleRandom.h"

// One jersey texture file Pk%03d.fsh for the jersey model `model` (0..63): a texture
// archive whose "mjfr" entry is a drawn 64 x 64 shirt in the kit ramps, followed by the
// preset-colour and description trailer.
std::vector<uint8_t> makeSampleJerseyTexture(int model, CSampleRandom& random);

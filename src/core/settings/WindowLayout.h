#pragma once

#include "settings/SettingsStore.h"

#include <cstdint>

// The main window's placement and the sizes of its three panes, as saved between runs.
// The registry holds them as 32-bit numbers; X and Y may be negative on a second monitor.
struct CWindowLayout
{
    int32_t maximised = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    int32_t groupWidth = 0;
    int32_t groupHeight = 0;
    int32_t rosterWidth = 0;
    int32_t rosterHeight = 0;
    int32_t dataWidth = 0;
    int32_t dataHeight = 0;
    // Nothing was saved: the layout comes from the table below, and a window on a larger
    // screen takes the screen (firstStartLayout).
    bool fromDefaults = false;

    bool operator==(const CWindowLayout&) const = default;
};

// The layout for a first start on a display `screenWidth` pixels wide: sized for 640,
// 800 or 1024 pixel screens, at 0,0, not maximised.
CWindowLayout defaultWindowLayout(int screenWidth);

// A first start's layout for a screen whose free area is screenWidth x screenHeight: the
// window fills that area (the table's layout being the least it gets), and the rows and
// columns share it so that the data sheet's pages show their content - the tree a good
// third of the width, the league tree and data sheet three fifths of the height.
CWindowLayout firstStartLayout(const CWindowLayout& table, int screenWidth, int screenHeight);

// The layout the main window closes with: the window rectangle, the two rows of the main
// splitter, the two columns of the splitter nested in its first row and the main
// splitter's first column (the league tree and data sheet share the first row's height).
CWindowLayout windowLayoutFromPanes(bool maximised, int x, int y, int width, int height, int firstRowHeight,
                                    int secondRowHeight, int nestedFirstColumnWidth, int nestedSecondColumnWidth,
                                    int mainFirstColumnWidth);

// Reads the eleven values in their fixed order, stopping at the first that cannot be
// read; then everything but "Window Maximised" takes the defaults, at 0,0.
CWindowLayout readWindowLayout(CSettingsStore& store, int screenWidth);

// Writes the values in their fixed order, stopping at the first failed write.
void writeWindowLayout(CSettingsStore& store, const CWindowLayout& layout);

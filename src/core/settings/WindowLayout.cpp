#include "settings/WindowLayout.h"

#include <algorithm>
#include <array>
#include <utility>

namespace
{

using CField = int32_t CWindowLayout::*;

// The order of reading, which differs from the order of writing below.
constexpr std::array<std::pair<const char*, CField>, 11> kReadOrder{{
    {"Window Maximised", &CWindowLayout::maximised},
    {"Window X", &CWindowLayout::x},
    {"Window Y", &CWindowLayout::y},
    {"Window Width", &CWindowLayout::windowWidth},
    {"Window Height", &CWindowLayout::windowHeight},
    {"Group Width", &CWindowLayout::groupWidth},
    {"Group Height", &CWindowLayout::groupHeight},
    {"Roster Width", &CWindowLayout::rosterWidth},
    {"Roster Height", &CWindowLayout::rosterHeight},
    {"Data Width", &CWindowLayout::dataWidth},
    {"Data Height", &CWindowLayout::dataHeight},
}};

constexpr std::array<std::pair<const char*, CField>, 11> kWriteOrder{{
    {"Window Maximised", &CWindowLayout::maximised},
    {"Window X", &CWindowLayout::x},
    {"Window Y", &CWindowLayout::y},
    {"Window Width", &CWindowLayout::windowWidth},
    {"Window Height", &CWindowLayout::windowHeight},
    {"Group Height", &CWindowLayout::groupHeight},
    {"Data Height", &CWindowLayout::dataHeight},
    {"Roster Height", &CWindowLayout::rosterHeight},
    {"Group Width", &CWindowLayout::groupWidth},
    {"Data Width", &CWindowLayout::dataWidth},
    {"Roster Width", &CWindowLayout::rosterWidth},
}};

} // namespace

CWindowLayout defaultWindowLayout(int screenWidth)
{
    CWindowLayout l;
    if (screenWidth <= 640)
    {
        l.windowWidth = 640, l.windowHeight = 480;
        l.groupWidth = 157, l.groupHeight = 280;
        l.rosterWidth = 634, l.rosterHeight = 98;
        l.dataWidth = 472, l.dataHeight = 280;
    }
    else if (screenWidth < 1024)
    {
        l.windowWidth = 800, l.windowHeight = 600;
        l.groupWidth = 245, l.groupHeight = 352;
        l.rosterWidth = 791, l.rosterHeight = 142;
        l.dataWidth = 539, l.dataHeight = 352;
    }
    else
    {
        l.windowWidth = 1024, l.windowHeight = 768;
        l.groupWidth = 388, l.groupHeight = 352;
        l.rosterWidth = 1018, l.rosterHeight = 307;
        l.dataWidth = 623, l.dataHeight = 352;
    }
    l.fromDefaults = true;
    return l;
}

CWindowLayout firstStartLayout(const CWindowLayout& table, int screenWidth, int screenHeight)
{
    // What the menu bar, toolbar, status bar and splitter handles take from the height,
    // and the splitter handle and frames from the width.
    constexpr int kChromeHeight = 96;
    constexpr int kChromeWidth = 6;
    CWindowLayout l = table;
    l.windowWidth = std::max(table.windowWidth, screenWidth);
    l.windowHeight = std::max(table.windowHeight, screenHeight);
    const int clientWidth = l.windowWidth - kChromeWidth;
    const int clientHeight = l.windowHeight - kChromeHeight;
    l.groupWidth = clientWidth * 36 / 100;
    l.dataWidth = clientWidth - l.groupWidth;
    l.rosterWidth = clientWidth;
    l.groupHeight = l.dataHeight = clientHeight * 60 / 100;
    l.rosterHeight = clientHeight - l.groupHeight;
    return l;
}

CWindowLayout windowLayoutFromPanes(bool maximised, int x, int y, int width, int height, int firstRowHeight,
                                    int secondRowHeight, int nestedFirstColumnWidth, int nestedSecondColumnWidth,
                                    int mainFirstColumnWidth)
{
    CWindowLayout l;
    l.maximised = maximised ? 1 : 0;
    l.x = x, l.y = y;
    l.windowWidth = width, l.windowHeight = height;
    l.groupHeight = firstRowHeight, l.dataHeight = firstRowHeight;
    l.rosterHeight = secondRowHeight;
    l.groupWidth = nestedFirstColumnWidth, l.dataWidth = nestedSecondColumnWidth;
    l.rosterWidth = mainFirstColumnWidth;
    return l;
}

CWindowLayout readWindowLayout(CSettingsStore& store, int screenWidth)
{
    CWindowLayout read;
    bool complete = store.open();
    for (std::size_t i = 0; complete && i < kReadOrder.size(); ++i)
    {
        uint32_t value = 0;
        complete = store.readNumber(kReadOrder[i].first, value);
        // The registry's DWORDs carry negative coordinates in two's complement.
        if (complete) read.*kReadOrder[i].second = int32_t(value);
    }
    if (complete) return read;
    CWindowLayout fallback = defaultWindowLayout(screenWidth);
    fallback.maximised = read.maximised;
    return fallback;
}

void writeWindowLayout(CSettingsStore& store, const CWindowLayout& layout)
{
    if (!store.create()) return;
    for (const auto& [name, field] : kWriteOrder)
        if (!store.writeNumber(name, uint32_t(layout.*field))) return;
}

#include "editing/EditingTexts.h"
#include "util/Translatable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
// A German lookup for two texts; every other comes back as it is.
std::string german(const char* scope, const char* text)
{
    if (std::strcmp(scope, "editingtexts") == 0 && std::strcmp(text, editingtexts::kDuplicatedTo) == 0)
        return "%2 hat jetzt eine Kopie von %1";
    if (std::strcmp(scope, "editingtexts") == 0 && std::strcmp(text, editingtexts::kFindFailed) == 0)
        return "„%1“ nicht gefunden";
    return text;
}

struct CLookupInstalled
{
    explicit CLookupInstalled(CTextLookup lookup) { setTextLookup(lookup); }
    ~CLookupInstalled() { setTextLookup(nullptr); }
};
} // namespace

TEST(Translatable, ArgumentsFilledInOnePass)
{
    const struct
    {
        const char* text;
        std::initializer_list<std::string_view> args;
        const char* expected;
    } cases[] = {
        {"%1 has been duplicated to %2", {"Ace", "To +"}, "Ace has been duplicated to To +"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 and %1", {"x"}, "x and x"},
        {"Copied %1", {"100%2 %1"}, "Copied 100%2 %1"},  // an argument is never filled in again
        {"%1 of %3", {"a", "b"}, "a of %3"},             // no third argument: left as written
        {"50% off %1", {"kits"}, "50% off kits"},
        {"ends with %", {}, "ends with %"},
    };
    for (const auto& c : cases) EXPECT_EQ(translatedArgs("none", c.text, c.args), c.expected) << c.text;
}

TEST(Translatable, TheWindowsLookupIsUsedWhileInstalled)
{
    EXPECT_EQ(translatedArgs("editingtexts", editingtexts::kDuplicatedTo, {"Ace", "Harbour"}),
              "Ace has been duplicated to Harbour");
    {
        const CLookupInstalled installed(&german);
        EXPECT_EQ(translatedArgs("editingtexts", editingtexts::kDuplicatedTo, {"Ace", "Harbour"}),
                  "Harbour hat jetzt eine Kopie von Ace");
        EXPECT_EQ(translatedArgs("editingtexts", editingtexts::kFindFailed, {"Ace"}), "„Ace“ nicht gefunden");
        EXPECT_EQ(translated("pagetexts", "Skills"), "Skills");
    }
    EXPECT_EQ(translatedArgs("editingtexts", editingtexts::kFindFailed, {"Ace"}), "Cannot find 'Ace'");
}

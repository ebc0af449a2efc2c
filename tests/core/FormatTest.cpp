#include "util/Format.h"

#include <gtest/gtest.h>

TEST(Format, CountsAreGroupedAndTheirNounTakesTheCountsForm)
{
    const std::pair<long long, const char*> cases[] = {
        {0, "0 records"},          {1, "1 record"},           {2, "2 records"},
        {999, "999 records"},      {1000, "1,000 records"},   {12758, "12,758 records"},
        {1234567, "1,234,567 records"}, {-4033, "-4,033 records"},
    };
    for (const auto& [n, text] : cases) EXPECT_EQ(counted(n, "record", "records"), text) << n;
}

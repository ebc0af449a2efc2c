#include "util/GamePath.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace
{

class GamePathTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::random_device rd;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_root = fs::temp_directory_path() / ("obrix-gamepath-" + std::to_string(stamp) + "-" + std::to_string(rd()));
        fs::create_directories(m_root);
    }

    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }

    void makeFile(const fs::path& relative)
    {
        fs::create_directories((m_root / relative).parent_path());
        std::ofstream(m_root / relative) << "x";
    }

    // On a file system that ignores case, "DATA" and "data" cannot both exist.
    bool caseSensitive() const { return !fs::exists(m_root / "OBRIX-CASE-PROBE") && fs::exists(m_root / "obrix-case-probe"); }

    fs::path m_root;
};

} // namespace

TEST_F(GamePathTest, FindsLowerCaseFilesFromUpperCasePath)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows compares file names without case: a game path is used as written and opens the same file";
#endif
    makeFile("data/cmn/fe/fcdb.dbi");
    EXPECT_EQ(resolveGamePath(m_root, "\\DATA\\CMN\\FE\\FCDB.DBI"), m_root / "data" / "cmn" / "fe" / "fcdb.dbi");
    EXPECT_EQ(resolveGamePath(m_root, "DATA/Cmn//fe\\FcDb.dbi"), m_root / "data" / "cmn" / "fe" / "fcdb.dbi");
}

TEST_F(GamePathTest, PrefersExactMatchOverOtherCase)
{
    makeFile("obrix-case-probe");
    if (!caseSensitive())
        GTEST_SKIP() << "file system ignores case";
    makeFile("data/lower.bin");
    makeFile("DATA/upper.bin");
    EXPECT_EQ(resolveGamePath(m_root, "\\DATA\\UPPER.BIN"), m_root / "DATA" / "upper.bin");
    EXPECT_EQ(resolveGamePath(m_root, "\\data\\LOWER.BIN"), m_root / "data" / "lower.bin");
    // No exact match: the choice follows name order, not directory order.
    EXPECT_EQ(resolveGamePath(m_root, "\\Data\\x"), m_root / "DATA" / "x");
}

TEST_F(GamePathTest, MissingComponentsAreAppendedAsWritten)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows compares file names without case: a game path is used as written and opens the same file";
#endif
    makeFile("data/cmn/fe/fcdb.dbi");
    // Once a folder is missing, later names are not looked up even where they would match.
    EXPECT_EQ(resolveGamePath(m_root, "\\DATA\\NEW\\FE\\NEW.DBI"), m_root / "data" / "NEW" / "FE" / "NEW.DBI");
    EXPECT_EQ(resolveGamePath(m_root, "\\DATA\\CMN\\FE\\NEW.DBI"), m_root / "data" / "cmn" / "fe" / "NEW.DBI");
    // A file is not a folder: nothing lies below it.
    EXPECT_EQ(resolveGamePath(m_root, "\\DATA\\CMN\\FE\\FCDB.DBI\\X"), m_root / "data" / "cmn" / "fe" / "fcdb.dbi" / "X");
}

TEST_F(GamePathTest, EmptyAndRootPathsNameTheGameFolder)
{
    EXPECT_EQ(resolveGamePath(m_root, ""), m_root);
    EXPECT_EQ(resolveGamePath(m_root, "\\"), m_root);
    EXPECT_EQ(resolveGamePath(m_root, "\\\\/"), m_root);
}

TEST_F(GamePathTest, MissingGameFolderDoesNotThrow)
{
    const fs::path missing = m_root / "nowhere";
    EXPECT_EQ(resolveGamePath(missing, "\\DATA\\FILE.BIN"), missing / "DATA" / "FILE.BIN");
}

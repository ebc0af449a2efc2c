#include "PlantedFiles.h"
#include "TempFolder.h"

#include "util/FileCommit.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>

namespace fs = std::filesystem;

namespace
{
using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::string& s)
{
    return {s.begin(), s.end()};
}

struct Killed
{
};

// Counts every call that changes the disk; the chosen one either throws, as if the
// program were killed at that instant, or fails with the chosen reason.
class StepFileSystem : public CFileSystem
{
public:
    int stopAt = -1;  // the call to stop at
    int error = 0;    // 0: killed there; otherwise the errno the call fails with
    int calls = 0;

    bool createFile(const fs::path& p, std::span<const uint8_t> b, const CFileStatus* like) override
    {
        if (step())
        {
            // A kill half way through the write leaves half a file.
            if (!error) CFileSystem::createFile(p, b.first(b.size() / 2), like);
            return fail();
        }
        return CFileSystem::createFile(p, b, like);
    }
    bool syncFolder(const fs::path& f) override { return step() ? fail() : CFileSystem::syncFolder(f); }
    bool linkFile(const fs::path& a, const fs::path& b) override { return step() ? fail() : CFileSystem::linkFile(a, b); }
    bool renameFile(const fs::path& a, const fs::path& b) override
    {
        return step() ? fail() : CFileSystem::renameFile(a, b);
    }
    bool removeFile(const fs::path& p) override { return step() ? fail() : CFileSystem::removeFile(p); }

private:
    bool step() { return calls++ == stopAt; }
    bool fail()
    {
        if (!error) throw Killed{};
        errno = error;
        return false;
    }
};

// Three files, two of them there before, one new with the commit.
struct Set
{
    TempFolder folder;
    const std::vector<std::string> names = {"FCDB.DBI", "FCDB_ENG.DBI", "NEW.DB"};
    Set()
    {
        folder.write("FCDB.DBI", bytesOf("old database"));
        folder.write("FCDB_ENG.DBI", bytesOf("old names"));
    }
    std::vector<CPendingFile> pending() const
    {
        return {{folder.path() / names[0], bytesOf("new database, longer"), "Error writing to Team Data File."},
                {folder.path() / names[1], bytesOf("new names"), {}},
                {folder.path() / names[2], bytesOf("new file"), {}}};
    }
    // "old", "new" or "mixed", with nothing left beside the files.
    std::string state() const
    {
        const bool allOld = folder.read(names[0]) == bytesOf("old database")
                            && folder.read(names[1]) == bytesOf("old names") && !fs::exists(folder.path() / names[2]);
        const bool allNew = folder.read(names[0]) == bytesOf("new database, longer")
                            && folder.read(names[1]) == bytesOf("new names") && folder.read(names[2]) == bytesOf("new file");
        const auto files = folder.files();
        const std::size_t expected = allNew ? 3 : 2;
        if (files.size() != expected) return "left behind: " + files.back();
        return allOld ? "old" : allNew ? "new" : "mixed";
    }
};
} // namespace

// A kill at every step of the commit: the next recovery always ends in all old or all
// new, says which, and leaves nothing behind.
TEST(FileCommit, AKillAtAnyStepIsFinishedOrUndoneByTheNextRecovery)
{
    int steps = 0;
    {
        Set s;
        StepFileSystem count;
        ASSERT_FALSE(commitFiles(count, s.pending()));
        steps = count.calls;
        EXPECT_EQ(s.state(), "new");
    }
    ASSERT_GT(steps, 10);
    int oldCount = 0, newCount = 0;
    for (int k = 0; k < steps; ++k)
    {
        SCOPED_TRACE("killed at call " + std::to_string(k));
        Set s;
        StepFileSystem killer;
        killer.stopAt = k;
        EXPECT_THROW(commitFiles(killer, s.pending()), Killed);
        const CRecovery r = recoverCommit(CFileSystem::real(), s.folder.path());
        const std::string state = s.state();
        ASSERT_TRUE(state == "old" || state == "new") << state;
        (state == "old" ? oldCount : newCount)++;
        if (r.state == CRecovery::CState::Completed)
        {
            EXPECT_EQ(r.message, "An interrupted save was completed: FCDB.DBI, FCDB_ENG.DBI, NEW.DB now hold the new "
                                 "contents.");
        }
        if (r.state == CRecovery::CState::Undone)
        {
            EXPECT_EQ(r.message, "An interrupted save was undone: the files are as before it.");
        }
        EXPECT_EQ(state == "new", r.state == CRecovery::CState::Completed || r.state == CRecovery::CState::Nothing);
        // A second recovery finds nothing; the next commit works.
        EXPECT_EQ(recoverCommit(CFileSystem::real(), s.folder.path()).state, CRecovery::CState::Nothing);
        EXPECT_FALSE(commitFiles(CFileSystem::real(), s.pending()));
        EXPECT_EQ(s.state(), "new");
    }
    EXPECT_GT(oldCount, 0);
    EXPECT_GT(newCount, 0);
}

// An error at any step: the commit reports it with the file and the system's reason
// and leaves the files all old, or all new once they are all in place.
TEST(FileCommit, AnErrorAtAnyStepLeavesTheSetWhole)
{
    for (int error : {EIO, ENOSPC})
        for (int k = 0; k < 40; ++k)
        {
            SCOPED_TRACE("error " + std::to_string(error) + " at call " + std::to_string(k));
            Set s;
            StepFileSystem fs;
            fs.stopAt = k;
            fs.error = error;
            const auto e = commitFiles(fs, s.pending());
            if (fs.calls <= k) break;  // past the last step
            // A failure after the new files are in place is tidied by the next recovery.
            recoverCommit(CFileSystem::real(), s.folder.path());
            const std::string state = s.state();
            if (e)
            {
                EXPECT_EQ(state, "old") << *e;
                EXPECT_NE(e->find(std::strerror(error)), std::string::npos) << *e;
                EXPECT_NE(e->find(s.folder.path().string()), std::string::npos) << *e;
            }
            else
                EXPECT_EQ(state, "new");
        }
}

// A rename fails, and so does putting the first file back: the message says the set is
// mixed and where the old contents are; the next recovery makes it whole.
TEST(FileCommit, ASecondFailureSaysTheSetIsMixed)
{
    class TwoFailures : public CFileSystem
    {
    public:
        int renames = 0;
        bool renameFile(const fs::path& a, const fs::path& b) override
        {
            ++renames;
            if (renames == 2 || renames == 3)  // the second new file, then the first old one back
            {
                errno = EIO;
                return false;
            }
            return CFileSystem::renameFile(a, b);
        }
    } fs;
    Set s;
    const auto e = commitFiles(fs, s.pending());
    ASSERT_TRUE(e);
    EXPECT_NE(e->find("the set is mixed: FCDB.DBI is new"), std::string::npos) << *e;
    EXPECT_NE(e->find("FCDB.DBI.obrix-old.save."), std::string::npos) << *e;
    const CRecovery r = recoverCommit(CFileSystem::real(), s.folder.path());
    EXPECT_NE(r.state, CRecovery::CState::Failed);
    EXPECT_TRUE(s.state() == "old" || s.state() == "new") << s.state();
}

// What lies in the way of a target: refused, and nothing outside the folder is touched.
TEST(FileCommit, RefusesWhatIsNotARegularFile)
{
    struct Case
    {
        const char* what;
        bool (*plant)(const fs::path& target, const fs::path& outside, std::string& why);
    };
    const Case cases[] = {
        {"link to a file elsewhere",
         [](const fs::path& t, const fs::path& o, std::string& why) { return plantLink(o, t, why); }},
        {"named pipe", [](const fs::path& t, const fs::path&, std::string& why) { return plantPipe(t, why); }},
        {"folder", [](const fs::path& t, const fs::path&, std::string&) { return fs::create_directory(t); }},
    };
    std::string notHere;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        folder.write("outside/secret", bytesOf("keep me"));
        const fs::path target = folder.path() / "game" / "FCDB.DBI";
        fs::create_directories(target.parent_path());
        std::string why;
        if (!c.plant(target, folder.path() / "outside" / "secret", why))
        {
            notHere += std::string(notHere.empty() ? "" : "; ") + c.what + ": " + why;
            continue;
        }
        const auto e = commitFiles(CFileSystem::real(), {{target, bytesOf("new"), {}}});
        ASSERT_TRUE(e);
        EXPECT_NE(e->find("not a regular file"), std::string::npos) << *e;
        EXPECT_EQ(folder.read("outside/secret"), bytesOf("keep me"));
        // Reading one never blocks, whether read or viewed: a pipe is refused before it
        // is opened.
        auto read = std::async(std::launch::async, [&] {
            std::vector<uint8_t> out;
            return CFileSystem::real().readFile(target, out) ? 0 : errno;
        });
        auto view = std::async(std::launch::async, [&] {
            CFileBytes out;
            return CFileSystem::real().viewFile(target, out) ? 0 : errno;
        });
        ASSERT_EQ(read.wait_for(std::chrono::seconds(5)), std::future_status::ready);
        ASSERT_EQ(view.wait_for(std::chrono::seconds(5)), std::future_status::ready);
        // A link is not followed on reading either: what it points at is not the file.
        EXPECT_EQ(read.get(), kNotRegularFile);
        EXPECT_EQ(view.get(), kNotRegularFile);
    }
    // A link planted where earlier versions put their temporary file is never followed.
    TempFolder folder;
    folder.write("game/FCDB.DBI", bytesOf("old"));
    folder.write("outside/secret", bytesOf("keep me"));
    std::string why;
    if (plantLink(folder.path() / "outside" / "secret", folder.path() / "game" / "FCDB.DBI.obrix-new", why))
    {
        EXPECT_FALSE(commitFiles(CFileSystem::real(), {{folder.path() / "game" / "FCDB.DBI", bytesOf("new"), {}}}));
        EXPECT_EQ(folder.read("game/FCDB.DBI"), bytesOf("new"));
        EXPECT_EQ(folder.read("outside/secret"), bytesOf("keep me"));
    }
    else
        notHere += "; link at an old temporary name: " + why;
    if (!notHere.empty()) GTEST_SKIP() << "cases that cannot exist here: " << notHere;
}

// A file viewed holds the same bytes as one read, empty or not, and keeps them when the
// view is moved; a missing file fails with the system's reason.
TEST(FileCommit, ViewedFilesHoldTheirBytes)
{
    TempFolder folder;
    std::vector<uint8_t> big(300000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = uint8_t(i * 7 + i / 251);
    folder.write("big.dbi", big);
    folder.write("empty.dbi", {});
    for (const char* name : {"big.dbi", "empty.dbi"})
    {
        SCOPED_TRACE(name);
        std::vector<uint8_t> read;
        ASSERT_TRUE(CFileSystem::real().readFile(folder.path() / name, read));
        CFileBytes viewed;
        ASSERT_TRUE(CFileSystem::real().viewFile(folder.path() / name, viewed));
        EXPECT_TRUE(std::ranges::equal(viewed.bytes(), read));
        CFileBytes moved = std::move(viewed);
        EXPECT_TRUE(viewed.bytes().empty());
        EXPECT_TRUE(std::ranges::equal(moved.bytes(), read));
        moved = CFileBytes();
        EXPECT_TRUE(moved.bytes().empty());
    }
    CFileBytes missing;
    errno = 0;
    EXPECT_FALSE(CFileSystem::real().viewFile(folder.path() / "missing.dbi", missing));
    EXPECT_EQ(errno, ENOENT);
}

TEST(FileCommit, KeepsPermissionBits)
{
#ifdef _WIN32
    // Windows keeps one bit of them, the read-only attribute: write permission for all or
    // for none.
    const unsigned modes[] = {0444, 0666};
#else
    const unsigned modes[] = {0444, 0600, 0664, 0640};
#endif
    for (unsigned mode : modes)
    {
        SCOPED_TRACE(mode);
        TempFolder folder;
        folder.write("FCDB.DBI", bytesOf("old"));
        const fs::path target = folder.path() / "FCDB.DBI";
        fs::permissions(target, fs::perms(mode));
        ASSERT_FALSE(commitFiles(CFileSystem::real(), {{target, bytesOf("new"), {}}}));
        EXPECT_EQ(unsigned(fs::status(target).permissions()) & 0777, mode);
#ifndef _WIN32
        struct stat st;
        ASSERT_EQ(::stat(target.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, ::getuid());
#endif
        EXPECT_EQ(folder.read("FCDB.DBI"), bytesOf("new"));
        fs::permissions(target, fs::perms(0666));  // so that the folder can go
    }
}

// Only the name itself must not be a link: a game folder reached through a linked folder
// (a Wine prefix's drive_c often is one) reads as usual. A file the user named may be a
// link to a regular file, never to a pipe.
TEST(FileCommit, LinksAboveTheNameAreFollowedAndAChosenFileMayBeALink)
{
    TempFolder folder;
    folder.write("real/game/FCDB.DBI", bytesOf("data"));
    std::string why;
    if (!plantLink(folder.path() / "real", folder.path() / "drive_c", why, true)
        || !plantLink(folder.path() / "real" / "game" / "FCDB.DBI", folder.path() / "chosen.csv", why))
        GTEST_SKIP() << why;
    const bool pipe = plantPipe(folder.path() / "pipe", why)
                      && plantLink(folder.path() / "pipe", folder.path() / "to-pipe.csv", why);
    struct Case
    {
        const char* what;
        CFileSystem& fs;
        fs::path path;
        int error;  // 0: read, holding "data"
    };
    const Case cases[] = {
        {"game file below a linked folder", CFileSystem::real(), folder.path() / "drive_c/game/FCDB.DBI", 0},
        {"link as a game file", CFileSystem::real(), folder.path() / "chosen.csv", kNotRegularFile},
        {"link the user chose", CFileSystem::userChosen(), folder.path() / "chosen.csv", 0},
        {"chosen link to a pipe", CFileSystem::userChosen(), folder.path() / "to-pipe.csv", kNotRegularFile},
        {"chosen file missing", CFileSystem::userChosen(), folder.path() / "missing.csv", ENOENT},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        if (!pipe && c.path.filename() == "to-pipe.csv") continue;
        std::vector<uint8_t> read;
        CFileBytes viewed;
        errno = 0;
        EXPECT_EQ(c.fs.readFile(c.path, read) ? 0 : errno, c.error);
        EXPECT_EQ(c.fs.viewFile(c.path, viewed) ? 0 : errno, c.error);
        if (!c.error)
        {
            EXPECT_EQ(read, bytesOf("data"));
            EXPECT_EQ(std::vector<uint8_t>(viewed.bytes().begin(), viewed.bytes().end()), bytesOf("data"));
        }
    }
    if (!pipe) GTEST_SKIP() << "chosen link to a pipe: " << why;
}

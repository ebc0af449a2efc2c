// What only Windows has: share modes between programs, the read-only attribute, names past
// MAX_PATH, and the UTF-8 and UTF-16 names. Run under Wine by the mingw build.
#ifdef _WIN32
#include "TempFolder.h"

#include "util/FileCommit.h"
#include "util/WinPath.h"

#include <gtest/gtest.h>

#include <optional>
#include <windows.h>

namespace fs = std::filesystem;

namespace
{
using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

// Another program's handle on a file, open while it lives.
class OtherHandle
{
public:
    OtherHandle(const fs::path& path, DWORD access, DWORD share)
        : m_h(CreateFileW(systemPath(path).c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~OtherHandle()
    {
        if (m_h != INVALID_HANDLE_VALUE) CloseHandle(m_h);
    }
    bool open() const { return m_h != INVALID_HANDLE_VALUE; }
    Bytes readAll() const
    {
        SetFilePointer(m_h, 0, nullptr, FILE_BEGIN);
        Bytes out(4096);
        DWORD n = 0;
        ReadFile(m_h, out.data(), DWORD(out.size()), &n, nullptr);
        out.resize(n);
        return out;
    }

private:
    HANDLE m_h;
};

bool leftovers(const fs::path& folder)
{
    for (const auto& e : fs::directory_iterator(folder))
    {
        const std::string n = e.path().filename().string();
        if (n.find(".obrix-") != std::string::npos || n == committexts::kRecordName) return true;
    }
    return false;
}
} // namespace

// The game may keep a file open while the editor saves. Whether the system lets a file be
// replaced while another program has it open depends on that program's share mode and on
// the Windows version (and Wine refuses it): either way the set stays whole (the open
// program keeps reading the old contents) and, once that program lets go, the next load
// leaves nothing behind. A program writing a file keeps the editor from reading half of it.
TEST(WindowsFileLayer, OtherProgramsHandlesAndShareModes)
{
    struct Case
    {
        const char* what;
        DWORD access, share;
        bool readable;  // the editor can read the file meanwhile
    };
    const Case cases[] = {
        {"a reader letting others read and delete", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, true},
        {"a reader letting others only read", GENERIC_READ, FILE_SHARE_READ, true},
        {"a writer letting others read", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        folder.write("FCDB.DBI", bytesOf("old"));
        folder.write("FCDB_ENG.DBI", bytesOf("old names"));
        const fs::path target = folder.path() / "FCDB.DBI";
        std::optional<std::string> e;
        {
            const OtherHandle other(target, c.access, c.share);
            ASSERT_TRUE(other.open());
            Bytes read;
            errno = 0;
            EXPECT_EQ(CFileSystem::real().readFile(target, read), c.readable);
            if (!c.readable) EXPECT_EQ(errno, EBUSY);
            e = commitFiles(CFileSystem::real(), {{target, bytesOf("new contents"), {}},
                                                  {folder.path() / "FCDB_ENG.DBI", bytesOf("new names"), {}}});
            if (c.access == GENERIC_READ) EXPECT_EQ(other.readAll(), bytesOf("old"));
        }
        recoverCommit(CFileSystem::real(), folder.path());
        if (e)
        {
            EXPECT_EQ(folder.read("FCDB.DBI"), bytesOf("old")) << *e;
            EXPECT_EQ(folder.read("FCDB_ENG.DBI"), bytesOf("old names")) << *e;
        }
        else
        {
            EXPECT_EQ(folder.read("FCDB.DBI"), bytesOf("new contents"));
            EXPECT_EQ(folder.read("FCDB_ENG.DBI"), bytesOf("new names"));
        }
        EXPECT_FALSE(leftovers(folder.path()));
    }
}

// While the editor writes its new copy, a second writer is refused and a reader is let in.
TEST(WindowsFileLayer, ANewCopyBeingWrittenRefusesASecondWriter)
{
    TempFolder folder;
    const fs::path name = folder.path() / "new.tmp";
    HANDLE mine = CreateFileW(systemPath(name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(mine, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(OtherHandle(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE).open());
    EXPECT_FALSE(OtherHandle(name, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE).open());
    CloseHandle(mine);
    // And the file layer's own creation never opens an existing name.
    EXPECT_FALSE(CFileSystem::real().createFile(name, bytesOf("x")));
    EXPECT_EQ(errno, EEXIST);
}

// A read-only game file stays read-only through a commit, and through one finished by
// the next load's recovery.
TEST(WindowsFileLayer, TheReadOnlyAttributeIsKept)
{
    TempFolder folder;
    folder.write("FCDB.DBI", bytesOf("old"));
    const fs::path target = folder.path() / "FCDB.DBI";
    SetFileAttributesW(systemPath(target).c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_FALSE(commitFiles(CFileSystem::real(), {{target, bytesOf("new"), {}}}));
    EXPECT_EQ(folder.read("FCDB.DBI"), bytesOf("new"));
    EXPECT_TRUE(GetFileAttributesW(systemPath(target).c_str()) & FILE_ATTRIBUTE_READONLY);
    CFileStatus st;
    ASSERT_TRUE(CFileSystem::real().status(target, st));
    EXPECT_EQ(st.mode, 0444u);
    EXPECT_FALSE(leftovers(folder.path()));
    SetFileAttributesW(systemPath(target).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Names longer than MAX_PATH: written, read, listed and replaced like any other.
TEST(WindowsFileLayer, NamesPastMaxPathWork)
{
    TempFolder folder;
    fs::path deep = folder.path();
    for (int i = 0; i < 8; ++i) deep /= std::string(40, char('a' + i));
    ASSERT_GT(deep.native().size(), 300u);
    // Made one level at a time, as std::filesystem cannot go past MAX_PATH here.
    fs::path made = folder.path();
    for (const auto& part : fs::relative(deep, folder.path()))
    {
        made /= part;
        CreateDirectoryW(systemPath(made).c_str(), nullptr);
    }
    const fs::path target = deep / "FCDB.DBI";
    ASSERT_TRUE(CFileSystem::real().createFile(target, bytesOf("old")));
    ASSERT_FALSE(commitFiles(CFileSystem::real(), {{target, bytesOf("new"), {}}}));
    Bytes read;
    ASSERT_TRUE(CFileSystem::real().readFile(target, read));
    EXPECT_EQ(read, bytesOf("new"));
    std::vector<std::string> names;
    ASSERT_TRUE(CFileSystem::real().listFolder(deep, names));
    EXPECT_EQ(names, std::vector<std::string>{"FCDB.DBI"});
    EXPECT_TRUE(CFileSystem::real().removeFile(target));
    // Removed from the bottom up, for the same reason.
    for (fs::path p = deep; p != folder.path(); p = p.parent_path()) RemoveDirectoryW(systemPath(p).c_str());
}

// UTF-8 and UTF-16 are converted in one place, both ways, beyond the basic plane too; a
// path is given to the system whole, in the "\\?\" form.
TEST(WindowsFileLayer, NamesConvertBetweenUtf8AndUtf16)
{
    const std::string utf8 = "Liga \xC3\x89spa\xC3\xB1ola \xE2\x82\xAC \xF0\x9F\x8F\x86";
    const std::wstring wide = L"Liga \u00C9spa\u00F1ola \u20AC \U0001F3C6";
    EXPECT_EQ(wideFromUtf8(utf8), wide);
    EXPECT_EQ(utf8FromWide(wide), utf8);
    EXPECT_EQ(systemPath(fs::path(L"C:/Games/Golvar/../Golvar/DATA")), L"\\\\?\\C:\\Games\\Golvar\\DATA");
    EXPECT_EQ(systemPath(fs::path(L"\\\\server\\share\\Golvar")), L"\\\\?\\UNC\\server\\share\\Golvar");
    EXPECT_EQ(systemPath(fs::path(L"\\\\?\\C:\\x")), L"\\\\?\\C:\\x");
}
#endif

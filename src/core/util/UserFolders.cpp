#include "util/UserFolders.h"

#include "util/PathText.h"

namespace fs = std::filesystem;

namespace
{
fs::path fromEnvironment(const char* name)
{
    const auto v = environmentText(name);
    return v && !v->empty() ? pathFromUtf8(*v) : fs::path();
}
} // namespace

fs::path userDataFolder()
{
#ifdef _WIN32
    fs::path base = fromEnvironment("APPDATA");
#else
    fs::path base = fromEnvironment("XDG_DATA_HOME");
    if (base.empty() || !base.is_absolute())
    {
        const fs::path home = fromEnvironment("HOME");
        if (home.empty()) return {};
        base = home / ".local" / "share";
    }
#endif
    if (base.empty()) return {};
    return base / "Brannoc" / "Obrix";
}

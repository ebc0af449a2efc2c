#include "LocateCommand.h"

#include "settings/GameRegistration.h"
#include "settings/GameSettings.h"
#include "util/PathText.h"

#ifdef _WIN32
#include "settings/WindowsRegistry.h"
#else
#include "settings/IniSettings.h"
#endif

#include <iostream>
#include <memory>

namespace
{
constexpr const char* kLocateUsage = "usage: obrix-cli locate\n"
                                     "  print the game folder the editor would open (its saved \"Path\", else the\n"
                                     "  game's own registration), without asking or saving anything\n";
} // namespace

int runLocate(const std::vector<std::string>& args)
{
    if (!args.empty())
    {
        std::cerr << "obrix-cli: locate takes no arguments\n" << kLocateUsage;
        return 2;
    }

#ifdef _WIN32
    CRegistrySettings store("Software\\Brannoc\\Obrix");
    const std::string storeName = "HKEY_CURRENT_USER\\Software\\Brannoc\\Obrix";
#else
    const auto file = CIniSettings::defaultFileFromEnvironment();
    CIniSettings store(file);
    const std::string storeName = file.empty() ? std::string("the settings file (neither XDG_CONFIG_HOME nor HOME is set)")
                                               : utf8FromPath(file);
#endif
    const auto registration = makeSystemGameRegistration();

    if (const auto folder = locateGameFolderQuietly(store, *registration))
    {
        std::cout << *folder << "\n";
        return std::cout.flush() ? 0 : 1;
    }
    std::cerr << "obrix-cli: cannot locate the Golvar folder: " << storeName
              << (store.open() ? " has no readable \"Path\"" : " does not exist")
              << ", and the game is not registered in " << registration->describe() << "\n";
    return 1;
}

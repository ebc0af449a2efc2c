#include "settings/GameRegistration.h"

#ifdef _WIN32
#include "settings/WindowsRegistry.h"
#else
#include "settings/WineRegistry.h"
#endif

std::unique_ptr<CGameRegistration> makeSystemGameRegistration()
{
#ifdef _WIN32
    return std::make_unique<CWindowsGameRegistration>();
#else
    return CWineGameRegistration::fromEnvironment();
#endif
}

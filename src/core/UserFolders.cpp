#include "core/UserFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return {};
}

std::string XdgFolder(const char* variable, const char* underHome)
{
    if (const char* folder = std::getenv(variable); folder && *folder)
        return folder;
    return HomeFolder() + "/" + underHome;
}

std::string ConfigHome()
{
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

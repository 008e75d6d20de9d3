#include "support/SecondUser.h"

#include <chrono>
#include <cstdlib>
#include <grp.h>
#include <pwd.h>
#include <thread>
#include <unistd.h>

TSecondUser::TSecondUser()
{
    if (::geteuid() != 0) {
        Skip = "a second user can only be made by the superuser";
        return;
    }
    Name = "velmoria-t" + std::to_string(::getpid());
    // Another test making a user at the same moment holds the password file for a moment.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::string command
            = "useradd --system --no-create-home --shell /usr/sbin/nologin " + Name + " >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    const struct passwd* entry = ::getpwnam(Name.c_str());
    if (!entry) {
        Skip = "useradd could not make the user " + Name;
        Name.clear();
        return;
    }
    Uid = entry->pw_uid;
    Gid = entry->pw_gid;
}

TSecondUser::~TSecondUser()
{
    if (Name.empty())
        return;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (std::system(("userdel " + Name + " >/dev/null 2>&1").c_str()) == 0 || !::getpwnam(Name.c_str()))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

bool TSecondUser::BecomeIt() const
{
    return Made() && ::setgroups(0, nullptr) == 0 && ::setgid(Gid) == 0 && ::setuid(Uid) == 0;
}

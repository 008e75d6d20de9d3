#pragma once
// A second user of the machine, made for one test and removed after it. Only the superuser can
// make one; elsewhere Skip says why there is none.

#include <string>
#include <sys/types.h>

class TSecondUser {
public:
    TSecondUser();
    ~TSecondUser();
    TSecondUser(const TSecondUser&) = delete;
    TSecondUser& operator=(const TSecondUser&) = delete;

    bool Made() const { return Skip.empty(); }
    // Runs as this user from here on (in a child process: there is no way back).
    bool BecomeIt() const;

    std::string Name;
    uid_t Uid = 0;
    gid_t Gid = 0;
    std::string Skip;
};

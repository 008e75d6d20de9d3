#pragma once
// Desktop notifications through the desktop's notification service (org.freedesktop.Notifications
// on the session bus, reached with GDBus).

#include <chrono>
#include <string>
#include <vector>

struct TNotice {
    std::string Summary;
    std::string Body;
    // What its "Review" action starts (the program with its arguments).
    std::vector<std::string> Review;
};

// Shows each notice with a "Review" action and waits until every one is closed, or for at most
// wait, after which those still shown are closed (their action could start nothing). A program an
// action started is waited for, so that a service manager that ends what its service left does
// not end it. Raises TCommandError when no bus or no notification service answers.
void ShowNotices(const std::vector<TNotice>& notices, std::chrono::seconds wait);

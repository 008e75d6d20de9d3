#include "core/RecentFileList.h"

#include <algorithm>
#include <cctype>

bool SameFileName(const std::string& a, const std::string& b)
{
#ifdef _WIN32
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
#else
    return a == b;
#endif
}

void TRecentFileList::Add(const std::string& name)
{
    auto found = std::find_if(
        Strings_.begin(), Strings_.end(), [&](const std::string& s) { return SameFileName(s, name); });
    if (found != Strings_.end())
        Strings_.erase(found);
    else if (Capacity_ > 0 && Count() >= Capacity_)
        Strings_.pop_back();
    if (Capacity_ > 0)
        Strings_.insert(Strings_.begin(), name);
}

void TRecentFileList::Load(const std::string& name)
{
    Strings_.push_back(name);
    Capacity_ = std::max(Capacity_, Count());
}

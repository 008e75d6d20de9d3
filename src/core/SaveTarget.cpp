#include "core/SaveTarget.h"

#include "core/DisplayText.h"
#include "core/FileAttributes.h"

#include <sys/stat.h>

bool IsExportType(int filterIndex)
{
    return filterIndex >= 2 && filterIndex <= SaveAsTypeCount;
}

std::string SaveAsExtension(int filterIndex)
{
    if (filterIndex == 2)
        return "rtf";
    if (filterIndex == SaveAsTypeCount)
        return "htm";
    return IsExportType(filterIndex) ? "txt" : "vmr";
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    struct stat sa {
    }, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev
        && sa.st_ino == sb.st_ino;
}

std::string SaveAsRefusal(const std::string& chosen, int filterIndex, const std::string& listFile)
{
    // A pipe, a device, a socket or a folder would not hold the list; the save itself refuses it too.
    if (struct stat st {}; ::stat(chosen.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return DisplayName(chosen) + "\nThis is not a regular file. Please use a different file name.";
    if (IsReadOnlyFile(chosen))
        return DisplayName(chosen) + "\nThis file is read-only. Please use a different file name.";
    if (IsExportType(filterIndex) && !listFile.empty() && IsSameFile(chosen, listFile))
        return DisplayName(chosen) + "\nThis is the list's own file; an export would replace the list. "
            + "Please use a different file name.";
    return {};
}

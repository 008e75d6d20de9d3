#include "core/SaveTarget.h"

#include "core/DisplayText.h"
#include "core/FileAttributes.h"
#include "evaluation/Translatable.h"

#include <sys/stat.h>

bool IsExportType(int filterIndex)
{
    return filterIndex >= 2 && filterIndex <= SaveAsTypeCount;
}

std::string SaveAsExtension(int filterIndex)
{
    if (filterIndex == 2)
        return "rtf";
    if (filterIndex == SaveAsHtmlType)
        return "htm";
    if (filterIndex == SaveAsKvtmlType)
        return "kvtml";
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

TSaying SaveAsRefusal(const std::string& chosen, int filterIndex, const std::string& listFile)
{
    const char* why = nullptr;
    // A pipe, a device, a socket or a folder would not hold the list; the save itself refuses it too.
    if (struct stat st {}; ::stat(chosen.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        why = VM_TRANSLATE_NOOP(
            "Velmoria::Model", "%1\nThis is not a regular file. Please use a different file name.");
    else if (IsReadOnlyFile(chosen))
        why = VM_TRANSLATE_NOOP(
            "Velmoria::Model", "%1\nThis file is read-only. Please use a different file name.");
    else if (IsExportType(filterIndex) && !listFile.empty() && IsSameFile(chosen, listFile))
        why = VM_TRANSLATE_NOOP("Velmoria::Model",
            "%1\nThis is the list's own file; an export would replace the list. Please use a different file "
            "name.");
    return why ? TSaying(why, { DisplayName(chosen) }) : TSaying();
}

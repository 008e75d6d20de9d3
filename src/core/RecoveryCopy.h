#pragma once
// The recovery copy: what a running copy of the program keeps of a modified list in the user's
// data folder, so that a crash or a killed process loses nothing. It is the list in its own file
// format behind a short header that says whose copy it is.

#include "core/FileStamp.h"
#include "evaluation/Translatable.h"

#include <cstdint>
#include <string>
#include <string_view>

class TVocabFile;

struct TRecoveryInfo {
    // The list's file; empty for an untitled list.
    std::string FileName;
    // That file as the copy's owner last loaded or saved it.
    TFileStamp Disk;
    std::int32_t CurrentIndex = -1;
};

// Header and file image; raises as SaveToBytes does when a text cannot be stored.
std::string BuildRecoveryImage(const TVocabFile& document, const TRecoveryInfo& info);
// The header alone; raises EVocabFileError "Invalid file format." on anything else.
TRecoveryInfo ReadRecoveryInfo(std::string_view image);
// The whole copy into the document: it belongs to the header's file name, counts as modified and
// has no undo history. A damaged copy leaves the document empty and raises.
TRecoveryInfo LoadRecoveryImage(std::string_view image, TVocabFile& document);
// The header's size, from the copy's first bytes; raises as ReadRecoveryInfo does.
std::size_t RecoveryHeaderSize(std::string_view image);
// Enough of a copy's first bytes for its header: a file name is at most a path's length.
inline constexpr std::size_t RecoveryHeaderLimit = 8192;
// True when the file holds exactly what the copy does, so the copy saves nothing.
bool RecoveryCopyMatches(std::string_view image, std::string_view fileBytes);

// Recovery copies follow changes at a distance: a copy is due this long after the last change...
inline constexpr std::int64_t RecoveryQuietMs = 2000;
// ...but no later than this after the first change not yet copied (the user may never pause)...
inline constexpr std::int64_t RecoveryLongestWaitMs = 5000;
// ...and never sooner than this after the previous copy was begun.
inline constexpr std::int64_t RecoveryIntervalMs = 1000;
// Milliseconds from now until the next copy is due (0: at once). Times are on one clock;
// lastCopy is negative when no copy was made yet.
std::int64_t RecoveryDelayMs(
    std::int64_t now, std::int64_t firstChange, std::int64_t lastChange, std::int64_t lastCopy);

// Makes the folder of the recovery copies ready, or says in a sentence why it cannot be used
// (empty when it can). A missing folder is made, for its owner alone (0700); one of the user's
// that others may only read is made so. Refused, as OpenSSH refuses such folders: anything but a
// folder, a folder of another user or one that others may write to, and one inside a folder of
// another user than the user or root, or one that anyone may change (up to top, when given).
TSaying PrepareRecoveryFolder(const std::string& folder, const std::string& top = {});
// True when a recovery copy naming this file may be offered: the user owns the file or may write
// it, or it is not there. Another user's copy must not make the user overwrite what they may not.
bool MayRecoverInto(const std::string& fileName);

#pragma once
// Writing a file so that a failure never destroys the previous one: a temporary file next to the
// real target is written and synced, then renamed over it. Every writer of the program goes
// through here, so the rules below hold for saving, exporting and the command line alike.

#include "core/Errors.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

struct stat;

// What a save expects to replace: the file as its caller last looked at it.
struct TFileIdentity {
    bool Exists = false;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::uint64_t Size = 0;
    std::int64_t ModifiedNs = 0;
    bool operator==(const TFileIdentity&) const = default;
};
// The file a name finally refers to, as it is now.
TFileIdentity IdentifyFile(const std::string& fileName);

// Raised by SafeWriteFile when the target is no longer the file the caller expected; nothing was
// replaced.
class EFileChanged : public EFileError {
public:
    using EFileError::EFileError;
};

// Writes the bytes to fileName. Raises EFileError naming the file on any failure; the old file is
// then byte-identical and no temporary file is left.
// - A read-only file (IsReadOnlyFile) is refused, also for the superuser.
// - A symbolic link is followed: the file it points to is written and the link stays. A link the
//   system would not follow (LinkMayBeFollowed) is refused on every hop, naming the file.
// - A file with several hard links is rewritten in place, so every name keeps the new contents.
//   A journal, the complete new contents behind a header naming the file, is written and synced
//   beside it first; should the rewrite break off, the journal stays (the one exception to the
//   rule above) and the next load of the file completes it from there (FinishInterruptedSave).
// - An existing file keeps its permissions, its ACL and its user extended attributes (and, where
//   allowed, its owner).
// - Once the new file is in place, a failure to sync its folder is still reported: the rename
//   might not survive a power cut, so the caller must not count the list as saved.
// - With expected, the target is looked at again right before it is replaced: a file there that
//   is not the expected one raises EFileChanged.
// The temporary file is named ".NAME.velmoria-save-PID-XXXXXX" and the journal
// ".NAME.velmoria-journal-PID-XXXXXX" beside the target; those left by processes that no longer
// run are removed first.
void SafeWriteFile(
    const std::string& fileName, std::string_view bytes, const TFileIdentity* expected = nullptr);
// What SafeWriteFile refuses before it makes anything, for callers that have work to do first: a
// target that exists (after links) and is not a regular file raises EFileError naming it. A rename
// would replace a pipe, a device or a socket that other programs rely on.
void RefuseSpecialTarget(const std::string& fileName);
// The same for a file that only its owner may read and write (0600), whatever the umask and the
// mode of the file it replaces: the program's own files that hold the user's lists.
void SafeWritePrivateFile(const std::string& fileName, std::string_view bytes);
// What a reader accepts. A list, the tip file or a file chosen in a dialog must be a regular file:
// a device such as /dev/zero never ends and a pipe may never deliver. A text import from the
// command line may read a pipe (/dev/stdin) to its end.
enum class TReadFrom : std::uint8_t { RegularFile, FileOrPipe };
// Reads a whole file; raises EFileError naming the file. Anything but a regular file is refused at
// once (opening never waits for a pipe's writer), unless pipes are allowed.
std::string ReadWholeFile(const std::string& fileName, TReadFrom from = TReadFrom::RegularFile);
// Its first bytes only, up to limit, the same way.
std::string ReadFileStart(
    const std::string& fileName, std::size_t limit, TReadFrom from = TReadFrom::RegularFile);
// Reads a whole regular file once its first headSize bytes (fewer in a shorter file) passed the
// check, which raises to refuse the file: a large file of another kind is not read whole for nothing.
std::string ReadWholeFileChecked(const std::string& fileName, std::size_t headSize,
    const std::function<void(std::string_view head)>& checkHead);
// The file a name finally refers to after following symbolic links (also a link to a file not
// yet there); the name itself when it is no link. For looking only: writers refuse links the
// system would not follow.
std::string ResolveLinks(const std::string& fileName);
// The system's rule for links in shared folders (protected_symlinks), applied whatever the machine
// sets: in a sticky folder everyone may write (as /tmp), a link is followed only when it belongs
// to the user or to the folder's owner, so another user's link cannot lead a save to the user's
// own files.
bool LinkMayBeFollowed(const struct stat& link, const struct stat& folder, uid_t user);

// How the last save of a file ended, as the next load finds it.
enum class TInterruptedSave : std::uint8_t {
    None,
    Completed, // a rewrite in place broke off: the file was completed from its journal
    AlreadyComplete, // the rewrite had finished; only its journal was left
};
// Completes a rewrite in place that a process which no longer runs left unfinished, from the
// newest complete journal of this user that names the file (under any of its names in its
// folder). A journal cut short is dropped: its save never touched the file. Raises EFileError
// when the file cannot be completed; the journal then stays.
TInterruptedSave FinishInterruptedSave(const std::string& fileName);

// Removes the temporary files and journals that saves of this file left behind when their
// process died (a killed or crashed save). Files of running processes, files that are not ours,
// and a journal still owed to the file stay. Returns how many were removed.
int RemoveStaleSaveFiles(const std::string& fileName);
// True when the name is one of the save's temporary files (of any process).
bool IsSaveTemporaryName(std::string_view baseName);

// The system calls of the save path, in the order a save makes them.
enum class TSaveCall : std::uint8_t {
    FolderOpen, // to sync the folder afterwards; a folder that cannot be opened is not synced
    Create, // the temporary file
    Write, // each piece of the contents
    Permissions, // the old file's permissions (or the usual ones) on the new file
    Attributes, // the old file's ACL and user extended attributes on the new file
    Sync,
    Close,
    Rename, // over the old file
    FolderSync,
    // A file with several hard links: its journal is made with Create, Write, Sync, Close and
    // FolderSync, then the file is rewritten in place:
    OpenInPlace,
    Reserve,
    Truncate,
    EndJournal, // the journal removed, the file being complete
};
const char* SaveCallName(TSaveCall call);
// Whether an extended attribute call failed only for want of the attribute: none set, or a file
// system that keeps none. A save goes on past those; any other failure ends it.
bool NoAttribute(int error);
// A seam for tests: called before each of those calls; a non-zero result makes the call fail with
// that error number. Set only while no save runs; nullptr removes it.
void SetSaveFaults(std::function<int(TSaveCall)> faults);

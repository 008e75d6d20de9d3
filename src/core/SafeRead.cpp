#include "core/Errors.h"
#include "core/FreedMemory.h"
#include "core/SafeSave.h"
#include "core/SaveDetail.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

using namespace SaveDetail;

namespace {

// Refuses what the reader does not take: a folder, and anything but a regular file unless pipes
// are allowed (then a pipe or a terminal, never a device such as /dev/zero, nor a socket, which no
// name opens). fd is -1 before the file is opened.
void CheckReadable(const std::string& fileName, const struct stat& st, TReadFrom from, int fd)
{
    if (S_ISDIR(st.st_mode))
        throw EFileError(fileName, "Cannot open file", EISDIR);
    // Only its descriptor tells a terminal from another device.
    const bool pipe = S_ISFIFO(st.st_mode) || (S_ISCHR(st.st_mode) && (fd < 0 || ::isatty(fd)));
    if (!S_ISREG(st.st_mode) && !(from == TReadFrom::FileOrPipe && pipe))
        throw EFileError(fileName,
            { VM_TRANSLATE_NOOP("Velmoria::Model", "Cannot open file \"%1\". It is not a regular file."),
                { fileName } });
}

// Reads up to limit bytes. The buffer takes the file's size at once and is never copied: the end
// of the file is found with a small read of its own. With checkHead, the first headSize bytes are
// checked before the rest is read.
std::string ReadFile(const std::string& fileName, std::size_t limit, TReadFrom from, std::size_t headSize,
    const std::function<void(std::string_view)>* checkHead)
{
    // A device is refused before it is opened (opening some does something); the descriptor's own
    // state decides below. Without a writer, opening a pipe would wait, so where pipes are refused
    // the file is opened without waiting; where they are read, waiting for the writer is the point.
    struct stat st { };
    if (::stat(fileName.c_str(), &st) == 0)
        CheckReadable(fileName, st, from, -1);
    TFd fd(
        ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | (from == TReadFrom::RegularFile ? O_NONBLOCK : 0)));
    if (fd.Get() < 0)
        throw EFileError(fileName, "Cannot open file", errno);
    if (::fstat(fd.Get(), &st) != 0)
        throw EFileError(fileName, "Cannot read file", errno);
    CheckReadable(fileName, st, from, fd.Get());
    if (const int flags = ::fcntl(fd.Get(), F_GETFL);
        flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        throw EFileError(fileName, "Cannot read file", errno);

    std::size_t used = 0;
    const auto readInto = [&](char* at, std::size_t room) {
        for (;;) {
            const ssize_t got = ::read(fd.Get(), at, room);
            if (got >= 0)
                return static_cast<std::size_t>(got);
            if (errno != EINTR)
                throw EFileError(fileName, "Cannot read file", errno);
        }
    };
    std::string bytes;
    const auto fill = [&](std::size_t upTo) {
        while (used < upTo) {
            const std::size_t got = readInto(bytes.data() + used, upTo - used);
            if (got == 0)
                break;
            used += got;
        }
    };
    const std::size_t size = std::min(limit, static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0));
    if (checkHead) {
        // The head alone first: the buffer for the whole file only once the file is wanted.
        bytes.resize(std::min(headSize, size));
        fill(bytes.size());
        (*checkHead)(std::string_view(bytes.data(), used));
    }
    ResizeLarge(bytes, size);
    fill(bytes.size());
    // A pipe, or a file that grows meanwhile, is read on in pieces.
    char piece[1 << 16];
    while (used == bytes.size() && used < limit) {
        const std::size_t got = readInto(piece, std::min(sizeof piece, limit - used));
        if (got == 0)
            break;
        bytes.append(piece, got);
        used += got;
    }
    bytes.resize(used);
    return bytes;
}
} // namespace

std::string ReadWholeFile(const std::string& fileName, TReadFrom from)
{
    return ReadFile(fileName, std::numeric_limits<std::size_t>::max(), from, 0, nullptr);
}

std::string ReadFileStart(const std::string& fileName, std::size_t limit, TReadFrom from)
{
    return ReadFile(fileName, limit, from, 0, nullptr);
}

std::string ReadWholeFileChecked(const std::string& fileName, std::size_t headSize,
    const std::function<void(std::string_view head)>& checkHead)
{
    return ReadFile(
        fileName, std::numeric_limits<std::size_t>::max(), TReadFrom::RegularFile, headSize, &checkHead);
}

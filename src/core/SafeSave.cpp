#include "core/SafeSave.h"

#include "core/Errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <ostream>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& fileName)
{
    const auto sep = fileName.find_last_of('/');
    if (sep == std::string::npos)
        return ".";
    return sep == 0 ? std::string("/") : fileName.substr(0, sep);
}

// Closes and removes the temporary file unless it was committed.
class TTemporaryFile {
public:
    explicit TTemporaryFile(const std::string& fileName)
        : Target_(fileName)
    {
        Path_ = fileName + ".XXXXXX";
        Fd_ = ::mkstemp(Path_.data());
        if (Fd_ < 0)
            throw EFileError(fileName, "Cannot create file", errno);
    }
    ~TTemporaryFile()
    {
        if (Fd_ >= 0)
            ::close(Fd_);
        if (!Committed_)
            ::unlink(Path_.c_str());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    void Write(const char* data, std::size_t size)
    {
        while (size > 0) {
            const ssize_t written = ::write(Fd_, data, size);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                throw EFileError(Target_, "Cannot write file", errno);
            }
            data += written;
            size -= static_cast<std::size_t>(written);
        }
    }

    void Commit()
    {
        // The new file takes the old one's permissions, or the usual ones for a new file.
        struct stat old { };
        if (::stat(Target_.c_str(), &old) == 0) {
            (void)::fchmod(Fd_, old.st_mode & 07777);
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            (void)::fchmod(Fd_, 0666 & ~mask);
        }
        if (::fsync(Fd_) != 0)
            throw EFileError(Target_, "Cannot write file", errno);
        const int fd = Fd_;
        Fd_ = -1;
        if (::close(fd) != 0)
            throw EFileError(Target_, "Cannot write file", errno);
        if (::rename(Path_.c_str(), Target_.c_str()) != 0)
            throw EFileError(Target_, "Cannot replace file", errno);
        Committed_ = true;
        // Make the rename itself durable.
        const int dir = ::open(FolderOf(Target_).c_str(), O_RDONLY | O_DIRECTORY);
        if (dir >= 0) {
            (void)::fsync(dir);
            ::close(dir);
        }
    }

private:
    std::string Target_;
    std::string Path_;
    int Fd_ = -1;
    bool Committed_ = false;
};

// A stream buffer that writes through to the temporary file in large blocks.
class TFileBuffer : public std::streambuf {
public:
    explicit TFileBuffer(TTemporaryFile& file)
        : File_(file)
    {
        setp(Buffer_, Buffer_ + sizeof Buffer_);
    }
    void FlushAll()
    {
        File_.Write(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(Buffer_, Buffer_ + sizeof Buffer_);
    }

protected:
    int_type overflow(int_type ch) override
    {
        FlushAll();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        if (n >= static_cast<std::streamsize>(sizeof Buffer_)) {
            FlushAll();
            File_.Write(s, static_cast<std::size_t>(n));
            return n;
        }
        return std::streambuf::xsputn(s, n);
    }

private:
    TTemporaryFile& File_;
    char Buffer_[1 << 16];
};

void CheckTarget(const std::string& fileName)
{
    struct stat st { };
    if (::stat(fileName.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        throw EFileError(fileName, "Cannot create file", EISDIR);
}

} // namespace

void SafeWriteFile(const std::string& fileName, std::string_view bytes)
{
    CheckTarget(fileName);
    TTemporaryFile file(fileName);
    file.Write(bytes.data(), bytes.size());
    file.Commit();
}

void SafeWriteFile(const std::string& fileName, const std::function<void(std::ostream&)>& writer)
{
    CheckTarget(fileName);
    TTemporaryFile file(fileName);
    auto buffer = std::make_unique<TFileBuffer>(file);
    {
        std::ostream stream(buffer.get());
        stream.exceptions(std::ios::badbit | std::ios::failbit);
        writer(stream);
        stream.flush();
    }
    buffer->FlushAll();
    file.Commit();
}

std::string ReadWholeFile(const std::string& fileName)
{
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw EFileError(fileName, "Cannot open file", errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer { fd };
    struct stat st { };
    if (::fstat(fd, &st) != 0)
        throw EFileError(fileName, "Cannot read file", errno);
    if (S_ISDIR(st.st_mode))
        throw EFileError(fileName, "Cannot open file", EISDIR);
    // Read straight into a buffer of the file's size; a file that grows meanwhile is read on.
    std::string bytes(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0), '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() + (1 << 16));
        const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw EFileError(fileName, "Cannot read file", errno);
        }
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return bytes;
}

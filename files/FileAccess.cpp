#include "FileAccess.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "InputFile.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// Closes a descriptor on every way out of a function.
class FdCloser {
public:
    explicit FdCloser(int fd) : m_fd(fd) {}
    ~FdCloser()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;
    // Closes now and reports whether the close succeeded (it can report a
    // late write error).
    bool CloseNow()
    {
        int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes, int& err)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The folder part of `path` ("." for a bare file name).
std::string FolderOf(const std::string& path)
{
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// What stands under an output's name now, as ReplaceFile treats it.
enum class OutputName {
    Free,    // nothing yet (or the folder above is missing: creating says why)
    File,    // a regular file, replaced
    Link,    // a link to a regular file or to nothing: the link is replaced
    Folder,  // a folder, or a link to one: refused
    Stream,  // a device, pipe or socket, or a link to one
};

// `mode` gets the permissions of a regular file found there.
OutputName Classify(const std::string& path, mode_t& mode)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return OutputName::Free;
    if (S_ISREG(st.st_mode)) {
        mode = st.st_mode & 07777;
        return OutputName::File;
    }
    if (S_ISDIR(st.st_mode))
        return OutputName::Folder;
    if (!S_ISLNK(st.st_mode))
        return OutputName::Stream;
    if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode))
        return OutputName::Link;
    return S_ISDIR(st.st_mode) ? OutputName::Folder : OutputName::Stream;
}

// Opens a new, exclusively created file next to `path`. The mode 0666 lets
// the umask decide the permissions, as for any newly created file.
int CreateTemporary(const std::string& path, std::string& tempPath, int& err)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + Format(".~tmp%ld.%u", static_cast<long>(::getpid()), counter++);
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST) {
            err = errno;
            return -1;
        }
    }
    err = EEXIST;
    return -1;
}

// A device or pipe the user named as the output: written straight through.
bool WriteStream(const std::string& path, std::string_view bytes, int& err)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        return false;
    }
    FdCloser closer(fd);
    if (!WriteAll(fd, bytes, err))
        return false;
    if (!closer.CloseNow()) {
        err = errno;
        return false;
    }
    return true;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, int& err)
{
    bytes.clear();
    unsigned long long size = 0;
    const int fd = OpenRegularFile(path, err, &size);
    if (fd < 0)
        return false;
    FdCloser closer(fd);
    if (size > kMaxReadSize) {
        err = EFBIG;
        return false;
    }
    try {
        bytes.reserve(static_cast<size_t>(size));
        char buffer[65536];
        for (;;) {
            ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR || errno == EAGAIN)
                    continue;
                err = errno;
                bytes.clear();
                return false;
            }
            if (n == 0)
                break;
            bytes.append(buffer, static_cast<size_t>(n));
        }
    } catch (const std::bad_alloc&) {
        bytes.clear();
        bytes.shrink_to_fit();
        err = ENOMEM;
        return false;
    } catch (const std::length_error&) {
        bytes.clear();
        bytes.shrink_to_fit();
        err = ENOMEM;
        return false;
    }
    return true;
}

bool ReplaceFile(const std::string& path, std::string_view bytes, int& err, StreamTarget streams)
{
    mode_t mode = 0;
    switch (Classify(path, mode)) {
    case OutputName::Folder:
        err = EISDIR;
        return false;
    case OutputName::Stream:
        if (streams == StreamTarget::WriteThrough)
            return WriteStream(path, bytes, err);
        err = EINVAL;
        return false;
    case OutputName::Free:
    case OutputName::File:
    case OutputName::Link:
        break;
    }
    std::string tempPath;
    int fd = CreateTemporary(path, tempPath, err);
    if (fd < 0)
        return false;
    FdCloser closer(fd);
    if (mode != 0)
        ::fchmod(fd, mode); // a replaced file keeps its permissions
    bool ok = WriteAll(fd, bytes, err);
    if (ok && ::fsync(fd) != 0) {
        err = errno;
        ok = false;
    }
    if (!closer.CloseNow() && ok) {
        err = errno;
        ok = false;
    }
    // rename() replaces the name: a link there is replaced, not followed.
    if (ok && ::rename(tempPath.c_str(), path.c_str()) != 0) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    // Make the rename itself durable; a failure here no longer endangers
    // either the old or the new content, so it is not reported.
    int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool CanWriteFile(const std::string& path, int& err, StreamTarget streams)
{
    mode_t mode = 0;
    switch (Classify(path, mode)) {
    case OutputName::Folder:
        err = EISDIR;
        return false;
    case OutputName::Stream:
        if (streams != StreamTarget::WriteThrough) {
            err = EINVAL;
            return false;
        }
        if (::access(path.c_str(), W_OK) == 0)
            return true;
        err = errno;
        return false;
    case OutputName::Free:
    case OutputName::File:
    case OutputName::Link:
        break;
    }
    const std::string folder = FolderOf(path);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        err = errno;
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        err = ENOTDIR;
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        err = errno;
        return false;
    }
    return true;
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

std::string SystemErrorReason(int err)
{
    switch (err) {
    case ENOENT:
        return "Die Datei oder der Ordner existiert nicht.";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert.";
    case EISDIR:
        return "Unter diesem Namen gibt es einen Ordner, keine Datei.";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner.";
    case EINVAL:
        return "Das ist keine gewöhnliche Datei.";
    case ENOSPC:
        return "Der Datenträger ist voll.";
#ifdef EDQUOT
    case EDQUOT:
        return "Der zugeteilte Speicherplatz ist erschöpft.";
#endif
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang.";
    case ENOMEM:
    case EFBIG:
        return "Die Datei ist zu groß.";
    case EIO:
        return "Ein-/Ausgabefehler des Datenträgers.";
    case EMFILE:
    case ENFILE:
        return "Es sind zu viele Dateien geöffnet.";
    case ELOOP:
        return "Zu viele symbolische Verknüpfungen im Pfad.";
    case EBUSY:
    case ETXTBSY:
        return "Die Datei wird gerade benutzt.";
    default:
        return Format("Systemfehler %d.", err);
    }
}

} // namespace keldo

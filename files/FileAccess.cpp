#include "FileAccess.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
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

// Where the new content must finally land: the target of a symbolic link,
// so that saving through a link updates the linked file.
std::string ResolveTarget(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return path; // a dangling link: replace the link itself
    return resolved;
}

// Opens a new, exclusively created file next to `target`. The mode 0666 lets
// the umask decide the permissions, as for any newly created file.
int CreateTemporary(const std::string& target, std::string& tempPath, int& err)
{
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + Format(".~tmp%ld.%u", static_cast<long>(::getpid()), counter++);
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

bool ReplaceFile(const std::string& path, std::string_view bytes, int& err)
{
    const std::string target = ResolveTarget(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        err = EISDIR;
        return false;
    }
    std::string tempPath;
    int fd = CreateTemporary(target, tempPath, err);
    if (fd < 0)
        return false;
    FdCloser closer(fd);
    // A replaced file keeps its permissions.
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(fd, st.st_mode & 07777);
    bool ok = WriteAll(fd, bytes, err);
    if (ok && ::fsync(fd) != 0) {
        err = errno;
        ok = false;
    }
    if (!closer.CloseNow() && ok) {
        err = errno;
        ok = false;
    }
    if (ok && ::rename(tempPath.c_str(), target.c_str()) != 0) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    // Make the rename itself durable; a failure here no longer endangers
    // either the old or the new content, so it is not reported.
    int dir = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool CanWriteFile(const std::string& path, int& err)
{
    const std::string target = ResolveTarget(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            err = EISDIR;
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            if (::access(target.c_str(), W_OK) == 0)
                return true;
            err = errno;
            return false;
        }
    }
    const std::string folder = FolderOf(target);
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

#include "InputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <ios>
#include <sys/stat.h>
#include <unistd.h>

namespace keldo {

int OpenRegularFile(const std::string& path, int& err, unsigned long long* size)
{
    // O_NONBLOCK keeps open() from waiting for a writer of a named pipe; the
    // pipe is refused below without being read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        err = errno;
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return -1;
    }
    // A regular file never blocks; reading it goes on as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (size != nullptr)
        *size = static_cast<unsigned long long>(st.st_size);
    return fd;
}

// Reads the descriptor block by block. A failed read throws, which the
// stream turns into its badbit.
class InputFile::Buffer : public std::streambuf {
public:
    explicit Buffer(int fd) : m_fd(fd) {}
    ~Buffer() override { ::close(m_fd); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        for (;;) {
            const ssize_t n = ::read(m_fd, m_block, sizeof m_block);
            if (n > 0) {
                setg(m_block, m_block, m_block + n);
                return traits_type::to_int_type(*gptr());
            }
            if (n == 0)
                return traits_type::eof();
            if (errno != EINTR)
                throw std::ios_base::failure("read");
        }
    }

private:
    int m_fd;
    char m_block[64 * 1024];
};

InputFile::InputFile() : m_stream(nullptr) {}

InputFile::~InputFile() = default;

bool InputFile::Open(const std::string& path, int& err)
{
    m_stream.rdbuf(nullptr);
    m_buffer.reset();
    const int fd = OpenRegularFile(path, err, &m_size);
    if (fd < 0)
        return false;
    m_buffer = std::make_unique<Buffer>(fd);
    m_stream.rdbuf(m_buffer.get()); // clears the state
    return true;
}

bool InputFile::IsOpen() const { return m_buffer != nullptr; }

} // namespace keldo

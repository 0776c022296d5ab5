#pragma once
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

// Opening a user's file for reading. Only a regular file is opened: a named
// pipe would hold the program until somebody writes into it, a device such as
// /dev/zero never ends, and a folder has no lines. They are refused before a
// byte is read, and opening never waits on a pipe.
namespace keldo {

// Opens `path` for reading if it is a regular file (a symbolic link to one
// counts). Returns the descriptor, or -1 with an errno value in `err`:
// ENOENT missing, EISDIR a folder, EINVAL a pipe, device or socket, EACCES
// and the others as open() gives them. `size` gets the file's size.
int OpenRegularFile(const std::string& path, int& err, unsigned long long* size = nullptr);

// A regular file read as a stream, through a buffer of its own. A read error
// of the disk sets the stream's badbit.
class InputFile {
public:
    InputFile();
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False with the errno value of OpenRegularFile in `err`.
    bool Open(const std::string& path, int& err);
    bool IsOpen() const;
    // The size of the file when it was opened.
    unsigned long long Size() const { return m_size; }
    std::istream& Stream() { return m_stream; }

private:
    class Buffer;
    std::unique_ptr<Buffer> m_buffer;
    std::istream m_stream;
    unsigned long long m_size = 0;
};

} // namespace keldo

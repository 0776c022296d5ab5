#pragma once
#include <string>
#include <string_view>

// Whole-file reading, and the one way every output file is written.
// Failures come back as an errno value; SystemErrorReason turns it into a
// German sentence for the user.
namespace keldo {

// Files beyond this size are refused: no document or report comes near it, and
// reading such a file whole would only exhaust the memory.
inline constexpr unsigned long long kMaxReadSize = 1ull << 30;

// Reads the regular file at `path` completely. Refuses directories and other
// non-regular files (a named pipe would block the program) with EISDIR or
// EINVAL in `err`, files above kMaxReadSize with EFBIG; running out of memory
// gives ENOMEM.
bool ReadWholeFile(const std::string& path, std::string& bytes, int& err);

// How an output treats a name that leads to a device or a pipe.
enum class StreamTarget {
    Refuse,       // EINVAL: "Das ist keine gewöhnliche Datei."
    WriteThrough, // written straight into it, as a report to /dev/stdout
};

// Every output of Keldo is written through here. Replaces the file at
// `path` by `bytes` so that a failure never leaves a half-written or lost
// file: the bytes go into a new file in the same folder, every write, the
// flush to the disk and the close are checked, and only the complete file is
// renamed over `path`. On failure the previous file is untouched, the
// temporary file is removed and `err` holds the errno value (ENOSPC for a
// full disk, EFBIG beyond a file size limit, EACCES, …).
// The name itself is what gets written, never what it points at: a symbolic
// link at `path` is replaced by the new file and the file it pointed to keeps
// every byte; a replaced regular file keeps its permissions. A folder at
// `path`, or a link to one, is refused with EISDIR; a device, pipe or socket
// (also behind a link) with EINVAL, unless `streams` lets it be written
// straight through.
bool ReplaceFile(
    const std::string& path, std::string_view bytes, int& err, StreamTarget streams = StreamTarget::Refuse);

// Whether ReplaceFile can write `path` now, checked before long work so that
// a run whose result could not be stored is not started: `path` may not be a
// folder (nor a device or pipe, unless `streams` writes through it, when it
// must be writable itself), and its folder must exist, be a folder and take
// new files. False with the errno value in `err` otherwise. Only a check in
// advance: the write can still fail (a full disk).
bool CanWriteFile(const std::string& path, int& err, StreamTarget streams = StreamTarget::Refuse);

// Makes a file size limit (ulimit -f) an ordinary write error: without this,
// the process is ended by SIGXFSZ in the middle of a write, with no message
// and its temporary file left behind. Every front end calls it first.
void IgnoreFileSizeSignal();

// A short German sentence for an errno value ("Zugriff verweigert.").
std::string SystemErrorReason(int err);

} // namespace keldo

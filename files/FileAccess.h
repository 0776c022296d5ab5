#pragma once
#include <string>
#include <string_view>

// Whole-file reading and crash-safe replacing of files, for the document file
// and the results file. Failures come back as an errno value; SystemErrorReason
// turns it into a German sentence for the user.
namespace keldo {

// Files beyond this size are refused: no document or report comes near it, and
// reading such a file whole would only exhaust the memory.
inline constexpr unsigned long long kMaxReadSize = 1ull << 30;

// Reads the regular file at `path` completely. Refuses directories and other
// non-regular files (a named pipe would block the program) with EISDIR or
// EINVAL in `err`, files above kMaxReadSize with EFBIG; running out of memory
// gives ENOMEM.
bool ReadWholeFile(const std::string& path, std::string& bytes, int& err);

// Replaces the file at `path` by `bytes` so that a failure never leaves a
// half-written or lost file: the bytes go into a new file in the same folder,
// are flushed to the disk and only then renamed over `path`. A symbolic link
// at `path` is followed, so the link itself stays. On failure the previous
// file is untouched and no temporary file is left behind.
bool ReplaceFile(const std::string& path, std::string_view bytes, int& err);

// Whether a file can be written at `path` now, checked before long work so
// that a run whose result could not be stored is not started: a file is
// replaced in its folder (that of a symbolic link's target), which must exist,
// be a folder and take new files, and `path` must not be a folder; a device
// or pipe must be writable itself. False with the errno value in `err`
// otherwise. Only a check in advance: the write can still fail (a full disk).
bool CanWriteFile(const std::string& path, int& err);

// A short German sentence for an errno value ("Zugriff verweigert.").
std::string SystemErrorReason(int err);

} // namespace keldo

#pragma once
#include <string>
#include <sys/types.h>

// Which file a path names, so that an output that would overwrite an input
// (or another output) is found before anything is read or written, however
// the two paths are spelled.
namespace keldo {

struct FileIdentity {
    // Device and inode of an existing file, links followed: a link and its
    // target, or two hard links, are one file.
    bool exists = false;
    bool regular = false; // an existing regular file (not a device, pipe or folder)
    dev_t device = 0;
    ino_t inode = 0;
    // The absolute path with ".", ".." and the links of its existing part
    // resolved: the identity of a file not yet there.
    std::string normalPath;
};

FileIdentity IdentifyFile(const std::string& path);

// The same file: the same device and inode, or the same normal path.
bool SameFile(const FileIdentity& a, const FileIdentity& b);

} // namespace keldo

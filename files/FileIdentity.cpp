#include "FileIdentity.h"

#include <filesystem>
#include <sys/stat.h>

namespace keldo {

FileIdentity IdentifyFile(const std::string& path)
{
    namespace fs = std::filesystem;
    FileIdentity id;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        id.exists = true;
        id.regular = S_ISREG(st.st_mode);
        id.device = st.st_dev;
        id.inode = st.st_ino;
    }
    std::error_code ec;
    fs::path normal = fs::weakly_canonical(fs::absolute(path, ec), ec);
    if (ec)
        normal = fs::absolute(path, ec).lexically_normal();
    id.normalPath = normal.string();
    return id;
}

bool SameFile(const FileIdentity& a, const FileIdentity& b)
{
    if (a.exists && b.exists && a.device == b.device && a.inode == b.inode)
        return true;
    return a.normalPath == b.normalPath;
}

} // namespace keldo

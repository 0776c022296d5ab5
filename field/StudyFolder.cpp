#include "StudyFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileAccess.h"

namespace fs = std::filesystem;

namespace keldo {
namespace {

const char* const kMarkerHeader = "# Keldo-Feldstudie: die Dateien dieses Ordners";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The files a study's marker names, and the folders they lie in; nothing
// when `dir` has no readable marker.
struct MarkedFiles {
    std::set<std::string> files, folders;
};

std::optional<MarkedFiles> ReadMarker(const fs::path& dir)
{
    const std::string path = (dir / kStudyMarker).string();
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    std::string bytes;
    int err = 0;
    if (!ReadWholeFile(path, bytes, err))
        return std::nullopt;
    std::istringstream in(bytes);
    std::string line;
    if (!std::getline(in, line) || line != kMarkerHeader)
        return std::nullopt;
    MarkedFiles marked;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        marked.files.insert(line);
        for (fs::path p = fs::path(line).parent_path(); !p.empty(); p = p.parent_path())
            marked.folders.insert(p.string());
    }
    return marked;
}

// The first entry (in name order) of `dir` that no study wrote: everything
// when there is no marker. Nothing for an empty folder and for a study's.
// Links are looked at, never followed.
std::optional<std::string> ForeignEntry(const fs::path& dir)
{
    std::error_code ec;
    std::vector<std::string> entries;
    fs::recursive_directory_iterator it(dir, ec), end;
    for (; !ec && it != end; it.increment(ec))
        entries.push_back(it->path().lexically_relative(dir).string());
    if (ec) // a folder inside that cannot be read may hold anything
        return entries.empty() ? std::string(".") : entries.back();
    if (entries.empty())
        return std::nullopt;
    std::sort(entries.begin(), entries.end());
    const std::optional<MarkedFiles> marked = ReadMarker(dir);
    for (const std::string& name : entries) {
        // Whatever stands under a name of the study (a link or a pipe put in
        // a file's place) goes with it: removing a name never follows it.
        if (marked && (name == kStudyMarker || marked->files.count(name) || marked->folders.count(name)))
            continue;
        return name;
    }
    return std::nullopt;
}

// Every regular file below `dir`, relative to it, but the marker.
std::vector<std::string> FilesBelow(const fs::path& dir)
{
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.symlink_status().type() == fs::file_type::regular) {
            std::string name = entry.path().lexically_relative(dir).string();
            if (name != kStudyMarker)
                files.push_back(std::move(name));
        }
    return files;
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool Exists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Takes the lock file `path`: false with `err` (EWOULDBLOCK while another
// study holds it). A lock file removed by the study that held it is made
// anew, so that two studies never lock two different files of one name.
bool TakeLock(const std::string& path, int& fd, int& err)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0) {
            err = errno;
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            err = errno;
            ::close(fd);
            fd = -1;
            return false;
        }
        struct stat held {}, named {};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev
            && held.st_ino == named.st_ino)
            return true;
        ::close(fd);
    }
    fd = -1;
    err = EBUSY;
    return false;
}

} // namespace

std::string FolderProblemMessage(const FolderProblem& problem)
{
    const std::string folder = "Der Ausgabeordner " + Quoted(problem.folder);
    switch (problem.kind) {
    case FolderProblem::Kind::NotAFolder:
        return folder + " ist eine Datei, kein Ordner; bitte einen Ordner nennen.";
    case FolderProblem::Kind::Link:
        return folder + " ist eine symbolische Verknüpfung; bitte den Ordner selbst nennen.";
    case FolderProblem::Kind::CannotMake:
        return "Der Ordner " + Quoted(problem.folder) + " kann nicht angelegt werden.\n"
            + SystemErrorReason(problem.err);
    case FolderProblem::Kind::NotWritable:
        return folder + " kann nicht beschrieben werden.\n" + SystemErrorReason(problem.err);
    case FolderProblem::Kind::Foreign:
        return folder + " enthält " + Quoted(problem.entry)
            + ", das nicht von einer Feldstudie stammt; bitte einen leeren oder neuen Ordner nennen.";
    case FolderProblem::Kind::Locked:
        return "In den Ausgabeordner " + Quoted(problem.folder)
            + " schreibt gerade eine andere Feldstudie; bitte warten oder einen anderen Ordner nennen.";
    case FolderProblem::Kind::Replace:
        break;
    }
    return "Die Feldstudie kann nicht an die Stelle des Ordners " + Quoted(problem.folder) + " gesetzt werden.\n"
        + SystemErrorReason(problem.err);
}

std::string StudyMarkerText(std::vector<std::string> files)
{
    std::sort(files.begin(), files.end());
    std::string text = std::string(kMarkerHeader) + "\n";
    for (const std::string& file : files)
        text += file + "\n";
    return text;
}

std::unique_ptr<StudyFolder> StudyFolder::Open(const std::string& folder, FolderProblem& problem)
{
    problem = FolderProblem{};
    problem.folder = folder;
    const auto fail = [&](FolderProblem::Kind kind, int err) -> std::unique_ptr<StudyFolder> {
        problem.kind = kind;
        problem.err = err;
        return nullptr;
    };
    std::error_code ec;
    fs::path target = fs::absolute(folder, ec).lexically_normal();
    if (!target.empty() && !target.has_filename())
        target = target.parent_path();
    if (ec || target.empty() || target == target.root_path() || target.filename() == "..")
        return fail(FolderProblem::Kind::NotWritable, ec ? ec.value() : EBUSY);

    std::unique_ptr<StudyFolder> study(new StudyFolder);
    study->m_shown = folder;
    study->m_target = target.string();
    const fs::path parent = target.parent_path();
    const std::string name = target.filename().string();
    study->m_building = (parent / ("." + name + ".keldo-neu")).string();
    study->m_away = (parent / ("." + name + ".keldo-alt")).string();
    study->m_lockPath = (parent / ("." + name + ".keldo-sperre")).string();

    struct stat st {};
    if (::lstat(study->m_target.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode))
            return fail(FolderProblem::Kind::Link, 0);
        if (!S_ISDIR(st.st_mode))
            return fail(FolderProblem::Kind::NotAFolder, 0);
    } else if (errno != ENOENT) {
        return fail(FolderProblem::Kind::CannotMake, errno);
    } else {
        fs::create_directories(parent, ec);
        if (ec || !fs::is_directory(parent, ec))
            return fail(FolderProblem::Kind::CannotMake, ec ? ec.value() : ENOTDIR);
    }

    int err = 0;
    if (!TakeLock(study->m_lockPath, study->m_lock, err))
        return fail(err == EWOULDBLOCK ? FolderProblem::Kind::Locked : FolderProblem::Kind::NotWritable, err);
    // What a run ended by force left beside the folder: the old study on its
    // way out goes back where the new one never arrived; a study being built
    // is dropped.
    if (Exists(study->m_away)) {
        if (!Exists(study->m_target))
            ::rename(study->m_away.c_str(), study->m_target.c_str());
        else
            fs::remove_all(study->m_away, ec);
    }
    fs::remove_all(study->m_building, ec);

    if (Exists(study->m_target)) {
        if (const std::optional<std::string> entry = ForeignEntry(study->m_target)) {
            problem.entry = *entry;
            return fail(FolderProblem::Kind::Foreign, 0);
        }
        // The old study is removed at the end: the folder must take changes.
        const std::string probe = study->m_target + "/.keldo-probe";
        if (::mkdir(probe.c_str(), 0700) != 0)
            return fail(FolderProblem::Kind::NotWritable, errno);
        ::rmdir(probe.c_str());
    }
    if (::mkdir(study->m_building.c_str(), 0777) != 0)
        return fail(FolderProblem::Kind::NotWritable, errno);
    return study;
}

StudyFolder::~StudyFolder()
{
    // Without the lock the folders beside belong to the study that holds it.
    if (m_lock < 0)
        return;
    std::error_code ec;
    if (!m_committed)
        fs::remove_all(m_building, ec);
    // Removed while still held: a study that opened this file meanwhile
    // finds it gone and makes a new one (TakeLock).
    ::unlink(m_lockPath.c_str());
    ::close(m_lock);
}

bool StudyFolder::Commit(FolderProblem& problem)
{
    problem = FolderProblem{};
    problem.folder = m_shown;
    const auto fail = [&](FolderProblem::Kind kind, int err) {
        problem.kind = kind;
        problem.err = err;
        return false;
    };
    std::error_code ec;
    int err = 0;
    std::vector<std::string> files;
    try {
        files = FilesBelow(m_building);
    } catch (const fs::filesystem_error& e) {
        return fail(FolderProblem::Kind::NotWritable, e.code().value());
    }
    if (!ReplaceFile(m_building + "/" + kStudyMarker, StudyMarkerText(std::move(files)), err))
        return fail(FolderProblem::Kind::NotWritable, err);
    SyncFolder(m_building);

    // Anything put into the old study while this one was computed stays.
    struct stat st {};
    const bool old = ::lstat(m_target.c_str(), &st) == 0;
    if (old) {
        if (!S_ISDIR(st.st_mode))
            return fail(S_ISLNK(st.st_mode) ? FolderProblem::Kind::Link : FolderProblem::Kind::NotAFolder, 0);
        if (const std::optional<std::string> entry = ForeignEntry(m_target)) {
            problem.entry = *entry;
            return fail(FolderProblem::Kind::Foreign, 0);
        }
    }
    // An empty old folder is replaced by rename itself.
    if (!old || fs::is_empty(m_target, ec)) {
        if (::rename(m_building.c_str(), m_target.c_str()) != 0)
            return fail(FolderProblem::Kind::Replace, errno);
        m_committed = true;
        SyncFolder(fs::path(m_target).parent_path().string());
        return true;
    }
    // Old and new change places in one step; the old study, now under the
    // hidden name, is removed.
    if (::renameat2(AT_FDCWD, m_building.c_str(), AT_FDCWD, m_target.c_str(), RENAME_EXCHANGE) == 0) {
        m_committed = true;
        SyncFolder(fs::path(m_target).parent_path().string());
        fs::remove_all(m_building, ec);
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return fail(FolderProblem::Kind::Replace, errno);
    // A file system that cannot exchange: the old study steps aside first.
    // Ended between the two renames, the next run puts it back.
    if (::rename(m_target.c_str(), m_away.c_str()) != 0)
        return fail(FolderProblem::Kind::Replace, errno);
    if (::rename(m_building.c_str(), m_target.c_str()) != 0) {
        err = errno;
        ::rename(m_away.c_str(), m_target.c_str());
        return fail(FolderProblem::Kind::Replace, err);
    }
    m_committed = true;
    SyncFolder(fs::path(m_target).parent_path().string());
    fs::remove_all(m_away, ec);
    return true;
}

} // namespace keldo

#pragma once
#include <memory>
#include <string>
#include <vector>

// The output folder of a study holds one run, whole: the study is built in
// a hidden folder beside it (same parent) and put in its place only at the
// end, a lock beside it keeps a second study out meanwhile, and a folder
// that holds anything a study did not write is refused, never cleared.
//
// Beside ORDNER, in its parent folder:
//   .ORDNER.keldo-sperre   the lock (flock; the kernel drops it when the run ends, however)
//   .ORDNER.keldo-neu      the study being built; a left-over one is removed by the next run
//   .ORDNER.keldo-alt      the old study on its way out, where the folders cannot be exchanged
// Inside: `.keldo-feldstudie`, the marker, lists every file of the study.
namespace keldo {

// Why an output folder cannot take a study.
struct FolderProblem {
    enum class Kind {
        NotAFolder,  // a file, a pipe or a device stands under the name
        Link,        // the name is a symbolic link
        CannotMake,  // the folder (or one above it) cannot be made; `err`
        NotWritable, // the lock, the folder beside it or a file in it cannot be made; `err`
        Foreign,     // it holds `entry`, which no study wrote
        Locked,      // another study writes into it now
        Replace,     // the finished study could not be put in its place; `err`
    };
    Kind kind = Kind::CannotMake;
    std::string folder; // as the user named it
    std::string entry;  // for Foreign: the first such entry, relative to the folder
    int err = 0;
};

// One German message for the user.
std::string FolderProblemMessage(const FolderProblem& problem);

// The name of the marker inside a study's folder.
inline constexpr const char* kStudyMarker = ".keldo-feldstudie";

// The marker's text for these files (relative paths): a first line saying
// what the file is, then one path a line.
std::string StudyMarkerText(std::vector<std::string> files);

class StudyFolder {
public:
    // Checks `folder` and takes it for one study: it is made if missing, may
    // be empty or hold a study (its marker naming everything in it), and is
    // no link; the lock is taken and a fresh folder beside it is made to
    // build the study in. Null with `problem` set otherwise; nothing is
    // changed in `folder` then.
    static std::unique_ptr<StudyFolder> Open(const std::string& folder, FolderProblem& problem);

    // Without Commit the study being built is removed; the lock goes.
    ~StudyFolder();
    StudyFolder(const StudyFolder&) = delete;
    StudyFolder& operator=(const StudyFolder&) = delete;

    // Where the study's files are written now.
    const std::string& Building() const { return m_building; }
    // The folder as the user named it, for messages.
    const std::string& Shown() const { return m_shown; }

    // Writes the marker of every file now in the study being built and puts
    // it in the folder's place; the old study, if any, is removed. False
    // with `problem` set: the old study then stays as it was.
    bool Commit(FolderProblem& problem);

private:
    StudyFolder() = default;

    std::string m_shown;    // as named
    std::string m_target;   // absolute, normal
    std::string m_building; // the hidden sibling
    std::string m_away;     // where the old study goes when folders cannot be exchanged
    std::string m_lockPath;
    int m_lock = -1;
    bool m_committed = false;
};

} // namespace keldo

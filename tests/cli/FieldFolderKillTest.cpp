// keldo-field killed (SIGKILL) at any moment of a rerun leaves its output
// folder holding one study whole, the old one or the new one; the next run
// cleans up what was left beside it and is not kept out by the lock of the
// killed one.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "ScratchFolder.h"
#include "WellDataTestFiles.h"

namespace fs = std::filesystem;

namespace {

// Every file below `folder` with its bytes (a PDF without its creation date).
std::map<std::string, std::string> Study(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string bytes = entry.is_directory() ? "/" : ReadBytes(entry.path().string());
        if (const size_t at = bytes.find("/CreationDate ("); at != std::string::npos)
            bytes.erase(at, bytes.find(')', at) - at);
        files[entry.path().lexically_relative(folder).string()] = bytes;
    }
    return files;
}

// Starts keldo-field; its output goes nowhere.
pid_t Start(const std::vector<std::string>& args)
{
    std::vector<std::string> all = {KELDO_FIELD_EXE};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

// The exit status, or -signal.
int Wait(pid_t pid)
{
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -WTERMSIG(raw);
}

} // namespace

TEST(FieldFolder, AKilledRerunLeavesOneStudyWhole)
{
    ScratchFolder dir;
    std::string rows = "well,document\n";
    for (int i = 1; i <= 12; ++i)
        rows += "F-12 " + std::to_string(i) + "," + GasExampleDocument() + "\n";
    WriteBytes(dir.file("feld.csv"), rows);
    const std::string out = dir.file("aus");
    const auto run = [&](const std::string& folder, const char* cutoff) {
        return Start({dir.file("feld.csv"), "--out", folder, "--cutoff", cutoff});
    };
    // The two studies, 6 % and 8 % cut-off, each run whole once.
    ASSERT_EQ(Wait(run(dir.file("neu"), "0.08")), 0);
    const auto fresh = Study(dir.file("neu"));
    ASSERT_EQ(Wait(run(out, "0.06")), 0);
    const auto old = Study(out);
    ASSERT_NE(old, fresh);

    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(run(dir.file("zeit"), "0.08")), 0);
    const auto whole = std::chrono::steady_clock::now() - start;

    // Killed at eight moments spread over a run, the first at once.
    for (int step = 0; step < 8; ++step) {
        const auto delay = whole * step / 8;
        SCOPED_TRACE(testing::Message() << "killed after "
                                        << std::chrono::duration_cast<std::chrono::milliseconds>(delay).count() << " ms");
        const pid_t pid = run(out, "0.08");
        std::this_thread::sleep_for(delay);
        ::kill(pid, SIGKILL);
        const int status = Wait(pid);
        EXPECT_TRUE(status == -SIGKILL || status == 0) << status;
        const auto now = Study(out);
        EXPECT_TRUE(now == old || now == fresh) << "the folder holds neither study whole";
    }
    // The next run is not kept out, and cleans up beside the folder.
    ASSERT_EQ(Wait(run(out, "0.08")), 0);
    EXPECT_EQ(Study(out), fresh);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"aus", "feld.csv", "neu", "zeit"}));
}

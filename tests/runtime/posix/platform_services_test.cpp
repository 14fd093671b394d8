// Tests of the real operating-system services on Linux: which paths count as files, which
// programs start and how (exact path, no arguments, our environment, no stray descriptors, no
// waiting, no zombie left behind) and which do not.
#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "runtime/run_time_error.h"
#include "runtime/system_services.h"

namespace quantaro {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const fs::perms kExecutable = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec;
const fs::perms kReadable = fs::perms::owner_read | fs::perms::owner_write;
const char* const kEnvironmentName = "QUANTARO_START_TEST";

void writeFile(const fs::path& path, const std::string& content, fs::perms permissions) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    fs::permissions(path, permissions);
}

std::vector<std::string> linesOf(const fs::path& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A path as one word of a shell script; the scratch folder holds no quote or dollar sign.
std::string shellWord(const fs::path& path) {
    return '"' + path.string() + '"';
}

// The program runs on its own, so the test waits for its traces; the bound only keeps a
// program that never runs from hanging the test.
bool appears(const fs::path& path) {
    for (int attempt = 0; attempt < 2000 && !fs::exists(path); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return fs::exists(path);
}

// A child of ours that is running or a zombie; starting a program must leave neither.
bool hasChildren() {
    int status = 0;
    return !(::waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD);
}

class PlatformServicesTest : public ::testing::Test {
  protected:
    PlatformServicesTest() {
        std::string pattern = (fs::temp_directory_path() / "quantaro-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        }
        root_ = pattern;
        ::setenv(kEnvironmentName, root_.filename().c_str(), 1);
    }
    ~PlatformServicesTest() override {
        ::unsetenv(kEnvironmentName);
        std::error_code error;
        fs::remove_all(root_, error);
        EXPECT_FALSE(error) << "scratch folder " << root_ << " left behind: " << error.message();
    }

    const SystemServices services_ = platformServices();
    fs::path root_;
};

using IsFile = PlatformServicesTest;

TEST_F(IsFile, AnswersTrueOnlyForAnExistingRegularFileOrALinkToOne) {
    writeFile(root_ / "file", "x", kReadable);
    fs::create_directory(root_ / "folder");
    fs::create_symlink(root_ / "file", root_ / "link to file");
    fs::create_directory_symlink(root_ / "folder", root_ / "link to folder");
    fs::create_symlink(root_ / "gone", root_ / "dangling link");
    const struct {
        const char* name;
        std::string path;
        bool isFile;
    } cases[] = {
        {"a regular file", (root_ / "file").string(), true},
        {"a symbolic link to a regular file", (root_ / "link to file").string(), true},
        {"a folder", (root_ / "folder").string(), false},
        {"a symbolic link to a folder", (root_ / "link to folder").string(), false},
        {"a dangling link", (root_ / "dangling link").string(), false},
        {"a missing path", (root_ / "missing").string(), false},
        {"a path through a file", (root_ / "file" / "file").string(), false},
        {"an empty path", "", false},
        // Its answer would depend on the current folder.
        {"a relative path to a regular file", fs::relative(root_ / "file").string(), false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(services_.isFile(test.path), test.isFile);
    }
}

using StartProgram = PlatformServicesTest;

// A program that writes how it was started, renaming at the end so the test never reads half.
std::string reportingProgram(const fs::path& report, int ourDescriptor) {
    return "#!/bin/sh\n{ printf '%s\\n' \"$#\" \"$0\" \"$" + std::string(kEnvironmentName) +
           "\"; [ -e /proc/$$/fd/" + std::to_string(ourDescriptor) +
           " ] && echo open || echo closed; } > " + shellWord(report.string() + ".part") +
           " && mv " + shellWord(report.string() + ".part") + " " + shellWord(report) + "\n";
}

TEST_F(StartProgram, RunsTheProgramAtExactlyItsPathWithNoArgumentsAndOnlyOurStandardStreams) {
    // A descriptor of ours without close-on-exec, well above any the shell opens for itself.
    const int opened = ::open("/dev/null", O_RDONLY);
    const int ours = ::fcntl(opened, F_DUPFD, 40);
    ::close(opened);
    ASSERT_GE(ours, 40);
    const std::string folders[] = {"tools", "with blanks", "quote ' dollar $HOME; semicolon |",
                                   "star * and question ?"};
    int row = 0;
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        const fs::path report = root_ / ("report" + std::to_string(++row));
        const fs::path program = root_ / folder / "tool";
        writeFile(program, reportingProgram(report, ours), kExecutable);

        services_.startProgram(program.string());
        EXPECT_FALSE(hasChildren());
        ASSERT_TRUE(appears(report));
        const std::vector<std::string> expected = {"0", program.string(), root_.filename().string(),
                                                   "closed"};
        EXPECT_EQ(linesOf(report), expected);
    }
    ::close(ours);
}

TEST_F(StartProgram, ReturnsWhileTheProgramIsStillRunning) {
    const fs::path release = root_ / "release";
    const fs::path finished = root_ / "finished";
    // It waits for the test, but not forever, so a start that waits for it ends with it done.
    writeFile(root_ / "tool",
              "#!/bin/sh\ni=0\nwhile [ ! -e " + shellWord(release) +
                  " ] && [ $i -lt 400 ]; do sleep 0.05; i=$((i+1)); done\ntouch " +
                  shellWord(finished) + "\n",
              kExecutable);

    services_.startProgram((root_ / "tool").string());
    EXPECT_FALSE(fs::exists(finished));
    EXPECT_FALSE(hasChildren());
    writeFile(release, "", kReadable);
    EXPECT_TRUE(appears(finished));
}

TEST_F(StartProgram, RefusesWhatCannotRunWithAnErrorAndLeavesNoChildBehind) {
    const int notFound = RunTimeError::fileNotFound().number();
    const int invalid = RunTimeError::invalidArgument().number();
    const std::string shellText = "touch " + shellWord(root_ / "ran") + "\n";
    const std::string notAProgram =
        "\x7f"
        "ELF\0\1\2garbage"s;
    const struct {
        const char* name;
        std::string content;  // empty: nothing is written
        fs::perms permissions;
        std::string path;  // below the scratch folder
        int error;
    } cases[] = {
        {"an empty path", "", {}, "", notFound},
        {"a folder", "", {}, ".", notFound},
        {"a missing file", "", {}, "missing", notFound},
        {"a path through a file", "#!/bin/sh\n", kExecutable, "tool/tool", notFound},
        {"a file without execute permission", "#!/bin/sh\n", kReadable, "tool", invalid},
        {"shell commands without #! that only a shell would run", shellText, kExecutable, "tool",
         invalid},
        {"bytes that are no program", notAProgram, kExecutable, "tool", invalid},
        {"a script whose interpreter is missing", "#!/no/such/shell\n", kExecutable, "tool",
         notFound},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const fs::path folder = root_ / test.name;
        fs::create_directory(folder);
        if (!test.content.empty()) {
            writeFile(folder / "tool", test.content, test.permissions);
        }
        const std::string path = test.path.empty() ? "" : (folder / test.path).string();
        try {
            services_.startProgram(path);
            ADD_FAILURE() << "started " << path;
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.number(), test.error);
        }
        EXPECT_FALSE(hasChildren());
    }
    EXPECT_FALSE(fs::exists(root_ / "ran"));

    // A relative path is refused like a missing one, whatever the current folder holds.
    writeFile(root_ / "relative" / "tool", "#!/bin/sh\n" + shellText, kExecutable);
    EXPECT_THROW(services_.startProgram(fs::relative(root_ / "relative" / "tool").string()),
                 RunTimeError);
    EXPECT_FALSE(hasChildren());
    EXPECT_FALSE(fs::exists(root_ / "ran"));
}

}  // namespace
}  // namespace quantaro

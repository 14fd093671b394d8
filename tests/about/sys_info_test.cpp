// The System Info button against an in-memory registry, a set of existing files and a program
// starter that records what it was asked to start: which path starts, or that the user is
// told the tool is unavailable, and that every registry key opened is closed again.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "about/frm_about.h"
#include "runtime/absolute_path.h"
#include "runtime/run_time_error.h"
#include "support/headless_program.h"
#include "support/memory_registry.h"

namespace quantaro::testing {
namespace {

using namespace std::string_literals;

const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string unavailable =
    "MsgBox(Quantaro,None):System Information Is Unavailable At This Time";

std::vector<std::byte> bytes(std::initializer_list<int> values) {
    std::vector<std::byte> result;
    for (int value : values) {
        result.push_back(static_cast<std::byte>(value));
    }
    return result;
}

// A Windows machine as the launcher sees it: registry, files on disk, and what got started.
// Like the system's own calls, the file test and the start read a path up to its first NUL.
struct Machine {
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>();
    std::set<std::string> files;
    std::set<std::string> startable;
    std::vector<std::string> started;

    SystemServices services() {
        SystemServices services;
        services.registry = registry;
        services.isAbsolutePath = [](const std::string& path) {
            return isAbsoluteWindowsPath(path);
        };
        services.isFile = [this](const std::string& path) { return files.count(path.c_str()) > 0; };
        services.startProgram = [this](const std::string& path) {
            if (startable.count(path.c_str()) == 0) {
                throw RunTimeError::fileNotFound();
            }
            started.push_back(path);
        };
        return services;
    }

    void expectEveryKeyClosedOnce() const {
        EXPECT_TRUE(registry->openKeys().empty());
        EXPECT_TRUE(registry->strayCloses().empty());
        for (const auto& opening : registry->openings()) {
            EXPECT_EQ(opening.access, registry::keyRead) << opening.path;
            if (opening.handle != 0) {
                EXPECT_EQ(registry->closeCount(opening.handle), 1) << opening.path;
            }
        }
    }
};

struct ValueCase {
    const char* name;
    std::function<void(MemoryRegistry&)> store;
    bool read;
    std::string text;
};

class GetKeyValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValue, ReadsTheValueAsTextOrReportsItUnread) {
    Machine machine;
    GetParam().store(*machine.registry);
    HeadlessProgram program(machine.services());
    std::string text;
    const bool read = program.application().form<frmAbout>().GetKeyValue(registry::localMachine,
                                                                         pathKey, "PATH", text);
    EXPECT_EQ(read, GetParam().read);
    EXPECT_EQ(text, GetParam().text);
    machine.expectEveryKeyClosedOnce();
}

auto text(const std::string& stored) {
    return
        [stored](MemoryRegistry& r) { r.setText(registry::localMachine, pathKey, "PATH", stored); };
}
auto value(std::uint32_t type, std::vector<std::byte> stored) {
    return [type, stored](MemoryRegistry& r) {
        r.setValue(registry::localMachine, pathKey, "PATH", type, stored);
    };
}

INSTANTIATE_TEST_SUITE_P(
    AboutWindow, GetKeyValue,
    ::
        testing::
            Values(
                ValueCase{"TextLosesItsTerminator", text("C:\\Tools\\msinfo32.exe\0"s), true,
                          "C:\\Tools\\msinfo32.exe"},
                ValueCase{"TextWithoutTerminatorKeepsEveryByte", text("C:\\msinfo32.exe"), true,
                          "C:\\msinfo32.exe"},
                ValueCase{"TextEndsAtItsFirstNul", text("abc\0\0"s), true, "abc"},
                ValueCase{"TextAfterANulIsNotPartOfIt", text("C:\\MSINFO32.EXE\0junk"s), true,
                          "C:\\MSINFO32.EXE"},
                ValueCase{"TextStartingWithANulIsEmpty", text("\0C:\\MSINFO32.EXE\0"s), true, ""},
                ValueCase{"TextOfOnlyATerminatorIsEmptyButRead", text("\0"s), true, ""},
                ValueCase{"TextFillingTheWholeBuffer", text(std::string(1023, 'x') + '\0'), true,
                          std::string(1023, 'x')},
                ValueCase{"TextLargerThanTheBufferIsUnread", text(std::string(1024, 'x') + '\0'),
                          false, ""},
                ValueCase{"AnEmptyValueIsUnread", value(registry::typeText, {}), false, ""},
                ValueCase{"NumberStoredLeastSignificantByteFirst",
                          value(registry::typeNumber, bytes({3, 2, 1, 0})), true, "66051"},
                ValueCase{"NumberZero", value(registry::typeNumber, bytes({0, 0, 0, 0})), true,
                          "0"},
                ValueCase{"LargestNumber", value(registry::typeNumber, bytes({255, 255, 255, 255})),
                          true, "4294967295"},
                ValueCase{
                    "ExpandableTextIsNoPathItCanUse", value(2, bytes({'a', 'b', 0})), false, ""},
                ValueCase{"MissingKey", [](MemoryRegistry&) {}, false, ""},
                ValueCase{
                    "MissingValue",
                    [](MemoryRegistry& r) { r.addKey(registry::localMachine, pathKey); }, false,
                    ""},
                ValueCase{
                    "RefusedKey",
                    [](MemoryRegistry& r) {
                        r.setText(registry::localMachine, pathKey, "PATH", "C:\\msinfo32.exe");
                        r.refuse(registry::localMachine, pathKey);
                    },
                    false, ""}),
    [](const auto& info) { return info.param.name; });

// What the two registry places hold, what lies on disk (the file test finds it), what the
// system would start, and what the click starts (nothing: the user is told it is unavailable).
struct Route {
    const char* name;
    std::vector<std::function<void(MemoryRegistry&)>> stored;
    std::set<std::string> files;
    std::set<std::string> startable;
    std::vector<std::string> started;
    int keysOpened;
};

class StartSysInfo : public ::testing::TestWithParam<Route> {};

TEST_P(StartSysInfo, StartsExactlyTheNamedToolOrSaysItIsUnavailable) {
    Machine machine;
    for (const auto& store : GetParam().stored) {
        store(*machine.registry);
    }
    machine.files = GetParam().files;
    machine.startable = GetParam().startable;
    HeadlessProgram program(machine.services());
    program.click("cmdAbout");
    const auto log = program.click("cmdSysInfo", "frmAbout");
    EXPECT_EQ(machine.started, GetParam().started);
    EXPECT_EQ(log, GetParam().started.empty() ? std::vector<std::string>{unavailable}
                                              : std::vector<std::string>{});
    EXPECT_EQ(static_cast<int>(machine.registry->openings().size()), GetParam().keysOpened);
    EXPECT_NE(program.backend.window("frmAbout"), nullptr) << "the About window stays open";
    machine.expectEveryKeyClosedOnce();
}

// The second place: the folder that holds the tool.
auto folder(const std::string& stored) {
    return [stored](MemoryRegistry& r) {
        r.setText(registry::localMachine, folderKey, "MSINFO", stored);
    };
}
void firstKeyOnly(MemoryRegistry& r) {
    r.addKey(registry::localMachine, pathKey);
}
void emptyFolder(MemoryRegistry& r) {
    r.setValue(registry::localMachine, folderKey, "MSINFO", registry::typeText, {});
}

const std::string tools = "C:\\Tools\\msinfo32.exe";
const std::string system32 = "C:\\Windows\\System32\\MSINFO32.EXE";
const std::string dTools = "D:\\Tools\\MSINFO32.EXE";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AboutWindow, StartSysInfo,
    ::testing::Values(
        Route{"FromThePathOfTheFirstPlace",
              {text(tools + '\0'), folder("C:\\Other\0"s)}, {}, {tools}, {tools}, 1},
        Route{"APathWithBlanksIsStartedAsItStands",
              {text("C:\\Program Files\\Common Files\\msinfo32.exe\0"s)}, {},
              {"C:\\Program Files\\Common Files\\msinfo32.exe"},
              {"C:\\Program Files\\Common Files\\msinfo32.exe"}, 1},
        Route{"FromTheFolderOfTheSecondPlace",
              {folder("C:\\Windows\\System32\0"s)}, {system32}, {system32}, {system32}, 2},
        Route{"TheSecondPlaceWhenTheFirstKeyHasNoPath",
              {firstKeyOnly, folder("D:\\Tools\0"s)}, {dTools}, {dTools}, {dTools}, 2},
        Route{"AFolderEndingInABackslashGetsASecondOne",
              {folder("D:\\Tools\\\0"s)}, {"D:\\Tools\\\\MSINFO32.EXE"},
              {"D:\\Tools\\\\MSINFO32.EXE"}, {"D:\\Tools\\\\MSINFO32.EXE"}, 2},
        Route{"TheSecondPlaceWhenTheFirstValueIsEmpty",
              {value(registry::typeText, {}), folder("D:\\Tools\0"s)}, {dTools}, {dTools},
              {dTools}, 2},
        Route{"TheSecondPlaceWhenTheFirstValueIsNoText",
              {value(2, bytes({'x', 0})), folder("D:\\Tools\0"s)}, {dTools}, {dTools}, {dTools},
              2},
        Route{"NeitherPlaceIsSet", {}, {}, {}, {}, 2},
        Route{"TheFolderDoesNotHoldTheTool", {folder("C:\\Windows\0"s)}, {}, {}, {}, 2},
        Route{"TheSecondPlaceIsEmpty", {emptyFolder}, {}, {}, {}, 2},
        // The first place is trusted without a file test, so a failed start is the end of it.
        Route{"ThePathOfTheFirstPlaceCannotBeStarted",
              {text("C:\\Windows\0"s), folder("C:\\Windows\\System32\0"s)}, {system32},
              {system32}, {}, 1},
        // Only a path with its drive or server is tested or started: the system would complete
        // any other from the current folder. The first place then counts as not found.
        Route{"AnEmptyPathInTheFirstPlaceCountsAsNotFound",
              {text("\0"s), folder("C:\\Windows\\System32\0"s)}, {system32}, {system32},
              {system32}, 2},
        Route{"ARelativePathInTheFirstPlaceCountsAsNotFound",
              {text("tools\\reltool.exe\0"s), folder("C:\\Windows\\System32\0"s)},
              {"tools\\reltool.exe", system32}, {"tools\\reltool.exe", system32}, {system32}, 2},
        Route{"ABareFileNameInTheFirstPlaceIsNotStarted",
              {text("msinfo32.exe\0"s)}, {"msinfo32.exe"}, {"msinfo32.exe"}, {}, 2},
        Route{"APathOnTheCurrentFolderOfADriveIsNotStarted",
              {text("C:msinfo32.exe\0"s)}, {"C:msinfo32.exe"}, {"C:msinfo32.exe"}, {}, 2},
        Route{"APathFromTheRootOfTheCurrentDriveIsNotStarted",
              {text("\\Tools\\msinfo32.exe\0"s)}, {"\\Tools\\msinfo32.exe"},
              {"\\Tools\\msinfo32.exe"}, {}, 2},
        Route{"ANumberInTheFirstPlaceIsNoPath",
              {value(registry::typeNumber, bytes({0x34, 0x12, 0, 0}))}, {"4660"}, {"4660"}, {},
              2},
        Route{"AToolOnAServerIsStarted",
              {text("\\\\server\\tools\\msinfo32.exe\0"s)}, {},
              {"\\\\server\\tools\\msinfo32.exe"}, {"\\\\server\\tools\\msinfo32.exe"}, 1},
        Route{"ARelativeFolderInTheSecondPlaceIsNotTested",
              {folder("Tools\0"s)}, {"Tools\\MSINFO32.EXE"}, {"Tools\\MSINFO32.EXE"}, {}, 2},
        // A text value ends at its first NUL, as the system reads it, before any other rule.
        Route{"APathWithJunkAfterANulStartsThePartBeforeIt",
              {text("C:\\Tools\\MSINFO32.EXE\0junk"s)}, {}, {"C:\\Tools\\MSINFO32.EXE"},
              {"C:\\Tools\\MSINFO32.EXE"}, 1},
        Route{"AFolderThatIsAProgramBeforeItsNulsIsNoFolder",
              {folder("C:\\evil.exe\0\0"s)}, {"C:\\evil.exe"}, {"C:\\evil.exe"}, {}, 2},
        Route{"AFolderEndingInTwoNulsStillHoldsTheTool",
              {folder("C:\\Tools\0\0"s)}, {"C:\\Tools\\MSINFO32.EXE"},
              {"C:\\Tools\\MSINFO32.EXE"}, {"C:\\Tools\\MSINFO32.EXE"}, 2}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(AboutWindow, RepeatsTheWholeLookupAtEverySystemInfoClick) {
    Machine machine;
    folder("C:\\Tools\0"s)(*machine.registry);
    machine.files = machine.startable = {"C:\\Tools\\MSINFO32.EXE"};
    HeadlessProgram program(machine.services());
    program.click("cmdAbout");
    program.click("cmdSysInfo", "frmAbout");
    program.click("cmdSysInfo", "frmAbout");
    EXPECT_EQ(machine.started.size(), 2u);
    EXPECT_EQ(machine.registry->openings().size(), 4u);
    machine.expectEveryKeyClosedOnce();
}

}  // namespace
}  // namespace quantaro::testing

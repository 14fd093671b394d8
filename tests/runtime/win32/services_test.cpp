// The Windows services for real, under Wine: the launcher reading Wine's own registry and
// starting Wine's own system-information tool, or a tool in a folder with blanks in its name;
// the file test; failed starts; and the decimal separator from the user's regional settings.
// Every registry value, file and setting a test makes is removed again.
#include <gtest/gtest.h>
// The tool-help header needs the Windows types before it.
// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "about/frm_about.h"
#include "runtime/application.h"
#include "runtime/run_time_error.h"
#include "runtime/user_locale.h"
#include "runtime/win32/win32_registry.h"
#include "runtime/win32/win32_text.h"
#include "support/headless_backend.h"

namespace quantaro::testing {
namespace {

const std::wstring toolPathKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::wstring toolFolderKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";
const std::wstring systemFolder = L"C:\\windows\\system32";
const std::string unavailable =
    "MsgBox(Quantaro,None):System Information Is Unavailable At This Time";

// Processes this test process started with this file name, ended as they are found.
int endStartedProcesses(const std::wstring& exeName) {
    int found = 0;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == GetCurrentProcessId() &&
            lstrcmpiW(entry.szExeFile, exeName.c_str()) == 0) {
            ++found;
            const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
            TerminateProcess(process, 0);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
    return found;
}

class SystemInfoUnderWine : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(hasValue(toolPathKey, L"PATH")) << "the prefix is not fresh";
        ASSERT_FALSE(hasValue(toolFolderKey, L"MSINFO")) << "the prefix is not fresh";
    }
    void TearDown() override { removeWhatWasSet(); }

    void removeWhatWasSet() {
        for (const auto& [key, name] : valuesSet_) {
            EXPECT_EQ(RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str()), 0);
        }
        for (auto key = keysMade_.rbegin(); key != keysMade_.rend(); ++key) {
            EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, key->c_str()), 0);
        }
        valuesSet_.clear();
        keysMade_.clear();
    }

    static bool hasValue(const std::wstring& key, const std::wstring& name) {
        return RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), RRF_RT_ANY, nullptr,
                            nullptr, nullptr) == ERROR_SUCCESS;
    }
    void setValue(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
        HKEY opened = nullptr;
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &opened, &disposition),
                  0);
        if (disposition == REG_CREATED_NEW_KEY) {
            keysMade_.push_back(key);
        }
        const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        EXPECT_EQ(RegSetValueExW(opened, name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(text.c_str()), bytes),
                  0);
        RegCloseKey(opened);
        valuesSet_.emplace_back(key, name);
    }
    // Presses System Info with the machine's real services; returns what the user was shown.
    std::vector<std::string> pressSystemInfo() {
        HeadlessBackend backend;
        Application application(backend, platformServices());
        application.form<frmAbout>().StartSysInfo();
        return backend.log;
    }

  private:
    std::vector<std::pair<std::wstring, std::wstring>> valuesSet_;
    std::vector<std::wstring> keysMade_;
};

TEST_F(SystemInfoUnderWine, StartsTheToolNamedInTheRegistryOrSaysItIsUnavailable) {
    using namespace std::string_literals;
    const struct {
        const char* situation;
        std::optional<std::wstring> toolPath;
        std::optional<std::wstring> toolFolder;
        bool starts;
        std::wstring currentFolder = L"C:\\";
    } cases[] = {
        {"the tool's path", systemFolder + L"\\msinfo32.exe", {}, true},
        {"only the tool's folder", {}, systemFolder, true},
        {"neither place", {}, {}, false},
        {"a folder as the tool's path", L"C:\\windows", {}, false},
        {"a path to nothing", L"C:\\windows\\no such tool.exe", {}, false},
        {"a folder without the tool", {}, L"C:\\windows", false},
        // What the current folder holds is never started.
        {"the tool's bare name", L"msinfo32.exe", {}, false, systemFolder},
        {"a relative path", L"system32\\msinfo32.exe", {}, false, L"C:\\windows"},
        {"a relative folder", {}, L"system32", false, L"C:\\windows"},
        // A text value ends at its first NUL.
        {"a program as the folder, before two NULs",
         {},
         systemFolder + L"\\msinfo32.exe\0"s,
         false},
        {"the folder, before two NULs", {}, systemFolder + L"\0"s, true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SetCurrentDirectoryW(c.currentFolder.c_str()));
        if (c.toolPath) {
            setValue(toolPathKey, L"PATH", *c.toolPath);
        }
        if (c.toolFolder) {
            setValue(toolFolderKey, L"MSINFO", *c.toolFolder);
        }
        const std::vector<std::string> shown = pressSystemInfo();
        EXPECT_EQ(endStartedProcesses(L"msinfo32.exe"), c.starts ? 1 : 0) << c.situation;
        EXPECT_EQ(shown,
                  c.starts ? std::vector<std::string>{} : std::vector<std::string>{unavailable})
            << c.situation;
        removeWhatWasSet();
    }
}

TEST_F(SystemInfoUnderWine, StartsExactlyTheFileWhosePathHasBlanks) {
    const char* tool = std::getenv("QUANTARO_MARKER_TOOL");
    ASSERT_NE(tool, nullptr) << "ctest names the marker tool";
    const std::wstring folder = L"C:\\Program Files\\Quantaro Test";
    const std::wstring path = folder + L"\\tool.exe";
    const std::wstring marker = folder + L"\\started.txt";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(CopyFileW(win32::wideFromUtf8(tool).c_str(), path.c_str(), FALSE));
    setValue(toolPathKey, L"PATH", path);

    EXPECT_TRUE(pressSystemInfo().empty());
    // The tool runs on its own; waiting here is for it to finish, not a measure of speed.
    for (int wait = 0; wait < 600 && GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++wait) {
        Sleep(50);
    }
    const HANDLE file = CreateFileW(marker.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "the tool did not start";
    wchar_t started[MAX_PATH + 3] = {};
    DWORD read = 0;
    ReadFile(file, started, sizeof started - sizeof(wchar_t), &read, nullptr);
    CloseHandle(file);
    // Quoted whole: the tool's argv[0] is its own path, blanks and all.
    EXPECT_EQ(std::wstring(started), L"\"" + path + L"\"");

    DeleteFileW(marker.c_str());
    DeleteFileW(path.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST(Registry, OpensTheLocalMachineThroughTheSystemsOwnHandle) {
    EXPECT_EQ(win32::rootHandleOf(registry::localMachine), HKEY_LOCAL_MACHINE);
}

TEST(FileTest, FindsOnlyFilesThatExist) {
    const struct {
        const char* path;
        bool isFile;
    } cases[] = {{"C:\\windows\\system32\\msinfo32.exe", true},
                 {"C:\\WINDOWS\\SYSTEM32\\MSINFO32.EXE", true},
                 {"C:\\windows\\system32", false},
                 {"C:\\windows\\system32\\no such file.exe", false},
                 {"", false},
                 {"msinfo32.exe", false}};
    SetCurrentDirectoryW(systemFolder.c_str());
    const SystemServices services = platformServices();
    for (const auto& c : cases) {
        EXPECT_EQ(services.isFile(c.path), c.isFile) << c.path;
    }
}

TEST(ProgramStart, RaisesARunTimeErrorWhenNothingCanBeStarted) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring text = std::wstring(folder) + L"quantaro not a program.txt";
    std::ofstream(text.c_str()) << "plain text\n";
    SetCurrentDirectoryW(systemFolder.c_str());
    const std::string cases[] = {"", "C:\\windows", "C:\\windows\\no such tool.exe",
                                 win32::utf8FromWide(text), "msinfo32.exe"};
    const SystemServices services = platformServices();
    for (const std::string& path : cases) {
        EXPECT_THROW(services.startProgram(path), RunTimeError) << path;
    }
    DeleteFileW(text.c_str());
}

TEST(DecimalSeparator, IsTheOneInTheUsersRegionalSettings) {
    wchar_t original[8] = {};
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, original, 8), 0);
    for (const std::wstring separator : {L",", L".", L"\u066B"}) {
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator.c_str()));
        EXPECT_EQ(userDecimalSeparator(), win32::utf8FromWide(separator));
        EXPECT_EQ(platformServices().decimalSeparator, win32::utf8FromWide(separator));
    }
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, original);
}

}  // namespace
}  // namespace quantaro::testing

// Fuzz target: the System Info button against an in-memory registry whose two places hold
// whatever the input says (missing or refused keys, values of any type, size and bytes), on a
// machine with or without the files they name, under the Windows and the POSIX path rules.
// Every key opened is closed exactly once; the user sees either a started tool or the one
// message; only an absolute path without NUL that names a file is ever started, and a folder
// from the second place only after the file test found the tool in it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "about/frm_about.h"
#include "runtime/absolute_path.h"
#include "runtime/run_time_error.h"
#include "support/headless_program.h"
#include "support/memory_registry.h"

namespace {

using namespace quantaro;
using quantaro::testing::HeadlessProgram;
using quantaro::testing::MemoryRegistry;

const std::string unavailable =
    "MsgBox(Quantaro,None):System Information Is Unavailable At This Time";

struct Place {
    const char* key;
    const char* value;
};
const Place places[] = {{"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"},
                        {"SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"}};

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Bytes a user could plausibly have stored, or anything at all.
std::vector<std::byte> valueBytes(FuzzedDataProvider& input) {
    const char* const likely[] = {"C:\\Windows\\System32", "C:\\Tools\\MSINFO32.EXE",
                                  "\\\\server\\share",     "/usr/bin/tool",
                                  "tools\\reltool.exe",    "msinfo32.exe"};
    std::string text;
    if (input.ConsumeBool()) {
        text = input.PickValueInArray(likely);
    }
    text += input.ConsumeRandomLengthString(1100);
    std::vector<std::byte> bytes;
    for (char c : text) {
        bytes.push_back(static_cast<std::byte>(c));
    }
    return bytes;
}

void storePlace(FuzzedDataProvider& input, MemoryRegistry& registry, const Place& place) {
    switch (input.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            return;  // no key
        case 1:
            registry.addKey(registry::localMachine, place.key);
            break;
        default: {
            const std::uint32_t types[] = {registry::typeText, registry::typeNumber, 2, 7};
            const std::uint32_t type = input.ConsumeBool() ? input.PickValueInArray(types)
                                                           : input.ConsumeIntegral<std::uint32_t>();
            registry.setValue(registry::localMachine, place.key, place.value, type,
                              valueBytes(input));
        }
    }
    if (input.ConsumeIntegralInRange<int>(0, 7) == 0) {
        registry.refuse(registry::localMachine, place.key);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto registry = std::make_shared<MemoryRegistry>();
    for (const Place& place : places) {
        storePlace(input, *registry, place);
    }
    const bool windows = input.ConsumeBool();
    // Which paths the machine holds as files: some a place may name, and random ones.
    std::set<std::string> files;
    while (input.remaining_bytes() > 0 && input.ConsumeBool()) {
        files.insert(input.ConsumeRandomLengthString(64));
    }
    const bool everyPathIsAFile = input.ConsumeBool();

    std::set<std::string> fileTested;
    std::vector<std::string> started;
    SystemServices services;
    services.registry = registry;
    services.isAbsolutePath = [windows](const std::string& path) {
        return windows ? isAbsoluteWindowsPath(path) : isAbsolutePosixPath(path);
    };
    const auto exists = [&](const std::string& path) {
        return everyPathIsAFile || files.count(path) > 0;
    };
    services.isFile = [&](const std::string& path) {
        require(services.isAbsolutePath(path));
        if (exists(path)) {
            fileTested.insert(path);
            return true;
        }
        return false;
    };
    services.startProgram = [&](const std::string& path) {
        require(services.isAbsolutePath(path));
        if (!exists(path)) {
            throw RunTimeError::fileNotFound();
        }
        started.push_back(path);
    };

    HeadlessProgram program(services);
    program.click("cmdAbout");
    const auto log = program.click("cmdSysInfo", "frmAbout");

    // One outcome, never both and never neither.
    require(started.size() <= 1);
    require(started.empty() ? log == std::vector<std::string>{unavailable} : log.empty());
    // A tool from the second place was found there by the file test first.
    if (!started.empty() && registry->openings().size() == 2) {
        require(fileTested.count(started.front()) == 1);
    }
    for (const std::string& path : started) {
        require(path.find('\0') == std::string::npos);
        require(windows ? isAbsoluteWindowsPath(path) : isAbsolutePosixPath(path));
    }
    // Every key opened is closed exactly once, and nothing else is closed.
    require(registry->openKeys().empty());
    require(registry->strayCloses().empty());
    for (const auto& opening : registry->openings()) {
        require(opening.handle == 0 || registry->closeCount(opening.handle) == 1);
    }
    return 0;
}

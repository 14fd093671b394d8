// The System Info button: find the system-information tool through two registry places and
// start it. Every way this can fail ends in the same one message to the user.
#include <algorithm>
#include <array>
#include <cstddef>

#include "about/frm_about.h"
#include "runtime/run_time_error.h"
#include "runtime/system_tool_place.h"

namespace quantaro {

namespace {

constexpr const char* unavailable = "System Information Is Unavailable At This Time";

constexpr std::size_t valueBufferSize = 1024;

// A 32-bit number arrives least significant byte first; the decimal digits are what a path
// made of it can hold. Wider data than the number's four bytes cannot be one.
std::string decimalFromLittleEndian(std::span<const std::byte> bytes) {
    if (bytes.size() > 4) {
        throw RunTimeError::overflow();
    }
    std::uint32_t number = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        number = (number << 8) | std::to_integer<std::uint32_t>(bytes[i]);
    }
    return std::to_string(number);
}

// A key of the registry, open for reading from its making to its end, so it is closed on every
// way out, an error passing through included. A key that would not open needs no close.
struct OpenedKey {
    OpenedKey(Registry& registry, RegistryKey root, const std::string& path)
        : registry(registry),
          open(registry.openKey(root, path, registry::keyRead, key) == registry::success) {}
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey() {
        if (open) {
            registry.closeKey(key);
        }
    }

    Registry& registry;
    RegistryKey key = 0;
    const bool open;
};

// The value's bytes as the text of a path: a text value as it stands, a number in decimal
// digits. Anything else is nothing the launcher could start.
bool readValue(const Registry& registry, std::uint32_t type, std::span<const std::byte> bytes,
               std::string& text) {
    switch (type) {
        case registry::typeText: {
            // The system reads a text value up to its first NUL, and so does the launcher;
            // otherwise it would check one path while the file test and the start, which stop
            // at the NUL, act on another.
            const auto end = std::find(bytes.begin(), bytes.end(), std::byte{0});
            text =
                registry.textFromBytes(bytes.first(static_cast<std::size_t>(end - bytes.begin())));
            return true;
        }
        case registry::typeNumber:
            // One terminating zero byte is not part of the number.
            if (bytes.back() == std::byte{0}) {
                bytes = bytes.first(bytes.size() - 1);
            }
            text = decimalFromLittleEndian(bytes);
            return true;
        default:
            return false;
    }
}

}  // namespace

void frmAbout::StartSysInfo() {
    const SystemServices& system = application().services();
    try {
        std::string SysInfoPath;
        // A place holds a path only when it names its place on its own: the system would
        // complete any other one with whatever the current folder is, and start what it finds
        // there. So a relative path, a bare file name or a number counts as not found.
        const auto found = [&](const char* key, const char* value) {
            SysInfoPath.clear();
            return GetKeyValue(registry::localMachine, key, value, SysInfoPath) &&
                   system.isAbsolutePath(SysInfoPath);
        };
        // The first place names the tool itself and is trusted as it stands.
        if (!found(system_tool::pathKey, system_tool::pathValue)) {
            // The second names its folder, which must really hold the tool.
            if (!found(system_tool::folderKey, system_tool::folderValue) ||
                !system.isFile(SysInfoPath + system_tool::fileInFolder)) {
                application().msgBox(unavailable, msgbox::okOnly);
                return;
            }
            SysInfoPath += system_tool::fileInFolder;
        }
        system.startProgram(SysInfoPath);
    } catch (const RunTimeError&) {
        // Whatever went wrong, the user learns only that the tool cannot be started now.
        application().msgBox(unavailable, msgbox::okOnly);
    }
}

bool frmAbout::GetKeyValue(RegistryKey KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
    const OpenedKey key(*application().services().registry, KeyRoot, KeyName);
    std::array<std::byte, valueBufferSize> data{};
    std::uint32_t type = 0;
    std::uint32_t size = valueBufferSize;
    if (!key.open ||
        key.registry.queryValue(key.key, SubKeyRef, type, data, size) != registry::success ||
        size == 0 || size > data.size()) {
        KeyVal.clear();
        return false;
    }
    return readValue(key.registry, type, std::span<const std::byte>(data.data(), size), KeyVal);
}

}  // namespace quantaro

// The registry stand-in that knows where the system-information program is.
#include "runtime/posix/system_tool_registry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "runtime/system_tool_place.h"

namespace quantaro {

namespace {

// The only key there is; zero stands for none.
constexpr RegistryKey toolKey = 1;

// A regular file (or a link to one) this user may run.
bool isProgram(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

SystemToolRegistry::SystemToolRegistry(std::vector<std::string> programs,
                                       std::vector<std::string> folders)
    : programs_(std::move(programs)), folders_(std::move(folders)) {}

std::vector<std::string> SystemToolRegistry::wellKnownPrograms() {
    return {"kinfocenter", "hardinfo2", "hardinfo"};
}

std::vector<std::string> SystemToolRegistry::searchFolders(const char* pathVariable) {
    std::vector<std::string> folders;
    const std::string path = pathVariable != nullptr ? pathVariable : "";
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find(':', start), path.size());
        const std::string folder = path.substr(start, end - start);
        if (folder.starts_with('/')) {
            folders.push_back(folder);
        }
        start = end + 1;
    }
    return folders;
}

std::string SystemToolRegistry::findProgram() const {
    for (const std::string& program : programs_) {
        for (const std::string& folder : folders_) {
            const std::string path = folder + (folder.ends_with('/') ? "" : "/") + program;
            if (isProgram(path)) {
                return path;
            }
        }
    }
    return {};
}

RegistryStatus SystemToolRegistry::openKey(RegistryKey root, const std::string& path, std::uint32_t,
                                           RegistryKey& key) {
    // A caller that closes whatever it got back must not close a handle left from before.
    key = 0;
    if (root != registry::localMachine || path != system_tool::pathKey) {
        return registry::fileNotFound;
    }
    found_ = findProgram();
    if (found_.empty()) {
        return registry::fileNotFound;
    }
    key = toolKey;
    return registry::success;
}

// Written as the registry writes text: the bytes and one terminating zero.
RegistryStatus SystemToolRegistry::queryValue(RegistryKey key, const std::string& valueName,
                                              std::uint32_t& type, std::span<std::byte> data,
                                              std::uint32_t& size) {
    if (key != toolKey || valueName != system_tool::pathValue) {
        return registry::fileNotFound;
    }
    const std::size_t needed = found_.size() + 1;
    size = static_cast<std::uint32_t>(needed);
    type = registry::typeText;
    if (needed > data.size()) {
        return registry::moreData;
    }
    std::memcpy(data.data(), found_.c_str(), needed);
    return registry::success;
}

// The one key is no resource of the system's, so there is nothing to release.
void SystemToolRegistry::closeKey(RegistryKey) {}

}  // namespace quantaro

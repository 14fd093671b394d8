// The registry on systems that have none. It holds one value: the first location the launcher
// reads, "SOFTWARE\Microsoft\Shared Tools\MSINFO" value "PATH", names the first well-known
// system-information program installed in the search path, looked for afresh at each open.
// Every other key is missing, and so is that one when no such program is installed. It does not
// look for a configuration file to stand in for the registry.
#pragma once

#include <string>
#include <vector>

#include "runtime/registry.h"

namespace quantaro {

class SystemToolRegistry final : public Registry {
  public:
    // Programs by name, in order of preference, looked for in these folders in their order.
    SystemToolRegistry(std::vector<std::string> programs, std::vector<std::string> folders);

    RegistryStatus openKey(RegistryKey root, const std::string& path, std::uint32_t access,
                           RegistryKey& key) override;
    RegistryStatus queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              std::span<std::byte> data, std::uint32_t& size) override;
    void closeKey(RegistryKey key) override;

    // Well-known system-information programs: KDE's, then HardInfo's two generations.
    static std::vector<std::string> wellKnownPrograms();
    // The absolute folders of a PATH value; empty and relative entries would make the result
    // depend on the current folder, so they are left out.
    static std::vector<std::string> searchFolders(const char* pathVariable);

  private:
    std::string findProgram() const;

    std::vector<std::string> programs_;
    std::vector<std::string> folders_;
    // The path found when the key was last opened, read by queryValue.
    std::string found_;
};

}  // namespace quantaro

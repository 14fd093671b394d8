// The registry on systems that have none: every key is missing, so the launcher takes its
// "unavailable" way. It does not look for a configuration file to stand in for the registry.
#pragma once

#include "runtime/registry.h"

namespace quantaro {

class NoRegistry final : public Registry {
  public:
    RegistryStatus openKey(RegistryKey root, const std::string& path, std::uint32_t access,
                           RegistryKey& key) override;
    RegistryStatus queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              std::span<std::byte> data, std::uint32_t& size) override;
    void closeKey(RegistryKey key) override;
};

}  // namespace quantaro

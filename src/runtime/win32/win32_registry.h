// The machine's registry through advapi32's ANSI functions, which are the ones the launcher's
// key and value names are written for. It opens, queries and closes; it never writes.
#pragma once

#include <windows.h>

#include "runtime/registry.h"

namespace quantaro::win32 {

// The handle RegOpenKeyExA takes for a root key the program names by its number.
HKEY rootHandleOf(RegistryKey root);

class Win32Registry final : public Registry {
  public:
    RegistryStatus openKey(RegistryKey root, const std::string& path, std::uint32_t access,
                           RegistryKey& key) override;
    RegistryStatus queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              std::span<std::byte> data, std::uint32_t& size) override;
    void closeKey(RegistryKey key) override;
    // The A functions hand text over in the ANSI code page; the program reads UTF-8.
    std::string textFromBytes(std::span<const std::byte> bytes) const override;
};

}  // namespace quantaro::win32

// The machine's registry as the launcher reads it: open a key, query one value into a byte
// buffer, close the key, with the status codes of the operating system. On Windows this is
// advapi32; elsewhere a stand-in that has no keys; in tests an in-memory registry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace quantaro {

using RegistryKey = std::uintptr_t;
using RegistryStatus = std::int32_t;

namespace registry {
inline constexpr RegistryKey localMachine = 0x80000002;
inline constexpr std::uint32_t keyRead = 0x20019;
inline constexpr RegistryStatus success = 0;
inline constexpr RegistryStatus fileNotFound = 2;
inline constexpr RegistryStatus accessDenied = 5;
inline constexpr RegistryStatus moreData = 234;
inline constexpr std::uint32_t typeText = 1;
inline constexpr std::uint32_t typeNumber = 4;
}  // namespace registry

class Registry {
  public:
    virtual ~Registry() = default;
    virtual RegistryStatus openKey(RegistryKey root, const std::string& path, std::uint32_t access,
                                   RegistryKey& key) = 0;
    // On success writes the value's type and its byte count, and the bytes into data. A value
    // larger than data fails with moreData.
    virtual RegistryStatus queryValue(RegistryKey key, const std::string& valueName,
                                      std::uint32_t& type, std::span<std::byte> data,
                                      std::uint32_t& size) = 0;
    virtual void closeKey(RegistryKey key) = 0;

    // Text values arrive in the system's ANSI code page; this turns their bytes into the
    // program's UTF-8 text. Without a code page of its own a registry passes them through.
    virtual std::string textFromBytes(std::span<const std::byte> bytes) const {
        return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
    }
};

}  // namespace quantaro

// An in-memory registry for tests: keys and values set up by the test, keys that refuse to
// open, and a record of every open and close so a test can hold the launcher to closing each
// key it opened exactly once. Queries behave like RegQueryValueExA into the caller's buffer.
// It does not model subkeys opened relative to other keys, security or value enumeration.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "runtime/registry.h"

namespace quantaro::testing {

class MemoryRegistry final : public Registry {
  public:
    // What Windows answers for a handle that is not open (ERROR_INVALID_HANDLE).
    static constexpr RegistryStatus invalidHandle = 6;

    struct Opening {
        RegistryKey root;
        std::string path;
        std::uint32_t access;
        RegistryStatus status;
        RegistryKey handle;  // 0 when the key did not open
    };

    // Key paths and value names match regardless of letter case, as in the real registry.
    void addKey(RegistryKey root, const std::string& path);
    void setValue(RegistryKey root, const std::string& path, const std::string& name,
                  std::uint32_t type, std::vector<std::byte> bytes);
    // A text value stored as exactly these bytes: with one terminating zero, none or several,
    // as different writers of the registry leave them.
    void setText(RegistryKey root, const std::string& path, const std::string& name,
                 const std::string& bytesIncludingAnyTerminators);
    // The key exists, but opening it is denied to this user.
    void refuse(RegistryKey root, const std::string& path);

    RegistryStatus openKey(RegistryKey root, const std::string& path, std::uint32_t access,
                           RegistryKey& key) override;
    RegistryStatus queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              std::span<std::byte> data, std::uint32_t& size) override;
    void closeKey(RegistryKey key) override;

    // Every open asked for, in order, the failed ones included.
    const std::vector<Opening>& openings() const { return openings_; }
    // Handles given out and not yet closed.
    std::vector<RegistryKey> openKeys() const;
    // How often this handle was passed to closeKey, stray closes included.
    int closeCount(RegistryKey handle) const;
    // Closes of a handle that was not open at the time: a second close, or one never opened.
    const std::vector<RegistryKey>& strayCloses() const { return strayCloses_; }

  private:
    struct Value {
        std::uint32_t type;
        std::vector<std::byte> bytes;
    };
    struct Key {
        bool refused = false;
        std::map<std::string, Value> values;  // by name in lower case
    };
    using KeyPlace = std::pair<RegistryKey, std::string>;  // root and path in lower case

    static KeyPlace placeOf(RegistryKey root, const std::string& path);

    std::map<KeyPlace, Key> keys_;
    std::map<RegistryKey, KeyPlace> open_;
    std::map<RegistryKey, int> closeCounts_;
    std::vector<RegistryKey> strayCloses_;
    std::vector<Opening> openings_;
    // Far from the predefined roots, so a handle is never mistaken for one.
    RegistryKey nextHandle_ = 0x1000;
};

}  // namespace quantaro::testing

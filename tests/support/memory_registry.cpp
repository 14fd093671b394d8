// The in-memory registry for tests: a map of keys to values, and the bookkeeping of handles.
#include "support/memory_registry.h"

#include <algorithm>
#include <cctype>

namespace quantaro::testing {

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char letter) { return static_cast<char>(std::tolower(letter)); });
    return text;
}

}  // namespace

MemoryRegistry::KeyPlace MemoryRegistry::placeOf(RegistryKey root, const std::string& path) {
    return {root, lowerCase(path)};
}

void MemoryRegistry::addKey(RegistryKey root, const std::string& path) {
    keys_[placeOf(root, path)];
}

void MemoryRegistry::setValue(RegistryKey root, const std::string& path, const std::string& name,
                              std::uint32_t type, std::vector<std::byte> bytes) {
    keys_[placeOf(root, path)].values[lowerCase(name)] = Value{type, std::move(bytes)};
}

void MemoryRegistry::setText(RegistryKey root, const std::string& path, const std::string& name,
                             const std::string& bytesIncludingAnyTerminators) {
    std::vector<std::byte> bytes(bytesIncludingAnyTerminators.size());
    std::transform(bytesIncludingAnyTerminators.begin(), bytesIncludingAnyTerminators.end(),
                   bytes.begin(), [](char letter) { return static_cast<std::byte>(letter); });
    setValue(root, path, name, registry::typeText, std::move(bytes));
}

void MemoryRegistry::refuse(RegistryKey root, const std::string& path) {
    keys_[placeOf(root, path)].refused = true;
}

RegistryStatus MemoryRegistry::openKey(RegistryKey root, const std::string& path,
                                       std::uint32_t access, RegistryKey& key) {
    const auto found = keys_.find(placeOf(root, path));
    RegistryStatus status = registry::success;
    if (found == keys_.end()) {
        status = registry::fileNotFound;
    } else if (found->second.refused) {
        status = registry::accessDenied;
    }
    // Like the real call, a failed open leaves no handle behind that could be closed by mistake.
    key = status == registry::success ? nextHandle_++ : 0;
    if (status == registry::success) {
        open_.emplace(key, found->first);
    }
    openings_.push_back({root, path, access, status, key});
    return status;
}

RegistryStatus MemoryRegistry::queryValue(RegistryKey key, const std::string& valueName,
                                          std::uint32_t& type, std::span<std::byte> data,
                                          std::uint32_t& size) {
    const auto open = open_.find(key);
    if (open == open_.end()) {
        return invalidHandle;
    }
    const Key& place = keys_.at(open->second);
    const auto value = place.values.find(lowerCase(valueName));
    if (value == place.values.end()) {
        return registry::fileNotFound;
    }
    const std::vector<std::byte>& bytes = value->second.bytes;
    size = static_cast<std::uint32_t>(bytes.size());
    if (bytes.size() > data.size()) {
        // The buffer's contents are undefined after moreData; filling it with the start of the
        // value makes a caller that reads it anyway show a plausible, wrong result.
        std::copy_n(bytes.begin(), data.size(), data.begin());
        return registry::moreData;
    }
    std::copy(bytes.begin(), bytes.end(), data.begin());
    type = value->second.type;
    return registry::success;
}

void MemoryRegistry::closeKey(RegistryKey key) {
    ++closeCounts_[key];
    if (open_.erase(key) == 0) {
        strayCloses_.push_back(key);
    }
}

std::vector<RegistryKey> MemoryRegistry::openKeys() const {
    std::vector<RegistryKey> handles;
    for (const auto& [handle, place] : open_) {
        handles.push_back(handle);
    }
    return handles;
}

int MemoryRegistry::closeCount(RegistryKey handle) const {
    const auto found = closeCounts_.find(handle);
    return found == closeCounts_.end() ? 0 : found->second;
}

}  // namespace quantaro::testing

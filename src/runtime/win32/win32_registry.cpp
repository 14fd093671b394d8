// RegOpenKeyExA, RegQueryValueExA and RegCloseKey with the program's UTF-8 names converted to the
// ANSI code page on the way in, as every A function expects.
#include "runtime/win32/win32_registry.h"

#include <windows.h>

#include "runtime/win32/win32_text.h"

namespace quantaro::win32 {

namespace {

HKEY handleOf(RegistryKey key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

// The predefined roots are 32-bit numbers that the Windows headers sign-extend into a 64-bit
// handle; the system's own constant is passed, not the number widened with zeros.
HKEY rootHandleOf(RegistryKey root) {
    return root == registry::localMachine ? HKEY_LOCAL_MACHINE : handleOf(root);
}

RegistryStatus Win32Registry::openKey(RegistryKey root, const std::string& path,
                                      std::uint32_t access, RegistryKey& key) {
    HKEY opened = nullptr;
    const LSTATUS status =
        RegOpenKeyExA(rootHandleOf(root), ansiFromUtf8(path).c_str(), 0, access, &opened);
    key = reinterpret_cast<RegistryKey>(opened);
    return status;
}

RegistryStatus Win32Registry::queryValue(RegistryKey key, const std::string& valueName,
                                         std::uint32_t& type, std::span<std::byte> data,
                                         std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD byteCount = static_cast<DWORD>(data.size());
    const LSTATUS status =
        RegQueryValueExA(handleOf(key), ansiFromUtf8(valueName).c_str(), nullptr, &valueType,
                         reinterpret_cast<BYTE*>(data.data()), &byteCount);
    type = valueType;
    size = byteCount;
    return status;
}

// Closing is the last thing done with a key; a failure here has no one left to tell.
void Win32Registry::closeKey(RegistryKey key) {
    RegCloseKey(handleOf(key));
}

std::string Win32Registry::textFromBytes(std::span<const std::byte> bytes) const {
    return utf8FromAnsi({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

}  // namespace quantaro::win32

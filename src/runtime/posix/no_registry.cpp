// The registry on systems that have none: no key can be opened, so no value can be read.
#include "runtime/posix/no_registry.h"

namespace quantaro {

RegistryStatus NoRegistry::openKey(RegistryKey, const std::string&, std::uint32_t,
                                   RegistryKey& key) {
    // A caller that closes whatever it got back must not close a handle left from before.
    key = 0;
    return registry::fileNotFound;
}

RegistryStatus NoRegistry::queryValue(RegistryKey, const std::string&, std::uint32_t&,
                                      std::span<std::byte>, std::uint32_t&) {
    return registry::fileNotFound;
}

// Nothing was ever opened, so there is nothing to release.
void NoRegistry::closeKey(RegistryKey) {}

}  // namespace quantaro

// Reading and answering the resolution messages' pointers only where they point at memory of
// this process.
#include "runtime/win32/win32_resolution_message.h"

#include <cstring>

namespace quantaro::win32 {

namespace {

constexpr DWORD readableProtection = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                     PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                                     PAGE_EXECUTE_WRITECOPY;
constexpr DWORD writableProtection =
    PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

// Whether these bytes lie in committed memory of this process with this protection. A pointer
// of another process's, or a stray number, fails this; a pointer at the wrong object of this
// process cannot be told apart, and its contents are checked where they are used.
bool isMemoryOfOurs(LPARAM address, std::size_t size, DWORD protection) {
    if (address == 0) {
        return false;
    }
    const auto* first = reinterpret_cast<const char*>(address);
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(first, &region, sizeof region) != sizeof region ||
        region.State != MEM_COMMIT || (region.Protect & protection) == 0 ||
        (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0) {
        return false;
    }
    const auto* end = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    return size <= static_cast<std::size_t>(end - first);
}

}  // namespace

std::optional<POINT> suggestedTopLeft(LPARAM suggested) {
    if (!isMemoryOfOurs(suggested, sizeof(RECT), readableProtection)) {
        return std::nullopt;
    }
    RECT place;
    std::memcpy(&place, reinterpret_cast<const void*>(suggested), sizeof place);
    if (place.right <= place.left || place.bottom <= place.top) {
        return std::nullopt;
    }
    return POINT{place.left, place.top};
}

bool isSizeToFill(LPARAM size) {
    return isMemoryOfOurs(size, sizeof(SIZE), writableProtection);
}

void fillSize(LPARAM size, SIZE answer) {
    std::memcpy(reinterpret_cast<void*>(size), &answer, sizeof answer);
}

}  // namespace quantaro::win32

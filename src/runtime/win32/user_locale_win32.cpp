// Windows source of the user's decimal separator: the number format chosen in the user's
// regional settings, read once at start-up.
#include <windows.h>

#include "runtime/user_locale.h"
#include "runtime/win32/win32_text.h"

namespace quantaro {

std::string userDecimalSeparator() {
    // Windows allows at most three characters plus the terminator here.
    wchar_t separator[4] = {};
    const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    // A user setting that cannot be read is no reason to refuse to start; "." stands in.
    if (written <= 1) {
        return ".";
    }
    return win32::utf8FromWide(std::wstring_view(separator, static_cast<std::size_t>(written - 1)));
}

}  // namespace quantaro

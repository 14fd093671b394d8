// POSIX source of the user's decimal separator: the LC_NUMERIC setting from the environment.
#include <langinfo.h>
#include <locale.h>

#include "runtime/user_locale.h"

namespace quantaro {

std::string userDecimalSeparator() {
    // A private locale object reads LC_ALL, LC_NUMERIC and LANG just as setlocale would, without
    // changing the process locale that libraries and other threads rely on.
    const locale_t numeric = newlocale(LC_NUMERIC_MASK, "", locale_t{});
    // Users often carry a LANG from another machine whose locale was never generated here; that
    // is not worth refusing to start over, so "." stands in.
    if (numeric == locale_t{}) {
        return ".";
    }
    const char* radix = nl_langinfo_l(RADIXCHAR, numeric);
    std::string separator = radix != nullptr ? radix : "";
    freelocale(numeric);
    return separator.empty() ? "." : separator;
}

}  // namespace quantaro

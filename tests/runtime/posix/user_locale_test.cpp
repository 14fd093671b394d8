// The user's decimal separator on Linux: it follows the locale variables in their usual order
// of precedence and falls back to a point for any locale this machine has not generated.
#include "runtime/user_locale.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace quantaro {
namespace {

// Saves and restores the locale variables, so each case starts from a known environment.
class LocaleEnvironment {
  public:
    LocaleEnvironment() {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
    }
    ~LocaleEnvironment() {
        for (std::size_t i = 0; i < saved_.size(); ++i) {
            if (saved_[i]) {
                setenv(kNames[i], saved_[i]->c_str(), 1);
            } else {
                unsetenv(kNames[i]);
            }
        }
    }
    void set(const char* name, const char* value) {
        if (value) {
            setenv(name, value, 1);
        }
    }

  private:
    static constexpr const char* kNames[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    std::vector<std::optional<std::string>> saved_;
};

bool isGerman(const char* value) {
    return value && std::string(value) == "de_DE.UTF-8";
}

bool germanIsInstalled() {
    const locale_t german = newlocale(LC_NUMERIC_MASK, "de_DE.UTF-8", locale_t{});
    if (german == locale_t{}) {
        return false;
    }
    freelocale(german);
    return true;
}

TEST(UserDecimalSeparator, FollowsTheEnvironmentAndFallsBackToAPointForUnknownLocales) {
    struct Row {
        const char* lcAll;
        const char* lcNumeric;
        const char* lang;
    };
    const Row table[] = {{nullptr, nullptr, nullptr},
                         {nullptr, nullptr, "C"},
                         {nullptr, nullptr, ""},
                         {nullptr, nullptr, "C.UTF-8"},
                         {nullptr, nullptr, "xx_YY.UTF-8"},
                         {nullptr, nullptr, "../../../../etc/passwd"},
                         {nullptr, nullptr, "de_DE.UTF-8"},
                         {nullptr, "xx_YY", "C"},
                         {"garbage\xFF", nullptr, "C"},
                         // Precedence: LC_ALL over LC_NUMERIC over LANG.
                         {"C", "de_DE.UTF-8", "de_DE.UTF-8"},
                         {nullptr, "C", "de_DE.UTF-8"},
                         {nullptr, "de_DE.UTF-8", "C"},
                         {"de_DE.UTF-8", "C", "C"}};
    const bool german = germanIsInstalled();
    for (const Row& row : table) {
        LocaleEnvironment environment;
        environment.set("LC_ALL", row.lcAll);
        environment.set("LC_NUMERIC", row.lcNumeric);
        environment.set("LANG", row.lang);
        const char* chosen = row.lcAll ? row.lcAll : row.lcNumeric ? row.lcNumeric : row.lang;
        SCOPED_TRACE(chosen ? chosen : "(nothing set)");
        EXPECT_EQ(userDecimalSeparator(), german && isGerman(chosen) ? "," : ".");
    }
}

}  // namespace
}  // namespace quantaro

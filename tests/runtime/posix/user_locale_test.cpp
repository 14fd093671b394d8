// The user's decimal separator on Linux: it follows the locale variables in their usual order
// of precedence and falls back to a point for any locale this machine has not generated; and
// the program's services carry each real locale's own separator. The test set-up
// (scripts/install-deps.sh test) generates the locales used here.
#include "runtime/user_locale.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "runtime/system_services.h"

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

bool isInstalled(const std::string& name) {
    const locale_t locale = newlocale(LC_NUMERIC_MASK, name.c_str(), locale_t{});
    if (locale == locale_t{}) {
        return false;
    }
    freelocale(locale);
    return true;
}

const char* shown(const char* value) {
    return value ? value : "(unset)";
}

TEST(UserDecimalSeparator, FollowsTheEnvironmentAndFallsBackToAPointForUnknownLocales) {
    struct Row {
        const char* lcAll;
        const char* lcNumeric;
        const char* lang;
        const char* separator;
    };
    const Row table[] = {{nullptr, nullptr, nullptr, "."},
                         {nullptr, nullptr, "C", "."},
                         {nullptr, nullptr, "", "."},
                         {nullptr, nullptr, "C.UTF-8", "."},
                         {nullptr, nullptr, "xx_YY.UTF-8", "."},
                         {nullptr, nullptr, "../../../../etc/passwd", "."},
                         {nullptr, nullptr, "de_DE.UTF-8", ","},
                         {nullptr, "xx_YY", "C", "."},
                         {"garbage\xFF", nullptr, "C", "."},
                         // Precedence: LC_ALL over LC_NUMERIC over LANG.
                         {"C", "de_DE.UTF-8", "de_DE.UTF-8", "."},
                         {nullptr, "C", "de_DE.UTF-8", "."},
                         {nullptr, "de_DE.UTF-8", "C", ","},
                         {"de_DE.UTF-8", "C", "C", ","}};
    ASSERT_TRUE(isInstalled("de_DE.UTF-8")) << "run scripts/install-deps.sh test to generate it";
    for (const Row& row : table) {
        LocaleEnvironment environment;
        environment.set("LC_ALL", row.lcAll);
        environment.set("LC_NUMERIC", row.lcNumeric);
        environment.set("LANG", row.lang);
        SCOPED_TRACE(std::string("LC_ALL=") + shown(row.lcAll) +
                     " LC_NUMERIC=" + shown(row.lcNumeric) + " LANG=" + shown(row.lang));
        EXPECT_EQ(userDecimalSeparator(), row.separator);
    }
}

// The program's start takes its services, the separator among them, from the environment it
// was started in, whatever the locale's separator is made of.
TEST(PlatformServices, GiveTheSeparatorOfTheLocaleTheProgramStartedIn) {
    const struct {
        const char* locale;
        std::string separator;
    } table[] = {{"de_DE.UTF-8", ","},     {"fr_FR.UTF-8", ","}, {"sv_SE.UTF-8", ","},
                 {"fi_FI.UTF-8", ","},     {"ru_RU.UTF-8", ","}, {"tr_TR.UTF-8", ","},
                 {"pt_BR.UTF-8", ","},     {"hi_IN.UTF-8", "."}, {"ja_JP.UTF-8", "."},
                 {"ar_SA.UTF-8", "."},     {"fa_IR.UTF-8", "."}, {"en_US.UTF-8", "."},
                 {"ps_AF.UTF-8", "\u066B"}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.locale);
        ASSERT_TRUE(isInstalled(row.locale)) << "run scripts/install-deps.sh test to generate it";
        LocaleEnvironment environment;
        environment.set("LANG", row.locale);
        EXPECT_EQ(platformServices().decimalSeparator, row.separator);
    }
}

}  // namespace
}  // namespace quantaro

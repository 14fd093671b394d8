// The application's fixed facts: its title, which also captions every message box, and its
// version. The executable's version record carries the same numbers.
#pragma once

#include <string_view>

namespace quantaro::app {

inline constexpr std::string_view Title = "Quantaro";
inline constexpr int Major = 1;
inline constexpr int Minor = 0;
inline constexpr int Revision = 0;

}  // namespace quantaro::app

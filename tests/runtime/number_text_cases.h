// What the number <-> text tests share: the decimal separators under test, tables written with
// "." and turned into each of them, and the run-time error a conversion raised.
#pragma once

#include <gtest/gtest.h>
#include <locale.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/run_time_error.h"

namespace quantaro::number_cases {

inline const std::string kArabicSeparator = "\u066B";  // two bytes in UTF-8
inline const std::vector<std::string> kSeparators = {".", ",", kArabicSeparator};

inline const int kTypeMismatch = RunTimeError::typeMismatch().number();
inline const int kOverflow = RunTimeError::overflow().number();

// The tables are written with "."; each separator under test replaces it.
inline std::string withSeparator(std::string text, const std::string& separator) {
    for (std::size_t point = text.find('.'); point != std::string::npos;
         point = text.find('.', point + separator.size())) {
        text.replace(point, 1, separator);
    }
    return text;
}

inline std::string zeros(std::size_t count) {
    return std::string(count, '0');
}

template <typename Action>
std::optional<int> errorNumberOf(Action action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return std::nullopt;
}

inline std::uint64_t bitsOf(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// The C library references read and write "." only while the process stays in the "C" locale.
inline void expectCLocale() {
    ASSERT_STREQ(localeconv()->decimal_point, ".") << "something called setlocale";
}

}  // namespace quantaro::number_cases

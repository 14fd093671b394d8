// Throughput of the number <-> text conversions, which run for every value a form shows or
// reads. Prints nanoseconds per conversion for random doubles of every magnitude and for the
// short amounts forms mostly hold, with a one-byte and a multi-byte decimal separator.
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "runtime/number_text.h"

namespace {

using quantaro::numberFromText;
using quantaro::textFromNumber;

constexpr std::size_t kValueCount = 200'000;
constexpr int kRounds = 5;

// Results are summed into this so the optimiser cannot drop the conversions.
volatile double sink = 0;

std::vector<double> randomBitPatterns(std::mt19937_64& random) {
    std::vector<double> values;
    while (values.size() < kValueCount) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    return values;
}

std::vector<double> everydayAmounts(std::mt19937_64& random) {
    std::vector<double> values;
    for (std::size_t i = 0; i < kValueCount; ++i) {
        values.push_back(static_cast<double>(random() % 10'000'000) / 100.0);
    }
    return values;
}

// Best of several rounds, so a busy machine disturbs the figure as little as possible.
template <typename Conversion>
double nanosecondsPerConversion(Conversion convert) {
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const double total = convert();
        const auto stop = std::chrono::steady_clock::now();
        sink = sink + total;
        best = std::min(best, std::chrono::duration<double, std::nano>(stop - start).count());
    }
    return best / kValueCount;
}

void measure(const char* name, const std::vector<double>& values, const std::string& separator,
             const char* separatorName) {
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (double value : values) {
        texts.push_back(textFromNumber(value, separator));
    }
    const double writing = nanosecondsPerConversion([&] {
        double total = 0;
        for (double value : values) {
            total += static_cast<double>(textFromNumber(value, separator).size());
        }
        return total;
    });
    const double reading = nanosecondsPerConversion([&] {
        double total = 0;
        for (const std::string& text : texts) {
            total += numberFromText(text, separator);
        }
        return total;
    });
    std::printf("%-22s %-8s textFromNumber %7.1f ns   numberFromText %7.1f ns\n", name,
                separatorName, writing, reading);
}

}  // namespace

int main() {
    std::mt19937_64 random(42);
    const std::vector<double> patterns = randomBitPatterns(random);
    const std::vector<double> amounts = everydayAmounts(random);
    const std::pair<std::string, const char*> separators[] = {
        {".", "\".\""}, {",", "\",\""}, {"\u066B", "U+066B"}};
    for (const auto& [separator, separatorName] : separators) {
        measure("random bit patterns", patterns, separator, separatorName);
        measure("amounts (2 decimals)", amounts, separator, separatorName);
    }
    return 0;
}

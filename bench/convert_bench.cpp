// Prints how long one Convert takes end to end on the headless runtime: the click, the unit
// dispatch, twelve colours and six reads, parses, formats and writes of box texts.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "support/headless_program.h"

namespace {

using Clock = std::chrono::steady_clock;

double nanosecondsPerConvert(quantaro::testing::HeadlessProgram& program, const char* value,
                             const char* unit, int repetitions) {
    program.control("txtUnit").type(value);
    program.control("cboUnit").choose(unit);
    quantaro::testing::HeadlessWindow& window = program.window("frmMain");
    const auto start = Clock::now();
    for (int i = 0; i < repetitions; ++i) {
        program.backend.log.clear();
        window.click("cmdConvert");
    }
    const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
    return elapsed.count() / repetitions;
}

}  // namespace

int main() {
    quantaro::testing::HeadlessProgram program;
    constexpr int repetitions = 200000;
    constexpr int rounds = 5;
    struct Case {
        const char* value;
        const char* unit;
    };
    for (const Case& c : {Case{"1", "Terrabytes (TB)"}, Case{"8796093022208", "Bits"},
                          Case{"134365.109748157", "Megabytes (MB)"}}) {
        std::vector<double> samples;
        for (int round = 0; round < rounds; ++round) {
            samples.push_back(nanosecondsPerConvert(program, c.value, c.unit, repetitions));
        }
        std::sort(samples.begin(), samples.end());
        std::printf("convert %-18s %-16s median %7.0f ns  (min %7.0f ns, %d rounds of %d)\n",
                    c.value, c.unit, samples[rounds / 2], samples.front(), rounds, repetitions);
    }
}

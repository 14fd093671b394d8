// Fuzz target: the converter window on the headless back end, driven by a run of typed values
// and chosen units. After any conversion every read-out box is empty, the text the user
// entered, or a number that reads back to the same text; no box spells infinity or NaN; and
// after a conversion that failed, the next valid one shows exactly what a fresh program shows.
// The report of a failure stays one short line, whatever was typed.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/number_text.h"
#include "runtime/run_time_error.h"
#include "support/headless_program.h"

namespace {

using namespace quantaro;
using quantaro::testing::HeadlessProgram;

const std::array<std::string, 6> readOuts = {"txtBits",      "txtBytes",     "txtKillobytes",
                                             "txtMegabytes", "txtGigabytes", "txtTerrabytes"};
// The six units, then no unit: the list offers nothing else to choose.
const std::array<std::string, 7> units = {
    "Bits", "Bytes", "Killobytes (KB)", "Megabytes (MB)", "Gigabytes (GB)", "Terrabytes (TB)", ""};
const std::array<std::string, 3> separators = {".", ",", "\u066B"};

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

SystemServices servicesWith(const std::string& separator) {
    SystemServices services;
    services.decimalSeparator = separator;
    return services;
}

bool spellsInfinityOrNaN(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(c | 0x20);
    }
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

bool readsBack(const std::string& text, const std::string& separator) {
    try {
        return textFromNumber(numberFromText(text, separator), separator) == text;
    } catch (const RunTimeError&) {
        return false;
    }
}

// Whether the conversion that left this log wrote the box.
bool wrote(const std::vector<std::string>& log, const std::string& box) {
    for (const std::string& entry : log) {
        if (entry.starts_with(box + ".Text=")) {
            return true;
        }
    }
    return false;
}

void checkBoxes(HeadlessProgram& program, const std::vector<std::string>& log,
                const std::array<std::string, 6>& before, const std::string& entered,
                const std::string& separator) {
    // A conversion that ran writes every box, emptying those it could not fill; only the two
    // warnings leave the boxes as they were.
    bool ranARoutine = false;
    for (const std::string& box : readOuts) {
        ranARoutine = ranARoutine || wrote(log, box);
    }
    for (std::size_t i = 0; i < readOuts.size(); ++i) {
        const std::string text = program.control(readOuts[i]).text();
        const bool holds =
            text.empty() ||
            (wrote(log, readOuts[i])
                 ? text == entered || (!spellsInfinityOrNaN(text) && readsBack(text, separator))
                 : !ranARoutine && text == before[i]);
        if (!holds) {
            std::fprintf(stderr, "%s shows \"%s\" after \"%s\" was entered\n", readOuts[i].c_str(),
                         text.c_str(), entered.c_str());
            std::abort();
        }
    }
}

// The typed text is cut at 40 characters, each written in at most six bytes (an escaped one
// takes six); the rest of the line is the title, the icon and two short sentences.
constexpr std::size_t longestReport = 320;

bool failed(const std::vector<std::string>& log) {
    for (const std::string& entry : log) {
        if (entry.starts_with("MsgBox(Quantaro,Critical)")) {
            const bool oneShortLine = entry.size() < longestReport &&
                                      std::none_of(entry.begin(), entry.end(), [](char c) {
                                          return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
                                      });
            if (!oneShortLine) {
                std::fprintf(stderr, "the report reads %s\n", entry.c_str());
                std::abort();
            }
            return true;
        }
    }
    return false;
}

// A value every unit converts without error: up to ten digits, maybe with a fraction.
std::string validValue(FuzzedDataProvider& input, const std::string& separator) {
    std::string text = std::to_string(input.ConsumeIntegral<std::uint32_t>());
    if (input.ConsumeBool()) {
        text += separator + std::to_string(input.ConsumeIntegralInRange<int>(0, 999));
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string separator = input.PickValueInArray(separators);
    HeadlessProgram program(servicesWith(separator));
    for (int step = 0; step < 16 && input.remaining_bytes() > 0; ++step) {
        const std::string unit = input.PickValueInArray(units);
        const std::string typed = input.ConsumeRandomLengthString(48);
        std::array<std::string, 6> before;
        for (std::size_t i = 0; i < readOuts.size(); ++i) {
            before[i] = program.control(readOuts[i]).text();
        }
        const auto log = program.convert(typed, unit);
        checkBoxes(program, log, before, typed, separator);
        if (!failed(log)) {
            continue;
        }
        const std::string value = validValue(input, separator);
        const std::string validUnit = units[input.ConsumeIntegralInRange<std::size_t>(0, 5)];
        program.convert(value, validUnit);
        HeadlessProgram fresh(servicesWith(separator));
        fresh.convert(value, validUnit);
        for (const std::string& box : readOuts) {
            require(program.control(box).text() == fresh.control(box).text());
            require(program.control(box).backColor() == fresh.control(box).backColor());
        }
    }
    return 0;
}

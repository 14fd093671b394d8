// The converter window's behaviour on the headless back end: the unit list, the six
// conversion routines with their write order, the warnings and the run-time errors.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "runtime/colour.h"
#include "runtime/run_time_error.h"
#include "support/headless_program.h"

namespace quantaro::testing {
namespace {

using Log = std::vector<std::string>;

const std::array<std::string, 6> readOuts = {"txtBits",      "txtBytes",     "txtKillobytes",
                                             "txtMegabytes", "txtGigabytes", "txtTerrabytes"};

std::vector<std::string> textsOf(HeadlessProgram& program) {
    std::vector<std::string> texts;
    for (const auto& box : readOuts) {
        texts.push_back(program.control(box).text());
    }
    return texts;
}

Log textWrites(const Log& log) {
    Log writes;
    for (const auto& entry : log) {
        if (entry.find(".Text=") != std::string::npos) {
            writes.push_back(entry);
        }
    }
    return writes;
}

struct Example {
    const char* name;
    std::string value;
    std::string unit;
    std::vector<std::string> expected;  // bits to terrabytes
};

class WorkedExamples : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExamples, FillEveryBoxFromItsNeighbour) {
    HeadlessProgram program;
    program.convert(GetParam().value, GetParam().unit);
    EXPECT_EQ(textsOf(program), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ConverterWindow, WorkedExamples,
    ::testing::Values(
        Example{"OneTerrabyte",
                "1",
                "Terrabytes (TB)",
                {"8796093022208", "1099511627776", "1073741824", "1048576", "1024", "1"}},
        Example{"AllThoseBitsAreOneTerrabyte",
                "8796093022208",
                "Bits",
                {"8796093022208", "1099511627776", "1073741824", "1048576", "1024", "1"}},
        Example{"TheTypedTextIsCopiedUnchanged",
                "0080",
                "Bits",
                {"0080", "10", "0.009765625", "9.5367431640625E-06", "9.31322574615479E-09",
                 "9.09494701772929E-12"}},
        Example{"NegativeValuesKeepTheirSign",
                "-1",
                "Gigabytes (GB)",
                {"-8589934592", "-1073741824", "-1048576", "-1024", "-1", "-0.0009765625"}},
        Example{"ExponentFormIsReadBackByTheNextStep",
                "1.5E+200",
                "Terrabytes (TB)",
                {"1.3194139533312E+213", "1.649267441664E+212", "1.610612736E+209", "1.572864E+206",
                 "1.536E+203", "1.5E+200"}},
        // Small figures stay positional while at most 15 digits follow the separator; an
        // exact tie at the 15th digit (2.384185791015625E-07) is rounded up, and the next box
        // is computed from the rounded figure.
        Example{"SmallFiguresInTheirShortestPositionalForm",
                "32",
                "Bytes",
                {"256", "32", "0.03125", "0.000030517578125", "2.98023223876953E-08",
                 "2.91038304567337E-11"}},
        Example{"ExactTiesAreRoundedUp",
                "2",
                "Bits",
                {"2", "0.25", "0.000244140625", "2.38418579101563E-07", "2.3283064365387E-10",
                 "2.27373675443232E-13"}},
        // A box far along the chain is computed from its shortened neighbour, so it differs
        // in its last digit from a direct conversion of the input (1.52755444273859E-08).
        Example{"EachStepReadsTheShownDigits",
                "134365.109748157",
                "Bits",
                {"134365.109748157", "16795.6387185196", "16.4019909360543", "0.0160175692734905",
                 "1.56421574936431E-05", "1.52755444273858E-08"}}),
    [](const auto& info) { return info.param.name; });

// Each routine's six writes, in order, for the value 3: the order and the source of every
// write show in the figures (bits computed from bytes, not from kilobytes, and so on).
struct WriteOrder {
    const char* name;
    std::string unit;
    std::string entered;
    Log writes;
};

class EveryRoutine : public ::testing::TestWithParam<WriteOrder> {};

TEST_P(EveryRoutine, WritesItsSixBoxesInItsOwnOrder) {
    HeadlessProgram program;
    EXPECT_EQ(textWrites(program.convert("3", GetParam().unit)), GetParam().writes);
}

// The boxes start with no description, so only the entered box's reaches the back end.
TEST_P(EveryRoutine, SetsAllColoursAndDescriptionsBeforeAnyTextAndMarksOnlyTheEnteredBox) {
    HeadlessProgram program;
    const Log log = program.convert("3", GetParam().unit);
    const std::string& entered = GetParam().entered;
    Log colours;
    for (const auto& box : readOuts) {
        const bool highlighted = box == entered;
        colours.push_back(box + (highlighted ? ".BackColor=000000FF" : ".BackColor=8000000F"));
        colours.push_back(box + (highlighted ? ".ForeColor=0000FFFF" : ".ForeColor=80000012"));
        if (highlighted) {
            colours.push_back(box + ".Description=Entered value");
        }
    }
    ASSERT_GE(log.size(), colours.size());
    EXPECT_EQ(Log(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(colours.size())), colours);
}

// A failure at any write stops the routine there: the colours and the earlier writes stand,
// every box the routine had not written yet is emptied (none keeps a figure of the previous
// conversion), and the user is told.
TEST_P(EveryRoutine, StopsAtAFailingWriteKeepsWhatCameBeforeAndEmptiesTheRest) {
    for (std::size_t failing = 0; failing < 6; ++failing) {
        HeadlessProgram program;
        program.convert("5", GetParam().unit);
        std::size_t writesSeen = 0;
        program.backend.beforeSetText = [&](const std::string&, const std::string&) {
            if (writesSeen++ == failing) {
                throw RunTimeError::overflow();
            }
        };
        const Log log = program.convert("3", GetParam().unit);
        Log expectedWrites(GetParam().writes.begin(), GetParam().writes.begin() + failing);
        for (std::size_t later = failing; later < 6; ++later) {
            const std::string& write = GetParam().writes[later];
            expectedWrites.push_back(write.substr(0, write.find('=') + 1));
        }
        EXPECT_EQ(textWrites(log), expectedWrites) << "failing write " << failing + 1;
        EXPECT_EQ(log.back(), "MsgBox(Quantaro,Critical):Overflow");
    }
}

INSTANTIATE_TEST_SUITE_P(
    ConverterWindow, EveryRoutine,
    ::testing::Values(
        WriteOrder{
            "SubBits",
            "Bits",
            "txtBits",
            {"txtBits.Text=3", "txtBytes.Text=0.375", "txtKillobytes.Text=0.0003662109375",
             "txtMegabytes.Text=3.57627868652344E-07", "txtGigabytes.Text=3.49245965480805E-10",
             "txtTerrabytes.Text=3.41060513164849E-13"}},
        WriteOrder{
            "SubBytes",
            "Bytes",
            "txtBytes",
            {"txtBits.Text=24", "txtBytes.Text=3", "txtKillobytes.Text=0.0029296875",
             "txtMegabytes.Text=2.86102294921875E-06", "txtGigabytes.Text=2.79396772384644E-09",
             "txtTerrabytes.Text=2.72848410531879E-12"}},
        WriteOrder{"SubKillobytes",
                   "Killobytes (KB)",
                   "txtKillobytes",
                   {"txtKillobytes.Text=3", "txtBytes.Text=3072", "txtBits.Text=24576",
                    "txtMegabytes.Text=0.0029296875", "txtGigabytes.Text=2.86102294921875E-06",
                    "txtTerrabytes.Text=2.79396772384644E-09"}},
        WriteOrder{"SubMegabytes",
                   "Megabytes (MB)",
                   "txtMegabytes",
                   {"txtMegabytes.Text=3", "txtKillobytes.Text=3072", "txtBytes.Text=3145728",
                    "txtBits.Text=25165824", "txtGigabytes.Text=0.0029296875",
                    "txtTerrabytes.Text=2.86102294921875E-06"}},
        WriteOrder{"SubGigabytes",
                   "Gigabytes (GB)",
                   "txtGigabytes",
                   {"txtGigabytes.Text=3", "txtMegabytes.Text=3072", "txtKillobytes.Text=3145728",
                    "txtBytes.Text=3221225472", "txtBits.Text=25769803776",
                    "txtTerrabytes.Text=0.0029296875"}},
        WriteOrder{"SubTerrabytes",
                   "Terrabytes (TB)",
                   "txtTerrabytes",
                   {"txtTerrabytes.Text=3", "txtGigabytes.Text=3072", "txtMegabytes.Text=3145728",
                    "txtKillobytes.Text=3221225472", "txtBytes.Text=3298534883328",
                    "txtBits.Text=26388279066624"}}),
    [](const auto& info) { return info.param.name; });

struct Refusal {
    const char* name;
    std::string value;
    std::string unit;
};

class ConvertRefuses : public ::testing::TestWithParam<Refusal> {};

// Which warning and where the focus goes are the conformance suite's, for every back end; here,
// that a refused conversion leaves the earlier figures and their highlight as they were.
TEST_P(ConvertRefuses, WithAWarningAndAFocusMoveAndNothingElse) {
    HeadlessProgram program;
    program.convert("5", "Bits");
    const std::vector<std::string> before = textsOf(program);
    const Log log = program.convert(GetParam().value, GetParam().unit);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log.front().rfind("MsgBox(Quantaro,Exclamation):", 0), 0u) << log.front();
    EXPECT_NE(log.back().find(".SetFocus"), std::string::npos) << log.back();
    EXPECT_EQ(textsOf(program), before);
    EXPECT_EQ(program.control("txtBits").backColor(), colours::red);
}

INSTANTIATE_TEST_SUITE_P(
    ConverterWindow, ConvertRefuses,
    ::testing::Values(Refusal{"NoUnitChosen", "12", ""}, Refusal{"NoUnitAndNoValue", "", ""},
                      Refusal{"NoValueAfterAnEarlierConversion", "", "Megabytes (MB)"}),
    [](const auto& info) { return info.param.name; });

struct Failure {
    const char* name;
    std::string value;
    std::string unit;
    std::vector<std::string> texts;  // of the six read-out boxes afterwards
    std::string message;
};

class ConvertFails : public ::testing::TestWithParam<Failure> {};

// Each case follows a conversion of 1 TB, whose figures must not survive the failure.
TEST_P(ConvertFails, AtTheFirstStepThatCannotBeDoneAndTheProgramGoesOn) {
    HeadlessProgram program;
    program.convert("1", "Terrabytes (TB)");
    const Log log = program.convert(GetParam().value, GetParam().unit);
    EXPECT_EQ(textsOf(program), GetParam().texts);
    EXPECT_EQ(log.back(), "MsgBox(Quantaro,Critical):" + GetParam().message);
    EXPECT_EQ(program.backend.quitCount, 0);
    program.convert("1", "Terrabytes (TB)");
    EXPECT_EQ(program.control("txtBits").text(), "8796093022208");
}

INSTANTIATE_TEST_SUITE_P(
    ConverterWindow, ConvertFails,
    ::testing::Values(
        Failure{"LettersAsBytes",
                "abc",
                "Bytes",
                {"", "", "", "", "", ""},
                "Type mismatch: \"abc\" is not a number."},
        Failure{"LettersAsBits",
                "abc",
                "Bits",
                {"abc", "", "", "", "", ""},
                "Type mismatch: \"abc\" is not a number."},
        Failure{"BlanksOnlyAreCopiedFirst",
                "   ",
                "Gigabytes (GB)",
                {"", "", "", "", "   ", ""},
                "Type mismatch: \"   \" is not a number."},
        Failure{"BlanksOnlyAsBytesCopyNothing",
                "   ",
                "Bytes",
                {"", "", "", "", "", ""},
                "Type mismatch: \"   \" is not a number."},
        Failure{"BeyondTheDoubleRange",
                "2E+308",
                "Bits",
                {"2E+308", "", "", "", "", ""},
                "Overflow: \"2E+308\" is too large."},
        // Only multiplying steps can leave the double range; no box may ever show infinity.
        Failure{"AProductBeyondTheDoubleRange",
                "1E+300",
                "Terrabytes (TB)",
                {"", "", "", "1.048576E+306", "1.024E+303", "1E+300"},
                "Overflow: the result is too large."},
        Failure{"AMegabyteFigureBeyondTheRangeOfBits",
                "1E306",
                "Megabytes (MB)",
                {"", "", "", "1E306", "", ""},
                "Overflow: the result is too large."},
        Failure{"TheLargestDoubleTimesEight",
                "1.79769313486231E+308",
                "Bytes",
                {"", "", "", "", "", ""},
                "Overflow: the result is too large."},
        // The product is a double, but its 15-digit text would lie beyond the largest one.
        Failure{"AProductWhoseTextCouldNotBeReadBack",
                "2.2471164185778946E307",
                "Bytes",
                {"", "", "", "", "", ""},
                "Overflow: the result is too large."}),
    [](const auto& info) { return info.param.name; });

TEST(ConverterWindowInAnotherLocale, ReadsAndWritesTheUsersDecimalSeparator) {
    SystemServices services;
    services.decimalSeparator.assign(1, ',');
    HeadlessProgram program(services);
    program.convert("1,5", "Killobytes (KB)");
    EXPECT_EQ(textsOf(program),
              (std::vector<std::string>{"12288", "1536", "1,5", "0,00146484375",
                                        "1,43051147460938E-06", "1,39698386192322E-09"}));
    // A point is no decimal separator here: the first write fails and nothing stands.
    program.convert("1.5", "Bytes");
    EXPECT_EQ(textsOf(program), std::vector<std::string>(6, ""));
}

}  // namespace
}  // namespace quantaro::testing

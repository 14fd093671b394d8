// The two halves of the conformance suite: what every back end must do, the headless double
// included, and what only a real window system shows (keys, pixels, geometry, stacking). Each
// test starts the program on the back end under test; a table row that needs a fresh program
// restarts it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "conformance/program_driver.h"

namespace quantaro::testing {

template <class Driver>
class OnEachBackEnd : public ::testing::TestWithParam<DriverMaker<Driver>> {
  protected:
    void SetUp() override { restart(); }
    void TearDown() override { program.reset(); }
    void restart() {
        program.reset();
        program = this->GetParam().start();
    }
    long windowCount(std::string_view form) {
        const auto open = program->windows();
        return std::count(open.begin(), open.end(), form);
    }
    bool isOpen(std::string_view form) { return windowCount(form) > 0; }

    std::unique_ptr<Driver> program;
};

using EveryBackEnd = OnEachBackEnd<ProgramDriver>;
using EveryWindowSystem = OnEachBackEnd<WindowDriver>;

inline const std::vector<std::string> unitEntries = {
    "Bits", "Bytes", "Killobytes (KB)", "Megabytes (MB)", "Gigabytes (GB)", "Terrabytes (TB)"};
inline const std::vector<std::string> readOutBoxes = {
    "txtBits", "txtBytes", "txtKillobytes", "txtMegabytes", "txtGigabytes", "txtTerrabytes"};

template <class Driver>
void PrintTo(const DriverMaker<Driver>& maker, std::ostream* out) {
    *out << maker.name;
}
template <class Driver>
std::string driverName(const ::testing::TestParamInfo<DriverMaker<Driver>>& info) {
    return info.param.name;
}

}  // namespace quantaro::testing

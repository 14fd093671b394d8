// The resolutions a window is laid out for on every back end: those a system gives a screen,
// any other held to the nearest of them.
#include "runtime/accepted_dpi.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace quantaro {
namespace {

TEST(AcceptedResolutions, AreTheScreensOwnFrom100To500PercentAndTheNearestOfThemOtherwise) {
    const struct {
        int reported;
        int accepted;
    } whole[] = {{INT_MIN, 96}, {-96, 96},  {0, 96},    {95, 96},     {96, 96},
                 {144, 144},    {480, 480}, {481, 480}, {65535, 480}, {INT_MAX, 480}};
    for (const auto& [reported, accepted] : whole) {
        EXPECT_EQ(acceptedDpi(reported), accepted) << reported;
    }
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double reported;
        double accepted;
    } fractional[] = {
        {-infinity, 96}, {95.9, 96},      {96.0, 96},
        {110.5, 110.5},  {479.9, 479.9},  {480.1, 480},
        {1e300, 480},    {infinity, 480}, {std::numeric_limits<double>::quiet_NaN(), 96}};
    for (const auto& [reported, accepted] : fractional) {
        EXPECT_EQ(acceptedDpi(reported), accepted) << reported;
    }
}

}  // namespace
}  // namespace quantaro

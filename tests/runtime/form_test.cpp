// The forms runtime's own rules, on a small form of the tests' own: names the program gets
// wrong are refused when they are registered, and errors are reported at one boundary.
#include "runtime/form.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>

#include "runtime/application.h"
#include "runtime/layout_check.h"
#include "runtime/run_time_error.h"
#include "support/headless_backend.h"

namespace quantaro::testing {
namespace {

constexpr ControlLayout controls[] = {
    {"txtValue", ControlKind::TextBox, "", "", 0, 0, 900, 300, 0},
    {"cmdGo", ControlKind::Button, "", "Go", 0, 400, 900, 300, 1},
};
static_assert(checkLayout(controls));
const FormLayout testLayout{"frmTest", "Test", Border::FixedSingle, true, 1000, 800, controls};

class frmTest : public Form {
  public:
    explicit frmTest(Application& application) : Form(application, testLayout) {}
    using Form::onClick;
};

TEST(FormNames, AClickHandlerForNoButtonOfTheFormIsRefusedWhenRegistered) {
    HeadlessBackend backend;
    Application application(backend, {});
    frmTest& form = application.form<frmTest>();
    for (const char* name : {"cmdGoo", "txtValue", ""}) {
        try {
            form.onClick(name, [] {});
            ADD_FAILURE() << "took a handler for " << name;
        } catch (const std::logic_error& error) {
            EXPECT_EQ(std::string(error.what()).find("frmTest." + std::string(name)), 0u)
                << error.what();
        }
    }
    EXPECT_NO_THROW(form.onClick("cmdGo", [] {}));
}

TEST(FormNames, AControlReferenceToNoControlOfTheFormIsRefusedWhenMade) {
    HeadlessBackend backend;
    Application application(backend, {});
    frmTest& form = application.form<frmTest>();
    EXPECT_THROW(ControlRef(form, "txtValeu"), std::logic_error);
    EXPECT_NO_THROW(ControlRef(form, "txtValue"));
    EXPECT_FALSE(form.isLoaded()) << "refusing a name loads nothing";
}

struct Escaping {
    const char* name;
    std::function<void()> handler;
    std::string message;  // the start of the message box's log line
    int quits;
    int exitStatus;
};

class AnErrorLeavingAHandler : public ::testing::TestWithParam<Escaping> {};

TEST_P(AnErrorLeavingAHandler, IsReportedAtTheDispatchBoundary) {
    HeadlessBackend backend;
    Application application(backend, {});
    frmTest& form = application.form<frmTest>();
    form.onClick("cmdGo", GetParam().handler);
    form.Show();
    backend.log.clear();
    backend.window("frmTest")->click("cmdGo");
    ASSERT_FALSE(backend.log.empty());
    EXPECT_EQ(backend.log.front().rfind(GetParam().message, 0), 0u) << backend.log.front();
    EXPECT_EQ(backend.quitCount, GetParam().quits);
    EXPECT_EQ(backend.exitStatus, GetParam().exitStatus);
    EXPECT_EQ(form.isLoaded(), GetParam().quits == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Runtime, AnErrorLeavingAHandler,
    ::testing::Values(Escaping{"ARunTimeErrorIsToldAndTheProgramGoesOn",
                               [] { throw RunTimeError::overflow(); },
                               "MsgBox(Quantaro,Critical):Overflow", 0, 0},
                      Escaping{"AnyOtherErrorIsToldAndEndsTheProgramWithAFailure",
                               [] { throw std::runtime_error("the disk is on fire"); },
                               "MsgBox(Quantaro,Critical):Quantaro met an error", 1, EXIT_FAILURE},
                      Escaping{"SoDoesAnExceptionOfNoKnownKind", [] { throw 42; },
                               "MsgBox(Quantaro,Critical):Quantaro met an error", 1, EXIT_FAILURE}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quantaro::testing

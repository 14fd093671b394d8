// The forms runtime's own rules, on a small form of the tests' own: names the program gets
// wrong are refused when they are registered.
#include "runtime/form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "runtime/application.h"
#include "runtime/layout_check.h"
#include "support/headless_backend.h"

namespace quantaro::testing {
namespace {

// clang-format off
constexpr ControlLayout controls[] = {
    {.name = "txtValue", .kind = ControlKind::TextBox,
     .left = 0, .top = 0, .width = 900, .height = 300, .tabIndex = 0},
    {.name = "cmdGo", .kind = ControlKind::Button, .caption = "Go",
     .left = 0, .top = 400, .width = 900, .height = 300, .tabIndex = 1},
};
// clang-format on
static_assert(checkLayout(controls));
const FormLayout testLayout{.name = "frmTest",
                            .caption = "Test",
                            .border = Border::FixedSingle,
                            .showInTaskbar = true,
                            .clientWidth = 1000,
                            .clientHeight = 800,
                            .controls = controls};

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

}  // namespace
}  // namespace quantaro::testing

// The converter window: its unit list, its three buttons and the six conversion routines.
// It holds no value of its own; every number lives in the text of a box.
#pragma once

#include <span>
#include <string_view>

#include "runtime/application.h"
#include "runtime/form.h"

namespace quantaro {

class frmMain : public Form {
  public:
    static const FormLayout layout;

    explicit frmMain(Application& application);

    void cmdConvert_Click();
    void cmdAbout_Click();
    void cmdExit_Click();

    void SubBits();
    void SubBytes();
    void SubKillobytes();
    void SubMegabytes();
    void SubGigabytes();
    void SubTerrabytes();

    // The unit list, in the order the user sees it, with the routine each entry runs.
    struct Unit {
        std::string_view text;
        void (frmMain::*routine)();
    };
    static const Unit units[6];

  protected:
    void Form_Load() override;
    Application& application() { return application_; }

  private:
    Application& application_;
    // The six read-out boxes in chain order, then the value box the user types into.
    enum class Box { Bits, Bytes, Killobytes, Megabytes, Gigabytes, Terrabytes, Value };
    static constexpr int readOutBoxes = 6;
    enum class Operation { Copy, Multiply, Divide };
    // One box written from another: a copy of its text, or its number times or over a factor.
    // The row that copies the value box names the box of the entered unit.
    struct Write {
        Box target;
        Box source;
        Operation operation;
        double factor;
    };
    using Writes = std::span<const Write, readOutBoxes>;

    void convert(Writes writes);
    void markEntered(Box entered);
    void perform(const Write& write);
    Control& box(Box which);

    ControlRef cboUnit{*this, "cboUnit"};
    ControlRef txtUnit{*this, "txtUnit"};
    // Indexed by Box.
    const ControlRef boxes_[readOutBoxes + 1] = {
        {*this, "txtBits"},      {*this, "txtBytes"},     {*this, "txtKillobytes"},
        {*this, "txtMegabytes"}, {*this, "txtGigabytes"}, {*this, "txtTerrabytes"},
        {*this, "txtUnit"},
    };
};

}  // namespace quantaro

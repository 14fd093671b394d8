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

  private:
    // The read-out boxes in chain order, then the value box as the source of the first write.
    enum class Box { Bits, Bytes, Killobytes, Megabytes, Gigabytes, Terrabytes, Unit };
    enum class Operation { Copy, Multiply, Divide };
    struct Write {
        Box target;
        Box source;
        Operation operation;
        double factor;
    };
    using Writes = std::span<const Write, 6>;

    void convert(Box entered, Writes writes);
    void perform(const Write& write);
    ControlRef& box(Box which);

    ControlRef cboUnit{*this, "cboUnit"};
    ControlRef txtUnit{*this, "txtUnit"};
    ControlRef txtBits{*this, "txtBits"};
    ControlRef txtBytes{*this, "txtBytes"};
    ControlRef txtKillobytes{*this, "txtKillobytes"};
    ControlRef txtMegabytes{*this, "txtMegabytes"};
    ControlRef txtGigabytes{*this, "txtGigabytes"};
    ControlRef txtTerrabytes{*this, "txtTerrabytes"};
};

}  // namespace quantaro

// The About window: title, version and description, and the button that starts the operating
// system's system-information tool, whose location it looks up in the registry.
#pragma once

#include <string>

#include "runtime/application.h"
#include "runtime/form.h"
#include "runtime/registry.h"

namespace quantaro {

class frmAbout : public Form {
  public:
    static const FormLayout layout;

    explicit frmAbout(Application& application);

    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Starts the system-information tool, or tells the user it is unavailable; never more.
    void StartSysInfo();
    // Reads one registry value as text into KeyVal; true when it was read.
    bool GetKeyValue(RegistryKey KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

  protected:
    void Form_Load() override;
    Application& application() { return application_; }

  private:
    Application& application_;
    ControlRef lblTitle{*this, "lblTitle"};
    ControlRef lblVersion{*this, "lblVersion"};
};

}  // namespace quantaro

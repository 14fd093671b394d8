// What the Linux program sets up between Qt's application object and Qt's event loop: the
// application's name and icon, the Qt back end, the forms runtime with the platform's services,
// and the program's own start-up. It lives as long as the event loop runs.
#pragma once

#include "runtime/application.h"
#include "runtime/qt/qt_backend.h"

namespace quantaro {

class QtStartUp {
  public:
    QtStartUp();

  private:
    QtBackend backend_;
    Application application_;
};

}  // namespace quantaro

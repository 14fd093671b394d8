// Loading and showing the converter window is all the program does before its event loop runs.
#include "app/start_up.h"

#include "app/frm_main.h"

namespace quantaro {

void startUp(Application& application) {
    application.dispatch([&] { application.form<frmMain>().Show(); });
}

}  // namespace quantaro

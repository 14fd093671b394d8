// The program's start: the converter window is its start-up form.
#pragma once

#include "runtime/application.h"

namespace quantaro {

void startUp(Application& application);

}  // namespace quantaro

// The tests' way into the application: whether it has ended, which nothing in the program needs
// to ask, since after End nothing of it runs.
#pragma once

#include "runtime/application.h"

namespace quantaro {

struct ApplicationTestAccess {
    static bool hasEnded(const Application& application) { return application.ended_; }
};

}  // namespace quantaro

// What a form needs from the program that holds it: a back end to build its window, the
// dispatch boundary its handlers run through, and word that it has unloaded. Application is the
// host; a form knows no more of it than this.
#pragma once

#include <functional>

#include "runtime/backend.h"

namespace quantaro {

class Form;

class FormHost {
  public:
    virtual Backend& backend() = 0;
    // Runs one event handler of this form; the message boxes shown meanwhile speak for its
    // window.
    virtual void dispatch(Form& form, const std::function<void()>& handler) = 0;
    virtual void formUnloaded() = 0;

  protected:
    ~FormHost() = default;
};

}  // namespace quantaro

// One control of a loaded window, as the program's logic sees it. Each back end implements it
// over its own widget; a property the widget kind does not have raises the runtime's
// "doesn't support" error instead of being silently ignored.
#pragma once

#include <string>

#include "runtime/colour.h"

namespace quantaro {

class Control {
  public:
    virtual ~Control() = default;

    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setBackColor(Colour colour) = 0;
    virtual void setForeColor(Colour colour) = 0;
    virtual void setFocus() = 0;
    virtual void addItem(const std::string& item) = 0;
};

}  // namespace quantaro

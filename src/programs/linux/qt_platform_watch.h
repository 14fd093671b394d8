// Watches Qt's application object being made. Where Qt cannot start any platform plugin (a
// platform name it has no plugin for, or one the display check does not know that fails), Qt
// ends the program with an abort, after advising the user to reinstall it; while this watch
// lives, any such fatal message ends the program with one line naming the platforms (and what
// the plugin found missing, where it said) and status 1 instead. Qt's
// other messages of that time are held back and passed on when the watch ends, so that a
// start that succeeds says what it always said. It does not make the application object.
#pragma once

#include <string>

namespace quantaro {

class QtPlatformWatch {
  public:
    // platforms: the list Qt will try, as the user's message names it.
    explicit QtPlatformWatch(std::string platforms);
    ~QtPlatformWatch();
    QtPlatformWatch(const QtPlatformWatch&) = delete;
    QtPlatformWatch& operator=(const QtPlatformWatch&) = delete;
};

}  // namespace quantaro

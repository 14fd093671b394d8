// What the program takes from the operating system and the user's environment, handed to the
// runtime at start-up so that tests can replace every piece of it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "runtime/registry.h"

namespace quantaro {

struct SystemServices {
    std::string decimalSeparator = ".";
    std::shared_ptr<Registry> registry;
    // True only for a path that names its place without a current folder or drive to complete
    // it (absolute_path.h). The launcher tests and starts nothing else.
    std::function<bool(const std::string& path)> isAbsolutePath;
    // True only for an existing regular file.
    std::function<bool(const std::string& path)> isFile;
    // Starts the program at exactly this path, without waiting for it; raises a run-time error
    // when nothing can be started.
    std::function<void(const std::string& path)> startProgram;
};

// The real services of the platform the program was built for.
SystemServices platformServices();

}  // namespace quantaro

// The system's accessibility library, which the controls' accessible objects are made with.
#pragma once

#include <oleacc.h>
#include <windows.h>

namespace quantaro::win32 {

// Loaded on the first question, not at the program's start; null where a library is missing.
struct OleAccess {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
    bool ready() const { return createStandard && resultFromObject && allocString; }
};

// The library's entry points, loaded once; COM is set up for the thread on the way.
const OleAccess& oleAccess();

}  // namespace quantaro::win32

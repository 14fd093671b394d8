// Loading the accessibility library's entry points on the first question a screen reader asks.
#include "runtime/win32/win32_ole_access.h"

namespace quantaro::win32 {

namespace {

template <class Function>
Function entryPoint(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryW(library);
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function>(
                                   reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

const OleAccess& oleAccess() {
    static const OleAccess access = [] {
        // The accessible object is handed to the screen reader through COM.
        using Initialize = HRESULT(WINAPI*)(void*, DWORD);
        if (const auto initialize = entryPoint<Initialize>(L"ole32.dll", "CoInitializeEx")) {
            initialize(nullptr, COINIT_APARTMENTTHREADED);
        }
        return OleAccess{
            entryPoint<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll",
                                                             "CreateStdAccessibleObject"),
            entryPoint<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
            entryPoint<decltype(&SysAllocString)>(L"oleaut32.dll", "SysAllocString")};
    }();
    return access;
}

}  // namespace quantaro::win32

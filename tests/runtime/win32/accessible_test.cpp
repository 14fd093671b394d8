// Accessible objects that outlive their control: a screen reader may hold a control's object
// for as long as it likes, in the program's process or, as screen readers do, in its own. Once
// the control is gone, every call on the object fails as on a disconnected object, releasing
// it is safe, and the program goes on.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "conformance/win32/win32_driver.h"
#include "runtime/win32/win32_text.h"

namespace quantaro::testing {
namespace {

VARIANT self() {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

HRESULT readText(IAccessible* object,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    BSTR read = nullptr;
    const HRESULT answer = (object->*get)(self(), &read);
    SysFreeString(read);
    return answer;
}

HRESULT readVariant(IAccessible* object,
                    HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
    VARIANT read{};
    const HRESULT answer = (object->*get)(self(), &read);
    VariantClear(&read);
    return answer;
}

template <class Interface>
HRESULT releasing(HRESULT answer, Interface* got) {
    if (got != nullptr) {
        got->Release();
    }
    return answer;
}

// What a screen reader asks of an object, each call once.
const struct {
    const char* name;
    std::function<HRESULT(IAccessible*)> call;
} screenReaderCalls[] = {
    {"name", [](IAccessible* o) { return readText(o, &IAccessible::get_accName); }},
    {"value", [](IAccessible* o) { return readText(o, &IAccessible::get_accValue); }},
    {"description", [](IAccessible* o) { return readText(o, &IAccessible::get_accDescription); }},
    {"default action",
     [](IAccessible* o) { return readText(o, &IAccessible::get_accDefaultAction); }},
    {"role", [](IAccessible* o) { return readVariant(o, &IAccessible::get_accRole); }},
    {"state", [](IAccessible* o) { return readVariant(o, &IAccessible::get_accState); }},
    {"parent",
     [](IAccessible* o) {
         IDispatch* parent = nullptr;
         return releasing(o->get_accParent(&parent), parent);
     }},
    {"location",
     [](IAccessible* o) {
         long left = 0, top = 0, width = 0, height = 0;
         return o->accLocation(&left, &top, &width, &height, self());
     }},
    {"doing the default action", [](IAccessible* o) { return o->accDoDefaultAction(self()); }},
};

bool isDisconnected(HRESULT answer) {
    return answer == RPC_E_DISCONNECTED || answer == CO_E_OBJNOTCONNECTED;
}

IAccessible* objectOf(HWND control) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                               reinterpret_cast<void**>(&object));
    return object;
}

// Every call on every object fails as on a disconnected object, and no other interface is
// given out; then each is released.
void expectDisconnectedAndRelease(const std::vector<IAccessible*>& held,
                                  const std::vector<std::string>& names) {
    for (std::size_t index = 0; index < held.size(); ++index) {
        for (const auto& c : screenReaderCalls) {
            const HRESULT answer = c.call(held[index]);
            EXPECT_TRUE(isDisconnected(answer)) << names[index] << ' ' << c.name << ": 0x"
                                                << std::hex << static_cast<unsigned long>(answer);
        }
        // Across processes COM answers a question for another interface itself, and not
        // always with the disconnected error; it must give none.
        IEnumVARIANT* other = nullptr;
        EXPECT_TRUE(
            FAILED(held[index]->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&other))))
            << names[index];
        EXPECT_EQ(other, nullptr) << names[index];
        held[index]->Release();
    }
}

TEST(Win32Accessibility, ObjectsHeldInTheProgramFailEveryCallOnceAboutIsClosed) {
    const auto program = startOnWindowSystem();
    program->pressAlt('a');
    std::vector<IAccessible*> held;
    std::vector<std::string> names;
    for (const ControlLayout& row : program->form("frmAbout").layout().controls) {
        held.push_back(objectOf(handleOf(*program, "frmAbout", row.name)));
        names.emplace_back(row.name);
        ASSERT_NE(held.back(), nullptr) << row.name;
    }
    program->click("frmAbout", "cmdOK");
    ASSERT_FALSE(program->form("frmAbout").isLoaded());
    expectDisconnectedAndRelease(held, names);
}

// The real program, driven from outside as a screen reader would see it.
class RunningProgram {
  public:
    RunningProgram() {
        const char* path = std::getenv("QUANTARO_EXE");
        std::wstring command = L"\"" + win32::wideFromUtf8(path != nullptr ? path : "") + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_);
        if (started_) {
            WaitForInputIdle(process_.hProcess, 20000);
        }
    }
    ~RunningProgram() {
        if (!started_) {
            return;
        }
        if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool started() const { return started_; }
    bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
    DWORD exitCode() {
        WaitForSingleObject(process_.hProcess, 10000);
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    // The program's visible window of this caption, waiting a while for it.
    HWND window(const std::wstring& caption) const {
        for (int tries = 0; tries < 200; ++tries) {
            struct Search {
                DWORD process;
                const std::wstring* caption;
                HWND found;
            } search{process_.dwProcessId, &caption, nullptr};
            EnumWindows(
                [](HWND window, LPARAM found) -> BOOL {
                    auto& s = *reinterpret_cast<Search*>(found);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    wchar_t text[128] = {};
                    GetWindowTextW(window, text, 128);
                    if (owner == s.process && IsWindowVisible(window) && *s.caption == text) {
                        s.found = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr) {
                return search.found;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return nullptr;
    }

  private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

std::vector<HWND> childrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

std::wstring textOf(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

// A click as the button reports it to its window.
void click(HWND window, const std::wstring& caption) {
    for (const HWND child : childrenOf(window)) {
        if (textOf(child) == caption) {
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                         reinterpret_cast<LPARAM>(child));
            return;
        }
    }
    ADD_FAILURE() << "no button " << win32::utf8FromWide(caption);
}

TEST(Win32Accessibility, ObjectsHeldByAnotherProcessFailEveryCallOnceAboutIsClosed) {
    CoInitialize(nullptr);
    RunningProgram program;
    ASSERT_TRUE(program.started()) << "ctest names the program";
    const HWND main = program.window(L"Quantaro");
    ASSERT_NE(main, nullptr);
    click(main, L"&About");
    const HWND about = program.window(L"About Quantaro");
    ASSERT_NE(about, nullptr);
    std::vector<IAccessible*> held;
    std::vector<std::string> names;
    for (const HWND control : childrenOf(about)) {
        held.push_back(objectOf(control));
        names.push_back(win32::utf8FromWide(textOf(control)));
        ASSERT_NE(held.back(), nullptr) << names.back();
        ASSERT_EQ(readText(held.back(), &IAccessible::get_accName), S_OK) << names.back();
    }
    click(about, L"OK");
    for (int tries = 0; tries < 200 && IsWindow(about); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_FALSE(IsWindow(about));
    expectDisconnectedAndRelease(held, names);
    EXPECT_TRUE(program.running());
    // The program still answers, and ends as it always does.
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0u);
    CoUninitialize();
}

}  // namespace
}  // namespace quantaro::testing

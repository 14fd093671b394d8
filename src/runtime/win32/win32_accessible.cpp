// The control's accessible object: the system's standard one, with three answers of our own.
#include "runtime/win32/win32_accessible.h"

#include <oleacc.h>

#include <map>

namespace quantaro::win32 {

namespace {

// Loaded on the first question, not at the program's start; null where a library is missing.
struct OleAccess {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
    bool ready() const { return createStandard && resultFromObject && allocString; }
};

template <class Function>
Function entryPoint(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryW(library);
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function>(
                                   reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

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

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// Everything but the name, description and role is the standard object's.
class ControlAccessible final : public IAccessible {
  public:
    ControlAccessible(HWND window, IAccessible* standard,
                      std::shared_ptr<const AccessibleFacts> facts)
        : window_(window), standard_(standard), facts_(std::move(facts)) {}
    ControlAccessible(const ControlAccessible&) = delete;
    ControlAccessible& operator=(const ControlAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The standard object's other faces (its children, its window) stay its own.
        return standard_->QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (isSelf(child) && !facts_->name.empty()) {
            return ownText(facts_->name, name);
        }
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (isSelf(child) && !facts_->description.empty()) {
            return ownText(facts_->description, description);
        }
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (isSelf(child) && facts_->isGraphic && role != nullptr) {
            role->vt = VT_I4;
            role->lVal = ROLE_SYSTEM_GRAPHIC;
            return S_OK;
        }
        return standard_->get_accRole(child, role);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception,
                                 argumentError);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** found) override {
        return standard_->get_accChild(child, found);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        const HRESULT standardAnswer = standard_->get_accValue(child, value);
        if (standardAnswer != S_FALSE || !isSelf(child) || !facts_->valueIsText) {
            return standardAnswer;
        }
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
        return ownText(text, value);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override {
        return standard_->get_accFocus(focused);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override {
        return standard_->get_accSelection(selected);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~ControlAccessible() { standard_->Release(); }

    static HRESULT ownText(const std::wstring& text, BSTR* out) {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = oleAccess().allocString(text.c_str());
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HWND window_;
    IAccessible* standard_;  // one reference, ours
    std::shared_ptr<const AccessibleFacts> facts_;
    LONG references_ = 1;
};

// The answer to WM_GETOBJECT for the control's client area, or 0 to leave it to the system.
LRESULT accessibleObject(HWND control, WPARAM flags,
                         const std::shared_ptr<const AccessibleFacts>& facts) {
    const OleAccess& access = oleAccess();
    IAccessible* standard = nullptr;
    if (!access.ready() ||
        FAILED(access.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* answer = new ControlAccessible(control, standard, facts);
    const LRESULT result = access.resultFromObject(__uuidof(IAccessible), flags, answer);
    answer->Release();
    return result < 0 ? 0 : result;
}

// Each answering control's facts and the window procedure it had before. They are kept in the
// program, not where the system's subclassing keeps its link, a window property: Wine looks
// that up with a call to its server on every message the control gets.
struct Answering {
    WNDPROC previous;
    std::shared_ptr<const AccessibleFacts> facts;
};

std::map<HWND, Answering>& answeringControls() {
    static std::map<HWND, Answering> controls;
    return controls;
}

LRESULT CALLBACK AnsweringProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& controls = answeringControls();
    const auto found = controls.find(control);
    const WNDPROC previous = found->second.previous;
    switch (message) {
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
                if (const LRESULT answer = accessibleObject(control, wParam, found->second.facts)) {
                    return answer;
                }
            }
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            controls.erase(found);
            break;
    }
    return CallWindowProcW(previous, control, message, wParam, lParam);
}

}  // namespace

void answerScreenReaders(HWND control, std::shared_ptr<const AccessibleFacts> facts) {
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
    answeringControls().insert_or_assign(control, Answering{previous, std::move(facts)});
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnsweringProc));
}

}  // namespace quantaro::win32

// The control's accessible object: the system's standard one, with three answers of our own,
// cut off from the control when the control goes.
#include "runtime/win32/win32_accessible.h"

#include <oleacc.h>

#include <map>
#include <utility>
#include <vector>

#include "runtime/win32/win32_ole_access.h"

namespace quantaro::win32 {

namespace {

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

class ControlAccessible;

// Each answering control's facts, the window procedure it had before, and the objects it handed
// out that are still alive. They are kept in the program, not where the system's subclassing
// keeps its link, a window property: Wine looks that up with a call to its server on every
// message the control gets.
struct Answering {
    WNDPROC previous;
    std::shared_ptr<const AccessibleFacts> facts;
    std::vector<ControlAccessible*> handedOut;
};

std::map<HWND, Answering>& answeringControls() {
    static std::map<HWND, Answering> controls;
    return controls;
}

// Everything but the name, description and role is the standard object's. A screen reader may
// keep the object after the control is gone: from then on every call fails as a call on a
// disconnected object does, and it holds nothing of the control's.
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
        *object = nullptr;
        if (standard_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
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
        if (standard_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        if (isSelf(child) && !facts_->name.empty()) {
            return ownText(facts_->name, name);
        }
        return forward(&IAccessible::get_accName, child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (standard_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        if (isSelf(child) && !facts_->description.empty()) {
            return ownText(facts_->description, description);
        }
        return forward(&IAccessible::get_accDescription, child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (standard_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        if (isSelf(child) && facts_->isGraphic && role != nullptr) {
            role->vt = VT_I4;
            role->lVal = ROLE_SYSTEM_GRAPHIC;
            return S_OK;
        }
        return forward(&IAccessible::get_accRole, child, role);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return forward(&IAccessible::GetTypeInfoCount, count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return forward(&IAccessible::GetTypeInfo, index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return forward(&IAccessible::GetIDsOfNames, id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return forward(&IAccessible::Invoke, member, id, locale, flags, parameters, result,
                       exception, argumentError);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return forward(&IAccessible::get_accParent, parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return forward(&IAccessible::get_accChildCount, count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** found) override {
        return forward(&IAccessible::get_accChild, child, found);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (standard_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
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
        return forward(&IAccessible::get_accState, child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return forward(&IAccessible::get_accHelp, child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return forward(&IAccessible::get_accHelpTopic, file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return forward(&IAccessible::get_accKeyboardShortcut, child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override {
        return forward(&IAccessible::get_accFocus, focused);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override {
        return forward(&IAccessible::get_accSelection, selected);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return forward(&IAccessible::get_accDefaultAction, child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return forward(&IAccessible::accSelect, flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return forward(&IAccessible::accLocation, left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return forward(&IAccessible::accNavigate, direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return forward(&IAccessible::accHitTest, left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return forward(&IAccessible::accDoDefaultAction, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return forward(&IAccessible::put_accName, child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return forward(&IAccessible::put_accValue, child, value);
    }

    // The control's window is being destroyed. A client in another process holds the object
    // through COM's stub, which stays: its calls still arrive and get CO_E_OBJNOTCONNECTED, on
    // Windows and Wine alike. (Cut off from the stub by CoDisconnectObject, the same calls would
    // fail with an error of Wine's own choosing there.) The object lets go of the system's
    // object and the facts now; what remains is freed when the client releases it.
    void disconnect() {
        window_ = nullptr;
        std::exchange(standard_, nullptr)->Release();
        facts_.reset();
    }

  private:
    ~ControlAccessible() {
        if (standard_ != nullptr) {
            standard_->Release();
        }
        if (window_ == nullptr) {
            return;
        }
        const auto answering = answeringControls().find(window_);
        if (answering != answeringControls().end()) {
            std::erase(answering->second.handedOut, this);
        }
    }

    template <class Call, class... Arguments>
    HRESULT forward(Call call, Arguments&&... arguments) {
        if (standard_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        return (standard_->*call)(std::forward<Arguments>(arguments)...);
    }

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
LRESULT accessibleObject(HWND control, WPARAM flags, Answering& answering) {
    const OleAccess& access = oleAccess();
    IAccessible* standard = nullptr;
    if (!access.ready() ||
        FAILED(access.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* answer = new ControlAccessible(control, standard, answering.facts);
    answering.handedOut.push_back(answer);
    const LRESULT result = access.resultFromObject(__uuidof(IAccessible), flags, answer);
    answer->Release();
    return result < 0 ? 0 : result;
}

LRESULT CALLBACK AnsweringProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& controls = answeringControls();
    const auto found = controls.find(control);
    const WNDPROC previous = found->second.previous;
    switch (message) {
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
                if (const LRESULT answer = accessibleObject(control, wParam, found->second)) {
                    return answer;
                }
            }
            break;
        case WM_NCDESTROY: {
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            const std::vector<ControlAccessible*> handedOut = std::move(found->second.handedOut);
            controls.erase(found);
            for (ControlAccessible* object : handedOut) {
                object->disconnect();
            }
            break;
        }
    }
    return CallWindowProcW(previous, control, message, wParam, lParam);
}

}  // namespace

void answerScreenReaders(HWND control, std::shared_ptr<const AccessibleFacts> facts) {
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
    answeringControls().insert_or_assign(control, Answering{previous, std::move(facts), {}});
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnsweringProc));
}

}  // namespace quantaro::win32

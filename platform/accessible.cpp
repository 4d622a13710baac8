#include "platform/accessible.h"

namespace marilo {

namespace {

constexpr GUID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

BSTR bstrOf(const std::wstring& s) { return SysAllocStringLen(s.data(), static_cast<UINT>(s.size())); }

}  // namespace

// The object itself: the client area (child 0) and its simple children.
class ContentAccessible final : public IAccessible {
public:
    ContentAccessible(HWND hwnd, AccessibleContent* content) : hwnd_(hwnd), content_(content) {}
    void detach() { content_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualGUID(riid, kIidUnknown) || IsEqualGUID(riid, kIidDispatch) || IsEqualGUID(riid, kIidAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: not offered; readers use the interface's methods.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        if (n) *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!content_) return RPC_E_DISCONNECTED;
        return AccessibleObjectFromWindow(hwnd_, static_cast<DWORD>(OBJID_WINDOW), kIidDispatch,
                                          reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        if (!content_) return RPC_E_DISCONNECTED;
        *count = content_->childCount();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return valid(child) ? S_FALSE : E_INVALIDARG;  // simple children, no objects of their own
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name) return E_POINTER;
        *name = nullptr;
        if (!valid(child)) return content_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
        const std::wstring text = child.lVal == CHILDID_SELF ? content_->accessibleName() : content_->childName(child.lVal);
        *name = bstrOf(text);
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return none(child, value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override { return none(child, text); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        VariantInit(role);
        if (!valid(child)) return content_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
        role->vt = VT_I4;
        role->lVal = child.lVal == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : content_->childRole();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        VariantInit(state);
        if (!valid(child)) return content_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
        long s = STATE_SYSTEM_FOCUSABLE;
        if (child.lVal != CHILDID_SELF) s |= STATE_SYSTEM_SELECTABLE;
        const bool windowFocused = GetFocus() == hwnd_;
        const long focused = content_->focusedChild();
        if (windowFocused && child.lVal == focused) s |= STATE_SYSTEM_FOCUSED;
        if (child.lVal != CHILDID_SELF && child.lVal == focused) s |= STATE_SYSTEM_SELECTED;
        state->vt = VT_I4;
        state->lVal = s;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override { return none(child, text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override { return none(child, text); }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        VariantInit(focus);
        if (!content_) return RPC_E_DISCONNECTED;
        if (GetFocus() != hwnd_) return S_FALSE;  // VT_EMPTY: the focus is elsewhere
        focus->vt = VT_I4;
        focus->lVal = content_->focusedChild();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) return E_POINTER;
        VariantInit(selection);
        if (!content_) return RPC_E_DISCONNECTED;
        const long focused = content_->focusedChild();
        if (focused == 0) return S_FALSE;
        selection->vt = VT_I4;
        selection->lVal = focused;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override { return none(child, text); }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        if (!valid(child)) return content_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
        RECT r;
        if (child.lVal == CHILDID_SELF) GetClientRect(hwnd_, &r);
        else r = content_->childRect(child.lVal);
        MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        VariantInit(end);
        if (!valid(start)) return content_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
        const long count = content_->childCount();
        long to = 0;
        switch (dir) {
            case NAVDIR_FIRSTCHILD: to = start.lVal == CHILDID_SELF && count > 0 ? 1 : 0; break;
            case NAVDIR_LASTCHILD: to = start.lVal == CHILDID_SELF ? count : 0; break;
            case NAVDIR_NEXT: to = start.lVal != CHILDID_SELF && start.lVal < count ? start.lVal + 1 : 0; break;
            case NAVDIR_PREVIOUS: to = start.lVal > 1 ? start.lVal - 1 : 0; break;
            default: return start.lVal == CHILDID_SELF ? DISP_E_MEMBERNOTFOUND : S_FALSE;
        }
        if (to == 0) return S_FALSE;
        end->vt = VT_I4;
        end->lVal = to;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        if (!out) return E_POINTER;
        VariantInit(out);
        if (!content_) return RPC_E_DISCONNECTED;
        POINT p{x, y};
        ScreenToClient(hwnd_, &p);
        RECT client;
        GetClientRect(hwnd_, &client);
        if (!PtInRect(&client, p)) return S_FALSE;
        out->vt = VT_I4;
        out->lVal = CHILDID_SELF;
        for (long c = 1; c <= content_->childCount(); ++c) {
            const RECT r = content_->childRect(c);
            if (PtInRect(&r, p)) {
                out->lVal = c;
                break;
            }
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    bool valid(const VARIANT& child) const {
        return content_ && child.vt == VT_I4 && child.lVal >= 0 && child.lVal <= content_->childCount();
    }
    HRESULT none(const VARIANT& child, BSTR* out) {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!valid(child)) return content_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
        return S_FALSE;
    }

    LONG refs_ = 1;
    HWND hwnd_;
    AccessibleContent* content_;
};

LRESULT AccessibleObject::answer(HWND hwnd, WPARAM wp, LPARAM lp, AccessibleContent& content) {
    if (static_cast<LONG>(static_cast<DWORD>(lp)) != OBJID_CLIENT) return 0;
    if (!object_) object_ = new ContentAccessible(hwnd, &content);
    const LRESULT r = LresultFromObject(kIidAccessible, wp, static_cast<IAccessible*>(object_));
    return r < 0 ? 0 : r;  // an error: the system answers for the window
}

void AccessibleObject::detach() {
    if (!object_) return;
    object_->detach();
    object_->Release();
    object_ = nullptr;
}

void notifyFocus(HWND hwnd, long child) { NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd, OBJID_CLIENT, child); }
void notifyNameChange(HWND hwnd, long child) { NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, child); }

}  // namespace marilo

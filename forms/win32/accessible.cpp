#include "forms/win32/accessible.h"

#include <oleacc.h>

#include <vector>

#include "forms/form.h"
#include "forms/win32/window_peer.h"

namespace forms::win32 {

namespace {

constexpr wchar_t announcementClass[] = L"VelmoraAnnouncement";

// The interfaces by the compiler's own identifiers: mingw-w64's import
// library names IID_IAccessible after the DLL's entry, not the GUID.

BSTR bstr(const std::string& text) { return SysAllocString(wide(text).c_str()); }

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

LONG msaaRole(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::Button:
      return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::RadioButton:
      return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::Picture:
      return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::Text:
      return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::Window:
    case AccessibleRole::None:
      break;
  }
  return ROLE_SYSTEM_CLIENT;
}

// The system's object for the window's client area does everything this
// one does not say better; its children are the child windows, numbered
// from 1, and the drawn children follow them.
class WindowAccessible : public IAccessible {
 public:
  WindowAccessible(HWND hwnd, IAccessible* standard, bool announcement)
      : hwnd_(hwnd), standard_(standard), announcement_(announcement) {}
  virtual ~WindowAccessible() { standard_->Release(); }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (!out) return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch: the system's object's.
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
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument) override {
    return standard_->Invoke(member, id, locale, flags, params, result, exception, argument);
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    const HRESULT result = standard_->get_accChildCount(count);
    if (SUCCEEDED(result)) *count += static_cast<LONG>(drawnChildren().size());
    return result;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    // A drawn child is an element of this object, with no object of its own.
    if (drawn(child)) {
      *out = nullptr;
      return S_FALSE;
    }
    return standard_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    if (const Control* shown = drawn(child)) {
      const auto* label = dynamic_cast<const Label*>(shown);
      *name = bstr(shown->accessibleName().empty() && label ? label->caption()
                                                            : shown->accessibleName());
      return S_OK;
    }
    if (isSelf(child) && announcement_) {
      wchar_t text[512] = {};
      GetWindowTextW(hwnd_, text, 512);
      *name = SysAllocString(text);
      return S_OK;
    }
    const Control* self = control();
    if (isSelf(child) && self && !self->accessibleName().empty() &&
        self->kind() != ControlKind::Form) {
      *name = bstr(self->accessibleName());
      return S_OK;
    }
    return standard_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (drawn(child)) return S_FALSE;
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (!description) return E_POINTER;
    const Control* shown = drawn(child);
    if (!shown && isSelf(child)) shown = control();
    if (shown && !shown->accessibleDescription().empty()) {
      *description = bstr(shown->accessibleDescription());
      return S_OK;
    }
    if (drawn(child)) {
      *description = nullptr;
      return S_FALSE;
    }
    return standard_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    const Control* shown = drawn(child);
    if (!shown && isSelf(child)) shown = control();
    if (isSelf(child) && announcement_) {
      role->vt = VT_I4;
      role->lVal = ROLE_SYSTEM_ALERT;
      return S_OK;
    }
    // A form stays the system's client; a button and an option are the
    // system's own, which knows them.
    if (shown && shown->kind() != ControlKind::Form &&
        msaaRole(shown->accessibleRole()) != ROLE_SYSTEM_CLIENT) {
      role->vt = VT_I4;
      role->lVal = msaaRole(shown->accessibleRole());
      return S_OK;
    }
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    if (const Control* shown = drawn(child)) {
      state->vt = VT_I4;
      state->lVal = STATE_SYSTEM_READONLY | (shown->visible() ? 0 : STATE_SYSTEM_INVISIBLE);
      return S_OK;
    }
    const HRESULT result = standard_->get_accState(child, state);
    const Control* self = control();
    if (SUCCEEDED(result) && isSelf(child) && state->vt == VT_I4 && self && self->takesFocus()) {
      state->lVal |= STATE_SYSTEM_FOCUSABLE;
      if (self->form().focused() == self && GetFocus() == hwnd_)
        state->lVal |= STATE_SYSTEM_FOCUSED;
    }
    return result;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    if (drawn(child)) return S_FALSE;
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    if (drawn(child)) return S_FALSE;
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    if (drawn(child)) return S_FALSE;
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!action) return E_POINTER;
    if (pressable(child)) {
      *action = SysAllocString(L"押す");
      return S_OK;
    }
    if (drawn(child)) return S_FALSE;
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    if (drawn(child)) return S_FALSE;
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (const Control* shown = drawn(child)) {
      if (!left || !top || !width || !height) return E_POINTER;
      const RECT r = deviceRectOf(*shown);
      POINT origin{r.left, r.top};
      ClientToScreen(hwnd_, &origin);
      *left = origin.x;
      *top = origin.y;
      *width = r.right - r.left;
      *height = r.bottom - r.top;
      return S_OK;
    }
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (drawn(start)) return S_FALSE;
    return standard_->accNavigate(direction, start, end);
  }
  // A drawn picture or label under the point, if no child window lies
  // there: drawn controls lie beneath the windows of their container.
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    const HRESULT result = standard_->accHitTest(x, y, child);
    if (FAILED(result) || !child || child->vt != VT_I4 || child->lVal != CHILDID_SELF) {
      return result;
    }
    POINT at{x, y};
    ScreenToClient(hwnd_, &at);
    const std::vector<const Control*> children = drawnChildren();
    for (std::size_t i = children.size(); i-- > 0;) {
      const RECT r = deviceRectOf(*children[i]);
      if (children[i]->visible() && PtInRect(&r, at)) {
        child->lVal = firstDrawnId() + static_cast<LONG>(i);
        return S_OK;
      }
    }
    return result;
  }
  // A screen reader's "press" on a card or a piece of metal does what
  // Enter does there: opens the shape, or lights the burner at the aim.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!pressable(child)) {
      if (drawn(child)) return DISP_E_MEMBERNOTFOUND;
      return standard_->accDoDefaultAction(child);
    }
    Control* self = control();
    Form& form = self->form();
    form.setFocus(self);
    form.dispatchKey(Key::Enter);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // Null once the control is gone: the system's object answers alone.
  Control* control() const {
    WindowPeer* peer = WindowPeer::of(hwnd_);
    return peer ? peer->control() : nullptr;
  }
  // The named pictures and the labels this window draws, in stacking order.
  std::vector<const Control*> drawnChildren() const {
    std::vector<const Control*> children;
    const auto* container = dynamic_cast<const Container*>(control());
    if (!container) return children;
    for (const Control* c : container->children()) {
      if (isWindowless(c->kind()) && c->accessibleRole() != AccessibleRole::None) {
        children.push_back(c);
      }
    }
    return children;
  }
  LONG firstDrawnId() const {
    LONG windows = 0;
    standard_->get_accChildCount(&windows);
    return windows + 1;
  }
  const Control* drawn(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal < 1) return nullptr;
    const std::vector<const Control*> children = drawnChildren();
    const LONG index = child.lVal - firstDrawnId();
    if (index < 0 || index >= static_cast<LONG>(children.size())) return nullptr;
    return children[static_cast<std::size_t>(index)];
  }
  bool pressable(const VARIANT& child) const {
    const Control* self = control();
    return isSelf(child) && self && self->kind() == ControlKind::PictureBox &&
           self->accessibleRole() == AccessibleRole::Button;
  }

  HWND hwnd_;
  IAccessible* standard_;
  bool announcement_;
  ULONG references_ = 1;
};

LRESULT CALLBACK announcementProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT) {
    if (const LRESULT answer = answerGetObject(hwnd, wParam, lParam)) return answer;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

LRESULT answerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
  wchar_t className[64] = {};
  GetClassNameW(hwnd, className, 64);
  const bool announcement = lstrcmpW(className, announcementClass) == 0;
  if (!announcement && !WindowPeer::of(hwnd)) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  auto* accessible = new WindowAccessible(hwnd, standard, announcement);
  const LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, accessible);
  accessible->Release();
  return answer;
}

void announceOn(HWND form, const std::string& text) {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = announcementProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = announcementClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) return;
  HWND announcement = FindWindowExW(form, nullptr, announcementClass, nullptr);
  // No size: nothing is seen, and nothing takes a press.
  if (!announcement) {
    announcement = CreateWindowExW(WS_EX_TRANSPARENT, announcementClass, L"", WS_CHILD | WS_VISIBLE,
                                   0, 0, 0, 0, form, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  if (!announcement) return;
  SetWindowTextW(announcement, wide(text).c_str());
  NotifyWinEvent(EVENT_SYSTEM_ALERT, announcement, OBJID_CLIENT, CHILDID_SELF);
  NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, announcement, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace forms::win32

#include "win32/accessible_name.h"

#include <oleacc.h>

#include <string>
#include <unordered_map>

#include "win32/handles.h"
#include "win32/system_library.h"

namespace petcalc::win32 {
namespace {

// Loaded when a screen reader first asks, not at every start.
SystemLibrary& Oleacc() {
  static SystemLibrary library(L"oleacc.dll");
  return library;
}

SystemLibrary& Oleaut32() {
  static SystemLibrary library(L"oleaut32.dll");
  return library;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's accessible object for a control, answering with another name for the control
// itself and passing every other question through.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(ComPtr<IAccessible> inner, const std::wstring& name)
      : inner_(std::move(inner)), name_(name) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // IOleWindow and IEnumVARIANT: the system object's own.
    return inner_->QueryInterface(iid, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return inner_->get_accName(child, name);
    if (name == nullptr) return E_POINTER;
    auto* allocate = Oleaut32().Get<decltype(SysAllocStringLen)>("SysAllocStringLen");
    *name = allocate != nullptr ? allocate(name_.data(), static_cast<UINT>(name_.size())) : nullptr;
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return inner_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return inner_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return inner_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument_error) override {
    return inner_->Invoke(id, iid, locale, flags, parameters, result, exception, argument_error);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return inner_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return inner_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return inner_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return inner_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return inner_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return inner_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return inner_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return inner_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return inner_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return inner_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return inner_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return inner_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return inner_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return inner_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return inner_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return inner_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return inner_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return inner_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return inner_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return inner_->put_accValue(child, value);
  }

 private:
  ~NamedAccessible() = default;

  ComPtr<IAccessible> inner_;
  std::wstring name_;
  ULONG references_ = 1;
};

LRESULT AnswerWithName(HWND control, WPARAM wparam, const std::wstring& name) {
  auto* create = Oleacc().Get<decltype(CreateStdAccessibleObject)>("CreateStdAccessibleObject");
  auto* answer = Oleacc().Get<decltype(LresultFromObject)>("LresultFromObject");
  ComPtr<IAccessible> inner;
  if (create == nullptr || answer == nullptr ||
      FAILED(create(control, OBJID_CLIENT, __uuidof(IAccessible), inner.put_void()))) {
    return 0;
  }
  auto* named = new NamedAccessible(std::move(inner), name);
  const LRESULT result = answer(__uuidof(IAccessible), wparam, named);
  named->Release();  // LresultFromObject holds its own reference while the caller collects it
  return result;
}

// What a named control keeps: its name, and its own window procedure, which does the rest.
struct Named {
  WNDPROC original = nullptr;
  std::wstring name;
};

// Kept in the process, by window, rather than in each control's user data, whose every write is
// a round trip to wine's server; the window's one thread alone reads and writes it.
std::unordered_map<HWND, Named>& NamedControls() {
  static std::unordered_map<HWND, Named> named;
  return named;
}

LRESULT CALLBACK NamedProcedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto found = NamedControls().find(control);
  // Each control is in the map from before it is given this procedure until its last message;
  // one that were not would still be served, by its class's own procedure, unnamed.
  if (found == NamedControls().end()) {
    const auto own = reinterpret_cast<WNDPROC>(GetClassLongPtrW(control, GCLP_WNDPROC));
    return CallWindowProcW(own, control, message, wparam, lparam);
  }
  const WNDPROC original = found->second.original;
  if (message == WM_GETOBJECT && static_cast<LONG>(lparam) == OBJID_CLIENT) {
    if (const LRESULT answer = AnswerWithName(control, wparam, found->second.name); answer > 0) {
      return answer;
    }
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    NamedControls().erase(found);
  }
  return CallWindowProcW(original, control, message, wparam, lparam);
}

}  // namespace

void SetAccessibleName(HWND control, std::u16string_view name) {
  const auto [named, first] = NamedControls().try_emplace(control);
  named->second.name.assign(name.begin(), name.end());
  if (!first) return;
  named->second.original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NamedProcedure)));
}

}  // namespace petcalc::win32

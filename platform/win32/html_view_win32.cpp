// The HTML view box: the WebBrowser control in a small OLE container. Its
// pages run with the rights of the Internet zone, whatever file they come
// from (the host's security manager maps every address there), and links
// that would open a new window go to the program instead.
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <exdisp.h>
#include <exdispid.h>
#include <mshtmhst.h>
#include <ole2.h>
#include <urlmon.h>

#include <functional>
#include <map>
#include <string>

#include "platform/win32/com.h"
#include "platform/win32/ui_objects.h"
#include "platform/win32/wide.h"

namespace orvane::ui {
namespace {

class HtmlHost final : public IOleClientSite,
                       public IOleInPlaceSite,
                       public IOleInPlaceFrame,
                       public IServiceProvider,
                       public IInternetSecurityManager,
                       public IDispatch {
 public:
  explicit HtmlHost(HWND hwnd) : hwnd_(hwnd) {}

  bool create() {
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                object_.put_void())))
      return false;
    object_->SetClientSite(static_cast<IOleClientSite*>(this));
    RECT r{};
    GetClientRect(hwnd_, &r);
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0,
                               hwnd_, &r)))
      return false;
    browser_ = object_.as<IWebBrowser2>();
    if (auto points = object_.as<IConnectionPointContainer>())
      if (SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.put())))
        events_->Advise(static_cast<IDispatch*>(this), &cookie_);
    return static_cast<bool>(browser_);
  }

  void close() {
    if (events_ && cookie_) events_->Unadvise(cookie_);
    events_.reset();
    browser_.reset();
    if (object_) {
      object_->Close(OLECLOSE_NOSAVE);
      object_->SetClientSite(nullptr);
    }
    object_.reset();
  }

  void navigate(const std::wstring& path) {
    if (!browser_) return;
    BSTR url = SysAllocString(path.c_str());
    VARIANT empty;
    VariantInit(&empty);
    browser_->Navigate(url, &empty, &empty, &empty, &empty);
    SysFreeString(url);
  }

  void resize() {
    if (auto in_place = object_.as<IOleInPlaceObject>()) {
      RECT r{};
      GetClientRect(hwnd_, &r);
      in_place->SetObjectRects(&r, &r);
    }
  }

  std::function<void(std::string_view)> new_window;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
      *out = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
      *out = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
      *out = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IServiceProvider)
      *out = static_cast<IServiceProvider*>(this);
    else if (iid == IID_IInternetSecurityManager)
      *out = static_cast<IInternetSecurityManager*>(this);
    else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2)
      *out = static_cast<IDispatch*>(this);
    else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP GetContainer(IOleContainer** c) override {
    *c = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow (shared by the site and the frame)
  STDMETHODIMP GetWindow(HWND* w) override {
    *w = hwnd_;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO info) override {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *doc = nullptr;
    GetClientRect(hwnd_, pos);
    GetClientRect(hwnd_, clip);
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(hwnd_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow, IOleInPlaceFrame
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  // IServiceProvider: the browser asks here for the security manager.
  STDMETHODIMP QueryService(REFGUID service, REFIID iid, void** out) override {
    if (service == SID_SInternetSecurityManager) return QueryInterface(iid, out);
    *out = nullptr;
    return E_NOINTERFACE;
  }

  // IInternetSecurityManager: every page is an Internet page.
  STDMETHODIMP SetSecuritySite(IInternetSecurityMgrSite*) override { return INET_E_DEFAULT_ACTION; }
  STDMETHODIMP GetSecuritySite(IInternetSecurityMgrSite**) override { return INET_E_DEFAULT_ACTION; }
  STDMETHODIMP MapUrlToZone(LPCWSTR, DWORD* zone, DWORD) override {
    *zone = URLZONE_INTERNET;
    return S_OK;
  }
  STDMETHODIMP GetSecurityId(LPCWSTR, BYTE*, DWORD*, DWORD_PTR) override { return INET_E_DEFAULT_ACTION; }
  STDMETHODIMP ProcessUrlAction(LPCWSTR, DWORD, BYTE*, DWORD, BYTE*, DWORD, DWORD, DWORD) override {
    return INET_E_DEFAULT_ACTION;
  }
  STDMETHODIMP QueryCustomPolicy(LPCWSTR, REFGUID, BYTE**, DWORD*, BYTE*, DWORD, DWORD) override {
    return INET_E_DEFAULT_ACTION;
  }
  STDMETHODIMP SetZoneMapping(DWORD, LPCWSTR, DWORD) override { return INET_E_DEFAULT_ACTION; }
  STDMETHODIMP GetZoneMappings(DWORD, IEnumString**, DWORD) override { return INET_E_DEFAULT_ACTION; }

  // IDispatch: the browser's events.
  STDMETHODIMP GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                      UINT*) override {
    // NewWindow3(ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl): arguments in reverse.
    if (id == DISPID_NEWWINDOW3 && params && params->cArgs == 5) {
      VARIANT& cancel = params->rgvarg[3];
      if (cancel.vt == (VT_BYREF | VT_BOOL)) *cancel.pboolVal = VARIANT_TRUE;
      const VARIANT& url = params->rgvarg[0];
      if (url.vt == VT_BSTR && url.bstrVal && new_window) new_window(win32::narrow(url.bstrVal));
    }
    return S_OK;
  }

 private:
  ~HtmlHost() = default;

  HWND hwnd_;
  ULONG refs_ = 1;
  win32::ComPtr<IOleObject> object_;
  win32::ComPtr<IWebBrowser2> browser_;
  win32::ComPtr<IConnectionPoint> events_;
  DWORD cookie_ = 0;
};

// The host of each HTML view's window.
std::map<HWND, HtmlHost*>& hosts() {
  static std::map<HWND, HtmlHost*> h;
  return h;
}

LRESULT CALLBACK host_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* host = reinterpret_cast<HtmlHost*>(data);
  if (msg == WM_SIZE) {
    host->resize();
  } else if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, host_proc, 0);
    hosts().erase(hwnd);
    host->close();
    host->Release();
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// The control's host, made on first use and gone with the control's window.
HtmlHost* host_of(Control c) {
  win32::ControlRec* r = win32::record(c);
  if (!r || r->kind != Kind::HtmlView || !r->hwnd) return nullptr;
  if (auto it = hosts().find(r->hwnd); it != hosts().end()) return it->second;
  auto* host = new HtmlHost(r->hwnd);
  hosts()[r->hwnd] = host;
  SetWindowSubclass(r->hwnd, host_proc, 0, reinterpret_cast<DWORD_PTR>(host));
  host->create();
  return host;
}

}  // namespace

void navigate(Control html_view, std::string_view file_path) {
  if (HtmlHost* host = host_of(html_view)) host->navigate(win32::widen(file_path));
}

void on_new_window(Control html_view, std::function<void(std::string_view)> h) {
  if (HtmlHost* host = host_of(html_view)) host->new_window = std::move(h);
}

}  // namespace orvane::ui

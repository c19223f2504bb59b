#include "framework/LiveRegion.h"

namespace {
// Not in every SDK's headers; the values are Windows' own (oleacc.h, Windows 8 and later).
constexpr GUID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kLiveSettingPolite = 1;
constexpr DWORD kEventLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
}  // namespace

// Where the annotation service is missing (older systems, Wine in part), the controls stay plain
// text controls: a screen reader still reads them when asked, only not by itself.
CLiveRegions::CLiveRegions() {
    m_bComInitialised = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                     reinterpret_cast<void**>(&services)))) {
        m_services.Attach(services);
    }
}

CLiveRegions::~CLiveRegions() {
    Clear();
    m_services.Reset();
    if (m_bComInitialised) ::CoUninitialize();
}

void CLiveRegions::MakePolite(HWND control) {
    if (!m_services) return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kLiveSettingPolite;
    if (SUCCEEDED(m_services.Get()->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                kLiveSettingProperty, polite))) {
        m_marked.push_back(control);
    }
}

void CLiveRegions::Announce(HWND control) {
    ::NotifyWinEvent(kEventLiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
}

// The service keeps a window's marks until they are taken off; a later window given the same
// handle would otherwise inherit them.
void CLiveRegions::Clear() {
    for (const HWND control : m_marked) {
        m_services.Get()->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &kLiveSettingProperty, 1);
    }
    m_marked.clear();
}

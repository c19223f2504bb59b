// Command maps: a static table per class of (id, notification code) -> member function, read
// top-down and chained to the base class's table. Built at compile time by function templates:
//
//   constinit const CCmdEntry CMyView::s_entries[] = {
//       MapControl<&CMyView::OnChangeRed>(IDC_EDIT_RED, EN_CHANGE),
//       MapCommand<&CMyView::OnEditCopy>(ID_EDIT_COPY),
//       MapUpdate<&CMyView::OnUpdateShowAll>(ID_VIEW_ALL),
//   };
//   constinit const CCmdMap CMyView::s_map{s_entries, &CFormView::s_map};
#pragma once

#include <cstddef>
#include <span>

class CCmdTarget;
class CCmdUI;

enum class CmdKind {
    Command,  // WM_COMMAND from a menu, an accelerator or a control (code = notification code)
    Update,   // update handler before a menu shows or a command runs; extra = CCmdUI*
    Notify,   // WM_NOTIFY; extra = CNotifyArgs*
    Probe,    // "is there a command handler?" - nothing runs
};

struct CCmdRequest {
    unsigned id = 0;
    unsigned code = 0;
    CmdKind kind = CmdKind::Command;
    void* extra = nullptr;
};

struct CCmdEntry {
    unsigned id;
    unsigned code;
    CmdKind kind;
    void (*thunk)(CCmdTarget& target, void* extra);
};

struct CCmdMap {
    std::span<const CCmdEntry> entries;
    const CCmdMap* base;
};

namespace cmdmap_detail {
template <class T>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};
template <auto Handler>
using ClassOf = typename MemberOf<decltype(Handler)>::Class;
}  // namespace cmdmap_detail

// A menu or accelerator command; also reaches a button whose id equals it (BN_CLICKED is 0).
template <auto Handler>
constexpr CCmdEntry MapCommand(unsigned id) {
    using T = cmdmap_detail::ClassOf<Handler>;
    return {id, 0, CmdKind::Command, [](CCmdTarget& t, void*) { (static_cast<T&>(t).*Handler)(); }};
}

// A control's WM_COMMAND notification (EN_CHANGE, CBN_SELCHANGE, BN_CLICKED ...).
template <auto Handler>
constexpr CCmdEntry MapControl(unsigned id, unsigned code) {
    using T = cmdmap_detail::ClassOf<Handler>;
    return {id, code, CmdKind::Command,
            [](CCmdTarget& t, void*) { (static_cast<T&>(t).*Handler)(); }};
}

// The update handler of a command: void OnUpdateX(CCmdUI&).
template <auto Handler>
constexpr CCmdEntry MapUpdate(unsigned id) {
    using T = cmdmap_detail::ClassOf<Handler>;
    return {id, 0, CmdKind::Update, [](CCmdTarget& t, void* extra) {
                (static_cast<T&>(t).*Handler)(*static_cast<CCmdUI*>(extra));
            }};
}

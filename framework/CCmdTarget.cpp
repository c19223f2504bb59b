#include "framework/CCmdTarget.h"

const CCmdMap CCmdTarget::s_map{{}, nullptr};

namespace {
bool Matches(const CCmdEntry& entry, const CCmdRequest& request) {
    if (entry.id != request.id) return false;
    switch (request.kind) {
    case CmdKind::Update: return entry.kind == CmdKind::Update;
    case CmdKind::Probe: return entry.kind == CmdKind::Command && entry.code == 0;
    case CmdKind::Command:
    case CmdKind::Notify: return entry.kind == request.kind && entry.code == request.code;
    }
    return false;
}
}  // namespace

bool CCmdTarget::OnCmdMsg(const CCmdRequest& request) {
    for (const CCmdMap* map = GetCommandMap(); map != nullptr; map = map->base) {
        for (const CCmdEntry& entry : map->entries) {
            if (!Matches(entry, request)) continue;
            if (request.kind != CmdKind::Probe) entry.thunk(*this, request.extra);
            return true;
        }
    }
    return false;
}

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/CCmdTarget.h"
#include "framework/CCmdUI.h"
#include "framework/CHandle.h"

namespace {

// One target whose map is chained to a second map, as a class's map is chained to its base class's.
class CTarget : public CCmdTarget {
public:
    template <int Handler>
    void On() { m_nLast = Handler; }
    void OnUpdate(CCmdUI& ui) { ui.SetCheck(1); }
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    int m_nLast = 0;
    static const CCmdMap s_map;
};

constexpr unsigned kChangeCode = 0x300;

constinit const CCmdEntry kBaseEntries[] = {MapCommand<&CTarget::On<1>>(100), MapCommand<&CTarget::On<2>>(200)};
constinit const CCmdMap kBaseMap{kBaseEntries, &CCmdTarget::s_map};
constinit const CCmdEntry kEntries[] = {MapCommand<&CTarget::On<3>>(200), MapControl<&CTarget::On<4>>(300, kChangeCode),
                                         MapUpdate<&CTarget::OnUpdate>(200)};
constinit const CCmdMap CTarget::s_map{kEntries, &kBaseMap};

TEST(CommandMap, FirstMatchingEntryOfTheChainRuns) {
    CTarget target;
    EXPECT_TRUE(target.OnCmdMsg({200, 0, CmdKind::Command, nullptr}));
    EXPECT_EQ(target.m_nLast, 3) << "the class's own map is read before its base's";
    EXPECT_TRUE(target.OnCmdMsg({100, 0, CmdKind::Probe, nullptr})) << "probe finds the base's handler";
    EXPECT_EQ(target.m_nLast, 3) << "probe runs nothing";
    EXPECT_TRUE(target.OnCmdMsg({100, 0, CmdKind::Command, nullptr}));
    EXPECT_EQ(target.m_nLast, 1) << "base map reached through the chain";
    EXPECT_FALSE(target.OnCmdMsg({999, 0, CmdKind::Command, nullptr})) << "unmapped id";
    EXPECT_FALSE(target.OnCmdMsg({300, 0, CmdKind::Command, nullptr})) << "wrong notification code";
    EXPECT_TRUE(target.OnCmdMsg({300, kChangeCode, CmdKind::Command, nullptr}));
    EXPECT_EQ(target.m_nLast, 4) << "the control's handler";
    EXPECT_FALSE(target.OnCmdMsg({300, 0, CmdKind::Probe, nullptr})) << "a control notification is no command";
    CCmdUI ui(200);
    EXPECT_TRUE(target.OnCmdMsg({200, 0, CmdKind::Update, &ui}));
    EXPECT_EQ(ui.m_check, 1) << "the update handler's request is recorded";
    CCmdUI none(100);
    EXPECT_FALSE(target.OnCmdMsg({100, 0, CmdKind::Update, &none})) << "a command handler is no update handler";
}

std::vector<int> g_closed;
void RecordClose(int handle) { g_closed.push_back(handle); }
using CCounted = CHandle<int, &RecordClose>;

TEST(CHandle, ClosesEachHandleExactlyOnceAndScopeExitsRunUnlessReleased) {
    g_closed.clear();
    {
        CCounted a(7);
        CCounted b(std::move(a));
        EXPECT_FALSE(a) << "moved-from owns nothing";
        CCounted c;
        c = std::move(b);
        c.Attach(9);
        EXPECT_EQ(g_closed, std::vector<int>{7}) << "moves close nothing; attach closes the handle held";
        EXPECT_EQ(c.Detach(), 9);
        c.Reset();
        CCounted d(11);
    }
    EXPECT_EQ(g_closed, (std::vector<int>{7, 11})) << "nothing left to close after detach; d closed at scope end";
    int runs = 0;
    { CScopeExit undo([&] { ++runs; }); }
    EXPECT_EQ(runs, 1) << "a scope exit runs once";
    {
        CScopeExit undo([&] { ++runs; });
        undo.Release();
    }
    EXPECT_EQ(runs, 1) << "unless released";
}

}  // namespace

#include <gtest/gtest.h>

#include "framework/CCmdTarget.h"
#include "framework/CCmdUI.h"

namespace {

class CBase : public CCmdTarget {
public:
    int m_nBaseCommands = 0;
    void OnBaseCommand() { ++m_nBaseCommands; }
    void OnShared() { m_strLast = "base"; }
    std::string m_strLast;
    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }

private:
    static const CCmdEntry s_entries[];
};

constinit const CCmdEntry CBase::s_entries[] = {
    MapCommand<&CBase::OnBaseCommand>(100),
    MapCommand<&CBase::OnShared>(200),
};
constinit const CCmdMap CBase::s_map{s_entries, &CCmdTarget::s_map};

class CDerived : public CBase {
public:
    void OnShared() { m_strLast = "derived"; }
    void OnChange() { m_strLast = "change"; }
    void OnUpdateShared(CCmdUI& ui) {
        ui.Enable(false);
        ui.SetCheck(1);
    }
    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }

private:
    static const CCmdEntry s_entries[];
};

constexpr unsigned kChangeCode = 0x300;

constinit const CCmdEntry CDerived::s_entries[] = {
    MapCommand<&CDerived::OnShared>(200),
    MapControl<&CDerived::OnChange>(300, kChangeCode),
    MapUpdate<&CDerived::OnUpdateShared>(200),
};
constinit const CCmdMap CDerived::s_map{s_entries, &CBase::s_map};

TEST(CommandMap, DerivedEntriesWinAndBaseEntriesAreChained) {
    CDerived target;
    EXPECT_TRUE(target.OnCmdMsg({200, 0, CmdKind::Command, nullptr}));
    EXPECT_EQ(target.m_strLast, "derived") << "derived map is read before the base map";
    EXPECT_TRUE(target.OnCmdMsg({100, 0, CmdKind::Command, nullptr}));
    EXPECT_EQ(target.m_nBaseCommands, 1) << "base map reached through the chain";
    EXPECT_FALSE(target.OnCmdMsg({999, 0, CmdKind::Command, nullptr})) << "unmapped id";
}

TEST(CommandMap, NotificationCodesAndKindsMustMatch) {
    CDerived target;
    EXPECT_FALSE(target.OnCmdMsg({300, 0, CmdKind::Command, nullptr})) << "wrong code";
    EXPECT_TRUE(target.OnCmdMsg({300, kChangeCode, CmdKind::Command, nullptr}));
    EXPECT_EQ(target.m_strLast, "change");

    EXPECT_TRUE(target.OnCmdMsg({100, 0, CmdKind::Probe, nullptr})) << "probe finds a handler";
    EXPECT_EQ(target.m_nBaseCommands, 0) << "probe runs nothing";
    EXPECT_FALSE(target.OnCmdMsg({300, 0, CmdKind::Probe, nullptr}))
        << "a control notification is not a command handler";

    CCmdUI ui(200);
    EXPECT_TRUE(target.OnCmdMsg({200, 0, CmdKind::Update, &ui}));
    EXPECT_EQ(ui.m_enabled, false);
    EXPECT_EQ(ui.m_check, 1);
    CCmdUI none(100);
    EXPECT_FALSE(target.OnCmdMsg({100, 0, CmdKind::Update, &none})) << "no update handler";
    EXPECT_FALSE(none.m_enabled.has_value());
}

}  // namespace

#include <gtest/gtest.h>

#include <utility>

#include "framework/CHandle.h"

namespace {

int g_closed = 0;
int g_lastClosed = 0;
void CountingClose(int handle) {
    ++g_closed;
    g_lastClosed = handle;
}
using CCounted = CHandle<int, &CountingClose>;

TEST(CHandle, ClosesEachHandleExactlyOnce) {
    g_closed = 0;
    {
        CCounted a(7);
        CCounted b(std::move(a));
        EXPECT_FALSE(a) << "moved-from owns nothing";
        EXPECT_EQ(b.Get(), 7);
        CCounted c;
        c = std::move(b);
        EXPECT_EQ(g_closed, 0) << "moves close nothing";
        c.Attach(9);
        EXPECT_EQ(g_closed, 1) << "attach closes the old handle";
        EXPECT_EQ(g_lastClosed, 7);
        const int released = c.Detach();
        EXPECT_EQ(released, 9);
        c.Reset();
        EXPECT_EQ(g_closed, 1) << "nothing left to close after detach";
        CCounted d(11);
    }
    EXPECT_EQ(g_closed, 2) << "d closed at scope end";
    EXPECT_EQ(g_lastClosed, 11);
}

TEST(CScopeExit, RunsUnlessReleased) {
    int runs = 0;
    { CScopeExit undo([&] { ++runs; }); }
    EXPECT_EQ(runs, 1);
    {
        CScopeExit undo([&] { ++runs; });
        undo.Release();
    }
    EXPECT_EQ(runs, 1);
}

}  // namespace

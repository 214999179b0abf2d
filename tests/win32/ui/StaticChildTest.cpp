#include "tests/win32/support/TestTable.h"
#include "ui/StaticChild.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr UINT probe = WM_USER + 5;

// The object a child window reaches: counts the probes it answers.
struct Listener {
    int probes = 0;
    WNDPROC staticProcedure = nullptr;
};

LRESULT CALLBACK ListenerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Listener* listener = StaticChild::ObjectOf<Listener>(window);
    if (!listener)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == probe)
        return ++listener->probes, 42;
    return CallWindowProcA(listener->staticProcedure, window, message, wParam, lParam);
}

// Once its holder has gone, a window that outlives it reaches no object and
// keeps our procedure or goes back to the static control's, as asked.
TEST(StaticChild, ReachesItsObjectUntilTheHolderGoesThenDetachesAsAsked)
{
    TestHost host(200, 100);
    for (auto afterDetach : {StaticChild::AfterDetach::KeepProcedure, StaticChild::AfterDetach::RestoreStatic}) {
        Listener listener;
        auto child = std::make_unique<StaticChild>();
        ASSERT_TRUE(child->Create(host.Handle(), WS_CHILD | WS_VISIBLE, 5, 6, 30, 40, &listener, &ListenerProcedure,
                                  afterDetach));
        HWND window = child->Window();
        listener.staticProcedure = child->StaticProcedure();
        ASSERT_NE(listener.staticProcedure, nullptr);
        RECT place = {};
        GetWindowRect(window, &place);
        MapWindowPoints(nullptr, host.Handle(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_TRUE(GetParent(window) == host.Handle() && place.left == 5 && place.bottom == 46);
        EXPECT_EQ(SendMessageA(window, probe, 0, 0), 42);
        child.reset();
        EXPECT_TRUE(IsWindow(window)) << "the window goes with its parent";
        EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 0);
        const bool restored = GetWindowLongPtrA(window, GWLP_WNDPROC) ==
                              reinterpret_cast<LONG_PTR>(listener.staticProcedure);
        EXPECT_EQ(restored, afterDetach == StaticChild::AfterDetach::RestoreStatic);
        EXPECT_EQ(SendMessageA(window, probe, 0, 0), 0) << "no object answers";
        EXPECT_EQ(listener.probes, 1);
        DestroyWindow(window);
    }
}

} // namespace

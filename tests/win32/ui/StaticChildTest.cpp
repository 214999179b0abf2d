#include "tests/win32/support/TestTable.h"
#include "ui/StaticChild.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr UINT probe = WM_USER + 5;
constexpr LRESULT answered = 42;

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
    if (message == probe) {
        ++listener->probes;
        return answered;
    }
    return CallWindowProcA(listener->staticProcedure, window, message, wParam, lParam);
}

LONG_PTR ProcedureOf(HWND window)
{
    return GetWindowLongPtrA(window, GWLP_WNDPROC);
}

TEST(StaticChild, ReachesItsObjectUntilTheHolderGoesThenDetachesAsAsked)
{
    TestHost host(200, 100);
    const struct {
        const char* name;
        StaticChild::AfterDetach afterDetach;
        bool oursStays;
    } cases[] = {{"keeps our procedure", StaticChild::AfterDetach::KeepProcedure, true},
                 {"gives the window back to the static control", StaticChild::AfterDetach::RestoreStatic, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Listener listener;
        auto child = std::make_unique<StaticChild>();
        ASSERT_TRUE(child->Create(host.Handle(), WS_CHILD | WS_VISIBLE, 5, 6, 30, 40, &listener,
                                  &ListenerProcedure, c.afterDetach));
        HWND window = child->Window();
        listener.staticProcedure = child->StaticProcedure();
        ASSERT_NE(listener.staticProcedure, nullptr);
        const LONG_PTR staticProcedure = reinterpret_cast<LONG_PTR>(listener.staticProcedure);
        EXPECT_EQ(GetParent(window), host.Handle());
        RECT place = {};
        GetWindowRect(window, &place);
        MapWindowPoints(nullptr, host.Handle(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, 5);
        EXPECT_EQ(place.bottom, 46);
        EXPECT_EQ(SendMessageA(window, probe, 0, 0), answered);
        EXPECT_TRUE(child->IsAttached());

        EXPECT_FALSE(child->Create(host.Handle(), WS_CHILD, 0, 0, 10, 10, &listener, &ListenerProcedure,
                                   c.afterDetach))
            << "one window per holder";
        EXPECT_EQ(child->Window(), window);

        child.reset();
        EXPECT_TRUE(IsWindow(window)) << "the window goes with its parent";
        EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 0);
        EXPECT_EQ(ProcedureOf(window) == staticProcedure, !c.oursStays);
        EXPECT_EQ(SendMessageA(window, probe, 0, 0), 0) << "no object answers";
        EXPECT_EQ(listener.probes, 1);
        DestroyWindow(window);
    }
}

} // namespace

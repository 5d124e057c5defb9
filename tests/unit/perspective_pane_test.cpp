// The test whether the pointer is inside the figure window's perspective pane.

#include <gtest/gtest.h>

#include "input/perspective_pane.h"
#include "tests/support/message_hook_fixture.h"

namespace {

using PerspectivePane = MessageHookTest;

int PointerAt(FakeHookSystem& fake, int x, int y)
{
    fake.pointer = {x, y};
    return CursorInPerspectivePane();
}

TEST_F(PerspectivePane, InsideMeansStrictlyWithinAndBelowTheTitle)
{
    // Perspective pane: (100, 100) to (200, 200), its title down to y = 116.
    EXPECT_EQ(PointerAt(fake, 150, 150), 1);
    EXPECT_EQ(PointerAt(fake, 101, 117), 1);
    EXPECT_EQ(PointerAt(fake, 199, 199), 1);
    EXPECT_EQ(PointerAt(fake, 100, 150), 0) << "left edge";
    EXPECT_EQ(PointerAt(fake, 200, 150), 0) << "right edge";
    EXPECT_EQ(PointerAt(fake, 150, 200), 0) << "bottom edge";
    EXPECT_EQ(PointerAt(fake, 150, 116), 0) << "the line 16 pixels below the top";
    EXPECT_EQ(PointerAt(fake, 150, 105), 0) << "in the title";
    EXPECT_EQ(PointerAt(fake, 50, 50), 0) << "another pane";
    EXPECT_EQ(PointerAt(fake, 500, 500), 0) << "outside every pane";
    ExpectReferencesBalanced();
}

TEST_F(PerspectivePane, ThePerspectivePaneIsFoundAtAnyIndex)
{
    for (int perspective = 0; perspective < 4; ++perspective) {
        for (int pane = 0; pane < 4; ++pane)
            host->paneTypes[pane] = pane == perspective ? 3 : 1;
        const SandboxRect& r = host->paneRects[perspective];
        EXPECT_EQ(PointerAt(fake, (r.left + r.right) / 2, (r.top + r.bottom) / 2 + 10), 1) << perspective;
    }
}

TEST_F(PerspectivePane, TheFirstPaneThatContainsThePointerDecides)
{
    host->paneRects[1] = {0, 0, 300, 300};  // overlaps everything
    EXPECT_EQ(PointerAt(fake, 150, 150), 0);
    host->callCount = 0;
    PointerAt(fake, 150, 150);
    EXPECT_EQ(Calls(SandboxGetPaneRect), 2) << "later panes are not asked";
    EXPECT_EQ(Calls(SandboxGetPaneType), 1);
    host->paneTypes[1] = 3;
    EXPECT_EQ(PointerAt(fake, 150, 150), 1);
}

TEST_F(PerspectivePane, ObtainsSceneAndFigureWindowAndReleasesThemInReverse)
{
    PointerAt(fake, 150, 150);
    const std::vector<int> calls = CallSequence();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0], SandboxGetScene);
    EXPECT_EQ(calls[1], SandboxGetFigureWindow);
    EXPECT_EQ(calls[calls.size() - 2], SandboxReleaseFigureWindow);
    EXPECT_EQ(calls.back(), SandboxReleaseScene);
}

TEST_F(PerspectivePane, AHostFailureStillReleasesWhatWasObtained)
{
    host->throwFrom = SandboxGetPaneType;
    EXPECT_THROW(PointerAt(fake, 150, 150), HostCallFailed);
    ExpectReferencesBalanced();
    for (const SandboxOperation empty : {SandboxGetScene, SandboxGetFigureWindow}) {
        SCOPED_TRACE(empty);
        sandbox_host_reset();
        host->nullFrom = empty;
        EXPECT_THROW(PointerAt(fake, 150, 150), HostCallFailed);
        EXPECT_EQ(Calls(SandboxGetPaneRect), 0);
        ExpectReferencesBalanced();
    }
}

TEST_F(PerspectivePane, WithoutAHostTheAnswerIsNo)
{
    SessionState.App = nullptr;
    EXPECT_EQ(PointerAt(fake, 150, 150), 0);
    EXPECT_EQ(host->callCount, 0);
}

}  // namespace

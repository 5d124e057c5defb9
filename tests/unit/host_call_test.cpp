// Host exceptions, which are Microsoft C++ exceptions, crossing back into the
// plug-in's GCC code through the holders of host/host.h.

#include <gtest/gtest.h>

#include "host/host.h"
#include "tests/support/sandbox_host_fixture.h"

extern "C" EXCEPTION_DISPOSITION VormeltGuardHandler(EXCEPTION_RECORD* record, void* frame, CONTEXT* context,
                                                     DISPATCHER_CONTEXT* dispatcher);

namespace {

using HostCalls = SandboxHostTest;

TEST_F(HostCalls, HoldersReadThroughTheHostsStructResults)
{
    host->eye = {1, 2, 3};
    host->target = {4, 5, 6};
    host->paneRects[2] = {10, 20, 30, 40};
    host->viewMatrix[13] = 7;
    {
        const Scene scene = Scene::Of(*SessionState.App);
        const Camera camera = scene.camera();
        const Vec3 eye = camera.eye();
        const Vec3 target = camera.target();
        EXPECT_EQ(eye.x, 1);
        EXPECT_EQ(eye.z, 3);
        EXPECT_EQ(target.y, 5);
        EXPECT_EQ(camera.zoom(), 35.0f);
        EXPECT_EQ(camera.view_matrix().m[3][1], 7.0f);
        const HostRect rect = scene.pane_rect(2);
        EXPECT_EQ(rect.left, 10);
        EXPECT_EQ(rect.bottom, 40);
        EXPECT_EQ(host->sceneReferences, 1);
        EXPECT_EQ(host->cameraReferences, 1);
    }
    ExpectReferencesBalanced();
    // The camera goes before the scene that gave it.
    const std::vector<int> calls = CallSequence();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2], SandboxReleaseCamera);
    EXPECT_EQ(calls.back(), SandboxReleaseScene);
}

TEST_F(HostCalls, AHostExceptionBecomesHostCallFailedAndReleasesEverything)
{
    host->throwFrom = SandboxGetTarget;
    bool failed = false;
    try {
        const Scene scene = Scene::Of(*SessionState.App);
        const Camera camera = scene.camera();
        camera.eye();
        camera.target();
        ADD_FAILURE() << "the host's exception did not arrive";
    } catch (const HostCallFailed&) {
        failed = true;
    }
    EXPECT_TRUE(failed);
    ExpectReferencesBalanced();
    EXPECT_EQ(Calls(SandboxReleaseCamera), 1);
    EXPECT_EQ(Calls(SandboxReleaseScene), 1);
}

TEST_F(HostCalls, AThrowingReleaseIsSwallowed)
{
    host->throwFrom = SandboxReleaseCamera;
    EXPECT_NO_THROW({
        const Scene scene = Scene::Of(*SessionState.App);
        const Camera camera = scene.camera();
    });
    EXPECT_EQ(host->sceneReferences, 0);
}

TEST_F(HostCalls, RepeatedHostExceptionsKeepUnwindingCleanly)
{
    host->throwFrom = SandboxGetCamera;
    for (int i = 0; i < 50; ++i) {
        EXPECT_THROW(Scene::Of(*SessionState.App).camera(), HostCallFailed);
    }
    ExpectReferencesBalanced();
    EXPECT_EQ(Calls(SandboxGetCamera), 50);
}

TEST_F(HostCalls, OnlyTheMicrosoftRuntimesOwnThrowsAreTakenAsHostExceptions)
{
    // Raised with the Microsoft C++ code by something else: no magic number,
    // and parameters that are no throw description.
    for (const ULONG_PTR magic : {ULONG_PTR{0}, ULONG_PTR{0x19930523}}) {
        EXCEPTION_RECORD record{};
        record.ExceptionCode = 0xE06D7363;
        record.NumberParameters = 4;
        record.ExceptionInformation[0] = magic;
        record.ExceptionInformation[1] = 0x10;
        record.ExceptionInformation[2] = 0x20;
        record.ExceptionInformation[3] = 0x30;
        EXPECT_EQ(VormeltGuardHandler(&record, nullptr, nullptr, nullptr), ExceptionContinueSearch);
    }
}

}  // namespace

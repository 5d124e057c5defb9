#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "camera/camera_memory.h"
#include "camera/drag_operations.h"
#include "camera/wheel_operations.h"
#include "host/host_call.h"
#include "tests/support/camera_test_fixture.h"

namespace {

class CameraMemoryTest : public CameraOperationTest {
protected:
    void SetCamera(SandboxPoint eye, SandboxPoint target, float zoom, float bank)
    {
        host->eye = eye;
        host->target = target;
        host->zoom = zoom;
        host->bank = bank;
    }

    void ExpectCamera(SandboxPoint eye, SandboxPoint target, float zoom, float bank) const
    {
        EXPECT_EQ(host->eye.x, eye.x);
        EXPECT_EQ(host->eye.y, eye.y);
        EXPECT_EQ(host->eye.z, eye.z);
        EXPECT_EQ(host->target.x, target.x);
        EXPECT_EQ(host->target.y, target.y);
        EXPECT_EQ(host->target.z, target.z);
        EXPECT_EQ(host->zoom, zoom);
        EXPECT_EQ(host->bank, bank);
    }
};

const std::vector<int> SnapshotSequence{SandboxGetScene, SandboxGetCamera,     SandboxGetEye,
                                        SandboxGetTarget, SandboxGetZoom,      SandboxGetBank,
                                        SandboxReleaseCamera, SandboxReleaseScene};
const std::vector<int> WriteBackSequence{SandboxGetScene, SandboxGetCamera,     SandboxSetEye,
                                         SandboxSetTarget, SandboxSetZoom,      SandboxSetBank,
                                         SandboxReleaseCamera, SandboxReleaseScene};

TEST_F(CameraMemoryTest, SnapshotReadsTheCameraEnablesUndoAndDoesNotRepaint)
{
    SetCamera(SandboxPoint{1, 2, 3}, SandboxPoint{4, 5, 6}, 50.0f, 0.25f);
    SaveUndoSnapshot();
    const CameraSnapshot& slot = SessionState.UndoCamera;
    EXPECT_EQ(slot.eye.x, 1.0f);
    EXPECT_EQ(slot.eye.z, 3.0f);
    EXPECT_EQ(slot.target.y, 5.0f);
    EXPECT_EQ(slot.zoom, 50.0f);
    EXPECT_EQ(slot.bank, 0.25f);
    EXPECT_EQ(CallSequence(), SnapshotSequence);
    EXPECT_TRUE(ButtonEnabled(UndoButton));
    EXPECT_FALSE(ButtonEnabled(RestoreButton));
    EXPECT_EQ(SessionState.MemoryCamera.zoom, 0.0f);
    EXPECT_EQ(Repaints(), 0);
    ExpectReferencesBalanced();
}

TEST_F(CameraMemoryTest, StoreFillsOnlyTheMemorySlotAndEnablesRestore)
{
    SetCamera(SandboxPoint{1, 2, 3}, SandboxPoint{4, 5, 6}, 50.0f, 0.25f);
    StoreCamera();
    EXPECT_EQ(SessionState.MemoryCamera.target.x, 4.0f);
    EXPECT_EQ(SessionState.MemoryCamera.bank, 0.25f);
    EXPECT_EQ(SessionState.UndoCamera.zoom, 0.0f);
    EXPECT_EQ(CallSequence(), SnapshotSequence);
    EXPECT_TRUE(ButtonEnabled(RestoreButton));
    EXPECT_FALSE(ButtonEnabled(UndoButton));
    EXPECT_EQ(Repaints(), 0);
    ExpectReferencesBalanced();
}

TEST_F(CameraMemoryTest, UndoAfterDragAndWheelBringsBackTheCameraOfThePress)
{
    SetCamera(SandboxPoint{0, 3, 10}, SandboxPoint{1, 0, 0}, 35.0f, 0.5f);
    SaveUndoSnapshot();
    OrbitEye(20.0f, 10.0f);
    PanCamera(5.0f, 3.0f);
    ChangeFocalLength(-120, 0);
    ChangeBank(-120, 0);
    ASSERT_NE(host->zoom, 35.0f);

    ClearCallLog();
    StartCountingRepaints();
    UndoCameraDrag();
    ExpectCamera(SandboxPoint{0, 3, 10}, SandboxPoint{1, 0, 0}, 35.0f, 0.5f);
    EXPECT_EQ(CallSequence(), WriteBackSequence);
    EXPECT_EQ(Repaints(), 1);
    EXPECT_EQ(OperationBeforeRepaint(), SandboxSetBank);
    EXPECT_EQ(OperationAfterRepaint(), SandboxReleaseCamera);
    ExpectReferencesBalanced();

    // The slot stays: a second undo writes the same state again.
    OrbitEye(-40.0f, 0.0f);
    UndoCameraDrag();
    ExpectCamera(SandboxPoint{0, 3, 10}, SandboxPoint{1, 0, 0}, 35.0f, 0.5f);
    EXPECT_EQ(Calls(SandboxSetBank), 2);
    EXPECT_TRUE(ButtonEnabled(UndoButton));
}

TEST_F(CameraMemoryTest, APressWithoutDragStillReplacesTheUndoSnapshot)
{
    SaveUndoSnapshot();
    ChangeFocalLength(-120, 0);
    SaveUndoSnapshot();  // a second press, no drag
    ChangeFocalLength(-120, 0);
    UndoCameraDrag();
    EXPECT_FLOAT_EQ(host->zoom, 35.35f);
}

TEST_F(CameraMemoryTest, RestoreReturnsToTheStoredCameraAsOftenAsAsked)
{
    SetCamera(SandboxPoint{5, 5, 5}, SandboxPoint{0, 1, 0}, 80.0f, -1.0f);
    StoreCamera();
    DollyEye(120, 0);
    OrbitTarget(30.0f, 0.0f);

    StartCountingRepaints();
    RestoreCamera();
    ExpectCamera(SandboxPoint{5, 5, 5}, SandboxPoint{0, 1, 0}, 80.0f, -1.0f);
    EXPECT_EQ(Repaints(), 1);

    PanCamera(1.0f, 1.0f);
    RestoreCamera();
    ExpectCamera(SandboxPoint{5, 5, 5}, SandboxPoint{0, 1, 0}, 80.0f, -1.0f);

    // A later store replaces the state; the undo slot is untouched throughout.
    SetCamera(SandboxPoint{9, 9, 9}, SandboxPoint{0, 0, 1}, 20.0f, 0.0f);
    StoreCamera();
    PanCamera(2.0f, 2.0f);
    RestoreCamera();
    ExpectCamera(SandboxPoint{9, 9, 9}, SandboxPoint{0, 0, 1}, 20.0f, 0.0f);
    EXPECT_EQ(SessionState.UndoCamera.zoom, 0.0f);
    // The host's by-value copies of eye and target were its own to change.
    EXPECT_EQ(host->misalignedArguments, 0);
    ExpectReferencesBalanced();
}

TEST_F(CameraMemoryTest, RestoredValuesIgnoreTheWheelLimits)
{
    SetCamera(SandboxPoint{1, 0, 0}, SandboxPoint{0, 0, 0}, 5.0f, 4.0f);
    StoreCamera();
    SetCamera(SandboxPoint{2, 0, 0}, SandboxPoint{0, 0, 0}, 35.0f, 0.0f);
    RestoreCamera();
    EXPECT_EQ(host->zoom, 5.0f);
    EXPECT_EQ(host->bank, 4.0f);
}

TEST_F(CameraMemoryTest, ASlotNeverFilledIsNotWrittenToTheCamera)
{
    UndoCameraDrag();
    RestoreCamera();
    EXPECT_EQ(host->callCount, 0);
    EXPECT_EQ(host->referencesObtained, 0);
    EXPECT_EQ(Repaints(), 0);
    ExpectCamera(SandboxPoint{0, 0, 10}, SandboxPoint{0, 0, 0}, 35.0f, 0.0f);

    // Filling one slot does not make the other restorable.
    StoreCamera();
    ClearCallLog();
    UndoCameraDrag();
    EXPECT_EQ(host->callCount, 0);
}

TEST_F(CameraMemoryTest, ASlotHoldingValuesThatAreNotFiniteIsNotWritten)
{
    host->zoom = std::numeric_limits<float>::quiet_NaN();
    StoreCamera();
    ClearCallLog();
    RestoreCamera();
    EXPECT_EQ(host->callCount, 0);
    EXPECT_EQ(Repaints(), 0);
}

TEST_F(CameraMemoryTest, WithoutAControlWindowTheSlotsStillWork)
{
    SessionState.ControlWindow = nullptr;
    SetCamera(SandboxPoint{1, 2, 3}, SandboxPoint{0, 0, 0}, 40.0f, 0.0f);
    SaveUndoSnapshot();
    StoreCamera();
    EXPECT_EQ(SessionState.UndoCamera.zoom, 40.0f);
    EXPECT_EQ(SessionState.MemoryCamera.eye.y, 2.0f);
    EXPECT_FALSE(ButtonEnabled(UndoButton));
    EXPECT_FALSE(ButtonEnabled(RestoreButton));
}

TEST_F(CameraMemoryTest, WithoutTheHostApplicationNothingHappens)
{
    SessionState.App = nullptr;
    SessionState.MemoryCamera = CameraSnapshot{{1, 1, 1}, {0, 0, 0}, 30.0f, 0.0f};
    SaveUndoSnapshot();
    StoreCamera();
    RestoreCamera();
    EXPECT_EQ(host->callCount, 0);
    EXPECT_FALSE(ButtonEnabled(UndoButton));
    EXPECT_EQ(SessionState.MemoryCamera.zoom, 30.0f);
}

TEST_F(CameraMemoryTest, AHostExceptionWhileTakingASnapshotLeavesSlotAndButtonAlone)
{
    SessionState.UndoCamera = CameraSnapshot{{7, 7, 7}, {0, 0, 0}, 12.0f, 0.0f};
    host->throwFrom = SandboxGetBank;
    EXPECT_THROW(SaveUndoSnapshot(), HostCallFailed);
    EXPECT_EQ(SessionState.UndoCamera.eye.x, 7.0f);
    EXPECT_EQ(SessionState.UndoCamera.zoom, 12.0f);
    EXPECT_FALSE(ButtonEnabled(UndoButton));
    ExpectReferencesBalanced();
}

TEST_F(CameraMemoryTest, AHostExceptionWhileRestoringReleasesAndSkipsTheRepaint)
{
    SessionState.MemoryCamera = CameraSnapshot{{7, 7, 7}, {0, 0, 0}, 12.0f, 0.0f};
    host->throwFrom = SandboxSetZoom;
    EXPECT_THROW(RestoreCamera(), HostCallFailed);
    EXPECT_EQ(Calls(SandboxSetBank), 0);
    EXPECT_EQ(Repaints(), 0);
    ExpectReferencesBalanced();
}

}  // namespace

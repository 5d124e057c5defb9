// The scripted tour, played with the built plug-in loaded into the sandbox
// host as the host loads it and with real injected input; each step is
// checked against what its gesture should do to the views, the camera and the
// picture on screen.

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "sandbox/plugin_loader.h"
#include "sandbox/screenshot.h"
#include "sandbox/tour/tour_script.h"
#include "sandbox/views/perspective_view.h"
#include "sandbox/views/scene_model.h"

namespace {

constexpr double Degrees = 3.14159265358979323846 / 180;
constexpr int Cone = 1;

Point3 P(const SandboxPoint& p)
{
    return ToPoint3(p);
}

const char SettingsKey[] = "Software\\KELDARN\\Z_Vormelt10";

// A user's stored setting, or -1 when it is not stored.
int StoredSetting(const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, SettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(value);
}

void StoreSetting(const char* name, DWORD value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

double Azimuth(const Point3& d)
{
    return std::atan2(d.x, d.z);
}

double Elevation(const Point3& d)
{
    return std::asin(d.y / Length(d));
}

// The tour played with the built plug-in loaded as the host loads it, on a
// host in Japanese or in English.
std::vector<TourStep> PlayTourOnHost(bool japanese, const std::string& folder, TourSteps which = TourSteps::All)
{
    std::vector<TourStep> steps;
    sandbox_host_reset();
    sandbox_host_state()->japanese = japanese ? 1 : 0;
    LoadedPlugin plugin = LoadPlugin("Z_Vormelt10.dll");
    if (!plugin.complete)
        return steps;
    void* component = nullptr;
    sandbox_create_interface(&plugin.exports, HostPluginInterfaceId, 0, &component);
    if (component != nullptr) {
        steps = PlayTour(&plugin.exports, component, folder, which);
        sandbox_component_release(component);
    }
    FreeLibrary(plugin.module);
    return steps;
}

// The state after the named step.
const TourState& StateAfter(const std::vector<TourStep>& steps, const std::string& name)
{
    for (const TourStep& step : steps) {
        if (step.name == name)
            return step.state;
    }
    ADD_FAILURE() << "no step " << name;
    return steps.front().state;
}

class ScriptedTour : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // A user's own settings, which the tour must leave as they were.
        RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKey);
        StoreSetting("Option4", 2);
        StoreSetting("StartCameraMode", 1);
        folder = ScreenshotFolder() + "\\tour";
        steps = PlayTourOnHost(true, folder);
        const SandboxHostState* host = sandbox_host_state();
        referencesLeft = host->sceneReferences + host->cameraReferences + host->figureWindowReferences;
        overReleases = host->overReleases;
        userOption4 = StoredSetting("Option4");
        userStartCameraMode = StoredSetting("StartCameraMode");
        controlWindowShownAfter = StoredSetting("ShowControlWnd");
        RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKey);
    }

    void SetUp() override { ASSERT_FALSE(steps.empty()) << "the tour did not play"; }

    // The state after the named step, and before it.
    static const TourState& After(const std::string& name) { return StateAfter(steps, name); }
    static const TourState& Before(const std::string& name)
    {
        for (size_t i = 1; i < steps.size(); ++i) {
            if (steps[i].name == name)
                return steps[i - 1].state;
        }
        ADD_FAILURE() << "no step " << name;
        return steps.front().state;
    }

    static const FigurePane& PaneOfType(const TourState& state, int type)
    {
        for (const FigurePane& pane : state.panes) {
            if (pane.type == type)
                return pane;
        }
        return state.panes[0];
    }
    static RECT AreaRect(const TourState& state, int type)
    {
        const PaneArea area = DrawingArea(PaneOfType(state, type).rect);
        return RECT{area.left, area.top, area.right, area.bottom};
    }
    static PaneArea Area(const TourState& state, int type) { return DrawingArea(PaneOfType(state, type).rect); }

    static void ExpectSameCamera(const TourState& a, const TourState& b)
    {
        EXPECT_EQ(a.eye.x, b.eye.x);
        EXPECT_EQ(a.eye.y, b.eye.y);
        EXPECT_EQ(a.eye.z, b.eye.z);
        EXPECT_EQ(a.target.x, b.target.x);
        EXPECT_EQ(a.target.y, b.target.y);
        EXPECT_EQ(a.target.z, b.target.z);
        EXPECT_EQ(a.zoom, b.zoom);
        EXPECT_EQ(a.bank, b.bank);
    }
    static void ExpectSameView(const OrthoView& a, const OrthoView& b)
    {
        EXPECT_NEAR(a.scale, b.scale, 1e-9 * b.scale);
        EXPECT_NEAR(Length(a.centre - b.centre), 0, 1e-6) << "the host's points pass through single precision";
    }
    static double Distance(const TourState& state) { return Length(P(state.eye) - P(state.target)); }

    static std::string folder;
    static std::vector<TourStep> steps;
    static int referencesLeft;
    static int overReleases;
    static int userOption4;
    static int userStartCameraMode;
    static int controlWindowShownAfter;
};

std::string ScriptedTour::folder;
std::vector<TourStep> ScriptedTour::steps;
int ScriptedTour::referencesLeft = -1;
int ScriptedTour::overReleases = -1;
int ScriptedTour::userOption4 = 0;
int ScriptedTour::userStartCameraMode = 0;
int ScriptedTour::controlWindowShownAfter = 0;

TEST_F(ScriptedTour, EveryStepLeftAPictureAndALineOfState)
{
    EXPECT_EQ(steps.size(), 31u);
    for (const TourStep& step : steps) {
        std::ifstream picture(step.picture, std::ios::binary);
        char signature[8] = {};
        picture.read(signature, 8);
        EXPECT_EQ(std::string(signature + 1, 3), "PNG") << step.name;
    }
    std::ifstream log(folder + "\\tour.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), steps.size());
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(lines[i].find(steps[i].name), 3u) << lines[i];
        EXPECT_NE(lines[i].find(" zoom "), std::string::npos);
        EXPECT_NE(lines[i].find("view scale"), std::string::npos);
    }
}

TEST_F(ScriptedTour, EveryHostReferenceThePlugInTookWasReleased)
{
    EXPECT_EQ(referencesLeft, 0);
    EXPECT_EQ(overReleases, 0);
}

TEST_F(ScriptedTour, PlaysWithTheDefaultsAndPutsTheUsersStoredSettingsBack)
{
    EXPECT_EQ(After("start").mode, TourMode::Modeling) << "not the user's camera start mode";
    EXPECT_LT(Distance(After("wheel-dollies-eye")), Distance(Before("wheel-dollies-eye")))
        << "the plain wheel dollies, not the user's focal length";
    EXPECT_EQ(userOption4, 2);
    EXPECT_EQ(userStartCameraMode, 1);
    EXPECT_EQ(controlWindowShownAfter, -1) << "nothing of the tour's own settings is left";
}

TEST_F(ScriptedTour, AtTheStartEveryShapeShowsInAllFourPanesInModelingMode)
{
    const TourState& start = After("start");
    EXPECT_EQ(start.mode, TourMode::Modeling);
    for (int type : {PaneTop, PaneFront, PaneSide, PanePerspective}) {
        const RECT area = AreaRect(start, type);
        for (const SceneShape& shape : SceneShapes()) {
            const uint32_t colour = (uint32_t{GetRValue(shape.colour)} << 16) |
                                    (uint32_t{GetGValue(shape.colour)} << 8) | GetBValue(shape.colour);
            int pixels = 0;
            for (int y = area.top; y < area.bottom; ++y)
                for (int x = area.left; x < area.right; ++x)
                    pixels += start.picture.At(x, y) == colour;
            EXPECT_GT(pixels, 40) << shape.name << " in pane " << type;
        }
    }
}

TEST_F(ScriptedTour, AClickOnTheConeSelectsItAndDrawsItHighlighted)
{
    EXPECT_EQ(Before("select-cone-by-click").selection, 0u);
    const TourState& after = After("select-cone-by-click");
    EXPECT_EQ(after.selection, 1u << Cone);
    const uint32_t orange = 0xFF8C00;
    for (int type : {PaneTop, PaneFront, PaneSide, PanePerspective}) {
        const RECT area = AreaRect(after, type);
        int pixels = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                pixels += after.picture.At(x, y) == orange;
        EXPECT_GT(pixels, 40) << "pane " << type;
    }
}

TEST_F(ScriptedTour, TheWheelTowardTheUserZoomsTheOrthographicViewsInAboutTheDrawingCentre)
{
    const TourState& before = Before("wheel-in-about-drawing-centre");
    const TourState& after = After("wheel-in-about-drawing-centre");
    EXPECT_NEAR(after.view.scale / before.view.scale, OrthoZoomStep, 1e-9) << "one step per notch";
    EXPECT_NEAR(Length(after.view.centre - before.view.centre), 0, 1e-6);
    // On screen the shapes spread out from the middle of each pane.
    const PaneInk inkBefore = InkIn(before.picture, AreaRect(before, PaneTop));
    const PaneInk inkAfter = InkIn(after.picture, AreaRect(after, PaneTop));
    EXPECT_GT(inkAfter.spread, inkBefore.spread * 1.1);
    ExpectSameCamera(before, after);
}

TEST_F(ScriptedTour, TheWheelAwayFromTheUserZoomsBackOut)
{
    const TourState& before = Before("wheel-out-about-drawing-centre");
    const TourState& after = After("wheel-out-about-drawing-centre");
    EXPECT_NEAR(before.view.scale / after.view.scale, OrthoZoomStep, 1e-9);
    ExpectSameView(after.view, After("select-cone-by-click").view);
    const PaneInk inkBefore = InkIn(before.picture, AreaRect(before, PaneTop));
    const PaneInk inkAfter = InkIn(after.picture, AreaRect(after, PaneTop));
    EXPECT_LT(inkAfter.spread, inkBefore.spread / 1.1);
}

TEST_F(ScriptedTour, TheWheelWithCtrlZoomsAboutTheWorldPointUnderThePointer)
{
    const TourState& before = Before("ctrl-wheel-in-about-cursor");
    const TourState& after = After("ctrl-wheel-in-about-cursor");
    EXPECT_NEAR(after.view.scale / before.view.scale, OrthoZoomStep, 1e-9);
    EXPECT_GT(Length(after.view.centre - before.view.centre), 0.1) << "the pointer is away from the centre";
    const PaneArea area = Area(before, PaneFront);
    const PanePoint pointer{double(after.pointer.x), double(after.pointer.y)};
    const Point3 underPointer = OrthoFromPane(before.view, PaneFront, area, pointer);
    const PanePoint shown = OrthoToPane(after.view, PaneFront, area, underPointer);
    EXPECT_NEAR(shown.x, pointer.x, 0.5);
    EXPECT_NEAR(shown.y, pointer.y, 0.5);
    ExpectSameView(After("ctrl-wheel-out-about-cursor").view, before.view);
}

TEST_F(ScriptedTour, TheWheelWithShiftZoomsAboutTheSelectedCone)
{
    const TourState& before = Before("shift-wheel-in-about-selection");
    const TourState& after = After("shift-wheel-in-about-selection");
    EXPECT_NEAR(after.view.scale / before.view.scale, OrthoZoomStep, 1e-9);
    const Point3 cone{3, 1, 0};
    for (int type : {PaneTop, PaneFront, PaneSide}) {
        const PanePoint was = OrthoToPane(before.view, type, Area(before, type), cone);
        const PanePoint is = OrthoToPane(after.view, type, Area(after, type), cone);
        EXPECT_NEAR(is.x, was.x, 1e-3) << "pane " << type;
        EXPECT_NEAR(is.y, was.y, 1e-3) << "pane " << type;
    }
    ExpectSameView(After("shift-wheel-out-about-selection").view, before.view);
}

TEST_F(ScriptedTour, ATouchpadsSmallWheelPartsZoomOncePerWholeNotch)
{
    const TourState& before = Before("touchpad-wheel-out-about-drawing-centre");
    const TourState& after = After("touchpad-wheel-out-about-drawing-centre");
    // Nine parts adding up to 290: two steps, where a step per message would be nine.
    EXPECT_NEAR(before.view.scale / after.view.scale, OrthoZoomStep * OrthoZoomStep, 1e-9);
    EXPECT_NEAR(Length(after.view.centre - before.view.centre), 0, 1e-6);
    const PaneInk inkBefore = InkIn(before.picture, AreaRect(before, PaneTop));
    const PaneInk inkAfter = InkIn(after.picture, AreaRect(after, PaneTop));
    EXPECT_LT(inkAfter.spread, inkBefore.spread / 1.4);
    ExpectSameCamera(before, after);
}

TEST_F(ScriptedTour, HoldingTheMiddleButtonPansTheDrawingWithThePointer)
{
    const TourState& before = Before("middle-button-pan");
    const TourState& after = After("middle-button-pan");
    // The pointer went 60 pixels right and 40 down in the top pane.
    const Point3 moved = after.view.centre - before.view.centre;
    EXPECT_NEAR(moved.x, -60 / before.view.scale, 1e-6);
    EXPECT_NEAR(moved.y, 0, 1e-9);
    EXPECT_NEAR(moved.z, -40 / before.view.scale, 1e-6);
    EXPECT_EQ(after.view.scale, before.view.scale);
    const RECT top = AreaRect(before, PaneTop);
    const double followed = InkOverlap(before.picture, after.picture, top, 60, 40);
    EXPECT_GT(followed, 0.9) << "the shapes moved on screen by the pointer's way";
    EXPECT_LT(InkOverlap(before.picture, after.picture, top, 0, 0), followed - 0.3);
    ExpectSameCamera(before, after);
}

// The press at 0.4, 0.4 of the top pane, then five moves of 12 by 8 pixels
// with no pause: the first leaves the double-click rectangle and begins the
// pan, without waiting for the double-click time, from where the button went
// down; the drawing follows all five.
TEST_F(ScriptedTour, AMiddleDragPansAtOnceAndThePointerFollowsTheHand)
{
    const TourState& before = Before("middle-drag-pans-at-once");
    const TourState& after = After("middle-drag-pans-at-once");
    const Point3 moved = after.view.centre - before.view.centre;
    // Give or take the pixel by which a pointer position can round.
    EXPECT_NEAR(moved.x, -60 / before.view.scale, 1.01 / before.view.scale);
    EXPECT_NEAR(moved.y, 0, 1e-9);
    EXPECT_NEAR(moved.z, -40 / before.view.scale, 1.01 / before.view.scale);
    const PaneArea area = Area(before, PaneTop);
    EXPECT_EQ(after.pointer.x, static_cast<LONG>(area.left + area.Width() * 0.4 + 0.5) + 60);
    EXPECT_EQ(after.pointer.y, static_cast<LONG>(area.top + area.Height() * 0.4 + 0.5) + 40);
    EXPECT_FALSE(after.spaceHeld);
    EXPECT_FALSE(after.leftHeld);
    ExpectSameCamera(before, after);
}

TEST_F(ScriptedTour, AModeSwitchDuringAPanEndsItAndLeavesNothingPressed)
{
    const TourState& before = Before("mode-switch-during-a-pan");
    const TourState& after = After("mode-switch-during-a-pan");
    const Point3 moved = after.view.centre - before.view.centre;
    EXPECT_NEAR(moved.x, 60 / before.view.scale, 1.01 / before.view.scale);
    EXPECT_NEAR(moved.z, 40 / before.view.scale, 1.01 / before.view.scale);
    EXPECT_FALSE(after.spaceHeld) << "the host would go on as if the user held space";
    EXPECT_FALSE(after.leftHeld);
    EXPECT_EQ(after.mode, TourMode::Modeling) << "switched and switched back";
    ExpectSameCamera(before, after);
}

TEST_F(ScriptedTour, ACtrlMiddleDoubleClickScrollsToTheSelection)
{
    const TourState& before = Before("ctrl-middle-double-click-scrolls-to-selection");
    const TourState& after = After("ctrl-middle-double-click-scrolls-to-selection");
    EXPECT_NEAR(Length(after.view.centre - Point3{3, 1, 0}), 0, 1e-6);
    EXPECT_EQ(after.view.scale, before.view.scale);
}

TEST_F(ScriptedTour, AMiddleDoubleClickFitsTheDrawingAsAtTheStart)
{
    EXPECT_GT(Length(Before("middle-double-click-fits-drawing").view.centre - After("start").view.centre), 1);
    ExpectSameView(After("middle-double-click-fits-drawing").view, After("start").view);
}

TEST_F(ScriptedTour, TheNonConvertKeySwitchesToCameraMode)
{
    EXPECT_EQ(Before("nonconvert-enters-camera-mode").mode, TourMode::Modeling);
    const TourState& after = After("nonconvert-enters-camera-mode");
    EXPECT_EQ(after.mode, TourMode::Camera);
    EXPECT_TRUE(after.hostActive) << "the key's switch took the host's keyboard away";
    ExpectSameCamera(Before("nonconvert-enters-camera-mode"), after);
    ExpectSameView(Before("nonconvert-enters-camera-mode").view, after.view);
}

TEST_F(ScriptedTour, ALeftDragOrbitsTheEyeAboutTheTargetByTheDraggedDegrees)
{
    const TourState& before = Before("left-drag-orbits-eye");
    const TourState& after = After("left-drag-orbits-eye");
    EXPECT_EQ(P(after.target).x, P(before.target).x);
    EXPECT_EQ(P(after.target).z, P(before.target).z);
    EXPECT_NEAR(Distance(after), Distance(before), 1e-3 * Distance(before));
    // 40 pixels right and 15 down: 40 degrees around, 15 degrees down from above.
    const Point3 was = P(before.eye) - P(before.target);
    const Point3 is = P(after.eye) - P(after.target);
    EXPECT_NEAR((Azimuth(is) - Azimuth(was)) / Degrees, 40, 0.5);
    EXPECT_NEAR((Elevation(was) - Elevation(is)) / Degrees, 15, 0.5);
    EXPECT_TRUE(after.undoEnabled) << "the press took an undo snapshot";
    EXPECT_GT(ChangedPixels(before.picture, after.picture, AreaRect(after, PanePerspective)), 500);
}

TEST_F(ScriptedTour, ARightDragOrbitsTheTargetAboutTheEye)
{
    const TourState& before = Before("right-drag-orbits-target");
    const TourState& after = After("right-drag-orbits-target");
    EXPECT_EQ(P(after.eye).x, P(before.eye).x);
    EXPECT_EQ(P(after.eye).y, P(before.eye).y);
    EXPECT_EQ(P(after.eye).z, P(before.eye).z);
    EXPECT_NEAR(Distance(after), Distance(before), 1e-3 * Distance(before));
    const Point3 was = P(before.target) - P(before.eye);
    const Point3 is = P(after.target) - P(after.eye);
    EXPECT_NEAR((Azimuth(is) - Azimuth(was)) / Degrees, 10, 0.5) << "10 pixels left turn the target 10 degrees";
    EXPECT_GT(ChangedPixels(before.picture, after.picture, AreaRect(after, PanePerspective)), 500);
}

TEST_F(ScriptedTour, AMiddleDragPansEyeAndTargetTogetherAcrossTheView)
{
    const TourState& before = Before("middle-drag-pans-camera");
    const TourState& after = After("middle-drag-pans-camera");
    const Point3 eyeMoved = P(after.eye) - P(before.eye);
    const Point3 targetMoved = P(after.target) - P(before.target);
    EXPECT_GT(Length(eyeMoved), 0.1);
    EXPECT_NEAR(Length(eyeMoved - targetMoved), 0, 1e-3);
    EXPECT_NEAR(Dot(Normalized(eyeMoved), Normalized(P(before.target) - P(before.eye))), 0, 1e-3);
    // One pixel of the drag is one pixel at the target's distance: the old
    // target now shows 40 pixels left of and 25 above the pane's middle.
    const PaneArea area = Area(after, PanePerspective);
    PanePoint shown;
    ASSERT_TRUE(ProjectPoint(CameraPose{P(after.eye), P(after.target), after.zoom, after.bank}, area,
                             P(before.target), &shown));
    EXPECT_NEAR(shown.x - area.Centre().x, -40, 1);
    EXPECT_NEAR(shown.y - area.Centre().y, -25, 1);
}

TEST_F(ScriptedTour, ThePlainWheelMovesTheEyeTowardTheTarget)
{
    const TourState& before = Before("wheel-dollies-eye");
    const TourState& after = After("wheel-dollies-eye");
    ExpectSameView(before.view, after.view);
    EXPECT_EQ(P(after.target).x, P(before.target).x);
    EXPECT_EQ(P(after.target).z, P(before.target).z);
    // Three notches, each one step of 1 - 0.01, though the host sees each twice.
    EXPECT_NEAR(Distance(after) / Distance(before), std::pow(0.99, 3), 1e-4);
    EXPECT_NEAR(Dot(Normalized(P(after.eye) - P(after.target)), Normalized(P(before.eye) - P(before.target))), 1,
                1e-6);
}

TEST_F(ScriptedTour, TheWheelWithTheLeftButtonMovesTheTargetAwayFromTheEye)
{
    const TourState& before = Before("left-button-wheel-dollies-target");
    const TourState& after = After("left-button-wheel-dollies-target");
    EXPECT_EQ(P(after.eye).x, P(before.eye).x);
    EXPECT_EQ(P(after.eye).z, P(before.eye).z);
    EXPECT_NEAR(Distance(after) / Distance(before), std::pow(1.01, 3), 1e-4);
    EXPECT_NEAR(Dot(Normalized(P(after.target) - P(after.eye)), Normalized(P(before.target) - P(before.eye))), 1,
                1e-6);
}

TEST_F(ScriptedTour, TheWheelWithTheRightButtonLengthensTheFocalLength)
{
    const TourState& before = Before("right-button-wheel-changes-focal-length");
    const TourState& after = After("right-button-wheel-changes-focal-length");
    EXPECT_NEAR(after.zoom, before.zoom * std::pow(1.01, 5), 1e-3);
    EXPECT_EQ(P(after.eye).x, P(before.eye).x);
    EXPECT_EQ(P(after.target).x, P(before.target).x);
    // A longer lens enlarges the picture about the pane's middle.
    const PaneInk inkBefore = InkIn(before.picture, AreaRect(before, PanePerspective));
    const PaneInk inkAfter = InkIn(after.picture, AreaRect(after, PanePerspective));
    EXPECT_GT(inkAfter.spread, inkBefore.spread * 1.05);
}

TEST_F(ScriptedTour, TheWheelWithTheMiddleButtonRollsTheCamera)
{
    const TourState& before = Before("middle-button-wheel-changes-bank");
    const TourState& after = After("middle-button-wheel-changes-bank");
    EXPECT_NEAR(after.bank - before.bank, 3 * 0.05, 1e-5);
    EXPECT_EQ(after.zoom, before.zoom);
    EXPECT_EQ(P(after.eye).x, P(before.eye).x);
    EXPECT_GT(ChangedPixels(before.picture, after.picture, AreaRect(after, PanePerspective)), 500);
}

TEST_F(ScriptedTour, StoreThenRestoreReturnsToTheStoredCamera)
{
    EXPECT_FALSE(Before("store-camera").restoreEnabled);
    const TourState& stored = After("store-camera");
    EXPECT_TRUE(stored.restoreEnabled);
    ExpectSameCamera(Before("store-camera"), stored);
    EXPECT_GT(Length(P(After("orbit-after-storing").eye) - P(stored.eye)), 1);
    ExpectSameCamera(After("restore-camera"), stored);
}

TEST_F(ScriptedTour, UndoReturnsToTheCameraOfTheLastPress)
{
    const TourState& atPress = Before("pan-before-undo");
    EXPECT_GT(Length(P(After("pan-before-undo").eye) - P(atPress.eye)), 0.1);
    ExpectSameCamera(After("undo-drag"), atPress);
}

TEST_F(ScriptedTour, TheConfigurationDialogOpensFromThePlugInsMenuAndClosesWithOk)
{
    EXPECT_FALSE(Before("open-configuration-from-plug-ins-menu").configDialogShown);
    EXPECT_TRUE(After("open-configuration-from-plug-ins-menu").configDialogShown);
    EXPECT_TRUE(After("choose-tilt-for-plain-wheel").configDialogShown);
    EXPECT_FALSE(After("confirm-configuration").configDialogShown);
}

TEST_F(ScriptedTour, AfterChoosingTiltThePlainWheelRollsInsteadOfMovingTheEye)
{
    const TourState& before = Before("plain-wheel-now-changes-bank");
    const TourState& after = After("plain-wheel-now-changes-bank");
    EXPECT_NEAR(after.bank - before.bank, 3 * 0.05, 1e-5);
    EXPECT_EQ(Distance(after), Distance(before));
    SCOPED_TRACE("choosing in the dialog alone changes nothing");
    ExpectSameCamera(After("choose-tilt-for-plain-wheel"), before);
}

// On a host in English, the steps it shows differently: every text the
// pictures show is English, and the picture buttons and the English dialog's
// choice act as on the Japanese host. It plays in a process of its own: an
// attached plug-in stays in its process, attached to the first host's windows.
class ScriptedTourInEnglish : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKey);
        steps = PlayTourOnHost(false, ScreenshotFolder() + "\\tour-en", TourSteps::LanguageDependent);
    }

    void SetUp() override { ASSERT_FALSE(steps.empty()) << "the tour did not play"; }

    static const TourState& After(const std::string& name) { return StateAfter(steps, name); }

    static std::vector<TourStep> steps;
};

std::vector<TourStep> ScriptedTourInEnglish::steps;

TEST_F(ScriptedTourInEnglish, ThePaneShowsEnglishAtEveryStep)
{
    // The host reports its camera once at the start, in ModelingMode.
    EXPECT_EQ(After("start").paneText, "Z_Vormelt Modeling mode");
    for (const TourStep& step : steps) {
        EXPECT_FALSE(step.picture.empty()) << step.name;
        const bool english = step.state.paneText.rfind("Z_Vormelt Modeling mode", 0) == 0 ||
                             step.state.paneText.rfind("Z_Vormelt Camera mode", 0) == 0;
        EXPECT_TRUE(english) << step.name << ": " << step.state.paneText;
    }
    EXPECT_EQ(After("nonconvert-enters-camera-mode").paneText, "Z_Vormelt Camera mode");
}

TEST_F(ScriptedTourInEnglish, TheHostsMenuEntryOpensTheEnglishDialogWhoseChoiceActs)
{
    EXPECT_EQ(After("open-configuration-from-plug-ins-menu").configDialogCaption, "Z_Vormelt Configuration");
    EXPECT_FALSE(After("confirm-configuration").configDialogShown);
    const TourState& before = After("confirm-configuration");
    const TourState& after = After("plain-wheel-now-changes-bank");
    EXPECT_NEAR(after.bank - before.bank, 3 * 0.05, 1e-5) << "\"Bank\" was chosen for the plain wheel";
}

TEST_F(ScriptedTourInEnglish, ThePictureButtonsStoreRestoreAndUndo)
{
    EXPECT_TRUE(After("store-camera").restoreEnabled);
    EXPECT_EQ(After("restore-camera").eye.x, After("store-camera").eye.x);
    EXPECT_EQ(After("restore-camera").eye.z, After("store-camera").eye.z);
    EXPECT_EQ(After("undo-drag").eye.x, After("restore-camera").eye.x);
    EXPECT_EQ(After("undo-drag").eye.z, After("restore-camera").eye.z);
}

}  // namespace

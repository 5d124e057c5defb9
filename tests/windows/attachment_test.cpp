// The host's first attach: the windows the plug-in takes, the start mode from
// the settings, the control window and the status pane, the hook; and the
// mode switch afterwards.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

#include "host/status_bar_library.h"
#include "input/hook_installation.h"
#include "input/mode_switch.h"
#include "state/session_state.h"
#include "tests/windows/attached_host.h"
#include "tests/windows/registry_scratch.h"
#include "ui/resource_ids.h"

namespace {

const char ModelingText[] = u8"Z_Vormelt モデリングモード";
const char CameraText[] = u8"Z_Vormelt カメラモード";

using Attachment = AttachedHostTest;

HICON ButtonImage()
{
    return reinterpret_cast<HICON>(SendMessageA(SessionState.ModeButton, BM_GETIMAGE, IMAGE_ICON, 0));
}

// The icon's colour and mask pixels, as 32-bit rows.
std::vector<uint32_t> IconPixels(HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return {};
    const SIZE size = IconSize(icon);
    std::vector<uint32_t> pixels(2 * static_cast<size_t>(size.cx * size.cy));
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = size.cx;
    format.bmiHeader.biHeight = -size.cy;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    const HDC screen = GetDC(nullptr);
    if (info.hbmColor != nullptr)
        GetDIBits(screen, info.hbmColor, 0, size.cy, pixels.data(), &format, DIB_RGB_COLORS);
    GetDIBits(screen, info.hbmMask, 0, size.cy, pixels.data() + size.cx * size.cy, &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    return pixels;
}

// The plug-in's icon `id` at the pane's size, as the pane is given it.
std::vector<uint32_t> ResourceIconPixels(int id)
{
    const HANDLE icon = LoadImageA(SessionState.ModuleInstance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16,
                                   LR_LOADMAP3DCOLORS);
    std::vector<uint32_t> pixels = IconPixels(static_cast<HICON>(icon));
    DestroyIcon(static_cast<HICON>(icon));
    return pixels;
}

// What the last ZBR_SetIcon handed over.
HICON LastPaneIcon(const std::vector<StatusBarCall>& calls)
{
    for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
        if (call->function == StatusBarSetIconCall)
            return call->icon;
    }
    return nullptr;
}

void ExpectModelingLook()
{
    EXPECT_EQ(SessionState.Mode, 0);
    EXPECT_EQ(ButtonImage(), SessionState.ModelingIcon);
    const SIZE client = ClientSize(SessionState.ControlWindow);
    EXPECT_EQ(client.cx, 44);
    EXPECT_EQ(client.cy, 32);
}

void ExpectCameraLook()
{
    EXPECT_EQ(SessionState.Mode, 1);
    EXPECT_EQ(ButtonImage(), SessionState.CameraIcon);
    const SIZE client = ClientSize(SessionState.ControlWindow);
    EXPECT_EQ(client.cx, 250);
    EXPECT_EQ(client.cy, 32);
}

TEST_F(Attachment, TakesTheMainWindowThenCallsTheHostThenTakesItsFirstChild)
{
    Attach();
    EXPECT_EQ(SessionState.MainWindow, windows.main);
    EXPECT_EQ(SessionState.FigureWindow, windows.figure);
    EXPECT_EQ(CallSequence(), (std::vector<int>{SandboxGetMainWindow, SandboxAttachCall, SandboxIsJapanese}));
    EXPECT_EQ(SessionState.FirstAttach, 0);
}

// The host's language is asked once; a host that cannot answer gets English,
// as its menu entry does.
struct HostLanguageRow {
    const char* name;
    int japanese;
    int throwFrom;
    HostLanguage language;
    const char* paneText;
};

class AttachmentLanguage : public AttachedHostTest, public ::testing::WithParamInterface<HostLanguageRow> {};

TEST_P(AttachmentLanguage, IsAskedOnceAndSpokenFromThen)
{
    host->japanese = GetParam().japanese;
    host->throwFrom = GetParam().throwFrom;
    Attach();
    EXPECT_EQ(Calls(SandboxIsJapanese), 1);
    EXPECT_EQ(SessionState.Language, GetParam().language);
    EXPECT_EQ(LastPaneText(), GetParam().paneText);
    host->japanese = 1 - GetParam().japanese;
    host->throwFrom = SandboxNoOperation;
    Attach();
    EXPECT_EQ(Calls(SandboxIsJapanese), 1) << "a second attach does not ask again";
    EXPECT_EQ(SessionState.Language, GetParam().language);
}

const HostLanguageRow HostLanguageRows[] = {
    {"Japanese", 1, SandboxNoOperation, HostLanguage::Japanese, ModelingText},
    {"English", 0, SandboxNoOperation, HostLanguage::English, "Z_Vormelt Modeling mode"},
    {"ThrowingHost", 1, SandboxIsJapanese, HostLanguage::English, "Z_Vormelt Modeling mode"},
};

INSTANTIATE_TEST_SUITE_P(EachHost, AttachmentLanguage, ::testing::ValuesIn(HostLanguageRows),
                         [](const ::testing::TestParamInfo<HostLanguageRow>& info) { return info.param.name; });

TEST_F(Attachment, LoadsThePanCursorFromTheHostsModule)
{
    Attach();
    ASSERT_NE(SessionState.PanCursor, nullptr);
    EXPECT_EQ(SessionState.PanCursor, LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(104)));
}

TEST_F(Attachment, WithoutSettingsStartsInModelingModeWithTheControlWindowHiddenAt200)
{
    Attach();
    ASSERT_NE(SessionState.ControlWindow, nullptr);
    EXPECT_EQ(GetWindow(SessionState.ControlWindow, GW_OWNER), windows.main);
    EXPECT_FALSE(IsWindowVisible(SessionState.ControlWindow));
    ExpectModelingLook();
    const POINT origin = WindowOrigin(SessionState.ControlWindow);
    EXPECT_EQ(origin.x, 200);
    EXPECT_EQ(origin.y, 200);

    const std::vector<StatusBarCall> calls = StatusCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].function, StatusBarAddPainCall);
    EXPECT_EQ(calls[1].function, StatusBarSetTextCall);
    EXPECT_EQ(calls[2].function, StatusBarSetIconCall);
    for (const StatusBarCall& call : calls)
        EXPECT_EQ(call.paneId, 0x40A00060);
    EXPECT_EQ(LastPaneText(), ModelingText);
    const SIZE icon = IconSize(LastPaneIcon(calls));
    EXPECT_EQ(icon.cx, 16);
    EXPECT_EQ(icon.cy, 16);
    ASSERT_NE(ResourceIconPixels(IDI_MODELING_MODE), ResourceIconPixels(IDI_CAMERA_MODE));
    EXPECT_EQ(IconPixels(LastPaneIcon(calls)), ResourceIconPixels(IDI_MODELING_MODE));
}

TEST_F(Attachment, StartCameraModeStartsInCameraMode)
{
    WriteSettingsDword("StartCameraMode", 1);
    Attach();
    ExpectCameraLook();
    EXPECT_EQ(LastPaneText(), CameraText);
    EXPECT_EQ(IconPixels(LastPaneIcon(StatusCalls())), ResourceIconPixels(IDI_CAMERA_MODE));
    EXPECT_FALSE(IsWindowVisible(SessionState.ControlWindow));
}

TEST_F(Attachment, ShowControlWndShowsTheWindow)
{
    WriteSettingsDword("ShowControlWnd", 1);
    Attach();
    EXPECT_TRUE(IsWindowVisible(SessionState.ControlWindow));
    ExpectModelingLook();
}

// Hidden or shown, the control window takes neither the activation nor the
// focus: a space typed at once reaches the host, not the mode button.
class AttachmentKeepingTheKeyboard : public Attachment, public testing::WithParamInterface<int> {};

TEST_P(AttachmentKeepingTheKeyboard, LeavesTheHostsWindowActiveWithItsFocus)
{
    WriteSettingsDword("ShowControlWnd", GetParam());
    CreateWindows();
    SetForegroundWindow(windows.main);
    SetFocus(windows.figure);
    Attach();
    EXPECT_EQ(IsWindowVisible(SessionState.ControlWindow) != FALSE, GetParam() != 0);
    EXPECT_EQ(GetActiveWindow(), windows.main);
    EXPECT_EQ(GetFocus(), windows.figure);
    TypeKey(VK_SPACE);
    EXPECT_EQ(SessionState.Mode, ModelingMode);
}

INSTANTIATE_TEST_SUITE_P(HiddenAndShown, AttachmentKeepingTheKeyboard, testing::Values(0, 1));

TEST_F(Attachment, ASecondAttachDoesNotAttachAgainButDisablesTheCameraButtonsAgain)
{
    Attach();
    const HWND control = SessionState.ControlWindow;
    EnableWindow(GetDlgItem(control, IDC_RESTORE_BUTTON), TRUE);
    EnableWindow(GetDlgItem(control, IDC_UNDO_BUTTON), TRUE);
    const size_t paneCalls = StatusCalls().size();
    Attach();
    EXPECT_EQ(SessionState.ControlWindow, control);
    EXPECT_EQ(Calls(SandboxGetMainWindow), 1);
    EXPECT_EQ(Calls(SandboxAttachCall), 1);
    EXPECT_EQ(StatusCalls().size(), paneCalls);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(control, IDC_RESTORE_BUTTON)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(control, IDC_UNDO_BUTTON)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(control, IDC_STORE_BUTTON)));
}

TEST_F(Attachment, AnAttachFromInsideTheHostsAttachCallDoesNotAttachAgain)
{
    host->attachAgainDuringAttachCall = component;
    Attach();
    EXPECT_EQ(host->attachAgainDuringAttachCall, nullptr) << "the host called attach again";
    EXPECT_EQ(Calls(SandboxGetMainWindow), 1);
    EXPECT_EQ(Calls(SandboxAttachCall), 1);
    int panes = 0;
    for (const StatusBarCall& call : StatusCalls())
        panes += call.function == StatusBarAddPainCall;
    EXPECT_EQ(panes, 1);
    EXPECT_EQ(SessionState.FirstAttach, 0);
    EXPECT_NE(SessionState.HookHandle, nullptr);
}

// Reached by position alone, as the host reaches them, never through the
// table's declaration.
TEST_F(Attachment, TheComponentsOwnOperationsAnswerAtTheirPlacesInTheTable)
{
    CreateWindows();
    int flag = 0;
    sandbox_slot_attach(component, 66, sandbox_host_attach_context(), &flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(SessionState.FirstAttach, 0);
    EXPECT_EQ(Calls(SandboxGetMainWindow), 1);
    ASSERT_NE(SessionState.ControlWindow, nullptr);

    host->zoom = 12.5f;
    flag = 0;
    sandbox_slot_camera_changed(component, 33, sandbox_host_scene(), &flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(ControlText(SessionState.ControlWindow, IDC_ZOOM_VALUE), "12.500000");

    ASSERT_EQ(SessionState.ConfigWindow, nullptr);
    sandbox_slot_open_configuration(component, 32);
    ASSERT_NE(SessionState.ConfigWindow, nullptr);
    EXPECT_TRUE(IsWindowVisible(SessionState.ConfigWindow));
    DestroyWindow(SessionState.ConfigWindow);

    EXPECT_EQ(sandbox_slot_version_number(component, 36), 430286);
    unsigned char uuid[16];
    sandbox_slot_component_uuid(component, 106, uuid);
    const unsigned char expected[16] = {0x85, 0x2B, 0x93, 0x42, 0xF3, 0x49, 0x88, 0x61,
                                        0x55, 0x4F, 0x72, 0x9D, 0x89, 0xEF, 0x59, 0xB6};
    EXPECT_EQ(std::memcmp(uuid, expected, 16), 0);

    host->shapeCount = 2;
    host->shapes[0] = SandboxShape{};
    host->shapes[0].isPart = 1;
    host->shapes[0].active = 1;
    host->shapes[1] = SandboxShape{};
    host->shapes[1].active = 1;
    sandbox_slot_shape_to_part(component, 113, 0, &flag);
    EXPECT_EQ(flag, 0) << "a part";
    sandbox_slot_shape_to_part(component, 113, 1, &flag);
    EXPECT_EQ(flag, 1) << "a plain shape";
}

TEST_F(Attachment, AHostFailureBeforeAnythingIsCreatedLeavesTheNextAttachToDoIt)
{
    CreateWindows();
    host->throwFrom = SandboxAttachCall;
    Attach();
    EXPECT_EQ(SessionState.FirstAttach, 1);
    EXPECT_EQ(SessionState.ControlWindow, nullptr);
    EXPECT_EQ(SessionState.HookHandle, nullptr);
    host->throwFrom = SandboxNoOperation;
    Attach();
    EXPECT_EQ(SessionState.FirstAttach, 0);
    EXPECT_NE(SessionState.ControlWindow, nullptr);
    EXPECT_NE(SessionState.HookHandle, nullptr);
}

// A hook installed before the plug-in's runs after it, so it sees only what
// the plug-in handed on.
std::map<UINT, MSG> SeenAfterPlugin;
HHOOK LaterHook = nullptr;

LRESULT CALLBACK RecordingHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0) {
        const MSG* message = reinterpret_cast<const MSG*>(lParam);
        SeenAfterPlugin[message->message] = *message;
    }
    return CallNextHookEx(LaterHook, code, wParam, lParam);
}

TEST_F(Attachment, HooksTheFigureWindowsThreadAndHandsEveryMessageOn)
{
    CreateWindows();
    SeenAfterPlugin.clear();
    LaterHook = SetWindowsHookExA(WH_GETMESSAGE, RecordingHook, nullptr, GetCurrentThreadId());
    Attach();
    ASSERT_NE(SessionState.HookHandle, nullptr);
    const UINT probe = WM_APP + 7;
    PostMessageA(windows.figure, probe, 11, 22);
    PostMessageA(windows.figure, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    PumpMessages();
    UnhookWindowsHookEx(LaterHook);
    ASSERT_EQ(SeenAfterPlugin.count(probe), 1u);
    EXPECT_EQ(SeenAfterPlugin[probe].hwnd, windows.figure);
    EXPECT_EQ(SeenAfterPlugin[probe].wParam, 11u);
    EXPECT_EQ(SeenAfterPlugin[probe].lParam, 22);
    ASSERT_EQ(SeenAfterPlugin.count(WM_MOUSEWHEEL), 1u);
}

TEST_F(Attachment, WithoutAFigureWindowInstallsNoHookButAttachesOtherwise)
{
    windows.main = CreateWindowExA(0, "STATIC", "childless host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    host->mainWindow = windows.main;
    Attach();
    EXPECT_EQ(SessionState.FigureWindow, nullptr);
    EXPECT_EQ(SessionState.HookHandle, nullptr);
    EXPECT_NE(SessionState.ControlWindow, nullptr);
    EXPECT_EQ(SessionState.FirstAttach, 0);
}

TEST_F(Attachment, TogglingTwiceReturnsToTheFirstModeInPlace)
{
    WriteSettingsDword("ShowControlWnd", 1);
    Attach();
    const POINT origin = WindowOrigin(SessionState.ControlWindow);
    ToggleMode();
    ExpectCameraLook();
    EXPECT_EQ(LastPaneText(), CameraText);
    EXPECT_EQ(IconPixels(LastPaneIcon(StatusCalls())), ResourceIconPixels(IDI_CAMERA_MODE));
    ToggleMode();
    ExpectModelingLook();
    EXPECT_EQ(LastPaneText(), ModelingText);
    EXPECT_EQ(IconPixels(LastPaneIcon(StatusCalls())), ResourceIconPixels(IDI_MODELING_MODE));
    const POINT after = WindowOrigin(SessionState.ControlWindow);
    EXPECT_EQ(after.x, origin.x);
    EXPECT_EQ(after.y, origin.y);
    const SIZE icon = IconSize(LastPaneIcon(StatusCalls()));
    EXPECT_EQ(icon.cx, 16);
}

// However many switches, the pane is handed an icon that lives, and only the one it shows lives on, whether the
// library destroys the icon a later one replaces or leaves it to the plug-in.
TEST_F(Attachment, EachModeSwitchHandsThePaneALiveIconAndNoneAccumulate)
{
    Attach();
    for (HICON& icon : SessionState.PaneIcons)  // as loaded on a display at 200 %, before the host moved to this one
        icon = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, 32, 32, LR_COPYDELETEORG));
    SessionState.PaneIconSize = 32;
    for (const bool libraryKeeps : {true, false}) {  // the library's own way last
        reinterpret_cast<SandboxStatusBarLogFunction>(reinterpret_cast<void*>(
            GetProcAddress(SessionState.StatusBarModule, "SandboxStatusBarLog")))()->keepsReplacedIcons = libraryKeeps;
        for (int turn = 0; turn < 100; ++turn)
            ToggleMode();
        int living = 0;
        for (const StatusBarCall& call : StatusCalls())
            living += call.function == StatusBarSetIconCall && IconSize(call.icon).cx == 16;
        EXPECT_EQ(living, 1) << libraryKeeps;
        EXPECT_EQ(IconSize(LastPaneIcon(StatusCalls())).cx, 16) << libraryKeeps;
    }
}

TEST_F(Attachment, AHiddenControlWindowStillFollowsTheMode)
{
    Attach();
    EnterCameraMode();
    EXPECT_FALSE(IsWindowVisible(SessionState.ControlWindow));
    ExpectCameraLook();
}

TEST_F(Attachment, WithoutTheStatusBarLibraryTheModeStillChanges)
{
    Attach();
    SessionState.StatusBarModule = nullptr;
    const size_t paneCalls = StatusCalls().size();
    EnterCameraMode();
    ExpectCameraLook();
    EXPECT_EQ(StatusCalls().size(), paneCalls);
}

}  // namespace

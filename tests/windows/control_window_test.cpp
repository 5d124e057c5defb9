// The control window on the sandbox host: its layout, its commands, dragging
// by the body, the focus hand-back, the activity strip and the position kept
// in the registry; with a screenshot of each mode.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

#include "host/window_dpi.h"
#include "input/middle_pan.h"
#include "input/mode_switch.h"
#include "sandbox/host_message_loop.h"
#include "sandbox/injected_input.h"
#include "sandbox/screenshot.h"
#include "state/session_state.h"
#include "tests/windows/attached_host.h"
#include "tests/windows/registry_scratch.h"
#include "ui/control_window.h"
#include "ui/gdi_holders.h"
#include "ui/resource_ids.h"

namespace {

class ControlWindowTest : public AttachedHostTest {
protected:
    void SetUp() override
    {
        AttachedHostTest::SetUp();
        host->japanese = hostInJapanese ? 1 : 0;
        WriteSettingsDword("ShowControlWnd", 1);
        Attach();
        control = SessionState.ControlWindow;
        ASSERT_NE(control, nullptr);
    }

    void Command(int id) { SendMessageA(control, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(control, id)) != FALSE; }

    // The control window's child showing `text` (UTF-8), null when none does.
    HWND ChildWithText(const std::string& text) const
    {
        for (HWND child = GetWindow(control, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            char buffer[64] = "";
            GetWindowTextA(child, buffer, sizeof buffer);
            if (Utf8FromCp932(buffer) == text)
                return child;
        }
        return nullptr;
    }

    // Client coordinates to the screen position packed as WM_NCHITTEST takes it.
    LPARAM ScreenPoint(int x, int y) const
    {
        POINT point = {x, y};
        ClientToScreen(control, &point);
        return MAKELPARAM(point.x, point.y);
    }

    // The tooltip's text that shows after the pointer came to rest over the
    // button, moved there with injected input; empty when none shows.
    std::string TipShownOver(int id) const
    {
        const auto moveTo = [](POINT point) {
            mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point.x * 65536 / GetSystemMetrics(SM_CXSCREEN),
                        point.y * 65536 / GetSystemMetrics(SM_CYSCREEN), 0, 0);
        };
        SendMessageA(SessionState.ButtonTips, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(20, 0));  // the text counts
        moveTo(POINT{2, 2});
        for (int turn = 0; turn < 200 && VisibleTip() != nullptr; ++turn) {
            Sleep(10);
            PumpMessages();
        }
        RECT button{};
        GetWindowRect(GetDlgItem(control, id), &button);
        moveTo(POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2 - 2});
        moveTo(POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
        for (int turn = 0; turn < 300; ++turn) {
            Sleep(10);
            PumpMessages();
            char text[128] = "";
            if (const HWND tip = VisibleTip(); tip != nullptr && GetWindowTextA(tip, text, sizeof text) > 0)
                return Utf8FromCp932(text);
        }
        return "";
    }

    // The control window's tooltip while it shows.
    HWND VisibleTip() const
    {
        for (HWND tip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip != nullptr;
             tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
            if (GetWindow(tip, GW_OWNER) == control && IsWindowVisible(tip))
                return tip;
        }
        return nullptr;
    }

    bool hostInJapanese = true;

    // A new process: state as at load, the same registry, attached again.
    void StartAgain()
    {
        const HINSTANCE module = SessionState.ModuleInstance;
        const HMODULE statusBar = SessionState.StatusBarModule;
        SessionState = SessionStateRecord{};
        SessionState.ModuleInstance = module;
        SessionState.StatusBarModule = statusBar;
        SessionState.App = static_cast<HostApp*>(sandbox_host_app());
        Attach();
    }

    HWND control = nullptr;
};

// A host that runs in English: its is_japanese answers false.
class ControlWindowInEnglish : public ControlWindowTest {
protected:
    ControlWindowInEnglish() { hostInJapanese = false; }
};

HICON ButtonIcon(HWND window, int id)
{
    return reinterpret_cast<HICON>(SendDlgItemMessageA(window, id, BM_GETIMAGE, IMAGE_ICON, 0));
}


void ExpectRect(const RECT& rect, int left, int top, int right, int bottom)
{
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right, right);
    EXPECT_EQ(rect.bottom, bottom);
}

// Where an item of the template stands: position and size are each converted
// from dialog units, and the texts, whose first label is at template x
// `firstX`, move together to start 4 pixels right of the undo button.
void ExpectTemplatePlace(HWND dialog, HWND item, int x, int y, int width, int height, int firstX)
{
    RECT place = {x, y, width, height}, first = {firstX, 0, 0, 0};
    MapDialogRect(dialog, &place);
    MapDialogRect(dialog, &first);
    place.left += ChildRect(dialog, IDC_UNDO_BUTTON).right + 4 - first.left;
    RECT actual;
    GetWindowRect(item, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    ExpectRect(actual, place.left, place.top, place.left + place.right, place.top + place.bottom);
}

TEST_F(ControlWindowTest, ButtonsTakeTheirPixelPlacesAndTheTextsKeepTheTemplatesRightOfThem)
{
    ExpectRect(ChildRect(control, IDC_MODE_BUTTON), 12, 0, 44, 32);
    ExpectRect(ChildRect(control, IDC_STORE_BUTTON), 48, 0, 70, 32);
    ExpectRect(ChildRect(control, IDC_RESTORE_BUTTON), 72, 0, 94, 32);
    ExpectRect(ChildRect(control, IDC_UNDO_BUTTON), 96, 0, 118, 32);

    ExpectTemplatePlace(control, GetDlgItem(control, IDC_ZOOM_VALUE), 100, 2, 50, 8, 73);
    ExpectTemplatePlace(control, GetDlgItem(control, IDC_BANK_VALUE), 100, 12, 50, 8, 73);
    const HWND zoomLabel = ChildWithText(u8"ZOOM：");
    const HWND bankLabel = ChildWithText(u8"BANK：");
    ASSERT_NE(zoomLabel, nullptr);
    ASSERT_NE(bankLabel, nullptr);
    ExpectTemplatePlace(control, zoomLabel, 73, 2, 27, 8, 73);
    ExpectTemplatePlace(control, bankLabel, 73, 12, 27, 8, 73);
    EXPECT_EQ(ControlText(control, IDC_STORE_BUTTON), u8"記\n憶");
    for (int id : {IDC_STORE_BUTTON, IDC_RESTORE_BUTTON, IDC_UNDO_BUTTON})
        EXPECT_EQ(ButtonIcon(control, id), nullptr) << "the Japanese buttons carry words only";
}

TEST_F(ControlWindowInEnglish, KeepsThePixelPlacesAndSizesAndCarriesPicturesOnTheCameraButtons)
{
    ExpectRect(ChildRect(control, IDC_MODE_BUTTON), 12, 0, 44, 32);
    ExpectRect(ChildRect(control, IDC_STORE_BUTTON), 48, 0, 70, 32);
    ExpectRect(ChildRect(control, IDC_RESTORE_BUTTON), 72, 0, 94, 32);
    ExpectRect(ChildRect(control, IDC_UNDO_BUTTON), 96, 0, 118, 32);
    EXPECT_EQ(ClientSize(control).cx, 44);
    EXPECT_EQ(ClientSize(control).cy, 32);
    EnterCameraMode();
    EXPECT_EQ(ClientSize(control).cx, 250);
    EXPECT_EQ(ClientSize(control).cy, 32);

    const HWND zoomLabel = ChildWithText("ZOOM:");
    const HWND bankLabel = ChildWithText("BANK:");
    ASSERT_NE(zoomLabel, nullptr);
    ASSERT_NE(bankLabel, nullptr);
    ExpectTemplatePlace(control, zoomLabel, 79, 2, 25, 8, 79);
    ExpectTemplatePlace(control, bankLabel, 79, 12, 25, 8, 79);

    for (int id : {IDC_STORE_BUTTON, IDC_RESTORE_BUTTON, IDC_UNDO_BUTTON}) {
        EXPECT_EQ(ControlText(control, id), "") << id;
        const SIZE picture = IconSize(ButtonIcon(control, id));
        EXPECT_EQ(picture.cx, 16) << id;
        EXPECT_EQ(picture.cy, 16) << id;
    }
    EXPECT_NE(ButtonIcon(control, IDC_STORE_BUTTON), ButtonIcon(control, IDC_RESTORE_BUTTON));
    EXPECT_NE(ButtonIcon(control, IDC_RESTORE_BUTTON), ButtonIcon(control, IDC_UNDO_BUTTON));
}

TEST_F(ControlWindowTest, RestoreAndUndoStartDisabledAndTheReadOutsEmpty)
{
    EXPECT_TRUE(Enabled(IDC_STORE_BUTTON));
    EXPECT_FALSE(Enabled(IDC_RESTORE_BUTTON));
    EXPECT_FALSE(Enabled(IDC_UNDO_BUTTON));
    EXPECT_EQ(ControlText(control, IDC_ZOOM_VALUE), "");
    EXPECT_EQ(ControlText(control, IDC_BANK_VALUE), "");
}

TEST_F(ControlWindowTest, StoreRestoreAndUndoWorkOnTheHostsCamera)
{
    EnterCameraMode();
    host->eye = SandboxPoint{1, 2, 3};
    host->target = SandboxPoint{4, 5, 6};
    host->zoom = 50;
    host->bank = 0.25f;
    SetFocus(windows.nameBox);
    SendMessageA(GetDlgItem(control, IDC_STORE_BUTTON), BM_CLICK, 0, 0);
    EXPECT_TRUE(Enabled(IDC_RESTORE_BUTTON));
    EXPECT_EQ(GetFocus(), windows.nameBox);

    host->eye = SandboxPoint{9, 9, 9};
    host->zoom = 20;
    SendMessageA(GetDlgItem(control, IDC_RESTORE_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(host->eye.x, 1);
    EXPECT_EQ(host->eye.z, 3);
    EXPECT_EQ(host->target.y, 5);
    EXPECT_EQ(host->zoom, 50);
    EXPECT_EQ(host->bank, 0.25f);

    SessionState.UndoCamera = CameraSnapshot{{7, 7, 7}, {0, 0, 0}, 35, 0};
    Command(IDC_UNDO_BUTTON);
    EXPECT_EQ(host->eye.x, 7);
    EXPECT_EQ(host->zoom, 35);
    ExpectReferencesBalanced();
}

// Real clicks with the keyboard in the host's name box: on each button in each mode, twice quickly, slid off or with
// the capture lost (no click), right on the strip; each leaves the host active, the button released, a letter typed.
TEST_F(ControlWindowTest, ClicksOnEveryButtonActAndLeaveTheKeyboardInTheHostsField)
{
    SetFocus(windows.nameBox);
    PumpMessages();
    ShowControlWindow(true);  // Wine without a window manager raises the window whose field took the keyboard
    EnableWindow(GetDlgItem(control, IDC_UNDO_BUTTON), TRUE);  // as after a camera drag
    const int strip = 0, twice = -1, off = -2, lost = -3, typed = GetWindowTextLengthA(windows.nameBox);
    const int ids[] = {IDC_MODE_BUTTON, IDC_STORE_BUTTON, IDC_RESTORE_BUTTON, IDC_UNDO_BUTTON, twice, off, lost, strip};
    for (const int row : ids) {
        const int id = row < 0 ? IDC_MODE_BUTTON : row;
        RECT button{};
        GetWindowRect(GetDlgItem(control, id), &button);
        POINT point = {5, 16};
        ClientToScreen(control, &point);
        const POINT at = id == strip ? point : Centre(button);
        const DWORD press = id == strip ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        if (row == twice)
            ClickAt(at, press, press * 2);
        SendButtonAt(at, press);
        EXPECT_FALSE(id != strip && PumpUntil([&] { return GetActiveWindow() != windows.main; }, 200)) << row;
        if (row == lost)
            ReleaseCapture();
        SendButtonAt(row == off ? point : at, press * 2);
        EXPECT_FALSE(PumpUntil([&] { return GetActiveWindow() != windows.main; }, 200)) << row;
        EXPECT_FALSE(SendDlgItemMessageA(control, id, BM_GETSTATE, 0, 0) & BST_PUSHED) << row;
        TypeKey('A');
    }
    EXPECT_TRUE(Enabled(IDC_RESTORE_BUTTON)) << "the store button, shown in CameraMode, stored";
    EXPECT_EQ(SessionState.Mode, CameraMode) << "each click of the mode button switched, but for two";
    EXPECT_EQ(GetWindowTextLengthA(windows.nameBox), typed + static_cast<int>(std::size(ids)));
}

TEST_F(ControlWindowTest, AHostFailureInACommandStaysInsideTheWindow)
{
    host->throwFrom = SandboxGetZoom;
    SetFocus(GetDlgItem(control, IDC_STORE_BUTTON));  // something gave the control window the keyboard
    Command(IDC_STORE_BUTTON);
    EXPECT_FALSE(Enabled(IDC_RESTORE_BUTTON));
    EXPECT_EQ(GetFocus(), windows.main) << "no window of the host had it";
    ExpectReferencesBalanced();
}

TEST_F(ControlWindowTest, OtherCommandsAndACloseRequestAreLeftAlone)
{
    SetFocus(windows.figure);
    EXPECT_EQ(ControlWndProc(control, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0), FALSE);
    SendMessageA(control, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_TRUE(IsWindow(control));
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_EQ(GetFocus(), windows.figure);
}

TEST_F(ControlWindowTest, TheBodyAndTheStripHitTestAsACaption)
{
    EnterCameraMode();
    EXPECT_EQ(SendMessageA(control, WM_NCHITTEST, 0, ScreenPoint(5, 16)), HTCAPTION);
    EXPECT_EQ(SendMessageA(control, WM_NCHITTEST, 0, ScreenPoint(200, 30)), HTCAPTION);
    EXPECT_EQ(SendMessageA(control, WM_NCHITTEST, 0, ScreenPoint(130, 5)), HTCAPTION);
    EXPECT_EQ(SendMessageA(control, WM_NCHITTEST, 0, ScreenPoint(-200, -200)), HTNOWHERE);
}

TEST_F(ControlWindowTest, NonClientButtonReleasesGiveTheKeyboardBackToTheHostsWindowThatHadIt)
{
    for (UINT up : {WM_NCLBUTTONUP, WM_NCRBUTTONUP, WM_NCMBUTTONUP}) {
        EnableWindow(windows.nameBox, TRUE), SetFocus(windows.nameBox);
        EXPECT_EQ(SendMessageA(control, WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCAPTION, up - 1)), MA_NOACTIVATE);
        SetFocus(GetDlgItem(control, IDC_MODE_BUTTON));
        SendMessageA(control, WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCAPTION, up - 1));  // a window manager activated it
        ShowWindow(windows.nameBox, up == WM_NCMBUTTONUP ? SW_HIDE : SW_SHOW);  // the host hides it before the last,
        EnableWindow(windows.nameBox, up != WM_NCRBUTTONUP);  // and disables it before the second
        SendMessageA(control, up, HTCAPTION, ScreenPoint(5, 5));
        EXPECT_EQ(GetFocus(), up == WM_NCLBUTTONUP ? windows.nameBox : windows.main) << up;
    }
}

// A drag by the body with input from another thread follows the pointer until the release and no further, and
// the keys typed afterwards reach the host. Esc, pressed last, would end a move still going on.
TEST_F(ControlWindowTest, DraggingByTheBodyMovesTheWindowUntilTheReleaseAndHandsTheKeyboardBack)
{
    // At a client point, with the control window active or not, with a pause
    // in ms between the steps or all queued at once.
    const struct { const char* what; POINT grip; bool controlWindowActive; int pause; } drags[] = {
        {"by the strip, paced", {5, 16}, false, 100}, {"by the read-outs, paced", {150, 12}, false, 100},
        {"by the read-outs, at once, the window active", {150, 12}, true, 0},
        {"again where the last press was, within the double-click time", {130, 8}, false, 0}};
    EnterCameraMode();
    for (const auto& drag : drags) {
        SCOPED_TRACE(drag.what);
        SetForegroundWindow(drag.controlWindowActive ? control : windows.main);
        SetFocus(drag.controlWindowActive ? GetDlgItem(control, IDC_MODE_BUTTON) : windows.nameBox);
        PumpMessages();
        ShowControlWindow(true);  // Wine without a window manager raises the window whose field took the keyboard
        const POINT before = WindowOrigin(control);
        POINT grip = drag.grip;
        ClientToScreen(control, &grip);
        MovePointerTo(grip);
        PumpMessages();
        std::atomic<bool> done{false};
        std::thread user([&] {
            SendButton(MOUSEEVENTF_LEFTDOWN);
            for (int step = 1; step <= 4; ++step) {
                Sleep(drag.pause);
                MovePointerTo(POINT{grip.x + 5 * step, grip.y + step});
            }
            SendButtonAt(POINT{grip.x + 20, grip.y + 4}, MOUSEEVENTF_LEFTUP);
            Sleep(drag.pause);
            MovePointerTo(POINT{grip.x + 21, grip.y + 200});
            Sleep(drag.pause);
            SendKey(VK_ESCAPE, false);
            SendKey(VK_ESCAPE, true);
            done = true;
        });
        bool activated = false;
        PumpUntil([&] { return (activated |= GetActiveWindow() == control, done.load()); }, 10000);
        user.join();
        PumpMessages();
        EXPECT_EQ(WindowOrigin(control).x - before.x, 20);
        EXPECT_EQ(WindowOrigin(control).y - before.y, 4);
        EXPECT_EQ(GetFocus(), windows.nameBox);
        EXPECT_EQ(activated, drag.controlWindowActive);
        TypeKey(VK_SPACE);
        EXPECT_EQ(SessionState.Mode, CameraMode) << "the space reached the host, not a button";
    }
}

TEST_F(ControlWindowTest, TheStripShowsTheActiveAndInactiveCaptionColours)
{
    const COLORREF active = GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF inactive = GetSysColor(COLOR_INACTIVECAPTION);
    ASSERT_NE(active, inactive);
    SetActiveWindow(control);
    PumpMessages();
    EXPECT_EQ(ClientPixel(control, 0, 0), active);
    EXPECT_EQ(ClientPixel(control, 9, 31), active);
    EXPECT_NE(ClientPixel(control, 10, 16), active) << "the strip is 10 pixels wide";
    SetActiveWindow(windows.main);
    PumpMessages();
    EXPECT_EQ(ClientPixel(control, 5, 16), inactive);
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
    EXPECT_EQ(ClientPixel(control, 5, 16), inactive) << "repainted while inactive";
}

TEST_F(ControlWindowTest, ThePositionAtTheHostsEndIsWhereTheNextProcessOpensIt)
{
    // Moved along both axes, then along one only, from where it opened.
    for (const POINT place : {POINT{321, 123}, POINT{361, 123}, POINT{361, 163}}) {
        SCOPED_TRACE(testing::Message() << place.x << ", " << place.y);
        SetWindowPos(SessionState.ControlWindow, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        BeginMiddlePan(0, 0);  // the host closes in the middle of a pan: nothing it pressed stays down
        DestroyWindow(windows.main);
        windows.main = nullptr;
        PumpMessages();
        EXPECT_TRUE(GetAsyncKeyState(VK_SPACE) >= 0 && GetAsyncKeyState(VK_LBUTTON) >= 0);
        EXPECT_EQ(ReadSettingsValue("PosX").AsInt32(), place.x);
        EXPECT_EQ(ReadSettingsValue("PosY").AsInt32(), place.y);

        StartAgain();
        const POINT origin = WindowOrigin(SessionState.ControlWindow);
        EXPECT_EQ(origin.x, place.x);
        EXPECT_EQ(origin.y, place.y);
        EXPECT_TRUE(IsWindowVisible(SessionState.ControlWindow));
    }
}

TEST_F(ControlWindowTest, TheButtonsTipsSayWhatAClickDoesInJapanese)
{
    EXPECT_EQ(TipShownOver(IDC_MODE_BUTTON), u8"カメラモードに切替");
    SendButton(MOUSEEVENTF_LEFTDOWN), SendButton(MOUSEEVENTF_LEFTUP), PumpMessages();  // where the tip shows, at once
    char shown[64] = "";
    EXPECT_TRUE(GetWindowTextA(VisibleTip(), shown, sizeof shown) && Utf8FromCp932(shown) == u8"モデリングモードに切替");
    EXPECT_EQ(TipShownOver(IDC_MODE_BUTTON), u8"モデリングモードに切替");
    EXPECT_EQ(TipShownOver(IDC_STORE_BUTTON), u8"カメラを記憶");
    ASSERT_FALSE(IsWindowEnabled(GetDlgItem(control, IDC_RESTORE_BUTTON)));
    EXPECT_EQ(TipShownOver(IDC_RESTORE_BUTTON), u8"記憶したカメラに復帰") << "disabled, nothing stored yet";
    EXPECT_EQ(TipShownOver(IDC_UNDO_BUTTON), u8"直前のドラッグを取消");
}

TEST_F(ControlWindowInEnglish, TheButtonsTipsSayWhatAClickDoesInEnglish)
{
    EXPECT_EQ(TipShownOver(IDC_MODE_BUTTON), "Switch to camera mode");
    EnterCameraMode();
    EXPECT_EQ(TipShownOver(IDC_MODE_BUTTON), "Switch to modeling mode");
    EXPECT_EQ(TipShownOver(IDC_STORE_BUTTON), "Store the camera");
    EXPECT_EQ(TipShownOver(IDC_UNDO_BUTTON), "Undo the last camera drag") << "disabled, no drag yet";
    EnableWindow(GetDlgItem(control, IDC_RESTORE_BUTTON), TRUE);
    EXPECT_EQ(TipShownOver(IDC_RESTORE_BUTTON), "Restore the stored camera");
}

// Run at 96 dpi, in the plain run.
TEST_F(ControlWindowTest, MovedToADisplayAt200PercentItLaysItselfOutAgainWhereWindowsSuggests)
{
    EnterCameraMode();
    const SIZE client = ClientSize(control);
    const RECT mode = ChildRect(control, IDC_MODE_BUTTON);
    const int icon = IconSize(ButtonIcon(control, IDC_MODE_BUTTON)).cx;
    RECT suggested = {300, 200, 400, 250};
    SendMessageA(control, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(WindowOrigin(control).x, 300);
    EXPECT_EQ(WindowOrigin(control).y, 200);
    EXPECT_EQ(ClientSize(control).cx, 2 * client.cx);
    EXPECT_EQ(ClientSize(control).cy, 2 * client.cy);
    ExpectRect(ChildRect(control, IDC_MODE_BUTTON), 2 * mode.left, 0, 2 * mode.right, 2 * mode.bottom);
    EXPECT_EQ(IconSize(ButtonIcon(control, IDC_MODE_BUTTON)).cx, 2 * icon);
    EXPECT_EQ(TipShownOver(IDC_UNDO_BUTTON), u8"直前のドラッグを取消") << "disabled, its tip where it stands now";
    SendMessageA(control, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    ToggleMode();
    EXPECT_EQ(ClientSize(control).cx, 44) << "back at 96 dpi, in the other mode";
    SendMessageA(control, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    UpdateWindow(control);
    EXPECT_EQ(ButtonIcon(control, IDC_MODE_BUTTON), SessionState.ModelingIcon);
    EXPECT_EQ(ClientPixel(control, 19, 40), ClientPixel(control, 0, 0)) << "the strip is 20 pixels wide";
    EXPECT_NE(ClientPixel(control, 20, 40), ClientPixel(control, 0, 0));
}

// Stored anywhere, dragged off or moved off hidden, it opens, widens, moves and shows whole, moved only as needed.
TEST_F(ControlWindowTest, OpenedOrResizedItLiesWholeOnTheWorkAreaAndIsSavedWhereItStands)
{
    RECT work{}, frame{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const auto whole = [&] {
        GetWindowRect(SessionState.ControlWindow, &frame);
        return frame.left >= work.left && frame.top >= work.top && frame.right <= work.right &&
               frame.bottom <= work.bottom;
    };
    EXPECT_TRUE(SetWindowPos(control, nullptr, -5000, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER) && whole());  // dragged off
    ShowControlWindow(false);
    SetWindowPos(control, nullptr, 90000, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOSENDCHANGING);  // monitor gone
    ShowControlWindow(true);
    EXPECT_TRUE(whole());
    const struct { int32_t x, y, startInCameraMode; } places[] = {
        {-5000, 300, 0}, {300, 90000, 0}, {INT32_MAX, INT32_MIN, 0}, {work.right - 10, work.bottom - 10, 0},
        {work.right - 10, work.bottom - 10, 1}};
    for (const auto& stored : places) {
        SCOPED_TRACE(testing::Message() << stored.x << ", " << stored.y << ", " << stored.startInCameraMode);
        DestroyWindow(windows.main);
        windows.main = nullptr;
        PumpMessages();
        WriteSettingsDword("PosX", stored.x);
        WriteSettingsDword("PosY", stored.y);
        WriteSettingsDword("StartCameraMode", stored.startInCameraMode);
        StartAgain();
        POINT from = {stored.x, stored.y};
        for (int mode = 0; mode < 2; ++mode, ToggleMode()) {
            EXPECT_TRUE(whole());
            EXPECT_TRUE(frame.left == from.x || frame.left == work.left || frame.right == work.right);
            EXPECT_TRUE(frame.top == from.y || frame.top == work.top || frame.bottom == work.bottom);
            from = POINT{frame.left, frame.top};
        }
        GetWindowRect(SessionState.ControlWindow, &frame);
        DestroyWindow(windows.main);
        windows.main = nullptr;
        PumpMessages();
        EXPECT_EQ(ReadSettingsValue("PosX").AsInt32(), frame.left);
        EXPECT_EQ(ReadSettingsValue("PosY").AsInt32(), frame.top);
    }
}

bool ShowsMarks(HWND window, const RECT& area)
{
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (ClientPixel(window, x, y) != GetSysColor(COLOR_BTNFACE))
                return true;
        }
    }
    return false;
}

struct PictureNames {
    const char* modeling;
    const char* camera;
    const char* pane;
};

// Pictures of the window in each mode and of the pane in CameraMode. The
// narrow window's picture ends before the read-outs; the wide one's shows the
// camera's values, as the pane's does.
void SaveBothModesAndThePane(void* component, HWND control, HWND statusBar, const PictureNames& names)
{
    int flag = 0;
    sandbox_component_camera_changed(component, sandbox_host_scene(), &flag);
    SetActiveWindow(control);
    PumpMessages();
    EXPECT_FALSE(SaveWindowScreenshot(control, names.modeling).empty());
    EXPECT_LE(ClientSize(control).cx, ChildRect(control, IDC_ZOOM_VALUE).left);
    EnterCameraMode();
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_FALSE(SaveWindowScreenshot(control, names.camera).empty());
    EXPECT_FALSE(SaveWindowScreenshot(statusBar, names.pane).empty());
    for (int id : {IDC_ZOOM_VALUE, IDC_BANK_VALUE})
        EXPECT_TRUE(ShowsMarks(control, ChildRect(control, id))) << id;
    RECT pane{};
    SendMessageA(statusBar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&pane));
    InflateRect(&pane, -2, -2);
    EXPECT_TRUE(ShowsMarks(statusBar, pane));
}

TEST_F(ControlWindowTest, ScreenshotsOfBothModesAndOfThePane)
{
    SaveBothModesAndThePane(component, control, windows.statusBar,
                            {"control_window_modeling", "control_window_camera", "status_pane_camera"});
}

TEST_F(ControlWindowInEnglish, ScreenshotsOfBothModesAndOfThePane)
{
    SaveBothModesAndThePane(
        component, control, windows.statusBar,
        {"control_window_english_modeling", "control_window_english_camera", "status_pane_english_camera"});
}

// The control window as a user sees it at the display's DPI, in Japanese
// (false) and in English (true): 96 in the plain run, 144 and 192 in the runs
// in the prefixes of displays at 150 % and 200 %, which name it in
// VORMELT_DISPLAY_DPI.
class ControlWindowAtDisplayScale : public ControlWindowTest, public testing::WithParamInterface<bool> {
protected:
    ControlWindowAtDisplayScale() { hostInJapanese = !GetParam(); }
};

TEST_P(ControlWindowAtDisplayScale, ShowsEveryControlTheValuesAndThePicturesWhole)
{
    ASSERT_EQ(WindowDpi(nullptr), RunDpi());  // the screen's, as systems without a DPI per window give it
    host->zoom = 135;
    host->bank = -45;
    int flag = 0;
    sandbox_component_camera_changed(component, sandbox_host_scene(), &flag);
    const int narrow = ClientSize(control).cx;
    EnterCameraMode();
    const SIZE client = ClientSize(control);
    const int buttons[] = {IDC_MODE_BUTTON, IDC_STORE_BUTTON, IDC_RESTORE_BUTTON, IDC_UNDO_BUTTON};
    // Inside the client area, the mode's icon at the large-icon size and the
    // pictures at the small one, each fitting its button.
    for (int id : buttons) {
        const RECT place = ChildRect(control, id);
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.cx && place.bottom <= client.cy) << id;
        const int picture = IconSize(ButtonIcon(control, id)).cx;
        const bool mode = id == IDC_MODE_BUTTON;
        EXPECT_EQ(picture, mode || GetParam() ? GetSystemMetrics(mode ? SM_CXICON : SM_CXSMICON) : 0) << id;
        EXPECT_LE(picture, place.right - place.left) << id;
    }
    // Every label and read-out: the texts the buttons leave alone.
    for (HWND readout = GetWindow(control, GW_CHILD); readout != nullptr; readout = GetWindow(readout, GW_HWNDNEXT)) {
        if (std::find(std::begin(buttons), std::end(buttons), GetDlgCtrlID(readout)) != std::end(buttons))
            continue;
        RECT place;  // by window: the labels share one id
        GetWindowRect(readout, &place);
        MapWindowPoints(nullptr, control, reinterpret_cast<POINT*>(&place), 2);
        RECT overlap, button;
        for (int buttonId : buttons)
            EXPECT_FALSE(IntersectRect(&overlap, &(button = ChildRect(control, buttonId)), &place)) << buttonId;
        char shown[64] = "";
        const int length = GetWindowTextA(readout, shown, sizeof shown);
        const ClientDc dc(readout);
        SelectObject(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(readout, WM_GETFONT, 0, 0)));
        SIZE text{};
        GetTextExtentPoint32A(dc.get(), shown, length, &text);
        EXPECT_LE(text.cx, place.right - place.left) << shown;
        EXPECT_LE(place.left + text.cx, client.cx) << shown << " ends inside the window";
        EXPECT_TRUE(place.top >= 0 && place.top + text.cy <= std::min<LONG>(place.bottom, client.cy)) << shown;
        EXPECT_GE(place.left, narrow) << "the narrow window clips it";
    }
    HICON paneIcon = nullptr;
    for (const StatusBarCall& call : StatusCalls())
        paneIcon = call.function == StatusBarSetIconCall ? call.icon : paneIcon;
    EXPECT_EQ(IconSize(paneIcon).cy, GetSystemMetrics(SM_CYSMICON));
    const auto setContext = reinterpret_cast<DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
    const DPI_AWARENESS_CONTEXT aware = setContext(DPI_AWARENESS_CONTEXT_UNAWARE);
    SessionState.MainWindow = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    setContext(aware);
    ToggleMode();  // the pane's icon at the main window's scale, not the control window's: here one at 96 dpi
    EXPECT_EQ(IconSize(StatusCalls().back().icon).cy, 16);
    DestroyWindow(SessionState.MainWindow), SessionState.MainWindow = windows.main;
}

INSTANTIATE_TEST_SUITE_P(InBothLanguages, ControlWindowAtDisplayScale, testing::Bool());

}  // namespace

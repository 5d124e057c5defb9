// The status pane on the sandbox host's status bar: registration, the left
// click's mode switch and the right click's menu in each mode, read while it
// is open, and the command an item sends to the control window.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "input/mode_switch.h"
#include "state/session_state.h"
#include "tests/windows/attached_host.h"
#include "ui/resource_ids.h"
#include "ui/status_pane.h"

namespace {

struct MenuItem {
    UINT id;
    std::string text;
    bool separator;
    bool enabled;

    // A separator cannot be chosen, enabled or not.
    bool operator==(const MenuItem& other) const
    {
        return id == other.id && text == other.text && separator == other.separator &&
               (separator || enabled == other.enabled);
    }
};

void PrintTo(const MenuItem& item, std::ostream* out)
{
    if (item.separator)
        *out << "separator";
    else
        *out << item.id << " \"" << item.text << "\"" << (item.enabled ? "" : " disabled");
}

struct MenuSeen {
    bool open = false;
    std::vector<MenuItem> items;
    RECT rect{};
};

MenuSeen Seen;
std::vector<WPARAM> KeysToPress;

HWND OpenMenuWindow()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            char name[16] = "";
            GetClassNameA(window, name, sizeof name);
            if (std::string(name) == "#32768" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs inside the menu's own loop: reads the menu, then presses the keys, or
// closes it when there are none.
void CALLBACK InspectMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND menuWindow = OpenMenuWindow();
    if (menuWindow == nullptr)
        return;
    KillTimer(nullptr, timer);
    Seen.open = true;
    GetWindowRect(menuWindow, &Seen.rect);
    const HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        Seen.items.push_back(MenuItem{info.wID, Utf8FromCp932(text), (info.fType & MFT_SEPARATOR) != 0,
                                      (info.fState & MFS_DISABLED) == 0});
    }
    if (KeysToPress.empty())
        EndMenu();
    for (WPARAM key : KeysToPress)
        PostMessageA(menuWindow, WM_KEYDOWN, key, 0);
}

// A safety net: a menu nobody closed would hold the test for ever.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    EndMenu();
}

class StatusPaneTest : public AttachedHostTest {
protected:
    void SetUp() override
    {
        AttachedHostTest::SetUp();
        Attach();
        Seen = MenuSeen{};
        KeysToPress.clear();
    }

    // A right click on the pane at a screen point, as the status-bar library
    // passes it on; returns what the procedure returned.
    LRESULT RightClick(int x, int y)
    {
        const UINT_PTR inspector = SetTimer(nullptr, 0, 20, InspectMenu);
        const UINT_PTR safety = SetTimer(nullptr, 0, 5000, CloseMenu);
        const LRESULT result = StatusPaneProc(windows.statusBar, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
        KillTimer(nullptr, inspector);
        KillTimer(nullptr, safety);
        PumpMessages();
        return result;
    }

    // The pane's centre in the status bar's client coordinates.
    POINT PaneCentre() const
    {
        RECT part{};
        SendMessageA(windows.statusBar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
        return POINT{(part.left + part.right) / 2, (part.top + part.bottom) / 2};
    }
};

const MenuItem Settings = {IDM_SETTINGS, u8"設定", false, true};

TEST_F(StatusPaneTest, IsAddedOnceUnderItsIdWithItsProcedure)
{
    const std::vector<StatusBarCall> calls = StatusCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].function, StatusBarAddPainCall);
    EXPECT_EQ(calls[0].paneId, 1084227680);
    EXPECT_EQ(calls[0].paneProc, &StatusPaneProc);
    int adds = 0;
    for (const StatusBarCall& call : calls)
        adds += call.function == StatusBarAddPainCall;
    EXPECT_EQ(adds, 1);
}

TEST_F(StatusPaneTest, ALeftClickTogglesTheModeAndLeavesTheKeyboardWithTheHost)
{
    SetFocus(windows.nameBox);
    EXPECT_EQ(StatusPaneProc(windows.statusBar, WM_LBUTTONDOWN, MK_LBUTTON, 0), 0);
    EXPECT_EQ(SessionState.Mode, 1);
    EXPECT_EQ(LastPaneText(), u8"Z_Vormelt カメラモード");
    EXPECT_EQ(GetFocus(), windows.nameBox);
    StatusPaneProc(windows.statusBar, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(SessionState.Mode, 0);
    EXPECT_EQ(LastPaneText(), u8"Z_Vormelt モデリングモード");
}

TEST_F(StatusPaneTest, AClickOnThePaneInTheStatusBarReachesIt)
{
    const POINT centre = PaneCentre();
    PostMessageA(windows.statusBar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    PumpMessages();
    EXPECT_EQ(SessionState.Mode, 1);
    EXPECT_FALSE(IsWindowVisible(SessionState.ControlWindow));
    EXPECT_EQ(ClientSize(SessionState.ControlWindow).cx, 250) << "the hidden window is resized all the same";
}

TEST_F(StatusPaneTest, InModelingModeTheMenuHasOnlyTheSettings)
{
    EXPECT_EQ(RightClick(400, 300), 0);
    ASSERT_TRUE(Seen.open);
    EXPECT_EQ(Seen.items, (std::vector<MenuItem>{Settings}));
    EXPECT_EQ(OpenMenuWindow(), nullptr) << "the menu is gone when the click returns";
}

TEST_F(StatusPaneTest, InCameraModeTheMenuOffersTheCameraCommandsFirst)
{
    EnterCameraMode();
    RightClick(400, 300);
    ASSERT_TRUE(Seen.open);
    const std::vector<MenuItem> expected = {
        {IDC_STORE_BUTTON, u8"記憶", false, true}, {IDC_RESTORE_BUTTON, u8"復帰", false, false},
        {IDC_UNDO_BUTTON, u8"取消", false, false}, {0, "", true, false},
        Settings,
    };
    EXPECT_EQ(Seen.items, expected);
}

TEST_F(StatusPaneTest, TheMenuOpensBesideTheClickCentredOnItsHeight)
{
    EnterCameraMode();
    RightClick(400, 300);
    ASSERT_TRUE(Seen.open);
    EXPECT_EQ(Seen.rect.left, 400);
    EXPECT_NEAR((Seen.rect.top + Seen.rect.bottom) / 2.0, 300.0, 1.0);
}

TEST_F(StatusPaneTest, ARightClickInTheStatusBarOpensTheMenuAtTheClicksScreenPoint)
{
    const POINT centre = PaneCentre();
    POINT screen = centre;
    ClientToScreen(windows.statusBar, &screen);
    const UINT_PTR inspector = SetTimer(nullptr, 0, 20, InspectMenu);
    const UINT_PTR safety = SetTimer(nullptr, 0, 5000, CloseMenu);
    PostMessageA(windows.statusBar, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(centre.x, centre.y));
    PumpMessages();
    KillTimer(nullptr, inspector);
    KillTimer(nullptr, safety);
    ASSERT_TRUE(Seen.open);
    EXPECT_EQ(Seen.items, (std::vector<MenuItem>{Settings}));
    // Near the bottom of the screen the menu may be pushed up; its left edge stays.
    EXPECT_EQ(Seen.rect.left, screen.x);
}

TEST_F(StatusPaneTest, AChosenItemReachesTheControlWindowAsItsCommand)
{
    EnterCameraMode();
    host->eye = SandboxPoint{3, 4, 5};
    KeysToPress = {VK_DOWN, VK_RETURN};
    SetFocus(windows.nameBox);
    RightClick(400, 300);
    EXPECT_EQ(SessionState.MemoryCamera.eye.x, 3);
    EXPECT_EQ(SessionState.MemoryCamera.eye.z, 5);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(SessionState.ControlWindow, IDC_RESTORE_BUTTON)));
    EXPECT_EQ(GetFocus(), windows.nameBox);
    ExpectReferencesBalanced();
}

TEST_F(StatusPaneTest, RestoreFromTheMenuRestoresOnceACameraWasStoredAndUndoStaysGreyed)
{
    EnterCameraMode();
    SendMessageA(SessionState.ControlWindow, WM_COMMAND, IDC_STORE_BUTTON, 0);
    host->eye = SandboxPoint{8, 0, 1};
    KeysToPress = {VK_DOWN, VK_DOWN, VK_RETURN};
    RightClick(400, 300);
    EXPECT_EQ(host->eye.x, 0) << "restored";
    ASSERT_EQ(Seen.items.size(), 5u);
    EXPECT_TRUE(Seen.items[1].enabled);
    EXPECT_FALSE(Seen.items[2].enabled) << "no drag to undo yet";
}

// A host that runs in English: its is_japanese answers false.
class StatusPaneInEnglish : public StatusPaneTest {
protected:
    void SetUp() override
    {
        AttachedHostTest::SetUp();
        host->japanese = 0;
        Attach();
        Seen = MenuSeen{};
        KeysToPress.clear();
    }
};

TEST_F(StatusPaneInEnglish, ALeftClickShowsTheModeInEnglish)
{
    EXPECT_EQ(LastPaneText(), "Z_Vormelt Modeling mode");
    StatusPaneProc(windows.statusBar, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(SessionState.Mode, 1);
    EXPECT_EQ(LastPaneText(), "Z_Vormelt Camera mode");
    StatusPaneProc(windows.statusBar, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(LastPaneText(), "Z_Vormelt Modeling mode");
}

TEST_F(StatusPaneInEnglish, TheMenuOffersTheSameCommandsInEnglish)
{
    const MenuItem settings = {IDM_SETTINGS, "Settings...", false, true};
    RightClick(400, 300);
    ASSERT_TRUE(Seen.open);
    EXPECT_EQ(Seen.items, (std::vector<MenuItem>{settings}));

    EnterCameraMode();
    Seen = MenuSeen{};
    RightClick(400, 300);
    ASSERT_TRUE(Seen.open);
    const std::vector<MenuItem> expected = {
        {IDC_STORE_BUTTON, "Store", false, true}, {IDC_RESTORE_BUTTON, "Restore", false, false},
        {IDC_UNDO_BUTTON, "Undo", false, false},  {0, "", true, false},
        settings,
    };
    EXPECT_EQ(Seen.items, expected);
}

}  // namespace

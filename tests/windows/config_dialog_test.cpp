// The configuration dialog on the sandbox host: opened from the host's menu
// entry and from the status pane's menu, showing the settings in effect, and
// OK, Cancel and the close box with the settings, the registry and the control
// window afterwards.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <string>
#include <vector>

#include "input/hook_installation.h"
#include "input/mode_switch.h"
#include "sandbox/injected_input.h"
#include "sandbox/plugin_loader.h"
#include "sandbox/screenshot.h"
#include "state/session_state.h"
#include "state/settings.h"
#include "state/settings_registry.h"
#include "tests/support/discovery_exports.h"
#include "tests/windows/attached_host.h"
#include "tests/windows/registry_scratch.h"
#include "ui/config_dialog.h"
#include "ui/mode_key_note.h"

namespace {

void ExpectSettingsEqual(const PluginSettingsRecord& actual, const PluginSettingsRecord& expected)
{
    for (const SettingsField& f : SettingsFields)
        EXPECT_EQ(actual.*f.field, expected.*f.field) << f.name;
}

// Every setting's value is a REG_DWORD holding its field.
void ExpectRegistryHolds(const PluginSettingsRecord& expected)
{
    for (const SettingsField& f : SettingsFields) {
        const StoredValue value = ReadSettingsValue(f.name);
        EXPECT_TRUE(value.present) << f.name;
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD)) << f.name;
        EXPECT_EQ(value.data.size(), 4u) << f.name;
        EXPECT_EQ(value.AsInt32(), expected.*f.field) << f.name;
    }
}

// Name, type and bytes of every value under the key, for before-and-after
// comparisons.
std::vector<std::string> RegistrySnapshot()
{
    std::vector<std::string> values;
    for (const char* name : {"PerspectiveOnly", "Rotate", "ShowControlWnd", "StartCameraMode", "Option1", "Option2",
                             "Option3", "Option4", "Option5", "Option6", "Option7", "Option8", "Option9", "Option10",
                             "Option11", "Option12", "Option13", "ModeKey", "StopAtPoles", "OrbitSpeed", "PanSpeed",
                             "WheelSpeed", "FollowDisplayScale", "PosX", "PosY"}) {
        const StoredValue value = ReadSettingsValue(name);
        if (value.present)
            values.push_back(std::string(name) + ":" + std::to_string(value.type) + ":" +
                             std::string(value.data.begin(), value.data.end()));
    }
    values.push_back("values:" + std::to_string(SettingsValueCount()));
    return values;
}

int Selection(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

void Select(HWND dialog, int id, int position)
{
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

bool Checked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Check(HWND dialog, int id, bool checked)
{
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::vector<std::wstring> Items(HWND dialog, int id)
{
    std::vector<std::wstring> items;
    const auto count = static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = L"";
        SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[128] = L"";
    GetWindowTextW(window, text, 128);
    return text;
}

// A click on a button of the dialog, delivered through the button itself.
void Click(HWND dialog, int id)
{
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
    PumpMessages();
}

float Distance(const SandboxPoint& a, const SandboxPoint& b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

class ConfigDialog : public AttachedHostTest {
protected:
    // The plug-in attached as the host attaches it, with whatever the test
    // stored in the registry before.
    void SetUp() override
    {
        AttachedHostTest::SetUp();
        Attach();
    }

    // What the host does when its menu entry of the plug-in is chosen.
    HWND OpenThroughComponent()
    {
        sandbox_component_open_configuration(component);
        PumpMessages();
        return SessionState.ConfigWindow;
    }
};

// Settings stored before the test attaches.
class ConfigDialogWithStoredSettings : public ConfigDialog {
protected:
    void SetUp() override
    {
        AttachedHostTest::SetUp();
        WriteSettingsDword("Rotate", 0);
        WriteSettingsDword("Option1", 99);
        WriteSettingsDword("Option4", 9);
        WriteSettingsDword("Option8", -1);
        WriteSettingsDword("StartCameraMode", 2);
        WriteSettingsDword("PerspectiveOnly", 1);
        WriteSettingsDword("ModeKey", HOTKEYF_CONTROL << 8 | VK_F11);
        WriteSettingsDword("OrbitSpeed", 150), WriteSettingsDword("PanSpeed", 5000);  // shown at ×1.4 and ×4
        WriteSettingsDword("WheelSpeed", -500);  // acts as the slowest speed, and is shown at ×0.25
        Attach();
    }
};

// A host that runs in English: its is_japanese answers false.
class ConfigDialogInEnglish : public ConfigDialog {
protected:
    void SetUp() override
    {
        AttachedHostTest::SetUp();
        host->japanese = 0;
        Attach();
    }
};

void* MenuComponent = nullptr;

void OpenConfigurationOfMenuComponent()
{
    sandbox_component_open_configuration(MenuComponent);
}

// Clicks at `point` to open a menu, picks its entry `pick` and waits for the
// dialog.
HWND OpenThroughMenu(POINT point, DWORD down, DWORD up, int pick)
{
    PickFromNextMenu(pick);
    ClickAt(point, down, up);
    for (int turn = 0; turn < 40 && SessionState.ConfigWindow == nullptr; ++turn) {
        Sleep(50);
        PumpMessages();
    }
    return SessionState.ConfigWindow;
}

// A mouse click on a control of the dialog, on screen.
void ClickWithMouse(HWND dialog, int id)
{
    RECT control{};
    GetWindowRect(GetDlgItem(dialog, id), &control);
    ClickAt(Centre(control));
    for (int turn = 0; turn < 5; ++turn) {
        Sleep(20);
        PumpMessages();
    }
}

// The plug-in's entry under the host's "Plug-ins" menu, named as get_name
// names it to this host; a click on it opens the dialog.
struct MenuEntryOpened {
    std::wstring entry;
    HWND dialog = nullptr;
};

MenuEntryOpened ClickThePlugInsMenuEntry(void* component, HWND main)
{
    const SandboxExports exports = LinkedDiscoveryExports();
    MenuComponent = component;
    AddPluginMenuEntry(sandbox_get_name(&exports, HostPluginInterfaceId, 0, sandbox_host_app()),
                       OpenConfigurationOfMenuComponent);
    SetForegroundWindow(main);
    PumpMessages();
    MenuEntryOpened opened;
    const HMENU bar = GetMenu(main);
    if (bar == nullptr)
        return opened;
    wchar_t entry[64] = L"";
    GetMenuStringW(GetSubMenu(bar, 0), 0, entry, 64, MF_BYPOSITION);
    opened.entry = entry;
    RECT plugins{};
    if (GetMenuItemRect(main, bar, 0, &plugins))
        opened.dialog = OpenThroughMenu(Centre(plugins), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 0);
    return opened;
}

TEST_F(ConfigDialog, AClickOnThePlugInsEntryInTheHostsMenuOpensIt)
{
    const MenuEntryOpened opened = ClickThePlugInsMenuEntry(component, windows.main);
    EXPECT_EQ(opened.entry, L"Z_Vormelt 設定...");
    ASSERT_NE(opened.dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(opened.dialog));
    EXPECT_EQ(WindowText(opened.dialog), L"Z_Vormelt 設定");
}

TEST_F(ConfigDialog, TheSettingsEntryOfTheStatusPanesMenuOpensItAndItsEscGivesTheKeyboardBack)
{
    SetFocus(windows.nameBox);  // and the host's window active
    PumpMessages();
    RECT pane{};
    SendMessageA(windows.statusBar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&pane));
    MapWindowPoints(windows.statusBar, nullptr, reinterpret_cast<POINT*>(&pane), 2);
    // In ModelingMode "設定" is the menu's only entry.
    const HWND dialog = OpenThroughMenu(Centre(pane), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), windows.main);
    EXPECT_EQ(WindowText(dialog), L"Z_Vormelt 設定");
    EXPECT_EQ(GetActiveWindow(), dialog);
    OpenThroughComponent(), TypeKey(VK_ESCAPE), TypeKey(VK_ESCAPE);  // a newer dialog over it: Esc twice, quickly
    EXPECT_FALSE(IsWindow(dialog)) << "the dialog has the keyboard";
    EXPECT_EQ(GetFocus(), windows.nameBox) << "back where the user typed";
}

// Where the user typed as the dialog opened, then in the host (null: nowhere) before coming back by a click on Cancel
// (no message) or activation, the message closing it, that window hidden (1) or disabled (2), where the keyboard goes.
TEST_F(ConfigDialog, EveryWayOfClosingGivesTheKeyboardToTheHostsWindowWhereTheUserLastTyped)
{
    const HWND name = windows.nameBox, view = windows.figure, frame = windows.main;
    const UINT key = WM_KEYDOWN;
    const struct { HWND typed, then; UINT message; WPARAM key; int gone; HWND back; } rows[] = {
        {name, name, key, VK_RETURN, 0, name}, {view, name, 0, 0, 0, name}, {name, frame, key, VK_ESCAPE, 0, name},
        {frame, frame, WM_CLOSE, 0, 0, frame}, {view, view, key, VK_F4, 0, view}, {name, nullptr, key, 13, 0, name},
        {view, name, WM_SYSCOMMAND, SC_CLOSE, 1, frame}, {name, name, key, VK_ESCAPE, 2, frame}};
    for (const auto& row : rows) {  // keys typed, Alt with F4; messages to the dialog
        const HWND dialog = (SetFocus(row.typed), OpenThroughComponent()), typed = row.then ? row.then : row.typed;
        SetFocus(row.typed), SetFocus(row.then);
        row.message == 0 ? ClickWithMouse(dialog, IDCANCEL) : (void)SetForegroundWindow(dialog);
        ShowWindow(typed, row.gone == 1 ? SW_HIDE : SW_SHOW), EnableWindow(typed, row.gone != 2);
        row.message == WM_KEYDOWN ? TypeKey(static_cast<BYTE>(row.key), row.key == VK_F4 ? VK_MENU : 0)
                                  : (void)PostMessageA(dialog, row.message, row.key, 0), PumpMessages();
        EXPECT_EQ(GetFocus(), row.back) << row.message << ", " << row.key << ": closed, the keyboard there";
        ShowWindow(typed, SW_SHOW), EnableWindow(typed, TRUE);
    }
}

TEST_F(ConfigDialog, TheComponentsOpenConfigurationOpensItOwnedByTheMainWindowAndShown)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), windows.main);
    EXPECT_EQ(WindowText(dialog), L"Z_Vormelt 設定");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDCANCEL)), L"ｷｬﾝｾﾙ");
}

TEST_F(ConfigDialog, IsCentredOnTheScreensWorkArea)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    RECT frame{}, work{};
    GetWindowRect(dialog, &frame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((frame.left + frame.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

TEST_F(ConfigDialog, Command1010OfTheControlWindowOpensIt)
{
    // The pane's menu is owned by the control window and reports there.
    SendMessageA(SessionState.ControlWindow, WM_COMMAND, 1010, 0);
    PumpMessages();
    const HWND dialog = SessionState.ConfigWindow;
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), windows.main);
    EXPECT_EQ(WindowText(dialog), L"Z_Vormelt 設定");
}

TEST_F(ConfigDialog, EveryCallOpensAnotherDialogACaptionDownAndRightOfTheNewestInsideTheWorkArea)
{
    const HWND first = OpenThroughComponent();
    const HWND second = OpenThroughComponent();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_EQ(SessionState.ConfigWindow, second);
    EXPECT_EQ(WindowOrigin(second).x - WindowOrigin(first).x, GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(WindowOrigin(second).y - WindowOrigin(first).y, GetSystemMetrics(SM_CYCAPTION));

    // Closing the older one leaves the newest recorded.
    Click(first, IDCANCEL);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(SessionState.ConfigWindow, second);
}

// The items of each value set in list order; a position means the same in
// both languages.
struct ListTexts {
    std::vector<std::wstring> direction, doubleClick, zoomCentre, drag, wheel;
};

const ListTexts JapaneseLists = {
    {L"手前に回転で縮小", L"手前に回転で拡大"},
    {L"図面に合わせる", L"選択形状にスクロール", L"原点にスクロール"},
    {L"図面の中央を中心に拡大縮小", L"カーソル位置を中心に拡大縮小", L"選択形状を中心に拡大縮小"},
    {L"視点移動", L"注視点移動", L"視点注視点移動", L"選択形状を中心に回転"},
    {L"視点前後移動", L"注視点前後移動", L"焦点距離", L"傾き"},
};

const ListTexts EnglishLists = {
    {L"Turning toward you zooms out", L"Turning toward you zooms in"},
    {L"Fit the drawing", L"Scroll to the selected shape", L"Scroll to the origin"},
    {L"Zoom about the centre of the drawing", L"Zoom about the cursor position", L"Zoom about the selected shape"},
    {L"Orbit the eye", L"Orbit the target", L"Pan eye and target", L"Orbit about the selected shapes"},
    {L"Move the eye forward and back", L"Move the target forward and back", L"Focal length", L"Bank"},
};

void ExpectListsOffer(HWND dialog, const ListTexts& texts)
{
    EXPECT_EQ(Items(dialog, 1009), texts.direction);
    for (int id : {1022, 1023, 1024})
        EXPECT_EQ(Items(dialog, id), texts.doubleClick) << id;
    for (int id : {1008, 1020, 1021})
        EXPECT_EQ(Items(dialog, id), texts.zoomCentre) << id;
    for (int id : {1010, 1011, 1012})
        EXPECT_EQ(Items(dialog, id), texts.drag) << id;
    for (int id : {1013, 1014, 1015, 1016})
        EXPECT_EQ(Items(dialog, id), texts.wheel) << id;
}

TEST_F(ConfigDialog, TheListsOfferTheirItemsInOrder)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    ExpectListsOffer(dialog, JapaneseLists);
}

TEST_F(ConfigDialogInEnglish, TheListsOfferTheirEnglishItemsInTheSameOrder)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    ExpectListsOffer(dialog, EnglishLists);
}

// The test's thread runs in Japanese, as Wine's locale is; the dialog follows
// the host, not the thread.
TEST_F(ConfigDialogInEnglish, TheHostsMenuEntryOpensTheEnglishDialogWhateverTheThreadsLanguage)
{
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_JAPANESE);
    const MenuEntryOpened opened = ClickThePlugInsMenuEntry(component, windows.main);
    EXPECT_EQ(opened.entry, L"Z_Vormelt Configuration...");
    ASSERT_NE(opened.dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(opened.dialog));
    EXPECT_EQ(GetWindow(opened.dialog, GW_OWNER), windows.main);
    EXPECT_EQ(WindowText(opened.dialog), L"Z_Vormelt Configuration");
    EXPECT_EQ(WindowText(GetDlgItem(opened.dialog, IDCANCEL)), L"Cancel");
}

TEST_F(ConfigDialogInEnglish, ShowsAndTakesTheSettingsAsTheJapaneseDialogDoes)
{
    PluginSettings.Option4 = 2;
    PluginSettings.PerspectiveOnly = 1;
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Selection(dialog, 1009), 1);
    EXPECT_EQ(Selection(dialog, 1013), 2);
    EXPECT_EQ(Selection(dialog, 1016), 3);
    EXPECT_TRUE(Checked(dialog, 1017));
    Select(dialog, 1010, 2);
    Select(dialog, 1016, 0);
    Check(dialog, 1019, true);
    Click(dialog, IDOK);
    PluginSettingsRecord expected;
    expected.Option4 = 2;
    expected.PerspectiveOnly = 1;
    expected.Option1 = 2;
    expected.Option7 = 0;
    expected.ShowControlWnd = 1;
    ExpectSettingsEqual(PluginSettings, expected);
    ExpectRegistryHolds(expected);
    EXPECT_TRUE(IsWindowVisible(SessionState.ControlWindow));
}

TEST_F(ConfigDialog, WithTheDefaultsShowsZoomInThePlainCtrlAndShiftChoicesAndNoFlags)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Selection(dialog, 1009), 1);
    for (int id : {1022, 1008, 1010, 1013})
        EXPECT_EQ(Selection(dialog, id), 0) << id;
    for (int id : {1023, 1020, 1011, 1014})
        EXPECT_EQ(Selection(dialog, id), 1) << id;
    for (int id : {1024, 1021, 1012, 1015})
        EXPECT_EQ(Selection(dialog, id), 2) << id;
    EXPECT_EQ(Selection(dialog, 1016), 3);
    wchar_t bank[32] = L"";
    SendDlgItemMessageW(dialog, 1016, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(bank));
    EXPECT_STREQ(bank, L"傾き");
    for (int id : {1017, 1018, 1026, 1019})
        EXPECT_FALSE(Checked(dialog, id)) << id;
}

TEST_F(ConfigDialogWithStoredSettings, ShowsOptionsOutsideTheirListsAsTheLastItemTheyActAs)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Selection(dialog, 1009), 0);  // Rotate 0 reads as zoom out
    EXPECT_EQ(Selection(dialog, 1010), 2);  // Option1 99 pans the camera
    EXPECT_EQ(Selection(dialog, 1013), 3);  // Option4 9 changes the bank
    EXPECT_EQ(Selection(dialog, 1008), 2);  // Option8 -1 zooms about the selection
    EXPECT_TRUE(Checked(dialog, 1017));
    EXPECT_TRUE(Checked(dialog, 1018));  // any nonzero flag is set
    EXPECT_FALSE(Checked(dialog, 1019));
    EXPECT_EQ(SendDlgItemMessageA(dialog, 1025, HKM_GETHOTKEY, 0, 0), HOTKEYF_CONTROL << 8 | VK_F11);
    EXPECT_TRUE(SendDlgItemMessageA(dialog, 1028, TBM_GETPOS, 0, 0) == 5 && ControlText(dialog, 1031) == "×1.5");
    EXPECT_TRUE(SendDlgItemMessageA(dialog, 1029, TBM_GETPOS, 0, 0) == 8 && ControlText(dialog, 1032) == "×10");
    EXPECT_TRUE(SendDlgItemMessageA(dialog, 1030, TBM_GETPOS, 0, 0) == 0 && ControlText(dialog, 1033) == "×0.1");
    const HWND again = (PluginSettings.OrbitSpeed = 84, PluginSettings.PanSpeed = 42, OpenThroughComponent());
    EXPECT_TRUE(SendDlgItemMessageA(again, 1028, TBM_GETPOS, 0, 0) == 4 && ControlText(again, 1031) == "×0.84");
    EXPECT_TRUE(SendDlgItemMessageA(again, 1029, TBM_GETPOS, 0, 0) == 2 && ControlText(again, 1032) == "×0.42");
}

TEST_F(ConfigDialog, TheWheelDirectionFollowsTheSignOfRotate)
{
    for (int32_t rotate : {1, 5, 0, -1, -7}) {
        PluginSettings.Rotate = rotate;
        const HWND dialog = OpenThroughComponent();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Selection(dialog, 1009), rotate > 0 ? 1 : 0) << rotate;
        DestroyWindow(dialog);
    }
}

TEST_F(ConfigDialog, OkWithoutChangesSavesTheDefaultsItWasOpenedWith)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    ASSERT_FALSE(SettingsKeyExists());
    Click(dialog, IDOK);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(SessionState.ConfigWindow, nullptr);
    ExpectSettingsEqual(PluginSettings, PluginSettingsRecord{});
    ExpectRegistryHolds(PluginSettingsRecord{});
    EXPECT_EQ(SettingsValueCount(), 23u);
}

TEST_F(ConfigDialogWithStoredSettings, OkWithoutChangesNormalisesWhatTheControlsCannotShow)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    RECT thumb{};  // a click on the orbit speed's thumb, which leaves it where it is
    SendDlgItemMessageA(dialog, 1028, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    MapWindowPoints(GetDlgItem(dialog, 1028), nullptr, reinterpret_cast<POINT*>(&thumb), 2), ClickAt(Centre(thumb));
    PumpMessages(), SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    PluginSettingsRecord expected;
    expected.Rotate = -1;  // 0 was stored
    expected.Option1 = 2;  // 99, which pans the camera as 2 does
    expected.Option4 = 3;  // 9, which changes the bank as 3 does
    expected.Option8 = 2;  // -1
    expected.StartCameraMode = 1;  // 2 was stored
    expected.PerspectiveOnly = 1;
    expected.ModeKey = HOTKEYF_CONTROL << 8 | VK_F11;
    expected.OrbitSpeed = 150, expected.PanSpeed = 5000, expected.WheelSpeed = -500;  // kept: not moved
    ExpectSettingsEqual(PluginSettings, expected);
    ExpectRegistryHolds(expected);
}

// One write refused, in Japanese then English; a timer reads and closes the box, then stops before a tick blanks it.
TEST_F(ConfigDialog, OkThatCannotSaveSaysSoInTheHostsLanguageAndTheSettingsStillApply)
{
    static wchar_t shown[256];
    for (const wchar_t* warning :
         {L"設定をレジストリに保存できませんでした。\n変更した設定はホストを終了するまで有効です。",
          L"The settings could not be saved in the registry.\nThe changed settings apply until the host closes."}) {
        const HWND dialog = (SetFocus(windows.nameBox), OpenThroughComponent());
        ASSERT_NE(dialog, nullptr);
        Select(dialog, 1013, 3);
        const UINT_PTR reader = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR self, DWORD) {
            const HWND box = GetLastActivePopup(GetAncestor(GetActiveWindow(), GA_ROOTOWNER));
            if (GetDlgItemTextW(box, 0xFFFF, shown, 256) > 0 && KillTimer(nullptr, self))
                SendMessageW(box, WM_COMMAND, IDOK, 0);
        });
        SetSettingsValue = [](HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) -> LONG {
            return lstrcmpA(name, "Option4") ? RegSetValueExA(key, name, 0, type, data, size) : ERROR_ACCESS_DENIED;
        };
        Click(dialog, IDOK);
        SetSettingsValue = RegSetValueExA;
        KillTimer(nullptr, reader);
        EXPECT_STREQ(shown, warning);
        EXPECT_EQ(GetFocus(), windows.nameBox) << "after the message, over the dialog";
        EXPECT_EQ(PluginSettings.Option4, 3);
        EXPECT_EQ(SettingsValueCount(), 22u) << "every value but the refused Option4";
        SessionState.Language = HostLanguage::English;  // as the attachment records a host in English
    }
}

TEST_F(ConfigDialog, OkWithAPositiveRotateOtherThanOneStoresOne)
{
    PluginSettings.Rotate = 5;
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDOK);
    EXPECT_EQ(PluginSettings.Rotate, 1);
    EXPECT_EQ(ReadSettingsValue("Rotate").AsInt32(), 1);
}

// Each list's selection and each box's check (1) stored as its setting's value.
TEST_F(ConfigDialog, OkTakesEveryListAndCheckBox)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    using S = PluginSettingsRecord;
    const struct { int id, set; int32_t S::*field; int32_t value; } rows[] = {
        {1009, 0, &S::Rotate, -1},
        {1022, 2, &S::Option11, 2},
        {1023, 0, &S::Option12, 0},
        {1024, 1, &S::Option13, 1},
        {1008, 1, &S::Option8, 1},
        {1020, 2, &S::Option9, 2},
        {1021, 0, &S::Option10, 0},
        {1010, 2, &S::Option1, 2},
        {1011, 3, &S::Option2, 3},
        {1012, 1, &S::Option3, 1},
        {1013, 3, &S::Option4, 3},
        {1014, 2, &S::Option5, 2},
        {1015, 0, &S::Option6, 0},
        {1016, -1, &S::Option7, -1},  // no selection
        {1017, 1, &S::PerspectiveOnly, 1},
        {1018, 1, &S::StartCameraMode, 1},
        {1026, 1, &S::StopAtPoles, 1},
        {1034, 1, &S::FollowDisplayScale, 1},
        {1019, 0, &S::ShowControlWnd, 0},
    };
    PluginSettingsRecord expected;
    for (const auto& r : rows) {
        const bool list = SendDlgItemMessageA(dialog, r.id, CB_GETCOUNT, 0, 0) > 0;
        list ? Select(dialog, r.id, r.set) : Check(dialog, r.id, r.set != 0);
        expected.*r.field = r.value;
    }
    Click(dialog, IDOK);
    ExpectSettingsEqual(PluginSettings, expected);
    ExpectRegistryHolds(expected);
}

TEST_F(ConfigDialog, WhileOpenTheSettingsInEffectStayAsTheyWere)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    Select(dialog, 1013, 3);
    Check(dialog, 1017, true);
    EXPECT_EQ(PluginSettings.Option4, 0);
    EXPECT_EQ(PluginSettings.PerspectiveOnly, 0);
    EXPECT_FALSE(SettingsKeyExists());
}

TEST_F(ConfigDialog, ClickingShowControlWindowAndOkShowsItAtOnceAndClearingItHidesIt)
{
    ASSERT_FALSE(IsWindowVisible(SessionState.ControlWindow));
    HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    ClickWithMouse(dialog, 1019);
    EXPECT_TRUE(Checked(dialog, 1019));
    ClickWithMouse(dialog, IDOK);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(PluginSettings.ShowControlWnd, 1);
    EXPECT_TRUE(IsWindowVisible(SessionState.ControlWindow));
    EXPECT_EQ(GetActiveWindow(), windows.main) << "the keyboard goes back to the host";

    dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Checked(dialog, 1019));
    Check(dialog, 1019, false);
    Click(dialog, IDOK);
    EXPECT_EQ(PluginSettings.ShowControlWnd, 0);
    EXPECT_FALSE(IsWindowVisible(SessionState.ControlWindow));
}

TEST_F(ConfigDialog, StartInCameraModeLeavesTheModeAloneUntilTheNextAttachment)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    Check(dialog, 1018, true);
    Click(dialog, IDOK);
    EXPECT_EQ(PluginSettings.StartCameraMode, 1);
    EXPECT_EQ(SessionState.Mode, ModelingMode);

    // The next process that loads the plug-in: fresh records, a first attach.
    RemoveMessageHook();
    const HMODULE statusBar = SessionState.StatusBarModule;
    SessionState = SessionStateRecord{};
    SessionState.App = static_cast<HostApp*>(sandbox_host_app());
    SessionState.ModuleInstance = GetModuleHandleA(nullptr);
    SessionState.StatusBarModule = statusBar;
    PluginSettings = PluginSettingsRecord{};
    Attach();
    EXPECT_EQ(SessionState.Mode, CameraMode);
}

// The older dialog, still open under the newer, must not save stale values
// back with its own OK.
TEST_F(ConfigDialog, AnOkShowsTheSavedSettingsInEveryOtherOpenDialog)
{
    const HWND first = (SetFocus(windows.nameBox), OpenThroughComponent());
    const HWND second = OpenThroughComponent();  // from the first, which has the keyboard
    ASSERT_TRUE(first != nullptr && second != nullptr);
    Select(first, 1013, 3);
    Select(second, 1013, 2);
    Check(second, 1019, true);

    static HWND activated = nullptr;  // the first window activated as the second closes: the older dialog
    const HHOOK watch = SetWindowsHookExA(WH_CBT, [](int code, WPARAM window, LPARAM data) -> LRESULT {
        activated = code == HCBT_ACTIVATE && activated == nullptr ? reinterpret_cast<HWND>(window) : activated;
        return CallNextHookEx(nullptr, code, window, data); }, nullptr, GetCurrentThreadId());
    Click(second, IDOK), UnhookWindowsHookEx(watch);
    EXPECT_EQ(activated, first) << "not the host's main window in between";
    SetForegroundWindow(windows.main);  // as a window manager that picks the next window itself does
    EXPECT_EQ(PluginSettings.Option4, 2);
    EXPECT_EQ(GetActiveWindow(), first) << "the dialog still open keeps the keyboard";
    ClickWithMouse(windows.statusBar, 0);  // on the host's name box, within the moment
    EXPECT_EQ(GetActiveWindow(), windows.main) << "the user's own click activates the host";
    SetForegroundWindow(first), Sleep(600), PumpMessages(), SetForegroundWindow(windows.main);
    EXPECT_EQ(GetActiveWindow(), windows.main) << "the moment over, any window may be activated";
    ASSERT_TRUE(IsWindow(first));
    EXPECT_EQ(Selection(first, 1013), 2);
    EXPECT_TRUE(Checked(first, 1019));

    SetFocus(GetDlgItem(first, 1010)), TypeKey(VK_DOWN), TypeKey(VK_DOWN);  // typed into the older one
    Click(first, IDOK);
    EXPECT_EQ(PluginSettings.Option1, 2);
    EXPECT_EQ(ReadSettingsValue("Option4").AsInt32(), 2);
    EXPECT_EQ(ReadSettingsValue("ShowControlWnd").AsInt32(), 1);
    EXPECT_TRUE(IsWindowVisible(SessionState.ControlWindow));
    EXPECT_EQ(GetFocus(), windows.nameBox) << "back where the user typed before the first";
}

// The host's loop knows nothing of the dialog; its keys work all the same, Tab in reading order, Ctrl+Tab the mode key.
TEST_F(ConfigDialog, TabFollowsTheLayoutAndArrowsEnterEscAndTheModeKeyWorkWithTheKeyboardAlone)
{
    HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    TypeKey(VK_TAB);  // to the key field, which takes every key, NONCONVERT too
    TypeKey(VK_NONCONVERT);
    TypeKey(VK_F24);  // above 0x7F, as F17 to F24 and the OEM keys are
    EXPECT_EQ(SessionState.Mode, ModelingMode);
    PluginSettings.ModeKey = HOTKEYF_CONTROL << 8 | VK_TAB;
    int stops = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        stops += (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) != 0 ? 1 : 0;
    RECT previous = ChildRect(dialog, GetDlgCtrlID(GetFocus()));
    for (int tab = 2; tab < stops; ++tab) {
        TypeKey(VK_TAB);
        const RECT place = ChildRect(dialog, GetDlgCtrlID(GetFocus()));
        EXPECT_TRUE(place.top > previous.top || (place.top == previous.top && place.left > previous.left)) << tab;
        EXPECT_EQ(SessionState.Mode, ModelingMode) << tab;
        previous = place;
    }
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDCANCEL)) << "one control per Tab, though peeked first";
    TypeKey(VK_TAB, VK_SHIFT);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
    SetFocus(GetDlgItem(dialog, 1029)), TypeKey(VK_PRIOR), TypeKey(VK_RIGHT);  // ×1 halved, then one position up
    SetFocus(GetDlgItem(dialog, 1028)), TypeKey(VK_RIGHT);  // one position up from ×1
    SetFocus(GetDlgItem(dialog, 1030)), TypeKey(VK_END);
    EXPECT_TRUE(SendDlgItemMessageA(dialog, 1030, TBM_GETPOS, 0, 0) == 8 && ControlText(dialog, 1033) == "×4");
    TypeKey(VK_HOME), TypeKey(VK_RIGHT), TypeKey(VK_LEFT);
    SetFocus(GetDlgItem(dialog, 1014));
    TypeKey(VK_DOWN);
    EXPECT_EQ(Selection(dialog, 1014), 2) << "one item from the middle one";
    TypeKey(VK_TAB, VK_CONTROL);
    EXPECT_EQ(SessionState.Mode, CameraMode);
    TypeKey(VK_F4), TypeKey(VK_F4);  // the list's own key, without Alt: its drop-down opens and closes
    TypeKey(VK_RETURN);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(ReadSettingsValue("Option5").AsInt32(), 2);
    EXPECT_EQ(ReadSettingsValue("ModeKey").AsInt32(), VK_F24);
    EXPECT_TRUE(ReadSettingsValue("PanSpeed").AsInt32() == 70 && ReadSettingsValue("WheelSpeed").AsInt32() == 25);
    EXPECT_EQ(ReadSettingsValue("OrbitSpeed").AsInt32(), 140);

    dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 1025, HKM_GETHOTKEY, 0, 0), VK_F24);
    Check(dialog, 1019, true);
    TypeKey(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(PluginSettings.ShowControlWnd, 0);
}

TEST_F(ConfigDialogWithStoredSettings, TheKeyFieldKeepsItsKeyUntilAWholeKeyThatTypesNothingOrBackspace)
{
    int last = PluginSettings.ModeKey, k = last, ctrl = HOTKEYF_CONTROL << 8, alt = HOTKEYF_ALT << 8;
    const int ext = HOTKEYF_EXT << 8, C = VK_CONTROL << 8, A = VK_MENU << 8, Ext = 1 << 16, Dn = 1 << 17, Up = 1 << 18;
    const struct { std::vector<int> keys; int saved; bool note; } rows[] = {  // Ext: extended; Dn, Up: down, up alone
        {{VK_CONTROL, VK_MENU, VK_SHIFT}, k, false}, {{VK_TAB | VK_SHIFT << 8}, k, false},  // a held key: next byte
        {{'A', VK_SPACE | VK_SHIFT << 8, VK_DOWN | Ext, VK_HOME | Ext, VK_INSERT | Ext, VK_CLEAR, 'Z', '0', '9',
          VK_NUMPAD0, VK_DIVIDE, VK_OEM_1, VK_OEM_3, 0xC1, 0xC2, VK_OEM_4, VK_OEM_8, VK_OEM_102}, k, true},
        {{VK_CONTROL | Dn, VK_SHIFT | Dn, VK_SHIFT | Up}, k, false}, {{'Q', 'A' | A}, alt | 'A', false},
        {{VK_INSERT | Ext | C}, ctrl | ext | VK_INSERT, false}, {{VK_DELETE | Ext}, 0, false},
        {{VK_DELETE | Ext | C}, ctrl | ext | VK_DELETE, false}, {{VK_BACK | C, 'Q', VK_TAB}, ctrl | VK_BACK, false},
        {{VK_F5 | A}, alt | VK_F5, false}, {{VK_RETURN | C}, ctrl | VK_RETURN, false}, {{'Q' | C, VK_BACK}, 0, false},
        {{VK_RETURN | A}, alt | VK_RETURN, false}, {{VK_F4 | A}, alt | VK_F4, false},
        {{VK_CONTROL | Dn, 'A' | Dn, 'A' | Up}, ctrl | 'A', false}};
    for (const auto& row : rows) {  // typed into the field, which shows what the row before saved, then OK
        const HWND dialog = OpenThroughComponent(), field = GetDlgItem(dialog, 1025);
        const auto control = reinterpret_cast<WNDPROC>(GetClassLongPtrA(field, GCLP_WNDPROC));  // what it draws
        EXPECT_EQ(CallWindowProcA(control, field, HKM_GETHOTKEY, 0, 0), last) << row.keys[0];
        TypeKey(VK_TAB);
        for (const int key : row.keys)
            key & (Dn | Up) ? SendKey(key & 0xFF, key & Up), PumpMessages()
                          : TypeKey(key & 0xFF, key >> 8 & 0xFF, key & Ext ? KEYEVENTF_EXTENDEDKEY : 0);
        const bool held = (row.keys.back() & Up) != 0;  // Ctrl still down: it shows, with the key taken; OK is clicked
        EXPECT_EQ(CallWindowProcA(control, field, HKM_GETHOTKEY, 0, 0), held && row.saved == last ? ctrl : row.saved)
            << row.keys[0];
        EXPECT_EQ(ModeKeyNoteShown(field), row.note) << row.keys[0];
        held ? ClickWithMouse(dialog, IDOK), SendKey(VK_CONTROL, true) : TypeKey(VK_RETURN);  // Enter alone is OK
        EXPECT_EQ(last = ReadSettingsValue("ModeKey").AsInt32(), row.saved) << row.keys[0];
    }
}

TEST_F(ConfigDialogWithStoredSettings, CancelLeavesSettingsRegistryAndControlWindowUntouched)
{
    const PluginSettingsRecord before = PluginSettings;
    const std::vector<std::string> stored = RegistrySnapshot();
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    Select(dialog, 1009, 1);
    Select(dialog, 1013, 2);
    Check(dialog, 1019, true);
    Click(dialog, IDCANCEL);
    EXPECT_FALSE(IsWindow(dialog));
    ExpectSettingsEqual(PluginSettings, before);
    EXPECT_EQ(RegistrySnapshot(), stored);
    EXPECT_FALSE(IsWindowVisible(SessionState.ControlWindow));
}

TEST_F(ConfigDialog, TheCloseBoxLeavesSettingsAndRegistryUntouched)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    Select(dialog, 1010, 2);
    Check(dialog, 1017, true);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(dialog));
    ExpectSettingsEqual(PluginSettings, PluginSettingsRecord{});
    EXPECT_FALSE(SettingsKeyExists());

    // The close box itself: the system menu's close command.
    const HWND again = OpenThroughComponent();
    ASSERT_NE(again, nullptr);
    Check(again, 1019, true);
    SendMessageA(again, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(again));
    EXPECT_EQ(PluginSettings.ShowControlWnd, 0);
    EXPECT_FALSE(SettingsKeyExists());
}

// The hook reads the settings at every message, so a mapping changed with OK
// acts on the very next gesture that reaches the figure window.
TEST_F(ConfigDialog, AChangedMappingActsOnTheNextGesture)
{
    EnterCameraMode();
    RECT figure;
    GetWindowRect(windows.figure, &figure);
    const LPARAM overFigure = MAKELPARAM((figure.left + figure.right) / 2, (figure.top + figure.bottom) / 2);
    const float start = Distance(host->eye, host->target);
    PostMessageA(windows.figure, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), overFigure);
    PumpMessages();
    EXPECT_GT(Distance(host->eye, host->target), start) << "the plain wheel moves the eye";
    EXPECT_EQ(host->bank, 0.0f);

    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    Select(dialog, 1013, 3);  // the plain wheel tilts the camera
    Click(dialog, IDOK);
    ASSERT_EQ(PluginSettings.Option4, 3);

    const SandboxPoint eye = host->eye;
    PostMessageA(windows.figure, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), overFigure);
    PumpMessages();
    EXPECT_LT(host->bank, 0.0f) << "turned away: the bank decreases, at both deliveries";
    EXPECT_EQ(host->eye.z, eye.z);
    ExpectReferencesBalanced();
}

// The dialog's picture, for looking at, with every control inside the dialog at the display's scale.
void ExpectWholeAndSavePicture(HWND dialog, const char* name)
{
    SetForegroundWindow(dialog);
    SetFocus(GetDlgItem(dialog, 1025)), TypeKey('A');  // refused: the note shows, as wide as its text
    EXPECT_EQ(ChildRect(dialog, 1027).right, ChildRect(dialog, 1025).right) << "the note ends under the field's end";
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_FALSE(SaveWindowScreenshot(dialog, name).empty());
    RECT frame{};  // whole on a 16:9 screen of 768 lines at 100 %, 1080 at 150 %, 2160 at 200 %, less the taskbar
    const int dpi = RunDpi(), lines = dpi == 96 ? 768 : dpi == 144 ? 1080 : 2160;
    EXPECT_TRUE(GetWindowRect(dialog, &frame) && frame.right - frame.left <= lines * 16 / 9 &&
                frame.bottom - frame.top <= lines - MulDiv(48, dpi, 96));
    const SIZE client = ClientSize(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.cx && place.bottom <= client.cy);
    }
}

TEST_F(ConfigDialog, ShowsEveryControlInsideItselfAtDisplayScale)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    ExpectWholeAndSavePicture(dialog, "config_dialog");
    EnterCameraMode();  // 20 pixels of drag turn 20°, then with the box ticked as many as 20 pixels at 96 dpi do
    for (const float turned : {20.0f, 20.0f + 20.0f * 96 / RunDpi()}) {
        turned > 20 ? Check(dialog, 1034, true), Click(dialog, IDOK) : void();  // ticked before the second drag
        PostMessageA(windows.figure, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        PostMessageA(windows.figure, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 10)), PumpMessages();
        EXPECT_NEAR(std::atan2(host->eye.x, host->eye.z) * 180 / 3.14159265f, turned, 1e-3f);
    }
}

TEST_F(ConfigDialogInEnglish, ShowsEveryControlInsideItselfAtDisplayScale)
{
    const HWND dialog = OpenThroughComponent();
    ASSERT_NE(dialog, nullptr);
    ExpectWholeAndSavePicture(dialog, "config_dialog_english");
}

}  // namespace

#include "ui/control_window_tips.h"

#include <commctrl.h>

#include <initializer_list>

#include "state/session_state.h"
#include "ui/resource_ids.h"
#include "ui/texts/texts.h"

namespace {

constexpr int TippedButtons[] = {IDC_MODE_BUTTON, IDC_STORE_BUTTON, IDC_RESTORE_BUTTON, IDC_UNDO_BUTTON};

TTTOOLINFOA ToolOf(HWND window)
{
    TTTOOLINFOA tool = {};
    // The oldest size every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = window;
    return tool;
}

// The tool of the button's place in the window, where the button stands now.
TTTOOLINFOA PlaceToolOf(HWND window, int id)
{
    TTTOOLINFOA tool = ToolOf(window);
    tool.uId = static_cast<UINT_PTR>(id);
    GetWindowRect(GetDlgItem(window, id), &tool.rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&tool.rect), 2);
    return tool;
}

// A tool for the button's own mouse messages, and one for its place in the
// window: a disabled button gets no mouse messages, the window gets them as
// non-client ones (its body is a caption), and RelayToButtonTips hands them on.
void AddTools(HWND tips, HWND window, int id)
{
    TTTOOLINFOA tool = ToolOf(window);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(window, id));
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));

    tool = PlaceToolOf(window, id);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void AddButtonTips(HWND window)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    // Owned by the control window, so it ends with it. TTS_ALWAYSTIP: the
    // control window is seldom the active one, the host's main window is.
    SessionState.ButtonTips =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                        SessionState.ModuleInstance, nullptr);
    if (SessionState.ButtonTips == nullptr)
        return;
    for (int id : TippedButtons)
        AddTools(SessionState.ButtonTips, window, id);
}

void MoveButtonTips(HWND window)
{
    if (SessionState.ButtonTips == nullptr)
        return;
    for (int id : TippedButtons) {
        const TTTOOLINFOA tool = PlaceToolOf(window, id);
        SendMessageA(SessionState.ButtonTips, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void RenewModeButtonTip()
{
    if (SessionState.ButtonTips == nullptr)
        return;
    // Setting the text anew, to be asked for again, shows it again if it shows.
    TTTOOLINFOA tool = ToolOf(SessionState.ControlWindow);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    for (const UINT_PTR id : {reinterpret_cast<UINT_PTR>(SessionState.ModeButton), UINT_PTR{IDC_MODE_BUTTON}}) {
        tool.uId = id;
        SendMessageA(SessionState.ButtonTips, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void RelayToButtonTips(HWND window, LPARAM screenPoint)
{
    if (SessionState.ButtonTips == nullptr)
        return;
    POINT point = {static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    ScreenToClient(window, &point);
    MSG move = {};
    move.hwnd = window;
    move.message = WM_MOUSEMOVE;
    move.lParam = MAKELPARAM(point.x, point.y);
    SendMessageA(SessionState.ButtonTips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

const char* ButtonTip(int controlId, int32_t mode, HostLanguage language)
{
    const WindowTexts& texts = WindowTextsIn(language);
    switch (controlId) {
    case IDC_MODE_BUTTON:
        return mode == CameraMode ? texts.toModelingModeTip : texts.toCameraModeTip;
    case IDC_STORE_BUTTON:
        return texts.storeTip;
    case IDC_RESTORE_BUTTON:
        return texts.restoreTip;
    case IDC_UNDO_BUTTON:
        return texts.undoTip;
    default:
        return nullptr;
    }
}

void AnswerTipRequest(LPARAM notification)
{
    auto* request = reinterpret_cast<NMTTDISPINFOA*>(notification);
    if (request->hdr.code != TTN_GETDISPINFOA)
        return;
    // A button's own tool is named by its handle, its place by its id.
    const int id = (request->uFlags & TTF_IDISHWND) != 0 ? GetDlgCtrlID(reinterpret_cast<HWND>(request->hdr.idFrom))
                                                         : static_cast<int>(request->hdr.idFrom);
    const char* tip = ButtonTip(id, SessionState.Mode, SessionState.Language);
    if (tip != nullptr)
        request->lpszText = const_cast<char*>(tip);
}

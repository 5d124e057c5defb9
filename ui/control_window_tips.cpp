#include "ui/control_window_tips.h"

#include <commctrl.h>

#include "input/session_state.h"
#include "plugin/texts.h"
#include "ui/resource_ids.h"

namespace {

constexpr int TippedButtons[] = {IDC_MODE_BUTTON, IDC_STORE_BUTTON, IDC_RESTORE_BUTTON, IDC_UNDO_BUTTON};

}  // namespace

void AddButtonTips(HWND window)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    // Owned by the control window, so it ends with it. TTS_ALWAYSTIP: the
    // control window is seldom the active one, the host's main window is.
    const HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                      SessionState.ModuleInstance, nullptr);
    if (tips == nullptr)
        return;
    for (int id : TippedButtons) {
        TTTOOLINFOA tool = {};
        // The oldest size every version of the common controls accepts.
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(window, id));
        tool.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
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
    // With TTF_IDISHWND the tool is named by the button's handle.
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(request->hdr.idFrom));
    const char* tip = ButtonTip(id, SessionState.Mode, SessionState.Language);
    if (tip != nullptr)
        request->lpszText = const_cast<char*>(tip);
}

#include "ui/control_window_layout.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "ui/resource_ids.h"

namespace {

constexpr int ModeButtonSize = 32;
constexpr int CameraButtonWidth = 22;
constexpr int ButtonPictureSize = 16;
constexpr int UndoButtonLeft = 96;
constexpr int ReadoutGap = 4;

// The English window's camera buttons carry pictures where the Japanese one's
// carry words, at the small-icon size of the window's DPI. A picture replaced
// after a change of DPI is destroyed.
void GiveCameraButtonsPictures(HWND window)
{
    constexpr struct {
        int button;
        int icon;
    } Pictures[] = {
        {IDC_STORE_BUTTON, IDI_STORE_CAMERA},
        {IDC_RESTORE_BUTTON, IDI_RESTORE_CAMERA},
        {IDC_UNDO_BUTTON, IDI_UNDO_CAMERA},
    };
    for (const auto& picture : Pictures) {
        const HICON icon = LoadPluginIcon(picture.icon, ControlPixels(ButtonPictureSize));
        const HICON previous = reinterpret_cast<HICON>(
            SendDlgItemMessageA(window, picture.button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
        if (previous != nullptr)
            DestroyIcon(previous);
    }
}

// The modes' icons at the large-icon size of the window's DPI; the mode
// button shows the current mode's. The icons they replace are destroyed.
void LoadModeIcons()
{
    const HICON modeling = LoadPluginIcon(IDI_MODELING_MODE, ControlPixels(ModeButtonSize));
    const HICON camera = LoadPluginIcon(IDI_CAMERA_MODE, ControlPixels(ModeButtonSize));
    SendMessageA(SessionState.ModeButton, BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(SessionState.Mode == CameraMode ? camera : modeling));
    for (const HICON replaced : {SessionState.ModelingIcon, SessionState.CameraIcon}) {
        if (replaced != nullptr)
            DestroyIcon(replaced);
    }
    SessionState.ModelingIcon = modeling;
    SessionState.CameraIcon = camera;
}

void PlaceControl(HWND window, int id, int x, int width)
{
    MoveWindow(GetDlgItem(window, id), ControlPixels(x), 0, ControlPixels(width), ControlPixels(ControlClientHeight),
               TRUE);
}

// The labels and read-outs keep their template sizes and their places
// relative to each other, which the dialog's font scales, and start right of
// the undo button, which is placed in pixels: at their template places they
// would lie under the buttons wherever the font's dialog units are narrower
// than the buttons' pixels.
void PlaceReadouts(HWND window)
{
    const HWND buttons[] = {GetDlgItem(window, IDC_MODE_BUTTON), GetDlgItem(window, IDC_STORE_BUTTON),
                            GetDlgItem(window, IDC_RESTORE_BUTTON), GetDlgItem(window, IDC_UNDO_BUTTON)};
    const auto isButton = [&](HWND child) {
        return std::find(std::begin(buttons), std::end(buttons), child) != std::end(buttons);
    };
    const auto placeOf = [window](HWND child) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        return place;
    };
    LONG firstLeft = LONG_MAX;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!isButton(child))
            firstLeft = std::min(firstLeft, placeOf(child).left);
    }
    const LONG shift = ControlPixels(UndoButtonLeft + CameraButtonWidth + ReadoutGap) - firstLeft;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (isButton(child))
            continue;
        const RECT place = placeOf(child);
        MoveWindow(child, place.left + shift, place.top, place.right - place.left, place.bottom - place.top, TRUE);
    }
}

}  // namespace

void LayOutControlWindow(HWND window, int dpi)
{
    SessionState.ControlDpi = dpi;
    PlaceControl(window, IDC_MODE_BUTTON, 12, ModeButtonSize);
    PlaceControl(window, IDC_STORE_BUTTON, 48, CameraButtonWidth);
    PlaceControl(window, IDC_RESTORE_BUTTON, 72, CameraButtonWidth);
    PlaceControl(window, IDC_UNDO_BUTTON, UndoButtonLeft, CameraButtonWidth);
    PlaceReadouts(window);
    LoadModeIcons();
    if (SessionState.Language == HostLanguage::English)
        GiveCameraButtonsPictures(window);
}

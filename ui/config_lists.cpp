#include "ui/config_lists.h"

#include "ui/texts/texts.h"
#include "ui/config_dialog_ids.h"

namespace {

template <int Count>
constexpr ConfigList PositionList(int controlId, int32_t PluginSettingsRecord::*field,
                                  const char* const (&items)[HostLanguageCount][Count], int outsideItem = Count - 1)
{
    return {controlId, field, {items[0], items[1]}, Count, ListEncoding::Position, outsideItem};
}

// A drag stored outside its list pans the camera, as it did before the orbit
// about the selection became the list's last item.
constexpr int DragPanItem = 2;

}  // namespace

const ConfigList ConfigLists[14] = {
    {IDC_CONFIG_ROTATE, &PluginSettingsRecord::Rotate, {WheelDirectionItems[0], WheelDirectionItems[1]}, 2,
     ListEncoding::WheelDirection, 0},
    PositionList(IDC_CONFIG_OPTION11, &PluginSettingsRecord::Option11, DoubleClickActionItems),
    PositionList(IDC_CONFIG_OPTION12, &PluginSettingsRecord::Option12, DoubleClickActionItems),
    PositionList(IDC_CONFIG_OPTION13, &PluginSettingsRecord::Option13, DoubleClickActionItems),
    PositionList(IDC_CONFIG_OPTION8, &PluginSettingsRecord::Option8, ZoomCentreItems),
    PositionList(IDC_CONFIG_OPTION9, &PluginSettingsRecord::Option9, ZoomCentreItems),
    PositionList(IDC_CONFIG_OPTION10, &PluginSettingsRecord::Option10, ZoomCentreItems),
    PositionList(IDC_CONFIG_OPTION1, &PluginSettingsRecord::Option1, DragActionItems, DragPanItem),
    PositionList(IDC_CONFIG_OPTION2, &PluginSettingsRecord::Option2, DragActionItems, DragPanItem),
    PositionList(IDC_CONFIG_OPTION3, &PluginSettingsRecord::Option3, DragActionItems, DragPanItem),
    PositionList(IDC_CONFIG_OPTION4, &PluginSettingsRecord::Option4, WheelActionItems),
    PositionList(IDC_CONFIG_OPTION5, &PluginSettingsRecord::Option5, WheelActionItems),
    PositionList(IDC_CONFIG_OPTION6, &PluginSettingsRecord::Option6, WheelActionItems),
    PositionList(IDC_CONFIG_OPTION7, &PluginSettingsRecord::Option7, WheelActionItems),
};

const ConfigCheckBox ConfigCheckBoxes[5] = {
    {IDC_CONFIG_FOLLOW_DISPLAY_SCALE, &PluginSettingsRecord::FollowDisplayScale},
    {IDC_CONFIG_PERSPECTIVE_ONLY, &PluginSettingsRecord::PerspectiveOnly},
    {IDC_CONFIG_START_CAMERA_MODE, &PluginSettingsRecord::StartCameraMode},
    {IDC_CONFIG_STOP_AT_POLES, &PluginSettingsRecord::StopAtPoles},
    {IDC_CONFIG_SHOW_CONTROL_WND, &PluginSettingsRecord::ShowControlWnd},
};

const ConfigSpeedSlider ConfigSpeedSliders[3] = {
    {IDC_CONFIG_ORBIT_SPEED, IDC_CONFIG_ORBIT_SPEED_VALUE, &PluginSettingsRecord::OrbitSpeed},
    {IDC_CONFIG_PAN_SPEED, IDC_CONFIG_PAN_SPEED_VALUE, &PluginSettingsRecord::PanSpeed},
    {IDC_CONFIG_WHEEL_SPEED, IDC_CONFIG_WHEEL_SPEED_VALUE, &PluginSettingsRecord::WheelSpeed},
};

const int32_t SpeedPositions[SpeedPositionCount] = {25, 35, 50, 70, 100, 140, 200, 280, 400};

const char* const* ListItems(const ConfigList& list, HostLanguage language)
{
    return list.items[static_cast<int>(language)];
}

int ListSelectionFor(const ConfigList& list, int32_t value)
{
    if (list.encoding == ListEncoding::WheelDirection)
        return TowardZoomsIn(value) ? 1 : 0;
    return value >= 0 && value < list.itemCount ? value : list.outsideItem;
}

int SpeedPositionFor(int32_t percent)
{
    const int64_t acting = ActingSpeed(percent);
    int position = 0;
    // Past the geometric mean of two neighbours the upper one is nearer.
    while (position + 1 < SpeedPositionCount &&
           acting * acting >= static_cast<int64_t>(SpeedPositions[position]) * SpeedPositions[position + 1])
        ++position;
    return position;
}

int32_t ListValueFor(const ConfigList& list, int selection)
{
    if (list.encoding == ListEncoding::WheelDirection)
        return selection > 0 ? 1 : -1;
    return selection >= 0 ? selection : -1;
}

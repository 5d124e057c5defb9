// The configuration dialog's lists as data: which control edits which setting,
// how many items each offers, and how a setting becomes a selection and back.

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <vector>

#include "ui/config_lists.h"

namespace {

const ConfigList& ListOf(int controlId)
{
    for (const ConfigList& list : ConfigLists) {
        if (list.controlId == controlId)
            return list;
    }
    throw std::runtime_error("no such list");
}

TEST(ConfigLists, AreFilledWheelDirectionFirstThenModelingThenCameraLists)
{
    std::vector<int> order;
    for (const ConfigList& list : ConfigLists)
        order.push_back(list.controlId);
    EXPECT_EQ(order, (std::vector<int>{1009, 1022, 1023, 1024, 1008, 1020, 1021, 1010, 1011, 1012, 1013, 1014,
                                       1015, 1016}));
}

TEST(ConfigLists, EachListEditsItsSettingWithTheItemsOfItsValueSet)
{
    struct Expected {
        int controlId;
        int32_t PluginSettingsRecord::*field;
        int itemCount;
    };
    const Expected expected[] = {
        {1009, &PluginSettingsRecord::Rotate, 2},   {1022, &PluginSettingsRecord::Option11, 3},
        {1023, &PluginSettingsRecord::Option12, 3}, {1024, &PluginSettingsRecord::Option13, 3},
        {1008, &PluginSettingsRecord::Option8, 3},  {1020, &PluginSettingsRecord::Option9, 3},
        {1021, &PluginSettingsRecord::Option10, 3}, {1010, &PluginSettingsRecord::Option1, 4},
        {1011, &PluginSettingsRecord::Option2, 4},  {1012, &PluginSettingsRecord::Option3, 4},
        {1013, &PluginSettingsRecord::Option4, 4},  {1014, &PluginSettingsRecord::Option5, 4},
        {1015, &PluginSettingsRecord::Option6, 4},  {1016, &PluginSettingsRecord::Option7, 4},
    };
    for (const Expected& e : expected) {
        const ConfigList& list = ListOf(e.controlId);
        EXPECT_TRUE(list.field == e.field) << e.controlId;
        EXPECT_EQ(list.itemCount, e.itemCount) << e.controlId;
        EXPECT_EQ(list.encoding, e.controlId == 1009 ? ListEncoding::WheelDirection : ListEncoding::Position);
    }
}

TEST(ConfigLists, ListsOfOneValueSetShareTheirItemsInEachLanguage)
{
    for (HostLanguage language : {HostLanguage::Japanese, HostLanguage::English}) {
        SCOPED_TRACE(static_cast<int>(language));
        EXPECT_EQ(ListItems(ListOf(1022), language), ListItems(ListOf(1024), language));
        EXPECT_EQ(ListItems(ListOf(1008), language), ListItems(ListOf(1021), language));
        EXPECT_EQ(ListItems(ListOf(1010), language), ListItems(ListOf(1012), language));
        EXPECT_EQ(ListItems(ListOf(1013), language), ListItems(ListOf(1016), language));
        EXPECT_NE(ListItems(ListOf(1022), language), ListItems(ListOf(1008), language));
    }
}

TEST(ConfigLists, TheCheckBoxesEditTheFiveFlagsInTabOrder)
{
    const ConfigCheckBox r[] = {{1017, &PluginSettingsRecord::PerspectiveOnly},
                                {1018, &PluginSettingsRecord::StartCameraMode},
                                {1026, &PluginSettingsRecord::StopAtPoles},
                                {1034, &PluginSettingsRecord::FollowDisplayScale},
                                {1019, &PluginSettingsRecord::ShowControlWnd}};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(ConfigCheckBoxes[i].controlId == r[i].controlId && ConfigCheckBoxes[i].field == r[i].field) << i;
}

TEST(ConfigLists, TheWheelDirectionShowsZoomInForAnyPositiveRotate)
{
    const ConfigList& rotate = ListOf(1009);
    EXPECT_EQ(ListSelectionFor(rotate, 1), 1);
    EXPECT_EQ(ListSelectionFor(rotate, 5), 1);
    EXPECT_EQ(ListSelectionFor(rotate, INT_MAX), 1);
    EXPECT_EQ(ListSelectionFor(rotate, 0), 0);
    EXPECT_EQ(ListSelectionFor(rotate, -1), 0);
    EXPECT_EQ(ListSelectionFor(rotate, INT_MIN), 0);
}

TEST(ConfigLists, TheWheelDirectionStoresOnlyMinusOneOrOne)
{
    const ConfigList& rotate = ListOf(1009);
    EXPECT_EQ(ListValueFor(rotate, 1), 1);
    EXPECT_EQ(ListValueFor(rotate, 0), -1);
    EXPECT_EQ(ListValueFor(rotate, -1), -1);  // no selection
}

TEST(ConfigLists, AnOptionSelectsTheItemAtItsPositionAndOutsideTheListTheOneItActsAs)
{
    const ConfigList& wheel = ListOf(1013);
    EXPECT_EQ(ListSelectionFor(wheel, 0), 0);
    EXPECT_EQ(ListSelectionFor(wheel, 3), 3);
    EXPECT_EQ(ListSelectionFor(wheel, 4), 3);
    EXPECT_EQ(ListSelectionFor(wheel, 9), 3);
    EXPECT_EQ(ListSelectionFor(wheel, -1), 3);
    EXPECT_EQ(ListSelectionFor(wheel, INT_MIN), 3);
    EXPECT_EQ(ListSelectionFor(ListOf(1010), 3), 3);  // outside its list, the left, right or middle drag pans
    EXPECT_EQ(ListSelectionFor(ListOf(1010), 4), 2);
    EXPECT_EQ(ListSelectionFor(ListOf(1011), -1), 2);
    EXPECT_EQ(ListSelectionFor(ListOf(1012), 4), 2);
}

TEST(ConfigLists, AnOptionStoresTheSelectedPositionOrMinusOneWithoutSelection)
{
    const ConfigList& wheel = ListOf(1013);
    EXPECT_EQ(ListValueFor(wheel, 0), 0);
    EXPECT_EQ(ListValueFor(wheel, 3), 3);
    EXPECT_EQ(ListValueFor(wheel, -1), -1);
}

}  // namespace

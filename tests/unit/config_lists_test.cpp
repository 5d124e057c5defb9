// The configuration dialog's lists as data: each edits a setting of its own,
// and a setting becomes a selection and back. Which controls the tables name,
// the dialog's templates show.

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

// Which setting each edits, the dialog shows through OK and the registry.
TEST(ConfigLists, EachListCheckBoxAndSliderEditsASettingOfItsOwn)
{
    std::vector<int32_t PluginSettingsRecord::*> fields;
    for (const ConfigList& list : ConfigLists)
        fields.push_back(list.field);
    for (const ConfigCheckBox& box : ConfigCheckBoxes)
        fields.push_back(box.field);
    for (const ConfigSpeedSlider& slider : ConfigSpeedSliders)
        fields.push_back(slider.field);
    for (size_t i = 0; i < fields.size(); ++i) {
        for (size_t j = i + 1; j < fields.size(); ++j)
            EXPECT_FALSE(fields[i] == fields[j]) << i << " and " << j;
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

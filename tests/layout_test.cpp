// Rules the layout table keeps, whatever its places and texts: the start-up screen itself
// is compared whole in startup_test.cpp.
#include "corvane/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <tuple>

namespace corvane {
namespace {

bool IsField(const WidgetDesign& design) {
  return design.kind == WidgetKind::kTextBox || design.kind == WidgetKind::kComboBox ||
         design.kind == WidgetKind::kDatePicker || design.kind == WidgetKind::kListView;
}

// Names find their widgets exactly as spelt; the tab indexes run from 0, each once; a
// widget's parent is a frame.
TEST(LayoutTest, NamesAndTabIndexesAreUnique) {
  std::set<std::string_view> names;
  std::set<int> tab_indexes;
  for (std::size_t i = 0; i < kScreenLayout.size(); ++i) {
    const WidgetDesign& design = kScreenLayout[i];
    EXPECT_EQ(static_cast<std::size_t>(design.id), i) << design.name;
    EXPECT_TRUE(names.insert(design.name).second) << design.name;
    EXPECT_TRUE(tab_indexes.insert(design.tab_index).second) << design.name;
    EXPECT_EQ(FindWidget(design.name), design.id);
    if (design.parent) {
      EXPECT_EQ(DesignOf(*design.parent).kind, WidgetKind::kFrame) << design.name;
    }
  }
  ASSERT_FALSE(tab_indexes.empty());
  EXPECT_EQ(*tab_indexes.begin(), 0);
  EXPECT_EQ(*tab_indexes.rbegin(), static_cast<int>(kWidgetCount) - 1);
  EXPECT_EQ(FindWidget("txtamount"), std::nullopt);
}

TEST(LayoutTest, TabOrderFollowsTabIndex) {
  const auto order = TabOrder();
  ASSERT_EQ(order.size(), kWidgetCount);
  EXPECT_EQ(std::set(order.begin(), order.end()).size(), kWidgetCount);
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_LT(DesignOf(order[i - 1]).tab_index, DesignOf(order[i]).tab_index);
  }
}

// A label names the field that starts visible on its line, to its right: the one sharing
// most of the line, the nearest of those, the front-most of those. That field is its
// buddy; a label with no field on its line has none.
TEST(LayoutTest, EachLabelIsTheBuddyOfTheFieldItNames) {
  for (const WidgetDesign& label : kScreenLayout) {
    if (label.kind != WidgetKind::kLabel) continue;
    const Rect at = PlaceOnControl(label.id);
    std::optional<WidgetId> named;
    std::tuple<int, int> best{};
    for (const WidgetDesign& field : kScreenLayout) {
      const Rect place = PlaceOnControl(field.id);
      const int shared =
          std::min(at.top + at.height, place.top + place.height) - std::max(at.top, place.top);
      if (!IsField(field) || !field.visible || place.left <= at.left || shared <= 0) continue;
      // The layout lists siblings front to back: the first of equals stays.
      const std::tuple<int, int> rank{shared, -place.left};
      if (!named || rank > best) named = field.id, best = rank;
    }
    EXPECT_EQ(label.buddy, named) << label.name;
  }
}

// Every widget lies within the frame's place, also the balance box in front of it.
TEST(LayoutTest, TheFrameHoldsEveryWidget) {
  const Rect frame = PlaceOnControl(WidgetId::Framain);
  for (const WidgetDesign& design : kScreenLayout) {
    EXPECT_TRUE(Contains(frame, PlaceOnControl(design.id))) << design.name;
  }
}

// Two fields share a place only to take turns: the one in front covers the other whole and
// starts hidden or disabled, so that at start-up the operator meets one field there.
TEST(LayoutTest, FieldsSharingAPlaceTakeTurns) {
  for (const WidgetDesign& front : kScreenLayout) {
    for (const WidgetDesign& back : kScreenLayout) {
      if (front.id >= back.id || !IsField(front) || !IsField(back) ||
          !Overlap(PlaceOnControl(front.id), PlaceOnControl(back.id))) {
        continue;
      }
      EXPECT_EQ(front.parent, back.parent) << front.name << " " << back.name;
      EXPECT_TRUE(Contains(front.rect, back.rect)) << front.name << " " << back.name;
      EXPECT_TRUE(!front.visible || !front.enabled) << front.name << " " << back.name;
    }
  }
}

}  // namespace
}  // namespace corvane

#include "widgets/layout.h"

#include <gtest/gtest.h>

#include <set>

namespace corvane {
namespace {

bool Covers(const Rect& outer, const Rect& inner) {
  return outer.left <= inner.left && outer.top <= inner.top &&
         outer.left + outer.width >= inner.left + inner.width &&
         outer.top + outer.height >= inner.top + inner.height;
}

TEST(LayoutTest, TableIsConsistent) {
  std::set<int> tab_indexes;
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < kScreenLayout.size(); ++i) {
    const WidgetSpec& spec = kScreenLayout[i];
    EXPECT_EQ(static_cast<std::size_t>(spec.id), i) << spec.name;
    EXPECT_EQ(FindWidget(spec.name), spec.id);
    tab_indexes.insert(spec.tab_index);
    names.insert(spec.name);
    // Only the frame has children.
    if (spec.parent) {
      EXPECT_EQ(*spec.parent, WidgetId::Framain) << spec.name;
    }
  }
  EXPECT_EQ(kScreenLayout.size(), 26u);
  EXPECT_EQ(names.size(), 26u);
  ASSERT_EQ(tab_indexes.size(), 26u);
  EXPECT_EQ(*tab_indexes.begin(), 0);
  EXPECT_EQ(*tab_indexes.rbegin(), 25);
  EXPECT_EQ(FindWidget("txtamount"), std::nullopt);
}

TEST(LayoutTest, OverlappingPairsStandInTheirOrder) {
  const WidgetSpec& combo = SpecOf(WidgetId::cboCreditCard);
  const WidgetSpec& text = SpecOf(WidgetId::txtCreditCard);
  EXPECT_LT(static_cast<int>(combo.id), static_cast<int>(text.id)) << "combo in front";
  EXPECT_TRUE(Covers(combo.rect, text.rect) && Covers(text.rect, combo.rect));
  EXPECT_FALSE(combo.enabled);

  const WidgetSpec& picker = SpecOf(WidgetId::DTPckrPaymentDate);
  const WidgetSpec& date = SpecOf(WidgetId::txtPaymentDate);
  EXPECT_FALSE(picker.visible);
  EXPECT_TRUE(Covers(picker.rect, date.rect));
  EXPECT_LT(static_cast<int>(picker.id), static_cast<int>(date.id));

  const WidgetSpec& balance = SpecOf(WidgetId::txtBalanceAmount);
  EXPECT_EQ(balance.parent, std::nullopt);
  EXPECT_EQ(kScreenLayout.front().id, WidgetId::txtBalanceAmount) << "in front of the frame";
  EXPECT_TRUE(Covers(SpecOf(WidgetId::Framain).rect, balance.rect));
}

TEST(LayoutTest, DisplayFieldsAreNoTabStops) {
  for (WidgetId id : {WidgetId::txtBalanceAmount, WidgetId::txtOrderedAmount,
                      WidgetId::txtTotalAmount, WidgetId::txtPaymentDate}) {
    EXPECT_FALSE(SpecOf(id).tab_stop) << SpecOf(id).name;
    EXPECT_EQ(SpecOf(id).BackColor(), kButtonFace) << SpecOf(id).name;
  }
  EXPECT_TRUE(SpecOf(WidgetId::txtAmount).tab_stop);
  EXPECT_EQ(SpecOf(WidgetId::txtCreditCard).BackColor(), kWindowBackground);
  EXPECT_EQ(SpecOf(WidgetId::lblAmount).BackColor(), kButtonFace);
}

TEST(LayoutTest, TabOrderFollowsTabIndex) {
  const auto order = TabOrder();
  ASSERT_EQ(order.size(), 26u);
  EXPECT_EQ(order[0], WidgetId::txtPaymentDate);
  EXPECT_EQ(order[1], WidgetId::lstPayment);
  EXPECT_EQ(order[2], WidgetId::cboPaymentType);
  EXPECT_EQ(order[25], WidgetId::lblVersionNumber);
}

}  // namespace
}  // namespace corvane

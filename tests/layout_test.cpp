#include "surface/layout.h"

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
    const WidgetDesign& design = kScreenLayout[i];
    EXPECT_EQ(static_cast<std::size_t>(design.id), i) << design.name;
    EXPECT_EQ(FindWidget(design.name), design.id);
    tab_indexes.insert(design.tab_index);
    names.insert(design.name);
    // Only the frame has children.
    if (design.parent) {
      EXPECT_EQ(*design.parent, WidgetId::Framain) << design.name;
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
  const WidgetDesign& combo = DesignOf(WidgetId::cboCreditCard);
  const WidgetDesign& text = DesignOf(WidgetId::txtCreditCard);
  EXPECT_LT(static_cast<int>(combo.id), static_cast<int>(text.id)) << "combo in front";
  EXPECT_TRUE(Covers(combo.rect, text.rect) && Covers(text.rect, combo.rect));
  EXPECT_FALSE(combo.enabled);

  const WidgetDesign& picker = DesignOf(WidgetId::DTPckrPaymentDate);
  const WidgetDesign& date = DesignOf(WidgetId::txtPaymentDate);
  EXPECT_FALSE(picker.visible);
  EXPECT_TRUE(Covers(picker.rect, date.rect));
  EXPECT_LT(static_cast<int>(picker.id), static_cast<int>(date.id));

  const WidgetDesign& balance = DesignOf(WidgetId::txtBalanceAmount);
  EXPECT_EQ(balance.parent, std::nullopt);
  EXPECT_EQ(kScreenLayout.front().id, WidgetId::txtBalanceAmount) << "in front of the frame";
  EXPECT_TRUE(Covers(DesignOf(WidgetId::Framain).rect, balance.rect));
}

TEST(LayoutTest, DisplayFieldsAreNoTabStops) {
  for (WidgetId id : {WidgetId::txtBalanceAmount, WidgetId::txtOrderedAmount,
                      WidgetId::txtTotalAmount, WidgetId::txtPaymentDate}) {
    EXPECT_FALSE(DesignOf(id).tab_stop) << DesignOf(id).name;
    EXPECT_EQ(DesignOf(id).BackColor(), kButtonFace) << DesignOf(id).name;
  }
  EXPECT_TRUE(DesignOf(WidgetId::txtAmount).tab_stop);
  EXPECT_EQ(DesignOf(WidgetId::txtCreditCard).BackColor(), kWindowBackground);
  EXPECT_EQ(DesignOf(WidgetId::lblAmount).BackColor(), kButtonFace);
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

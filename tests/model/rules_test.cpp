// What the buttons offer for a mode and for the selected payment, and the fields a type
// opens.
#include "model/rules.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

TEST(RulesTest, SelectionButtonsDependOnModeMarkAndSequence) {
  const struct {
    std::int16_t mode;
    Mark mark;
    std::string_view sequence;
    bool undelete;
    std::string edit_delete;  // enabled states of Edit and Delete
  } cases[] = {
      {1, Mark::kNone, "S", false, "yy"},    {1, Mark::kNew, "", false, "yy"},
      {1, Mark::kUpdated, "S", false, "yy"}, {1, Mark::kDeleted, "S", true, "ny"},
      {2, Mark::kNone, "S", false, "nn"},    {2, Mark::kUpdated, "S", false, "nn"},
      {2, Mark::kNew, "", false, "yy"},      {2, Mark::kDeleted, "", false, "yy"},
      {0, Mark::kNone, "S", false, "nn"},    {0, Mark::kDeleted, "S", true, "ny"},
      {3, Mark::kNone, "S", false, "nn"},
  };
  for (const auto& c : cases) {
    Payment payment;
    payment.mark = c.mark;
    payment.sequence = c.sequence;
    const SelectionButtons b = ButtonsForSelection(c.mode, payment);
    const std::string edit_delete{b.edit ? 'y' : 'n', b.remove ? 'y' : 'n'};
    EXPECT_EQ(b.undelete, c.undelete) << c.mode << " " << MarkText(c.mark);
    EXPECT_EQ(edit_delete, c.edit_delete) << c.mode << " " << MarkText(c.mark);
  }
}

TEST(RulesTest, ModesSetTheButtonsOrLeaveThem) {
  const auto show = [](std::int16_t mode) -> std::string {
    const std::optional<ModeButtons> b = ButtonsForMode(mode);
    if (!b) return "left";
    return {b->add ? 'y' : 'n', b->edit ? 'y' : 'n', b->remove ? 'y' : 'n'};
  };
  EXPECT_EQ(show(0), "nnn");
  EXPECT_EQ(show(1), "yyy");
  EXPECT_EQ(show(2), "ynn");
  EXPECT_EQ(show(3), "left");
  EXPECT_EQ(show(-1), "left");
}

TEST(RulesTest, AReferenceIsNeededExceptOnAccountAndOnTopUpOrders) {
  EXPECT_TRUE(ReferenceNeeded(2, 1));
  EXPECT_TRUE(ReferenceNeeded(kCardTypeId, 4));
  EXPECT_FALSE(ReferenceNeeded(kNoReferenceTypeId, 1));
  EXPECT_FALSE(ReferenceNeeded(2, kTopUpOrderType));
  EXPECT_TRUE(TakesCard(kCardTypeId));
  EXPECT_FALSE(TakesCard(2));
}

TEST(RulesTest, NewPaymentTopsUpOnlyATopUpOrderWithAPaymentInTheEditMode) {
  OrderContext order;
  EXPECT_THROW(TopsUp(order, 1), ModeNotSet) << "New Payment does nothing before a mode";
  order.mode = kModeEdit;
  order.order_type = kTopUpOrderType;
  EXPECT_TRUE(TopsUp(order, 1));
  EXPECT_FALSE(TopsUp(order, 0));
  order.mode = kModeAppend;
  EXPECT_FALSE(TopsUp(order, 3));
  order.mode = kModeEdit;
  order.order_type = 1;
  EXPECT_FALSE(TopsUp(order, 3));
}

TEST(RulesTest, TypeLookupsTakeTheFirstEntryOfTheName) {
  const std::optional<PaymentTypeTable> types =
      PaymentTypeTable::Parse("3~Check~0|8~Card~True|9~Check~1|", "~", "|");
  EXPECT_EQ(TypeIdOf(types, "Check"), 3);
  EXPECT_FALSE(NonSelectable(types, "Check"));
  EXPECT_TRUE(NonSelectable(types, "Card"));
  EXPECT_EQ(TypeIdOf(types, "Cash"), 0);
  EXPECT_EQ(TypeIdOf(std::nullopt, "Check"), 0);
  EXPECT_FALSE(NonSelectable(std::nullopt, "Card"));
}

}  // namespace
}  // namespace corvane::testing

// The checks of a save: which one refuses first, with which message, and where the cursor
// goes.
#include "model/save_checks.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

struct Case {
  const char* name;
  EntryTexts entry;
  std::int16_t order_type;
  std::optional<SaveRefusal> expected;
};

SaveRefusal Refusal(std::string_view prompt, std::string_view title, EntryField field,
                    bool all = false, std::string named = "") {
  return {prompt, title, field, all, std::move(named)};
}

TEST(SaveChecksTest, TheFirstFailingCheckRefuses) {
  const std::optional<PaymentTypeTable> types =
      PaymentTypeTable::Parse("0~Cash~0|1~On Account~0|2~Check~0|3~Closed~1|", "~", "|");
  const std::string long_text = "  " + std::string(21, '7') + "  ";
  const std::string padded = "  " + std::string(20, 'x') + "  ";
  const Case cases[] = {
      {"non-selectable before all else",
       {"Closed", "", long_text, "0"},
       1,
       Refusal("%1 cannot be selected from the center for use on a new or existing payment.",
               " Corvane", EntryField::kType, false, "Closed")},
      {"reference",
       {"Check", "", long_text, "0"},
       1,
       Refusal("Please enter the Reference Number", "Corvane", EntryField::kReference)},
      {"no reference on account", {"On Account", "", "", "5"}, 1, std::nullopt},
      {"no reference on a top-up order", {"Check", "", "", "5"}, kTopUpOrderType, std::nullopt},
      {"authorization before reference",
       {"Check", long_text, long_text, "5"},
       1,
       Refusal("Autorization Number cannot exceed 20 characters", " Corvane",
               EntryField::kAuthorization, true)},
      {"reference too long",
       {"Check", long_text, "", "5"},
       1,
       Refusal("Reference Number cannot exceed  20 characters", " Corvane", EntryField::kReference,
               true)},
      {"spaces at the ends do not count", {"Check", padded, padded, "5"}, 1, std::nullopt},
      {"zero amount",
       {"Check", "R", "", "0.00"},
       1,
       Refusal("Please enter the Payment Amount", " Corvane", EntryField::kAmount)},
      {"amount beyond a double",
       {"Check", "R", "", "1e999"},
       1,
       Refusal("Please enter the Payment Amount", " Corvane", EntryField::kAmount)},
  };
  OrderContext order;
  order.mode = kModeEdit;
  for (const Case& c : cases) {
    order.order_type = c.order_type;
    EXPECT_EQ(CheckEntry(c.entry, types, order, PaymentBook(), Entry()), c.expected) << c.name;
  }
}

TEST(SaveChecksTest, AnAmountTheTotalOrTheHostCannotHoldIsRefused) {
  OrderContext order;
  order.conversion_rate = 1e-10;
  PaymentBook payments;
  EXPECT_TRUE(CheckEntry({"Check", "R", "", "1e300"}, std::nullopt, order, payments, Entry()))
      << "beyond a double in the host's currency";
  order.conversion_rate = 0;
  Payment big;
  big.amount = "1.7e308";
  payments.Add(big);
  EXPECT_TRUE(CheckEntry({"Check", "R", "", "1e308"}, std::nullopt, order, payments, Entry()))
      << "the total would overflow";
  const Entry edit{.kind = EntryKind::kEditing, .row = 0, .start_amount = 0, .date_stand_in = {}};
  EXPECT_FALSE(CheckEntry({"Check", "R", "", "1e308"}, std::nullopt, order, payments, edit))
      << "an edit's payment counts at its new amount";
}

TEST(SaveChecksTest, CappedOrdersKeepTheTotalWithinTheOrderedAmount) {
  const OrderTotals totals{.ordered = "100.00", .total = "60.00", .balance = "40.00"};
  const SaveRefusal over =
      Refusal("The Total Amount of all payments has to be less than or equal to Ordered Amount ",
              " Corvane", EntryField::kAmount);
  OrderContext order;
  for (std::int16_t type : {1, 2, 4}) {
    order.order_type = type;
    EXPECT_EQ(CheckOrderTotal(order, totals, "40.00", Entry()), std::nullopt) << type;
    EXPECT_EQ(CheckOrderTotal(order, totals, "40.01", Entry()), over) << type;
  }
  const Entry edit{.kind = EntryKind::kEditing, .row = 0, .start_amount = 30, .date_stand_in = {}};
  order.order_type = 1;
  EXPECT_EQ(CheckOrderTotal(order, totals, "70.00", edit), std::nullopt) << "less its old 30";
  order.order_type = 3;
  EXPECT_EQ(CheckOrderTotal(order, totals, "1000.00", Entry()), std::nullopt) << "not capped";
}

}  // namespace
}  // namespace corvane::testing

#include "readings/card_mask.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readings/utf8.h"

namespace corvane {
namespace {

struct MaskRow {
  std::string reference;
  std::string shown;
};

// The rows that say what the rule is: how many digits show, and that nothing but a digit
// changes.
const std::vector<MaskRow>& Rows() {
  static const std::vector<MaskRow> rows = {
      // Card numbers of more than 12 digits: the first six and the last four show.
      {"4111 1111 1111 1111", "4111 11•• •••• 1111"},
      {"4111111111111111", "411111••••••1111"},
      {"4111-1111-1111-1111", "4111-11••-••••-1111"},
      {"3782 822463 10005", "3782 82•••• •0005"},
      {"6011000990139424123", "601100•••••••••4123"},
      {"4222222222222", "422222•••2222"},
      {"  4111 1111 1111 1111  ", "  4111 11•• •••• 1111  "},
      // 12 digits or fewer: the last four alone.
      {"123456789012", "••••••••9012"},
      {"1234-5678", "••••-5678"},
      {"12345", "•2345"},
      {"1234", "1234"},
      {"1", "1"},
      {"", ""},
      // Letters and other characters stay, and do not count.
      {"Visa", "Visa"},
      {"C100", "C100"},
      {"AB12CD3456", "AB••CD3456"},
      {"card 4111111111111111 exp", "card 411111••••••1111 exp"},
      // Only the ASCII digits are digits here: others are characters like any letter.
      {"Kärtchen 4111 1111 1111 1111 ✓", "Kärtchen 4111 11•• •••• 1111 ✓"},
      {"４１１１１１１１１１１１１１１１", "４１１１１１１１１１１１１１１１"},
      {"٤١١١ 12345", "٤١١١ •2345"},
      // A mask character the host gave is a character like any other.
      {"4111 11•• •••• 1111", "•••• •••• •••• 1111"},
      // Bytes that are no UTF-8 stay as they are.
      {"\xff"
       "4111111111111111\xc3",
       "\xff"
       "411111••••••1111\xc3"},
  };
  return rows;
}

TEST(CardMaskTest, HidesTheMiddleDigitsAndKeepsEverythingElse) {
  for (const MaskRow& row : Rows()) {
    EXPECT_EQ(MaskCardNumber(row.reference), row.shown) << row.reference;
  }
}

// A field shows the masked text in the same room: one character for one.
TEST(CardMaskTest, KeepsTheNumberOfCharacters) {
  for (const MaskRow& row : Rows()) {
    EXPECT_EQ(CodePointCount(MaskCardNumber(row.reference)), CodePointCount(row.reference))
        << row.reference;
  }
}

}  // namespace
}  // namespace corvane

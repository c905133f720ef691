// The entry fields' own rules: key filters, the amount's two decimals, the card grouping of
// the reference, and the balance that follows the ordered amount.
#include <cmath>

#include "control/corvane.h"
#include "readings/card_grouping.h"
#include "readings/numbers.h"
#include "readings/utf8.h"

namespace corvane {
namespace {

constexpr std::int16_t kBackspace = 8;

bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

void Corvane::txtAmount_KeyPress(std::int16_t& KeyAscii) {
  if (!IsDigit(KeyAscii) && KeyAscii != '.' && KeyAscii != kBackspace) {
    KeyAscii = 0;
    return;
  }
  if (KeyAscii == '.' && txtAmount.Text().find('.') != std::string::npos) KeyAscii = 0;
}

void Corvane::txtReference_KeyPress(std::int16_t& KeyAscii) {
  if (!IsDigit(KeyAscii) && !IsLetter(KeyAscii) && KeyAscii != kBackspace) {
    KeyAscii = 0;
    screen_.Beep();
  }
}

void Corvane::txtAuthorization_KeyPress(std::int16_t& KeyAscii) {
  txtReference_KeyPress(KeyAscii);  // the same rule, with the beep
}

void Corvane::txtPaymentDate_KeyPress(std::int16_t& KeyAscii) {
  if (!IsDigit(KeyAscii) && KeyAscii != '/' && KeyAscii != kBackspace) KeyAscii = 0;
}

void Corvane::txtAmount_GotFocus() {
  if (mtAction == "Add" || mtAction == "Edit") {
    txtAmount.SetSelStart(0);
    txtAmount.SetSelLength(CodePointCount(txtAmount.Text()));
  }
}

void Corvane::txtAmount_LostFocus() {
  const double value = LenientNumber(txtAmount.Text());
  // Zero, and an amount too large to be a number, stay as typed.
  if (value != 0 && std::isfinite(value)) txtAmount.SetText(FormatAmount(value));
}

void Corvane::txtReference_LostFocus() {
  if (std::optional<std::string> grouped = GroupCardNumber(txtReference.Text())) {
    txtReference.SetText(*grouped);
  }
}

void Corvane::txtOrderedAmount_Change() {
  txtBalanceAmount.SetText(
      FormatAmount(StrictNumber(txtOrderedAmount.Text()) - StrictNumber(txtTotalAmount.Text())));
}

}  // namespace corvane

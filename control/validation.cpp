// The checks of a save, in a fixed order; the first that fails tells the operator and
// puts the cursor where the correction goes.
#include <cmath>

#include "control/corvane.h"
#include "control/payment_record.h"
#include "readings/dates.h"
#include "readings/numbers.h"
#include "readings/utf8.h"

namespace corvane {
namespace {

constexpr int kMaxNumberLength = 20;

// Length in characters without the spaces at both ends.
int TrimmedLength(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  return CodePointCount(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

bool Corvane::ValidatePayment() {
  const std::string type = cboPaymentType.Text();
  auto refuse = [&](const std::string& prompt, const char* title, Widget& focus) {
    screen_.MsgBox(prompt, kMbOkInformation, title);
    focus.SetFocus();
    return false;
  };
  auto select_all = [](TextBox& box) {
    box.SetSelStart(0);
    box.SetSelLength(CodePointCount(box.Text()));
  };

  if (GetNonSelectableID(type)) {
    return refuse(type +
                      " cannot be selected from the center for use on a new or existing "
                      "payment.",
                  " Corvane", cboPaymentType);
  }
  const bool reference_optional = miOrderType == 2 || GetPaymentID(type) == kNoReferenceTypeId;
  if (!reference_optional && txtReference.Text().empty()) {
    return refuse("Please enter the Reference Number", "Corvane", txtReference);
  }
  if (TrimmedLength(txtAuthorization.Text()) > kMaxNumberLength) {
    screen_.MsgBox("Autorization Number cannot exceed 20 characters", kMbOkInformation, " Corvane");
    select_all(txtAuthorization);
    txtAuthorization.SetFocus();
    return false;
  }
  if (TrimmedLength(txtReference.Text()) > kMaxNumberLength) {
    screen_.MsgBox("Reference Number cannot exceed  20 characters", kMbOkInformation, " Corvane");
    select_all(txtReference);
    txtReference.SetFocus();
    return false;
  }
  // An amount too large to be totalled is refused like one that is not positive, and so
  // is one the host could not read back: the change list gives it in the host's currency,
  // divided by the rate (0 counting as 1), which a rate below 1 may take beyond a double.
  const double amount = LenientNumber(txtAmount.Text());
  const double rate = mdCurCnversRate == 0 ? 1 : mdCurCnversRate;
  const int edited = mtAction == "Edit" && lstPayment.Selected() ? *lstPayment.Selected() : -1;
  const double projected = edited >= 0 ? SumOfPayments(edited, amount) : SumOfPayments() + amount;
  if (!(amount > 0) || !std::isfinite(amount) || !std::isfinite(amount / rate) ||
      !std::isfinite(projected)) {
    return refuse("Please enter the Payment Amount", " Corvane", txtAmount);
  }
  const std::optional<Date> date = DTPckrPaymentDate.Value();
  if (!date) throw WidgetError("DTPckrPaymentDate: no date");
  if (edited >= 0 && edit_date_stand_in_ == date) {
    // An edited payment whose date the picker could not take keeps that date: the picker
    // still shows the date it was given in its place, so the operator picked no other.
    // (Picking that very date again cannot be told from no pick, and keeps it too.)
    txtPaymentDate.SetText(lstPayment.SubItem(edited, kColPaymentDate));
  } else {
    txtPaymentDate.SetText(FormatPaymentDate(*date));
  }

  if (miOrderType == 1 || miOrderType == 2 || miOrderType == 4) {
    const double sum =
        LenientNumber(txtTotalAmount.Text()) + LenientNumber(txtAmount.Text()) - mdEditAmount;
    const double total = LenientNumber(GeneralNumber(sum));  // at 15 significant digits
    if (LenientNumber(txtOrderedAmount.Text()) < total) {
      return refuse(
          "The Total Amount of all payments has to be less than or equal to Ordered Amount ",
          " Corvane", txtAmount);
    }
  }
  return true;
}

}  // namespace corvane

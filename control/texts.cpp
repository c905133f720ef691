// The texts the operator reads come from the catalog, keyed by their classic English; a new
// catalog shows every one of them anew at once, whatever the operator is doing.
#include <algorithm>
#include <iterator>
#include <string>

#include "control/payment_control.h"
#include "control/payment_record.h"
#include "corvane/version.h"

namespace corvane {

using W = WidgetId;

namespace {

// The labels that name the currency.
constexpr W kAmountLabels[] = {W::lblAmount, W::Label1, W::lblTotalAmountCaption,
                               W::lblBalanceAmount};

bool NamesTheCurrency(W id) {
  return std::ranges::find(kAmountLabels, id) != std::end(kAmountLabels);
}

}  // namespace

void PaymentControl::SetCatalog(Catalog catalog) {
  if (catalog == catalog_) return;  // the same texts: nothing to show again
  // What the operator typed over the card box's "Not Found" is no text of the catalog's:
  // it stays as typed.
  if (card_box_not_found_ && card_box_.Text() != Tr("Not Found")) card_box_not_found_ = false;
  catalog_ = std::move(catalog);
  ShowTexts();
}

void PaymentControl::ShowCaption(CommandButton& button, std::string_view classic) {
  for (ShownCaption& shown : captions_) {
    if (shown.button == &button) shown.classic = classic;
  }
  button.SetCaption(Tr(classic));
}

void PaymentControl::ShowAmountCaptions() {
  // The code goes into the translated caption: a translation keeps the "$".
  for (const W id : kAmountLabels) {
    screen_.label(id).SetCaption(currency_.Caption(Tr(DesignOf(id).text)));
  }
  list_.SetColumnText(kColAmount, currency_.Caption(Tr(kPaymentColumns[kColAmount].header)));
}

void PaymentControl::ShowCardNotFound(bool not_found) {
  card_box_not_found_ = not_found;
  card_box_.SetText(not_found ? Tr("Not Found") : "");
}

void PaymentControl::ShowVersion() {
  version_label_.SetCaption(catalog_.Text(
      "Version Number: %1", std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
                                "." + std::to_string(kVersionRevision)));
}

void PaymentControl::ShowTexts() {
  screen_.UseCatalog(catalog_);  // first: the toolkit marks the captions' access keys by it
  for (const ShownCaption& shown : captions_) shown.button->SetCaption(Tr(shown.classic));
  for (const WidgetDesign& design : kScreenLayout) {
    if (design.kind == WidgetKind::kLabel && design.id != W::lblVersionNumber &&
        !NamesTheCurrency(design.id)) {
      screen_.label(design.id).SetCaption(Tr(design.text));
    }
  }
  ShowAmountCaptions();
  ShowVersion();
  // The hidden columns carry data and are never shown.
  for (int c = kColPaymentType; c < kColPaymentSequence; ++c) {
    if (c != kColAmount) list_.SetColumnText(c, Tr(kPaymentColumns[c].header));
  }
  // A row describes itself only while it is a deleted payment's.
  for (int row = 0; row < list_.Count(); ++row) {
    if (!list_.Description(row).empty()) list_.SetDescription(row, Tr("Deleted"));
  }
  if (card_box_not_found_) ShowCardNotFound(true);
  date_picker_.SetCustomFormat(Tr("MMM dd, yyyy"));
}

}  // namespace corvane

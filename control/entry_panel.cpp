// Closing the entry panel: the fields locked and emptied, the list back in charge. Three
// ways close it, each with its classic differences.
#include "control/payment_control.h"

namespace corvane {
namespace {

void Close(TextBox& box, std::string_view text) {
  box.SetText(text);
  box.SetLocked(true);
  box.SetBackColor(kButtonFace);
}

void Close(ComboBox& box) {
  box.SetText("");
  box.SetLocked(true);
  box.SetBackColor(kButtonFace);
}

}  // namespace

void PaymentControl::CloseEntryPanel(Closing closing) {
  entry_ = {};
  ForgetShownCards();  // every way empties both boxes; the selection may show a payment again
  if (closing == Closing::kReset) {
    // A reload has emptied the fields with the rest of the screen; the list has no
    // selection to show.
    date_picker_.SetVisible(false);
    Close(card_combo_);
    return;
  }
  if (closing == Closing::kSave) {
    // A save disables the card box first; a cancel locks it last, with the "Not Found" box.
    card_combo_.SetText("");
    card_combo_.SetEnabled(false);
    card_combo_.SetBackColor(kButtonFace);
  }
  Close(reference_box_, "");
  Close(authorization_box_, "");
  Close(amount_box_, currency_.Zero());
  date_box_.SetText("");
  date_box_.SetBackColor(kButtonFace);
  date_picker_.SetVisible(false);
  // A cancel takes the type away; after a save the selection shows the saved one's.
  if (closing == Closing::kCancel) type_combo_.SetListIndex(-1);
  type_combo_.SetEnabled(false);
  // Only a save locks the type box.
  if (closing == Closing::kSave) type_combo_.SetLocked(true);
  type_combo_.SetBackColor(kButtonFace);
  if (closing == Closing::kCancel) {
    Close(card_combo_);
    ShowCardNotFound(false);
    card_box_.SetLocked(true);
    card_box_.SetBackColor(kButtonFace);
  }
  list_.SetFocus();
  OnSelection();
}

}  // namespace corvane

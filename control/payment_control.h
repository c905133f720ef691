/// @file
/// The control inside Corvane: its model (the order, the book of payments, the entry under
/// way) shown on the widgets of a Screen, and the handlers of their events.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "control/payment_rows.h"
#include "control/subscribers.h"
#include "corvane/catalog.h"
#include "corvane/corvane.h"
#include "corvane/host_error.h"
#include "corvane/money.h"
#include "corvane/payment_values.h"
#include "corvane/screen.h"
#include "corvane/snapshot.h"
#include "model/currency.h"
#include "model/entry.h"
#include "model/order.h"
#include "model/payment_book.h"
#include "model/payment_load.h"
#include "model/payment_types.h"
#include "model/save_checks.h"
#include "surface/events.h"

namespace corvane {

/// The control behind a Corvane: the host operations, the AmountTotal event and the
/// handlers of the screen's widget events, with the model they show. Corvane, the public
/// class, forwards to it; the library's tests, fuzzers and benchmarks read its model.
class PaymentControl : private Events {
 public:
  using Today = Corvane::Today;
  using AmountTotalHandler = Corvane::AmountTotalHandler;

  /// As Corvane's constructor.
  explicit PaymentControl(Screen& screen, Today today = nullptr);
  /// Detaches from the screen's events.
  ~PaymentControl() override;
  PaymentControl(const PaymentControl&) = delete;
  PaymentControl& operator=(const PaymentControl&) = delete;

  /// @{
  /// As Corvane has them.
  ControlSnapshot Snapshot() const;
  bool EntryOpen() const;
  Screen& screen() { return screen_; }
  std::int16_t GetPaymentID(std::string_view payment_type);
  void WritePaymentData(std::string_view credit_cards, std::string_view payment_types,
                        std::string_view payments, std::string_view field_separator,
                        std::string_view record_separator);
  std::string ReadPaymentData();
  void PaymentDetails(std::int16_t mode, std::int16_t country, std::int16_t order_type,
                      double conversion_rate, double ordered_amount,
                      std::string_view date_order_taken);
  double TotalAmount();
  void OrderedAmount(double ordered_amount);
  std::int16_t OrderType();
  bool GetNonSelectableID(std::string_view payment_type);
  void EnableNewPayment(bool enabled);
  void CurrencyDecimals(std::int16_t decimals);
  void CurrencyCode(std::string_view code);
  void MaskCardNumbers(bool on);
  void SetCatalog(Catalog catalog);
  const Catalog& catalog() const { return catalog_; }

  void LoadPayments(const std::vector<std::string>& credit_cards,
                    const std::vector<PaymentTypeInfo>& payment_types,
                    const std::vector<PaymentInfo>& payments);
  std::vector<PaymentChange> Changes() const;
  /// The field and record separators ReadPaymentData writes with: the last
  /// WritePaymentData's, or "~" and "|" when the control was loaded only as values.
  std::pair<std::string_view, std::string_view> ChangeListSeparators() const;
  Money ExactTotal() const;
  Money ExactBalance() const;
  int SubscribeAmountTotal(AmountTotalHandler handler);
  void UnsubscribeAmountTotal(int key);
  int SubscribeSettled(Corvane::SettledHandler handler);
  void UnsubscribeSettled(int key);
  double Balance() const;
  /// @}

  /// Marks a call into the control, a host operation or a widget event, while it lasts;
  /// when the outermost one ends, the Settled handlers run.
  class [[nodiscard]] Call {
   public:
    explicit Call(PaymentControl& control) : control_(control) { ++control_.calls_under_way_; }
    ~Call() {
      if (--control_.calls_under_way_ == 0) control_.settled_handlers_.Raise();
    }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

   private:
    PaymentControl& control_;
  };

  /// The payments the list shows; valid until the next call into the control or its screen.
  const PaymentBook& Payments() const { return payments_; }
  /// The payment types of the last load that gave them.
  const std::optional<PaymentTypeTable>& PaymentTypes() const { return types_; }
  /// The texts the ordered-amount, total and balance boxes show.
  const OrderTotals& Totals() const { return totals_; }
  /// The entry under way.
  const Entry& OpenEntry() const { return entry_; }

 private:
  // Start-up, the buttons a mode sets, and the boxes that show the order.
  void StartUp();
  void ShowModeButtons();
  void ShowOrderedAmount(std::string text);
  void ShowTotal(std::string text);
  void ShowBalance();
  void RaiseAmountTotal(double total);
  /// Takes `currency` for the amounts and shows it; refused, naming `operation`, while an
  /// entry is open or the list holds payments.
  void TakeCurrency(Currency currency, const std::string& operation);

  // Loading: every payment shown again, or the screen started over.
  /// What a load finds on the control.
  PaymentLoadContext LoadContext() const;
  /// Shows a load that its plan checked whole.
  void TakeLoad(PaymentLoad load);
  void OfferPaymentTypes();
  void ResetPaymentScreen();

  // Payment type and credit card choice.
  void OnTypeChosen();
  void OnCardChosen();
  // List selection.
  void OnSelection();
  void OnListKeyUp(std::int16_t key_code);
  /// Shows the selected payment in the locked entry fields.
  void ShowInEntryFields(const Payment& payment);
  // New Payment and Save.
  void OnAddButton();
  void StartEntry();
  /// Shows the date `text` reads as in the date picker; when the picker cannot take it,
  /// today's date instead, as at start-up. False in that case.
  bool ShowDateInPicker(std::string_view text);
  void TopUpSelectedPayment();
  /// The checks of a save; false after telling the operator what is wrong.
  bool CheckSave();
  void Refuse(const SaveRefusal& refusal);
  void CommitEntry();
  // Edit and Cancel.
  void OnEditButton();
  void StartEdit();
  void CancelEntry();
  /// The buttons back to New Payment and Edit (off), the list open again.
  void ReopenList();
  /// Closes the entry panel after a save, a cancel or a reload; see the kinds.
  enum class Closing { kSave, kCancel, kReset };
  void CloseEntryPanel(Closing closing);
  // Delete and Undelete.
  void OnDeleteButton();
  /// Sets the delete button's caption: "Undelete" or "Delete".
  void ShowDeleteCaption(bool undelete);

  // The texts the operator reads, through the catalog (texts.cpp).
  /// `classic` as the catalog gives it.
  std::string_view Tr(std::string_view classic) const { return catalog_.View(classic); }
  /// Sets the caption `classic` stands for on `button`, and keeps `classic`: a new catalog
  /// shows it in its own language.
  void ShowCaption(CommandButton& button, std::string_view classic);
  /// The captions that name the currency: the four labels and the amount column's header.
  void ShowAmountCaptions();
  /// The card box's "Not Found", or its emptiness.
  void ShowCardNotFound(bool not_found);
  /// "Version Number: " and the version.
  void ShowVersion();
  /// Every text of the screen again, from the catalog.
  void ShowTexts();

  // Card numbers on screen (card_masking.cpp).
  bool Masking() const { return mask_card_numbers_.value_or(false); }
  /// `number`, a card payment's reference, as the screen shows it: masked while masking is on.
  std::string CardShown(std::string_view number) const;
  /// Forgets the card numbers the fields show on a payment's behalf; the caller has set, or
  /// is about to set, the fields' texts itself.
  void ForgetShownCards();

  // The entry fields' own rules.
  void OnAmountFocus();
  void FilterAmountKey(std::int16_t& key_ascii);
  void OnAmountLeft();
  void FilterReferenceKey(std::int16_t& key_ascii);
  void FilterDateKey(std::int16_t& key_ascii);
  void OnReferenceLeft();

  // Events: each handler runs to completion; a run-time failure inside it ends it
  // silently, keeping what it had already set.
  void Click(WidgetId id) override;
  void GotFocus(WidgetId id) override;
  void LostFocus(WidgetId id) override;
  void Change(WidgetId id) override;
  void KeyPress(WidgetId id, std::int16_t& key_ascii) override;
  void KeyUp(WidgetId id, std::int16_t& key_code, std::int16_t shift) override;

  Screen& screen_;
  Today today_;
  Subscribers<double> amount_total_handlers_;
  Subscribers<> settled_handlers_;
  int calls_under_way_ = 0;

  // The model the screen shows.
  OrderContext order_;
  Currency currency_;
  bool currency_set_ = false;  ///< the host set the currency: Snapshot() tells it
  OrderTotals totals_;
  PaymentBook payments_;
  std::optional<PaymentTypeTable> types_;        ///< none until a load gives types
  PaymentRows payment_rows_{payments_, types_};  ///< the payments as the list reads them
  Entry entry_;
  std::string field_separator_;            ///< of the last load
  std::string record_separator_;           ///< of the last load
  bool values_loaded_ = false;             ///< LoadPayments has loaded the control
  bool undelete_offered_ = false;          ///< the delete button reads "Undelete"
  std::optional<bool> mask_card_numbers_;  ///< none until the host sets it
  Catalog catalog_;
  /// The classic text of the caption each button shows, as ShowCaption set it.
  struct ShownCaption {
    CommandButton* button = nullptr;
    std::string_view classic;
  };
  std::array<ShownCaption, 3> captions_;
  bool card_box_not_found_ = true;  ///< the card box says "Not Found", as it does at first
  // The reference of the card payment that the reference box, and the one that the credit
  // card box, show while no entry is open, kept whole: the boxes may show it masked, and
  // what they show is never read back. None while a box shows anything else.
  std::optional<std::string> card_in_reference_box_;
  std::optional<std::string> card_in_card_combo_;

  // The widgets.
  TextBox& balance_box_;
  TextBox& ordered_box_;
  ComboBox& card_combo_;
  TextBox& total_box_;
  ComboBox& type_combo_;
  TextBox& reference_box_;
  TextBox& authorization_box_;
  TextBox& amount_box_;
  CommandButton& delete_button_;
  CommandButton& edit_button_;
  CommandButton& add_button_;
  ListView& list_;
  TextBox& card_box_;
  DatePicker& date_picker_;
  TextBox& date_box_;
  Label& version_label_;
};

/// The control behind `control`, for the library's own tests, fuzzers and benchmarks.
PaymentControl& Internals(Corvane& control);

}  // namespace corvane

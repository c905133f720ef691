/// @file
/// Corvane: a payment-entry control. It shows the payments of one order, lets the operator
/// add, edit, delete and undelete them, checks each entry, and keeps the total and the
/// balance against the ordered amount.
///
/// The control drives the widgets of a Screen that a toolkit built from kScreenLayout and
/// handles their events. Single-threaded: every call comes on the screen's thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "control/payment_rows.h"
#include "control/snapshot.h"
#include "model/entry.h"
#include "model/host_error.h"
#include "model/order.h"
#include "model/payment_book.h"
#include "model/payment_types.h"
#include "model/save_checks.h"
#include "surface/events.h"
#include "surface/screen.h"

namespace corvane {

/// The payment-entry control on one screen: the host operations, the AmountTotal event,
/// and the handlers of the screen's widget events.
class Corvane : private Events {
 public:
  /// A calendar date.
  using Date = std::chrono::year_month_day;
  /// Gives today's date; the start-up date of the picker and an edit without a date use it.
  using Today = std::function<Date()>;

  /// Takes over `screen`'s events and runs start-up. Without `today`, the machine's local
  /// date is today.
  /// REQUIRES: `screen` was just built from kScreenLayout, has no other control, and
  /// outlives this one.
  explicit Corvane(Screen& screen, Today today = nullptr);
  /// Detaches from the screen's events.
  ~Corvane() override;
  Corvane(const Corvane&) = delete;
  Corvane& operator=(const Corvane&) = delete;

  /// A copy of the control's state, for inspection.
  ControlSnapshot Snapshot() const;
  /// Whether an entry (an add or an edit) is open.
  bool EntryOpen() const;
  /// The payments the list shows, for inspection; valid until the next call into the
  /// control or its screen.
  const PaymentBook& Payments() const { return payments_; }
  /// The payment types of the last load that gave them, for inspection.
  const std::optional<PaymentTypeTable>& PaymentTypes() const { return types_; }
  /// The texts the ordered-amount, total and balance boxes show, for inspection.
  const OrderTotals& Totals() const { return totals_; }
  /// The screen the control drives.
  Screen& screen() { return screen_; }

  // --- The host operations (the automation interface). ---
  /// The ID of the first payment type with exactly that name; 0 when there is none, no
  /// table, or the ID is not a 16-bit number. Never fails.
  std::int16_t GetPaymentID(std::string_view payment_type);
  /// Loads credit cards, payment types and stored payments, all delimited text; a blank
  /// text is not given. All or nothing: throws HostError naming the record and field, and
  /// changes nothing, when a text cannot be loaded whole.
  void WritePaymentData(std::string_view credit_cards, std::string_view payment_types,
                        std::string_view payments, std::string_view field_separator,
                        std::string_view record_separator);
  /// The change list: one record per payment marked "N", "U" or "D", in list order.
  std::string ReadPaymentData();
  /// Stores the order's context and applies the mode to the buttons. Throws HostError
  /// (changing nothing) for a conversion rate that is not finite.
  void PaymentDetails(std::int16_t mode, std::int16_t country, std::int16_t order_type,
                      double conversion_rate, double ordered_amount,
                      std::string_view date_order_taken);
  /// The total of all payments not marked deleted, in the displayed currency.
  double TotalAmount();
  /// Sets and shows a new ordered amount; the balance follows. Throws HostError when the
  /// mode is not set (after showing the amount).
  void OrderedAmount(double ordered_amount);
  /// The order type PaymentDetails stored.
  std::int16_t OrderType();
  /// The non-selectable flag of the first payment type with that name; false when there is
  /// none. Never fails.
  bool GetNonSelectableID(std::string_view payment_type);
  /// Enables or disables the New Payment button.
  void EnableNewPayment(bool enabled);

  // --- The event AmountTotal, raised once by every completed save. ---
  /// Receives the new total, in the displayed currency.
  using AmountTotalHandler = std::function<void(double total)>;
  /// Handlers run synchronously, in the order they subscribed; one may call back into the
  /// control. An exception a handler throws is ignored. Returns a key for Unsubscribe.
  int SubscribeAmountTotal(AmountTotalHandler handler);
  /// Removes the handler with that key; an unknown key does nothing.
  void UnsubscribeAmountTotal(int key);

 private:
  // Start-up, the buttons a mode sets, and the boxes that show the order.
  void StartUp();
  void ShowModeButtons();
  void ShowOrderedAmount(std::string text);
  void ShowTotal(std::string text);
  void ShowBalance();
  void RaiseAmountTotal(double total);

  // Loading: every payment shown again, or the screen started over.
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
  std::map<int, AmountTotalHandler> amount_total_handlers_;
  int next_handler_key_ = 0;

  // The model the screen shows.
  OrderContext order_;
  OrderTotals totals_;
  PaymentBook payments_;
  PaymentRows payment_rows_{payments_};  ///< the payments as the list reads them
  Entry entry_;
  std::optional<PaymentTypeTable> types_;  ///< none until a load gives types
  std::string field_separator_;            ///< of the last load
  std::string record_separator_;           ///< of the last load
  bool undelete_offered_ = false;          ///< the delete button reads "Undelete"

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

}  // namespace corvane

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

#include "control/fields.h"
#include "control/snapshot.h"
#include "model/host_error.h"
#include "surface/events.h"
#include "surface/screen.h"

namespace corvane {

/// The payment-entry control on one screen: the host operations, the AmountTotal event,
/// and the handlers of the screen's widget events.
class Corvane : private InstanceFields, private Events {
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
  /// The screen the control drives.
  Screen& screen() { return screen_; }

  // --- The host operations (the automation interface). ---
  /// The ID of the first payment type with exactly that name; 0 when there is none, no
  /// table, or the ID is not a 16-bit number. Never fails.
  std::int16_t GetPaymentID(std::string_view ptPaymentType);
  /// Loads credit cards, payment types and stored payments, all delimited text; a blank
  /// text is not given. All or nothing: throws HostError naming the record and field, and
  /// changes nothing, when a text cannot be loaded whole.
  void WritePaymentData(std::string_view ptCreditCard, std::string_view ptPaymentType,
                        std::string_view ptData, std::string_view ptFieldSeparator,
                        std::string_view ptRecordSeparator);
  /// The change list: one record per payment marked "N", "U" or "D", in list order.
  std::string ReadPaymentData();
  /// Stores the order's context and applies the mode to the buttons. Throws HostError
  /// (changing nothing) for a conversion rate that is not finite.
  void PaymentDetails(std::int16_t piMode, std::int16_t piCountry, std::int16_t piOrderType,
                      double pdCurCnversRate, double pdOrderedAmount,
                      std::string_view txtDateOrderTaken);
  /// The total of all payments not marked deleted, in the displayed currency.
  double TotalAmount();
  /// Sets and shows a new ordered amount; the balance follows. Throws HostError when the
  /// mode is not set (after showing the amount).
  void OrderedAmount(double pdOrderedAmount);
  /// The order type PaymentDetails stored.
  std::int16_t OrderType();
  /// The non-selectable flag of the first payment type with that name; false when there is
  /// none. Never fails.
  bool GetNonSelectableID(std::string_view ptPaymentType);
  /// Enables or disables the New Payment button.
  void EnableNewPayment(bool Value);

  // --- The event AmountTotal, raised once by every completed save. ---
  /// Receives the new total, in the displayed currency.
  using AmountTotalHandler = std::function<void(double TotalAmount)>;
  /// Handlers run synchronously, in the order they subscribed; one may call back into the
  /// control. An exception a handler throws is ignored. Returns a key for Unsubscribe.
  int SubscribeAmountTotal(AmountTotalHandler handler);
  /// Removes the handler with that key; an unknown key does nothing.
  void UnsubscribeAmountTotal(int key);

 private:
  void UserControl_Initialize();
  void RefreshButtons();
  void ResetPaymentScreen();
  void RaiseAmountTotal(double total);

  // Payment type and credit card selection.
  void cboPaymentType_Click();
  void cboCreditCard_Click();
  // List selection.
  void lstPayment_Click();
  void lstPayment_KeyUp(std::int16_t& KeyCode, std::int16_t Shift);
  /// Checks of a save; false after telling the operator what is wrong.
  bool ValidatePayment();
  // New payment and save.
  void cmdAdd_Click();
  void StartEntry();
  /// Shows the date `text` reads as in the date picker; when the picker cannot take it,
  /// today's date instead, as at start-up. False in that case.
  bool ShowDateInPicker(std::string_view text);
  void TopUpSelectedPayment();
  void CommitEntry();
  void RecomputeTotals();
  /// The total of every payment not marked deleted, carried at two decimals from row to
  /// row as the total box carries it, with row `replaced_row` (if any) counted at `amount`;
  /// infinite when the sum overflows.
  double SumOfPayments(int replaced_row = -1, double amount = 0);
  // Edit and cancel.
  void cmdEdit_Click();
  void StartEdit();
  void CancelEntry();
  /// The buttons back to New Payment and Edit (off), the list open again.
  void ReopenList();
  // Delete and undelete.
  void cmdDelete_Click();

  // Field input rules.
  void txtAmount_GotFocus();
  void txtAmount_KeyPress(std::int16_t& KeyAscii);
  void txtAmount_LostFocus();
  void txtAuthorization_KeyPress(std::int16_t& KeyAscii);
  void txtOrderedAmount_Change();
  void txtPaymentDate_KeyPress(std::int16_t& KeyAscii);
  void txtReference_KeyPress(std::int16_t& KeyAscii);
  void txtReference_LostFocus();

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
  /// While an edit of a payment whose date the picker could not take is open: the date the
  /// picker shows in its place. A save keeps the row's own date text as long as the picker
  /// still shows this date. Every edit sets it afresh.
  std::optional<Date> edit_date_stand_in_;

  TextBox& txtBalanceAmount;
  Frame& Framain;
  TextBox& txtOrderedAmount;
  ComboBox& cboCreditCard;
  TextBox& txtTotalAmount;
  ComboBox& cboPaymentType;
  TextBox& txtReference;
  TextBox& txtAuthorization;
  TextBox& txtAmount;
  CommandButton& cmdDelete;
  CommandButton& cmdEdit;
  CommandButton& cmdAdd;
  ListView& lstPayment;
  TextBox& txtCreditCard;
  DatePicker& DTPckrPaymentDate;
  TextBox& txtPaymentDate;
  Label& lblVersionNumber;
};

}  // namespace corvane

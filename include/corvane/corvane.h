/// @file
/// Corvane: a payment-entry control. It shows the payments of one order, lets the operator
/// add, edit, delete and undelete them, checks each entry, and keeps the total and the
/// balance against the ordered amount.
///
/// A host builds a screen with a toolkit (corvane/headless_screen.h, or CorvaneWidget in
/// corvane/corvane_widget.h for Qt), puts the control on it and calls the host operations
/// below; texts go in and out as delimited records. The control drives the screen's
/// widgets and handles their events. Single-threaded: every call comes on the screen's
/// thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "corvane/host_error.h"
#include "corvane/screen.h"
#include "corvane/snapshot.h"

namespace corvane {

class PaymentControl;

/// The payment-entry control on one screen: the host operations and the AmountTotal event.
class Corvane {
 public:
  /// A calendar date.
  using Date = std::chrono::year_month_day;
  /// Gives today's date; the start-up date of the picker and an edit without a date use it.
  using Today = std::function<Date()>;

  /// Takes over `screen`'s events and runs start-up. Without `today`, the machine's local
  /// date is today.
  /// REQUIRES: `screen` was just built by a toolkit, has no other control, and outlives
  /// this one.
  explicit Corvane(Screen& screen, Today today = nullptr);
  /// Detaches from the screen's events.
  ~Corvane();
  Corvane(const Corvane&) = delete;
  Corvane& operator=(const Corvane&) = delete;

  /// A copy of the control's state, for inspection.
  ControlSnapshot Snapshot() const;
  /// Whether an entry (an add or an edit) is open: the operator is adding a payment (after
  /// New Payment) or changing one (after Edit), until Save takes it into the list or
  /// Cancel drops it. The open entry is in neither ReadPaymentData nor TotalAmount.
  bool EntryOpen() const;
  /// The screen the control drives.
  Screen& screen();

  // --- The host operations (the automation interface; corvane/dispatch.h calls them by
  // name or dispatch number). ---
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
  /// (changing nothing) for a conversion rate or an ordered amount that is not finite.
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

  // --- Beyond the automation interface. ---
  /// The balance the balance box shows: the ordered amount less the total, in the
  /// displayed currency. Throws HostError only if the box were not a number, which the
  /// control never writes.
  double Balance() const;
  /// Runs once the control is at rest again after a host operation that may change it
  /// (WritePaymentData, PaymentDetails, OrderedAmount, EnableNewPayment) or a widget event
  /// (a click, a key, a focus change, a text's change): a host that shows the total, the
  /// balance or whether an entry is open reads them again here. One action of the operator
  /// raises several events (a click on Save: the field's focus leaving, the button's focus,
  /// the click; a typed character: the key, the change), so keep the handler cheap. Calls
  /// nested in others (a host operation from an AmountTotal handler) are told once, when
  /// the outermost ends.
  using SettledHandler = std::function<void()>;
  /// As SubscribeAmountTotal. A handler must not destroy the control (on Qt, delete the
  /// widget with deleteLater).
  int SubscribeSettled(SettledHandler handler);
  /// Removes the handler with that key; an unknown key does nothing.
  void UnsubscribeSettled(int key);

 private:
  friend PaymentControl& Internals(Corvane& control);

  std::unique_ptr<PaymentControl> control_;
};

}  // namespace corvane

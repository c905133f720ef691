/// @file
/// Corvane: a payment-entry control. It shows the payments of one order, lets the operator
/// add, edit, delete and undelete them, checks each entry, and keeps the total and the
/// balance against the ordered amount.
///
/// A host builds a screen with a toolkit (corvane/headless_screen.h, or CorvaneWidget in
/// corvane/corvane_widget.h for Qt), puts the control on it and calls the host operations
/// below; texts go in and out as delimited records, or, through the typed operations, as
/// values (corvane/payment_values.h) with exact amounts. The control drives the screen's
/// widgets and handles their events. Single-threaded: every call comes on the screen's
/// thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/catalog.h"
#include "corvane/host_error.h"
#include "corvane/money.h"
#include "corvane/payment_values.h"
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
  /// The change list: one record per payment marked "N", "U" or "D", in list order. Throws
  /// HostError naming the payment's row and the field when a record would not split back
  /// into its fields at the separators (a field holds one).
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
  /// Sets the number of decimals of the displayed currency: 0 (yen, won), 2 (the default)
  /// or 3 (Kuwaiti or Bahraini dinars). Every amount the control writes (the list, the
  /// amount box, the ordered amount, the total, the balance) has that many; the ordered
  /// amount, total and balance boxes show it at once. The captions keep their "$" (a code
  /// set before goes). Throws HostError, changing nothing, for any other number, and
  /// while an entry is open or the list holds payments: set it before WritePaymentData.
  void CurrencyDecimals(std::int16_t decimals);
  /// As CurrencyDecimals with the minor unit ISO 4217 gives currency `code` (an upper-case
  /// alphabetic code: "JPY" 0, "EUR" 2, "KWD" 3); the captions that say "$" ("Amount $:",
  /// "Amount ($)", ...) show the code instead. Throws HostError, changing nothing, for a
  /// code not in the standard's list, for one whose minor unit is not 0, 2 or 3 ("CLF",
  /// "XAU"), and when CurrencyDecimals would.
  void CurrencyCode(std::string_view code);
  /// With `on`, the screen shows card payments' references (those of the payment type with
  /// ID 8) masked, from now on: the list's cells at once and always, the reference box and
  /// the credit card box whenever no entry is open (an open entry's fields show what the
  /// operator types or chooses); only digits are hidden, all but the first six and the last
  /// four of a number of more than 12 digits, all but the last four of a shorter one
  /// ("4111 11•• •••• 1111"). The payments keep their whole numbers: ReadPaymentData and
  /// the model carry them. Off (the default) shows them whole. Never fails.
  void MaskCardNumbers(bool on);

  // --- The operator's language. ---
  /// The texts the operator reads (captions, labels, column headers, messages and their
  /// titles, the names a screen reader reads, access keys) come from `catalog` from now on:
  /// every one on the screen changes at once, also while an entry is open, and the next
  /// message box asks in its language. Data keep their form: the host's texts, the amounts
  /// and the dates written into payments. The classic English texts until a host sets
  /// another; Catalog() brings them back. Never fails.
  void SetCatalog(Catalog catalog);
  /// The catalog the texts come from.
  const Catalog& catalog() const;

  // --- The typed operations: the order's data as values, amounts exact. ---
  /// Loads credit cards, payment types and stored payments given as values, as
  /// WritePaymentData loads its texts: an empty list is not given, a load with payment
  /// types starts the screen over, and payments without types are appended to the list.
  /// Texts may hold any character, separators included. A payment names its type by ID
  /// (the first type with that ID and a name); its amount is in the host's currency,
  /// with no more decimals than the displayed currency has, and shows times the
  /// conversion rate (exactly, without one). All or nothing: throws HostError, changing
  /// nothing, naming the payment (from 1) and the field ("LoadPayments: payment 2:
  /// payment type 9 names no payment type"). The separators ReadPaymentData writes with
  /// stay those of the last WritePaymentData; "~" and "|" before one (without a
  /// LoadPayments, the change list keeps the classic empty separators).
  void LoadPayments(const std::vector<std::string>& credit_cards,
                    const std::vector<PaymentTypeInfo>& payment_types,
                    const std::vector<PaymentInfo>& payments);
  /// The change list as values: one change per payment marked new, updated or deleted, in
  /// list order, whatever its texts hold. The amount is in the host's currency with the
  /// displayed currency's decimals: exact without a conversion rate, else the displayed
  /// amount divided by the rate, rounded as Money::Nearest rounds. Throws HostError naming
  /// the payment's row and the field when a payment's type has no 16-bit ID (a type named
  /// in no loaded table, after a WritePaymentData whose IDs are not numbers).
  std::vector<PaymentChange> Changes() const;
  /// The total TotalAmount gives, exact, with the displayed currency's decimals. Throws
  /// HostError only for a total beyond Money's range.
  Money ExactTotal() const;
  /// The balance Balance gives, exact, as ExactTotal.
  Money ExactBalance() const;

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

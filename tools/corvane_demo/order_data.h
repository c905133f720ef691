// What the demo keeps of an order, as the order-entry application around the control
// would: the order's context, its credit cards and payments, and the change list's effect.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "corvane/money.h"
#include "corvane/payment_values.h"

namespace corvane::demo {

// An order's currency: none (an empty code) is the classic one, two decimals and "$" in the
// control's captions; or one of the ISO 4217 codes the demo offers. The database keeps each
// order's amounts as whole numbers of its currency's minor units (cents, yen, fils).
inline constexpr int kClassicDecimals = 2;

struct OfferedCurrency {
  const char* code;
  int decimals;  // the minor unit ISO 4217 gives the code
};
inline constexpr OfferedCurrency kOfferedCurrencies[] = {
    {"USD", 2}, {"EUR", 2}, {"GBP", 2}, {"JPY", 0}, {"KRW", 0}, {"KWD", 3}, {"BHD", 3},
};

// A database failure, or data the control's texts cannot carry; the message says which.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The context the host gives the control with PaymentDetails.
struct OrderContext {
  int mode = 1;  // 0: view only, 1: add, edit and delete, 2: add only
  int country = 44;
  int order_type = 1;
  double conversion_rate = 0;  // displayed amount = stored amount * rate; 0 counts as 1
  double ordered_amount = 0;   // kept to the currency's minor unit
  QDate date_taken;
  // Empty: the classic currency; else an offered ISO 4217 code. ({}: a context written
  // without it, {1, 44, 1, 0, 250, date}, is a classic one.)
  QString currency{};

  bool operator==(const OrderContext&) const = default;
};

// A payment type; IDs run 0, 1, 2, ... so that an ID is also the type's position in the
// payment-type text.
struct PaymentType {
  int id = 0;
  QString name;
  bool non_selectable = false;

  bool operator==(const PaymentType&) const = default;
};

struct OrderSummary {
  int id = 0;
  QString name;
};

// A payment as stored: the amount in the host's currency, the type by its ID (which is
// also its position in the payment-type text).
struct StoredPayment {
  int sequence = 0;
  int type_id = 0;
  QString reference;
  QString authorization;
  Money amount;  // with the order currency's decimals or fewer
  std::optional<QDate> date;

  bool operator==(const StoredPayment&) const = default;
};

// The three texts WritePaymentData takes, built from the stored rows.
struct OrderTexts {
  QString credit_cards;
  QString payment_types;
  QString payments;
};

// The order as LoadPayments takes it: the same data as OrderTexts, as values.
struct OrderValues {
  std::vector<std::string> credit_cards;
  std::vector<PaymentTypeInfo> payment_types;
  std::vector<PaymentInfo> payments;
};

// A change record that was read but not applied, and why.
struct SkippedChange {
  int record = 0;  // 1-based, in change-list order
  QString text;    // the record as the control wrote it
  QString reason;
};

struct SaveReport {
  std::vector<int> inserted;  // the new payments' sequence numbers, in change-list order
  int updated = 0;
  int deleted = 0;
  std::vector<SkippedChange> skipped;
};

// The decimals of the order currency `code`: kClassicDecimals for none (""). Throws
// StoreError for a code the demo does not offer.
int CurrencyDecimals(const QString& code);
// The offered codes, in kOfferedCurrencies' order.
QStringList OfferedCodes();

// `amount` in whole minor units of a currency with `decimals` decimals. Throws StoreError,
// naming `what`, for an amount with more decimals than that or beyond the range of whole
// minor units.
std::int64_t MinorUnits(const Money& amount, int decimals, const QString& what);
// `amount` to the nearest minor unit, as the control rounds; throws StoreError as above.
std::int64_t MinorUnits(double amount, int decimals, const QString& what);
// An amount as the delimited texts write it: its digits without trailing zeros ("100",
// "50.25", "0.1").
QString AmountText(const Money& amount);

// The payment date as the control shows it ("Dec 01, 2026"), and back. Reading also takes
// ISO dates; an unreadable text gives nothing.
QString ControlDate(const QDate& date);
std::optional<QDate> ReadControlDate(const QString& text);

}  // namespace corvane::demo

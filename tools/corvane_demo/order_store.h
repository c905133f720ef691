// The demo's orders in an SQLite database (Qt SQL): the payment types, each order with its
// context, credit cards and stored payments. The store gives an order as the values
// LoadPayments takes and applies the changes Changes gives back; for the developer panel it
// also builds the texts WritePaymentData takes and applies a change list ReadPaymentData
// gives.
//
// Tables: payment_types (id from 0 in order, name, non_selectable); orders (id, name and the
// context, the ordered amount in minor units as ordered_minor_units, currency: an ISO 4217
// code or NULL for the classic currency); credit_cards (order_id, position, number);
// payments (sequence primary key, order_id, type_id, reference, authorization_code,
// amount_minor_units: the amount in the host's currency in its order's minor units,
// payment_date as YYYY-MM-DD or NULL). Every failure throws StoreError.
//
// Databases of earlier demos are upgraded when they are opened, their orders kept: one
// whose sample payment types gave Credit Card the ID 5 has Credit Card moved to ID 8 (its
// payments with it), and Money Order, Store Credit and Wire Transfer take IDs 5 to 7; one
// that kept amounts as floating-point numbers (REAL columns, where 60.55 was 60.549999...)
// has them turned into cents, each rounded to the nearest as the control rounded it; one
// made before orders had a currency keeps its orders in the classic currency.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

#include "tools/corvane_demo/order_data.h"

namespace corvane::demo {

class OrderStore {
 public:
  // Opens the database file (created when missing), creates the tables it lacks and
  // upgrades an earlier demo's database.
  explicit OrderStore(const QString& file);
  ~OrderStore();
  OrderStore(const OrderStore&) = delete;
  OrderStore& operator=(const OrderStore&) = delete;

  // When the database holds no order: the sample payment types (if there are none yet) and
  // the sample order with its cards and payments. Returns the sample order's id, or 0 when
  // the database already held orders.
  int AddSampleOrderIfEmpty();
  // The first order in `currency` (an offered code, or "" for the classic currency); when
  // there is none, a new sample order in it: the sample's cards and payments, each amount
  // the same number rounded to the currency's decimals. Returns its id.
  int SampleOrderIn(const QString& currency);

  std::vector<PaymentType> PaymentTypes() const;
  std::vector<OrderSummary> Orders() const;
  OrderContext Context(int order_id) const;
  // The order's currency code; empty for the classic currency.
  QString Currency(int order_id) const;
  QStringList CreditCards(int order_id) const;
  // In sequence order.
  std::vector<StoredPayment> Payments(int order_id) const;

  // The next type takes the next ID: `type.id` must equal the number of types so far.
  void AddPaymentType(const PaymentType& type);
  // Returns the new order's id.
  int AddOrder(const QString& name, const OrderContext& context, const QStringList& cards);
  // Stores `payment` under its sequence, or under a new one when its sequence is 0.
  // Returns the sequence.
  int AddPayment(int order_id, const StoredPayment& payment);

  // The credit cards, payment types and payments of the order as LoadPayments takes them.
  // Throws StoreError when a type ID does not fit 16 bits.
  OrderValues Values(int order_id) const;
  // The same as WritePaymentData takes them; a payment's type position is its type ID. Throws
  // StoreError when a stored text holds a separator, or the type IDs do not run 0, 1, 2, ...
  OrderTexts Texts(int order_id, const QString& fs, const QString& rs) const;

  // Stores the order's context and applies the change list, all in one transaction: "N"
  // inserts a payment under a new sequence, "U" updates and "D" deletes the stored payment
  // of that sequence. A record whose type field is not a whole number (the control writes
  // the type's name when the name is not in its table) is not applied and is reported.
  // Anything else that cannot be applied (a malformed record, a sequence not in this order,
  // an unknown type ID, an amount or date that does not read) throws StoreError and leaves
  // the database as it was. The amounts are in the context's currency; an order that has
  // stored payments keeps its currency (another one throws StoreError).
  SaveReport SaveOrder(int order_id, const OrderContext& context, const QString& change_list,
                       const QString& fs, const QString& rs);
  // The same with the changes as values (Corvane::Changes); none is left unapplied, since
  // each names its type by ID.
  SaveReport SaveOrder(int order_id, const OrderContext& context,
                       const std::vector<PaymentChange>& changes);

 private:
  QSqlDatabase db() const;
  void CreateTables();
  // Moves a database made by an earlier demo to today's types and columns.
  void Upgrade();
  // Keeps the amounts of a database whose columns were REAL in cents.
  void UpgradeAmountsToCents();
  // Adds the sample order in `currency`; `numbered` gives its payments the sample's
  // sequence numbers (501, 502, ...), else new ones.
  int AddSampleOrder(const QString& currency, bool numbered);
  void ExpectOrder(int order_id) const;
  // The context into the order's row; gives the decimals of its currency.
  int StoreContext(int order_id, const OrderContext& context);
  // One change, checked and read, applied: see save_order.cpp.
  struct Change;
  void Apply(int order_id, const Change& change, SaveReport& report);

  QString connection_;
  int transaction_depth_ = 0;
};

}  // namespace corvane::demo

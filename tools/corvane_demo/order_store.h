// The demo's orders in an SQLite database (Qt SQL): the payment types, each order with its
// context, credit cards and stored payments. The store builds the texts WritePaymentData
// takes from the rows and applies the change list ReadPaymentData gives back.
//
// Tables: payment_types (id from 0 in order, name, non_selectable); orders (id, name and the
// context); credit_cards (order_id, position, number); payments (sequence primary key,
// order_id, type_id, reference, authorization_code, amount in the host's currency,
// payment_date as YYYY-MM-DD or NULL). Every failure throws StoreError.
//
// A database made by an earlier demo, whose sample payment types gave Credit Card the ID 5,
// is upgraded when it is opened: Credit Card moves to ID 8 (its payments with it), and
// Money Order, Store Credit and Wire Transfer take IDs 5 to 7. Its orders stay.
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

  std::vector<PaymentType> PaymentTypes() const;
  std::vector<OrderSummary> Orders() const;
  OrderContext Context(int order_id) const;
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

  // The credit cards, payment types and payments of the order as WritePaymentData takes
  // them; a payment's type position is its type ID. Throws StoreError when a stored text
  // holds a separator, or the type IDs do not run 0, 1, 2, ...
  OrderTexts Texts(int order_id, const QString& fs, const QString& rs) const;

  // Stores the order's context and applies the change list, all in one transaction: "N"
  // inserts a payment under a new sequence, "U" updates and "D" deletes the stored payment
  // of that sequence. A record whose type field is not a whole number (the control writes
  // the type's name when the name is not in its table) is not applied and is reported.
  // Anything else that cannot be applied (a malformed record, a sequence not in this order,
  // an unknown type ID, an amount or date that does not read) throws StoreError and leaves
  // the database as it was.
  SaveReport SaveOrder(int order_id, const OrderContext& context, const QString& change_list,
                       const QString& fs, const QString& rs);

 private:
  QSqlDatabase db() const;
  void CreateTables();
  // Moves a database made before the credit card type's ID became 8 to today's types.
  void Upgrade();
  void ExpectOrder(int order_id) const;

  QString connection_;
  int transaction_depth_ = 0;
};

}  // namespace corvane::demo

/// @file
/// An order's payment data as values, for the typed host operations (Corvane::LoadPayments,
/// Corvane::Changes): payment types, payments and the changes the host has to store. Texts
/// are taken whole, whatever characters they hold: unlike the delimited texts of
/// WritePaymentData and ReadPaymentData, there is nothing to escape.
#pragma once

#include <cstdint>
#include <string>

#include "corvane/money.h"

namespace corvane {

/// A payment type.
struct PaymentTypeInfo {
  std::int16_t id = 0;          ///< the host's ID; a payment names its type by it
  std::string name;             ///< shown in the list and offered by name to the operator
  bool non_selectable = false;  ///< refused for a new or changed payment

  /// Equal when every field is.
  bool operator==(const PaymentTypeInfo&) const = default;
};

/// A payment.
struct PaymentInfo {
  std::int16_t type_id = 0;   ///< the ID of its payment type
  std::string reference;      ///< a cheque or card number
  std::string authorization;  ///< the authorization number
  /// In the host's currency, at the displayed currency's decimals or fewer; the control
  /// shows it times the conversion rate.
  Money amount;
  std::string date;      ///< the payment date's text, in the form the host chose ("Nov 28, 2026")
  std::string sequence;  ///< the host's identification; empty for one entered in the control

  /// Equal when every field is.
  bool operator==(const PaymentInfo&) const = default;
};

/// What the host has to do with a payment; the value is the letter ReadPaymentData writes.
enum class ChangeMark : char {
  kNew = 'N',      ///< entered in the control: insert it
  kUpdated = 'U',  ///< a stored payment that was changed: update it by its sequence
  kDeleted = 'D',  ///< a stored payment marked deleted: delete it by its sequence
};

/// One payment the host has to act on.
struct PaymentChange {
  ChangeMark mark = ChangeMark::kNew;  ///< what to do with it
  PaymentInfo payment;  ///< as the control holds it now (a deleted one as it was shown)

  /// Equal when the mark and the payment are.
  bool operator==(const PaymentChange&) const = default;
};

}  // namespace corvane

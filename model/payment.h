/// @file
/// One payment of an order, as the list shows it: texts for the fields, a change mark.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

/// What happened to a payment since the host loaded the order.
enum class Mark : std::uint8_t {
  kNone,     ///< loaded and unchanged
  kNew,      ///< entered here
  kUpdated,  ///< loaded, then edited or topped up
  kDeleted,  ///< loaded, then deleted
};

/// The mark as the change list and the list's hidden column write it: "", "N", "U", "D".
std::string_view MarkText(Mark mark);

/// A payment where it is kept: its texts are views into the keeper, valid until the keeper
/// changes.
struct PaymentView {
  std::string_view type;
  std::string_view reference;
  std::string_view authorization;
  std::string_view amount;
  std::string_view date;
  std::string_view sequence;
  Mark mark = Mark::kNone;
  Mark mark_before_delete = Mark::kNone;

  bool Stored() const { return !sequence.empty(); }
  bool Counted() const { return mark != Mark::kDeleted; }
  /// A copy that owns its texts.
  struct Payment Copy() const;
};

/// One payment, as a value.
struct Payment {
  std::string type;           ///< the payment type's name
  std::string reference;      ///< a cheque or card number
  std::string authorization;  ///< the authorization number
  std::string amount;         ///< in the displayed currency, as shown ("0.00" normally)
  std::string date;           ///< the payment date's text
  std::string sequence;       ///< the host's identification; empty for one entered here
  Mark mark = Mark::kNone;
  Mark mark_before_delete = Mark::kNone;  ///< the mark a delete replaced; an undelete restores it

  /// Whether the host stores it already: it has the host's identification.
  bool Stored() const { return !sequence.empty(); }
  /// Whether it counts in the total: it is not deleted.
  bool Counted() const { return mark != Mark::kDeleted; }
  /// Views of its texts, valid while it lives unchanged.
  operator PaymentView() const {  // NOLINT(google-explicit-constructor): a payment is one
    return {type, reference, authorization, amount, date, sequence, mark, mark_before_delete};
  }
};

}  // namespace corvane

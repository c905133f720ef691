/// @file
/// The order the payments are for, as the host describes it, and what the boxes at the
/// bottom show of it: the ordered amount, the total and the balance.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane {

/// The host's modes: what the operator may do with the payments.
enum OrderMode : std::int16_t {
  kModeView = 0,    ///< nothing
  kModeEdit = 1,    ///< add, edit and delete
  kModeAppend = 2,  ///< add, and change only the payments entered here
};

/// @{
/// Order types with rules of their own.
inline constexpr std::int16_t kTopUpOrderType = 2;  ///< one payment, topped up to the order
/// @}

/// The mode is read before PaymentDetails has given one.
class ModeNotSet : public std::runtime_error {
 public:
  ModeNotSet() : std::runtime_error("the mode is not set") {}
};

/// The order's context from PaymentDetails and OrderedAmount.
struct OrderContext {
  std::optional<std::int16_t> mode;  ///< none until PaymentDetails
  std::int16_t country = 0;          ///< stored, never read
  std::int16_t order_type = 0;
  double conversion_rate = 0;    ///< displayed currency per host currency; 0 counts as 1
  double ordered_amount = 0;     ///< as the host gave it
  std::string date_order_taken;  ///< as the host gave it

  /// The mode. Throws ModeNotSet before PaymentDetails.
  std::int16_t Mode() const;
  /// The conversion rate, 0 counting as 1.
  double Rate() const { return conversion_rate == 0 ? 1 : conversion_rate; }
  /// Whether the total of the payments may not exceed the ordered amount.
  bool CapsTotal() const { return order_type == 1 || order_type == 2 || order_type == 4; }
};

/// The texts of the three boxes under the list, as start-up shows them.
struct OrderTotals {
  std::string ordered = "0.00";
  std::string total = "0.00";
  std::string balance = "0.00";
};

/// The balance the boxes give: the ordered amount less the total, read from their texts as
/// the boxes show them, written with `decimals` decimals ("0.00" for two). Throws ReadError
/// when one is not a number, and std::overflow_error when the difference is.
std::string BalanceText(std::string_view ordered, std::string_view total, int decimals);

}  // namespace corvane

/// @file
/// Late binding: the host operations by name or dispatch number, with automation-style
/// arguments. The typed methods of Corvane stay the primary API; this layer calls them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace corvane {

class Corvane;

/// An automation argument or result: empty, text, 16-bit integer, double or boolean.
using Variant = std::variant<std::monostate, std::string, std::int16_t, double, bool>;

/// Dispatch numbers of the default interface.
enum class DispId : std::int32_t {
  GetPaymentID = 0x60030006,
  WritePaymentData = 0x60030011,
  ReadPaymentData = 0x60030014,
  PaymentDetails = 0x60030015,
  TotalAmount = 0x60030016,
  OrderedAmount = 0x60030029,
  OrderType = 0x6003003C,
  GetNonSelectableID = 0x60030043,
  EnableNewPayment = 0x60030047,
  CurrencyDecimals = 0x60030048,
  MaskCardNumbers = 0x60030049,
};

/// A call the dispatch layer refuses before reaching the control: an unknown number, a
/// wrong argument count, a type mismatch or a 16-bit overflow.
class DispatchError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The dispatch number of an operation, by its exact name.
std::optional<std::int32_t> DispIdOf(std::string_view name);
/// The operation's name; empty for an unknown number.
std::string_view NameOf(std::int32_t dispid);

/// Calls operation `dispid` with `args` in declaration order. Arguments passed by reference
/// are in `args` as given; no operation changes them.
/// Conversions: a 16-bit parameter takes a 16-bit integer (a double holding a whole number
/// beyond 16 bits is a 16-bit overflow); a double parameter takes a double or a 16-bit
/// integer; text takes text; a boolean a boolean. Anything else is a type mismatch.
/// Throws DispatchError, or HostError from the operation itself.
Variant Invoke(Corvane& control, std::int32_t dispid, std::span<Variant> args);

}  // namespace corvane

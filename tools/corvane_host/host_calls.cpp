#include "tools/corvane_host/host_calls.h"

#include <array>
#include <limits>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace corvane::host {
namespace {

// The operations of the automation interface, in the order of their dispatch numbers.
constexpr std::array<std::string_view, 9> kOperations = {
    "GetPaymentID",  "WritePaymentData", "ReadPaymentData",    "PaymentDetails",   "TotalAmount",
    "OrderedAmount", "OrderType",        "GetNonSelectableID", "EnableNewPayment",
};

}  // namespace

bool IsHostCall(std::string_view verb) {
  for (std::string_view op : kOperations) {
    if (op == verb) return true;
  }
  return false;
}

Json CallHost(Corvane& control, const Arguments& args) {
  const std::string_view op = args.verb();
  if (op == "GetPaymentID") {
    args.ExpectCount(1);
    return control.GetPaymentID(args.Text(1));
  }
  if (op == "GetNonSelectableID") {
    args.ExpectCount(1);
    return control.GetNonSelectableID(args.Text(1));
  }
  if (op == "WritePaymentData") {
    args.ExpectCount(5);
    const std::string cards = args.Text(1);
    const std::string types = args.Text(2);
    const std::string data = args.Text(3);
    const std::string field_separator = args.Text(4);
    const std::string record_separator = args.Text(5);
    control.WritePaymentData(cards, types, data, field_separator, record_separator);
    return nullptr;
  }
  if (op == "ReadPaymentData") {
    args.ExpectCount(0);
    return control.ReadPaymentData();
  }
  if (op == "PaymentDetails") {
    args.ExpectCount(6);
    const std::int16_t mode = args.Int16(1);
    const std::int16_t country = args.Int16(2);
    const std::int16_t order_type = args.Int16(3);
    const double rate = args.Double(4);
    const double ordered_amount = args.Double(5);
    const std::string date_order_taken = args.Text(6);
    control.PaymentDetails(mode, country, order_type, rate, ordered_amount, date_order_taken);
    return nullptr;
  }
  if (op == "TotalAmount") {
    args.ExpectCount(0);
    return control.TotalAmount();
  }
  if (op == "OrderedAmount") {
    args.ExpectCount(1);
    control.OrderedAmount(args.Double(1));
    return nullptr;
  }
  if (op == "OrderType") {
    args.ExpectCount(0);
    return control.OrderType();
  }
  if (op == "EnableNewPayment") {
    args.ExpectCount(1);
    control.EnableNewPayment(args.Bool(1));
    return nullptr;
  }
  throw RequestError("unknown operation '" + std::string(op) + "'");
}

Variant ToVariant(const Json& value, std::string_view where) {
  switch (value.type()) {
    case Json::value_t::null:
      return std::monostate{};
    case Json::value_t::string:
      return value.get<std::string>();
    case Json::value_t::boolean:
      return value.get<bool>();
    case Json::value_t::number_integer: {
      const std::int64_t n = value.get<std::int64_t>();
      if (n >= std::numeric_limits<std::int16_t>::min() &&
          n <= std::numeric_limits<std::int16_t>::max()) {
        return static_cast<std::int16_t>(n);
      }
      return static_cast<double>(n);
    }
    case Json::value_t::number_unsigned: {
      const std::uint64_t n = value.get<std::uint64_t>();
      if (n <= static_cast<std::uint64_t>(std::numeric_limits<std::int16_t>::max())) {
        return static_cast<std::int16_t>(n);
      }
      return static_cast<double>(n);
    }
    case Json::value_t::number_float:
      return value.get<double>();
    default:
      throw RequestError("type mismatch: " + std::string(where) +
                         " must be a string, a number, a boolean or null");
  }
}

Json FromVariant(const Variant& value) {
  return std::visit(
      [](const auto& v) -> Json {
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::monostate>) {
          return nullptr;
        } else {
          return v;
        }
      },
      value);
}

Json InvokeByNumber(Corvane& control, const Arguments& args) {
  if (args.size() < 1) throw RequestError("invoke takes a dispatch number and its arguments");
  // Dispatch numbers are 32-bit; an int holds every one.
  const auto dispid = static_cast<std::int32_t>(args.Int(1));
  std::vector<Variant> variants;
  for (std::size_t n = 2; n <= args.size(); ++n) {
    variants.push_back(ToVariant(args.at(n), "argument " + std::to_string(n) + " of invoke"));
  }
  return FromVariant(Invoke(control, dispid, variants));
}

}  // namespace corvane::host

#include "corvane/dispatch.h"

#include <array>
#include <cmath>
#include <limits>

#include "corvane/corvane.h"

namespace corvane {
namespace {

enum class Type { kText, kInt16, kDouble, kBool };

struct Operation {
  std::string_view name;
  DispId id;
  std::size_t arity;
};

constexpr std::array<Operation, 11> kOperations{{
    {"GetPaymentID", DispId::GetPaymentID, 1},
    {"WritePaymentData", DispId::WritePaymentData, 5},
    {"ReadPaymentData", DispId::ReadPaymentData, 0},
    {"PaymentDetails", DispId::PaymentDetails, 6},
    {"TotalAmount", DispId::TotalAmount, 0},
    {"OrderedAmount", DispId::OrderedAmount, 1},
    {"OrderType", DispId::OrderType, 0},
    {"GetNonSelectableID", DispId::GetNonSelectableID, 1},
    {"EnableNewPayment", DispId::EnableNewPayment, 1},
    {"CurrencyDecimals", DispId::CurrencyDecimals, 1},
    {"MaskCardNumbers", DispId::MaskCardNumbers, 1},
}};

const char* TypeName(Type type) {
  switch (type) {
    case Type::kText:
      return "text";
    case Type::kInt16:
      return "a 16-bit integer";
    case Type::kDouble:
      return "a double";
    case Type::kBool:
      return "a boolean";
  }
  return "";
}

class Arguments {
 public:
  Arguments(const Operation& op, std::span<Variant> args) : op_(op), args_(args) {
    if (args.size() != op.arity) {
      throw DispatchError(std::string(op.name) + ": takes " + std::to_string(op.arity) +
                          (op.arity == 1 ? " argument, not " : " arguments, not ") +
                          std::to_string(args.size()));
    }
  }

  std::string Text(std::size_t i) const {
    if (const auto* text = std::get_if<std::string>(&args_[i])) return *text;
    Mismatch(i, Type::kText);
  }
  std::int16_t Int16(std::size_t i) const {
    if (const auto* value = std::get_if<std::int16_t>(&args_[i])) return *value;
    // A whole number too large for 16 bits arrives as a double: that is an overflow.
    if (const auto* value = std::get_if<double>(&args_[i]);
        value && *value == std::floor(*value) &&
        (*value < std::numeric_limits<std::int16_t>::min() ||
         *value > std::numeric_limits<std::int16_t>::max())) {
      throw DispatchError(Where(i) + " overflows a 16-bit integer");
    }
    Mismatch(i, Type::kInt16);
  }
  double Double(std::size_t i) const {
    if (const auto* value = std::get_if<double>(&args_[i])) return *value;
    if (const auto* value = std::get_if<std::int16_t>(&args_[i])) return *value;
    Mismatch(i, Type::kDouble);
  }
  bool Bool(std::size_t i) const {
    if (const auto* value = std::get_if<bool>(&args_[i])) return *value;
    Mismatch(i, Type::kBool);
  }

 private:
  std::string Where(std::size_t i) const {
    return std::string(op_.name) + ": argument " + std::to_string(i + 1);
  }
  [[noreturn]] void Mismatch(std::size_t i, Type expected) const {
    throw DispatchError("type mismatch: " + Where(i) + " must be " + TypeName(expected));
  }

  const Operation& op_;
  std::span<Variant> args_;
};

const Operation* Find(std::int32_t dispid) {
  for (const Operation& op : kOperations) {
    if (static_cast<std::int32_t>(op.id) == dispid) return &op;
  }
  return nullptr;
}

}  // namespace

std::optional<std::int32_t> DispIdOf(std::string_view name) {
  for (const Operation& op : kOperations) {
    if (op.name == name) return static_cast<std::int32_t>(op.id);
  }
  return std::nullopt;
}

std::string_view NameOf(std::int32_t dispid) {
  const Operation* op = Find(dispid);
  return op ? op->name : std::string_view();
}

Variant Invoke(Corvane& control, std::int32_t dispid, std::span<Variant> args) {
  const Operation* op = Find(dispid);
  if (!op) throw DispatchError("unknown dispatch number " + std::to_string(dispid));
  const Arguments a(*op, args);
  switch (op->id) {
    case DispId::GetPaymentID:
      return control.GetPaymentID(a.Text(0));
    case DispId::WritePaymentData:
      control.WritePaymentData(a.Text(0), a.Text(1), a.Text(2), a.Text(3), a.Text(4));
      return {};
    case DispId::ReadPaymentData:
      return control.ReadPaymentData();
    case DispId::PaymentDetails:
      control.PaymentDetails(a.Int16(0), a.Int16(1), a.Int16(2), a.Double(3), a.Double(4),
                             a.Text(5));
      return {};
    case DispId::TotalAmount:
      return control.TotalAmount();
    case DispId::OrderedAmount:
      control.OrderedAmount(a.Double(0));
      return {};
    case DispId::OrderType:
      return control.OrderType();
    case DispId::GetNonSelectableID:
      return control.GetNonSelectableID(a.Text(0));
    case DispId::EnableNewPayment:
      control.EnableNewPayment(a.Bool(0));
      return {};
    case DispId::CurrencyDecimals:
      control.CurrencyDecimals(a.Int16(0));
      return {};
    case DispId::MaskCardNumbers:
      control.MaskCardNumbers(a.Bool(0));
      return {};
  }
  return {};
}

}  // namespace corvane

#include "tools/corvane_host/host_calls.h"

#include <limits>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace corvane::host {
namespace {

// The arguments from `first` on, as automation variants, through the dispatch layer.
Json InvokeFrom(Corvane& control, std::int32_t dispid, const Arguments& args, std::size_t first) {
  std::vector<Variant> variants;
  for (std::size_t n = first; n <= args.size(); ++n) {
    variants.push_back(
        ToVariant(args.at(n), "argument " + std::to_string(n) + " of " + std::string(args.verb())));
  }
  return FromVariant(Invoke(control, dispid, variants));
}

}  // namespace

bool IsHostCall(std::string_view verb) { return DispIdOf(verb).has_value(); }

Json CallHost(Corvane& control, const Arguments& args) {
  return InvokeFrom(control, *DispIdOf(args.verb()), args, 1);
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
  return InvokeFrom(control, static_cast<std::int32_t>(args.Int(1)), args, 2);
}

}  // namespace corvane::host

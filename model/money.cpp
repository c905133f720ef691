#include "corvane/money.h"

#include <array>
#include <limits>
#include <stdexcept>

#include "readings/numbers.h"

namespace corvane {
namespace {

constexpr std::array<std::uint64_t, Money::kMaxDecimals + 1> kUnitsPerWhole = {1, 10, 100, 1000};

bool ValidDecimals(int decimals) { return decimals >= 0 && decimals <= Money::kMaxDecimals; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Money::Money(std::int64_t minor_units, int decimals)
    : minor_units_(minor_units), decimals_(decimals) {
  if (!ValidDecimals(decimals)) {
    throw std::invalid_argument("an amount has 0 to " + std::to_string(kMaxDecimals) +
                                " decimals, not " + std::to_string(decimals));
  }
}

std::optional<Money> Money::Parse(std::string_view text, int decimals) {
  if (!ValidDecimals(decimals)) return std::nullopt;
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() || (point != std::string_view::npos && fraction.empty()) ||
      fraction.size() > static_cast<std::size_t>(decimals)) {
    return std::nullopt;
  }
  // The magnitude in minor units, refused once it passes what an int64 of that sign holds.
  const std::uint64_t limit =
      static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
  std::uint64_t magnitude = 0;
  auto append = [&](char digit) {
    if (!IsDigit(digit) || magnitude > (limit - static_cast<std::uint64_t>(digit - '0')) / 10) {
      return false;
    }
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit - '0');
    return true;
  };
  for (char c : whole) {
    if (!append(c)) return std::nullopt;
  }
  for (int i = 0; i < decimals; ++i) {
    if (!append(static_cast<std::size_t>(i) < fraction.size() ? fraction[i] : '0')) {
      return std::nullopt;
    }
  }
  const auto units =
      negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  return Money(units, decimals);
}

std::optional<Money> Money::Nearest(double value, int decimals) {
  if (!ValidDecimals(decimals)) return std::nullopt;
  try {
    return Parse(FormatAmount(value, decimals), decimals);
  } catch (const std::overflow_error&) {
    return std::nullopt;
  }
}

std::string Money::Text() const {
  const std::uint64_t magnitude = minor_units_ < 0 ? 0 - static_cast<std::uint64_t>(minor_units_)
                                                   : static_cast<std::uint64_t>(minor_units_);
  const std::uint64_t per_whole = kUnitsPerWhole[static_cast<std::size_t>(decimals_)];
  std::string text = minor_units_ < 0 ? "-" : "";
  text += std::to_string(magnitude / per_whole);
  if (decimals_ > 0) {
    const std::string fraction = std::to_string(magnitude % per_whole);
    text += '.';
    text.append(static_cast<std::size_t>(decimals_) - fraction.size(), '0');
    text += fraction;
  }
  return text;
}

double Money::ToDouble() const {
  // One rounding below 2^53 minor units, where both operands are exact.
  return static_cast<double>(minor_units_) /
         static_cast<double>(kUnitsPerWhole[static_cast<std::size_t>(decimals_)]);
}

}  // namespace corvane

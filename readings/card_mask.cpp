#include "readings/card_mask.h"

#include <algorithm>

namespace corvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// More digits than this, and the first six may show as well as the last four.
constexpr std::ptrdiff_t kShortNumber = 12;
constexpr std::ptrdiff_t kShownFirst = 6;
constexpr std::ptrdiff_t kShownLast = 4;

}  // namespace

std::string MaskCardNumber(std::string_view reference) {
  const std::ptrdiff_t digits = std::ranges::count_if(reference, IsDigit);
  // Digits numbered from 0: those from `hidden_from` to before `hidden_to` are hidden.
  const std::ptrdiff_t hidden_from = digits > kShortNumber ? kShownFirst : 0;
  const std::ptrdiff_t hidden_to = digits - kShownLast;
  if (hidden_to <= hidden_from) return std::string(reference);
  std::string masked;
  masked.reserve(reference.size() +
                 (kCardMask.size() - 1) * static_cast<std::size_t>(hidden_to - hidden_from));
  std::ptrdiff_t digit = 0;
  for (char c : reference) {
    if (!IsDigit(c)) {
      masked += c;
      continue;
    }
    const bool hidden = digit >= hidden_from && digit < hidden_to;
    ++digit;
    if (hidden) {
      masked += kCardMask;
    } else {
      masked += c;
    }
  }
  return masked;
}

}  // namespace corvane

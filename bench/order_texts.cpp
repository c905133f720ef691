#include "bench/order_texts.h"

#include <array>
#include <cstdio>

namespace corvane::bench {
namespace {

constexpr std::array<std::string_view, 10> kShopTypeNames = {
    "Cash",        "On Account",       "Check",       "Voucher",     "Gift Card", "Wire Transfer",
    "Money Order", "Traveller Cheque", "Credit Card", "Direct Debit"};
constexpr int kCardTypePosition = 8;

constexpr std::array<std::string_view, 6> kDates = {"Nov 30, 2026", "Dec 01, 2026", "Oct 15, 2026",
                                                    "Sep 02, 2026", "Aug 21, 2026", "Jul 09, 2026"};

// A small deterministic generator (a linear congruence), so that every run loads the same.
class Digits {
 public:
  explicit Digits(unsigned seed) : state_(seed) {}
  unsigned Next(unsigned below) {
    state_ = state_ * 1103515245u + 12345u;
    return (state_ >> 8) % below;
  }

 private:
  unsigned state_;
};

std::string Reference(int row, bool card, Digits& digits) {
  char text[64];
  if (card) {  // "4111 2345 6789 0123": 19 characters
    std::snprintf(text, sizeof text, "4%03u %04u %04u %04u", digits.Next(1000), digits.Next(10000),
                  digits.Next(10000), digits.Next(10000));
  } else {  // "CHQ-" and 12 to 14 digits: 16 to 18 characters
    const int extra = row % 3;
    std::snprintf(text, sizeof text, "CHQ-%06u%06u%.*s", digits.Next(1000000), digits.Next(1000000),
                  extra, "42");
  }
  return text;
}

std::string Authorization(Digits& digits) {
  constexpr std::string_view kAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789";
  std::string text(6, ' ');
  for (char& c : text) c = kAlphabet[digits.Next(static_cast<unsigned>(kAlphabet.size()))];
  return text;
}

}  // namespace

std::string ShopPaymentTypes() {
  std::string text;
  for (std::size_t i = 0; i < kShopTypeNames.size(); ++i) {
    text += std::to_string(i) + "~" + std::string(kShopTypeNames[i]) + "~0|";
  }
  return text;
}

std::string NumberedTypeName(int position) {
  char name[32];
  std::snprintf(name, sizeof name, "Tender Type %04d", position);
  return name;
}

std::string NumberedPaymentTypes(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string(i) + "~" + NumberedTypeName(i) + "~0|";
  return text;
}

std::string StoredPayments(int rows, int type_count) {
  Digits digits(20261130u);
  std::string text;
  text.reserve(static_cast<std::size_t>(rows) * 72);
  char amount[32];
  char sequence[32];
  for (int row = 0; row < rows; ++row) {
    const int position = row % type_count;
    const bool card =
        type_count == static_cast<int>(kShopTypeNames.size()) && position == kCardTypePosition;
    const unsigned cents = 100 + digits.Next(999900);  // 1.00 to 9999.99
    std::snprintf(amount, sizeof amount, "%u.%02u", cents / 100, cents % 100);
    std::snprintf(sequence, sizeof sequence, "%08d", 10000000 + row);
    text += std::to_string(position);
    text += kFieldSeparator;
    text += Reference(row, card, digits);
    text += kFieldSeparator;
    text += Authorization(digits);
    text += kFieldSeparator;
    text += amount;
    text += kFieldSeparator;
    text += kDates[static_cast<std::size_t>(row) % kDates.size()];
    text += kFieldSeparator;
    text += sequence;
    text += kRecordSeparator;
  }
  return text;
}

double ShopRowCharacters(int rows) {
  const std::string text = StoredPayments(rows, static_cast<int>(kShopTypeNames.size()));
  // Each record: the position, five separators and five fields; the row shows the type's
  // name instead of its position, and an amount written to two decimals as it came.
  std::size_t characters = 0;
  std::size_t at = 0;
  for (int row = 0; row < rows; ++row) {
    const std::size_t end = text.find(kRecordSeparator, at);
    const std::size_t first = text.find(kFieldSeparator, at);
    const int position = row % static_cast<int>(kShopTypeNames.size());
    characters += kShopTypeNames[static_cast<std::size_t>(position)].size() + (end - first) -
                  5 * kFieldSeparator.size();
    at = end + kRecordSeparator.size();
  }
  return static_cast<double>(characters) / rows;
}

}  // namespace corvane::bench

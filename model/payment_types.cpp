#include "model/payment_types.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <utility>

#include "readings/numbers.h"
#include "readings/split.h"

namespace corvane {

PaymentTypeTable PaymentTypeTable::Parse(std::string_view text, std::string_view field_separator,
                                         std::string_view record_separator) {
  const std::vector<std::string_view> records = SplitRecords(text, record_separator);
  std::vector<PaymentTypeEntry> entries;
  entries.reserve(records.size());
  for (std::string_view record : records) {
    PaymentTypeEntry& entry = entries.emplace_back();
    for (std::string_view field : SplitFields(record, field_separator)) entry.emplace_back(field);
  }
  return FromEntries(std::move(entries));
}

PaymentTypeTable PaymentTypeTable::FromEntries(std::vector<PaymentTypeEntry> entries) {
  PaymentTypeTable table;
  table.entries_ = std::move(entries);
  for (std::size_t i = 0; i < table.entries_.size(); ++i) {
    if (const std::string* name = NameOf(table.entries_[i])) {
      table.first_by_name_.try_emplace(*name, i);
    }
  }
  return table;
}

const PaymentTypeEntry* PaymentTypeTable::Find(std::string_view name) const {
  const auto it = first_by_name_.find(name);
  return it == first_by_name_.end() ? nullptr : &entries_[it->second];
}

const std::string* NameOf(const PaymentTypeEntry& entry) {
  return entry.size() > 1 ? &entry[1] : nullptr;
}

std::int16_t PaymentTypeId(const PaymentTypeEntry& entry) {
  return ReadPaymentTypeId(entry).value_or(0);
}

std::optional<std::int16_t> ReadPaymentTypeId(const PaymentTypeEntry& entry) {
  if (entry.empty()) return std::nullopt;
  try {
    const double id = std::nearbyint(StrictNumber(entry[0]));  // halves to even
    if (id < std::numeric_limits<std::int16_t>::min() ||
        id > std::numeric_limits<std::int16_t>::max()) {
      return std::nullopt;
    }
    return static_cast<std::int16_t>(id);
  } catch (const ReadError&) {
    return std::nullopt;
  }
}

bool IsNonSelectable(const PaymentTypeEntry& entry) {
  if (entry.size() < 3) return false;
  const std::string& flag = entry[2];
  auto equals_ignoring_case = [&](std::string_view word) {
    return flag.size() == word.size() &&
           std::equal(flag.begin(), flag.end(), word.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) == b;
           });
  };
  if (equals_ignoring_case("true")) return true;
  try {
    return StrictNumber(flag) != 0;
  } catch (const ReadError&) {
    return false;
  }
}

}  // namespace corvane

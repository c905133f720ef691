#include "model/change_list.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "corvane/host_error.h"
#include "readings/numbers.h"

namespace corvane {
namespace {

// The fields of a change record, in order, as its refusals name them.
constexpr std::array<std::string_view, 7> kFieldNames = {
    "payment date", "payment type", "reference", "authorization", "amount", "sequence", "mark"};

std::string Where(std::string_view operation, int row) {
  return std::string(operation) + ": payment row " + std::to_string(row + 1);
}

// How many bytes of `text` equal `a` or `b` (which differ), eight bytes at a time: the
// change list counts the separators of every record it writes, and a byte loop took three
// times as long (GCC leaves it unvectorized at -O2).
std::size_t CountBytes(std::string_view text, char a, char b) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
  // One in each byte that is zero in `x`, none elsewhere: exact, no byte carries into the next.
  auto zero_bytes = [](std::uint64_t x) { return (~(((x & kLow7) + kLow7) | x) >> 7) & kOnes; };
  const std::uint64_t all_a = kOnes * static_cast<unsigned char>(a);
  const std::uint64_t all_b = kOnes * static_cast<unsigned char>(b);
  std::size_t count = 0;
  std::size_t at = 0;
  for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, sizeof word);
    // Each byte of the sum is 0 or 1, so their total is the top byte of the product.
    count += static_cast<std::size_t>(
        ((zero_bytes(word ^ all_a) | zero_bytes(word ^ all_b)) * kOnes) >> 56);
  }
  for (; at < text.size(); ++at)
    count += static_cast<std::size_t>((text[at] == a) + (text[at] == b));
  return count;
}

// Throws unless the record just written at the end of `text` from `record_start` splits
// back into its `fields`: the first record separator from its start is the one written
// after it, and each field's first field separator the one written after that field (none
// after the last). A field named in the refusal holds a separator, or begins one that runs
// on into the text around it.
void ExpectSplitsBack(std::string_view text, std::size_t record_start,
                      const std::array<std::string_view, 7>& fields,
                      std::string_view field_separator, std::string_view record_separator,
                      int row) {
  if (field_separator.empty() || record_separator.empty()) return;
  // The usual separators are single, different characters: then the record splits back
  // exactly when it holds no more of them than were written around its fields. Counting
  // them is one quick pass; the search below runs only to name what went wrong.
  if (field_separator.size() == 1 && record_separator.size() == 1 &&
      field_separator != record_separator) {
    // Each occurrence in a field adds to the ones written between and after the fields.
    if (CountBytes(text.substr(record_start), field_separator[0], record_separator[0]) ==
        fields.size()) {
      return;
    }
  }
  auto refuse = [&](std::size_t field, std::string_view what) {
    throw HostError(Where("ReadPaymentData", row) + ": " + std::string(kFieldNames[field]) + " " +
                    QuoteForMessage(fields[field]) + " " + std::string(what));
  };
  for (std::size_t f = 0; f < fields.size(); ++f) {
    if (fields[f].find(field_separator) != std::string_view::npos) {
      refuse(f, "holds the field separator");
    }
    if (fields[f].find(record_separator) != std::string_view::npos) {
      refuse(f, "holds the record separator");
    }
  }
  const std::string_view record =
      text.substr(record_start, text.size() - record_start - record_separator.size());
  const std::size_t found_record_separator =
      text.find(record_separator, record_start) - record_start;
  std::size_t start = 0;
  for (std::size_t f = 0; f < fields.size(); ++f) {
    const bool last = f + 1 == fields.size();
    const std::size_t end = start + fields[f].size();
    // One that begins in the separator before this field is named with the field too.
    if (found_record_separator < end) refuse(f, "and the text around it hold the record separator");
    if (record.find(field_separator, start) != (last ? std::string_view::npos : end)) {
      refuse(f, "and the text around it hold the field separator");
    }
    start = end + field_separator.size();
  }
}

}  // namespace

std::string ChangeList(const PaymentBook& payments, const std::optional<PaymentTypeTable>& types,
                       double rate, std::string_view field_separator,
                       std::string_view record_separator) {
  if (rate == 0) rate = 1;
  std::string result;
  for (int row = 0; row < payments.size(); ++row) {
    const PaymentView p = payments[row];
    if (p.mark == Mark::kNone) continue;
    const PaymentTypeEntry* type = types ? types->Find(p.type) : nullptr;
    double amount;
    try {
      amount = StrictNumber(p.amount) / rate;
    } catch (const ReadError& e) {
      throw HostError(Where("ReadPaymentData", row) + ": amount " + e.what());
    }
    std::string amount_text;
    try {
      amount_text = GeneralNumber(amount);
    } catch (const std::overflow_error&) {
      throw HostError(Where("ReadPaymentData", row) +
                      ": the amount overflows in the host's currency");
    }
    const std::array<std::string_view, 7> fields = {
        p.date,          type ? std::string_view(type->front()) : p.type,
        p.reference,     p.authorization,
        amount_text,     p.sequence,
        MarkText(p.mark)};
    const std::size_t record_start = result.size();
    for (std::size_t f = 0; f < fields.size(); ++f) {
      if (f > 0) result += field_separator;
      result += fields[f];
    }
    result += record_separator;
    ExpectSplitsBack(result, record_start, fields, field_separator, record_separator, row);
  }
  return result;
}

std::vector<PaymentChange> ChangeValues(const PaymentBook& payments,
                                        const std::optional<PaymentTypeTable>& types, double rate,
                                        int decimals) {
  if (rate == 0) rate = 1;
  std::vector<PaymentChange> changes;
  for (int row = 0; row < payments.size(); ++row) {
    const PaymentView p = payments[row];
    if (p.mark == Mark::kNone) continue;
    const PaymentTypeEntry* type = types ? types->Find(p.type) : nullptr;
    if (type == nullptr) {
      throw HostError(Where("Changes", row) + ": payment type " + QuoteForMessage(p.type) +
                      " is not among the loaded payment types");
    }
    const std::optional<std::int16_t> type_id = ReadPaymentTypeId(*type);
    if (!type_id) {
      throw HostError(Where("Changes", row) + ": payment type " + QuoteForMessage(p.type) +
                      " has the ID " + QuoteForMessage(type->front()) +
                      ", which is no 16-bit number");
    }
    std::optional<Money> amount;
    try {
      amount = rate == 1 ? Money::Parse(p.amount, decimals)
                         : Money::Nearest(StrictNumber(p.amount) / rate, decimals);
    } catch (const ReadError& e) {
      throw HostError(Where("Changes", row) + ": amount " + e.what());
    }
    if (!amount) {
      throw HostError(Where("Changes", row) + ": amount " + QuoteForMessage(p.amount) +
                      " is beyond the range of an exact amount");
    }
    const char mark = MarkText(p.mark).front();
    changes.push_back({static_cast<ChangeMark>(mark),
                       {*type_id, std::string(p.reference), std::string(p.authorization), *amount,
                        std::string(p.date), std::string(p.sequence)}});
  }
  return changes;
}

}  // namespace corvane

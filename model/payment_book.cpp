#include "model/payment_book.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include "model/amount.h"
#include "readings/numbers.h"

namespace corvane {
namespace {

// Amounts the kept sum takes: below 2^40 minor units each, with fewer than 2^23 payments,
// so that the sum of magnitudes stays below 2^63 and never wraps.
constexpr std::uint64_t kTermLimit = std::uint64_t{1} << 40;
constexpr std::size_t kKeptRows = std::size_t{1} << 23;

}  // namespace

PaymentBook::Row PaymentBook::Pack(const PaymentView& payment) {
  Row row;
  const std::string_view texts[] = {payment.type,   payment.reference, payment.authorization,
                                    payment.amount, payment.date,      payment.sequence};
  std::size_t size = 0;
  for (std::string_view text : texts) size += text.size();
  if (size > UINT32_MAX) throw std::length_error("a payment's texts are longer than 4 GiB");
  row.texts.reserve(size);
  for (std::size_t i = 0; i < row.ends.size(); ++i) {
    row.texts += texts[i];
    row.ends[i] = static_cast<std::uint32_t>(row.texts.size());
  }
  row.mark = payment.mark;
  row.mark_before_delete = payment.mark_before_delete;
  return row;
}

PaymentView PaymentBook::operator[](int row) const {
  const Row& r = payments_[static_cast<std::size_t>(row)];
  const std::string_view texts = r.texts;
  auto piece = [&](std::size_t i) {
    const std::uint32_t begin = i == 0 ? 0 : r.ends[i - 1];
    return texts.substr(begin, r.ends[i] - begin);
  };
  return {.type = piece(0),
          .reference = piece(1),
          .authorization = piece(2),
          .amount = piece(3),
          .date = piece(4),
          .sequence = piece(5),
          .mark = r.mark,
          .mark_before_delete = r.mark_before_delete};
}

PaymentBook::Term PaymentBook::TermOf(double amount) const {
  return TermOf(Amount(amount, decimals_).MinorUnits());
}

PaymentBook::Term PaymentBook::TermOf(std::optional<std::int64_t> units) {
  if (!units) return {false, 0, 0};
  const std::uint64_t size =
      *units < 0 ? 0 - static_cast<std::uint64_t>(*units) : static_cast<std::uint64_t>(*units);
  if (size >= kTermLimit) return {false, 0, 0};
  return {true, static_cast<std::uint64_t>(*units), size};
}

PaymentBook::Term PaymentBook::TermOf(const PaymentView& payment) const {
  return TermOf(LenientNumber(payment.amount));
}

void PaymentBook::Count(const PaymentView& payment, bool in) {
  if (payment.Counted()) Count(TermOf(payment), in);
}

void PaymentBook::Count(const Term& term, bool in) {
  if (!term.exact) {
    inexact_ = in ? inexact_ + 1 : inexact_ - 1;
  } else if (in) {
    units_ += term.units;
    size_ += term.size;
  } else {
    units_ -= term.units;
    size_ -= term.size;
  }
}

void PaymentBook::Clear() {
  payments_.clear();
  units_ = size_ = 0;
  inexact_ = 0;
}

int PaymentBook::Add(const PaymentView& payment) {
  return Add(payment, Amount(LenientNumber(payment.amount), decimals_).MinorUnits());
}

int PaymentBook::Add(const PaymentView& payment, std::optional<std::int64_t> amount_units) {
  payments_.push_back(Pack(payment));
  if (payment.Counted()) Count(TermOf(amount_units), true);
  return size() - 1;
}

void PaymentBook::Set(int row, const PaymentView& payment) {
  Row packed = Pack(payment);
  Count((*this)[row], false);
  At(row) = std::move(packed);
  Count((*this)[row], true);
}

void PaymentBook::SetAmount(int row, std::string_view amount) {
  Payment payment = (*this)[row].Copy();
  payment.amount = amount;
  Set(row, payment);
}

void PaymentBook::SetMark(int row, Mark mark) {
  Count((*this)[row], false);
  At(row).mark = mark;
  Count((*this)[row], true);
}

void PaymentBook::Remove(int row) {
  Count((*this)[row], false);
  payments_.erase(payments_.begin() + row);
}

bool PaymentBook::KeptSumHolds() const {
  return inexact_ == 0 && payments_.size() < kKeptRows &&
         size_ < static_cast<std::uint64_t>(Amount::kExactMinorUnits);
}

double PaymentBook::TotalWith(int row, double amount) const {
  if (KeptSumHolds()) {
    std::uint64_t units = units_;
    std::uint64_t size = size_;
    if (row >= 0 && (*this)[row].Counted()) {
      const Term old = TermOf((*this)[row]);
      const Term replacement = TermOf(amount);
      units = units - old.units + replacement.units;
      size = size - old.size + replacement.size;
      if (!replacement.exact) return Walk(row, amount);
    }
    if (size < static_cast<std::uint64_t>(Amount::kExactMinorUnits)) {
      return Amount::FromMinorUnits(static_cast<std::int64_t>(units), decimals_).value();
    }
  }
  return Walk(row, amount);
}

double PaymentBook::Walk(int row, double amount) const {
  double total = 0;
  for (int r = 0; r < size(); ++r) {
    const PaymentView payment = (*this)[r];
    if (!payment.Counted()) continue;
    total += r == row ? amount : LenientNumber(payment.amount);
    if (!std::isfinite(total)) return total;
    total = LenientNumber(FormatAmount(total, decimals_));
  }
  return total;
}

}  // namespace corvane

#include "model/payment_book.h"

#include <cmath>
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

PaymentBook::Term PaymentBook::TermOf(double amount) {
  const std::optional<std::int64_t> units = Amount(amount).MinorUnits();
  if (!units) return {false, 0, 0};
  const std::uint64_t size =
      *units < 0 ? 0 - static_cast<std::uint64_t>(*units) : static_cast<std::uint64_t>(*units);
  if (size >= kTermLimit) return {false, 0, 0};
  return {true, static_cast<std::uint64_t>(*units), size};
}

PaymentBook::Term PaymentBook::TermOf(const Payment& payment) {
  return TermOf(LenientNumber(payment.amount));
}

void PaymentBook::Count(const Payment& payment, bool in) {
  if (!payment.Counted()) return;
  const Term term = TermOf(payment);
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

int PaymentBook::Add(Payment payment) {
  Count(payment, true);
  payments_.push_back(std::move(payment));
  return size() - 1;
}

void PaymentBook::Set(int row, Payment payment) {
  Payment& old = payments_[static_cast<std::size_t>(row)];
  Count(old, false);
  Count(payment, true);
  old = std::move(payment);
}

void PaymentBook::SetAmount(int row, std::string amount) {
  Payment& payment = payments_[static_cast<std::size_t>(row)];
  Count(payment, false);
  payment.amount = std::move(amount);
  Count(payment, true);
}

void PaymentBook::SetMark(int row, Mark mark) {
  Payment& payment = payments_[static_cast<std::size_t>(row)];
  Count(payment, false);
  payment.mark = mark;
  Count(payment, true);
}

void PaymentBook::Remove(int row) {
  Count(payments_[static_cast<std::size_t>(row)], false);
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
      return Amount::FromMinorUnits(static_cast<std::int64_t>(units)).value();
    }
  }
  return Walk(row, amount);
}

double PaymentBook::Walk(int row, double amount) const {
  double total = 0;
  for (int r = 0; r < size(); ++r) {
    const Payment& payment = (*this)[r];
    if (!payment.Counted()) continue;
    total += r == row ? amount : LenientNumber(payment.amount);
    if (!std::isfinite(total)) return total;
    total = LenientNumber(FormatAmount(total));
  }
  return total;
}

}  // namespace corvane

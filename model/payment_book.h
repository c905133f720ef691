/// @file
/// The payments of one order, in list order, and their total: the payments not deleted,
/// summed as the total box carries it, rounded to the currency's minor units (hundredths
/// unless the host set other decimals) after every payment.
///
/// The total is kept in minor units as payments change, so that reading it costs the same
/// for any number of payments, as long as every counted amount is a whole number of minor
/// units and the amounts together stay below Amount::kExactMinorUnits; there the running
/// total gives exactly that sum. Beyond that it is summed again, row by row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/amount.h"
#include "model/payment.h"

namespace corvane {

class PaymentBook {
 public:
  /// The number of payments.
  int size() const { return static_cast<int>(payments_.size()); }
  /// Payment `row`, valid until the book changes. REQUIRES: 0 <= row < size().
  PaymentView operator[](int row) const;

  /// The decimals of the amounts: 2 until set.
  int decimals() const { return decimals_; }
  /// Sets the decimals of the amounts. REQUIRES: the book is empty; `decimals` is 0, 2
  /// or 3.
  void SetDecimals(int decimals) { decimals_ = decimals; }

  /// Drops every payment.
  void Clear();
  /// Makes room for `count` payments in all.
  void Reserve(std::size_t count) { payments_.reserve(count); }
  /// Appends `payment`; returns its row.
  int Add(const PaymentView& payment);
  /// As Add(payment), given the amount in minor units, read already.
  /// REQUIRES: `amount_units` is Amount(LenientNumber(payment.amount), decimals()).MinorUnits().
  int Add(const PaymentView& payment, std::optional<std::int64_t> amount_units);
  /// Replaces payment `row`. REQUIRES: 0 <= row < size().
  void Set(int row, const PaymentView& payment);
  /// Sets payment `row`'s amount text. REQUIRES: 0 <= row < size().
  void SetAmount(int row, std::string_view amount);
  /// Sets payment `row`'s mark. REQUIRES: 0 <= row < size().
  void SetMark(int row, Mark mark);
  /// Sets the mark payment `row` had before its delete. REQUIRES: 0 <= row < size().
  void SetMarkBeforeDelete(int row, Mark mark) { At(row).mark_before_delete = mark; }
  /// Removes payment `row`; the ones after it move up. REQUIRES: 0 <= row < size().
  void Remove(int row);

  /// The total of the payments not deleted, carried at the currency's decimals from
  /// payment to payment; infinite when the sum overflows a double.
  double Total() const { return TotalWith(-1, 0); }
  /// The same, with payment `row` (if counted) counted at `amount` instead.
  double TotalWith(int row, double amount) const;

 private:
  // A payment kept compactly: its six texts back to back in one string.
  struct Row {
    std::string texts;
    std::array<std::uint32_t, 6> ends{};  // where each text ends
    Mark mark = Mark::kNone;
    Mark mark_before_delete = Mark::kNone;
  };
  static Row Pack(const PaymentView& payment);
  Row& At(int row) { return payments_[static_cast<std::size_t>(row)]; }

  // A counted payment's part in the kept sum.
  struct Term {
    bool exact;           // a whole number of minor units below kTermLimit
    std::uint64_t units;  // its minor units, two's complement
    std::uint64_t size;   // their magnitude
  };
  Term TermOf(double amount) const;
  static Term TermOf(std::optional<std::int64_t> units);
  Term TermOf(const PaymentView& payment) const;
  void Count(const PaymentView& payment, bool in);
  void Count(const Term& term, bool in);
  bool KeptSumHolds() const;
  double Walk(int row, double amount) const;

  std::vector<Row> payments_;
  int decimals_ = Amount::kDefaultDecimals;
  // Over the counted payments: the sum and the sum of magnitudes of the exact amounts
  // (modulo 2^64), and the number of amounts that are not exact.
  std::uint64_t units_ = 0;
  std::uint64_t size_ = 0;
  std::size_t inexact_ = 0;
};

}  // namespace corvane

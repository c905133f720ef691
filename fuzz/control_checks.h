// Checks the fuzzers make on a control and its screen after each step. A failed check
// prints what was expected and what was found, then traps, so that libFuzzer keeps the
// input as a crash.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "control/payment_control.h"
#include "control/payment_record.h"
#include "corvane/screen.h"

namespace corvane::fuzz {

[[noreturn]] void Violation(const std::string& what);
inline void Expect(bool ok, const std::string& what) {
  if (!ok) Violation(what);
}

// Everything the control and its screen hold, as one text: every widget's state, every
// row with its tag and colour, and the control's fields. Equal texts: nothing changed.
std::string Snapshot(Screen& screen, const ControlSnapshot& state);

// The total of the rows not marked "D", carried at `decimals` decimals from row to row, each
// row's amount cell read leniently; written as FormatAmount writes it. None when the sum
// leaves the range of a double.
std::optional<std::string> RunningTotal(const ListView& list, int decimals = 2);

// Whether the total and every row's amount lie below 1e12, where a total of 15 significant
// digits keeps its cents through any sum of a short list.
bool CentsExact(Screen& screen);

// The total box holds the running total at the currency's `decimals` and, where every row
// not marked "D" holds a whole number of minor units and their magnitudes add up to less
// than Amount::kExactMinorUnits, exactly their sum in minor units (both checked only when
// `compare_total`: from 1e13 on a total loses cents, and a delete, which takes one amount
// off the total shown, and a new sum of the rows may differ, a known limit kept in
// tests/bad_input_test.cpp); and the balance box holds the ordered amount less the total.
void CheckTotals(Screen& screen, bool compare_total, int decimals);

// Every row's amount cell reads as a finite number.
void CheckAmountsFinite(const ListView& list);

// ReadPaymentData succeeds and gives, in list order, one record per row with a change
// mark: date, type ID (or the name when no type has it), reference, authorization,
// amount in the host's currency, sequence and mark, the fields and records ended by the
// separators in force. The amounts times the rate are the rows' amounts to the minor unit.
void CheckChangeList(Corvane& control);
// The same for a change list `text` of `rows` under the separators, types and rate of
// `state`.
void CheckChangeListText(const std::string& text, const std::vector<PaymentRecord>& rows,
                         const ControlSnapshot& state);

// The screen shows the control's model: every payment's texts and mark in its row (a card
// payment's reference masked while card numbers are masked), the total, the ordered amount
// and (once a load has locked it) the balance in their boxes, and an open edit's payment
// selected.
void CheckModelShown(Corvane& control);

// No payment and no change record holds the mask character: nothing masked is read back
// from the screen. (Only for a control whose host never gave the character.)
void CheckNoMaskInData(Corvane& control);

// While card numbers are masked and no entry is open, neither the reference box nor the
// credit card box shows a card payment's number whole, where masking would hide some of it
// and no other payment has that reference.
void CheckCardsMasked(Corvane& control);

}  // namespace corvane::fuzz

// Checks the fuzzers make on a control and its screen after each step. A failed check
// prints what was expected and what was found, then traps, so that libFuzzer keeps the
// input as a crash.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "control/payment_control.h"
#include "control/payment_record.h"
#include "corvane/corvane.h"
#include "corvane/screen.h"
#include "corvane/scripted_services.h"

namespace corvane::fuzz {

[[noreturn]] void Violation(const std::string& what);
inline void Expect(bool ok, const std::string& what) {
  if (!ok) Violation(what);
}

// Everything the control and its screen hold, as one text: every widget's state, every
// row with its tag and colour, and the control's fields. Equal texts: nothing changed.
std::string Snapshot(Screen& screen, const ControlSnapshot& state);

// What a catalog leaves alone: Snapshot without the texts the operator reads (captions, a
// row's description, the date form, the card number box's text,
// which may be the catalog's "Not Found"), with what the host reads
// back (the change list, the changes as values, the exact total and balance): named parts,
// equal when nothing of them changed.
using DataParts = std::vector<std::pair<std::string, std::string>>;
DataParts DataSnapshot(Corvane& control);

// The labels show the control's catalog's texts (those naming the currency unless the host
// gave a code), and a deleted payment's row is described by its "Deleted".
void CheckCatalogShown(Corvane& control);

// Every message box has one of the catalog's titles and says one of its messages (the one
// naming a payment type with some name in place of "%1").
void CheckMessagesTranslated(const std::vector<MessageRecord>& messages, const Catalog& catalog);

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

// ReadPaymentData gives, in list order, one record per row with a change mark: date, type
// ID (or the name when no type has it), reference, authorization, amount in the host's
// currency, sequence and mark, the fields and records ended by the separators in force
// (ChangeListState: the last WritePaymentData's, none before one, "~" and "|" after a load
// of values alone). The amounts times the rate are the rows'
// amounts to the minor unit. It refuses, naming the payment's row, exactly when a record,
// split as a host splits the list (records, then fields), would not give back its fields.
// Then CheckValues, comparing the total with the sum when `compare_sum`.
void CheckChangeList(Corvane& control, bool compare_sum = false);

// The separators of `state`.
std::pair<std::string, std::string> Separators(const ControlSnapshot& state);
// The control's snapshot with the separators the change list is written with: the last
// WritePaymentData's, "~" and "|" when the control was loaded only as values.
ControlSnapshot ChangeListState(Corvane& control);

// The row (from 0) of the first payment of `payments` with a change mark whose record,
// written as ReadPaymentData writes it under the separators and types of `state` and split
// back as a host splits the list (records at the record separator, then fields at the field
// separator), does not give back its seven fields; none when all do, or when an amount
// cannot be written at all.
std::optional<int> FirstRecordCut(const PaymentBook& payments, const ControlSnapshot& state);

// The typed operations agree with the rest: ExactTotal and ExactBalance are the total and
// balance boxes (and, when `compare_sum`, the total is exactly the sum in minor units of
// the payments not deleted, wherever that sum is exact); Changes gives every marked payment
// whole, and agrees field by field with the records of `delimited`, ReadPaymentData's text
// when it gave one. Changes refuses only a payment whose type has no 16-bit ID or whose
// amount is beyond Money's range.
void CheckValues(Corvane& control, const std::optional<std::string>& delimited, bool compare_sum);
// `changes` are the marked payments of `payments`, whole, and agree with the records of
// `delimited` when given.
void CheckChangesMatch(const std::vector<PaymentChange>& changes, const PaymentBook& payments,
                       const std::optional<std::string>& delimited, const ControlSnapshot& state);
// Changes refused with `message` rightly: see CheckValues.
void CheckChangesRefusal(const std::string& message, const PaymentBook& payments,
                         const ControlSnapshot& state);
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

#include "fuzz/control_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <set>
#include <type_traits>
#include <utility>
#include <vector>

#include "control/payment_record.h"
#include "model/amount.h"
#include "model/rules.h"
#include "readings/card_mask.h"
#include "readings/numbers.h"
#include "readings/split.h"

namespace corvane::fuzz {
namespace {

// Amounts up to this size come back from the host's currency to the cent: 15 significant
// digits leave at least a tenth of a cent.
constexpr double kCentExactAmount = 1e11;
// Totals and amounts below this keep their cents through every sum of a small list.
constexpr double kCentExactTotal = 1e12;

std::optional<double> Strict(std::string_view text) {
  try {
    return StrictNumber(text);
  } catch (const ReadError&) {
    return std::nullopt;
  }
}

// Appends each value with its length, so that different states never write the same text.
class Writer {
 public:
  Writer& operator<<(std::string_view text) {
    Raw(text.size());
    out_ += text;
    return *this;
  }
  template <class Number>
  requires std::is_arithmetic_v<Number> Writer& operator<<(Number value) {
    Raw(value);
    return *this;
  }
  Writer& Flag(bool flag) { return *this << flag; }
  std::string Take() { return std::move(out_); }

 private:
  template <class T>
  void Raw(T value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out_.append(bytes, sizeof value);
  }

  std::string out_;
};

// Writes a widget's state; without `texts`, only what the catalog leaves alone: no caption,
// no row's description, no date form, and not the card number box's text (which may be the
// catalog's "Not Found").
void Write(Writer& w, Screen& screen, const WidgetDesign& design, bool texts = true) {
  Widget& widget = screen.widget(design.id);
  w << design.name;
  w.Flag(widget.Enabled()).Flag(widget.Visible()) << widget.ZIndex();
  switch (design.kind) {
    case WidgetKind::kTextBox: {
      const TextBox& box = screen.text_box(design.id);
      w << box.BackColor();
      w.Flag(box.Locked());
      // The text and the selection in it.
      if (texts || design.id != WidgetId::txtCreditCard) {
        w << box.Text() << box.SelStart() << box.SelLength();
      }
      break;
    }
    case WidgetKind::kComboBox: {
      const ComboBox& box = screen.combo_box(design.id);
      w << box.Text() << box.ListIndex() << box.BackColor() << box.ListCount();
      w.Flag(box.Locked());
      for (int i = 0; i < box.ListCount(); ++i) w << box.List(i);
      break;
    }
    case WidgetKind::kCommandButton:
      if (texts) w << screen.button(design.id).Caption();
      break;
    case WidgetKind::kLabel:
      if (texts) w << screen.label(design.id).Caption();
      break;
    case WidgetKind::kFrame:
      if (texts) w << screen.frame(design.id).Caption();
      break;
    case WidgetKind::kListView: {
      const ListView& list = screen.list_view(design.id);
      w.Flag(list.HideSelection())
          << list.BackColor() << list.Selected().value_or(-1) << list.Count();
      for (int row = 0; row < list.Count(); ++row) {
        w << list.Text(row) << (texts ? list.Description(row) : "") << list.ForeColor(row);
        for (int c = 1; c <= ListView::kSubItems; ++c) w << list.SubItem(row, c);
      }
      break;
    }
    case WidgetKind::kDatePicker: {
      const DatePicker& picker = screen.date_picker(design.id);
      const std::optional<DatePicker::Date> value = picker.Value();
      if (texts) w << picker.CustomFormat();
      w << (value ? std::chrono::sys_days(*value).time_since_epoch().count() : -1000000);
      break;
    }
  }
}

struct ChangeRecord {
  std::string head;  // date, type, reference and authorization, each with its separator
  std::string tail;  // the separator after the amount, sequence, separator, mark, record end
  std::string amount_cell;
};

// Whether `amount`, a number in the host's currency, is the row's amount at `rate`.
bool AmountMatches(std::string_view amount, const std::string& cell, double rate, int decimals) {
  const std::optional<double> host = Strict(amount);
  if (!host || !std::isfinite(*host)) return false;
  const double shown = LenientNumber(cell);
  if (!(std::fabs(shown) < kCentExactAmount) || std::fabs(rate) < 1e-6 || std::fabs(rate) > 1e6) {
    return true;
  }
  return FormatAmount(*host * rate, decimals) == FormatAmount(shown, decimals);
}

// The minor units of an amount written with exactly `decimals` decimals ("-12.345" at three
// is -12345), read digit by digit; none for any other text and beyond 18 digits.
std::optional<std::int64_t> MinorUnitsOf(std::string_view text, int decimals) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const bool has_point = point != std::string_view::npos;
  const std::size_t fraction = has_point ? text.size() - point - 1 : 0;
  const std::size_t digits = text.size() - (has_point ? 1 : 0);
  if (digits == 0 || digits > 18 || point == 0 || static_cast<int>(fraction) != decimals ||
      (decimals == 0 && has_point)) {
    return std::nullopt;
  }
  std::int64_t units = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == point) continue;
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    units = units * 10 + (text[i] - '0');
  }
  return negative ? -units : units;
}

// The sum in minor units of the rows not marked "D", when each is written with the
// currency's decimals and their magnitudes add up to less than Amount::kExactMinorUnits,
// where the total is exact; none otherwise.
std::optional<std::int64_t> ExactSum(const ListView& list, int decimals) {
  std::int64_t sum = 0;
  std::int64_t size = 0;
  for (int row = 0; row < list.Count(); ++row) {
    if (list.SubItem(row, kColIsUpdate) == kMarkDeleted) continue;
    const std::optional<std::int64_t> units = MinorUnitsOf(list.SubItem(row, kColAmount), decimals);
    if (!units || std::llabs(*units) >= Amount::kExactMinorUnits) return std::nullopt;
    size += std::llabs(*units);
    if (size >= Amount::kExactMinorUnits) return std::nullopt;
    sum += *units;
  }
  return sum;
}

// A payment's texts and mark, in the list's columns.
PaymentRecord RecordOf(const PaymentView& p) {
  return {{std::string(p.type), std::string(p.reference), std::string(p.authorization),
           std::string(p.amount), std::string(p.date), std::string(p.sequence),
           std::string(MarkText(p.mark))}};
}

bool IsCardPayment(Corvane& control, const PaymentView& p) {
  return TakesCard(TypeIdOf(Internals(control).PaymentTypes(), p.type));
}

bool IsNumberCharacter(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'E';
}

// Whether `text` from `at` on is exactly the records from `first` on. The amount is the
// only field whose text is not known beforehand: every length that fits is tried.
class ChangeListMatcher {
 public:
  ChangeListMatcher(std::string_view text, const std::vector<ChangeRecord>& records, double rate,
                    int decimals)
      : text_(text), records_(records), rate_(rate), decimals_(decimals) {}

  bool Matches(std::size_t at, std::size_t first) {
    if (first == records_.size()) return at == text_.size();
    if (failed_.contains({at, first})) return false;
    const ChangeRecord& record = records_[first];
    if (text_.substr(at).starts_with(record.head)) {
      const std::size_t amount_at = at + record.head.size();
      for (std::size_t length = 1; amount_at + length <= text_.size(); ++length) {
        if (!IsNumberCharacter(text_[amount_at + length - 1])) break;
        const std::size_t tail_at = amount_at + length;
        if (text_.substr(tail_at).starts_with(record.tail) &&
            AmountMatches(text_.substr(amount_at, length), record.amount_cell, rate_, decimals_) &&
            Matches(tail_at + record.tail.size(), first + 1)) {
          return true;
        }
      }
    }
    failed_.insert({at, first});
    return false;
  }

 private:
  std::string_view text_;
  const std::vector<ChangeRecord>& records_;
  double rate_;
  int decimals_;
  std::set<std::pair<std::size_t, std::size_t>> failed_;
};

// The first type of that name, as the control looks it up (entries without one are passed
// over).
const PaymentTypeEntry* FindType(const ControlSnapshot& state, std::string_view name) {
  if (!state.payment_types) return nullptr;
  for (const PaymentTypeEntry& entry : *state.payment_types) {
    if (const std::string* entry_name = NameOf(entry); entry_name && *entry_name == name) {
      return &entry;
    }
  }
  return nullptr;
}

// The control's fields and the focus; with `widgets`, every widget's state first.
void WriteState(Writer& w, Screen& screen, const ControlSnapshot& state, bool widgets) {
  if (widgets) {
    for (const WidgetDesign& design : kScreenLayout) Write(w, screen, design);
  }
  const std::optional<WidgetId> focus = screen.Focus();
  w << (focus ? DesignOf(*focus).name : "-");
  w.Flag(state.mode.has_value());
  w << state.mode.value_or(0) << static_cast<int>(state.entry) << state.field_separator
    << state.record_separator << state.country << state.order_type << state.ordered_amount
    << state.date_order_taken << state.conversion_rate << state.edit_amount;
  w << state.currency_decimals.value_or(-1) << state.currency_code;
  w.Flag(state.mask_card_numbers.has_value()).Flag(state.mask_card_numbers.value_or(false));
  w.Flag(state.payment_types.has_value());
  if (state.payment_types) {
    for (const PaymentTypeEntry& entry : *state.payment_types) {
      w << entry.size();
      for (const std::string& field : entry) w << field;
    }
  }
}

}  // namespace

void Violation(const std::string& what) {
  std::fprintf(stderr, "invariant violated: %s\n", what.c_str());
  std::fflush(stderr);
  __builtin_trap();
}

std::string Snapshot(Screen& screen, const ControlSnapshot& state) {
  Writer w;
  WriteState(w, screen, state, /*widgets=*/true);
  return w.Take();
}

DataParts DataSnapshot(Corvane& control) {
  DataParts parts;
  Screen& screen = control.screen();
  const ControlSnapshot state = control.Snapshot();
  for (const WidgetDesign& design : kScreenLayout) {
    Writer w;
    Write(w, screen, design, /*texts=*/false);
    parts.emplace_back(design.name, w.Take());
  }
  Writer w;
  WriteState(w, screen, state, /*widgets=*/false);
  parts.emplace_back("the control's state", w.Take());
  // What the host reads back, a refusal's message included.
  try {
    parts.emplace_back("ReadPaymentData", control.ReadPaymentData());
  } catch (const HostError& e) {
    parts.emplace_back("ReadPaymentData", std::string("refused: ") + e.what());
  }
  Writer changes;
  try {
    for (const PaymentChange& change : control.Changes()) {
      const PaymentInfo& p = change.payment;
      changes << static_cast<char>(change.mark) << p.type_id << p.reference << p.authorization
              << p.amount.minor_units() << p.amount.decimals() << p.date << p.sequence;
    }
  } catch (const HostError& e) {
    changes << "refused: " << e.what();
  }
  parts.emplace_back("Changes", changes.Take());
  for (const auto& [name, exact] : {std::pair{"ExactTotal", &Corvane::ExactTotal},
                                    std::pair{"ExactBalance", &Corvane::ExactBalance}}) {
    try {
      parts.emplace_back(name, (control.*exact)().Text());
    } catch (const HostError& e) {
      parts.emplace_back(name, std::string("refused: ") + e.what());
    }
  }
  return parts;
}

void CheckCatalogShown(Corvane& control) {
  const Catalog& catalog = control.catalog();
  Screen& screen = control.screen();
  const ControlSnapshot state = control.Snapshot();
  for (const WidgetDesign& design : kScreenLayout) {
    if (design.kind != WidgetKind::kLabel || design.id == WidgetId::lblVersionNumber) continue;
    // The amounts' labels name the currency by its code when the host gave one.
    if (!state.currency_code.empty() && design.text.find('$') != std::string_view::npos) continue;
    const std::string caption = screen.label(design.id).Caption();
    Expect(caption == catalog.Text(design.text),
           std::string(design.name) + " shows " + QuoteForMessage(caption) + " for " +
               QuoteForMessage(design.text) + ", the catalog says " +
               QuoteForMessage(catalog.Text(design.text)));
  }
  // A deleted payment's row says so to a screen reader, in the operator's language.
  const PaymentBook& payments = Internals(control).Payments();
  const ListView& list = screen.list_view(WidgetId::lstPayment);
  for (int row = 0; row < payments.size() && row < list.Count(); ++row) {
    if (payments[row].mark != Mark::kDeleted) continue;
    Expect(list.Description(row) == catalog.Text("Deleted"),
           "deleted row " + std::to_string(row + 1) + " is described as " +
               QuoteForMessage(list.Description(row)));
  }
}

void CheckMessagesTranslated(const std::vector<MessageRecord>& messages, const Catalog& catalog) {
  static constexpr std::string_view kTitles[] = {" Corvane", "Corvane", "Payment"};
  static constexpr std::string_view kPrompts[] = {
      "Please enter the Reference Number",
      "Autorization Number cannot exceed 20 characters",
      "Reference Number cannot exceed  20 characters",
      "Please enter the Payment Amount",
      "The Total Amount of all payments has to be less than or equal to Ordered Amount ",
      "Do you want to delete the selected payment record",
      "Do you want to Undelete the selected payment record"};
  constexpr std::string_view kNamed =
      "%1 cannot be selected from the center for use on a new or existing payment.";
  for (const MessageRecord& m : messages) {
    Expect(std::ranges::any_of(kTitles,
                               [&](std::string_view t) { return catalog.Text(t) == m.title; }),
           "a message box has the title " + QuoteForMessage(m.title));
    if (std::ranges::any_of(kPrompts,
                            [&](std::string_view t) { return catalog.Text(t) == m.prompt; })) {
      continue;
    }
    // The text that names a payment type: the translation with a name for each "%1".
    const std::string named = catalog.Text(kNamed);
    const std::size_t first = named.find("%1");
    const std::size_t last = named.rfind("%1");
    Expect(first != std::string::npos && m.prompt.starts_with(named.substr(0, first)) &&
               m.prompt.ends_with(named.substr(last + 2)) &&
               m.prompt.size() >= first + named.size() - last - 2,
           "a message box says " + QuoteForMessage(m.prompt));
  }
}

std::optional<std::string> RunningTotal(const ListView& list, int decimals) {
  double total = 0;
  for (int row = 0; row < list.Count(); ++row) {
    if (list.SubItem(row, kColIsUpdate) == kMarkDeleted) continue;
    total += LenientNumber(list.SubItem(row, kColAmount));
    if (!std::isfinite(total)) return std::nullopt;
    total = LenientNumber(FormatAmount(total, decimals));
  }
  if (!std::isfinite(total)) return std::nullopt;
  return FormatAmount(total, decimals);
}

bool CentsExact(Screen& screen) {
  if (!(std::fabs(LenientNumber(screen.text_box(WidgetId::txtTotalAmount).Text())) <
        kCentExactTotal)) {
    return false;
  }
  const ListView& list = screen.list_view(WidgetId::lstPayment);
  for (int row = 0; row < list.Count(); ++row) {
    if (!(std::fabs(LenientNumber(list.SubItem(row, kColAmount))) < kCentExactTotal)) {
      return false;
    }
  }
  return true;
}

void CheckTotals(Screen& screen, bool compare_total, int decimals) {
  const std::string total = screen.text_box(WidgetId::txtTotalAmount).Text();
  if (compare_total) {
    const ListView& list = screen.list_view(WidgetId::lstPayment);
    const std::optional<std::string> expected = RunningTotal(list, decimals);
    Expect(expected == total, "the total box shows '" + total + "', the rows add up to '" +
                                  expected.value_or("(out of range)") + "'");
    if (const std::optional<std::int64_t> sum = ExactSum(list, decimals)) {
      Expect(MinorUnitsOf(total, decimals) == sum,
             "the total box shows '" + total + "', the rows add up to " + std::to_string(*sum) +
                 " minor units of " + std::to_string(decimals) + " decimals");
    }
  }
  const std::string ordered = screen.text_box(WidgetId::txtOrderedAmount).Text();
  const std::string balance = screen.text_box(WidgetId::txtBalanceAmount).Text();
  const std::optional<double> ordered_value = Strict(ordered);
  const std::optional<double> total_value = Strict(total);
  Expect(ordered_value && total_value, "the ordered amount '" + ordered + "' or the total '" +
                                           total + "' does not read as a number");
  const double difference = *ordered_value - *total_value;
  Expect(std::isfinite(difference) && FormatAmount(difference, decimals) == balance,
         "the balance box shows '" + balance + "' for ordered '" + ordered + "' less total '" +
             total + "'");
}

void CheckAmountsFinite(const ListView& list) {
  for (int row = 0; row < list.Count(); ++row) {
    const std::string amount = list.SubItem(row, kColAmount);
    Expect(std::isfinite(LenientNumber(amount)),
           "row " + std::to_string(row) + " holds the amount '" + amount + "'");
  }
}

std::pair<std::string, std::string> Separators(const ControlSnapshot& state) {
  return {state.field_separator, state.record_separator};
}

ControlSnapshot ChangeListState(Corvane& control) {
  ControlSnapshot state = control.Snapshot();
  const auto [fs, rs] = Internals(control).ChangeListSeparators();
  state.field_separator = fs;
  state.record_separator = rs;
  return state;
}

std::optional<int> FirstRecordCut(const PaymentBook& payments, const ControlSnapshot& state) {
  const auto [fs, rs] = Separators(state);
  if (fs.empty() || rs.empty()) return std::nullopt;  // nothing is split, nothing refused
  const double rate = state.conversion_rate == 0 ? 1 : state.conversion_rate;
  std::vector<std::pair<int, std::vector<std::string>>> records;
  std::string text;
  for (int row = 0; row < payments.size(); ++row) {
    const PaymentView p = payments[row];
    if (p.mark == Mark::kNone) continue;
    const PaymentTypeEntry* type = FindType(state, p.type);
    const std::optional<double> amount = Strict(p.amount);
    if (!amount || !std::isfinite(*amount / rate)) return std::nullopt;
    std::vector<std::string> fields = {
        std::string(p.date),           type ? type->front() : std::string(p.type),
        std::string(p.reference),      std::string(p.authorization),
        GeneralNumber(*amount / rate), std::string(p.sequence),
        std::string(MarkText(p.mark))};
    for (std::size_t f = 0; f < fields.size(); ++f) text.append(f ? fs : "").append(fields[f]);
    text += rs;
    records.emplace_back(row, std::move(fields));
  }
  const std::vector<std::string_view> pieces = SplitRecords(text, rs);
  for (std::size_t r = 0; r < records.size(); ++r) {
    if (r >= pieces.size()) return records[r].first;
    const std::vector<std::string_view> split = SplitFields(pieces[r], fs);
    if (!std::ranges::equal(split, records[r].second)) return records[r].first;
  }
  return std::nullopt;
}

void CheckChangeList(Corvane& control, bool compare_sum) {
  std::optional<std::string> text;
  std::string refusal;
  try {
    text = control.ReadPaymentData();
  } catch (const HostError& e) {
    refusal = e.what();
  }
  // From the payments, not the list: the list may show references masked.
  const PaymentBook& payments = Internals(control).Payments();
  const ControlSnapshot state = ChangeListState(control);
  const std::optional<int> cut = FirstRecordCut(payments, state);
  if (text) {
    Expect(!cut, "ReadPaymentData wrote payment row " + std::to_string(cut.value_or(0) + 1) +
                     " as a record that does not split back: " + QuoteForMessage(*text));
    std::vector<PaymentRecord> rows;
    for (int row = 0; row < payments.size(); ++row) rows.push_back(RecordOf(payments[row]));
    CheckChangeListText(*text, rows, state);
  } else {
    Expect(cut && refusal.starts_with("ReadPaymentData: payment row " + std::to_string(*cut + 1) +
                                      ": "),
           "ReadPaymentData failed: " + refusal);
  }
  CheckValues(control, text, compare_sum);
}

void CheckValues(Corvane& control, const std::optional<std::string>& delimited, bool compare_sum) {
  Screen& screen = control.screen();
  const ControlSnapshot state = ChangeListState(control);
  const int decimals = state.currency_decimals.value_or(Amount::kDefaultDecimals);
  // The exact total and balance are the model's (the balance box takes typing until a load
  // locks it); where the payments add up exactly, the total is their sum.
  const OrderTotals& totals = Internals(control).Totals();
  const std::pair<const std::string*, Money (Corvane::*)() const> exact_texts[] = {
      {&totals.total, &Corvane::ExactTotal}, {&totals.balance, &Corvane::ExactBalance}};
  for (const auto& [text, exact] : exact_texts) {
    try {
      const Money amount = (control.*exact)();
      Expect(amount.decimals() == decimals && amount.Text() == *text,
             "the exact amount " + amount.Text() + " is not " + *text);
    } catch (const HostError& e) {
      Expect(!MinorUnitsOf(*text, decimals), std::string("an exact amount failed: ") + e.what());
    }
  }
  if (compare_sum) {
    const ListView& list = screen.list_view(WidgetId::lstPayment);
    if (const std::optional<std::int64_t> sum = ExactSum(list, decimals)) {
      Expect(control.ExactTotal().minor_units() == *sum,
             "ExactTotal is " + control.ExactTotal().Text() + ", the payments add up to " +
                 std::to_string(*sum) + " minor units");
    }
  }
  const PaymentBook& payments = Internals(control).Payments();
  try {
    CheckChangesMatch(control.Changes(), payments, delimited, state);
  } catch (const HostError& e) {
    CheckChangesRefusal(e.what(), payments, state);
  }
}

void CheckChangesRefusal(const std::string& message, const PaymentBook& payments,
                         const ControlSnapshot& state) {
  // The payment it names has no 16-bit type ID or an amount beyond Money's range, and every
  // payment marked before it has a type ID.
  const int decimals = state.currency_decimals.value_or(Amount::kDefaultDecimals);
  const double rate = state.conversion_rate == 0 ? 1 : state.conversion_rate;
  for (int row = 0; row < payments.size(); ++row) {
    const PaymentView p = payments[row];
    if (p.mark == Mark::kNone) continue;
    const PaymentTypeEntry* type = FindType(state, p.type);
    const bool has_id = type && ReadPaymentTypeId(*type);
    if (!message.starts_with("Changes: payment row " + std::to_string(row + 1) + ": ")) {
      Expect(has_id, "Changes passed over payment row " + std::to_string(row + 1) + ": " + message);
      continue;
    }
    const double units = LenientNumber(p.amount) / rate * std::pow(10.0, decimals);
    Expect(!has_id || !(std::fabs(units) < 9e18), "Changes failed: " + message);
    return;
  }
  Violation("Changes failed naming no marked payment: " + message);
}

void CheckChangesMatch(const std::vector<PaymentChange>& changes, const PaymentBook& payments,
                       const std::optional<std::string>& delimited, const ControlSnapshot& state) {
  const int decimals = state.currency_decimals.value_or(Amount::kDefaultDecimals);
  std::vector<int> marked;
  for (int row = 0; row < payments.size(); ++row) {
    if (payments[row].mark != Mark::kNone) marked.push_back(row);
  }
  Expect(changes.size() == marked.size(), "Changes gave " + std::to_string(changes.size()) +
                                              " of " + std::to_string(marked.size()) +
                                              " marked payments");
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const PaymentView p = payments[marked[i]];
    const PaymentInfo& c = changes[i].payment;
    Expect(static_cast<char>(changes[i].mark) == MarkText(p.mark).front() &&
               c.reference == p.reference && c.authorization == p.authorization &&
               c.date == p.date && c.sequence == p.sequence && c.amount.decimals() == decimals,
           "Changes gave payment row " + std::to_string(marked[i] + 1) + " otherwise");
  }
  const auto [fs, rs] = Separators(state);
  if (!delimited || fs.empty() || rs.empty()) return;  // without separators it is one text
  // The records of the delimited list say the same, where they can: the type's ID as the
  // host gave it, the amount to the minor unit while 15 significant digits reach it.
  const std::vector<std::string_view> records = SplitRecords(*delimited, rs);
  Expect(records.size() == changes.size(), "the change list and Changes differ in length");
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const std::vector<std::string_view> f = SplitFields(records[i], fs);
    const PaymentChange& c = changes[i];
    const std::optional<double> amount = f.size() == 7 ? Strict(f[4]) : std::nullopt;
    Expect(f.size() == 7 && f[0] == c.payment.date &&
               PaymentTypeId({std::string(f[1])}) == c.payment.type_id &&
               f[2] == c.payment.reference && f[3] == c.payment.authorization && amount &&
               f[5] == c.payment.sequence && f[6] == std::string(1, static_cast<char>(c.mark)),
           "change record " + std::to_string(i + 1) + " " + QuoteForMessage(records[i]) +
               " is not the value of Changes");
    if (std::fabs(*amount) < kCentExactAmount) {
      Expect(Money::Nearest(*amount, decimals) == c.payment.amount,
             "change record " + std::to_string(i + 1) + " has the amount " + QuoteForMessage(f[4]) +
                 ", Changes " + c.payment.amount.Text());
    }
  }
}

void CheckChangeListText(const std::string& text, const std::vector<PaymentRecord>& rows,
                         const ControlSnapshot& state) {
  const auto [fs, rs] = Separators(state);
  std::vector<ChangeRecord> records;
  for (const PaymentRecord& r : rows) {
    if (r[kColIsUpdate].empty()) continue;
    const PaymentTypeEntry* type = FindType(state, r[kColPaymentType]);
    const std::string& type_text = type ? type->front() : r[kColPaymentType];
    std::string head = r[kColPaymentDate];
    head.append(fs).append(type_text).append(fs).append(r[kColReference]).append(fs);
    head.append(r[kColAuthorization]).append(fs);
    std::string tail = fs;
    tail.append(r[kColPaymentSequence]).append(fs).append(r[kColIsUpdate]).append(rs);
    records.push_back({std::move(head), std::move(tail), r[kColAmount]});
  }
  const double rate = state.conversion_rate == 0 ? 1 : state.conversion_rate;
  ChangeListMatcher matcher(text, records, rate, state.currency_decimals.value_or(2));
  Expect(matcher.Matches(0, 0), "the change list " + QuoteForMessage(text) + " (" +
                                    std::to_string(text.size()) + " bytes) is not the " +
                                    std::to_string(records.size()) + " marked rows");
}

void CheckModelShown(Corvane& control) {
  Screen& screen = control.screen();
  const PaymentBook& payments = Internals(control).Payments();
  const ListView& list = screen.list_view(WidgetId::lstPayment);
  Expect(list.Count() == payments.size(), "the list shows " + std::to_string(list.Count()) +
                                              " rows of " + std::to_string(payments.size()) +
                                              " payments");
  const bool masked = control.Snapshot().mask_card_numbers.value_or(false);
  for (int row = 0; row < payments.size(); ++row) {
    const PaymentView p = payments[row];
    const PaymentRecord shown = PaymentRecord::FromRow(list, row);
    PaymentRecord expected = RecordOf(p);
    if (masked && IsCardPayment(control, p)) {
      expected.cells[kColReference] = MaskCardNumber(p.reference);
    }
    Expect(shown == expected,
           "row " + std::to_string(row + 1) + " shows " +
               QuoteForMessage(shown.cells[0] + "|" + shown.cells[3] + "|" + shown.cells[6]) +
               " for the payment " +
               QuoteForMessage(std::string(p.type) + "|" + std::string(p.amount) + "|" +
                               std::string(MarkText(p.mark))));
    Expect((p.mark == Mark::kDeleted) == (list.ForeColor(row) == kRed),
           "row " + std::to_string(row + 1) + " is red when deleted, and only then");
  }
  const OrderTotals& totals = Internals(control).Totals();
  const auto text = [&](WidgetId id) { return screen.text_box(id).Text(); };
  Expect(text(WidgetId::txtTotalAmount) == totals.total,
         "the total box shows " + text(WidgetId::txtTotalAmount) + ", the model " + totals.total);
  Expect(text(WidgetId::txtOrderedAmount) == totals.ordered, "the ordered box shows " +
                                                                 text(WidgetId::txtOrderedAmount) +
                                                                 ", the model " + totals.ordered);
  if (screen.text_box(WidgetId::txtBalanceAmount).Locked()) {
    Expect(text(WidgetId::txtBalanceAmount) == totals.balance,
           "the balance box shows " + text(WidgetId::txtBalanceAmount) + ", the model " +
               totals.balance);
  }
  // An open edit's payment is the selected one, and none is selected once it left the list.
  const Entry& entry = Internals(control).OpenEntry();
  if (entry.kind == EntryKind::kEditing) {
    const std::optional<int> edited = entry.row >= 0 ? std::optional<int>(entry.row) : std::nullopt;
    Expect(list.Selected() == edited, "an open edit's payment is not the selected row");
  }
}

void CheckNoMaskInData(Corvane& control) {
  const PaymentBook& payments = Internals(control).Payments();
  for (int row = 0; row < payments.size(); ++row) {
    const PaymentView p = payments[row];
    for (std::string_view field : {p.type, p.reference, p.authorization, p.amount, p.date}) {
      Expect(field.find(kCardMask) == std::string_view::npos, "payment " + std::to_string(row + 1) +
                                                                  " holds the mask character in " +
                                                                  QuoteForMessage(field));
    }
  }
  try {
    const std::string changes = control.ReadPaymentData();
    Expect(changes.find(kCardMask) == std::string::npos,
           "the change list " + QuoteForMessage(changes) + " holds the mask character");
  } catch (const HostError&) {
    // CheckChangeList reports it.
  }
}

void CheckCardsMasked(Corvane& control) {
  if (!control.Snapshot().mask_card_numbers.value_or(false) || control.EntryOpen()) return;
  const PaymentBook& payments = Internals(control).Payments();
  // The references that may show as they are: those of payments masking leaves whole.
  std::set<std::string> whole;
  for (int row = 0; row < payments.size(); ++row) {
    const PaymentView p = payments[row];
    if (!IsCardPayment(control, p) || MaskCardNumber(p.reference) == p.reference) {
      whole.emplace(p.reference);
    }
  }
  Screen& screen = control.screen();
  const std::string reference = screen.text_box(WidgetId::txtReference).Text();
  const std::string card = screen.combo_box(WidgetId::cboCreditCard).Text();
  for (int row = 0; row < payments.size(); ++row) {
    const PaymentView p = payments[row];
    if (!IsCardPayment(control, p) || whole.contains(std::string(p.reference))) continue;
    Expect(reference != p.reference && card != p.reference,
           "with no entry open a box shows the card number of payment " + std::to_string(row + 1) +
               " whole: " + QuoteForMessage(p.reference));
  }
}

}  // namespace corvane::fuzz

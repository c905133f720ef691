// Fuzzes the host's data going into the control and coming back: the delimited texts, and
// the same data as values (the typed operations).
//
// Input: five context bytes, then texts split at 0xFF bytes:
//   byte 0 mode, 1 order type, 2 conversion rate, 3 ordered amount (each an index into a
//   small table), 4 flags (bit 0: no PaymentDetails call; bit 1: a second load; bit 2: the
//   first load as values; bits 3 and 4: the currency's decimals, 2, 0, 3 or 2; bits 5 to 7:
//   none, or the currency by ISO code instead, one of a few known ones, refused ones among
//   them, or (7) text 10);
//   text 0 credit cards, 1 payment types, 2 payments, 3 field separator, 4 record separator;
//   texts 5 to 9 the second load's. Every text is also looked up as a type name.
//
// Loaded as values, the texts are split at the separators first: the cards and each
// payment's fields whole, a type's ID its number (0 when it is none), a payment's type the
// ID of the type at the position it gives (or that number itself), its amount exact when it
// reads as one. The values then hold any text but the separators they were split at, and
// the change list is written with "~" and "|": their fields may well hold those.
//
// A currency code is taken exactly when it is in ISO 4217's list with a minor unit of 0, 2 or
// 3: the decimals are its minor unit and the captions that say "$" name it; a refused code
// changes nothing.
//
// Each input runs on a fresh control: PaymentDetails, the currency, the loads, the name lookups,
// TotalAmount, ReadPaymentData and Changes. A host operation may fail only with HostError,
// and a load that fails changes nothing. After a load the total box is the running total of
// the rows, every amount is a finite number, ExactTotal is the total and exactly the sum of
// the payments in minor units wherever that sum is exact, and, once every row is marked,
// the change list reads back with the rows' amounts and agrees with the changes as values;
// it refuses exactly the records that would not split back into their fields.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "control/payment_control.h"
#include "control/payment_record.h"
#include "corvane/headless_screen.h"
#include "fuzz/control_checks.h"
#include "model/change_list.h"
#include "readings/numbers.h"
#include "readings/split.h"

namespace corvane::fuzz {
namespace {

constexpr std::int16_t kModes[] = {1, 2, 0, 3, -1};
constexpr std::int16_t kOrderTypes[] = {1, 2, 0, 3, 4};
constexpr double kRates[] = {0, 1, 1.25, 0.5, 3, -1, 0.01, 100, 1e-5, 1e5, 7.77, 1e300};
constexpr double kOrdered[] = {250, 0, 500, 99999999999.99, -50, 0.005, 1e13, 1e300};
constexpr std::int16_t kDecimals[] = {2, 0, 3, 2};

// Codes whose fate is known: taken with their decimals, or refused (-1): a minor unit of 4,
// none ("N.A."), not upper case, not three letters, a withdrawn code.
struct KnownCode {
  std::string_view code;
  int decimals;
};
constexpr KnownCode kKnownCodes[] = {
    {"JPY", 0},  {"KWD", 3},  {"EUR", 2}, {"USD", 2},   {"BHD", 3},  {"KRW", 0},  {"CHF", 2},
    {"TND", 3},  {"OMR", 3},  {"ISK", 0}, {"CLF", -1},  {"UYW", -1}, {"XAU", -1}, {"XXX", -1},
    {"XDR", -1}, {"usd", -1}, {"EU", -1}, {"EURO", -1}, {"", -1},    {"DEM", -1}, {" USD", -1}};
// The codes bits 5 to 7 of the flags choose (from 1; 7 is text 10).
constexpr std::string_view kFlagCodes[] = {"JPY", "KWD", "EUR", "CLF", "XAU", "usd"};

template <class T, std::size_t N>
T Pick(const T (&table)[N], std::uint8_t byte) {
  return table[byte % N];
}

std::vector<std::string_view> Texts(std::string_view input) {
  std::vector<std::string_view> texts;
  for (std::size_t at; (at = input.find('\xFF')) != std::string_view::npos;
       input.remove_prefix(at + 1)) {
    texts.push_back(input.substr(0, at));
  }
  texts.push_back(input);
  return texts;
}

std::string_view TextAt(const std::vector<std::string_view>& texts, std::size_t i) {
  return i < texts.size() ? texts[i] : std::string_view();
}

// One load; false when the control refused it, after checking that nothing changed.
bool Load(Corvane& control, const std::vector<std::string_view>& texts, std::size_t first) {
  const std::string before = Snapshot(control.screen(), control.Snapshot());
  try {
    control.WritePaymentData(TextAt(texts, first), TextAt(texts, first + 1),
                             TextAt(texts, first + 2), TextAt(texts, first + 3),
                             TextAt(texts, first + 4));
    return true;
  } catch (const HostError&) {
    Expect(Snapshot(control.screen(), control.Snapshot()) == before,
           "a refused WritePaymentData changed the control");
    return false;
  } catch (const std::exception& e) {
    Violation(std::string("WritePaymentData threw a non-HostError: ") + e.what());
  }
}

// The texts of one load as values: split at their own separators ("~" and "|" when one is
// empty), as the header says.
struct LoadValues {
  std::vector<std::string> cards;
  std::vector<PaymentTypeInfo> types;
  std::vector<PaymentInfo> payments;
};

LoadValues ValuesOf(const std::vector<std::string_view>& texts, std::size_t first, int decimals) {
  std::string_view fs = TextAt(texts, first + 3);
  std::string_view rs = TextAt(texts, first + 4);
  if (fs.empty() || rs.empty()) fs = "~", rs = "|";
  LoadValues values;
  if (!IsBlank(TextAt(texts, first))) {
    for (std::string_view card : SplitRecords(TextAt(texts, first), rs)) {
      values.cards.emplace_back(card);
    }
  }
  if (!IsBlank(TextAt(texts, first + 1))) {
    for (std::string_view record : SplitRecords(TextAt(texts, first + 1), rs)) {
      const std::vector<std::string_view> fields = SplitFields(record, fs);
      const PaymentTypeEntry entry(fields.begin(), fields.end());
      values.types.push_back(
          {PaymentTypeId(entry), NameOf(entry) ? *NameOf(entry) : "", IsNonSelectable(entry)});
    }
  }
  if (!IsBlank(TextAt(texts, first + 2))) {
    for (std::string_view record : SplitRecords(TextAt(texts, first + 2), rs)) {
      std::vector<std::string_view> fields = SplitFields(record, fs);
      fields.resize(6);
      const double position = std::trunc(LenientNumber(fields[0]));
      std::int16_t type_id = 9999;
      if (position >= 0 && position < static_cast<double>(values.types.size())) {
        type_id = values.types[static_cast<std::size_t>(position)].id;
      } else if (std::fabs(position) < 32768) {
        type_id = static_cast<std::int16_t>(position);
      }
      std::optional<Money> amount = Money::Parse(fields[3], decimals);
      if (!amount) amount = Money::Parse(fields[3], Money::kMaxDecimals);
      if (!amount) amount = Money::Nearest(LenientNumber(fields[3]), decimals);
      values.payments.push_back({type_id, std::string(fields[1]), std::string(fields[2]),
                                 amount.value_or(Money(7)), std::string(fields[4]),
                                 std::string(fields[5])});
    }
  }
  return values;
}

// The first load as values; false when the control refused it, after checking that nothing
// changed.
bool LoadAsValues(Corvane& control, const std::vector<std::string_view>& texts) {
  const LoadValues values =
      ValuesOf(texts, 0, control.Snapshot().currency_decimals.value_or(Amount::kDefaultDecimals));
  const std::string before = Snapshot(control.screen(), control.Snapshot());
  try {
    control.LoadPayments(values.cards, values.types, values.payments);
    return true;
  } catch (const HostError&) {
    Expect(Snapshot(control.screen(), control.Snapshot()) == before,
           "a refused LoadPayments changed the control");
    return false;
  } catch (const std::exception& e) {
    Violation(std::string("LoadPayments threw a non-HostError: ") + e.what());
  }
}

// The lookups by name agree with the first entry of the type table that has the name.
void CheckLookup(Corvane& control, std::string_view name) {
  const PaymentTypeEntry* first = nullptr;
  if (const std::optional<PaymentTypeTable>& types = Internals(control).PaymentTypes()) {
    for (const PaymentTypeEntry& entry : types->entries()) {
      if (const std::string* entry_name = NameOf(entry); entry_name && *entry_name == name) {
        first = &entry;
        break;
      }
    }
  }
  Expect(control.GetPaymentID(name) == (first ? PaymentTypeId(*first) : 0),
         "GetPaymentID(" + QuoteForMessage(name) + ")");
  Expect(control.GetNonSelectableID(name) == (first && IsNonSelectable(*first)),
         "GetNonSelectableID(" + QuoteForMessage(name) + ")");
}

void CheckLoaded(Corvane& control) {
  Screen& screen = control.screen();
  ListView& list = screen.list_view(WidgetId::lstPayment);
  CheckAmountsFinite(list);
  const int decimals = control.Snapshot().currency_decimals.value_or(Amount::kDefaultDecimals);
  const std::optional<std::string> running = RunningTotal(list, decimals);
  const std::string total = screen.text_box(WidgetId::txtTotalAmount).Text();
  Expect(running == total, "after the load the total box shows '" + total +
                               "', the rows add up to '" + running.value_or("(none)") + "'");
  try {
    Expect(FormatAmount(control.TotalAmount(), decimals) == total,
           "TotalAmount is not the total box");
  } catch (const HostError& e) {
    Violation(std::string("TotalAmount failed after a load: ") + e.what());
  }
  std::string unchanged;
  try {
    unchanged = control.ReadPaymentData();
  } catch (const HostError& e) {
    Violation(std::string("ReadPaymentData failed after a load: ") + e.what());
  }
  Expect(unchanged.empty(), "rows just loaded are in the change list");
  CheckModelShown(control);
  // Every payment marked updated: the whole list goes out.
  PaymentBook marked = Internals(control).Payments();
  std::vector<PaymentRecord> rows;
  for (int row = 0; row < marked.size(); ++row) {
    marked.SetMark(row, Mark::kUpdated);
    rows.push_back(PaymentRecord::FromRow(list, row));
    rows.back().cells[kColIsUpdate] = kMarkUpdated;
  }
  const ControlSnapshot state = ChangeListState(control);
  const auto [fs, rs] = Separators(state);
  std::optional<std::string> all;
  try {
    all = ChangeList(marked, Internals(control).PaymentTypes(), state.conversion_rate, fs, rs);
  } catch (const HostError& e) {
    const std::optional<int> cut = FirstRecordCut(marked, state);
    Expect(cut && std::string_view(e.what()).starts_with("ReadPaymentData: payment row " +
                                                         std::to_string(*cut + 1) + ": "),
           std::string("the change list of every payment failed: ") + e.what());
  }
  if (all) {
    Expect(!FirstRecordCut(marked, state), "the change list of every payment does not split back");
    CheckChangeListText(*all, rows, state);
  }
  try {
    CheckChangesMatch(
        ChangeValues(marked, Internals(control).PaymentTypes(), state.conversion_rate, decimals),
        marked, all, state);
  } catch (const HostError& e) {
    CheckChangesRefusal(e.what(), marked, state);
  }
  CheckChangeList(control, /*compare_sum=*/true);
}

// CurrencyCode(code) on a control without payments: taken or refused as the header says.
void CheckCurrencyCode(Corvane& control, std::string_view code) {
  const std::string before = Snapshot(control.screen(), control.Snapshot());
  const int decimals_before = control.Snapshot().currency_decimals.value_or(2);
  const std::string quoted = QuoteForMessage(code);
  bool taken = false;
  try {
    control.CurrencyCode(code);
    taken = true;
  } catch (const HostError& e) {
    Expect(std::string_view(e.what()).starts_with("CurrencyCode: "),
           "CurrencyCode(" + quoted + ") refused with " + QuoteForMessage(e.what()));
    Expect(Snapshot(control.screen(), control.Snapshot()) == before,
           "a refused CurrencyCode(" + quoted + ") changed the control");
  } catch (const std::exception& e) {
    Violation("CurrencyCode(" + quoted + ") threw a non-HostError: " + e.what());
  }
  const bool upper_three =
      code.size() == 3 && std::ranges::all_of(code, [](char c) { return c >= 'A' && c <= 'Z'; });
  Expect(!taken || upper_three, "CurrencyCode took " + quoted);
  for (const KnownCode& known : kKnownCodes) {
    if (known.code != code) continue;
    Expect(taken == (known.decimals >= 0),
           "CurrencyCode(" + quoted + ") was " + (taken ? "taken" : "refused"));
  }
  const ControlSnapshot state = control.Snapshot();
  const int decimals = state.currency_decimals.value_or(2);
  if (!taken) {
    Expect(decimals == decimals_before, "a refused code changed the decimals");
    return;
  }
  Expect(state.currency_code == code && (decimals == 0 || decimals == 2 || decimals == 3),
         "CurrencyCode(" + quoted + ") set the code " + QuoteForMessage(state.currency_code) +
             " with " + std::to_string(decimals) + " decimals");
  for (const KnownCode& known : kKnownCodes) {
    Expect(known.code != code || known.decimals == decimals,
           quoted + " has " + std::to_string(known.decimals) + " decimals, not " +
               std::to_string(decimals));
  }
  const std::string caption = control.screen().label(WidgetId::lblAmount).Caption();
  Expect(caption.find(code) != std::string::npos && caption.find('$') == std::string::npos,
         "with the code " + quoted + " the amount's label says " + QuoteForMessage(caption));
  Expect(control.screen().text_box(WidgetId::txtTotalAmount).Text() == FormatAmount(0, decimals),
         "with the code " + quoted + " the total box does not show zero at its decimals");
}

}  // namespace
}  // namespace corvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  using namespace corvane::fuzz;
  if (size < 5) return 0;
  const std::vector<std::string_view> texts =
      Texts(std::string_view(reinterpret_cast<const char*>(data) + 5, size - 5));

  headless::Screen screen;
  Corvane control(screen, [] { return Corvane::Date{std::chrono::year{2026} / 12 / 6}; });
  if ((data[4] & 1) == 0) {
    control.PaymentDetails(Pick(kModes, data[0]), 44, Pick(kOrderTypes, data[1]),
                           Pick(kRates, data[2]), Pick(kOrdered, data[3]), "Dec 01, 2026");
  }
  if (const std::int16_t decimals = Pick(kDecimals, static_cast<std::uint8_t>(data[4] >> 3));
      decimals != 2) {
    control.CurrencyDecimals(decimals);
  }
  if (const int code = data[4] >> 5; code != 0) {
    CheckCurrencyCode(control, code == 7 ? TextAt(texts, 10) : kFlagCodes[code - 1]);
  }
  bool loaded = (data[4] & 4) ? LoadAsValues(control, texts) : Load(control, texts, 0);
  if (data[4] & 2) loaded = Load(control, texts, 5) || loaded;
  for (std::string_view name : texts) CheckLookup(control, name);
  if (loaded) CheckLoaded(control);
  return 0;
}

// Hostile input for every host operation and every operator action: each row says what the
// control must do with it, either a clear error with nothing changed or the result its
// rules give.
#include <gmock/gmock.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <span>

#include "control/dispatch.h"
#include "readings/dates.h"
#include "readings/numbers.h"
#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
const std::string k10MB(10 << 20, 'x');

// The loaded order every case starts from: one stored check of 10 in an order of 250.
constexpr std::string_view kStored = "2~R~A~10~d~S1|";
const std::vector<std::string> kStoredRows = {"Check|R|A|10.00|d|S1|"};

class BadInputTest : public ControlTest {
 protected:
  BadInputTest() { LoadOrder(kStored); }

  // Runs `call`; the HostError's text, or "" when it returned.
  static std::string ErrorOf(const std::function<void()>& call) {
    try {
      call();
      return "";
    } catch (const HostError& e) {
      return e.what();
    } catch (const DispatchError& e) {
      return std::string("dispatch: ") + e.what();
    } catch (const headless::ActionRefused& e) {
      return std::string("refused: ") + e.what();
    }
  }
  // What an operation may change, in one line.
  std::string Screen() {
    std::string out = Totals() + " " + Buttons() + " " + State();
    for (const std::string& row : Rows()) out += " [" + row + "]";
    return out;
  }
  void Add(std::string_view reference, std::string_view amount) {
    op.Click(W::cmdAdd);
    op.Type(W::txtReference, reference);
    op.Type(W::txtAmount, amount);
    op.Click(W::cmdAdd);
  }
};

// --- WritePaymentData ---

struct LoadCase {
  const char* name;
  std::string cards, types, payments, fs, rs;
  std::string error;              // "" when the load is taken
  std::vector<std::string> rows;  // the list afterwards
  std::string totals;             // "total / balance" afterwards
};

std::string Repeat(std::string_view piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

TEST_F(BadInputTest, WritePaymentData) {
  const std::string nul(1, '\0');
  const std::string e = "WritePaymentData: payment record 1: ";
  const LoadCase cases[] = {
      {"TenMegabyteCardWithoutSeparatorIsNoCard", k10MB, "", "", "~", "|", "", kStoredRows,
       "10.00 / 240.00"},
      {"TenMegabyteReference",
       "",
       "",
       "2~" + k10MB + "~A~1~d~S2|",
       "~",
       "|",
       "",
       {kStoredRows[0], "Check|" + k10MB + "|A|1.00|d|S2|"},
       "11.00 / 239.00"},
      {"TenMegabytesOfFieldSeparators", "", "", k10MB + "|", "x", "|",
       e + "payment type '' is not a whole number", kStoredRows, "10.00 / 240.00"},
      {"TenMegabytesOfRecordSeparators", "", "", Repeat("|", 10 << 20), "~", "|",
       e + "has 0 fields; a payment needs 6", kStoredRows, "10.00 / 240.00"},
      {"FiveCharacterSeparators",
       "Visa<RS>|",
       "",
       "2<FS>~r<FS>~a<FS>~5<FS>~d<FS>~s<RS>|",
       "<FS>~",
       "<RS>|",
       "",
       {kStoredRows[0], "Check|r|a|5.00|d|s|"},
       "15.00 / 235.00"},
      {"MultiByteSeparators",
       "",
       "",
       "2\u00b7r\u00b7a\u00b75\u00b7d\u00b7s\u20ac",
       "\u00b7",
       "\u20ac",
       "",
       {kStoredRows[0], "Check|r|a|5.00|d|s|"},
       "15.00 / 235.00"},
      {"ControlCharacterSeparators",
       "",
       "",
       "2\tr\ta\t5\td\ts\r\n",
       "\t",
       "\r\n",
       "",
       {kStoredRows[0], "Check|r|a|5.00|d|s|"},
       "15.00 / 235.00"},
      {"NulSeparatorsAndNulInAField", "", "",
       "2" + nul + "r" + nul + "a" + nul + "x" + nul + "5" + nul + "d" + nul + "s\n", nul, "\n",
       e + "amount 'x' is not a number", kStoredRows, "10.00 / 240.00"},
      {"NulInsideAFieldIsKept",
       "",
       "",
       "2~r" + nul + "x~a~5~d~s|",
       "~",
       "|",
       "",
       {kStoredRows[0], "Check|r" + nul + "x|a|5.00|d|s|"},
       "15.00 / 235.00"},
      // A separator inside a field cuts it: the fields after it move one place on.
      {"SeparatorInsideAFieldMovesTheAmount",
       "",
       "",
       "2~R~7~5~10~d~S2|",
       "~",
       "|",
       "",
       {kStoredRows[0], "Check|R|7|5.00|10|d|"},
       "15.00 / 235.00"},
      {"SeparatorInsideAFieldNamesTheWrongAmount", "", "", "2~a~b~A~5~d~S2|", "~", "|",
       e + "amount 'A' is not a number", kStoredRows, "10.00 / 240.00"},
      {"RecordSeparatorIsTheFieldSeparatorTwice",
       "",
       "",
       "2~R~A~5~d~S2~~",
       "~",
       "~~",
       "",
       {kStoredRows[0], "Check|R|A|5.00|d|S2|"},
       "15.00 / 235.00"},
      {"AnEmptyFieldThenEndsTheRecord", "", "", "2~R~~5~d~S2~~", "~", "~~",
       e + "has 2 fields; a payment needs 6", kStoredRows, "10.00 / 240.00"},
      {"FieldSeparatorIsTheRecordSeparatorTwice", "", "", "2~~R~~A~~5~~d~~S2~", "~~", "~",
       e + "has 1 fields; a payment needs 6", kStoredRows, "10.00 / 240.00"},
      {"EmptyFieldSeparator", "", "", "", "", "|", "WritePaymentData: the field separator is empty",
       kStoredRows, "10.00 / 240.00"},
      // Only spaces make a text blank: a tab is a type list with no record, and starts over.
      {"TabAsTypesStartsOver", "", "\t", "", "~", "|", "", {}, "0.00 / 250.00"},
      {"AmountBeyondADouble", "", "", "2~R~A~1e309~d~S2|", "~", "|",
       e + "amount '1e309' is not a number", kStoredRows, "10.00 / 240.00"},
      {"NegativeZeroAmount",
       "",
       "",
       "2~R~A~-0~d~S2|",
       "~",
       "|",
       "",
       {kStoredRows[0], "Check|R|A|0.00|d|S2|"},
       "10.00 / 240.00"},
      {"NaNAmount", "", "", "2~R~A~NaN~d~S2|", "~", "|", e + "amount 'NaN' is not a number",
       kStoredRows, "10.00 / 240.00"},
      {"InfinityAmount", "", "", "2~R~A~Infinity~d~S2|", "~", "|",
       e + "amount 'Infinity' is not a number", kStoredRows, "10.00 / 240.00"},
      {"HexAmount", "", "", "2~R~A~0x10~d~S2|", "~", "|", e + "amount '0x10' is not a number",
       kStoredRows, "10.00 / 240.00"},
      {"ThousandsSeparatorsAnywhereBetweenDigits",
       "",
       "",
       "2~R~A~1,2,3~d~S2|",
       "~",
       "|",
       "",
       {kStoredRows[0], "Check|R|A|123.00|d|S2|"},
       "133.00 / 117.00"},
      {"ArabicIndicDigits", "", "", "2~R~A~\u0661\u0662~d~S2|", "~", "|",
       e + "amount '\u0661\u0662' is not a number", kStoredRows, "10.00 / 240.00"},
      {"TypePositionMinusOne", "", "", "-1~R~A~1~d~S2|", "~", "|",
       e + "payment type '-1' names no payment type", kStoredRows, "10.00 / 240.00"},
      {"TypePositionOneAndAHalf", "", "", "1.5~R~A~1~d~S2|", "~", "|",
       e + "payment type '1.5' is not a whole number", kStoredRows, "10.00 / 240.00"},
      {"TypePositionWithALeadingSpace",
       "",
       "",
       " 2~R~A~1~d~S2|",
       "~",
       "|",
       "",
       {kStoredRows[0], "Check|R|A|1.00|d|S2|"},
       "11.00 / 239.00"},
      {"TypePositionBeyondTheTable", "", "", "6~R~A~1~d~S2|", "~", "|",
       e + "payment type '6' names no payment type", kStoredRows, "10.00 / 240.00"},
      {"TypePositionOf16BitOverflow", "", "", "32768~R~A~1~d~S2|", "~", "|",
       e + "payment type '32768' names no payment type", kStoredRows, "10.00 / 240.00"},
      // The largest doubles write as 1.79769313486232e308, beyond the range of a double.
      {"AmountWhoseTextReadsBeyondADouble", "", "", "2~R~A~1.7976931348623157e308~d~S2|", "~", "|",
       e + "amount '1.7976931348623157e308' is too large", kStoredRows, "10.00 / 240.00"},
      // Each payment counts at the amount its row shows: 0.01 and -0.01, not 0.005 - 0.005.
      {"HalfCentsCountAsTheirRowsShowThem",
       "",
       "",
       "2~R~A~0.005~d~S2|2~R~A~-0.005~d~S3|",
       "~",
       "|",
       "",
       {kStoredRows[0], "Check|R|A|0.01|d|S2|", "Check|R|A|-0.01|d|S3|"},
       "10.00 / 240.00"},
      {"DatesAreKeptAsGiven",
       "",
       "",
       "2~R~A~1~Feb 30, 2024~S2|2~R~A~1~Dec 06, 2061~S3|2~R~A~1~tomorrow~S4|",
       "~",
       "|",
       "",
       {kStoredRows[0], "Check|R|A|1.00|Feb 30, 2024|S2|", "Check|R|A|1.00|Dec 06, 2061|S3|",
        "Check|R|A|1.00|tomorrow|S4|"},
       "13.00 / 237.00"},
  };
  for (const LoadCase& c : cases) {
    LoadOrder(kStored);
    EXPECT_EQ(ErrorOf([&] { control.WritePaymentData(c.cards, c.types, c.payments, c.fs, c.rs); }),
              c.error)
        << c.name;
    EXPECT_EQ(Rows(), c.rows) << c.name;
    EXPECT_EQ(Totals(), c.totals) << c.name;
    if (!c.error.empty()) {
      EXPECT_EQ(control.Snapshot().field_separator, "~") << c.name;
      EXPECT_EQ(Entries(W::cboCreditCard), (std::vector<std::string>{"Visa", "Amex", "Diners"}))
          << c.name;
    }
  }
}

// At a rate below 1 an amount may fit a double here but not in the host's currency.
TEST_F(BadInputTest, WritePaymentDataRefusesAnAmountTheHostCouldNotReadBack) {
  LoadOrder(kStored, 1, 1, 0.5);
  EXPECT_EQ(ErrorOf([&] {
              control.WritePaymentData("", "", "2~R~A~1.7976931348623157e308~d~S2|", "~", "|");
            }),
            "WritePaymentData: payment record 1: amount '1.7976931348623157e308' is too large");
  EXPECT_THAT(Rows(), ElementsAre("Check|R|A|5.00|d|S1|"));
  control.WritePaymentData("", "", "2~R~A~1e308~d~S2|", "~", "|");
  EXPECT_THAT(Rows(),
              ElementsAre("Check|R|A|5.00|d|S1|", "Check|R|A|" + FormatAmount(5e307) + "|d|S2|"));
}

// --- The other host operations ---

TEST_F(BadInputTest, PaymentDetailsNumbersAndSixteenBitEnds) {
  const struct {
    const char* name;
    std::int16_t mode, country, order_type;
    double rate, ordered;
    std::string error;
    std::string screen;
  } cases[] = {
      {"InfiniteRate", 1, 0, 1, kInf, 250,
       "PaymentDetails: the conversion rate is not a finite number",
       "10.00 / 240.00 ynn '' New Payment/Edit focus none [Check|R|A|10.00|d|S1|]"},
      {"NaNRate", 1, 0, 1, kNaN, 250, "PaymentDetails: the conversion rate is not a finite number",
       "10.00 / 240.00 ynn '' New Payment/Edit focus none [Check|R|A|10.00|d|S1|]"},
      {"NaNOrdered", 1, 0, 1, 0, kNaN, "PaymentDetails: the ordered amount is not a finite number",
       "10.00 / 240.00 ynn '' New Payment/Edit focus none [Check|R|A|10.00|d|S1|]"},
      {"NegativeZeroOrdered", 1, 0, 1, -0.0, -0.0, "",
       "10.00 / -10.00 yyy '' New Payment/Edit focus none [Check|R|A|10.00|d|S1|]"},
      {"LowestSixteenBit", -32768, -32768, -32768, 0, 250, "",
       "10.00 / 240.00 ynn '' New Payment/Edit focus none [Check|R|A|10.00|d|S1|]"},
      {"HighestSixteenBit", 32767, 32767, 32767, 0, 250, "",
       "10.00 / 240.00 ynn '' New Payment/Edit focus none [Check|R|A|10.00|d|S1|]"},
      {"OrderedAmountWhoseTextReadsBeyondADouble", 1, 0, 1, 0, kMax,
       "PaymentDetails: the ordered amount is too large",
       "10.00 / 240.00 ynn '' New Payment/Edit focus none [Check|R|A|10.00|d|S1|]"},
      {"LargestOrderedAmountThatReadsBack", 1, 0, 1, 0, 1.79769313486231e308, "",
       "10.00 / " + FormatAmount(1.79769313486231e308 - 10) +
           " yyy '' New Payment/Edit focus none [Check|R|A|10.00|d|S1|]"},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    EXPECT_EQ(ErrorOf([&] {
                control.PaymentDetails(c.mode, c.country, c.order_type, c.rate, c.ordered, "");
              }),
              c.error)
        << c.name;
    EXPECT_EQ(Screen(), c.screen) << c.name;
  }
  control.PaymentDetails(-32768, 32767, -32768, 0, 0, "");
  EXPECT_EQ(control.OrderType(), -32768);
  EXPECT_EQ(control.Snapshot().mode, -32768);
}

TEST_F(BadInputTest, DispatchArgumentsAtTheSixteenBitEnds) {
  auto details = [&](const Variant& mode) {
    std::vector<Variant> args{mode, std::int16_t{0}, std::int16_t{1}, 0.0, 250.0, std::string()};
    return ErrorOf([&] { Invoke(control, 0x60030015, args); });
  };
  const struct {
    Variant mode;
    std::string error;
  } cases[] = {
      {std::int16_t{-32768}, ""},
      {std::int16_t{32767}, ""},
      {32767.0, "dispatch: type mismatch: PaymentDetails: argument 1 must be a 16-bit integer"},
      {32768.0, "dispatch: PaymentDetails: argument 1 overflows a 16-bit integer"},
      {-32769.0, "dispatch: PaymentDetails: argument 1 overflows a 16-bit integer"},
      {1.5, "dispatch: type mismatch: PaymentDetails: argument 1 must be a 16-bit integer"},
      {kInf, "dispatch: PaymentDetails: argument 1 overflows a 16-bit integer"},
      {kNaN, "dispatch: type mismatch: PaymentDetails: argument 1 must be a 16-bit integer"},
      {std::string("1"),
       "dispatch: type mismatch: PaymentDetails: argument 1 must be a 16-bit integer"},
  };
  for (const auto& c : cases) EXPECT_EQ(details(c.mode), c.error) << c.error;
}

TEST_F(BadInputTest, OrderedAmount) {
  const struct {
    double amount;
    std::string error;
    std::string totals;
  } cases[] = {
      {kInf, "OrderedAmount: the amount is not a finite number", "10.00 / 240.00"},
      {-kInf, "OrderedAmount: the amount is not a finite number", "10.00 / 240.00"},
      {kNaN, "OrderedAmount: the amount is not a finite number", "10.00 / 240.00"},
      {-0.0, "", "10.00 / -10.00"},
      {0.005, "", "10.00 / -9.99"},
      {1e15, "", "10.00 / 999999999999990.00"},
      {kMax, "OrderedAmount: the amount is too large", "10.00 / 240.00"},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    EXPECT_EQ(ErrorOf([&] { control.OrderedAmount(c.amount); }), c.error) << c.amount;
    EXPECT_EQ(Totals(), c.totals) << c.amount;
  }
}

TEST_F(BadInputTest, LookupsByHostileNames) {
  control.WritePaymentData("",
                           "32768~Over~1|-32769~Under~1|-32768~Lowest~-0|32767~Highest~NaN|"
                           "1.5~Half~1e309|0x10~Hex~TRUE|\u0661~Arabic~Infinity|",
                           "", "~", "|");
  const struct {
    std::string name;
    std::int16_t id;
    bool non_selectable;
  } cases[] = {
      {"Over", 0, true},         {"Under", 0, true}, {"Lowest", -32768, false},
      {"Highest", 32767, false}, {"Half", 2, false}, {"Hex", 0, true},
      {"Arabic", 0, false},      {k10MB, 0, false},  {std::string("Over\0", 5), 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(control.GetPaymentID(c.name), c.id) << c.name.substr(0, 20);
    EXPECT_EQ(control.GetNonSelectableID(c.name), c.non_selectable) << c.name.substr(0, 20);
  }
}

TEST_F(BadInputTest, EnableNewPaymentAndTotalThroughDispatch) {
  const struct {
    std::int32_t dispid;
    std::vector<Variant> args;
    std::string error;
  } cases[] = {
      {0x60030047,
       {std::int16_t{1}},
       "dispatch: type mismatch: EnableNewPayment: argument 1 must be a boolean"},
      {0x60030047,
       {std::string("True")},
       "dispatch: type mismatch: EnableNewPayment: argument 1 must be a boolean"},
      {0x60030016, {Variant{}}, "dispatch: TotalAmount: takes 0 arguments, not 1"},
      {0x60030029,
       {std::string("1e309")},
       "dispatch: type mismatch: OrderedAmount: argument 1 must be a double"},
      {0x60030006, {std::string(k10MB)}, ""},
  };
  for (auto c : cases) {
    EXPECT_EQ(ErrorOf([&] { Invoke(control, c.dispid, c.args); }), c.error) << c.error;
  }
  EXPECT_EQ(Buttons(), "ynn");
  EXPECT_EQ(control.TotalAmount(), 10);
}

// --- Operator actions ---

struct ActionCase {
  const char* name;
  std::function<void(headless::Operator&)> act;
  std::string error;  // "" when the action is taken
};

TEST_F(BadInputTest, OperatorActionsOnAnIdleScreen) {
  const std::string nul(1, '\0');
  const ActionCase cases[] = {
      {"ClickADisabledButton", [](auto& o) { o.Click(W::cmdEdit); },
       "refused: cmdEdit is disabled"},
      {"ClickALabel", [](auto& o) { o.Click(W::lblAmount); },
       "refused: lblAmount is not a command button"},
      {"ClickRowMinusOne", [](auto& o) { o.ClickRow(W::lstPayment, -1); },
       "refused: lstPayment has no row -1"},
      {"ClickRowPastTheEnd", [](auto& o) { o.ClickRow(W::lstPayment, 1); },
       "refused: lstPayment has no row 1"},
      {"ClickRowOfAButton", [](auto& o) { o.ClickRow(W::cmdAdd, 0); },
       "refused: cmdAdd is not a list view"},
      {"KeyBelowZero", [](auto& o) { o.Key(W::lstPayment, -1); }, "refused: key code -1"},
      {"KeyAbove255", [](auto& o) { o.Key(W::lstPayment, 256); }, "refused: key code 256"},
      {"FocusTheFrame", [](auto& o) { o.Focus(W::Framain); },
       "refused: Framain cannot take the focus"},
      {"FocusTheHiddenPicker", [](auto& o) { o.Focus(W::DTPckrPaymentDate); },
       "refused: DTPckrPaymentDate is hidden"},
      {"FocusTheDisabledCardList", [](auto& o) { o.Focus(W::cboCreditCard); },
       "refused: cboCreditCard is disabled"},
      {"TypeANulByte", [&](auto& o) { o.Type(W::txtReference, "12" + nul + "3"); },
       "refused: only characters of codes 1 to 255 can be typed"},
      {"TypeMalformedUtf8", [](auto& o) { o.Type(W::txtReference, "\xff"); },
       "refused: only characters of codes 1 to 255 can be typed"},
      {"TypeTenMegabytesEndingInAEuro", [](auto& o) { o.Type(W::txtReference, k10MB + "\u20ac"); },
       "refused: only characters of codes 1 to 255 can be typed"},
      {"TypeIntoAComboBox", [](auto& o) { o.Type(W::cboPaymentType, "1"); },
       "refused: cboPaymentType is not a text box"},
      {"SelectInAList", [](auto& o) { o.Select(W::lstPayment, 0, 1); },
       "refused: lstPayment is not a text box"},
      {"ChooseInTheClosedTypeList", [](auto& o) { o.Choose(W::cboPaymentType, "Check"); },
       "refused: cboPaymentType is disabled"},
      {"PickOnTheHiddenPicker", [](auto& o) { o.Pick(W::DTPckrPaymentDate, kToday); },
       "refused: DTPckrPaymentDate is hidden"},
  };
  const std::string before = Screen();
  for (const ActionCase& c : cases) {
    EXPECT_EQ(ErrorOf([&] { c.act(op); }), c.error) << c.name;
    EXPECT_EQ(Screen(), before) << c.name;
    EXPECT_EQ(Text(W::txtReference), "") << c.name;
  }
}

TEST_F(BadInputTest, OperatorActionsWhileAdding) {
  using std::chrono::year;
  const std::string long_reference = Repeat("aB3", 66'667);
  const struct {
    const char* name;
    std::function<void(headless::Operator&)> act;
    std::string error;
    std::string reference, amount;  // the two boxes afterwards
    int beeps;
  } cases[] = {
      {"TypeLatinOneIntoTheReference", [](auto& o) { o.Type(W::txtReference, "A\u00e9\tb"); }, "",
       "Ab", "0.00", 2},
      {"TypeTenMegabytesOfLettersIntoTheAmount", [](auto& o) { o.Type(W::txtAmount, k10MB); }, "",
       "", "0.00", 0},
      {"TypeASecondPoint", [](auto& o) { o.Type(W::txtAmount, "1.2.3"); }, "", "", "1.23", 0},
      {"TypeDigitsOfOtherScripts", [](auto& o) { o.Type(W::txtAmount, "\u0661\u0662"); },
       "refused: only characters of codes 1 to 255 can be typed", "", "0.00", 0},
      {"SelectFromANegativeStart", [](auto& o) { o.Select(W::txtAmount, -5, -5); }, "", "", "0.00",
       0},
      {"SelectPastTheEnd",
       [](auto& o) {
         o.Select(W::txtAmount, std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
       },
       "", "", "0.00", 0},
      {"ChooseATypeNotOffered", [](auto& o) { o.Choose(W::cboPaymentType, "Cash"); },
       "refused: cboPaymentType has no entry 'Cash'", "", "0.00", 0},
      {"ChooseATenMegabyteType", [](auto& o) { o.Choose(W::cboPaymentType, k10MB); },
       "refused: cboPaymentType has no entry '" + k10MB + "'", "", "0.00", 0},
      {"ClickARowOfTheClosedList", [](auto& o) { o.ClickRow(W::lstPayment, 0); },
       "refused: lstPayment is disabled", "", "0.00", 0},
      {"PickTheLastDate", [](auto& o) { o.Pick(W::DTPckrPaymentDate, year{2060} / 12 / 31); }, "",
       "", "0.00", 0},
      {"PickTheFirstDate", [](auto& o) { o.Pick(W::DTPckrPaymentDate, year{1900} / 1 / 1); }, "",
       "", "0.00", 0},
      {"PickAfterTheRange", [](auto& o) { o.Pick(W::DTPckrPaymentDate, year{2061} / 12 / 6); },
       "refused: DTPckrPaymentDate accepts dates from 1900-01-01 to 2060-12-31", "", "0.00", 0},
      {"PickBeforeTheRange", [](auto& o) { o.Pick(W::DTPckrPaymentDate, year{1899} / 12 / 31); },
       "refused: DTPckrPaymentDate accepts dates from 1900-01-01 to 2060-12-31", "", "0.00", 0},
      {"PickFebruaryThirtieth", [](auto& o) { o.Pick(W::DTPckrPaymentDate, year{2024} / 2 / 30); },
       "refused: DTPckrPaymentDate accepts dates from 1900-01-01 to 2060-12-31", "", "0.00", 0},
      // Key by key, each key edits the text where it stands: a long text is typed at once.
      {"TypeTwoHundredThousandCharactersIntoTheReference",
       [&](auto& o) { o.Type(W::txtReference, long_reference); }, "", long_reference, "0.00", 0},
      // Selection, caret and backspace count characters, also where one takes two bytes.
      {"EditBetweenTwoByteCharacters",
       [&](auto& o) {
         screen.text_box(W::txtReference).SetText("\u00e9\u00e9\u00e9\u00e9");
         o.Select(W::txtReference, 1, 2);
         o.Type(W::txtReference, "x");  // \u00e9x\u00e9, the caret after the x
         o.Select(W::txtReference, 1, 0);
         o.Type(W::txtReference, "\by");  // the first \u00e9 goes, y comes in its place
         o.Select(W::txtReference, 3, 0);
         o.Type(W::txtReference, "\b\bz");
       },
       "", "yz", "0.00", 0},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    op.Click(W::cmdAdd);
    screen.TakeBeeps();
    EXPECT_EQ(ErrorOf([&] { c.act(op); }), c.error) << c.name;
    op.Focus(W::txtAuthorization);  // leaving the amount writes it with two decimals
    EXPECT_EQ(Text(W::txtReference), c.reference) << c.name;
    EXPECT_EQ(Text(W::txtAmount), c.amount) << c.name;
    EXPECT_EQ(screen.TakeBeeps(), c.beeps) << c.name;
    EXPECT_EQ(control.Snapshot().entry, EntryKind::kAdding) << c.name;
    EXPECT_EQ(Rows(), kStoredRows) << c.name;
  }
}

// The order date New Payment gives the picker, and the date a save writes. An order date
// the picker cannot take gives way to today's date, which the picker shows at start-up: the
// entry opens as for any other date, and the date box shows the picker's date.
TEST_F(BadInputTest, OrderDatesNewPaymentPutsIntoThePicker) {
  using std::chrono::year;
  const struct {
    std::string order_date;
    Corvane::Date picker;
    std::string date_box;  // txtPaymentDate while the entry is open
  } cases[] = {
      {"Dec 31, 2060", year{2060} / 12 / 31, "Dec 31, 2060"},
      {"Jan 01, 1900", year{1900} / 1 / 1, "Jan 01, 1900"},
      {"Feb 29, 2024", year{2024} / 2 / 29, "Feb 29, 2024"},
      {"Feb 30, 2024", kToday, "Dec 06, 2026"},
      {"Dec 06, 2061", kToday, "Dec 06, 2026"},
      {"", kToday, "Dec 06, 2026"},
      {"tomorrow", kToday, "Dec 06, 2026"},
      {k10MB, kToday, "Dec 06, 2026"},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    control.PaymentDetails(1, 0, 1, 0, 250, c.order_date);
    // Not today, as an earlier entry may leave the picker.
    screen.date_picker(W::DTPckrPaymentDate).SetValue(year{2000} / 1 / 1);
    op.Click(W::cmdAdd);
    const std::string name = c.order_date.substr(0, 20);
    EXPECT_EQ(State(), "'Add' Save/Cancel focus txtReference") << name;
    EXPECT_EQ(screen.date_picker(W::DTPckrPaymentDate).Value(), c.picker) << name;
    EXPECT_EQ(Text(W::txtPaymentDate), c.date_box) << name;
    EXPECT_TRUE(screen.widget(W::cboPaymentType).Enabled()) << name;
    op.Type(W::txtReference, "R");
    op.Type(W::txtAmount, "5");
    op.Click(W::cmdAdd);
    EXPECT_EQ(Row(1), "Check|R||5.00|" + FormatPaymentDate(c.picker) + "||N") << name;
  }
}

// After an order date the picker cannot take, the operator chooses the type and the date as
// in any entry; the payment reaches the host complete.
TEST_F(BadInputTest, AnUnreadableOrderDateStillSavesACompletePayment) {
  using std::chrono::year;
  control.PaymentDetails(1, 0, 1, 0, 250, "tomorrow");
  op.Click(W::cmdAdd);
  op.Choose(W::cboPaymentType, "Wire");
  op.Type(W::txtReference, "R");
  op.Type(W::txtAmount, "5");
  op.Click(W::cmdAdd);
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "T");
  op.Type(W::txtAmount, "6");
  op.Pick(W::DTPckrPaymentDate, year{2027} / 1 / 2);
  op.Click(W::cmdAdd);
  EXPECT_THAT(Messages(), IsEmpty());
  EXPECT_THAT(Rows(), ElementsAre(kStoredRows[0], "Wire|R||5.00|Dec 06, 2026||N",
                                  "Check|T||6.00|Jan 02, 2027||N"));
  EXPECT_EQ(control.ReadPaymentData(), "Dec 06, 2026~5~R~~5~~N|Jan 02, 2027~2~T~~6~~N|");
}

// An edit of a payment whose stored date the picker cannot take shows today in the picker
// and goes on as any edit; the save keeps the stored date unless the operator picked
// another. The picker cannot tell a pick of the date it shows from no pick: that keeps the
// stored date too.
TEST_F(BadInputTest, EditOfAnUnreadableDateKeepsItUnlessAnotherIsPicked) {
  using std::chrono::year;
  const struct {
    const char* name;
    std::optional<Corvane::Date> pick;
    bool kept;
  } picks[] = {
      {"NoPick", std::nullopt, true},
      {"PickAnotherDate", year{2025} / 3 / 4, false},
      {"PickTheDateShown", kToday, true},
  };
  for (const std::string date : {"Dec 06, 2061", "d", "Feb 30, 2024", "2061-01-01"}) {
    for (const auto& p : picks) {
      LoadOrder("2~R~A~10~" + date + "~S1|");
      op.ClickRow(W::lstPayment, 0);
      op.Click(W::cmdEdit);
      EXPECT_EQ(State(), "'Edit' Save/Cancel focus cboPaymentType") << date << p.name;
      EXPECT_EQ(screen.date_picker(W::DTPckrPaymentDate).Value(), kToday) << date << p.name;
      EXPECT_EQ(Text(W::txtPaymentDate), date) << date << p.name;
      op.Type(W::txtAmount, "12");
      if (p.pick) op.Pick(W::DTPckrPaymentDate, *p.pick);
      op.Click(W::cmdAdd);
      const std::string saved = p.kept ? date : FormatPaymentDate(*p.pick);
      EXPECT_EQ(Row(0), "Check|R|A|12.00|" + saved + "|S1|U") << date << p.name;
      EXPECT_EQ(control.ReadPaymentData(), saved + "~2~R~A~12~S1~U|") << date << p.name;
    }
  }
}

// What an edit of such a payment keeps does not outlive it: a cancel and the next edit of a
// readable date save the picker's date in its own form.
TEST_F(BadInputTest, AKeptDateEndsWithItsEdit) {
  LoadOrder("2~R~A~10~d~S1|2~R~A~20~2026-12-06~S2|");
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  op.Click(W::cmdEdit);  // Cancel
  op.ClickRow(W::lstPayment, 1);
  op.Click(W::cmdEdit);
  op.Click(W::cmdAdd);
  EXPECT_THAT(Rows(), ElementsAre("Check|R|A|10.00|d|S1|", "Check|R|A|20.00|Dec 06, 2026|S2|U"));
}

// From 1e13 on a total no longer holds its cents, so a delete or undelete sums the payments
// that stay afresh rather than taking the amount off the total shown: the rows left add up
// to what the total shows, and the balance follows.
TEST_F(BadInputTest, DeleteOfAHugePaymentLeavesTheTotalOfTheRowsLeft) {
  for (const std::string sequence : {"S1", ""}) {  // stored: marked deleted; new: removed
    LoadOrder("2~R~A~1e13~d~" + sequence + "|2~R~A~0.01~d~S2|", 1, 3);
    const std::string loaded = Totals();
    op.ClickRow(W::lstPayment, 0);
    screen.QueueAnswer(kAnswerYes);
    op.Click(W::cmdDelete);
    EXPECT_EQ(Totals(), "0.01 / 249.99") << sequence;
    EXPECT_EQ(control.TotalAmount(), 0.01) << sequence;
    if (sequence.empty()) {
      EXPECT_THAT(Rows(), ElementsAre("Check|R|A|0.01|d|S2|"));
      continue;
    }
    screen.QueueAnswer(kAnswerYes);
    op.Click(W::cmdDelete);  // Undelete
    EXPECT_EQ(Totals(), loaded);
  }
}

// A delete or undelete whose total would go beyond a double changes nothing, once asked.
TEST_F(BadInputTest, ADeleteOrUndeleteWhoseTotalWouldOverflowChangesNothing) {
  LoadOrder("2~R~A~1e308~d~S1|2~R~A~-1e308~d~S2|2~R~A~1e308~d~S3|", 1, 3);
  const std::string totals_before = Totals();
  const std::vector<std::string> rows_before = Rows();
  op.ClickRow(W::lstPayment, 1);
  screen.QueueAnswer(kAnswerYes);
  op.Click(W::cmdDelete);
  EXPECT_EQ(Totals(), totals_before);
  EXPECT_EQ(Rows(), rows_before);
  EXPECT_EQ(Caption(W::cmdDelete), "Delete");
  EXPECT_THAT(Messages(),
              ElementsAre("Do you want to delete the selected payment record [Payment] 36"));

  LoadOrder("2~R~A~1e308~d~S1|", 1, 3);
  op.ClickRow(W::lstPayment, 0);
  screen.QueueAnswer(kAnswerYes);
  op.Click(W::cmdDelete);
  Add("R", "1" + std::string(308, '0'));  // the deleted payment does not count
  op.ClickRow(W::lstPayment, 0);
  const std::string totals_deleted = Totals();
  const std::vector<std::string> rows_deleted = Rows();
  ASSERT_EQ(rows_deleted.size(), 2u);
  Messages();
  screen.QueueAnswer(kAnswerYes);
  op.Click(W::cmdDelete);  // Undelete
  EXPECT_EQ(Totals(), totals_deleted);
  EXPECT_EQ(Rows(), rows_deleted);
  EXPECT_EQ(Caption(W::cmdDelete), "Undelete");
  EXPECT_EQ(screen.list_view(W::lstPayment).ForeColor(0), kRed);
  EXPECT_THAT(Messages(),
              ElementsAre("Do you want to Undelete the selected payment record [Payment] 36"));
}

// Card names are split on the record separator only, so a card may hold the field separator;
// chosen, it would become the reference and cut its change record in two. The load refuses
// such a card, and changes nothing.
TEST_F(BadInputTest, ACardHoldingTheFieldSeparatorIsRefusedByTheLoad) {
  control.PaymentDetails(1, 0, 1, 0, 250, "Dec 01, 2026");
  control.WritePaymentData("Visa|", "0~Cash~0|1~On Account~0|8~Card~0|", "", "~", "|");
  EXPECT_EQ(ErrorOf([&] { control.WritePaymentData("Amex|Vi~sa|", "0~Cash~0|", "", "~", "|"); }),
            "WritePaymentData: credit card 2 'Vi~sa' holds the field separator");
  EXPECT_EQ(screen.combo_box(W::cboCreditCard).ListCount(), 1);
  // The same name is fine where "~" separates nothing; the last piece is no card at all.
  control.WritePaymentData("Vi~sa|Mc~x", "0#Cash#0|8#Card#0|", "", "#", "|");
  EXPECT_EQ(screen.combo_box(W::cboCreditCard).ListCount(), 1);
}

// At a rate below 1 an amount may be finite on screen but not in the host's currency: a
// save refuses it as it refuses an amount too large to total, and the change list keeps
// working. One digit fewer is taken and reaches the host.
TEST_F(BadInputTest, AnAmountTheHostsCurrencyCannotHoldIsRefused) {
  LoadOrder(kStored, 1, 3, 0.5);
  Add("R", std::string(308, '9'));
  EXPECT_THAT(Messages(), ElementsAre("Please enter the Payment Amount [ Corvane] 64"));
  EXPECT_EQ(State(), "'Add' Save/Cancel focus txtAmount");
  EXPECT_THAT(Rows(), ElementsAre("Check|R|A|5.00|d|S1|"));
  EXPECT_THAT(totals, IsEmpty());
  EXPECT_EQ(ErrorOf([&] { control.ReadPaymentData(); }), "");
  op.Type(W::txtAmount, std::string(307, '9'));  // the focus selects the whole amount
  op.Click(W::cmdAdd);
  EXPECT_THAT(Messages(), IsEmpty());
  EXPECT_EQ(control.ReadPaymentData(), "Dec 01, 2026~2~R~~2E+307~~N|");
}

// --- The host's AmountTotal handler calls back into the control in the middle of a save ---

TEST_F(BadInputTest, AmountTotalHandlerCallsEveryHostOperation) {
  const struct {
    const char* name;
    std::function<std::string(Corvane&)> call;  // what the handler saw
    std::string seen;
    std::string screen;  // after the save
  } cases[] = {
      {"GetPaymentID", [](Corvane& c) { return std::to_string(c.GetPaymentID("Check")); }, "2",
       "15.00 / 235.00 yyy '' New Payment/Edit focus lstPayment [Check|R|A|10.00|d|S1|]"
       " [Check|N1||5.00|Dec 01, 2026||N]"},
      {"GetNonSelectableID",
       [](Corvane& c) { return std::to_string(c.GetNonSelectableID("Check")); }, "0",
       "15.00 / 235.00 yyy '' New Payment/Edit focus lstPayment [Check|R|A|10.00|d|S1|]"
       " [Check|N1||5.00|Dec 01, 2026||N]"},
      {"ReadPaymentData", [](Corvane& c) { return c.ReadPaymentData(); },
       "Dec 01, 2026~2~N1~~5~~N|",
       "15.00 / 235.00 yyy '' New Payment/Edit focus lstPayment [Check|R|A|10.00|d|S1|]"
       " [Check|N1||5.00|Dec 01, 2026||N]"},
      {"TotalAmount", [](Corvane& c) { return std::to_string(c.TotalAmount()); }, "15.000000",
       "15.00 / 235.00 yyy '' New Payment/Edit focus lstPayment [Check|R|A|10.00|d|S1|]"
       " [Check|N1||5.00|Dec 01, 2026||N]"},
      {"OrderType", [](Corvane& c) { return std::to_string(c.OrderType()); }, "1",
       "15.00 / 235.00 yyy '' New Payment/Edit focus lstPayment [Check|R|A|10.00|d|S1|]"
       " [Check|N1||5.00|Dec 01, 2026||N]"},
      {"OrderedAmount",
       [](Corvane& c) {
         c.OrderedAmount(20);
         return "";
       },
       "",
       "15.00 / 5.00 yyy '' New Payment/Edit focus lstPayment [Check|R|A|10.00|d|S1|]"
       " [Check|N1||5.00|Dec 01, 2026||N]"},
      {"PaymentDetailsModeZero",
       [](Corvane& c) {
         c.PaymentDetails(0, 0, 1, 0, 100, "");
         return "";
       },
       "",
       "15.00 / 85.00 nnn '' New Payment/Edit focus lstPayment [Check|R|A|10.00|d|S1|]"
       " [Check|N1||5.00|Dec 01, 2026||N]"},
      {"EnableNewPaymentOff",
       [](Corvane& c) {
         c.EnableNewPayment(false);
         return "";
       },
       "",
       "15.00 / 235.00 nyy '' New Payment/Edit focus lstPayment [Check|R|A|10.00|d|S1|]"
       " [Check|N1||5.00|Dec 01, 2026||N]"},
      {"WritePaymentDataWithTypes",
       [](Corvane& c) {
         c.WritePaymentData("", kTypes, "2~x~~1~d~S9|", "~", "|");
         return "";
       },
       "", "1.00 / 249.00 ynn '' New Payment/Edit focus lstPayment [Check|x||1.00|d|S9|]"},
      {"WritePaymentDataPaymentsOnly",
       [](Corvane& c) {
         c.WritePaymentData("", "", "2~x~~1~d~S9|", "~", "|");
         return "";
       },
       "",
       "16.00 / 234.00 yyy '' New Payment/Edit focus lstPayment [Check|R|A|10.00|d|S1|]"
       " [Check|N1||5.00|Dec 01, 2026||N] [Check|x||1.00|d|S9|]"},
      {"WritePaymentDataRefused",
       [](Corvane& c) {
         try {
           c.WritePaymentData("", "", "2~x~~abc~d~S9|", "~", "|");
         } catch (const HostError& e) {
           return std::string(e.what());
         }
         return std::string();
       },
       "WritePaymentData: payment record 1: amount 'abc' is not a number",
       "15.00 / 235.00 yyy '' New Payment/Edit focus lstPayment [Check|R|A|10.00|d|S1|]"
       " [Check|N1||5.00|Dec 01, 2026||N]"},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    totals.clear();
    std::string seen = "(not called)";
    const int key = control.SubscribeAmountTotal([&](double) { seen = c.call(control); });
    Add("N1", "5");
    control.UnsubscribeAmountTotal(key);
    EXPECT_EQ(seen, c.seen) << c.name;
    EXPECT_EQ(Screen(), c.screen) << c.name;
    EXPECT_THAT(totals, ElementsAre(15)) << c.name;
    EXPECT_THAT(Messages(), IsEmpty()) << c.name;
  }
}

}  // namespace
}  // namespace corvane::testing

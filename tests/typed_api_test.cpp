// The typed operations: an order loaded as values, the operator's work read back as values,
// exact totals in every currency, the same all-or-nothing refusals as the delimited load,
// and fields that hold the separators, which values carry and the delimited change list
// refuses.
#include <string>
#include <vector>

#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

const std::vector<PaymentTypeInfo> kTypeValues = {
    {0, "Cash", false},    {1, "On Account", false}, {2, "Check", false},
    {3, "Voucher", false}, {4, "Gift", true},        {8, "Credit Card", false},
};

PaymentInfo Paid(std::int16_t type_id, std::string reference, Money amount, std::string sequence) {
  return {type_id, std::move(reference), "A", amount, "Nov 28, 2026", std::move(sequence)};
}

class TypedApiTest : public ControlTest {
 protected:
  // The context (order of 250, rate `rate`), then the types above and `payments`.
  void LoadValues(const std::vector<PaymentInfo>& payments, double rate = 0) {
    control.PaymentDetails(1, 44, 1, rate, 250, "Dec 01, 2026");
    control.LoadPayments({"Visa", "Amex"}, kTypeValues, payments);
  }
  // Everything a refused load must leave as it was.
  std::string Everything() {
    const ControlSnapshot s = control.Snapshot();
    std::string out = Summary() + " cards:";
    for (const std::string& card : Entries(W::cboCreditCard)) out += card + ",";
    out += " types:";
    for (const std::string& type : Entries(W::cboPaymentType)) out += type + ",";
    out += " table:" + std::to_string(s.payment_types ? s.payment_types->size() : 0);
    return out + " separators:" + s.field_separator + s.record_separator;
  }
};

TEST_F(TypedApiTest, AnOrderLoadedAsValuesComesBackAsValuesAfterTheOperatorsWork) {
  LoadValues({Paid(2, "1001", Money(10000, 2), "501"),
              Paid(8, "4111 1111 1111 1111", Money(5025, 2), "502"),
              Paid(0, "", Money(2, 0), "503")});
  EXPECT_EQ(Listed(),
            "152.25 / 97.75 [Check|1001|A|100.00|Nov 28, 2026|501|] "
            "[Credit Card|4111 1111 1111 1111|A|50.25|Nov 28, 2026|502|] "
            "[Cash||A|2.00|Nov 28, 2026|503|]");
  EXPECT_EQ(Entries(W::cboCreditCard), (std::vector<std::string>{"Visa", "Amex"}));
  EXPECT_EQ(Entries(W::cboPaymentType),
            (std::vector<std::string>{"Check", "Credit Card", "On Account"}));
  EXPECT_TRUE(control.Changes().empty()) << "nothing changed yet";
  EXPECT_EQ(control.ExactTotal(), Money(15225, 2));
  EXPECT_EQ(control.ExactBalance(), Money(9775, 2));

  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  op.Select(W::txtAmount, 0, 6);
  op.Type(W::txtAmount, "90.1");
  op.Click(W::cmdAdd);
  screen.QueueAnswer(kAnswerYes);
  op.ClickRow(W::lstPayment, 2);
  op.Click(W::cmdDelete);
  AddPayment("2002", "0.3");

  EXPECT_EQ(control.Changes(),
            (std::vector<PaymentChange>{
                {ChangeMark::kUpdated, Paid(2, "1001", Money(9010, 2), "501")},
                {ChangeMark::kDeleted, Paid(0, "", Money(200, 2), "503")},
                {ChangeMark::kNew, {2, "2002", "", Money(30, 2), "Dec 01, 2026", ""}},
            }));
  EXPECT_EQ(control.ExactTotal(), Money(14065, 2));
  EXPECT_EQ(control.TotalAmount(), 140.65);
  EXPECT_EQ(control.ExactBalance(), Money(10935, 2));
  // No field holds a separator: the delimited change list says the same, with "~" and "|"
  // as no WritePaymentData gave others.
  EXPECT_EQ(control.ReadPaymentData(),
            "Nov 28, 2026~2~1001~A~90.1~501~U|Nov 28, 2026~0~~A~2~503~D|"
            "Dec 01, 2026~2~2002~~0.3~~N|");
  EXPECT_EQ(control.Snapshot().field_separator, "") << "the values gave no separators";
}

TEST_F(TypedApiTest, WithoutAValuesLoadTheChangeListKeepsItsClassicEmptySeparators) {
  // A payment entered before any load: a host that loads nothing as values reads it back
  // as it always has, without separators.
  control.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "R1");
  op.Type(W::txtAmount, "10");
  op.Click(W::cmdAdd);
  EXPECT_EQ(control.ReadPaymentData(), "Dec 01, 2026R110N");
}

TEST_F(TypedApiTest, FieldsHoldingTheSeparatorsLoadAndComeBackWhole) {
  control.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  control.LoadPayments({"Visa~Gold|1", "Amex"}, {{2, "Check|Cheque", false}, {8, "Card~", false}},
                       {{2, "A~1|2", "x|y", Money(1000, 2), "Nov|28", "5~01"}});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Check|Cheque|A~1|2|x|y|10.00|Nov|28|5~01|"}));
  EXPECT_EQ(Entries(W::cboCreditCard), (std::vector<std::string>{"Visa~Gold|1", "Amex"}));

  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  op.Select(W::txtAmount, 0, 5);
  op.Type(W::txtAmount, "12");
  op.Click(W::cmdAdd);
  // A card chosen from the list becomes the reference, separators and all.
  op.Click(W::cmdAdd);  // the one type on offer, Card~, is chosen
  op.Choose(W::cboCreditCard, "Visa~Gold|1");
  op.Type(W::txtAuthorization, "B7");
  op.Type(W::txtAmount, "5");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Messages(), std::vector<std::string>{});

  EXPECT_EQ(control.Changes(),
            (std::vector<PaymentChange>{
                {ChangeMark::kUpdated, {2, "A~1|2", "x|y", Money(1200, 2), "Nov|28", "5~01"}},
                {ChangeMark::kNew, {8, "Visa~Gold|1", "B7", Money(500, 2), "Dec 01, 2026", ""}},
            }));
  EXPECT_EQ(ErrorOf([&] { control.ReadPaymentData(); }),
            "ReadPaymentData: payment row 1: payment date 'Nov|28' holds the record separator");
}

// The same checks as WritePaymentData, naming the payment and the field; a refused load
// leaves everything as it was: the list, the boxes, the combo boxes, the table.
TEST_F(TypedApiTest, RefusedLoadsNameThePaymentAndFieldAndChangeNothing) {
  const struct {
    const char* name;
    std::vector<PaymentTypeInfo> types;
    std::vector<PaymentInfo> payments;
    double rate;
    std::string error;
  } cases[] = {
      {"UnknownTypeId",
       kTypeValues,
       {Paid(2, "1", Money(100, 2), "S1"), Paid(9, "2", Money(100, 2), "S2")},
       0,
       "LoadPayments: payment 2: payment type 9 names no payment type"},
      {"TypesOfTheLoadOnly",
       {{5, "Wire", false}, {6, "Post", false}},
       {Paid(2, "1", Money(100, 2), "S1")},
       0,
       "LoadPayments: payment 1: payment type 2 names no payment type"},
      {"MoreDecimalsThanTheCurrency",
       kTypeValues,
       {Paid(2, "1", Money(12345, 3), "S1")},
       0,
       "LoadPayments: payment 1: amount '12.345' has 3 decimals; the currency has 2"},
      {"TooLargeAtTheRate",
       kTypeValues,
       {Paid(2, "1", Money(100, 2), "S1"), Paid(2, "2", Money(100, 0), "S2")},
       1e307,
       "LoadPayments: payment 2: amount '100' is too large"},
      {"TotalTooLarge",
       kTypeValues,
       {Paid(2, "1", Money(9'000'000'000'000'000'000, 2), "S1"),
        Paid(2, "2", Money(9'000'000'000'000'000'000, 2), "S2")},
       1.1e291,
       "LoadPayments: payment 2: the total of the payments is too large"},
  };
  for (const auto& c : cases) {
    LoadOrder("0~~~5~d~S0|");  // a stored payment of 5 the refused loads must leave alone
    control.PaymentDetails(1, 44, 1, c.rate, 250, "Dec 01, 2026");
    const std::string before = Everything();
    EXPECT_EQ(ErrorOf([&] { control.LoadPayments({"Other"}, c.types, c.payments); }), c.error)
        << c.name;
    EXPECT_EQ(Everything(), before) << c.name;
  }
}

TEST_F(TypedApiTest, PaymentsWithoutTypesAreAppendedToTheTableInForce) {
  control.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  EXPECT_EQ(ErrorOf([&] { control.LoadPayments({}, {}, {Paid(2, "1", Money(100, 2), "S1")}); }),
            "LoadPayments: payment 1: no payment types are loaded");
  // A delimited load's table: an ID is found by its number, a type without a name is passed
  // over, and the first type with the ID wins.
  control.WritePaymentData("", "0~Cash~0|7|7~Wire~0|2~Check~0|7~Post~0|", "3~R~~10~d~S1|", "~",
                           "|");
  control.LoadPayments({}, {}, {Paid(7, "W", Money(5, 0), "S2")});
  EXPECT_EQ(Listed(), "15.00 / 235.00 [Check|R||10.00|d|S1|] [Wire|W|A|5.00|Nov 28, 2026|S2|]");
  EXPECT_EQ(control.Snapshot().field_separator, "~") << "kept from the delimited load";
}

// Exact in the currency's minor units, whatever the decimals: sums of tenths that doubles
// cannot hold, yen, dinars, and a conversion rate.
TEST_F(TypedApiTest, TotalsAreExactInEveryCurrency) {
  const struct {
    const char* name;
    std::int16_t decimals;
    double rate;
    std::vector<Money> amounts;
    std::vector<std::string> shown;
    Money total, balance;
  } cases[] = {
      {"Cents",
       2,
       0,
       {Money(10, 2), Money(20, 2), Money(30, 2)},
       {"0.10", "0.20", "0.30"},
       Money(60, 2),
       Money(24940, 2)},
      {"Yen",
       0,
       0,
       {Money(1200, 0), Money(99, 0)},
       {"1200", "99"},
       Money(1299, 0),
       Money(-1049, 0)},
      {"Dinars",
       3,
       0,
       {Money(1, 3), Money(12345, 3), Money(7, 1)},
       {"0.001", "12.345", "0.700"},
       Money(13046, 3),
       Money(236954, 3)},
      {"DinarsAtARate",
       3,
       1.5,
       {Money(1, 3), Money(10, 2)},
       {"0.002", "0.150"},
       Money(152, 3),
       Money(249848, 3)},
      {"AtTheLimitOfExactTotals",
       2,
       0,
       {Money(999'999'999'999'999, 2), Money(-999'999'999'999'998, 2)},
       {"9999999999999.99", "-9999999999999.98"},
       Money(1, 2),
       Money(24999, 2)},
  };
  for (const auto& c : cases) {
    headless::Screen fresh_screen;
    Corvane fresh(fresh_screen);
    fresh.CurrencyDecimals(c.decimals);
    fresh.PaymentDetails(1, 44, 1, c.rate, 250, "Dec 01, 2026");
    std::vector<PaymentInfo> payments;
    for (const Money& amount : c.amounts) payments.push_back(Paid(2, "R", amount, "S"));
    fresh.LoadPayments({}, kTypeValues, payments);
    ListView& list = fresh_screen.list_view(W::lstPayment);
    std::vector<std::string> shown;
    for (int row = 0; row < list.Count(); ++row) shown.push_back(list.SubItem(row, 3));
    EXPECT_EQ(shown, c.shown) << c.name;
    EXPECT_EQ(fresh.ExactTotal(), c.total) << c.name;
    EXPECT_EQ(fresh.ExactBalance(), c.balance) << c.name;
    EXPECT_EQ(fresh.ExactTotal().Text(), fresh_screen.text_box(W::txtTotalAmount).Text()) << c.name;
  }
}

// A host whose separators are letters or digits gets a clear refusal where a field holds
// one, where it used to get a record cut in two.
TEST_F(TypedApiTest, ReadPaymentDataRefusesAFieldHoldingASeparatorOfTheLastLoad) {
  control.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  control.WritePaymentData("", "0xCashy1xOn Accounty2xChecky", "2xR1xx1xd1xS1y", "x", "y");
  AddPayment("Box7", "20");
  EXPECT_EQ(ErrorOf([&] { control.ReadPaymentData(); }),
            "ReadPaymentData: payment row 2: reference 'Box7' holds the field separator");
  EXPECT_EQ(control.Changes().size(), 1u) << "the values carry it";
  control.WritePaymentData("", "95Cash|15On Account|25Check|", "", "5", "|");
  AddPayment("R", "15");
  EXPECT_EQ(ErrorOf([&] { control.ReadPaymentData(); }),
            "ReadPaymentData: payment row 1: amount '15' holds the field separator");
}

}  // namespace
}  // namespace corvane::testing

// The payment date on the control: the order date a new payment starts from, the date the
// operator picks, and the dates the picker cannot take, from the host or from a stored
// payment.
#include <gmock/gmock.h>

#include <optional>
#include <string>

#include "readings/dates.h"
#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

using std::chrono::year;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

using PaymentDatesTest = ControlTest;

// The order date New Payment gives the picker, and the date a save writes. An order date
// the picker cannot take gives way to today's date, which the picker shows at start-up: the
// entry opens as for any other date, and the date box shows the picker's date.
TEST_F(PaymentDatesTest, OrderDatesNewPaymentPutsIntoThePicker) {
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
    EXPECT_TRUE(screen.widget(W::DTPckrPaymentDate).Visible()) << name;
    EXPECT_EQ(screen.date_picker(W::DTPckrPaymentDate).Value(), c.picker) << name;
    EXPECT_EQ(Look(W::txtPaymentDate), "'" + c.date_box + "' locked") << name;
    EXPECT_TRUE(screen.widget(W::cboPaymentType).Enabled()) << name;
    op.Type(W::txtReference, "R");
    op.Type(W::txtAmount, "5");
    op.Click(W::cmdAdd);
    EXPECT_THAT(Messages(), IsEmpty()) << name;
    EXPECT_EQ(Row(1), "Check|R||5.00|" + FormatPaymentDate(c.picker) + "||N") << name;
  }
}

// After an order date the picker cannot take, the operator chooses the type and the date as
// in any entry; the payment reaches the host complete, a picked date in its own form.
TEST_F(PaymentDatesTest, AnUnreadableOrderDateStillSavesACompletePayment) {
  LoadOrder(kStored);
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
TEST_F(PaymentDatesTest, EditOfAnUnreadableDateKeepsItUnlessAnotherIsPicked) {
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
TEST_F(PaymentDatesTest, AKeptDateEndsWithItsEdit) {
  LoadOrder("2~R~A~10~d~S1|2~R~A~20~2026-12-06~S2|");
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  op.Click(W::cmdEdit);  // Cancel
  op.ClickRow(W::lstPayment, 1);
  op.Click(W::cmdEdit);
  op.Click(W::cmdAdd);
  EXPECT_THAT(Rows(), ElementsAre("Check|R|A|10.00|d|S1|", "Check|R|A|20.00|Dec 06, 2026|S2|U"));
}

}  // namespace
}  // namespace corvane::testing

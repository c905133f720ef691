// The displayed currency as each toolkit shows it: the captions a code goes into, the boxes
// written with its decimals, and the operator's keys in the amount box.
#include <gtest/gtest.h>

#include <string>

#include "corvane/corvane.h"
#include "tests/toolkit_rig.h"

namespace corvane::testing {
namespace {

using namespace std::chrono;
using W = WidgetId;

constexpr year_month_day kToday = year{2026} / December / 6;

class CurrencyScreenTest : public ::testing::TestWithParam<std::string> {
 protected:
  // The captions that name the currency, and the amount column's header.
  std::string Captions() {
    std::string out;
    for (W id : {W::lblAmount, W::Label1, W::lblTotalAmountCaption, W::lblBalanceAmount}) {
      out += screen.label(id).Caption() + " | ";
    }
    return out + screen.list_view(W::lstPayment).Columns()[3].text;
  }
  // The ordered amount, total, balance and amount boxes.
  std::string Boxes() {
    std::string out;
    for (W id : {W::txtOrderedAmount, W::txtTotalAmount, W::txtBalanceAmount, W::txtAmount}) {
      out += screen.text_box(id).Text() + " ";
    }
    return out;
  }

  std::unique_ptr<ToolkitRig> rig = MakeRig(GetParam());
  Screen& screen = rig->screen();
  Operator& op = rig->op();
  Corvane control{screen, [] { return kToday; }};
};

TEST_P(CurrencyScreenTest, ACodeTakesThePlaceOfTheDollar) {
  const std::string classic =
      "Amount $: | Ordered Amount $: | Total Amount $: | Balance Amount $: | Amount ($)";
  control.PaymentDetails(1, 965, 1, 0, 100, "Dec 01, 2026");
  control.CurrencyDecimals(3);
  EXPECT_EQ(Captions(), classic) << "decimals alone keep the captions";
  EXPECT_EQ(Boxes(), "100.000 0.000 100.000 0.000 ");
  control.CurrencyCode("KWD");
  EXPECT_EQ(Captions(),
            "Amount KWD: | Ordered Amount KWD: | Total Amount KWD: | Balance Amount KWD: | "
            "Amount (KWD)");
  control.CurrencyCode("JPY");
  EXPECT_EQ(Captions(),
            "Amount JPY: | Ordered Amount JPY: | Total Amount JPY: | Balance Amount JPY: | "
            "Amount (JPY)");
  EXPECT_EQ(Boxes(), "100 0 100 0 ");
  control.CurrencyDecimals(2);  // decimals alone: the code goes
  EXPECT_EQ(Captions(), classic);
  EXPECT_EQ(Boxes(), "100.00 0.00 100.00 0.00 ");
}

TEST_P(CurrencyScreenTest, TheOperatorEntersYen) {
  control.CurrencyCode("JPY");
  control.PaymentDetails(1, 81, 1, 0, 5000, "Dec 01, 2026");
  control.WritePaymentData("", "0~Cash~0|1~On Account~0|2~Check~0|", "2~C1~~999.5~d~S1|", "~", "|");
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "1001");
  op.Type(W::txtAmount, "12.5");  // the point refused, without a sound
  EXPECT_EQ(screen.text_box(W::txtAmount).Text(), "125");
  op.Click(W::cmdAdd);
  const ListView& list = screen.list_view(W::lstPayment);
  EXPECT_EQ(list.SubItem(0, 3) + " " + list.SubItem(1, 3), "1000 125");
  EXPECT_EQ(Boxes(), "5000 1125 3875 125 ");
  EXPECT_EQ(rig->services().TakeBeeps(), 0);
}

INSTANTIATE_TEST_SUITE_P(Toolkits, CurrencyScreenTest, ::testing::ValuesIn(Toolkits()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

}  // namespace
}  // namespace corvane::testing

// A control just created: the screen of the layout plus what start-up sets.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "control/corvane.h"
#include "toolkits/headless/screen.h"

namespace corvane {
namespace {

using namespace std::chrono;
using W = WidgetId;

constexpr year_month_day kToday = year{2026} / December / 6;

class StartupTest : public ::testing::Test {
 protected:
  headless::Screen screen;
  Corvane control{screen, [] { return kToday; }};
};

TEST_F(StartupTest, ListGetsSevenColumnsFromItsWidth) {
  const std::vector<ColumnHeader> columns = screen.list_view(W::lstPayment).Columns();
  ASSERT_EQ(columns.size(), 7u);
  const struct {
    const char* text;
    double width;
    Alignment alignment;
  } expected[] = {
      {"Payment Type", 1308, Alignment::kLeft},
      {"Reference", 1334.6939, Alignment::kLeft},
      {"Authorization", 1308, Alignment::kLeft},
      {"Amount ($)", 1308, Alignment::kRight},
      {"Payment Date", 1222.4299, Alignment::kRight},
      {"PaymentSequence", 0, Alignment::kLeft},
      {"IsUpdate", 0, Alignment::kLeft},
  };
  for (std::size_t i = 0; i < columns.size(); ++i) {
    EXPECT_EQ(columns[i].text, expected[i].text);
    EXPECT_NEAR(columns[i].width, expected[i].width, 1e-4) << columns[i].text;
    EXPECT_EQ(columns[i].alignment, expected[i].alignment) << columns[i].text;
  }
  EXPECT_EQ(screen.list_view(W::lstPayment).Count(), 0);
}

TEST_F(StartupTest, PickerDateBoxAndVersion) {
  const DatePicker& picker = screen.date_picker(W::DTPckrPaymentDate);
  EXPECT_EQ(picker.CustomFormat(), "MMM dd, yyyy");
  EXPECT_EQ(picker.Value(), kToday);
  EXPECT_FALSE(picker.Visible());
  EXPECT_TRUE(screen.text_box(W::txtPaymentDate).Locked());
  EXPECT_EQ(screen.label(W::lblVersionNumber).Caption(), "Version Number: 2.1.2");
}

TEST_F(StartupTest, EverythingElseKeepsTheLayout) {
  EXPECT_FALSE(screen.text_box(W::txtReference).Locked());
  EXPECT_EQ(screen.text_box(W::txtBalanceAmount).Text(), "0.00");
  EXPECT_EQ(screen.combo_box(W::cboPaymentType).ListCount(), 0);
  EXPECT_TRUE(screen.button(W::cmdDelete).Enabled());
  EXPECT_EQ(screen.Focus(), std::nullopt);
  const ControlSnapshot s = control.Snapshot();
  EXPECT_EQ(s.mode, std::nullopt);
  EXPECT_EQ(s.entry, EntryKind::kNone);
  EXPECT_EQ(s.order_type, 0);
  EXPECT_EQ(s.conversion_rate, 0);
  EXPECT_FALSE(s.payment_types.has_value());
}

TEST(StartupFailureTest, TodayOutsideThePickerRangeFailsTheCreation) {
  headless::Screen screen;
  EXPECT_THROW(Corvane(screen, [] { return year{2061} / January / 1; }), WidgetError);
  // The screen no longer reports to the control that was never made.
  screen.text_box(W::txtAmount).SetText("1");
}

}  // namespace
}  // namespace corvane

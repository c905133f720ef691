// A control just created: the whole screen as the toolkit shows it after start-up, one line a
// widget, compared as one text on every toolkit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "control/payment_control.h"
#include "readings/dates.h"
#include "tests/toolkit_rig.h"

namespace corvane::testing {
namespace {

using namespace std::chrono;
using W = WidgetId;

constexpr year_month_day kToday = year{2026} / December / 6;

std::string ColorName(Color color) {
  switch (color) {
    case kWindowBackground:
      return "window";
    case kButtonFace:
      return "face";
    case kWindowText:
      return "text";
    default:
      char hex[16];
      std::snprintf(hex, sizeof hex, "%08X", color);
      return hex;
  }
}

// Every widget's state in layout order, then the widgets the Tab key stops on, in order.
std::string Render(Screen& screen) {
  std::ostringstream out;
  for (const WidgetDesign& design : kScreenLayout) {
    const W id = design.id;
    std::string columns;  // a list's, each on a line of its own
    out << design.name;
    switch (design.kind) {
      case WidgetKind::kTextBox: {
        const TextBox& box = screen.text_box(id);
        out << " '" << box.Text() << "' sel " << box.SelStart() << "+" << box.SelLength() << " "
            << ColorName(box.BackColor()) << (box.Locked() ? " locked" : "");
        break;
      }
      case WidgetKind::kComboBox: {
        const ComboBox& box = screen.combo_box(id);
        out << " '" << box.Text() << "' entries " << box.ListCount() << " index " << box.ListIndex()
            << " " << ColorName(box.BackColor()) << (box.Locked() ? " locked" : "");
        break;
      }
      case WidgetKind::kCommandButton:
        out << " '" << screen.button(id).Caption() << "'";
        break;
      case WidgetKind::kLabel:
        out << " '" << screen.label(id).Caption() << "'";
        break;
      case WidgetKind::kFrame:
        out << " '" << screen.frame(id).Caption() << "'";
        break;
      case WidgetKind::kListView: {
        const ListView& list = screen.list_view(id);
        out << " rows " << list.Count() << " selected " << list.Selected().value_or(-1) << " "
            << ColorName(list.BackColor()) << (list.HideSelection() ? " hide-selection" : "");
        for (const ColumnHeader& column : list.Columns()) {
          char width[32];
          std::snprintf(width, sizeof width, "%.8g", column.width);
          columns += "\n  '" + column.text + "' " + width +
                     (column.alignment == Alignment::kRight ? " right" : " left");
        }
        break;
      }
      case WidgetKind::kDatePicker: {
        const DatePicker& picker = screen.date_picker(id);
        const std::optional<DatePicker::Date> value = picker.Value();
        out << " '" << picker.CustomFormat() << "' " << (value ? FormatIsoDate(*value) : "none");
        break;
      }
    }
    const Widget& widget = screen.widget(id);
    out << (widget.Enabled() ? "" : " disabled") << (widget.Visible() ? "" : " hidden")
        << (widget.HasFocus() ? " focus" : "") << " z" << widget.ZIndex() << columns << "\n";
  }
  out << "tab:";
  for (W id : TabOrder()) {
    if (screen.TabStopsOn(id)) out << " " << DesignOf(id).name;
  }
  return out.str() + "\n";
}

class StartupTest : public ::testing::TestWithParam<std::string> {
 protected:
  std::unique_ptr<ToolkitRig> rig = MakeRig(GetParam());
  Screen& screen = rig->screen();
};

// The layout's settings as the toolkit built them, and what start-up adds: the list's
// columns from its width, the locked date box, the picker's format and today's date, the
// version number. No widget has the focus.
TEST_P(StartupTest, TheWholeScreen) {
  Corvane control{screen, [] { return kToday; }};
  EXPECT_EQ(Render(screen), R"(txtBalanceAmount '0.00' sel 4+0 face z0
Framain '' z1
txtOrderedAmount '0.00' sel 4+0 face locked z0
cboCreditCard '' entries 0 index -1 face disabled z1
txtTotalAmount '0.00' sel 4+0 face locked z2
cboPaymentType '' entries 0 index -1 face z3
txtReference '' sel 0+0 face z4
txtAuthorization '' sel 0+0 face z5
txtAmount '0.00' sel 4+0 face z6
cmdDelete 'Delete' z7
cmdEdit 'Edit' z8
cmdAdd 'New Payment' z9
lstPayment rows 0 selected -1 window hide-selection z10
  'Payment Type' 1308 left
  'Reference' 1334.6939 left
  'Authorization' 1308 left
  'Amount ($)' 1308 right
  'Payment Date' 1222.4299 right
  'PaymentSequence' 0 left
  'IsUpdate' 0 left
txtCreditCard 'Not Found' sel 9+0 window z11
DTPckrPaymentDate 'MMM dd, yyyy' 2026-12-06 hidden z12
txtPaymentDate '' sel 0+0 face locked z13
lblVersionNumber 'Version Number: 2.1.2' z14
lblBalanceAmount 'Balance Amount $:' z15
Label1 'Ordered Amount $:' z16
lblPaymentDate 'Payment Date:' z17
lblCreditCard 'Bris Credit Card:' z18
lblTotalAmountCaption 'Total Amount $:' z19
lblPaymentType 'Payment Type:' z20
lblReference 'Reference:' z21
lblAuthorization 'Authorization:' z22
lblAmount 'Amount $:' z23
tab: lstPayment cboPaymentType txtReference txtAuthorization txtAmount cmdAdd cmdEdit cmdDelete
)");
  const ControlSnapshot s = control.Snapshot();
  EXPECT_EQ(s.mode, std::nullopt);
  EXPECT_EQ(s.entry, EntryKind::kNone);
  EXPECT_EQ(s.order_type, 0);
  EXPECT_EQ(s.conversion_rate, 0);
  EXPECT_FALSE(s.payment_types.has_value());
}

TEST_P(StartupTest, TodayOutsideThePickerRangeFailsTheCreation) {
  EXPECT_THROW(Corvane(screen, [] { return year{2061} / January / 1; }), WidgetError);
  // The screen no longer reports to the control that was never made.
  screen.text_box(W::txtAmount).SetText("1");
}

INSTANTIATE_TEST_SUITE_P(Toolkits, StartupTest, ::testing::ValuesIn(Toolkits()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace corvane::testing

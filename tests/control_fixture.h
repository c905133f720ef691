// A control on the headless screen with the operator's hands, and helpers that render
// what the screen shows as short strings, so that most checks are one EXPECT_EQ.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "control/payment_record.h"
#include "corvane/corvane.h"
#include "corvane/dispatch.h"
#include "corvane/headless_operator.h"
#include "corvane/headless_screen.h"

namespace corvane::testing {

using W = WidgetId;

class ControlTest : public ::testing::Test {
 protected:
  static constexpr std::chrono::year_month_day kToday{std::chrono::year{2026},
                                                      std::chrono::December, std::chrono::day{6}};

  ControlTest() {
    control.SubscribeAmountTotal([this](double total) { totals.push_back(total); });
  }

  // The context, then three cards, six selectable types whose IDs are their positions,
  // and `payments`; separators "~" and "|".
  void LoadOrder(std::string_view payments, std::int16_t mode = 1, std::int16_t order_type = 1,
                 double rate = 0, double ordered = 250) {
    control.PaymentDetails(mode, 44, order_type, rate, ordered, "Dec 01, 2026");
    control.WritePaymentData("Visa|Amex|Diners|", kTypes, payments, "~", "|");
  }

  static constexpr std::string_view kTypes =
      "0~Cash~0|1~On Account~0|2~Check~0|3~Voucher~0|4~Gift~0|5~Wire~0|";

  // The loaded order the bad-input cases start from: one stored check of 10 in an order of
  // 250, as the list shows it.
  static constexpr std::string_view kStored = "2~R~A~10~d~S1|";
  static inline const std::vector<std::string> kStoredRows = {"Check|R|A|10.00|d|S1|"};
  // Far more text than any field or host has reason to give.
  static inline const std::string k10MB = std::string(10 << 20, 'x');

  // Runs `call`: the text of the error it threw, marked by kind, or "" when it returned.
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

  std::string Text(W id) { return screen.text_box(id).Text(); }
  std::string Caption(W id) { return screen.button(id).Caption(); }

  // The row as "text|sub1|...|sub6".
  std::string Row(int row) {
    const PaymentRecord r = PaymentRecord::FromRow(screen.list_view(W::lstPayment), row);
    std::string out = r.cells[0];
    for (int c = 1; c < kPaymentColumnCount; ++c) out += "|" + r.cells[c];
    return out;
  }
  std::vector<std::string> Rows() {
    const int count = screen.list_view(W::lstPayment).Count();
    std::vector<std::string> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) rows.push_back(Row(i));
    return rows;
  }
  std::vector<std::string> Entries(W combo) {
    ComboBox& box = screen.combo_box(combo);
    std::vector<std::string> entries;
    entries.reserve(box.ListCount());
    for (int i = 0; i < box.ListCount(); ++i) entries.push_back(box.List(i));
    return entries;
  }
  // "total / balance" as the two boxes show them.
  std::string Totals() { return Text(W::txtTotalAmount) + " / " + Text(W::txtBalanceAmount); }
  // Enabled state of New Payment, Edit and Delete as three letters, e.g. "yyn".
  std::string Buttons() {
    std::string out;
    for (W id : {W::cmdAdd, W::cmdEdit, W::cmdDelete}) {
      out += screen.widget(id).Enabled() ? 'y' : 'n';
    }
    return out;
  }

  // A text box as the operator sees it: its text, then "locked", "disabled", "grey" (button
  // face) where they hold.
  std::string Look(W id) {
    const TextBox& box = screen.text_box(id);
    std::string out = "'" + box.Text() + "'";
    if (box.Locked()) out += " locked";
    if (!box.Enabled()) out += " disabled";
    if (box.BackColor() == kButtonFace) out += " grey";
    return out;
  }
  std::string Focus() {
    const std::optional<W> f = screen.Focus();
    return f ? std::string(DesignOf(*f).name) : "none";
  }
  // The entry under way as the container's state answer names it.
  static std::string ActionName(EntryKind entry) {
    return entry == EntryKind::kAdding ? "Add" : entry == EntryKind::kEditing ? "Edit" : "";
  }
  // The editing state: the entry, the captions of New Payment and Edit, and the focus.
  std::string State() {
    return "'" + ActionName(control.Snapshot().entry) + "' " + Caption(W::cmdAdd) + "/" +
           Caption(W::cmdEdit) + " focus " + Focus();
  }
  // The totals, then each row in brackets.
  std::string Listed() {
    std::string out = Totals();
    for (const std::string& row : Rows()) out += " [" + row + "]";
    return out;
  }
  // What an operation may change, in one line: totals, buttons, editing state and rows.
  std::string Summary() {
    std::string out = Totals() + " " + Buttons() + " " + State();
    for (const std::string& row : Rows()) out += " [" + row + "]";
    return out;
  }
  // New Payment, the reference and the amount typed, and Save.
  void AddPayment(std::string_view reference, std::string_view amount) {
    op.Click(W::cmdAdd);
    op.Type(W::txtReference, reference);
    op.Type(W::txtAmount, amount);
    op.Click(W::cmdAdd);
  }
  // The prompts and titles of the message boxes shown since the last call.
  std::vector<std::string> Messages() {
    std::vector<std::string> out;
    for (const headless::MessageRecord& m : screen.TakeMessages()) {
      out.push_back(m.prompt + " [" + m.title + "] " + std::to_string(m.style));
    }
    return out;
  }

  headless::Screen screen;
  Corvane control{screen, [] { return kToday; }};
  headless::Operator op{screen};
  std::vector<double> totals;  // AmountTotal as the host received it
};

}  // namespace corvane::testing

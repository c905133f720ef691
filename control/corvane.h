// Corvane: a payment-entry control. It shows the payments of one order, lets the operator
// add, edit, delete and undelete them, checks each entry, and keeps the total and the
// balance against the ordered amount.
//
// The control drives the widgets of a Screen that a toolkit built from kScreenLayout and
// handles their events. Single-threaded: every call comes on the screen's thread.
#pragma once

#include <chrono>
#include <functional>

#include "control/fields.h"
#include "widgets/events.h"
#include "widgets/screen.h"

namespace corvane {

class Corvane : private InstanceFields, private Events {
 public:
  using Date = std::chrono::year_month_day;
  // Gives today's date; the start-up date of the picker and an edit without a date use it.
  using Today = std::function<Date()>;

  // Takes over `screen`'s events and runs start-up.
  // REQUIRES: `screen` was just built from kScreenLayout, has no other control, and
  // outlives this one.
  explicit Corvane(Screen& screen, Today today = nullptr);
  ~Corvane() override;
  Corvane(const Corvane&) = delete;
  Corvane& operator=(const Corvane&) = delete;

  const InstanceFields& fields() const { return *this; }
  Screen& screen() { return screen_; }

 private:
  void UserControl_Initialize();

  // Events: each handler runs to completion; a run-time failure inside it ends it
  // silently, keeping what it had already set.
  void Click(WidgetId id) override;
  void GotFocus(WidgetId id) override;
  void LostFocus(WidgetId id) override;
  void Change(WidgetId id) override;
  void KeyPress(WidgetId id, std::int16_t& key_ascii) override;
  void KeyUp(WidgetId id, std::int16_t& key_code, std::int16_t shift) override;

  Screen& screen_;
  Today today_;

  TextBox& txtBalanceAmount;
  Frame& Framain;
  TextBox& txtOrderedAmount;
  ComboBox& cboCreditCard;
  TextBox& txtTotalAmount;
  ComboBox& cboPaymentType;
  TextBox& txtReference;
  TextBox& txtAuthorization;
  TextBox& txtAmount;
  CommandButton& cmdDelete;
  CommandButton& cmdEdit;
  CommandButton& cmdAdd;
  ListView& lstPayment;
  TextBox& txtCreditCard;
  DatePicker& DTPckrPaymentDate;
  TextBox& txtPaymentDate;
  Label& lblVersionNumber;
};

}  // namespace corvane

/// @file
/// The operator on the headless screen: every action raises the toolkit's events in the
/// order a real toolkit raises them.
#pragma once

#include "corvane/headless_screen.h"
#include "corvane/operator.h"

namespace corvane::headless {

using corvane::ActionRefused;
using corvane::kKeyDown;
using corvane::kKeyEnd;
using corvane::kKeyHome;
using corvane::kKeyUp;

/// The operator's mouse and keyboard on a headless screen.
class Operator final : public corvane::Operator {
 public:
  /// `screen` must outlive the operator.
  explicit Operator(Screen& screen) : corvane::Operator(screen), screen_(screen) {}

 private:
  void DoClick(WidgetId button) override;
  void DoClickRow(WidgetId list, int row) override;
  void DoKey(WidgetId list, int code) override;
  void DoFocus(WidgetId id) override;
  void DoType(WidgetId text_box, std::u32string_view keys) override;
  void DoSelect(WidgetId text_box, int start, int length) override;
  void DoChoose(WidgetId combo_box, int entry) override;
  void DoPick(WidgetId date_picker, std::chrono::year_month_day date) override;

  Screen& screen_;
};

}  // namespace corvane::headless

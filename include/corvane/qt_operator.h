/// @file
/// The operator on the Qt screen: real mouse and keyboard events sent to the real widgets,
/// so that Qt decides focus, selection and clicks as it does for a person. The surface's
/// window must be shown (an offscreen window will do). A library of its own
/// (corvane_qt_operator, Corvane::qt_operator), for tests and scripted sessions: it links
/// Qt's test library, which the toolkit does not need.
#pragma once

#include "corvane/operator.h"
#include "corvane/qt_screen.h"

namespace corvane::qt {

/// The operator's mouse and keyboard on a Qt screen.
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

  /// The focus into `id` unless it is there, as a click or Tab would put it.
  void FocusInto(WidgetId id);

  Screen& screen_;
};

}  // namespace corvane::qt

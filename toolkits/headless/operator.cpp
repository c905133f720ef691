#include "corvane/headless_operator.h"
#include "toolkits/headless/widgets.h"

namespace corvane::headless {

void Operator::DoClick(WidgetId button) {
  screen_.MoveFocus(button);
  // A LostFocus handler may have disabled the button; a disabled button takes no click.
  if (screen_.Focusable(button) && screen_.events()) screen_.events()->Click(button);
}

void Operator::DoClickRow(WidgetId list, int row) {
  screen_.MoveFocus(list);
  ListView& view = screen_.list_view(list);
  if (row >= view.Count()) return;  // a LostFocus handler emptied the list
  view.Select(row);
  if (screen_.events()) screen_.events()->Click(list);
}

void Operator::DoKey(WidgetId list, int code) {
  screen_.MoveFocus(list);
  ListView& view = screen_.list_view(list);
  if (const std::optional<int> row = ListView::RowForKey(code, view.Selected(), view.Count())) {
    view.Select(*row);
  }
  std::int16_t key = static_cast<std::int16_t>(code);
  if (screen_.events()) screen_.events()->KeyUp(list, key, 0);
}

void Operator::DoFocus(WidgetId id) { screen_.MoveFocus(id); }

void Operator::DoType(WidgetId text_box, std::u32string_view keys) {
  auto& box = dynamic_cast<HeadlessTextBox&>(screen_.widget(text_box));
  screen_.MoveFocus(text_box);
  for (char32_t c : keys) {
    // Keys go to the focus owner; a handler that moved the focus ends the typing here.
    if (!box.HasFocus()) return;
    std::int16_t code = static_cast<std::int16_t>(c);
    if (screen_.events()) screen_.events()->KeyPress(text_box, code);
    if (code >= 1 && code <= 255 && !box.Locked()) box.ApplyKey(static_cast<char32_t>(code));
  }
}

void Operator::DoSelect(WidgetId text_box, int start, int length) {
  screen_.MoveFocus(text_box);
  dynamic_cast<HeadlessTextBox&>(screen_.widget(text_box)).SelectRange(start, length);
}

void Operator::DoChoose(WidgetId combo_box, int entry) {
  ComboBox& box = screen_.combo_box(combo_box);
  const std::string text = box.List(entry);
  screen_.MoveFocus(combo_box);
  // Looked up again: a LostFocus handler may have refilled the box.
  for (int i = 0; i < box.ListCount(); ++i) {
    if (box.List(i) == text) return box.SetListIndex(i);
  }
}

void Operator::DoPick(WidgetId date_picker, std::chrono::year_month_day date) {
  screen_.MoveFocus(date_picker);
  screen_.date_picker(date_picker).SetValue(date);
}

}  // namespace corvane::headless

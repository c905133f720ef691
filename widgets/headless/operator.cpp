#include "widgets/headless/operator.h"

#include <algorithm>
#include <string>

#include "widgets/headless/widgets.h"
#include "widgets/utf8.h"

namespace corvane::headless {
namespace {

std::string NameOf(WidgetId id) { return std::string(SpecOf(id).name); }

}  // namespace

template <class T>
T& Operator::Expect(WidgetId id, const char* kind_name) {
  auto* typed = dynamic_cast<T*>(&screen_.widget(id));
  if (!typed) throw ActionRefused(NameOf(id) + " is not a " + kind_name);
  return *typed;
}

void Operator::FocusInto(WidgetId id) {
  if (!screen_.Focusable(id)) {
    const Widget& w = screen_.widget(id);
    const char* why = !SpecOf(id).CanTakeFocus() ? " cannot take the focus"
                      : !w.Visible()             ? " is hidden"
                                                 : " is disabled";
    throw ActionRefused(NameOf(id) + why);
  }
  screen_.MoveFocus(id);
}

void Operator::Click(WidgetId button) {
  Expect<CommandButton>(button, "command button");
  FocusInto(button);
  // A LostFocus handler may have disabled the button; a disabled button takes no click.
  if (screen_.Focusable(button) && screen_.events()) screen_.events()->Click(button);
}

void Operator::ClickRow(WidgetId list, int row) {
  auto& view = Expect<ListView>(list, "list view");
  if (row < 0 || row >= view.Count()) {
    throw ActionRefused(NameOf(list) + " has no row " + std::to_string(row));
  }
  FocusInto(list);
  if (row >= view.Count()) return;  // a LostFocus handler emptied the list
  view.Select(row);
  if (screen_.events()) screen_.events()->Click(list);
}

void Operator::Key(WidgetId list, int code) {
  auto& view = Expect<ListView>(list, "list view");
  if (code < 0 || code > 255) throw ActionRefused("key code " + std::to_string(code));
  FocusInto(list);
  const int count = view.Count();
  if (count > 0) {
    const std::optional<int> at = view.Selected();
    switch (code) {
      case kKeyUp:
        view.Select(at ? std::max(*at - 1, 0) : 0);
        break;
      case kKeyDown:
        view.Select(at ? std::min(*at + 1, count - 1) : 0);
        break;
      case kKeyHome:
        view.Select(0);
        break;
      case kKeyEnd:
        view.Select(count - 1);
        break;
      default:
        break;
    }
  }
  std::int16_t key = static_cast<std::int16_t>(code);
  if (screen_.events()) screen_.events()->KeyUp(list, key, 0);
}

void Operator::Focus(WidgetId id) { FocusInto(id); }

void Operator::Type(WidgetId text_box, std::string_view text) {
  auto& box = Expect<HeadlessTextBox>(text_box, "text box");
  const std::optional<std::u32string> keys = DecodeUtf8(text);
  if (!keys || std::ranges::any_of(*keys, [](char32_t c) { return c < 1 || c > 255; })) {
    throw ActionRefused("only characters of codes 1 to 255 can be typed");
  }
  FocusInto(text_box);
  for (char32_t c : *keys) {
    // Keys go to the focus owner; a handler that moved the focus ends the typing here.
    if (!box.HasFocus()) return;
    std::int16_t code = static_cast<std::int16_t>(c);
    if (screen_.events()) screen_.events()->KeyPress(text_box, code);
    if (code >= 1 && code <= 255 && !box.Locked()) box.ApplyKey(static_cast<char32_t>(code));
  }
}

void Operator::Select(WidgetId text_box, int start, int length) {
  auto& box = Expect<HeadlessTextBox>(text_box, "text box");
  FocusInto(text_box);
  box.SelectRange(start, length);
}

void Operator::Choose(WidgetId combo_box, std::string_view entry) {
  auto& box = Expect<HeadlessComboBox>(combo_box, "combo box");
  if (box.Locked()) throw ActionRefused(NameOf(combo_box) + " is locked");
  const int found = box.Find(entry);
  if (found < 0) {
    throw ActionRefused(NameOf(combo_box) + " has no entry '" + std::string(entry) + "'");
  }
  FocusInto(combo_box);
  // Looked up again: a LostFocus handler may have refilled the box.
  if (const int now = box.Find(entry); now >= 0) box.SetListIndex(now);
}

void Operator::Pick(WidgetId date_picker, std::chrono::year_month_day date) {
  auto& picker = Expect<DatePicker>(date_picker, "date picker");
  const WidgetSpec& spec = SpecOf(date_picker);
  if (!date.ok() || date < spec.min_date || date > spec.max_date) {
    throw ActionRefused(NameOf(date_picker) + " accepts dates from 1900-01-01 to 2060-12-31");
  }
  FocusInto(date_picker);
  picker.SetValue(date);
}

}  // namespace corvane::headless

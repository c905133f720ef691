#include "corvane/operator.h"

#include <algorithm>

#include "readings/dates.h"
#include "readings/utf8.h"

namespace corvane {
namespace {

std::string NameOf(WidgetId id) { return std::string(DesignOf(id).name); }

}  // namespace

template <class T>
T& Operator::Expect(WidgetId id, const char* kind_name) {
  auto* typed = dynamic_cast<T*>(&screen_.widget(id));
  if (!typed) throw ActionRefused(NameOf(id) + " is not a " + kind_name);
  return *typed;
}

void Operator::ExpectFocusable(WidgetId id) {
  if (screen_.Focusable(id)) return;
  const char* why = !DesignOf(id).CanTakeFocus()    ? " cannot take the focus"
                    : !screen_.widget(id).Visible() ? " is hidden"
                                                    : " is disabled";
  throw ActionRefused(NameOf(id) + why);
}

void Operator::Click(WidgetId button) {
  Expect<CommandButton>(button, "command button");
  ExpectFocusable(button);
  DoClick(button);
}

void Operator::ClickRow(WidgetId list, int row) {
  auto& view = Expect<ListView>(list, "list view");
  if (row < 0 || row >= view.Count()) {
    throw ActionRefused(NameOf(list) + " has no row " + std::to_string(row));
  }
  ExpectFocusable(list);
  DoClickRow(list, row);
}

void Operator::Key(WidgetId list, int code) {
  Expect<ListView>(list, "list view");
  if (code < 0 || code > 255) throw ActionRefused("key code " + std::to_string(code));
  ExpectFocusable(list);
  DoKey(list, code);
}

void Operator::Focus(WidgetId id) {
  ExpectFocusable(id);
  DoFocus(id);
}

void Operator::Type(WidgetId text_box, std::string_view text) {
  Expect<TextBox>(text_box, "text box");
  const std::optional<std::u32string> keys = DecodeUtf8(text);
  if (!keys || std::ranges::any_of(*keys, [](char32_t c) { return c < 1 || c > 255; })) {
    throw ActionRefused("only characters of codes 1 to 255 can be typed");
  }
  ExpectFocusable(text_box);
  DoType(text_box, *keys);
}

void Operator::Select(WidgetId text_box, int start, int length) {
  Expect<TextBox>(text_box, "text box");
  ExpectFocusable(text_box);
  DoSelect(text_box, start, length);
}

void Operator::Choose(WidgetId combo_box, std::string_view entry) {
  auto& box = Expect<ComboBox>(combo_box, "combo box");
  if (box.Locked()) throw ActionRefused(NameOf(combo_box) + " is locked");
  int found = -1;
  for (int i = 0; i < box.ListCount() && found < 0; ++i) {
    if (box.List(i) == entry) found = i;
  }
  if (found < 0) {
    throw ActionRefused(NameOf(combo_box) + " has no entry '" + std::string(entry) + "'");
  }
  ExpectFocusable(combo_box);
  DoChoose(combo_box, found);
}

void Operator::Pick(WidgetId date_picker, std::chrono::year_month_day date) {
  Expect<DatePicker>(date_picker, "date picker");
  const WidgetDesign& design = DesignOf(date_picker);
  if (!design.AcceptsDate(date)) {
    throw ActionRefused(NameOf(date_picker) + " accepts dates from " +
                        FormatIsoDate(design.min_date) + " to " + FormatIsoDate(design.max_date));
  }
  ExpectFocusable(date_picker);
  DoPick(date_picker, date);
}

}  // namespace corvane

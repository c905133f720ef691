/// @file
/// The refusals of the toolkits' widgets (WidgetError), worded once for every toolkit. Each
/// message is "<name>: <what was refused>", the name the widget's design gives it.
#pragma once

#include <chrono>
#include <string_view>

#include "corvane/layout.h"

namespace corvane {

/// Throws WidgetError "<name of `id`>: <why>".
[[noreturn]] void Refuse(WidgetId id, std::string_view why);

/// @{
/// Each throws WidgetError, naming the value, unless the widget takes it.
/// Widget::ZOrder: 0 or 1.
void CheckZOrder(WidgetId id, int position);
/// A combo box's entry: 0 <= index < count.
void CheckEntry(WidgetId combo_box, int index, int count);
/// A list view's row: 0 <= row < count.
void CheckRow(WidgetId list_view, int row, int count);
/// A list view's sub-item: 1 <= sub_item <= ListView::kSubItems.
void CheckSubItem(WidgetId list_view, int sub_item);
/// A list view's column header: 0 <= column < count.
void CheckColumn(WidgetId list_view, int column, int count);
/// A text box's caret or selection length, `what` ("SelStart", "SelLength"): not negative.
void CheckNotNegative(WidgetId text_box, std::string_view what, int value);
/// A date picker's date: one its design accepts (WidgetDesign::AcceptsDate).
void CheckDate(WidgetId date_picker, std::chrono::year_month_day date);
/// @}

/// A drop-down list's text that is none of its entries.
[[noreturn]] void RefuseEntryText(WidgetId combo_box, std::string_view text);

}  // namespace corvane

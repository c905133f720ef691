#include "surface/refusals.h"

#include <string>

#include "corvane/widgets.h"

namespace corvane {

void Refuse(WidgetId id, std::string_view why) {
  std::string message(DesignOf(id).name);
  message += ": ";
  message += why;
  throw WidgetError(message);
}

void CheckZOrder(WidgetId id, int position) {
  if (position != 0 && position != 1) Refuse(id, "ZOrder takes 0 or 1");
}

void CheckEntry(WidgetId combo_box, int index, int count) {
  if (index < 0 || index >= count) Refuse(combo_box, "no entry " + std::to_string(index));
}

void CheckRow(WidgetId list_view, int row, int count) {
  if (row < 0 || row >= count) Refuse(list_view, "no row " + std::to_string(row));
}

void CheckSubItem(WidgetId list_view, int sub_item) {
  if (sub_item < 1 || sub_item > ListView::kSubItems) {
    Refuse(list_view, "no sub-item " + std::to_string(sub_item));
  }
}

void CheckColumn(WidgetId list_view, int column, int count) {
  if (column < 0 || column >= count) Refuse(list_view, "no column " + std::to_string(column));
}

void CheckNotNegative(WidgetId text_box, std::string_view what, int value) {
  if (value < 0) Refuse(text_box, std::string(what) + " " + std::to_string(value) + " is negative");
}

void CheckDate(WidgetId date_picker, std::chrono::year_month_day date) {
  if (!DesignOf(date_picker).AcceptsDate(date)) {
    Refuse(date_picker, "the date is outside the range it accepts");
  }
}

void RefuseEntryText(WidgetId combo_box, std::string_view text) {
  Refuse(combo_box, "'" + std::string(text) + "' is not one of its entries");
}

}  // namespace corvane

#include "tools/corvane_host/inspect.h"

#include <cstdio>
#include <optional>

#include "corvane/widgets.h"
#include "tools/corvane_host/arguments.h"

namespace corvane::host {
namespace {

std::string_view AlignmentText(Alignment alignment) {
  return alignment == Alignment::kRight ? "right" : "left";
}

Json TextBoxJson(const TextBox& box) {
  return {{"kind", "TextBox"},          {"text", box.Text()},
          {"enabled", box.Enabled()},   {"locked", box.Locked()},
          {"visible", box.Visible()},   {"backColor", ColorText(box.BackColor())},
          {"selStart", box.SelStart()}, {"selLength", box.SelLength()},
          {"focused", box.HasFocus()},  {"zOrder", box.ZIndex()}};
}

Json ComboBoxJson(const ComboBox& box) {
  Json items = Json::array();
  for (int i = 0; i < box.ListCount(); ++i) items.push_back(box.List(i));
  return {{"kind", "ComboBox"},           {"text", box.Text()},
          {"listIndex", box.ListIndex()}, {"items", std::move(items)},
          {"enabled", box.Enabled()},     {"locked", box.Locked()},
          {"visible", box.Visible()},     {"backColor", ColorText(box.BackColor())},
          {"focused", box.HasFocus()},    {"zOrder", box.ZIndex()}};
}

Json ListViewJson(const ListView& list) {
  Json columns = Json::array();
  for (const ColumnHeader& column : list.Columns()) {
    columns.push_back({{"text", column.text},
                       {"width", column.width},
                       {"alignment", AlignmentText(column.alignment)}});
  }
  Json rows = Json::array();
  for (int row = 0; row < list.Count(); ++row) {
    Json sub_items = Json::array();
    for (int i = 1; i <= ListView::kSubItems; ++i) sub_items.push_back(list.SubItem(row, i));
    rows.push_back({{"text", list.Text(row)},
                    {"subItems", std::move(sub_items)},
                    {"foreColor", ColorText(list.ForeColor(row))}});
  }
  const std::optional<int> selected = list.Selected();
  return {{"kind", "ListView"},
          {"enabled", list.Enabled()},
          {"hideSelection", list.HideSelection()},
          {"backColor", ColorText(list.BackColor())},
          {"focused", list.HasFocus()},
          {"selected", selected ? Json(*selected) : Json(nullptr)},
          {"columns", std::move(columns)},
          {"rows", std::move(rows)}};
}

Json DatePickerJson(const DatePicker& picker) {
  const std::optional<DatePicker::Date> value = picker.Value();
  return {{"kind", "DTPicker"},
          {"visible", picker.Visible()},
          {"value", value ? Json(FormatIsoDate(*value)) : Json(nullptr)},
          {"customFormat", picker.CustomFormat()}};
}

}  // namespace

std::string ColorText(Color color) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(color));
  return text;
}

Json InspectWidget(Screen& screen, WidgetId id) {
  switch (DesignOf(id).kind) {
    case WidgetKind::kTextBox:
      return TextBoxJson(screen.text_box(id));
    case WidgetKind::kComboBox:
      return ComboBoxJson(screen.combo_box(id));
    case WidgetKind::kCommandButton: {
      const CommandButton& button = screen.button(id);
      return {{"kind", "CommandButton"},
              {"caption", button.Caption()},
              {"enabled", button.Enabled()},
              {"focused", button.HasFocus()}};
    }
    case WidgetKind::kLabel:
      return {{"kind", "Label"}, {"caption", screen.label(id).Caption()}};
    case WidgetKind::kFrame:
      return {{"kind", "Frame"}, {"caption", screen.frame(id).Caption()}};
    case WidgetKind::kListView:
      return ListViewJson(screen.list_view(id));
    case WidgetKind::kDatePicker:
      return DatePickerJson(screen.date_picker(id));
  }
  return nullptr;
}

Json InspectScreen(Screen& screen) {
  Json all = Json::object();
  for (const WidgetDesign& design : kScreenLayout) {
    all[std::string(design.name)] = InspectWidget(screen, design.id);
  }
  return all;
}

std::string_view ActionText(EntryKind entry) {
  switch (entry) {
    case EntryKind::kAdding:
      return "Add";
    case EntryKind::kEditing:
      return "Edit";
    case EntryKind::kNone:
      break;
  }
  return "";
}

Json InspectState(const ControlSnapshot& state, const Screen& screen) {
  const std::optional<WidgetId> focus = screen.Focus();
  Json fields = {{"mtMode", state.mode ? std::to_string(*state.mode) : ""},
                 {"mtAction", ActionText(state.entry)},
                 {"mtFieldSeparator", state.field_separator},
                 {"mtRecordSeparator", state.record_separator},
                 {"miCountry", state.country},
                 {"miOrderType", state.order_type},
                 {"mdOrderedAmount", state.ordered_amount},
                 {"mtDateOrderTaken", state.date_order_taken},
                 {"mdCurCnversRate", state.conversion_rate},
                 {"mdEditAmount", state.edit_amount},
                 {"paymentTypes", state.payment_types ? Json(*state.payment_types) : Json(nullptr)},
                 {"focus", focus ? Json(std::string(DesignOf(*focus).name)) : Json(nullptr)}};
  // Only a host that set them sees them: for any other the answer stays as it was.
  if (state.currency_decimals) fields["miCurrencyDecimals"] = *state.currency_decimals;
  if (state.mask_card_numbers) fields["maskCardNumbers"] = *state.mask_card_numbers;
  return fields;
}

}  // namespace corvane::host

#include "corvane/layout.h"

#include <algorithm>

#include "readings/dates.h"

namespace corvane {
namespace {

using W = WidgetId;
using K = WidgetKind;

}  // namespace

// clang-format off
const std::array<WidgetDesign, kWidgetCount> kScreenLayout{{
  {.id = W::txtBalanceAmount, .name = "txtBalanceAmount", .kind = K::kTextBox, .parent = {},
   .text = "0.00", .rect = {5025, 3990, 1575, 285}, .tab_index = 24,
   .back_color = kButtonFace, .alignment = Alignment::kRight, .tab_stop = false},
  {.id = W::Framain, .name = "Framain", .kind = K::kFrame, .parent = {},
   .text = "", .rect = {0, -90, 6735, 5010}, .tab_index = 12},
  {.id = W::txtOrderedAmount, .name = "txtOrderedAmount", .kind = K::kTextBox, .parent = W::Framain,
   .text = "0.00", .rect = {1485, 3660, 1575, 285}, .tab_index = 22,
   .back_color = kButtonFace, .alignment = Alignment::kRight, .locked = true, .tab_stop = false},
  {.id = W::cboCreditCard, .name = "cboCreditCard", .kind = K::kComboBox, .parent = W::Framain,
   .text = "", .rect = {1485, 2880, 2295, 315}, .tab_index = 3,
   .back_color = kButtonFace, .enabled = false, .combo_style = ComboStyle::kDropDownCombo},
  {.id = W::txtTotalAmount, .name = "txtTotalAmount", .kind = K::kTextBox, .parent = W::Framain,
   .text = "0.00", .rect = {5025, 3660, 1575, 285}, .tab_index = 8,
   .back_color = kButtonFace, .alignment = Alignment::kRight, .locked = true, .tab_stop = false},
  {.id = W::cboPaymentType, .name = "cboPaymentType", .kind = K::kComboBox, .parent = W::Framain,
   .text = "", .rect = {1485, 2490, 2295, 315}, .tab_index = 2,
   .back_color = kButtonFace, .combo_style = ComboStyle::kDropDownList},
  {.id = W::txtReference, .name = "txtReference", .kind = K::kTextBox, .parent = W::Framain,
   .text = "", .rect = {1485, 3270, 2295, 285}, .tab_index = 4, .back_color = kButtonFace},
  {.id = W::txtAuthorization, .name = "txtAuthorization", .kind = K::kTextBox, .parent = W::Framain,
   .text = "", .rect = {5025, 2490, 1575, 285}, .tab_index = 5, .back_color = kButtonFace},
  {.id = W::txtAmount, .name = "txtAmount", .kind = K::kTextBox, .parent = W::Framain,
   .text = "0.00", .rect = {5025, 2880, 1575, 285}, .tab_index = 6,
   .back_color = kButtonFace, .alignment = Alignment::kRight},
  {.id = W::cmdDelete, .name = "cmdDelete", .kind = K::kCommandButton, .parent = W::Framain,
   .text = "Delete", .rect = {5460, 4500, 1155, 375}, .tab_index = 11},
  {.id = W::cmdEdit, .name = "cmdEdit", .kind = K::kCommandButton, .parent = W::Framain,
   .text = "Edit", .rect = {4185, 4500, 1155, 375}, .tab_index = 10},
  {.id = W::cmdAdd, .name = "cmdAdd", .kind = K::kCommandButton, .parent = W::Framain,
   .text = "New Payment", .rect = {2910, 4500, 1155, 375}, .tab_index = 9},
  {.id = W::lstPayment, .name = "lstPayment", .kind = K::kListView, .parent = W::Framain,
   .text = "", .rect = {90, 180, 6540, 2175}, .tab_index = 1,
   .full_row_select = true, .grid_lines = true, .label_edit = false, .sorted = false,
   .accessible_name = "Payments"},
  {.id = W::txtCreditCard, .name = "txtCreditCard", .kind = K::kTextBox, .parent = W::Framain,
   .text = "Not Found", .rect = {1485, 2880, 2295, 315}, .tab_index = 19,
   .back_color = kWindowBackground},
  {.id = W::DTPckrPaymentDate, .name = "DTPckrPaymentDate", .kind = K::kDatePicker,
   .parent = W::Framain, .text = "", .rect = {5040, 3270, 1575, 315}, .tab_index = 7,
   .visible = false, .min_date = kFirstPickerDate,
   .max_date = kLastPickerDate},
  {.id = W::txtPaymentDate, .name = "txtPaymentDate", .kind = K::kTextBox, .parent = W::Framain,
   .text = "", .rect = {5055, 3270, 1515, 285}, .tab_index = 0,
   .back_color = kButtonFace, .tab_stop = false},
  {.id = W::lblVersionNumber, .name = "lblVersionNumber", .kind = K::kLabel, .parent = W::Framain,
   .text = "Version Number:", .rect = {120, 4575, 1935, 240}, .tab_index = 25},
  {.id = W::lblBalanceAmount, .name = "lblBalanceAmount", .kind = K::kLabel, .parent = W::Framain,
   .text = "Balance Amount $:", .rect = {3630, 4110, 1350, 375}, .tab_index = 23, .buddy = W::txtBalanceAmount},
  {.id = W::Label1, .name = "Label1", .kind = K::kLabel, .parent = W::Framain,
   .text = "Ordered Amount $:", .rect = {120, 3660, 1410, 495}, .tab_index = 21, .buddy = W::txtOrderedAmount},
  {.id = W::lblPaymentDate, .name = "lblPaymentDate", .kind = K::kLabel, .parent = W::Framain,
   .text = "Payment Date:", .rect = {3900, 3300, 1095, 255}, .tab_index = 20, .buddy = W::txtPaymentDate},
  {.id = W::lblCreditCard, .name = "lblCreditCard", .kind = K::kLabel, .parent = W::Framain,
   .text = "Bris Credit Card:", .rect = {135, 2925, 1215, 375}, .tab_index = 18, .buddy = W::cboCreditCard},
  {.id = W::lblTotalAmountCaption, .name = "lblTotalAmountCaption", .kind = K::kLabel,
   .parent = W::Framain, .text = "Total Amount $:", .rect = {3840, 3690, 1215, 255},
   .tab_index = 17, .buddy = W::txtTotalAmount},
  {.id = W::lblPaymentType, .name = "lblPaymentType", .kind = K::kLabel, .parent = W::Framain,
   .text = "Payment Type:", .rect = {120, 2520, 1125, 255}, .tab_index = 16, .buddy = W::cboPaymentType},
  {.id = W::lblReference, .name = "lblReference", .kind = K::kLabel, .parent = W::Framain,
   .text = "Reference:", .rect = {150, 3285, 855, 255}, .tab_index = 15, .buddy = W::txtReference},
  {.id = W::lblAuthorization, .name = "lblAuthorization", .kind = K::kLabel, .parent = W::Framain,
   .text = "Authorization:", .rect = {4005, 2505, 975, 255}, .tab_index = 14, .buddy = W::txtAuthorization},
  {.id = W::lblAmount, .name = "lblAmount", .kind = K::kLabel, .parent = W::Framain,
   .text = "Amount $:", .rect = {4245, 2895, 1095, 255}, .tab_index = 13, .buddy = W::txtAmount},
}};
// clang-format on

Color DefaultBackColor(WidgetKind kind) {
  return kind == K::kTextBox || kind == K::kComboBox ? kWindowBackground : kButtonFace;
}

Color WidgetDesign::BackColor() const { return back_color.value_or(DefaultBackColor(kind)); }

bool WidgetDesign::CanTakeFocus() const { return kind != K::kLabel && kind != K::kFrame; }

bool WidgetDesign::AcceptsDate(std::chrono::year_month_day date) const {
  return date.ok() && date >= min_date && date <= max_date;
}

std::optional<WidgetId> FindWidget(std::string_view name) {
  for (const WidgetDesign& design : kScreenLayout) {
    if (design.name == name) return design.id;
  }
  return std::nullopt;
}

std::span<const WidgetId> TabOrder() {
  static const std::array<WidgetId, kWidgetCount> order = [] {
    std::array<WidgetId, kWidgetCount> ids{};
    for (std::size_t i = 0; i < kWidgetCount; ++i) ids[i] = kScreenLayout[i].id;
    std::ranges::sort(ids, {}, [](WidgetId id) { return DesignOf(id).tab_index; });
    return ids;
  }();
  return order;
}

Rect PlaceOnControl(WidgetId id) {
  const WidgetDesign& design = DesignOf(id);
  Rect r = design.rect;
  if (design.parent) {
    r.left += DesignOf(*design.parent).rect.left;
    r.top += DesignOf(*design.parent).rect.top;
  }
  return r;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool Contains(const Rect& outer, const Rect& inner) {
  return outer.left <= inner.left && outer.top <= inner.top &&
         outer.left + outer.width >= inner.left + inner.width &&
         outer.top + outer.height >= inner.top + inner.height;
}

}  // namespace corvane

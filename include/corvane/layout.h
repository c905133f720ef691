/// @file
/// The control's screen as data: every widget with its parent, place, text, tab index and
/// design-time settings. Toolkits build the screen from this table and nothing else.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace corvane {

/// Colours are system colour values (0x80000000 | index) or RGB values in 0x00BBGGRR form.
using Color = std::uint32_t;
inline constexpr Color kWindowBackground = 0x80000005;  ///< system colour 5
inline constexpr Color kWindowText = 0x80000008;        ///< system colour 8
inline constexpr Color kButtonFace = 0x8000000F;        ///< system colour 15
inline constexpr Color kBlack = 0x000000;               ///< RGB black
inline constexpr Color kRed = 0x0000FF;                 ///< RGB red

/// The widgets, in front-to-back order among siblings. The values index kScreenLayout.
enum class WidgetId : std::uint8_t {
  txtBalanceAmount,
  Framain,
  txtOrderedAmount,
  cboCreditCard,
  txtTotalAmount,
  cboPaymentType,
  txtReference,
  txtAuthorization,
  txtAmount,
  cmdDelete,
  cmdEdit,
  cmdAdd,
  lstPayment,
  txtCreditCard,
  DTPckrPaymentDate,
  txtPaymentDate,
  lblVersionNumber,
  lblBalanceAmount,
  Label1,
  lblPaymentDate,
  lblCreditCard,
  lblTotalAmountCaption,
  lblPaymentType,
  lblReference,
  lblAuthorization,
  lblAmount,
};
/// The number of widgets, WidgetId's values.
inline constexpr std::size_t kWidgetCount = 26;

/// What a widget is; each kind has its interface in widgets.h.
enum class WidgetKind : std::uint8_t {
  kTextBox,
  kComboBox,
  kCommandButton,
  kLabel,
  kFrame,
  kListView,
  kDatePicker,
};

/// kDropDownCombo takes any text; kDropDownList only the texts of its entries.
enum class ComboStyle : std::uint8_t { kDropDownCombo, kDropDownList };
/// The alignment of a text or a list column.
enum class Alignment : std::uint8_t { kLeft, kRight };

/// Places and sizes in twips (1/1440 inch), relative to the parent's top-left corner.
struct Rect {
  int left = 0;    ///< from the parent's left edge
  int top = 0;     ///< from the parent's top edge
  int width = 0;   ///< the width
  int height = 0;  ///< the height
};

/// @{
/// The control's designed size, in twips.
inline constexpr int kControlWidth = 6720;
inline constexpr int kControlHeight = 4920;
/// @}

/// One widget of the screen with its design-time settings.
struct WidgetDesign {
  WidgetId id{};                           ///< its place in kScreenLayout
  std::string_view name;                   ///< the name the layout gives it
  WidgetKind kind{};                       ///< what it is
  std::optional<WidgetId> parent{};        ///< none: a direct child of the control
  std::string_view text;                   ///< caption of buttons, labels, frame; text of boxes
  Rect rect{};                             ///< place and size in its parent
  int tab_index = 0;                       ///< its place in the tab order
  std::optional<Color> back_color{};       ///< none: the kind's default (DefaultBackColor)
  Alignment alignment = Alignment::kLeft;  ///< of a text box's text
  bool locked = false;                     ///< a text or combo box the operator cannot edit
  bool enabled = true;                     ///< takes the operator's input
  bool visible = true;                     ///< shown
  bool tab_stop = true;                    ///< Tab stops on it
  ComboStyle combo_style = ComboStyle::kDropDownCombo;  ///< of a combo box
  /// @{
  /// List view: the report view selects whole rows, draws grid lines, never edits a row's
  /// text in place and never sorts.
  bool full_row_select = false;
  bool grid_lines = false;
  bool label_edit = false;
  bool sorted = false;
  /// @}
  /// @{
  /// Date picker: the range of dates it accepts.
  std::chrono::year_month_day min_date{};
  std::chrono::year_month_day max_date{};
  /// @}
  /// Label: the field it names, for keyboard users and screen readers.
  std::optional<WidgetId> buddy{};
  /// The name assistive technology gives a widget that no label names; empty for none.
  std::string_view accessible_name{};

  /// The design's colour, or the kind's default.
  Color BackColor() const;
  /// Labels and the frame never take the focus.
  bool CanTakeFocus() const;
  /// Date picker: whether `date` is a calendar date from min_date to max_date.
  bool AcceptsDate(std::chrono::year_month_day date) const;
};

/// Text boxes and combo boxes default to the window background, everything else to the
/// button face.
Color DefaultBackColor(WidgetKind kind);

/// Every widget of the screen, indexed by WidgetId.
extern const std::array<WidgetDesign, kWidgetCount> kScreenLayout;

/// The design of widget `id`.
inline const WidgetDesign& DesignOf(WidgetId id) {
  return kScreenLayout[static_cast<std::size_t>(id)];
}
/// The widget with that name, exactly as the layout spells it.
std::optional<WidgetId> FindWidget(std::string_view name);
/// The widgets in tab order (ascending tab index).
std::span<const WidgetId> TabOrder();
/// The place of widget `id` on the control, whatever its parent.
Rect PlaceOnControl(WidgetId id);
/// Whether the two rectangles share some area.
bool Overlap(const Rect& a, const Rect& b);
/// Whether `outer` holds the whole of `inner`.
bool Contains(const Rect& outer, const Rect& inner);

}  // namespace corvane

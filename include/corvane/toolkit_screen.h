/// @file
/// What the toolkits' screens share: every widget of kScreenLayout built by its kind and
/// reached by its id, the one focus owner with its moves (LostFocus of the old owner, then
/// GotFocus of the new), and the receiver of the events. A toolkit derives its screen from
/// ToolkitScreen, makes its own widget classes and says how its own focus follows.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <type_traits>

#include "corvane/screen.h"

namespace corvane {

/// A screen whose widgets and focus this class keeps; see the file comment.
class ToolkitScreen : public Screen {
 public:
  Widget& widget(WidgetId id) final { return *widgets_[static_cast<std::size_t>(id)]; }
  std::optional<WidgetId> Focus() const final { return focus_; }
  void SetEvents(Events* events) final { events_ = events; }

  // For the toolkit's widgets and operator.
  /// The receiver of the widgets' events; nullptr for none.
  Events* events() const { return events_; }
  /// Runs `raise` on the receiver of the events, if there is one.
  virtual void Raise(const std::function<void(Events&)>& raise);
  /// A focus move: throws WidgetError when `id` is not focusable; otherwise as HandFocus,
  /// with FocusFollows, or only FocusFollows when the focus is there already.
  void MoveFocus(WidgetId id);
  /// After `id` was disabled or hidden: the focus, if there, moves on in tab order
  /// (NextInTabOrder; to nobody when the Tab key stops nowhere), as HandFocus.
  void FocusMayLeave(WidgetId id);

 protected:
  ToolkitScreen() = default;

  /// Builds every widget of kScreenLayout in the table's order, a parent before the widgets
  /// in it: `make(design, std::type_identity<C>{})` returns the new widget, C being the
  /// toolkit's class for the design's kind: Kinds::TextBox, ComboBox, CommandButton, Label,
  /// Frame, ListView or DatePicker. The toolkit owns what `make` returns.
  template <class Kinds, class Make>
  void Build(Make make);

  /// The focus to `to` (nobody when none), then LostFocus of the old owner, if any, and
  /// GotFocus of `to` unless a LostFocus handler moved the focus on. With `follow`,
  /// FocusFollows runs after the owner changed, before the events, and once more after them.
  void HandFocus(std::optional<WidgetId> to, bool follow);
  /// The toolkit's own focus to the owner; nothing by default.
  virtual void FocusFollows() {}

 private:
  std::array<Widget*, kWidgetCount> widgets_{};
  std::optional<WidgetId> focus_;
  Events* events_ = nullptr;
};

template <class Kinds, class Make>
void ToolkitScreen::Build(Make make) {
  for (const WidgetDesign& design : kScreenLayout) {
    Widget*& widget = widgets_[static_cast<std::size_t>(design.id)];
    switch (design.kind) {
      case WidgetKind::kTextBox:
        widget = make(design, std::type_identity<typename Kinds::TextBox>{});
        break;
      case WidgetKind::kComboBox:
        widget = make(design, std::type_identity<typename Kinds::ComboBox>{});
        break;
      case WidgetKind::kCommandButton:
        widget = make(design, std::type_identity<typename Kinds::CommandButton>{});
        break;
      case WidgetKind::kLabel:
        widget = make(design, std::type_identity<typename Kinds::Label>{});
        break;
      case WidgetKind::kFrame:
        widget = make(design, std::type_identity<typename Kinds::Frame>{});
        break;
      case WidgetKind::kListView:
        widget = make(design, std::type_identity<typename Kinds::ListView>{});
        break;
      case WidgetKind::kDatePicker:
        widget = make(design, std::type_identity<typename Kinds::DatePicker>{});
        break;
    }
  }
}

}  // namespace corvane

/// @file
/// The Qt toolkit: the widgets of kScreenLayout as real Qt widgets on one surface widget,
/// with the rules every toolkit keeps (events inside setters, one focus owner, refusals).
/// The focus owner is the control's own: Qt's focus follows it, and the operator's focus
/// moves (mouse, Tab) come back from Qt's focus events; moves Qt makes for its own reasons
/// (window activation, pop-ups, message boxes) are not the operator's and run no handler.
/// GUI thread only.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "corvane/scripted_services.h"
#include "corvane/toolkit_screen.h"

namespace corvane::qt {

/// The Qt screen: the control's widgets as Qt widgets on one surface.
class Screen final : public ToolkitScreen {
 public:
  /// Builds the surface and every widget on it. With `scripted`, message boxes and beeps
  /// go there (it must outlive the screen); without, real boxes are shown and the system
  /// beep sounds. The screen owns the surface unless a parent takes it.
  explicit Screen(ScriptedServices* scripted = nullptr, QWidget* parent = nullptr);
  ~Screen() override;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  /// The widget holding the whole control, at the layout's design size.
  QWidget* surface() const { return surface_; }
  /// The Qt widget of widget `id`.
  QWidget* qwidget(WidgetId id) const { return qwidgets_[static_cast<std::size_t>(id)]; }

  int MsgBox(std::string_view prompt, int style, std::string_view title) override;
  void Beep() override;
  /// The list's name and the access keys follow `catalog`.
  void UseCatalog(const Catalog& catalog) override;
  /// The catalog of UseCatalog; the classic texts before.
  const Catalog& catalog() const { return catalog_; }

  // --- For the Qt widgets and the operator. ---
  /// Runs `raise` on the event receiver; nothing it throws reaches Qt's event loop.
  void Raise(const std::function<void(Events&)>& raise) override;
  /// A focus move the operator made (Qt already moved its focus there).
  void OperatorFocus(WidgetId id);
  /// The operator left the control for a widget of the host.
  void OperatorLeft();
  /// True while the toolkit itself changes Qt's state: Qt's signals and focus events then
  /// are not the operator's.
  bool InCode() const { return in_code_ > 0; }
  /// Runs `change` as code, not as the operator.
  void AsCode(const std::function<void()>& change);
  /// Which widget of ours `w` is, if any.
  std::optional<WidgetId> IdOf(const QObject* w) const;
  /// Qt's focus to where the control has it.
  void SyncQtFocus();
  /// Qt's Tab key to the control's tab stops: after a widget was shown, hidden or moved in
  /// front of or behind its siblings, a widget covered by a sibling is passed over.
  void UpdateTabStops();
  /// Points each label at the field it names that stands in front now. A label names its
  /// buddy and every field sharing the buddy's place (the card box and the "Not Found"
  /// box; the date box and the picker): its QLabel buddy and the labelled-by link a screen
  /// reader follows go to the visible one in front. Runs after every change of z-order or
  /// visibility.
  void LinkLabels();
  /// After a widget was shown, hidden or moved in front of or behind its siblings: the tab
  /// stops and the labels' links follow.
  void StackingChanged();
  /// After label `id`'s caption changed: the fields it names take it as their name.
  void NameFields(WidgetId id);
  /// Twips to pixels at the screen's logical DPI.
  int Px(int twips) const;
  /// System colours from the palette; RGB values as they are.
  QColor Resolve(Color color) const;

 private:
  void MakeWidgets();
  void NameWidgets();
  void FocusFollows() override { SyncQtFocus(); }

  // A label and the fields it names, its buddy first.
  struct LabelFields {
    WidgetId label;
    std::vector<WidgetId> fields;
  };

  QPointer<QWidget> surface_;
  std::array<QWidget*, kWidgetCount> qwidgets_{};
  std::vector<LabelFields> labels_;
  ScriptedServices* scripted_;
  Catalog catalog_;
  int in_code_ = 0;
  double dpi_ = 96;
};

}  // namespace corvane::qt

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <cmath>
#include <type_traits>
#include <utility>

#include "corvane/qt_screen.h"
#include "toolkits/qt/accessibility.h"
#include "toolkits/qt/text.h"
#include "toolkits/qt/widgets.h"

namespace corvane::qt {
namespace {

// Focus moves Qt makes for itself, not the operator's.
bool IsQtsOwnMove(const QFocusEvent& event) {
  return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason;
}

// Watches the focus events of every widget of the surface.
class FocusWatch final : public QObject {
 public:
  FocusWatch(Screen& screen, QObject* parent) : QObject(parent), screen_(screen) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
      PressFocus(watched);
      return false;
    }
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
    const auto& focus = static_cast<const QFocusEvent&>(*event);
    const std::optional<WidgetId> id = screen_.IdOf(watched);
    if (!id || screen_.qwidget(*id) != watched || screen_.InCode()) return false;
    if (IsQtsOwnMove(focus)) {
      // Qt gave the focus back on its own (a window activated, a pop-up closed): it goes
      // where the control has it, once Qt is done.
      if (event->type() == QEvent::FocusIn && screen_.Focus() != id) {
        QTimer::singleShot(0, this, [this] { screen_.SyncQtFocus(); });
      }
      return false;
    }
    if (event->type() == QEvent::FocusIn) {
      screen_.OperatorFocus(*id);
    } else if (!screen_.IdOf(QApplication::focusWidget())) {
      screen_.OperatorLeft();
    }
    return false;
  }

 private:
  // A press gives the focus before the widget sees it. Qt moves its focus there too, but
  // sends no focus event while the window is inactive (a window manager may not have
  // activated it yet): the control's own focus moves here, so that the field left runs its
  // LostFocus before the press acts, whether or when the window is activated.
  void PressFocus(QObject* pressed) {
    const std::optional<WidgetId> id = screen_.IdOf(pressed);
    if (!id || screen_.InCode() || screen_.Focus() == id) return;
    if (!(screen_.qwidget(*id)->focusPolicy() & Qt::ClickFocus) || !screen_.Focusable(*id)) return;
    screen_.OperatorFocus(*id);
  }

  Screen& screen_;
};

}  // namespace

Screen::Screen(ScriptedServices* scripted, QWidget* parent)
    : surface_(new QWidget(parent)), scripted_(scripted), dpi_(surface_->logicalDpiX()) {
  surface_->setObjectName("Corvane");
  // The layout's places and sizes are made for the classic 8-point dialog font.
  QFont font = surface_->font();
  font.setPointSize(8);
  surface_->setFont(font);
  surface_->setFixedSize(Px(kControlWidth), Px(kControlHeight));
  AsCode([this] { MakeWidgets(); });
}

Screen::~Screen() { delete surface_.data(); }

void Screen::MakeWidgets() {
  auto* watch = new FocusWatch(*this, surface_);
  Build<Widgets>([&](const WidgetDesign& design, auto kind) -> Widget* {
    QWidget* parent = design.parent ? qwidget(*design.parent) : surface_.data();
    auto* made = new typename decltype(kind)::type(*this, design.id, parent);
    QWidget* w = qwidgets_[static_cast<std::size_t>(design.id)] = made;
    w->setObjectName(ToQt(design.name));
    w->setGeometry(Px(design.rect.left), Px(design.rect.top), Px(design.rect.width),
                   Px(design.rect.height));
    if constexpr (std::is_same_v<decltype(made), QtLabel*>) made->FitCaption();
    w->setEnabled(design.enabled);
    w->setVisible(design.visible);
    w->installEventFilter(watch);
    for (QWidget* part : w->findChildren<QWidget*>()) part->installEventFilter(watch);
    return made;
  });
  // Earlier in the table is further in front.
  for (auto it = kScreenLayout.rbegin(); it != kScreenLayout.rend(); ++it) qwidget(it->id)->raise();
  UpdateTabStops();
  QWidget* previous = nullptr;
  for (WidgetId id : TabOrder()) {
    if (!DesignOf(id).CanTakeFocus()) continue;
    if (previous) QWidget::setTabOrder(previous, qwidget(id));
    previous = qwidget(id);
  }
  NameWidgets();
  LinkLabels();
}

// Every field takes its name from its label's caption; a widget without a label has a name
// of its own, from the catalog. Buttons are named by their captions, by Qt, so that the
// name follows the caption.
void Screen::NameWidgets() {
  for (const WidgetDesign& design : kScreenLayout) {
    if (!design.accessible_name.empty()) {
      qwidget(design.id)->setAccessibleName(ToQt(catalog_.Text(design.accessible_name)));
    }
    if (!design.buddy) continue;
    LabelFields& named = labels_.emplace_back(LabelFields{design.id, {*design.buddy}});
    const Rect place = PlaceOnControl(*design.buddy);
    for (const WidgetDesign& other : kScreenLayout) {
      if (other.CanTakeFocus() && other.id != *design.buddy &&
          Overlap(PlaceOnControl(other.id), place)) {
        named.fields.push_back(other.id);
      }
    }
    NameFields(design.id);
    for (WidgetId field : named.fields) {
      if (DesignOf(field).parent != design.parent) {
        // Qt's own labelled-by link is for siblings only.
        LinkLabelAcrossParents(static_cast<QLineEdit*>(qwidget(field)),
                               static_cast<QLabel*>(qwidget(design.id)));
      }
    }
  }
}

void Screen::NameFields(WidgetId id) {
  // Before NameWidgets (while the labels are built) there is nothing to name.
  for (const LabelFields& named : labels_) {
    if (named.label != id) continue;
    const QString name = ToQt(label(id).Caption());
    for (WidgetId field : named.fields) {
      qwidget(field)->setAccessibleName(name);
      // An editable combo shows its line edit to assistive technology as a part of its own.
      if (auto* combo = qobject_cast<QComboBox*>(qwidget(field)); combo && combo->lineEdit()) {
        combo->lineEdit()->setAccessibleName(name);
      }
    }
  }
}

void Screen::UseCatalog(const Catalog& catalog) {
  catalog_ = catalog;
  for (const WidgetDesign& design : kScreenLayout) {
    if (!design.accessible_name.empty()) {
      qwidget(design.id)->setAccessibleName(ToQt(catalog_.Text(design.accessible_name)));
    }
  }
}

void Screen::LinkLabels() {
  for (const LabelFields& named : labels_) {
    WidgetId front = named.fields.front();
    std::optional<int> front_z;
    for (WidgetId field : named.fields) {
      const Widget& w = widget(field);
      if (!w.Visible()) continue;
      if (const int z = w.ZIndex(); !front_z || z < *front_z) front = field, front_z = z;
    }
    auto* label = static_cast<QLabel*>(qwidget(named.label));
    if (label->buddy() != qwidget(front)) label->setBuddy(qwidget(front));
  }
}

std::optional<WidgetId> Screen::IdOf(const QObject* w) const {
  for (; w && w != surface_; w = w->parent()) {
    for (std::size_t i = 0; i < kWidgetCount; ++i) {
      if (qwidgets_[i] == w) return static_cast<WidgetId>(i);
    }
  }
  return std::nullopt;
}

void Screen::StackingChanged() {
  UpdateTabStops();
  LinkLabels();
}

void Screen::UpdateTabStops() {
  for (const WidgetDesign& design : kScreenLayout) {
    if (!design.CanTakeFocus()) continue;
    const bool tab = TabStopInSight(design.id);
    qwidget(design.id)->setFocusPolicy(tab ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

int Screen::Px(int twips) const { return static_cast<int>(std::lround(twips * dpi_ / 1440)); }

QColor Screen::Resolve(Color color) const {
  if ((color & 0x80000000u) == 0) {
    const auto channel = [color](int shift) { return static_cast<int>((color >> shift) & 0xFF); };
    return QColor(channel(0), channel(8), channel(16));
  }
  const QPalette palette = QApplication::palette();
  switch (color & 0xFF) {
    case 0x05:
      return palette.color(QPalette::Base);  // window background: input fields
    case 0x08:
      return palette.color(QPalette::Text);  // window text
    case 0x0F:
      return palette.color(QPalette::Button);  // button face
    default:
      return palette.color(QPalette::Window);
  }
}

void Screen::AsCode(const std::function<void()>& change) {
  ++in_code_;
  try {
    change();
  } catch (...) {
    --in_code_;
    throw;
  }
  --in_code_;
}

void Screen::Raise(const std::function<void(Events&)>& raise) {
  try {
    ToolkitScreen::Raise(raise);
  } catch (...) {
    // The control ends its own handlers; nothing may unwind through Qt's event loop.
  }
}

void Screen::SyncQtFocus() {
  ++in_code_;
  if (const std::optional<WidgetId> focus = Focus()) {
    // The window's own focus widget, which Qt gives the focus back to when it activates the
    // window: while the window is inactive no widget of it has the application's focus.
    QWidget* w = qwidget(*focus);
    QWidget* target = w->focusProxy() ? w->focusProxy() : w;
    if (w->window()->focusWidget() != target) w->setFocus(Qt::OtherFocusReason);
  } else if (IdOf(QApplication::focusWidget())) {
    QApplication::focusWidget()->clearFocus();
  }
  --in_code_;
}

void Screen::OperatorFocus(WidgetId id) {
  if (Focus() == id) return;
  HandFocus(id, /*follow=*/false);
  // Handlers may have moved it on; Qt follows once it has finished this move.
  if (Focus() != id) QTimer::singleShot(0, surface_, [this] { SyncQtFocus(); });
}

void Screen::OperatorLeft() { HandFocus(std::nullopt, /*follow=*/false); }

int Screen::MsgBox(std::string_view prompt, int style, std::string_view title) {
  if (scripted_) return scripted_->MsgBox(prompt, style, title);
  QMessageBox box(surface_);
  box.setWindowTitle(ToQt(title));
  box.setText(ToQt(prompt));
  switch (style & 0x70) {
    case 16:
      box.setIcon(QMessageBox::Critical);
      break;
    case 32:
      box.setIcon(QMessageBox::Question);
      break;
    case 48:
      box.setIcon(QMessageBox::Warning);
      break;
    case 64:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      break;
  }
  const bool yes_no = (style & 7) == 4;
  box.setStandardButtons(yes_no ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  const int answer = box.exec();
  // The keyboard comes back to the control's window. A window manager hands it back itself;
  // without one it would stay with nobody, and a screen reader would see no focus.
  if (QWidget* window = surface_->window(); window->isVisible()) window->activateWindow();
  return answer == QMessageBox::Yes  ? kAnswerYes
         : answer == QMessageBox::No ? kAnswerNo
                                     : kAnswerOk;
}

void Screen::Beep() {
  if (scripted_) return scripted_->Beep();
  QApplication::beep();
}

}  // namespace corvane::qt

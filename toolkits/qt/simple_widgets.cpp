// Buttons, labels, the frame and the date picker.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "surface/refusals.h"
#include "toolkits/qt/access_keys.h"
#include "toolkits/qt/caption_fit.h"
#include "toolkits/qt/text.h"
#include "toolkits/qt/widgets.h"

namespace corvane::qt {

namespace {

// Pixels a caption keeps clear of its surroundings, in twips so that they grow with the
// screen's density: the frame's edge, the field it names, a field before it on its line,
// and each side of a button.
constexpr int kInsideTheFrame = 45;
constexpr int kBeforeItsField = 60;
constexpr int kAfterAField = 120;
constexpr int kButtonAir = 75;

}  // namespace

QtButton::QtButton(Screen& screen, WidgetId id, QWidget* parent) : Common(screen, id, parent) {
  SetCaption(Design().text);
  setAutoDefault(false);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QPushButton::clicked, this, [this] {
    if (!screen_.InCode()) screen_.Raise([this](Events& events) { events.Click(Id()); });
  });
}

void QtButton::SetCaption(std::string_view caption) {
  caption_ = ToQt(caption);
  setText(Shown(caption_, access_key_, screen_.catalog()));
  FitCaption();
}

// The button keeps its place; a caption too wide for it with air on both sides takes the
// condensed face ("New Payment" does at 8 points).
void QtButton::FitCaption() {
  const int room = screen_.Px(Design().rect.width) - 2 * screen_.Px(kButtonAir);
  setFont(FontFitting(parentWidget()->font(), text(), room));
}

void QtButton::ShowAccessKey(bool on) {
  access_key_ = on;
  setText(Shown(caption_, on, screen_.catalog()));
  FitCaption();
}

void QtButton::Press() {
  if (!isEnabled()) return;
  setFocus(Qt::ShortcutFocusReason);
  click();
}

// Qt's own access key clicks a moment later without taking the focus; the operator expects
// what a click does, at once.
bool QtButton::event(QEvent* event) {
  if (event->type() != QEvent::Shortcut) return QPushButton::event(event);
  if (static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
    setFocus(Qt::ShortcutFocusReason);  // a host's key with the same letter: Alt again moves on
  } else {
    Press();
  }
  return true;
}

namespace {

bool IsEnter(const QKeyEvent& event) {
  return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
         (event.modifiers() & ~Qt::KeypadModifier) == 0;
}

}  // namespace

// Enter presses a focused button as Space does.
void QtButton::keyPressEvent(QKeyEvent* event) {
  if (!IsEnter(*event)) return QPushButton::keyPressEvent(event);
  event->accept();
  if (!event->isAutoRepeat()) click();
}

void QtButton::keyReleaseEvent(QKeyEvent* event) {
  if (!IsEnter(*event)) return QPushButton::keyReleaseEvent(event);
  event->accept();
}

QtLabel::QtLabel(Screen& screen, WidgetId id, QWidget* parent) : Common(screen, id, parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFocusPolicy(Qt::NoFocus);
  setWordWrap(false);
  SetCaption(Design().text);
}

void QtLabel::SetCaption(std::string_view caption) {
  caption_ = ToQt(caption);
  setText(Shown(caption_, access_key_, screen_.catalog()));
  FitCaption();
  screen_.NameFields(Id());
}

void QtLabel::ShowAccessKey(bool on) {
  access_key_ = on;
  SetCaption(Caption());
}

// A caption is one line, kept clear of every field beside it: the label may grow into the
// free space on its line (rightwards first, then leftwards), and where that is too narrow
// the caption takes the condensed face. The fields never move.
void QtLabel::FitCaption() {
  const WidgetDesign& design = Design();
  const Rect here = PlaceOnControl(design.id);
  const Rect frame =
      design.parent ? PlaceOnControl(*design.parent) : Rect{0, 0, kControlWidth, kControlHeight};
  // Control pixels: the free space on the label's line, inside the visible part of the
  // label's parent (the frame).
  int lo = screen_.Px(std::max(frame.left, 0) + kInsideTheFrame);
  int hi = screen_.Px(std::min(frame.left + frame.width, kControlWidth) - kInsideTheFrame);
  for (const WidgetDesign& other : kScreenLayout) {
    const Rect o = PlaceOnControl(other.id);
    if (!other.CanTakeFocus() || o.top >= here.top + here.height || here.top >= o.top + o.height) {
      continue;
    }
    if (o.left > here.left) {
      hi = std::min(hi, screen_.Px(o.left - kBeforeItsField));
    } else {
      lo = std::max(lo, screen_.Px(o.left + o.width + kAfterAField));
    }
  }
  const QFont fitted = FontFitting(parentWidget()->font(), text(), hi - lo - 1);
  setFont(fitted);
  const int need = DrawnWidth(fitted, text()) + 1;
  const int design_left = screen_.Px(here.left);
  const int left = std::max(lo, std::min(design_left, hi - need));
  const int right = std::max(left + need, std::min(design_left + screen_.Px(here.width), hi));
  // Back to the parent's pixels, from the parent's place as the screen rounded it.
  const QPoint origin = design.parent ? QPoint(screen_.Px(DesignOf(*design.parent).rect.left),
                                               screen_.Px(DesignOf(*design.parent).rect.top))
                                      : QPoint();
  setGeometry(left - origin.x(), screen_.Px(here.top) - origin.y(), right - left,
              screen_.Px(here.height));
}

QtFrame::QtFrame(Screen& screen, WidgetId id, QWidget* parent) : Common(screen, id, parent) {
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  setFocusPolicy(Qt::NoFocus);
}

// The frame's place reaches past the control's edges; its border is drawn where the
// control shows it.
void QtFrame::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  ShowBorder();
}

void QtFrame::moveEvent(QMoveEvent* event) {
  QFrame::moveEvent(event);
  ShowBorder();
}

void QtFrame::ShowBorder() { setFrameRect(rect() & QRect(-pos(), parentWidget()->size())); }

namespace {

QDate ToQDate(std::chrono::year_month_day d) {
  return QDate(static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
               static_cast<int>(static_cast<unsigned>(d.day())));
}

}  // namespace

QtDatePicker::QtDatePicker(Screen& screen, WidgetId id, QWidget* parent)
    : Common(screen, id, parent) {
  const WidgetDesign& design = Design();
  setCalendarPopup(true);
  setLocale(QLocale(QLocale::English, QLocale::UnitedStates));  // "Dec", not the machine's
  setDateRange(ToQDate(design.min_date), ToQDate(design.max_date));
  setFocusPolicy(design.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
  connect(this, &QDateEdit::dateChanged, this, [this] {
    if (!screen_.InCode()) has_value_ = true;
  });
}

void QtDatePicker::SetCustomFormat(std::string_view format) {
  format_ = format;
  setDisplayFormat(ToQt(format));
}

void QtDatePicker::keyPressEvent(QKeyEvent* event) {
  const bool f4 = event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier;
  const bool alt_down =
      event->key() == Qt::Key_Down && (event->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
  if (!f4 && !alt_down) return QDateEdit::keyPressEvent(event);
  event->accept();
  // QDateEdit opens its calendar only on a press of its arrow: the key presses it there.
  QStyleOptionComboBox option;
  option.initFrom(this);
  option.editable = true;
  option.subControls = QStyle::SC_All;
  const QRect arrow =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
  const QPointF at = arrow.center();
  QMouseEvent press(QEvent::MouseButtonPress, at, mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  mousePressEvent(&press);
}

std::optional<DatePicker::Date> QtDatePicker::Value() const {
  if (!has_value_) return std::nullopt;
  const QDate d = date();
  return std::chrono::year{d.year()} / d.month() / d.day();
}

// Qt would clamp a date outside the range; the picker refuses it.
void QtDatePicker::SetValue(Date value) {
  CheckDate(Id(), value);
  screen_.AsCode([&] { setDate(ToQDate(value)); });
  has_value_ = true;
}

int VirtualKeyOf(int qt_key) {
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return 'A' + (qt_key - Qt::Key_A);
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return '0' + (qt_key - Qt::Key_0);
  switch (qt_key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    default:
      return 0;
  }
}

int QtKeyOf(int virtual_key) {
  for (int key : {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_PageUp,
                  Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left, Qt::Key_Up,
                  Qt::Key_Right, Qt::Key_Down, Qt::Key_Insert, Qt::Key_Delete}) {
    if (VirtualKeyOf(key) == virtual_key) return key;
  }
  if (virtual_key >= 'A' && virtual_key <= 'Z') return Qt::Key_A + (virtual_key - 'A');
  if (virtual_key >= '0' && virtual_key <= '9') return Qt::Key_0 + (virtual_key - '0');
  return Qt::Key_unknown;  // Tab among them: it would move the focus, not press a key
}

}  // namespace corvane::qt

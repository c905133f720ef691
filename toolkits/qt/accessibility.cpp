#include "toolkits/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

namespace corvane::qt {
namespace {

// The label a line edit has under another parent.
constexpr char kLabelProperty[] = "corvaneLabel";

QLabel* LabelOf(const QObject* box) { return box->property(kLabelProperty).value<QLabel*>(); }

// A line edit whose label lives elsewhere: Qt's own interface for line edits is private,
// so this one gives the text, caret and selection itself (read and set; a screen reader
// does not type into a box this way) and adds the label to the relations.
class LabelledLineEdit final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit LabelledLineEdit(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return box()->text();
    return QAccessibleWidget::text(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    return state;
  }

  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto relations = QAccessibleWidget::relations(match);
    QLabel* label = LabelOf(box());
    if ((match & QAccessible::Label) && label && label->buddy() == box()) {
      relations.append({QAccessible::queryAccessibleInterface(label), QAccessible::Label});
    }
    return relations;
  }

  // Text, caret and selection, in Qt's string offsets as Qt's own interfaces count them.
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !box()->hasSelectedText()) return;
    *start = box()->selectionStart();
    *end = *start + box()->selectionLength();
  }
  int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override {
    if (index == 0) box()->deselect();
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) box()->setSelection(start, end - start);
  }
  int cursorPosition() const override { return box()->cursorPosition(); }
  void setCursorPosition(int position) override { box()->setCursorPosition(position); }
  QString text(int start, int end) const override {
    const QString all = box()->text();
    if (end < 0 || end > all.size()) end = static_cast<int>(all.size());
    if (start < 0 || start > end) return {};
    return all.mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(box()->text().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint& point) const override {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = offset;
    *end = offset;
    return {};
  }

 private:
  QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
  if (key != QLatin1String("QLineEdit") || !LabelOf(object)) return nullptr;
  return new LabelledLineEdit(static_cast<QLineEdit*>(object));
}

}  // namespace

void LinkLabelAcrossParents(QLineEdit* box, QLabel* label) {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
  box->setProperty(kLabelProperty, QVariant::fromValue(label));
  label->setBuddy(box);
  // Qt may have made the box's interface already, while building it (an update event
  // does): the next one comes from the factory.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(box);
  if (made && !dynamic_cast<LabelledLineEdit*>(made)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

}  // namespace corvane::qt

// The Qt widgets of the surface: each is both the Qt widget and the control's view of it.
// Qt owns them (through the surface); the screen reaches them by WidgetId.
#pragma once

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <string>
#include <vector>

#include "corvane/qt_screen.h"
#include "corvane/widgets.h"
#include "surface/first_entries.h"
#include "surface/toolkit_widget.h"

namespace corvane::qt {

class RowsModel;

// Enabled, visible and z-order kept by Qt, the same for every kind.
template <class QtBase, class Interface>
class Common : public QtBase, public ToolkitWidget<Interface, Screen> {
 public:
  Common(Screen& screen, WidgetId id, QWidget* parent)
      : QtBase(parent), ToolkitWidget<Interface, Screen>(screen, id) {}

  bool Enabled() const override { return !this->testAttribute(Qt::WA_Disabled); }
  bool Visible() const override { return !this->isHidden(); }
  int ZIndex() const override {
    // Qt keeps siblings back to front.
    int behind = 0, siblings = 0;
    bool seen = false;
    for (const QObject* child : QtBase::parentWidget()->children()) {
      if (!child->isWidgetType()) continue;
      ++siblings;
      if (child == this) seen = true;
      if (!seen) ++behind;
    }
    return siblings - 1 - behind;
  }

 protected:
  using ToolkitWidget<Interface, Screen>::screen_;

 private:
  void Enable(bool enabled) override {
    screen_.AsCode([&] { QtBase::setEnabled(enabled); });
  }
  void Show(bool visible) override {
    screen_.AsCode([&] { QtBase::setVisible(visible); });
    screen_.StackingChanged();
  }
  void Stack(bool in_front) override {
    in_front ? QtBase::raise() : QtBase::lower();
    screen_.StackingChanged();
  }
};

class QtTextBox final : public Common<QLineEdit, TextBox> {
 public:
  QtTextBox(Screen& screen, WidgetId id, QWidget* parent);

  std::string Text() const override { return text().toStdString(); }
  void SetText(std::string_view text) override;
  bool Locked() const override { return isReadOnly(); }
  void SetLocked(bool locked) override { setReadOnly(locked); }
  Color BackColor() const override { return back_color_; }
  void SetBackColor(Color color) override;
  int SelStart() const override;
  void SetSelStart(int start) override;
  int SelLength() const override;
  void SetSelLength(int length) override;

  // The operator's drag: a selection of code points, clamped to the text.
  void SelectRange(int start, int length);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void RaiseChange();
  // One character key: through the KeyPress handler, then into the box unless refused.
  void TypeKey(uint key);
  // A paste, typed: each character of the clipboard's text as its key would be.
  void PasteAsTyped(QClipboard::Mode mode);

  Color back_color_;
  bool focus_just_arrived_ = false;
};

class QtComboBox final : public Common<QComboBox, ComboBox> {
 public:
  QtComboBox(Screen& screen, WidgetId id, QWidget* parent);

  std::string Text() const override { return currentText().toStdString(); }
  void SetText(std::string_view text) override;
  std::string List(int index) const override;
  int ListCount() const override { return count(); }
  int FindItem(std::string_view text) const override { return first_.Find(text); }
  int ListIndex() const override { return currentIndex(); }
  void SetListIndex(int index) override;
  void AddItem(std::string_view text) override;
  void Clear() override;
  bool Locked() const override { return locked_; }
  void SetLocked(bool locked) override;
  Color BackColor() const override { return back_color_; }
  void SetBackColor(Color color) override;

  void showPopup() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  FirstEntries first_;
  bool locked_;
  Color back_color_;
};

// The caption the control sets is kept as it is; Qt's text carries the access key's marker
// while access keys are shown.
class QtButton final : public Common<QPushButton, CommandButton> {
 public:
  QtButton(Screen& screen, WidgetId id, QWidget* parent);
  std::string Caption() const override { return caption_.toStdString(); }
  void SetCaption(std::string_view caption) override;
  // Fits the caption to the button, with air on both sides.
  void FitCaption();
  void ShowAccessKey(bool on);
  // As a click of the mouse: the focus comes here (its moves run their handlers), then the
  // click. Does nothing while the button is disabled.
  void Press();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QString caption_;
  bool access_key_ = false;
};

class QtLabel final : public Common<QLabel, Label> {
 public:
  QtLabel(Screen& screen, WidgetId id, QWidget* parent);
  std::string Caption() const override { return caption_.toStdString(); }
  void SetCaption(std::string_view caption) override;
  void ShowAccessKey(bool on);
  // Fits the caption on one line to the label's place in the layout, clear of the fields.
  void FitCaption();

 private:
  QString caption_;
  bool access_key_ = false;
};

class QtFrame final : public Common<QFrame, Frame> {
 public:
  QtFrame(Screen& screen, WidgetId id, QWidget* parent);
  std::string Caption() const override { return std::string(Design().text); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // The border around the part of the frame its parent shows.
  void ShowBorder();
};

class QtListView final : public Common<QTableView, ListView> {
 public:
  QtListView(Screen& screen, WidgetId id, QWidget* parent);
  ~QtListView() override;

  double Width() const override { return Design().rect.width; }
  void AddColumn(std::string_view text, double width, Alignment alignment) override;
  std::vector<ColumnHeader> Columns() const override;
  void SetColumnText(int column, std::string_view text) override;

  int Count() const override;
  int Add(std::string_view text) override;
  void Reserve(int rows) override;
  void Remove(int row) override;
  void Clear() override;

  std::string Text(int row) const override;
  void SetText(int row, std::string_view text) override;
  std::string SubItem(int row, int sub_item) const override;
  void SetSubItem(int row, int sub_item, std::string_view text) override;
  Color ForeColor(int row) const override;
  void SetForeColor(int row, Color color) override;
  std::string Description(int row) const override;
  void SetDescription(int row, std::string_view description) override;
  void ShowRows(const ListRows& rows) override;
  void RowsInserted(int first, int count) override;
  void RowChanged(int row) override;
  void RowRemoved(int row) override;
  void RowsCleared() override;

  std::optional<int> Selected() const override;
  void Select(int row) override;

  bool HideSelection() const override { return hide_selection_; }
  void SetHideSelection(bool hide) override;
  Color BackColor() const override { return back_color_; }
  void SetBackColor(Color color) override;

  // The on-screen rectangle of a row, for the operator's mouse; shows the row first.
  QRect RowRect(int row);
  // Whether the selected row is painted selected now.
  bool ShowsSelection() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void ApplyPalette();

  RowsModel* model_;
  bool hide_selection_ = true;
  Color back_color_ = kWindowBackground;
};

class QtDatePicker final : public Common<QDateEdit, DatePicker> {
 public:
  QtDatePicker(Screen& screen, WidgetId id, QWidget* parent);

  std::string CustomFormat() const override { return format_; }
  void SetCustomFormat(std::string_view format) override;
  std::optional<Date> Value() const override;
  void SetValue(Date value) override;

 protected:
  // F4 and Alt+Down open the calendar, as a click on the picker's arrow does.
  void keyPressEvent(QKeyEvent* event) override;
  // Tab leaves the picker, as it leaves every field; the arrow keys move between its parts.
  // QDateTimeEdit's own override, which moves between the parts on Tab, is passed over.
  // NOLINTNEXTLINE(bugprone-parent-virtual-call)
  bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }

 private:
  std::string format_;
  bool has_value_ = false;
};

// The Qt widget of each kind, for ToolkitScreen::Build.
struct Widgets {
  using TextBox = QtTextBox;
  using ComboBox = QtComboBox;
  using CommandButton = QtButton;
  using Label = QtLabel;
  using Frame = QtFrame;
  using ListView = QtListView;
  using DatePicker = QtDatePicker;
};

// Virtual key code of a Qt key (0 when it has none).
int VirtualKeyOf(int qt_key);
// The Qt key for a virtual key code (Qt::Key_unknown when there is none).
int QtKeyOf(int virtual_key);

}  // namespace corvane::qt

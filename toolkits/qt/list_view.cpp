#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <cmath>

#include "surface/refusals.h"
#include "toolkits/qt/rows_model.h"
#include "toolkits/qt/widgets.h"

namespace corvane::qt {
namespace {

// HideSelection: while the list has no focus, the selected row is painted as any other,
// in its own colour.
class RowDelegate final : public QStyledItemDelegate {
 public:
  explicit RowDelegate(QtListView* view) : QStyledItemDelegate(view), view_(view) {}

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!view_->ShowsSelection()) option->state &= ~QStyle::State_Selected;
  }

 private:
  QtListView* view_;
};

}  // namespace

// A report view over a model of the rows: whole rows selected one at a time, grid lines,
// no editing in place, no sorting. Only Up, Down, Home and End move the selection.
QtListView::QtListView(Screen& screen, WidgetId id, QWidget* parent)
    : Common(screen, id, parent),
      model_(new RowsModel(
          id, [&screen](Color c) { return screen.Resolve(c); }, this)) {
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setShowGrid(Design().grid_lines);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setFocusPolicy(Qt::StrongFocus);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setSectionsMovable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  setItemDelegate(new RowDelegate(this));
  ApplyPalette();
  connect(this, &QAbstractItemView::clicked, this, [this] {
    if (!screen_.InCode()) screen_.Raise([this](Events& events) { events.Click(Id()); });
  });
}

QtListView::~QtListView() = default;

void QtListView::AddColumn(std::string_view text, double width, Alignment alignment) {
  // A column of width 0 carries data only: the model keeps it out of the view.
  const int shown = model_->AddColumn({std::string(text), width, alignment});
  if (shown >= 0) {
    horizontalHeader()->resizeSection(shown, screen_.Px(static_cast<int>(std::lround(width))));
  }
}

std::vector<ColumnHeader> QtListView::Columns() const { return model_->columns(); }
void QtListView::SetColumnText(int column, std::string_view text) {
  model_->SetColumnText(column, text);
}

int QtListView::Count() const { return model_->size(); }
int QtListView::Add(std::string_view text) { return model_->Append(text); }
void QtListView::Reserve(int rows) { model_->Reserve(rows); }
void QtListView::Remove(int row) {
  const bool was_selected = Selected() == row;
  screen_.AsCode([&] {
    model_->Remove(row);
    // Qt's view would select a neighbour of the row it lost; the list selects nothing.
    if (was_selected) selectionModel()->clearSelection();
  });
}
void QtListView::Clear() {
  screen_.AsCode([&] { model_->Clear(); });
}

std::string QtListView::Text(int row) const { return std::string(model_->rows().Cell(row, 0)); }
void QtListView::SetText(int row, std::string_view text) { model_->SetCell(row, 0, text); }

std::string QtListView::SubItem(int row, int sub_item) const {
  model_->rows().CheckSubItem(sub_item);
  return std::string(model_->rows().Cell(row, sub_item));
}

void QtListView::SetSubItem(int row, int sub_item, std::string_view text) {
  model_->rows().CheckSubItem(sub_item);
  model_->SetCell(row, sub_item, text);
}

Color QtListView::ForeColor(int row) const { return model_->rows().ForeColor(row); }
void QtListView::SetForeColor(int row, Color color) { model_->SetForeColor(row, color); }
std::string QtListView::Description(int row) const {
  return std::string(model_->rows().Description(row));
}
void QtListView::SetDescription(int row, std::string_view description) {
  model_->SetDescription(row, description);
}

void QtListView::ShowRows(const ListRows& rows) {
  screen_.AsCode([&] { model_->Show(rows); });
}

void QtListView::RowsInserted(int first, int count) {
  screen_.AsCode([&] { model_->Inserted(first, count); });
}

void QtListView::RowChanged(int row) { model_->Changed(row); }

void QtListView::RowRemoved(int row) {
  const bool was_selected = Selected() == row;
  screen_.AsCode([&] {
    model_->Removed(row);
    // Qt's view would select a neighbour of the row it lost; the list selects nothing.
    if (was_selected) selectionModel()->clearSelection();
  });
}

void QtListView::RowsCleared() {
  screen_.AsCode([&] { model_->Cleared(); });
}

std::optional<int> QtListView::Selected() const {
  const QModelIndexList cells = selectionModel()->selectedIndexes();
  if (cells.isEmpty()) return std::nullopt;
  return cells.first().row();
}

void QtListView::Select(int row) {
  model_->rows().CheckRow(row);
  model_->Flush();
  screen_.AsCode([&] {
    const QModelIndex index = model_->index(row, 0);
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
  });
}

QRect QtListView::RowRect(int row) {
  model_->Flush();
  const QModelIndex index = model_->index(row, 0);
  scrollTo(index);
  return visualRect(index);
}

void QtListView::SetHideSelection(bool hide) {
  hide_selection_ = hide;
  ApplyPalette();
}

void QtListView::SetBackColor(Color color) {
  back_color_ = color;
  ApplyPalette();
}

// The view paints a selected row's background before the delegate paints its cells: under
// a hidden selection that background is the list's own where the list has no focus.
void QtListView::ApplyPalette() {
  QPalette p = palette();
  p.setColor(QPalette::Base, screen_.Resolve(back_color_));
  for (QPalette::ColorGroup without_focus : {QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(without_focus, QPalette::Highlight,
               hide_selection_ ? p.color(without_focus, QPalette::Base)
                               : p.color(QPalette::Active, QPalette::Highlight));
  }
  setPalette(p);
}

bool QtListView::ShowsSelection() const { return !hide_selection_ || hasFocus(); }

// Only Up, Down, Home and End move the selection; Page keys and letters move nothing.
void QtListView::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (const std::optional<int> row = RowForKey(VirtualKeyOf(event->key()), Selected(), Count())) {
    Select(*row);
  }
}

void QtListView::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  if (event->isAutoRepeat()) return;
  int code = VirtualKeyOf(event->key());
  if (code == 0 && event->nativeVirtualKey() <= 255) {
    code = static_cast<int>(event->nativeVirtualKey());
  }
  auto key = static_cast<std::int16_t>(code);
  std::int16_t shift = 0;
  if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
  if (event->modifiers() & Qt::ControlModifier) shift |= 2;
  if (event->modifiers() & Qt::AltModifier) shift |= 4;
  screen_.Raise([&](Events& events) { events.KeyUp(Id(), key, shift); });
}

}  // namespace corvane::qt

#include "tools/corvane_demo/changes_box.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "tools/corvane_demo/change_list.h"

namespace corvane::demo {

ChangesBox::ChangesBox(QWidget* parent)
    : QGroupBox(tr("Changes (ReadPaymentData)"), parent),
      read_(new QPushButton(tr("Read changes"), this)),
      raw_(new QLineEdit(this)),
      table_(new QTableWidget(0, kChangeFieldCount, this)) {
  raw_->setReadOnly(true);
  raw_->setAccessibleName(tr("Change list"));
  table_->setAccessibleName(tr("Changes"));
  raw_->setPlaceholderText(tr("No change read yet"));
  table_->setHorizontalHeaderLabels({tr("Payment date"), tr("Type ID"), tr("Reference"),
                                     tr("Authorization"), tr("Amount"), tr("Sequence"),
                                     tr("Mark")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);  // Tab leaves the table instead of walking its cells
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->setVisible(false);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                           4 * table_->verticalHeader()->defaultSectionSize() + 4);

  auto* top = new QHBoxLayout;
  top->addWidget(read_);
  top->addWidget(raw_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(table_);
}

void ChangesBox::Show(const QString& text, const QString& fs, const QString& rs) {
  raw_->setText(text);
  raw_->setCursorPosition(0);
  raw_->setPlaceholderText(tr("No changes"));
  const QList<QStringList> records = SplitChangeList(text, fs, rs);
  table_->setRowCount(static_cast<int>(records.size()));
  for (int row = 0; row < records.size(); ++row) {
    for (int column = 0; column < kChangeFieldCount; ++column) {
      const QString cell = column < records[row].size() ? records[row][column] : QString();
      auto* item = new QTableWidgetItem(cell);
      if (column == kChangeAmount || column == kChangeSequence) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      }
      table_->setItem(row, column, item);
    }
  }
}

QString ChangesBox::raw() const { return raw_->text(); }

}  // namespace corvane::demo

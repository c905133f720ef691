// corvane_qt_bench: WritePaymentData into the Qt toolkit's real list view, against the same
// rows put straight into a bare Qt list view by hand. Both windows are shown and every
// iteration runs the event loop until the view has laid out and painted the new rows.
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTreeWidget>
#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "bench/baselines.h"
#include "bench/order_texts.h"
#include "control/payment_record.h"
#include "corvane/corvane_widget.h"

namespace corvane::bench {
namespace {

using W = WidgetId;

constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::December,
                                             std::chrono::day{6}};
constexpr int kShopTypeCount = 10;

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
  int paints() const { return paints_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints_;
    return false;
  }

 private:
  int paints_ = 0;
};

// Runs what the event loop holds: the announcement of new rows, the view's layout (a
// zero-time timer) and the repaint it asks for.
void Settle() {
  for (int pass = 0; pass < 2; ++pass) {
    QApplication::sendPostedEvents();
    QApplication::processEvents();
  }
}

// The control on the Qt toolkit in a shown window, with the order's context and the
// shop's types; every iteration reloads `rows` payments (types given: the list starts
// over, as in the headless load/control).
void QtLoadControl(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string payments = StoredPayments(rows, kShopTypeCount);
  const std::string types = ShopPaymentTypes();
  qt::CorvaneWidget widget(nullptr, nullptr, [] { return kToday; });
  widget.PaymentDetails(1, 44, 1, 0, 1e12, "Dec 01, 2026");
  widget.show();
  Settle();
  auto* view = static_cast<QTableView*>(widget.screen().qwidget(W::lstPayment));
  PaintCounter painted(view->viewport());
  for (auto _ : state) {
    widget.WritePaymentData(kCreditCards, types, payments, kFieldSeparator, kRecordSeparator);
    Settle();
  }
  if (view->model()->rowCount() != rows || view->verticalScrollBar()->maximum() == 0) {
    state.SkipWithError("the view does not show the rows");
  } else if (painted.paints() < state.iterations()) {
    state.SkipWithError("the view was not painted after every load");
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

// What a Qt developer writing this screen by hand would do at least: split and parse the
// host's text as the bare load baseline does, then put each record's seven texts into a
// QTreeWidgetItem and all of them into a QTreeWidget of seven columns at once. The tree
// has the size, the column widths and hidden columns of the control's list, right-aligned
// amount and date cells, no root decoration and rows of one height.
void QtLoadBaseline(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string payments = StoredPayments(rows, kShopTypeCount);
  const std::string types = ShopPaymentTypes();

  // The control's list, for its geometry only.
  qt::CorvaneWidget reference(nullptr, nullptr, [] { return kToday; });
  const auto* list = static_cast<QTableView*>(reference.screen().qwidget(W::lstPayment));

  QTreeWidget tree;
  tree.setColumnCount(kPaymentColumnCount);
  QStringList headers;
  for (const PaymentColumnSpec& column : kPaymentColumns) {
    headers << QString::fromUtf8(column.header.data(),
                                 static_cast<qsizetype>(column.header.size()));
  }
  tree.setHeaderLabels(headers);
  for (int c = 0; c < kPaymentColumnCount; ++c) {
    tree.header()->resizeSection(c, list->horizontalHeader()->sectionSize(c));
    tree.setColumnHidden(c, list->isColumnHidden(c));
  }
  tree.setRootIsDecorated(false);
  tree.setUniformRowHeights(true);
  tree.resize(list->size());
  tree.show();
  Settle();
  PaintCounter painted(tree.viewport());

  std::vector<BaselineRecord> records;
  for (auto _ : state) {
    const std::vector<std::string> names = SplitTypeNames(types, kFieldSeparator, kRecordSeparator);
    SplitAndParse(payments, names, kFieldSeparator, kRecordSeparator, records);
    tree.clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(records.size()));
    for (const BaselineRecord& record : records) {
      QStringList cells;
      cells.reserve(kPaymentColumnCount);
      for (const std::string& cell : record) cells << QString::fromStdString(cell);
      auto* item = new QTreeWidgetItem(cells);
      item->setTextAlignment(kColAmount, Qt::AlignRight | Qt::AlignVCenter);
      item->setTextAlignment(kColPaymentDate, Qt::AlignRight | Qt::AlignVCenter);
      items.append(item);
    }
    tree.addTopLevelItems(items);
    Settle();
  }
  if (tree.topLevelItemCount() != rows || tree.verticalScrollBar()->maximum() == 0) {
    state.SkipWithError("the tree does not show the rows");
  } else if (painted.paints() < state.iterations()) {
    state.SkipWithError("the tree was not painted after every load");
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

BENCHMARK(QtLoadControl)
    ->Name("qt/load/control")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(QtLoadBaseline)
    ->Name("qt/load/baseline")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform warns at every window shown that it keeps no size hints.
  static const QtMessageHandler qt_handler = qInstallMessageHandler(nullptr);
  qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints"))) {
          qt_handler(type, context, message);
        }
      });
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// A demo window on a fresh SQLite file holding the sample order, shown offscreen, with the
// control's message boxes on scripted services and the window's own answered from a queue.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "tools/corvane_demo/demo_window.h"

namespace corvane::demo {

// A stored payment as "sequence|type|reference|authorization|amount|date", the amount as
// the delimited texts write it.
inline std::vector<std::string> StoredRows(const OrderStore& store, int order_id) {
  std::vector<std::string> rows;
  for (const StoredPayment& p : store.Payments(order_id)) {
    rows.push_back(QStringLiteral("%1|%2|%3|%4|%5|%6")
                       .arg(p.sequence)
                       .arg(p.type_id)
                       .arg(p.reference, p.authorization, AmountText(p.amount),
                            p.date ? p.date->toString(Qt::ISODate) : QStringLiteral("none"))
                       .toStdString());
  }
  return rows;
}

// One of the window's own message boxes, as shown.
struct WindowBox {
  QMessageBox::Icon icon;
  std::string text;
  QMessageBox::StandardButtons buttons;
};

class DemoSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    store_.AddSampleOrderIfEmpty();
  }

  // A shown, active window on the order (an offscreen one will do).
  void Open(int order_id) {
    window_ = std::make_unique<DemoWindow>(store_, &scripted_, [] {
      return Corvane::Date{std::chrono::year{2026}, std::chrono::December, std::chrono::day{6}};
    });
    window_->SetMessageBox(
        [this](QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
          boxes_.push_back({icon, text.toStdString(), buttons});
          if (answers_.empty()) {
            ADD_FAILURE() << "unexpected box: " << text.toStdString();
            return QMessageBox::NoButton;
          }
          const QMessageBox::StandardButton answer = answers_.front();
          answers_.pop_front();
          return answer;
        });
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QApplication::processEvents();
    ASSERT_TRUE(window_->LoadOrder(order_id)) << window_->status().toStdString();
  }

  ListView& List() { return window_->corvane().screen().list_view(WidgetId::lstPayment); }
  std::string Row(int row) {
    std::string text = List().Text(row);
    for (int sub = 1; sub <= 5; ++sub) text += "|" + List().SubItem(row, sub);
    return text;
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    rows.reserve(List().Count());
    for (int row = 0; row < List().Count(); ++row) rows.push_back(Row(row));
    return rows;
  }

  QTemporaryDir dir_;
  OrderStore store_{dir_.filePath(QStringLiteral("orders.sqlite"))};
  ScriptedServices scripted_;
  std::unique_ptr<DemoWindow> window_;
  // The window's own boxes: those shown, and the answers the next ones get.
  std::vector<WindowBox> boxes_;
  std::deque<QMessageBox::StandardButton> answers_;
};

}  // namespace corvane::demo

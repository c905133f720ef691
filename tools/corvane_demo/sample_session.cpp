#include "tools/corvane_demo/sample_session.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QTableWidget>
#include <iostream>
#include <stdexcept>

#include "corvane/qt_operator.h"
#include "tools/corvane_demo/change_list.h"
#include "tools/corvane_demo/changes_box.h"

namespace corvane::demo {
namespace {

// The card payment left open for the picture. The control opens the card box only for the
// type with ID 8; a card box still grey means the order's types are numbered otherwise.
void StartCardPayment(DemoWindow& window) {
  qt::Screen& screen = window.corvane().screen();
  qt::Operator person(screen);
  person.Click(WidgetId::cmdAdd);
  person.Choose(WidgetId::cboPaymentType, "Credit Card");
  ComboBox& cards = screen.combo_box(WidgetId::cboCreditCard);
  if (!cards.Enabled() || cards.ListCount() < 2) {
    throw std::runtime_error("choosing Credit Card did not open the card box with two cards");
  }
  person.Choose(WidgetId::cboCreditCard, cards.List(1));
  person.Type(WidgetId::txtAuthorization, "B7781");
  person.Type(WidgetId::txtAmount, "60");
  person.Focus(WidgetId::cboCreditCard);
  QApplication::processEvents();
  if (!window.corvane().EntryOpen()) throw std::runtime_error("the card payment is not open");
}

}  // namespace

QString RunSampleSession(DemoWindow& window, ScriptedServices& scripted) {
  if (window.order_id() == 0) {
    throw std::runtime_error("no order is loaded: " + window.status().toStdString());
  }
  QApplication::setActiveWindow(&window);
  QApplication::processEvents();

  qt::Operator person(window.corvane().screen());
  const int stored = window.corvane().screen().list_view(WidgetId::lstPayment).Count();
  if (stored > 0) {
    scripted.QueueAnswer(kAnswerYes);
    person.ClickRow(WidgetId::lstPayment, stored - 1);
    person.Click(WidgetId::cmdDelete);
  }
  person.Click(WidgetId::cmdAdd);
  person.Type(WidgetId::txtReference, "1002");
  person.Type(WidgetId::txtAmount, "75");
  person.Click(WidgetId::cmdAdd);
  QApplication::processEvents();

  const std::optional<QString> changes = window.ReadChanges();
  if (!changes) throw std::runtime_error(window.status().toStdString());
  const QTableWidget& table = *window.changes().table();
  bool added = false;
  for (int row = 0; row < table.rowCount(); ++row) {
    added = added || table.item(row, kChangeMark)->text() == QStringLiteral("N");
  }
  if (!added) {
    std::string boxes;
    for (const MessageRecord& box : scripted.messages()) boxes += " [" + box.prompt + "]";
    throw std::runtime_error("the new payment was not saved; the control said:" + boxes);
  }
  StartCardPayment(window);
  return *changes;
}

int RunScreenshotSession(DemoWindow& window, ScriptedServices& scripted, const QString& file) {
  QString changes;
  try {
    changes = RunSampleSession(window, scripted);
  } catch (const std::exception& e) {
    std::cerr << "corvane-demo: the sample session failed: " << e.what() << "\n";
    return 1;
  }
  QApplication::processEvents();
  const QString path = QFileInfo(file).absoluteFilePath();
  if (!window.grab().save(path, "PNG")) {
    std::cerr << "corvane-demo: cannot write " << path.toStdString() << "\n";
    return 1;
  }
  std::cout << changes.toStdString() << "\n"
            << "Screenshot: " << path.toStdString() << "\n";
  return 0;
}

}  // namespace corvane::demo

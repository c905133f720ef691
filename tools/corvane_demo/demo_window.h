// The demo's main window: the order-entry application around one Corvane control. It
// loads an order from the store into the control (PaymentDetails, WritePaymentData), lets
// a person work on it, and saves the control's change list back to the store. Host errors
// and store errors go to the status bar and the log; nothing throws out of the window.
#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>

#include "control/corvane.h"
#include "tools/corvane_demo/order_store.h"
#include "widgets/qt/corvane_widget.h"
#include "widgets/scripted_services.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPlainTextEdit;
class QPushButton;

namespace corvane::demo {

class ChangesBox;
class ContextBox;
class TextsBox;

class DemoWindow : public QMainWindow {
 public:
  // `store` must outlive the window; with `scripted`, the control's message boxes and
  // beeps go there (it must outlive the window). Loads the first stored order.
  explicit DemoWindow(OrderStore& store, ScriptedServices* scripted = nullptr,
                      Corvane::Today today = nullptr, QWidget* parent = nullptr);
  ~DemoWindow() override;

  qt::CorvaneWidget& corvane() { return *corvane_; }
  int order_id() const { return order_id_; }
  ChangesBox& changes() { return *changes_; }
  QString status() const;
  QString log() const;

  // Each returns false, with the error in the status bar and the log, when it failed.
  // The order's context and texts from the store, into the boxes and the control.
  bool LoadOrder(int order_id);
  // The change list (and the context in the boxes) into the store, then LoadOrder again.
  bool SaveOrder();
  // The boxes' context and texts into the control.
  bool ApplyContext();
  bool LoadTexts();
  // The change list, shown in the changes box.
  std::optional<QString> ReadChanges();

 private:
  QWidget* BuildOrderRow();
  QWidget* BuildHostCalls();
  void ListOrders(int select_id);
  // Runs `step`; an exception becomes an error in the status bar and the log.
  bool Attempt(const QString& what, const std::function<void()>& step);
  void Report(const QString& message);
  void Log(const QString& line);
  void SyncNewPaymentBox();
  // The separators the control reads and writes with: those of its last load, else the
  // boxes' ones.
  QString FieldSeparator();
  QString RecordSeparator();

  OrderStore& store_;
  int order_id_ = 0;
  qt::CorvaneWidget* corvane_;
  ContextBox* context_;
  TextsBox* texts_;
  ChangesBox* changes_;
  QComboBox* orders_ = nullptr;
  QDoubleSpinBox* ordered_amount_ = nullptr;
  QCheckBox* new_payment_ = nullptr;
  QPlainTextEdit* log_;
};

}  // namespace corvane::demo

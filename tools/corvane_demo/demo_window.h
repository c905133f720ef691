// The demo's main window: the order-entry application around one Corvane control. It
// loads an order from the store into the control as values (PaymentDetails, LoadPayments),
// lets a person work on it, and saves the control's changes (Changes) back to the store.
// Its developer panel shows the same order as the delimited texts WritePaymentData takes
// and loads them on request, and shows the change list ReadPaymentData gives. Host errors
// and store errors go to the status bar and the log; nothing throws out of the window.
// Save order refuses while a payment is open in the control, and closing the window with
// work not yet stored asks whether to save it. Each order has its currency, which the
// window gives the control before the order's payments (the control takes a currency only
// while its list is empty); the Mask card numbers box masks card numbers at once.
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <functional>
#include <optional>

#include "corvane/corvane.h"
#include "corvane/corvane_widget.h"
#include "corvane/scripted_services.h"
#include "tools/corvane_demo/order_store.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPlainTextEdit;
class QPushButton;

namespace corvane::demo {

class ChangesBox;
class ContextBox;
class LanguageSwitch;
class TextsBox;

class DemoWindow : public QMainWindow {
 public:
  // `store` must outlive the window; with `scripted`, the control's message boxes and
  // beeps go there (it must outlive the window). Loads the first stored order.
  explicit DemoWindow(OrderStore& store, ScriptedServices* scripted = nullptr,
                      Corvane::Today today = nullptr, QWidget* parent = nullptr);
  ~DemoWindow() override;

  // The window's own message boxes (the control's go to its services): shows `text` with
  // `icon` and `buttons` and gives the button pressed. Without a person, a test answers
  // them with a function of its own; without one (the default) they are QMessageBoxes.
  using MessageBox = std::function<QMessageBox::StandardButton(
      QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)>;
  void SetMessageBox(MessageBox box) { message_box_ = std::move(box); }

  qt::CorvaneWidget& corvane() { return *corvane_; }
  int order_id() const { return order_id_; }
  ChangesBox& changes() { return *changes_; }
  ContextBox& context() { return *context_; }
  LanguageSwitch& language() { return *language_; }
  QCheckBox& mask_card_numbers() { return *mask_card_numbers_; }
  TextsBox& texts() { return *texts_; }
  QString status() const;
  QString log() const;

  // Each returns false, with the error in the status bar and the log, when it failed.
  // The order's context and values from the store into the control, its texts into the
  // texts box (when the texts can carry it: a stored text may hold a separator).
  // An order in another currency than the control's starts the control's list over first.
  bool LoadOrder(int order_id);
  // Loads the first stored order in `currency` (an offered code, or "" for the classic
  // currency), adding the sample order in it when there is none.
  bool LoadOrderIn(const QString& currency);
  // The changes (and the context in the boxes) into the store, then LoadOrder again; the
  // change list is shown in the changes box on the way. While an entry is open in the
  // control, refuses with a message box and saves nothing.
  bool SaveOrder();
  // True when closing would lose work: an entry open in the control, changes it would
  // give in its change list, or a context in the boxes that differs from the one loaded.
  bool HasUnsavedChanges();
  // The boxes' context and texts into the control. The currency is given only when it
  // differs from the control's, and refused while the control's list holds payments.
  bool ApplyContext();
  bool LoadTexts();
  // The change list, shown in the changes box.
  std::optional<QString> ReadChanges();
  // The order's values into the control.
  bool LoadValues(const OrderValues& values);

 protected:
  // With unsaved changes, asks: Save (closes only when the save succeeds), Discard
  // (closes), Cancel (stays).
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildOrderRow();
  QWidget* BuildHostCalls();
  void ListOrders(int select_id);
  // Runs `step`; an exception becomes an error in the status bar and the log.
  bool Attempt(const QString& what, const std::function<void()>& step);
  // One of the window's own boxes, through the function set or as a QMessageBox.
  QMessageBox::StandardButton Box(QMessageBox::Icon icon, const QString& text,
                                  QMessageBox::StandardButtons buttons);
  void Report(const QString& message);
  void Log(const QString& line);
  void SyncNewPaymentBox();
  // The order's currency into the control when it differs: its code, or two decimals for
  // the classic currency (the captions' "$" again).
  bool ApplyCurrency(const QString& currency);
  bool CurrencyDiffers(const QString& currency) const;
  // An amount with the control's currency's decimals.
  QString Amount(double value) const;
  // The separators the control's change list is written with: those of its last
  // WritePaymentData, "~" and "|" before one.
  QString FieldSeparator() const;
  QString RecordSeparator() const;

  OrderStore& store_;
  int order_id_ = 0;
  // The context as the boxes showed it after the last load, to tell whether it changed.
  OrderContext loaded_context_;
  qt::CorvaneWidget* corvane_;
  ContextBox* context_;
  TextsBox* texts_;
  ChangesBox* changes_;
  QComboBox* orders_ = nullptr;
  QDoubleSpinBox* ordered_amount_ = nullptr;
  QCheckBox* new_payment_ = nullptr;
  LanguageSwitch* language_ = nullptr;
  QCheckBox* mask_card_numbers_ = nullptr;
  QPlainTextEdit* log_;
  MessageBox message_box_;
};

}  // namespace corvane::demo

#include "tools/corvane_demo/demo_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>

#include "tools/corvane_demo/changes_box.h"
#include "tools/corvane_demo/context_box.h"
#include "tools/corvane_demo/language.h"
#include "tools/corvane_demo/texts_box.h"

namespace corvane::demo {
namespace {

std::string Std(const QString& text) { return text.toStdString(); }

}  // namespace

DemoWindow::DemoWindow(OrderStore& store, ScriptedServices* scripted, Corvane::Today today,
                       QWidget* parent)
    : QMainWindow(parent),
      store_(store),
      corvane_(new qt::CorvaneWidget(nullptr, scripted, std::move(today))),
      context_(new ContextBox),
      texts_(new TextsBox),
      changes_(new ChangesBox),
      log_(new QPlainTextEdit) {
  setWindowTitle(tr("Corvane demo"));
  corvane_->SetAccessKeys(true);
  log_->setReadOnly(true);
  log_->setMaximumBlockCount(1000);
  log_->setAccessibleName(tr("Events"));

  auto* control_box = new QGroupBox(tr("Payments"));
  auto* control_layout = new QVBoxLayout(control_box);
  control_layout->addWidget(corvane_, 0, Qt::AlignHCenter);
  control_layout->addWidget(BuildHostCalls());
  auto* log_box = new QGroupBox(tr("Events"));
  (new QVBoxLayout(log_box))->addWidget(log_);

  auto* left = new QVBoxLayout;
  left->addWidget(BuildOrderRow());
  left->addWidget(context_);
  left->addWidget(texts_);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(control_box);
  right->addWidget(log_box, 1);

  auto* central = new QWidget;
  auto* grid = new QGridLayout(central);
  grid->addLayout(left, 0, 0);
  grid->addLayout(right, 0, 1);
  grid->addWidget(changes_, 1, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(1, 1);
  setCentralWidget(central);
  resize(1040, 780);

  connect(context_->apply(), &QPushButton::clicked, this, [this] { ApplyContext(); });
  connect(texts_->load(), &QPushButton::clicked, this, [this] { LoadTexts(); });
  connect(changes_->read(), &QPushButton::clicked, this, [this] { ReadChanges(); });
  connect(corvane_, &qt::CorvaneWidget::AmountTotal, this,
          [this](double total) { Log(tr("AmountTotal %1").arg(Amount(total))); });

  ListOrders(0);
  if (orders_->count() > 0) LoadOrder(orders_->itemData(0).toInt());
}

DemoWindow::~DemoWindow() = default;

QWidget* DemoWindow::BuildOrderRow() {
  auto* box = new QGroupBox(tr("Order"));
  orders_ = new QComboBox(box);
  orders_->setAccessibleName(tr("Order"));
  auto* load = new QPushButton(tr("Load order"), box);
  auto* save = new QPushButton(tr("Save order"), box);
  auto* row = new QHBoxLayout(box);
  row->addWidget(orders_, 1);
  row->addWidget(load);
  row->addWidget(save);
  connect(load, &QPushButton::clicked, this, [this] {
    if (orders_->currentIndex() >= 0) LoadOrder(orders_->currentData().toInt());
  });
  connect(save, &QPushButton::clicked, this, [this] { SaveOrder(); });
  return box;
}

QWidget* DemoWindow::BuildHostCalls() {
  auto* calls = new QWidget;
  ordered_amount_ = new QDoubleSpinBox(calls);
  ordered_amount_->setRange(-1e9, 1e9);
  ordered_amount_->setDecimals(2);
  auto* set_ordered = new QPushButton(tr("OrderedAmount"), calls);
  new_payment_ = new QCheckBox(tr("EnableNewPayment"), calls);
  new_payment_->setChecked(true);
  language_ = new LanguageSwitch(calls);
  mask_card_numbers_ = new QCheckBox(tr("Mask card numbers"), calls);
  auto* row = new QHBoxLayout(calls);
  row->setContentsMargins(0, 0, 0, 0);
  auto* ordered_label = new QLabel(tr("Ordered amount"), calls);
  ordered_label->setBuddy(ordered_amount_);
  ordered_amount_->setAccessibleName(ordered_label->text());
  row->addWidget(ordered_label);
  row->addWidget(ordered_amount_);
  row->addWidget(set_ordered);
  row->addStretch();
  row->addWidget(new_payment_);
  row->addWidget(language_);
  row->addWidget(mask_card_numbers_);
  connect(set_ordered, &QPushButton::clicked, this, [this] {
    const double amount = ordered_amount_->value();
    if (Attempt(tr("OrderedAmount"), [&] { corvane_->OrderedAmount(amount); })) {
      context_->SetOrderedAmount(amount);
      Report(tr("Ordered amount set to %1").arg(Amount(amount)));
    }
  });
  connect(new_payment_, &QCheckBox::clicked, this, [this](bool checked) {
    Attempt(tr("EnableNewPayment"), [&] { corvane_->EnableNewPayment(checked); });
  });
  connect(language_, &QComboBox::currentIndexChanged, this,
          [this] { Log(tr("Language: %1").arg(language_->currentText())); });
  connect(mask_card_numbers_, &QCheckBox::toggled, this, [this](bool on) {
    if (Attempt(tr("MaskCardNumbers"), [&] { corvane_->MaskCardNumbers(on); })) {
      Log(on ? tr("Card numbers masked") : tr("Card numbers shown whole"));
    }
  });
  return calls;
}

void DemoWindow::ListOrders(int select_id) {
  const QSignalBlocker blocker(orders_);
  orders_->clear();
  Attempt(tr("List orders"), [&] {
    for (const OrderSummary& order : store_.Orders()) {
      orders_->addItem(tr("%1: %2").arg(order.id).arg(order.name), order.id);
    }
  });
  orders_->setCurrentIndex(orders_->findData(select_id));
}

QString DemoWindow::status() const { return statusBar()->currentMessage(); }
QString DemoWindow::log() const { return log_->toPlainText(); }

bool DemoWindow::LoadOrder(int order_id) {
  OrderContext context;
  OrderValues values;
  if (!Attempt(tr("Load order %1").arg(order_id), [&] {
        context = store_.Context(order_id);
        values = store_.Values(order_id);
      })) {
    return false;
  }
  // The control takes another currency only with its list empty: a load of the types alone
  // starts it over.
  if (CurrencyDiffers(context.currency) &&
      !Attempt(tr("LoadPayments"), [&] { corvane_->LoadPayments({}, values.payment_types, {}); })) {
    return false;
  }
  order_id_ = order_id;
  ListOrders(order_id);
  context_->Set(context);
  loaded_context_ = context_->Get();
  // The developer panel shows the order as the delimited texts would carry it.
  try {
    texts_->Set(store_.Texts(order_id, texts_->field_separator(), texts_->record_separator()));
  } catch (const StoreError& e) {
    texts_->Set({});
    Log(tr("The texts cannot carry order %1: %2").arg(order_id).arg(e.what()));
  }
  if (!ApplyContext() || !LoadValues(values)) return false;
  Report(tr("Order %1 loaded: %2 stored payments").arg(order_id).arg(values.payments.size()));
  return true;
}

bool DemoWindow::LoadOrderIn(const QString& currency) {
  int order_id = 0;
  if (!Attempt(tr("Order in %1").arg(currency.isEmpty() ? QStringLiteral("$") : currency),
               [&] { order_id = store_.SampleOrderIn(currency); })) {
    return false;
  }
  return LoadOrder(order_id);
}

bool DemoWindow::SaveOrder() {
  if (order_id_ == 0) {
    Report(tr("Save order: no order is loaded"));
    return false;
  }
  // The open entry is not in the change list yet: saving now would drop it unseen.
  if (corvane_->EntryOpen()) {
    Report(tr("Save order: a payment is still open in the control; nothing was saved"));
    Box(QMessageBox::Warning,
        tr("A payment is still open in the control. Save it or cancel it there, "
           "then save the order."),
        QMessageBox::Ok);
    return false;
  }
  // The developer panel shows the change list too; the values carry what it cannot.
  ReadChanges();
  std::vector<PaymentChange> changes;
  SaveReport saved;
  if (!Attempt(tr("Changes"), [&] { changes = corvane_->Changes(); }) ||
      !Attempt(tr("Save order %1").arg(order_id_),
               [&] { saved = store_.SaveOrder(order_id_, context_->Get(), changes); })) {
    return false;
  }
  for (const SkippedChange& skipped : saved.skipped) {
    Log(tr("Not saved: change record %1 \"%2\": %3")
            .arg(skipped.record)
            .arg(skipped.text, skipped.reason));
  }
  QStringList sequences;
  for (int sequence : saved.inserted) sequences.push_back(QString::number(sequence));
  QString summary = tr("Order %1 saved: %2 new (%3), %4 changed, %5 deleted")
                        .arg(order_id_)
                        .arg(saved.inserted.size())
                        .arg(sequences.isEmpty() ? tr("none") : sequences.join(", "))
                        .arg(saved.updated)
                        .arg(saved.deleted);
  if (!saved.skipped.empty()) {
    summary += tr("; %1 not saved (see the log)").arg(saved.skipped.size());
  }
  Log(summary);
  if (!LoadOrder(order_id_)) return false;
  Report(summary);
  return true;
}

bool DemoWindow::HasUnsavedChanges() {
  if (order_id_ == 0) return false;
  if (corvane_->EntryOpen() || !(context_->Get() == loaded_context_)) return true;
  try {
    return !corvane_->Changes().empty();
  } catch (const std::exception&) {
    return true;  // changes that cannot be read may still hold work
  }
}

void DemoWindow::closeEvent(QCloseEvent* event) {
  if (!HasUnsavedChanges()) return event->accept();
  const QMessageBox::StandardButton answer =
      Box(QMessageBox::Question,
          tr("Order %1 has changes that are not saved to the database. "
             "Save them before closing?")
              .arg(order_id_),
          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  const bool close = answer == QMessageBox::Discard || (answer == QMessageBox::Save && SaveOrder());
  if (close) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool DemoWindow::ApplyContext() {
  const OrderContext c = context_->Get();
  const bool done = Attempt(tr("PaymentDetails"), [&] {
    corvane_->PaymentDetails(static_cast<std::int16_t>(c.mode),
                             static_cast<std::int16_t>(c.country),
                             static_cast<std::int16_t>(c.order_type), c.conversion_rate,
                             c.ordered_amount, Std(ControlDate(c.date_taken)));
  });
  const bool currency_taken = ApplyCurrency(c.currency);
  ordered_amount_->setDecimals(corvane_->currencyDecimals());
  if (done) ordered_amount_->setValue(c.ordered_amount);
  SyncNewPaymentBox();
  return done && currency_taken;
}

bool DemoWindow::CurrencyDiffers(const QString& currency) const {
  if (currency.isEmpty()) {
    return !corvane_->currencyCode().isEmpty() || corvane_->currencyDecimals() != kClassicDecimals;
  }
  return corvane_->currencyCode() != currency;
}

bool DemoWindow::ApplyCurrency(const QString& currency) {
  if (!CurrencyDiffers(currency)) return true;
  if (currency.isEmpty()) {
    return Attempt(tr("CurrencyDecimals"), [&] { corvane_->CurrencyDecimals(kClassicDecimals); });
  }
  return Attempt(tr("CurrencyCode"), [&] { corvane_->CurrencyCode(Std(currency)); });
}

QString DemoWindow::Amount(double value) const {
  return QString::number(value, 'f', corvane_->currencyDecimals());
}

bool DemoWindow::LoadValues(const OrderValues& values) {
  const bool done = Attempt(tr("LoadPayments"), [&] {
    corvane_->LoadPayments(values.credit_cards, values.payment_types, values.payments);
  });
  SyncNewPaymentBox();
  return done;
}

bool DemoWindow::LoadTexts() {
  const OrderTexts t = texts_->Get();
  const QString fs = texts_->field_separator();
  const QString rs = texts_->record_separator();
  const bool done = Attempt(tr("WritePaymentData"), [&] {
    corvane_->WritePaymentData(Std(t.credit_cards), Std(t.payment_types), Std(t.payments), Std(fs),
                               Std(rs));
  });
  SyncNewPaymentBox();
  return done;
}

std::optional<QString> DemoWindow::ReadChanges() {
  QString changes;
  if (!Attempt(tr("ReadPaymentData"),
               [&] { changes = QString::fromStdString(corvane_->ReadPaymentData()); })) {
    return std::nullopt;
  }
  changes_->Show(changes, FieldSeparator(), RecordSeparator());
  const int records = changes_->table()->rowCount();
  Report(records == 1 ? tr("ReadPaymentData: 1 changed payment")
                      : tr("ReadPaymentData: %1 changed payments").arg(records));
  return changes;
}

bool DemoWindow::Attempt(const QString& what, const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const std::exception& e) {
    Report(tr("%1 failed: %2").arg(what, QString::fromStdString(e.what())));
    Log(status());
  }
  return false;
}

QMessageBox::StandardButton DemoWindow::Box(QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons) {
  if (message_box_) return message_box_(icon, text, buttons);
  QMessageBox box(icon, tr("Corvane demo"), text, buttons, this);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void DemoWindow::Report(const QString& message) { statusBar()->showMessage(message); }

void DemoWindow::Log(const QString& line) { log_->appendPlainText(line); }

void DemoWindow::SyncNewPaymentBox() {
  new_payment_->setChecked(corvane_->screen().button(WidgetId::cmdAdd).Enabled());
}

// The control writes its change list with the separators of its last WritePaymentData
// (which loads all or nothing); payments loaded as values bring none, and before one it
// writes with "~" and "|".
QString DemoWindow::FieldSeparator() const {
  const std::string loaded = corvane_->Snapshot().field_separator;
  return loaded.empty() ? QStringLiteral("~") : QString::fromStdString(loaded);
}

QString DemoWindow::RecordSeparator() const {
  const std::string loaded = corvane_->Snapshot().record_separator;
  return loaded.empty() ? QStringLiteral("|") : QString::fromStdString(loaded);
}

}  // namespace corvane::demo

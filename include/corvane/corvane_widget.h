/// @file
/// Corvane as a Qt widget: a host puts it in a layout or on a form and calls the host
/// operations on it. The host operations throw corvane::HostError (and WritePaymentData's
/// refusals name the record and field); nothing ever escapes into Qt's event loop.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "corvane/corvane.h"
#include "corvane/qt_screen.h"

namespace corvane::qt {

class AccessKeysOn;

/// The control on a Qt screen, as one widget for a Qt host's window or form.
class CorvaneWidget : public QWidget {
  Q_OBJECT
  /// Keyboard operation beyond the classic screen's; off unless the host turns it on.
  Q_PROPERTY(bool accessKeys READ AccessKeys WRITE SetAccessKeys)

 public:
  /// With `scripted`, message boxes and beeps go there instead of to the person (it must
  /// outlive the widget); `today` fixes the date the control takes as today.
  explicit CorvaneWidget(QWidget* parent = nullptr, ScriptedServices* scripted = nullptr,
                         Corvane::Today today = nullptr);
  ~CorvaneWidget() override;

  /// The control inside.
  Corvane& control() { return *control_; }
  /// The Qt screen the control drives.
  Screen& screen() { return *screen_; }

  /// The layout's size: the control's fields have fixed places, so the widget keeps this
  /// size in any host's layout (its size is fixed), even one with less room.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  /// With `on`, each button and each field's label shows an access key (Alt and the
  /// underlined letter: a button is pressed as a click presses it, a label puts the focus
  /// into its field), and Escape cancels an open new payment or edit as a click on Cancel
  /// does. The captions keep their text as the control and its host read them. Off, the
  /// keys and captions are the classic screen's.
  void SetAccessKeys(bool on);
  /// Whether access keys are on.
  bool AccessKeys() const { return access_keys_ != nullptr; }

  /// @{
  /// The host operations, as Corvane has them.
  std::int16_t GetPaymentID(std::string_view payment_type);
  void WritePaymentData(std::string_view credit_cards, std::string_view payment_types,
                        std::string_view payments, std::string_view field_separator,
                        std::string_view record_separator);
  std::string ReadPaymentData();
  void PaymentDetails(std::int16_t mode, std::int16_t country, std::int16_t order_type,
                      double conversion_rate, double ordered_amount,
                      std::string_view date_order_taken);
  double TotalAmount();
  void OrderedAmount(double ordered_amount);
  std::int16_t OrderType();
  bool GetNonSelectableID(std::string_view payment_type);
  void EnableNewPayment(bool value);
  void MaskCardNumbers(bool on);
  /// @}

  /// True while an entry is open: the operator is adding a payment (after New Payment) or
  /// changing one (after Edit), until Save takes it into the list or Cancel drops it. The
  /// open entry is in neither ReadPaymentData nor TotalAmount, so a host that saves the
  /// order now would lose it. A failed check at Save leaves the entry open.
  bool EntryOpen() const;
  /// A copy of the control's state, for inspection (Corvane::Snapshot).
  ControlSnapshot Snapshot() const;

 signals:
  /// Raised by every completed save with the new total, in the displayed currency.
  void AmountTotal(double total);

 private:
  std::unique_ptr<Screen> screen_;
  std::unique_ptr<Corvane> control_;
  std::unique_ptr<AccessKeysOn> access_keys_;
};

}  // namespace corvane::qt

/// @file
/// Corvane as a Qt widget: a host puts it in a layout or on a form and calls the host
/// operations on it. Two ways in, one control behind them:
/// - the classic host operations (WritePaymentData, ...), as Corvane has them: std::string
///   texts, and corvane::HostError thrown on a refusal;
/// - Qt's own: properties with change signals, and invokable methods with Qt types that
///   never throw; a refusal returns false (or an empty result), sets lastError() and emits
///   operationFailed().
/// Nothing ever escapes into Qt's event loop. GUI thread only.
#pragma once

#include <QLocale>
#include <QMetaType>
#include <QString>
#include <QTranslator>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/corvane.h"
#include "corvane/qt_screen.h"

namespace corvane::qt {

class AccessKeysOn;

/// The control on a Qt screen, as one widget for a Qt host's window or form.
class CorvaneWidget : public QWidget {
  Q_OBJECT
  /// The order's amount to pay, as the host last gave it (PaymentDetails or
  /// OrderedAmount); the balance follows it. Setting it before setPaymentDetails shows it
  /// and fails, as OrderedAmount does.
  Q_PROPERTY(
      double orderedAmount READ orderedAmount WRITE setOrderedAmount NOTIFY orderedAmountChanged)
  /// Whether the New Payment button (Save while an entry is open) can be clicked. The
  /// host's switch (EnableNewPayment); the mode of setPaymentDetails sets it too.
  Q_PROPERTY(bool newPaymentEnabled READ newPaymentEnabled WRITE setNewPaymentEnabled NOTIFY
                 newPaymentEnabledChanged)
  /// The order type setPaymentDetails stored; 0 before.
  Q_PROPERTY(int orderType READ orderType NOTIFY orderTypeChanged)
  /// The total of the payments not deleted, in the displayed currency (TotalAmount).
  Q_PROPERTY(double total READ total NOTIFY totalChanged)
  /// The ordered amount less the total, in the displayed currency.
  Q_PROPERTY(double balance READ balance NOTIFY balanceChanged)
  /// Whether the operator has an entry open (see EntryOpen).
  Q_PROPERTY(bool entryOpen READ entryOpen NOTIFY entryOpenChanged)
  /// Whether card payments' numbers show masked (MaskCardNumbers); off by default.
  Q_PROPERTY(bool maskCardNumbers READ maskCardNumbers WRITE setMaskCardNumbers NOTIFY
                 maskCardNumbersChanged)
  /// The decimals of the displayed currency: 2 unless setCurrencyDecimals or
  /// setCurrencyCode set another.
  Q_PROPERTY(int currencyDecimals READ currencyDecimals NOTIFY currencyChanged)
  /// The currency's ISO 4217 code when setCurrencyCode named one; empty otherwise.
  Q_PROPERTY(QString currencyCode READ currencyCode NOTIFY currencyChanged)
  /// Keyboard operation beyond the classic screen's; off unless the host turns it on.
  Q_PROPERTY(bool accessKeys READ AccessKeys WRITE setAccessKeys NOTIFY accessKeysChanged)

 public:
  /// With `scripted`, message boxes and beeps go there instead of to the person (it must
  /// outlive the widget); `today` fixes the date the control takes as today. Tests want
  /// both: without them a refused save waits for a person to close its message box.
  explicit CorvaneWidget(QWidget* parent = nullptr, ScriptedServices* scripted = nullptr,
                         Corvane::Today today = nullptr);
  ~CorvaneWidget() override;

  /// The control inside.
  Corvane& control() { return *control_; }
  /// The Qt screen the control drives.
  Screen& screen() { return *screen_; }

  /// @{
  /// The layout's size. The control's fields have fixed places: the widget takes no less
  /// room than this, and more room given by a host's layout is left as a margin to the
  /// right and below.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  /// @}
  /// With `on`, each button and each field's label shows an access key (Alt and the
  /// underlined letter: a button is pressed as a click presses it, a label puts the focus
  /// into its field), and Escape cancels an open new payment or edit as a click on Cancel
  /// does. The captions keep their text as the control and its host read them. Off, the
  /// keys and captions are the classic screen's.
  void SetAccessKeys(bool on);
  /// Whether access keys are on.
  bool AccessKeys() const { return access_keys_ != nullptr; }

  /// Loads the translation for `locale`'s language that comes with the library into
  /// `translator` and returns true; false, leaving `translator` as it is, for a language it
  /// has none for (German it has; English, the classic texts, needs none). Installed in the
  /// application (QCoreApplication::installTranslator), it reaches every CorvaneWidget:
  /// the widget's texts follow Qt's translators (context "Corvane") as Qt's own widgets
  /// do, those installed when it is made and anew at every language change
  /// (QEvent::LanguageChange). Qt's own texts in the message boxes (Yes, No, OK) come from
  /// Qt's translation of qtbase, which the host installs as for any Qt widget. (A catalog
  /// given by control().SetCatalog holds until the next language change.)
  static bool LoadTranslation(QTranslator& translator, const QLocale& locale);

  /// @{
  /// The host operations, as Corvane has them: they throw HostError.
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
  void CurrencyDecimals(std::int16_t decimals);
  void CurrencyCode(std::string_view code);
  void MaskCardNumbers(bool on);
  /// @}
  /// @{
  /// The typed operations, as Corvane has them: values in and out, amounts exact; they
  /// throw HostError.
  void LoadPayments(const std::vector<std::string>& credit_cards,
                    const std::vector<PaymentTypeInfo>& payment_types,
                    const std::vector<PaymentInfo>& payments);
  std::vector<PaymentChange> Changes() const;
  Money ExactTotal() const;
  Money ExactBalance() const;
  /// @}

  /// True while an entry is open: the operator is adding a payment (after New Payment) or
  /// changing one (after Edit), until Save takes it into the list or Cancel drops it. The
  /// open entry is in neither ReadPaymentData nor TotalAmount, so a host that saves the
  /// order now would lose it. A failed check at Save leaves the entry open.
  bool EntryOpen() const;
  /// A copy of the control's state, for inspection (Corvane::Snapshot).
  ControlSnapshot Snapshot() const;

  /// @{
  /// The host operations for Qt callers (the rest are the properties): never throwing,
  /// callable by name through the meta-object system. A refused call changes nothing
  /// (WritePaymentData's rules), returns false, sets lastError() to the refusal's message
  /// and emits operationFailed(); any call that succeeds clears lastError().
  /// GetPaymentID: the ID of the payment type with that name; 0 when there is none.
  Q_INVOKABLE int paymentId(const QString& paymentType);
  /// GetNonSelectableID: whether that payment type is refused for new payments.
  Q_INVOKABLE bool isNonSelectable(const QString& paymentType);
  /// WritePaymentData.
  Q_INVOKABLE bool writePaymentData(const QString& creditCards, const QString& paymentTypes,
                                    const QString& payments, const QString& fieldSeparator,
                                    const QString& recordSeparator);
  /// ReadPaymentData: the change list; empty as well when refused.
  Q_INVOKABLE QString readPaymentData();
  /// PaymentDetails; a mode, country or order type beyond 16 bits is refused.
  Q_INVOKABLE bool setPaymentDetails(int mode, int country, int orderType, double conversionRate,
                                     double orderedAmount, const QString& dateOrderTaken);
  /// CurrencyDecimals: 0, 2 or 3, before the payments are loaded.
  Q_INVOKABLE bool setCurrencyDecimals(int decimals);
  /// CurrencyCode: an ISO 4217 code ("JPY", "KWD"), before the payments are loaded.
  Q_INVOKABLE bool setCurrencyCode(const QString& code);
  /// The message of the last refused call; empty after one that succeeded.
  Q_INVOKABLE QString lastError() const { return last_error_; }
  /// @}

  /// @{
  /// The properties' reads. total() and balance() are NaN only if their box were not a
  /// number, which the control never writes.
  double orderedAmount() const;
  bool newPaymentEnabled() const;
  int orderType() const;
  double total() const;
  double balance() const;
  bool entryOpen() const { return EntryOpen(); }
  bool maskCardNumbers() const;
  int currencyDecimals() const;
  QString currencyCode() const;
  /// @}

 public slots:
  /// OrderedAmount: sets and shows the ordered amount.
  void setOrderedAmount(double amount);
  /// EnableNewPayment.
  void setNewPaymentEnabled(bool enabled);
  /// MaskCardNumbers.
  void setMaskCardNumbers(bool on);
  /// SetAccessKeys, by the name uic gives a property's setter.
  void setAccessKeys(bool on) { SetAccessKeys(on); }

 signals:
  /// Raised by every completed save with the new total, in the displayed currency. Only by
  /// a save: a total shown to the operator follows totalChanged instead.
  void AmountTotal(double total);
  // Each change signal comes once the control is at rest after the host call or the
  // operator's action that changed its property, with the new value.
  /// The ordered amount changed: setPaymentDetails, setOrderedAmount.
  void orderedAmountChanged(double amount);
  /// New Payment was enabled or disabled: setNewPaymentEnabled, or a mode.
  void newPaymentEnabledChanged(bool enabled);
  /// setPaymentDetails stored another order type.
  void orderTypeChanged(int orderType);
  /// The total changed: a load, a save, a delete, an undelete or the order type 2 top-up.
  void totalChanged(double total);
  /// The same total, exact (ExactTotal), right after each totalChanged; not for a total
  /// beyond Money's range. corvane::Money is registered with Qt's meta-type system, so a
  /// queued connection or a QVariant can carry it.
  void exactTotalChanged(const corvane::Money& total);
  /// The balance changed: those, and a new ordered amount.
  void balanceChanged(double balance);
  /// New Payment or Edit opened an entry, or Save or Cancel closed it.
  void entryOpenChanged(bool open);
  /// Access keys were turned on or off.
  void accessKeysChanged(bool on);
  /// Masking was turned on or off.
  void maskCardNumbersChanged(bool on);
  /// setCurrencyDecimals or setCurrencyCode took another currency.
  void currencyChanged();
  /// A Qt-typed call (an invokable method or a property's write) was refused.
  void operationFailed(const QString& message);

 protected:
  /// A language change: the texts follow the translators installed now.
  void changeEvent(QEvent* event) override;

 private:
  /// Gives the control the texts of the translators installed now.
  void FollowTranslators();
  /// The properties' values as last told by their signals.
  struct Shown {
    double ordered_amount = 0;
    bool new_payment_enabled = false;
    int order_type = 0;
    double total = 0;
    std::optional<Money> exact_total;  ///< told with total, not compared
    double balance = 0;
    bool entry_open = false;
    bool mask_card_numbers = false;
    int currency_decimals = 2;
    QString currency_code;
  };
  Shown Read() const;
  /// ExactTotal, or none beyond Money's range.
  std::optional<Money> ExactTotalIfAny() const;
  /// Emits the change signals of the properties whose values differ from those shown.
  void TellChanges();
  /// Runs `call` (a host operation) for a Qt caller: false and operationFailed on refusal.
  template <class Call>
  bool Attempt(Call&& call);

  std::unique_ptr<Screen> screen_;
  std::unique_ptr<Corvane> control_;
  std::unique_ptr<AccessKeysOn> access_keys_;
  Shown shown_;
  int tell_rounds_ = 0;
  QString last_error_;
};

}  // namespace corvane::qt

Q_DECLARE_METATYPE(corvane::Money)

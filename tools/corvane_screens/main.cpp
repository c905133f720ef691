// corvane-screens DIR: draws the operator's guide's pictures of the control into DIR, a
// stored card payment selected (screen-selected.png) and a new card payment being entered
// (screen-entry.png). At a device pixel ratio above 1 (QT_SCALE_FACTOR=2) the names take
// "@2x" before ".png", the suffix browsers and Qt read as the density.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cmath>
#include <iostream>

#include "corvane/corvane_widget.h"
#include "corvane/qt_operator.h"

namespace {

using corvane::WidgetId;

bool Save(QWidget& widget, const QDir& dir, const QString& name) {
  // Qt lays a view's rows out when the event loop runs: a grab right after a load would show
  // an empty list.
  QApplication::processEvents();
  const QPixmap picture = widget.grab();
  const auto ratio = static_cast<int>(std::lround(picture.devicePixelRatio()));
  const QString file =
      dir.filePath(ratio > 1 ? QStringLiteral("%1@%2x.png").arg(name).arg(ratio) : name + ".png");
  if (!picture.save(file, "PNG")) {
    std::cerr << "corvane-screens: cannot write " << file.toStdString() << "\n";
    return false;
  }
  std::cout << file.toStdString() << "\n";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: corvane-screens DIR\n";
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  corvane::ScriptedServices scripted;
  corvane::qt::CorvaneWidget widget(nullptr, &scripted,
                                    [] { return std::chrono::year{2026} / 12 / 6; });
  widget.show();
  QApplication::setActiveWindow(&widget);
  // The sample order: the card type has ID 8, as the classic hosts number it.
  widget.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  widget.WritePaymentData(
      "4111 1111 1111 1111|5500 0000 0000 0004|3400 000000 00009|",
      "0~Cash~0|1~On Account~1|2~Check~0|3~Gift Card~0|4~Voucher~1|5~Bank Transfer~0|"
      "6~Money Order~0|7~Traveller's Cheque~0|8~Credit Card~0|",
      "2~1001~~100~Nov 28, 2026~501|8~4111 1111 1111 1111~A1234~50.25~Nov 29, 2026~502|"
      "0~~~20~Nov 30, 2026~503|",
      "~", "|");
  corvane::qt::Operator person(widget.screen());
  person.ClickRow(WidgetId::lstPayment, 1);
  if (!Save(widget, dir, QStringLiteral("screen-selected"))) return 1;

  person.Click(WidgetId::cmdAdd);
  person.Choose(WidgetId::cboPaymentType, "Credit Card");
  person.Choose(WidgetId::cboCreditCard, "5500 0000 0000 0004");
  person.Type(WidgetId::txtAuthorization, "B7731");
  person.Type(WidgetId::txtAmount, "79.75");
  return Save(widget, dir, QStringLiteral("screen-entry")) ? 0 : 1;
}

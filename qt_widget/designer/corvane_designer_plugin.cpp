#include "qt_widget/designer/corvane_designer_plugin.h"

#include <QIcon>
#include <QString>

#include "corvane/corvane_widget.h"
#include "corvane/layout.h"

namespace corvane::qt {
namespace {

// Designer lays forms out in pixels at 96 DPI; the control's size is in twips.
constexpr int DesignPixels(int twips) { return twips * 96 / 1440; }

}  // namespace

CorvaneDesignerPlugin::CorvaneDesignerPlugin(QObject* parent) : QObject(parent) {}

QString CorvaneDesignerPlugin::name() const { return QStringLiteral("corvane::qt::CorvaneWidget"); }

QString CorvaneDesignerPlugin::group() const { return QStringLiteral("Corvane"); }

QString CorvaneDesignerPlugin::toolTip() const {
  return QStringLiteral("Corvane payment entry: the payments made against one order");
}

QString CorvaneDesignerPlugin::whatsThis() const {
  return QStringLiteral(
      "Corvane is a payment-entry control. The operator adds, edits, deletes and undeletes "
      "the payments made against one order; the control checks each entry, keeps the total "
      "and the balance against the ordered amount, and signals AmountTotal after every save. "
      "The host sets the order's context with PaymentDetails and exchanges the payments as "
      "delimited text with WritePaymentData and ReadPaymentData.");
}

QString CorvaneDesignerPlugin::includeFile() const {
  return QStringLiteral("corvane/corvane_widget.h");
}

QIcon CorvaneDesignerPlugin::icon() const { return {}; }

bool CorvaneDesignerPlugin::isContainer() const { return false; }

QString CorvaneDesignerPlugin::domXml() const {
  return QStringLiteral(
             "<ui language=\"c++\">\n"
             " <widget class=\"%1\" name=\"corvaneWidget\">\n"
             "  <property name=\"geometry\">\n"
             "   <rect>\n"
             "    <x>0</x>\n"
             "    <y>0</y>\n"
             "    <width>%2</width>\n"
             "    <height>%3</height>\n"
             "   </rect>\n"
             "  </property>\n"
             " </widget>\n"
             "</ui>\n")
      .arg(name())
      .arg(DesignPixels(kControlWidth))
      .arg(DesignPixels(kControlHeight));
}

QWidget* CorvaneDesignerPlugin::createWidget(QWidget* parent) { return new CorvaneWidget(parent); }

bool CorvaneDesignerPlugin::isInitialized() const { return initialized_; }

void CorvaneDesignerPlugin::initialize(QDesignerFormEditorInterface* /*core*/) {
  initialized_ = true;
}

}  // namespace corvane::qt

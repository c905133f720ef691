// Corvane in Qt Designer: CorvaneWidget in the widget box, under "Corvane". A form places it
// at the control's designed size, and the code uic writes for the form includes
// "corvane/corvane_widget.h" and creates it with `new corvane::qt::CorvaneWidget(parent)`.
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace corvane::qt {

class CorvaneDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  explicit CorvaneDesignerPlugin(QObject* parent = nullptr);

  QString name() const override;
  QString group() const override;
  QString toolTip() const override;
  QString whatsThis() const override;
  QString includeFile() const override;
  QIcon icon() const override;
  bool isContainer() const override;
  QString domXml() const override;
  QWidget* createWidget(QWidget* parent) override;
  bool isInitialized() const override;
  void initialize(QDesignerFormEditorInterface* core) override;

 private:
  bool initialized_ = false;
};

}  // namespace corvane::qt

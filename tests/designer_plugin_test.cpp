// The Qt Designer plugin as Designer sees it: loaded from its file, asked what it offers,
// and made to create the widget. Nothing of Corvane is linked in here, so whatever the widget
// needs must come with the plugin.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QFile>
#include <QLabel>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QPushButton>
#include <QTableView>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <string>

namespace {

// What Designer takes from domXml: the class and the initial size of a new widget on a form.
struct DomWidget {
  std::string class_name;
  int width = -1;
  int height = -1;
};

DomWidget ReadDomXml(const QString& xml) {
  DomWidget widget;
  QXmlStreamReader reader(xml);
  std::string property;
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringView element = reader.name();
    if (element == u"widget") {
      widget.class_name = reader.attributes().value("class").toString().toStdString();
    } else if (element == u"property") {
      property = reader.attributes().value("name").toString().toStdString();
    } else if (property == "geometry" && element == u"width") {
      widget.width = reader.readElementText().toInt();
    } else if (property == "geometry" && element == u"height") {
      widget.height = reader.readElementText().toInt();
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  return widget;
}

class DesignerPluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(loader_.load()) << loader_.errorString().toStdString();
    plugin_ = qobject_cast<QDesignerCustomWidgetInterface*>(loader_.instance());
    ASSERT_NE(plugin_, nullptr) << "not a QDesignerCustomWidgetInterface";
  }

  // Never unloaded: Designer keeps its plugins, and widgets made by one need its code.
  QPluginLoader loader_{QStringLiteral(CORVANE_DESIGNER_PLUGIN)};
  QDesignerCustomWidgetInterface* plugin_ = nullptr;
};

TEST_F(DesignerPluginTest, MetadataNamesTheCustomWidgetInterface) {
  EXPECT_EQ(loader_.metaData().value("IID").toString().toStdString(),
            "org.qt-project.Qt.QDesignerCustomWidgetInterface");
}

TEST_F(DesignerPluginTest, OffersTheWidgetInItsOwnGroup) {
  EXPECT_EQ(plugin_->name().toStdString(), "corvane::qt::CorvaneWidget");
  EXPECT_EQ(plugin_->group().toStdString(), "Corvane");
  EXPECT_EQ(plugin_->includeFile().toStdString(), "corvane/corvane_widget.h");
  EXPECT_TRUE(plugin_->toolTip().contains("payment", Qt::CaseInsensitive));
  EXPECT_TRUE(plugin_->whatsThis().contains("payment", Qt::CaseInsensitive));
  EXPECT_FALSE(plugin_->isContainer()) << "Designer must not let forms drop widgets into it";
}

// uic writes `#include "<includeFile>"` and `new <name>(parent)`: both must hold in the tree.
TEST_F(DesignerPluginTest, IncludeFileDeclaresTheClassUicCreates) {
  QFile header(QStringLiteral(CORVANE_SOURCE_DIR "/include/") + plugin_->includeFile());
  ASSERT_TRUE(header.open(QIODevice::ReadOnly)) << header.fileName().toStdString();
  const QString text = QString::fromUtf8(header.readAll());
  const QString name = plugin_->name();
  const qsizetype scope = name.lastIndexOf("::");
  ASSERT_GT(scope, 0);
  EXPECT_TRUE(text.contains("namespace " + name.left(scope) + " {"));
  EXPECT_TRUE(text.contains("class " + name.mid(scope + 2) + " : public QWidget"));
}

TEST_F(DesignerPluginTest, DomXmlPlacesTheWidgetAtItsDesignedSize) {
  const DomWidget widget = ReadDomXml(plugin_->domXml());
  EXPECT_EQ(widget.class_name, plugin_->name().toStdString());
  // 6720 x 4920 twips at 96 DPI.
  EXPECT_EQ(widget.width, 448);
  EXPECT_EQ(widget.height, 328);
}

TEST_F(DesignerPluginTest, CreatesAWorkingCorvaneWidgetOnTheForm) {
  QWidget form;
  QWidget* widget = plugin_->createWidget(&form);
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->parentWidget(), &form) << "the form owns what the plugin creates";
  EXPECT_EQ(std::string(widget->metaObject()->className()), plugin_->name().toStdString());
  EXPECT_GE(widget->metaObject()->indexOfSignal("AmountTotal(double)"), 0);

  // The control started on it: its screen is there, with what start-up sets.
  auto* version = widget->findChild<QLabel*>("lblVersionNumber");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text().toStdString(), "Version Number: " CORVANE_VERSION);
  auto* add = widget->findChild<QPushButton*>("cmdAdd");
  ASSERT_NE(add, nullptr);
  EXPECT_EQ(add->text().toStdString(), "New Payment");
  auto* list = widget->findChild<QTableView*>("lstPayment");
  ASSERT_NE(list, nullptr);
  // The sequence and the change mark are no columns of the view: hidden from the eye and
  // from screen readers alike.
  ASSERT_EQ(list->model()->columnCount(), 5);
  EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString().toStdString(), "Payment Type");
  EXPECT_EQ(list->model()->rowCount(), 0);

  if (widget->logicalDpiX() == 96) {
    const DomWidget dom = ReadDomXml(plugin_->domXml());
    // The form's geometry is the widget's own size.
    EXPECT_EQ(widget->sizeHint().width(), dom.width);
    EXPECT_EQ(widget->sizeHint().height(), dom.height);
  }
}

// Designer's property editor lists what the widget's meta-object offers; a new widget on a
// form starts from the defaults a fresh control has.
TEST_F(DesignerPluginTest, ThePropertyEditorOffersTheWidgetsPropertiesAtTheirDefaults) {
  QWidget form;
  QWidget* widget = plugin_->createWidget(&form);
  ASSERT_NE(widget, nullptr);
  const QMetaObject* meta = widget->metaObject();
  struct Expected {
    const char* name;
    bool writable;
    QVariant default_value;
  };
  for (const Expected& expected :
       {Expected{"orderedAmount", true, 0.0}, Expected{"newPaymentEnabled", true, true},
        Expected{"accessKeys", true, false}, Expected{"orderType", false, 0},
        Expected{"total", false, 0.0}, Expected{"balance", false, 0.0},
        Expected{"entryOpen", false, false}}) {
    const int index = meta->indexOfProperty(expected.name);
    ASSERT_GE(index, meta->propertyOffset()) << expected.name << " is the widget's own";
    const QMetaProperty property = meta->property(index);
    EXPECT_TRUE(property.isDesignable()) << expected.name;
    EXPECT_EQ(property.isWritable(), expected.writable) << expected.name;
    EXPECT_TRUE(property.hasNotifySignal()) << expected.name;
    EXPECT_EQ(widget->property(expected.name), expected.default_value) << expected.name;
  }
  // What Designer writes for a changed property, uic turns into the setter's call.
  ASSERT_TRUE(widget->setProperty("accessKeys", true));
  EXPECT_TRUE(widget->property("accessKeys").toBool());
}

}  // namespace

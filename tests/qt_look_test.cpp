// The control as it looks: captions on one line and clear of the fields, air in the buttons,
// the frame's border on the control, the widget's size in a host's layout. ctest runs these
// at Qt's scale factors 1 and 2 (96 and 192 dots per inch), where the fonts round apart.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <string>
#include <utility>
#include <vector>

#include "corvane/corvane_widget.h"
#include "toolkits/qt/caption_fit.h"

namespace corvane::testing {
namespace {

using W = WidgetId;

std::vector<const WidgetDesign*> Kind(WidgetKind kind) {
  std::vector<const WidgetDesign*> found;
  for (const WidgetDesign& design : kScreenLayout) {
    if (design.kind == kind) found.push_back(&design);
  }
  return found;
}

class QtLookTest : public ::testing::Test {
 protected:
  QtLookTest() {
    widget.show();
    QApplication::processEvents();
    widget.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
    widget.WritePaymentData("4111 1111 1111 1111|", "0~Cash~0|1~Credit Card~0|",
                            "1~4111 1111 1111 1111~A1234~50.25~Nov 29, 2026~501|", "~", "|");
  }

  QWidget* Q(W id) { return widget.screen().qwidget(id); }
  // Widget `id`'s rectangle on the control.
  QRect OnControl(W id) {
    QWidget* w = Q(id);
    return {w->mapTo(widget.screen().surface(), QPoint(0, 0)), w->size()};
  }

  // Every label: its caption on one line, drawn whole inside its rectangle, the rectangle
  // inside the control and a few pixels clear of every widget that can take the focus.
  void ExpectCaptionsFit() {
    const QRect control = widget.screen().surface()->rect();
    for (const WidgetDesign* design : Kind(WidgetKind::kLabel)) {
      const auto* label = static_cast<const QLabel*>(Q(design->id));
      const std::string at = std::string(design->name) + " \"" + label->text().toStdString() + "\"";
      EXPECT_FALSE(label->wordWrap()) << at;
      const QRect inside = label->contentsRect();
      EXPECT_LE(qt::DrawnWidth(label->font(), label->text()), inside.width()) << at;
      EXPECT_LE(QFontMetrics(label->font()).height(), inside.height()) << at;
      const QRect place = OnControl(design->id);
      EXPECT_TRUE(control.contains(place)) << at;
      for (const WidgetDesign& other : kScreenLayout) {
        if (!other.CanTakeFocus()) continue;
        // Apart by a few pixels: a caption touching a box reads as part of it.
        EXPECT_FALSE(place.adjusted(-3, 0, 3, 0).intersects(OnControl(other.id)))
            << at << " touches " << other.name;
      }
    }
  }

  // Every button: its caption with air on both sides.
  void ExpectButtonsHaveAir() {
    for (const WidgetDesign* design : Kind(WidgetKind::kCommandButton)) {
      const auto* button = static_cast<const QPushButton*>(Q(design->id));
      const int air = (button->width() - qt::DrawnWidth(button->font(), button->text())) / 2;
      EXPECT_GE(air, 4) << design->name << " \"" << button->text().toStdString() << "\"";
    }
  }

  ScriptedServices services;
  qt::CorvaneWidget widget{nullptr, &services, [] { return std::chrono::year{2026} / 12 / 6; }};
};

TEST_F(QtLookTest, CaptionsFitOnOneLineClearOfTheFieldsInEachMode) {
  ExpectCaptionsFit();
  ExpectButtonsHaveAir();
  QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);  // New Payment, Cancel
  EXPECT_EQ(static_cast<QPushButton*>(Q(W::cmdAdd))->text(), "Save");
  ExpectCaptionsFit();
  ExpectButtonsHaveAir();
}

// The German captions are longer; they fit as well, with their access keys, "Wiederherstellen"
// on the delete button too.
TEST_F(QtLookTest, GermanCaptionsFitToo) {
  widget.control().SetCatalog(Catalog::German());
  widget.SetAccessKeys(true);
  ExpectCaptionsFit();
  ExpectButtonsHaveAir();
  QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);
  ExpectButtonsHaveAir();
  QTest::mouseClick(Q(W::cmdEdit), Qt::LeftButton);  // Abbrechen
  widget.screen().button(W::cmdDelete).SetCaption("Wiederherstellen");
  EXPECT_EQ(static_cast<QPushButton*>(Q(W::cmdDelete))->text(), "&Wiederherstellen");
  ExpectButtonsHaveAir();
}

TEST_F(QtLookTest, AccessKeyMarksAreNotMeasured) {
  // A label whose caption gains an access key is no wider than before.
  auto* label = static_cast<QLabel*>(Q(W::Label1));
  const int width = label->width();
  widget.screen().label(W::Label1).SetCaption("&Ordered Amount $:");
  EXPECT_EQ(label->width(), width);
  EXPECT_EQ(qt::DrawnText("Save && &Close"), "Save & Close");
}

// The frame's border on all four sides, where the control shows the frame.
TEST_F(QtLookTest, TheFramesBorderIsDrawnInsideTheControl) {
  auto* frame = static_cast<QFrame*>(Q(W::Framain));
  const QRect control = widget.screen().surface()->rect();
  const QRect border = frame->frameRect().translated(frame->pos());
  EXPECT_EQ(border, control);
  const QImage image = widget.screen().surface()->grab().toImage();
  const auto ratio = static_cast<int>(image.devicePixelRatio());
  const QRect seen(border.topLeft() * ratio, border.size() * ratio);
  const QColor inside = image.pixelColor(seen.center().x(), seen.top() + 4 * ratio);
  // The middle of each edge, clear of the widgets inside: the line is within the frame's
  // outermost logical pixel.
  const auto drawn = [&](QPoint edge, QPoint inward) {
    for (int step = 0; step < ratio; ++step, edge += inward) {
      if (image.pixelColor(edge) != inside) return true;
    }
    return false;
  };
  const int third = seen.top() + seen.height() / 3;
  EXPECT_TRUE(drawn({seen.center().x(), seen.top()}, {0, 1})) << "top";
  EXPECT_TRUE(drawn({seen.center().x(), seen.bottom()}, {0, -1})) << "bottom";
  EXPECT_TRUE(drawn({seen.left(), third}, {1, 0})) << "left";
  EXPECT_TRUE(drawn({seen.right(), third}, {-1, 0})) << "right";
}

// A host's layout may give the widget more room, never less; the fields keep their places
// at the top left and the rest is margin.
TEST_F(QtLookTest, TheWidgetTakesMoreRoomButNeverLessThanTheLayoutsSize) {
  const QSize layout_size = widget.screen().surface()->size();
  EXPECT_EQ(widget.sizeHint(), layout_size);
  EXPECT_EQ(widget.minimumSizeHint(), layout_size);
  const QSize margins(22, 22);  // the host layout's own margins, 11 on each side
  const QSize more = layout_size + QSize(200, 100);
  for (const auto& [host_size, expected] :
       {std::pair{more + margins, more}, std::pair{layout_size / 2, layout_size}}) {
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(11, 11, 11, 11);
    auto* inside = new qt::CorvaneWidget(&host, &services);
    layout->addWidget(inside);
    host.setFixedSize(host_size);
    host.show();
    QApplication::processEvents();
    EXPECT_EQ(inside->size(), expected) << host_size.width() << "x" << host_size.height();
    EXPECT_EQ(inside->screen().surface()->geometry(), QRect(QPoint(0, 0), layout_size));
  }
}

}  // namespace
}  // namespace corvane::testing

#include <QApplication>

#include "corvane/qt_operator.h"
#include "corvane/qt_screen.h"
#include "tests/toolkit_rig.h"

namespace corvane::testing {
namespace {

// The surface in a shown, active window, as a host's screen would be (offscreen here).
class QtRig final : public ToolkitRig {
 public:
  QtRig() {
    QWidget* window = screen_.surface();
    window->show();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
  }
  Screen& screen() override { return screen_; }
  Operator& op() override { return op_; }
  ScriptedServices& services() override { return services_; }

 private:
  ScriptedServices services_;
  qt::Screen screen_{&services_};
  qt::Operator op_{screen_};
};

}  // namespace

std::vector<std::string> Toolkits() { return {"qt"}; }

std::unique_ptr<ToolkitRig> MakeRig(const std::string&) { return std::make_unique<QtRig>(); }

}  // namespace corvane::testing

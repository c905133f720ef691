#include "corvane/headless_operator.h"
#include "corvane/headless_screen.h"
#include "tests/toolkit_rig.h"

namespace corvane::testing {
namespace {

class HeadlessRig final : public ToolkitRig {
 public:
  Screen& screen() override { return screen_; }
  Operator& op() override { return op_; }
  ScriptedServices& services() override { return screen_.services(); }

 private:
  headless::Screen screen_;
  headless::Operator op_{screen_};
};

}  // namespace

std::vector<std::string> Toolkits() { return {"headless"}; }

std::unique_ptr<ToolkitRig> MakeRig(const std::string&) { return std::make_unique<HeadlessRig>(); }

}  // namespace corvane::testing

// A toolkit under test: a fresh screen with the operator's hands and scripted message
// boxes. The toolkit rule tests run on every rig the test binary links.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "corvane/operator.h"
#include "corvane/screen.h"
#include "corvane/scripted_services.h"

namespace corvane::testing {

class ToolkitRig {
 public:
  virtual ~ToolkitRig() = default;
  virtual Screen& screen() = 0;
  virtual Operator& op() = 0;
  virtual ScriptedServices& services() = 0;
};

// The toolkits this binary tests, by name, and a fresh rig for one of them.
std::vector<std::string> Toolkits();
std::unique_ptr<ToolkitRig> MakeRig(const std::string& toolkit);

}  // namespace corvane::testing

// Fuzzes whole sessions of corvane-host: the input bytes are decoded into requests (see
// session_steps.h), each carried out by the session library's own verbs, with the
// control's invariants checked after every step (see session_invariants.h).
#include <cstddef>
#include <cstdint>

#include "fuzz/session_host.h"
#include "fuzz/session_steps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  corvane::fuzz::StepReader steps(data, size);
  corvane::fuzz::FuzzHost host;
  for (int step = 0; step < corvane::fuzz::kMaxSteps && !steps.AtEnd(); ++step) {
    host.Run(steps.Next());
  }
  return 0;
}

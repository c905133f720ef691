// A corvane-host session for the fuzzer: the headless screen, the operator's hands and the
// control, driven one request at a time by the session library's verbs, with the control's
// invariants checked after every step:
//  - no exception but the documented refusals leaves a request, and a refused request
//    changes nothing (OrderedAmount shows its amount before it fails);
//  - the editing state is idle, adding or editing, the fields and the captions agreeing;
//  - the focus is never on a widget that cannot take it;
//  - every row's amount is a finite number, and the change list reads back;
//  - no stored payment leaves the list but by a load with payment types;
//  - AmountTotal comes exactly once with each completed save, and never otherwise;
//  - after a load with payment types, a save, a delete or an undelete the total and the
//    balance boxes agree with the rows and the ordered amount.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "control/corvane.h"
#include "fuzz/session_steps.h"
#include "widgets/headless/operator.h"
#include "widgets/headless/screen.h"

namespace corvane::fuzz {

class FuzzHost {
 public:
  FuzzHost() { Create(); }

  void Run(const Step& step);

 private:
  enum class Outcome { kDone, kRefused, kHostError };

  void Create();
  // Carries out the request as corvane-host does.
  Outcome Execute(const Json& request);
  void OnAmountTotal();
  // The checks that hold after any step; `request` names the step in a report.
  void CheckState(const std::string& request);

  std::unique_ptr<headless::Screen> screen_;
  std::unique_ptr<headless::Operator> operator_;
  std::unique_ptr<Corvane> control_;
  std::optional<Json> hook_;  // the host call the next AmountTotal handler makes
  int amount_totals_ = 0;     // AmountTotal events of the step under way
  bool typed_load_ = false;   // a load with payment types happened in the step
  std::string snapshot_;      // Snapshot() after the last step
  // Since the last start over, an amount or a total reached 1e12: the total box may have
  // lost cents the rows still hold.
  bool cents_lost_ = false;
};

}  // namespace corvane::fuzz

// A corvane-host session for the fuzzer: a screen of either toolkit (as corvane-host makes
// it), the operator's hands and the control, driven one request at a time by the session
// library's verbs, with the control's invariants checked after every step:
//  - no exception but the documented refusals leaves a request, and a refused request
//    changes nothing (OrderedAmount shows its amount before it fails);
//  - the toolkit's pending events, run before an operator action, change nothing;
//  - the editing state is idle, adding or editing, the fields and the captions agreeing;
//  - the focus is never on a widget that cannot take it;
//  - every row's amount is a finite number, and the change list reads back;
//  - no stored payment leaves the list but by a load with payment types;
//  - AmountTotal comes exactly once with each completed save, and never otherwise;
//  - after a load with payment types, a save, a delete or an undelete the total and the
//    balance boxes agree with the rows and the ordered amount;
//  - with card numbers masked, the list shows card payments' references masked, and with
//    no entry open neither the reference box nor the credit card box shows one whole;
//  - no payment and no change record holds the mask character, unless the host gave it;
//  - the labels, a deleted row's description and every message box are in the language of
//    the catalog in force, and a new catalog changes no data: no amount, date or host text
//    on the screen, nothing the host reads back;
//  - a load of values shows its payments whole, an amount exactly without a conversion
//    rate; ExactTotal is, wherever that sum is exact, the sum in minor units of the
//    payments not deleted, and Changes agrees with ReadPaymentData.
// Besides corvane-host's requests, the steps may set a catalog (the classic texts, the
// German one, or one read from the input's .ts text) and load payments as values.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "corvane/corvane.h"
#include "tools/corvane_host/hosted_screen.h"
#include "tools/corvane_host/session_steps.h"

namespace corvane::fuzz {

using host::Json;

class FuzzHost {
 public:
  // `make_screen` builds the screen of every control the session makes. `event_loop`, if
  // given, runs the toolkit's pending events; it runs before every operator action, whose
  // input comes through the event loop (host calls may follow each other inside one handler).
  explicit FuzzHost(host::ScreenFactory make_screen, std::function<void()> event_loop = {})
      : make_screen_(std::move(make_screen)), event_loop_(std::move(event_loop)) {
    Create();
  }

  void Run(const host::Step& step);

 private:
  enum class Outcome { kDone, kRefused, kHostError };

  void Create();
  // Carries out the request as corvane-host does.
  Outcome Execute(const Json& request);
  // The fuzzer's own steps: a catalog for every control from now on; a load of values.
  void SetCatalog(const Json& request);
  void LoadValues(const Json& request);
  // After a load of values: its payments are the list's (all of it, when it gave payment
  // types; its end otherwise).
  void CheckValuesLoaded(const Json& request, int rows_before);
  void OnAmountTotal();
  // The checks that hold after any step; `request` names the step in a report.
  void CheckState(const std::string& request, bool compare_sum);

  host::ScreenFactory make_screen_;
  // The operator's language, as corvane-host's --catalog: every new control takes it.
  Catalog catalog_;
  std::function<void()> event_loop_;
  // Declared in this order so that the control goes before its screen.
  host::HostedScreen hosted_;
  std::unique_ptr<Corvane> control_;
  std::optional<Json> hook_;  // the host call the next AmountTotal handler makes
  int amount_totals_ = 0;     // AmountTotal events of the step under way
  bool typed_load_ = false;   // a load with payment types happened in the step
  bool mask_given_ = false;   // a request to this control held the mask character
  std::string snapshot_;      // Snapshot() after the last step
  // Since the last start over, an amount or a total reached 1e12: the total box may have
  // lost cents the rows still hold.
  bool cents_lost_ = false;
};

}  // namespace corvane::fuzz

#include "fuzz/session_host.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "control/payment_record.h"
#include "corvane/dispatch.h"
#include "fuzz/control_checks.h"
#include "model/amount.h"
#include "readings/card_mask.h"
#include "readings/split.h"
#include "tools/corvane_host/host_calls.h"
#include "tools/corvane_host/inspect.h"
#include "tools/corvane_host/operator_actions.h"

namespace corvane::fuzz {
namespace {

constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::December,
                                             std::chrono::day{6}};
constexpr std::int64_t kDispIdOrderedAmount = 0x60030029;
constexpr std::int64_t kDispIdWritePaymentData = 0x60030011;

// The sequences of the payments the host stored, as often as each is in the list.
std::multiset<std::string> StoredPayments(const ListView& list) {
  std::multiset<std::string> stored;
  for (int row = 0; row < list.Count(); ++row) {
    std::string sequence = list.SubItem(row, kColPaymentSequence);
    if (!sequence.empty()) stored.insert(std::move(sequence));
  }
  return stored;
}

// The payment types text of a load request, if the request is one.
std::optional<std::string> LoadedTypes(const Json& request) {
  std::size_t at = 0;
  if (request[0] == "WritePaymentData") {
    at = 2;
  } else if (request[0] == "invoke" && request.size() > 1 &&
             request[1] == kDispIdWritePaymentData) {
    at = 3;
  }
  if (at == 0 || request.size() <= at || !request[at].is_string()) return std::nullopt;
  return request[at].get<std::string>();
}

// CORVANE_FUZZ_TRACE=1 prints every step with its outcome, to read a crash's input.
bool Tracing() {
  static const bool tracing = std::getenv("CORVANE_FUZZ_TRACE") != nullptr;
  return tracing;
}

// Whether a text of `request` holds the mask character: the host gave it.
bool HoldsMask(const Json& request) {
  if (request.is_string()) {
    return request.get_ref<const std::string&>().find(kCardMask) != std::string::npos;
  }
  return request.is_array() && std::ranges::any_of(request, HoldsMask);
}

bool IsOrderedAmount(const Json& request) {
  return request[0] == "OrderedAmount" ||
         (request[0] == "invoke" && request.size() > 1 && request[1] == kDispIdOrderedAmount);
}

}  // namespace

void FuzzHost::Create() {
  // In the order corvane-host makes a new control: the new screen and control first, then
  // the old control, screen and operator go.
  host::HostedScreen hosted = make_screen_();
  auto control = std::make_unique<Corvane>(*hosted.screen, [] { return kToday; });
  control->SubscribeAmountTotal([this](double) { OnAmountTotal(); });
  control_.reset();
  {
    // The old screen goes whole, its services last (see corvane-host's Session).
    const host::HostedScreen old = std::exchange(hosted_, std::move(hosted));
  }
  control_ = std::move(control);
  snapshot_ = Snapshot(*hosted_.screen, control_->Snapshot());
  cents_lost_ = false;
  mask_given_ = false;
}

void FuzzHost::OnAmountTotal() {
  ++amount_totals_;
  if (!hook_) return;
  const Json call = std::move(*hook_);
  hook_.reset();
  if (Execute(call) == Outcome::kDone) {
    if (const std::optional<std::string> types = LoadedTypes(call); types && !IsBlank(*types)) {
      typed_load_ = true;
    }
  }
}

FuzzHost::Outcome FuzzHost::Execute(const Json& request) {
  const std::string verb = request.at(0).get<std::string>();
  const bool host_call = host::IsHostCall(verb) || verb == "invoke";
  const bool action = host::IsOperatorAction(verb);
  try {
    const host::Arguments args(request);
    if (host::IsHostCall(verb)) {
      host::CallHost(*control_, args);
    } else if (verb == "invoke") {
      host::InvokeByNumber(*control_, args);
    } else if (action) {
      host::Act(*hosted_.services, *hosted_.person, args);
    } else if (verb == "get") {
      args.ExpectCount(1);
      host::InspectWidget(*hosted_.screen, args.Widget(1));
    } else if (verb == "screen") {
      args.ExpectCount(0);
      host::InspectScreen(*hosted_.screen);
    } else if (verb == "state") {
      args.ExpectCount(0);
      host::InspectState(control_->Snapshot(), *hosted_.screen);
    } else if (verb == "new") {
      args.ExpectCount(0);
      Create();
    } else {
      Violation("the fuzzer made an unknown verb " + verb);
    }
    return Outcome::kDone;
  } catch (const host::RequestError&) {
    return Outcome::kRefused;
  } catch (const DispatchError& e) {
    Expect(host_call, verb + " threw DispatchError: " + e.what());
    return Outcome::kRefused;
  } catch (const HostError& e) {
    Expect(host_call, verb + " threw HostError: " + e.what());
    return Outcome::kHostError;
  } catch (const ActionRefused& e) {
    Expect(action, verb + " threw ActionRefused: " + e.what());
    return Outcome::kRefused;
  } catch (const std::exception& e) {
    Violation(request.dump(-1, ' ', false, Json::error_handler_t::replace) + " threw: " + e.what());
  }
}

void FuzzHost::CheckState(const std::string& request) {
  const EntryKind entry = control_->Snapshot().entry;
  const std::string captions = hosted_.screen->button(WidgetId::cmdAdd).Caption() + "/" +
                               hosted_.screen->button(WidgetId::cmdEdit).Caption();
  const std::string expected = entry == EntryKind::kNone ? "New Payment/Edit" : "Save/Cancel";
  Expect(captions == expected, "after " + request + " the entry is '" +
                                   std::string(host::ActionText(entry)) + "' with the buttons " +
                                   captions);
  if (const std::optional<WidgetId> focus = hosted_.screen->Focus()) {
    Expect(hosted_.screen->Focusable(*focus), "after " + request + " the focus is on " +
                                                  std::string(DesignOf(*focus).name) +
                                                  ", which cannot take it");
  }
  CheckAmountsFinite(hosted_.screen->list_view(WidgetId::lstPayment));
  CheckChangeList(*control_);
  CheckModelShown(*control_);
  CheckCardsMasked(*control_);
  if (!mask_given_) CheckNoMaskInData(*control_);
}

void FuzzHost::Run(const host::Step& step) {
  const Json& request = step.request;
  if (HoldsMask(request) || (step.hook && HoldsMask(*step.hook))) mask_given_ = true;
  if (request[0] == "hook") {
    hook_ = step.hook;
    return;
  }
  const std::string shown = request.dump(-1, ' ', false, Json::error_handler_t::replace);
  if (event_loop_ && host::IsOperatorAction(request[0].get<std::string>())) {
    event_loop_();
    Expect(Snapshot(*hosted_.screen, control_->Snapshot()) == snapshot_,
           "the events pending before " + shown + " changed the control");
  }
  const bool save = request[0] == "click" && request.size() == 2 && request[1] == "cmdAdd" &&
                    hosted_.screen->button(WidgetId::cmdAdd).Caption() == "Save";
  const bool delete_click =
      request[0] == "click" && request.size() == 2 && request[1] == "cmdDelete";
  const std::multiset<std::string> stored_before =
      StoredPayments(hosted_.screen->list_view(WidgetId::lstPayment));
  // Nothing changes between two steps: the state after the last one is the state before.
  const std::string before = std::move(snapshot_);
  amount_totals_ = 0;
  typed_load_ = false;

  const Outcome outcome = Execute(request);
  if (Tracing()) {
    std::fprintf(stderr, "%s -> %s\n", shown.c_str(),
                 outcome == Outcome::kDone      ? "ok"
                 : outcome == Outcome::kRefused ? "refused"
                                                : "HostError");
  }
  const std::vector<MessageRecord> messages = hosted_.services->TakeMessages();
  hosted_.services->TakeBeeps();
  snapshot_ = Snapshot(*hosted_.screen, control_->Snapshot());
  if (request[0] == "new" && outcome == Outcome::kDone) return;

  if (outcome == Outcome::kRefused ||
      (outcome == Outcome::kHostError && !IsOrderedAmount(request))) {
    Expect(snapshot_ == before, shown + " failed but changed the control");
  }
  if (outcome == Outcome::kDone) {
    if (const std::optional<std::string> types = LoadedTypes(request); types && !IsBlank(*types)) {
      typed_load_ = true;
    }
  }
  CheckState(shown);

  const ListView& list = hosted_.screen->list_view(WidgetId::lstPayment);
  if (!typed_load_) {
    const std::multiset<std::string> stored_after = StoredPayments(list);
    Expect(std::includes(stored_after.begin(), stored_after.end(), stored_before.begin(),
                         stored_before.end()),
           shown + " took a stored payment out of the list");
  }
  const bool completed_save = save && !control_->EntryOpen();
  Expect(amount_totals_ == (completed_save ? 1 : 0),
         shown + " raised AmountTotal " + std::to_string(amount_totals_) + " times");

  const bool confirmed = delete_click && std::ranges::any_of(messages, [](const MessageRecord& m) {
                           return m.style == kMbYesNoQuestion && m.answer == kAnswerYes;
                         });
  if (typed_load_) cents_lost_ = false;
  cents_lost_ = cents_lost_ || !CentsExact(*hosted_.screen);
  if ((typed_load_ && outcome == Outcome::kDone) || completed_save || confirmed) {
    CheckTotals(*hosted_.screen, !cents_lost_,
                control_->Snapshot().currency_decimals.value_or(Amount::kDefaultDecimals));
  }
}

}  // namespace corvane::fuzz

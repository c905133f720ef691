#include "fuzz/session_host.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "control/payment_record.h"
#include "corvane/dispatch.h"
#include "fuzz/control_checks.h"
#include "model/amount.h"
#include "readings/card_mask.h"
#include "readings/numbers.h"
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

// Whether the request, carried out, loaded payment types (and so started the screen over).
bool LoadsTypes(const Json& request) {
  if (request[0] == "LoadPayments") return !request[2].empty();
  std::size_t at = 0;
  if (request[0] == "WritePaymentData") {
    at = 2;
  } else if (request[0] == "invoke" && request.size() > 1 &&
             request[1] == kDispIdWritePaymentData) {
    at = 3;
  }
  return at != 0 && request.size() > at && request[at].is_string() &&
         !IsBlank(request[at].get_ref<const std::string&>());
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
  control->SetCatalog(catalog_);
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
    if (LoadsTypes(call)) typed_load_ = true;
  }
}

FuzzHost::Outcome FuzzHost::Execute(const Json& request) {
  const std::string verb = request.at(0).get<std::string>();
  const bool host_call = host::IsHostCall(verb) || verb == "invoke" || verb == "LoadPayments";
  const bool action = host::IsOperatorAction(verb);
  try {
    const host::Arguments args(request);
    if (verb == "catalog") {
      SetCatalog(request);
    } else if (verb == "LoadPayments") {
      LoadValues(request);
    } else if (host::IsHostCall(verb)) {
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
  } catch (const CatalogError&) {
    Expect(verb == "catalog", verb + " threw CatalogError");
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

void FuzzHost::SetCatalog(const Json& request) {
  Catalog catalog;
  if (request[1] == "german") {
    catalog = Catalog::German();
  } else if (request[1] == "ts") {
    catalog = Catalog::FromTs(request[2].get_ref<const std::string&>());
  }
  catalog_ = catalog;
  control_->SetCatalog(std::move(catalog));
}

void FuzzHost::LoadValues(const Json& request) {
  const int decimals = control_->Snapshot().currency_decimals.value_or(Amount::kDefaultDecimals);
  std::vector<std::string> cards = request[1].get<std::vector<std::string>>();
  std::vector<PaymentTypeInfo> types;
  for (const Json& t : request[2]) {
    types.push_back({t[0].get<std::int16_t>(), t[1].get<std::string>(), t[2].get<bool>()});
  }
  std::vector<PaymentInfo> payments;
  for (const Json& p : request[3]) {
    payments.push_back(
        {p[0].get<std::int16_t>(), p[1].get<std::string>(), p[2].get<std::string>(),
         Money(p[3].get<std::int64_t>(), p[4].is_null() ? decimals : p[4].get<int>()),
         p[5].get<std::string>(), p[6].get<std::string>()});
  }
  control_->LoadPayments(cards, types, payments);
}

void FuzzHost::CheckValuesLoaded(const Json& request, int rows_before) {
  const PaymentBook& book = Internals(*control_).Payments();
  const Json& payments = request[3];
  const int first = request[2].empty() ? rows_before : 0;
  Expect(book.size() == first + static_cast<int>(payments.size()),
         "a load of " + std::to_string(payments.size()) + " payments left " +
             std::to_string(book.size()) + " in the list, " + std::to_string(rows_before) +
             " before");
  const ControlSnapshot state = control_->Snapshot();
  const int decimals = state.currency_decimals.value_or(Amount::kDefaultDecimals);
  for (std::size_t i = 0; i < payments.size(); ++i) {
    const Json& value = payments[i];
    const PaymentView p = book[first + static_cast<int>(i)];
    const std::string row = "loaded payment " + std::to_string(i + 1);
    Expect(p.mark == Mark::kNone && p.reference == value[1].get_ref<const std::string&>() &&
               p.authorization == value[2].get_ref<const std::string&>() &&
               p.date == value[5].get_ref<const std::string&>() &&
               p.sequence == value[6].get_ref<const std::string&>(),
           row + " shows otherwise");
    // Without a conversion rate the amount is the value's, in the currency's decimals.
    const int own = value[4].is_null() ? decimals : value[4].get<int>();
    std::int64_t units = value[3].get<std::int64_t>();
    bool fits = own <= decimals;
    for (int d = own; fits && d < decimals; ++d) {
      fits = units > std::numeric_limits<std::int64_t>::min() / 10 &&
             units < std::numeric_limits<std::int64_t>::max() / 10;
      units *= fits ? 10 : 1;
    }
    if (state.conversion_rate == 0 && fits) {
      const std::string expected = Money(units, decimals).Text();
      Expect(p.amount == expected, row + " shows the amount " + QuoteForMessage(p.amount) +
                                       " for " + QuoteForMessage(expected));
    }
  }
}

void FuzzHost::CheckState(const std::string& request, bool compare_sum) {
  const EntryKind entry = control_->Snapshot().entry;
  const std::string captions = hosted_.screen->button(WidgetId::cmdAdd).Caption() + "/" +
                               hosted_.screen->button(WidgetId::cmdEdit).Caption();
  // The captions are the catalog's: an open entry's "Save" and "Cancel", else "New
  // Payment" and "Edit".
  const Catalog& catalog = control_->catalog();
  const std::string expected = entry == EntryKind::kNone
                                   ? catalog.Text("New Payment") + "/" + catalog.Text("Edit")
                                   : catalog.Text("Save") + "/" + catalog.Text("Cancel");
  Expect(captions == expected, "after " + request + " the entry is '" +
                                   std::string(host::ActionText(entry)) + "' with the buttons " +
                                   captions);
  if (const std::optional<WidgetId> focus = hosted_.screen->Focus()) {
    Expect(hosted_.screen->Focusable(*focus), "after " + request + " the focus is on " +
                                                  std::string(DesignOf(*focus).name) +
                                                  ", which cannot take it");
  }
  CheckAmountsFinite(hosted_.screen->list_view(WidgetId::lstPayment));
  CheckChangeList(*control_, compare_sum);
  CheckModelShown(*control_);
  CheckCatalogShown(*control_);
  CheckCardsMasked(*control_);
  if (!mask_given_) CheckNoMaskInData(*control_);
}

void FuzzHost::Run(const host::Step& step) {
  const Json& request = step.request;
  // A catalog's texts are no data: they never give the mask character to the payments.
  if ((request[0] != "catalog" && HoldsMask(request)) || (step.hook && HoldsMask(*step.hook))) {
    mask_given_ = true;
  }
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
  // A click on the add button while an entry is open is a save (whatever the caption says
  // in the catalog's language).
  const bool save = request[0] == "click" && request.size() == 2 && request[1] == "cmdAdd" &&
                    control_->EntryOpen();
  const bool delete_click =
      request[0] == "click" && request.size() == 2 && request[1] == "cmdDelete";
  const std::multiset<std::string> stored_before =
      StoredPayments(hosted_.screen->list_view(WidgetId::lstPayment));
  const int rows_before = Internals(*control_).Payments().size();
  // A new catalog changes texts only: the data and the card number box (unless it shows
  // "Not Found", which changes with the language) stay.
  const bool catalog_step = request[0] == "catalog";
  const Catalog catalog_before = control_->catalog();
  const DataParts data_before = catalog_step ? DataSnapshot(*control_) : DataParts();
  const std::string card_before = hosted_.screen->text_box(WidgetId::txtCreditCard).Text();
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
  CheckMessagesTranslated(messages, control_->catalog());
  if (catalog_step) {
    const DataParts data = DataSnapshot(*control_);
    for (std::size_t i = 0; i < data.size() && i < data_before.size(); ++i) {
      Expect(data[i] == data_before[i], shown + " changed " + data[i].first);
    }
    const std::string card = hosted_.screen->text_box(WidgetId::txtCreditCard).Text();
    Expect(card == card_before || (card_before == catalog_before.Text("Not Found") &&
                                   card == control_->catalog().Text("Not Found")),
           shown + " changed the card number box from " + QuoteForMessage(card_before) + " to " +
               QuoteForMessage(card));
  }

  if (outcome == Outcome::kRefused ||
      (outcome == Outcome::kHostError && !IsOrderedAmount(request))) {
    Expect(snapshot_ == before, shown + " failed but changed the control");
  }
  if (outcome == Outcome::kDone) {
    if (LoadsTypes(request)) typed_load_ = true;
  }
  if (typed_load_) cents_lost_ = false;
  cents_lost_ = cents_lost_ || !CentsExact(*hosted_.screen);
  CheckState(shown, /*compare_sum=*/!cents_lost_);
  if (request[0] == "LoadPayments" && outcome == Outcome::kDone) {
    CheckValuesLoaded(request, rows_before);
  }

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
  if ((typed_load_ && outcome == Outcome::kDone) || completed_save || confirmed) {
    CheckTotals(*hosted_.screen, !cents_lost_,
                control_->Snapshot().currency_decimals.value_or(Amount::kDefaultDecimals));
  }
}

}  // namespace corvane::fuzz

#include "tools/corvane_host/session.h"

#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "tools/corvane_host/host_calls.h"
#include "tools/corvane_host/inspect.h"
#include "tools/corvane_host/operator_actions.h"

namespace corvane::host {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// nlohmann's messages start with "[json.exception.<kind>.<id>] "; the rest is the reason.
std::string ParseErrorText(const std::exception& e) {
  std::string what = e.what();
  if (const std::size_t end = what.find("] ");
      !what.empty() && what[0] == '[' && end != std::string::npos) {
    what.erase(0, end + 2);
  }
  return "not a JSON line: " + what;
}

Json MessageJson(const MessageRecord& message) {
  return {{"prompt", message.prompt},
          {"style", message.style},
          {"title", message.title},
          {"answer", message.answer}};
}

}  // namespace

Session::Session(std::optional<std::chrono::year_month_day> today, ScreenFactory make_screen,
                 Catalog catalog)
    : today_(today), make_screen_(std::move(make_screen)), catalog_(std::move(catalog)) {
  CreateControl();
}

Session::~Session() = default;

void Session::CreateControl() {
  Corvane::Today today;
  if (today_) today = [date = *today_] { return date; };
  HostedScreen hosted = make_screen_();
  auto control = std::make_unique<Corvane>(*hosted.screen, std::move(today));
  control->SetCatalog(catalog_);
  control->SubscribeAmountTotal([this](double total) {
    events_.push_back(Json{{"AmountTotal", total}});
  });
  control_.reset();
  {
    // The old screen is destroyed as a whole, operator first and the services the screen
    // uses last; moving the new one over it member by member would free the services first.
    const HostedScreen old = std::exchange(hosted_, std::move(hosted));
  }
  control_ = std::move(control);
}

std::optional<Json> Session::HandleLine(std::string_view line) {
  std::size_t first = 0;
  while (first < line.size() && IsBlank(line[first])) ++first;
  if (first == line.size() || line[first] == '#') return std::nullopt;
  return Respond([&] {
    Json request;
    try {
      request = Json::parse(line);
    } catch (const Json::exception& e) {  // a syntax error or a number out of range
      throw RequestError(ParseErrorText(e));
    }
    return Execute(request);
  });
}

Json Session::Handle(const Json& request) {
  return Respond([&] { return Execute(request); });
}

Json Session::Respond(const std::function<Json()>& work) {
  events_.clear();
  Json answer = {{"ok", true}, {"result", nullptr}};
  try {
    answer["result"] = work();
  } catch (const std::exception& e) {
    answer["ok"] = false;
    answer["error"] = e.what();
  } catch (...) {
    answer["ok"] = false;
    answer["error"] = "unknown failure";
  }
  Json messages = Json::array();
  for (const MessageRecord& message : hosted_.services->TakeMessages()) {
    messages.push_back(MessageJson(message));
  }
  answer["events"] = std::move(events_);
  answer["messages"] = std::move(messages);
  answer["beeps"] = hosted_.services->TakeBeeps();
  events_.clear();
  return answer;
}

Json Session::Execute(const Json& request) {
  if (!request.is_array() || request.empty() || !request[0].is_string()) {
    throw RequestError("a request is a JSON array whose first element is a verb");
  }
  const Arguments args(request);
  const std::string_view verb = args.verb();
  if (IsHostCall(verb)) return CallHost(*control_, args);
  if (verb == "invoke") return InvokeByNumber(*control_, args);
  if (IsOperatorAction(verb)) return Act(*hosted_.services, *hosted_.person, args);
  if (verb == "get") {
    args.ExpectCount(1);
    return InspectWidget(*hosted_.screen, args.Widget(1));
  }
  if (verb == "screen") {
    args.ExpectCount(0);
    return InspectScreen(*hosted_.screen);
  }
  if (verb == "state") {
    args.ExpectCount(0);
    return InspectState(control_->Snapshot(), *hosted_.screen);
  }
  if (verb == "new") {
    args.ExpectCount(0);
    CreateControl();
    return nullptr;
  }
  throw RequestError("unknown verb '" + std::string(verb) + "'");
}

std::string AnswerLine(const Json& answer) {
  return answer.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace corvane::host

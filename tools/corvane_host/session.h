// One hosting session: a screen with a Corvane control on it and the operator's hands,
// driven one request at a time. Every request gets one answer object:
//   {"ok", "result", ["error",] "events", "messages", "beeps"}
// and no request, however malformed, ends the session.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/catalog.h"
#include "corvane/corvane.h"
#include "tools/corvane_host/arguments.h"
#include "tools/corvane_host/hosted_screen.h"

namespace corvane::host {

class Session {
 public:
  // `today` is the date the control takes as today; none: the machine's local date.
  // `make_screen` builds each screen the session hosts the control on; each control shows
  // the texts of `catalog`.
  explicit Session(std::optional<std::chrono::year_month_day> today,
                   ScreenFactory make_screen = MakeHeadlessScreen, Catalog catalog = {});
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // One input line. None for a line that asks nothing (blank, or '#' first after blanks).
  std::optional<Json> HandleLine(std::string_view line);
  // One request, already read as JSON.
  Json Handle(const Json& request);

 private:
  // The answer to one request: `work` gives the result or throws what failed; the events,
  // message boxes and beeps it caused go with it.
  Json Respond(const std::function<Json()>& work);
  // Runs the request and gives its result; throws for a failure.
  Json Execute(const Json& request);
  void CreateControl();

  std::optional<std::chrono::year_month_day> today_;
  ScreenFactory make_screen_;
  Catalog catalog_;
  // Declared in this order so that the control goes before its screen.
  HostedScreen hosted_;
  std::unique_ptr<Corvane> control_;
  // AmountTotal events of the request being handled.
  std::vector<Json> events_;
};

// Text for an output line: compact, and never failing on text that is not valid UTF-8
// (such bytes come out as U+FFFD).
std::string AnswerLine(const Json& answer);

}  // namespace corvane::host

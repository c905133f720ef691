#include "tools/corvane_host/operator_actions.h"

#include <array>
#include <string>

#include "corvane/screen.h"

namespace corvane::host {
namespace {

constexpr std::array<std::string_view, 8> kActions = {
    "click", "key", "focus", "type", "select", "choose", "pick", "answer",
};

void Click(Operator& person, const Arguments& args) {
  if (args.size() == 1) {
    const WidgetId button = args.Widget(1);
    if (DesignOf(button).kind == WidgetKind::kListView) {
      throw RequestError("click on " + std::string(DesignOf(button).name) + " needs a row");
    }
    person.Click(button);
    return;
  }
  if (args.size() != 2) {
    throw RequestError("click takes a button, or the list and a row, not " +
                       std::to_string(args.size()) + " arguments");
  }
  const WidgetId list = args.Widget(1);
  person.ClickRow(list, args.Int(2));
}

void Answer(ScriptedServices& services, const Arguments& args) {
  args.ExpectCount(1);
  const Json& answer = args.at(1);
  if (answer == "yes") {
    services.QueueAnswer(kAnswerYes);
  } else if (answer == "no") {
    services.QueueAnswer(kAnswerNo);
  } else {
    throw RequestError("answer takes \"yes\" or \"no\"");
  }
}

}  // namespace

bool IsOperatorAction(std::string_view verb) {
  for (std::string_view action : kActions) {
    if (action == verb) return true;
  }
  return false;
}

Json Act(ScriptedServices& services, Operator& person, const Arguments& args) {
  const std::string_view verb = args.verb();
  if (verb == "click") {
    Click(person, args);
  } else if (verb == "key") {
    args.ExpectCount(2);
    const WidgetId list = args.Widget(1);
    person.Key(list, args.Int(2));
  } else if (verb == "focus") {
    args.ExpectCount(1);
    person.Focus(args.Widget(1));
  } else if (verb == "type") {
    args.ExpectCount(2);
    const WidgetId box = args.Widget(1);
    person.Type(box, args.Text(2));
  } else if (verb == "select") {
    args.ExpectCount(3);
    const WidgetId box = args.Widget(1);
    const int start = args.Int(2);
    person.Select(box, start, args.Int(3));
  } else if (verb == "choose") {
    args.ExpectCount(2);
    const WidgetId box = args.Widget(1);
    person.Choose(box, args.Text(2));
  } else if (verb == "pick") {
    args.ExpectCount(2);
    const WidgetId picker = args.Widget(1);
    person.Pick(picker, args.IsoDate(2));
  } else if (verb == "answer") {
    Answer(services, args);
  } else {
    throw RequestError("unknown action '" + std::string(verb) + "'");
  }
  return nullptr;
}

}  // namespace corvane::host

#include "corvane/scripted_services.h"

#include <utility>

#include "corvane/screen.h"

namespace corvane {

int ScriptedServices::MsgBox(std::string_view prompt, int style, std::string_view title) {
  int answer = kAnswerOk;
  if ((style & 7) == 4) {  // Yes and No
    answer = kAnswerNo;
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
  }
  messages_.push_back({std::string(prompt), style, std::string(title), answer});
  return answer;
}

std::vector<MessageRecord> ScriptedServices::TakeMessages() { return std::exchange(messages_, {}); }

int ScriptedServices::TakeBeeps() { return std::exchange(beeps_, 0); }

}  // namespace corvane

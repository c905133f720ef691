// Message boxes and beeps without a person: every box is recorded and answered from a
// queue of scripted answers. Tests, benchmarks and corvane-host use it on both toolkits.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct MessageRecord {
  std::string prompt;
  int style = 0;
  std::string title;
  int answer = 0;

  bool operator==(const MessageRecord&) const = default;
};

class ScriptedServices {
 public:
  // A box that asks Yes or No takes the first queued answer, or No; any other box is
  // answered OK and leaves the queue as it is.
  int MsgBox(std::string_view prompt, int style, std::string_view title);
  void Beep() { ++beeps_; }

  void QueueAnswer(int answer) { answers_.push_back(answer); }
  void DropAnswers() { answers_.clear(); }
  const std::vector<MessageRecord>& messages() const { return messages_; }
  int beeps() const { return beeps_; }
  // The records so far; new ones start empty.
  std::vector<MessageRecord> TakeMessages();
  int TakeBeeps();

 private:
  std::deque<int> answers_;
  std::vector<MessageRecord> messages_;
  int beeps_ = 0;
};

}  // namespace corvane

/// @file
/// Message boxes and beeps without a person: every box is recorded and answered from a
/// queue of scripted answers. Tests, benchmarks and corvane-host use it on both toolkits.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// One message box shown, with the answer it got.
struct MessageRecord {
  std::string prompt;  ///< the message
  int style = 0;       ///< kMbOkInformation or kMbYesNoQuestion
  std::string title;   ///< the box's title
  int answer = 0;      ///< kAnswerOk, kAnswerYes or kAnswerNo

  /// Equal when every field is.
  bool operator==(const MessageRecord&) const = default;
};

/// Scripted message boxes and beeps: a Screen's services without a person.
class ScriptedServices {
 public:
  /// A box that asks Yes or No takes the first queued answer, or No; any other box is
  /// answered OK and leaves the queue as it is.
  int MsgBox(std::string_view prompt, int style, std::string_view title);
  /// Counts a beep.
  void Beep() { ++beeps_; }

  /// Queues the answer of a later Yes/No box.
  void QueueAnswer(int answer) { answers_.push_back(answer); }
  /// The boxes shown so far, oldest first.
  const std::vector<MessageRecord>& messages() const { return messages_; }
  /// The records so far; new ones start empty.
  std::vector<MessageRecord> TakeMessages();
  /// The beeps so far; the count starts again at 0.
  int TakeBeeps();

 private:
  std::deque<int> answers_;
  std::vector<MessageRecord> messages_;
  int beeps_ = 0;
};

}  // namespace corvane

// corvane-host-diff: random sessions of corvane-host on the headless and the Qt toolkits,
// compared answer by answer. See the README ("Comparing the toolkits").
#include <QApplication>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/corvane_host/qt_screen.h"
#include "tools/corvane_host/session.h"
#include "tools/corvane_host/session_steps.h"
#include "tools/corvane_host/toolkit_diff.h"

namespace {

using corvane::host::Json;

constexpr int kUsageExit = 2;
constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::December,
                                             std::chrono::day{6}};

const char kUsage[] =
    "usage: corvane-host-diff [--seed N] [--count N] [--minutes M] [--steps N] [--print]\n"
    "Runs random sessions of corvane-host requests on the headless and the Qt toolkits\n"
    "(Qt's offscreen platform unless QT_QPA_PLATFORM names another) and compares every\n"
    "answer. A disagreement prints the seed, the session up to it as a corvane-host script\n"
    "(--today 2026-12-06) and both answers; the exit status is then 1.\n"
    "  --seed     the first session's seed (default 1); each next session takes the next\n"
    "  --count    how many sessions (default 100; 0: no limit, for use with --minutes)\n"
    "  --minutes  stop starting sessions after this many minutes\n"
    "  --steps    steps of each session (default 48)\n"
    "  --print    print each session's lines instead of running them\n";

struct Options {
  std::uint64_t seed = 1;
  std::uint64_t count = 100;
  std::optional<std::uint64_t> minutes;
  int steps = corvane::host::kMaxSteps;
  bool print = false;
};

std::uint64_t Number(std::string_view option, std::string_view text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw std::invalid_argument(std::string(option) + " takes a number, not '" + std::string(text) +
                                "'");
  }
  return value;
}

Options Parse(const std::vector<std::string_view>& args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--print") {
      options.print = true;
      continue;
    }
    if (arg != "--seed" && arg != "--count" && arg != "--minutes" && arg != "--steps") {
      throw std::invalid_argument("unknown argument '" + std::string(arg) + "'");
    }
    if (++i == args.size()) throw std::invalid_argument(std::string(arg) + " needs a value");
    const std::uint64_t value = Number(arg, args[i]);
    if (arg == "--seed") options.seed = value;
    if (arg == "--count") options.count = value;
    if (arg == "--minutes") options.minutes = value;
    if (arg == "--steps") options.steps = static_cast<int>(std::min<std::uint64_t>(value, 100000));
  }
  if (options.count == 0 && !options.minutes) {
    throw std::invalid_argument("--count 0 runs without end: give --minutes");
  }
  return options;
}

void Report(std::uint64_t seed, const std::vector<std::string>& lines,
            const corvane::host::Disagreement& found) {
  std::cout << "# seed " << seed << ": the toolkits disagree at line " << found.line + 1
            << ". Replay: corvane-host --today 2026-12-06 --toolkit headless|qt\n";
  for (std::size_t i = 0; i <= found.line; ++i) std::cout << lines[i] << '\n';
  std::cout << "# headless: " << corvane::host::AnswerLine(found.first) << '\n'
            << "# qt:       " << corvane::host::AnswerLine(found.second) << '\n'
            << "# qt differs: " << corvane::host::AnswerLine(Json::diff(found.first, found.second))
            << '\n'
            << std::flush;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  try {
    options = Parse(std::vector<std::string_view>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& e) {
    std::cerr << "corvane-host-diff: " << e.what() << '\n' << kUsage;
    return kUsageExit;
  }
  if (options.print) {
    for (std::uint64_t n = 0; n < options.count; ++n) {
      std::cout << "# seed " << options.seed + n << '\n';
      for (const std::string& line :
           corvane::host::RandomSession(options.seed + n, options.steps)) {
        std::cout << line << '\n';
      }
    }
    return 0;
  }

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const auto start = std::chrono::steady_clock::now();
  std::uint64_t sessions = 0, disagreements = 0;
  std::size_t requests = 0;
  for (std::uint64_t seed = options.seed; options.count == 0 || sessions < options.count; ++seed) {
    if (options.minutes &&
        std::chrono::steady_clock::now() - start >= std::chrono::minutes(*options.minutes)) {
      break;
    }
    const std::vector<std::string> lines = corvane::host::RandomSession(seed, options.steps);
    const std::optional<corvane::host::Disagreement> found = corvane::host::CompareSession(
        lines, kToday, corvane::host::MakeHeadlessScreen, corvane::host::MakeQtScreen, requests);
    ++sessions;
    if (found) {
      ++disagreements;
      Report(seed, lines, *found);
    }
    // What the closed windows left to Qt goes now, so that every session starts alike.
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  std::cout << "corvane-host-diff: " << sessions << " sessions (seeds " << options.seed << "-"
            << options.seed + sessions - 1 << "), " << requests << " requests, " << disagreements
            << " disagreements\n";
  return disagreements == 0 ? 0 : 1;
}

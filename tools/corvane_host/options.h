// The command line of corvane-host.
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane::host {

// A command line that cannot be run: exit status 2, the message on standard error.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class ToolkitChoice { kHeadless, kQt };

struct Options {
  bool help = false;
  ToolkitChoice toolkit = ToolkitChoice::kHeadless;
  // The date the control takes as today; none: the machine's local date.
  std::optional<std::chrono::year_month_day> today;
  // The script to read; none (or "-"): standard input.
  std::optional<std::string> script;
  // The Qt Linguist file (.ts) every control of the session takes its texts from; none: the
  // classic texts.
  std::optional<std::string> catalog;
};

// Reads the arguments after the program name. Throws UsageError for an unknown option, a
// missing value, an unknown toolkit, a bad date or a second script.
Options ParseOptions(std::span<const std::string_view> args);

extern const char kUsage[];

}  // namespace corvane::host

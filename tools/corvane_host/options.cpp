#include "tools/corvane_host/options.h"

#include "corvane/layout.h"
#include "tools/corvane_host/arguments.h"

namespace corvane::host {

const char kUsage[] =
    "usage: corvane-host [--toolkit headless|qt] [--today YYYY-MM-DD] [--catalog FILE] [SCRIPT]\n"
    "Hosts one Corvane control and answers one JSON request per line of SCRIPT (standard\n"
    "input when none is named, or \"-\") with one JSON line on standard output.\n"
    "  --toolkit   the widget toolkit: headless (default), or qt: real Qt widgets in a\n"
    "              window (offscreen when there is no display)\n"
    "  --today     the date the control takes as today (default: the local date)\n"
    "  --catalog   the operator's texts from FILE, a Qt Linguist file (.ts) such as\n"
    "              translations/corvane_de.ts (default: the classic English texts)\n"
    "  --help      this text\n";

namespace {

ToolkitChoice ReadToolkit(std::string_view toolkit) {
  if (toolkit == "headless") return ToolkitChoice::kHeadless;
  if (toolkit == "qt") return ToolkitChoice::kQt;
  throw UsageError("unknown toolkit '" + std::string(toolkit) + "' (headless or qt)");
}

std::chrono::year_month_day ReadToday(std::string_view text) {
  std::chrono::year_month_day date;
  if (!ParseIsoDate(text, date) || !DesignOf(WidgetId::DTPckrPaymentDate).AcceptsDate(date)) {
    throw UsageError("--today takes a date YYYY-MM-DD from 1900-01-01 to 2060-12-31, not '" +
                     std::string(text) + "'");
  }
  return date;
}

}  // namespace

Options ParseOptions(std::span<const std::string_view> args) {
  Options options;
  bool options_end = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (!options_end && arg.size() > 1 && arg[0] == '-') {
      if (arg == "--") {
        options_end = true;
        continue;
      }
      if (arg == "--help" || arg == "-h") {
        options.help = true;
        continue;
      }
      std::string_view name = arg;
      std::optional<std::string_view> value;
      if (const std::size_t eq = arg.find('='); eq != std::string_view::npos) {
        name = arg.substr(0, eq);
        value = arg.substr(eq + 1);
      }
      if (name != "--toolkit" && name != "--today" && name != "--catalog") {
        throw UsageError("unknown option '" + std::string(name) + "'");
      }
      if (!value) {
        if (i + 1 == args.size()) throw UsageError(std::string(name) + " needs a value");
        value = args[++i];
      }
      if (name == "--toolkit") {
        options.toolkit = ReadToolkit(*value);
      } else if (name == "--catalog") {
        options.catalog = std::string(*value);
      } else {
        options.today = ReadToday(*value);
      }
      continue;
    }
    if (options.script) throw UsageError("only one script can be named");
    options.script = std::string(arg);
  }
  if (options.script == "-") options.script.reset();
  return options;
}

}  // namespace corvane::host

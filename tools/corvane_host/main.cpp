// corvane-host: hosts one Corvane control and drives it one JSON request per line.
// See docs/host-protocol.md for the verbs and the answers.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/corvane_host/options.h"
#include "tools/corvane_host/session.h"
#ifdef CORVANE_HOST_WITH_QT
#include <QApplication>

#include "tools/corvane_host/qt_screen.h"
#endif

namespace {

constexpr int kUsageExit = 2;

// The catalog of --catalog; the classic texts without one. Throws UsageError for a file that
// cannot be read or is no catalog.
corvane::Catalog ReadCatalog(const corvane::host::Options& options) {
  if (!options.catalog) return {};
  std::error_code error;
  std::ifstream file;
  if (!std::filesystem::is_directory(*options.catalog, error)) {
    file.open(*options.catalog, std::ios::binary);
  }
  std::ostringstream text;
  if (!file.is_open() || !(text << file.rdbuf())) {
    throw corvane::host::UsageError("cannot read the catalog '" + *options.catalog + "'");
  }
  try {
    return corvane::Catalog::FromTs(text.str());
  } catch (const corvane::CatalogError& e) {
    throw corvane::host::UsageError("the catalog '" + *options.catalog + "', " + e.what());
  }
}

int Run(std::istream& in, const corvane::host::Options& options,
        corvane::host::ScreenFactory make_screen, corvane::Catalog catalog) {
  corvane::host::Session session(options.today, std::move(make_screen), std::move(catalog));
  std::string line;
  while (std::getline(in, line)) {
    if (std::optional<corvane::host::Json> answer = session.HandleLine(line)) {
      std::cout << corvane::host::AnswerLine(*answer) << '\n' << std::flush;
    }
  }
  if (in.bad()) {
    std::cerr << "corvane-host: reading the input failed\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  corvane::host::Options options;
  corvane::Catalog catalog;
  try {
    options = corvane::host::ParseOptions(args);
    if (!options.help) catalog = ReadCatalog(options);
  } catch (const corvane::host::UsageError& e) {
    const std::string_view usage = corvane::host::kUsage;
    std::cerr << "corvane-host: " << e.what() << '\n' << usage.substr(0, usage.find('\n') + 1);
    return kUsageExit;
  }
  if (options.help) {
    std::cout << corvane::host::kUsage;
    return 0;
  }
  corvane::host::ScreenFactory make_screen = corvane::host::MakeHeadlessScreen;
#ifdef CORVANE_HOST_WITH_QT
  std::unique_ptr<QApplication> app;
  if (options.toolkit == corvane::host::ToolkitChoice::kQt) {
    // A real window on a display; without one, Qt's offscreen platform.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    app = std::make_unique<QApplication>(argc, argv);
    make_screen = corvane::host::MakeQtScreen;
  }
#else
  if (options.toolkit == corvane::host::ToolkitChoice::kQt) {
    std::cerr << "corvane-host: this build has no Qt toolkit; use --toolkit headless\n";
    return kUsageExit;
  }
#endif
  try {
    if (!options.script) return Run(std::cin, options, make_screen, std::move(catalog));
    std::error_code error;
    std::ifstream script;
    if (!std::filesystem::is_directory(*options.script, error)) {
      script.open(*options.script, std::ios::binary);
    }
    if (!script.is_open()) {
      std::cerr << "corvane-host: cannot read the script '" << *options.script << "'\n";
      return kUsageExit;
    }
    return Run(script, options, make_screen, std::move(catalog));
  } catch (const std::exception& e) {
    std::cerr << "corvane-host: " << e.what() << '\n';
    return 1;
  }
}

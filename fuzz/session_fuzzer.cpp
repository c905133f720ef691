// Fuzzes whole sessions of corvane-host: the input bytes are decoded into requests (see
// tools/corvane_host/session_steps.h), each carried out by the session library's own
// verbs, with the control's invariants checked after every step (see session_host.h).
//
// Built twice: session_fuzzer on the headless toolkit, and session_qt_fuzzer (with
// CORVANE_FUZZ_QT) on the Qt toolkit in a shown window, on Qt's offscreen platform unless
// QT_QPA_PLATFORM names another, its message boxes answered by the scripted answers as in
// corvane-host. Both run the same steps and the same checks.
#include <cstddef>
#include <cstdint>

#include "fuzz/session_host.h"
#include "tools/corvane_host/session_steps.h"
#ifdef CORVANE_FUZZ_QT
#include <QApplication>
#include <QPixmapCache>

#include "tools/corvane_host/qt_screen.h"

// libFuzzer calls this once, before the first input. The application lives as long as the
// process (the inputs' windows come and go inside it) and is never destroyed: destroyed
// with the statics at exit, it would tear down devices Qt has already let go.
// NOLINTNEXTLINE(readability-non-const-parameter): libFuzzer's signature
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt keeps the arguments it is given; libFuzzer's flags are not for it.
  static int qt_argc = *argc > 0 ? 1 : 0;
  static char* qt_argv[] = {*argc > 0 ? (*argv)[0] : nullptr, nullptr};
  [[maybe_unused]] static const QApplication* const app = new QApplication(qt_argc, qt_argv);
  // No pixmap cache: the style's pixmaps are cached under the palette of each window, so
  // every input's window would add entries (and their keys stay even after a clear),
  // which libFuzzer would take for a leak of every input.
  QPixmapCache::setCacheLimit(0);
  return 0;
}
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  corvane::host::StepReader steps(data, size);
  {
#ifdef CORVANE_FUZZ_QT
    corvane::fuzz::FuzzHost host(corvane::host::MakeQtScreen,
                                 [] { QApplication::processEvents(); });
#else
    corvane::fuzz::FuzzHost host(corvane::host::MakeHeadlessScreen);
#endif
    for (int step = 0; step < corvane::host::kMaxSteps && !steps.AtEnd(); ++step) {
      host.Run(steps.Next());
    }
  }
#ifdef CORVANE_FUZZ_QT
  // What the closed window left to Qt (deferred deletions, posted events) goes now, so
  // that every input starts from the same state and one input's leftovers are not
  // counted as its leaks.
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#endif
  return 0;
}

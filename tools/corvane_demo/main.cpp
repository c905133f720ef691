// corvane-demo: the order-entry window around the Qt control, its orders in SQLite.
#include <QApplication>
#include <QCheckBox>
#include <iostream>

#include "tools/corvane_demo/demo_window.h"
#include "tools/corvane_demo/language.h"
#include "tools/corvane_demo/options.h"
#include "tools/corvane_demo/sample_session.h"

int main(int argc, char** argv) {
  namespace demo = corvane::demo;
  const bool offscreen = demo::UseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("corvane-demo"));
  try {
    const demo::Options options = demo::ReadOptions(QApplication::arguments().mid(1));
    if (options.help) {
      std::cout << demo::kUsage;
      return 0;
    }
    if (offscreen && options.screenshot.isEmpty()) {
      throw demo::UsageError(
          "there is no display to show the window on; --screenshot FILE runs "
          "the sample session without one");
    }
    const QString database =
        options.database.isEmpty() ? demo::DefaultDatabase() : options.database;
    demo::OrderStore store(database);
    store.AddSampleOrderIfEmpty();
    corvane::ScriptedServices scripted;
    const bool scripted_session = !options.screenshot.isEmpty();
    demo::DemoWindow window(store, scripted_session ? &scripted : nullptr,
                            demo::TodayFor(options.today));
    window.setWindowTitle(QStringLiteral("Corvane demo - %1").arg(database));
    window.language().Choose(options.language);
    window.mask_card_numbers().setChecked(options.mask_card_numbers);
    if (!options.currency.isEmpty() && !window.LoadOrderIn(options.currency)) {
      std::cerr << "corvane-demo: " << window.status().toStdString() << "\n";
      return 1;
    }
    window.show();
    if (scripted_session) return demo::RunScreenshotSession(window, scripted, options.screenshot);
    return QApplication::exec();
  } catch (const demo::UsageError& e) {
    std::cerr << "corvane-demo: " << e.what() << "\n" << demo::kUsage;
    return 2;
  } catch (const demo::StoreError& e) {
    std::cerr << "corvane-demo: " << e.what() << "\n";
    return 1;
  }
}

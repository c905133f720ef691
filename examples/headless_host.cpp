// A plain C++ host: creates Corvane on the headless toolkit and prints its screen.
#include <iostream>

#include "control/corvane.h"
#include "widgets/headless/screen.h"

namespace {

const char* YesNo(bool value) { return value ? "yes" : "no"; }

void Print(corvane::Screen& screen) {
  using corvane::WidgetKind;
  for (const corvane::WidgetSpec& spec : corvane::kScreenLayout) {
    corvane::Widget& w = screen.widget(spec.id);
    std::cout << spec.name << " (" << spec.rect.left << ", " << spec.rect.top << ", "
              << spec.rect.width << " x " << spec.rect.height << ")";
    switch (spec.kind) {
      case WidgetKind::kTextBox:
        std::cout << " text \"" << screen.text_box(spec.id).Text() << "\"";
        break;
      case WidgetKind::kComboBox:
        std::cout << " entries " << screen.combo_box(spec.id).ListCount();
        break;
      case WidgetKind::kCommandButton:
        std::cout << " caption \"" << screen.button(spec.id).Caption() << "\"";
        break;
      case WidgetKind::kLabel:
        std::cout << " caption \"" << screen.label(spec.id).Caption() << "\"";
        break;
      case WidgetKind::kListView:
        for (const corvane::ColumnHeader& c : screen.list_view(spec.id).Columns()) {
          std::cout << " [" << c.text << " " << c.width << "]";
        }
        break;
      case WidgetKind::kDatePicker:
        std::cout << " format \"" << screen.date_picker(spec.id).CustomFormat() << "\"";
        break;
      case WidgetKind::kFrame:
        break;
    }
    std::cout << " enabled " << YesNo(w.Enabled()) << " visible " << YesNo(w.Visible())
              << "\n";
  }
}

}  // namespace

int main() {
  corvane::headless::Screen screen;
  corvane::Corvane control(screen);
  Print(screen);
}

// A plain C++ host: creates Corvane on the headless toolkit and prints its screen.
#include <iostream>

#include "corvane/corvane.h"
#include "corvane/headless_screen.h"

namespace {

const char* YesNo(bool value) { return value ? "yes" : "no"; }

void Print(corvane::Screen& screen) {
  using corvane::WidgetKind;
  for (const corvane::WidgetDesign& design : corvane::kScreenLayout) {
    corvane::Widget& w = screen.widget(design.id);
    std::cout << design.name << " (" << design.rect.left << ", " << design.rect.top << ", "
              << design.rect.width << " x " << design.rect.height << ")";
    switch (design.kind) {
      case WidgetKind::kTextBox:
        std::cout << " text \"" << screen.text_box(design.id).Text() << "\"";
        break;
      case WidgetKind::kComboBox:
        std::cout << " entries " << screen.combo_box(design.id).ListCount();
        break;
      case WidgetKind::kCommandButton:
        std::cout << " caption \"" << screen.button(design.id).Caption() << "\"";
        break;
      case WidgetKind::kLabel:
        std::cout << " caption \"" << screen.label(design.id).Caption() << "\"";
        break;
      case WidgetKind::kListView:
        for (const corvane::ColumnHeader& c : screen.list_view(design.id).Columns()) {
          std::cout << " [" << c.text << " " << c.width << "]";
        }
        break;
      case WidgetKind::kDatePicker:
        std::cout << " format \"" << screen.date_picker(design.id).CustomFormat() << "\"";
        break;
      case WidgetKind::kFrame:
        break;
    }
    std::cout << " enabled " << YesNo(w.Enabled()) << " visible " << YesNo(w.Visible()) << "\n";
  }
}

}  // namespace

int main() {
  corvane::headless::Screen screen;
  corvane::Corvane control(screen);
  Print(screen);
}

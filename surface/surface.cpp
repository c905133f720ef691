#include "surface/surface.h"

#include "readings/dates.h"
#include "readings/numbers.h"

namespace corvane {

void DatePicker::SetValueText(std::string_view text) {
  Date date;
  try {
    date = ReadDate(text);
  } catch (const ReadError& e) {
    throw WidgetError(std::string(Design().name) + ": " + e.what());
  }
  SetValue(date);
}

}  // namespace corvane

#include <algorithm>

#include "corvane/widgets.h"
#include "readings/dates.h"
#include "readings/numbers.h"
#include "surface/refusals.h"

namespace corvane {

std::optional<int> ListView::RowForKey(int key, std::optional<int> selected, int count) {
  if (count == 0) return std::nullopt;
  switch (key) {
    case kKeyUp:
      return selected ? std::max(*selected - 1, 0) : 0;
    case kKeyDown:
      return selected ? std::min(*selected + 1, count - 1) : 0;
    case kKeyHome:
      return 0;
    case kKeyEnd:
      return count - 1;
    default:
      return std::nullopt;
  }
}

void DatePicker::SetValueText(std::string_view text) {
  Date date;
  try {
    date = ReadDate(text);
  } catch (const ReadError& e) {
    Refuse(Id(), e.what());
  }
  SetValue(date);
}

}  // namespace corvane

#include "readings/card_grouping.h"

#include "readings/utf8.h"

namespace corvane {

std::optional<std::string> GroupCardNumber(std::string_view reference) {
  const std::size_t first = reference.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  const std::string_view t = reference.substr(first, reference.find_last_not_of(' ') - first + 1);
  if (CodePointCount(t) != 16) return std::nullopt;
  std::string grouped;
  for (int group = 0; group < 4; ++group) {
    if (group > 0) grouped += ' ';
    const std::size_t from = ByteOffset(t, group * 4);
    grouped.append(t.substr(from, ByteOffset(t, group * 4 + 4) - from));
  }
  return grouped;
}

}  // namespace corvane

/// @file
/// Splitting the host's delimited texts. Separators are matched exactly, case-sensitively.
#pragma once

#include <string_view>
#include <vector>

namespace corvane {

/// The records of a list: every piece before a record separator. The piece after the last
/// separator is not a record. REQUIRES: `separator` is not empty.
std::vector<std::string_view> SplitRecords(std::string_view text, std::string_view separator);

/// The fields of a record; an empty record has no fields. REQUIRES: `separator` is not empty.
std::vector<std::string_view> SplitFields(std::string_view record, std::string_view separator);
/// The same into `fields`, emptied first: a caller splitting many records keeps one buffer.
void SplitFields(std::string_view record, std::string_view separator,
                 std::vector<std::string_view>& fields);

/// True when the text is empty or holds only spaces: such a list is not given.
bool IsBlank(std::string_view text);

}  // namespace corvane

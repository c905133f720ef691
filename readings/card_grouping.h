#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

/// A reference that, trimmed of spaces at both ends, has exactly 16 characters, written as
/// four groups of four joined by single spaces; none for any other reference.
std::optional<std::string> GroupCardNumber(std::string_view reference);

}  // namespace corvane

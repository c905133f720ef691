/// @file
/// A hash for maps keyed by std::string that looks up std::string_view keys without a copy.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace corvane {

/// Hashes texts as views; with std::equal_to<> a map keyed by std::string finds a
/// std::string_view without building a string.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
};

}  // namespace corvane

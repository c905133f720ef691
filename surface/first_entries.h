/// @file
/// A combo box's index of each text's first entry, for ComboBox::FindItem on every toolkit:
/// one lookup, as quick with many entries as with few.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "readings/text_hash.h"

namespace corvane {

/// Each text's first entry, kept as the entries are added and emptied with them.
class FirstEntries {
 public:
  /// Entry `index` has `text`; an earlier entry with the same text stays the first.
  void Add(std::string_view text, int index) { first_.try_emplace(std::string(text), index); }
  /// The first entry with exactly that text, or -1.
  int Find(std::string_view text) const {
    const auto it = first_.find(text);
    return it == first_.end() ? -1 : it->second;
  }
  /// Forgets every entry.
  void Clear() { first_.clear(); }

 private:
  std::unordered_map<std::string, int, TextHash, std::equal_to<>> first_;
};

}  // namespace corvane

#include "readings/split.h"

#include <algorithm>

namespace corvane {
namespace {

// Appends every piece between separators, the last one included.
void AppendPieces(std::string_view text, std::string_view separator,
                  std::vector<std::string_view>& pieces) {
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;
       start = at + separator.size()) {
    pieces.push_back(text.substr(start, at - start));
  }
  pieces.push_back(text.substr(start));
}

std::vector<std::string_view> Pieces(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  AppendPieces(text, separator, pieces);
  return pieces;
}

}  // namespace

std::vector<std::string_view> SplitRecords(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> records = Pieces(text, separator);
  records.pop_back();
  return records;
}

std::vector<std::string_view> SplitFields(std::string_view record, std::string_view separator) {
  if (record.empty()) return {};
  return Pieces(record, separator);
}

void SplitFields(std::string_view record, std::string_view separator,
                 std::vector<std::string_view>& fields) {
  fields.clear();
  if (!record.empty()) AppendPieces(record, separator, fields);
}

bool IsBlank(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return c == ' '; });
}

}  // namespace corvane

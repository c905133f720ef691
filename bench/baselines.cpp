#include "bench/baselines.h"

#include <charconv>

namespace corvane::bench {
namespace {

// Fills `fields` with the pieces of `record` between separators; returns how many.
template <std::size_t N>
std::size_t SplitInto(std::string_view record, std::string_view separator,
                      std::array<std::string_view, N>& fields) {
  std::size_t count = 0;
  std::size_t start = 0;
  while (count + 1 < N) {
    const std::size_t at = record.find(separator, start);
    if (at == std::string_view::npos) break;
    fields[count++] = record.substr(start, at - start);
    start = at + separator.size();
  }
  fields[count++] = record.substr(start);
  return count;
}

}  // namespace

std::vector<std::string> SplitTypeNames(std::string_view types, std::string_view field_separator,
                                        std::string_view record_separator) {
  std::vector<std::string> names;
  for (std::size_t at; (at = types.find(record_separator)) != std::string_view::npos;
       types.remove_prefix(at + record_separator.size())) {
    std::array<std::string_view, 3> fields;
    SplitInto(types.substr(0, at), field_separator, fields);
    names.emplace_back(fields[1]);
  }
  return names;
}

void SplitAndParse(std::string_view payments, const std::vector<std::string>& type_names,
                   std::string_view field_separator, std::string_view record_separator,
                   std::vector<BaselineRecord>& records, std::string_view mark) {
  records.clear();
  std::array<std::string_view, 6> fields;
  for (std::size_t at; (at = payments.find(record_separator)) != std::string_view::npos;
       payments.remove_prefix(at + record_separator.size())) {
    SplitInto(payments.substr(0, at), field_separator, fields);
    std::size_t position = 0;
    std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), position);
    double amount = 0;
    std::from_chars(fields[3].data(), fields[3].data() + fields[3].size(), amount);
    char text[32];
    const char* end =
        std::to_chars(text, text + sizeof text, amount, std::chars_format::fixed, 2).ptr;
    records.push_back({type_names[position], std::string(fields[1]), std::string(fields[2]),
                       std::string(text, static_cast<std::size_t>(end - text)),
                       std::string(fields[4]), std::string(fields[5]), std::string(mark)});
  }
}

std::string WriteRecords(const std::vector<BaselineRecord>& records,
                         std::string_view field_separator, std::string_view record_separator) {
  std::string out;
  char text[32];
  for (const BaselineRecord& r : records) {
    double amount = 0;
    std::from_chars(r[3].data(), r[3].data() + r[3].size(), amount);
    const char* end = std::to_chars(text, text + sizeof text, amount).ptr;
    for (const std::string_view field :
         {std::string_view(r[4]), std::string_view(r[0]), std::string_view(r[1]),
          std::string_view(r[2]), std::string_view(text, end - text), std::string_view(r[5])}) {
      out += field;
      out += field_separator;
    }
    out += r[6];
    out += record_separator;
  }
  return out;
}

}  // namespace corvane::bench

// Bare baselines for the load and the read-back: the least work that reads the host's
// payment text into seven texts per record, and writes seven fields per record back.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::bench {

// A record's seven texts in list order: type name, reference, authorization, amount,
// date, sequence, change mark.
using BaselineRecord = std::array<std::string, 7>;

// The name of each payment type, by position.
std::vector<std::string> SplitTypeNames(std::string_view types, std::string_view field_separator,
                                        std::string_view record_separator);

// Splits `payments` at its separators, names each record's type by position, reads each
// amount with std::from_chars and writes it back with two decimals (std::to_chars), and
// keeps each record's seven texts, the change mark `mark`, in `records`, which it empties
// first (keeping its capacity, as a reloaded list does). Assumes well-formed input.
void SplitAndParse(std::string_view payments, const std::vector<std::string>& type_names,
                   std::string_view field_separator, std::string_view record_separator,
                   std::vector<BaselineRecord>& records, std::string_view mark = {});

// Writes every record's seven fields into one text in the change list's order (date,
// type, reference, authorization, amount, sequence, mark), the amount read with
// std::from_chars and written with std::to_chars.
std::string WriteRecords(const std::vector<BaselineRecord>& records,
                         std::string_view field_separator, std::string_view record_separator);

}  // namespace corvane::bench

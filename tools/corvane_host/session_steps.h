// Decodes bytes into corvane-host requests: the session fuzzer's input, or a seeded
// generator's for the toolkit comparison (corvane-host-diff). Every step starts with a
// verb byte; its arguments follow, each one byte choosing from a small pool of realistic
// values, or a byte of 0xF0 and above followed by a length byte and that many raw bytes
// for a text. Past the end of the input every byte reads as 0.
//
// Verb bytes (modulo the count): host calls 0-8 in the order of kHostVerbs, 9 invoke,
// 10 click a button, 11 click a row, 12 key, 13 focus, 14 type, 15 select, 16 choose,
// 17 pick, 18 answer, 19 get, 20 screen, 21 state, 22 new, 23 hook (a host call that the
// next AmountTotal handler makes; the fuzzer's own, no corvane-host verb), 24 the host
// call CurrencyDecimals, 25 MaskCardNumbers (the last two of kHostVerbs, which invoke and
// hook reach too). A host call's
// argument bytes are read even when its shape byte (the first after the verb) asks for a
// wrong count or a wrong type.
//
// Two verb bytes are taken whole, for the fuzzer's own steps, which have no corvane-host
// verb: kCatalogByte, ["catalog", "classic" | "german" | "ts", the .ts text] (the operator's
// language), and kLoadPaymentsByte, ["LoadPayments", [cards...], [[id, name, non-selectable],
// ...], [[type ID, reference, authorization, minor units, decimals or null for the current
// currency's, date, sequence], ...]] (a load of values).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "tools/corvane_host/arguments.h"

namespace corvane::host {

// The steps of one session.
inline constexpr int kMaxSteps = 48;
// The verb bytes of the fuzzer's own steps (see above).
inline constexpr std::uint8_t kCatalogByte = 0xFE;
inline constexpr std::uint8_t kLoadPaymentsByte = 0xFF;

// Whether the step is one of the fuzzer's own, with no corvane-host verb: the hook, the
// catalog and the typed load.
bool FuzzerOnly(const Json& request);

// NOLINTNEXTLINE(bugprone-exception-escape): a false alarm inside nlohmann::json's moves
struct Step {
  Json request;  // the request as a corvane-host script line holds it
  // For the hook: the request the next AmountTotal handler makes.
  std::optional<Json> hook;
};

class StepReader {
 public:
  StepReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool AtEnd() const { return at_ >= size_; }
  Step Next();

 private:
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  // A raw text when the byte asks for one; otherwise none, the byte chosen by `pick`.
  std::optional<std::string> Raw(std::uint8_t byte);
  template <std::size_t N>
  std::string Text(const char* const (&pool)[N]);
  template <class T, std::size_t N>
  T From(const T (&pool)[N]) {
    return pool[Byte() % N];
  }

  Json HostCall(std::string_view verb);
  Json CatalogStep();
  Json LoadPaymentsStep();
  Json HostArguments(std::string_view verb, Json request);
  Json Widget();

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace corvane::host

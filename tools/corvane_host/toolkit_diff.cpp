#include "tools/corvane_host/toolkit_diff.h"

#include <random>

#include "tools/corvane_host/session.h"
#include "tools/corvane_host/session_steps.h"

namespace corvane::host {
namespace {

// A host's opening, as the example scripts make it: the order's context, then cards,
// payment types (the card type among them) and two stored payments.
const char* const kOpening[] = {
    R"(["PaymentDetails", 1, 44, 1, 1, 250, "Dec 01, 2026"])",
    R"(["WritePaymentData", "Visa|Amex|", "0~Cash~0|1~On Account~0|2~Check~0|3~Gift Card~0|)"
    R"(4~Voucher~0|8~Credit Card~0|6~Store Credit~True|", "2~1001~~80~Nov 28, 2026~501|)"
    R"(8~4111 1111 1111 1111~A1~40~Nov 29, 2026~502|", "~", "|"])",
};

// Enough bytes for any session of kMaxSteps; past them the decoder reads zeros.
constexpr std::size_t kSessionBytes = 1 << 14;

}  // namespace

std::vector<std::string> RandomSession(std::uint64_t seed, int steps) {
  std::mt19937_64 random(seed);
  std::vector<std::uint8_t> bytes(kSessionBytes);
  for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
  std::vector<std::string> lines;
  if (seed % 4 != 0) lines.assign(std::begin(kOpening), std::end(kOpening));
  StepReader reader(bytes.data(), bytes.size());
  for (int step = 0; step < steps && !reader.AtEnd(); ++step) {
    const Step next = reader.Next();
    if (!FuzzerOnly(next.request)) lines.push_back(AnswerLine(next.request));
  }
  return lines;
}

std::optional<Disagreement> CompareSession(const std::vector<std::string>& lines,
                                           std::chrono::year_month_day today,
                                           const ScreenFactory& first, const ScreenFactory& second,
                                           std::size_t& answered) {
  Session one(today, first);
  Session two(today, second);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::optional<Json> a = one.HandleLine(lines[i]);
    const std::optional<Json> b = two.HandleLine(lines[i]);
    ++answered;
    if (a != b) return Disagreement{i, a.value_or(nullptr), b.value_or(nullptr)};
  }
  return std::nullopt;
}

}  // namespace corvane::host

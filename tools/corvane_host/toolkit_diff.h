// Random sessions of corvane-host run on two toolkits side by side, compared answer by
// answer (corvane-host-diff). A session is a list of request lines made from a seed by
// the session fuzzer's step decoder, so that any disagreement replays with corvane-host
// itself: the lines go to each toolkit exactly as printed.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/corvane_host/arguments.h"
#include "tools/corvane_host/hosted_screen.h"

namespace corvane::host {

// The request lines of session `seed`: the same on every machine and every run. Three
// sessions in four open with a host's usual context and load, so that most of the steps
// meet an order with payments rather than an empty control.
std::vector<std::string> RandomSession(std::uint64_t seed, int steps);

struct Disagreement {
  std::size_t line = 0;  // the index of the first line answered differently
  Json first;            // the answers to that line, from the first toolkit
  Json second;           // and from the second
};

// Runs `lines` one by one on a session on each toolkit, both taking `today` as today, and
// stops at the first line whose answers differ. `answered` counts the lines run.
std::optional<Disagreement> CompareSession(const std::vector<std::string>& lines,
                                           std::chrono::year_month_day today,
                                           const ScreenFactory& first, const ScreenFactory& second,
                                           std::size_t& answered);

}  // namespace corvane::host

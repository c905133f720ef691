#include "bench/report_results.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace corvane::bench {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double ToSeconds(double value, const std::string& unit) {
  if (unit == "ns") return value * 1e-9;
  if (unit == "us") return value * 1e-6;
  if (unit == "ms") return value * 1e-3;
  return value;
}

// "memory/1000/iterations:3" -> "memory/1000".
std::string BaseName(std::string name) {
  if (const auto at = name.find("/iterations:"); at != std::string::npos) name.erase(at);
  return name;
}

// Keys of a benchmark entry that are not user counters.
bool IsCounter(const std::string& key, const nlohmann::json& value) {
  static const char* const kFixed[] = {"name",
                                       "family_index",
                                       "per_family_instance_index",
                                       "run_name",
                                       "run_type",
                                       "repetitions",
                                       "repetition_index",
                                       "threads",
                                       "iterations",
                                       "real_time",
                                       "cpu_time",
                                       "time_unit",
                                       "aggregate_name",
                                       "aggregate_unit",
                                       "items_per_second",
                                       "error_occurred",
                                       "error_message"};
  for (const char* fixed : kFixed) {
    if (key == fixed) return false;
  }
  return value.is_number();
}

// Google Benchmark writes a counter's cv as NaN when its mean is 0 (no page faults), which
// JSON has no word for: such values become null, and null is no counter.
std::string WithoutNonNumbers(std::string text) {
  for (const std::string_view word :
       {": NaN", ": -NaN", ": nan", ": -nan", ": inf", ": -inf", ": Infinity", ": -Infinity"}) {
    for (std::size_t at = 0; (at = text.find(word, at)) != std::string::npos;) {
      const std::size_t end = at + word.size();
      if (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])))) {
        at = end;
        continue;
      }
      text.replace(at, word.size(), ": null");
    }
  }
  return text;
}

}  // namespace

Results Results::Read(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  const nlohmann::json json = nlohmann::json::parse(WithoutNonNumbers(text.str()));
  Results results;
  const nlohmann::json& context = json.at("context");
  std::ostringstream machine;
  machine << context.value("num_cpus", 0) << " CPUs at " << context.value("mhz_per_cpu", 0)
          << " MHz, load average";
  machine.setf(std::ios::fixed);
  machine.precision(2);
  for (const auto& load : context.value("load_avg", nlohmann::json::array())) {
    machine << ' ' << load.get<double>();
  }
  results.machine_ = machine.str();
  results.date_ = context.value("date", "");

  std::map<std::string, Figure> single;
  for (const nlohmann::json& entry : json.at("benchmarks")) {
    if (entry.contains("error_occurred") && entry["error_occurred"].get<bool>()) {
      throw std::runtime_error(entry.value("name", "?") + ": " +
                               entry.value("error_message", "failed"));
    }
    const std::string name = BaseName(entry.value("run_name", entry.value("name", "")));
    const std::string run_type = entry.value("run_type", "iteration");
    const std::string aggregate = entry.value("aggregate_name", "");
    const double seconds = ToSeconds(entry.value("cpu_time", kNaN), entry.value("time_unit", "ns"));
    if (run_type == "aggregate") {
      results.repetitions_ = std::max(results.repetitions_, entry.value("repetitions", 1));
      Figure& figure = results.figures_[name];
      if (aggregate == "median") {
        figure.seconds = seconds;
        for (const auto& [key, value] : entry.items()) {
          if (IsCounter(key, value)) figure.counters[key] = value.get<double>();
        }
      } else if (aggregate == "cv") {
        figure.cv = entry.value("cpu_time", 0.0);
      }
    } else {
      Figure figure;
      figure.seconds = seconds;
      for (const auto& [key, value] : entry.items()) {
        if (IsCounter(key, value)) figure.counters[key] = value.get<double>();
      }
      single[name] = figure;
    }
  }
  for (auto& [name, figure] : single) results.figures_.try_emplace(name, figure);
  return results;
}

void Results::Merge(const Results& other) {
  for (const auto& [name, figure] : other.figures_) figures_.try_emplace(name, figure);
  repetitions_ = std::max(repetitions_, other.repetitions_);
}

std::optional<Figure> Results::Find(const std::string& name) const {
  const auto it = figures_.find(name);
  if (it == figures_.end()) return std::nullopt;
  return it->second;
}

double Results::Seconds(const std::string& name) const {
  const std::optional<Figure> figure = Find(name);
  return figure ? figure->seconds : kNaN;
}

double Results::Counter(const std::string& name, const std::string& counter) const {
  const std::optional<Figure> figure = Find(name);
  if (!figure) return kNaN;
  const auto it = figure->counters.find(counter);
  return it == figure->counters.end() ? kNaN : it->second;
}

}  // namespace corvane::bench

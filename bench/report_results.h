// The figures of one corvane_bench run, read from its JSON output (--benchmark_out).
#pragma once

#include <map>
#include <optional>
#include <string>

namespace corvane::bench {

struct Figure {
  double seconds = 0;  // CPU time of one iteration: the median over the repetitions
  double cv = 0;       // coefficient of variation over the repetitions, 0 for one run
  std::map<std::string, double> counters;
};

class Results {
 public:
  // Reads `path`; throws std::runtime_error when it cannot.
  static Results Read(const std::string& path);
  // Adds the figures of another run (corvane_qt_bench beside corvane_bench); a figure
  // this run has already stays. The machine and the date stay this run's.
  void Merge(const Results& other);

  // The benchmark named `name` ("load/control/100000"; "/iterations:N" left out).
  std::optional<Figure> Find(const std::string& name) const;
  double Seconds(const std::string& name) const;  // NaN when missing
  double Counter(const std::string& name, const std::string& counter) const;

  int repetitions() const { return repetitions_; }
  const std::string& machine() const { return machine_; }
  const std::string& date() const { return date_; }

 private:
  std::map<std::string, Figure> figures_;
  int repetitions_ = 1;
  std::string machine_;
  std::string date_;
};

}  // namespace corvane::bench

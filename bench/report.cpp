// corvane_bench_report RESULTS.json... [--before BEFORE.json]...
// Writes the figures of a corvane_bench run (and of corvane_qt_bench, given as a second
// file) as Markdown on standard output: every figure with its baseline and ratio, the
// scaling from 10,000 to 100,000 rows, the heap per row, and each performance goal as met
// or missed. With --before, each figure also shows the one of an earlier run (its files
// given the same way, one --before each).
#include <cmath>
#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bench/report_results.h"

namespace corvane::bench {
namespace {

// Time in a readable unit, three significant digits.
std::string Time(double seconds) {
  if (std::isnan(seconds)) return "–";
  char text[32];
  const char* unit = "s";
  double value = seconds;
  if (seconds < 1e-6) {
    value = seconds * 1e9, unit = "ns";
  } else if (seconds < 1e-3) {
    value = seconds * 1e6, unit = "µs";
  } else if (seconds < 1) {
    value = seconds * 1e3, unit = "ms";
  }
  const int decimals = value >= 100 ? 0 : value >= 10 ? 1 : 2;
  std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit);
  return text;
}

std::string Number(double value, int decimals) {
  if (std::isnan(value)) return "–";
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// Two decimals; a ratio below 0.01 with two significant digits, not as 0.00.
std::string Ratio(double value) {
  if (std::isnan(value)) return "–";
  if (value > 0 && value < 0.01)
    return Number(value, 1 - static_cast<int>(std::floor(std::log10(value)))) + "x";
  return Number(value, 2) + "x";
}

// 100000 -> "100,000".
std::string Count(int n) {
  const std::string digits = std::to_string(n);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

class Report {
 public:
  Report(const Results& results, const std::optional<Results>& before)
      : r_(results), before_(before) {}

  void Write() {
    Header();
    LoadAndReadBack();
    QtLoad();
    Features();
    OperatorActions();
    Lookups();
    Memory();
    Goals();
  }

 private:
  double T(const std::string& name) const { return r_.Seconds(name); }
  std::string Cv(const std::string& name) const {
    const std::optional<Figure> f = r_.Find(name);
    return f && f->cv > 0 ? Number(f->cv * 100, 1) + "%" : "–";
  }
  // The heading cells that --before adds.
  std::string BeforeHeads() const { return before_ ? " Before | Now/before |" : ""; }
  std::string BeforeRule() const { return before_ ? "---:|---:|" : ""; }
  std::string BeforeCells(const std::string& name) const {
    if (!before_) return "";
    const double then = before_->Seconds(name);
    return " " + Time(then) + " | " + Ratio(T(name) / then) + " |";
  }

  void Header() {
    std::cout << "Machine: " << r_.machine() << "; run " << r_.date() << ".\n"
              << "Each time is the median CPU time of one operation over " << r_.repetitions()
              << " repetition" << (r_.repetitions() == 1 ? "" : "s")
              << ";\ncv is the coefficient of variation between repetitions.\n";
    if (before_) std::cout << "Before: the figures of the run of " << before_->date() << ".\n";
    std::cout << "\n";
  }

  void LoadAndReadBack() {
    std::cout << "### Load and read-back\n\n"
              << "| Operation | Rows | Corvane | cv | Baseline | Ratio to baseline |"
              << BeforeHeads() << "\n|---|---:|---:|---:|---:|---:|" << BeforeRule() << "\n";
    for (const char* op : {"load", "read"}) {
      for (int rows : {1'000, 10'000, 100'000}) {
        const std::string name = std::string(op) + "/control/" + std::to_string(rows);
        const std::string base = std::string(op) + "/baseline/" + std::to_string(rows);
        std::cout << "| "
                  << (op == std::string("load") ? "WritePaymentData (reload)"
                                                : "ReadPaymentData, every row marked")
                  << " | " << Count(rows) << " | " << Time(T(name)) << " | " << Cv(name) << " | "
                  << Time(T(base)) << " | " << Ratio(T(name) / T(base)) << " |" << BeforeCells(name)
                  << "\n";
      }
    }
    for (const auto& [label, prefix] :
         {std::pair{"WritePaymentData (fresh control, heap trimmed)", "load/fresh_control"},
          std::pair{"ReadPaymentData, one row in 100 marked", "read/control_few_marked"}}) {
      for (int rows : {10'000, 100'000}) {
        const std::string name = std::string(prefix) + "/" + std::to_string(rows);
        std::cout << "| " << label << " | " << Count(rows) << " | " << Time(T(name)) << " | "
                  << Cv(name) << " | – | – |" << BeforeCells(name) << "\n";
      }
    }
    std::cout << "\nBaselines: the load splits the payment text at its separators, reads each\n"
                 "amount with `std::from_chars`, writes it back with two decimals\n"
                 "(`std::to_chars`) and keeps each record's seven texts in a vector (kept\n"
                 "across iterations, as the reloaded list keeps its capacity); the read-back\n"
                 "writes the same records' seven fields into one string, amounts with\n"
                 "`std::to_chars`.\n\n";
    auto faults = [this](const std::string& name) {
      const double n = r_.Counter(name, "page_faults");
      return std::isnan(n) ? std::string("–") : Count(static_cast<int>(std::lround(n)));
    };
    std::cout << "Page faults per load (pages the kernel hands out): into a fresh control,\n"
              << faults("load/fresh_control/10000") << " at 10,000 rows and "
              << faults("load/fresh_control/100000") << " at 100,000; a reload, "
              << faults("load/control/10000") << " and " << faults("load/control/100000")
              << ".\n\n";
  }

  void QtLoad() {
    std::cout << "### Load on the Qt toolkit\n\n";
    if (!r_.Find("qt/load/control/10000")) {
      std::cout << "Not measured: this run had no corvane_qt_bench (a build without Qt).\n\n";
      return;
    }
    std::cout << "| Rows | Corvane on Qt | cv | Bare QTreeWidget | cv | Ratio to baseline "
                 "| Corvane headless |"
              << BeforeHeads() << "\n|---:|---:|---:|---:|---:|---:|---:|" << BeforeRule() << "\n";
    for (int rows : {1'000, 10'000}) {
      const std::string name = "qt/load/control/" + std::to_string(rows);
      const std::string base = "qt/load/baseline/" + std::to_string(rows);
      std::cout << "| " << Count(rows) << " | " << Time(T(name)) << " | " << Cv(name) << " | "
                << Time(T(base)) << " | " << Cv(base) << " | " << Ratio(T(name) / T(base)) << " | "
                << Time(T("load/control/" + std::to_string(rows))) << " |" << BeforeCells(name)
                << "\n";
    }
    std::cout << "\nBoth on Qt's offscreen platform, each in a shown window, in the same run:\n"
                 "`WritePaymentData` (a reload) into the control's real list view, a\n"
                 "`QTableView` over `toolkits/qt/rows_model.h`, against what a Qt developer\n"
                 "writing this screen by hand would do at least: the bare load baseline's\n"
                 "splitting and parsing, then each record's seven texts in a\n"
                 "`QTreeWidgetItem` (amount and date right-aligned) and all of them into a\n"
                 "`QTreeWidget` of seven columns with one `addTopLevelItems` (the previous\n"
                 "rows cleared first), at the size and column widths of the control's list,\n"
                 "rows of one height. After each load both run the event loop until the view\n"
                 "has laid out and painted the new rows (the benchmark checks a paint per\n"
                 "load). The headless column is the same load without any toolkit.\n\n";
  }

  void Features() {
    std::cout << "### With a feature the host switches on\n\n";
    if (!r_.Find("features/load_typed/10000")) {
      std::cout << "Not measured in this run.\n\n";
      return;
    }
    std::cout << "| Operation | Rows | With the feature | cv | All features off | Ratio |\n"
                 "|---|---:|---:|---:|---:|---:|\n";
    for (const auto& [label, name, off] :
         {std::tuple{"WritePaymentData, three decimals (`CurrencyDecimals` 3)", "features/load_kwd",
                     "load/control"},
          std::tuple{"WritePaymentData, card numbers masked", "features/load_masked",
                     "load/control"},
          std::tuple{"WritePaymentData, the German catalog", "features/load_german",
                     "load/control"},
          std::tuple{"`LoadPayments` (the same order as values)", "features/load_typed",
                     "load/control"},
          std::tuple{"`Changes`, every row marked", "features/changes_typed", "read/control"}}) {
      for (int rows : {10'000, 100'000}) {
        const std::string with = std::string(name) + "/" + std::to_string(rows);
        const std::string without = std::string(off) + "/" + std::to_string(rows);
        std::cout << "| " << label << " | " << Count(rows) << " | " << Time(T(with)) << " | "
                  << Cv(with) << " | " << Time(T(without)) << " | " << Ratio(T(with) / T(without))
                  << " |\n";
      }
    }
    std::cout << "\nEach on the headless toolkit, beside the figure of the same operation with\n"
                 "every feature off in the same run (the load reloads the shop's ten payment\n"
                 "types and the rows; a tenth of the rows are card payments).\n\n";
  }

  void ScalingRow(const std::string& label, const std::string& prefix) {
    const double small = T(prefix + "/10000");
    const double large = T(prefix + "/100000");
    std::cout << "| " << label << " | " << Time(small) << " | " << Time(large) << " | "
              << Ratio(large / small) << " |\n";
  }

  void OperatorActions() {
    std::cout << "### Operator actions\n\n"
              << "| Action | Rows | Corvane | cv |" << BeforeHeads() << "\n|---|---:|---:|---:|"
              << BeforeRule() << "\n";
    for (const auto& [label, prefix] : kActions) {
      for (int rows : {10'000, 100'000}) {
        const std::string name = std::string(prefix) + "/" + std::to_string(rows);
        std::cout << "| " << label << " | " << Count(rows) << " | " << Time(T(name)) << " | "
                  << Cv(name) << " |" << BeforeCells(name) << "\n";
      }
    }
    std::cout << "| Creation of the control (screen and control) | – | " << Time(T("create"))
              << " | " << Cv("create") << " |" << BeforeCells("create") << "\n\n";

    std::cout << "### Scaling from 10,000 to 100,000 rows\n\n"
              << "| Operation | 10,000 rows | 100,000 rows | 100k/10k |\n"
              << "|---|---:|---:|---:|\n";
    ScalingRow("Load (Corvane)", "load/control");
    ScalingRow("Load into a fresh control, heap trimmed (Corvane)", "load/fresh_control");
    ScalingRow("Load (baseline)", "load/baseline");
    ScalingRow("Read-back (Corvane)", "read/control");
    ScalingRow("Read-back (baseline)", "read/baseline");
    for (const auto& [label, prefix] : kActions) ScalingRow(label, prefix);
    std::cout << "\n";
  }

  void Lookups() {
    std::cout << "### Lookups by payment type\n\n"
              << "| Lookup | 10 types | 1,000 types | 1,000/10 |"
              << (before_ ? " Before: 10 types | 1,000 types | 1,000/10 |" : "")
              << "\n|---|---:|---:|---:|" << (before_ ? "---:|---:|---:|" : "") << "\n";
    for (const auto& [label, prefix] : kLookups) {
      const std::string small = std::string(prefix) + "/10";
      const std::string large = std::string(prefix) + "/1000";
      std::cout << "| " << label << " | " << Time(T(small)) << " | " << Time(T(large)) << " | "
                << Ratio(T(large) / T(small)) << " |";
      if (before_) {
        const double then_small = before_->Seconds(small);
        const double then_large = before_->Seconds(large);
        std::cout << " " << Time(then_small) << " | " << Time(then_large) << " | "
                  << Ratio(then_large / then_small) << " |";
      }
      std::cout << "\n";
    }
    std::cout << "\n";
  }

  void Memory() {
    std::cout << "### Heap per loaded row (headless toolkit)\n\n"
              << "| Rows | Characters a row shows | Bytes per row | With malloc's size word "
                 "| Blocks per row | Peak during the load |"
              << (before_ ? " Bytes per row before |" : "") << "\n|---:|---:|---:|---:|---:|---:|"
              << (before_ ? "---:|" : "") << "\n";
    for (int rows : {1'000, 10'000, 100'000}) {
      const std::string name = "memory/" + std::to_string(rows);
      std::cout << "| " << Count(rows) << " | " << Number(r_.Counter(name, "row_chars"), 1) << " | "
                << Number(r_.Counter(name, "bytes_per_row"), 0) << " | "
                << Number(r_.Counter(name, "chunk_bytes_per_row"), 0) << " | "
                << Number(r_.Counter(name, "blocks_per_row"), 2) << " | "
                << Number(r_.Counter(name, "peak_bytes_per_row"), 0) << " |";
      if (before_) std::cout << " " << Number(before_->Counter(name, "bytes_per_row"), 0) << " |";
      std::cout << "\n";
    }
    std::cout << "\nBytes are those the heap grants (malloc's usable size), counted by the\n"
                 "benchmark's own global operator new and delete: what a load adds to a\n"
                 "control that already holds the same types. The peak adds what the load\n"
                 "holds only while it runs.\n\n";
  }

  void Goal(const std::string& what, const std::string& figure, const std::string& limit,
            bool met) {
    std::cout << "| " << what << " | " << figure << " | " << limit << " | "
              << (met ? "met" : "**missed**") << " |\n";
  }

  void Goals() {
    std::cout << "### Goals\n\n| Goal | Figure | Limit | |\n|---|---:|---:|---|\n";
    // Ratios against their limits show three decimals: a figure at the limit reads as one.
    auto ratio = [](double value) { return Number(value, 3) + "x"; };
    const double load = T("load/control/100000") / T("load/baseline/100000");
    Goal("Load of 100,000 records against split-and-parse", ratio(load), "2x", load <= 2);
    const double read = T("read/control/100000") / T("read/baseline/100000");
    Goal("Read-back of 100,000 records against the bare write", ratio(read), "2x", read <= 2);
    if (before_) {
      // Against its baseline no worse than before: each run's ratio is to its own baseline,
      // so the machine's pace cancels out.
      const double load_then =
          before_->Seconds("load/control/100000") / before_->Seconds("load/baseline/100000");
      Goal("Load of 100,000 records against split-and-parse, at most before's", ratio(load),
           ratio(load_then), load <= load_then);
      const double read_then =
          before_->Seconds("read/control/100000") / before_->Seconds("read/baseline/100000");
      Goal("Read-back of 100,000 records against the bare write, at most before's", ratio(read),
           ratio(read_then), read <= read_then);
    }
    if (r_.Find("qt/load/control/10000")) {
      const double qt = T("qt/load/control/10000") / T("qt/load/baseline/10000");
      Goal("Qt toolkit: load of 10,000 records against a bare QTreeWidget", ratio(qt), "1.5x",
           qt <= 1.5);
    }
    for (const auto& [label, prefix] : kLinear) {
      const double scale = T(std::string(prefix) + "/100000") / T(std::string(prefix) + "/10000");
      Goal(std::string("Linear: ") + label + ", 100k/10k", ratio(scale), "12x", scale <= 12);
    }
    for (const auto& [label, prefix] : kFlat) {
      const double scale = T(std::string(prefix) + "/100000") / T(std::string(prefix) + "/10000");
      Goal(std::string("Flat: ") + label + ", 100k/10k", ratio(scale), "1.5x", scale <= 1.5);
    }
    for (const auto& [label, prefix] : kLookups) {
      if (std::string(prefix).find("with_types") != std::string::npos) continue;
      const double growth = T(std::string(prefix) + "/1000") / T(std::string(prefix) + "/10");
      Goal(std::string("Flat lookup: ") + label + ", 1,000/10 types", ratio(growth), "1.5x",
           growth <= 1.5);
    }
    for (const auto& [label, prefix] : kActions) {
      const double t = T(std::string(prefix) + "/10000");
      Goal(std::string(label) + " with 10,000 rows", Time(t), Time(kWellInsideFrame),
           t <= kWellInsideFrame);
    }
    double worst = 0;
    int worst_rows = 0;
    for (int rows : {1'000, 10'000, 100'000}) {
      const double bytes = r_.Counter("memory/" + std::to_string(rows), "bytes_per_row");
      if (!(bytes <= worst)) worst = bytes, worst_rows = rows;
    }
    // At most 1.5 times the 144 bytes a row took while the list view kept the payments.
    Goal(
        "Heap per row, the most over 1,000, 10,000 and 100,000 rows (at " + Count(worst_rows) + ")",
        Number(worst, 0) + " B", "216 B", worst <= 216);
    std::cout << "\nAn operator action is well inside a 16 ms frame when it takes at most a\n"
                 "quarter of it (4 ms), leaving the rest to the real toolkit's drawing.\n";
  }

  static constexpr double kWellInsideFrame = 0.004;
  static constexpr std::pair<const char*, const char*> kActions[] = {
      {"Save: New Payment, type, reference, amount, Save", "save"},
      {"Save click alone (checks, commit, totals)", "save_click"},
      {"List selection (ClickRow)", "select"},
      {"Delete of a stored payment", "delete"},
      {"Undelete", "undelete"},
      {"Delete of a new payment (row removed, the last)", "delete_new"},
  };
  static constexpr std::pair<const char*, const char*> kLinear[] = {
      {"load (reload)", "load/control"},
      {"load into a fresh control (heap trimmed)", "load/fresh_control"},
      {"read-back", "read/control"},
  };
  // What a save, a delete or an undelete of a stored payment costs does not grow with the
  // payments: the total is kept, not summed again.
  static constexpr std::pair<const char*, const char*> kFlat[] = {
      {"save", "save"},
      {"save click alone", "save_click"},
      {"delete of a stored payment", "delete"},
      {"undelete", "undelete"},
      {"delete of a new payment (the last)", "delete_new"},
  };
  static constexpr std::pair<const char*, const char*> kLookups[] = {
      {"GetPaymentID of a name near the end", "lookup/get_payment_id"},
      {"Load of 1,000 payments spread over the types", "lookup/load_1000_payments"},
      {"List selection showing a type near the end", "lookup/select_row_type"},
      {"Load of 1,000 payments with the type table (parses the table)",
       "lookup/load_1000_payments_with_types"},
  };

  const Results& r_;
  const std::optional<Results>& before_;
};

}  // namespace
}  // namespace corvane::bench

int main(int argc, char** argv) {
  using corvane::bench::Results;
  std::optional<Results> results;
  std::optional<Results> before;
  try {
    // Files of one run merge: the first gives the machine and the date.
    auto add = [](std::optional<Results>& run, const std::string& path) {
      Results read = Results::Read(path);
      if (run) {
        run->Merge(read);
      } else {
        run = std::move(read);
      }
    };
    for (int i = 1; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "--before" && i + 1 < argc) {
        add(before, argv[++i]);
      } else {
        add(results, arg);
      }
    }
    if (!results)
      throw std::runtime_error(
          "usage: corvane_bench_report RESULTS.json... "
          "[--before BEFORE.json]...");
    corvane::bench::Report(*results, before).Write();
  } catch (const std::exception& e) {
    std::cerr << "corvane_bench_report: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

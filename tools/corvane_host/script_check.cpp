// Runs corvane-host on a script and compares its answers, line by line, with the answers
// kept beside the script. Answers are compared as JSON values (keys in any order, numbers by
// value, so 100 and 100.0 agree).
//   usage: corvane-host-script-check HOST SCRIPT EXPECTED [HOST OPTIONS...]
#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

// A shell word that stands for `text` exactly.
std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

bool ReadLines(std::FILE* in, std::vector<std::string>& lines) {
  std::string line;
  int c;
  while ((c = std::fgetc(in)) != EOF) {
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return !std::ferror(in);
}

bool SameAnswer(const std::string& actual, const std::string& expected) {
  const nlohmann::json a = nlohmann::json::parse(actual, nullptr, false);
  const nlohmann::json e = nlohmann::json::parse(expected, nullptr, false);
  return !a.is_discarded() && !e.is_discarded() && a == e;
}

int Run(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: corvane-host-script-check HOST SCRIPT EXPECTED [HOST OPTIONS...]\n";
    return 2;
  }
  std::string command = Quoted(argv[1]);
  for (int i = 4; i < argc; ++i) command += " " + Quoted(argv[i]);
  command += " " + Quoted(argv[2]);

  std::vector<std::string> actual;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    std::cerr << "cannot run " << command << "\n";
    return 1;
  }
  const bool read = ReadLines(pipe, actual);
  const int status = pclose(pipe);
  if (!read || status != 0) {
    std::cerr << command << " failed (status " << status << ")\n";
    return 1;
  }

  std::vector<std::string> expected;
  std::FILE* file = std::fopen(argv[3], "r");
  if (!file || !ReadLines(file, expected)) {
    std::cerr << "cannot read " << argv[3] << "\n";
    if (file) std::fclose(file);
    return 1;
  }
  std::fclose(file);

  int failures = 0;
  const std::size_t lines = std::max(actual.size(), expected.size());
  for (std::size_t i = 0; i < lines; ++i) {
    const std::string got = i < actual.size() ? actual[i] : "(no answer)";
    const std::string want = i < expected.size() ? expected[i] : "(no answer)";
    if (i < actual.size() && i < expected.size() && SameAnswer(got, want)) continue;
    ++failures;
    std::cerr << "answer " << i + 1 << " differs\n  expected: " << want << "\n  actual:   " << got
              << "\n";
  }
  if (failures) std::cerr << failures << " of " << lines << " answers differ\n";
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "corvane-host-script-check: " << e.what() << "\n";
    return 1;
  }
}

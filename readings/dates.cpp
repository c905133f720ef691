#include "readings/dates.h"

#include <array>
#include <cstddef>
#include <ctime>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace corvane {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

constexpr std::array<std::string_view, 12> kMonthNames = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};
constexpr std::array<std::string_view, 12> kMonthAbbreviations = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// One run of the text. Its shape letter is 'M' for a word, 'd' for one or two digits, 'y' for
// four digits, '?' for any other digit run, '_' for blanks, or the punctuation character itself.
struct Token {
  char shape;
  std::string_view text;
};

// No accepted form has more tokens than this.
constexpr std::size_t kMaxTokens = 6;

// Splits `text` into tokens; false when it holds a character no date form uses or more tokens
// than any form has.
bool Tokenize(std::string_view text, std::vector<Token>& tokens) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (tokens.size() == kMaxTokens) return false;
    const std::size_t start = i;
    const char c = text[i];
    char shape = c;
    if (IsLetter(c)) {
      while (i < text.size() && IsLetter(text[i])) ++i;
      shape = 'M';
    } else if (IsDigit(c)) {
      while (i < text.size() && IsDigit(text[i])) ++i;
      const std::size_t length = i - start;
      shape = length <= 2 ? 'd' : length == 4 ? 'y' : '?';
    } else if (IsBlank(c)) {
      while (i < text.size() && IsBlank(text[i])) ++i;
      shape = '_';
    } else if (c == ',' || c == '-' || c == '/') {
      ++i;
    } else {
      return false;
    }
    tokens.push_back({shape, text.substr(start, i - start)});
  }
  return true;
}

// Month number 1..12 for an English month name or abbreviation in any case, 0 otherwise.
unsigned MonthFromName(std::string_view word) {
  for (std::size_t m = 0; m < kMonthNames.size(); ++m) {
    const std::string_view name = kMonthNames[m];
    if (word.size() != 3 && word.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < word.size() && same; ++i) same = Lower(word[i]) == name[i];
    if (same) return static_cast<unsigned>(m) + 1;
  }
  return 0;
}

unsigned DigitsValue(std::string_view digits) {
  unsigned value = 0;
  for (char c : digits) value = value * 10 + static_cast<unsigned>(c - '0');
  return value;
}

// The accepted forms, as token shapes, and which token holds the year, month and day.
struct Form {
  std::string_view shape;
  std::size_t year, month, day;
};
constexpr std::array<Form, 5> kForms = {{
    {"M_d,_y", 5, 0, 2},
    {"M_d_y", 4, 0, 2},
    {"d_M_y", 4, 2, 0},
    {"y-d-d", 0, 2, 4},
    {"d/d/y", 4, 0, 2},
}};

[[noreturn]] void ThrowNotADate(std::string_view text) {
  throw ReadError(QuoteForMessage(text) + " is not a date");
}

void CheckWritable(Date d) {
  if (!d.ok() || d.year() < year{0} || d.year() > year{9999}) {
    throw std::invalid_argument("date cannot be written");
  }
}

void AppendDigits(std::string& out, unsigned value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), '0');
  out += digits;
}

}  // namespace

bool InPickerRange(Date d) noexcept {
  return d.ok() && kFirstPickerDate <= d && d <= kLastPickerDate;
}

Date ReadDate(std::string_view text) {
  std::string_view body = text;
  while (!body.empty() && IsBlank(body.front())) body.remove_prefix(1);
  while (!body.empty() && IsBlank(body.back())) body.remove_suffix(1);

  std::vector<Token> tokens;
  if (!Tokenize(body, tokens)) ThrowNotADate(text);
  std::string shape;
  for (const Token& token : tokens) shape += token.shape;

  for (const Form& form : kForms) {
    if (shape != form.shape) continue;
    const std::string_view month_text = tokens[form.month].text;
    const unsigned month_number =
        form.shape[form.month] == 'M' ? MonthFromName(month_text) : DigitsValue(month_text);
    const Date date{year{static_cast<int>(DigitsValue(tokens[form.year].text))},
                    month{month_number}, day{DigitsValue(tokens[form.day].text)}};
    if (!InPickerRange(date)) break;
    return date;
  }
  ThrowNotADate(text);
}

std::string FormatPaymentDate(Date d) {
  CheckWritable(d);
  std::string out(kMonthAbbreviations[static_cast<unsigned>(d.month()) - 1]);
  out += ' ';
  AppendDigits(out, static_cast<unsigned>(d.day()), 2);
  out += ", ";
  AppendDigits(out, static_cast<unsigned>(static_cast<int>(d.year())), 4);
  return out;
}

std::string FormatIsoDate(Date d) {
  CheckWritable(d);
  std::string out;
  AppendDigits(out, static_cast<unsigned>(static_cast<int>(d.year())), 4);
  out += '-';
  AppendDigits(out, static_cast<unsigned>(d.month()), 2);
  out += '-';
  AppendDigits(out, static_cast<unsigned>(d.day()), 2);
  return out;
}

Date LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
    throw std::runtime_error("local date unavailable");
  }
  return Date{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
              day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace corvane

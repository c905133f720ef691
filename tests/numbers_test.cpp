#include "readings/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace corvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct NumberRow {
  std::string text;
  double expected;
};

TEST(LenientNumberTest, ReadsTheNumberAtTheStart) {
  const std::vector<NumberRow> rows = {
      {"", 0},
      {"abc", 0},
      {".", 0},
      {"-", 0},
      {"$5", 0},
      {"+-5", 0},
      {"e5", 0},
      {".e5", 0},
      {"42", 42},
      {"+7", 7},
      {"-7", -7},
      {".5", 0.5},
      {"5.", 5},
      {"1 2 3", 123},
      {" - 1 . 5", -1.5},
      {"\t\r\n12\n", 12},
      {"1,234", 1},
      {"12abc", 12},
      {"1.2.3", 1.2},
      {"1.5e2", 150},
      {"1E3", 1000},
      {"2e-2", 0.02},
      {"1 e + 2", 100},
      {"1e", 1},
      {"1e+", 1},
      {"1e-x", 1},
      {"1ex", 1},
      {"3e2.5", 300},
      {"007.25", 7.25},
      {"0.1", 0.1},
      {"1e999", kInf},
      {"-1e999", -kInf},
      {"1e-999", 0},
      {"1e99999999999999999999", kInf},
      {"5e-324", 5e-324},
      {"1.7976931348623157e308", 1.7976931348623157e308},
      {"1.8e308", kInf},
  };
  for (const NumberRow& row : rows) {
    EXPECT_EQ(LenientNumber(row.text), row.expected) << "text: '" << row.text << "'";
  }
}

TEST(LenientNumberTest, LongDigitRunsKeepTheirValue) {
  EXPECT_EQ(LenientNumber("1" + std::string(399, '0')), kInf);
  EXPECT_EQ(LenientNumber("1" + std::string(300, '0')), 1e300);
  EXPECT_EQ(LenientNumber("0." + std::string(300, '0') + "1"), 1e-301);
  EXPECT_EQ(LenientNumber("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(LenientNumber("1" + std::string(1000, '0') + "e-1000"), 1.0);
  EXPECT_EQ(LenientNumber("0." + std::string(1000, '0') + "5e1001"), 5.0);
  // 2^-1075, halfway between 0 and the smallest denormal, written exactly as 5^1075 * 10^-1075.
  std::string five_power = "1";
  for (int i = 0; i < 1075; ++i) {
    int carry = 0;
    for (auto it = five_power.rbegin(); it != five_power.rend(); ++it) {
      const int product = (*it - '0') * 5 + carry;
      *it = static_cast<char>('0' + product % 10);
      carry = product / 10;
    }
    if (carry > 0) five_power.insert(five_power.begin(), static_cast<char>('0' + carry));
  }
  EXPECT_EQ(LenientNumber(five_power + "e-1075"), 0.0);  // a tie goes to the even neighbour, 0
  // A non-zero digit far beyond the first 800 still lifts the tie to the next denormal.
  const std::string above_halfway = five_power + std::string(100, '0') + "1e-1176";
  EXPECT_EQ(LenientNumber(above_halfway), 5e-324);
  EXPECT_EQ(StrictNumber(above_halfway), 5e-324);
}

TEST(LenientNumberTest, MegabyteTextsFinish) {
  EXPECT_EQ(LenientNumber(std::string(4 << 20, '9')), kInf);
  EXPECT_EQ(LenientNumber("0." + std::string(4 << 20, '0') + "1"), 0.0);
  EXPECT_EQ(LenientNumber(std::string(4 << 20, ' ') + "12"), 12.0);
  EXPECT_EQ(LenientNumber("1e" + std::string(4 << 20, '9')), kInf);
}

TEST(StrictNumberTest, ReadsWholeNumbers) {
  const std::vector<NumberRow> rows = {
      {"0", 0},
      {"42", 42},
      {" \t42\t ", 42},
      {"-2.5", -2.5},
      {"+3", 3},
      {".5", 0.5},
      {"5.", 5},
      {"1,234.5", 1234.5},
      {"1,2,3", 123},
      {"-1,000,000", -1e6},
      {"1E+15", 1e15},
      {"1.5e-06", 1.5e-6},
      {"2e3", 2000},
      {"1e-400", 0},
      {"0.30", 0.3},
      {"00012", 12},
      {"1.7976931348623157e308", 1.7976931348623157e308},
  };
  for (const NumberRow& row : rows) {
    EXPECT_EQ(StrictNumber(row.text), row.expected) << "text: '" << row.text << "'";
  }
}

TEST(StrictNumberTest, RefusesAnythingElse) {
  const std::vector<std::string> texts = {
      "",      " ",    "\t",   "+",     "-",      ".",       "-.",  ",1",    "1,",  "1,,2",
      "1.2,3", "1,.5", "-,1",  "1 2",   "1e",     "1e+",     "e5",  "1.2.3", "abc", "12abc",
      "inf",   "nan",  "0x10", "1e309", "-1e309", "1.8e308", "1\n", "$5",    "+-1", "1e5.5",
  };
  for (const std::string& text : texts) {
    EXPECT_THROW(StrictNumber(text), ReadError) << "text: '" << text << "'";
  }
}

TEST(StrictNumberTest, ErrorNamesTheText) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"abc", "'abc' is not a number"},
      {" 1 2 ", "' 1 2 ' is not a number"},
      {"", "'' is not a number"},
      {std::string(40, 'x'), "'" + std::string(40, 'x') + "' is not a number"},
      {std::string(41, 'x'), "'" + std::string(40, 'x') + "...' is not a number"},
      {[] {
         std::string s;
         for (int i = 0; i < 45; ++i) s += "\xC3\xA9";  // e-acute
         return s;
       }(),
       [] {
         std::string s = "'";
         for (int i = 0; i < 40; ++i) s += "\xC3\xA9";
         return s + "...' is not a number";
       }()},
  };
  for (const auto& [text, message] : rows) {
    try {
      StrictNumber(text);
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const ReadError& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
}

struct FormatRow {
  double value;
  std::string expected;
};

TEST(FormatAmountTest, RoundsHalvesAwayFromZeroOnFifteenDigits) {
  const std::vector<FormatRow> rows = {
      {1.005, "1.01"},
      {2.675, "2.68"},
      {0.125, "0.13"},
      {-0.005, "-0.01"},
      {-0.001, "0.00"},
      {0, "0.00"},
      {-0.0, "0.00"},
      {12, "12.00"},
      {12.5, "12.50"},
      {0.1 + 0.2, "0.30"},
      {1e15, "1000000000000000.00"},
      {1e20, "100000000000000000000.00"},
      {123456789.125, "123456789.13"},
      {0.004999, "0.00"},
      {0.995, "1.00"},
      {99.995, "100.00"},
      {5e-324, "0.00"},
      {-99.995, "-100.00"},
      {0.005, "0.01"},
      {0.00499999999999999, "0.00"},
      {-1234.5678, "-1234.57"},
      {9.99999999999999e14, "999999999999999.00"},
      {0.0005, "0.00"},
      {1.8446744073709552e19, "18446744073709600000.00"},
  };
  for (const FormatRow& row : rows) {
    EXPECT_EQ(FormatAmount(row.value), row.expected) << "value: " << row.value;
  }
  EXPECT_EQ(FormatAmount(1.7976931348623157e308).size(), 309u + 3u);
}

// A currency without decimals and one with three: the same rounding, at their precision.
TEST(FormatAmountTest, NoneOrThreeDecimals) {
  const struct {
    double value;
    std::string none;
    std::string three;
  } rows[] = {
      {0, "0", "0.000"},
      {-0.0, "0", "0.000"},
      {0.5, "1", "0.500"},
      {-0.5, "-1", "-0.500"},
      {-0.4, "0", "-0.400"},
      {2.5, "3", "2.500"},
      {1234.5678, "1235", "1234.568"},
      {0.0005, "0", "0.001"},
      {-0.0005, "0", "-0.001"},
      {-0.0004, "0", "0.000"},
      {1.0005, "1", "1.001"},
      {2.6745, "3", "2.675"},
      {0.001 + 0.002, "0", "0.003"},
      {999999999.9995, "1000000000", "1000000000.000"},
      {123456789012.3456, "123456789012", "123456789012.346"},
      {1e15, "1000000000000000", "1000000000000000.000"},
      {9.99999999999999e14, "999999999999999", "999999999999999.000"},
      {5e-324, "0", "0.000"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FormatAmount(row.value, 0), row.none) << "value: " << row.value;
    EXPECT_EQ(FormatAmount(row.value, 3), row.three) << "value: " << row.value;
  }
  EXPECT_EQ(FormatAmount(1.7976931348623157e308, 0).size(), 309u);
  EXPECT_THROW(FormatAmount(1, 4), std::invalid_argument);
  EXPECT_THROW(FormatAmount(kInf, 0), std::overflow_error);
}

TEST(FormatAmountTest, NotFiniteOverflows) {
  for (double value : {kInf, -kInf, std::nan("")}) {
    try {
      FormatAmount(value);
      ADD_FAILURE() << value;
    } catch (const std::overflow_error& e) {
      EXPECT_STREQ(e.what(), "numeric overflow");
    }
  }
}

TEST(GeneralNumberTest, WritesFifteenSignificantDigits) {
  const std::vector<FormatRow> rows = {
      {12.5, "12.5"},
      {25, "25"},
      {0.1 + 0.2, "0.3"},
      {0.00001, "0.00001"},
      {123456789012345, "123456789012345"},
      {999999999999999.9, "1E+15"},
      {-2.5, "-2.5"},
      {1.0 / 3, "0.333333333333333"},
      {1e15, "1E+15"},
      {1.5e-6, "1.5E-06"},
      {1.23e100, "1.23E+100"},
      {0, "0"},
      {-0.0, "0"},
      {-1e-300, "-1E-300"},
      {0.000009999999999999999, "0.00001"},
      {1e14, "100000000000000"},
      {2.0 / 3, "0.666666666666667"},
      {5e-324, "4.94065645841247E-324"},
      {-1e15, "-1E+15"},
  };
  for (const FormatRow& row : rows) {
    EXPECT_EQ(GeneralNumber(row.value), row.expected) << "value: " << row.value;
  }
  EXPECT_THROW(GeneralNumber(kInf), std::overflow_error);
  EXPECT_THROW(GeneralNumber(std::nan("")), std::overflow_error);
}

// Values spread over many magnitudes, with exact halves and near-halves mixed in.
std::vector<double> SampleValues() {
  std::mt19937_64 random(20261206);
  std::vector<double> values = {0.005, 1.005, 2.675, 99.995, 1e15, 1e-5, 1e300, 0.1 + 0.2};
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-8, 22);
  for (int i = 0; i < 20000; ++i) {
    values.push_back(mantissa(random) * std::pow(10, exponent(random)));
  }
  for (int cents = -100000; cents <= 100000; cents += 7) values.push_back(cents / 1000.0);
  return values;
}

TEST(RoundTripTest, AmountsAndGeneralNumbersReadBack) {
  char expected[40];
  for (double value : SampleValues()) {
    for (int decimals : {0, 2, 3}) {
      const std::string amount = FormatAmount(value, decimals);
      ASSERT_EQ(FormatAmount(StrictNumber(amount), decimals), amount) << value;
      ASSERT_EQ(FormatAmount(LenientNumber(amount), decimals), amount) << value;
    }
    ASSERT_EQ(FormatAmount(value, 2), FormatAmount(value)) << value;
    std::snprintf(expected, sizeof expected, "%.14e", value);
    const std::string general = GeneralNumber(value);
    char actual[40];
    std::snprintf(actual, sizeof actual, "%.14e", StrictNumber(general));
    ASSERT_STREQ(actual, expected) << general;
  }
}

}  // namespace
}  // namespace corvane

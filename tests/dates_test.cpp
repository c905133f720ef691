#include "readings/dates.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

namespace corvane {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

constexpr Date MakeDate(int y, unsigned m, unsigned d) { return Date{year{y}, month{m}, day{d}}; }

struct ReadRow {
  std::string text;
  Date expected;
};

TEST(ReadDateTest, ReadsEveryAcceptedForm) {
  const Date dec6 = MakeDate(2026, 12, 6);
  const std::vector<ReadRow> rows = {
      {"Dec 06, 2026", dec6},
      {"December 6 2026", dec6},
      {"dec 6, 2026", dec6},
      {"DECEMBER 06 2026", dec6},
      {"  Dec   6,   2026  ", dec6},
      {"\tDec\t6,\t2026\t", dec6},
      {"6 Dec 2026", dec6},
      {"06 december 2026", dec6},
      {"2026-12-06", dec6},
      {"2026-12-6", dec6},
      {"12/6/2026", dec6},
      {"12/06/2026", dec6},
      {" 2026-1-5 ", MakeDate(2026, 1, 5)},
      {"1/5/2026", MakeDate(2026, 1, 5)},
      {"May 1, 2030", MakeDate(2030, 5, 1)},
      {"sep 9 2009", MakeDate(2009, 9, 9)},
      {"June 30, 2000", MakeDate(2000, 6, 30)},
      {"jul 4 1976", MakeDate(1976, 7, 4)},
      {"2024-02-29", MakeDate(2024, 2, 29)},
      {"Feb 29, 2000", MakeDate(2000, 2, 29)},
      {"Jan 01, 1900", kFirstPickerDate},
      {"Dec 31, 2060", kLastPickerDate},
  };
  for (const ReadRow& row : rows) {
    EXPECT_EQ(ReadDate(row.text), row.expected) << "text: '" << row.text << "'";
  }
}

TEST(ReadDateTest, RefusesOtherTexts) {
  const std::vector<std::string> texts = {
      "",
      "   ",
      "Dec 6,2026",
      "dec 6 ,2026",
      "Dec,6, 2026",
      "Dec6, 2026",
      "6Dec 2026",
      "6 Dec, 2026",
      "Sept 9, 2009",
      "Decem 6, 2026",
      "Dec 006, 2026",
      "Dec 06, 26",
      "12/6/26",
      "26-12-06",
      "02026-12-06",
      "Dec 06, 2026 10:00",
      "2026-12-06T00:00",
      "2026.12.06",
      "12-06-2026",
      "2026/12/06",
      "2026-12-06x",
      "x 2026-12-06",
      "2026 - 12 - 06",
      "12 / 6 / 2026",
      "Dec 06, 2026,",
      "Feb 30, 2026",
      "2026-02-29",
      "1900-02-29",
      "2026-13-01",
      "2026-00-10",
      "2026-01-00",
      "13/1/2026",
      "Dec 31, 1899",
      "Jan 01, 2061",
      "0000-01-01",
      "Dec 06\n2026",
      "Dec\xC2\xA0"
      "06, 2026",  // NOLINT(bugprone-suspicious-missing-comma): ends the \xA0
  };
  for (const std::string& text : texts) {
    EXPECT_THROW(ReadDate(text), ReadError) << "text: '" << text << "'";
  }
}

TEST(ReadDateTest, ErrorNamesTheText) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"Feb 30, 2026", "'Feb 30, 2026' is not a date"},
      {"  x ", "'  x ' is not a date"},
      {std::string(50, '1'), "'" + std::string(40, '1') + "...' is not a date"},
  };
  for (const auto& [text, message] : rows) {
    try {
      ReadDate(text);
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const ReadError& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
}

TEST(ReadDateTest, LongTextsAreRefusedQuickly) {
  EXPECT_THROW(ReadDate(std::string(4 << 20, '1')), ReadError);
  EXPECT_THROW(ReadDate("Dec 06, 2026" + std::string(4 << 20, ' ') + "x"), ReadError);
  EXPECT_THROW(ReadDate(std::string(4 << 20, ' ')), ReadError);
}

TEST(FormatDateTest, WritesBothPatterns) {
  struct Row {
    Date date;
    std::string payment;
    std::string iso;
  };
  const std::vector<Row> rows = {
      {MakeDate(2026, 12, 6), "Dec 06, 2026", "2026-12-06"},
      {kFirstPickerDate, "Jan 01, 1900", "1900-01-01"},
      {kLastPickerDate, "Dec 31, 2060", "2060-12-31"},
      {MakeDate(2024, 2, 29), "Feb 29, 2024", "2024-02-29"},
      {MakeDate(999, 9, 9), "Sep 09, 0999", "0999-09-09"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FormatPaymentDate(row.date), row.payment);
    EXPECT_EQ(FormatIsoDate(row.date), row.iso);
  }
  for (Date bad :
       {MakeDate(2026, 2, 30), MakeDate(2026, 13, 1), MakeDate(10000, 1, 1), MakeDate(-1, 1, 1)}) {
    EXPECT_THROW(FormatPaymentDate(bad), std::invalid_argument);
    EXPECT_THROW(FormatIsoDate(bad), std::invalid_argument);
  }
}

TEST(FormatDateTest, ReadDateReadsBackWhatIsWritten) {
  using std::chrono::sys_days;
  const std::vector<std::pair<Date, Date>> spans = {
      {kFirstPickerDate, MakeDate(1901, 12, 31)},
      {MakeDate(1999, 1, 1), MakeDate(2001, 12, 31)},
      {MakeDate(2024, 1, 1), MakeDate(2024, 12, 31)},
      {MakeDate(2059, 1, 1), kLastPickerDate},
  };
  for (const auto& [first, last] : spans) {
    for (sys_days d = sys_days{first}; d <= sys_days{last}; d += std::chrono::days{1}) {
      const Date date{d};
      ASSERT_EQ(ReadDate(FormatPaymentDate(date)), date) << FormatPaymentDate(date);
      ASSERT_EQ(ReadDate(FormatIsoDate(date)), date) << FormatIsoDate(date);
    }
  }
}

TEST(InPickerRangeTest, ChecksValidityAndBounds) {
  const std::vector<std::pair<Date, bool>> rows = {
      {kFirstPickerDate, true},        {kLastPickerDate, true},
      {MakeDate(1899, 12, 31), false}, {MakeDate(2061, 1, 1), false},
      {MakeDate(2026, 2, 29), false},  {MakeDate(2026, 6, 31), false},
      {MakeDate(2000, 2, 29), true},   {MakeDate(1900, 2, 29), false},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(InPickerRange(rows[i].first), rows[i].second) << "row " << i;
  }
}

TEST(LocalTodayTest, MatchesTheLocalCalendar) {
  const std::time_t before = std::time(nullptr);
  const Date today = LocalToday();
  const std::time_t after = std::time(nullptr);
  std::tm early{}, late{};
  localtime_r(&before, &early);
  localtime_r(&after, &late);
  EXPECT_TRUE(today.ok());
  EXPECT_TRUE(today == MakeDate(early.tm_year + 1900, early.tm_mon + 1, early.tm_mday) ||
              today == MakeDate(late.tm_year + 1900, late.tm_mon + 1, late.tm_mday));
}

}  // namespace
}  // namespace corvane

// The change list: which payments go out, their fields, the separators and the rate.
#include "model/change_list.h"

#include <gtest/gtest.h>

#include "corvane/host_error.h"

namespace corvane::testing {
namespace {

Payment Paid(std::string type, std::string amount, std::string sequence, Mark mark,
             std::string suffix = "") {
  return {.type = std::move(type),
          .reference = "r" + suffix,
          .authorization = "a" + suffix,
          .amount = std::move(amount),
          .date = "d" + suffix,
          .sequence = std::move(sequence),
          .mark = mark,
          .mark_before_delete = Mark::kNone};
}

std::optional<PaymentTypeTable> Types(std::string_view text = "10~Cash~0|11~Card~0|12~Check~0|") {
  return PaymentTypeTable::Parse(text, "~", "|");
}

TEST(ChangeListTest, MarkedPaymentsGoOutWithTypeIdsAndHostAmounts) {
  PaymentBook book;
  book.Add(Paid("Check", "18.75", "S1", Mark::kUpdated, "1"));
  book.Add(Paid("Card", "30.00", "S2", Mark::kNone, "2"));
  book.Add(Paid("Cash", "1.50", "S3", Mark::kDeleted, "3"));
  book.Add(Paid("Check", "3.00", "", Mark::kNew, "4"));
  EXPECT_EQ(ChangeList(book, Types(), 1.5, "~", "|"),
            "d1~12~r1~a1~12.5~S1~U|d3~10~r3~a3~1~S3~D|d4~12~r4~a4~2~~N|");
}

TEST(ChangeListTest, ATypeNoTableNamesGoesOutAsItsName) {
  PaymentBook book;
  book.Add(Paid("Check", "25.00", "", Mark::kNew));
  EXPECT_EQ(ChangeList(book, Types("0~Other~0|"), 0, "~", "|"), "d~Check~r~a~25~~N|");
  EXPECT_EQ(ChangeList(book, std::nullopt, 0, "", ""), "dCheckra25N") << "no separators yet";
}

TEST(ChangeListTest, SeparatorsAndRates) {
  const std::string nul(1, '\0');
  const struct {
    const char* name;
    std::string fs, rs;
    double rate;
    std::string expected;
  } cases[] = {
      {"FiveCharacters", "<FS>~", "<RS>|", 0, "d<FS>~2<FS>~R<FS>~A<FS>~10<FS>~S1<FS>~U<RS>|"},
      {"MultiByte", "\u00b7", "\u20ac", 1, "d\u00b72\u00b7R\u00b7A\u00b710\u00b7S1\u00b7U\u20ac"},
      {"NulAndNewLine", nul, "\n", 0,
       "d" + nul + "2" + nul + "R" + nul + "A" + nul + "10" + nul + "S1" + nul + "U\n"},
      {"RecordSeparatorIsTheFieldSeparatorTwice", "~", "~~", 0, "d~2~R~A~10~S1~U~~"},
      {"NegativeZeroRateCountsAsOne", "~", "|", -0.0, "d~2~R~A~10~S1~U|"},
      {"ThirdsAtFifteenDigits", "~", "|", 3, "d~2~R~A~3.33333333333333~S1~U|"},
      {"TinyRate", "~", "|", 1e-300, "d~2~R~A~1E+301~S1~U|"},
  };
  for (const auto& c : cases) {
    PaymentBook book;
    book.Add({.type = "Check",
              .reference = "R",
              .authorization = "A",
              .amount = "10.00",
              .date = "d",
              .sequence = "S1",
              .mark = Mark::kUpdated,
              .mark_before_delete = Mark::kNone});
    const std::string types =
        "0" + c.fs + "Cash" + c.rs + "1" + c.fs + "On Account" + c.rs + "2" + c.fs + "Check" + c.rs;
    EXPECT_EQ(ChangeList(book, PaymentTypeTable::Parse(types, c.fs, c.rs), c.rate, c.fs, c.rs),
              c.expected)
        << c.name;
  }
}

// At a rate below 1 an amount that fits a double here may reach the largest one there.
TEST(ChangeListTest, AnAmountNearTheLargestDoubleInTheHostsCurrency) {
  PaymentBook book;
  book.Add(Paid("Check", "5e307", "S2", Mark::kUpdated));
  EXPECT_EQ(ChangeList(book, Types("2~Check~0|"), 0.5, "~", "|"), "d~2~r~a~1E+308~S2~U|");
}

TEST(ChangeListTest, AnAmountThatIsNoNumberOrOverflowsNamesItsRow) {
  const struct {
    std::string amount;
    double rate;
    std::string error;
  } cases[] = {
      {"x", 1, "ReadPaymentData: payment row 2: amount 'x' is not a number"},
      {"1e308", 0.01,
       "ReadPaymentData: payment row 2: the amount overflows in the host's currency"},
  };
  for (const auto& c : cases) {
    PaymentBook book;
    book.Add(Paid("Check", "1.00", "S1", Mark::kUpdated));
    book.Add(Paid("Check", c.amount, "S2", Mark::kUpdated));
    try {
      ChangeList(book, Types(), c.rate, "~", "|");
      ADD_FAILURE() << c.amount << " went out";
    } catch (const HostError& e) {
      EXPECT_EQ(std::string(e.what()), c.error);
    }
  }
}

// A record that would not split back into its fields at the separators is refused, naming
// the payment's row and the field: separators a field holds (letters and digits hit the
// change list's own fields too), and ones formed across a field's end.
TEST(ChangeListTest, ARecordThatWouldNotSplitBackIsRefused) {
  const struct {
    const char* name;
    std::string fs, rs;
    std::string reference, authorization, sequence;
    Mark mark;
    std::string error;  // about the second payment; empty when the list goes out
  } cases[] = {
      {"FieldSeparatorInAReference", "~", "|", "A~1", "x", "S2", Mark::kUpdated,
       "reference 'A~1' holds the field separator"},
      {"RecordSeparatorInAnAuthorization", "~", "|", "R", "X|Y", "S2", Mark::kUpdated,
       "authorization 'X|Y' holds the record separator"},
      {"LetterSeparatorInTheMark", "N", "|", "R", "x", "S2", Mark::kNew,
       "mark 'N' holds the field separator"},
      {"DigitSeparatorInTheAmount", "5", "|", "R", "x", "S2", Mark::kUpdated,
       "amount '15' holds the field separator"},
      {"LetterSeparatorInTheDate", "~", "d2", "R", "x", "S2", Mark::kUpdated,
       "payment date 'd2' holds the record separator"},
      {"RecordSeparatorAcrossTwoFields", "~", "a~b", "a", "b", "S2", Mark::kUpdated,
       "reference 'a' and the text around it hold the record separator"},
      {"FieldSeparatorRunningOnFromAField", "aa", "|", "xa", "b", "S2", Mark::kUpdated,
       "reference 'xa' and the text around it hold the field separator"},
      {"EmptySequenceBetweenSeparators", "~", "~~", "R", "x", "", Mark::kNew,
       "sequence '' and the text around it hold the record separator"},
      {"RecordSeparatorAfterTheMark", "~", "DD", "R", "x", "S2", Mark::kDeleted,
       "mark 'D' and the text around it hold the record separator"},
      {"SeparatorsThatSplitBack", "ab", "|", "xa", "by", "S2", Mark::kUpdated, ""},
  };
  for (const auto& c : cases) {
    PaymentBook book;
    book.Add(Paid("Check", "1.00", "S1", Mark::kUpdated, "1"));
    book.Add({.type = "Check",
              .reference = c.reference,
              .authorization = c.authorization,
              .amount = "15.00",
              .date = "d2",
              .sequence = c.sequence,
              .mark = c.mark,
              .mark_before_delete = Mark::kNone});
    const std::optional<PaymentTypeTable> types =
        PaymentTypeTable::FromEntries({{"2", "Check", "0"}});
    try {
      const std::string list = ChangeList(book, types, 0, c.fs, c.rs);
      EXPECT_EQ(c.error, "") << c.name << " went out as " << list;
    } catch (const HostError& e) {
      EXPECT_EQ(e.what(), "ReadPaymentData: payment row 2: " + c.error) << c.name;
    }
  }
}

// A separator in a long reference is found wherever it lies, in the words the check reads
// eight bytes at a time or in the bytes after them; bytes above 127 are no separators.
TEST(ChangeListTest, ASeparatorIsFoundAtEveryPlaceOfALongField) {
  const auto change_list = [](const std::string& reference, const std::string& fs) {
    PaymentBook book;
    book.Add({.type = "Check",
              .reference = reference,
              .authorization = "\xC3\xA9",
              .amount = "15.00",
              .date = "Dec 01, 2026",
              .sequence = "S1",
              .mark = Mark::kUpdated,
              .mark_before_delete = Mark::kNone});
    return ChangeList(book, Types(), 0, fs, "|");
  };
  for (const char separator : {'~', '|', '\xA4'}) {
    const std::string fs = separator == '\xA4' ? "\xA4" : "~";
    for (std::size_t at = 0; at < 24; ++at) {
      std::string reference(24, '\xFF');
      reference[at] = separator;
      EXPECT_THROW(change_list(reference, fs), HostError)
          << "separator " << int(separator) << " at " << at;
      reference[at] = 'x';
      EXPECT_NO_THROW(change_list(reference, fs)) << "none, at " << at;
    }
  }
}

TEST(ChangeListTest, ValuesCarryTheTypeIdAndAnExactAmountInTheHostsCurrency) {
  PaymentBook book;
  book.Add(Paid("Check", "18.75", "S1", Mark::kUpdated, "~1|"));
  book.Add(Paid("Card", "30.00", "S2", Mark::kNone, "2"));
  book.Add(Paid("Cash", "10.00", "S3", Mark::kDeleted, "3"));
  book.Add(Paid("Check", "0.10", "", Mark::kNew, "4"));
  const auto change = [](ChangeMark mark, std::int16_t type, std::string suffix, Money amount,
                         std::string sequence) {
    return PaymentChange{
        mark, {type, "r" + suffix, "a" + suffix, amount, "d" + suffix, std::move(sequence)}};
  };
  EXPECT_EQ(
      ChangeValues(book, Types(), 0, 2),
      (std::vector<PaymentChange>{change(ChangeMark::kUpdated, 12, "~1|", Money(1875, 2), "S1"),
                                  change(ChangeMark::kDeleted, 10, "3", Money(1000, 2), "S3"),
                                  change(ChangeMark::kNew, 12, "4", Money(10, 2), "")}));
  // At a rate the amounts are the shown ones divided by it, rounded to minor units.
  const std::vector<PaymentChange> at_rate = ChangeValues(book, Types(), 3, 2);
  ASSERT_EQ(at_rate.size(), 3u);
  EXPECT_EQ(at_rate[0].payment.amount, Money(625, 2));
  EXPECT_EQ(at_rate[1].payment.amount, Money(333, 2));
  EXPECT_EQ(at_rate[2].payment.amount, Money(3, 2));
  EXPECT_EQ(ChangeValues(book, Types(), 3, 0)[1].payment.amount, Money(3, 0));
}

TEST(ChangeListTest, ValuesRefuseATypeWithoutA16BitId) {
  const struct {
    const char* types;
    std::string error;
  } cases[] = {
      {"0~Other~0|",
       "Changes: payment row 1: payment type 'Check' is not among the loaded "
       "payment types"},
      {"abc~Check~0|",
       "Changes: payment row 1: payment type 'Check' has the ID 'abc', which "
       "is no 16-bit number"},
      {"40000~Check~0|",
       "Changes: payment row 1: payment type 'Check' has the ID '40000', "
       "which is no 16-bit number"},
  };
  PaymentBook book;
  book.Add(Paid("Check", "25.00", "", Mark::kNew));
  for (const auto& c : cases) {
    try {
      ChangeValues(book, Types(c.types), 0, 2);
      ADD_FAILURE() << c.types;
    } catch (const HostError& e) {
      EXPECT_EQ(e.what(), c.error);
    }
  }
}

}  // namespace
}  // namespace corvane::testing

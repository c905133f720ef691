// Catalogs: the lookups and the placeholder, Qt Linguist files read as lrelease compiles
// them (and refused, by line, when they are not such files), and the German catalog that
// comes with the library.
#include "corvane/catalog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace corvane::testing {
namespace {

using ::testing::HasSubstr;

// A .ts file of context Corvane holding `messages`.
std::string Ts(const std::string& messages) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
         "<TS version=\"2.1\" language=\"de_DE\">\n<context>\n    <name>Corvane</name>\n" +
         messages + "</context>\n</TS>\n";
}

std::string Message(const std::string& source, const std::string& translation,
                    const std::string& extra = "") {
  return "<message>" + extra + "<source>" + source + "</source><translation>" + translation +
         "</translation></message>\n";
}

TEST(CatalogTest, ATextShowsItsTranslationOrItself) {
  Catalog catalog;
  EXPECT_TRUE(catalog.Classic());
  catalog.Set("Save", "Speichern");
  catalog.Set("Edit", "Edit");  // the classic text itself translates nothing
  EXPECT_EQ(catalog.Text("Save") + "|" + catalog.Text("Edit") + "|" + catalog.Text("Undelete"),
            "Speichern|Edit|Undelete");
  Catalog same;
  same.Set("Save", "Speichern");
  EXPECT_EQ(catalog, same);
  catalog.Set("Save", "");
  EXPECT_EQ(catalog, Catalog());
  EXPECT_TRUE(catalog.Classic());
}

TEST(CatalogTest, TheNameGoesWhereThePlaceholderStands) {
  Catalog catalog;
  catalog.Set("%1 is closed.", "Geschlossen: %1 (%1).");
  const struct {
    const char* classic;
    const char* name;
    const char* shown;
  } cases[] = {
      {"%1 is closed.", "Cash", "Geschlossen: Cash (Cash)."},
      {"%1 is closed.", "", "Geschlossen:  ()."},
      {"%1 is closed.", "50%1 off", "Geschlossen: 50%1 off (50%1 off)."},  // never read again
      {"%1 cannot be selected", "Gift Card", "Gift Card cannot be selected"},
      {"Please enter the Payment Amount", "Cash", "Please enter the Payment Amount"},
      {"100%", "x", "100%"},
  };
  for (const auto& c : cases) EXPECT_EQ(catalog.Text(c.classic, c.name), c.shown) << c.classic;
}

TEST(CatalogTest, ATsFileGivesWhatLreleaseWouldCompile) {
  const Catalog catalog = Catalog::FromTs(
      Ts(Message("Save", "Speichern") + Message("&amp;Save", "&amp;Speichern") +
         Message(" Corvane", "Corvane &quot;&lt;&gt;&apos;&#xE9;&#233;") +
         Message("Edit", "<![CDATA[A & <b>]]>") + Message("Tab", "a<byte value=\"x9\"/>b") +
         Message("Lines", "one\r\ntwo\rthree") +
         "<message><location filename=\"x.cpp\" line=\"3\"/><source>Delete</source>"
         "<extracomment>for the translator</extracomment>"
         "<translation type=\"unfinished\">Löschen</translation></message>\n" +
         Message("Cancel", "Abbrechen", "<comment>another Cancel</comment>") +
         "<message><source>Undelete</source><translation type=\"vanished\">X</translation>"
         "</message>\n"
         "<message><source>Payment</source><translation type=\"obsolete\">X</translation>"
         "</message>\n"
         "<message><source>Reference</source><translation type=\"unfinished\"></translation>"
         "</message>\n"
         "<message numerus=\"yes\"><source>%n rows</source><translation>"
         "<numerusform>%n Zeile</numerusform></translation></message>\n"
         "<!-- a comment <message> -->\n</context><context><name>QPlatformTheme</name>" +
         Message("Payment Type", "Zahlungsart")));
  const struct {
    const char* classic;
    const char* shown;
  } cases[] = {
      {"Save", "Speichern"},
      {"&Save", "&Speichern"},
      {" Corvane", "Corvane \"<>'éé"},
      {"Edit", "A & <b>"},
      {"Tab", "a\tb"},
      {"Lines", "one\ntwo\nthree"},
      {"Delete", "Löschen"},             // unfinished is taken, as lrelease takes it
      {"Cancel", "Cancel"},              // one of several Cancels: not the one the control asks for
      {"Undelete", "Undelete"},          // vanished
      {"Payment", "Payment"},            // obsolete
      {"Reference", "Reference"},        // not translated yet
      {"%n rows", "%n rows"},            // plural forms
      {"Payment Type", "Payment Type"},  // another context's
  };
  for (const auto& c : cases) EXPECT_EQ(catalog.Text(c.classic), c.shown) << c.classic;
}

TEST(CatalogTest, WhatIsNoTsFileIsRefusedByLine) {
  const struct {
    std::string text;
    const char* error;
  } cases[] = {
      {"", "line 1: no <TS> element"},
      {"<html></html>", "line 1: the root element is <html>, not <TS>"},
      {"<TS></TS>\n<TS></TS>", "line 2: a second root element <TS>"},
      {"Hello <TS/>", "line 1: text outside the <TS> element"},
      {Ts("<message>\n<source>Save</source>\n</translation>"),
       "line 8: </translation> closes <message>"},
      {Ts(Message("Save", "A &nbsp; B")), "line 6: the unknown entity &nbsp;"},
      {Ts(Message("Save", "A & B")), "line 6: an '&' that begins no reference"},
      {Ts(Message("Save", "&#xD800;")), "line 6: the character reference &#xD800; names no"},
      {"<TS><context", "line 1: a name expected"},
      {"<TS><!-- never", "line 1: a comment that never ends"},
      {"<TS><context name=x>", "line 1: the value of name is not quoted"},
      {"<TS>\n<context>\n", "line 3: the file ends inside <context>"},
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><TS/>",
       "line 1: the file is in iso-8859-1, not UTF-8"},
      {"<TS>\xC3</TS>", "line 1: the file is not UTF-8"},
  };
  for (const auto& c : cases) {
    try {
      Catalog::FromTs(c.text);
      ADD_FAILURE() << "taken: " << c.text;
    } catch (const CatalogError& e) {
      EXPECT_THAT(e.what(), HasSubstr(c.error)) << c.text;
    }
  }
}

// The German catalog translates every text the control shows, and nothing else; each
// translation keeps what the control fills in, and each marked caption is its caption.
TEST(CatalogTest, TheGermanCatalogTranslatesEveryTextWithItsPlaceholders) {
  const Catalog& german = Catalog::German();
  std::set<std::string> classic;
  for (const std::string_view text : Catalog::ClassicTexts()) {
    classic.insert(std::string(text));
    const std::string shown = german.Text(text);
    if (text != "Corvane") {
      EXPECT_NE(shown, text) << "untranslated: " << text;
    }
    for (const std::string_view kept : {"%1", "$"}) {
      EXPECT_EQ(text.find(kept) != std::string_view::npos, shown.find(kept) != std::string::npos)
          << text << " -> " << shown;
    }
    if (const std::size_t mark = text.find('&'); mark != std::string_view::npos) {
      std::string unmarked(text);
      unmarked.erase(mark, 1);
      std::string shown_unmarked = shown;
      ASSERT_EQ(std::count(shown.begin(), shown.end(), '&'), 1) << shown;
      shown_unmarked.erase(shown.find('&'), 1);
      EXPECT_EQ(shown_unmarked, german.Text(unmarked)) << text;
    }
  }
  EXPECT_EQ(classic.size(), Catalog::ClassicTexts().size()) << "a text listed twice";
  // Every translation is of a text the control shows: a key in the file that the control
  // does not know is a text that changed and was not translated anew.
  Catalog only_known;
  for (const std::string_view text : Catalog::ClassicTexts())
    only_known.Set(text, german.Text(text));
  EXPECT_EQ(only_known, german);
}

}  // namespace
}  // namespace corvane::testing

// The operator's language on each toolkit: every text the screen shows and every message
// from the catalog, exactly, while the data keep their form; the classic texts by default.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvane/catalog.h"
#include "corvane/corvane.h"
#include "tests/toolkit_rig.h"

namespace corvane::testing {
namespace {

using namespace std::chrono;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using W = WidgetId;

constexpr year_month_day kToday = year{2026} / December / 6;
// Offered in this order: Check (2), Card (8), Blocked (6, not selectable), On Account (1).
constexpr std::string_view kTypes =
    "0~Cash~0|1~On Account~0|2~Check~0|3~Voucher~0|4~Gift~0|8~Card~0|6~Blocked~True|";

// The screen's texts at start-up, in the layout's order of the labels.
const std::string kClassicTexts =
    "New Payment / Edit / Delete | Version Number: 2.1.2 / Balance Amount $: / "
    "Ordered Amount $: / Payment Date: / Bris Credit Card: / Total Amount $: / Payment Type: / "
    "Reference: / Authorization: / Amount $: | Payment Type / Reference / Authorization / "
    "Amount ($) / Payment Date / PaymentSequence / IsUpdate | Not Found | MMM dd, yyyy";
const std::string kGermanTexts =
    "Neue Zahlung / Bearbeiten / Löschen | Versionsnummer: 2.1.2 / Offener Betrag $: / "
    "Bestellwert $: / Zahlungsdatum: / Bris-Kreditkarte: / Gesamtbetrag $: / Zahlungsart: / "
    "Referenz: / Autorisierung: / Betrag $: | Zahlungsart / Referenz / Autorisierung / "
    "Betrag ($) / Datum / PaymentSequence / IsUpdate | Nicht gefunden | dd.MM.yyyy";

class CatalogScreenTest : public ::testing::TestWithParam<std::string> {
 protected:
  // Every text of the screen that is the control's own: the buttons, the labels, the
  // column headers, the card box and the date picker's form.
  std::string Texts() {
    std::string out;
    for (W id : {W::cmdAdd, W::cmdEdit, W::cmdDelete}) {
      out += (id == W::cmdAdd ? "" : " / ") + screen.button(id).Caption();
    }
    out += " |";
    for (const WidgetDesign& design : kScreenLayout) {
      if (design.kind != WidgetKind::kLabel) continue;
      out += (out.ends_with("|") ? " " : " / ") + screen.label(design.id).Caption();
    }
    out += " |";
    for (const ColumnHeader& column : list().Columns()) {
      out += (out.ends_with("|") ? " " : " / ") + column.text;
    }
    return out + " | " + screen.text_box(W::txtCreditCard).Text() + " | " +
           screen.date_picker(W::DTPckrPaymentDate).CustomFormat();
  }
  std::string Captions() {
    return screen.button(W::cmdAdd).Caption() + " / " + screen.button(W::cmdEdit).Caption() +
           " / " + screen.button(W::cmdDelete).Caption();
  }
  // The message boxes since the last call: "prompt [title] style".
  std::vector<std::string> Messages() {
    std::vector<std::string> out;
    for (const MessageRecord& m : rig->services().TakeMessages()) {
      out.push_back(m.prompt + " [" + m.title + "] " + std::to_string(m.style));
    }
    return out;
  }
  ListView& list() { return screen.list_view(W::lstPayment); }
  void Shop(std::string_view cards = "Visa|Amex|") {
    control.PaymentDetails(1, 49, 1, 0, 250, "Dec 01, 2026");
    control.WritePaymentData(cards, kTypes, "2~C1~A1~10.5~Nov 01, 2026~S1|", "~", "|");
  }

  std::unique_ptr<ToolkitRig> rig = MakeRig(GetParam());
  Screen& screen = rig->screen();
  Operator& op = rig->op();
  Corvane control{screen, [] { return kToday; }};
};

TEST_P(CatalogScreenTest, TheClassicTextsUntilAHostSetsAnotherCatalog) {
  EXPECT_TRUE(control.catalog().Classic());
  EXPECT_EQ(Texts(), kClassicTexts);
  control.SetCatalog(Catalog::German());
  EXPECT_EQ(Texts(), kGermanTexts);
  control.SetCatalog(Catalog());
  EXPECT_EQ(Texts(), kClassicTexts) << "back, byte for byte";
}

// A session in German: the captions as the entry opens and closes, a refused save naming
// its type where German puts it, the delete question; the data as in English.
TEST_P(CatalogScreenTest, AGermanSession) {
  control.SetCatalog(Catalog::German());
  Shop();
  op.Click(W::cmdAdd);
  EXPECT_EQ(Captions(), "Speichern / Abbrechen / Löschen");
  op.Choose(W::cboPaymentType, "Blocked");
  op.Click(W::cmdAdd);
  op.Choose(W::cboPaymentType, "Check");
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "1001");
  op.Type(W::txtAmount, "25.5");
  op.Click(W::cmdAdd);
  EXPECT_THAT(Messages(),
              ElementsAre("Die Zahlungsart „Blocked“ kann in der Zentrale nicht für neue oder "
                          "bestehende Zahlungen gewählt werden. [Corvane] 64",
                          "Bitte geben Sie die Referenznummer ein. [Corvane] 64"));
  EXPECT_EQ(Captions(), "Neue Zahlung / Bearbeiten / Löschen");
  EXPECT_EQ(list().SubItem(1, 3) + " " + list().SubItem(1, 4), "25.50 Dec 01, 2026");
  EXPECT_EQ(screen.text_box(W::txtTotalAmount).Text(), "36.00");

  op.ClickRow(W::lstPayment, 0);
  rig->services().QueueAnswer(kAnswerYes);
  op.Click(W::cmdDelete);
  EXPECT_EQ(Captions(), "Neue Zahlung / Bearbeiten / Wiederherstellen");
  EXPECT_EQ(list().Description(0), "Gelöscht");
  op.Click(W::cmdDelete);  // answered No
  EXPECT_THAT(Messages(),
              ElementsAre("Möchten Sie die ausgewählte Zahlung löschen? [Zahlung] 36",
                          "Möchten Sie die ausgewählte Zahlung wiederherstellen? [Zahlung] 36"));
  EXPECT_EQ(control.ReadPaymentData(),
            "Nov 01, 2026~2~C1~A1~10.5~S1~D|Dec 01, 2026~2~1001~~25.5~~N|");
}

// A switch while the operator works changes every text in place: the captions say what the
// buttons do now, a deleted row keeps its description, the entry stays as it was.
TEST_P(CatalogScreenTest, ASwitchDuringAnEntryChangesTheTextsInPlace) {
  Shop("Not Found|");
  op.ClickRow(W::lstPayment, 0);
  rig->services().QueueAnswer(kAnswerYes);
  op.Click(W::cmdDelete);
  op.Click(W::cmdAdd);
  op.Choose(W::cboPaymentType, "Card");
  EXPECT_EQ(screen.text_box(W::txtCreditCard).Text(), "Not Found") << "the host's card text";
  op.Type(W::txtReference, "77");
  control.SetCatalog(Catalog::German());
  EXPECT_EQ(Captions(), "Speichern / Abbrechen / Wiederherstellen");
  EXPECT_EQ(screen.text_box(W::txtCreditCard).Text(), "Nicht gefunden");
  EXPECT_EQ(list().Description(0), "Gelöscht");
  EXPECT_EQ(screen.text_box(W::txtReference).Text(), "77");
  EXPECT_EQ(screen.Focus(), W::txtReference);
  op.Click(W::cmdEdit);  // Abbrechen
  EXPECT_EQ(Captions(), "Neue Zahlung / Bearbeiten / Wiederherstellen");
  control.SetCatalog(Catalog());
  EXPECT_EQ(Captions(), "New Payment / Edit / Undelete");
  EXPECT_EQ(list().Description(0), "Deleted");
  EXPECT_EQ(screen.text_box(W::txtCreditCard).Text(), "") << "a cancel empties it";
  EXPECT_THAT(Messages(), ElementsAre("Do you want to delete the selected payment record "
                                      "[Payment] 36"));
}

// The card box's "Not Found" follows the language only while it is the control's: text the
// operator typed into the box stays through a switch, until the control writes the box again.
TEST_P(CatalogScreenTest, TextTypedIntoTheCardBoxStaysThroughASwitch) {
  control.SetCatalog(Catalog::German());
  op.Type(W::txtCreditCard, "x");
  const std::string typed = screen.text_box(W::txtCreditCard).Text();
  ASSERT_NE(typed, "Nicht gefunden");
  control.SetCatalog(Catalog());
  EXPECT_EQ(screen.text_box(W::txtCreditCard).Text(), typed);
  control.SetCatalog(Catalog::German());
  EXPECT_EQ(screen.text_box(W::txtCreditCard).Text(), typed);

  Shop("Not Found|");
  op.Click(W::cmdAdd);
  op.Choose(W::cboPaymentType, "Card");
  EXPECT_EQ(screen.text_box(W::txtCreditCard).Text(), "Nicht gefunden");
  control.SetCatalog(Catalog());
  EXPECT_EQ(screen.text_box(W::txtCreditCard).Text(), "Not Found");
}

// The code of a currency goes where the translation keeps the "$".
TEST_P(CatalogScreenTest, ACurrencyCodeInTheTranslatedCaptions) {
  control.SetCatalog(Catalog::German());
  control.CurrencyCode("JPY");
  EXPECT_EQ(screen.label(W::lblAmount).Caption() + " / " + screen.label(W::Label1).Caption() +
                " / " + list().Columns()[3].text,
            "Betrag JPY: / Bestellwert JPY: / Betrag (JPY)");
  control.SetCatalog(Catalog());
  EXPECT_EQ(screen.label(W::lblBalanceAmount).Caption() + " / " + list().Columns()[3].text,
            "Balance Amount JPY: / Amount (JPY)");
}

// A catalog that marks every text it knows: whatever the screen shows that is the
// control's own and unmarked did not come from the catalog.
TEST_P(CatalogScreenTest, EveryTextOfTheControlComesFromTheCatalog) {
  Catalog marking;
  for (const std::string_view text : Catalog::ClassicTexts()) {
    marking.Set(text, "«" + std::string(text) + "»");
  }
  control.SetCatalog(marking);
  std::string texts = Texts() + " | ";
  for (std::size_t at; (at = texts.find(" | ")) != std::string::npos;) texts.replace(at, 3, " / ");
  for (std::size_t from = 0, at; (at = texts.find(" / ", from)) != std::string::npos;
       from = at + 3) {
    const std::string text = texts.substr(from, at - from);
    if (text == "PaymentSequence" || text == "IsUpdate") continue;  // hidden, never shown
    EXPECT_TRUE(text.starts_with("«") && text.ends_with("»")) << text;
  }
  Shop("Not Found|");
  op.Click(W::cmdAdd);
  op.Choose(W::cboPaymentType, "Blocked");
  op.Click(W::cmdAdd);
  op.Choose(W::cboPaymentType, "Check");
  op.Type(W::txtReference, "R");
  op.Type(W::txtAmount, "1000");
  op.Click(W::cmdAdd);  // over the ordered amount
  op.Choose(W::cboPaymentType, "Card");
  EXPECT_EQ(screen.text_box(W::txtCreditCard).Text(), "«Not Found»");
  op.Click(W::cmdEdit);
  op.ClickRow(W::lstPayment, 0);
  rig->services().QueueAnswer(kAnswerYes);
  op.Click(W::cmdDelete);
  op.Click(W::cmdDelete);
  EXPECT_EQ(list().Description(0), "«Deleted»");
  EXPECT_EQ(Captions(), "«New Payment» / «Edit» / «Undelete»");
  const std::vector<std::string> messages = Messages();
  ASSERT_EQ(messages.size(), 4u);
  for (const std::string& message : messages) {
    EXPECT_TRUE(message.starts_with("«")) << message;
    EXPECT_NE(message.find("» [«"), std::string::npos) << message;
  }
  EXPECT_TRUE(messages[0].starts_with("«Blocked cannot")) << "the name where the %1 was";
}

INSTANTIATE_TEST_SUITE_P(Toolkits, CatalogScreenTest, ::testing::ValuesIn(Toolkits()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

}  // namespace
}  // namespace corvane::testing

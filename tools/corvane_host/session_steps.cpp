#include "tools/corvane_host/session_steps.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <string_view>

namespace corvane::host {
namespace {

constexpr std::array<std::string_view, 11> kHostVerbs = {
    "PaymentDetails",   "WritePaymentData", "ReadPaymentData", "TotalAmount",
    "OrderedAmount",    "OrderType",        "GetPaymentID",    "GetNonSelectableID",
    "EnableNewPayment", "CurrencyDecimals", "MaskCardNumbers",
};
constexpr std::int64_t kDispIds[] = {0x60030015, 0x60030011, 0x60030014, 0x60030016,
                                     0x60030029, 0x6003003C, 0x60030006, 0x60030043,
                                     0x60030047, 0x60030048, 0x60030049, 99};

constexpr std::int64_t kModes[] = {1, 1, 2, 0, 3, -1, 32767, -32768};
// Mostly the three a currency may have; the others are refused.
constexpr std::int64_t kDecimals[] = {0, 3, 2, 0, 3, 1, 4, -2};
constexpr std::int64_t kCountries[] = {44, 0, -1, 1};
constexpr std::int64_t kOrderTypes[] = {1, 2, 1, 0, 3, 4};
constexpr double kRates[] = {0, 1, 1.25, 0.5, 2, -1, 0.01, 100, 3, 1e-5};
constexpr double kAmounts[] = {250, 500, 100, 0, 175, 0.005, -50, 99999999999.99, 12.345, 1e13};
const char* const kOrderDates[] = {
    "Dec 01, 2026", "Dec 01, 2026", "",         "not a date", "Feb 30, 2024", "Dec 31, 2060",
    "Jan 01, 1900", "Dec 06, 2061", "tomorrow", "12/01/2026",
};
const char* const kCards[] = {"Visa|Amex|", "Visa|Amex|", "Not Found|", "",
                              "   ",        "Visa",       "Visa<R>",    "Visa~Amex~"};
const char* const kTypes[] = {
    ("0~Cash~0|1~On Account~0|2~Check~0|3~Gift Card~0|4~Voucher~0|8~Credit Card~0|"
     "6~Store Credit~True|"),
    "0~Cash~0|1~On Account~0|2~Check~0|3~Voucher~0|4~Gift~0|8~Card~0|6~Blocked~True|",
    "0~Cash~0|1~On Account~1|2~Check~0|",
    "0~Cash~0|8~Card~0|",
    "0~Cash|",
    "0~Cash||2~Check|3~x|4~y|1~Check|",
    "8.0~Card~True|2.5~Half~-1|3.5~Odd~0|x~Bad~yes|40000~Big~False|9~Card~0||7|1~Flagless|",
    "0<F>Cash<R>1<F>Card<R>2<F>Check<R>",
    "",
    "  ",
};
const char* const kPayments[] = {
    "2~1001~~80~Nov 28, 2026~501|5~4111 1111 1111 1111~A1~40~Nov 29, 2026~502|",
    "2~C100~A1~100~Nov 02, 2026~S1|5~Visa~A2~50~~S2|1~~~25~Nov 04, 2026~S3|",
    "0~a~~40~d~S1|0~b~~30~d~S2|",
    "2~R~A~0.005~d~S|2~R~A~0.005~d~S|1~R~A~0.004~d~S|",
    "2~R~A~1e13~d~S|2~R~A~0.01~d~T|",
    "2~R~A~-3~d~S|2~~~1,234.5~~|",
    "2~R~A~abc~d~S|",
    "2<F>r<F>a<F>5<F>d<F>s<F>extra<R>",
    "6~R~A~1~d~S|",
    "2~R~~10~Dec 31, 2060~|",
    "",
};
const char* const kSeparatorPairs[][2] = {
    {"~", "|"},  {"~", "|"},  {"~", "|"}, {"<F>", "<R>"}, {"\t", "\r\n"},
    {"~", "~~"}, {"~~", "~"}, {"", "|"},  {"~", ""},      {"|", "|"},
};
const char* const kNames[] = {"Check",        "Cash",    "Card",  "Credit Card", "On Account",
                              "Store Credit", "Blocked", "Visa",  "Amex",        "Not Found",
                              "Half",         "",        "check", "Gift Card"};
const char* const kTyped[] = {
    "1001",    "100",
    "350",     "90",
    "5",       "0.005",
    "12.345",  "\b\b\b\b\b\b",
    "abc",     "4111111111111111",
    "X",       "\xc3\xa9",
    "\u20ac5", "9999999999999999999999999",
    ".",       "1..2",
    "\b",      "0",
    "400",     "\t",
    "0,5",
};
constexpr WidgetId kButtons[] = {WidgetId::cmdAdd, WidgetId::cmdAdd, WidgetId::cmdEdit,
                                 WidgetId::cmdDelete};
constexpr WidgetId kBoxes[] = {WidgetId::txtAmount,        WidgetId::txtReference,
                               WidgetId::txtAuthorization, WidgetId::txtPaymentDate,
                               WidgetId::txtCreditCard,    WidgetId::txtOrderedAmount};
constexpr WidgetId kCombos[] = {WidgetId::cboPaymentType, WidgetId::cboCreditCard};
constexpr std::int64_t kRows[] = {0, 1, 2, 0, 1, 3, -1, 100};
constexpr std::int64_t kKeys[] = {40, 38, 36, 35, 34, 13, 0, 1000};
constexpr std::int64_t kCarets[] = {0, 0, 1, 2, 6, -1, 100, 3};
const char* const kPickDates[] = {"2026-03-04", "1900-01-01", "2060-12-31", "2061-01-01",
                                  "1899-12-31", "2024-02-30", "2024-02-29", "06/12/2026"};
const char* const kAnswers[] = {"yes", "yes", "no", "maybe"};

// The operator's language: whole Qt Linguist files (a small French one, one whose texts
// swap and repeat the classic captions, broken ones), and messages that go into a file's
// one context.
const char* const kTsFiles[] = {
    R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Corvane</name>
    <message><source>New Payment</source><translation>Nouveau paiement</translation></message>
    <message><source>Save</source><translation>Enregistrer</translation></message>
    <message><source>Edit</source><translation>Modifier</translation></message>
    <message><source>Cancel</source><translation type="unfinished">Annuler</translation></message>
    <message><source>Amount $:</source><translation>Montant $ :</translation></message>
    <message><source>Not Found</source><translation>Introuvable</translation></message>
    <message><source>Deleted</source><translation>Supprim&#xe9;</translation></message>
    <message><source>MMM dd, yyyy</source><translation>dd/MM/yyyy</translation></message>
    <message><source>%1 cannot be selected from the center for use on a new or existing payment.</source>
        <translation>Le type %1 ne peut pas &#xEA;tre choisi.</translation></message>
    <message><source>Please enter the Payment Amount</source><translation><![CDATA[Montant <requis>]]></translation></message>
    <message><source>Payment</source><translation>Paiement</translation></message>
</context>
</TS>
)",
    R"(<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="xx">
<context><name>Corvane</name>
<message><source>New Payment</source><translation>Save</translation></message>
<message><source>Save</source><translation>New Payment</translation></message>
<message><source>Edit</source><translation>Cancel</translation></message>
<message><source>Cancel</source><translation>Cancel</translation></message>
<message><source>Delete</source><translation>Save</translation></message>
<message><source>Not Found</source><translation>Visa</translation></message>
<message><source>Deleted</source><translation>~|</translation></message>
<message><source>Total Amount $:</source><translation>$%1$</translation></message>
<message><source>MMM dd, yyyy</source><translation>yyyy</translation></message>
<message><source>Corvane</source><translation>&lt;F&gt;</translation></message>
<message><source>Payment</source><comment>other</comment><translation>P</translation></message>
<message><source>Edit</source><translation type="vanished">Gone</translation></message>
</context>
<context><name>Other</name>
<message><source>Save</source><translation>Elsewhere</translation></message>
</context>
</TS>
)",
    "<TS><context><name>Corvane</name><message><source>Save</source>",
    "<TS version=\"2.1\"><context><name>Corvane</name></context></TS>",
    "<TS>\xff\xfe</TS>",
    "",
};
const char* const kTsHead =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" "
    "language=\"de\">\n<context>\n<name>Corvane</name>\n";
const char* const kTsTail = "</context>\n</TS>\n";
const char* const kTsMessages[] = {
    "<message><source>Save</source><translation>Sichern</translation></message>",
    "<message><source>MMM dd, yyyy</source><translation>yyyy-MM-dd</translation></message>",
    "<message><source>MMM dd, yyyy</source><translation>d</translation></message>",
    "<message><source>Not Found</source><translation>Nicht gefunden</translation></message>",
    "<message><source>Deleted</source><translation></translation></message>",
    "<message><source>Amount $:</source><translation>$ %1 &amp; $</translation></message>",
    ("<message><source>New Payment</source><translation>Save</translation></message>"
     "<message><source>Save</source><translation>New Payment</translation></message>"),
    "<message><source>&amp;Save</source><translation>Si&amp;chern</translation></message>",
    "<message numerus=\"yes\"><source>Edit</source><translation>E</translation></message>",
    "<message><source>Edit</source><translation type=\"obsolete\">E</translation></message>",
    "<message><source>Please enter the Reference "
    "Number</source><translation>\xe2\x80\xa2</translation></message>",
    "<!-- a comment --><message><source>Cancel</source><translation>Abbr.</translation></message>",
};

// The typed load's values: card lists (entries split at new lines), payment type lists, and
// the payments' fields; an amount in minor units of the current currency's decimals unless a
// payment gives its own.
const char* const kCardLists[] = {"Visa\nAmex", "Visa\nAmex",   "",      "Not Found",
                                  "Visa",       "Visa~Amex\n|", "\n \n", "\xe2\x80\xa2"};
struct TypeValue {
  std::int16_t id;
  const char* name;
  bool non_selectable;
};
constexpr TypeValue kStandardTypes[] = {{0, "Cash", false},       {1, "On Account", false},
                                        {2, "Check", false},      {3, "Gift Card", false},
                                        {4, "Voucher", false},    {8, "Credit Card", false},
                                        {6, "Store Credit", true}};
constexpr TypeValue kSmallTypes[] = {{0, "Cash", false}, {8, "Card", false}};
constexpr TypeValue kOddTypes[] = {{8, "Card~x", false},  {2, "Check|", false},
                                   {9, "", false},        {-1, "Minus", false},
                                   {32767, "Max", false}, {-32768, "Min", true},
                                   {2, "Twice", false},   {0, "Not Found", true},
                                   {1, "Deleted", false}, {3, "\xc3\xa9\xe2\x82\xac", false}};
constexpr std::span<const TypeValue> kTypeLists[] = {
    kStandardTypes, kStandardTypes, kSmallTypes, {}, kOddTypes};
constexpr std::int64_t kTypeIds[] = {0, 1, 2, 8, 8, 6, 9, -1, 32767, 3, 2};
const char* const kReferences[] = {"1001", "4111 1111 1111 1111", "",          "a~b|c",
                                   "<R>",  "\xe2\x80\xa2",        "Not Found", "4111111111111111"};
const char* const kAuthorizations[] = {"", "A1", "A~1", "123456789012345678901", "|"};
constexpr std::int64_t kMinorUnits[] = {8000,
                                        4000,
                                        2500,
                                        1,
                                        0,
                                        -300,
                                        5,
                                        999'999'999'999'999,
                                        123'456'789'012'345'678,
                                        std::numeric_limits<std::int64_t>::max(),
                                        std::numeric_limits<std::int64_t>::min()};
constexpr std::int64_t kOwnDecimals[] = {0, 1, 2, 3};
const char* const kPaymentDates[] = {"Nov 28, 2026", "",          "Dec 31, 2060", "not a date",
                                     "Feb 30, 2024", "28.11.2026"};
const char* const kSequences[] = {"501", "502", "", "S~1", "S|2", "501"};

std::string Name(WidgetId id) { return std::string(DesignOf(id).name); }

}  // namespace

bool FuzzerOnly(const Json& request) {
  return request[0] == "hook" || request[0] == "catalog" || request[0] == "LoadPayments";
}

std::optional<std::string> StepReader::Raw(std::uint8_t byte) {
  if (byte < 0xF0) return std::nullopt;
  std::string text;
  for (std::uint8_t length = Byte(); length > 0 && !AtEnd(); --length) {
    text += static_cast<char>(Byte());
  }
  return text;
}

template <std::size_t N>
std::string StepReader::Text(const char* const (&pool)[N]) {
  const std::uint8_t byte = Byte();
  if (std::optional<std::string> raw = Raw(byte)) return *raw;
  return pool[byte % N];
}

Json StepReader::Widget() {
  const std::uint8_t byte = Byte();
  if (byte % (kWidgetCount + 1) == kWidgetCount) return "nothing";
  return Name(static_cast<WidgetId>(byte % (kWidgetCount + 1)));
}

Json StepReader::HostArguments(std::string_view verb, Json request) {
  if (verb == "PaymentDetails") {
    request.push_back(From(kModes));
    request.push_back(From(kCountries));
    request.push_back(From(kOrderTypes));
    request.push_back(From(kRates));
    request.push_back(From(kAmounts));
    request.push_back(Text(kOrderDates));
  } else if (verb == "WritePaymentData") {
    request.push_back(Text(kCards));
    request.push_back(Text(kTypes));
    request.push_back(Text(kPayments));
    const std::uint8_t byte = Byte();
    if (std::optional<std::string> field = Raw(byte)) {
      request.push_back(*field);
      request.push_back(Text(kNames));
    } else {
      const auto& pair = kSeparatorPairs[byte % std::size(kSeparatorPairs)];
      request.push_back(pair[0]);
      request.push_back(pair[1]);
    }
  } else if (verb == "OrderedAmount") {
    request.push_back(From(kAmounts));
  } else if (verb == "GetPaymentID" || verb == "GetNonSelectableID") {
    request.push_back(Text(kNames));
  } else if (verb == "EnableNewPayment" || verb == "MaskCardNumbers") {
    request.push_back(Byte() % 3 != 0);
  } else if (verb == "CurrencyDecimals") {
    request.push_back(From(kDecimals));
  }
  return request;
}

Json StepReader::HostCall(std::string_view verb) {
  const std::uint8_t shape = Byte();
  Json request = HostArguments(verb, Json::array({verb}));
  switch (shape % 16) {
    case 13:  // one argument too many
      request.push_back(1);
      break;
    case 14:  // one too few
      if (request.size() > 1) request.erase(request.size() - 1);
      break;
    case 15:  // a text where a number goes, a number where a text goes, null elsewhere
      if (request.size() > 1) {
        Json& last = request[request.size() - 1];
        last = last.is_string() ? Json(32768) : last.is_number() ? Json("5") : Json(nullptr);
      }
      break;
    default:
      break;
  }
  return request;
}

Json StepReader::CatalogStep() {
  switch (Byte() % 4) {
    case 0:
      return Json::array({"catalog", "classic"});
    case 1:
      return Json::array({"catalog", "german"});
    case 2:
      return Json::array({"catalog", "ts", Text(kTsFiles)});
    default:
      return Json::array({"catalog", "ts", kTsHead + Text(kTsMessages) + kTsTail});
  }
}

Json StepReader::LoadPaymentsStep() {
  Json cards = Json::array();
  const std::uint8_t card_byte = Byte();
  if (std::optional<std::string> raw = Raw(card_byte)) {
    cards.push_back(*raw);
  } else {
    const std::string_view list = kCardLists[card_byte % std::size(kCardLists)];
    for (std::size_t from = 0; !list.empty() && from <= list.size();) {
      const std::size_t end = std::min(list.find('\n', from), list.size());
      cards.push_back(list.substr(from, end - from));
      from = end + 1;
    }
  }
  Json types = Json::array();
  const std::uint8_t type_byte = Byte();
  const std::optional<std::string> extra = Raw(type_byte);
  for (const TypeValue& type :
       extra ? std::span<const TypeValue>(kStandardTypes) : kTypeLists[type_byte % 5]) {
    types.push_back(Json::array({type.id, type.name, type.non_selectable}));
  }
  if (extra) types.push_back(Json::array({5, *extra, false}));
  Json payments = Json::array();
  for (int count = Byte() % 5; count > 0; --count) {
    const std::int64_t type_id = From(kTypeIds);
    std::string reference = Text(kReferences);
    std::string authorization = Text(kAuthorizations);
    const std::int64_t units = From(kMinorUnits);
    const std::uint8_t decimals = Byte();
    std::string date = Text(kPaymentDates);
    Json payment =
        Json::array({type_id, std::move(reference), std::move(authorization), units,
                     decimals % 8 < 6 ? Json(nullptr) : Json(kOwnDecimals[(decimals >> 3) % 4]),
                     std::move(date), Text(kSequences)});
    payments.push_back(std::move(payment));
  }
  return Json::array({"LoadPayments", std::move(cards), std::move(types), std::move(payments)});
}

Step StepReader::Next() {
  Step step;
  const std::uint8_t byte = Byte();
  // The steps added last take the two bytes that meant screen and state before, so that
  // older inputs keep their meaning but for those two inspections.
  if (byte == kCatalogByte) {
    step.request = CatalogStep();
    return step;
  }
  if (byte == kLoadPaymentsByte) {
    step.request = LoadPaymentsStep();
    return step;
  }
  const std::uint8_t verb = byte % 26;
  switch (verb) {
    case 9: {  // the dispatch numbers are in the order of kHostVerbs; the last is unknown
      const std::size_t which = Byte() % std::size(kDispIds);
      Json call = HostCall(kHostVerbs[which % kHostVerbs.size()]);
      step.request = Json::array({"invoke", kDispIds[which]});
      for (std::size_t i = 1; i < call.size(); ++i) step.request.push_back(call[i]);
      break;
    }
    case 10: {
      const std::uint8_t byte = Byte();
      step.request = Json::array(
          {"click", byte < 0xE0 ? Json(Name(kButtons[byte % 4]))
                                : Json(Name(static_cast<WidgetId>(byte % kWidgetCount)))});
      break;
    }
    case 11:
      step.request = Json::array({"click", "lstPayment", From(kRows)});
      break;
    case 12:
      step.request = Json::array({"key", "lstPayment", From(kKeys)});
      break;
    case 13:
      step.request = Json::array({"focus", Widget()});
      break;
    case 14: {
      const std::uint8_t byte = Byte();
      const Json box = byte < 0xE0 ? Json(Name(kBoxes[byte % std::size(kBoxes)])) : Widget();
      step.request = Json::array({"type", box, Text(kTyped)});
      break;
    }
    case 15: {
      const std::uint8_t byte = Byte();
      const Json box = Name(kBoxes[byte % std::size(kBoxes)]);
      const std::int64_t start = From(kCarets);
      step.request = Json::array({"select", box, start, From(kCarets)});
      break;
    }
    case 16: {
      const std::uint8_t byte = Byte();
      const Json box = byte < 0xE0 ? Json(Name(kCombos[byte % 2])) : Widget();
      step.request = Json::array({"choose", box, Text(kNames)});
      break;
    }
    case 17: {
      const std::uint8_t byte = Byte();
      const Json picker = byte < 0xE0 ? Json("DTPckrPaymentDate") : Widget();
      step.request = Json::array({"pick", picker, Text(kPickDates)});
      break;
    }
    case 18:
      step.request = Json::array({"answer", From(kAnswers)});
      break;
    case 19:
      step.request = Json::array({"get", Widget()});
      break;
    case 20:
      step.request = Json::array({"screen"});
      break;
    case 21:
      step.request = Json::array({"state"});
      break;
    case 22:
      step.request = Json::array({"new"});
      break;
    case 23:
      step.request = Json::array({"hook"});
      step.hook = HostCall(kHostVerbs[Byte() % kHostVerbs.size()]);
      break;
    case 24:  // the host calls that came after the others
      step.request = HostCall("CurrencyDecimals");
      break;
    case 25:
      step.request = HostCall("MaskCardNumbers");
      break;
    default: {  // 0 to 8
      step.request = HostCall(kHostVerbs[verb]);
      break;
    }
  }
  return step;
}

}  // namespace corvane::host

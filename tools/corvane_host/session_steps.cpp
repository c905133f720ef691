#include "tools/corvane_host/session_steps.h"

#include <array>
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

std::string Name(WidgetId id) { return std::string(DesignOf(id).name); }

}  // namespace

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

Step StepReader::Next() {
  Step step;
  const std::uint8_t verb = Byte() % 26;
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

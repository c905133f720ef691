// corvane-host's session, request line in, answer object out: the answer's shape, the
// typing of host-call arguments, refused and malformed requests, inspection, and the
// command line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/corvane_host/arguments.h"
#include "tools/corvane_host/options.h"
#include "tools/corvane_host/session.h"

namespace corvane::host {
namespace {

using namespace std::chrono;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr year_month_day kToday = year{2026} / December / 6;

constexpr const char* kDetails = R"(["PaymentDetails", 1, 44, 1, 0, 250, "Dec 01, 2026"])";
constexpr const char* kLoad =
    R"(["WritePaymentData", "Visa|Amex|", "0~Cash~0|1~On Account~1|2~Check~0|",)"
    R"( "2~1001~~100~Dec 02, 2026~7~|0~~~20~Dec 03, 2026~8~|", "~", "|"])";

class SessionTest : public ::testing::Test {
 protected:
  Json Ask(std::string_view line) {
    std::optional<Json> answer = session.HandleLine(line);
    if (!answer) {
      ADD_FAILURE() << "no answer to " << line;
      return Json();
    }
    return *answer;
  }
  // The result of a request that must succeed.
  Json Result(std::string_view line) {
    Json answer = Ask(line);
    EXPECT_EQ(answer["ok"], true) << line << " -> " << answer.dump();
    return answer["result"];
  }
  // The error of a request that must fail.
  std::string Error(std::string_view line) {
    Json answer = Ask(line);
    EXPECT_EQ(answer["ok"], false) << line << " -> " << answer.dump();
    return answer.value("error", "");
  }
  Json Get(std::string_view widget) {
    return Result(R"(["get", ")" + std::string(widget) + R"("])");
  }

  Session session{kToday};
};

std::vector<std::string> Keys(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : object.items()) keys.push_back(key);
  return keys;
}

TEST_F(SessionTest, EveryAnswerHasTheSameShape) {
  EXPECT_THAT(Keys(Ask(R"(["OrderType"])")),
              ElementsAre("ok", "result", "events", "messages", "beeps"));
  EXPECT_THAT(Keys(Ask(R"(["OrderType", 1])")),
              ElementsAre("ok", "result", "error", "events", "messages", "beeps"));
  const Json failed = Ask("{");
  EXPECT_EQ(failed["result"], nullptr);
  EXPECT_EQ(failed["events"], Json::array());
  EXPECT_EQ(failed["beeps"], 0);
}

TEST_F(SessionTest, BlankAndCommentLinesGetNoAnswer) {
  for (const char* line : {"", "   ", "\t\r", "# a comment", "  # [\"OrderType\"]"}) {
    EXPECT_EQ(session.HandleLine(line), std::nullopt) << '"' << line << '"';
  }
  EXPECT_EQ(Result(R"(  ["OrderType"]  )"), 0);
}

TEST_F(SessionTest, MalformedRequestsChangeNothingAndTheSessionGoesOn) {
  Result(kDetails);
  const Json before = Result(R"(["state"])");
  EXPECT_THAT(Error("[\"state\""), StartsWith("not a JSON line: "));
  EXPECT_THAT(Error("state"), StartsWith("not a JSON line: "));
  EXPECT_THAT(Error("[\"OrderType\"] trailing"), StartsWith("not a JSON line: "));
  EXPECT_EQ(Error(R"(["OrderedAmount", 1e400])"),
            "not a JSON line: number overflow parsing '1e400'");
  const std::string not_a_request = "a request is a JSON array whose first element is a verb";
  for (const char* line : {"[]", "{\"verb\": 1}", "[1, 2]", "[null]", "\"state\"", "42"}) {
    EXPECT_EQ(Error(line), not_a_request) << line;
  }
  EXPECT_EQ(Error(R"(["Orderype"])"), "unknown verb 'Orderype'");
  EXPECT_EQ(Error(R"(["ordertype"])"), "unknown verb 'ordertype'");
  EXPECT_EQ(Error(R"(["state", 1])"), "state takes 0 arguments, not 1");
  EXPECT_EQ(Error(R"(["new", "now"])"), "new takes 0 arguments, not 1");
  EXPECT_EQ(Result(R"(["state"])"), before);
}

TEST_F(SessionTest, HostCallArgumentsFollowTheAutomationTypes) {
  const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {R"(["PaymentDetails", 32768, 44, 1, 0, 250, ""])",
       "PaymentDetails: argument 1 overflows a 16-bit integer"},
      {R"(["PaymentDetails", 1, -32769, 1, 0, 250, ""])",
       "PaymentDetails: argument 2 overflows a 16-bit integer"},
      {R"(["PaymentDetails", 1, 44, 1.0, 0, 250, ""])",
       "type mismatch: PaymentDetails: argument 3 must be a 16-bit integer"},
      {R"(["PaymentDetails", 1, 44, "1", 0, 250, ""])",
       "type mismatch: PaymentDetails: argument 3 must be a 16-bit integer"},
      {R"(["PaymentDetails", 1, 44, 1, "0", 250, ""])",
       "type mismatch: PaymentDetails: argument 4 must be a double"},
      {R"(["PaymentDetails", 1, 44, 1, 0, 250, null])",
       "type mismatch: PaymentDetails: argument 6 must be text"},
      {R"(["PaymentDetails", 1, 44, 1, 0, 250])", "PaymentDetails: takes 6 arguments, not 5"},
      {R"(["GetPaymentID", 2])", "type mismatch: GetPaymentID: argument 1 must be text"},
      {R"(["EnableNewPayment", 1])",
       "type mismatch: EnableNewPayment: argument 1 must be a boolean"},
      {R"(["OrderedAmount", [250]])",
       "type mismatch: argument 1 of OrderedAmount must be a string, a number, a boolean or "
       "null"},
      {R"(["WritePaymentData", "", "", "", "~", 124])",
       "type mismatch: WritePaymentData: argument 5 must be text"},
  };
  for (const auto& c : cases) EXPECT_EQ(Error(c.line), c.error);
  // None of them reached the control.
  const Json state = Result(R"(["state"])");
  EXPECT_EQ(state["mtMode"], "");
  EXPECT_EQ(state["mtFieldSeparator"], "");
  EXPECT_TRUE(Get("cmdAdd")["enabled"]);
  EXPECT_EQ(Get("txtOrderedAmount")["text"], "0.00");
}

TEST_F(SessionTest, HostCallsGiveTheirResults) {
  EXPECT_EQ(Result(R"(["PaymentDetails", -32768, 32767, 2, 1.5, 250.25, "x"])"), nullptr);
  Result(kLoad);
  EXPECT_EQ(Result(R"(["GetPaymentID", "Check"])"), 2);
  EXPECT_EQ(Result(R"(["GetPaymentID", "check"])"), 0);
  EXPECT_EQ(Result(R"(["GetNonSelectableID", "On Account"])"), true);
  EXPECT_EQ(Result(R"(["GetNonSelectableID", "Cash"])"), false);
  EXPECT_EQ(Result(R"(["OrderType"])"), 2);
  EXPECT_EQ(Result(R"(["EnableNewPayment", false])"), nullptr);
  EXPECT_FALSE(Get("cmdAdd")["enabled"]);
  const Json state = Result(R"(["state"])");
  EXPECT_EQ(state["mtMode"], "-32768");
  EXPECT_EQ(state["miCountry"], 32767);
  EXPECT_EQ(state["mdCurCnversRate"], 1.5);
  EXPECT_EQ(state["mdOrderedAmount"], 250.25);
  EXPECT_EQ(state["mtDateOrderTaken"], "x");
  EXPECT_EQ(state["paymentTypes"],
            Json::parse(R"([["0","Cash","0"],["1","On Account","1"],["2","Check","0"]])"));
}

// The state answer names the currency's decimals once the host set them, by name or by
// number, and not before: a host that never sets them gets the answer as it always was.
TEST_F(SessionTest, CurrencyDecimalsShowInTheStateOnceSet) {
  const std::vector<std::string> classic = Keys(Result(R"(["state"])"));
  EXPECT_THAT(classic, ::testing::Not(::testing::Contains("miCurrencyDecimals")));
  EXPECT_EQ(Error(R"(["CurrencyDecimals", 1])"),
            "CurrencyDecimals: 1 decimals are not taken; amounts are shown with 0, 2 or 3");
  EXPECT_EQ(Error(R"(["CurrencyDecimals", 2.0])"),
            "type mismatch: CurrencyDecimals: argument 1 must be a 16-bit integer");
  EXPECT_EQ(Keys(Result(R"(["state"])")), classic) << "refused, so still not set";
  EXPECT_EQ(Result(R"(["CurrencyDecimals", 2])"), nullptr);
  EXPECT_EQ(Result(R"(["state"])")["miCurrencyDecimals"], 2);
  EXPECT_EQ(Result(R"(["invoke", 1610809416, 0])"), nullptr) << "0x60030048";
  EXPECT_EQ(Result(R"(["state"])")["miCurrencyDecimals"], 0);
  EXPECT_EQ(Get("txtTotalAmount")["text"], "0");
  Result(kDetails);
  Result(kLoad);
  EXPECT_THAT(Error(R"(["CurrencyDecimals", 3])"), HasSubstr("before WritePaymentData"));
  Result(R"(["new"])");
  EXPECT_EQ(Keys(Result(R"(["state"])")), classic);
}

// The state names the masking only once the host has set it, so that a session that never
// does answers as it always has; a new control has not set it.
TEST_F(SessionTest, TheStateNamesMaskingOnceSet) {
  const std::vector<std::string> keys = Keys(Result(R"(["state"])"));
  EXPECT_THAT(keys, ::testing::Not(::testing::Contains("maskCardNumbers")));
  EXPECT_EQ(Error(R"(["MaskCardNumbers", 1])"),
            "type mismatch: MaskCardNumbers: argument 1 must be a boolean");
  EXPECT_EQ(Result(R"(["state"])").size(), keys.size());
  EXPECT_EQ(Result(R"(["MaskCardNumbers", false])"), nullptr);
  EXPECT_EQ(Result(R"(["state"])")["maskCardNumbers"], false);
  EXPECT_EQ(Result(R"(["invoke", 1610809417, true])"), nullptr);
  EXPECT_EQ(Result(R"(["state"])")["maskCardNumbers"], true);
  Result(R"(["new"])");
  EXPECT_EQ(Keys(Result(R"(["state"])")), keys);
}

TEST_F(SessionTest, ControlErrorsAnswerFalseWithTheHostsMessage) {
  EXPECT_EQ(Error(R"(["OrderedAmount", 12.5])"),
            "OrderedAmount: the mode is not set; call PaymentDetails first");
  EXPECT_EQ(Get("txtOrderedAmount")["text"], "12.50") << "shown before it failed";
  Result(kDetails);
  const std::string error =
      Error(R"(["WritePaymentData", "", "0~Cash~0|", "0~1001~~ten~Dec 02, 2026~7~|", "~", "|"])");
  EXPECT_THAT(error, HasSubstr("'ten'"));
  EXPECT_EQ(Get("lstPayment")["rows"], Json::array()) << "all or nothing";
}

TEST_F(SessionTest, InvokeConvertsJsonToVariants) {
  // 0x60030015 PaymentDetails: a 16-bit parameter takes only a JSON integer.
  EXPECT_EQ(Error(R"(["invoke", 1610809365, 1, 44, 2.0, 0, 250, "Dec 01, 2026"])"),
            "type mismatch: PaymentDetails: argument 3 must be a 16-bit integer");
  EXPECT_EQ(Result(R"(["invoke", 1610809365, 1, 44, 2, 0, 250, "Dec 01, 2026"])"), nullptr);
  EXPECT_EQ(Result(R"(["invoke", 1610809404])"), 2) << "0x6003003C OrderType";
  Result(kLoad);
  EXPECT_EQ(Result(R"(["invoke", 1610809350, "Check"])"), 2) << "0x60030006 GetPaymentID";
  EXPECT_EQ(Result(R"(["invoke", 1610809411, "On Account"])"), true);
  EXPECT_EQ(Result(R"(["invoke", 1610809366])"), 120) << "0x60030016 TotalAmount";

  EXPECT_EQ(Error(R"(["invoke", 1610809365, 40000, 44, 2, 0, 250, ""])"),
            "PaymentDetails: argument 1 overflows a 16-bit integer");
  EXPECT_THAT(Error(R"(["invoke", 1610809350, ["Check"]])"),
              HasSubstr("argument 2 of invoke must be a string, a number, a boolean or null"));
  EXPECT_THAT(Error(R"(["invoke", 1610809350, {"a": 1}])"), HasSubstr("type mismatch"));
  EXPECT_THAT(Error(R"(["invoke", 1610809350])"), StartsWith("GetPaymentID: takes 1"));
  EXPECT_EQ(Error(R"(["invoke", 12])"), "unknown dispatch number 12");
  EXPECT_EQ(Error(R"(["invoke", "1610809404"])"),
            "type mismatch: argument 1 of invoke must be an integer");
  EXPECT_EQ(Error(R"(["invoke", 4294967296])"),
            "type mismatch: argument 1 of invoke must be an integer");
  EXPECT_EQ(Error(R"(["invoke"])"), "invoke takes a dispatch number and its arguments");
  EXPECT_EQ(Result(R"(["state"])")["miOrderType"], 2) << "the refused calls changed nothing";
}

TEST_F(SessionTest, RefusedOperatorActionsSayWhy) {
  Result(R"(["EnableNewPayment", false])");
  const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {R"(["click", "cmdNone"])", "unknown widget 'cmdNone'"},
      {R"(["click", "cmdAdd"])", "cmdAdd is disabled"},
      {R"(["click", "txtAmount"])", "txtAmount is not a command button"},
      {R"(["click", "lstPayment"])", "click on lstPayment needs a row"},
      {R"(["click", "lstPayment", 0])", "lstPayment has no row 0"},
      {R"(["click", "lstPayment", "0"])", "type mismatch: argument 2 of click must be an integer"},
      {R"(["click", "cmdAdd", 0, 1])",
       "click takes a button, or the list and a row, not 3 arguments"},
      {R"(["focus", "Label1"])", "Label1 cannot take the focus"},
      {R"(["focus", "DTPckrPaymentDate"])", "DTPckrPaymentDate is hidden"},
      {R"(["focus", "cboCreditCard"])", "cboCreditCard is disabled"},
      {R"(["type", "txtReference", 12])", "type mismatch: argument 2 of type must be a string"},
      {R"(["type", "txtReference", "a€"])", "only characters of codes 1 to 255 can be typed"},
      {R"(["type", "cboPaymentType", "a"])", "cboPaymentType is not a text box"},
      {R"(["key", "lstPayment", 256])", "key code 256"},
      {R"(["choose", "cboPaymentType", "Cash"])", "cboPaymentType has no entry 'Cash'"},
      {R"(["pick", "DTPckrPaymentDate", "2026-12-6"])",
       "type mismatch: argument 2 of pick must be a date \"YYYY-MM-DD\""},
      {R"(["pick", "DTPckrPaymentDate", "2026-02-29"])",
       "type mismatch: argument 2 of pick must be a date \"YYYY-MM-DD\""},
      {R"(["pick", "DTPckrPaymentDate", "2061-01-01"])",
       "DTPckrPaymentDate accepts dates from 1900-01-01 to 2060-12-31"},
      {R"(["pick", "DTPckrPaymentDate", "2026-12-24"])", "DTPckrPaymentDate is hidden"},
      {R"(["answer", "Yes"])", "answer takes \"yes\" or \"no\""},
  };
  for (const auto& c : cases) EXPECT_EQ(Error(c.line), c.error) << c.line;
  const Json state = Result(R"(["state"])");
  EXPECT_EQ(state["focus"], nullptr);
  EXPECT_EQ(Get("txtReference")["text"], "");
}

TEST_F(SessionTest, TypingAndSelectingEditTheTextAtTheCaret) {
  EXPECT_EQ(Result(R"(["type", "txtReference", "AB-12"])"), nullptr);
  Result(R"(["select", "txtReference", 1, 3])");
  Json box = Get("txtReference");
  EXPECT_EQ(box["selStart"], 1);
  EXPECT_EQ(box["selLength"], 3);
  EXPECT_EQ(box["focused"], true);
  Result(R"(["type", "txtReference", "\b"])");
  Result(R"(["select", "txtReference", -5, 99])");
  box = Get("txtReference");
  EXPECT_EQ(box["selStart"], 0);
  EXPECT_EQ(box["selLength"], box["text"].get<std::string>().size());
  EXPECT_EQ(Result(R"(["state"])")["focus"], "txtReference");
  // Typing into a locked box runs no edit.
  Result(R"(["type", "txtTotalAmount", "9"])");
  EXPECT_EQ(Get("txtTotalAmount")["text"], "0.00");
}

TEST_F(SessionTest, InspectionUsesTheProtocolsKeysAndForms) {
  EXPECT_THAT(Keys(Get("txtAmount")),
              ElementsAre("kind", "text", "enabled", "locked", "visible", "backColor", "selStart",
                          "selLength", "focused", "zOrder"));
  EXPECT_THAT(Keys(Get("cboPaymentType")),
              ElementsAre("kind", "text", "listIndex", "items", "enabled", "locked", "visible",
                          "backColor", "focused", "zOrder"));
  EXPECT_EQ(Get("cmdAdd"), Json::parse(R"({"kind": "CommandButton", "caption": "New Payment",
                                           "enabled": true, "focused": false})"));
  EXPECT_EQ(Get("Label1"), Json::parse(R"({"kind": "Label", "caption": "Ordered Amount $:"})"));
  EXPECT_EQ(Get("Framain"), Json::parse(R"({"kind": "Frame", "caption": ""})"));
  EXPECT_EQ(Get("DTPckrPaymentDate"),
            Json::parse(R"({"kind": "DTPicker", "visible": false, "value": "2026-12-06",
                            "customFormat": "MMM dd, yyyy"})"));
  const Json amount = Get("txtAmount");
  EXPECT_EQ(amount["backColor"], "0x8000000F");
  EXPECT_EQ(amount["text"], "0.00");
  EXPECT_EQ(amount["selStart"], 4) << "caret at the end of the design-time text";
  EXPECT_EQ(Get("txtBalanceAmount")["zOrder"], 0);
  EXPECT_EQ(Get("txtOrderedAmount")["zOrder"], 0) << "front-most inside the frame";
  EXPECT_EQ(Get("cboPaymentType")["listIndex"], -1);
  const Json list = Get("lstPayment");
  EXPECT_EQ(list["selected"], nullptr);
  EXPECT_EQ(list["columns"][3],
            Json::parse(R"j({"text": "Amount ($)", "width": 1308, "alignment": "right"})j"));
  EXPECT_EQ(Error(R"(["get", "lblNone"])"), "unknown widget 'lblNone'");
  EXPECT_EQ(Error(R"(["get"])"), "get takes 1 argument, not 0");
}

TEST_F(SessionTest, ScreenHoldsEveryWidgetByName) {
  const Json screen = Result(R"(["screen"])");
  ASSERT_EQ(screen.size(), kWidgetCount);
  for (const WidgetDesign& design : kScreenLayout) {
    EXPECT_EQ(screen[std::string(design.name)], Get(design.name)) << design.name;
  }
}

TEST_F(SessionTest, LoadedRowsShowWithTheirCells) {
  Result(kDetails);
  Result(kLoad);
  const Json list = Get("lstPayment");
  ASSERT_EQ(list["rows"].size(), 2u);
  EXPECT_EQ(list["rows"][0]["text"], "Check");
  EXPECT_EQ(list["rows"][0]["subItems"],
            Json::parse(R"(["1001", "", "100.00", "Dec 02, 2026", "7", ""])"));
  EXPECT_EQ(list["rows"][0]["foreColor"], "0x80000008");
  EXPECT_EQ(list["selected"], nullptr);
  Result(R"(["click", "lstPayment", 1])");
  EXPECT_EQ(Get("lstPayment")["selected"], 1);
  Result(R"(["key", "lstPayment", 38])");
  EXPECT_EQ(Get("lstPayment")["selected"], 0);
  EXPECT_EQ(Result(R"(["TotalAmount"])"), 120);
}

TEST_F(SessionTest, EventsMessagesAndBeepsBelongToTheirRequest) {
  Result(kDetails);
  Result(R"(["WritePaymentData", "", "0~Cash~0|1~On Account~0|2~Check~0|", "", "~", "|"])");
  Result(R"(["click", "cmdAdd"])");
  Json answer = Ask(R"(["type", "txtReference", "10-0-1"])");
  EXPECT_EQ(answer["beeps"], 2) << "the reference takes letters and digits only";
  EXPECT_EQ(Get("txtReference")["text"], "1001");
  Result(R"(["type", "txtAmount", "100"])");
  answer = Ask(R"(["click", "cmdAdd"])");
  EXPECT_EQ(answer["events"], Json::parse(R"([{"AmountTotal": 100}])"));
  EXPECT_EQ(answer["messages"], Json::array());
  answer = Ask(R"(["TotalAmount"])");
  EXPECT_EQ(answer["events"], Json::array()) << "taken with the request that raised them";
  EXPECT_EQ(answer["beeps"], 0);
  EXPECT_EQ(Result(R"(["ReadPaymentData"])"), "Dec 01, 2026~2~1001~~100~~N|");
}

TEST_F(SessionTest, YesNoBoxesTakeQueuedAnswersInOrder) {
  Result(kDetails);
  Result(kLoad);
  Result(R"(["answer", "no"])");
  Result(R"(["answer", "yes"])");
  // An OK box answers OK and leaves the queue alone.
  Result(R"(["click", "cmdAdd"])");
  Json answer = Ask(R"(["click", "cmdAdd"])");
  ASSERT_EQ(answer["messages"].size(), 1u);
  EXPECT_EQ(answer["messages"][0]["style"], 64);
  EXPECT_EQ(answer["messages"][0]["answer"], 1);
  Result(R"(["click", "cmdEdit"])");  // Cancel

  Result(R"(["click", "lstPayment", 0])");
  const std::string question = "Do you want to delete the selected payment record";
  for (int expected : {7, 6}) {
    answer = Ask(R"(["click", "cmdDelete"])");
    const Json box = {
        {"prompt", question}, {"style", 36}, {"title", "Payment"}, {"answer", expected}};
    EXPECT_EQ(answer["messages"], Json::array({box}));
  }
  EXPECT_EQ(Result(R"(["TotalAmount"])"), 20) << "deleted once, by the Yes";
  // The queue is empty: a Yes/No box gets No.
  answer = Ask(R"(["click", "cmdDelete"])");
  EXPECT_EQ(answer["messages"][0]["answer"], 7);
  // A new control starts with no queued answers.
  Result(R"(["answer", "yes"])");
  Result(R"(["new"])");
  Result(kDetails);
  Result(kLoad);
  Result(R"(["click", "lstPayment", 0])");
  EXPECT_EQ(Ask(R"(["click", "cmdDelete"])")["messages"][0]["answer"], 7);
}

TEST_F(SessionTest, NewStartsAgainFromStartUp) {
  const Json fresh_screen = Result(R"(["screen"])");
  const Json fresh_state = Result(R"(["state"])");
  EXPECT_EQ(fresh_state["paymentTypes"], nullptr);
  EXPECT_EQ(fresh_state["focus"], nullptr);
  Result(kDetails);
  Result(kLoad);
  Result(R"(["type", "txtReference", "x"])");
  Result(R"(["answer", "yes"])");
  EXPECT_EQ(Result(R"(["new"])"), nullptr);
  EXPECT_EQ(Result(R"(["screen"])"), fresh_screen);
  EXPECT_EQ(Result(R"(["state"])"), fresh_state);
  EXPECT_EQ(Result(R"(["GetPaymentID", "Check"])"), 0);
}

// Every control of a session with a catalog speaks its language, a new one too; the answers'
// data and the state are those of any session.
TEST(CatalogSessionTest, EveryControlOfTheSessionTakesTheCatalog) {
  Session german(kToday, MakeHeadlessScreen, Catalog::German());
  Session english(kToday);
  for (Session* session : {&german, &english}) {
    session->HandleLine(kDetails);
    session->HandleLine(kLoad);
  }
  const auto result = [](Session& session, std::string_view line) {
    return (*session.HandleLine(line))["result"];
  };
  EXPECT_EQ(result(german, R"(["get", "cmdAdd"])")["caption"], "Neue Zahlung");
  EXPECT_EQ(result(german, R"(["get", "lstPayment"])")["rows"],
            result(english, R"(["get", "lstPayment"])")["rows"]);
  EXPECT_EQ(result(german, R"(["state"])"), result(english, R"(["state"])"));
  result(german, R"(["new"])");
  EXPECT_EQ(result(german, R"(["get", "lblReference"])")["caption"], "Referenz:");
}

TEST(AnswerLineTest, CompactAndNeverFailingOnBadUtf8) {
  const Json answer = {{"ok", true}, {"result", std::string("a\xff") + "b"}, {"n", 100.0}};
  EXPECT_EQ(AnswerLine(answer),
            "{\"ok\":true,\"result\":\"a\xEF\xBF\xBD"
            "b\",\"n\":100.0}");
}

Options Parse(std::vector<std::string_view> args) { return ParseOptions(args); }

std::string UsageErrorOf(std::vector<std::string_view> args) {
  try {
    ParseOptions(args);
  } catch (const UsageError& e) {
    return e.what();
  }
  return "(accepted)";
}

TEST(OptionsTest, ReadsTodayToolkitAndScript) {
  Options o = Parse({"--toolkit", "headless", "--today", "2026-12-06", "s.jsonl"});
  EXPECT_EQ(o.today, kToday);
  EXPECT_EQ(o.script, "s.jsonl");
  EXPECT_EQ(o.toolkit, ToolkitChoice::kHeadless);
  EXPECT_FALSE(o.help);
  EXPECT_EQ(Parse({"--toolkit=qt"}).toolkit, ToolkitChoice::kQt);
  o = Parse({"--today=1900-01-01", "--toolkit=headless"});
  EXPECT_EQ(o.today, year{1900} / January / 1);
  EXPECT_EQ(o.script, std::nullopt);
  EXPECT_EQ(Parse({"-"}).script, std::nullopt) << "standard input";
  EXPECT_EQ(Parse({"--", "--today"}).script, "--today");
  EXPECT_TRUE(Parse({"--help"}).help);
  EXPECT_EQ(Parse({"--catalog", "de.ts"}).catalog, "de.ts");
  EXPECT_EQ(Parse({"--catalog=de.ts", "s.jsonl"}).catalog, "de.ts");
  EXPECT_EQ(Parse({"s.jsonl"}).catalog, std::nullopt);
}

TEST(OptionsTest, UsageErrors) {
  EXPECT_THAT(UsageErrorOf({"--toolkit", "gtk"}), HasSubstr("unknown toolkit 'gtk'"));
  EXPECT_THAT(UsageErrorOf({"--today"}), "--today needs a value");
  EXPECT_THAT(UsageErrorOf({"s.jsonl", "--catalog"}), "--catalog needs a value");
  for (const char* date : {"2026-12-6", "Dec 06, 2026", "2061-01-01", "1899-12-31", ""}) {
    EXPECT_THAT(UsageErrorOf({"--today", date}), HasSubstr("--today takes a date")) << date;
  }
  EXPECT_THAT(UsageErrorOf({"--verbose"}), "unknown option '--verbose'");
  EXPECT_THAT(UsageErrorOf({"a.jsonl", "b.jsonl"}), "only one script can be named");
}

}  // namespace
}  // namespace corvane::host

// Late binding: names, dispatch numbers and automation-style arguments.
#include "corvane/dispatch.h"

#include <gmock/gmock.h>

#include <limits>

#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using DispatchTest = ControlTest;

TEST_F(DispatchTest, NamesAndNumbers) {
  EXPECT_EQ(DispIdOf("PaymentDetails"), 0x60030015);
  EXPECT_EQ(DispIdOf("EnableNewPayment"), 0x60030047);
  EXPECT_EQ(DispIdOf("MaskCardNumbers"), 0x60030049);
  EXPECT_EQ(NameOf(0x60030048), "CurrencyDecimals");
  EXPECT_EQ(NameOf(0x6003004A), "");
  EXPECT_EQ(DispIdOf("paymentdetails"), std::nullopt);
  EXPECT_EQ(NameOf(0x6003003C), "OrderType");
  EXPECT_EQ(NameOf(1), "");
}

TEST_F(DispatchTest, CallsReachTheTypedOperations) {
  std::vector<Variant> details{std::int16_t{1}, std::int16_t{44},
                               std::int16_t{2}, std::int16_t{0},
                               250.0,           std::string("Dec 01, 2026")};
  EXPECT_EQ(Invoke(control, 0x60030015, details), Variant{});
  std::vector<Variant> load{std::string(""), std::string(kTypes), std::string("2~R~A~10~d~S|"),
                            std::string("~"), std::string("|")};
  Invoke(control, 0x60030011, load);
  std::vector<Variant> name{std::string("Wire")};
  EXPECT_EQ(Invoke(control, 0x60030006, name), Variant{std::int16_t{5}});
  EXPECT_EQ(Invoke(control, 0x60030043, name), Variant{false});
  EXPECT_EQ(Invoke(control, 0x60030016, {}), Variant{10.0});
  EXPECT_EQ(Invoke(control, 0x6003003C, {}), Variant{std::int16_t{2}});
  EXPECT_EQ(Invoke(control, 0x60030014, {}), Variant{std::string()});
  std::vector<Variant> off{false};
  Invoke(control, 0x60030047, off);
  EXPECT_EQ(Buttons(), "nnn");
  std::vector<Variant> on{true};
  EXPECT_EQ(Invoke(control, 0x60030049, on), Variant{});
  EXPECT_EQ(control.Snapshot().mask_card_numbers, true);
  EXPECT_EQ(details[5], Variant{std::string("Dec 01, 2026")}) << "by-reference arguments stay";
}

// Arguments are checked before the call: a refusal says what is wrong and nothing reaches
// the control. A double holding a whole number is no 16-bit integer, and overflows one
// beyond its ends.
TEST_F(DispatchTest, RefusalsSayWhatIsWrong) {
  const auto details = [](const Variant& mode, const Variant& country = std::int16_t{0}) {
    return std::vector<Variant>{mode, country, std::int16_t{1}, 0.0, 250.0, std::string()};
  };
  const std::string pd_mismatch =
      "type mismatch: PaymentDetails: argument 1 must be a 16-bit integer";
  const std::string pd_overflow = "PaymentDetails: argument 1 overflows a 16-bit integer";
  const std::string not_boolean = "type mismatch: EnableNewPayment: argument 1 must be a boolean";
  const struct {
    std::int32_t dispid;
    std::vector<Variant> args;
    std::string error;
  } cases[] = {
      {0x12345678, {}, "unknown dispatch number 305419896"},
      {0x60030016, {1.0}, "TotalAmount: takes 0 arguments, not 1"},
      {0x60030029, {std::string("5")}, "type mismatch: OrderedAmount: argument 1 must be a double"},
      {0x60030047, {std::int16_t{1}}, not_boolean},
      {0x60030047, {std::string("True")}, not_boolean},
      {0x60030049, {1.0}, "type mismatch: MaskCardNumbers: argument 1 must be a boolean"},
      {0x60030049, {}, "MaskCardNumbers: takes 1 argument, not 0"},
      {0x60030006, {Variant{}}, "type mismatch: GetPaymentID: argument 1 must be text"},
      {0x60030015, details(32767.0), pd_mismatch},
      {0x60030015, details(1.5), pd_mismatch},
      {0x60030015, details(kNaN), pd_mismatch},
      {0x60030015, details(std::string("1")), pd_mismatch},
      {0x60030015, details(32768.0), pd_overflow},
      {0x60030015, details(-32769.0), pd_overflow},
      {0x60030015, details(kInf), pd_overflow},
      {0x60030015, details(std::int16_t{1}, 1.5),
       "type mismatch: PaymentDetails: argument 2 must be a 16-bit integer"},
  };
  const std::string before = Buttons() + " " + Text(W::txtOrderedAmount);
  for (auto c : cases) {
    EXPECT_EQ(ErrorOf([&] { Invoke(control, c.dispid, c.args); }), "dispatch: " + c.error);
  }
  EXPECT_EQ(control.Snapshot().mode, std::nullopt) << "nothing reached the control";
  EXPECT_EQ(control.Snapshot().mask_card_numbers, std::nullopt);
  EXPECT_EQ(Buttons() + " " + Text(W::txtOrderedAmount), before);

  for (std::int16_t mode : {std::int16_t{-32768}, std::int16_t{32767}}) {
    std::vector<Variant> args = details(mode);
    EXPECT_EQ(ErrorOf([&] { Invoke(control, 0x60030015, args); }), "") << mode;
    EXPECT_EQ(control.Snapshot().mode, mode);
  }
  std::vector<Variant> name{k10MB};
  EXPECT_EQ(Invoke(control, 0x60030006, name), Variant{std::int16_t{0}});
}

TEST_F(DispatchTest, HostErrorsPassThrough) {
  std::vector<Variant> amount{std::int16_t{5}};
  EXPECT_THROW(Invoke(control, 0x60030029, amount), HostError);
  EXPECT_EQ(Text(W::txtOrderedAmount), "5.00");
}

}  // namespace
}  // namespace corvane::testing

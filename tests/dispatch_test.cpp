// Late binding: names, dispatch numbers and automation-style arguments.
#include "control/dispatch.h"

#include <gmock/gmock.h>

#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

using DispatchTest = ControlTest;

TEST_F(DispatchTest, NamesAndNumbers) {
  EXPECT_EQ(DispIdOf("PaymentDetails"), 0x60030015);
  EXPECT_EQ(DispIdOf("EnableNewPayment"), 0x60030047);
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
  EXPECT_EQ(details[5], Variant{std::string("Dec 01, 2026")}) << "by-reference arguments stay";
}

TEST_F(DispatchTest, RefusalsSayWhatIsWrong) {
  const struct {
    std::int32_t dispid;
    std::vector<Variant> args;
    std::string error;
  } cases[] = {
      {0x12345678, {}, "unknown dispatch number 305419896"},
      {0x60030016, {1.0}, "TotalAmount: takes 0 arguments, not 1"},
      {0x60030029, {std::string("5")}, "type mismatch: OrderedAmount: argument 1 must be a double"},
      {0x60030047,
       {std::int16_t{1}},
       "type mismatch: EnableNewPayment: argument 1 must be a boolean"},
      {0x60030006, {Variant{}}, "type mismatch: GetPaymentID: argument 1 must be text"},
      {0x60030015,
       {40000.0, std::int16_t{0}, std::int16_t{0}, 0.0, 0.0, std::string()},
       "PaymentDetails: argument 1 overflows a 16-bit integer"},
      {0x60030015,
       {std::int16_t{1}, 1.5, std::int16_t{0}, 0.0, 0.0, std::string()},
       "type mismatch: PaymentDetails: argument 2 must be a 16-bit integer"},
  };
  for (auto c : cases) {
    try {
      Invoke(control, c.dispid, c.args);
      ADD_FAILURE() << "no error for " << c.error;
    } catch (const DispatchError& e) {
      EXPECT_EQ(e.what(), c.error);
    }
  }
  EXPECT_EQ(control.Snapshot().mode, std::nullopt) << "nothing reached the control";
}

TEST_F(DispatchTest, HostErrorsPassThrough) {
  std::vector<Variant> amount{std::int16_t{5}};
  EXPECT_THROW(Invoke(control, 0x60030029, amount), HostError);
  EXPECT_EQ(Text(W::txtOrderedAmount), "5.00");
}

}  // namespace
}  // namespace corvane::testing

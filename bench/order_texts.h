// The host's texts the benchmarks load: payment-type tables and stored payments shaped as
// a shop's real ones, the same on every run.
#pragma once

#include <string>
#include <string_view>

namespace corvane::bench {

inline constexpr std::string_view kFieldSeparator = "~";
inline constexpr std::string_view kRecordSeparator = "|";
inline constexpr std::string_view kCreditCards = "Visa|Mastercard|Amex|Diners|";

// The ten payment types of a shop, IDs equal to positions: Cash, On Account, Check, ...,
// Credit Card (ID 8), Direct Debit.
std::string ShopPaymentTypes();
// `count` payment types "<i>~Tender Type <i, four digits>~0", IDs equal to positions: the
// same name length whatever the count.
std::string NumberedPaymentTypes(int count);
// The name NumberedPaymentTypes gives position `position`.
std::string NumberedTypeName(int position);

// `rows` stored payments, types spread over positions 0 to `type_count` - 1, each with a
// 16-19 character reference, a 6-character authorization, an amount such as 1234.56, a
// date such as "Nov 30, 2026" and an 8-digit sequence.
std::string StoredPayments(int rows, int type_count);

// The average number of characters a loaded row shows (its seven cells), for `rows` rows
// of StoredPayments over ShopPaymentTypes.
double ShopRowCharacters(int rows);

}  // namespace corvane::bench

/// @file
/// How a card number is shown on a screen that must not show it whole: its digits hidden
/// but for the first six and the last four (of a number of more than 12 digits) or the last
/// four (of a shorter one). Only the ASCII digits 0 to 9 count and are hidden, each by one
/// mask character; every other character stays where it is, so that the grouping and any
/// letters show as they were.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

/// The mask character, U+2022 BULLET, in UTF-8.
inline constexpr std::string_view kCardMask = "\xE2\x80\xA2";

/// `reference` masked: "4111 1111 1111 1111" gives "4111 11•• •••• 1111", "1234-5678" gives
/// "••••-5678". A reference of four digits or fewer, or of no digits, comes back unchanged.
/// Any bytes, well-formed UTF-8 or not, are kept as they are: a digit's byte never occurs
/// inside a longer UTF-8 sequence. The result has as many characters as `reference`.
std::string MaskCardNumber(std::string_view reference);

}  // namespace corvane

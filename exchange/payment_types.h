// The payment-type table: one entry per payment-type record of the host's text, each the
// list of that record's text fields (0 ID, 1 name, 2 non-selectable flag, later ones kept
// and never read).
#pragma once

#include <string>
#include <vector>

namespace corvane {

using PaymentTypeEntry = std::vector<std::string>;
using PaymentTypeTable = std::vector<PaymentTypeEntry>;

}  // namespace corvane

// The payment types of the demo's sample data, today's and those of demo databases made
// before the credit card type moved to ID 8.
#pragma once

#include <vector>

#include "tools/corvane_demo/order_data.h"

namespace corvane::demo {

// IDs 0 to 8 in order. The control opens the credit card fields for the type with ID 8 and
// offers every type but those at positions 0, 3 and 4, so Credit Card sits at 8 with three
// offered types between it and Voucher, as the order-entry applications around the control
// number them.
std::vector<PaymentType> SamplePaymentTypes();

// The six types (Credit Card at ID 5) that demo databases made before held; the store
// moves such a database to SamplePaymentTypes() when it opens it.
std::vector<PaymentType> FormerSamplePaymentTypes();

}  // namespace corvane::demo

// The host's calls: the operations of the automation interface by name, and `invoke`
// by dispatch number; both reach the control through the dispatch layer.
#pragma once

#include <string_view>

#include "corvane/corvane.h"
#include "corvane/dispatch.h"
#include "tools/corvane_host/arguments.h"

namespace corvane::host {

// True for the name of one of the operations.
bool IsHostCall(std::string_view verb);

// Calls the operation named by the verb and gives its result (null when it has none).
// Throws RequestError or DispatchError before the call for a wrong count or type; the
// control's own HostError passes through.
Json CallHost(Corvane& control, const Arguments& args);

// ["invoke", dispatchNumber, args...]: the JSON arguments become variants, the dispatch
// layer calls the operation. Throws RequestError, DispatchError or HostError.
Json InvokeByNumber(Corvane& control, const Arguments& args);

// A JSON scalar as an automation argument: an integer that fits 16 bits is a 16-bit
// integer, any other number a double. Throws RequestError for an array or an object.
Variant ToVariant(const Json& value, std::string_view where);
Json FromVariant(const Variant& value);

}  // namespace corvane::host

/// @file
/// The error a host operation throws.
#pragma once

#include <stdexcept>

namespace corvane {

/// The error a host operation returns to the host; the message says what failed.
class HostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace corvane

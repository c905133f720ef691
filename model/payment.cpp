#include "model/payment.h"

namespace corvane {

std::string_view MarkText(Mark mark) {
  switch (mark) {
    case Mark::kNew:
      return "N";
    case Mark::kUpdated:
      return "U";
    case Mark::kDeleted:
      return "D";
    case Mark::kNone:
      break;
  }
  return "";
}

}  // namespace corvane

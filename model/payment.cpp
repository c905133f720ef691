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

Payment PaymentView::Copy() const {
  return {std::string(type),
          std::string(reference),
          std::string(authorization),
          std::string(amount),
          std::string(date),
          std::string(sequence),
          mark,
          mark_before_delete};
}

}  // namespace corvane

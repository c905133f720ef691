#include "corvane/catalog.h"

#include "surface/shipped_catalogs.h"

namespace corvane {
namespace {

// clang-format off
constexpr std::string_view kClassicTexts[] = {
    // The buttons' captions, and the labels'.
    "New Payment", "Save", "Edit", "Cancel", "Delete", "Undelete",
    "Payment Type:", "Bris Credit Card:", "Reference:", "Authorization:", "Amount $:",
    "Payment Date:", "Ordered Amount $:", "Total Amount $:", "Balance Amount $:",
    "Version Number: %1",
    // The credit card box when the host offers no card.
    "Not Found",
    // The list: its visible columns' headers, its name and a deleted payment's description,
    // both for screen readers.
    "Payment Type", "Reference", "Authorization", "Amount ($)", "Payment Date",
    "Payments", "Deleted",
    // The date picker's form, in Qt's date format letters.
    "MMM dd, yyyy",
    // The messages of a refused save, and their titles.
    "%1 cannot be selected from the center for use on a new or existing payment.",
    "Please enter the Reference Number",
    "Autorization Number cannot exceed 20 characters",
    "Reference Number cannot exceed  20 characters",
    "Please enter the Payment Amount",
    "The Total Amount of all payments has to be less than or equal to Ordered Amount ",
    " Corvane", "Corvane",
    // The questions of Delete and Undelete, and their title.
    "Do you want to delete the selected payment record",
    "Do you want to Undelete the selected payment record",
    "Payment",
    // The captions with their access keys, '&' before the letter, where a toolkit has them.
    "&New Payment", "&Save", "&Edit", "&Cancel", "&Delete", "&Undelete",
    "&Payment Type:", "&Bris Credit Card:", "&Reference:", "&Authorization:", "A&mount $:",
    "Pa&yment Date:", "&Ordered Amount $:", "&Total Amount $:", "Ba&lance Amount $:",
};
// clang-format on

}  // namespace

std::string Catalog::Text(std::string_view classic) const { return std::string(View(classic)); }

std::string_view Catalog::View(std::string_view classic) const {
  if (translations_.empty()) return classic;
  const auto found = translations_.find(classic);
  return found == translations_.end() ? classic : std::string_view(found->second);
}

std::string Catalog::Text(std::string_view classic, std::string_view name) const {
  const std::string text = Text(classic);
  constexpr std::string_view kPlaceholder = "%1";
  std::string out;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(kPlaceholder, from)) != std::string::npos;
       from = at + kPlaceholder.size()) {
    out.append(text, from, at - from).append(name);
  }
  return out.append(text, from);
}

void Catalog::Set(std::string_view classic, std::string_view translated) {
  if (translated.empty() || translated == classic) {
    if (const auto found = translations_.find(classic); found != translations_.end()) {
      translations_.erase(found);
    }
    return;
  }
  translations_.insert_or_assign(std::string(classic), std::string(translated));
}

std::span<const std::string_view> Catalog::ClassicTexts() { return kClassicTexts; }

const Catalog& Catalog::German() {
  static const Catalog german = FromTs(GermanTs());
  return german;
}

}  // namespace corvane

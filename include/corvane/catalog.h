/// @file
/// The texts the control shows the operator, in one language: the captions, labels and
/// column headers, the messages and their titles, the names a screen reader reads and the
/// access keys. Each is looked up by its classic English text, which is what a text the
/// catalog does not translate shows. What the operator reads as data never goes through a
/// catalog: the host's texts (payment types, cards, references), the amounts (always with
/// "." as the decimal point) and the payment dates written into the payments ("Dec 06, 2026").
#pragma once

#include <functional>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane {

/// A text a catalog cannot be read from; the message names the line.
class CatalogError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The context a catalog's texts have in Qt Linguist files and in Qt's translators.
inline constexpr std::string_view kCatalogContext = "Corvane";

/// Translations of the control's texts, each by its classic English text. A value: copy it,
/// compare it, give it to Corvane::SetCatalog.
///
/// A text that names something has the placeholder "%1" where the name goes, in the key and
/// in its translation, so that a language may put the name where its grammar wants it:
/// "%1 cannot be selected from the center for use on a new or existing payment." A caption
/// that shows the currency keeps its "$" in translation ("Amount $:", "Betrag $:"): a host
/// that names its currency by code gets the code there, in every language.
class Catalog {
 public:
  /// The classic texts: every text shows its key.
  Catalog() = default;

  /// The translations of a Qt Linguist file (.ts, as Qt Linguist and lupdate write it, in
  /// UTF-8): the messages of context "Corvane" without a disambiguating comment, as lrelease
  /// compiles them (vanished, obsolete and empty translations left out; unfinished ones
  /// taken). Throws CatalogError, naming the line, for a text that is not such a file.
  static Catalog FromTs(std::string_view ts);
  /// The German catalog that comes with the library (translations/corvane_de.ts).
  static const Catalog& German();

  /// The text the operator sees for `classic`: its translation, or `classic` itself.
  std::string Text(std::string_view classic) const;
  /// As Text, without a copy: the view stays good while the catalog and `classic` do,
  /// unchanged.
  std::string_view View(std::string_view classic) const;
  /// As Text, with each "%1" of the text replaced by `name` (which is not searched again).
  std::string Text(std::string_view classic, std::string_view name) const;

  /// Translates `classic` as `translated` from now on; a translation that is empty or the
  /// classic text itself takes the translation away.
  void Set(std::string_view classic, std::string_view translated);
  /// Whether the catalog translates nothing: the classic texts.
  bool Classic() const { return translations_.empty(); }
  /// Equal catalogs show the same texts.
  bool operator==(const Catalog&) const = default;

  /// Every text the control can show, in its classic English: the keys a catalog for
  /// another language translates.
  static std::span<const std::string_view> ClassicTexts();

 private:
  std::map<std::string, std::string, std::less<>> translations_;
};

}  // namespace corvane

// A catalog read from a Qt Linguist file (.ts): a small reader of the XML that Qt Linguist
// and lupdate write (elements, attributes, character and entity references, comments, CDATA,
// the declaration and the DOCTYPE), keeping the messages of the control's context as
// lrelease would compile them. A file that is not well-formed is refused, naming the line.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/catalog.h"
#include "readings/utf8.h"

namespace corvane {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
         static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

bool IsBlank(std::string_view text) {
  for (char c : text) {
    if (!IsSpace(c)) return false;
  }
  return true;
}

struct Attribute {
  std::string name;
  std::string value;
};

// One message of the file as far as a catalog cares.
struct Message {
  std::string source;
  std::string comment;
  std::string translation;
  std::string type;      // of the translation: "unfinished", "vanished", "obsolete" or none
  bool numerus = false;  // plural forms, which the control's texts never have
};

class TsReader {
 public:
  explicit TsReader(std::string_view text) : text_(text) {}

  Catalog Read() {
    if (!DecodeUtf8(text_)) Fail("the file is not UTF-8");
    if (text_.starts_with("\xEF\xBB\xBF")) at_ = 3;
    while (at_ < text_.size()) {
      if (text_[at_] != '<') {
        const std::size_t end = std::min(text_.find('<', at_), text_.size());
        const std::string_view raw = text_.substr(at_, end - at_);
        if (open_.empty() && !IsBlank(raw)) Fail("text outside the <TS> element");
        Text(Decoded(raw));
        at_ = end;
      } else if (Ahead("<!--")) {
        Skip("-->", "a comment");
      } else if (Ahead("<![CDATA[")) {
        const std::size_t from = at_ + 9;
        Skip("]]>", "a CDATA section");
        if (open_.empty()) Fail("text outside the <TS> element");
        Text(std::string(text_.substr(from, at_ - 3 - from)));
      } else if (Ahead("<?")) {
        Declaration();
      } else if (Ahead("<!DOCTYPE")) {
        const std::size_t end = text_.find('>', at_);
        if (text_.substr(at_, end - at_).find('[') != std::string_view::npos) {
          Fail("a DOCTYPE with declarations of its own");
        }
        Skip(">", "the DOCTYPE");
      } else if (Ahead("</")) {
        at_ += 2;
        const std::string name = Name();
        SkipSpace();
        Expect('>');
        End(name);
      } else {
        ++at_;
        Start();
      }
    }
    if (!open_.empty()) Fail("the file ends inside <" + open_.back() + ">");
    if (!root_seen_) Fail("no <TS> element");
    return std::move(catalog_);
  }

 private:
  [[noreturn]] void Fail(const std::string& why) const {
    int line = 1;
    for (std::size_t i = 0; i < at_ && i < text_.size(); ++i) line += text_[i] == '\n';
    throw CatalogError("line " + std::to_string(line) + ": " + why);
  }

  bool Ahead(std::string_view what) const { return text_.substr(at_).starts_with(what); }

  // Past the next `end`, which must come.
  void Skip(std::string_view end, std::string_view what) {
    const std::size_t found = text_.find(end, at_);
    if (found == std::string_view::npos) Fail(std::string(what) + " that never ends");
    at_ = found + end.size();
  }

  void SkipSpace() {
    while (at_ < text_.size() && IsSpace(text_[at_])) ++at_;
  }

  void Expect(char c) {
    if (at_ >= text_.size() || text_[at_] != c) Fail(std::string("'") + c + "' expected");
    ++at_;
  }

  std::string Name() {
    const std::size_t from = at_;
    if (at_ >= text_.size() || !IsNameStart(text_[at_])) Fail("a name expected");
    while (at_ < text_.size() && IsNameChar(text_[at_])) ++at_;
    return std::string(text_.substr(from, at_ - from));
  }

  // Text with its references replaced and its line ends made "\n", as XML reads it.
  std::string Decoded(std::string_view raw) const {
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
      if (raw[i] == '\r') {
        out += '\n';
        if (i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
        continue;
      }
      if (raw[i] != '&') {
        out += raw[i];
        continue;
      }
      const std::size_t end = raw.find(';', i);
      if (end == std::string_view::npos) Fail("an '&' that begins no reference");
      const std::string_view name = raw.substr(i + 1, end - i - 1);
      if (name == "amp") {
        out += '&';
      } else if (name == "lt") {
        out += '<';
      } else if (name == "gt") {
        out += '>';
      } else if (name == "quot") {
        out += '"';
      } else if (name == "apos") {
        out += '\'';
      } else if (name.starts_with('#')) {
        AppendUtf8(out, CodePoint(name.substr(1)));
      } else {
        Fail("the unknown entity &" + std::string(name) + ";");
      }
      i = end;
    }
    return out;
  }

  // A character reference's number: "233" or "xE9".
  char32_t CodePoint(std::string_view digits) const {
    const bool hex = digits.starts_with('x');
    if (hex) digits.remove_prefix(1);
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    const bool character = value != 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        !character) {
      Fail("the character reference &#" + std::string(hex ? "x" : "") + std::string(digits) +
           "; names no character");
    }
    return value;
  }

  // <?xml version="1.0" encoding="utf-8"?>: only UTF-8 is read.
  void Declaration() {
    const std::size_t from = at_;
    Skip("?>", "a declaration");
    std::string_view declaration = text_.substr(from, at_ - from);
    if (!declaration.starts_with("<?xml")) return;  // a processing instruction: nothing here
    const std::size_t key = declaration.find("encoding");
    if (key == std::string_view::npos) return;
    const std::size_t quote = declaration.find_first_of("\"'", key);
    const std::size_t close =
        quote == std::string_view::npos ? quote : declaration.find(declaration[quote], quote + 1);
    if (close == std::string_view::npos) Fail("the declaration's encoding is not quoted");
    std::string encoding(declaration.substr(quote + 1, close - quote - 1));
    for (char& c : encoding) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (encoding != "utf-8" && encoding != "utf8")
      Fail("the file is in " + encoding + ", not UTF-8");
  }

  std::vector<Attribute> Attributes(bool& empty_element) {
    std::vector<Attribute> attributes;
    for (;;) {
      SkipSpace();
      if (Ahead("/>")) {
        at_ += 2;
        empty_element = true;
        return attributes;
      }
      if (Ahead(">")) {
        ++at_;
        empty_element = false;
        return attributes;
      }
      Attribute attribute;
      attribute.name = Name();
      SkipSpace();
      Expect('=');
      SkipSpace();
      if (at_ >= text_.size() || (text_[at_] != '"' && text_[at_] != '\'')) {
        Fail("the value of " + attribute.name + " is not quoted");
      }
      const char quote = text_[at_++];
      const std::size_t end = text_.find(quote, at_);
      if (end == std::string_view::npos) Fail("the value of " + attribute.name + " never ends");
      attribute.value = Decoded(text_.substr(at_, end - at_));
      at_ = end + 1;
      attributes.push_back(std::move(attribute));
    }
  }

  static std::optional<std::string> Find(const std::vector<Attribute>& attributes,
                                         std::string_view name) {
    for (const Attribute& a : attributes) {
      if (a.name == name) return a.value;
    }
    return std::nullopt;
  }

  // The element open at `depth` (0: the root), or nothing.
  std::string_view Open(std::size_t depth) const {
    return depth < open_.size() ? std::string_view(open_[depth]) : std::string_view();
  }

  bool InMessage() const {
    return open_.size() >= 3 && Open(1) == "context" && Open(2) == "message";
  }

  void Start() {
    const std::string name = Name();
    bool empty_element = false;
    const std::vector<Attribute> attributes = Attributes(empty_element);
    if (open_.empty()) {
      if (root_seen_) Fail("a second root element <" + name + ">");
      if (name != "TS") Fail("the root element is <" + name + ">, not <TS>");
      root_seen_ = true;
    }
    open_.push_back(name);
    if (open_.size() == 2 && name == "context") context_.clear();
    if (open_.size() == 3 && Open(1) == "context" && name == "message") {
      message_ = Message{};
      message_.numerus = Find(attributes, "numerus") == "yes";
    }
    if (open_.size() == 4 && InMessage() && name == "translation") {
      message_.type = Find(attributes, "type").value_or("");
    }
    if (InMessage() && name == "numerusform") message_.numerus = true;
    if (name == "byte") Byte(attributes);
    if (empty_element) End(name);
  }

  // <byte value="x9"/>: a character lupdate cannot write as text.
  void Byte(const std::vector<Attribute>& attributes) {
    const std::optional<std::string> value = Find(attributes, "value");
    if (!value) Fail("a <byte> without a value");
    std::string character;
    AppendUtf8(character, CodePoint(*value));
    Text(character);
  }

  void End(const std::string& name) {
    if (open_.empty() || open_.back() != name) {
      Fail("</" + name + "> closes " + (open_.empty() ? "nothing" : "<" + open_.back() + ">"));
    }
    if (open_.size() == 3 && InMessage()) Keep();
    open_.pop_back();
  }

  // Where the text of the element open now goes, if anywhere.
  std::string* Target() {
    // A <byte> is empty: its character belongs to the element around it.
    std::size_t depth = open_.size();
    if (depth > 0 && open_.back() == "byte") --depth;
    if (depth == 3 && Open(1) == "context" && Open(2) == "name") return &context_;
    if (depth == 4 && InMessage()) {
      const std::string_view element = Open(3);
      if (element == "source") return &message_.source;
      if (element == "comment") return &message_.comment;
      if (element == "translation") return &message_.translation;
    }
    return nullptr;
  }

  // Text inside the root: kept where it belongs, if anywhere.
  void Text(const std::string& text) {
    if (std::string* target = Target()) *target += text;
  }

  // A message as lrelease compiles it: vanished and obsolete ones are left out, and so are
  // plural forms, which the control never asks for. A message with a comment is one of
  // several with the same source: the control asks for none of them.
  void Keep() {
    if (context_ != kCatalogContext || !message_.comment.empty() || message_.numerus) return;
    if (message_.type == "vanished" || message_.type == "obsolete") return;
    catalog_.Set(message_.source, message_.translation);
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::vector<std::string> open_;  // the elements open, the root first
  bool root_seen_ = false;
  std::string context_;
  Message message_;
  Catalog catalog_;
};

}  // namespace

Catalog Catalog::FromTs(std::string_view ts) { return TsReader(ts).Read(); }

}  // namespace corvane

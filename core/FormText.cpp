#include "core/FormText.h"

#include "core/AsciiText.h"

#include <cstddef>

namespace korvale {
namespace {

enum class Tok { End, Ident, Number, String, Binary, FileRef, Symbol };

struct Token {
  Tok kind = Tok::End;
  std::string text;  // identifier, string value, file path
  std::uint64_t number = 0;
  bool hex = false;
  std::vector<std::uint8_t> bytes;
  char symbol = 0;
  int line = 1;
  int column = 1;
};

struct TextFault {
  int line;
  int column;
  std::string message;
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}


std::string Describe(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u > 32 && u < 127) return std::string("'") + c + "'";
  return "character #" + std::to_string(u);
}

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  std::vector<Token> Run() {
    std::vector<Token> tokens;
    for (;;) {
      SkipSpace();
      Token t;
      t.line = line_;
      t.column = Column();
      if (pos_ >= text_.size()) {
        tokens.push_back(t);
        return tokens;
      }
      const char c = text_[pos_];
      if (IsLetter(c)) {
        t.kind = Tok::Ident;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (IsLetter(text_[pos_]) || IsDigit(text_[pos_]))) ++pos_;
        t.text = std::string(text_.substr(start, pos_ - start));
      } else if (IsDigit(c) || c == '$') {
        LexNumber(t);
      } else if (c == '\'' || c == '#') {
        t.kind = Tok::String;
        t.text = LexString();
      } else if (c == '{') {
        LexBinary(t);
      } else if (std::string_view("=:[],<>()+-.").find(c) != std::string_view::npos) {
        t.kind = Tok::Symbol;
        t.symbol = c;
        ++pos_;
      } else {
        Fail("unexpected " + Describe(c));
      }
      tokens.push_back(std::move(t));
    }
  }

 private:
  int Column() const { return static_cast<int>(pos_ - lineStart_) + 1; }

  [[noreturn]] void Fail(const std::string& message) const { throw TextFault{line_, Column(), message}; }

  void Advance() {
    if (text_[pos_] == '\n') {
      ++line_;
      lineStart_ = pos_ + 1;
    }
    ++pos_;
  }

  void SkipSpace() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        Advance();
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else {
        return;
      }
    }
  }

  void LexNumber(Token& t) {
    t.kind = Tok::Number;
    if (text_[pos_] == '$') {
      t.hex = true;
      ++pos_;
      int digits = 0;
      while (pos_ < text_.size() && HexValue(text_[pos_]) >= 0) {
        if (t.number >> 60) Fail("hexadecimal number wider than 64 bits");
        t.number = (t.number << 4) | static_cast<std::uint64_t>(HexValue(text_[pos_]));
        ++pos_;
        ++digits;
      }
      if (digits == 0) Fail("'$' without hexadecimal digits");
    } else {
      while (pos_ < text_.size() && IsDigit(text_[pos_])) {
        const auto d = static_cast<std::uint64_t>(text_[pos_] - '0');
        if (t.number > (UINT64_MAX - d) / 10) Fail("integer out of range");
        t.number = t.number * 10 + d;
        ++pos_;
      }
      if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsDigit(text_[pos_ + 1])) {
        Fail("floating-point values are not supported");
      }
    }
    if (pos_ < text_.size() && (IsLetter(text_[pos_]) || IsDigit(text_[pos_]))) {
      Fail("invalid number: unexpected " + Describe(text_[pos_]));
    }
  }

  // Quoted runs and #nn character codes written back to back form one string.
  std::string LexString() {
    std::string value;
    while (pos_ < text_.size()) {
      if (text_[pos_] == '\'') {
        ++pos_;
        for (;;) {
          if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r') {
            Fail("unterminated string");
          }
          if (text_[pos_] == '\'') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
              value += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          value += text_[pos_++];
        }
      } else if (text_[pos_] == '#') {
        const std::size_t at = pos_;
        ++pos_;
        std::uint32_t code = 0;
        int digits = 0;
        const bool hex = pos_ < text_.size() && text_[pos_] == '$';
        if (hex) ++pos_;
        while (pos_ < text_.size() && (hex ? HexValue(text_[pos_]) >= 0 : IsDigit(text_[pos_]))) {
          code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(HexValue(text_[pos_]));
          ++pos_;
          if (++digits > 4) {
            pos_ = at;
            Fail("character code too long");
          }
        }
        pos_ = digits == 0 || code > 255 ? at : pos_;
        if (digits == 0) Fail("'#' without a character code");
        if (code > 255) Fail("character code #" + std::to_string(code) + " does not fit in 8 bits");
        value += static_cast<char>(code);
      } else {
        break;
      }
    }
    return value;
  }

  void LexBinary(Token& t) {
    ++pos_;
    SkipSpace();
    if (pos_ + 4 <= text_.size() && AsciiEqualsNoCase(text_.substr(pos_, 4), "file") &&
        (pos_ + 4 == text_.size() || !IsLetter(text_[pos_ + 4]))) {
      pos_ += 4;
      SkipSpace();
      if (pos_ >= text_.size() || (text_[pos_] != '\'' && text_[pos_] != '#')) {
        Fail("expected a quoted path after 'file'");
      }
      t.kind = Tok::FileRef;
      t.text = LexString();
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != '}') Fail("expected '}' after the file path");
      ++pos_;
      return;
    }
    t.kind = Tok::Binary;
    int high = -1;
    for (;;) {
      SkipSpace();
      if (pos_ >= text_.size()) Fail("unterminated binary value");
      const char c = text_[pos_];
      if (c == '}') break;
      const int v = HexValue(c);
      if (v < 0) Fail("unexpected " + Describe(c) + " in a binary value");
      if (high < 0) {
        high = v;
      } else {
        t.bytes.push_back(static_cast<std::uint8_t>(high << 4 | v));
        high = -1;
      }
      ++pos_;
    }
    if (high >= 0) Fail("odd number of hexadecimal digits in a binary value");
    ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t lineStart_ = 0;
  int line_ = 1;
};

std::string Spell(const Token& t) {
  switch (t.kind) {
    case Tok::End:
      return "the end of the file";
    case Tok::Ident:
      return "'" + t.text + "'";
    case Tok::Number:
      return "a number";
    case Tok::String:
      return "a string";
    case Tok::Binary:
    case Tok::FileRef:
      return "a binary value";
    case Tok::Symbol:
      return std::string("'") + t.symbol + "'";
  }
  return "?";
}

class Parser {
 public:
  Parser(std::vector<Token> tokens, const FormFileLoader& loadFile)
      : tokens_(std::move(tokens)), loadFile_(loadFile) {}

  FormObject Run() {
    if (!IsKeyword(Peek(), "object")) Fail(Peek(), "expected 'object', found " + Spell(Peek()));
    ++pos_;
    FormObject root = ParseObject(1);
    if (Peek().kind != Tok::End) Fail(Peek(), "unexpected " + Spell(Peek()) + " after the root object's 'end'");
    return root;
  }

 private:
  const Token& Peek(std::size_t ahead = 0) const {
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
  }
  const Token& Next() {
    const Token& t = Peek();
    if (pos_ < tokens_.size() - 1) ++pos_;
    return t;
  }

  [[noreturn]] static void Fail(const Token& at, const std::string& message) {
    throw TextFault{at.line, at.column, message};
  }

  static bool IsSymbol(const Token& t, char c) { return t.kind == Tok::Symbol && t.symbol == c; }
  static bool IsKeyword(const Token& t, std::string_view word) {
    return t.kind == Tok::Ident && AsciiEqualsNoCase(t.text, word);
  }
  // A keyword starts a clause unless a property name follows ("End = 3", "Item.Width = 5").
  bool AtKeyword(std::string_view word) const {
    return IsKeyword(Peek(), word) && !IsSymbol(Peek(1), '=') && !IsSymbol(Peek(1), '.');
  }

  void Expect(char symbol, const std::string& context) {
    if (!IsSymbol(Peek(), symbol)) {
      Fail(Peek(), std::string("expected '") + symbol + "' " + context + ", found " + Spell(Peek()));
    }
    ++pos_;
  }

  std::string Identifier(const std::string& what, bool keywordAllowed = true) {
    const Token& t = Next();
    if (t.kind != Tok::Ident || (!keywordAllowed && IsFormKeyword(t.text))) {
      Fail(t, "expected " + what + ", found " + Spell(t));
    }
    if (t.text.size() > kFormMaxNameLength) {
      Fail(t, what + " longer than " + std::to_string(kFormMaxNameLength) + " characters");
    }
    return t.text;
  }

  void CheckDepth(const Token& at, int depth) const {
    if (depth > kFormMaxDepth) Fail(at, "nesting deeper than " + std::to_string(kFormMaxDepth) + " levels");
  }

  FormObject ParseObject(int depth) {
    const Token& start = Peek();
    CheckDepth(start, depth);
    FormObject object;
    const std::string first = Identifier("a component name or class name", false);
    if (IsSymbol(Peek(), ':')) {
      ++pos_;
      object.name = first;
      object.className = Identifier("a class name after ':'", false);
    } else {
      object.className = first;
    }
    const std::string label = object.name.empty() ? object.className : object.name;
    for (;;) {
      if (AtKeyword("end")) {
        ++pos_;
        return object;
      }
      if (AtKeyword("object")) {
        ++pos_;
        object.children.push_back(ParseObject(depth + 1));
        continue;
      }
      if (Peek().kind == Tok::Ident) {
        object.properties.push_back(ParseProperty(depth));
        continue;
      }
      if (Peek().kind == Tok::End) {
        Fail(Peek(), "missing 'end' of object " + label + " (line " + std::to_string(start.line) + ")");
      }
      Fail(Peek(), "expected a property, 'object' or 'end' in " + label + ", found " + Spell(Peek()));
    }
  }

  FormProperty ParseProperty(int depth) {
    const Token& start = Peek();
    FormProperty property;
    property.name = Identifier("a property name");
    while (IsSymbol(Peek(), '.')) {
      ++pos_;
      property.name += '.';
      property.name += Identifier("a property name after '.'");
    }
    if (property.name.size() > kFormMaxNameLength) {
      Fail(start, "property name longer than " + std::to_string(kFormMaxNameLength) + " characters");
    }
    Expect('=', "after property name '" + property.name + "'");
    property.value = ParseValue(depth);
    return property;
  }

  std::int64_t Integer(bool negative) {
    const Token& t = Next();
    if (t.kind != Tok::Number) Fail(t, "expected a number after '-', found " + Spell(t));
    if (t.hex) return static_cast<std::int64_t>(negative ? 0 - t.number : t.number);
    const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    if (t.number > limit) Fail(t, "integer out of range");
    return negative ? static_cast<std::int64_t>(0 - t.number) : static_cast<std::int64_t>(t.number);
  }

  // One or more string tokens joined by '+'.
  std::string StringExpression() {
    std::string value = Next().text;
    while (IsSymbol(Peek(), '+')) {
      ++pos_;
      const Token& t = Next();
      if (t.kind != Tok::String) Fail(t, "expected a string after '+', found " + Spell(t));
      value += t.text;
    }
    return value;
  }

  FormValue ParseValue(int depth) {
    const Token& t = Peek();
    switch (t.kind) {
      case Tok::Number:
        return FormValue::Int(Integer(false));
      case Tok::String:
        return FormValue::Str(StringExpression());
      case Tok::Ident: {
        if (IsFormKeyword(t.text)) Fail(t, "expected a value, found " + Spell(t));
        ++pos_;
        if (AsciiEqualsNoCase(t.text, "true")) return FormValue::Bool(true);
        if (AsciiEqualsNoCase(t.text, "false")) return FormValue::Bool(false);
        if (t.text.size() > kFormMaxNameLength) Fail(t, "identifier longer than 255 characters");
        return FormValue::Ident(t.text);
      }
      case Tok::Binary:
        ++pos_;
        return FormValue::Bytes(t.bytes);
      case Tok::FileRef: {
        ++pos_;
        if (!loadFile_) Fail(t, "{file '" + t.text + "'} cannot be resolved here");
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (!loadFile_(t.text, bytes, error)) Fail(t, error);
        return FormValue::Bytes(std::move(bytes));
      }
      case Tok::Symbol:
        break;
      case Tok::End:
        Fail(t, "expected a value, found the end of the file");
    }
    switch (t.symbol) {
      case '-':
        ++pos_;
        return FormValue::Int(Integer(true));
      case '[': {
        ++pos_;
        std::vector<std::string> members;
        if (!IsSymbol(Peek(), ']')) {
          members.push_back(Identifier("a set member"));
          while (IsSymbol(Peek(), ',')) {
            ++pos_;
            members.push_back(Identifier("a set member"));
          }
        }
        Expect(']', "to close the set");
        return FormValue::SetOf(std::move(members));
      }
      case '(': {
        ++pos_;
        std::vector<std::string> lines;
        while (Peek().kind == Tok::String) lines.push_back(StringExpression());
        Expect(')', "to close the string list");
        return FormValue::Lines(std::move(lines));
      }
      case '<': {
        CheckDepth(t, depth + 1);
        ++pos_;
        std::vector<FormItem> items;
        while (!IsSymbol(Peek(), '>')) {
          if (!IsKeyword(Peek(), "item")) Fail(Peek(), "expected 'item' or '>', found " + Spell(Peek()));
          const Token& itemStart = Next();
          FormItem item;
          while (!AtKeyword("end")) {
            if (Peek().kind != Tok::Ident) {
              Fail(Peek(), "expected a property or 'end' of the item at line " +
                               std::to_string(itemStart.line) + ", found " + Spell(Peek()));
            }
            item.push_back(ParseProperty(depth + 1));
          }
          ++pos_;
          items.push_back(std::move(item));
        }
        ++pos_;
        return FormValue::Items(std::move(items));
      }
      default:
        Fail(t, "expected a value, found " + Spell(t));
    }
  }

  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  const FormFileLoader& loadFile_;
};

// Printable ASCII stays in quotes, everything else becomes #nn, so a .form file is pure
// ASCII whatever the 8-bit text holds.
std::string Quote(std::string_view s) {
  if (s.empty()) return "''";
  std::string out;
  bool open = false;
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 32 && u < 127) {
      if (!open) out += '\'';
      open = true;
      out += c;
      if (c == '\'') out += '\'';
    } else {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(u);
    }
  }
  if (open) out += '\'';
  return out;
}

class Formatter {
 public:
  std::string Run(const FormObject& root) {
    Object(root, 0);
    return std::move(out_);
  }

 private:
  void Indent(int n) { out_.append(static_cast<std::size_t>(n), ' '); }

  void Object(const FormObject& o, int indent) {
    Indent(indent);
    out_ += "object ";
    out_ += o.name.empty() ? o.className : o.name + ": " + o.className;
    out_ += '\n';
    for (const FormProperty& p : o.properties) Property(p, indent + 2);
    for (const FormObject& c : o.children) Object(c, indent + 2);
    Indent(indent);
    out_ += "end\n";
  }

  void Property(const FormProperty& p, int indent) {
    Indent(indent);
    out_ += p.name;
    out_ += " = ";
    Value(p.value, indent);
    out_ += '\n';
  }

  void Value(const FormValue& v, int indent) {
    switch (v.kind) {
      case FormValueKind::Integer:
        out_ += std::to_string(v.integer);
        break;
      case FormValueKind::String:
        out_ += Quote(v.text);
        break;
      case FormValueKind::Boolean:
        out_ += v.boolean ? "True" : "False";
        break;
      case FormValueKind::Identifier:
        out_ += v.text;
        break;
      case FormValueKind::Set:
        out_ += '[';
        for (std::size_t i = 0; i < v.names.size(); ++i) {
          if (i > 0) out_ += ", ";
          out_ += v.names[i];
        }
        out_ += ']';
        break;
      case FormValueKind::StringList:
        out_ += '(';
        for (const std::string& line : v.names) {
          out_ += '\n';
          Indent(indent + 2);
          out_ += Quote(line);
        }
        out_ += ')';
        break;
      case FormValueKind::Collection:
        out_ += '<';
        for (const FormItem& item : v.items) {
          out_ += '\n';
          Indent(indent + 2);
          out_ += "item\n";
          for (const FormProperty& p : item) Property(p, indent + 4);
          Indent(indent + 2);
          out_ += "end";
        }
        out_ += '>';
        break;
      case FormValueKind::Binary:
        Binary(v.bytes, indent);
        break;
    }
  }

  void Binary(const std::vector<std::uint8_t>& bytes, int indent) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    constexpr std::size_t kPerLine = 32;
    out_ += '{';
    const bool wrap = bytes.size() > kPerLine;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (wrap && i % kPerLine == 0) {
        out_ += '\n';
        Indent(indent + 2);
      }
      out_ += kHex[bytes[i] >> 4];
      out_ += kHex[bytes[i] & 15];
    }
    out_ += '}';
  }

  std::string out_;
};

}  // namespace

FormTextResult ParseFormText(std::string_view text, const FormFileLoader& loadFile) {
  FormTextResult result;
  try {
    result.root = Parser(Lexer(text).Run(), loadFile).Run();
  } catch (const TextFault& fault) {
    result.root = FormObject{};
    result.line = fault.line;
    result.error = "line " + std::to_string(fault.line) + ", column " + std::to_string(fault.column) +
                   ": " + fault.message;
  }
  return result;
}

std::string FormatFormText(const FormObject& root) { return Formatter().Run(root); }

}  // namespace korvale

#include "core/FormStream.h"

#include "core/AsciiText.h"
#include "core/LittleEndian.h"

#include <cstring>

namespace korvale {

FormValue FormValue::Int(std::int64_t value) {
  FormValue v;
  v.kind = FormValueKind::Integer;
  v.integer = value;
  return v;
}

FormValue FormValue::Str(std::string value) {
  FormValue v;
  v.kind = FormValueKind::String;
  v.text = std::move(value);
  return v;
}

FormValue FormValue::Bool(bool value) {
  FormValue v;
  v.kind = FormValueKind::Boolean;
  v.boolean = value;
  return v;
}

FormValue FormValue::Ident(std::string name) {
  FormValue v;
  v.kind = FormValueKind::Identifier;
  v.text = std::move(name);
  return v;
}

FormValue FormValue::SetOf(std::vector<std::string> members) {
  FormValue v;
  v.kind = FormValueKind::Set;
  v.names = std::move(members);
  return v;
}

FormValue FormValue::Lines(std::vector<std::string> lines) {
  FormValue v;
  v.kind = FormValueKind::StringList;
  v.names = std::move(lines);
  return v;
}

FormValue FormValue::Items(std::vector<FormItem> items) {
  FormValue v;
  v.kind = FormValueKind::Collection;
  v.items = std::move(items);
  return v;
}

FormValue FormValue::Bytes(std::vector<std::uint8_t> bytes) {
  FormValue v;
  v.kind = FormValueKind::Binary;
  v.bytes = std::move(bytes);
  return v;
}

// Written out rather than defaulted: clang 14 crashes on a defaulted comparison of this
// recursive type.
bool FormValue::operator==(const FormValue& other) const {
  return kind == other.kind && integer == other.integer && boolean == other.boolean &&
         text == other.text && names == other.names && items == other.items &&
         bytes == other.bytes;
}

const FormProperty* FormObject::Find(std::string_view propertyName) const {
  for (const FormProperty& p : properties) {
    if (p.name == propertyName) return &p;
  }
  return nullptr;
}

namespace {

constexpr std::uint8_t kTagInteger = 0x01;
constexpr std::uint8_t kTagString = 0x02;
constexpr std::uint8_t kTagFalse = 0x03;
constexpr std::uint8_t kTagTrue = 0x04;
constexpr std::uint8_t kTagIdentifier = 0x05;
constexpr std::uint8_t kTagSet = 0x06;
constexpr std::uint8_t kTagCollection = 0x07;
constexpr std::uint8_t kTagBinary = 0x08;
constexpr std::uint8_t kTagStringList = 0x09;
constexpr std::uint8_t kEnd = 0x00;
constexpr std::uint8_t kItem = 0x01;
constexpr std::size_t kHeaderSize = 6;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }


bool IsBooleanWord(std::string_view name) {
  return AsciiEqualsNoCase(name, "true") || AsciiEqualsNoCase(name, "false");
}

bool IsValueName(std::string_view name) {
  return IsFormIdentifier(name) && !IsBooleanWord(name) && !IsFormKeyword(name);
}

bool IsObjectName(std::string_view name) {
  return IsFormIdentifier(name) && !IsFormKeyword(name);
}

// Thrown inside the reader and the writer only; both turn it into an error text.
struct StreamFault {
  std::string message;
};

std::string Quoted(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || u >= 127) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out += "\\x";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// The dotted path of the object and property being read or written, for messages.
class PathTracker {
 public:
  void Push(std::string part) { parts_.push_back(std::move(part)); }
  void Pop() { parts_.pop_back(); }
  std::string Text() const {
    std::string text;
    for (const std::string& p : parts_) {
      if (!text.empty()) text += '.';
      text += p;
    }
    return text;
  }

 private:
  std::vector<std::string> parts_;
};

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  FormObject ReadAll() {
    if (size_ > kFormMaxStreamSize) {
      Fail("a stream of " + std::to_string(size_) + " bytes exceeds the limit of " +
           std::to_string(kFormMaxStreamSize) + " bytes");
    }
    if (size_ < kHeaderSize) Fail("a stream of " + std::to_string(size_) + " bytes has no header");
    if (std::memcmp(data_, kFormSignature, 4) != 0) Fail("no \"KFRM\" signature");
    pos_ = 4;
    const std::uint16_t version = ReadLe16(data_ + 4);
    if (version != kFormVersion) {
      Fail("unsupported version " + std::to_string(version) + " (this reader knows " +
           std::to_string(kFormVersion) + ")");
    }
    pos_ = kHeaderSize;
    FormObject root;
    root.className = ReadName("class name");
    if (root.className.empty()) Fail("the root object has no class name");
    ReadObjectRest(root, 1);
    if (pos_ != size_) {
      Fail(std::to_string(size_ - pos_) + " unexpected bytes after the root object");
    }
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    std::string message = "form stream: " + what + " at offset " + std::to_string(pos_);
    const std::string path = path_.Text();
    if (!path.empty()) message += " (in " + path + ")";
    throw StreamFault{message};
  }

  void Need(std::size_t n, const std::string& what) const {
    if (size_ - pos_ < n) {
      Fail(what + " of " + std::to_string(n) + " bytes runs past the end of the stream (" +
           std::to_string(size_ - pos_) + " bytes left)");
    }
  }

  std::uint8_t U8(const char* what) {
    if (pos_ >= size_) Fail(std::string("the stream ends where ") + what + " should be");
    return data_[pos_++];
  }

  std::uint32_t U32(const char* what) {
    Need(4, what);
    const std::uint32_t value = ReadLe32(data_ + pos_);
    pos_ += 4;
    return value;
  }

  std::string Take(std::size_t n, const std::string& what) {
    Need(n, what);
    std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }

  // A length-prefixed name; an empty one ends the list it belongs to.
  std::string ReadName(const char* what) {
    const std::size_t start = pos_;
    const std::size_t n = U8(what);
    std::string name = Take(n, std::string("a ") + what);
    const std::string_view kind(what);
    const bool valid = kind == "property name"                               ? IsFormPropertyName(name)
                       : kind == "class name" || kind == "component name" ? IsObjectName(name)
                                                                            : IsFormIdentifier(name);
    if (n > 0 && !valid) {
      pos_ = start;
      Fail(std::string("invalid ") + what + " " + Quoted(name));
    }
    return name;
  }

  void Enter(int depth) const {
    if (depth > kFormMaxDepth) {
      Fail("nesting deeper than " + std::to_string(kFormMaxDepth) + " levels");
    }
  }

  void ReadObjectRest(FormObject& object, int depth) {
    Enter(depth);
    object.name = ReadName("component name");
    path_.Push(object.name.empty() ? object.className : object.name);
    ReadProperties(object.properties, depth);
    for (;;) {
      FormObject child;
      child.className = ReadName("class name");
      if (child.className.empty()) break;
      ReadObjectRest(child, depth + 1);
      object.children.push_back(std::move(child));
    }
    path_.Pop();
  }

  void ReadProperties(std::vector<FormProperty>& properties, int depth) {
    for (;;) {
      FormProperty property;
      property.name = ReadName("property name");
      if (property.name.empty()) return;
      path_.Push(property.name);
      property.value = ReadValue(depth);
      path_.Pop();
      properties.push_back(std::move(property));
    }
  }

  FormValue ReadValue(int depth) {
    const std::size_t tagAt = pos_;
    const std::uint8_t tag = U8("a value type");
    switch (tag) {
      case kTagInteger: {
        Need(8, "an integer");
        const std::uint64_t v = ReadLe64(data_ + pos_);
        pos_ += 8;
        return FormValue::Int(static_cast<std::int64_t>(v));
      }
      case kTagString:
        return FormValue::Str(Take(U32("a string length"), "a string"));
      case kTagFalse:
        return FormValue::Bool(false);
      case kTagTrue:
        return FormValue::Bool(true);
      case kTagIdentifier: {
        const std::size_t start = pos_;
        std::string name = ReadName("identifier");
        if (!IsValueName(name)) {
          pos_ = start;
          Fail("invalid identifier value " + Quoted(name));
        }
        return FormValue::Ident(std::move(name));
      }
      case kTagSet: {
        std::vector<std::string> members;
        for (std::string m = ReadName("set member"); !m.empty(); m = ReadName("set member")) {
          members.push_back(std::move(m));
        }
        return FormValue::SetOf(std::move(members));
      }
      case kTagStringList: {
        const std::uint32_t count = U32("a line count");
        if (count > (size_ - pos_) / 4) {
          Fail("a list of " + std::to_string(count) + " lines cannot fit in the " +
               std::to_string(size_ - pos_) + " bytes left");
        }
        std::vector<std::string> lines;
        for (std::uint32_t i = 0; i < count; ++i) lines.push_back(Take(U32("a line length"), "a line"));
        return FormValue::Lines(std::move(lines));
      }
      case kTagCollection: {
        Enter(depth + 1);
        std::vector<FormItem> items;
        for (;;) {
          const std::size_t markAt = pos_;
          const std::uint8_t mark = U8("a collection item marker");
          if (mark == kEnd) break;
          if (mark != kItem) {
            pos_ = markAt;
            Fail("invalid collection item marker " + std::to_string(mark));
          }
          path_.Push("item" + std::to_string(items.size()));
          FormItem item;
          ReadProperties(item, depth + 1);
          path_.Pop();
          items.push_back(std::move(item));
        }
        return FormValue::Items(std::move(items));
      }
      case kTagBinary: {
        const std::size_t n = U32("a binary length");
        Need(n, "a binary value");
        std::vector<std::uint8_t> bytes(data_ + pos_, data_ + pos_ + n);
        pos_ += n;
        return FormValue::Bytes(std::move(bytes));
      }
      default:
        pos_ = tagAt;
        Fail("unknown value type " + std::to_string(tag));
    }
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  PathTracker path_;
};

class Writer {
 public:
  std::vector<std::uint8_t> WriteAll(const FormObject& root) {
    out_.reserve(256);
    for (char c : kFormSignature) out_.push_back(static_cast<std::uint8_t>(c));
    out_.push_back(static_cast<std::uint8_t>(kFormVersion & 0xFF));
    out_.push_back(static_cast<std::uint8_t>(kFormVersion >> 8));
    WriteObject(root, 1);
    return std::move(out_);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    std::string message = "form stream: cannot write " + what;
    const std::string path = path_.Text();
    if (!path.empty()) message += " (in " + path + ")";
    throw StreamFault{message};
  }

  void CheckSize() const {
    if (out_.size() > kFormMaxStreamSize) {
      Fail("more than " + std::to_string(kFormMaxStreamSize) + " bytes");
    }
  }

  void U32(std::size_t n) {
    if (n > 0xFFFFFFFFu || n > kFormMaxStreamSize) Fail("a value of " + std::to_string(n) + " bytes");
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
  }

  void Blob(const void* data, std::size_t n) {
    U32(n);
    const auto* p = static_cast<const std::uint8_t*>(data);
    out_.insert(out_.end(), p, p + n);
    CheckSize();
  }

  void Name(const std::string& name, const char* what, bool valid) {
    if (!valid || name.size() > kFormMaxNameLength) Fail(std::string("the ") + what + " " + Quoted(name));
    out_.push_back(static_cast<std::uint8_t>(name.size()));
    out_.insert(out_.end(), name.begin(), name.end());
  }

  void Enter(int depth) const {
    if (depth > kFormMaxDepth) Fail("nesting deeper than " + std::to_string(kFormMaxDepth) + " levels");
  }

  void WriteObject(const FormObject& object, int depth) {
    Enter(depth);
    path_.Push(object.name.empty() ? object.className : object.name);
    Name(object.className, "class name", IsObjectName(object.className));
    Name(object.name, "component name", object.name.empty() || IsObjectName(object.name));
    WriteProperties(object.properties, depth);
    for (const FormObject& child : object.children) WriteObject(child, depth + 1);
    out_.push_back(kEnd);
    path_.Pop();
  }

  void WriteProperties(const std::vector<FormProperty>& properties, int depth) {
    for (const FormProperty& p : properties) {
      Name(p.name, "property name", IsFormPropertyName(p.name));
      path_.Push(p.name);
      WriteValue(p.value, depth);
      path_.Pop();
    }
    out_.push_back(kEnd);
  }

  void WriteValue(const FormValue& v, int depth) {
    switch (v.kind) {
      case FormValueKind::Integer: {
        out_.push_back(kTagInteger);
        const auto u = static_cast<std::uint64_t>(v.integer);
        for (int i = 0; i < 8; ++i) out_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
        break;
      }
      case FormValueKind::String:
        out_.push_back(kTagString);
        Blob(v.text.data(), v.text.size());
        break;
      case FormValueKind::Boolean:
        out_.push_back(v.boolean ? kTagTrue : kTagFalse);
        break;
      case FormValueKind::Identifier:
        out_.push_back(kTagIdentifier);
        Name(v.text, "identifier", IsValueName(v.text));
        break;
      case FormValueKind::Set:
        out_.push_back(kTagSet);
        for (const std::string& m : v.names) Name(m, "set member", IsFormIdentifier(m));
        out_.push_back(kEnd);
        break;
      case FormValueKind::StringList:
        out_.push_back(kTagStringList);
        U32(v.names.size());
        for (const std::string& line : v.names) Blob(line.data(), line.size());
        break;
      case FormValueKind::Collection:
        Enter(depth + 1);
        out_.push_back(kTagCollection);
        for (std::size_t i = 0; i < v.items.size(); ++i) {
          out_.push_back(kItem);
          path_.Push("item" + std::to_string(i));
          WriteProperties(v.items[i], depth + 1);
          path_.Pop();
        }
        out_.push_back(kEnd);
        break;
      case FormValueKind::Binary:
        out_.push_back(kTagBinary);
        Blob(v.bytes.data(), v.bytes.size());
        break;
      default:
        Fail("a value of unknown kind " + std::to_string(static_cast<int>(v.kind)));
    }
    CheckSize();
  }

  std::vector<std::uint8_t> out_;
  PathTracker path_;
};

}  // namespace

bool IsFormIdentifier(std::string_view text) {
  if (text.empty() || text.size() > kFormMaxNameLength || !IsLetter(text[0])) return false;
  for (char c : text) {
    if (!IsLetter(c) && !IsDigit(c)) return false;
  }
  return true;
}

bool IsFormKeyword(std::string_view text) {
  return AsciiEqualsNoCase(text, "object") || AsciiEqualsNoCase(text, "end") ||
         AsciiEqualsNoCase(text, "item");
}

bool IsFormPropertyName(std::string_view text) {
  if (text.size() > kFormMaxNameLength) return false;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = text.find('.', start);
    if (!IsFormIdentifier(text.substr(start, dot - start))) return false;
    if (dot == std::string_view::npos) return true;
    start = dot + 1;
  }
}

FormReadResult ReadFormStream(const std::uint8_t* data, std::size_t size) {
  FormReadResult result;
  if (data == nullptr) size = 0;
  try {
    result.root = Reader(data, size).ReadAll();
  } catch (const StreamFault& fault) {
    result.root = FormObject{};
    result.error = fault.message;
  }
  return result;
}

FormWriteResult WriteFormStream(const FormObject& root) {
  FormWriteResult result;
  try {
    result.bytes = Writer().WriteAll(root);
  } catch (const StreamFault& fault) {
    result.bytes.clear();
    result.error = fault.message;
  }
  return result;
}

}  // namespace korvale

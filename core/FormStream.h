#pragma once

// Form descriptions: the tree a form is built from, and its binary component stream.
//
// A form description is a tree of objects. Each object has a class name ("TButton"), a
// component name ("Button1", empty for an unnamed object), its stored properties in order
// and its child objects in order. A property value is one of:
//   integer     64-bit signed (sizes, colours, tags, enumerations stored as numbers)
//   string      8-bit text
//   boolean     True or False
//   identifier  an enumeration value (bsSingle) or an event handler name (FormCreate)
//   set         a list of identifiers ([biSystemMenu, biMinimize])
//   string list the lines of a TStrings property (a memo's Lines)
//   collection  a list of items, each a list of properties
//   binary      bytes, written by a class's own define-property hook (a skin stream)
// Names follow identifier rules so that the text form can always spell them: class names
// and identifiers are [A-Za-z_][A-Za-z0-9_]*, property names are such identifiers joined
// by dots ("Font.Name"), and every name is at most 255 bytes. Class names, component
// names and identifier values are never one of the text form's keywords object, end and
// item, and an identifier value is never True or False (the text form's booleans); case
// does not matter in either rule.
//
// The binary stream, version 1 (all numbers little-endian):
//   stream     := "KFRM" u16:version object
//   object     := name:class name:component property* 0x00 object* 0x00
//   property   := name:property value
//   name       := u8:n byte[n]      (class and property names are never empty, so a
//                                    zero length byte ends a list of them)
//   value      := 0x01 i64                          integer
//               | 0x02 u32:n byte[n]                string
//               | 0x03 | 0x04                       False | True
//               | 0x05 name                         identifier
//               | 0x06 name* 0x00                   set
//               | 0x07 (0x01 property* 0x00)* 0x00  collection of items
//               | 0x08 u32:n byte[n]                binary
//               | 0x09 u32:count (u32:n byte[n])*   string list
// Each value has exactly one encoding, so writing what was read gives the same bytes.
// The reader checks every length against the bytes left, rejects unknown tags, invalid
// names and bytes after the root object, limits nesting (objects and collections
// together) to kFormMaxDepth and streams to kFormMaxStreamSize, and reports the first
// fault with its offset and the path of the object and property it was reading.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvale {

inline constexpr char kFormSignature[4] = {'K', 'F', 'R', 'M'};
inline constexpr std::uint16_t kFormVersion = 1;
inline constexpr int kFormMaxDepth = 64;
inline constexpr std::size_t kFormMaxStreamSize = std::size_t{16} << 20;
inline constexpr std::size_t kFormMaxNameLength = 255;

enum class FormValueKind : std::uint8_t {
  Integer,
  String,
  Boolean,
  Identifier,
  Set,
  StringList,
  Collection,
  Binary,
};

struct FormProperty;
using FormItem = std::vector<FormProperty>;

struct FormValue {
  FormValueKind kind = FormValueKind::Integer;
  std::int64_t integer = 0;
  bool boolean = false;
  std::string text;                // string, identifier
  std::vector<std::string> names;  // set members, string-list lines
  std::vector<FormItem> items;     // collection
  std::vector<std::uint8_t> bytes;  // binary

  static FormValue Int(std::int64_t value);
  static FormValue Str(std::string value);
  static FormValue Bool(bool value);
  static FormValue Ident(std::string name);
  static FormValue SetOf(std::vector<std::string> members);
  static FormValue Lines(std::vector<std::string> lines);
  static FormValue Items(std::vector<FormItem> items);
  static FormValue Bytes(std::vector<std::uint8_t> bytes);

  bool operator==(const FormValue& other) const;
};

struct FormProperty {
  std::string name;
  FormValue value;
  bool operator==(const FormProperty&) const = default;
};

struct FormObject {
  std::string className;
  std::string name;
  std::vector<FormProperty> properties;
  std::vector<FormObject> children;

  // The first property of that name, or null.
  const FormProperty* Find(std::string_view propertyName) const;
  bool operator==(const FormObject&) const = default;
};

struct FormReadResult {
  FormObject root;
  std::string error;
  bool ok() const { return error.empty(); }
};

struct FormWriteResult {
  std::vector<std::uint8_t> bytes;
  std::string error;
  bool ok() const { return error.empty(); }
};

// Reads a whole binary stream. On any fault the root is empty and `error` reads like
// "form stream: a string of 900 bytes runs past the end of the stream (12 bytes left) at
// offset 57 (in Form1.Label1.Caption)".
FormReadResult ReadFormStream(const std::uint8_t* data, std::size_t size);

// Writes the tree; a tree the reader would refuse (an invalid name, too deep, too big)
// gives an error and no bytes.
FormWriteResult WriteFormStream(const FormObject& root);

bool IsFormIdentifier(std::string_view text);
// object, end or item, in any case.
bool IsFormKeyword(std::string_view text);
bool IsFormPropertyName(std::string_view text);

}  // namespace korvale

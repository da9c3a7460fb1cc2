#include "core/FormStream.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace korvale {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A tree with every kind of value, a nested collection and grandchildren.
FormObject SampleTree() {
  FormObject root;
  root.className = "TForm1";
  root.name = "Form1";
  root.properties = {
      {"Left", FormValue::Int(237)},
      {"Tag", FormValue::Int(INT64_MIN)},
      {"Caption", FormValue::Str(std::string("Korvale 'Server'\r\n\xe4\0x", 21))},
      {"Visible", FormValue::Bool(false)},
      {"AutoScroll", FormValue::Bool(true)},
      {"BorderStyle", FormValue::Ident("bsSingle")},
      {"BorderIcons", FormValue::SetOf({"biSystemMenu", "biMinimize"})},
      {"Anchors", FormValue::SetOf({})},
      {"Skin3rd.Strings", FormValue::Lines({"", "TButton=button", ""})},
      {"SkinStream", FormValue::Bytes(Bytes(300, 0xA5))},
      {"Empty", FormValue::Bytes({})},
      {"Store", FormValue::Items({
                    {{"Name", FormValue::Str("MacOS")}, {"DataStream", FormValue::Bytes({1, 2})}},
                    {},
                    {{"Inner", FormValue::Items({{{"X", FormValue::Int(-1)}}})}},
                })},
  };
  FormObject button;
  button.className = "TButton";
  button.name = "Button1";
  button.properties = {{"OnClick", FormValue::Ident("Button1Click")}};
  FormObject unnamed;
  unnamed.className = "TTimer";
  button.children.push_back(unnamed);
  root.children = {button, FormObject{"TLabel", "Label1", {}, {}}};
  return root;
}

Bytes Write(const FormObject& tree) {
  const FormWriteResult w = WriteFormStream(tree);
  EXPECT_TRUE(w.ok()) << w.error;
  return w.bytes;
}

FormReadResult Read(const Bytes& bytes) { return ReadFormStream(bytes.data(), bytes.size()); }

TEST(FormStream, RoundTripsEveryKindOfValue) {
  const FormObject tree = SampleTree();
  const Bytes bytes = Write(tree);
  const FormReadResult r = Read(bytes);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.root, tree);
  EXPECT_EQ(Write(r.root), bytes);
  ASSERT_NE(r.root.Find("Caption"), nullptr);
  EXPECT_EQ(r.root.Find("Caption")->value.text.size(), 21u);
  EXPECT_EQ(r.root.Find("Nope"), nullptr);
}

// Stored forms depend on this layout; it changes only with the version number.
TEST(FormStream, LayoutIsStable) {
  FormObject root{"TForm", "F", {}, {}};
  root.properties = {{"A", FormValue::Int(-2)},
                     {"S", FormValue::Str("hi")},
                     {"B", FormValue::Bool(true)},
                     {"E", FormValue::Ident("x")},
                     {"T", FormValue::SetOf({"p", "q"})},
                     {"L", FormValue::Lines({"z"})},
                     {"C", FormValue::Items({{{"N", FormValue::Bool(false)}}})},
                     {"D", FormValue::Bytes({9})}};
  root.children = {FormObject{"TX", "", {}, {}}};
  const Bytes expected = {
      'K', 'F', 'R', 'M', 1, 0, 5, 'T', 'F', 'o', 'r', 'm', 1, 'F',
      1, 'A', 1, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
      1, 'S', 2, 2, 0, 0, 0, 'h', 'i',
      1, 'B', 4,
      1, 'E', 5, 1, 'x',
      1, 'T', 6, 1, 'p', 1, 'q', 0,
      1, 'L', 9, 1, 0, 0, 0, 1, 0, 0, 0, 'z',
      1, 'C', 7, 1, 1, 'N', 3, 0, 0,
      1, 'D', 8, 1, 0, 0, 0, 9,
      0,                            // end of the root's properties
      2, 'T', 'X', 0, 0, 0,         // unnamed child: class, empty name, no properties, no children
      0};                           // end of the root's children
  EXPECT_EQ(Write(root), expected);
  EXPECT_EQ(Read(expected).root, root);
}

TEST(FormStream, EveryTruncationIsRefused) {
  const Bytes bytes = Write(SampleTree());
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    const Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
    const FormReadResult r = Read(cut);
    ASSERT_FALSE(r.ok()) << "cut at " << n;
    EXPECT_NE(r.error.find("at offset"), std::string::npos) << r.error;
    EXPECT_TRUE(r.root.className.empty());
  }
}

Bytes Header() { return {'K', 'F', 'R', 'M', 1, 0}; }
Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
const Bytes kRootStart = {2, 'T', 'F', 1, 'F'};  // class TF, name F

TEST(FormStream, HostileBytesGiveMessagesWithOffsetAndPath) {
  Bytes deepObjects = Header();
  for (int i = 0; i < kFormMaxDepth + 1; ++i) deepObjects = deepObjects + Bytes{1, 'T', 0, 0};
  Bytes deepItems = Header() + kRootStart + Bytes{1, 'P'};
  for (int i = 0; i < kFormMaxDepth; ++i) deepItems = deepItems + Bytes{7, 1, 1, 'P'};

  struct Case {
    const char* name;
    Bytes bytes;
    const char* error;
  };
  const std::vector<Case> cases = {
      {"empty", {}, "form stream: a stream of 0 bytes has no header at offset 0"},
      {"signature", Bytes{'K', 'F', 'R', 'X', 1, 0, 0}, "no \"KFRM\" signature at offset 0"},
      {"version", Bytes{'K', 'F', 'R', 'M', 2, 0}, "unsupported version 2 (this reader knows 1) at offset 4"},
      {"root without class", Header() + Bytes{0, 0, 0, 0}, "the root object has no class name"},
      {"class name with a space", Header() + Bytes{3, 'T', ' ', 'x', 0, 0, 0},
       "invalid class name \"T x\" at offset 6"},
      {"property name with two dots", Header() + kRootStart + Bytes{4, 'a', '.', '.', 'b'},
       "invalid property name \"a..b\" at offset 11 (in F)"},
      {"unknown type", Header() + kRootStart + Bytes{4, 'L', 'e', 'f', 't', 10},
       "unknown value type 10 at offset 16 (in F.Left)"},
      {"identifier True", Header() + kRootStart + Bytes{1, 'P', 5, 4, 'T', 'r', 'u', 'e', 0, 0},
       "invalid identifier value \"True\" at offset 14 (in F.P)"},
      {"identifier keyword", Header() + kRootStart + Bytes{1, 'P', 5, 3, 'E', 'n', 'd', 0, 0},
       "invalid identifier value \"End\" at offset 14 (in F.P)"},
      {"class keyword", Header() + Bytes{4, 'i', 't', 'e', 'm', 0, 0, 0},
       "invalid class name \"item\" at offset 6"},
      {"string past the end", Header() + kRootStart + Bytes{1, 'P', 2, 0xFF, 0xFF, 0xFF, 0xFF, 'x'},
       "a string of 4294967295 bytes runs past the end of the stream (1 bytes left) at offset 18 (in F.P)"},
      {"huge line count", Header() + kRootStart + Bytes{1, 'P', 9, 0, 0, 0, 0x10, 0, 0, 0, 0},
       "a list of 268435456 lines cannot fit in the 4 bytes left at offset 18 (in F.P)"},
      {"bad item marker", Header() + kRootStart + Bytes{1, 'C', 7, 1, 0, 2},
       "invalid collection item marker 2 at offset 16 (in F.C)"},
      {"bytes after the root", Header() + kRootStart + Bytes{0, 0, 0xCC},
       "1 unexpected bytes after the root object at offset 13"},
      {"objects too deep", deepObjects, "nesting deeper than 64 levels"},
      {"collections too deep", deepItems, "nesting deeper than 64 levels"},
      {"cut inside an integer", Header() + kRootStart + Bytes{1, 'P', 1, 0, 0},
       "an integer of 8 bytes runs past the end of the stream (2 bytes left) at offset 14"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FormReadResult r = Read(c.bytes);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find(c.error), std::string::npos) << r.error;
  }
  const Bytes huge(kFormMaxStreamSize + 1, 0);
  EXPECT_NE(Read(huge).error.find("exceeds the limit of 16777216 bytes"), std::string::npos);
}

TEST(FormStream, WriterRefusesTreesTheReaderWouldRefuse) {
  struct Case {
    const char* name;
    std::function<void(FormObject&)> spoil;
    const char* error;
  };
  const std::vector<Case> cases = {
      {"empty class", [](FormObject& o) { o.className.clear(); }, "the class name \"\""},
      {"bad component name", [](FormObject& o) { o.children[0].name = "1st"; },
       "the component name \"1st\" (in Form1.1st)"},
      {"bad property name", [](FormObject& o) { o.properties[0].name = "Font."; },
       "the property name \"Font.\" (in Form1)"},
      {"identifier false", [](FormObject& o) { o.properties[5].value.text = "FALSE"; },
       "the identifier \"FALSE\" (in Form1.BorderStyle)"},
      {"bad set member", [](FormObject& o) { o.properties[6].value.names.push_back(""); },
       "the set member \"\""},
      {"long name", [](FormObject& o) { o.name = std::string(256, 'n'); }, "the component name"},
      {"bad name in an item",
       [](FormObject& o) { o.properties.back().value.items[0][0].name = "N-1"; },
       "the property name \"N-1\" (in Form1.Store.item0)"},
      {"too deep",
       [](FormObject& o) {
         FormObject* at = &o;
         for (int i = 0; i < kFormMaxDepth; ++i) {
           at->children.push_back(FormObject{"T", "", {}, {}});
           at = &at->children.back();
         }
       },
       "nesting deeper than 64 levels"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FormObject tree = SampleTree();
    c.spoil(tree);
    const FormWriteResult w = WriteFormStream(tree);
    EXPECT_FALSE(w.ok());
    EXPECT_TRUE(w.bytes.empty());
    EXPECT_NE(w.error.find(c.error), std::string::npos) << w.error;
  }
}

}  // namespace
}  // namespace korvale

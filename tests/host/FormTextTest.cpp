#include "core/FormText.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/FormStream.h"

namespace korvale {
namespace {

using Bytes = std::vector<std::uint8_t>;

const char* const kMainForm = R"(// The main window, as a test sees it.
object Form1: TForm1
  Left = 237
  Top = -5
  Color = $8000000F
  Caption = 'Korvale Server Manager v2.1 RC1'
  Hint = 'It''s'#13#10 +
    'two'#$09'x' + #228
  BorderStyle = bsSingle
  Visible = False
  Enabled = true
  BorderIcons = [biSystemMenu, biMinimize]
  Anchors = []
  OnCreate = FormCreate
  SkinStream = {file 'skins/blue.skn'}
  Data = {0A0b 0C
    0D}
  Lines.Strings = (
    ''
    'row ' + '1')
  Items = <
    item
      Name = 'a'
      End = 7
    end
    item
    end>
  object Button1: TButton
    Caption = 'Activate'   // a trailing comment
  end
  object TTimer
    Object = 1
  end
end
)";

FormFileLoader FakeFiles(std::map<std::string, Bytes> files, std::vector<std::string>* asked = nullptr) {
  return [files, asked](const std::string& path, Bytes& bytes, std::string& error) {
    if (asked) asked->push_back(path);
    const auto it = files.find(path);
    if (it == files.end()) {
      error = "cannot open '" + path + "'";
      return false;
    }
    bytes = it->second;
    return true;
  };
}

TEST(FormText, ParsesEveryValueForm) {
  std::vector<std::string> asked;
  const FormTextResult r = ParseFormText(kMainForm, FakeFiles({{"skins/blue.skn", {1, 2, 3}}}, &asked));
  ASSERT_TRUE(r.ok()) << r.error;
  const FormObject& f = r.root;
  EXPECT_EQ(f.className, "TForm1");
  EXPECT_EQ(f.name, "Form1");
  auto value = [&f](const char* name) {
    const FormProperty* p = f.Find(name);
    EXPECT_NE(p, nullptr) << name;
    return p ? p->value : FormValue{};
  };
  EXPECT_EQ(value("Left"), FormValue::Int(237));
  EXPECT_EQ(value("Top"), FormValue::Int(-5));
  EXPECT_EQ(value("Color"), FormValue::Int(0x8000000F));
  EXPECT_EQ(value("Caption"), FormValue::Str("Korvale Server Manager v2.1 RC1"));
  EXPECT_EQ(value("Hint"), FormValue::Str("It's\r\ntwo\tx\xe4"));
  EXPECT_EQ(value("BorderStyle"), FormValue::Ident("bsSingle"));
  EXPECT_EQ(value("Visible"), FormValue::Bool(false));
  EXPECT_EQ(value("Enabled"), FormValue::Bool(true));
  EXPECT_EQ(value("BorderIcons"), FormValue::SetOf({"biSystemMenu", "biMinimize"}));
  EXPECT_EQ(value("Anchors"), FormValue::SetOf({}));
  EXPECT_EQ(value("OnCreate"), FormValue::Ident("FormCreate"));
  EXPECT_EQ(value("SkinStream"), FormValue::Bytes({1, 2, 3}));
  EXPECT_EQ(asked, std::vector<std::string>{"skins/blue.skn"});
  EXPECT_EQ(value("Data"), FormValue::Bytes({0x0A, 0x0B, 0x0C, 0x0D}));
  EXPECT_EQ(value("Lines.Strings"), FormValue::Lines({"", "row 1"}));
  EXPECT_EQ(value("Items"),
            FormValue::Items({{{"Name", FormValue::Str("a")}, {"End", FormValue::Int(7)}}, {}}));
  ASSERT_EQ(f.children.size(), 2u);
  EXPECT_EQ(f.children[0].name, "Button1");
  EXPECT_EQ(f.children[0].Find("Caption")->value, FormValue::Str("Activate"));
  EXPECT_EQ(f.children[1].className, "TTimer");
  EXPECT_EQ(f.children[1].name, "");
  EXPECT_EQ(f.children[1].Find("Object")->value, FormValue::Int(1));
}

// text -> binary -> text -> binary gives the same bytes, and the printed text reads back
// to the same tree.
TEST(FormText, TextAndBinaryRoundTrip) {
  const FormTextResult first = ParseFormText(kMainForm, FakeFiles({{"skins/blue.skn", Bytes(100, 7)}}));
  ASSERT_TRUE(first.ok()) << first.error;
  const FormWriteResult bin1 = WriteFormStream(first.root);
  ASSERT_TRUE(bin1.ok()) << bin1.error;
  const FormReadResult read = ReadFormStream(bin1.bytes.data(), bin1.bytes.size());
  ASSERT_TRUE(read.ok()) << read.error;
  const std::string text = FormatFormText(read.root);
  const FormTextResult second = ParseFormText(text);
  ASSERT_TRUE(second.ok()) << second.error << "\n" << text;
  EXPECT_EQ(second.root, first.root);
  EXPECT_EQ(WriteFormStream(second.root).bytes, bin1.bytes);
  EXPECT_EQ(FormatFormText(second.root), text);
}

TEST(FormText, PrintsReadableText) {
  FormObject root{"TForm2", "Form2", {}, {}};
  root.properties = {{"Caption", FormValue::Str("About 'it'\r\n\x01")},
                     {"Empty", FormValue::Str("")},
                     {"Big", FormValue::Bytes(Bytes(33, 0xAB))},
                     {"Lines", FormValue::Lines({"a"})},
                     {"Items", FormValue::Items({{{"Name", FormValue::Str("x")}}})}};
  root.children = {FormObject{"TBevel", "", {}, {}}};
  const std::string expected =
      "object Form2: TForm2\n"
      "  Caption = 'About ''it'''#13#10#1\n"
      "  Empty = ''\n"
      "  Big = {\n"
      "    ABABABABABABABABABABABABABABABABABABABABABABABABABABABABABABABAB\n"
      "    AB}\n"
      "  Lines = (\n"
      "    'a')\n"
      "  Items = <\n"
      "    item\n"
      "      Name = 'x'\n"
      "    end>\n"
      "  object TBevel\n"
      "  end\n"
      "end\n";
  EXPECT_EQ(FormatFormText(root), expected);
}

TEST(FormText, IntegerLimits) {
  struct Case {
    const char* text;
    bool ok;
    std::int64_t value;
  };
  const std::vector<Case> cases = {
      {"9223372036854775807", true, INT64_MAX},
      {"-9223372036854775808", true, INT64_MIN},
      {"9223372036854775808", false, 0},
      {"-9223372036854775809", false, 0},
      {"99999999999999999999", false, 0},
      {"$FFFFFFFFFFFFFFFF", true, -1},
      {"$1AF4", true, 0x1AF4},
      {"-$10", true, -16},
      {"$10000000000000000", false, 0},
      {"0", true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const FormTextResult r = ParseFormText(std::string("object T\n  V = ") + c.text + "\nend\n");
    EXPECT_EQ(r.ok(), c.ok) << r.error;
    if (c.ok && r.ok()) {
      EXPECT_EQ(r.root.Find("V")->value, FormValue::Int(c.value));
    }
    if (!c.ok) {
      EXPECT_NE(r.error.find("line 2"), std::string::npos) << r.error;
    }
  }
}

TEST(FormText, SyntaxErrorsNameLineAndColumn) {
  struct Case {
    const char* text;
    const char* error;
  };
  const std::vector<Case> cases = {
      {"", "line 1, column 1: expected 'object', found the end of the file"},
      {"object F: TF\n  Left 5\nend\n", "line 2, column 8: expected '=' after property name 'Left', found a number"},
      {"object F: TF\n  Left = 5\n", "line 3, column 1: missing 'end' of object F (line 1)"},
      {"object F: TF\nend\nend\n", "line 3, column 1: unexpected 'end' after the root object's 'end'"},
      {"object F: TF\n  C = 'abc\nend\n", "line 2, column 11: unterminated string"},
      {"object F: TF\n  C = #300\nend\n", "line 2, column 7: character code #300 does not fit in 8 bits"},
      {"object F: TF\n  C = 'a' +\nend\n", "line 3, column 1: expected a string after '+', found 'end'"},
      {"object F: TF\n  W = 1.5\nend\n", "line 2, column 8: floating-point values are not supported"},
      {"object F: TF\n  W = 12px\nend\n", "line 2, column 9: invalid number: unexpected 'p'"},
      {"object F: TF\n  S = [a, ]\nend\n", "line 2, column 11: expected a set member, found ']'"},
      {"object F: TF\n  S = [a b]\nend\n", "line 2, column 10: expected ']' to close the set, found 'b'"},
      {"object F: TF\n  D = {0A0}\nend\n", "line 2, column 11: odd number of hexadecimal digits"},
      {"object F: TF\n  D = {0G}\nend\n", "line 2, column 9: unexpected 'G' in a binary value"},
      {"object F: TF\n  D = {0A\n", "line 3, column 1: unterminated binary value"},
      {"object F: TF\n  I = <\n    Name = 'x'\n  >\nend\n", "line 3, column 5: expected 'item' or '>', found 'Name'"},
      {"object F: TF\n  I = <item 5 end>\nend\n", "line 2, column 13: expected a property or 'end' of the item at line 2, found a number"},
      {"object F: TF\n  L = ('a' 5)\nend\n", "line 2, column 12: expected ')' to close the string list, found a number"},
      {"object F: TF\n  X = \nend\n", "line 3, column 1: expected a value, found 'end'"},
      {"object F: TF\n  X = =\nend\n", "line 2, column 7: expected a value, found '='"},
      {"object F: TF\n  @\nend\n", "line 2, column 3: unexpected '@'"},
      {"object F: TF\n  A.= 1\nend\n", "line 2, column 5: expected a property name after '.', found '='"},
      {"object F:\nend\n", "line 2, column 1: expected a class name after ':', found 'end'"},
      {"object F: TF\n  D = {file}\nend\n", "line 2, column 12: expected a quoted path after 'file'"},
      {"object F: TF\n  D = {file 'x' 'y'}\nend\n", "expected '}' after the file path"},
      {"object F: TF\n  C = 'a'#\nend\n", "line 2, column 10: '#' without a character code"},
      {"object F: TF\n  X = 1\n  Y = 2\n", "line 4, column 1: missing 'end' of object F (line 1)"},
      {"object end: TF\nend\n", "line 1, column 8: expected a component name or class name, found 'end'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const FormTextResult r = ParseFormText(c.text);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find(c.error), std::string::npos) << r.error;
    EXPECT_GT(r.line, 0);
    EXPECT_TRUE(r.root.className.empty());
  }
}

TEST(FormText, FileValuesAndLimits) {
  const char* text = "object F: TF\n  D = {file 'missing.skn'}\nend\n";
  FormTextResult r = ParseFormText(text, FakeFiles({}));
  EXPECT_EQ(r.error, "line 2, column 7: cannot open 'missing.skn'");
  r = ParseFormText(text);
  EXPECT_EQ(r.error, "line 2, column 7: {file 'missing.skn'} cannot be resolved here");

  std::string deep;
  for (int i = 0; i < kFormMaxDepth + 1; ++i) deep += "object T\n";
  for (int i = 0; i < kFormMaxDepth + 1; ++i) deep += "end\n";
  r = ParseFormText(deep);
  EXPECT_NE(r.error.find("line 65, column 8: nesting deeper than 64 levels"), std::string::npos) << r.error;

  r = ParseFormText("object F: " + std::string(256, 'T') + "\nend\n");
  EXPECT_NE(r.error.find("longer than 255 characters"), std::string::npos) << r.error;
}

}  // namespace
}  // namespace korvale

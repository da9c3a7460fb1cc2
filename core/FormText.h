#pragma once

// The text form of a form description (a .form file), the source that tools/formc compiles
// into the binary stream of core/FormStream.h:
//
//   object Form1: TForm1                 // an object: component name, class
//     Left = 237                         // integer; also -5 and hexadecimal $1AF4
//     Caption = 'Server ''A'''#13#10 +   // quoted runs ('' is a quote), #13 and #$0D
//       'second line'                    //   character codes, + joins parts
//     Visible = False                    // boolean (True/False in any case)
//     BorderStyle = bsSingle             // identifier (enumeration value, event handler)
//     BorderIcons = [biSystemMenu, biMinimize]     // set
//     Lines = ('one' 'two')              // string list
//     Data = {0A0B0C}                    // binary, hexadecimal, white space allowed
//     SkinStream = {file 'skins/blue.skn'}         // binary: the bytes of a file
//     Items = <                          // collection
//       item
//         Name = 'a'
//       end>
//     object Button1: TButton            // a child; "object TButton" has no name
//       Caption = 'Activate'
//     end
//   end
//
// Keywords (object, end, item) are not case-sensitive; a property may still be named like
// one, since a keyword followed by "=" or "." is read as a property name. Hexadecimal
// numbers are 64-bit patterns ($FFFFFFFFFFFFFFFF is -1); decimal ones must fit in 64 bits.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FormStream.h"

namespace korvale {

// Supplies the bytes of a {file 'path'} value; on failure returns false and sets `error`.
using FormFileLoader =
    std::function<bool(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error)>;

struct FormTextResult {
  FormObject root;
  std::string error;  // "line 7, column 12: expected '=' after property name 'Caption'"
  int line = 0;       // the line of the fault, 0 when there is none
  bool ok() const { return error.empty(); }
};

// Parses a whole .form text. Without a loader, {file ...} values are an error.
FormTextResult ParseFormText(std::string_view text, const FormFileLoader& loadFile = {});

// The text form of a tree that the stream reader or the parser produced; parsing it gives
// the same tree.
std::string FormatFormText(const FormObject& root);

}  // namespace korvale

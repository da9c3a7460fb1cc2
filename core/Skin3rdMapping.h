#pragma once

// The Skin3rd list maps class names of other makers' controls to the kind of skinner that
// serves them, one "ClassName=kind" line each.
#include <optional>
#include <string>
#include <string_view>

#include "core/StringList.h"

namespace korvale {

enum class Skin3rdKind {
  Unknown,
  ComboBox,
  Edit,
  RadioButton,
  Panel,
  TrackBar,
  Button,
  Tab,
  Progress,
  ScrollBar,
  RadioGroup,
  CheckGroup,
  CheckBox,
};

// The kind of the first line that begins, ignoring case, with the class name and "=": the
// text after the first "=", at most 50 characters. Nothing when no line names the class.
std::optional<Skin3rdKind> FindSkin3rdKind(const TStringList& lines, std::string_view className);

// A kind text, compared in lower case; Unknown for any other text.
Skin3rdKind ParseSkin3rdKind(std::string_view kind);

}  // namespace korvale

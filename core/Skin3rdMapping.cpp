#include "core/Skin3rdMapping.h"

#include <array>
#include <utility>

#include "core/AsciiText.h"

namespace korvale {

namespace {

constexpr std::size_t kMaxKindLength = 50;

constexpr std::array<std::pair<std::string_view, Skin3rdKind>, 12> kKinds{{
    {"combobox", Skin3rdKind::ComboBox},
    {"edit", Skin3rdKind::Edit},
    {"radiobutton", Skin3rdKind::RadioButton},
    {"panel", Skin3rdKind::Panel},
    {"trackbar", Skin3rdKind::TrackBar},
    {"button", Skin3rdKind::Button},
    {"tab", Skin3rdKind::Tab},
    {"progress", Skin3rdKind::Progress},
    {"scrollbar", Skin3rdKind::ScrollBar},
    {"radiogroup", Skin3rdKind::RadioGroup},
    {"checkgroup", Skin3rdKind::CheckGroup},
    {"checkbox", Skin3rdKind::CheckBox},
}};

}  // namespace

Skin3rdKind ParseSkin3rdKind(std::string_view kind) {
  for (const auto& [name, value] : kKinds)
    if (AsciiEqualsNoCase(kind, name)) return value;
  return Skin3rdKind::Unknown;
}

std::optional<Skin3rdKind> FindSkin3rdKind(const TStringList& lines, std::string_view className) {
  if (className.empty()) return std::nullopt;
  for (const std::string& line : lines) {
    if (line.size() <= className.size() || line[className.size()] != '=') continue;
    if (!AsciiEqualsNoCase(std::string_view(line).substr(0, className.size()), className)) continue;
    return ParseSkin3rdKind(std::string_view(line).substr(className.size() + 1, kMaxKindLength));
  }
  return std::nullopt;
}

}  // namespace korvale

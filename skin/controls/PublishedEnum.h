#pragma once

// Published enumeration properties read and set by name, only where a control publishes
// one of that name (booleans count as enumerations).
#include <optional>
#include <string>

namespace korvale {

class TObject;

// The value name ("True", "bsSingle"), or nothing when there is no such enumeration.
std::optional<std::string> PublishedEnumValue(TObject* object, const std::string& name);
// Sets the value by name when the property exists; answers whether it did.
bool SetPublishedEnum(TObject* object, const std::string& name, const std::string& value);

}  // namespace korvale

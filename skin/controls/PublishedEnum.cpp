#include "skin/controls/PublishedEnum.h"

#include "toolkit/TypInfo.h"

namespace korvale {

namespace {

bool IsEnumProp(TObject* object, const std::string& name) {
  const TClassInfo* info = ClassInfoOf(object);
  const TPropInfo* prop = info ? info->FindProperty(name) : nullptr;
  return prop && (prop->kind == TTypeKind::tkEnumeration || prop->kind == TTypeKind::tkBoolean);
}

}  // namespace

std::optional<std::string> PublishedEnumValue(TObject* object, const std::string& name) {
  if (!IsEnumProp(object, name)) return std::nullopt;
  return GetEnumProp(object, name);
}

bool SetPublishedEnum(TObject* object, const std::string& name, const std::string& value) {
  if (!IsEnumProp(object, name)) return false;
  SetEnumProp(object, name, value);
  return true;
}

}  // namespace korvale

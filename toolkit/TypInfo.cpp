#include "toolkit/TypInfo.h"

#include <algorithm>
#include <map>

#include "core/AsciiText.h"
#include "toolkit/Collection.h"
#include "toolkit/Component.h"
#include "toolkit/Filer.h"

namespace korvale {

namespace {

struct ClassRegistry {
  // Names compare without case, as in the form text.
  std::map<std::string, std::unique_ptr<TClassInfo>> classes;
};

ClassRegistry& Classes() {
  static ClassRegistry* registry = new ClassRegistry;
  return *registry;
}

// The toolkit's classes come first, so that any class may name one of them as its parent.
void EnsureToolkitClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterToolkitClasses();
}

std::string KindText(FormValueKind kind) {
  switch (kind) {
    case FormValueKind::Integer: return "an integer";
    case FormValueKind::String: return "a string";
    case FormValueKind::Boolean: return "a boolean";
    case FormValueKind::Identifier: return "an identifier";
    case FormValueKind::Set: return "a set";
    case FormValueKind::StringList: return "a string list";
    case FormValueKind::Collection: return "a collection";
    case FormValueKind::Binary: return "binary data";
  }
  return "a value";
}

[[noreturn]] void BadValue(const TPropInfo& prop, const std::string& why) {
  throw Exception("Invalid value for property " + prop.name + ": " + why);
}

int ValueIndex(const TPropInfo& prop, const std::string& name) {
  for (std::size_t i = 0; i < prop.valueNames.size(); ++i) {
    if (AsciiLower(prop.valueNames[i]) == AsciiLower(name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

bool TClassInfo::InheritsFrom(const std::string& name) const {
  for (const TClassInfo* c = this; c; c = c->parent_) {
    if (AsciiLower(c->name_) == AsciiLower(name)) return true;
  }
  return false;
}

const TPropInfo* TClassInfo::FindProperty(const std::string& name) const {
  const std::string key = AsciiLower(name);
  for (const TClassInfo* c = this; c; c = c->parent_) {
    for (const auto& p : c->properties_) {
      if (AsciiLower(p->name) == key) return p.get();
    }
  }
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->parent_) chain.push_back(c);
  std::vector<const TPropInfo*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const auto& p : (*it)->properties_) {
      // A descendant may register a property again; the later entry stands in its place.
      auto same = std::find_if(result.begin(), result.end(),
                               [&](const TPropInfo* q) { return AsciiLower(q->name) == AsciiLower(p->name); });
      if (same != result.end()) *same = p.get();
      else result.push_back(p.get());
    }
  }
  return result;
}

const THandlerInfo* TClassInfo::FindHandler(const std::string& name) const {
  const std::string key = AsciiLower(name);
  for (const TClassInfo* c = this; c; c = c->parent_) {
    for (const auto& h : c->handlers_) {
      if (AsciiLower(h.name) == key) return &h;
    }
  }
  return nullptr;
}

const THandlerInfo* TClassInfo::BoundHandler(TObject* form, TObject* target, const TPropInfo& event) const {
  if (!event.eventType) return nullptr;
  for (const TClassInfo* c = this; c; c = c->parent_) {
    for (const auto& h : c->handlers_) {
      if (h.eventType == *event.eventType && h.fits(form) && h.isBound(form, target, event)) return &h;
    }
  }
  return nullptr;
}

TPropInfo& TClassInfo::Add(TPropInfo info) {
  for (auto& p : properties_) {
    if (AsciiLower(p->name) == AsciiLower(info.name)) {
      *p = std::move(info);
      return *p;
    }
  }
  properties_.push_back(std::make_unique<TPropInfo>(std::move(info)));
  return *properties_.back();
}

void TClassInfo::AddHandler(THandlerInfo handler) {
  for (auto& h : handlers_) {
    if (AsciiLower(h.name) == AsciiLower(handler.name)) {
      h = std::move(handler);
      return;
    }
  }
  handlers_.push_back(std::move(handler));
}

TClassInfo& RegisterClassInfo(const std::string& name, const std::string& parentName) {
  EnsureToolkitClasses();
  auto& classes = Classes().classes;
  auto it = classes.find(AsciiLower(name));
  if (it != classes.end()) return *it->second;
  const TClassInfo* parent = nullptr;
  if (!parentName.empty()) {
    auto p = classes.find(AsciiLower(parentName));
    if (p == classes.end()) throw Exception("Class " + parentName + " is not registered");
    parent = p->second.get();
  }
  auto info = std::make_unique<TClassInfo>(name, parent);
  TClassInfo& result = *info;
  classes.emplace(AsciiLower(name), std::move(info));
  return result;
}

const TClassInfo* FindClassInfo(const std::string& name) {
  EnsureToolkitClasses();
  auto& classes = Classes().classes;
  auto it = classes.find(AsciiLower(name));
  return it == classes.end() ? nullptr : it->second.get();
}

const TClassInfo* ClassInfoOf(const TObject* object) {
  return object ? FindClassInfo(object->ClassName()) : nullptr;
}

const TPropInfo& GetPropInfo(const TObject* object, const std::string& name) {
  const TClassInfo* info = ClassInfoOf(object);
  const TPropInfo* prop = info ? info->FindProperty(name) : nullptr;
  if (!prop) {
    throw Exception("Property " + name + " does not exist in class " +
                    (object ? object->ClassName() : std::string("(none)")));
  }
  return *prop;
}

bool IsPublishedProp(const TObject* object, const std::string& name) {
  const TClassInfo* info = ClassInfoOf(object);
  return info && info->FindProperty(name);
}

std::int64_t GetOrdProp(TObject* object, const std::string& name) {
  const TPropInfo& prop = GetPropInfo(object, name);
  if (!prop.getOrdinal) throw Exception("Property " + name + " is not an ordinal property");
  return prop.getOrdinal(object);
}

void SetOrdProp(TObject* object, const std::string& name, std::int64_t value) {
  const TPropInfo& prop = GetPropInfo(object, name);
  if (!prop.setOrdinal) throw Exception("Property " + name + " is not an ordinal property");
  if ((prop.kind == TTypeKind::tkEnumeration || prop.kind == TTypeKind::tkBoolean) &&
      (value < 0 || value >= static_cast<std::int64_t>(prop.valueNames.size())))
    BadValue(prop, std::to_string(value) + " is out of range");
  prop.setOrdinal(object, value);
}

std::string GetEnumProp(TObject* object, const std::string& name) {
  const TPropInfo& prop = GetPropInfo(object, name);
  if (prop.kind != TTypeKind::tkEnumeration && prop.kind != TTypeKind::tkBoolean)
    throw Exception("Property " + name + " is not an enumeration");
  const std::int64_t value = prop.getOrdinal(object);
  if (value < 0 || value >= static_cast<std::int64_t>(prop.valueNames.size())) return std::to_string(value);
  return prop.valueNames[static_cast<std::size_t>(value)];
}

void SetEnumProp(TObject* object, const std::string& name, const std::string& valueName) {
  const TPropInfo& prop = GetPropInfo(object, name);
  if (prop.kind != TTypeKind::tkEnumeration && prop.kind != TTypeKind::tkBoolean)
    throw Exception("Property " + name + " is not an enumeration");
  const int index = ValueIndex(prop, valueName);
  if (index < 0) BadValue(prop, "'" + valueName + "' is not one of its values");
  prop.setOrdinal(object, index);
}

std::string GetStrProp(TObject* object, const std::string& name) {
  const TPropInfo& prop = GetPropInfo(object, name);
  if (!prop.getString) throw Exception("Property " + name + " is not a string property");
  return prop.getString(object);
}

void SetStrProp(TObject* object, const std::string& name, const std::string& value) {
  const TPropInfo& prop = GetPropInfo(object, name);
  if (!prop.setString) throw Exception("Property " + name + " is not a string property");
  prop.setString(object, value);
}

FormValue GetPropValue(TObject* object, const TPropInfo& prop) {
  switch (prop.kind) {
    case TTypeKind::tkInteger:
      return FormValue::Int(prop.getOrdinal(object));
    case TTypeKind::tkBoolean:
      return FormValue::Bool(prop.getOrdinal(object) != 0);
    case TTypeKind::tkEnumeration: {
      const std::int64_t v = prop.getOrdinal(object);
      if (v >= 0 && v < static_cast<std::int64_t>(prop.valueNames.size()))
        return FormValue::Ident(prop.valueNames[static_cast<std::size_t>(v)]);
      return FormValue::Int(v);
    }
    case TTypeKind::tkSet: {
      const auto bits = static_cast<std::uint64_t>(prop.getOrdinal(object));
      std::vector<std::string> members;
      for (std::size_t i = 0; i < prop.valueNames.size() && i < 64; ++i) {
        if (bits & (std::uint64_t{1} << i)) members.push_back(prop.valueNames[i]);
      }
      return FormValue::SetOf(std::move(members));
    }
    case TTypeKind::tkString:
      return FormValue::Str(prop.getString(object));
    case TTypeKind::tkStrings:
      return FormValue::Lines(prop.getLines(object));
    case TTypeKind::tkBinary:
      return FormValue::Bytes(prop.getBytes(object));
    case TTypeKind::tkClass: {
      TComponent* c = prop.getObject(object);
      return FormValue::Ident(c ? c->Name() : std::string());
    }
    case TTypeKind::tkCollection: {
      TCollection* collection = prop.getCollection(object);
      std::vector<FormItem> items;
      for (int i = 0; collection && i < collection->Count(); ++i) {
        TCollectionItem* item = collection->Items(i);
        FormItem stored;
        if (const TClassInfo* info = ClassInfoOf(item)) {
          for (const TPropInfo* p : info->Properties()) {
            if (p->kind != TTypeKind::tkMethod && IsStoredProp(item, *p))
              stored.push_back(FormProperty{p->name, GetPropValue(item, *p)});
          }
        }
        TWriteFiler filer(stored);
        item->DefineProperties(filer);
        items.push_back(std::move(stored));
      }
      return FormValue::Items(std::move(items));
    }
    case TTypeKind::tkMethod:
      break;
  }
  throw Exception("Property " + prop.name + " has no stored value");
}

void SetPropValue(TObject* object, const TPropInfo& prop, const FormValue& value,
                  const std::function<TComponent*(const std::string&)>& lookup) {
  auto expect = [&](FormValueKind kind) {
    if (value.kind != kind) BadValue(prop, "expected " + KindText(kind) + ", found " + KindText(value.kind));
  };
  switch (prop.kind) {
    case TTypeKind::tkInteger:
      expect(FormValueKind::Integer);
      prop.setOrdinal(object, value.integer);
      return;
    case TTypeKind::tkBoolean:
      expect(FormValueKind::Boolean);
      prop.setOrdinal(object, value.boolean ? 1 : 0);
      return;
    case TTypeKind::tkEnumeration: {
      if (value.kind == FormValueKind::Integer) {
        if (value.integer < 0 || value.integer >= static_cast<std::int64_t>(prop.valueNames.size()))
          BadValue(prop, std::to_string(value.integer) + " is out of range");
        prop.setOrdinal(object, value.integer);
        return;
      }
      expect(FormValueKind::Identifier);
      const int index = ValueIndex(prop, value.text);
      if (index < 0) BadValue(prop, "'" + value.text + "' is not one of its values");
      prop.setOrdinal(object, index);
      return;
    }
    case TTypeKind::tkSet: {
      expect(FormValueKind::Set);
      std::uint64_t bits = 0;
      for (const std::string& member : value.names) {
        const int index = ValueIndex(prop, member);
        if (index < 0 || index >= 64) BadValue(prop, "'" + member + "' is not one of its members");
        bits |= std::uint64_t{1} << index;
      }
      prop.setOrdinal(object, static_cast<std::int64_t>(bits));
      return;
    }
    case TTypeKind::tkString:
      expect(FormValueKind::String);
      prop.setString(object, value.text);
      return;
    case TTypeKind::tkStrings:
      expect(FormValueKind::StringList);
      prop.setLines(object, value.names);
      return;
    case TTypeKind::tkBinary:
      expect(FormValueKind::Binary);
      prop.setBytes(object, value.bytes);
      return;
    case TTypeKind::tkClass: {
      expect(FormValueKind::Identifier);
      if (value.text.empty()) {
        prop.setObject(object, nullptr);
        return;
      }
      TComponent* target = lookup ? lookup(value.text) : nullptr;
      if (!target) BadValue(prop, "no component named " + value.text);
      prop.setObject(object, target);
      return;
    }
    case TTypeKind::tkCollection: {
      expect(FormValueKind::Collection);
      TCollection* collection = prop.getCollection(object);
      collection->Clear();
      for (const FormItem& stored : value.items) {
        TCollectionItem* item = collection->Add();
        const TClassInfo* info = ClassInfoOf(item);
        std::vector<const FormProperty*> defined;
        for (const FormProperty& p : stored) {
          const TPropInfo* itemProp = info ? info->FindProperty(p.name) : nullptr;
          if (!itemProp && p.value.kind == FormValueKind::Binary) {
            defined.push_back(&p);
            continue;
          }
          SetPropValue(item, itemProp ? *itemProp : GetPropInfo(item, p.name), p.value, lookup);
        }
        TReadFiler filer(defined);
        item->DefineProperties(filer);
        // A value the hook did not claim either: the unknown-property error.
        if (!filer.Left().empty()) GetPropInfo(item, filer.Left().front()->name);
      }
      return;
    }
    case TTypeKind::tkMethod:
      break;
  }
  throw Exception("Property " + prop.name + " cannot be set from a stored value");
}

bool IsStoredProp(TObject* object, const TPropInfo& prop) {
  switch (prop.kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkBoolean:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
      return !prop.defaultOrdinal || prop.getOrdinal(object) != *prop.defaultOrdinal;
    case TTypeKind::tkString:
      return !prop.defaultString || prop.getString(object) != *prop.defaultString;
    case TTypeKind::tkStrings:
      return !prop.getLines(object).empty();
    case TTypeKind::tkBinary:
      return !prop.getBytes(object).empty();
    case TTypeKind::tkClass:
      return prop.getObject(object) != nullptr;
    case TTypeKind::tkCollection: {
      TCollection* c = prop.getCollection(object);
      return c && c->Count() > 0;
    }
    case TTypeKind::tkMethod:
      return false;
  }
  return false;
}

}  // namespace korvale

#pragma once

// Published properties: each class registers, by name, the properties a form description
// may store, with their kind, stored default, getter and setter, and the events a handler
// name can be bound to. Form reading and writing and run-time access by name ("Flat",
// "Checked") all go through this one registry. A class with a factory can be created by
// name; a form class also registers its handler table (handler name -> member function).
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

#include "core/FormStream.h"
#include "toolkit/Component.h"
#include "toolkit/Event.h"
#include "toolkit/Exception.h"

namespace korvale {

class TCollection;

enum class TTypeKind {
  tkInteger,
  tkString,
  tkBoolean,
  tkEnumeration,
  tkSet,
  tkClass,
  tkCollection,
  tkStrings,
  tkBinary,
  tkMethod,
};

struct TPropInfo {
  std::string name;
  TTypeKind kind = TTypeKind::tkInteger;
  // Enumeration values by ordinal; set members by bit number.
  std::vector<std::string> valueNames;
  // Ordinal kinds (integer, boolean, enumeration, set) and strings: a value equal to the
  // default is not stored.
  std::optional<std::int64_t> defaultOrdinal;
  std::optional<std::string> defaultString;

  std::function<std::int64_t(TObject*)> getOrdinal;
  std::function<void(TObject*, std::int64_t)> setOrdinal;
  std::function<std::string(TObject*)> getString;
  std::function<void(TObject*, const std::string&)> setString;
  std::function<std::vector<std::string>(TObject*)> getLines;
  std::function<void(TObject*, const std::vector<std::string>&)> setLines;
  std::function<std::vector<std::uint8_t>(TObject*)> getBytes;
  std::function<void(TObject*, const std::vector<std::uint8_t>&)> setBytes;
  std::function<TComponent*(TObject*)> getObject;
  std::function<void(TObject*, TComponent*)> setObject;  // checks the referenced class
  std::function<TCollection*(TObject*)> getCollection;
  // Events: the event type, and a setter taking a pointer to an event of that type.
  std::optional<std::type_index> eventType;
  std::function<void(TObject*, const void*)> setEvent;
  // Whether the event now holds the given one (for writing the handler's name back).
  std::function<bool(TObject*, const void*)> holdsEvent;
};

class TClassInfo;
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

// One handler of a form class: binds itself to an event field of the type it fits.
struct THandlerInfo {
  std::string name;
  std::type_index eventType;
  std::function<bool(TObject* form)> fits;
  // Sets the event of the target (whose property it is) to this handler of the form.
  std::function<void(TObject* form, TObject* target, const TPropInfo& event)> bind;
  std::function<bool(TObject* form, TObject* target, const TPropInfo& event)> isBound;
};

class TClassInfo {
 public:
  TClassInfo(std::string name, const TClassInfo* parent) : name_(std::move(name)), parent_(parent) {}

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const std::string& name) const;

  // The property of this class or an ancestor; null when there is none.
  const TPropInfo* FindProperty(const std::string& name) const;
  // All properties, ancestors' first, in registration order.
  std::vector<const TPropInfo*> Properties() const;
  const THandlerInfo* FindHandler(const std::string& name) const;
  // The handler of this form class an event of the target holds, or null.
  const THandlerInfo* BoundHandler(TObject* form, TObject* target, const TPropInfo& event) const;

  const TComponentFactory& Factory() const { return factory_; }
  void SetFactory(TComponentFactory factory) { factory_ = std::move(factory); }

  TPropInfo& Add(TPropInfo info);
  void AddHandler(THandlerInfo handler);

 private:
  std::string name_;
  const TClassInfo* parent_;
  TComponentFactory factory_;
  std::vector<std::unique_ptr<TPropInfo>> properties_;
  std::vector<THandlerInfo> handlers_;
};

// Registers a class (or returns the one already registered under the name); the parent
// must be registered first.
TClassInfo& RegisterClassInfo(const std::string& name, const std::string& parentName);
const TClassInfo* FindClassInfo(const std::string& name);
// The class info of an object: its ClassName, or the nearest registered ancestor name
// otherwise unknown; null when nothing is registered under its name.
const TClassInfo* ClassInfoOf(const TObject* object);

// Typed registration of one class: RegisterPublishedClass<TButton>("TButton", "TWinControl").
template <typename C>
class TClassBuilder {
 public:
  explicit TClassBuilder(TClassInfo& info) : info_(info) {}
  TClassInfo& Info() { return info_; }

  TClassBuilder& Creatable() {
    info_.SetFactory([](TComponent* owner) -> TComponent* { return new C(owner); });
    return *this;
  }
  TClassBuilder& Integer(const std::string& name, std::function<std::int64_t(C&)> get,
                         std::function<void(C&, std::int64_t)> set,
                         std::optional<std::int64_t> stored = std::nullopt) {
    TPropInfo p = Ordinal(name, TTypeKind::tkInteger, std::move(get), std::move(set), stored);
    info_.Add(std::move(p));
    return *this;
  }
  TClassBuilder& Boolean(const std::string& name, std::function<bool(C&)> get,
                         std::function<void(C&, bool)> set, std::optional<bool> stored = std::nullopt) {
    TPropInfo p = Ordinal(
        name, TTypeKind::tkBoolean, [get](C& c) -> std::int64_t { return get(c) ? 1 : 0; },
        [set](C& c, std::int64_t v) { set(c, v != 0); },
        stored ? std::optional<std::int64_t>(*stored ? 1 : 0) : std::nullopt);
    p.valueNames = {"False", "True"};
    info_.Add(std::move(p));
    return *this;
  }
  template <typename E>
  TClassBuilder& Enumeration(const std::string& name, std::vector<std::string> valueNames,
                             std::function<E(C&)> get, std::function<void(C&, E)> set,
                             std::optional<E> stored = std::nullopt) {
    TPropInfo p = Ordinal(
        name, TTypeKind::tkEnumeration, [get](C& c) -> std::int64_t { return static_cast<std::int64_t>(get(c)); },
        [set](C& c, std::int64_t v) { set(c, static_cast<E>(v)); },
        stored ? std::optional<std::int64_t>(static_cast<std::int64_t>(*stored)) : std::nullopt);
    p.valueNames = std::move(valueNames);
    info_.Add(std::move(p));
    return *this;
  }
  TClassBuilder& Set(const std::string& name, std::vector<std::string> memberNames,
                     std::function<std::int64_t(C&)> get, std::function<void(C&, std::int64_t)> set,
                     std::optional<std::int64_t> stored = std::nullopt) {
    TPropInfo p = Ordinal(name, TTypeKind::tkSet, std::move(get), std::move(set), stored);
    p.valueNames = std::move(memberNames);
    info_.Add(std::move(p));
    return *this;
  }
  TClassBuilder& String(const std::string& name, std::function<std::string(C&)> get,
                        std::function<void(C&, const std::string&)> set,
                        std::optional<std::string> stored = std::string()) {
    TPropInfo p;
    p.name = name;
    p.kind = TTypeKind::tkString;
    p.defaultString = std::move(stored);
    p.getString = [get](TObject* o) { return get(Self(o)); };
    p.setString = [set](TObject* o, const std::string& v) { set(Self(o), v); };
    info_.Add(std::move(p));
    return *this;
  }
  TClassBuilder& Lines(const std::string& name, std::function<std::vector<std::string>(C&)> get,
                       std::function<void(C&, const std::vector<std::string>&)> set) {
    TPropInfo p;
    p.name = name;
    p.kind = TTypeKind::tkStrings;
    p.getLines = [get](TObject* o) { return get(Self(o)); };
    p.setLines = [set](TObject* o, const std::vector<std::string>& v) { set(Self(o), v); };
    info_.Add(std::move(p));
    return *this;
  }
  TClassBuilder& Binary(const std::string& name, std::function<std::vector<std::uint8_t>(C&)> get,
                        std::function<void(C&, const std::vector<std::uint8_t>&)> set) {
    TPropInfo p;
    p.name = name;
    p.kind = TTypeKind::tkBinary;
    p.getBytes = [get](TObject* o) { return get(Self(o)); };
    p.setBytes = [set](TObject* o, const std::vector<std::uint8_t>& v) { set(Self(o), v); };
    info_.Add(std::move(p));
    return *this;
  }
  // A reference to another component of the form, stored by its name.
  template <typename T>
  TClassBuilder& Reference(const std::string& name, std::function<T*(C&)> get, std::function<void(C&, T*)> set) {
    TPropInfo p;
    p.name = name;
    p.kind = TTypeKind::tkClass;
    p.getObject = [get](TObject* o) -> TComponent* { return get(Self(o)); };
    p.setObject = [set, name](TObject* o, TComponent* value) {
      T* typed = dynamic_cast<T*>(value);
      if (value && !typed) throw Exception("Invalid property value: " + name + " cannot refer to a " + value->ClassName());
      set(Self(o), typed);
    };
    info_.Add(std::move(p));
    return *this;
  }
  TClassBuilder& Collection(const std::string& name, std::function<TCollection&(C&)> get) {
    TPropInfo p;
    p.name = name;
    p.kind = TTypeKind::tkCollection;
    p.getCollection = [get](TObject* o) { return &get(Self(o)); };
    info_.Add(std::move(p));
    return *this;
  }
  template <typename... Args>
  TClassBuilder& Event(const std::string& name, TEvent<Args...> C::*field) {
    TPropInfo p;
    p.name = name;
    p.kind = TTypeKind::tkMethod;
    p.eventType = std::type_index(typeid(TEvent<Args...>));
    p.setEvent = [field](TObject* o, const void* e) { Self(o).*field = *static_cast<const TEvent<Args...>*>(e); };
    p.holdsEvent = [field](TObject* o, const void* e) {
      return Self(o).*field == *static_cast<const TEvent<Args...>*>(e);
    };
    info_.Add(std::move(p));
    return *this;
  }
  // An event set through a setter: EventBy<TNotifyEvent>("OnTimer", get, set).
  template <typename E, typename G, typename F>
  TClassBuilder& EventBy(const std::string& name, G get, F set) {
    TPropInfo p;
    p.name = name;
    p.kind = TTypeKind::tkMethod;
    p.eventType = std::type_index(typeid(E));
    p.setEvent = [set](TObject* o, const void* e) { set(Self(o), *static_cast<const E*>(e)); };
    p.holdsEvent = [get](TObject* o, const void* e) { return get(Self(o)) == *static_cast<const E*>(e); };
    info_.Add(std::move(p));
    return *this;
  }
  // A handler of a form class, found by name when a description binds an event to it.
  template <typename... Args>
  TClassBuilder& Handler(const std::string& name, void (C::*method)(Args...)) {
    info_.AddHandler(THandlerInfo{
        name, std::type_index(typeid(TEvent<Args...>)),
        [](TObject* form) { return dynamic_cast<C*>(form) != nullptr; },
        [method](TObject* form, TObject* target, const TPropInfo& event) {
          const TEvent<Args...> handler(dynamic_cast<C*>(form), method);
          event.setEvent(target, &handler);
        },
        [method](TObject* form, TObject* target, const TPropInfo& event) {
          const TEvent<Args...> handler(dynamic_cast<C*>(form), method);
          return event.holdsEvent && event.holdsEvent(target, &handler);
        }});
    return *this;
  }

 private:
  static C& Self(TObject* o) {
    C* c = dynamic_cast<C*>(o);
    if (!c) throw Exception("Invalid class: " + o->ClassName());
    return *c;
  }
  static TPropInfo Ordinal(const std::string& name, TTypeKind kind, std::function<std::int64_t(C&)> get,
                           std::function<void(C&, std::int64_t)> set, std::optional<std::int64_t> stored) {
    TPropInfo p;
    p.name = name;
    p.kind = kind;
    p.defaultOrdinal = stored;
    p.getOrdinal = [get](TObject* o) { return get(Self(o)); };
    p.setOrdinal = [set](TObject* o, std::int64_t v) { set(Self(o), v); };
    return p;
  }

  TClassInfo& info_;
};

template <typename C>
TClassBuilder<C> RegisterPublishedClass(const std::string& name, const std::string& parentName) {
  return TClassBuilder<C>(RegisterClassInfo(name, parentName));
}

// Run-time access by name. Errors (no such property, a value name the property does not
// have, a read-only kind) raise the toolkit's error naming the property and class.
const TPropInfo& GetPropInfo(const TObject* object, const std::string& name);
bool IsPublishedProp(const TObject* object, const std::string& name);
std::int64_t GetOrdProp(TObject* object, const std::string& name);
void SetOrdProp(TObject* object, const std::string& name, std::int64_t value);
// Enumerations and booleans by value name ("bsSingle", "True").
std::string GetEnumProp(TObject* object, const std::string& name);
void SetEnumProp(TObject* object, const std::string& name, const std::string& valueName);
std::string GetStrProp(TObject* object, const std::string& name);
void SetStrProp(TObject* object, const std::string& name, const std::string& value);

// The stored form of a property's value, and setting one from its stored form. A reference
// is stored as the name of the component; `lookup` finds a component by name for it.
FormValue GetPropValue(TObject* object, const TPropInfo& prop);
void SetPropValue(TObject* object, const TPropInfo& prop, const FormValue& value,
                  const std::function<TComponent*(const std::string&)>& lookup = {});
// Whether the value differs from the stored default, so a writer stores it.
bool IsStoredProp(TObject* object, const TPropInfo& prop);

// Registers the toolkit's own classes and their published properties (done once, on the
// first lookup).
void RegisterToolkitClasses();

}  // namespace korvale

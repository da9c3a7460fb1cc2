#pragma once

// Events are method pointers bound to their object, sender first, as in every component
// toolkit of this style. A TEvent can be saved, compared and restored exactly, which the
// window-procedure hooks of the skin engine and the tray icon rely on.
#include <array>
#include <cstring>
#include <type_traits>

namespace korvale {

template <typename R, typename... Args>
class TMethod {
 public:
  TMethod() = default;

  template <typename C>
  TMethod(C* object, R (C::*method)(Args...)) : object_(object), invoke_(&Invoke<C>) {
    static_assert(sizeof method <= sizeof(Storage), "method pointer does not fit");
    std::memcpy(method_.data(), &method, sizeof method);
  }

  explicit operator bool() const { return invoke_ != nullptr; }

  R operator()(Args... args) const { return invoke_(object_, method_, args...); }

  bool operator==(const TMethod& other) const {
    return object_ == other.object_ && invoke_ == other.invoke_ && method_ == other.method_;
  }

  void* Object() const { return object_; }

 private:
  using Storage = std::array<unsigned char, 2 * sizeof(void*)>;
  using Invoker = R (*)(void*, const Storage&, Args...);

  template <typename C>
  static R Invoke(void* object, const Storage& storage, Args... args) {
    R (C::*method)(Args...);
    std::memcpy(&method, storage.data(), sizeof method);
    return (static_cast<C*>(object)->*method)(args...);
  }

  void* object_ = nullptr;
  Storage method_{};
  Invoker invoke_ = nullptr;
};

// An event handler: returns nothing, takes the sender first.
template <typename... Args>
using TEvent = TMethod<void, Args...>;

class TObject;
using TNotifyEvent = TEvent<TObject*>;

}  // namespace korvale

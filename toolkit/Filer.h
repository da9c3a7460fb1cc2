#pragma once

// The define-property hook's two sides: the binary values a class stores beside its
// published properties, handed over while a description is read and collected while one is
// written. Components and collection items use the same filers.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/FormStream.h"

namespace korvale {

// What a class's DefineProperties hook talks to: while reading, `read` gets the bytes of a
// stored value of that name; while writing, `write` supplies them when `hasData` is true.
class TFiler {
 public:
  using BinaryReader = std::function<void(const std::vector<std::uint8_t>&)>;
  using BinaryWriter = std::function<std::vector<std::uint8_t>()>;
  virtual ~TFiler() = default;
  virtual void DefineBinaryProperty(const std::string& name, BinaryReader read, BinaryWriter write,
                                    bool hasData) = 0;
};

// Hands stored binary values that no published property took to the hook; what the hook
// does not claim is left for the caller to refuse.
class TReadFiler : public TFiler {
 public:
  explicit TReadFiler(std::vector<const FormProperty*> pending) : pending_(std::move(pending)) {}
  void DefineBinaryProperty(const std::string& name, BinaryReader read, BinaryWriter, bool) override;
  const std::vector<const FormProperty*>& Left() const { return pending_; }

 private:
  std::vector<const FormProperty*> pending_;
};

// Appends the hook's values that have data to a property list.
class TWriteFiler : public TFiler {
 public:
  explicit TWriteFiler(std::vector<FormProperty>& out) : out_(out) {}
  void DefineBinaryProperty(const std::string& name, BinaryReader, BinaryWriter write, bool hasData) override {
    if (hasData && write) out_.push_back(FormProperty{name, FormValue::Bytes(write())});
  }

 private:
  std::vector<FormProperty>& out_;
};

}  // namespace korvale

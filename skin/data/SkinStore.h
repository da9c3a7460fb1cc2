#pragma once

// TSkinStore: a non-visual component holding any number of named compressed skins, which
// travel in the form description so the program needs no skin files on disk.
#include <cstdint>
#include <string>
#include <vector>

#include "core/MemoryStream.h"
#include "toolkit/Collection.h"
#include "toolkit/Component.h"

namespace korvale {

class TSkinCollection;

class TSkinCollectionItem : public TCollectionItem {
 public:
  explicit TSkinCollectionItem(TCollection* collection);
  std::string ClassName() const override { return "TSkinCollectionItem"; }

  const std::string& Name() const { return FName; }
  // Raises "The name X is already used." when another item of the collection has it
  // (exact, case-sensitive); the item then keeps its old name.
  void SetName(const std::string& name);
  // Published editing aid, never stored: reads "Load Skin", ignores writes.
  std::string SkinData() const { return "Load Skin"; }
  void SetSkinData(const std::string&) {}
  std::int64_t DataSize() const { return FSkinStream.Size(); }

  // From another item: its name (without the unique-name check) and a copy of its whole
  // stream, leaving the source's position alone. Other sources are refused by TPersistent.
  void Assign(const TPersistent* source) override;
  std::string DisplayName() const override { return FName; }
  // Writes the whole skin stream to `stream`, keeping this stream's position.
  void CopyDataTo(TMemoryStream& stream);

  // The "DataStream" value of the form description: the compressed skin's bytes.
  void ReadDataStream(const std::vector<std::uint8_t>& value);
  void ReadDataStream(TMemoryStream& value);
  void WriteDataStream(TMemoryStream& stream) const;

  TMemoryStream& SkinStream() { return FSkinStream; }
  void DefineProperties(TFiler& filer) override;

 private:
  std::string FName;
  TMemoryStream FSkinStream;
};

class TSkinCollection : public TCollection {
 public:
  explicit TSkinCollection(TPersistent* owner);
  std::string ClassName() const override { return "TSkinCollection"; }
  TSkinCollectionItem* Item(int index) const {
    return static_cast<TSkinCollectionItem*>(Items(index));
  }
  TSkinCollectionItem* AddItem() { return static_cast<TSkinCollectionItem*>(Add()); }
};

class TSkinStore : public TComponent {
 public:
  explicit TSkinStore(TComponent* owner);
  ~TSkinStore() override;
  std::string ClassName() const override { return "TSkinStore"; }

  TSkinCollection* Store() const { return FStore; }
  // Copies the given collection's items into the store's own; null is ignored.
  void SetStore(const TSkinCollection* value);

 private:
  TSkinCollection* FStore;
};

}  // namespace korvale

#include "skin/data/SkinStore.h"

#include "toolkit/Exception.h"

namespace korvale {

TSkinCollectionItem::TSkinCollectionItem(TCollection* collection)
    : TCollectionItem(collection), FName("SkinItem" + std::to_string(ID())) {}

void TSkinCollectionItem::SetName(const std::string& name) {
  if (name == FName) return;
  if (TCollection* owner = Collection()) {
    for (int i = 0; i < owner->Count(); ++i) {
      const auto* other = dynamic_cast<const TSkinCollectionItem*>(owner->Items(i));
      if (other && other != this && other->FName == name) {
        throw Exception("The name " + name + " is already used.");
      }
    }
  }
  FName = name;
}

void TSkinCollectionItem::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TSkinCollectionItem*>(source)) {
    if (other == this) return;
    FName = other->FName;
    FSkinStream.Clear();
    FSkinStream.Write(other->FSkinStream.Memory(), static_cast<std::size_t>(other->FSkinStream.Size()));
    FSkinStream.SetPosition(0);
    return;
  }
  TCollectionItem::Assign(source);
}

void TSkinCollectionItem::CopyDataTo(TMemoryStream& stream) {
  const std::int64_t position = FSkinStream.Position();
  stream.Write(FSkinStream.Memory(), static_cast<std::size_t>(FSkinStream.Size()));
  FSkinStream.SetPosition(position);
}

void TSkinCollectionItem::ReadDataStream(const std::vector<std::uint8_t>& value) {
  FSkinStream.Clear();
  FSkinStream.Write(value.data(), value.size());
  FSkinStream.SetPosition(0);
}

void TSkinCollectionItem::ReadDataStream(TMemoryStream& value) {
  FSkinStream.Clear();
  FSkinStream.Write(value.Memory(), static_cast<std::size_t>(value.Size()));
  FSkinStream.SetPosition(0);
}

void TSkinCollectionItem::WriteDataStream(TMemoryStream& stream) const {
  stream.Write(FSkinStream.Memory(), static_cast<std::size_t>(FSkinStream.Size()));
}

TSkinCollection::TSkinCollection(TPersistent* owner)
    : TCollection(owner, TCollection::FactoryOf<TSkinCollectionItem>()) {}

TSkinStore::TSkinStore(TComponent* owner) : TComponent(owner), FStore(new TSkinCollection(this)) {}

TSkinStore::~TSkinStore() { delete FStore; }

void TSkinStore::SetStore(const TSkinCollection* value) {
  if (value) FStore->Assign(value);
}

}  // namespace korvale

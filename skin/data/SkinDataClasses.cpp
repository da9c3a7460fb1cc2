#include "skin/data/SkinDataClasses.h"

#include <vector>

#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"
#include "toolkit/Filer.h"
#include "toolkit/TypInfo.h"

namespace korvale {

namespace {

std::vector<std::uint8_t> BytesOf(const TMemoryStream& stream) {
  return std::vector<std::uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

void Fill(TMemoryStream& stream, const std::vector<std::uint8_t>& bytes) {
  stream.Clear();
  stream.Write(bytes.data(), bytes.size());
  stream.SetPosition(0);
}

}  // namespace

// Both binary values are always written, even when empty, as stored forms expect them.
void TSkinCollectionItem::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "DataStream", [this](const std::vector<std::uint8_t>& bytes) { ReadDataStream(bytes); },
      [this] {
        TMemoryStream out;
        WriteDataStream(out);
        return BytesOf(out);
      },
      true);
}

void TSkinData::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "SkinStream",
      [this](const std::vector<std::uint8_t>& bytes) {
        TMemoryStream value;
        Fill(value, bytes);
        ReadSkinStream(value);
      },
      [this] {
        TMemoryStream out;
        WriteSkinStream(out);
        return BytesOf(out);
      },
      true);
}

void RegisterSkinDataClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterPublishedClass<TSkinCollectionItem>("TSkinCollectionItem", "TCollectionItem")
      .String("Name", [](TSkinCollectionItem& i) { return i.Name(); },
              [](TSkinCollectionItem& i, const std::string& v) { i.SetName(v); }, std::nullopt);
  RegisterPublishedClass<TSkinStore>("TSkinStore", "TComponent")
      .Creatable()
      .Collection("Store", [](TSkinStore& s) -> TCollection& { return *s.Store(); });
  RegisterPublishedClass<TSkinData>("TSkinData", "TComponent")
      .Creatable()
      .Boolean("Active", [](TSkinData& d) { return d.Active(); },
               [](TSkinData& d, bool v) { d.SetActive(v); }, false)
      .String("SkinFile", [](TSkinData& d) { return d.SkinFile(); },
              [](TSkinData& d, const std::string& v) { d.SetSkinFile(v); })
      .String("SkinStore", [](TSkinData& d) { return d.SkinStore(); },
              [](TSkinData& d, const std::string& v) { d.SetSkinStore(v); }, std::nullopt)
      .Integer("DisableTag", [](TSkinData& d) -> std::int64_t { return d.DisableTag(); },
               [](TSkinData& d, std::int64_t v) { d.SetDisableTag(static_cast<int>(v)); }, 99)
      .Enumeration<TSkinFormType>("SkinFormtype", {"sfMainform", "sfOnlyThisForm", "sfDialog"},
                                  [](TSkinData& d) { return d.SkinFormtype(); },
                                  [](TSkinData& d, TSkinFormType v) { d.SetSkinFormtype(v); },
                                  TSkinFormType::sfMainform)
      .Boolean("MenuUpdate", [](TSkinData& d) { return d.MenuUpdate(); },
               [](TSkinData& d, bool v) { d.SetMenuUpdate(v); }, true)
      .Event("OnSkinChanged", &TSkinData::OnSkinChanged);
}

}  // namespace korvale

#include "skin/data/SkinData.h"

#include <windows.h>

#include <new>

#include "core/LittleEndian.h"
#include "core/SkinRules.h"
#include "skin/data/MenuGlyphs.h"
#include "skin/data/SkinManagerLink.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinStore.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"

namespace korvale {

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      Title(std::make_unique<TDataSkinTitle>("Title")),
      Buttons(std::make_unique<TDataSkinButton>("Buttons")),
      BorderLeft(std::make_unique<TDataSkinBorder>("Left")),
      BorderRight(std::make_unique<TDataSkinBorder>("Right")),
      BorderTop(std::make_unique<TDataSkinBorder>("Top")),
      BorderBottom(std::make_unique<TDataSkinBorder>("Bottom")),
      IconBitmap(std::make_unique<TBitmap>()) {
  for (const std::string& row : DefaultSkin3rd()) FSkin3rd.Add(row);
  FMenuImages = CreateMenuImages();
}

TSkinData::~TSkinData() {
  MarkDestroying();
  if (FMenuImages) ImageList_Destroy(FMenuImages);
  FMenuImages = nullptr;
  if (TSkinManagerLink* manager = ExistingSkinManager()) manager->UnregisterSkinData(this);
}

void TSkinData::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (HasState(TComponentState::Loading)) return;
  switch (FSkinFormtype) {
    case TSkinFormType::sfMainform: {
      if (value && SkinEmpty) return;
      // A component made at run time has not been through Loaded yet.
      if (!ExistingSkinManager()) Loaded();
      TSkinManagerLink& manager = EnsureSkinManager();
      manager.RequestAction(value ? kSkinActionActivate : kSkinActionDeactivate, kSkinRequestDelay);
      manager.SetCurrentSkinData(this);
      break;
    }
    case TSkinFormType::sfOnlyThisForm: {
      if (!ExistingSkinManager()) Loaded();
      TSkinManagerLink& manager = EnsureSkinManager();
      manager.SetCurrentSkinData(this);
      if (value && SkinEmpty) return;
      manager.RequestAction(value ? kSkinActionActivate : kSkinActionDeactivate, kSkinRequestDelay);
      break;
    }
    case TSkinFormType::sfDialog:
      break;
  }
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  TSkinManagerLink& manager = EnsureSkinManager();
  manager.RegisterSkinData(this);
  if (FSkinFormtype != TSkinFormType::sfMainform) {
    manager.BeginSingleFormSkinning();
    if (auto* form = dynamic_cast<TForm*>(Owner())) (void)manager.SkinWindow(form->Handle());
    return;
  }
  manager.InstallHook();
  if (!FActive) return;
  if (SkinEmpty) {
    FActive = false;
    return;
  }
  // The request names its maker, so that the timer has a component to act for.
  manager.SetCurrentSkinData(this);
  manager.RequestAction(kSkinActionActivate, kSkinRequestDelay);
}

void TSkinData::Refresh() {
  if (HasState(TComponentState::Loading)) return;
  if (!ExistingSkinManager()) Loaded();
  TSkinManagerLink& manager = EnsureSkinManager();
  manager.SetCurrentSkinData(this);
  manager.ReleaseAllSysButtons();
  manager.RequestAction(kSkinActionRefresh, kSkinRequestDelay);
}

bool TSkinData::DoFormSkin(const std::string& className) {
  bool skin = true;
  if (OnFormSkin) {
    OnFormSkin(this, className, skin);
    return skin;
  }
  if (className == "SysMonthCal32") skin = false;
  if (FSkinControls.Contains(xcFastReport) && className.starts_with("Tfr")) skin = false;
  return skin;
}

void TSkinData::FireSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::ReadSkinStream(TMemoryStream& stream) {
  std::uint8_t length[4] = {};
  if (stream.Read(length, 4) != 4) return;
  const std::int32_t n = static_cast<std::int32_t>(ReadLe32(length));
  if (n <= 0) return;
  SkinStream.Clear();
  // A length beyond the value's bytes takes only the bytes that are there.
  SkinStream.CopyFrom(stream, static_cast<std::size_t>(n));
  SkinStream.SetPosition(0);
  (void)LoadSkin();
}

void TSkinData::WriteSkinStream(TMemoryStream& stream) const {
  const auto size = static_cast<std::uint32_t>(SkinStream.Size());
  const std::uint8_t length[4] = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                  static_cast<std::uint8_t>(size >> 16),
                                  static_cast<std::uint8_t>(size >> 24)};
  stream.Write(length, 4);
  if (size > 0) stream.Write(SkinStream.Memory(), size);
}

void TSkinData::LoadFromStore(TSkinStore* store, int index) {
  if (!store || index < 0 || index >= store->Store()->Count()) return;
  SkinEmpty = true;
  SkinStream.Clear();
  store->Store()->Item(index)->CopyDataTo(SkinStream);
  SkinStream.SetPosition(0);
  (void)LoadSkin();
  Refresh();
}

void TSkinData::SetSkinFile(const std::string& path) {
  SkinEmpty = true;
  FSkinFile = path;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  try {
    TMemoryStream content;
    if (!content.LoadFromFile(path)) return;
    SkinStream.Clear();
    SkinStream.CopyFrom(content, 0);
  } catch (const std::bad_alloc&) {
    SkinStream.Clear();
    ShowSkinMessage(kSkinMemoryMessage);
    return;
  }
  SkinStream.SetPosition(0);
  (void)LoadSkin();
  Refresh();
}

bool TSkinData::LoadSkin() {
  SkinEmpty = true;
  // The parse frees the title-bar button entries; no window may keep buttons made from
  // them, not even while an error message repaints it.
  if (TSkinManagerLink* manager = ExistingSkinManager()) manager->ReleaseAllSysButtons();
  try {
    return ReadSkin();
  } catch (const SkinRefusal& refusal) {
    ShowSkinMessage(kDamagedSkinMessage + std::string(refusal.what()) + ".");
  } catch (const std::bad_alloc&) {
    ShowSkinMessage(kSkinMemoryMessage);
  }
  return false;
}

bool TSkinData::ReadSkin() {
  TSkinReader reader;
  TMemoryStream buffer;
  if (!reader.Load(SkinStream)) return false;
  std::string entryName;
  if (!reader.FindEntryContaining(".ini", buffer, entryName)) {
    throw SkinRefusal("it holds no skin definition");
  }
  if (!SkinDefinitionFileName(entryName)) {
    throw SkinRefusal("its definition " + PrintableName(entryName) + " has no usable file name");
  }
  // The definition is read where it was expanded; the buffer then carries the pictures.
  const std::string definition(reinterpret_cast<const char*>(buffer.Memory()),
                               static_cast<std::size_t>(buffer.Size()));
  FPicturePixels = 0;
  ParseSkinDefinition(definition, reader, buffer);
  return true;
}

}  // namespace korvale

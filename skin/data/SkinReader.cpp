#include "skin/data/SkinReader.h"

#include <algorithm>
#include <optional>
#include <span>

#include "core/AsciiText.h"
#include "core/BmpDecoder.h"
#include "core/SkinRules.h"
#include "toolkit/Dialogs.h"

namespace korvale {

namespace {

TSkinMessageSink& MessageSink() {
  static TSkinMessageSink sink;
  return sink;
}

}  // namespace

TSkinMessageSink SetSkinMessageSink(TSkinMessageSink sink) {
  return std::exchange(MessageSink(), std::move(sink));
}

std::string PrintableName(const std::string& name) {
  std::string shown = name;
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  return "\"" + shown + "\"";
}

void ShowSkinMessage(const std::string& text) {
  if (MessageSink()) {
    MessageSink()(text);
  } else {
    ShowMessage(text);
  }
}

void TSkinReader::Reset() {
  names_.Clear();
  count_ = 0;
  data_.Clear();
}

bool TSkinReader::Load(TMemoryStream& skinStream) {
  Reset();
  skinStream.SetPosition(0);
  const ExpandedSkin skin = ExpandSkinStream(
      std::span<const std::uint8_t>(skinStream.Memory(), static_cast<std::size_t>(skinStream.Size())));
  version_ = skin.index.version;
  nameListLength_ = skin.index.nameListLength;
  reserved1_ = skin.index.reserved1;
  reserved2_ = skin.index.reserved2;
  if (skin.status == SkinArchiveStatus::WrongVersion) {
    ShowSkinMessage(kOlderSkinMessage);
    return false;
  }
  if (skin.status != SkinArchiveStatus::Ok) {
    ShowSkinMessage(kDamagedSkinMessage + skin.problem + ".");
    return false;
  }
  for (std::size_t i = 0; i < skin.index.names.size(); ++i) {
    names_.Add(AsciiLower(skin.index.names[i]));
    sizes_[i] = skin.index.sizes[i];
    offsets_[i] = static_cast<std::int64_t>(skin.index.offsets[i]);
  }
  count_ = names_.Count();
  data_.Write(skin.archive.data() + skin.index.dataOffset, skin.index.dataSize);
  data_.SetPosition(0);
  // Checked before any picture is decoded, so a refused skin leaves the previous one whole.
  for (int i = 0; i < count_; ++i) {
    const std::span<const std::uint8_t> bytes = EntryBytes(i);
    const std::optional<BmpSize> size = ReadBmpSize(bytes.data(), bytes.size());
    if (size && size->width * size->height > kSkinMaxPicturePixels) {
      const std::string name = names_[i];
      Reset();
      ShowSkinMessage(kDamagedSkinMessage + ("its picture " + PrintableName(name)) + " claims " +
                      std::to_string(size->width) + " x " + std::to_string(size->height) +
                      " pixels, more than the " + std::to_string(kSkinMaxPicturePixels) +
                      " a skin picture may have.");
      return false;
    }
  }
  return true;
}

std::span<const std::uint8_t> TSkinReader::EntryBytes(int index) const {
  const auto i = static_cast<std::size_t>(index);
  return {data_.Memory() + offsets_[i], static_cast<std::size_t>(sizes_[i])};
}

void TSkinReader::CopyEntry(int index, TMemoryStream& target) const {
  const std::span<const std::uint8_t> bytes = EntryBytes(index);
  target.Write(bytes.data(), bytes.size());
  target.SetPosition(0);
}

void TSkinReader::ExtractEntry(const std::string& name, TMemoryStream& target) const {
  target.Clear();
  const std::string wanted = AsciiLower(name);
  for (int i = 0; i < count_; ++i) {
    if (names_[i] == wanted) {
      CopyEntry(i, target);
      return;
    }
  }
}

bool TSkinReader::FindEntryContaining(const std::string& part, TMemoryStream& target,
                                      std::string& name) const {
  target.Clear();
  for (int i = 0; i < count_; ++i) {
    if (names_[i].find(part) != std::string::npos) {
      CopyEntry(i, target);
      name = names_[i];
      return true;
    }
  }
  return false;
}

}  // namespace korvale

#pragma once

// TSkinReader: decompresses a skin stream, checks the archive's version, indexes its
// entries and hands them out by name. It exists only for the length of one skin load.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>

#include "core/MemoryStream.h"
#include "core/StringList.h"

namespace korvale {

inline constexpr char kOlderSkinMessage[] =
    "This is Older Skin File\rPlease update to new version !";
inline constexpr char kDamagedSkinMessage[] = "This skin is damaged and cannot be loaded:\r\n";
inline constexpr char kSkinMemoryMessage[] =
    "This skin cannot be loaded:\r\nthere is not enough memory for it.";

// Why a skin is refused while it is read; the text completes kDamagedSkinMessage.
class SkinRefusal : public std::runtime_error {
 public:
  explicit SkinRefusal(const std::string& reason) : std::runtime_error(reason) {}
};

// Where the reader's refusals are shown: the toolkit's plain message dialog unless a test
// or a caller that must not block sets another sink. Returns the previous sink.
using TSkinMessageSink = std::function<void(const std::string&)>;
TSkinMessageSink SetSkinMessageSink(TSkinMessageSink sink);
void ShowSkinMessage(const std::string& text);
// An entry name in quotes for a message, control characters (an embedded NUL too) shown as
// "?", so the dialog shows the whole name.
std::string PrintableName(const std::string& name);

class TSkinReader {
 public:
  // Expands and indexes the whole stream. False, after the message, for a wrong version,
  // for an archive whose header, names or sizes do not fit its bytes and for a picture that
  // claims more than kSkinMaxPicturePixels; the reader then holds no entries.
  [[nodiscard]] bool Load(TMemoryStream& skinStream);

  // The first entry of the lower-cased name into `target`, positioned at 0; without one the
  // target stays empty.
  void ExtractEntry(const std::string& name, TMemoryStream& target) const;
  // The first entry whose lower-case name contains `part`; answers whether there is one and
  // leaves `name` alone when there is not.
  bool FindEntryContaining(const std::string& part, TMemoryStream& target,
                           std::string& name) const;

  const TStringList& Names() const { return names_; }
  std::span<const std::uint8_t> EntryBytes(int index) const;
  int Count() const { return count_; }
  std::int32_t Sizes(int index) const { return sizes_.at(static_cast<std::size_t>(index)); }
  std::int32_t Version() const { return version_; }
  std::int32_t NameListLength() const { return nameListLength_; }
  const TMemoryStream& Data() const { return data_; }

 private:
  void CopyEntry(int index, TMemoryStream& target) const;
  void Reset();

  TStringList names_;
  int count_ = 0;
  std::array<std::int32_t, 1001> sizes_{};
  std::array<std::int64_t, 1001> offsets_{};
  std::int32_t version_ = 0;
  std::int32_t nameListLength_ = 0;
  std::int32_t reserved1_ = 0;
  std::int32_t reserved2_ = 0;
  TMemoryStream data_;
};

}  // namespace korvale

#pragma once

// TSkinData: the non-visual component a form carries to be skinned. It owns the skin in
// use, parsed into the elements every painter reads, and the settings that decide what is
// skinned; it starts and stops skinning through the process-wide skin manager.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/LittleEndian.h"
#include "core/MemoryStream.h"
#include "core/StringList.h"
#include "skin/data/SkinElements.h"
#include "toolkit/Component.h"
#include "toolkit/Event.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

class TBitmap;
class TControl;
class TSkinControl;
class TSkinReader;
class TSkinStore;
class TWinControl;

enum TSkinControlType : std::uint8_t {
  xcMainMenu,
  xcPopupMenu,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcSystemMenu,
  xcFastReport,
};

// A set of TSkinControlType, bit 0 first; stored in 3 bytes.
class TSkinControlSet {
 public:
  constexpr TSkinControlSet() = default;
  constexpr explicit TSkinControlSet(std::uint32_t bits) : bits_(bits & kAll) {}
  static constexpr TSkinControlSet Of(std::initializer_list<TSkinControlType> members) {
    std::uint32_t bits = 0;
    for (const TSkinControlType member : members) bits |= 1u << member;
    return TSkinControlSet(bits);
  }
  constexpr bool Contains(TSkinControlType member) const { return (bits_ >> member) & 1u; }
  constexpr void Include(TSkinControlType member) { bits_ |= 1u << member; }
  constexpr void Exclude(TSkinControlType member) { bits_ &= ~(1u << member); }
  constexpr std::uint32_t Bits() const { return bits_; }
  constexpr bool operator==(const TSkinControlSet&) const = default;

  static constexpr int kStoredBytes = 3;
  std::array<std::uint8_t, kStoredBytes> Stored() const {
    return {static_cast<std::uint8_t>(bits_), static_cast<std::uint8_t>(bits_ >> 8),
            static_cast<std::uint8_t>(bits_ >> 16)};
  }
  static TSkinControlSet FromStored(const std::array<std::uint8_t, kStoredBytes>& bytes) {
    return TSkinControlSet(ReadLe24(bytes.data()));
  }

 private:
  static constexpr std::uint32_t kAll = (1u << (xcFastReport + 1)) - 1;
  std::uint32_t bits_ = 0;
};

// Every member but xcFastReport: from xcMainMenu to xcSystemMenu.
inline constexpr TSkinControlSet kDefaultSkinControls((1u << xcFastReport) - 1);

enum class TSkinFormType { sfMainform = 0, sfOnlyThisForm = 1, sfDialog = 2 };

using TOnFormSkin = TEvent<TObject*, const std::string&, bool&>;
using TOnSkinControl = TEvent<TObject*, class TSkinData*, TWinControl*, TControl*,
                              const std::string&, TSkinControl*&>;

inline constexpr char kSkinDataVersion[] = "2.60.4.29";

// The 95 rows Skin3rd starts with, in order.
const std::vector<std::string>& DefaultSkin3rd();

class TSkinData : public TComponent {
 public:
  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;
  std::string ClassName() const override { return "TSkinData"; }

  // Published properties.
  bool Active() const { return FActive; }
  void SetActive(bool value);
  int DisableTag() const { return FDisableTag; }
  void SetDisableTag(int value) { FDisableTag = value; }
  TSkinControlSet SkinControls() const { return FSkinControls; }
  void SetSkinControls(TSkinControlSet value) { FSkinControls = value; }
  const TStringList& Skin3rd() const { return FSkin3rd; }
  void SetSkin3rd(const TStringList& lines) { FSkin3rd = lines; }
  const std::string& SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::string& path);
  std::string SkinStore() const { return "(none)"; }
  void SetSkinStore(const std::string&) {}
  TSkinFormType SkinFormtype() const { return FSkinFormtype; }
  void SetSkinFormtype(TSkinFormType value) { FSkinFormtype = value; }
  const std::string& Version() const { return FVersion; }
  void SetVersion(const std::string& value) { FVersion = value; }
  bool MenuUpdate() const { return FMenuUpdate; }
  void SetMenuUpdate(bool value) { FMenuUpdate = value; }
  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;

  // The "SkinStream" value of the form description: a signed 32-bit length, then that many
  // bytes of compressed skin. Reading parses the skin at once; applying it waits for Loaded.
  void ReadSkinStream(TMemoryStream& stream);
  void WriteSkinStream(TMemoryStream& stream) const;
  void DefineProperties(TFiler& filer) override;

  void Loaded() override;
  void Refresh();
  void LoadFromStore(TSkinStore* store, int index);
  // Turns SkinStream into the parsed skin; false when the reader refuses it.
  bool LoadSkin();
  bool DoFormSkin(const std::string& className);
  void FireSkinChanged();

  // State the painters read.
  TMemoryStream SkinStream;
  bool SkinEmpty = true;
  bool NCPaintEnabled = true;

  TColor ColorWindowText = 0;
  TColor ColorTitleTextActive = 0;
  TColor ColorTitleTextNoActive = 0;
  TColor ColorButtonFace = 0;
  TColor ColorButtonText = 0;
  TColor ColorButtonHilight = 0;
  TColor ColorButtonLight = 0;
  TColor ColorButtonShadow = 0;
  TColor ColorButtonDkShadow = 0;
  TColor ColorHilightText = 0;
  TColor ColorHilight = 0;
  TColor ColorMenubar = 0;
  TColor ColorMenuBarText = 0;
  TColor ColorMenuText = 0;
  TColor ColorMenu = 0;
  TColor ColorScrollbar = 0;

  // Made with the component and reused by every parse.
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;
  std::unique_ptr<TDataSkinBorder> BorderLeft;
  std::unique_ptr<TDataSkinBorder> BorderRight;
  std::unique_ptr<TDataSkinBorder> BorderTop;
  std::unique_ptr<TDataSkinBorder> BorderBottom;
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

  // Rebuilt by every parse; null when the skin lacks them.
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinObject> Toolbars;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
  std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
  std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
  std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
  std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
  std::unique_ptr<TDataSkinObject> TrackbarThumbDown;

  HBRUSH FaceBrush() const { return FFaceBrush.get(); }
  // Four 16 x 16 glyphs (restore, maximise, minimise, close), white as the mask colour.
  HIMAGELIST MenuImages() const { return FMenuImages; }
  std::unique_ptr<TBitmap> IconBitmap;

 private:
  bool ReadSkin();
  void ParseSkinDefinition(std::string_view definition, TSkinReader& reader, TMemoryStream& buffer);
  void LoadSkinImage(TBitmap& bitmap, const std::string& value, TSkinReader& reader,
                     TMemoryStream& buffer);

  bool FActive = false;
  int FDisableTag = 99;
  TSkinControlSet FSkinControls = kDefaultSkinControls;
  TStringList FSkin3rd;
  std::string FSkinFile;
  std::int64_t FPicturePixels = 0;  // claimed by the pictures of the load under way
  TSkinFormType FSkinFormtype = TSkinFormType::sfMainform;
  std::string FVersion = kSkinDataVersion;
  bool FMenuUpdate = true;
  UniqueBrush FFaceBrush;
  HIMAGELIST FMenuImages = nullptr;
};

}  // namespace korvale

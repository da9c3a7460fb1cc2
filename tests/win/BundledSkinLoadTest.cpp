// The six painted skins of the build, packed here as the skin compiler packs them, load into
// complete skins.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "skin/data/SkinData.h"
#include "skin/data/SkinReader.h"
#include "tests/support/WinTestSupport.h"
#include "tests/win/SkinTestSkins.h"
#include "toolkit/Bitmap.h"

namespace korvale::testing {
namespace {

Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The folder's entries in manifest order, or nothing when the folder was not painted.
std::vector<SkinArchiveEntry> PaintedSkin(const std::string& folder) {
  std::ifstream manifest(folder + "\\manifest.txt");
  std::vector<SkinArchiveEntry> entries;
  std::string name;
  while (std::getline(manifest, name)) {
    if (!name.empty() && name.back() == '\r') name.pop_back();
    if (!name.empty()) entries.push_back({name, ReadBytes(folder + "\\" + name)});
  }
  return entries;
}

// An element's image holds its frames side by side or one above the other.
void ExpectFrames(const TDataSkinObject* element, const std::string& skin) {
  ASSERT_NE(element, nullptr) << skin;
  const std::string what = skin + " " + element->Name;
  ASSERT_FALSE(element->Image->Empty()) << what;
  ASSERT_GE(element->FrameCount, 1) << what;
  const int w = element->Image->Width();
  const int h = element->Image->Height();
  EXPECT_TRUE((w % element->FrameCount == 0 && w >= element->FrameCount) ||
              (h % element->FrameCount == 0 && h >= element->FrameCount))
      << what << ": " << w << " x " << h << " in " << element->FrameCount << " frames";
}

TEST(BundledSkinLoad, EveryPaintedSkinLoadsComplete) {
  const std::string skins = ExecutableFolder() + "\\..\\..\\host\\skins";
  SkinMessages messages;
  int loaded = 0;
  for (const char* name : {"MacOS", "XP1", "XP2", "XP3", "Blue", "Whistler"}) {
    const std::vector<SkinArchiveEntry> entries = PaintedSkin(skins + "\\" + name);
    if (entries.empty()) continue;
    const Bytes stream = CompressLzh(BuildSkinArchive(entries));
    TSkinReader reader;
    TMemoryStream skinStream;
    skinStream.Write(stream.data(), stream.size());
    ASSERT_TRUE(reader.Load(skinStream)) << name;
    EXPECT_EQ(reader.Version(), 20000);
    EXPECT_EQ(reader.Count(), static_cast<int>(entries.size()));

    TSkinData data(nullptr);
    data.SkinStream.Write(stream.data(), stream.size());
    ASSERT_TRUE(data.LoadSkin()) << name;
    EXPECT_FALSE(data.SkinEmpty) << name;
    for (const TDataSkinObject* element :
         {static_cast<TDataSkinObject*>(data.BorderLeft.get()), static_cast<TDataSkinObject*>(data.BorderRight.get()),
          static_cast<TDataSkinObject*>(data.BorderTop.get()), static_cast<TDataSkinObject*>(data.BorderBottom.get()),
          static_cast<TDataSkinObject*>(data.Title.get()), static_cast<TDataSkinObject*>(data.Buttons.get()),
          static_cast<TDataSkinObject*>(data.Tabs.get()), static_cast<TDataSkinObject*>(data.Progress.get()),
          static_cast<TDataSkinObject*>(data.UpDownHorz.get()), static_cast<TDataSkinObject*>(data.UpDownVert.get()),
          static_cast<TDataSkinObject*>(data.ComboButton.get()), data.SunkEdge.get(), data.ExtraImages.get(),
          data.GroupBoxEdge.get(), data.Toolbars.get(), data.StatusBarEdges.get(), data.Headerbar.get(),
          data.MenuBar.get(), data.MenuItem.get(), data.MenuBackground.get(), data.Scrollbar.get(),
          data.HorzScroll.get(), data.VertScroll.get(), data.HorzScrollThumb.get(),
          data.VertScrollThumb.get(), data.TrackbarThumbHorz.get(), data.TrackbarThumbVert.get(),
          data.TrackbarThumbLeft.get(), data.TrackbarThumbRight.get(), data.TrackbarThumbUp.get(),
          data.TrackbarThumbDown.get()}) {
      ExpectFrames(element, name);
    }
    ASSERT_GE(data.SysButtons.size(), 3u) << name;
    for (std::size_t i = 0; i + 3 < data.SysButtons.size(); ++i) {
      const TDataSkinSysButton& button = *data.SysButtons[i];
      if (!button.Image->Empty()) ExpectFrames(&button, name);
    }
    for (std::size_t i = data.SysButtons.size() - 3; i < data.SysButtons.size(); ++i) {
      ExpectFrames(data.SysButtons[i].get(), name);
    }
    EXPECT_FALSE(data.Buttons->CheckImage->Empty()) << name;
    EXPECT_FALSE(data.Buttons->RadioImage->Empty()) << name;
    EXPECT_FALSE(data.ComboButton->Image2->Empty()) << name;
    ++loaded;
  }
  if (loaded == 0) GTEST_SKIP() << "no painted skins under " << skins;
  EXPECT_EQ(loaded, 6);
  EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
}  // namespace korvale::testing

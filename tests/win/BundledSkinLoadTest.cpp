// The six bundled skins, read from a compiled form description as the main window carries
// them, load into complete skins.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "skin/data/SkinData.h"
#include "skin/data/SkinDataClasses.h"
#include "skin/data/SkinStore.h"
#include "skin/data/SkinReader.h"
#include "tests/support/WinTestSupport.h"
#include "tests/win/SkinTestSkins.h"
#include "toolkit/Bitmap.h"
#include "toolkit/FormReader.h"

namespace korvale::testing {
namespace {

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

// Every element the painters use is there, with an image and plausible frame counts.
void ExpectComplete(TSkinData* data, const std::string& name) {
    for (const TDataSkinObject* element :
       {static_cast<TDataSkinObject*>(data->BorderLeft.get()), static_cast<TDataSkinObject*>(data->BorderRight.get()),
        static_cast<TDataSkinObject*>(data->BorderTop.get()), static_cast<TDataSkinObject*>(data->BorderBottom.get()),
        static_cast<TDataSkinObject*>(data->Title.get()), static_cast<TDataSkinObject*>(data->Buttons.get()),
        static_cast<TDataSkinObject*>(data->Tabs.get()), static_cast<TDataSkinObject*>(data->Progress.get()),
        static_cast<TDataSkinObject*>(data->UpDownHorz.get()), static_cast<TDataSkinObject*>(data->UpDownVert.get()),
        static_cast<TDataSkinObject*>(data->ComboButton.get()), data->SunkEdge.get(), data->ExtraImages.get(),
        data->GroupBoxEdge.get(), data->Toolbars.get(), data->StatusBarEdges.get(), data->Headerbar.get(),
        data->MenuBar.get(), data->MenuItem.get(), data->MenuBackground.get(), data->Scrollbar.get(),
        data->HorzScroll.get(), data->VertScroll.get(), data->HorzScrollThumb.get(),
        data->VertScrollThumb.get(), data->TrackbarThumbHorz.get(), data->TrackbarThumbVert.get(),
        data->TrackbarThumbLeft.get(), data->TrackbarThumbRight.get(), data->TrackbarThumbUp.get(),
        data->TrackbarThumbDown.get()}) {
    ExpectFrames(element, name);
  }
  ASSERT_GE(data->SysButtons.size(), 3u) << name;
  for (std::size_t i = 0; i + 3 < data->SysButtons.size(); ++i) {
    const TDataSkinSysButton& button = *data->SysButtons[i];
    if (!button.Image->Empty()) ExpectFrames(&button, name);
  }
  for (std::size_t i = data->SysButtons.size() - 3; i < data->SysButtons.size(); ++i) {
    ExpectFrames(data->SysButtons[i].get(), name);
  }
  EXPECT_FALSE(data->Buttons->CheckImage->Empty()) << name;
  EXPECT_FALSE(data->Buttons->RadioImage->Empty()) << name;
  EXPECT_FALSE(data->ComboButton->Image2->Empty()) << name;
}

TEST(BundledSkinLoad, TheSixStoredSkinsLoadFromTheFormDescription) {
  RegisterSkinDataClasses();
  SkinMessages messages;
  TComponent root(nullptr);
  ReadComponentResource(&root, "BUNDLEDSKINS");
  auto* store = dynamic_cast<TSkinStore*>(root.FindComponent("SkinStore1"));
  auto* data = dynamic_cast<TSkinData*>(root.FindComponent("SkinData1"));
  ASSERT_NE(store, nullptr);
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(store->Store()->Count(), 6);
  EXPECT_FALSE(data->SkinEmpty) << "the component's own stream is parsed while it is read";

  // Its own stream is a copy of item 4's.
  TMemoryStream item4;
  store->Store()->Item(4)->CopyDataTo(item4);
  ASSERT_EQ(data->SkinStream.Size(), item4.Size());
  EXPECT_TRUE(std::equal(item4.Memory(), item4.Memory() + item4.Size(), data->SkinStream.Memory()));

  const char* const names[] = {"MacOS", "XP1", "XP2", "XP3", "Blue", "Whistler"};
  for (int i = 0; i < 6; ++i) {
    TSkinCollectionItem* item = store->Store()->Item(i);
    EXPECT_EQ(item->Name(), names[i]);
    TSkinReader reader;
    item->SkinStream().SetPosition(0);
    ASSERT_TRUE(reader.Load(item->SkinStream())) << names[i];
    EXPECT_EQ(reader.Version(), 20000);

    data->LoadFromStore(store, i);
    ASSERT_FALSE(data->SkinEmpty) << names[i];
    ExpectComplete(data, names[i]);
  }
  EXPECT_TRUE(messages.texts.empty());

  // Written back, the store and the component's own stream read in again unchanged.
  const std::vector<std::uint8_t> written = WriteComponentStream(&root);
  TComponent copy(nullptr);
  ReadComponentStream(&copy, written.data(), written.size());
  auto* copiedStore = dynamic_cast<TSkinStore*>(copy.FindComponent("SkinStore1"));
  ASSERT_NE(copiedStore, nullptr);
  ASSERT_EQ(copiedStore->Store()->Count(), 6);
  for (int i = 0; i < 6; ++i) {
    TMemoryStream original;
    TMemoryStream again;
    store->Store()->Item(i)->CopyDataTo(original);
    copiedStore->Store()->Item(i)->CopyDataTo(again);
    ASSERT_EQ(again.Size(), original.Size()) << names[i];
    EXPECT_TRUE(std::equal(original.Memory(), original.Memory() + original.Size(), again.Memory()));
  }
  EXPECT_EQ(WriteComponentStream(&copy), written);
}

}  // namespace
}  // namespace korvale::testing

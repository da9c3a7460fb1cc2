// TSkinData as a component: its settings, its streams, the store, the load pipeline with
// damaged and hostile skins, and its requests to the skin manager.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "skin/data/BitmapTransforms.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"
#include "skin/forms/SkinManager.h"
#include "tests/support/WinTestSupport.h"
#include "tests/win/SkinTestSkins.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Exception.h"
#include "toolkit/Timer.h"

namespace korvale::testing {
namespace {

using namespace std::chrono_literals;

const char kSmallDefinition[] =
    "[Personality]\r\nTop=top.bmp\r\n[Colours]\r\nButtonFace=1 2 3\r\n"
    "[Tabs]\r\nImage=tabs.bmp\r\n[Button1]\r\nButtonImage=top.bmp\r\n";

Bytes SmallSkin(const std::string& iniName = "small.ini") {
  return TestSkin()
      .Image("top.bmp", 30, 10)
      .Image("tabs.bmp", 20, 8)
      .Definition(kSmallDefinition, iniName)
      .Stream();
}

bool LoadInto(TSkinData& data, const Bytes& stream) {
  data.SkinStream.Clear();
  data.SkinStream.Write(stream.data(), stream.size());
  return data.LoadSkin();
}

std::string TempDirectory() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(MAX_PATH, path);
  return std::string(path, length);
}

// The names in the temporary directory, to show that a load leaves it as it was.
std::vector<std::string> TempListing() {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE find = FindFirstFileA((TempDirectory() + "*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(found.cFileName);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Put32(Bytes& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int s = 0; s < 32; s += 8) out.push_back(static_cast<std::uint8_t>(bits >> s));
}

// A 24-bit picture whose headers claim the given size over a single pixel's data: a few
// bytes that would ask for megabytes, as a run-length picture can.
Bytes ClaimedBmp(std::int32_t width, std::int32_t height) {
  Bytes bmp = TestBmp(1, 1);
  Bytes size;
  Put32(size, width);
  Put32(size, height);
  std::copy(size.begin(), size.end(), bmp.begin() + 18);
  return bmp;
}

// An archive written field by field, so that any field can lie.
Bytes RawArchive(std::int32_t listLength, const std::string& list,
                 const std::vector<std::int32_t>& sizes, const std::string& data) {
  Bytes out;
  Put32(out, 20000);
  Put32(out, listLength);
  Put32(out, 0);
  Put32(out, 0);
  out.insert(out.end(), list.begin(), list.end());
  for (std::int32_t size : sizes) Put32(out, size);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

struct SkinChangeCounter {
  int count = 0;
  void Changed(TObject*) { ++count; }
};

TEST(SkinDataComponent, StartsWithThePublishedDefaults) {
  SkinMessages messages;
  TSkinData data(nullptr);
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(data.DisableTag(), 99);
  EXPECT_EQ(data.SkinFormtype(), TSkinFormType::sfMainform);
  EXPECT_EQ(data.Version(), "2.60.4.29");
  EXPECT_EQ(data.SkinStore(), "(none)");
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_TRUE(data.SkinEmpty);
  EXPECT_TRUE(data.NCPaintEnabled);
  EXPECT_TRUE(data.IconBitmap->Empty());
  EXPECT_EQ(data.Title->Name, "Title");
  EXPECT_EQ(data.BorderBottom->Name, "Bottom");

  EXPECT_FALSE(data.SkinControls().Contains(xcFastReport));
  EXPECT_TRUE(data.SkinControls().Contains(xcSystemMenu));
  EXPECT_TRUE(data.SkinControls().Contains(xcMainMenu));
  const auto stored = data.SkinControls().Stored();
  EXPECT_EQ(stored, (std::array<std::uint8_t, 3>{0xFF, 0xFF, 0x03}));
  EXPECT_EQ(TSkinControlSet::FromStored(stored), data.SkinControls());

  ASSERT_EQ(data.Skin3rd().Count(), 95);
  EXPECT_EQ(data.Skin3rd()[0], "TTBDock=Panel");
  EXPECT_EQ(data.Skin3rd()[13], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(data.Skin3rd()[14], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(data.Skin3rd()[15], "TLMDCHECKBOX=Checkbox");
  EXPECT_EQ(data.Skin3rd()[94], "TOVCDBNUMERICFIELD=Edit");

  ASSERT_TRUE(data.MenuImages());
  EXPECT_EQ(ImageList_GetImageCount(data.MenuImages()), 4);
  int cx = 0;
  int cy = 0;
  ImageList_GetIconSize(data.MenuImages(), &cx, &cy);
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);
}

TEST(SkinDataComponent, DoFormSkinVetoesCalendarsAndReportClassesOnly) {
  SkinMessages messages;
  TSkinData data(nullptr);
  EXPECT_FALSE(data.DoFormSkin("SysMonthCal32"));
  EXPECT_TRUE(data.DoFormSkin("TfrPreview")) << "only while xcFastReport is in SkinControls";
  TSkinControlSet controls = data.SkinControls();
  controls.Include(xcFastReport);
  data.SetSkinControls(controls);
  EXPECT_FALSE(data.DoFormSkin("TfrPreview"));
  EXPECT_TRUE(data.DoFormSkin("TFRPreview")) << "the prefix is compared with case";
  EXPECT_TRUE(data.DoFormSkin("TForm1"));

  struct Handler {
    std::string seen;
    void Decide(TObject*, const std::string& name, bool& skin) {
      seen = name;
      skin = name == "SysMonthCal32";
    }
  } handler;
  data.OnFormSkin = TOnFormSkin(&handler, &Handler::Decide);
  EXPECT_TRUE(data.DoFormSkin("SysMonthCal32")) << "the handler decides alone";
  EXPECT_FALSE(data.DoFormSkin("TForm1"));
  EXPECT_EQ(handler.seen, "TForm1");
}

TEST(SkinDataStreams, SkinStreamValueIsALengthThenTheBytes) {
  SkinMessages messages;
  TSkinData data(nullptr);
  TMemoryStream empty;
  data.WriteSkinStream(empty);
  EXPECT_EQ(empty.Bytes(), (Bytes{0, 0, 0, 0}));

  empty.SetPosition(0);
  data.ReadSkinStream(empty);
  EXPECT_TRUE(data.SkinEmpty) << "a length of 0 loads nothing";
  EXPECT_EQ(data.SkinStream.Size(), 0);

  const Bytes skin = SmallSkin();
  TMemoryStream value;
  Bytes bytes;
  Put32(bytes, static_cast<std::int32_t>(skin.size()));
  bytes.insert(bytes.end(), skin.begin(), skin.end());
  value.Write(bytes.data(), bytes.size());
  value.SetPosition(0);
  data.ReadSkinStream(value);
  EXPECT_FALSE(data.SkinEmpty);
  EXPECT_EQ(data.SkinStream.Bytes(), skin);
  TMemoryStream written;
  data.WriteSkinStream(written);
  EXPECT_EQ(written.Bytes(), bytes);

  // A length beyond the value's bytes takes what is there and refuses it as damaged.
  Bytes cut;
  Put32(cut, 1000000);
  cut.insert(cut.end(), skin.begin(), skin.begin() + 10);
  TMemoryStream short_value;
  short_value.Write(cut.data(), cut.size());
  short_value.SetPosition(0);
  data.ReadSkinStream(short_value);
  EXPECT_EQ(data.SkinStream.Size(), 10);
  EXPECT_TRUE(data.SkinEmpty);
}

TEST(SkinStore, ItemsNameThemselvesAndKeepNamesUnique) {
  TSkinStore store(nullptr);
  TSkinCollectionItem* first = store.Store()->AddItem();
  TSkinCollectionItem* second = store.Store()->AddItem();
  EXPECT_EQ(first->Name(), "SkinItem0");
  EXPECT_EQ(second->Name(), "SkinItem1");
  EXPECT_EQ(first->DisplayName(), "SkinItem0");
  EXPECT_EQ(store.Store()->Owner(), &store);
  first->SetName("XP2");
  first->SetName("XP2");
  try {
    second->SetName("XP2");
    ADD_FAILURE() << "a duplicate name was taken";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "The name XP2 is already used.");
  }
  EXPECT_EQ(second->Name(), "SkinItem1");
  second->SetName("xp2");
  EXPECT_EQ(second->Name(), "xp2") << "names differing in case are distinct";
  EXPECT_EQ(second->SkinData(), "Load Skin");
  second->SetSkinData("ignored");
  EXPECT_EQ(second->SkinData(), "Load Skin");
}

TEST(SkinStore, DataStreamAssignAndCopyDataToKeepPositions) {
  TSkinStore store(nullptr);
  TSkinCollectionItem* item = store.Store()->AddItem();
  item->SetName("Blue");
  item->ReadDataStream(Bytes{1, 2, 3, 4, 5});
  EXPECT_EQ(item->DataSize(), 5);
  item->SkinStream().SetPosition(3);

  TMemoryStream out;
  out.Write("x", 1);
  item->CopyDataTo(out);
  EXPECT_EQ(out.Bytes(), (Bytes{'x', 1, 2, 3, 4, 5}));
  EXPECT_EQ(item->SkinStream().Position(), 3);

  TSkinCollectionItem* copy = store.Store()->AddItem();
  copy->Assign(item);
  EXPECT_EQ(copy->Name(), "Blue") << "Assign skips the unique-name check";
  EXPECT_EQ(copy->SkinStream().Bytes(), item->SkinStream().Bytes());
  EXPECT_EQ(item->SkinStream().Position(), 3);
  TPersistent other;
  EXPECT_THROW(copy->Assign(&other), Exception);

  TMemoryStream form;
  item->WriteDataStream(form);
  EXPECT_EQ(form.Bytes(), (Bytes{1, 2, 3, 4, 5}));

  TSkinCollection replacement(nullptr);
  replacement.AddItem()->SetName("MacOS");
  store.SetStore(&replacement);
  ASSERT_EQ(store.Store()->Count(), 1);
  EXPECT_EQ(store.Store()->Item(0)->Name(), "MacOS");
  store.SetStore(nullptr);
  EXPECT_EQ(store.Store()->Count(), 1);
}

TEST(SkinLoad, LoadFromStoreLoadsTheItemAndLeavesNoDefinitionBehind) {
  SkinMessages messages;
  TSkinStore store(nullptr);
  for (int i = 0; i < 6; ++i) store.Store()->AddItem()->ReadDataStream(SmallSkin("perfectwhistler2.ini"));
  TSkinData data(nullptr);
  const std::string leftover = TempDirectory() + "perfectwhistler2.ini";
  DeleteFileA(leftover.c_str());
  data.LoadFromStore(&store, 5);
  EXPECT_FALSE(data.SkinEmpty);
  EXPECT_EQ(data.SkinStream.Bytes(), store.Store()->Item(5)->SkinStream().Bytes());
  EXPECT_FALSE(FileExists(leftover));
  EXPECT_EQ(data.BorderTop->Image->Width(), 30);

  ASSERT_NE(SkinManager(), nullptr) << "Refresh makes the manager";
  EXPECT_EQ(SkinManager()->PendingAction(), kSkinActionRefresh);

  const Bytes before = data.SkinStream.Bytes();
  data.LoadFromStore(&store, 6);
  data.LoadFromStore(&store, -1);
  EXPECT_FALSE(data.SkinEmpty);
  EXPECT_EQ(data.SkinStream.Bytes(), before);
}

TEST(SkinLoad, SkinFileLoadsAFileAndAMissingOneLeavesNoSkin) {
  SkinMessages messages;
  TempFolder folder("skinfile");
  const Bytes skin = SmallSkin();
  folder.Write("blue.skn", std::string(skin.begin(), skin.end()));
  TSkinData data(nullptr);
  data.SetSkinFile(folder.File("blue.skn"));
  EXPECT_FALSE(data.SkinEmpty);
  EXPECT_EQ(data.SkinFile(), folder.File("blue.skn"));
  data.SetSkinFile(folder.File("absent.skn"));
  EXPECT_TRUE(data.SkinEmpty);
  EXPECT_EQ(data.SkinFile(), folder.File("absent.skn"));
}

TEST(SkinLoad, HostileArchivesAreRefusedAndThePreviousSkinStays) {
  SkinMessages messages;
  TSkinData data(nullptr);
  ASSERT_TRUE(LoadInto(data, SmallSkin()));
  ASSERT_TRUE(data.Tabs);

  std::string manyNames;
  for (int i = 0; i < 1002; ++i) manyNames += "e" + std::to_string(i) + "\r\n";
  Bytes tooBig;
  Put32(tooBig, 64 * 1024 * 1024 + 1);
  tooBig.push_back(0);
  Bytes negative;
  Put32(negative, -8);
  negative.push_back(0);
  // Seventeen keys that name one picture of a million pixels.
  std::string manyKeys;
  for (int i = 1; i <= 17; ++i) manyKeys += "[Button" + std::to_string(i) + "]\r\nButtonImage=big.bmp\r\n";

  const std::vector<std::pair<const char*, Bytes>> hostile = {
      {"1,002 entries", CompressLzh(RawArchive(static_cast<std::int32_t>(manyNames.size()), manyNames,
                                               std::vector<std::int32_t>(1002, 0), ""))},
      {"name list longer than the data", CompressLzh(RawArchive(5000, "a.ini\r\n", {}, ""))},
      {"negative name list", CompressLzh(RawArchive(-7, "a.ini\r\n", {3}, "abc"))},
      {"negative size", CompressLzh(RawArchive(7, "a.ini\r\n", {-1}, "abc"))},
      {"size beyond the data", CompressLzh(RawArchive(7, "a.ini\r\n", {4}, "abc"))},
      {"sizes past the end", CompressLzh(RawArchive(14, "a.ini\r\nb.ini\r\n", {3}, ""))},
      {"decoded size above 64 MiB", tooBig},
      {"negative decoded size", negative},
      {"too short", Bytes{1, 2}},
      {"no definition", TestSkin().Image("top.bmp", 2, 2).Stream()},
      {"definition without a file name", TestSkin().Definition("[Colours]\r\n", "skin.ini\\").Stream()},
      {"definition name with a NUL", TestSkin().Definition("[Colours]\r\n", std::string("a\0b.ini", 7)).Stream()},
      {"device name", TestSkin().Definition("[Colours]\r\n", "CON").Stream()},
      {"device name with an extension", TestSkin().Definition("[Colours]\r\n", "NUL.ini").Stream()},
      {"name Windows rejects", TestSkin().Definition("[Colours]\r\n", "sk?n|<1>.ini").Stream()},
      {"name with a trailing dot", TestSkin().Definition("[Colours]\r\n", "skin.ini.").Stream()},
      {"picture above the cap", TestSkin()
                                    .Entry("huge.bmp", ClaimedBmp(2048, 1025))
                                    .Definition("[Personality]\r\nTop=huge.bmp\r\n")
                                    .Stream()},
      {"pictures above the cap in all", TestSkin()
                                            .Entry("big.bmp", ClaimedBmp(1024, 1024))
                                            .Definition(manyKeys)
                                            .Stream()},
  };
  const std::vector<std::string> tempBefore = TempListing();
  for (const auto& [what, stream] : hostile) {
    messages.texts.clear();
    EXPECT_FALSE(LoadInto(data, stream)) << what;
    EXPECT_TRUE(data.SkinEmpty) << what;
    ASSERT_EQ(messages.texts.size(), 1u) << what;
    EXPECT_EQ(messages.texts[0].rfind(kDamagedSkinMessage, 0), 0u) << what << ": " << messages.texts[0];
    EXPECT_TRUE(data.Tabs) << what << ": the previous skin stays in memory";
    EXPECT_EQ(TempListing(), tempBefore) << what;
  }

  messages.texts.clear();
  Bytes older = TestSkin().Definition("[Colours]\r\n").Archive();
  older[0] = 0x1F;
  EXPECT_FALSE(LoadInto(data, CompressLzh(older)));
  EXPECT_EQ(messages.texts, std::vector<std::string>{kOlderSkinMessage});
  EXPECT_TRUE(data.SkinEmpty);
  EXPECT_TRUE(data.Tabs);
}

TEST(SkinLoad, ADefinitionNameWithFoldersIsWrittenOnlyIntoTheTemporaryDirectory) {
  SkinMessages messages;
  TSkinData data(nullptr);
  const std::string temp = TempDirectory();
  // A file of the user's where the name points: a write there would replace it, and the
  // clean-up after the parse would delete it.
  const std::string outside = temp + "..\\korvale-escape.ini";
  {
    std::ofstream mine(outside, std::ios::binary);
    mine << "mine";
  }
  ASSERT_TRUE(LoadInto(data, TestSkin()
                                 .Image("top.bmp", 30, 10)
                                 .Definition("[Personality]\r\nTop=top.bmp\r\n", "..\\korvale-escape.ini")
                                 .Stream()));
  EXPECT_EQ(data.BorderTop->Image->Width(), 30) << "the definition was still read";
  EXPECT_EQ(ReadFile(outside), "mine");
  DeleteFileA(outside.c_str());
  EXPECT_FALSE(FileExists(temp + "korvale-escape.ini"));
}

TEST(SkinLoad, AFileOfTheDefinitionsNameInTheTemporaryDirectoryIsLeftAlone) {
  SkinMessages messages;
  TSkinData data(nullptr);
  const std::string mine = TempDirectory() + "korvale-mine.ini";
  {
    std::ofstream file(mine, std::ios::binary);
    file << "mine";
  }
  const std::vector<std::string> before = TempListing();
  ASSERT_TRUE(LoadInto(data, SmallSkin("korvale-mine.ini")));
  EXPECT_EQ(data.BorderTop->Image->Width(), 30) << "the definition was read";
  EXPECT_EQ(ReadFile(mine), "mine");
  EXPECT_EQ(TempListing(), before);
  EXPECT_TRUE(messages.texts.empty());
  DeleteFileA(mine.c_str());
}

TEST(SkinLoad, TwoHundredLoadsLeaveTheGuiObjectCountsWhereTheyWere) {
  SkinMessages messages;
  TSkinData data(nullptr);
  ASSERT_TRUE(LoadInto(data, SmallSkin()));
  const Bytes full = TestSkin()
                         .Image("top.bmp", 30, 10)
                         .Image("tabs.bmp", 20, 8)
                         .Image("mdi.bmp", 48, 8)
                         .Definition(std::string(kSmallDefinition) +
                                     "[MDICONTROLS]\r\nImage=mdi.bmp\r\n[ComboButton]\r\nImage=top.bmp\r\n"
                                     "[Progress]\r\nBitmap=top.bmp\r\nChunk=tabs.bmp\r\n")
                         .Stream();
  ASSERT_TRUE(LoadInto(data, full));
  const GuiObjectCounts before = CountGuiObjects();
  for (int i = 0; i < 200; ++i) ASSERT_TRUE(LoadInto(data, i % 2 ? full : SmallSkin()));
  ASSERT_TRUE(LoadInto(data, full));
  EXPECT_EQ(CountGuiObjects(), before);

  const GuiObjectCounts outer = CountGuiObjects();
  {
    TSkinData another(nullptr);
    ASSERT_TRUE(LoadInto(another, full));
  }
  EXPECT_EQ(CountGuiObjects(), outer) << "a component frees everything it made";
}

TEST(SkinManagerRequests, ActiveFollowsTheSkinAndRequestsOnlyOnChange) {
  SkinMessages messages;
  SkinChangeCounter changes;
  TSkinData data(nullptr);
  data.OnSkinChanged = TNotifyEvent(&changes, &SkinChangeCounter::Changed);
  data.SetLoading(true);
  data.SetActive(true);
  EXPECT_EQ(SkinManager(), nullptr) << "while loading, Loaded acts later";
  data.Loaded();
  ASSERT_NE(SkinManager(), nullptr);
  EXPECT_FALSE(data.Active()) << "no skin: Active falls back to false";
  const HHOOK first = SkinManager()->Hook();
  EXPECT_NE(first, nullptr);
  SkinManager()->InstallHook();
  EXPECT_NE(SkinManager()->Hook(), first);
  EXPECT_FALSE(UnhookWindowsHookEx(first)) << "installing anew takes the earlier hook off";
  ASSERT_EQ(SkinManager()->SkinDatas().size(), 1u);

  data.SetActive(true);
  EXPECT_TRUE(data.Active()) << "stays true, nothing is skinned";
  EXPECT_FALSE(SkinManager()->IsActive());
  EXPECT_EQ(SkinManager()->PendingAction(), 0);

  ASSERT_TRUE(LoadInto(data, SmallSkin()));
  data.SetActive(false);
  data.SetActive(true);
  EXPECT_EQ(SkinManager()->PendingAction(), kSkinActionActivate);
  EXPECT_TRUE(SkinManager()->IsActive()) << "before the first activation requests act at once";
  EXPECT_EQ(SkinManager()->CurrentSkinData(), &data);
  SkinManager()->SetCurrentSkinData(nullptr);

  data.SetActive(true);
  EXPECT_EQ(SkinManager()->CurrentSkinData(), nullptr) << "the same value makes no request";
  EXPECT_EQ(changes.count, 0);
}

TEST(SkinManagerRequests, TwoRequestsWithinTheDelayEndInOneAction) {
  SkinMessages messages;
  SkinChangeCounter changes;
  TSkinData data(nullptr);
  data.OnSkinChanged = TNotifyEvent(&changes, &SkinChangeCounter::Changed);
  ASSERT_TRUE(LoadInto(data, SmallSkin()));
  data.Loaded();
  TSkinManage& manager = *SkinManager();

  // The first window activation after the hook is installed switches to deferred requests.
  HWND window = CreateWindowExA(0, "STATIC", "activation", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                100, 80, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  ASSERT_TRUE(WaitFor([&] { return manager.Activations() != 0; }, 5s));

  data.SetActive(true);
  EXPECT_FALSE(manager.IsActive()) << "the request waits for the timer";
  data.SetActive(false);
  data.SetActive(true);
  EXPECT_TRUE(manager.Timer().Enabled());
  ASSERT_TRUE(WaitFor([&] { return changes.count > 0; }, 5s));
  PumpFor(600ms);
  EXPECT_EQ(changes.count, 1);
  EXPECT_TRUE(manager.IsActive()) << "the last request is the one carried out";
  EXPECT_FALSE(manager.Timer().Enabled());
  EXPECT_EQ(manager.CurrentSkinData(), nullptr);

  // A refresh waits for its tick, then fires OnSkinChanged once more.
  data.Refresh();
  ASSERT_TRUE(WaitFor([&] { return changes.count == 2; }, 5s));
  DestroyWindow(window);
}

TEST(SkinManagerRequests, AComponentThatGoesUnregistersAndCancelsItsRequest) {
  SkinMessages messages;
  auto data = std::make_unique<TSkinData>(nullptr);
  TSkinData other(nullptr);
  ASSERT_TRUE(LoadInto(*data, SmallSkin()));
  data->Loaded();
  other.Loaded();
  TSkinManage& manager = *SkinManager();
  EXPECT_EQ(manager.SkinDatas().size(), 2u);
  manager.SetCurrentSkinData(data.get());
  data.reset();
  EXPECT_EQ(manager.SkinDatas(), std::vector<TSkinData*>{&other});
  EXPECT_EQ(manager.CurrentSkinData(), nullptr);
  manager.DoPendingAction();
}

TEST(BitmapTransforms, MoveEveryPixelToItsPlace) {
  // Pixel (x, y) of TestBmp holds red x and green y.
  const auto place = [](const TBitmap& bitmap, int x, int y) {
    const COLORREF c = GetPixel(bitmap.MemoryDC(), x, y);
    return std::pair<int, int>(GetRValue(c), GetGValue(c));
  };
  const Bytes bmp = TestBmp(3, 2);
  TBitmap bitmap;
  bitmap.SetPixelFormat(24);
  ASSERT_EQ(bitmap.LoadFromBytes(bmp.data(), bmp.size()), "");

  MirrorHorizontal(bitmap);
  EXPECT_EQ(place(bitmap, 0, 1), std::make_pair(2, 1));
  EXPECT_EQ(place(bitmap, 1, 0), std::make_pair(1, 0));
  MirrorHorizontal(bitmap);
  FlipVertical(bitmap);
  EXPECT_EQ(place(bitmap, 2, 0), std::make_pair(2, 1));
  FlipVertical(bitmap);

  RotateLeft(bitmap);
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 3);
  // (x, y) lands at (y, width - 1 - x): (0, 0) at (0, 2), (2, 1) at (1, 0).
  EXPECT_EQ(place(bitmap, 0, 2), std::make_pair(0, 0));
  EXPECT_EQ(place(bitmap, 1, 0), std::make_pair(2, 1));
  RotateRight(bitmap);
  ASSERT_EQ(bitmap.Width(), 3);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(place(bitmap, x, y), std::make_pair(x, y));
  }
  RotateRight(bitmap);
  // (x, y) lands at (height - 1 - y, x): (0, 0) at (1, 0), (2, 1) at (0, 2).
  EXPECT_EQ(place(bitmap, 1, 0), std::make_pair(0, 0));
  EXPECT_EQ(place(bitmap, 0, 2), std::make_pair(2, 1));
  EXPECT_EQ(bitmap.PixelFormat(), 24);
}

}  // namespace
}  // namespace korvale::testing

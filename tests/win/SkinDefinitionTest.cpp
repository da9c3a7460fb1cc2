// The definition reader and parser: archives built here, parsed into TSkinData.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "skin/data/SkinData.h"
#include "skin/data/SkinReader.h"
#include "tests/win/SkinTestSkins.h"
#include "toolkit/Bitmap.h"

namespace korvale::testing {
namespace {

constexpr TColor Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

bool LoadInto(TSkinData& data, const Bytes& stream) {
  data.SkinStream.Clear();
  data.SkinStream.Write(stream.data(), stream.size());
  return data.LoadSkin();
}

TEST(SkinReader, IndexesNamesInLowerCaseAndTheFirstOfTwoEqualNamesWins) {
  // 27 names whose CR LF list is 333 bytes long, as in the smallest stored skin.
  TestSkin exact;
  std::size_t length = 0;
  for (int i = 0; i < 26; ++i) {
    const std::string name = "E" + std::to_string(10 + i) + ".bmp";
    exact.Entry(name, TextBytes("BM" + std::to_string(i)));
    length += name.size() + 2;
  }
  const std::string tail(333 - length - 2 - 4, 'w');
  exact.Definition("[Personality]\r\n", tail + ".INI");
  TSkinReader reader;
  TMemoryStream stream;
  const Bytes bytes = exact.Stream();
  stream.Write(bytes.data(), bytes.size());
  ASSERT_TRUE(reader.Load(stream));
  EXPECT_EQ(reader.Count(), 27);
  EXPECT_EQ(reader.NameListLength(), 333);
  EXPECT_EQ(reader.Names()[0], "e10.bmp");
  EXPECT_EQ(reader.Names()[26], tail + ".ini");
  EXPECT_EQ(reader.Sizes(3), 3);

  TSkinReader twice;
  const Bytes dup = TestSkin()
                        .Entry("min.bmp", TextBytes("first"))
                        .Entry("other.bmp", TextBytes("x"))
                        .Entry("Min.bmp", TextBytes("second"))
                        .Stream();
  TMemoryStream dupStream;
  dupStream.Write(dup.data(), dup.size());
  ASSERT_TRUE(twice.Load(dupStream));
  TMemoryStream entry;
  entry.Write("junk", 4);
  twice.ExtractEntry("MIN.BMP", entry);
  EXPECT_EQ(entry.Bytes(), TextBytes("first"));
  EXPECT_EQ(entry.Position(), 0);
  twice.ExtractEntry("absent.bmp", entry);
  EXPECT_EQ(entry.Size(), 0);
  std::string name = "unchanged";
  EXPECT_FALSE(twice.FindEntryContaining(".ini", entry, name));
  EXPECT_EQ(name, "unchanged");
  EXPECT_TRUE(twice.FindEntryContaining("ther", entry, name));
  EXPECT_EQ(name, "other.bmp");
  EXPECT_FALSE(twice.FindEntryContaining("OTHER", entry, name)) << "the part is compared exactly";
}

TEST(SkinReader, RefusesAnOlderVersionWithItsMessage) {
  SkinMessages messages;
  Bytes archive = TestSkin().Definition("[Personality]\r\n").Archive();
  archive[0] = 0x1F;  // 19999
  const Bytes stream = CompressLzh(archive);
  TMemoryStream skinStream;
  skinStream.Write(stream.data(), stream.size());
  TSkinReader reader;
  EXPECT_FALSE(reader.Load(skinStream));
  EXPECT_EQ(messages.texts,
            std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"});
  EXPECT_EQ(reader.Count(), 0);
  EXPECT_EQ(reader.Version(), 19999);
}

// A definition that exercises every table; images named as the stored skins name them.
const char kFullDefinition[] =
    "[Personality]\r\n"
    "Left=folder\\Left.bmp\r\nLeftTopHeight=5\r\nLeftBotHeight=6\r\nLeftFrame=2\r\n"
    "LeftStretch=0\r\nLeftTrans=0\r\n"
    "Right=right.BMP\r\n"
    "TextBack=title.bmp\r\nTextShift=7\r\nTextShiftVert=3\r\nTextRightClip=9\r\n"
    "ActiveTextR=300\r\nActiveTextG=2\r\nActiveTextB=3\r\nInActiveTextR=1\r\nInActiveTextG=-1\r\n"
    "menuBar=bar.bmp\r\n"
    "[Colours]\r\nButtonFace=236 233 216\r\nWindowText=70 115 150\r\nHilight=255 128\r\n"
    "[Button0]\r\nAction=0\r\nButtonImage=b57.bmp\r\nXcoord=$10\r\n"
    "[BUTTONS]\r\nBitmap=button.bmp\r\nTile=3\r\nRadioButton=radio.bmp\r\nCheckButton=check.bmp\r\n"
    "NormalColour2=1 2 3\r\n"
    "[Button3]\r\nAction=1\r\nButtonImage=b38.bmp\r\n"
    "[Button.Radio]\r\nImage=radio.bmp\r\n"
    "[button6]\r\nAction=2\r\nButtonImage=b114.bmp\r\n"
    "[Button9]\r\nAction=-1\r\n"
    "[Button16]\r\nAction=3\r\nButtonImage=b57.bmp\r\n"
    "[MDICONTROLS]\r\nImage=mdi.bmp\r\n"
    "[Progress]\r\nBitmap=progress.bmp\r\nChunk=chunk.bmp\r\nTile=4\r\n"
    "[Tabs]\r\nImage=tabs.bmp\r\nBorder=tabborder.bmp\r\nStyle=9\r\n"
    "[ComboButton]\r\nImage=combo.bmp\r\n"
    "[Scrollbar]\r\nImage=scroll.bmp\r\nTile=2\r\nStyle=4\r\n"
    "[HorzScrollThumb]\r\nImage=thumb.bmp\r\nFrameCount=6\r\n"
    "[VertScrollThumb]\r\nImage=thumb.bmp\r\n"
    "[SunkEdge]\r\nImage=missing.bmp\r\n";

TestSkin FullSkin() {
  TestSkin skin;
  skin.Image("left.bmp", 8, 30)
      .Image("right.BMP", 8, 30)
      .Image("title.bmp", 20, 10)
      .Image("bar.bmp", 12, 10)
      .Image("b57.bmp", 57, 19)
      .Image("b38.bmp", 76, 20)
      .Image("b114.bmp", 114, 19)
      .Image("button.bmp", 50, 20)
      .Image("radio.bmp", 13 * 8, 13)
      .Image("check.bmp", 16 * 3, 16)
      .Image("mdi.bmp", 12 * 9, 9)
      .Image("progress.bmp", 10, 10)
      .Image("chunk.bmp", 4, 4)
      .Image("tabs.bmp", 30, 10)
      .Image("tabborder.bmp", 5, 5)
      .Image("combo.bmp", 3, 2)
      .Image("scroll.bmp", 23, 2)
      .Image("thumb.bmp", 9, 3)
      .Definition(kFullDefinition, "Full.ini");
  return skin;
}

TEST(SkinDefinition, ReadsEveryTableWithItsDefaults) {
  SkinMessages messages;
  TSkinData data(nullptr);
  ASSERT_TRUE(LoadInto(data, FullSkin().Stream()));
  EXPECT_FALSE(data.SkinEmpty);
  EXPECT_TRUE(messages.texts.empty());

  // Folder parts are ignored and names match without case; an upper-case extension in the
  // value does not load.
  EXPECT_EQ(data.BorderLeft->Image->Width(), 8);
  EXPECT_EQ(data.BorderLeft->TopHeight, 5);
  EXPECT_EQ(data.BorderLeft->BottomHeight, 6);
  EXPECT_EQ(data.BorderLeft->FrameCount, 2);
  EXPECT_EQ(data.BorderLeft->Tile, 0);
  EXPECT_EQ(data.BorderLeft->Trans, 0);
  EXPECT_TRUE(data.BorderRight->Image->Empty());
  for (const TDataSkinBorder* border : {data.BorderTop.get(), data.BorderBottom.get()}) {
    EXPECT_TRUE(border->Image->Empty());
    EXPECT_EQ(border->FrameCount, 1);
    EXPECT_EQ(border->Tile, 1);
    EXPECT_EQ(border->Trans, 1);
  }

  EXPECT_EQ(data.ColorButtonFace, Rgb(236, 233, 216));
  EXPECT_EQ(data.ColorMenubar, Rgb(236, 233, 216)) << "Menubar defaults to the face colour";
  EXPECT_EQ(data.ColorWindowText, Rgb(70, 115, 150));
  EXPECT_EQ(data.ColorHilight, Rgb(255, 0, 0));
  EXPECT_EQ(data.ColorMenu, SystemColor(4));
  EXPECT_EQ(data.ColorButtonLight, SystemColor(20));
  EXPECT_EQ(data.ColorButtonDkShadow, SystemColor(21));

  // Title-bar buttons in file order, the frame rule, then the three MDI buttons.
  ASSERT_EQ(data.SysButtons.size(), 8u);
  const int frames[] = {3, 3, 6, 6, 3, 4, 4, 4};
  const char* names[] = {"BUTTON0", "BUTTON3", "BUTTON6", "BUTTON9", "BUTTON16"};
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(data.SysButtons[i]->FrameCount, frames[i]) << i;
    if (i < 5) {
      EXPECT_EQ(data.SysButtons[i]->Name, names[i]);
    }
  }
  EXPECT_EQ(data.SysButtons[0]->Xcoord, 16);
  EXPECT_EQ(data.SysButtons[0]->CombineOp, -1);
  EXPECT_TRUE(data.SysButtons[4]->Image->Empty()) << "an icon button's image is emptied";
  for (int k = 0; k < 3; ++k) {
    const TDataSkinSysButton& mdi = *data.SysButtons[5 + static_cast<std::size_t>(k)];
    EXPECT_EQ(mdi.Action, 7 + k);
    EXPECT_EQ(mdi.Align, 100);
    EXPECT_EQ(mdi.Visibility1, 100);
    EXPECT_EQ(mdi.Image->Width(), 36);
    EXPECT_EQ(mdi.Image->Height(), 9);
    EXPECT_EQ(mdi.Xcoord, (9 + 4) * (3 - k));
    // Column 0 of button k is column 36k of the strip, whose red channel holds x.
    EXPECT_EQ(GetPixel(mdi.Image->MemoryDC(), 0, 0) & 0xFF, static_cast<COLORREF>(36 * k));
  }

  EXPECT_EQ(data.Buttons->Tile, 3);
  EXPECT_EQ(data.Buttons->FrameCount, 5);
  EXPECT_EQ(data.Buttons->RadioButtonFrame, 8);
  EXPECT_EQ(data.Buttons->CheckButtonFrame, 4);
  EXPECT_TRUE(data.Buttons->HasNormalColour2);
  EXPECT_EQ(data.Buttons->NormalColour2, Rgb(1, 2, 3));
  EXPECT_FALSE(data.Buttons->HasPressedColour2);
  EXPECT_EQ(data.Buttons->PressedColour2, data.ColorButtonText);

  EXPECT_EQ(data.Title->LeftWidth, 7);
  EXPECT_EQ(data.Title->TopHeight, 3);
  EXPECT_EQ(data.Title->RightWidth, 9);
  EXPECT_EQ(data.Title->FontHeight, 14);
  EXPECT_EQ(data.Title->FrameCount, 2);
  EXPECT_EQ(data.Title->ActiveTextColor, Rgb(300 % 256, 2, 3));
  EXPECT_EQ(data.Title->InActiveTextColor, clNone);

  ASSERT_TRUE(data.Progress);
  EXPECT_EQ(data.Progress->Tile, 4) << "kept even above 1";
  EXPECT_EQ(data.Progress->Image2->Width(), 4);
  EXPECT_EQ(data.Progress->NormalColour2, 0);
  ASSERT_TRUE(data.MenuBar);
  EXPECT_EQ(data.MenuBar->Name, "Personality");
  EXPECT_EQ(data.MenuBar->LeftWidth, 1);
  EXPECT_EQ(data.MenuBar->RightWidth, 1);

  ASSERT_TRUE(data.Tabs);
  EXPECT_EQ(data.Tabs->Style, 0) << "bordered elements leave Style 0";
  EXPECT_EQ(data.Tabs->Image2->Width(), 5);
  EXPECT_EQ(data.Tabs->FrameCount, 5);
  ASSERT_TRUE(data.Scrollbar);
  EXPECT_EQ(data.Scrollbar->Tile, 0) << "a Tile above 1 becomes 0";
  EXPECT_EQ(data.Scrollbar->Style, 4);
  EXPECT_EQ(data.Scrollbar->FrameCount, 23);
  EXPECT_EQ(data.HorzScrollThumb->FrameCount, 6);
  EXPECT_EQ(data.VertScrollThumb->FrameCount, 3);
  ASSERT_TRUE(data.SunkEdge) << "a named but absent image still makes the element";
  EXPECT_TRUE(data.SunkEdge->Image->Empty());
  EXPECT_FALSE(data.GroupBoxEdge);
  EXPECT_FALSE(data.UpDownHorz);

  // The combo button's second image is its first, mirrored, in 24 bits.
  ASSERT_TRUE(data.ComboButton);
  const TBitmap& mirrored = *data.ComboButton->Image2;
  EXPECT_EQ(mirrored.PixelFormat(), 24);
  EXPECT_EQ(GetPixel(mirrored.MemoryDC(), 0, 1), GetPixel(data.ComboButton->Image->MemoryDC(), 2, 1));
  EXPECT_EQ(data.ComboButton->FrameCount, 4);

  LOGBRUSH brush{};
  ASSERT_TRUE(GetObjectA(data.FaceBrush(), sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, static_cast<COLORREF>(Rgb(236, 233, 216)));
}

TEST(SkinDefinition, ASkinWithoutAnElementLeavesItNullAndReleasesTheOldButtons) {
  SkinMessages messages;
  TSkinData data(nullptr);
  ASSERT_TRUE(LoadInto(data, FullSkin().Stream()));
  ASSERT_TRUE(data.Tabs);
  ASSERT_TRUE(LoadInto(data, TestSkin().Definition("[Colours]\r\n").Stream()));
  EXPECT_FALSE(data.Tabs);
  EXPECT_FALSE(data.Progress);
  EXPECT_FALSE(data.MenuBar);
  EXPECT_FALSE(data.ComboButton);
  EXPECT_EQ(data.SysButtons.size(), 3u);
  EXPECT_TRUE(data.BorderLeft->Image->Empty());
  EXPECT_EQ(data.ColorMenubar, SystemColor(15));
  EXPECT_EQ(data.Buttons->RadioButtonFrame, 4);
}

TEST(SkinDefinition, FrameCountsAndMarginsAreBroughtIntoRange) {
  SkinMessages messages;
  TSkinData data(nullptr);
  const Bytes stream = TestSkin()
                           .Image("b.bmp", 40, 20)
                           .Definition("[Personality]\r\nLeft=b.bmp\r\nLeftFrame=-2\r\n"
                                       "LeftTopHeight=-4\r\nLeftBotHeight=99999\r\n"
                                       "[Buttons]\r\nBitmap=b.bmp\r\nLeftWidth=-5\r\n"
                                       "RightWidth=0x7FFFFFFF\r\nRadioButtonFrame=-1\r\n"
                                       "[HorzScrollThumb]\r\nImage=b.bmp\r\nFrameCount=0\r\n")
                           .Stream();
  ASSERT_TRUE(LoadInto(data, stream));
  EXPECT_EQ(data.BorderLeft->FrameCount, 1);
  EXPECT_EQ(data.BorderLeft->TopHeight, 0);
  EXPECT_EQ(data.BorderLeft->BottomHeight, 20);
  EXPECT_EQ(data.Buttons->LeftWidth, 0);
  EXPECT_EQ(data.Buttons->RightWidth, 40);
  EXPECT_EQ(data.Buttons->RadioButtonFrame, 1);
  ASSERT_TRUE(data.HorzScrollThumb);
  EXPECT_EQ(data.HorzScrollThumb->FrameCount, 1);
}

}  // namespace
}  // namespace korvale::testing

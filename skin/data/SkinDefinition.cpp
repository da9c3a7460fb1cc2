// The skin definition parser of TSkinData: reads the definition's INI text section by
// section into the elements and colours, loading their images from the skin's archive.
#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "core/AsciiText.h"
#include "core/BmpDecoder.h"
#include "core/IniText.h"
#include "core/IniValues.h"
#include "core/SkinRules.h"
#include "skin/data/BitmapTransforms.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinReader.h"
#include "toolkit/Bitmap.h"

namespace korvale {

namespace {

constexpr char kPersonality[] = "Personality";

// Reads keys with the definition's rules: integers in three notations with their default on
// anything else, colour strings, and image names. The text is read once, by the rules of the
// system's private-profile functions, and a lookup answers what a read of that key would.
class DefinitionKeys {
 public:
  explicit DefinitionKeys(std::string_view text) {
    for (IniSection& section : ParseIniSections(text)) {
      sections_.push_back(section.name);
      // A repeated section name reads as its first section, as a single read does.
      const auto [keys, added] = values_.try_emplace(AsciiLower(section.name));
      if (!added) continue;
      for (const std::string& line : section.entries) {
        auto [key, value] = SplitIniEntry(line);
        keys->second.try_emplace(AsciiLower(key), std::move(value));
      }
    }
  }

  const std::vector<std::string>& Sections() const { return sections_; }
  std::string Text(const std::string& section, const std::string& key) const {
    const auto keys = values_.find(AsciiLower(section));
    if (keys == values_.end()) return "";
    const auto value = keys->second.find(AsciiLower(key));
    return value == keys->second.end() ? "" : value->second;
  }
  int Integer(const std::string& section, const std::string& key, int defaultValue) const {
    return ParseSkinInteger(Text(section, key)).value_or(defaultValue);
  }
  TColor Colour(const std::string& section, const std::string& key, TColor defaultValue) const {
    return ParseSkinColour(Text(section, key)).value_or(defaultValue);
  }

 private:
  std::vector<std::string> sections_;
  std::map<std::string, std::map<std::string, std::string>> values_;
};

}  // namespace

void TSkinData::LoadSkinImage(TBitmap& bitmap, const std::string& value, TSkinReader& reader,
                              TMemoryStream& buffer) {
  const std::optional<std::string> name = SkinImageEntryName(value);
  if (!name) {
    bitmap.Clear();
    return;
  }
  reader.ExtractEntry(*name, buffer);
  if (buffer.Size() == 0) {
    bitmap.Clear();
    return;
  }
  const auto bytes = static_cast<std::size_t>(buffer.Size());
  if (const std::optional<BmpSize> size = ReadBmpSize(buffer.Memory(), bytes)) {
    FPicturePixels += size->width * size->height;
    if (FPicturePixels > kSkinMaxPicturePixelsInAll) {
      throw SkinRefusal("its pictures claim more than " +
                        std::to_string(kSkinMaxPicturePixelsInAll) + " pixels in all");
    }
  }
  // A damaged picture leaves the bitmap empty, as an absent one does.
  (void)bitmap.LoadFromBytes(buffer.Memory(), static_cast<std::size_t>(buffer.Size()));
}

void TSkinData::ParseSkinDefinition(std::string_view definition, TSkinReader& reader,
                                    TMemoryStream& buffer) {
  const DefinitionKeys keys(definition);
  const auto image = [&](TBitmap& bitmap, const std::string& section, const std::string& key) {
    LoadSkinImage(bitmap, keys.Text(section, key), reader, buffer);
  };

  // 1. The sections, in file order.
  const std::vector<std::string> sections = keys.Sections();

  // 2. Frame borders.
  struct BorderRow {
    TDataSkinBorder* border;
    const char* key;
    bool vertical;
  };
  const std::array<BorderRow, 4> borders = {{{BorderLeft.get(), "Left", true},
                                             {BorderRight.get(), "Right", true},
                                             {BorderTop.get(), "Top", false},
                                             {BorderBottom.get(), "Bottom", false}}};
  for (const BorderRow& row : borders) {
    TDataSkinBorder& border = *row.border;
    const std::string x = row.key;
    image(*border.Image, kPersonality, x);
    const int first = keys.Integer(kPersonality, x + "TopHeight", 0);
    const int second = keys.Integer(kPersonality, x + "BotHeight", 0);
    if (row.vertical) {
      border.TopHeight = first;
      border.BottomHeight = second;
      border.LeftWidth = 0;
      border.RightWidth = 0;
    } else {
      border.LeftWidth = first;
      border.RightWidth = second;
      border.TopHeight = 0;
      border.BottomHeight = 0;
    }
    border.FrameCount = keys.Integer(kPersonality, x + "Frame", 1);
    border.Tile = keys.Integer(kPersonality, x + "Stretch", 1);
    border.Trans = keys.Integer(kPersonality, x + "Trans", 1);
  }

  // 3. Colours, in this order: Menubar defaults to the face colour just read.
  const char* colours = "Colours";
  ColorWindowText = keys.Colour(colours, "WindowText", SystemColor(8));
  ColorButtonFace = keys.Colour(colours, "ButtonFace", SystemColor(15));
  ColorScrollbar = keys.Colour(colours, "Scrollbar", SystemColor(0));
  ColorHilightText = keys.Colour(colours, "HilightText", SystemColor(14));
  ColorHilight = keys.Colour(colours, "Hilight", SystemColor(13));
  ColorMenubar = keys.Colour(colours, "Menubar", ColorButtonFace);
  ColorMenu = keys.Colour(colours, "Menu", SystemColor(4));
  ColorMenuText = keys.Colour(colours, "MenuText", SystemColor(7));
  ColorButtonText = keys.Colour(colours, "ButtonText", SystemColor(18));
  ColorButtonHilight = keys.Colour(colours, "ButtonHilight", SystemColor(20));
  ColorButtonLight = keys.Colour(colours, "Buttonlight", SystemColor(20));
  ColorButtonShadow = keys.Colour(colours, "ButtonShadow", SystemColor(16));
  ColorButtonDkShadow = keys.Colour(colours, "ButtonDkShadow", SystemColor(21));
  ColorMenuBarText = keys.Colour(colours, "MenuBarText", SystemColor(7));
  ColorTitleTextActive = keys.Colour(colours, "TitleTextActive", SystemColor(9));
  ColorTitleTextNoActive = keys.Colour(colours, "TitleTextNoActive", SystemColor(19));

  // 4. Title-bar buttons, in file order, then the three for maximised child windows.
  SysButtons.clear();
  for (const std::string& section : sections) {
    const std::string name = AsciiUpper(section);
    if (!name.starts_with("BUTTON") || name == "BUTTONS" || name == "BUTTON.RADIO" ||
        name == "BUTTON.CHECKBOX") {
      continue;
    }
    auto button = std::make_unique<TDataSkinSysButton>(name);
    button->Action = keys.Integer(section, "Action", 0);
    button->Align = keys.Integer(section, "Align", 0);
    button->Xcoord = keys.Integer(section, "Xcoord", 0);
    button->Ycoord = keys.Integer(section, "Ycoord", 0);
    button->Visibility = keys.Integer(section, "Visibility", 0);
    button->Visibility1 = keys.Integer(section, "Visibility1", 0);
    button->CombineOp = keys.Integer(section, "CombineOp", -1);
    button->FrameCount = keys.Integer(section, "frame", 0);
    image(*button->Image, section, "ButtonImage");
    if (button->FrameCount == 0) {
      button->FrameCount = SysButtonFrameCount(0, button->Image->Width(), button->Image->Height(),
                                               button->Action);
      if (button->Action == 3 || button->Action == 11) button->Image->Clear();
    }
    SysButtons.push_back(std::move(button));
  }
  const std::size_t skinButtons = SysButtons.size();
  for (int k = 0; k < 3; ++k) {
    auto button = std::make_unique<TDataSkinSysButton>("");
    button->Action = 7 + k;
    button->Align = 100;
    button->Visibility = 100;
    button->Visibility1 = 100;
    button->FrameCount = 4;
    SysButtons.push_back(std::move(button));
  }
  {
    TBitmap strip;
    image(strip, "MDICONTROLS", "Image");
    if (!strip.Empty()) {
      const int w = strip.Width() / 12;
      const int h = strip.Height();
      for (int k = 0; k < 3; ++k) {
        TDataSkinSysButton& button = *SysButtons[skinButtons + static_cast<std::size_t>(k)];
        button.Image->SetPixelFormat(strip.PixelFormat());
        button.Image->SetSize(4 * w, h);
        if (!button.Image->Empty()) {
          BitBlt(button.Image->MemoryDC(), 0, 0, 4 * w, h, strip.MemoryDC(), 4 * w * k, 0, SRCCOPY);
        }
        button.Xcoord = (w + 4) * (3 - k);
      }
    }
  }

  // 5. Buttons.
  {
    const char* section = "Buttons";
    TDataSkinButton& b = *Buttons;
    b.LeftWidth = keys.Integer(section, "LeftWidth", 0);
    b.RightWidth = keys.Integer(section, "RightWidth", 0);
    b.TopHeight = keys.Integer(section, "TopHeight", 0);
    b.BottomHeight = keys.Integer(section, "BottomHeight", 0);
    b.Trans = keys.Integer(section, "Trans", 0);
    image(*b.Image, section, "Bitmap");
    b.Tile = keys.Integer(section, "Tile", 0);
    image(*b.CheckImage, section, "CheckButton");
    image(*b.RadioImage, section, "RadioButton");
    b.RadioButtonFrame = keys.Integer(section, "RadioButtonFrame", 0);
    b.CheckButtonFrame = keys.Integer(section, "CheckButtonFrame", 0);
    const auto textColour = [&](const char* key, TColor& colour, bool& present) {
      const std::string text = keys.Text(section, key);
      present = !text.empty();
      colour = ParseSkinColour(text).value_or(ColorButtonText);
    };
    textColour("NormalColour2", b.NormalColour2, b.HasNormalColour2);
    textColour("MouseOverColour2", b.MouseOverColour2, b.HasMouseOverColour2);
    textColour("PressedColour2", b.PressedColour2, b.HasPressedColour2);
  }

  // 6. Title.
  {
    TDataSkinTitle& t = *Title;
    image(*t.Image, kPersonality, "TextBack");
    t.LeftWidth = keys.Integer(kPersonality, "TextShift", 0);
    t.TopHeight = keys.Integer(kPersonality, "TextShiftVert", 0);
    t.RightWidth = keys.Integer(kPersonality, "TextRightClip", 0);
    t.BottomHeight = 0;
    t.TextAlignment = keys.Integer(kPersonality, "TextAlignment", 0);
    t.Textbackground = keys.Integer(kPersonality, "Textbackground", 0);
    t.FontHeight = keys.Integer("Fonts", "FontHeight", 14);
    t.TXTBackleft = keys.Integer(kPersonality, "TXTBackleft", 0);
    t.TXTBackRight = keys.Integer(kPersonality, "TXTBackRight", 0);
    const auto textColour = [&](const std::string& prefix) {
      const int r = keys.Integer(kPersonality, prefix + "R", -1);
      const int g = keys.Integer(kPersonality, prefix + "G", -1);
      const int b = keys.Integer(kPersonality, prefix + "B", -1);
      if (r < 0 || g < 0 || b < 0) return clNone;
      return static_cast<TColor>((r % 256) | (g % 256) << 8 | (b % 256) << 16);
    };
    t.ActiveTextColor = textColour("ActiveText");
    t.InActiveTextColor = textColour("InActiveText");
  }

  // 7. Progress.
  Progress.reset();
  if (const std::string bitmap = keys.Text("Progress", "Bitmap"); !bitmap.empty()) {
    Progress = std::make_unique<TDataSkinBorder>("Progress");
    LoadSkinImage(*Progress->Image, bitmap, reader, buffer);
    if (const std::string chunk = keys.Text("Progress", "Chunk"); !chunk.empty()) {
      LoadSkinImage(*Progress->Image2, chunk, reader, buffer);
    }
    Progress->Style = keys.Integer("Progress", "Style", 0);
    Progress->LeftWidth = keys.Integer("Progress", "LeftWidth", 0);
    Progress->RightWidth = keys.Integer("Progress", "RightWidth", 0);
    Progress->TopHeight = keys.Integer("Progress", "TopHeight", 0);
    Progress->BottomHeight = keys.Integer("Progress", "BottomHeight", 0);
    Progress->Trans = keys.Integer("Progress", "Trans", 0);
    Progress->Tile = keys.Integer("Progress", "Tile", 0);
  }

  // 8. Menu bar.
  MenuBar.reset();
  if (const std::string bar = keys.Text(kPersonality, "menuBar"); !bar.empty()) {
    MenuBar = std::make_unique<TDataSkinObject>(kPersonality);
    LoadSkinImage(*MenuBar->Image, bar, reader, buffer);
    MenuBar->Tile = keys.Integer(kPersonality, "TileMenu", 0);
    MenuBar->LeftWidth = keys.Integer(kPersonality, "TileLeftMenu", 1);
    MenuBar->RightWidth = keys.Integer(kPersonality, "TileRightMenu", 1);
    MenuBar->TopHeight = 0;
    MenuBar->BottomHeight = 0;
  }

  // 9. The general elements, in this order.
  const auto fill = [&](TDataSkinObject& element, const std::string& section, bool bordered) {
    element.Style = bordered ? 0 : keys.Integer(section, "Style", 0);
    element.LeftWidth = keys.Integer(section, "LeftWidth", 0);
    element.RightWidth = keys.Integer(section, "RightWidth", 0);
    element.TopHeight = keys.Integer(section, "TopHeight", 0);
    element.BottomHeight = keys.Integer(section, "BottomHeight", 0);
    element.Trans = keys.Integer(section, "Trans", 0);
    element.Tile = keys.Integer(section, "Tile", 0);
    if (element.Tile > 1) element.Tile = 0;
    element.NormalColour2 = keys.Colour(section, "NormalColour2", ColorButtonText);
    element.MouseOverColour2 = keys.Colour(section, "MouseOverColour2", ColorButtonText);
    element.PressedColour2 = keys.Colour(section, "PressedColour2", ColorButtonText);
  };
  const auto plain = [&](std::unique_ptr<TDataSkinObject>& element, const std::string& section) {
    element.reset();
    const std::string value = keys.Text(section, "Image");
    if (value.empty()) return;
    element = std::make_unique<TDataSkinObject>(section);
    LoadSkinImage(*element->Image, value, reader, buffer);
    fill(*element, section, false);
  };
  const auto bordered = [&](std::unique_ptr<TDataSkinBorder>& element, const std::string& section,
                            const std::string& secondKey) {
    element.reset();
    const std::string value = keys.Text(section, "Image");
    if (value.empty()) return;
    element = std::make_unique<TDataSkinBorder>(section);
    LoadSkinImage(*element->Image, value, reader, buffer);
    if (const std::string second = keys.Text(section, secondKey); !second.empty()) {
      LoadSkinImage(*element->Image2, second, reader, buffer);
    }
    fill(*element, section, true);
  };
  plain(GroupBoxEdge, "GroupBoxEdge");
  plain(Toolbars, "Toolbars");
  bordered(Tabs, "Tabs", "Border");
  plain(StatusBarEdges, "StatusBarEdges");
  bordered(ComboButton, "ComboButton", "****");
  if (ComboButton && !ComboButton->Image->Empty()) {
    ComboButton->Image2->Assign(*ComboButton->Image);
    ComboButton->Image2->SetPixelFormat(24);
    MirrorHorizontal(*ComboButton->Image2);
  }
  plain(SunkEdge, "SunkEdge");
  plain(ExtraImages, "ExtraImages");
  plain(Headerbar, "Headerbar");
  plain(MenuItem, "MenuItem");
  plain(MenuBackground, "MenuBackground");
  plain(Scrollbar, "Scrollbar");
  plain(HorzScroll, "HorzScroll");
  plain(VertScroll, "VertScroll");
  plain(HorzScrollThumb, "HorzScrollThumb");
  plain(VertScrollThumb, "VertScrollThumb");
  plain(TrackbarThumbHorz, "Trackbar.ThumbHorz");
  plain(TrackbarThumbVert, "Trackbar.ThumbVert");
  plain(TrackbarThumbLeft, "Trackbar.ThumbLeft");
  plain(TrackbarThumbRight, "Trackbar.ThumbRight");
  plain(TrackbarThumbUp, "Trackbar.ThumbUp");
  plain(TrackbarThumbDown, "Trackbar.ThumbDown");
  bordered(UpDownHorz, "UpDown.Horz", "GlyphImage");
  bordered(UpDownVert, "UpDown.Vert", "GlyphImage");

  // 10. Derived values.
  Buttons->FrameCount = 5;
  if (Buttons->RadioButtonFrame == 0) {
    Buttons->RadioButtonFrame = CheckFrameCount(Buttons->RadioImage->Width(), Buttons->RadioImage->Height());
  }
  if (Buttons->CheckButtonFrame == 0) {
    Buttons->CheckButtonFrame = CheckFrameCount(Buttons->CheckImage->Width(), Buttons->CheckImage->Height());
  }
  const auto frames = [](auto& element, int count) {
    if (element) element->FrameCount = count;
  };
  frames(Title, 2);
  frames(Progress, 2);
  frames(MenuBar, 2);
  frames(GroupBoxEdge, 2);
  for (auto* element : {&Toolbars, &ExtraImages, &Headerbar, &MenuItem, &TrackbarThumbHorz,
                        &TrackbarThumbVert, &TrackbarThumbLeft, &TrackbarThumbRight,
                        &TrackbarThumbUp, &TrackbarThumbDown}) {
    frames(*element, 5);
  }
  frames(Tabs, 5);
  frames(StatusBarEdges, 3);
  frames(ComboButton, 4);
  frames(SunkEdge, 4);
  frames(HorzScroll, 4);
  frames(VertScroll, 4);
  frames(MenuBackground, 1);
  frames(Scrollbar, 23);
  frames(UpDownHorz, 8);
  frames(UpDownVert, 8);
  frames(HorzScrollThumb, keys.Integer("HorzScrollThumb", "FrameCount", 3));
  frames(VertScrollThumb, keys.Integer("VertScrollThumb", "FrameCount", 3));

  // A skin's frame counts and margins are brought into range once, here, so that no
  // painter divides by zero or cuts outside an image. The title keeps its values: its
  // margins hold text offsets.
  const auto sane = [](TDataSkinObject* element) {
    if (!element) return;
    element->FrameCount = SaneFrameCount(element->FrameCount);
    const FrameMargins margins = SaneMargins(
        {element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight},
        element->Image->Width(), element->Image->Height());
    element->LeftWidth = margins.left;
    element->TopHeight = margins.top;
    element->RightWidth = margins.right;
    element->BottomHeight = margins.bottom;
  };
  for (TDataSkinObject* element :
       {static_cast<TDataSkinObject*>(Buttons.get()), static_cast<TDataSkinObject*>(BorderLeft.get()),
        static_cast<TDataSkinObject*>(BorderRight.get()), static_cast<TDataSkinObject*>(BorderTop.get()),
        static_cast<TDataSkinObject*>(BorderBottom.get()), static_cast<TDataSkinObject*>(Tabs.get()),
        static_cast<TDataSkinObject*>(Progress.get()), static_cast<TDataSkinObject*>(UpDownHorz.get()),
        static_cast<TDataSkinObject*>(UpDownVert.get()), static_cast<TDataSkinObject*>(ComboButton.get()),
        SunkEdge.get(), ExtraImages.get(), GroupBoxEdge.get(), Toolbars.get(), StatusBarEdges.get(),
        Headerbar.get(), MenuBar.get(), MenuItem.get(), MenuBackground.get(), Scrollbar.get(),
        HorzScroll.get(), VertScroll.get(), HorzScrollThumb.get(), VertScrollThumb.get(),
        TrackbarThumbHorz.get(), TrackbarThumbVert.get(), TrackbarThumbLeft.get(),
        TrackbarThumbRight.get(), TrackbarThumbUp.get(), TrackbarThumbDown.get()}) {
    sane(element);
  }
  for (const auto& button : SysButtons) sane(button.get());
  Buttons->RadioButtonFrame = SaneFrameCount(Buttons->RadioButtonFrame);
  Buttons->CheckButtonFrame = SaneFrameCount(Buttons->CheckButtonFrame);

  // 11. The face brush. A system colour reference is resolved first, since a brush takes
  // only RGB values.
  FFaceBrush.reset(CreateSolidBrush(ColorToRGB(ColorButtonFace)));

  // 12.
  SkinEmpty = false;
}

}  // namespace korvale

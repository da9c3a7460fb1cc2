#pragma once

// The control gallery form, a form-side skinner list of the tests' own, the six bundled
// skins loaded into skin data of the tests' own, and a frame oracle for button pixels.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/ButtonLayout.h"
#include "core/FieldGeometry.h"
#include "core/SoftBlit.h"
#include "skin/controls/ControlDispatch.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinEdit.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinDataClasses.h"
#include "skin/data/SkinStore.h"
#include "tests/support/PointerInput.h"
#include "tests/support/WinTestSupport.h"
#include "tests/win/SkinTestSkins.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/SpinEdit.h"
#include "toolkit/FormReader.h"
#include "toolkit/TypInfo.h"

namespace korvale::testing {

class TGalleryForm : public TForm {
 public:
  explicit TGalleryForm(TComponent* owner) : TForm(owner) {
    static const bool registered = [] {
      RegisterPublishedClass<TGalleryForm>("TGalleryForm", "TForm").Handler("ButtonClick", &TGalleryForm::ButtonClick);
      return true;
    }();
    (void)registered;
    ReadComponentResource(this, "CONTROLGALLERY");
  }
  std::string ClassName() const override { return "TGalleryForm"; }
  void ButtonClick(TObject*) { ++clicks; }

  template <typename T = TControl>
  T* Find(const std::string& name) {
    return dynamic_cast<T*>(FindComponent(name));
  }
  int clicks = 0;
};

// The form skinner's list as the control skinners need it.
class TTestSkinnerHost : public TComponent, public TSkinnerHost {
 public:
  TTestSkinnerHost() : TComponent(nullptr) {}
  ~TTestSkinnerHost() override { UnskinAll(); }

  bool AddSkinner(TControlSkinnerBase* skinner) override {
    if (std::find(list.begin(), list.end(), skinner) != list.end()) return true;
    list.push_back(skinner);
    return false;
  }
  void RemoveSkinner(TControlSkinnerBase* skinner) override {
    const auto it = std::find(list.rbegin(), list.rend(), skinner);
    if (it != list.rend()) list.erase(std::next(it).base());
  }
  void PurgeDestroyed() override {
    for (size_t i = list.size(); i-- > 0;)
      if (i < list.size() && list[i]->WindowDestroyed()) delete list[i];
  }
  TControlSkinnerBase* FindSkinner(HWND window) const override {
    for (TControlSkinnerBase* s : list)
      if (s->SkinnedHandle() == window) return s;
    return nullptr;
  }
  const std::vector<TControlSkinnerBase*>& Skinners() const override { return list; }
  TControlSkinnerBase* HotButton() const override { return hot; }
  void SetHotButton(TControlSkinnerBase* skinner) override { hot = skinner; }
  TCanvas* ControlCanvas() override { return &canvas; }
  TComponent* FormObject() override { return this; }
  std::string FormName() const override { return formName; }

  void UnskinAll() {
    while (!list.empty()) {
      TControlSkinnerBase* first = list.front();
      first->Unskin();
      list.erase(list.begin());
      delete first;
    }
  }
  void SkinChanged() {
    for (TControlSkinnerBase* s : list) s->SkinChanged();
  }
  // The skinner serving a control (owned by it), or null.
  TSkinControl* SkinnerOf(TComponent* control) const {
    for (TControlSkinnerBase* s : list)
      if (s->Owner() == control) return dynamic_cast<TSkinControl*>(s);
    return nullptr;
  }

  std::vector<TControlSkinnerBase*> list;
  TControlSkinnerBase* hot = nullptr;
  TCanvas canvas;
  std::string formName = "controlgallery";
};

inline constexpr const char* kBundledSkinNames[] = {"MacOS", "XP1", "XP2", "XP3", "Blue", "Whistler"};

// The store of the six bundled skins, read once.
inline TSkinStore& BundledStore() {
  static TComponent* root = [] {
    RegisterSkinDataClasses();
    auto* r = new TComponent(nullptr);
    ReadComponentResource(r, "BUNDLEDSKINS");
    return r;
  }();
  return *dynamic_cast<TSkinStore*>(root->FindComponent("SkinStore1"));
}

// Skin data of the test's own, holding bundled skin `index`; no skin manager takes part.
inline void LoadBundledSkin(TSkinData& data, int index) {
  data.SkinStream.Clear();
  BundledStore().Store()->Item(index)->CopyDataTo(data.SkinStream);
  data.SkinStream.SetPosition(0);
  ASSERT_TRUE(data.LoadSkin()) << kBundledSkinNames[index];
}

// A colour as 0xRRGGBB, the order of captured pixels.
inline std::uint32_t PixelOf(TColor colour) {
  const COLORREF c = ColorToRGB(colour);
  return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
}

// Frame `frame` of the Buttons element composed in software at width x height over the
// face colour, as a button skinner draws it before its caption.
inline PixelImage ButtonOracle(const TSkinData& skin, int width, int height, int frame) {
  const TDataSkinButton& element = *skin.Buttons;
  PixelImage image = ComposeFrame(width, height, element.Image->ToImage(), 5, frame, StripLayout::SideBySide,
                                  {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight},
                                  element.Tile != 0);
  const std::uint32_t face = PixelOf(skin.ColorButtonFace);
  for (std::uint32_t& pixel : image.pixels) {
    pixel &= 0xFFFFFF;
    if (element.Trans == 1 && pixel == kTransparentKey) pixel = face;
  }
  return image;
}

// Which frame of the Buttons element the window shows: the frame whose composition matches
// the most pixels; 0 when two frames match equally well.
inline int ShownButtonFrame(HWND window, const TSkinData& skin) {
  const PixelBuffer shot = CaptureWindow(window, false);
  int best = 0, bestScore = -1;
  for (int frame = 1; frame <= 4; ++frame) {
    const PixelImage expected = ButtonOracle(skin, shot.width, shot.height, frame);
    int score = 0;
    for (size_t i = 0; i < shot.pixels.size(); ++i) score += (shot.pixels[i] & 0xFFFFFF) == expected.pixels[i];
    if (score == bestScore) best = 0;
    if (score > bestScore) {
      bestScore = score;
      best = frame;
    }
  }
  return best;
}

}  // namespace korvale::testing

namespace korvale::testing {

// Which frame of a check or radio strip the window's mark shows, found as for buttons
// within the mark's box (magenta shows the face colour); 0 when two frames match equally.
inline int ShownMarkFrame(HWND window, const TSkinData& skin, const TBitmap& strip, int frames) {
  const PixelBuffer shot = CaptureWindow(window, false);
  const PixelImage image = strip.ToImage();
  const int fw = image.width / frames, fh = image.height;
  const bool right = (GetWindowLongA(window, GWL_STYLE) & BS_RIGHTBUTTON) != 0;
  const PixelRect box = CheckGlyphRect({0, 0, shot.width, shot.height}, fw, fh, right);
  const std::uint32_t face = PixelOf(skin.ColorButtonFace);
  int best = 0, bestScore = -1;
  for (int frame = 1; frame <= std::min(frames, 4); ++frame) {
    int score = 0;
    for (int y = 0; y < fh; ++y) {
      for (int x = 0; x < fw; ++x) {
        std::uint32_t want = image.At((frame - 1) * fw + x, y) & 0xFFFFFF;
        if (want == kTransparentKey) want = face;
        if ((shot.At(box.left + x, box.top + y) & 0xFFFFFF) == want) ++score;
      }
    }
    if (score == bestScore) best = 0;
    if (score > bestScore) {
      bestScore = score;
      best = frame;
    }
  }
  return best;
}

// The image upside down, as the skin engine's vertical flip leaves it.
inline PixelImage FlippedVertically(const PixelImage& image) {
  PixelImage flipped = image;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) flipped.Set(x, y, image.At(x, image.height - 1 - y));
  return flipped;
}

// How many pixels of `rect` in the capture equal the picture, magenta of the picture skipped.
inline int Agreeing(const PixelBuffer& shot, const PixelImage& picture, PixelRect rect) {
  int score = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) {
      const std::uint32_t want = picture.At(x, y) & 0xFFFFFF;
      score += want != kTransparentKey && (shot.At(x, y) & 0xFFFFFF) == want;
    }
  return score;
}

// Of the candidate frames, the one whose picture agrees with most pixels; 0 on a tie.
template <typename Compose>
int BestFrame(const PixelBuffer& shot, PixelRect rect, int first, int last, Compose compose) {
  int best = 0, bestScore = -1;
  for (int frame = first; frame <= last; ++frame) {
    const int score = Agreeing(shot, compose(frame), rect);
    if (score == bestScore) best = 0;
    if (score > bestScore) bestScore = score, best = frame;
  }
  return best;
}

// The frame (1 to 8) of its element that one half of a skinned up-down window shows: the
// strip's frame stretched to the half with its glyph centred, over the face colour. An
// up-down inside an edit is drawn 1 pixel inside its client rectangle.
inline int ShownUpDownFrame(HWND window, const TSkinData& skin, bool horizontal, bool inEdit, bool secondHalf) {
  const PixelBuffer shot = CaptureWindow(window);
  const TDataSkinBorder& e = horizontal ? *skin.UpDownHorz : *skin.UpDownVert;
  const PixelImage strip = e.Image->ToImage(), glyphs = e.Image2->ToImage();
  const int inset = inEdit ? 1 : 0;
  const UpDownHalves halves = SplitUpDown(shot.width - 2 * inset, shot.height - 2 * inset, horizontal);
  const PixelRect half = (secondHalf ? halves.second : halves.first).Moved(inset, inset);
  const int first = secondHalf ? 5 : 1;
  return BestFrame(shot, half, first, first + 3, [&](int frame) {
    PixelImage picture;
    picture.Resize(shot.width, shot.height, PixelOf(skin.ColorButtonFace));
    StretchCopy(picture, half, strip, FrameInStrip(strip.width, strip.height, 8, frame, StripLayout::SideBySide),
                true);
    const PixelRect g = FrameInStrip(glyphs.width, glyphs.height, 8, frame, StripLayout::SideBySide);
    const int x = half.left + (half.Width() - g.Width()) / 2, y = half.top + (half.Height() - g.Height()) / 2;
    StretchCopy(picture, {x, y, x + g.Width(), y + g.Height()}, glyphs, g, true);
    return picture;
  });
}

// A skinned spin edit under the real pointer: its up-down's upper half normal with the
// pointer away (at `away`'s corner), hot over it, pressed by a press, and the value still
// steps by the mouse and the keyboard.
inline void ExpectSpinEditFollowsThePointer(TSpinEdit& spin, TSkinEdit& skinner, const TSkinData& skin, HWND away) {
  ASSERT_TRUE(WaitFor([&] { return skinner.UpDown() != nullptr; })) << "found when the edit first paints";
  HWND updown = spin.ButtonHandle();
  const auto upper = [&] { return ShownUpDownFrame(updown, skin, false, true, false); };
  RECT client{};
  GetClientRect(updown, &client);
  MovePointer(away, {2, 2});
  EXPECT_TRUE(WaitForSettled([&] { return upper() == 1; }));
  // Points are relative to the window; the up-down's client starts at its window's corner.
  MovePointer(updown, {client.right / 2, client.bottom / 4});
  EXPECT_TRUE(WaitForSettled([&] { return upper() == 4; })) << "hot";
  const int value = spin.Value();
  Press();
  EXPECT_TRUE(WaitFor([&] { return upper() == 2; })) << "pressed";
  Release();
  // Held long on a loaded machine, the button repeats: at least one step.
  EXPECT_TRUE(WaitFor([&] { return spin.Value() > value; })) << "the value steps";
  EXPECT_TRUE(WaitForSettled([&] { return upper() == 4; }));
  const int stepped = spin.Value();
  SendMessageA(spin.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(spin.Value(), stepped - spin.Increment());
  MovePointer(away, {2, 2});
}

// A skinned page control (tabs on top): every tab in its frame of the Tabs element (2 for the
// selected one) and the border ring around the display area from the element's second image.
inline void ExpectPageControlDrawnFromTabs(HWND tabs, const TSkinData& skin) {
  const TDataSkinBorder& e = *skin.Tabs;
  const PixelImage strip = e.Image->ToImage();
  const PixelBuffer shot = CaptureWindow(tabs);
  const FrameMargins margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
  const int selected = static_cast<int>(SendMessageA(tabs, TCM_GETCURFOCUS, 0, 0));
  RECT display{0, 0, shot.width, shot.height};
  SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const int stripBottom = display.top - 3;
  for (int i = 0; i < 2; ++i) {
    RECT r{};
    ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)));
    const PixelRect tab = PixelRect{r.left, r.top, r.right, r.bottom}.Moved(0, 1);
    const PixelRect shown{tab.left, tab.top, tab.right, std::min(tab.bottom, stripBottom)};
    const int frame = BestFrame(shot, shown, 1, 2, [&](int f) {
      PixelImage picture;
      picture.Resize(shot.width, shot.height, kTransparentKey);
      CopyImage(picture, tab.left, tab.top,
                ComposeFrame(tab.Width(), tab.Height(), strip, e.FrameCount, f, StripLayout::SideBySide, margins,
                             e.Tile != 0));
      return picture;
    });
    EXPECT_EQ(frame, i == selected ? 2 : 1) << "tab " << i;
  }
  // The ring: the border image's top-left corner at the display area's, grown by 4 (the
  // rows the pages do not cover).
  const PixelImage border = e.Image2->ToImage();
  int differing = 0;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      const std::uint32_t want = border.At(x, y) & 0xFFFFFF;
      differing += (shot.At(display.left - 4 + x, display.top - 3 + y) & 0xFFFFFF) != want;
    }
  EXPECT_EQ(differing, 0);
}

}  // namespace korvale::testing

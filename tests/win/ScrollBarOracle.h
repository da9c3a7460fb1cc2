#pragma once

// What a skinned scroll bar shows, composed in software from the skin: arrow buttons, track
// and thumb 16 pixels thick, stretched to the bar's real thickness.
#include <algorithm>
#include <optional>
#include <vector>

#include "core/ScrollBarGeometry.h"
#include "core/SoftBlit.h"
#include "skin/data/SkinData.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/PixelOracle.h"
#include "tests/support/WinTestSupport.h"
#include "tests/win/SkinGallery.h"

namespace korvale::testing {

inline PixelImage ScrollBarOracle(const TSkinData& skin, bool horizontal, int thickness, int length, int pressedPart,
                                  const std::optional<ThumbMetrics>& thumb) {
  constexpr int kThick = 16;
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  const auto span = [&](int start, int end) {
    return horizontal ? PixelRect{start, 0, end, kThick} : PixelRect{0, start, kThick, end};
  };
  const auto draw = [](PixelImage& image, PixelRect at, const TDataSkinObject& e, int frames, int frame, bool tile) {
    const PixelImage part = ComposeFrame(at.Width(), at.Height(), e.Image->ToImage(), frames, frame,
                                         StripLayout::SideBySide,
                                         {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}, tile);
    if (e.Trans == 1) BlitTransparent(image, at.left, at.top, part);
    else CopyImage(image, at.left, at.top, part);
  };
  PixelImage bar;
  bar.Resize(horizontal ? length : kThick, horizontal ? kThick : length, PixelOf(skin.ColorScrollbar));
  const TDataSkinObject& track = horizontal ? *skin.HorzScroll : *skin.VertScroll;
  if (length > 2 * b) draw(bar, span(b, length - b), track, 4, 1, track.Tile != 0);
  const PixelImage arrows = skin.Scrollbar->Image->ToImage();
  const int button = length < 2 * b ? length / 2 : b;
  const int first = horizontal ? (pressedPart == 1 ? 2 : 1) : (pressedPart == 3 ? 10 : 9);
  const int second = horizontal ? (pressedPart == 2 ? 6 : 5) : (pressedPart == 4 ? 14 : 13);
  const auto arrow = [&](PixelRect at, int frame) {
    StretchCopy(bar, at, arrows, FrameInStrip(arrows.width, arrows.height, 23, frame, StripLayout::SideBySide), true);
  };
  arrow(span(0, button), first);
  arrow(span(length - button, length), second);
  const TDataSkinObject& thumbElement = horizontal ? *skin.HorzScrollThumb : *skin.VertScrollThumb;
  if (thumb && thumb->thumbSize > 0 && thumb->thumbSize <= thumb->trackLength) {
    const bool pressed = pressedPart == (horizontal ? 5 : 6);
    draw(bar, span(b + thumb->thumbPosition, b + thumb->thumbPosition + thumb->thumbSize), thumbElement,
         thumbElement.FrameCount, pressed ? 2 : 1, false);
  }
  PixelImage out;
  out.Resize(horizontal ? length : thickness, horizontal ? thickness : length);
  StretchCopy(out, {0, 0, out.width, out.height}, bar, {0, 0, bar.width, bar.height});
  return out;
}

// The bar as drawn matches the oracle exactly, except inside the thumb: a thumb squeezed
// below its frame's size may take a neighbour of GDI's source pixel there, so each of its
// pixels need only be a colour of the thumb's frame or what lies under the thumb. Pixels
// before and after the thumb still pin its place and length.
inline ::testing::AssertionResult MatchesScrollBar(const TSkinData& skin, bool horizontal, int thickness, int length,
                                                   int pressedPart, const std::optional<ThumbMetrics>& thumb,
                                                   const PixelImage& shot) {
  PixelImage want = ScrollBarOracle(skin, horizontal, thickness, length, pressedPart, thumb);
  if (thumb && thumb->thumbSize > 0 && thumb->thumbSize <= thumb->trackLength) {
    const PixelImage bare = ScrollBarOracle(skin, horizontal, thickness, length, pressedPart, std::nullopt);
    const PixelImage strip = (horizontal ? *skin.HorzScrollThumb : *skin.VertScrollThumb).Image->ToImage();
    std::vector<std::uint32_t> colours;
    for (const std::uint32_t pixel : strip.pixels) colours.push_back(pixel & 0xFFFFFF);
    const int b = GetSystemMetrics(SM_CXHSCROLL);
    for (int along = b + thumb->thumbPosition; along < b + thumb->thumbPosition + thumb->thumbSize; ++along)
      for (int across = 0; across < thickness; ++across) {
        const int x = horizontal ? along : across, y = horizontal ? across : along;
        if (x >= shot.width || y >= shot.height) continue;
        const std::uint32_t got = shot.At(x, y) & 0xFFFFFF;
        if (got == (bare.At(x, y) & 0xFFFFFF) || std::find(colours.begin(), colours.end(), got) != colours.end())
          want.Set(x, y, got);
      }
  }
  return MatchesOracle(want, shot);
}

// A rectangle of a capture as a picture.
inline PixelImage CropCapture(const PixelBuffer& shot, PixelRect rect) {
  PixelImage image;
  image.Resize(rect.Width(), rect.Height());
  for (int y = 0; y < rect.Height(); ++y)
    for (int x = 0; x < rect.Width(); ++x) image.Set(x, y, shot.At(rect.left + x, rect.top + y) & 0xFFFFFF);
  return image;
}

inline ScrollValues ValuesOf(HWND window, int bar) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(window, bar, &info);
  return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, info.nTrackPos};
}

// The codes of the scroll messages recorded, a run of equal codes counted once.
inline std::vector<int> ScrollCodes(const MessageRecorder& recorder, UINT message) {
  std::vector<int> codes;
  for (const RecordedMessage& m : recorder.Messages())
    if (m.message == message && m.source != MessageSource::kReturned &&
        (codes.empty() || codes.back() != LOWORD(m.wParam)))
      codes.push_back(LOWORD(m.wParam));
  return codes;
}

// Where the bars of a window lie, laid out from its own sizes.
inline ScrollBarRects BarsOf(HWND window) {
  RECT w{}, c{};
  GetWindowRect(window, &w);
  GetClientRect(window, &c);
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  ScrollBarRects rects;
  LayoutScrollBars({w.right - w.left, w.bottom - w.top, c.right, c.bottom, GetSystemMetrics(SM_CXHSCROLL),
                    GetSystemMetrics(SM_CXEDGE), (style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0,
                    (exStyle & WS_EX_LEFTSCROLLBAR) != 0},
                   rects);
  return rects;
}

}  // namespace korvale::testing

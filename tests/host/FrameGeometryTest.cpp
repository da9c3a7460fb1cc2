#include "core/FrameGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvale {
namespace {

TEST(FrameGeometry, FrameInStripCutsEqualFrames) {
  struct Case {
    int width, height, count, frame;
    StripLayout layout;
    PixelRect expected;
  };
  const std::vector<Case> cases = {
      {200, 30, 5, 2, StripLayout::SideBySide, {40, 0, 80, 30}},
      {200, 30, 5, 5, StripLayout::SideBySide, {160, 0, 200, 30}},
      {203, 30, 5, 5, StripLayout::SideBySide, {160, 0, 200, 30}},  // remainder unused
      {60, 60, 2, 2, StripLayout::Stacked, {0, 30, 60, 60}},
      {60, 61, 2, 1, StripLayout::Stacked, {0, 0, 60, 30}},
      {368, 16, 23, 13, StripLayout::SideBySide, {192, 0, 208, 16}},
      {50, 10, 0, 1, StripLayout::SideBySide, {0, 0, 50, 10}},    // no frame count: one
      {50, 10, 5, 9, StripLayout::SideBySide, {40, 0, 50, 10}},   // held to the last frame
      {50, 10, 5, -3, StripLayout::SideBySide, {0, 0, 10, 10}},   // and to the first
  };
  for (const Case& c : cases)
    EXPECT_EQ(FrameInStrip(c.width, c.height, c.count, c.frame, c.layout), c.expected)
        << c.width << "x" << c.height << " frame " << c.frame << " of " << c.count;
}

TEST(FrameGeometry, GlyphStripsShowTheStateOnlyWithFourGlyphs) {
  EXPECT_EQ(GlyphInStrip(64, 16, 4, 3), (PixelRect{32, 0, 48, 16}));
  EXPECT_EQ(GlyphInStrip(64, 16, 4, 9), (PixelRect{48, 0, 64, 16}));
  EXPECT_EQ(GlyphInStrip(48, 16, 3, 2), (PixelRect{0, 0, 16, 16}));  // three: always the first
  EXPECT_EQ(GlyphInStrip(16, 16, 1, 4), (PixelRect{0, 0, 16, 16}));
  EXPECT_EQ(GlyphInStrip(16, 16, 0, 1), (PixelRect{0, 0, 16, 16}));
}

TEST(FrameGeometry, ComposeFrameNineSliceOrderAndRectangles) {
  // Frame 2 of a 5-frame strip 200 x 30 into 100 x 20 with margins 5, 9, 5, 6.
  const PixelRect frame = FrameInStrip(200, 30, 5, 2, StripLayout::SideBySide);
  const std::vector<BlitPiece> expected = {
      {{0, 0, 5, 9}, {40, 0, 45, 9}},        // top-left
      {{0, 14, 5, 20}, {40, 24, 45, 30}},    // bottom-left
      {{95, 0, 100, 9}, {75, 0, 80, 9}},     // top-right
      {{0, 9, 5, 14}, {40, 9, 45, 24}},      // left edge
      {{5, 0, 95, 9}, {45, 0, 75, 9}},       // top edge
      {{5, 9, 95, 14}, {45, 9, 75, 24}},     // centre
      {{95, 14, 100, 20}, {75, 24, 80, 30}}, // bottom-right
      {{95, 9, 100, 14}, {75, 9, 80, 24}},   // right edge
      {{5, 14, 95, 20}, {45, 24, 75, 30}},   // bottom edge
  };
  EXPECT_EQ(ComposeFramePieces(100, 20, frame, {5, 9, 5, 6}, false), expected);
}

TEST(FrameGeometry, MarginsThatDoNotFitAreDroppedPerAxis) {
  const PixelRect frame = FrameInStrip(200, 30, 5, 2, StripLayout::SideBySide);
  // 8 < 5 + 5 and 12 < 9 + 6: the whole frame is stretched.
  EXPECT_EQ(ComposeFramePieces(8, 12, frame, {5, 9, 5, 6}, false),
            (std::vector<BlitPiece>{{{0, 0, 8, 12}, {40, 0, 80, 30}}}));
  // Only the horizontal pair is dropped: top and bottom edges and the centre remain.
  EXPECT_EQ(ComposeFramePieces(8, 40, frame, {5, 9, 5, 6}, false),
            (std::vector<BlitPiece>{{{0, 0, 8, 9}, {40, 0, 80, 9}},
                                    {{0, 9, 8, 34}, {40, 9, 80, 24}},
                                    {{0, 34, 8, 40}, {40, 24, 80, 30}}}));
  EXPECT_EQ(FitMargins(10, 15, {5, 9, 5, 6}), (FrameMargins{5, 9, 5, 6}));
  EXPECT_EQ(FitMargins(9, 14, {5, 9, 5, 6}), (FrameMargins{0, 0, 0, 0}));
}

TEST(FrameGeometry, TiledCentreRunsColumnByColumnAndIsCoveredAfterwards) {
  const PixelRect frame{0, 0, 10, 10};
  const auto pieces = ComposeFramePieces(20, 11, frame, {2, 2, 2, 2}, true);
  // Five pieces before the centre, six tiles of 6 x 6, then the three covering pieces.
  ASSERT_EQ(pieces.size(), 5u + 6u + 3u);
  const PixelRect source{2, 2, 8, 8};
  const std::vector<PixelRect> tiles = {{2, 2, 8, 8},   {2, 8, 8, 14},   {8, 2, 14, 8},
                                        {8, 8, 14, 14}, {14, 2, 20, 8}, {14, 8, 20, 14}};
  for (size_t i = 0; i < tiles.size(); ++i) {
    EXPECT_EQ(pieces[5 + i].dest, tiles[i]) << i;
    EXPECT_EQ(pieces[5 + i].source, source) << i;
  }
  EXPECT_EQ(pieces[11].dest, (PixelRect{18, 9, 20, 11}));  // bottom-right corner
  EXPECT_EQ(pieces[13].dest, (PixelRect{2, 9, 18, 11}));   // bottom edge over the overhang

  // A frame that is all margin has no centre to tile.
  const auto none = ComposeFramePieces(20, 20, {0, 0, 4, 4}, {2, 2, 2, 2}, true);
  EXPECT_EQ(none.size(), 8u);
}

TEST(FrameGeometry, BorderFrameLeavesTheCentreAndFollowsTheDestination) {
  const auto pieces = BorderFramePieces({10, 20, 110, 80}, {0, 0, 20, 20}, {4, 5, 4, 4});
  ASSERT_EQ(pieces.size(), 8u);
  EXPECT_EQ(pieces.front(), (BlitPiece{{10, 20, 14, 25}, {0, 0, 4, 5}}));
  EXPECT_EQ(pieces.back(), (BlitPiece{{14, 76, 106, 80}, {4, 16, 16, 20}}));
  for (const BlitPiece& piece : pieces) EXPECT_NE(piece.dest, (PixelRect{14, 25, 106, 76}));
  EXPECT_TRUE(BorderFramePieces({10, 20, 5, 80}, {0, 0, 20, 20}, {4, 5, 4, 4}).empty());
}

TEST(FrameGeometry, ThreeSliceRepeatsTheMiddleBetweenTheCaps) {
  struct Case {
    int width, left, right;
    std::vector<BlitPiece> expected;
  };
  const PixelRect frame = FrameInStrip(30, 40, 2, 2, StripLayout::Stacked);  // (0,20)-(30,40)
  const std::vector<Case> cases = {
      {50, 5, 5,
       {{{0, 0, 5, 16}, {0, 20, 5, 40}},
        {{5, 0, 25, 16}, {5, 20, 25, 40}},
        {{25, 0, 45, 16}, {5, 20, 25, 40}},
        {{45, 0, 50, 16}, {25, 20, 30, 40}}}},
      // Caps as wide as the frame: no middle pieces, and the loop ends.
      {50, 15, 15, {{{0, 0, 15, 16}, {0, 20, 15, 40}}, {{35, 0, 50, 16}, {15, 20, 30, 40}}}},
      {8, 5, 5, {{{0, 0, 5, 16}, {0, 20, 5, 40}}, {{3, 0, 8, 16}, {25, 20, 30, 40}}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ThreeSlicePieces(c.width, 16, frame, c.left, c.right), c.expected) << c.width;
  EXPECT_TRUE(ThreeSlicePieces(-1, 16, frame, 5, 5).empty());
}

TEST(FrameGeometry, TileAndStretchPieces) {
  EXPECT_EQ(TilePieces({0, 0, 5, 3}, {1, 1, 4, 3}),
            (std::vector<BlitPiece>{{{0, 0, 3, 2}, {1, 1, 4, 3}},
                                    {{0, 2, 3, 4}, {1, 1, 4, 3}},
                                    {{3, 0, 6, 2}, {1, 1, 4, 3}},
                                    {{3, 2, 6, 4}, {1, 1, 4, 3}}}));
  EXPECT_TRUE(TilePieces({0, 0, 5, 3}, {1, 1, 1, 3}).empty());
  EXPECT_EQ(StretchFramePieces({2, 2, 30, 20}, {16, 0, 32, 16}),
            (std::vector<BlitPiece>{{{2, 2, 30, 20}, {16, 0, 32, 16}}}));
  EXPECT_TRUE(StretchFramePieces({2, 2, 1, 20}, {16, 0, 32, 16}).empty());
}

}  // namespace
}  // namespace korvale

#include "tools/skinart/SkinPainter.h"

#include "tools/skinart/ArtParts.h"

namespace korvale::skinart {

std::map<std::string, PixelImage> PaintSkin(const Theme& t) {
  using namespace art;
  std::map<std::string, PixelImage> images;
  const FrameSheet active = PaintFrameSheet(t, true);
  const FrameSheet inactive = PaintFrameSheet(t, false);
  const int w = active.width, h = active.height;
  auto columns = [](const FrameSheet& s, int l, int r) { return Crop(s.image, l, 0, r, s.height); };
  images["leftframe.bmp"] = JoinFrames({columns(active, 0, t.left), columns(inactive, 0, t.left)}, false);
  images["rightframe.bmp"] =
      JoinFrames({columns(active, w - t.right, w), columns(inactive, w - t.right, w)}, false);
  images["topframe.bmp"] = JoinFrames({Crop(active.image, t.left, 0, w - t.right, t.title),
                                       Crop(inactive.image, t.left, 0, w - t.right, t.title)},
                                      true);
  images["bottomframe.bmp"] = JoinFrames({Crop(active.image, t.left, h - t.bottom, w - t.right, h),
                                          Crop(inactive.image, t.left, h - t.bottom, w - t.right, h)},
                                         true);
  images["textback.bmp"] = JoinFrames({PaintTextBack(t, true), PaintTextBack(t, false)}, true);
  images["close.bmp"] = TitleButtonStrip(t, Glyph::Close);
  images["max.bmp"] = TitleButtonStrip(t, Glyph::Maximise);
  images["restore.bmp"] = TitleButtonStrip(t, Glyph::Restore);
  images["min.bmp"] = TitleButtonStrip(t, Glyph::Minimise);
  images["mdi.bmp"] = PaintMdiStrip(t);

  images["button.bmp"] = JoinFrames({PaintPushButton(t, kNormal, false), PaintPushButton(t, kPressed, false),
                                     PaintPushButton(t, kDisabled, false), PaintPushButton(t, kHot, false),
                                     PaintPushButton(t, kNormal, true)},
                                    false);
  images["check.bmp"] = JoinFrames({PaintCheck(t, false, false), PaintCheck(t, true, false),
                                    PaintCheck(t, false, true), PaintCheck(t, true, true)},
                                   false);
  images["radio.bmp"] = JoinFrames({PaintRadio(t, false, false), PaintRadio(t, true, false),
                                    PaintRadio(t, false, true), PaintRadio(t, true, true)},
                                   false);

  images["menubar.bmp"] = JoinFrames({PaintMenuBar(t, true), PaintMenuBar(t, false)}, true);
  images["menuitem.bmp"] = JoinFrames({PaintMenuItem(t, 1), PaintMenuItem(t, 2), PaintMenuItem(t, 3),
                                       PaintMenuItem(t, 4), PaintMenuItem(t, 5)},
                                      false);
  images["mnuframe.bmp"] = PaintMenuFrame(t);

  images["tabs.bmp"] = JoinFrames({PaintTab(t, kNormal, false), PaintTab(t, kNormal, true),
                                   PaintTab(t, kDisabled, false), PaintTab(t, kHot, false),
                                   PaintTab(t, kNormal, true)},
                                  false);
  images["tabborder.bmp"] = PaintTabBorder(t);
  images["groupbox.bmp"] = JoinFrames({PaintGroupBox(t, true), PaintGroupBox(t, false)}, false);
  images["toolbar.bmp"] = JoinFrames({PaintToolbar(t, kNormal), PaintToolbar(t, kPressed), PaintToolbar(t, kDisabled),
                                      PaintToolbar(t, kHot), PaintToolbar(t, kNormal)},
                                     false);
  images["statusbar.bmp"] = JoinFrames({PaintStatusEdge(t, 1), PaintStatusEdge(t, 2), PaintStatusEdge(t, 3)}, false);
  images["sunkedge.bmp"] = JoinFrames({PaintSunkEdge(t, kNormal), PaintSunkEdge(t, kPressed),
                                       PaintSunkEdge(t, kDisabled), PaintSunkEdge(t, kHot)},
                                      false);
  images["combobutton.bmp"] = JoinFrames({PaintComboButton(t, kNormal), PaintComboButton(t, kPressed),
                                          PaintComboButton(t, kDisabled), PaintComboButton(t, kHot)},
                                         false);
  images["extra.bmp"] = JoinFrames({PaintExtra(t, 1), PaintExtra(t, 2), PaintExtra(t, 3), PaintExtra(t, 4),
                                    PaintExtra(t, 5)},
                                   false);
  images["header.bmp"] = JoinFrames({PaintHeader(t, kNormal), PaintHeader(t, kPressed), PaintHeader(t, kDisabled),
                                     PaintHeader(t, kHot), PaintHeader(t, kNormal)},
                                    false);
  if (t.chunked) {
    images["progress.bmp"] = PaintProgress(t, false);
    images["chunk.bmp"] = PaintChunk(t);
  } else {
    images["progress.bmp"] = JoinFrames({PaintProgress(t, false), PaintProgress(t, true)}, false);
  }
  images["scrollbar.bmp"] = PaintScrollArrows(t);
  images["hscroll.bmp"] = JoinFrames({PaintTrack(t, false, 1), PaintTrack(t, false, 2), PaintTrack(t, false, 3),
                                      PaintTrack(t, false, 4)},
                                     false);
  images["vscroll.bmp"] = JoinFrames({PaintTrack(t, true, 1), PaintTrack(t, true, 2), PaintTrack(t, true, 3),
                                      PaintTrack(t, true, 4)},
                                     false);
  images["hthumb.bmp"] = JoinFrames({PaintThumb(t, false, kNormal), PaintThumb(t, false, kPressed),
                                     PaintThumb(t, false, kHot)},
                                    false);
  images["vthumb.bmp"] = JoinFrames({PaintThumb(t, true, kNormal), PaintThumb(t, true, kPressed),
                                     PaintThumb(t, true, kHot)},
                                    false);
  images["thumbhorz.bmp"] = TrackThumbStrip(t, 1);
  images["thumbvert.bmp"] = TrackThumbStrip(t, 3);
  images["thumbleft.bmp"] = TrackThumbStrip(t, 2);
  images["thumbright.bmp"] = TrackThumbStrip(t, 3);
  images["thumbup.bmp"] = TrackThumbStrip(t, 0);
  images["thumbdown.bmp"] = TrackThumbStrip(t, 1);
  images["updownh.bmp"] = PaintUpDown(t, true);
  images["updownv.bmp"] = PaintUpDown(t, false);
  images["glyphh.bmp"] = PaintUpDownGlyphs(t, true);
  images["glyphv.bmp"] = PaintUpDownGlyphs(t, false);
  return images;
}

}  // namespace korvale::skinart

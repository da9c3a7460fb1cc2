#pragma once

// TSkinScrollBar: the window scroll bars in the non-client area of a windowed control (memo,
// list box, tree view, scroll box, grid, rich edit) painted from the skin after the control's
// own frame paint. Arrow and page clicks keep the system's scroll loop; a click on the thumb
// runs the skinner's own tracking loop so the skinned thumb follows the pointer.
#include <windows.h>

#include <array>
#include <memory>

#include "core/ScrollBarGeometry.h"
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinScrollBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollBar() override;
  std::string ClassName() const override { return "TSkinScrollBar"; }

  // Hooks Control's WindowProc and has the window recompute its frame. A list-view skinner
  // replaces it to skin the header as well.
  virtual void AttachScrollBars(TWinControl* control, TSkinData* skinData, bool ownTracking, TSkinnerHost* form,
                                TCanvas* canvas);
  void SkinChanged() override;

  // The part (SB_ code, or -1) at Position along the bar (SB_HORZ or SB_VERT), from the
  // control's client origin.
  int HitTest(int position, int bar) const;

  int PressedPart() const { return FPressedPart; }
  bool Tracking() const { return FTracking; }
  const ScrollBarMetrics& Metrics(int bar) const { return FBarMetrics[bar]; }
  // The bars and the corner in window coordinates, as the last paint laid them out.
  const RECT& HorzRect() const { return FHorzRect; }
  const RECT& VertRect() const { return FVertRect; }
  const RECT& CornerRect() const { return FCornerRect; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  void LayoutBars(const RECT& window);
  void DrawBar(HDC dc, const RECT& barRect, bool drawThumb, int kind);
  void UpdateThumb(const RECT& barRect, int kind);
  // A press on a bar's thumb starts the tracking loop; true when it consumed the click.
  bool NCButtonDown(TMessage& message);
  void TrackThumb(int bar, UINT scrollMessage);

  int FPressedPart = 0;
  DWORD FStyle = 0;
  DWORD FExStyle = 0;
  RECT FCornerRect{};
  bool FTracking = false;
  bool FOwnTracking = false;
  bool FInVScroll = false;
  bool FInHScroll = false;
  std::array<SCROLLINFO, 2> FScrollInfo{};  // SB_HORZ, SB_VERT
  RECT FHorzRect{};
  RECT FVertRect{};
  std::array<ScrollBarMetrics, 2> FBarMetrics{};

 private:
  void OnScroll(TMessage& message, int kind, bool& inScroll);
  // True when a bar's values or visibility differ from what the last paint drew: the
  // control's own code has redrawn the native bar.
  bool BarsChanged() const;
  void RedrawFrame();
  // What the last paint saw: each bar's values and the window style.
  std::array<ScrollValues, 2> FDrawnValues{};
  DWORD FDrawnStyle = 0;
  // Cleared when the skinner goes, so a drag loop it runs stops touching it.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace korvale

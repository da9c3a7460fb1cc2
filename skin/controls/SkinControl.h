#pragma once

// TSkinControl: the companion of one control on a skinned window. It takes over the
// control's window procedure (the WindowProc of a toolkit control, or a subclass of a bare
// window), looks at each message before and after the control's own procedure, and paints
// the control from the active skin. It is owned by its control (or by the form skinner, for
// bare windows) and puts back exactly what it replaced when it goes.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "skin/controls/SkinnerHost.h"
#include "toolkit/Graphics.h"
#include "toolkit/Messages.h"

namespace korvale {

class TCanvas;
class TControl;
class TSkinData;
class TWinControl;
class TWindowSubclass;

// FState values.
inline constexpr int kSkinnerCreated = 0;
inline constexpr int kSkinnerAttached = 1;
inline constexpr int kSkinnerUnskinned = 2;
inline constexpr int kSkinnerWindowDestroyed = 6;

// FMouseState bits.
inline constexpr std::uint8_t kMouseHot = 1;
inline constexpr std::uint8_t kMousePressed = 2;

class TSkinControl : public TControlSkinnerBase {
 public:
  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;
  std::string ClassName() const override { return "TSkinControl"; }

  // Attaches to the owner, a toolkit windowed control.
  virtual void Attach(TSkinnerHost* form, TSkinData* skinData, bool recolor, TCanvas* canvas);
  // Attaches to a bare window by subclassing it.
  virtual void AttachHandle(HWND handle, TSkinData* skinData, TSkinnerHost* form, TCanvas* canvas);
  // Attaches to the owner, a window-less control, by hooking its WindowProc.
  void AttachGraphic(TSkinnerHost* form, TSkinData* skinData, TCanvas* canvas);
  void Unskin() override;
  void SkinChanged() override;
  HWND SkinnedHandle() const override { return FHandle; }
  bool WindowDestroyed() const override { return FState == kSkinnerWindowDestroyed; }

  // The replacement window procedure: BeforeMessage, then (unless it consumed the message)
  // the previous procedure and AfterMessage.
  void SkinWndProc(TMessage& message);
  void CallDefault(TMessage& message);
  // Repaints the whole window at once when it is a child window.
  void Redraw();
  virtual void PaintWindow(HDC dc);

  int State() const { return FState; }
  bool Recolor() const { return FRecolor; }
  std::uint8_t MouseState() const { return FMouseState; }
  TWinControl* Control() const { return FControl; }
  TControl* GraphicControl() const { return FGraphicControl; }

 protected:
  // False consumes the message: neither the previous procedure nor AfterMessage runs.
  virtual bool BeforeMessage(TMessage& message);
  virtual void AfterMessage(TMessage& message);
  // Draws the skin into DC; Rect is the window rectangle moved to (0,0).
  virtual void DrawSkin(HDC dc, const RECT& rect);
  // The WM_PAINT body of skinners that paint the whole control.
  void PaintHandler(TMessage& message);
  // For skinners that paint the whole control: WM_PAINT goes to PaintHandler and
  // WM_ERASEBKGND is answered as done. True when the message was one of the two.
  bool PaintWholeControl(TMessage& message);
  void FillFace(HDC dc, const RECT& rect);
  // Window-less controls: the hooked control's WindowProc goes back to what it was.
  void RestoreWindowProc();
  void RefreshLook();
  // What every attach remembers: the form it reports to, the skin it draws, the canvas it uses.
  void Bind(TSkinnerHost* form, TSkinData* skinData, TCanvas* canvas);
  // The toolkit control's WindowProc passes through SkinWndProc until RestoreWindowProc.
  void HookWindowProc(TControl& control);

  std::uint8_t FMouseState = 0;
  TCanvas* FCanvas = nullptr;
  bool FEnabled = false;
  bool FFocused = false;
  std::string FCaption;
  TSkinData* FSkinData = nullptr;
  HWND FHandle = nullptr;
  TWndMethod FOldWindowProc;
  TWinControl* FControl = nullptr;
  RECT FWindowRect{};
  TControl* FGraphicControl = nullptr;
  bool FRecolor = false;
  TColor FOldColor = 0;
  bool FAttached = false;
  int FState = kSkinnerCreated;
  TSkinnerHost* FForm = nullptr;

 private:
  // Bare windows: the subclass in front of the window's own procedure.
  std::unique_ptr<TWindowSubclass> FSubclass;
};

// The text of a window, as WM_GETTEXT gives it (up to 1000 characters).
std::string WindowText(HWND window);

}  // namespace korvale

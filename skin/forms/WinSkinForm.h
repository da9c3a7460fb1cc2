#pragma once

// TWinSkinForm: the frame skinner of one top-level window (a toolkit form, a message box or
// a system dialog). It takes over the window's procedure, removes the native caption, sizes
// the non-client area to the skin's border pieces, paints borders, title and menu bar,
// shapes the window with a region where the borders are transparent, and undoes all of it
// when skinning stops.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/SkinFrameLayout.h"
#include "core/SysButtonLayout.h"
#include "skin/forms/NCObject.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Component.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/Messages.h"
#include "toolkit/WindowSubclass.h"

namespace korvale {

class TControlSkinnerBase;
class TForm;
class TImageList;
class TPopupMenu;
class TSkinData;
class TTimer;
class TWinSkinMenu;
class TMenuBtn;
class TMenuItemPainter;

// The Tag of a window's skinned system menu.
inline constexpr int kSystemMenuTag = 33333;

class TWinSkinForm : public TComponent {
 public:
  explicit TWinSkinForm(TComponent* owner);
  ~TWinSkinForm() override;
  std::string ClassName() const override { return "TWinSkinForm"; }

  // Used by the manager.
  void SetHandle(HWND window) { FHandle = window; }
  void AttachForm(TSkinData* skinData, TForm* form);
  void AttachWindow(TSkinData* skinData);
  void ReleaseSysButtons();
  void LoadSkinMetrics();
  void ApplySkin();
  void RestoreWindow();
  void DetachWindow();
  void SetNativeFrame(bool on);
  void UpdateRegion();
  void DropRegion();
  void RefreshFrame();
  void PaintFrame(HDC dc = nullptr);

  // Used by the control skinners.
  bool AddSkinner(TControlSkinnerBase* skinner);
  void RemoveSkinner(TControlSkinnerBase* skinner);
  void PurgeDestroyed();
  void UnskinAll();
  TControlSkinnerBase* FindSkinner(HWND window) const;
  TControlSkinnerBase* HotButton = nullptr;
  std::unique_ptr<TCanvas> FControlCanvas;
  std::vector<TControlSkinnerBase*> SkinnedControls;

  // Title-bar buttons and the window commands behind them.
  void LayoutSysButtons();
  void PaintSysButtons(HDC dc);
  void DoSysAction(TWinSysButton& button, int x, int y);
  void ToggleMaximize();
  void ToggleMinimize();
  void Restore();
  void MdiCommand(UINT command);
  void ShowSysMenu(int x, int y);
  TPopupMenu* SysMenu() const { return FSysMenu.get(); }
  const TBitmap& Icon() const { return *FIcon; }
  int MaxButtonLeft() const { return FMaxButtonLeft; }
  int WindowState() const { return FWindowState; }
  // An MDI frame whose active child is maximised: the child's buttons lie in the bar.
  bool MdiChildMaximized() const;

  // Used by the menu bar and the hot spots.
  void OpenMenuButton(TMenuBtn* button);
  void PostMenuButtonClick(TMenuBtn* button);
  TMenuBtn* FindAccelButton(char key) const;
  void EndMenuTracking();
  // The form's popup menus drawn from the skin (On) or by themselves again.
  void SkinPopupMenus(bool on);
  POINT ToFrame(POINT screen) const;

  HWND Handle() const { return FHandle; }
  TSkinData* SkinData() const { return FSkinData; }
  TForm* VclForm() const { return FVclForm; }
  int SkinState() const { return FSkinState; }
  void SetSkinState(int state) { FSkinState = state; }
  void MarkNormal() { FWindowState = 0; }
  int Kind() const { return FKind; }
  bool HasRegion() const { return FHasRegion; }
  bool WindowActive() const { return FWindowActive; }
  SkinFrameWidths Widths() const { return {FLeft, FTop, FRight, FBottom, FMenuHeight}; }
  const RECT& TextRect() const { return FTextRect; }
  TWinSkinMenu* MenuBar() const { return FMenuBar.get(); }
  const std::vector<std::unique_ptr<TWinSysButton>>& SysButtons() const { return FSysButtons; }
  const std::string& TitlePrefix() const { return FTitlePrefix; }
  const std::string& TitleText() const { return FTitleText; }
  HFONT CaptionFont() const { return FCaptionFont.get(); }

  TNCObject* FHotSpot = nullptr;
  bool FMenuTracking = false;
  HMENU FOpenMenu = nullptr;

 private:
  void WindowHook(TMessage& message);
  void ClientHook(TMessage& message);
  LRESULT SkinWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  bool SecondStage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool ThirdStage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT ClientProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
  void FormProc(TMessage& message);
  void Subclass();
  void Unsubclass();
  void SubclassClient();
  void UnsubclassClient();

  void MakeIcon();
  void FitFrame(bool reapply);
  void Reframe(bool reapply);
  void OnSize(WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcActivate(WPARAM wParam);
  bool OnNcMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool OnSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool OnCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
  TNCObject* HotSpotAt(POINT framePoint) const;
  SysButtonWindow ButtonWindow() const;
  void BuildSysMenu();
  void SysMenuClick(TObject* sender);
  void CloseWindow();
  void OnMenuChanged(TMessage& message);
  // WM_MEASUREITEM and WM_DRAWITEM of the bar's drop-downs.
  bool OnMenuItemMessage(UINT msg, LPARAM lParam, LRESULT& result);
  void CheckHover(TObject* sender);
  void ReadWindowState();

  void PaintBorder(int piece, PixelRect rect, HDC dc);
  void PaintTitle(HDC dc);
  void PaintTitleText(HDC dc, PixelRect rect);
  std::unique_ptr<TBitmap> ComposeBorder(int piece, int width, int height) const;

  // Bits of FButtons.
  static constexpr unsigned kMaximizeBox = 1;
  static constexpr unsigned kMinimizeBox = 2;
  static constexpr unsigned kSystemMenu = 8;
  static constexpr unsigned kCaptionRemoved = 0x10;
  bool HasMaximizeBox() const { return (FButtons & kMaximizeBox) != 0; }
  bool HasMinimizeBox() const { return (FButtons & kMinimizeBox) != 0; }
  bool HasSystemMenu() const { return (FButtons & kSystemMenu) != 0; }
  bool IsMdiChild() const { return FKind == 2; }
  bool IsMdiFrame() const { return FKind == 1; }
  bool MdiChildNotNormal() const { return IsMdiChild() && FWindowState != 0; }
  bool IsMinimized() const { return FWindowState == 2; }
  bool IsMaximized() const { return FWindowState == 1; }
  bool IsDialogClass() const;
  bool FrameSkinningOn() const;
  bool IsForeign() const { return FVclForm == nullptr; }
  int WindowWidth() const { return FWindowRect.right - FWindowRect.left; }
  int WindowHeight() const { return FWindowRect.bottom - FWindowRect.top; }
  void ReadWindowRect() { GetWindowRect(FHandle, &FWindowRect); }
  UINT DeferredErase() const { return FDeferRedraw ? SWP_DEFERERASE : 0; }

  TWndMethod FOldFormProc;
  TWindowSubclass FWindowProc;
  TWindowSubclass FClientProc;
  UniqueFont FCaptionFont;
  std::unique_ptr<TTimer> FHoverTimer;
  std::string FTitlePrefix = "  ";
  std::string FTitleText = " Brix 2.2.001";
  std::string FWindowText;
  std::string FClassName;
  bool FSavedMenuUpdate = false;
  RECT FClientRect{};
  DWORD FLastMenuTick = 0;
  UINT FDoubleClickTime = 0;
  std::unique_ptr<TPopupMenu> FSysMenu;
  std::unique_ptr<TImageList> FSysMenuImages;
  int FBlankWidth = 0;
  int FLeft = 0;
  int FTop = 0;
  int FRight = 0;
  int FBottom = 0;
  RECT FWindowRect{};
  RECT FTextRect{};
  RECT FNativeExtra{};
  int FMenuHeight = 0;
  bool FRightToLeft = false;
  HWND FMdiClient = nullptr;
  HWND FNewMdiChild = nullptr;
  HMENU FNativeSysMenu = nullptr;
  TColor FFormColor = 0;
  DWORD FStyle = 0;
  int FMaxButtonLeft = 0;
  bool FHasRegion = false;
  TForm* FVclForm = nullptr;
  HWND FHandle = nullptr;
  TSkinData* FSkinData = nullptr;
  std::unique_ptr<TWinSkinMenu> FMenuBar;
  std::unique_ptr<TMenuItemPainter> FItemPainter;
  std::vector<std::unique_ptr<TWinSysButton>> FSysButtons;
  std::unique_ptr<TBitmap> FIcon;
  std::unique_ptr<TBitmap> FTitleBitmap;
  int FRegionWidth = 0;
  int FRegionHeight = 0;
  // Set while the frame is fitted and the region cut as one change, erased once afterwards.
  bool FDeferRedraw = false;
  bool FWindowActive = true;
  int FKind = 0;
  int FBorderKind = 3;
  unsigned FButtons = 0;
  int FWindowState = 0;
  int FSkinState = 0;
};

}  // namespace korvale

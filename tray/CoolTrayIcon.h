#pragma once

// TCoolTrayIcon: a non-visual component that keeps an icon with a tooltip in the taskbar's
// notification area, turns the shell's mouse notifications for it into events, shows a
// popup menu at the pointer, and moves the application's main window into the tray and
// back. One hidden TTrayIconHandler window, shared by all tray icons, receives the
// notifications.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/Component.h"
#include "toolkit/Event.h"
#include "toolkit/Icon.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menus.h"
#include "toolkit/Messages.h"
#include "toolkit/WindowSubclass.h"
#include "tray/SimpleTimer.h"

namespace korvale {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The mouse buttons' flags beside the keys' (ssShift, ssAlt, ssCtrl) of the toolkit.
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TCycleEvent = TEvent<TObject*, int>;
using TStartupEvent = TEvent<TObject*, bool&>;

// The message the shell broadcasts to top-level windows when the taskbar was re-created;
// 0 when the common controls are too old to know it.
UINT TaskbarCreatedMessage();

class TCoolTrayIcon : public TComponent {
 public:
  static constexpr UINT TrayCallbackMessage = 0x800;

  explicit TCoolTrayIcon(TComponent* owner);
  ~TCoolTrayIcon() override;
  std::string ClassName() const override { return "TCoolTrayIcon"; }

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  virtual bool WantsDesignIcon() const { return true; }
  virtual void AddTrayIcon();
  virtual void RemoveTrayIcon();
  virtual void UpdateTrayIcon();

  void RestoreFromTray();
  void SendToTray();
  void PerformMinimizeToTray();
  void PopupAtCursor();

  TIcon& Icon() { return icon_; }
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool visible);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
  bool LeftPopup() const { return leftPopup_; }
  void SetLeftPopup(bool left) { leftPopup_ = left; }
  bool MinimizeToTray() const { return minimizeToTray_; }
  void SetMinimizeToTray(bool minimize) { minimizeToTray_ = minimize; }
  TImageList* IconList() const { return iconList_; }
  void SetIconList(TImageList* list);
  int IconIndex() const { return iconIndex_; }
  void SetIconIndex(int index);
  bool CycleIcons() const { return cycleIcons_; }
  void SetCycleIcons(bool cycle);
  unsigned CycleInterval() const { return cycleTimer_->Interval(); }
  void SetCycleInterval(unsigned interval) { cycleTimer_->SetInterval(interval); }
  bool WantEnterExitEvents() const { return wantEnterExitEvents_; }
  void SetWantEnterExitEvents(bool want);
  bool DesignPreview() const { return designPreview_; }
  void SetDesignPreview(bool preview) { designPreview_ = preview; }

  // The record of the last shell request; its identifier is what notifications carry.
  const NOTIFYICONDATAA& IconData() const { return iconData_; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;
  TNotifyEvent OnBalloonHintShow;
  TNotifyEvent OnBalloonHintHide;
  TNotifyEvent OnBalloonHintTimeout;
  TNotifyEvent OnBalloonHintClick;
  TNotifyEvent OnMinimizeToTray;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TCycleEvent OnCycle;
  TStartupEvent OnStartup;

  // One notification from the shell: the mouse or balloon message of the icon.
  void HandleIconMessage(UINT mouseMessage);

 private:
  void OwnerHookProc(TMessage& message);
  bool HookAppProc(TMessage& message);
  bool OwnerMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void PrepareIconData();
  void SendShellRequest(DWORD request);
  void HideTaskbarButton();
  void IconChanged(TObject* sender);
  void LoadListIcon(int index);
  void ClickDefaultItem();
  void CycleTimerProc(TObject* sender);
  void ClickTimerProc(TObject* sender);
  void ExitTimerProc(TObject* sender);
  void MouseEvent(TMouseEvent& event, TMouseButton button);
  bool OwnerIsWindow() const;
  bool PopupAllowed() const;

  TIcon icon_;
  bool iconVisible_ = false;
  std::string hint_;
  bool showHint_ = true;
  bool enabled_ = true;
  TPopupMenu* popupMenu_ = nullptr;
  bool leftPopup_ = false;
  bool minimizeToTray_ = false;
  TImageList* iconList_ = nullptr;
  int iconIndex_ = 0;
  bool cycleIcons_ = false;
  bool wantEnterExitEvents_ = false;
  bool designPreview_ = false;

  NOTIFYICONDATAA iconData_{};
  std::unique_ptr<TSimpleTimer> cycleTimer_;
  std::unique_ptr<TSimpleTimer> clickTimer_;
  std::unique_ptr<TSimpleTimer> exitTimer_;
  bool leftButtonDown_ = false;
  bool clickPending_ = false;
  bool doubleClickSeen_ = false;
  bool pointerOutside_ = true;
  bool startupPending_ = true;
  int lastPointerX_ = 0;
  int lastPointerY_ = 0;
  TWindowSubclass ownerHook_;
};

// The hidden window shared by all tray icons, with its reference count.
class TTrayIconHandler {
 public:
  // Registers a tray icon and returns its identifier and the shared window (made on the
  // first call).
  static UINT Add(TCoolTrayIcon* icon, HWND& window);
  static void Remove(TCoolTrayIcon* icon);
  static HWND Handle();
  static int RefCount();
};

}  // namespace korvale

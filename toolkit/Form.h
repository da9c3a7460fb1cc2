#pragma once

// TForm: a top-level window owned by the application window (or an MDI child). Forms are
// made with TForm::Create<T>(owner) or Application().CreateForm<T>(), so that OnCreate runs
// after the form's constructor has built its components and Loaded has run on them.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "toolkit/Icon.h"
#include "toolkit/WinControl.h"

namespace korvale {

class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum TBorderIcon : std::uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  std::string ClassName() const override { return "TForm"; }

  template <typename T, typename... Args>
  static T* Create(Args&&... args) {
    T* form = new T(std::forward<Args>(args)...);
    form->AfterConstruction();
    return form;
  }
  // Runs Loaded on the components and then OnCreate; shows the form if it is Visible.
  virtual void AfterConstruction();

  HWND ClientHandle() override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  std::uint8_t BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(std::uint8_t icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  TWindowState WindowState() const;
  void SetWindowState(TWindowState state);
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool autoScroll) { autoScroll_ = autoScroll; }
  TIcon& Icon() { return icon_; }
  // Client size; before the window exists the outer size follows from the border style.
  void SetClientSize(int width, int height);
  void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
  void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
  RECT ClientRect() const override;

  void SetVisible(bool visible) override;
  TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  bool Modal() const { return modal_; }
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages now queued for it are handled.
  void Release();
  void BringToFront();

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  void FocusControl(TWinControl* control);
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
  void SelectFirst();
  void ControlRemoved(TWinControl* control);
  bool Active() const { return active_; }

  // The keyboard-shortcut hook of the message loop: a form with menus answers here.
  virtual bool IsShortCut(const MSG& msg);
  // Whether a menu bar takes part of the outer height (a main menu, added with the menus).
  // An MDI child's menu shows in its frame's bar instead.
  virtual bool HasMenuBar() const { return menu_ != nullptr && formStyle_ != TFormStyle::fsMDIChild; }

  // The menu bar of the window; its changes arrive as CM_MENUCHANGED.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TNotifyEvent OnResize;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;
  void Paint(TCanvas& canvas) override;

 private:
  void CloseModal();
  TForm* MdiFrame() const;
  void ShowMdiMenu(bool active);
  void IconChanged(TObject* sender);
  void ApplyOuterSize();
  DWORD FrameStyle() const;
  DWORD FrameExStyle() const;

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  std::uint8_t borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = TPosition::poDesigned;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  TWindowState windowState_ = TWindowState::wsNormal;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool autoScroll_ = false;
  bool active_ = false;
  bool destroying_ = false;
  int clientWidth_ = -1;
  int clientHeight_ = -1;
  TIcon icon_;
  TWinControl* activeControl_ = nullptr;
  TMainMenu* menu_ = nullptr;
  HWND mdiClient_ = nullptr;
};

}  // namespace korvale

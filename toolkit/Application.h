#pragma once

// TApplication: the hidden zero-size top-level window of class "TApplication" that owns
// every form (so that forms have no taskbar buttons of their own) and carries the taskbar
// button with Title; the message loop with shortcuts, dialog keys and mouse enter/leave.
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Icon.h"
#include "toolkit/Messages.h"

namespace korvale {

class TControl;
class TForm;
class TWinControl;

// A hook on the application window's messages; returning true consumes the message.
using TWindowHook = TMethod<bool, TMessage&>;
using TMessageEvent = TEvent<MSG&, bool&>;
using TExceptionEvent = TEvent<TObject*, const std::exception&>;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  HWND Handle() const { return handle_; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  TIcon& Icon() { return icon_; }

  void Initialize();
  // Creates a form owned by the application (through TForm::Create, so OnCreate runs after
  // the form's components are built); the first one becomes the main form.
  template <typename T>
  T* CreateForm();
  TForm* MainForm() const { return mainForm_; }
  void SetMainForm(TForm* form) { mainForm_ = form; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool show) { showMainForm_ = show; }

  // Runs the message loop until Terminate (the main form's close ends it).
  void Run();
  void ProcessMessages();
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }

  void Minimize();
  void Restore();
  void BringToFront();
  bool Minimized() const;
  // Shows or hides the taskbar button (the application window itself).
  void ShowTaskbarWindow(bool show);

  void HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(TWindowHook hook);

  int MessageBox(const std::string& text, const std::string& caption, UINT flags = MB_OK);
  void HandleException(TObject* sender, const std::exception& error);
  // The error dialog; while it is open, further errors are not shown.
  void ShowException(const std::exception& error);

  // The control under the mouse; changing it sends CM_MOUSELEAVE and CM_MOUSEENTER.
  TControl* MouseControl() const { return mouseControl_; }
  void SetMouseControl(TControl* control);
  void MouseLeft(TWinControl* window);
  void ControlDestroyed(TControl* control);

  void FormDestroyed(TForm* form);
  // Removes and frees every form and component the application owns.
  void DestroyComponents();

  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TNotifyEvent OnIdle;

 private:
  static LRESULT CALLBACK AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void WndProc(TMessage& message);
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(MSG& msg);
  bool IsShortCut(MSG& msg);
  void Idle();
  void IconChanged(TObject* sender);
  TForm* ActiveTopForm() const;

  HWND handle_ = nullptr;
  std::string title_;
  TIcon icon_;
  TForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
  bool showingError_ = false;
  TControl* mouseControl_ = nullptr;
  std::vector<TWindowHook> hooks_;
  std::vector<HWND> hiddenByMinimize_;
};

// The application of this process; made on first use and alive until the process ends.
TApplication& Application();

}  // namespace korvale

#include "toolkit/Form.h"

namespace korvale {

template <typename T>
T* TApplication::CreateForm() {
  T* form = TForm::Create<T>(this);
  if (!mainForm_) mainForm_ = form;
  return form;
}

}  // namespace korvale

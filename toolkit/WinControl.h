#pragma once

// TWinControl: a control with a window, created lazily when its Handle is first asked for.
// A system class ("BUTTON", "EDIT", ...) is superclassed under the toolkit class name, so
// the window's class name is ClassName() and one class procedure sees every message first.
// Other layers may subclass the window (GWLP_WNDPROC or SetWindowSubclass) on top of it.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace korvale {

struct TCreateParams {
  std::string caption;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  HWND parent = nullptr;
  // The window class: its name (the toolkit class name), the system class it is built on
  // (empty for a class of our own on DefWindowProc), and its class style.
  std::string className;
  std::string baseClass;
  UINT classStyle = CS_DBLCLKS;
  HBRUSH background = nullptr;
  HCURSOR cursor = nullptr;
  // The window procedure under a class of our own; DefWindowProcA when null.
  WNDPROC defaultProc = nullptr;
  void* createParam = nullptr;  // overrides the object pointer (MDI children)
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }

  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { (void)Handle(); }
  // The window children are created in (the MDI client for an MDI frame).
  virtual HWND ClientHandle() { return Handle(); }
  void DestroyHandle();
  void RecreateWnd();

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  // Frees the control at once, or, while a message is being handled in its window (or, for
  // a top-level control, in any window beneath it), when the outermost such handling
  // returns: a handler may run a nested message loop during which the control is freed.
  void Free();
  // Whether a message of this window is being handled.
  bool Dispatching() const { return dispatchDepth_ > 0; }

  // The toolkit control that owns Window, if Window is a toolkit window.
  static TWinControl* FindControl(HWND window);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_[index]; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The visible, enabled graphic child at a client point, or null.
  TControl* ControlAtPos(POINT point) const;

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  void SetCaption(const std::string& text) override;
  std::string Caption() const override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  // Windowed descendants in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list);
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }
  TBrush& Brush() { return brush_; }

  void Invalidate() override;
  void Update() override;
  // Paints the graphic children onto DC (client coordinates of this control).
  void PaintControls(HDC dc, TControl* first = nullptr);
  void Broadcast(TMessage& message);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // After the window exists: push the stored state into it.
  virtual void InitializeHandle() {}
  // Before the window goes: read back what only the window knows.
  virtual void SaveHandleState();
  virtual void PaintWindow(HDC dc);
  // For windows of our own class: draws the client area (the background is already done).
  virtual void Paint(TCanvas& canvas) { (void)canvas; }
  void PaintHandler(TMessage& message);
  void FontChanged() override;
  void ColorChanged() override;
  bool IsGraphic() const override { return false; }
  bool HasSystemClass() const { return systemClass_; }
  // Whether the child's messages go to its own procedure rather than the parent's
  // graphic children.
  bool IsControlMouseMsg(TMessage& message);
  void MainWndProc(TMessage& message);
  TCanvas& ControlCanvas();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;

 private:
  friend LRESULT CALLBACK ToolkitClassProc(HWND, UINT, WPARAM, LPARAM);
  friend class TControl;
  void Bind(HWND window);
  void Unbind();
  // Frees the control if a deferred Free waits and no handling that guards it still runs.
  void FinishDispatch();
  bool Busy() const { return dispatchDepth_ > 0 || (!Parent() && treeDispatchDepth_ > 0); }
  bool ReflectNotification(TMessage& message, HWND child);
  void TrackMouse(TMessage& message);
  void DialogKey(TMessage& message);
  void DialogChar(TMessage& message, bool wantsCheck);

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  TBrush brush_;
  std::unique_ptr<TCanvas> canvas_;
  TControl* captureControl_ = nullptr;
  bool tabStop_ = false;
  bool doubleBuffered_ = false;
  bool systemClass_ = false;
  bool trackingLeave_ = false;
  bool creating_ = false;
  int controlId_ = 0;
  int dispatchDepth_ = 0;      // messages of this window being handled
  int treeDispatchDepth_ = 0;  // messages of this window or any beneath it being handled
  bool freePending_ = false;
};

// A windowed control of our own class that paints itself through a canvas.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
  std::string ClassName() const override { return "TCustomControl"; }
};

}  // namespace korvale

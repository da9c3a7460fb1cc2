#include "skin/controls/SkinControl.h"

#include <exception>
#include <optional>

#include "skin/data/SkinData.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/WinControl.h"
#include "toolkit/WindowSubclass.h"

namespace korvale {

namespace {
constexpr int kMaxWindowText = 1000;
}  // namespace

std::string WindowText(HWND window) {
  char buffer[kMaxWindowText + 1] = {};
  const auto length = SendMessageA(window, WM_GETTEXT, kMaxWindowText, reinterpret_cast<LPARAM>(buffer));
  return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

TSkinControl::TSkinControl(TComponent* owner) : TControlSkinnerBase(owner) {}

TSkinControl::~TSkinControl() {
  RestoreWindowProc();
  FSubclass.reset();
  if (!FForm) return;
  if (FForm->HotButton() == this) FForm->SetHotButton(nullptr);
  FForm->RemoveSkinner(this);
}

void TSkinControl::RestoreWindowProc() {
  if (!FOldWindowProc) return;
  // A control frees its components first thing, so it is still whole here.
  TControl* hooked = FControl ? static_cast<TControl*>(FControl) : FGraphicControl;
  if (hooked) hooked->WindowProc = FOldWindowProc;
  FOldWindowProc = TWndMethod();
}

void TSkinControl::RefreshLook() {
  FFocused = FHandle && GetFocus() == FHandle;
  FEnabled = !(GetWindowLongA(FHandle, GWL_STYLE) & WS_DISABLED);
}

void TSkinControl::Attach(TSkinnerHost* form, TSkinData* skinData, bool recolor, TCanvas* canvas) {
  if (FAttached) return;
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (!control) return;
  FRecolor = recolor;
  Bind(form, skinData, canvas);
  FControl = control;
  FHandle = control->Handle();
  HookWindowProc(*control);
  control->SetDoubleBuffered(true);
  (void)FForm->AddSkinner(this);
  RefreshLook();
  FCaption = WindowText(FHandle);
  if (FRecolor) {
    FOldColor = control->Color();
    control->SetColor(FSkinData->ColorButtonFace);
  }
  control->Invalidate();
  FAttached = true;
  FState = kSkinnerAttached;
}

void TSkinControl::Bind(TSkinnerHost* form, TSkinData* skinData, TCanvas* canvas) {
  FForm = form;
  FSkinData = skinData;
  FCanvas = canvas;
}

void TSkinControl::HookWindowProc(TControl& control) {
  FOldWindowProc = control.WindowProc;
  control.WindowProc = TWndMethod(this, &TSkinControl::SkinWndProc);
}

void TSkinControl::AttachHandle(HWND handle, TSkinData* skinData, TSkinnerHost* form, TCanvas* canvas) {
  Bind(form, skinData, canvas);
  FHandle = handle;
  FEnabled = true;
  (void)FForm->AddSkinner(this);
  FCaption = WindowText(handle);
  FSubclass = std::make_unique<TWindowSubclass>(handle, TWndMethod(this, &TSkinControl::SkinWndProc));
  FAttached = true;
  FState = kSkinnerAttached;
}

void TSkinControl::AttachGraphic(TSkinnerHost* form, TSkinData* skinData, TCanvas* canvas) {
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control || FOldWindowProc) return;
  Bind(form, skinData, canvas);
  FGraphicControl = control;
  FEnabled = control->Enabled();
  HookWindowProc(*control);
  (void)FForm->AddSkinner(this);
  FState = kSkinnerAttached;
}

void TSkinControl::Unskin() {
  if (FRecolor && FControl) FControl->SetColor(FOldColor);
}

void TSkinControl::SkinChanged() {
  if (FRecolor && FControl) FControl->SetColor(FSkinData->ColorButtonFace);
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
  else if (FGraphicControl) FGraphicControl->Invalidate();
}

void TSkinControl::SkinWndProc(TMessage& message) {
  if (!BeforeMessage(message)) return;
  CallDefault(message);
  AfterMessage(message);
}

void TSkinControl::CallDefault(TMessage& message) {
  if (FOldWindowProc) FOldWindowProc(message);
  else if (FSubclass) FSubclass->CallNext(message);
}

bool TSkinControl::BeforeMessage(TMessage& message) {
  if (message.Msg != WM_NCDESTROY) return true;
  CallDefault(message);
  FState = kSkinnerWindowDestroyed;
  Unskin();
  return false;
}

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      Redraw();
      break;
    case WM_SETTEXT:
      if (message.LParam) FCaption = reinterpret_cast<const char*>(message.LParam);
      Redraw();
      break;
    case WM_PAINT:
      PaintWindow(reinterpret_cast<HDC>(message.WParam));
      break;
    default:
      break;
  }
}

void TSkinControl::DrawSkin(HDC, const RECT&) {}

void TSkinControl::Redraw() {
  RECT rect{};
  if (!FHandle || !GetWindowRect(FHandle, &rect)) return;
  OffsetRect(&rect, -rect.left, -rect.top);
  if (!GetParent(FHandle)) return;
  InvalidateRect(FHandle, &rect, FALSE);
  UpdateWindow(FHandle);
}

bool TSkinControl::PaintWholeControl(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    PaintHandler(message);
    return true;
  }
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return true;
  }
  return false;
}

void TSkinControl::PaintHandler(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  std::optional<PaintScope> paint;
  if (!dc) dc = paint.emplace(FHandle).get();
  if (!GetWindowRect(FHandle, &FWindowRect)) return;
  RECT rect = FWindowRect;
  OffsetRect(&rect, -rect.left, -rect.top);
  DrawSkin(dc, rect);
}

void TSkinControl::PaintWindow(HDC dc) {
  RECT rect{};
  if (!FHandle || !GetWindowRect(FHandle, &rect)) return;
  FWindowRect = rect;
  OffsetRect(&rect, -rect.left, -rect.top);
  try {
    if (dc) {
      DrawSkin(dc, rect);
    } else {
      const WindowDC window(FHandle);
      if (window.get()) DrawSkin(window.get(), rect);
    }
  } catch (const std::exception&) {
    // A paint that fails leaves the control as it is; the next paint tries again.
  }
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) {
  const UniqueBrush brush(CreateSolidBrush(ColorToRGB(FSkinData->ColorButtonFace)));
  FillRect(dc, &rect, brush.get());
}

}  // namespace korvale

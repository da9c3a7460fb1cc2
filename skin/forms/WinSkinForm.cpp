#include "skin/forms/WinSkinForm.h"

#include <algorithm>

#include "skin/data/SkinData.h"
#include "skin/forms/ControlSkinnerLink.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/MenuItemPaint.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menus.h"
#include "toolkit/Timer.h"

namespace korvale {

namespace {

std::string WindowClassName(HWND window) {
  char name[101] = {};
  GetClassNameA(window, name, sizeof name - 1);
  return name;
}

std::string WindowText(HWND window) {
  std::string text(1001, '\0');
  const LRESULT length = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(0, length)));
  return text;
}

}  // namespace

TWinSkinForm::TWinSkinForm(TComponent* owner)
    : TComponent(owner),
      FControlCanvas(std::make_unique<TCanvas>()),
      FDoubleClickTime(GetDoubleClickTime()),
      FIcon(std::make_unique<TBitmap>()),
      FTitleBitmap(std::make_unique<TBitmap>()) {}

TWinSkinForm::~TWinSkinForm() {
  if (FWindowProc.Attached()) DetachWindow();
  UnskinAll();
  ReleaseSysButtons();
  if (TSkinManage* manager = SkinManager()) manager->RemoveSkinForm(this);
}

// ------------------------------------------------------------------ control skinners

bool TWinSkinForm::AddSkinner(TControlSkinnerBase* skinner) {
  if (std::find(SkinnedControls.begin(), SkinnedControls.end(), skinner) != SkinnedControls.end())
    return true;
  SkinnedControls.push_back(skinner);
  return false;
}

void TWinSkinForm::RemoveSkinner(TControlSkinnerBase* skinner) {
  const auto found = std::find(SkinnedControls.rbegin(), SkinnedControls.rend(), skinner);
  if (found != SkinnedControls.rend()) SkinnedControls.erase(std::next(found).base());
}

void TWinSkinForm::PurgeDestroyed() {
  for (std::size_t i = SkinnedControls.size(); i-- > 0;) {
    if (i >= SkinnedControls.size() || !SkinnedControls[i]->WindowDestroyed()) continue;
    TControlSkinnerBase* skinner = SkinnedControls[i];
    SkinnedControls.erase(SkinnedControls.begin() + static_cast<std::ptrdiff_t>(i));
    delete skinner;
  }
}

void TWinSkinForm::UnskinAll() {
  while (!SkinnedControls.empty()) {
    TControlSkinnerBase* skinner = SkinnedControls.front();
    skinner->Unskin();
    RemoveSkinner(skinner);
    delete skinner;
  }
  HotButton = nullptr;
}

TControlSkinnerBase* TWinSkinForm::FindSkinner(HWND window) const {
  for (TControlSkinnerBase* skinner : SkinnedControls) {
    if (skinner->SkinnedHandle() == window) return skinner;
  }
  return nullptr;
}

// ------------------------------------------------------------------ attaching

void TWinSkinForm::AttachForm(TSkinData* skinData, TForm* form) {
  FVclForm = form;
  form->SetAutoScroll(false);
  const bool frames = skinData->SkinControls().Contains(xcMainMenu);
  if (frames) {
    FOldFormProc = form->WindowProc;
    form->WindowProc = TWndMethod(this, &TWinSkinForm::FormProc);
  }
  AttachWindow(skinData);
  FFormColor = form->Color();
  form->SetColor(skinData->ColorButtonFace);
  SkinPopupMenus(true);
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) {
  if (FWindowProc.Attached()) return;
  FSkinData = skinData;
  // The system menu's items keep drawing with this painter through every re-attach.
  if (FItemPainter) FItemPainter->SetSkinData(skinData);
  else FItemPainter = std::make_unique<TMenuItemPainter>(skinData);
  FHoverTimer = std::make_unique<TTimer>(nullptr);
  FHoverTimer->SetEnabled(false);
  FHoverTimer->SetInterval(250);
  FHoverTimer->SetOnTimer(TNotifyEvent(this, &TWinSkinForm::CheckHover));
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  FCaptionFont.reset(CreateFontIndirectA(&metrics.lfCaptionFont));

  FStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_EXSTYLE));
  FRightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  FNativeSysMenu = GetSystemMenu(FHandle, FALSE);
  MakeIcon();
  FWindowText = WindowText(FHandle);
  FClassName = WindowClassName(FHandle);
  GetClientRect(FHandle, &FClientRect);
  RECT window{};
  GetWindowRect(FHandle, &window);
  FNativeExtra = {0, 0, (window.right - window.left) - FClientRect.right,
                  (window.bottom - window.top) - FClientRect.bottom};

  FButtons = 0;
  if ((FStyle & WS_SYSMENU) || FNativeSysMenu) FButtons |= kSystemMenu;
  if (FStyle & WS_MINIMIZEBOX) FButtons |= kMinimizeBox;
  if (FStyle & WS_MAXIMIZEBOX) FButtons |= kMaximizeBox;
  BuildSysMenu();
  ReadWindowState();

  TSkinManage* manager = SkinManager();
  FKind = 0;
  if (HWND client = FindWindowExA(FHandle, nullptr, "MDIClient", nullptr)) {
    FKind = 1;
    FMdiClient = client;
    if (manager) manager->FMdiClient = client;
  }
  if (exStyle & WS_EX_MDICHILD) FKind = 2;

  FBorderKind = 3;
  if ((FStyle & WS_POPUP) && (FStyle & WS_CAPTION) != WS_CAPTION) FBorderKind = 2;
  else if ((exStyle & WS_EX_WINDOWEDGE) || (FStyle & WS_THICKFRAME)) FBorderKind = 0;

  if (IsMdiFrame()) {
    FSavedMenuUpdate = skinData->MenuUpdate();
    SubclassClient();
  }
  if (FrameSkinningOn()) {
    if (GetMenu(FHandle) && !IsMdiChild()) {
      FMenuHeight = GetSystemMetrics(SM_CYMENU);
      FMenuBar = std::make_unique<TWinSkinMenu>(this, skinData, FVclForm ? FVclForm->Menu() : nullptr);
      FMenuBar->BuildFromHandle();
    }
    const bool mdiMaximized = manager && manager->FMdiMaximized;
    if (!(IsMdiChild() && mdiMaximized) && !IsMinimized()) SetNativeFrame(false);
    LoadSkinMetrics();
  }
  Subclass();
  if (TControlSkinningLink* link = ControlSkinning()) {
    if (FVclForm) link->SkinComponents(*this, *FVclForm);
    else link->SkinChildWindows(*this, FHandle);
  }
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinSkinForm::MakeIcon() {
  const int width = GetSystemMetrics(SM_CXSMICON);
  const int height = GetSystemMetrics(SM_CYSMICON);
  FIcon->SetPixelFormat(32);
  FIcon->SetSize(width, height);
  UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
  RECT all{0, 0, width, height};
  FillRect(FIcon->MemoryDC(), &all, magenta.get());
  auto icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_BIG, 0));
  if (icon) {
    HANDLE copy = CopyImage(icon, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE);
    if (!copy) copy = CopyImage(icon, IMAGE_ICON, width, height, 0);
    UniqueIcon small(static_cast<HICON>(copy));
    if (small) DrawIconEx(FIcon->MemoryDC(), 0, 0, small.get(), width, height, 0, nullptr, DI_NORMAL);
    return;
  }
  // A window without an icon of its own shows the application-wide one.
  if (FSkinData && !FSkinData->IconBitmap->Empty()) {
    FIcon->Assign(*FSkinData->IconBitmap);
    return;
  }
  if (TSkinManage* manager = SkinManager()) {
    for (TSkinData* data : manager->SkinDatas()) {
      if (data && data->SkinFormtype() == TSkinFormType::sfMainform && !data->IconBitmap->Empty()) {
        FIcon->Assign(*data->IconBitmap);
        return;
      }
    }
  }
}

void TWinSkinForm::ReleaseSysButtons() {
  FHotSpot = nullptr;
  FSysButtons.clear();
}

void TWinSkinForm::LoadSkinMetrics() {
  if (!FSkinData || FSkinData->SkinEmpty) return;
  if (FBorderKind == 2) {
    FLeft = FTop = FRight = FBottom = FMenuHeight = 0;
  } else {
    const TSkinData& s = *FSkinData;
    FTop = PieceThickness(s.BorderTop->Image->Height(), s.BorderTop->FrameCount);
    FLeft = PieceThickness(s.BorderLeft->Image->Width(), s.BorderLeft->FrameCount);
    FRight = PieceThickness(s.BorderRight->Image->Width(), s.BorderRight->FrameCount);
    FBottom = PieceThickness(s.BorderBottom->Image->Height(), s.BorderBottom->FrameCount);
  }
  ReleaseSysButtons();
  for (const auto& entry : FSkinData->SysButtons) {
    if (IsIconAction(entry->Action)) {
      if (entry->Image->Empty()) entry->Image->Assign(*FIcon);
      if (FSkinData->IconBitmap->Empty()) FSkinData->IconBitmap->Assign(*FIcon);
      entry->FrameCount = 1;
    }
    FSysButtons.push_back(std::make_unique<TWinSysButton>(this, entry.get()));
  }
}

void TWinSkinForm::SetNativeFrame(bool on) {
  TSkinManage* manager = SkinManager();
  if (IsMdiChild() && manager && manager->FMdiMaximized && !on) return;
  LONG style = GetWindowLongA(FHandle, GWL_STYLE);
  if (on) {
    if (FButtons & kSystemMenu) style |= WS_SYSMENU;
    if (FButtons & kMinimizeBox) style |= WS_MINIMIZEBOX;
    if (FButtons & kMaximizeBox) style |= WS_MAXIMIZEBOX;
    if (FButtons & kCaptionRemoved) style |= WS_CAPTION;
  } else if (GetWindow(FHandle, GW_OWNER)) {
    style &= ~(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  } else {
    style &= ~WS_CAPTION;
    FButtons |= kCaptionRemoved;
  }
  SetWindowLongA(FHandle, GWL_STYLE, style);
}

void TWinSkinForm::Subclass() {
  (void)FWindowProc.Attach(FHandle, TWndMethod(this, &TWinSkinForm::WindowHook));
}

void TWinSkinForm::Unsubclass() { FWindowProc.Remove(); }

void TWinSkinForm::SubclassClient() {
  if (FMdiClient && !FClientProc.Attached())
    (void)FClientProc.Attach(FMdiClient, TWndMethod(this, &TWinSkinForm::ClientHook));
}

void TWinSkinForm::UnsubclassClient() { FClientProc.Remove(); }

bool TWinSkinForm::FrameSkinningOn() const {
  return FSkinData && FSkinData->SkinControls().Contains(xcMainMenu);
}

bool TWinSkinForm::IsDialogClass() const { return FClassName == "TMessageForm" || FClassName == "#32770"; }

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(FHandle, &placement);
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      FWindowState = 2;
      break;
    case SW_SHOWMAXIMIZED:
      FWindowState = 1;
      break;
    default:
      FWindowState = 0;
      break;
  }
}

// ------------------------------------------------------------------ frame size

void TWinSkinForm::FitFrame(bool reapply) {
  if (IsMaximized()) {
    RefreshFrame();
    return;
  }
  if (reapply) GetClientRect(FHandle, &FClientRect);
  int width = FClientRect.right - FClientRect.left + FLeft + FRight;
  const int height = FClientRect.bottom - FClientRect.top + FTop + FBottom + FMenuHeight;
  if (IsDialogClass() && !reapply) {
    {
      const ClientDC dc(FHandle);
      SelectGuard font(dc.get(), FCaptionFont.get());
      SIZE blank{};
      GetTextExtentPoint32A(dc.get(), " ", 1, &blank);
      FBlankWidth = blank.cx;
    }
    FWindowText = WindowText(FHandle);
    const TDataSkinTitle& s = *FSkinData->Title;
    const int needed = WidenedDialogWidth(
        width, static_cast<int>(FWindowText.size()), FBlankWidth, Widths(),
        {s.TextAlignment, s.LeftWidth, s.TopHeight, s.RightWidth, s.TXTBackleft, s.TXTBackRight});
    if (needed > width) {
      const int shift = (needed - width) / 2;
      for (HWND child = GetWindow(FHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        POINT topLeft{r.left, r.top};
        ScreenToClient(FHandle, &topLeft);
        SetWindowPos(child, nullptr, topLeft.x + shift, topLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
      width = needed;
    }
  }
  SetWindowPos(FHandle, nullptr, 0, 0, width, height, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | DeferredErase());
}

void TWinSkinForm::RefreshFrame() {
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | DeferredErase());
}

// Fits the frame to the skin and cuts its region as one change. Each step alone erases the
// whole window at once under some systems, every child included (a flicker, and most of a
// skin switch's time): the fitting defers its erasing, the region is set without a redraw,
// and the window is invalidated once for its next paint. The system still repaints what the
// window uncovers around it.
void TWinSkinForm::Reframe(bool reapply) {
  FDeferRedraw = true;
  try {
    FitFrame(reapply);
    FSkinState = 1;
    // The region's own frame change would erase at once what the fitting invalidated.
    RedrawWindow(FHandle, nullptr, nullptr, RDW_VALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    UpdateRegion();
  } catch (...) {
    FDeferRedraw = false;
    throw;
  }
  FDeferRedraw = false;
  RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
}

// ------------------------------------------------------------------ skin changes

void TWinSkinForm::ApplySkin() {
  if (FVclForm) {
    FVclForm->SetColor(FSkinData->ColorButtonFace);
    for (TComponent* c : FVclForm->Components()) {
      if (auto* owned = dynamic_cast<TForm*>(c)) owned->SetColor(FSkinData->ColorButtonFace);
    }
  }
  for (TControlSkinnerBase* skinner : std::vector<TControlSkinnerBase*>(SkinnedControls)) skinner->SkinChanged();
  FSkinState = 3;
  // The region is the old skin's even where the window keeps its size.
  FRegionWidth = FRegionHeight = 0;
  const bool reframed = FrameSkinningOn();
  if (reframed) Reframe(true);
  FSkinState = 1;
  SkinPopupMenus(true);
  // A reframed window is painted whole at its next paint.
  if (!reframed && FWindowProc.Attached()) PaintFrame();
}

void TWinSkinForm::RestoreWindow() {
  if (FSkinState != 4) SkinPopupMenus(false);
  if (!FrameSkinningOn()) {
    if (FHoverTimer) FHoverTimer->SetEnabled(false);
    UnskinAll();
    if (FVclForm && FSkinState != 4) FVclForm->SetColor(FFormColor);
    Unsubclass();
    UnsubclassClient();
    if (FVclForm && FSkinState != 4) {
      for (TComponent* c : FVclForm->Components()) {
        if (auto* control = dynamic_cast<TControl*>(c)) control->Invalidate();
      }
    }
    return;
  }
  FSysMenu.reset();
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  if (!FWindowProc.Attached()) return;
  if (FVclForm) FVclForm->WindowProc = FOldFormProc;
  Unsubclass();
  UnskinAll();
  if (FVclForm && FSkinState != 4) FVclForm->SetColor(FFormColor);

  ReadWindowRect();
  const FrameSize skinned{WindowWidth(), WindowHeight()};
  SetNativeFrame(true);
  if (FMenuBar) {
    ::SetMenu(FHandle, FMenuBar->Menu());
    FMenuBar.reset();
  }
  FHotSpot = nullptr;
  UnsubclassClient();
  FTitleBitmap->Clear();
  if (FSkinState != 4 && (IsMdiChild() || !(GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD))) {
    POINT topLeft{FWindowRect.left, FWindowRect.top};
    if (IsMdiChild()) ScreenToClient(GetParent(FHandle), &topLeft);
    const FrameSize native = NativeSizeFromSkinned(skinned, Widths(), FNativeExtra.right, FNativeExtra.bottom);
    SetWindowPos(FHandle, nullptr, topLeft.x, topLeft.y, native.width, native.height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  SetWindowRgn(FHandle, nullptr, TRUE);
  FHasRegion = false;
  FRegionWidth = FRegionHeight = 0;
}

void TWinSkinForm::DetachWindow() {
  FSysMenu.reset();
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  if (FWindowProc.Attached() && FVclForm && FrameSkinningOn()) FVclForm->WindowProc = FOldFormProc;
  Unsubclass();
  UnsubclassClient();
  UnskinAll();
  FHotSpot = nullptr;
  FMenuBar.reset();
  FTitleBitmap->Clear();
}

}  // namespace korvale

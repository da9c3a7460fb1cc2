#include "toolkit/Menus.h"

#include <algorithm>

#include "core/AsciiText.h"
#include "toolkit/Canvas.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/UtilWindow.h"

namespace korvale {

namespace {

// The system menu font on a canvas over a screen DC, for measuring and drawing.
class MenuCanvas {
 public:
  explicit MenuCanvas(HDC dc) {
    canvas_.SetHandle(dc);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      canvas_.Font().AssignLogFont(metrics.lfMenuFont);
    }
  }
  ~MenuCanvas() { canvas_.SetHandle(nullptr); }
  MenuCanvas(const MenuCanvas&) = delete;
  MenuCanvas& operator=(const MenuCanvas&) = delete;
  TCanvas& Canvas() { return canvas_; }

 private:
  TCanvas canvas_;
};

TOwnerDrawState DrawStateOf(UINT state) {
  TOwnerDrawState result = 0;
  if (state & ODS_SELECTED) result |= odSelected;
  if (state & ODS_GRAYED) result |= odGrayed;
  if (state & ODS_DISABLED) result |= odDisabled;
  if (state & ODS_CHECKED) result |= odChecked;
  if (state & ODS_FOCUS) result |= odFocused;
  if (state & ODS_DEFAULT) result |= odDefault;
  if (state & ODS_NOACCEL) result |= odNoAccel;
  return result;
}

}  // namespace

bool DispatchMenuMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND: {
      if (message.LParam != 0 || HIWORD(message.WParam) > 1) return false;
      TMenuItem* item = FindMenuItemByCommand(LOWORD(message.WParam));
      if (!item || !item->GetParentMenu()) return false;
      item->Click();
      message.Result = 0;
      return true;
    }
    case WM_INITMENUPOPUP: {
      if (HIWORD(message.LParam)) return false;  // the window menu
      TMenuItem* item = FindMenuItemByHandle(reinterpret_cast<HMENU>(message.WParam));
      if (!item) return false;
      if (item->Parent()) item->Click();  // the root of a popup menu opens through Popup
      message.Result = 0;
      return true;
    }
    case WM_MENUCHAR: {
      // Owner-drawn items have no native text, so their "&" keys are looked up here.
      TMenuItem* menu = FindMenuItemByHandle(reinterpret_cast<HMENU>(message.LParam));
      if (!menu) return false;
      const char key = AsciiUpperChar(static_cast<char>(LOWORD(message.WParam) & 0xFF));
      int position = 0;
      for (int i = 0; i < menu->Count(); ++i) {
        TMenuItem* item = menu->Items(i);
        if (!item->Visible()) continue;
        if (item->Enabled() && AccelChar(item->Caption()) == key) {
          message.Result = MAKELRESULT(position, MNC_EXECUTE);
          return true;
        }
        ++position;
      }
      return false;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (!measure || measure->CtlType != ODT_MENU) return false;
      TMenuItem* item = FindMenuItemByCommand(static_cast<UINT>(measure->itemData));
      if (!item) return false;
      const WindowDC screen(nullptr);
      MenuCanvas canvas(screen.get());
      int width = static_cast<int>(measure->itemWidth);
      int height = static_cast<int>(measure->itemHeight);
      item->MeasureItem(canvas.Canvas(), width, height);
      measure->itemWidth = static_cast<UINT>(std::max(width, 0));
      measure->itemHeight = static_cast<UINT>(std::max(height, 0));
      message.Result = 1;
      return true;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (!draw || draw->CtlType != ODT_MENU) return false;
      TMenuItem* item = FindMenuItemByCommand(static_cast<UINT>(draw->itemData));
      if (!item) return false;
      item->InitiateAction();
      const int saved = SaveDC(draw->hDC);
      {
        MenuCanvas canvas(draw->hDC);
        const bool topLevel = item->Parent() && !item->Parent()->Parent();
        item->AdvancedDrawItem(canvas.Canvas(), draw->rcItem, DrawStateOf(draw->itemState), topLevel);
      }
      RestoreDC(draw->hDC, saved);
      message.Result = 1;
      return true;
    }
    default:
      return false;
  }
}

namespace {

class PopupList {
 public:
  PopupList() : window_(TUtilMessageHandler(this, &PopupList::Handle)) {}
  HWND Window() const { return window_.Handle(); }

 private:
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    if (DispatchMenuMessage(message)) return message.Result;
    return DefWindowProcA(window_.Handle(), msg, wParam, lParam);
  }

  UtilWindow window_;
};

}  // namespace

HWND PopupListWindow() {
  static PopupList* list = new PopupList;  // lives as long as the process' menus
  return list->Window();
}

}  // namespace korvale

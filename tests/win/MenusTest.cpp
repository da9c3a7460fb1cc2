#include "toolkit/Menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/Exception.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"

namespace korvale::testing {
namespace {

// A form that counts CM_MENUCHANGED and records which items ran.
class MenuForm : public TForm {
 public:
  explicit MenuForm(TComponent* owner) : TForm(owner) {
    menu = new TMainMenu(this);
    file = Item(menu->Items(), "&File");
    start = Item(file, "&Activate/Deactivate");
    start->SetShortCut(ShortCut(VK_RETURN, ssCtrl));
    Item(file, "-");
    servers = Item(menu->Items(), "&Servers");
    servers->OnClick = TNotifyEvent(this, &MenuForm::ServersOpened);
    login = Item(servers, "&Login Server");
    login->SetShortCut(ShortCut('1', ssCtrl));
    SetMenu(menu);
  }

  TMenuItem* Item(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    item->OnClick = TNotifyEvent(this, &MenuForm::Clicked);
    parent->Add(item);
    return item;
  }

  void Clicked(TObject* sender) { clicked.push_back(static_cast<TMenuItem*>(sender)->Caption()); }
  void ServersOpened(TObject*) {
    clicked.push_back("open Servers");
    login->SetChecked(loginEnabled);
  }

  void WndProc(TMessage& message) override {
    if (message.Msg == CM_MENUCHANGED) ++menuChanges;
    TForm::WndProc(message);
  }

  TMainMenu* menu;
  TMenuItem* file;
  TMenuItem* start;
  TMenuItem* servers;
  TMenuItem* login;
  bool loginEnabled = true;
  int menuChanges = 0;
  std::vector<std::string> clicked;
};

UINT NativeState(HMENU menu, UINT command) { return GetMenuState(menu, command, MF_BYCOMMAND); }

std::string NativeText(HMENU menu, UINT position) {
  char text[80] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

TEST(Menus, ShortCutTextRoundTrips) {
  EXPECT_EQ(ShortCutToText(ShortCut(VK_RETURN, ssCtrl)), "Ctrl+Enter");
  EXPECT_EQ(ShortCutToText(ShortCut('1', ssCtrl)), "Ctrl+1");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, ssAlt)), "Alt+F4");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, ssShift)), "Shift+F4");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, ssShift | ssCtrl | ssAlt)), "Shift+Ctrl+Alt+Del");
  EXPECT_EQ(ShortCutToText(scNone), "");
  for (const char* text : {"Ctrl+Enter", "Ctrl+1", "Alt+F4", "Shift+F4", "F12", "Ctrl+Shift+Z"}) {
    const TShortCut shortCut = TextToShortCut(text);
    EXPECT_NE(shortCut, scNone) << text;
    EXPECT_EQ(TextToShortCut(ShortCutToText(shortCut)), shortCut) << text;
  }
  EXPECT_EQ(TextToShortCut("ctrl+enter"), ShortCut(VK_RETURN, ssCtrl));
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Hyper+Q"), scNone);
  EXPECT_EQ(AccelChar("&Run On Startup"), 'R');
  EXPECT_EQ(AccelChar("S&ervers"), 'E');
  EXPECT_EQ(AccelChar("Fish && Chips"), 0);
}

TEST(Menus, CommandsAreUniqueAndItemsAreFoundByCommandHandleAndShortCut) {
  TPopupMenu menu;
  auto* parent = new TMenuItem(&menu);
  auto* child = new TMenuItem(&menu);
  auto* other = new TMenuItem(&menu);
  child->SetShortCut(ShortCut(VK_F4, ssAlt));
  menu.Items()->Add(parent);
  parent->Add(child);
  menu.Items()->Add(other);
  EXPECT_NE(parent->Command(), child->Command());
  EXPECT_NE(child->Command(), other->Command());
  EXPECT_LT(child->Command(), 0xFF00u);

  ASSERT_NE(parent->Handle(), nullptr);
  EXPECT_EQ(other->Handle(), nullptr);  // no sub-items, no drop-down
  EXPECT_EQ(menu.FindItem(child->Command(), TFindItemKind::fkCommand), child);
  EXPECT_EQ(menu.FindItem(reinterpret_cast<UINT_PTR>(parent->Handle()), TFindItemKind::fkHandle), parent);
  EXPECT_EQ(menu.FindItem(ShortCut(VK_F4, ssAlt), TFindItemKind::fkShortCut), child);
  EXPECT_EQ(menu.FindItem(0xFFFF, TFindItemKind::fkCommand), nullptr);
  EXPECT_EQ(GetSubMenu(menu.Handle(), 0), parent->Handle());

  const UINT gone = child->Command();
  delete child;
  EXPECT_EQ(parent->Count(), 0);
  EXPECT_EQ(FindMenuItemByCommand(gone), nullptr);
  EXPECT_EQ(menu.FindItem(gone, TFindItemKind::fkCommand), nullptr);
  // Without sub-items the parent became a plain command item again.
  EXPECT_EQ(GetSubMenu(menu.Handle(), 0), nullptr);
  EXPECT_EQ(GetMenuItemID(menu.Handle(), 0), parent->Command());
}

TEST(Menus, MainMenuIsTheMenuBarAndChangesReachTheNativeMenu) {
  auto* form = TForm::Create<MenuForm>(&Application());
  HWND window = form->Handle();
  HMENU bar = GetMenu(window);
  ASSERT_EQ(bar, form->menu->Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(NativeText(bar, 0), "&File");
  EXPECT_EQ(NativeText(form->file->Handle(), 0), "&Activate/Deactivate\tCtrl+Enter");
  EXPECT_TRUE(GetMenuState(form->file->Handle(), 1, MF_BYPOSITION) & MF_SEPARATOR);

  const int before = form->menuChanges;
  form->login->SetChecked(true);
  EXPECT_TRUE(NativeState(bar, form->login->Command()) & MF_CHECKED);
  form->login->SetEnabled(false);
  EXPECT_TRUE(NativeState(bar, form->login->Command()) & MF_GRAYED);
  form->login->SetCaption("&Login");
  EXPECT_EQ(NativeText(form->servers->Handle(), 0), "&Login\tCtrl+1");
  EXPECT_GT(form->menuChanges, before);

  // Hiding takes the item out of the native menu, showing puts it back in its place.
  form->start->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(form->file->Handle()), 1);
  form->start->SetVisible(true);
  EXPECT_EQ(GetMenuItemID(form->file->Handle(), 0), form->start->Command());

  auto* help = form->Item(form->menu->Items(), "&Help");
  EXPECT_EQ(GetMenuItemCount(bar), 3);
  EXPECT_EQ(GetMenuItemID(bar, 2), help->Command());
  delete form;
}

TEST(Menus, AMenuBarGivenToAnOpenWindowKeepsItsClientSize) {
  auto* form = TForm::Create<TForm>(&Application());
  form->SetBorderStyle(TFormBorderStyle::bsSingle);
  form->SetClientSize(426, 329);
  HWND window = form->Handle();
  auto* menu = new TMainMenu(form);
  auto* file = new TMenuItem(form);
  file->SetCaption("&File");
  menu->Items()->Add(file);
  RECT before{};
  GetClientRect(window, &before);
  form->SetMenu(menu);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 426);
  EXPECT_EQ(client.bottom, 329);
  form->SetMenu(nullptr);
  GetClientRect(window, &client);
  EXPECT_EQ(client.bottom, 329);
  EXPECT_EQ(before.bottom, 329);
  delete form;
}

TEST(Menus, CommandsAndOpeningDropDownsArriveAsMessages) {
  auto* form = TForm::Create<MenuForm>(&Application());
  HWND window = form->Handle();
  SendMessageA(window, WM_COMMAND, form->start->Command(), 0);
  ASSERT_EQ(form->clicked, std::vector<std::string>{"&Activate/Deactivate"});

  form->loginEnabled = false;
  form->login->SetChecked(true);
  SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(form->servers->Handle()), 1);
  EXPECT_EQ(form->clicked.back(), "open Servers");
  EXPECT_FALSE(NativeState(form->servers->Handle(), form->login->Command()) & MF_CHECKED);

  // Posted the way the skinned menu bar does it: the command of a drop-down opens it.
  PostMessageA(window, WM_COMMAND, form->servers->Command(), 0);
  Application().ProcessMessages();
  EXPECT_EQ(form->clicked.size(), 3u);
  delete form;
}

TEST(Menus, ShortcutKeyOfTheActiveFormRunsItsItem) {
  auto* form = TForm::Create<MenuForm>(&Application());
  form->Show();
  SetForegroundWindow(form->Handle());
  SetActiveWindow(form->Handle());
  ASSERT_TRUE(WaitFor([&] { return GetActiveWindow() == form->Handle(); }));

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE pressed[256];
  std::copy(std::begin(keys), std::end(keys), pressed);
  pressed[VK_CONTROL] = 0x80;
  SetKeyboardState(pressed);
  PostMessageA(form->Handle(), WM_KEYDOWN, '1', 0);
  PostMessageA(form->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  Application().ProcessMessages();
  form->login->SetEnabled(false);  // a disabled item's shortcut does nothing
  PostMessageA(form->Handle(), WM_KEYDOWN, '1', 0);
  Application().ProcessMessages();
  SetKeyboardState(keys);

  EXPECT_EQ(form->clicked, (std::vector<std::string>{"&Login Server", "&Activate/Deactivate"}));
  delete form;
}

// Owner drawing: what the popup's items asked for while the menu was open.
struct DrawLog {
  std::vector<std::string> measured;
  std::vector<std::string> drawn;
  void Measure(TObject* sender, TCanvas* canvas, int& width, int& height) {
    measured.push_back(static_cast<TMenuItem*>(sender)->Caption());
    EXPECT_NE(canvas->Handle(), nullptr);
    width = 120;
    height = 22;
  }
  void Draw(TObject* sender, TCanvas* canvas, const RECT& rect, TOwnerDrawState) {
    drawn.push_back(static_cast<TMenuItem*>(sender)->Caption());
    EXPECT_EQ(rect.bottom - rect.top, 22);
    canvas->Brush().SetColor(clRed);
    canvas->FillRect(rect);
  }
};

void CALLBACK CloseMenus(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

TEST(Menus, OwnerDrawnPopupMeasuresAndDrawsItsItems) {
  TBitmap strip;
  strip.SetSize(32, 16);
  strip.Canvas().Brush().SetColor(clFuchsia);
  strip.Canvas().FillRect(RECT{0, 0, 32, 16});
  strip.Canvas().Brush().SetColor(clBlue);
  strip.Canvas().FillRect(RECT{4, 4, 12, 12});
  TImageList images;
  ASSERT_EQ(images.AddMasked(strip, clFuchsia), 0);
  ASSERT_EQ(images.Count(), 2);

  TPopupMenu menu;
  menu.SetOwnerDraw(true);
  menu.SetImages(&images);
  DrawLog log;
  for (const char* caption : {"&Activate/Deactivate", "-", "&Close"}) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    menu.Items()->Add(item);
  }
  TMenuItem* first = menu.Items()->Items(0);
  first->SetImageIndex(1);
  first->OnMeasureItem = TMenuMeasureItemEvent(&log, &DrawLog::Measure);
  first->OnAdvancedDrawItem = TAdvancedMenuDrawItemEvent(&log, &DrawLog::Draw);
  TMenuItem* close = menu.Items()->Items(2);
  close->SetShortCut(ShortCut(VK_F4, ssAlt));
  close->SetChecked(true);  // drawn by the toolkit's own look

  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(menu.Handle(), 0, TRUE, &info);
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);

  // Owner-drawn items have no native text: their "&" keys are answered by the toolkit.
  const LRESULT accel = SendMessageA(PopupListWindow(), WM_MENUCHAR, MAKEWPARAM('c', MF_POPUP),
                                     reinterpret_cast<LPARAM>(menu.Handle()));
  EXPECT_EQ(accel, MAKELRESULT(2, MNC_EXECUTE));
  EXPECT_EQ(SendMessageA(PopupListWindow(), WM_MENUCHAR, MAKEWPARAM('q', MF_POPUP),
                         reinterpret_cast<LPARAM>(menu.Handle())), 0);

  const UINT_PTR timer = SetTimer(nullptr, 0, 300, &CloseMenus);
  SetForegroundWindow(PopupListWindow());
  menu.Popup(100, 100);
  KillTimer(nullptr, timer);

  EXPECT_EQ(log.measured, std::vector<std::string>{"&Activate/Deactivate"});
  ASSERT_FALSE(log.drawn.empty());
  EXPECT_EQ(log.drawn.front(), "&Activate/Deactivate");

  // The chosen command comes back to the shared popup window after the menu has closed.
  int clicks = 0;
  struct Counter {
    int* clicks;
    void Click(TObject*) { ++*clicks; }
  } counter{&clicks};
  close->OnClick = TNotifyEvent(&counter, &Counter::Click);
  PostMessageA(PopupListWindow(), WM_COMMAND, close->Command(), 0);
  PumpFor(std::chrono::milliseconds(50));
  EXPECT_EQ(clicks, 1);
}

TEST(Menus, MenusGiveBackEveryNativeHandle) {
  auto* form = TForm::Create<MenuForm>(&Application());
  form->HandleNeeded();
  auto* popup = new TPopupMenu(form);
  auto* sub = form->Item(popup->Items(), "S&ervers");
  form->Item(sub, "Login Server");
  std::vector<HMENU> handles{form->menu->Handle(), form->file->Handle(), form->servers->Handle(),
                             popup->Handle(), sub->Handle()};
  // A first sub-item turns Login into a drop-down; losing it turns it back.
  auto* nested = form->Item(form->login, "nested");
  HMENU loginMenu = form->login->Handle();
  ASSERT_NE(loginMenu, nullptr);
  delete nested;
  EXPECT_FALSE(IsMenu(loginMenu));
  EXPECT_EQ(form->login->Handle(), nullptr);
  for (HMENU h : handles) EXPECT_TRUE(IsMenu(h));
  delete form;
  for (HMENU h : handles) {
    EXPECT_FALSE(IsMenu(h));
    EXPECT_EQ(FindMenuItemByHandle(h), nullptr);
  }
}

TEST(Menus, DefaultLookDrawsTheCheckMarkInTheTextColourOverTheMenuColour) {
  TMenuItem item;
  item.SetCaption("&Login Server");
  item.SetChecked(true);
  TBitmap target;
  target.SetSize(120, 20);
  item.DefaultDrawItem(target.Canvas(), RECT{0, 0, 120, 20}, 0, false);
  const COLORREF menu = ColorToRGB(clMenu);
  const COLORREF text = ColorToRGB(clMenuText);
  int marked = 0;
  int other = 0;
  for (int y = 1; y < 17; ++y) {
    for (int x = 1; x < 17; ++x) {
      const COLORREF c = target.Canvas().Pixel(x, y);
      if (c == text) ++marked;
      else if (c != menu) ++other;
    }
  }
  EXPECT_GT(marked, 4);
  EXPECT_EQ(other, 0);
  EXPECT_EQ(target.Canvas().Pixel(1, 1), menu);
}

TEST(Menus, ImageListAddsAStripWithATransparentColourAndDrawsIt) {
  TBitmap strip;
  strip.SetSize(48, 16);
  strip.Canvas().Brush().SetColor(clFuchsia);
  strip.Canvas().FillRect(RECT{0, 0, 48, 16});
  strip.Canvas().Brush().SetColor(clLime);
  strip.Canvas().FillRect(RECT{16, 0, 32, 8});
  TImageList images;
  EXPECT_EQ(images.AddMasked(strip, clFuchsia), 0);
  EXPECT_EQ(images.Count(), 3);
  EXPECT_THROW(images.SetSize(24, 24), Exception);

  TBitmap target;
  target.SetSize(16, 16);
  target.Canvas().Brush().SetColor(clWhite);
  target.Canvas().FillRect(RECT{0, 0, 16, 16});
  images.Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Canvas().Pixel(2, 2), RGB(0, 255, 0));
  EXPECT_EQ(target.Canvas().Pixel(2, 12), RGB(255, 255, 255));  // transparent part
  images.Draw(target.Canvas(), 0, 0, 7);  // out of range: nothing
  images.Delete(0);
  EXPECT_EQ(images.Count(), 2);
  images.Clear();
  EXPECT_EQ(images.Count(), 0);
}

}  // namespace
}  // namespace korvale::testing

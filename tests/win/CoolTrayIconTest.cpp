// The tray icon against the real shell of the virtual desktop: its requests, the mapping of
// the shell's notifications (sent to the shared window as the shell sends them), the main
// window's trip into the tray and back, animation, and the release of every window.
#include "tray/CoolTrayIcon.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menus.h"

namespace korvale::testing {
namespace {

using namespace std::chrono_literals;

// Asks the shell whether it holds the icon: changing an icon it does not have fails.
bool ShellHasIcon(const NOTIFYICONDATAA& data) {
  NOTIFYICONDATAA copy = data;
  return Shell_NotifyIconA(NIM_MODIFY, &copy) != FALSE;
}

// How many pixels of the shell's taskbar show this colour: the notification area draws its
// icons into the taskbar window itself.
int TaskbarPixels(std::uint32_t colour) {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  if (!taskbar) return -1;
  const PixelBuffer shot = CaptureWindow(taskbar);
  int count = 0;
  for (std::uint32_t p : shot.pixels) count += p == colour;
  return count;
}

constexpr int kIconPixels = 16 * 16;

void Notify(const TCoolTrayIcon& tray, UINT mouseMessage) {
  SendMessageA(TTrayIconHandler::Handle(), TCoolTrayIcon::TrayCallbackMessage, tray.IconData().uID,
               mouseMessage);
}

HICON SolidIcon(COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP image = CreateCompatibleBitmap(screen, 16, 16);
  HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, image);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT r{0, 0, 16, 16};
  FillRect(dc, &r, brush);
  SelectObject(dc, mask);
  PatBlt(dc, 0, 0, 16, 16, BLACKNESS);
  SelectObject(dc, old);
  ICONINFO info{TRUE, 0, 0, mask, image};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(brush);
  DeleteDC(dc);
  DeleteObject(mask);
  DeleteObject(image);
  ReleaseDC(nullptr, screen);
  return icon;
}

// The colour in the middle of an icon's image, 0x00RRGGBB.
std::uint32_t IconColour(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return 0xFFFFFFFF;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = 16;
  bi.bmiHeader.biHeight = -16;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  std::uint32_t pixels[256] = {};
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, info.hbmColor, 0, 16, pixels, &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return pixels[8 * 16 + 8] & 0x00FFFFFF;
}

class EventLog : public TObject {
 public:
  std::vector<std::string> events;
  std::chrono::steady_clock::time_point clickTime{};
  void Click(TObject*) {
    events.push_back("click");
    clickTime = std::chrono::steady_clock::now();
  }
  void DblClick(TObject*) { events.push_back("dblclick"); }
  void Enter(TObject*) { events.push_back("enter"); }
  void Exit(TObject*) { events.push_back("exit"); }
  void Move(TObject*, TShiftState, int, int) { events.push_back("move"); }
  void Minimized(TObject*) { events.push_back("minimize"); }
  void Down(TObject*, TMouseButton button, TShiftState shift, int, int) {
    events.push_back("down " + Name(button, shift));
  }
  void Up(TObject*, TMouseButton button, TShiftState shift, int, int) {
    events.push_back("up " + Name(button, shift));
  }
  void Startup(TObject*, bool& show) {
    events.push_back("startup");
    show = false;
  }

  void Attach(TCoolTrayIcon& tray) {
    tray.OnClick = TNotifyEvent(this, &EventLog::Click);
    tray.OnMouseDown = TMouseEvent(this, &EventLog::Down);
    tray.OnMouseUp = TMouseEvent(this, &EventLog::Up);
  }

 private:
  static std::string Name(TMouseButton button, TShiftState shift) {
    const bool left = button == TMouseButton::mbLeft;
    const bool right = button == TMouseButton::mbRight;
    const char* name = left ? "left" : right ? "right" : "middle";
    const TShiftState flag = left ? ssLeft : right ? ssRight : ssMiddle;
    return std::string(name) + ((shift & flag) ? "" : " (no button flag)");
  }
};

// A popup menu that records where it would open instead of tracking a real menu.
class RecordingPopup : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  int popups = 0;
  TComponent* shownFor = nullptr;
  void Popup(int, int) override {
    ++popups;
    shownFor = PopupComponent();
  }
};

// A tray icon on a form of its own, loaded as the form reader loads it.
struct TrayOnForm {
  explicit TrayOnForm(bool visible = true, const std::string& hint = "Korvale") {
    form = new TForm(nullptr);
    tray = new TCoolTrayIcon(form);
    tray->SetLoading(true);
    tray->Icon().SetHandle(SolidIcon(RGB(200, 40, 40)));
    tray->SetHint(hint);
    tray->SetIconVisible(visible);
    tray->Loaded();
  }
  ~TrayOnForm() { delete form; }
  TForm* form = nullptr;
  TCoolTrayIcon* tray = nullptr;
};

TEST(TrayIcon, AddedUpdatedAndRemovedThroughTheShell) {
  static_assert(NOTIFYICONDATAA_V2_SIZE == (sizeof(void*) == 8 ? 504 : 488));
  NOTIFYICONDATAA lastData{};
  {
    TrayOnForm t;
    const NOTIFYICONDATAA& data = t.tray->IconData();
    EXPECT_EQ(data.cbSize, NOTIFYICONDATAA_V2_SIZE);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 0x800u);
    EXPECT_EQ(data.hWnd, TTrayIconHandler::Handle());
    EXPECT_TRUE(t.tray->IconVisible());
    EXPECT_TRUE(ShellHasIcon(data)) << "the loaded IconVisible adds the icon";
    EXPECT_TRUE(WaitFor([] { return TaskbarPixels(0xC82828) >= kIconPixels; }, 2s))
        << "the taskbar shows the icon";
    NOTIFYICONDATAA twice = data;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &twice)) << "the shell holds exactly this icon";

    t.tray->SetHint("Servers running");
    EXPECT_STREQ(data.szTip, "Servers running");
    t.tray->Icon().SetHandle(SolidIcon(RGB(40, 200, 40)));
    EXPECT_EQ(data.hIcon, t.tray->Icon().Handle()) << "a new icon is sent at once";
    EXPECT_TRUE(ShellHasIcon(data));
    EXPECT_TRUE(WaitFor([] { return TaskbarPixels(0x28C828) >= kIconPixels; }, 2s));
    EXPECT_EQ(TaskbarPixels(0xC82828), 0) << "the old picture is gone";

    t.tray->SetIconVisible(false);
    EXPECT_FALSE(t.tray->IconVisible());
    EXPECT_FALSE(ShellHasIcon(data));
    EXPECT_TRUE(WaitFor([] { return TaskbarPixels(0x28C828) == 0; }, 2s));
    t.tray->SetHint("still kept");
    EXPECT_FALSE(ShellHasIcon(data)) << "an update does not bring a removed icon back";

    t.tray->SetIconVisible(true);
    EXPECT_TRUE(ShellHasIcon(data));
    lastData = data;
  }
  EXPECT_FALSE(ShellHasIcon(lastData)) << "destruction removes the icon";
}

TEST(TrayIcon, HintIsCutTo127CharactersAndShowHintFalseClearsIt) {
  std::string hint;
  for (int i = 0; i < 200; ++i) hint += static_cast<char>('a' + i % 26);
  TrayOnForm t(true, hint);
  const NOTIFYICONDATAA& data = t.tray->IconData();
  EXPECT_EQ(std::strlen(data.szTip), 127u);
  EXPECT_EQ(std::string(data.szTip), hint.substr(0, 127));
  EXPECT_EQ(t.tray->Hint(), hint) << "the property keeps the whole text";
  EXPECT_TRUE(ShellHasIcon(data));

  t.tray->SetShowHint(false);
  EXPECT_EQ(data.szTip[0], '\0');
  EXPECT_TRUE(ShellHasIcon(data));
  t.tray->SetShowHint(true);
  EXPECT_EQ(std::strlen(data.szTip), 127u);
  t.tray->SetHint("");
  EXPECT_EQ(std::memcmp(data.szTip, std::string(128, '\0').data(), 128), 0);
}

TEST(TrayIcon, WithDoubleClickHandlerAClickWaitsForTheDoubleClickTime) {
  TrayOnForm t;
  EventLog log;
  log.Attach(*t.tray);
  t.tray->OnDblClick = TNotifyEvent(&log, &EventLog::DblClick);
  const auto doubleClickTime = std::chrono::milliseconds(GetDoubleClickTime());

  const auto pressed = std::chrono::steady_clock::now();
  Notify(*t.tray, WM_LBUTTONDOWN);
  Notify(*t.tray, WM_LBUTTONUP);
  EXPECT_EQ(log.events, (std::vector<std::string>{"down left", "up left"}));
  ASSERT_TRUE(WaitFor([&] { return log.events.size() == 3; }, doubleClickTime * 5));
  EXPECT_EQ(log.events.back(), "click");
  EXPECT_GE(log.clickTime - pressed, doubleClickTime * 9 / 10);

  log.events.clear();
  Notify(*t.tray, WM_LBUTTONDOWN);
  Notify(*t.tray, WM_LBUTTONUP);
  Notify(*t.tray, WM_LBUTTONDBLCLK);
  Notify(*t.tray, WM_LBUTTONUP);
  PumpFor(doubleClickTime * 2);
  EXPECT_EQ(log.events, (std::vector<std::string>{"down left", "up left", "dblclick", "up left"}));

  log.events.clear();
  Notify(*t.tray, WM_LBUTTONDOWN);
  Notify(*t.tray, WM_LBUTTONUP);
  ASSERT_TRUE(WaitFor([&] { return log.events.size() == 3; }, doubleClickTime * 5))
      << "a double click leaves no trace on the next single click";
}

TEST(TrayIcon, WithoutDoubleClickHandlerClickComesBeforeMouseUp) {
  TrayOnForm t;
  EventLog log;
  log.Attach(*t.tray);
  Notify(*t.tray, WM_LBUTTONDOWN);
  Notify(*t.tray, WM_LBUTTONUP);
  EXPECT_EQ(log.events, (std::vector<std::string>{"down left", "click", "up left"}));
  PumpFor(std::chrono::milliseconds(GetDoubleClickTime()) * 3 / 2);
  EXPECT_EQ(log.events.size(), 3u) << "no second, deferred click";

  log.events.clear();
  Notify(*t.tray, WM_MBUTTONDOWN);
  Notify(*t.tray, WM_MBUTTONUP);
  Notify(*t.tray, WM_LBUTTONUP);
  EXPECT_EQ(log.events, (std::vector<std::string>{"down middle", "up middle", "up left"}))
      << "a button up without its press is no click";
}

TEST(TrayIcon, RightButtonOpensThePopupMenuOnlyWhileEnabled) {
  TrayOnForm t;
  EventLog log;
  log.Attach(*t.tray);
  auto* menu = new RecordingPopup(t.form);
  t.tray->SetPopupMenu(menu);

  Notify(*t.tray, WM_RBUTTONDOWN);
  Notify(*t.tray, WM_RBUTTONUP);
  EXPECT_EQ(menu->popups, 1);
  EXPECT_EQ(menu->shownFor, t.tray);
  EXPECT_EQ(log.events, (std::vector<std::string>{"down right", "up right"}));
  Notify(*t.tray, WM_LBUTTONDOWN);
  EXPECT_EQ(menu->popups, 1) << "the left button opens nothing without LeftPopup";
  t.tray->SetLeftPopup(true);
  Notify(*t.tray, WM_LBUTTONDOWN);
  EXPECT_EQ(menu->popups, 2);

  log.events.clear();
  t.tray->SetEnabled(false);
  for (UINT msg : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                   WM_MOUSEMOVE})
    Notify(*t.tray, msg);
  EXPECT_EQ(menu->popups, 2);
  EXPECT_TRUE(log.events.empty());

  t.tray->SetEnabled(true);
  menu->SetAutoPopup(false);
  Notify(*t.tray, WM_RBUTTONDOWN);
  EXPECT_EQ(menu->popups, 2) << "a menu without automatic popup stays shut";

  delete menu;
  EXPECT_EQ(t.tray->PopupMenu(), nullptr) << "a freed menu is forgotten";
  Notify(*t.tray, WM_RBUTTONDOWN);
}

TEST(TrayIcon, RealPopupMenuOpensAtThePointerAndCloses) {
  TrayOnForm t;
  auto* menu = new TPopupMenu(t.form);
  auto* item = new TMenuItem(menu);
  item->SetCaption("&Show");
  menu->Items()->Add(item);
  t.tray->SetPopupMenu(menu);
  // The menu tracks modally inside the notification; a thread timer closes it from within.
  static HWND menuWindow;
  menuWindow = nullptr;
  struct Closer {
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
      HWND found = FindWindowA("#32768", nullptr);
      if (!found || !IsWindowVisible(found)) return;
      menuWindow = found;
      KillTimer(nullptr, id);
      EndMenu();
    }
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, Closer::Tick);
  Notify(*t.tray, WM_RBUTTONDOWN);
  KillTimer(nullptr, timer);
  EXPECT_NE(menuWindow, nullptr) << "the menu was shown";
  EXPECT_EQ(menu->PopupComponent(), t.tray);
}

TEST(TrayIcon, DoubleClickClicksTheFirstDefaultItem) {
  TrayOnForm t;
  auto* menu = new RecordingPopup(t.form);
  std::vector<TMenuItem*> items;
  for (int i = 0; i < 3; ++i) {
    items.push_back(new TMenuItem(menu));
    items.back()->SetCaption("item" + std::to_string(i));
    menu->Items()->Add(items.back());
  }
  struct Counter : TObject {
    std::vector<TObject*> clicked;
    void Click(TObject* sender) { clicked.push_back(sender); }
  } counter;
  for (TMenuItem* item : items) item->OnClick = TNotifyEvent(&counter, &Counter::Click);
  items[1]->SetDefault(true);
  t.tray->SetPopupMenu(menu);
  Notify(*t.tray, WM_LBUTTONDBLCLK);
  EXPECT_EQ(counter.clicked, (std::vector<TObject*>{items[1]}));
  t.tray->SetLeftPopup(true);
  Notify(*t.tray, WM_LBUTTONDBLCLK);
  EXPECT_EQ(counter.clicked.size(), 1u) << "with LeftPopup the double click clicks nothing";
}

TEST(TrayIcon, EnterAndExitFollowThePointer) {
  // Away from the taskbar first, so the shell sends no notifications of its own for the icon.
  PlacePointer(300, 300);
  TrayOnForm t;
  EventLog log;
  t.tray->OnMouseEnter = TNotifyEvent(&log, &EventLog::Enter);
  t.tray->OnMouseExit = TNotifyEvent(&log, &EventLog::Exit);
  t.tray->OnMouseMove = TMouseMoveEvent(&log, &EventLog::Move);
  Notify(*t.tray, WM_MOUSEMOVE);
  EXPECT_EQ(log.events, (std::vector<std::string>{"move"})) << "no enter unless wanted";

  log.events.clear();
  t.tray->SetWantEnterExitEvents(true);
  Notify(*t.tray, WM_MOUSEMOVE);
  Notify(*t.tray, WM_MOUSEMOVE);
  PumpFor(100ms);
  EXPECT_EQ(log.events, (std::vector<std::string>{"enter", "move", "move"}));
  PlacePointer(320, 310);
  ASSERT_TRUE(WaitFor([&] { return log.events.size() == 4; }, 2s));
  EXPECT_EQ(log.events.back(), "exit");
  Notify(*t.tray, WM_MOUSEMOVE);
  EXPECT_EQ(log.events[4], "enter") << "the pointer can come back";
}

// The main form and the application window around a tray test; undone at the end.
class TrayMainForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetCaption("Tray main form");
    Application().SetMainForm(form);
    tray = new TCoolTrayIcon(form);
    tray->SetLoading(true);
    tray->Icon().SetHandle(SolidIcon(RGB(10, 10, 200)));
    tray->SetIconVisible(true);
    tray->SetMinimizeToTray(true);
  }
  void TearDown() override {
    delete form;
    Application().SetMainForm(nullptr);
    Application().SetShowMainForm(true);
    if (IsIconic(Application().Handle())) ShowWindow(Application().Handle(), SW_RESTORE);
    Application().ShowTaskbarWindow(false);
  }
  bool FormShown() const { return IsWindowVisible(form->Handle()) != FALSE; }
  bool TaskbarButtonShown() const { return IsWindowVisible(Application().Handle()) != FALSE; }

  TForm* form = nullptr;
  TCoolTrayIcon* tray = nullptr;
};

TEST_F(TrayMainForm, MinimizingHidesWindowAndTaskbarButtonAndRestoreBringsThemBack) {
  tray->Loaded();
  form->Show();
  ASSERT_TRUE(FormShown());
  ASSERT_TRUE(TaskbarButtonShown());

  SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  PumpFor(50ms);
  EXPECT_FALSE(FormShown());
  EXPECT_FALSE(TaskbarButtonShown());
  EXPECT_TRUE(tray->IconVisible());
  EXPECT_TRUE(ShellHasIcon(tray->IconData())) << "the icon stays";

  tray->RestoreFromTray();
  PumpFor(50ms);
  EXPECT_TRUE(FormShown());
  EXPECT_TRUE(TaskbarButtonShown());
  EXPECT_FALSE(IsIconic(Application().Handle()));
  EXPECT_FALSE(IsIconic(form->Handle()));
  EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);

  tray->SendToTray();
  EXPECT_FALSE(FormShown());
  EXPECT_FALSE(TaskbarButtonShown());
  tray->RestoreFromTray();
  EXPECT_TRUE(FormShown());
  EXPECT_TRUE(TaskbarButtonShown());
}

TEST_F(TrayMainForm, MinimizeHandlerTakesTheMinimizeOverAtTheWindow) {
  EventLog log;
  tray->OnMinimizeToTray = TNotifyEvent(&log, &EventLog::Minimized);
  tray->Loaded();
  form->Show();
  const LRESULT result = SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(log.events, (std::vector<std::string>{"minimize"}));
  EXPECT_FALSE(IsIconic(Application().Handle())) << "the application is never minimized";
  EXPECT_FALSE(FormShown());
  EXPECT_FALSE(TaskbarButtonShown());

  tray->SetMinimizeToTray(false);
  tray->RestoreFromTray();
  SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  PumpFor(50ms);
  EXPECT_EQ(log.events.size(), 1u) << "without MinimizeToTray the window minimizes normally";
  EXPECT_TRUE(IsIconic(Application().Handle()));
}

TEST_F(TrayMainForm, StartupHandlerCanKeepTheMainFormHidden) {
  EventLog log;
  tray->OnStartup = TStartupEvent(&log, &EventLog::Startup);
  tray->Loaded();
  EXPECT_EQ(log.events, (std::vector<std::string>{"startup"}));
  EXPECT_FALSE(Application().ShowMainForm());
  EXPECT_FALSE(FormShown());
  EXPECT_TRUE(ShellHasIcon(tray->IconData()));
}

TEST(TrayIcon, TaskbarCreatedBroadcastAddsTheIconAgain) {
  ASSERT_NE(TaskbarCreatedMessage(), 0u);
  TrayOnForm shown;
  TrayOnForm hidden(false);
  // The shell forgets its icons when the taskbar is re-created.
  NOTIFYICONDATAA lost = shown.tray->IconData();
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &lost));
  ASSERT_FALSE(ShellHasIcon(shown.tray->IconData()));

  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(HWND_BROADCAST, TaskbarCreatedMessage(), 0, 0, SMTO_ABORTIFHUNG, 2000,
                      &ignored);
  EXPECT_TRUE(WaitFor([&] { return ShellHasIcon(shown.tray->IconData()); }, 2s));
  EXPECT_FALSE(ShellHasIcon(hidden.tray->IconData())) << "an icon that is not visible stays away";
}

// Three icons red, green and blue as one strip in an image list.
void FillStrip(TImageList& list) {
  TBitmap strip;
  strip.SetPixelFormat(32);
  strip.SetSize(48, 16);
  const std::uint32_t colours[3] = {0xFF0000, 0x00FF00, 0x0000FF};
  for (int y = 0; y < 16; ++y) {
    auto* row = static_cast<std::uint32_t*>(strip.ScanLine(y));
    for (int x = 0; x < 48; ++x) row[x] = colours[x / 16];
  }
  ASSERT_EQ(list.AddMasked(strip, 0xFF00FF), 0);
  ASSERT_EQ(list.Count(), 3);
}

struct CycleLog : TObject {
  TCoolTrayIcon* tray = nullptr;
  std::vector<int> next;
  std::vector<std::uint32_t> shown;
  void Cycle(TObject*, int nextIndex) {
    next.push_back(nextIndex);
    shown.push_back(IconColour(tray->IconData().hIcon));
  }
};

TEST(TrayIcon, AnimationCyclesThroughTheListAndIconIndexIsClamped) {
  TrayOnForm t;
  auto* list = new TImageList(t.form);
  FillStrip(*list);
  EXPECT_EQ(t.tray->IconIndex(), 0);
  t.tray->SetIconIndex(5);
  EXPECT_EQ(t.tray->IconIndex(), 0) << "without a list the index is 0";

  t.tray->SetIconList(list);
  t.tray->SetIconIndex(7);
  EXPECT_EQ(t.tray->IconIndex(), 2);
  EXPECT_EQ(IconColour(t.tray->IconData().hIcon), 0x0000FFu);
  t.tray->SetIconIndex(-4);
  EXPECT_EQ(t.tray->IconIndex(), 0);
  t.tray->SetIconIndex(1);
  EXPECT_EQ(IconColour(t.tray->Icon().Handle()), 0x00FF00u);

  CycleLog cycle;
  cycle.tray = t.tray;
  t.tray->OnCycle = TCycleEvent(&cycle, &CycleLog::Cycle);
  EXPECT_EQ(t.tray->CycleInterval(), 1000u);
  t.tray->SetCycleInterval(30);
  t.tray->SetCycleIcons(true);
  EXPECT_EQ(t.tray->IconIndex(), 0) << "cycling starts at the first icon";
  ASSERT_TRUE(WaitFor([&] { return cycle.next.size() >= 4; }, 5s));
  t.tray->SetCycleIcons(false);
  cycle.next.resize(4);
  cycle.shown.resize(4);
  EXPECT_EQ(cycle.next, (std::vector<int>{1, 2, 0, 1}));
  EXPECT_EQ(cycle.shown, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFF0000}));
  EXPECT_TRUE(ShellHasIcon(t.tray->IconData()));

  const std::size_t steps = cycle.next.size();
  PumpFor(100ms);
  EXPECT_LE(cycle.next.size(), steps + 1) << "turning cycling off stops the steps";
  delete list;
  EXPECT_EQ(t.tray->IconList(), nullptr) << "a freed list is forgotten";
}

TEST(TrayIcon, WindowsAndTimersGoWithTheLastComponent) {
  TrayOnForm warmUp;  // the first tray and timer set-up loads shell and class data once
  delete warmUp.form;
  warmUp.form = nullptr;
  PumpFor(50ms);
  ASSERT_EQ(TTrayIconHandler::Handle(), nullptr);
  ASSERT_EQ(TSimpleTimerHandler::Handle(), nullptr);
  const GuiObjectCounts before = CountGuiObjects();

  auto* first = new TrayOnForm;
  auto* second = new TrayOnForm;
  first->tray->SetWantEnterExitEvents(true);
  HWND shared = TTrayIconHandler::Handle();
  EXPECT_EQ(second->tray->IconData().hWnd, shared) << "one window for all tray icons";
  EXPECT_EQ(TTrayIconHandler::RefCount(), 2);
  EXPECT_EQ(TSimpleTimerHandler::RefCount(), 6);
  const UINT goneId = first->tray->IconData().uID;
  EventLog log;
  log.Attach(*second->tray);
  delete first;
  EXPECT_TRUE(IsWindow(shared));
  SendMessageA(shared, TCoolTrayIcon::TrayCallbackMessage, goneId, WM_LBUTTONDOWN);
  EXPECT_TRUE(log.events.empty()) << "a notification for a freed icon reaches nobody";
  delete second;
  EXPECT_FALSE(IsWindow(shared));
  EXPECT_EQ(TTrayIconHandler::Handle(), nullptr);
  EXPECT_EQ(TSimpleTimerHandler::Handle(), nullptr);
  PumpFor(50ms);
  EXPECT_EQ(CountGuiObjects(), before);
}

class TimerLog : public TObject {
 public:
  TSimpleTimer* timer = nullptr;
  int ticks = 0;
  bool enabledInHandler = true;
  void Tick(TObject* sender) {
    ++ticks;
    enabledInHandler = static_cast<TSimpleTimer*>(sender)->Enabled();
  }
};

TEST(TraySimpleTimer, StartStopIntervalAndAutoDisable) {
  TimerLog log;
  TSimpleTimer timer(TNotifyEvent(&log, &TimerLog::Tick));
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  EXPECT_FALSE(timer.AutoDisable());
  timer.SetInterval(0);
  EXPECT_FALSE(timer.Start()) << "an interval of 0 cannot run";
  EXPECT_FALSE(timer.Enabled());

  timer.SetInterval(20);
  EXPECT_TRUE(timer.Start());
  EXPECT_TRUE(WaitFor([&] { return log.ticks >= 3; }, 2s));
  timer.Stop();
  EXPECT_FALSE(timer.Enabled());
  int ticks = log.ticks;
  PumpFor(80ms);
  EXPECT_EQ(log.ticks, ticks);

  timer.SetAutoDisable(true);
  timer.SetEnabled(true);
  EXPECT_TRUE(WaitFor([&] { return log.ticks > ticks; }, 2s));
  PumpFor(80ms);
  EXPECT_EQ(log.ticks, ticks + 1) << "an auto-disabled timer expires once";
  EXPECT_FALSE(log.enabledInHandler) << "and is stopped before its handler runs";
  EXPECT_FALSE(timer.Enabled());

  timer.SetAutoDisable(false);
  timer.SetEnabled(true);
  timer.SetInterval(0);
  EXPECT_TRUE(timer.Enabled()) << "an interval of 0 halts the timer but leaves it enabled";
  ticks = log.ticks;
  PumpFor(80ms);
  EXPECT_EQ(log.ticks, ticks);
  timer.SetInterval(20);
  EXPECT_TRUE(WaitFor([&] { return log.ticks > ticks; }, 2s)) << "a new interval restarts it";

  timer.SetOnTimer(TNotifyEvent());
  EXPECT_TRUE(timer.Enabled());
  PumpFor(60ms);  // the platform timer is gone; nothing to call and nothing queued
}

TEST(TraySimpleTimer, TimersShareOneWindowWhileAnyExists) {
  ASSERT_EQ(TSimpleTimerHandler::RefCount(), 0);
  TimerLog log;
  auto first = std::make_unique<TSimpleTimer>(15, TNotifyEvent(&log, &TimerLog::Tick));
  HWND window = TSimpleTimerHandler::Handle();
  ASSERT_NE(window, nullptr);
  {
    TSimpleTimer second;
    EXPECT_EQ(TSimpleTimerHandler::Handle(), window);
    EXPECT_EQ(TSimpleTimerHandler::RefCount(), 2);
  }
  EXPECT_TRUE(IsWindow(window));
  ASSERT_TRUE(first->Start());
  {
    TSimpleTimer keepsTheWindow;
    // An expiry already queued when its timer goes must not reach the freed timer.
    PostMessageA(window, WM_TIMER, first->TimerId(), 0);
    first.reset();
    EXPECT_TRUE(IsWindow(window));
    const int ticks = log.ticks;
    PumpFor(50ms);
    EXPECT_EQ(log.ticks, ticks);
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(TSimpleTimerHandler::RefCount(), 0);
}

}  // namespace
}  // namespace korvale::testing

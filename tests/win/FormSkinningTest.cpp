// Windows in a skin: the real main window and a sizeable test form, in each of the six
// bundled skins. Frame sizes, region, hit bands and frame pixels are checked against the
// skin's own pieces composed in software; switching skinning off must give everything back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "core/SkinFrameLayout.h"
#include "core/SoftBlit.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinStore.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinForm.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WinTestSupport.h"
#include "tests/support/skin/SkinActionWait.h"
#include "tests/win/RealMainWindow.h"
#include "tests/win/SkinGallery.h"
#include "tests/win/SkinTestSkins.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/TrackBar.h"

namespace korvale::testing {
namespace {

constexpr int kSkinCount = 6;

// Counts the attach notices (SM_SKINATTACHED, LParam 1000) this thread takes from its queue.
class AttachNotices {
 public:
  AttachNotices() : hook_(SetWindowsHookExA(WH_GETMESSAGE, &Count, nullptr, GetCurrentThreadId())) { seen_.clear(); }
  ~AttachNotices() { UnhookWindowsHookEx(hook_); }
  AttachNotices(const AttachNotices&) = delete;
  AttachNotices& operator=(const AttachNotices&) = delete;
  long For(HWND window) const { return std::count(seen_.begin(), seen_.end(), window); }

 private:
  static LRESULT CALLBACK Count(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == SM_SKINATTACHED && msg->lParam == 1000)
      seen_.push_back(msg->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline std::vector<HWND> seen_;
  HHOOK hook_;
};

class FormSkinning : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(main_.Open()); }
  void TearDown() override {
    other_.reset();
    main_.Close();
  }

  static TWinSkinForm* Skinner(HWND window) { return RealMainWindow::SkinnerOf(window); }
  TSkinData& Skin() const { return main_.Skin(); }
  void Switch(int n) { main_.Switch(n); }
  void SetActive(bool on) { main_.SetActive(on); }

  // L, T, R, B from the skin's border pieces, M the menu height.
  SkinFrameWidths Expected(bool menu) const {
    const TSkinData& s = Skin();
    return {s.BorderLeft->Image->Width() / s.BorderLeft->FrameCount,
            s.BorderTop->Image->Height() / s.BorderTop->FrameCount,
            s.BorderRight->Image->Width() / s.BorderRight->FrameCount,
            s.BorderBottom->Image->Height() / s.BorderBottom->FrameCount,
            menu ? GetSystemMetrics(SM_CYMENU) : 0};
  }

  // The border piece as the software compositor draws it at width x height.
  PixelImage Oracle(const TDataSkinBorder& piece, bool stacked, int width, int height, int frame) const {
    return ComposeFrame(width, height, piece.Image->ToImage(), piece.FrameCount,
                        piece.FrameCount == 1 ? 1 : frame, stacked ? StripLayout::Stacked : StripLayout::SideBySide,
                        {piece.LeftWidth, piece.TopHeight, piece.RightWidth, piece.BottomHeight}, piece.Tile != 1);
  }

  // Whether a visible title-bar button covers the window point.
  static bool OnTitleButton(HWND window, POINT point) {
    for (const auto& button : Skinner(window)->SysButtons()) {
      if (button->FVisible && PtInRect(&button->FRect, point)) return true;
    }
    return false;
  }

  // Pixels of the window's left border and of the title band outside the text and the
  // buttons that differ from the oracle's frame (magenta pixels are cut away by the region
  // and not compared).
  int FrameMismatches(HWND window, int frame) const {
    const SkinFrameWidths w = Expected(true);
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const PixelBuffer shot = CaptureWindow(window, false);
    const PixelImage left = Oracle(*Skin().BorderLeft, false, w.left, height, frame);
    const PixelImage top = Oracle(*Skin().BorderTop, true, width - w.left - w.right, w.top, frame);
    const RECT text = Skinner(window)->TextRect();
    int bad = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < w.left; ++x) {
        if (left.At(x, y) != kTransparentKey && left.At(x, y) != shot.At(x, y)) ++bad;
      }
    }
    for (int y = 0; y < w.top; ++y) {
      for (int x = w.left; x < width - w.right; ++x) {
        if (x >= text.left && x < text.right) continue;
        if (OnTitleButton(window, {x, y})) continue;
        const std::uint32_t want = top.At(x - w.left, y);
        if (want != kTransparentKey && want != shot.At(x, y)) ++bad;
      }
    }
    return bad;
  }

  RealMainWindow main_{"skinning", {19711, 19712, 19713}};
  std::unique_ptr<TForm> other_;
};

TEST_F(FormSkinning, EverySkinSizesTheFrameFromItsPiecesAndKeepsTheClientArea) {
  HWND window = main_->Handle();
  for (int n = 0; n < kSkinCount; ++n) {
    Switch(n);
    SCOPED_TRACE("skin " + std::to_string(n));
    EXPECT_EQ(SendMessageA(window, SM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(GetMenu(window), nullptr);
    RECT client{}, outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    EXPECT_EQ(client.right, 426);
    EXPECT_EQ(client.bottom, 329);
    const SkinFrameWidths w = Expected(true);
    EXPECT_EQ(Skinner(window)->Widths(), w);
    EXPECT_EQ(outer.right - outer.left, 426 + w.left + w.right);
    EXPECT_EQ(outer.bottom - outer.top, 329 + w.top + w.menu + w.bottom);

    // Hit bands: the top rows answer the sizing default, then caption, then the menu band.
    const auto hit = [&](int y) {
      return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(outer.left + (outer.right - outer.left) / 2, outer.top + y));
    };
    EXPECT_EQ(hit(0), DefWindowProcA(window, WM_NCHITTEST, 0, MAKELPARAM(outer.left + (outer.right - outer.left) / 2, outer.top)));
    EXPECT_EQ(hit(w.top - 2), HTCAPTION);
    EXPECT_EQ(hit(w.top + w.menu / 2), HTMENU);

    // The region: magenta corners are cut away, edge middles stay.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(window, region);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    ASSERT_NE(kind, ERROR);
    const TSkinData& s = Skin();
    const bool keyedCorner = s.BorderLeft->Trans == 1 && s.BorderLeft->Image->ToImage().At(0, 0) == kTransparentKey;
    EXPECT_EQ(PtInRegion(region, 0, 0) == FALSE, keyedCorner);
    EXPECT_TRUE(PtInRegion(region, width / 2, 1) || !s.BorderTop->Trans);
    EXPECT_TRUE(PtInRegion(region, 1, height / 2) || !s.BorderLeft->Trans);
    EXPECT_TRUE(PtInRegion(region, width / 2, height - 1));
    DeleteObject(region);

    // The client background between the group boxes is the skin's face colour.
    // So are the check boxes and the track bar inside the recoloured group boxes.
    const COLORREF faceRef = ColorToRGB(s.ColorButtonFace);
    const auto face = static_cast<std::uint32_t>(GetRValue(faceRef) << 16 | GetGValue(faceRef) << 8 | GetBValue(faceRef));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(CaptureWindow(window, true).At(client.right - 2, client.bottom - 2), face);
    const PixelBuffer check = CaptureWindow(main_->loggingcheck->Handle(), true);
    EXPECT_EQ(check.At(check.width - 1, 0), face);
    EXPECT_EQ(CaptureWindow(main_->rateslider->Handle(), true).At(0, 0), face);
  }
}

TEST_F(FormSkinning, TheMainWindowsControlsAreSkinnedInEverySkinAndGivenBackAfter) {
  HWND activate = main_->Button1->Handle();
  for (int n = 0; n < kSkinCount; ++n) {
    Switch(n);
    TWinSkinForm* form = Skinner(main_->Handle());
    auto* button = dynamic_cast<TSkinControl*>(form->FindSkinner(activate));
    ASSERT_NE(button, nullptr) << n;
    EXPECT_EQ(button->ClassName(), "TSkinButton");
    auto* check = dynamic_cast<TSkinControl*>(form->FindSkinner(main_->loggingcheck->Handle()));
    ASSERT_NE(check, nullptr) << n;
    EXPECT_EQ(check->ClassName(), "TSkinCheckBox");
    RedrawWindow(main_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(ShownButtonFrame(activate, Skin()), GetFocus() == activate ? 4 : 1) << n;
  }
  SetActive(false);
  EXPECT_TRUE(main_->Button1->WindowProc == TWndMethod(static_cast<TControl*>(main_->Button1), &TControl::WndProc));
  EXPECT_TRUE(main_->loggingcheck->WindowProc ==
              TWndMethod(static_cast<TControl*>(main_->loggingcheck), &TControl::WndProc));
}

// A switch fits the frame and cuts the region without repainting: applying the skin erases
// no window, and the window is erased once, at the paint that follows, so it does not flicker.
TEST_F(FormSkinning, ASkinSwitchErasesTheWindowOnceAtItsNextPaint) {
  const HWND main = main_->Handle();
  MessageRecorder recorder([main](HWND window) { return window == main || IsChild(main, window); });
  const auto erased = [&](HWND only) {
    return std::count_if(recorder.Messages().begin(), recorder.Messages().end(), [&](const RecordedMessage& m) {
      return m.message == WM_ERASEBKGND && (!only || m.window == only);
    });
  };
  for (int n = 0; n < kSkinCount; ++n) {
    Skin().LoadFromStore(main_->SkinStore1, n);
    recorder.Clear();
    SkinManager()->DoPendingAction();
    EXPECT_EQ(erased(nullptr), 0) << "skin " << n;
    ASSERT_TRUE(WaitFor([] { MSG msg; return !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); }));
    EXPECT_EQ(erased(main), 1) << "skin " << n;
  }
}

TEST_F(FormSkinning, ASizeableFormTakesEachSkinsFrameOnce) {
  AttachNotices notices;
  auto* form = TForm::Create<TForm>(static_cast<TComponent*>(nullptr));
  other_.reset(form);
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  form->SetBounds(300, 200, 320, 240);
  form->Show();
  SetForegroundWindow(form->Handle());
  ASSERT_TRUE(WaitFor([&] { return Skinner(form->Handle()) && Skinner(form->Handle())->SkinState() == 1; }));
  RECT client{};
  GetClientRect(form->Handle(), &client);
  for (int n = 0; n < kSkinCount; ++n) {
    Switch(n);
    SCOPED_TRACE("skin " + std::to_string(n));
    EXPECT_EQ(Skinner(form->Handle())->Widths(), Expected(false));
    RECT now{}, outer{};
    GetClientRect(form->Handle(), &now);
    GetWindowRect(form->Handle(), &outer);
    EXPECT_EQ(now.right, client.right);
    EXPECT_EQ(now.bottom, client.bottom);
    const SkinFrameWidths w = Expected(false);
    EXPECT_EQ(outer.right - outer.left, client.right + w.left + w.right);
    EXPECT_EQ(outer.bottom - outer.top, client.bottom + w.top + w.bottom);
  }
  EXPECT_EQ(notices.For(form->Handle()), 1);
}

// The error message of a skin that fails to load repaints the windows: by then no window
// may hold title-bar buttons made from the entries the load is replacing.
TEST_F(FormSkinning, ASkinThatFailsToLoadLeavesNoWindowWithStaleButtons) {
  HWND window = main_->Handle();
  ASSERT_FALSE(Skinner(window)->SysButtons().empty());
  std::vector<std::size_t> buttonsWhileShown;
  const TSkinMessageSink previous = SetSkinMessageSink([&](const std::string&) {
    buttonsWhileShown.push_back(Skinner(window)->SysButtons().size());
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  });
  const Bytes broken = TestSkin().Image("only.bmp", 4, 4).Stream();
  Skin().SkinStream.Clear();
  Skin().SkinStream.Write(broken.data(), broken.size());
  Skin().SkinStream.SetPosition(0);
  EXPECT_FALSE(Skin().LoadSkin());
  SetSkinMessageSink(previous);
  EXPECT_EQ(buttonsWhileShown, std::vector<std::size_t>{0});
  Switch(0);
  EXPECT_EQ(SendMessageA(window, SM_ISSKINNED, 0, 0), 1);
}

TEST_F(FormSkinning, BordersWithoutTransparencyGiveTheWholeRectangle) {
  HWND window = main_->Handle();
  for (TDataSkinBorder* piece : {Skin().BorderLeft.get(), Skin().BorderTop.get(), Skin().BorderRight.get(),
                                 Skin().BorderBottom.get()})
    piece->Trans = 0;
  SendMessageA(window, SM_APPLYSKIN, 0, 0);
  RECT outer{}, box{};
  GetWindowRect(window, &outer);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region), SIMPLEREGION);
  GetRgnBox(region, &box);
  DeleteObject(region);
  const RECT whole{0, 0, outer.right - outer.left, outer.bottom - outer.top};
  EXPECT_TRUE(EqualRect(&box, &whole)) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
}

TEST_F(FormSkinning, ClientSizeSetOnASkinnedFormIsTheClientSizeItGets) {
  main_->SetClientSize(400, 300);
  RECT client{};
  GetClientRect(main_->Handle(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
  EXPECT_EQ(main_->ClientWidth(), 400);
}

TEST_F(FormSkinning, FramePixelsFollowActivation) {
  HWND window = main_->Handle();
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(FrameMismatches(window, 1), 0);

  other_.reset(TForm::Create<TForm>(static_cast<TComponent*>(nullptr)));
  other_->SetBounds(600, 500, 200, 120);
  other_->Show();
  SetForegroundWindow(other_->Handle());
  ASSERT_TRUE(WaitFor([&] { return !Skinner(window)->WindowActive(); }));
  EXPECT_EQ(FrameMismatches(window, 2), 0);
}

TEST_F(FormSkinning, SwitchingSkinningOffGivesEverythingBack) {
  HWND window = main_->Handle();
  SetActive(false);
  RECT client{};
  GetClientRect(window, &client);
  const TWndMethod ownProc = main_->WindowProc;
  const LONG_PTR classProc = GetWindowLongPtrA(window, GWLP_WNDPROC);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  ASSERT_NE(GetMenu(window), nullptr);
  ASSERT_EQ(Skinner(window), nullptr);

  SetActive(true);
  ASSERT_TRUE(WaitFor([&] { return Skinner(window) && Skinner(window)->SkinState() == 1; }));
  ASSERT_EQ(SendMessageA(window, SM_ISSKINNED, 0, 0), 1);
  ASSERT_FALSE(main_->WindowProc == ownProc);
  SetActive(false);

  EXPECT_EQ(Skinner(window), nullptr);
  EXPECT_NE(SendMessageA(window, SM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(GetMenu(window), main_->Menu()->Handle());
  RECT after{};
  GetClientRect(window, &after);
  EXPECT_EQ(after.right, client.right);
  EXPECT_EQ(after.bottom, client.bottom);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region), ERROR) << "no region";
  DeleteObject(region);
  EXPECT_TRUE(main_->WindowProc == ownProc);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), classProc);
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE), style);
}

TEST_F(FormSkinning, SizeGripsAndFormTags) {
  const auto grip = [](HWND parent) {
    HWND bar = CreateWindowExA(0, "ScrollBar", nullptr, WS_CHILD | SBS_SIZEGRIP, 0, 0, 16, 16, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (bar) DestroyWindow(bar);
    return bar != nullptr;
  };
  EXPECT_FALSE(grip(main_->Handle())) << "a skinned window gets no size grip";

  for (const int tag : {99, 199}) {
    other_.reset(TForm::Create<TForm>(static_cast<TComponent*>(nullptr)));
    other_->SetTag(tag);
    other_->SetBounds(500, 400, 240, 160);
    other_->Show();
    SetForegroundWindow(other_->Handle());
    PumpFor(std::chrono::milliseconds(50));
    WaitFor([&] { return Skinner(other_->Handle()) != nullptr; }, std::chrono::milliseconds(500));
    EXPECT_EQ(SendMessageA(other_->Handle(), SM_ISSKINNED, 0, 0) == 1, tag == 199) << "tag " << tag;
    if (tag == 99) {
      EXPECT_TRUE(grip(other_->Handle())) << "an unskinned window gets its size grip";
    }
  }
}

// A timer that runs inside a modal dialog's own loop, looks at the dialog and ends it.
struct DialogProbe {
  static inline DialogProbe* current = nullptr;
  std::string className;
  bool seen = false;
  LRESULT skinned = 0;
  int width = 0;
  int buttonOffCentre = 0;  // the OK button's centre from the client's centre
  std::string text;

  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = GetActiveWindow();
    char name[32] = {};
    GetClassNameA(dialog, name, sizeof name);
    if (!current || current->seen || name != current->className) return;
    TWinSkinForm* skinner = SkinManager()->FindSkinForm(dialog);
    if (!skinner || skinner->SkinState() != 1) return;
    current->seen = true;
    KillTimer(nullptr, id);
    current->skinned = SendMessageA(dialog, SM_ISSKINNED, 0, 0);
    RECT r{};
    GetWindowRect(dialog, &r);
    current->width = r.right - r.left;
    RECT client{}, button{};
    GetClientRect(dialog, &client);
    if (HWND ok = GetDlgItem(dialog, IDOK)) {
      GetWindowRect(ok, &button);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
      current->buttonOffCentre = (button.left + button.right) / 2 - client.right / 2;
    }
    char text[256] = {};
    GetWindowTextA(dialog, text, sizeof text);
    current->text = text;
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  }
};

TEST_F(FormSkinning, MessageBoxesAreSkinnedAndWidenedForTheirTitle) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE blank{};
  GetTextExtentPoint32A(dc, " ", 1, &blank);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  const TDataSkinTitle& t = *Skin().Title;
  const TitleTextStyle style{t.TextAlignment, t.LeftWidth, t.TopHeight, t.RightWidth, t.TXTBackleft, t.TXTBackRight};

  struct Case {
    const char* className;
    std::function<void()> show;
  };
  const std::string title(60, 'W');
  const std::vector<Case> cases = {
      {"#32770", [&] { MessageBoxA(main_->Handle(), "x", title.c_str(), MB_OK); }},
      {"TMessageForm", [] { ShowMessage("x"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    DialogProbe probe;
    probe.className = c.className;
    DialogProbe::current = &probe;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &DialogProbe::Tick);
    c.show();
    KillTimer(nullptr, timer);
    DialogProbe::current = nullptr;
    ASSERT_TRUE(probe.seen);
    EXPECT_EQ(probe.skinned, 1);
    EXPECT_GE(probe.width, WidenedDialogWidth(0, static_cast<int>(probe.text.size()), blank.cx, Expected(false), style));
    // The children moved right by half the widening: a centred button stays centred.
    EXPECT_LE(std::abs(probe.buttonOffCentre), 4);  // rounding of both centrings
  }
}

TEST_F(FormSkinning, ActivationRoundsAndSkinRoundsLeakNothing) {
  SetActive(false);
  SetActive(true);
  Switch(0);
  const GuiObjectCounts before = CountGuiObjects();
  for (int round = 0; round < 20; ++round) {
    SetActive(false);
    SetActive(true);
  }
  for (int round = 0; round < 20; ++round) Switch(round % kSkinCount);
  Switch(0);
  EXPECT_EQ(CountGuiObjects(), before);
}

}  // namespace
}  // namespace korvale::testing

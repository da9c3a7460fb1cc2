// The message pipeline: WindowProc hooks, window-procedure subclassing on top of the
// toolkit, reflection of notifications, graphic children, mouse enter/leave and double
// buffering.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "tests/support/WinTestSupport.h"
#include "tests/win/ToolkitTestForm.h"
#include "toolkit/Exception.h"
#include "toolkit/Frame.h"

namespace korvale::testing {
namespace {

// Records every message a control's WindowProc sees, then hands it to the saved procedure.
struct Recorder {
  TWndMethod saved;
  std::vector<TMessage> seen;
  void Hook(TMessage& message) {
    seen.push_back(message);
    saved(message);
  }
  bool Saw(UINT msg) const {
    return std::any_of(seen.begin(), seen.end(), [&](const TMessage& m) { return m.Msg == msg; });
  }
  const TMessage* First(UINT msg) const {
    for (const TMessage& m : seen)
      if (m.Msg == msg) return &m;
    return nullptr;
  }
};

class TPlainForm : public TForm {
 public:
  std::string ClassName() const override { return "TPlainForm"; }
  explicit TPlainForm(TComponent* owner) : TForm(owner) {
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBounds(60, 60, 0, 0);
    SetClientSize(300, 200);
    button = new TButton(this);
    button->SetParent(this);
    button->SetBounds(10, 10, 80, 25);
    button->SetCaption("Press");
    button->OnClick = TNotifyEvent(this, &TPlainForm::ButtonClick);
  }
  void ButtonClick(TObject*) { ++clicks; }
  TButton* button;
  int clicks = 0;
};

// A graphic control that paints itself red and counts clicks.
class TRedBox : public TGraphicControl {
 public:
  explicit TRedBox(TComponent* owner) : TGraphicControl(owner) {}
  std::string ClassName() const override { return "TRedBox"; }

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRect(ClientRect());
  }
};

// A windowed control of our own class that paints itself green.
class TGreenPanel : public TCustomControl {
 public:
  explicit TGreenPanel(TComponent* owner) : TCustomControl(owner) {}
  std::string ClassName() const override { return "TGreenPanel"; }

 protected:
  void Paint(TCanvas& canvas) override {
    canvas.Brush().SetColor(clLime);
    RECT r = ClientRect();
    InflateRect(&r, -2, -2);
    canvas.FillRect(r);
  }
};

class ToolkitPipeline : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(TForm::Create<TPlainForm>(static_cast<TComponent*>(nullptr)));
    form->Show();
    SetForegroundWindow(form->Handle());
    AppPump(80);
  }
  void TearDown() override { form.reset(); }
  std::unique_ptr<TPlainForm> form;
};

TEST_F(ToolkitPipeline, WindowProcHookSeesEveryMessageFirstAndIsRestoredExactly) {
  TButton* button = form->button;
  const TWndMethod original = button->WindowProc;
  EXPECT_TRUE(original == TWndMethod(static_cast<TControl*>(button), &TControl::WndProc));

  Recorder recorder;
  recorder.saved = button->WindowProc;
  button->WindowProc = TWndMethod(&recorder, &Recorder::Hook);
  EXPECT_FALSE(button->WindowProc == original);

  SendMessageA(button->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Hooked"));
  PostMessageA(button->Handle(), WM_APP + 5, 7, 9);
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  AppPump(50);
  EXPECT_EQ(button->Caption(), "Hooked");
  EXPECT_EQ(form->clicks, 1);
  EXPECT_TRUE(recorder.Saw(WM_SETTEXT));
  EXPECT_TRUE(recorder.Saw(WM_APP + 5));
  EXPECT_TRUE(recorder.Saw(BM_CLICK));
  // The reflected notification reaches the hook as CN_COMMAND with BN_CLICKED.
  const TMessage* reflected = recorder.First(CN_COMMAND);
  ASSERT_NE(reflected, nullptr);
  EXPECT_EQ(HIWORD(reflected->WParam), BN_CLICKED);
  EXPECT_EQ(reinterpret_cast<HWND>(reflected->LParam), button->Handle());

  button->WindowProc = recorder.saved;
  EXPECT_TRUE(button->WindowProc == original);
  const size_t count = recorder.seen.size();
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  AppPump(20);
  EXPECT_EQ(recorder.seen.size(), count);
  EXPECT_EQ(form->clicks, 2);
}

WNDPROC previousProc = nullptr;
int subclassCalls = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  ++subclassCalls;
  if (msg == WM_GETTEXT && wParam > 3) {
    // Proves the layer on top can change an answer and still chain to the toolkit.
    LRESULT r = CallWindowProcA(previousProc, window, msg, wParam, lParam);
    reinterpret_cast<char*>(lParam)[0] = '*';
    return r;
  }
  return CallWindowProcA(previousProc, window, msg, wParam, lParam);
}

LRESULT CALLBACK CountingSubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data) {
  ++*reinterpret_cast<int*>(data);
  return DefSubclassProc(window, msg, wParam, lParam);
}

TEST_F(ToolkitPipeline, WindowProcedureSubclassOnTopChainsAndUnchains) {
  HWND window = form->button->Handle();
  Recorder recorder;
  recorder.saved = form->button->WindowProc;
  form->button->WindowProc = TWndMethod(&recorder, &Recorder::Hook);

  const auto classProc = GetWindowLongPtrA(window, GWLP_WNDPROC);
  previousProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
  int subclassed = 0;
  ASSERT_TRUE(SetWindowSubclass(window, CountingSubclass, 1, reinterpret_cast<DWORD_PTR>(&subclassed)));

  SendMessageA(window, BM_CLICK, 0, 0);
  AppPump(30);
  EXPECT_EQ(form->clicks, 1);
  EXPECT_GT(subclassCalls, 0);
  EXPECT_GT(subclassed, 0);
  EXPECT_TRUE(recorder.Saw(BM_CLICK));
  EXPECT_EQ(TWinControl::FindControl(window), form->button);
  EXPECT_EQ(form->button->Caption(), "*ress");

  // Off in the reverse order: a GWLP_WNDPROC subclass can only unchain from the top.
  EXPECT_TRUE(RemoveWindowSubclass(window, CountingSubclass, 1));
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), classProc);
  form->button->WindowProc = recorder.saved;

  const int before = subclassCalls;
  SendMessageA(window, BM_CLICK, 0, 0);
  AppPump(30);
  EXPECT_EQ(form->clicks, 2);
  EXPECT_EQ(subclassCalls, before);
  EXPECT_EQ(form->button->Caption(), "Press");

  // A subclass left on at destruction does not stop the toolkit from unbinding its object.
  TButton* extra = new TButton(form.get());
  extra->SetParent(form.get());
  previousProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      extra->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
  delete extra;
  EXPECT_EQ(form->ControlCount(), 1);
}

TEST_F(ToolkitPipeline, GraphicChildGetsPaintAndMouseMessagesFromItsParent) {
  auto* box = new TRedBox(form.get());
  box->SetParent(form.get());
  box->SetBounds(120, 40, 40, 30);
  Recorder recorder;
  recorder.saved = box->WindowProc;
  box->WindowProc = TWndMethod(&recorder, &Recorder::Hook);
  struct Clicks {
    int count = 0;
    void Click(TObject*) { ++count; }
  } clicks;
  box->OnClick = TNotifyEvent(&clicks, &Clicks::Click);
  form->Repaint();
  AppPump(50);

  const TMessage* paint = recorder.First(WM_PAINT);
  ASSERT_NE(paint, nullptr);
  EXPECT_NE(paint->WParam, 0u);
  PixelBuffer pixels = CaptureWindow(form->Handle());
  EXPECT_EQ(pixels.At(125, 45), 0xFF0000u);
  EXPECT_EQ(pixels.At(159, 69), 0xFF0000u);
  EXPECT_NE(pixels.At(161, 45), 0xFF0000u);

  PostMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(130, 50));
  PostMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(130, 50));
  AppPump(30);
  EXPECT_EQ(clicks.count, 1);
  const TMessage* down = recorder.First(WM_LBUTTONDOWN);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(down->XPos(), 10);
  EXPECT_EQ(down->YPos(), 10);
  // A click beside it belongs to the form.
  PostMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 150));
  PostMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
  AppPump(30);
  EXPECT_EQ(clicks.count, 1);
  box->WindowProc = recorder.saved;
}

TEST_F(ToolkitPipeline, MouseEnterAndLeaveFollowThePointerOverWindowedAndGraphicControls) {
  auto* box = new TRedBox(form.get());
  box->SetParent(form.get());
  box->SetBounds(120, 40, 40, 30);
  Recorder boxLog, buttonLog;
  boxLog.saved = box->WindowProc;
  box->WindowProc = TWndMethod(&boxLog, &Recorder::Hook);
  buttonLog.saved = form->button->WindowProc;
  form->button->WindowProc = TWndMethod(&buttonLog, &Recorder::Hook);

  auto moveTo = [&](HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    // The real pointer goes there too, so that the moves the system makes of it agree.
    PlacePointer(p.x, p.y);
    AppPump(100);
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    AppPump(60);
  };
  moveTo(form->button->Handle(), 5, 5);
  EXPECT_TRUE(buttonLog.Saw(CM_MOUSEENTER));
  EXPECT_EQ(Application().MouseControl(), form->button);
  moveTo(form->Handle(), 130, 50);
  EXPECT_TRUE(buttonLog.Saw(CM_MOUSELEAVE));
  EXPECT_TRUE(boxLog.Saw(CM_MOUSEENTER));
  EXPECT_TRUE(box->MouseInControl());
  moveTo(form->Handle(), 250, 150);
  EXPECT_TRUE(boxLog.Saw(CM_MOUSELEAVE));
  EXPECT_FALSE(box->MouseInControl());
  EXPECT_EQ(Application().MouseControl(), form.get());
  box->WindowProc = boxLog.saved;
  form->button->WindowProc = buttonLog.saved;
  delete box;
  EXPECT_EQ(Application().MouseControl(), form.get());
}

TEST_F(ToolkitPipeline, DoubleBufferedControlPaintsThroughAnOffscreenBitmap) {
  auto* panel = new TGreenPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(20, 60, 100, 80);
  panel->SetColor(clBlue);
  panel->SetDoubleBuffered(true);
  Recorder recorder;
  recorder.saved = panel->WindowProc;
  panel->WindowProc = TWndMethod(&recorder, &Recorder::Hook);
  panel->Repaint();
  AppPump(50);
  // First the system's WM_PAINT, then the toolkit's own with the memory DC, erased there.
  std::vector<WPARAM> paints;
  for (const TMessage& m : recorder.seen)
    if (m.Msg == WM_PAINT) paints.push_back(m.WParam);
  ASSERT_GE(paints.size(), 2u);
  EXPECT_EQ(paints[0], 0u);
  EXPECT_NE(paints[1], 0u);
  const TMessage* erase = nullptr;
  for (const TMessage& m : recorder.seen)
    if (m.Msg == WM_ERASEBKGND && m.WParam == paints[1]) erase = &m;
  ASSERT_NE(erase, nullptr);
  EXPECT_EQ(static_cast<WPARAM>(erase->LParam), erase->WParam);
  PixelBuffer pixels = CaptureWindow(panel->Handle());
  EXPECT_EQ(pixels.At(0, 0), 0x0000FFu);
  EXPECT_EQ(pixels.At(50, 40), 0x00FF00u);
  panel->WindowProc = recorder.saved;
}

TEST_F(ToolkitPipeline, AFrameFollowsTheColourOfItsFormUntilGivenItsOwn) {
  auto* frame = new TFrame(form.get());
  frame->SetParent(form.get());
  for (TColor color : {clBlue, clBtnFace}) {
    form->SetColor(color);
    EXPECT_EQ(frame->Color(), color);
  }
  frame->SetColor(clRed);
  form->SetColor(clBlue);
  EXPECT_EQ(frame->Color(), clRed);
}

TEST_F(ToolkitPipeline, ControlsCreateTheirWindowsLazilyAndKeepStateAcrossRecreation) {
  auto* edit = new TEdit(form.get());
  edit->SetBounds(10, 150, 100, 21);
  edit->SetText("before");
  EXPECT_FALSE(edit->HandleAllocated());
  edit->SetParent(form.get());
  EXPECT_TRUE(edit->HandleAllocated());  // the parent has a window already
  auto* memo = new TMemo(form.get());
  memo->SetText("kept");
  EXPECT_FALSE(memo->HandleAllocated());
  memo->SetParent(form.get());
  memo->SetBounds(120, 150, 100, 40);
  SendMessageA(memo->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
  memo->SetScrollBars(TScrollStyle::ssVertical);  // recreates the window
  EXPECT_EQ(memo->Text(), "typed");
  EXPECT_TRUE(GetWindowLongA(memo->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(GetParent(memo->Handle()), form->Handle());
  EXPECT_EQ(edit->Text(), "before");
  EXPECT_EQ(memo->TabOrder(), 2);
  memo->SetTabOrder(0);
  EXPECT_EQ(memo->TabOrder(), 0);
  EXPECT_EQ(form->button->TabOrder(), 1);
}

TEST_F(ToolkitPipeline, ExceptionFromAHandlerGoesToTheApplication) {
  struct Thrower {
    void Click(TObject*) { throw Exception("Unable to write to x.ini"); }
    std::string reported;
    void Report(TObject*, const std::exception& e) { reported = e.what(); }
  } thrower;
  form->button->OnClick = TNotifyEvent(&thrower, &Thrower::Click);
  Application().OnException = TExceptionEvent(&thrower, &Thrower::Report);
  SendMessageA(form->button->Handle(), BM_CLICK, 0, 0);
  Application().OnException = TExceptionEvent();
  EXPECT_EQ(thrower.reported, "Unable to write to x.ini");
}

TEST_F(ToolkitPipeline, ApplicationHooksSeeItsWindowMessagesInOrder) {
  struct Hook {
    std::vector<int>* order;
    int id;
    bool consume;
    bool Run(TMessage& m) {
      if (m.Msg == WM_APP + 9) order->push_back(id);
      return consume && m.Msg == WM_APP + 9;
    }
  };
  std::vector<int> order;
  Hook first{&order, 1, false}, second{&order, 2, true}, third{&order, 3, false};
  Application().HookMainWindow(TWindowHook(&first, &Hook::Run));
  Application().HookMainWindow(TWindowHook(&second, &Hook::Run));
  Application().HookMainWindow(TWindowHook(&third, &Hook::Run));
  SendMessageA(Application().Handle(), WM_APP + 9, 0, 0);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  Application().UnhookMainWindow(TWindowHook(&second, &Hook::Run));
  SendMessageA(Application().Handle(), WM_APP + 9, 0, 0);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 1, 3}));
  Application().UnhookMainWindow(TWindowHook(&first, &Hook::Run));
  Application().UnhookMainWindow(TWindowHook(&third, &Hook::Run));
}

TEST_F(ToolkitPipeline, ModalFormReturnsTheButtonsModalResult) {
  class TAsk : public TForm {
   public:
    explicit TAsk(TComponent* owner) : TForm(owner) {
      SetBorderStyle(TFormBorderStyle::bsDialog);
      SetClientSize(200, 80);
      yes = new TButton(this);
      yes->SetParent(this);
      yes->SetCaption("Yes");
      yes->SetModalResult(mrYes);
    }
    TButton* yes;
  };
  std::unique_ptr<TAsk> ask(TForm::Create<TAsk>(static_cast<TComponent*>(nullptr)));
  static HWND yesButton;
  // Asking the child first creates the parent, which creates its children: one window each.
  yesButton = ask->yes->Handle();
  EXPECT_EQ(GetWindow(ask->Handle(), GW_CHILD), yesButton);
  EXPECT_EQ(GetWindow(yesButton, GW_HWNDNEXT), nullptr);

  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostMessageA(yesButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageA(yesButton, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  });
  EXPECT_EQ(ask->ShowModal(), mrYes);
  EXPECT_FALSE(ask->Visible());
  EXPECT_FALSE(IsWindowVisible(ask->Handle()));
}

}  // namespace
}  // namespace korvale::testing

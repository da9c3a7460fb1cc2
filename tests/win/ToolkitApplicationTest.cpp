// The application's loop and forms beyond the plain one: Run until the main form closes,
// MDI frames and children, icons, Release.
#include <gtest/gtest.h>

#include <memory>

#include "tests/win/ToolkitTestForm.h"
#include "toolkit/Screen.h"

namespace korvale::testing {
namespace {

class TMainLike : public TForm {
 public:
  std::string ClassName() const override { return "TMainLike"; }
  explicit TMainLike(TComponent* owner) : TForm(owner) {
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetClientSize(200, 100);
    OnCreate = TNotifyEvent(this, &TMainLike::Created);
    OnShow = TNotifyEvent(this, &TMainLike::Shown);
  }
  void Created(TObject*) { created = true; }
  void Shown(TObject*) { ++shown; }
  bool created = false;
  int shown = 0;
};

HWND mainWindow = nullptr;

TEST(ToolkitApplication, RunShowsTheMainFormAndEndsWhenItCloses) {
  TMainLike* form = Application().CreateForm<TMainLike>();
  ASSERT_EQ(Application().MainForm(), form);
  EXPECT_TRUE(form->created);
  EXPECT_EQ(form->Owner(), &Application());
  mainWindow = form->Handle();
  SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  });
  Application().Run();
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(form->shown, 1);
  EXPECT_TRUE(IsWindowVisible(Application().Handle()));
  Application().DestroyComponents();
  EXPECT_EQ(Application().MainForm(), nullptr);
  EXPECT_FALSE(IsWindow(mainWindow));
  Application().Initialize();
  Application().ShowTaskbarWindow(false);
}

TEST(ToolkitApplication, MdiChildrenLiveInTheFramesClientWindow) {
  class TFrame : public TForm {
   public:
    std::string ClassName() const override { return "TMdiFrame"; }
    explicit TFrame(TComponent* owner) : TForm(owner) { SetFormStyle(TFormStyle::fsMDIForm); }
  };
  class TChild : public TForm {
   public:
    std::string ClassName() const override { return "TMdiChild"; }
    explicit TChild(TComponent* owner) : TForm(owner) {
      SetFormStyle(TFormStyle::fsMDIChild);
      SetBounds(10, 10, 150, 100);
      SetCaption("Child");
    }
  };
  std::unique_ptr<TFrame> frame(TForm::Create<TFrame>(static_cast<TComponent*>(nullptr)));
  Application().SetMainForm(frame.get());
  frame->Show();
  HWND client = frame->ClientHandle();
  char name[32] = {};
  GetClassNameA(client, name, sizeof name);
  EXPECT_STREQ(name, "MDIClient");
  {
    std::unique_ptr<TChild> child(TForm::Create<TChild>(static_cast<TComponent*>(nullptr)));
    child->Show();
    AppPump(50);
    EXPECT_EQ(GetParent(child->Handle()), client);
    EXPECT_TRUE(GetWindowLongA(child->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), child->Handle());
    // Closing an MDI child minimizes it by default.
    SendMessageA(child->Handle(), WM_CLOSE, 0, 0);
    AppPump(30);
    EXPECT_TRUE(IsIconic(child->Handle()));
  }
  Application().SetMainForm(nullptr);
  frame.reset();
  AppPump(20);
}

TEST(ToolkitApplication, FormIconReleaseAndScreen) {
  auto* form = TForm::Create<TMainLike>(static_cast<TComponent*>(nullptr));
  form->Icon().SetHandle(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
  form->SetPosition(TPosition::poScreenCenter);
  form->Show();
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(form->Handle(), WM_GETICON, ICON_BIG, 0)),
            form->Icon().Handle());
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  EXPECT_NEAR((r.left + r.right) / 2, Screen().Width() / 2, 2);
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 100);
  EXPECT_FALSE(Screen().MenuFont().Name().empty());
  const int count = Screen().FormCount();
  EXPECT_EQ(Screen().Forms(count - 1), form);
  HWND window = form->Handle();
  form->Release();
  EXPECT_TRUE(IsWindow(window));
  AppPump(30);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Screen().FormCount(), count - 1);
}

}  // namespace
}  // namespace korvale::testing

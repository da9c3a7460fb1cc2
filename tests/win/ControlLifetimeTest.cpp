#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/WindowSubclass.h"

namespace korvale::testing {
namespace {

// A windowed child leaves its parent's lists while it is still a windowed control, so the
// parent's window can go after it without touching it again.
TEST(ControlLifetime, FormWithWindowedChildrenIsFreedAfterThem) {
  auto* form = TForm::Create<TForm>(&Application());
  auto* group = new TGroupBox(form);
  group->SetParent(form);
  auto* check = new TCheckBox(form);
  check->SetParent(group);
  auto* memo = new TMemo(form);
  memo->SetParent(form);
  form->HandleNeeded();
  delete check;
  EXPECT_EQ(group->ControlCount(), 0);
  delete form;  // frees the group and the memo through their parent and owner
  SUCCEED();
}

// A hook owned by the control it hooks, as a skinner is. What it finds when it goes is what a
// skinner's Unskin needs: the control still a windowed control, its window still there and
// still hooked.
class TOwnedHook : public TComponent {
 public:
  struct Found {
    bool controlWhole = false;
    bool windowHooked = false;
  };
  TOwnedHook(TWinControl* control, Found& found)
      : TComponent(control), control_(control), saved_(control->WindowProc), found_(found) {
    control->WindowProc = TWndMethod(this, &TOwnedHook::Hook);
    (void)subclass_.Attach(control->Handle(), TWndMethod(this, &TOwnedHook::WindowHook));
  }
  ~TOwnedHook() override {
    found_.controlWhole = dynamic_cast<TWinControl*>(static_cast<TComponent*>(control_)) != nullptr;
    found_.windowHooked = subclass_.Attached() && IsWindow(subclass_.Window());
    if (found_.controlWhole) control_->WindowProc = saved_;
  }

 private:
  void Hook(TMessage& message) { saved_(message); }
  void WindowHook(TMessage& message) { subclass_.CallNext(message); }
  TWinControl* control_;
  TWndMethod saved_;
  Found& found_;
  TWindowSubclass subclass_;
};

TEST(ControlLifetime, AnOwnedHookGoesWhileItsControlIsWhole) {
  for (const bool freeTheForm : {false, true}) {
    SCOPED_TRACE(freeTheForm ? "the form is freed" : "the control is freed");
    auto* form = TForm::Create<TForm>(&Application());
    auto* button = new TButton(form);
    button->SetParent(form);
    TOwnedHook::Found found;
    new TOwnedHook(button, found);
    if (freeTheForm) {
      delete form;
    } else {
      delete button;
      delete form;
    }
    EXPECT_TRUE(found.controlWhole);
    EXPECT_TRUE(found.windowHooked);
  }
}

// A handler that frees the form, by Release or Free, and then runs a nested message loop
// (as a process kill's wait, a menu or a modal dialog do): the form must outlive the handler.
TEST(ControlLifetime, AFormFreedInsideANestedLoopGoesWhenTheHandlerReturns) {
  constexpr UINT kAct = WM_APP + 7;
  struct Case {
    const char* name;
    bool inChild;  // the handler runs for the form's button rather than the form
    bool release;
  };
  const Case cases[] = {{"Release in the form's handler", false, true},
                        {"Free in the form's handler", false, false},
                        {"Release in a child's handler", true, true},
                        {"Free in a child's handler", true, false}};
  // Sets a flag when the form frees its components.
  struct TDeathFlag : TComponent {
    TDeathFlag(TComponent* owner, bool& flag) : TComponent(owner), flag_(flag) {}
    ~TDeathFlag() override { flag_ = true; }
    bool& flag_;
  };
  struct Handler {
    TForm* form = nullptr;
    bool release = false;
    bool* freed = nullptr;
    TWndMethod formSaved;
    TWndMethod targetSaved;
    bool sawRelease = false;
    bool freedInside = true;
    void FormProc(TMessage& message) {
      if (message.Msg == CM_RELEASE) sawRelease = true;
      formSaved(message);
    }
    void TargetProc(TMessage& message) {
      if (message.Msg != kAct) return targetSaved(message);
      if (release) {
        form->Release();
        (void)WaitFor([&] { return sawRelease || *freed; });
      } else {
        form->Free();
      }
      freedInside = *freed;
    }
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool freed = false;
    auto* form = TForm::Create<TForm>(&Application());
    new TDeathFlag(form, freed);
    auto* button = new TButton(form);
    button->SetParent(form);
    form->HandleNeeded();
    TWinControl* target = c.inChild ? static_cast<TWinControl*>(button) : form;
    Handler handler;
    handler.form = form;
    handler.release = c.release;
    handler.freed = &freed;
    handler.formSaved = form->WindowProc;
    form->WindowProc = TWndMethod(&handler, &Handler::FormProc);
    handler.targetSaved = target->WindowProc;
    target->WindowProc = TWndMethod(&handler, &Handler::TargetProc);
    SendMessageA(target->Handle(), kAct, 0, 0);
    EXPECT_TRUE(handler.sawRelease || !c.release);
    EXPECT_FALSE(handler.freedInside);
    EXPECT_TRUE(freed);
  }
}
}  // namespace
}  // namespace korvale::testing

// The log view on a real memo: status lines in front, the text bounded, what falls off in
// the file of old lines, the log file following the view, typing past the edit control's
// default limit, and one error box however often a handler fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/StatusLogView.h"
#include "core/StringList.h"
#include "tests/support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Exception.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"

namespace korvale::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  TStringList list;
  list.SetText(text);
  return {list.begin(), list.end()};
}

class StatusLog : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TForm::Create<TForm>(&Application());
    memo_ = new TMemo(form_);
    memo_->SetParent(form_);
    memo_->SetBounds(8, 8, 393, 137);
    memo_->SetScrollBars(TScrollStyle::ssVertical);
    logging_ = new TCheckBox(form_);
    logging_->SetParent(form_);
    logging_->SetChecked(true);
    view_ = std::make_unique<StatusLogView>(*memo_, *logging_, folder_.Path());
    memo_->OnChange = TNotifyEvent(this, &StatusLog::MemoChanged);
  }
  void TearDown() override {
    view_.reset();
    delete form_;
  }
  void MemoChanged(TObject*) { view_->ViewChanged(); }
  void Type(char key) { SendMessageA(memo_->Handle(), WM_CHAR, static_cast<WPARAM>(key), 1); }

  TempFolder folder_{"korvale-log"};
  TForm* form_ = nullptr;
  TMemo* memo_ = nullptr;
  TCheckBox* logging_ = nullptr;
  std::unique_ptr<StatusLogView> view_;
};

TEST_F(StatusLog, KeepsTheViewBoundedTheFileEqualAndEveryLineInOrderAcrossBothFiles) {
  Type('x');
  view_->AddLine("first status line");
  Type('y');
  ASSERT_EQ(memo_->Text(), "first status line\r\nxy") << "typing goes on where the caret was";

  std::vector<std::string> written = {"xy", "first status line"};
  for (int i = 0; written.size() < 2000; ++i) {
    written.push_back("[08.12.2026 13:00:00]Status: Map Server is Restarting. " + std::to_string(i));
    view_->AddLine(written.back());
  }
  const std::string shown = memo_->Text();
  EXPECT_LE(shown.size(), kLogLimit);
  EXPECT_GT(shown.size(), kLogLimit - 100) << "the view fills up to its limit";
  ASSERT_TRUE(WaitFor([&] { return ReadFile(folder_.File("korvale.log")) == shown; }))
      << "the log file follows the view within a second";

  std::vector<std::string> all = Lines(ReadFile(folder_.File(kOldLogFileName)));
  const std::vector<std::string> kept = Lines(shown);
  all.insert(all.end(), kept.rbegin(), kept.rend());
  EXPECT_EQ(all, written);
}

TEST_F(StatusLog, TypingGoesOnPastThirtyThousandCharacters) {
  std::string text;
  while (text.size() < 30000) text += std::string(58, 'a') + "\r\n";
  memo_->SetText(text);
  SendMessageA(memo_->Handle(), EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
  Type('b');
  Type('c');
  EXPECT_EQ(memo_->Text().substr(text.size()), "bc");
}

// A timer handler that fails on every tick while the first error box is open.
struct FailingTicks {
  void Tick(TObject*) {
    ++ticks;
    throw Exception("The disk is full");
  }
  int ticks = 0;
};

int ErrorBoxes() {
  int boxes = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM count) {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "#32770" && IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

struct BoxWatch {
  FailingTicks* failing = nullptr;
  TTimer* timer = nullptr;
  int mostBoxes = 0;
  int ticksWhileOpen = -1;
};
BoxWatch* watch = nullptr;

// Runs inside the error box's modal loop: counts the boxes, and once the failing timer has
// ticked a few times with the box open, stops it and answers every box.
void CALLBACK WatchBoxes(HWND, UINT, UINT_PTR id, DWORD) {
  const int boxes = ErrorBoxes();
  watch->mostBoxes = std::max(watch->mostBoxes, boxes);
  if (boxes == 0) return;
  if (watch->ticksWhileOpen < 0) watch->ticksWhileOpen = watch->failing->ticks;
  if (watch->failing->ticks < watch->ticksWhileOpen + 5) return;
  KillTimer(nullptr, id);
  watch->timer->SetEnabled(false);
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "#32770") PostMessageA(window, WM_COMMAND, IDOK, 0);
        return TRUE;
      },
      0);
}

TEST(ErrorBox, AHandlerThatFailsOnEveryTickOpensOneBoxAtATime) {
  FailingTicks failing;
  TTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetOnTimer(TNotifyEvent(&failing, &FailingTicks::Tick));
  BoxWatch seen{&failing, &timer};
  watch = &seen;
  SetTimer(nullptr, 0, 30, WatchBoxes);
  EXPECT_TRUE(WaitFor([&] { return !timer.Enabled() && ErrorBoxes() == 0; }));
  watch = nullptr;
  EXPECT_EQ(seen.mostBoxes, 1);
  EXPECT_GE(failing.ticks, seen.ticksWhileOpen + 5) << "the timer goes on while the box is open";
}

}  // namespace
}  // namespace korvale::testing

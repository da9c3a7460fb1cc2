#include "app/StatusLogView.h"

#include <windows.h>

#include "app/ManagerSettings.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Exception.h"
#include "toolkit/Timer.h"

namespace korvale {

namespace {

// Writes text to the file opened with this access and disposition; a file that cannot be
// opened or written raises the toolkit's error.
void WriteToFile(const std::string& path, const std::string& text, DWORD access,
                 DWORD disposition) {
  HANDLE file = CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw Exception("Cannot create file \"" + path + "\"");
  DWORD written = 0;
  const BOOL ok = text.empty() || WriteFile(file, text.data(), static_cast<DWORD>(text.size()),
                                            &written, nullptr);
  CloseHandle(file);
  if (!ok || written != text.size()) throw Exception("Unable to write to " + path);
}

class FolderLogFiles final : public LogFiles {
 public:
  explicit FolderLogFiles(const std::string& folder)
      : current_(folder + "\\" + kLogFileName), old_(folder + "\\" + kOldLogFileName) {}

  void AppendOld(const std::string& lines) override {
    WriteToFile(old_, lines, FILE_APPEND_DATA, OPEN_ALWAYS);
  }
  void RewriteCurrent(const std::string& text) override {
    WriteToFile(current_, text, GENERIC_WRITE, CREATE_ALWAYS);
  }

 private:
  std::string current_;
  std::string old_;
};

std::int64_t NowMs() { return static_cast<std::int64_t>(GetTickCount64()); }

// Marks the memo's changes while it lasts as this object's own.
class EditingScope {
 public:
  explicit EditingScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~EditingScope() { flag_ = false; }
  EditingScope(const EditingScope&) = delete;
  EditingScope& operator=(const EditingScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

StatusLogView::StatusLogView(TMemo& memo, TCheckBox& logging, const std::string& folder)
    : memo_(memo),
      logging_(logging),
      files_(std::make_unique<FolderLogFiles>(folder)),
      writer_(*files_, kLogWritePeriodMs),
      timer_(std::make_unique<TTimer>(nullptr)) {
  timer_->SetEnabled(false);
  timer_->SetOnTimer(TNotifyEvent(this, &StatusLogView::WriteTimerFired));
  model_.Assign(memo_.Text());
}

StatusLogView::~StatusLogView() {
  if (!writer_.Waiting() || !logging_.Checked()) return;
  try {
    writer_.Write(model_.FileText(), NowMs());
  } catch (const std::exception&) {
    // The program is ending and no window is left to show the error; the lines are still
    // in the file of old lines or were shown until now.
  }
}

void StatusLogView::AddLine(const std::string& line) {
  const int before = static_cast<int>(model_.Size());
  model_.Prepend(line);
  // The end is cut first, so the view is left scrolled to the new line at the top.
  const int kept = static_cast<int>(model_.Size()) - static_cast<int>(line.size()) - 2;
  {
    const EditingScope editing(editing_);
    if (kept < before) memo_.ReplaceRange(kept, before, "");
    memo_.ReplaceRange(0, 0, line + "\r\n");
  }
  LogChanged();
}

void StatusLogView::ViewChanged() {
  if (editing_) return;
  model_.Assign(memo_.Text());
  TrimView(memo_.TextLength());
  LogChanged();
}

void StatusLogView::TrimView(int viewLength) {
  const int kept = static_cast<int>(model_.Size());
  if (kept >= viewLength) return;
  const EditingScope editing(editing_);
  memo_.ReplaceRange(kept, viewLength, "");
}

void StatusLogView::LogChanged() {
  const std::string fallen = model_.TakeFallen();
  // With logging off the files are not touched; what the view still shows reaches the file
  // with the next change after logging is on again.
  if (!logging_.Checked()) return;
  writer_.Retire(fallen);
  writer_.Changed();
  WriteWhenDue();
}

void StatusLogView::WriteWhenDue() {
  const std::int64_t now = NowMs();
  const std::int64_t due = writer_.DueIn(now).value_or(0);
  if (due == 0) return writer_.Write(model_.FileText(), now);
  if (timer_->Enabled()) return;
  timer_->SetInterval(static_cast<unsigned>(due));
  timer_->SetEnabled(true);
}

void StatusLogView::WriteTimerFired(TObject*) {
  timer_->SetEnabled(false);
  if (writer_.Waiting() && logging_.Checked()) WriteWhenDue();
}

}  // namespace korvale

#pragma once

// The log view and its files. Status lines go in front of the memo's text without rewriting
// it; the text keeps to the newest kLogLimit bytes, and the lines that fall off the end are
// appended to korvale.old.log, so that file reads oldest first and nothing is lost;
// korvale.log follows the view while logging is on, at once after a quiet second and at
// most once a second during a burst. A file that cannot be written is reported once, and
// again only after a write has succeeded.
#include <memory>
#include <string>

#include "core/BoundedLog.h"
#include "core/LogFileWriter.h"
#include "core/Supervision.h"
#include "toolkit/Event.h"

namespace korvale {

class TCheckBox;
class TMemo;
class TTimer;

inline constexpr char kOldLogFileName[] = "korvale.old.log";

class StatusLogView final : public LogText {
 public:
  StatusLogView(TMemo& memo, TCheckBox& logging, const std::string& folder);
  // Writes a change that still waits, so the file equals the view at the end.
  ~StatusLogView() override;

  void AddLine(const std::string& line) override;
  // The memo's text changed: typed by hand, or set by code other than AddLine.
  void ViewChanged();

 private:
  // The view's text changed to what the model holds; the files follow while logging is on.
  void LogChanged();
  // Cuts the view's end where the model's text ends.
  void TrimView(int viewLength);
  // Writes the files now if the writer allows, else sets the timer for when it will.
  void WriteWhenDue();
  void WriteTimerFired(TObject* sender);

  TMemo& memo_;
  TCheckBox& logging_;
  BoundedLog model_{kLogLimit};
  std::unique_ptr<LogFiles> files_;
  LogFileWriter writer_;
  std::unique_ptr<TTimer> timer_;
  // Set while this object edits the memo, whose change notices it then ignores.
  bool editing_ = false;
};

}  // namespace korvale

#pragma once

// Text fields on the system "EDIT" class: TEdit (one line) and TMemo (many lines).
// OnChange follows every change of the text, typed or set by code.
#include <string>
#include <vector>

#include "toolkit/WinControl.h"

namespace korvale {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  std::string ClassName() const override { return "TCustomEdit"; }

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // The most characters typing may enter; 0 lifts the limit (the system's default of
  // 30,000 included).
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);
  void SelectAll();
  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;
  void TextChanged() override;
  virtual void Change();

 private:
  bool readOnly_ = false;
  int maxLength_ = 0;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
  std::string ClassName() const override { return "TEdit"; }
};

class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* owner);
  std::string ClassName() const override { return "TMemo"; }

  // The text split into lines at CR LF.
  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);
  void AddLine(const std::string& line);
  // Characters of the text, without reading it.
  int TextLength();
  // Replaces characters start..end with text, keeping the user's selection on the characters
  // it was on: a change at one end costs what that end costs, not a rewrite of the whole text.
  void ReplaceRange(int start, int end, const std::string& text);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool want) { wantTabs_ = want; }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void TextChanged() override;

 private:
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wordWrap_ = true;
  bool wantTabs_ = false;
};

}  // namespace korvale

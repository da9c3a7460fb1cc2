#include "toolkit/Edit.h"

namespace korvale {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  width_ = 121;
  height_ = 21;
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = "EDIT";
  params.exStyle |= WS_EX_CLIENTEDGE;
  params.style |= ES_AUTOHSCROLL;
  if (readOnly_) params.style |= ES_READONLY;
}

void TCustomEdit::InitializeHandle() {
  SendMessageA(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (HandleAllocated()) SendMessageA(handle_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TCustomEdit::SetMaxLength(int length) {
  maxLength_ = length;
  if (HandleAllocated()) SendMessageA(handle_, EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) SendMessageA(handle_, EM_SETSEL, 0, -1);
}

// With a window, EN_CHANGE reports the change; without one, nothing else would.
void TCustomEdit::TextChanged() {
  if (!HandleAllocated()) Change();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (HIWORD(message.WParam) == EN_CHANGE) Change();
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
  width_ = 185;
  height_ = 89;
}

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  params.style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (!wordWrap_ || scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth)
    params.style |= ES_AUTOHSCROLL;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth)
    params.style |= WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth)
    params.style |= WS_HSCROLL;
}

void TMemo::SetScrollBars(TScrollStyle style) {
  if (style == scrollBars_) return;
  scrollBars_ = style;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  wordWrap_ = wrap;
  RecreateWnd();
}

// A multi-line edit reports no EN_CHANGE for text set by code, so the change is raised here.
void TMemo::TextChanged() { Change(); }

void TMemo::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    TCustomEdit::WndProc(message);
    if (!wantTabs_) message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
    return;
  }
  TCustomEdit::WndProc(message);
}

std::vector<std::string> TMemo::Lines() const {
  std::vector<std::string> lines;
  const std::string text = Caption();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  SetCaption(text);
}

int TMemo::TextLength() { return static_cast<int>(SendMessageA(Handle(), WM_GETTEXTLENGTH, 0, 0)); }

void TMemo::ReplaceRange(int start, int end, const std::string& text) {
  const HWND window = Handle();
  DWORD selStart = 0;
  DWORD selEnd = 0;
  SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
  SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(start), end);
  SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  const auto follow = [&](DWORD position) -> DWORD {
    const auto p = static_cast<long long>(position);
    if (p >= end) return static_cast<DWORD>(p - (end - start) + static_cast<long long>(text.size()));
    return static_cast<DWORD>(p < start ? p : start);
  };
  SendMessageA(window, EM_SETSEL, follow(selStart), static_cast<LPARAM>(follow(selEnd)));
}

void TMemo::AddLine(const std::string& line) {
  std::vector<std::string> lines = Lines();
  lines.push_back(line);
  SetLines(lines);
}

}  // namespace korvale

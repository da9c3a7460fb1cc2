#include "toolkit/SpinEdit.h"

#include <commctrl.h>

#include <charconv>
#include <climits>
#include <string>

namespace korvale {

namespace {

constexpr int kButtonWidth = 15;

}  // namespace

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
  width_ = 121;
  height_ = 22;
  caption_ = "0";
}

void TSpinEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

void TSpinEdit::InitializeHandle() {
  TCustomEdit::InitializeHandle();
  button_ = CreateWindowExA(0, UPDOWN_CLASSA, nullptr, WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS, 0, 0,
                            kButtonWidth, 10, handle_, nullptr, GetModuleHandleA(nullptr), nullptr);
  // A wide range keeps the button's own position away from its ends; the toolkit never
  // reads that position.
  SendMessageA(button_, UDM_SETRANGE32, static_cast<WPARAM>(-1000000), 1000000);
  PlaceButton();
}

void TSpinEdit::PlaceButton() {
  if (!button_) return;
  RECT r{};
  GetClientRect(handle_, &r);
  SetWindowPos(button_, nullptr, r.right - kButtonWidth, 0, kButtonWidth, r.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(handle_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, kButtonWidth + 1));
}

int TSpinEdit::CheckValue(int value) const {
  if (minValue_ == 0 && maxValue_ == 0) return value;
  if (value < minValue_) return minValue_;
  if (value > maxValue_) return maxValue_;
  return value;
}

int TSpinEdit::Value() const {
  const std::string text = Caption();
  int value = 0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  while (begin < end && *begin == ' ') ++begin;
  while (end > begin && end[-1] == ' ') --end;
  if (begin < end && *begin == '+') ++begin;
  auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end || begin == end) return 0;
  return value;
}

void TSpinEdit::SetValue(int value) { SetCaption(std::to_string(CheckValue(value))); }

void TSpinEdit::Step(int direction) {
  if (ReadOnly()) return;
  const long long next = static_cast<long long>(Value()) + static_cast<long long>(direction) * increment_;
  const int clamped = next > INT_MAX ? INT_MAX : next < INT_MIN ? INT_MIN : static_cast<int>(next);
  SetValue(clamped);
}

void TSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (header->hwndFrom == button_ && header->code == static_cast<UINT>(UDN_DELTAPOS)) {
        const auto* delta = reinterpret_cast<const NMUPDOWN*>(message.LParam);
        Step(delta->iDelta > 0 ? 1 : -1);
        message.Result = 1;  // the button keeps its own position
        return;
      }
      break;
    }
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(message.LParam) == button_) {
        message.Result = 0;
        return;
      }
      break;
    case WM_KEYDOWN:
      if (message.WParam == VK_UP || message.WParam == VK_DOWN) {
        Step(message.WParam == VK_UP ? 1 : -1);
        message.Result = 0;
        return;
      }
      break;
    case WM_SIZE:
      TCustomEdit::WndProc(message);
      PlaceButton();
      return;
    case WM_NCDESTROY:
      button_ = nullptr;
      break;
    case CM_EXIT: {
      const std::string text = Caption();
      if (!text.empty() && std::to_string(CheckValue(Value())) != text && (minValue_ || maxValue_))
        SetValue(Value());
      break;
    }
    default:
      break;
  }
  TCustomEdit::WndProc(message);
}

}  // namespace korvale

#include "tests/support/MessageSequence.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <utility>

namespace korvale::testing {

namespace {

constexpr std::pair<UINT, const char*> kNames[] = {
    {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"},
    {WM_SIZE, "WM_SIZE"}, {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"},
    {WM_KILLFOCUS, "WM_KILLFOCUS"}, {WM_ENABLE, "WM_ENABLE"}, {WM_SETTEXT, "WM_SETTEXT"},
    {WM_GETTEXT, "WM_GETTEXT"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"},
    {WM_ERASEBKGND, "WM_ERASEBKGND"}, {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
    {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"}, {WM_CANCELMODE, "WM_CANCELMODE"},
    {WM_SETCURSOR, "WM_SETCURSOR"}, {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
    {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"}, {WM_DRAWITEM, "WM_DRAWITEM"},
    {WM_MEASUREITEM, "WM_MEASUREITEM"}, {WM_SETFONT, "WM_SETFONT"},
    {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"}, {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
    {WM_NOTIFY, "WM_NOTIFY"}, {WM_CONTEXTMENU, "WM_CONTEXTMENU"}, {WM_GETICON, "WM_GETICON"},
    {WM_NCCREATE, "WM_NCCREATE"}, {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
    {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_NCPAINT, "WM_NCPAINT"}, {WM_NCACTIVATE, "WM_NCACTIVATE"},
    {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"}, {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
    {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"}, {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
    {WM_NCRBUTTONDOWN, "WM_NCRBUTTONDOWN"}, {WM_NCRBUTTONUP, "WM_NCRBUTTONUP"},
    {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"},
    {WM_INITDIALOG, "WM_INITDIALOG"}, {WM_COMMAND, "WM_COMMAND"}, {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
    {WM_TIMER, "WM_TIMER"}, {WM_INITMENU, "WM_INITMENU"}, {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
    {WM_MENUSELECT, "WM_MENUSELECT"}, {WM_ENTERIDLE, "WM_ENTERIDLE"},
    {WM_UNINITMENUPOPUP, "WM_UNINITMENUPOPUP"}, {WM_CTLCOLORBTN, "WM_CTLCOLORBTN"},
    {WM_CTLCOLORDLG, "WM_CTLCOLORDLG"}, {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
    {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
    {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"},
    {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"}, {WM_ENTERMENULOOP, "WM_ENTERMENULOOP"},
    {WM_EXITMENULOOP, "WM_EXITMENULOOP"}, {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
    {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"}, {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
    {WM_MOUSEHOVER, "WM_MOUSEHOVER"}, {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
    {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"}, {WM_PRINT, "WM_PRINT"}, {WM_PRINTCLIENT, "WM_PRINTCLIENT"},
};

const char* SourceName(MessageSource source) {
  switch (source) {
    case MessageSource::kSent: return "sent";
    case MessageSource::kPosted: return "posted";
    case MessageSource::kReturned: return "returned";
  }
  return "?";
}

std::string Hex(unsigned long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llx", value);
  return text;
}

bool Fits(const RecordedMessage& r, const ExpectedMessage& e) {
  if (r.message != e.message) return false;
  if ((e.flags & kWParam) && r.wParam != e.wParam) return false;
  if ((e.flags & kLParam) && r.lParam != e.lParam) return false;
  const unsigned sources = e.flags & (kSent | kPosted | kReturned);
  const unsigned source = r.source == MessageSource::kSent     ? kSent
                          : r.source == MessageSource::kPosted ? kPosted
                                                               : kReturned;
  return sources == 0 || (sources & source) != 0;
}

std::string Describe(const RecordedMessage& r) {
  return MessageName(r.message) + " " + SourceName(r.source) + " w=" + Hex(r.wParam) +
         " l=" + Hex(static_cast<unsigned long long>(r.lParam)) + " hwnd=" +
         Hex(reinterpret_cast<ULONG_PTR>(r.window));
}

std::string Describe(const ExpectedMessage& e) {
  std::string text = MessageName(e.message);
  if (e.flags & kSent) text += " sent";
  if (e.flags & kPosted) text += " posted";
  if (e.flags & kReturned) text += " returned";
  if (e.flags & kWParam) text += " w=" + Hex(e.wParam);
  if (e.flags & kLParam) text += " l=" + Hex(static_cast<unsigned long long>(e.lParam));
  if (e.flags & kOptional) text += " (optional)";
  return text;
}

template <typename Entry>
void List(std::ostringstream& out, const char* title, const std::vector<Entry>& entries) {
  out << title << " (" << entries.size() << "):\n";
  for (size_t i = 0; i < entries.size(); ++i) out << "  " << i << ": " << Describe(entries[i]) << "\n";
}

}  // namespace

std::string MessageName(UINT message) {
  for (const auto& [value, name] : kNames) {
    if (value == message) return name;
  }
  return Hex(message);
}

::testing::AssertionResult MatchesSequence(const std::vector<RecordedMessage>& received,
                                           const std::vector<ExpectedMessage>& expected,
                                           const std::vector<UINT>& ignored) {
  std::vector<RecordedMessage> kept;
  std::copy_if(received.begin(), received.end(), std::back_inserter(kept), [&](const RecordedMessage& r) {
    return std::find(ignored.begin(), ignored.end(), r.message) == ignored.end();
  });
  // reach[i][j]: the first i kept messages match the first j expected entries. Optional
  // entries may be matched or passed over, so every way through is tried.
  const size_t rows = kept.size() + 1;
  const size_t columns = expected.size() + 1;
  std::vector<char> reach(rows * columns, 0);
  reach[0] = 1;
  size_t furthest = 0;
  size_t furthestExpected = 0;
  for (size_t i = 0; i < rows; ++i) {
    for (size_t j = 0; j < columns; ++j) {
      if (!reach[i * columns + j]) continue;
      if (i > furthest || (i == furthest && j > furthestExpected)) {
        furthest = i;
        furthestExpected = j;
      }
      if (j == expected.size()) continue;
      if (expected[j].flags & kOptional) reach[i * columns + j + 1] = 1;
      if (i < kept.size() && Fits(kept[i], expected[j])) reach[(i + 1) * columns + j + 1] = 1;
    }
  }
  if (reach.back()) return ::testing::AssertionSuccess();

  std::ostringstream out;
  out << "the messages differ after " << furthest << " received message(s): ";
  if (furthest == kept.size()) {
    out << "missing " << Describe(expected[furthestExpected]) << "\n";
  } else if (furthestExpected == expected.size()) {
    out << "unexpected " << Describe(kept[furthest]) << "\n";
  } else {
    out << "expected " << Describe(expected[furthestExpected]) << ", received "
        << Describe(kept[furthest]) << "\n";
  }
  List(out, "expected", expected);
  List(out, "received (ignored messages left out)", kept);
  return ::testing::AssertionFailure() << out.str();
}

::testing::AssertionResult MatchesListed(const std::vector<RecordedMessage>& received,
                                         const std::vector<ExpectedMessage>& expected) {
  std::vector<UINT> ignored;
  for (const RecordedMessage& r : received) {
    const bool named = std::any_of(expected.begin(), expected.end(),
                                   [&](const ExpectedMessage& e) { return e.message == r.message; });
    if (!named) ignored.push_back(r.message);
  }
  return MatchesSequence(received, expected, ignored);
}

}  // namespace korvale::testing

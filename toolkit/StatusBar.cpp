#include "toolkit/StatusBar.h"

#include <commctrl.h>

namespace korvale {

namespace {

WPARAM BevelFlags(TStatusPanelBevel bevel) {
  switch (bevel) {
    case TStatusPanelBevel::pbNone: return SBT_NOBORDERS;
    case TStatusPanelBevel::pbRaised: return SBT_POPOUT;
    case TStatusPanelBevel::pbLowered: break;
  }
  return 0;
}

}  // namespace

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  width_ = 200;
  height_ = 19;
}

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = STATUSCLASSNAMEA;
  params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (sizeGrip_) params.style |= SBARS_SIZEGRIP;
}

void TStatusBar::InitializeHandle() { SendPanels(); }

void TStatusBar::SendPanels() {
  if (!HandleAllocated()) return;
  SendMessageA(handle_, SB_SIMPLE, simplePanel_, 0);
  SendMessageA(handle_, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
  std::vector<int> edges;
  int right = 0;
  for (const TStatusPanel& panel : panels_) edges.push_back(right += panel.Width);
  SendMessageA(handle_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < panels_.size(); ++i)
    SendMessageA(handle_, SB_SETTEXTA, i | BevelFlags(panels_[i].Bevel), reinterpret_cast<LPARAM>(panels_[i].Text.c_str()));
}

void TStatusBar::SetPanels(std::vector<TStatusPanel> panels) {
  panels_ = std::move(panels);
  SendPanels();
}

void TStatusBar::SetSimplePanel(bool simple) {
  simplePanel_ = simple;
  SendPanels();
}

void TStatusBar::SetSimpleText(const std::string& text) {
  simpleText_ = text;
  SendPanels();
}

void TStatusBar::SetSizeGrip(bool grip) {
  if (grip == sizeGrip_) return;
  sizeGrip_ = grip;
  RecreateWnd();
}

}  // namespace korvale

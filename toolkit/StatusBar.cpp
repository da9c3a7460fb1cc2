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

void TStatusBar::Loaded() {
  TWinControl::Loaded();
  SendPanels();
}

std::vector<TStatusPanel> TStatusBar::Panels() const {
  std::vector<TStatusPanel> panels;
  for (int i = 0; i < panels_.Count(); ++i) panels.push_back(static_cast<TStatusPanelItem*>(panels_.Items(i))->Panel);
  return panels;
}

void TStatusBar::SendPanels() {
  if (!HandleAllocated()) return;
  SendMessageA(handle_, SB_SIMPLE, simplePanel_, 0);
  SendMessageA(handle_, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
  const std::vector<TStatusPanel> panels = Panels();
  std::vector<int> edges;
  int right = 0;
  for (const TStatusPanel& panel : panels) edges.push_back(right += panel.Width);
  SendMessageA(handle_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < panels.size(); ++i)
    SendMessageA(handle_, SB_SETTEXTA, i | BevelFlags(panels[i].Bevel), reinterpret_cast<LPARAM>(panels[i].Text.c_str()));
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

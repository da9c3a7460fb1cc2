#pragma once

// TStatusBar: the common-controls status bar with panels (text, width, alignment, bevel), a
// simple mode with one text, and an optional size grip. The toolkit places it; the system's
// own alignment to the parent's edge is off.
#include <string>
#include <vector>

#include "toolkit/WinControl.h"

namespace korvale {

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };

struct TStatusPanel {
  std::string Text;
  int Width = 50;
  UINT Alignment = DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
  TStatusPanelBevel Bevel = TStatusPanelBevel::pbLowered;
  bool RightToLeft = false;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);
  std::string ClassName() const override { return "TStatusBar"; }

  const std::vector<TStatusPanel>& Panels() const { return panels_; }
  void SetPanels(std::vector<TStatusPanel> panels);
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool simple);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool grip);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  void SendPanels();

  std::vector<TStatusPanel> panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
};

}  // namespace korvale

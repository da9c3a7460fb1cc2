#pragma once

// TStatusBar: the common-controls status bar with panels (text, width, alignment, bevel), a
// simple mode with one text, and an optional size grip. The toolkit places it; the system's
// own alignment to the parent's edge is off.
#include <string>
#include <vector>

#include "toolkit/Collection.h"
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

// One panel as the form description stores it, an item of the status bar's Panels.
class TStatusPanelItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  std::string ClassName() const override { return "TStatusPanel"; }
  TStatusPanel Panel;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);
  std::string ClassName() const override { return "TStatusBar"; }

  std::vector<TStatusPanel> Panels() const;
  TCollection& PanelItems() { return panels_; }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool simple);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool grip);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;
  // The form reader fills the panels item by item; the window learns them once, here.
  void Loaded() override;

 private:
  void SendPanels();

  TCollection panels_{this, TCollection::FactoryOf<TStatusPanelItem>()};
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
};

}  // namespace korvale

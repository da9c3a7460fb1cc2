#pragma once

// TTabControl: the common-controls tab control on its own (no pages), its tabs on any side.
#include <string>
#include <vector>

#include "toolkit/WinControl.h"

namespace korvale {

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

class TTabControl : public TWinControl {
 public:
  explicit TTabControl(TComponent* owner);
  std::string ClassName() const override { return "TTabControl"; }

  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition position);
  const std::vector<std::string>& Tabs() const { return tabs_; }
  void AddTab(const std::string& text);
  void SetTabs(const std::vector<std::string>& tabs);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  TTabPosition tabPosition_ = TTabPosition::tpTop;
  std::vector<std::string> tabs_;
};

}  // namespace korvale

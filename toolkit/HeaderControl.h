#pragma once

// THeaderControl: the common-controls header on its own, a row of sections with text and
// width. Its sections are buttons and it tracks the hot section; the system does both.
#include <string>

#include "toolkit/ColumnItem.h"
#include "toolkit/WinControl.h"

namespace korvale {

class THeaderControl : public TWinControl, public TColumnOwner {
 public:
  explicit THeaderControl(TComponent* owner);
  std::string ClassName() const override { return "THeaderControl"; }

  TCollection& Sections() { return sections_; }
  TColumnItem& Section(int index) const { return static_cast<TColumnItem&>(*sections_.Items(index)); }
  TColumnItem& AddSection(const std::string& text, int width);

  void ColumnChanged(int index) override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  TCollection sections_{this, TCollection::FactoryOf<THeaderSection>()};
};

}  // namespace korvale

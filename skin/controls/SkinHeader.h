#pragma once

// The header skinner: every section nine-sliced from the Headerbar element with its icon and
// text, and the part right of the last section from the element's first frame. Sections that
// act as buttons show the hot frame under the pointer and the pressed frame while held.
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinHeader : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinHeader"; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // After the header's own handling of a mouse message: which section is hot and which held.
  void FollowPointer(const TMessage& message);
  int SectionFrame(int index) const;

  // The section under the pointer, and the one held down; -1 for none.
  int FHotItem = -1;
  int FPressedItem = -1;
};

}  // namespace korvale

#include "skin/controls/ControlDispatch.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <exception>
#include <string_view>

#include "core/AsciiText.h"
#include "core/Skin3rdMapping.h"
#include "skin/controls/PublishedEnum.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinSizer.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/data/SkinData.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Frame.h"
#include "toolkit/Grids.h"
#include "toolkit/GroupBox.h"
#include "toolkit/HeaderControl.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panel.h"
#include "toolkit/RadioButton.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/ScrollBox.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/ToolBar.h"
#include "toolkit/TreeView.h"

namespace korvale {

namespace {

// What a row looks at.
struct Candidate {
  TComponent& ctl;
  std::string name;  // the class name, upper-cased
  TSkinControlSet set;
  bool tabs;         // the skin has a Tabs element
  bool Has(TSkinControlType member) const { return set.Contains(member); }
  bool Named(std::initializer_list<std::string_view> names) const {
    return std::find(names.begin(), names.end(), name) != names.end();
  }
  template <typename T>
  bool Is() const {
    return dynamic_cast<T*>(&ctl) != nullptr;
  }
};

// The control has scroll bars of its own: by window style, by kind, or by the Tag 55 mark.
bool HasScrollBars(const Candidate& c) {
  auto* control = dynamic_cast<TWinControl*>(&c.ctl);
  if (!control) return false;
  if (control->Tag() == 55 || c.Is<TMemo>()) return true;
  if (c.Is<TCustomListBox>() || c.Is<TCustomTreeView>() || c.Is<TScrollBox>()) return true;
  return control->HandleAllocated() && (GetWindowLongA(control->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
}

template <typename S>
S* Make(TComponent& owner) {
  return new S(&owner);
}

void AttachNew(TControlDispatch& d, TSkinControl* skinner, bool recolor) {
  skinner->Attach(&d.Form(), &d.Skin(), recolor, d.Form().ControlCanvas());
}

template <typename S>
void Attach(TControlDispatch& d, TComponent& ctl, bool recolor) {
  AttachNew(d, Make<S>(ctl), recolor);
}

// Skinners that subclass the control's window rather than hooking its WindowProc.
template <typename S>
void AttachToWindow(TControlDispatch& d, TComponent& ctl) {
  Make<S>(ctl)->AttachHandle(dynamic_cast<TWinControl&>(ctl).Handle(), &d.Skin(), &d.Form(), d.Form().ControlCanvas());
}

// A window-bar skinner of kind S; `ownTracking` lets it drag the thumb itself.
template <typename S = TSkinScrollBar>
void ScrollBars(TControlDispatch& d, TComponent& ctl, bool ownTracking) {
  auto* control = dynamic_cast<TWinControl*>(&ctl);
  if (!control) return;
  Make<S>(ctl)->AttachScrollBars(control, &d.Skin(), ownTracking, &d.Form(), d.Form().ControlCanvas());
}

void Box(TControlDispatch& d, TComponent& ctl) { Attach<TSkinBox>(d, ctl, true); }

void BoxAndChildren(TControlDispatch& d, TComponent& ctl) {
  Box(d, ctl);
  d.SkinComponents(ctl);
}

// One skinner of kind S for each child control, then the box for the group.
template <typename S>
void GroupOf(TControlDispatch& d, TComponent& ctl, bool children) {
  if (auto* group = dynamic_cast<TWinControl*>(&ctl); group && children) {
    for (int i = 0; i < group->ControlCount(); ++i)
      if (dynamic_cast<TWinControl*>(group->Controls(i))) Attach<S>(d, *group->Controls(i), false);
  }
  Box(d, ctl);
}

void SetFlags(TComponent& ctl, std::initializer_list<const char*> names) {
  for (const char* name : names) (void)SetPublishedEnum(&ctl, name, "True");
}

// The Skin3rd kinds; a kind whose skinner the program lacks, or an unknown kind, skins nothing.
void ApplySkin3rd(TControlDispatch& d, const Candidate& c, Skin3rdKind kind) {
  switch (kind) {
    case Skin3rdKind::RadioButton:
      if (c.Has(xcRadioButton)) Attach<TSkinRadioButton>(d, c.ctl, false);
      break;
    case Skin3rdKind::Panel:
      if (!c.Has(xcPanel)) break;
      SetFlags(c.ctl, {"Transparent"});
      Box(d, c.ctl);
      break;
    case Skin3rdKind::Button:
      if (c.Has(xcButton)) Attach<TSkinButton>(d, c.ctl, false);
      break;
    case Skin3rdKind::RadioGroup:
      if (c.Has(xcPanel)) GroupOf<TSkinRadioButton>(d, c.ctl, c.Has(xcRadioButton));
      break;
    case Skin3rdKind::CheckGroup:
      if (c.Has(xcPanel)) GroupOf<TSkinCheckBox>(d, c.ctl, c.Has(xcRadioButton));
      break;
    case Skin3rdKind::CheckBox:
      if (c.Has(xcCheckBox)) Attach<TSkinCheckBox>(d, c.ctl, false);
      break;
    case Skin3rdKind::ScrollBar:
      if (c.Has(xcScrollbar)) ScrollBars(d, c.ctl, true);
      break;
    default:
      break;
  }
}

using RowMatch = bool (*)(const Candidate&);
using RowAction = void (*)(TControlDispatch&, const Candidate&);

// Rows whose skinners the program does not have yet still stop the search: they name
// the controls that later skinners serve, so no row below takes them instead.
constexpr RowAction kNoSkinnerYet = nullptr;

void OwnTrackingBars(TControlDispatch& d, const Candidate& c) { ScrollBars(d, c.ctl, true); }

struct DispatchRow {
  RowMatch matches;
  RowAction apply;
};

const std::array<DispatchRow, 33> kRows{{
    {[](const Candidate& c) { return c.Named({"TTABCONTROL"}) && c.Has(xcTab) && c.tabs; },
     [](TControlDispatch& d, const Candidate& c) { Attach<TSkinTab>(d, c.ctl, false); }},
    // The Skin3rd mapping sits here; it is asked before this table's second row.
    {[](const Candidate& c) { return c.Named({"TTABSET"}) && c.Has(xcTab) && c.tabs; }, kNoSkinnerYet},
    {[](const Candidate& c) { return c.Named({"TTABBEDNOTEBOOK"}) && c.Has(xcTab) && c.tabs; }, kNoSkinnerYet},
    {[](const Candidate& c) { return c.Named({"TMVCPANEL"}); },
     [](TControlDispatch& d, const Candidate& c) { d.SkinComponents(c.ctl); }},
    {[](const Candidate& c) { return c.Is<TPageControl>() && c.Has(xcTab) && c.tabs; },
     [](TControlDispatch& d, const Candidate& c) { Attach<TSkinTab>(d, c.ctl, false); }},
    {[](const Candidate& c) { return c.Is<TCustomCheckBox>() && c.Has(xcCheckBox); },
     [](TControlDispatch& d, const Candidate& c) { Attach<TSkinCheckBox>(d, c.ctl, false); }},
    {[](const Candidate& c) { return c.Named({"TTRACKBAR"}) && c.Has(xcButton); },
     [](TControlDispatch& d, const Candidate& c) { Attach<TSkinTrackBar>(d, c.ctl, false); }},
    {[](const Candidate& c) { return c.Named({"TUPDOWN"}) && c.Has(xcButton); }, kNoSkinnerYet},
    {[](const Candidate& c) { return c.Is<TCustomRadioGroup>() && c.Has(xcRadioButton); },
     [](TControlDispatch& d, const Candidate& c) { GroupOf<TSkinRadioButton>(d, c.ctl, true); }},
    {[](const Candidate& c) { return c.Named({"TDBNAVIGATOR"}) && c.Has(xcPanel); },
     [](TControlDispatch& d, const Candidate& c) {
       SetFlags(c.ctl, {"Flat"});
       Box(d, c.ctl);
     }},
    {[](const Candidate& c) { return c.Is<TCustomGroupBox>() && c.Has(xcPanel); },
     [](TControlDispatch& d, const Candidate& c) { BoxAndChildren(d, c.ctl); }},
    {[](const Candidate& c) { return c.Is<TRadioButton>() && c.Has(xcRadioButton); },
     [](TControlDispatch& d, const Candidate& c) { Attach<TSkinRadioButton>(d, c.ctl, false); }},
    {[](const Candidate& c) { return c.Is<TToolBar>() && c.Has(xcToolbar); },
     [](TControlDispatch& d, const Candidate& c) {
       SetFlags(c.ctl, {"Flat", "Transparent"});
       Box(d, c.ctl);
     }},
    {[](const Candidate& c) { return c.Named({"TSTATUSBAR"}) && c.Has(xcStatusBar); },
     [](TControlDispatch& d, const Candidate& c) { Attach<TSkinStatusBar>(d, c.ctl, false); }},
    {[](const Candidate& c) { return c.Named({"TPROGRESSBAR"}) && c.Has(xcProgress); },
     [](TControlDispatch& d, const Candidate& c) { Attach<TSkinProgress>(d, c.ctl, false); }},
    {[](const Candidate& c) { return c.Is<TScrollBar>() && c.Has(xcScrollbar); },
     [](TControlDispatch& d, const Candidate& c) { Attach<TSkinScControl>(d, c.ctl, false); }},
    {[](const Candidate& c) { return c.Is<TCustomComboBox>() && c.Has(xcCombo); },
     [](TControlDispatch& d, const Candidate& c) {
       // A simple combo box has no button to draw; it keeps its native look.
       if (dynamic_cast<TCustomComboBox&>(c.ctl).Style() != TComboBoxStyle::csSimple)
         Attach<TSkinComBox>(d, c.ctl, false);
     }},
    {[](const Candidate& c) { return c.Named({"TDATETIMEPICKER"}) && c.Has(xcEdit); }, kNoSkinnerYet},
    {[](const Candidate& c) { return c.Has(xcScrollbar) && c.Named({"TRICHEDIT"}); }, OwnTrackingBars},
    {[](const Candidate& c) { return c.Has(xcScrollbar) && c.Named({"TWWDBRICHEDIT", "TDXDBMEMO"}); },
     OwnTrackingBars},
    {[](const Candidate& c) { return c.Is<TBitBtn>(); },
     [](TControlDispatch& d, const Candidate& c) {
       if (c.Has(xcBitBtn)) Attach<TSkinBitButton>(d, c.ctl, false);
     }},
    {[](const Candidate& c) { return c.Is<TSpeedButton>() && c.Has(xcSpeedButton); },
     [](TControlDispatch& d, const Candidate& c) {
       Make<TSkinSpeedButton>(c.ctl)->AttachGraphic(&d.Form(), &d.Skin(), d.Form().ControlCanvas());
     }},
    {[](const Candidate& c) { return c.Is<TCustomPanel>() && c.Has(xcPanel); },
     [](TControlDispatch& d, const Candidate& c) { BoxAndChildren(d, c.ctl); }},
    {[](const Candidate& c) {
       return c.Has(xcScrollbar) && c.Named({"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"});
     },
     [](TControlDispatch& d, const Candidate& c) { ScrollBars(d, c.ctl, false); }},
    {[](const Candidate& c) { return c.Is<TCustomListView>() && c.Has(xcScrollbar); },
     [](TControlDispatch& d, const Candidate& c) { ScrollBars<TSkinListView>(d, c.ctl, false); }},
    // A header on its own is skinned as a list view's header is, with the list views.
    {[](const Candidate& c) { return c.Is<THeaderControl>() && c.Has(xcScrollbar); },
     [](TControlDispatch& d, const Candidate& c) { AttachToWindow<TSkinHeader>(d, c.ctl); }},
    {[](const Candidate& c) { return c.Has(xcScrollbar) && c.Is<TMemo>(); }, OwnTrackingBars},
    {[](const Candidate& c) { return c.Has(xcScrollbar) && c.Is<TCustomGrid>(); },
     [](TControlDispatch& d, const Candidate& c) {
       ScrollBars(d, c.ctl, true);
       dynamic_cast<TCustomGrid&>(c.ctl).SetFixedColor(d.Skin().ColorButtonFace);
     }},
    {[](const Candidate& c) { return c.Has(xcScrollbar) && HasScrollBars(c); }, OwnTrackingBars},
    {[](const Candidate& c) { return c.Is<TButton>() && c.Has(xcButton); },
     [](TControlDispatch& d, const Candidate& c) { Attach<TSkinButton>(d, c.ctl, false); }},
    {[](const Candidate& c) { return c.Is<TCustomEdit>() && c.Has(xcEdit); },
     [](TControlDispatch& d, const Candidate& c) { AttachToWindow<TSkinEdit>(d, c.ctl); }},
    {[](const Candidate& c) { return c.Is<TCustomFrame>(); },
     [](TControlDispatch& d, const Candidate& c) { d.SkinComponents(c.ctl); }},
    {[](const Candidate& c) { return c.Is<TForm>(); },
     [](TControlDispatch& d, const Candidate& c) { BoxAndChildren(d, c.ctl); }},
}};

constexpr std::array<std::string_view, 4> kNeverSkinned{"TDBCOMBOBOXEH", "TQRPREVIEW", "TFRDESIGNERPAGE",
                                                        "TFRPBOX"};

}  // namespace

void TControlDispatch::SkinComponents(TComponent& container) {
  form_.PurgeDestroyed();
  // A skinner made below may own components of its own; walk a copy of the list.
  const std::vector<TComponent*> components = container.Components();
  for (TComponent* ctl : components) {
    if (dynamic_cast<TControlSkinnerBase*>(ctl)) continue;
    SkinComponent(*ctl, container);
  }
}

bool TControlDispatch::AlreadyServed(TComponent& ctl) const {
  auto* windowed = dynamic_cast<TWinControl*>(&ctl);
  if (windowed && !windowed->HandleAllocated()) return form_.FormName().find("preview") != std::string::npos;
  for (TControlSkinnerBase* listed : form_.Skinners()) {
    auto* skinner = dynamic_cast<TSkinControl*>(listed);
    if (!skinner) continue;
    if (skinner->GraphicControl() == &ctl) return true;
    if (windowed && skinner->SkinnedHandle() == windowed->Handle()) return true;
  }
  return false;
}

bool TControlDispatch::AskHandler(TComponent& ctl, TComponent& parent, const std::string& className) {
  if (!skin_.OnSkinControl) return false;
  TSkinControl* skinner = nullptr;
  skin_.OnSkinControl(form_.FormObject(), &skin_, dynamic_cast<TWinControl*>(&parent),
                      dynamic_cast<TControl*>(&ctl), className, skinner);
  if (!skinner) return true;
  if (!form_.AddSkinner(skinner)) skinner->Attach(&form_, &skin_, skinner->Recolor(), form_.ControlCanvas());
  if (dynamic_cast<TCustomPanel*>(&ctl)) SkinComponents(ctl);
  return true;
}

void TControlDispatch::SkinComponent(TComponent& ctl, TComponent& parent) {
  if (ctl.Tag() % 100 == skin_.DisableTag()) return;
  if (AlreadyServed(ctl)) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(&ctl)) {
    try {
      windowed->HandleNeeded();
    } catch (const std::exception&) {
      return;  // a control that cannot have a window stays unskinned
    }
  }
  const std::string name = AsciiUpper(ctl.ClassName());
  if (AskHandler(ctl, parent, name)) return;
  if (std::find(kNeverSkinned.begin(), kNeverSkinned.end(), name) != kNeverSkinned.end()) return;
  const Candidate c{ctl, name, skin_.SkinControls(), skin_.Tabs != nullptr};
  if (kRows[0].matches(c)) {
    kRows[0].apply(*this, c);
    return;
  }
  if (const auto kind = FindSkin3rdKind(skin_.Skin3rd(), ctl.ClassName())) {
    ApplySkin3rd(*this, c, *kind);
    return;
  }
  for (size_t i = 1; i < kRows.size(); ++i) {
    if (!kRows[i].matches(c)) continue;
    if (kRows[i].apply) kRows[i].apply(*this, c);
    return;
  }
}

void TControlDispatch::SkinChildWindows(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongA(child, GWL_STYLE) & WS_CHILD) SkinChildWindow(child);
  }
}

void TControlDispatch::SkinChildWindow(HWND handle) {
  if (!handle || form_.FindSkinner(handle)) return;
  char buffer[101] = {};
  GetClassNameA(handle, buffer, sizeof buffer);
  const std::string className = AsciiUpper(buffer);
  const auto style = static_cast<DWORD>(GetWindowLongA(handle, GWL_STYLE));
  const auto has = [style](DWORD bits) { return (style & bits) == bits; };
  TComponent& owner = *form_.FormObject();
  TSkinControl* skinner = nullptr;
  if (className == "BUTTON") {
    if (has(BS_GROUPBOX)) return;
    if (has(3) || has(2) || has(5)) skinner = Make<TSkinCheckBox>(owner);
    else if (has(9) || has(4)) skinner = Make<TSkinRadioButton>(owner);
    else skinner = Make<TSkinButton>(owner);
  } else if (className == "COMBOBOX") {
    if ((style & 3) == CBS_SIMPLE) return;
    skinner = Make<TSkinComBox>(owner);
  } else if (className == "COMBOBOXEX32") {
    // The combo box inside carries the look.
    handle = GetTopWindow(handle);
    if (!handle) return;
    skinner = Make<TSkinComBox>(owner);
  } else if (className == "SCROLLBAR") {
    skinner = Make<TSkinSizer>(owner);
  } else if (className == "SYSTABCONTROL32") {
    if (style & TCS_OWNERDRAWFIXED) return;
    skinner = Make<TSkinTab>(owner);
  } else if (className == "EDIT") {
    skinner = Make<TSkinEdit>(owner);
  }
  if (skinner) skinner->AttachHandle(handle, &skin_, &form_, form_.ControlCanvas());
}

}  // namespace korvale

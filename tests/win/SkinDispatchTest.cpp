// Which skinner the dispatch gives each control of a form, and what it leaves alone.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skin/controls/SkinBox.h"
#include "tests/win/SkinGallery.h"
#include "toolkit/CheckBox.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/RadioButton.h"
#include "toolkit/ToolBar.h"

namespace korvale::testing {
namespace {

class SkinDispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadBundledSkin(skin, 4);
    form = TForm::Create<TGalleryForm>(&Application());
    form->Show();
  }
  void TearDown() override {
    host.UnskinAll();
    delete form;
  }
  void SkinForm() { TControlDispatch(host, skin).SkinComponents(*form); }
  std::string SkinnerClass(const std::string& control) {
    TSkinControl* skinner = host.SkinnerOf(form->FindComponent(control));
    return skinner ? skinner->ClassName() : "";
  }

  TSkinData skin{nullptr};
  TTestSkinnerHost host;
  TGalleryForm* form = nullptr;
};

TEST_F(SkinDispatch, EachControlGetsTheSkinnerOfItsRow) {
  skin.SetSkinControls(kDefaultSkinControls);
  SkinForm();
  const struct {
    const char* control;
    const char* skinner;
  } rows[] = {
      {"Button1", "TSkinButton"},        {"DisabledButton", "TSkinButton"},
      {"KeptButton", ""},                {"KeptButton2", ""},
      {"BitBtn1", "TSkinBitButton"},     {"CheckBox1", "TSkinCheckBox"},
      {"GroupBox1", "TSkinBox"},         {"RadioButton1", "TSkinRadioButton"},
      {"RadioGroup1", "TSkinBox"},       {"Panel1", "TSkinBox"},
      {"PanelCheck", "TSkinCheckBox"},   {"ToolBar1", "TSkinBox"},
      {"SpeedButton1", "TSkinSpeedButton"}, {"Frame1", ""},
      {"FrameButton", "TSkinButton"},    {"Edit1", "TSkinEdit"},
      {"TrackBar1", "TSkinTrackBar"},    {"Memo1", "TSkinScrollBar"},
      {"ScrollBar1", "TSkinScControl"},  {"ListBox1", "TSkinScrollBar"},
      {"TreeView1", "TSkinScrollBar"},   {"ScrollBox1", "TSkinScrollBar"},
      {"DrawGrid1", "TSkinScrollBar"},
  };
  for (const auto& row : rows) EXPECT_EQ(SkinnerClass(row.control), row.skinner) << row.control;

  auto* group = form->Find<TRadioGroup>("RadioGroup1");
  for (int i = 0; i < group->ControlCount(); ++i)
    EXPECT_EQ(host.SkinnerOf(group->Controls(i))->ClassName(), "TSkinRadioButton");
  auto* bar = form->Find<TToolBar>("ToolBar1");
  EXPECT_TRUE(bar->Flat() && bar->Transparent());
  EXPECT_EQ(form->Find("GroupBox1")->Color(), skin.ColorButtonFace);
}

TEST_F(SkinDispatch, ASecondPassAddsNothingAndFirstFreesSkinnersOfDestroyedWindows) {
  SkinForm();
  const size_t count = host.list.size();
  TSkinControl* old = host.SkinnerOf(form->FindComponent("Button2"));
  ASSERT_NE(old, nullptr);
  form->Find<TWinControl>("Button2")->DestroyHandle();
  EXPECT_TRUE(old->WindowDestroyed());

  SkinForm();
  EXPECT_EQ(host.list.size(), count);
  EXPECT_TRUE(std::none_of(host.list.begin(), host.list.end(),
                           [](TControlSkinnerBase* s) { return s->WindowDestroyed(); }))
      << "purged";
  TSkinControl* fresh = host.SkinnerOf(form->FindComponent("Button2"));
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->SkinnedHandle(), form->Find<TWinControl>("Button2")->Handle());
}

TEST_F(SkinDispatch, Skin3rdLinesDecideBeforeTheClassRows) {
  TStringList lines;
  lines.SetText("TButton=sparkles\nTRadioGroup=checkgroup\nTCheckBox=radiobutton\n");
  skin.SetSkin3rd(lines);
  skin.SetSkinControls(TSkinControlSet::Of({xcCheckBox, xcPanel, xcButton}));
  SkinForm();
  EXPECT_EQ(SkinnerClass("Button1"), "") << "an unknown kind stops the search";
  EXPECT_EQ(SkinnerClass("RadioGroup1"), "TSkinBox");
  auto* group = form->Find<TRadioGroup>("RadioGroup1");
  EXPECT_EQ(host.SkinnerOf(group->Controls(0)), nullptr) << "no check skinners without xcRadioButton";
  EXPECT_EQ(SkinnerClass("CheckBox1"), "") << "radiobutton needs xcRadioButton";
  EXPECT_EQ(SkinnerClass("BitBtn1"), "") << "without xcBitBtn the bitmap-button row skins nothing";
}

TEST_F(SkinDispatch, UnskinAndDestructionPutBackExactlyWhatWasReplaced) {
  struct Saved {
    TControl* control;
    TWndMethod method;
    LONG_PTR procedure;
    TColor color;
  };
  std::vector<Saved> saved;
  for (TComponent* c : form->Components()) {
    auto* control = dynamic_cast<TControl*>(c);
    if (!control) continue;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    saved.push_back({control, control->WindowProc,
                     windowed ? GetWindowLongPtrA(windowed->Handle(), GWLP_WNDPROC) : 0, control->Color()});
  }
  SkinForm();
  EXPECT_FALSE(form->Find("Button1")->WindowProc == saved.front().method);

  // A control destroyed while skinned takes its skinner with it.
  delete form->Find("Button2");
  std::erase_if(saved, [&](const Saved& s) { return !form->FindComponent(s.control->Name()); });
  host.UnskinAll();
  for (const Saved& s : saved) {
    EXPECT_TRUE(s.control->WindowProc == s.method) << s.control->Name();
    EXPECT_EQ(s.control->Color(), s.color) << s.control->Name();
    if (auto* windowed = dynamic_cast<TWinControl*>(s.control)) {
      EXPECT_EQ(GetWindowLongPtrA(windowed->Handle(), GWLP_WNDPROC), s.procedure) << s.control->Name();
    }
  }
}

TEST_F(SkinDispatch, SkinControlHandlerChoosesFirst) {
  struct Handler {
    void OnSkin(TObject*, TSkinData*, TWinControl*, TControl* control, const std::string& name, TSkinControl*& out) {
      if (name == "TCHECKBOX") out = new TSkinBox(control);
      names.push_back(name);
    }
    std::vector<std::string> names;
  } handler;
  skin.OnSkinControl = TOnSkinControl(&handler, &Handler::OnSkin);
  SkinForm();
  EXPECT_EQ(SkinnerClass("CheckBox1"), "TSkinBox");
  EXPECT_EQ(SkinnerClass("Button1"), "") << "a handler that answers stops the search";
  EXPECT_NE(std::find(handler.names.begin(), handler.names.end(), "TSPEEDBUTTON"), handler.names.end());
}

// Bare child windows of a system dialog: the class and style decide.
TEST(SkinChildWindows, BareWindowsGetTheSkinnersTheTableGives) {
  TSkinData skin(nullptr);
  LoadBundledSkin(skin, 1);
  TTestSkinnerHost host;
  HWND parent = CreateWindowExA(0, "STATIC", "dialog", WS_OVERLAPPED, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
  const struct {
    const char* windowClass;
    DWORD style;
    const char* skinner;
  } rows[] = {{"Button", BS_GROUPBOX, ""},
              {"Button", BS_AUTORADIOBUTTON, "TSkinRadioButton"},
              {"Button", BS_DEFPUSHBUTTON, "TSkinButton"},
              {"Button", BS_OWNERDRAW, "TSkinCheckBox"},
              {"Button", BS_AUTOCHECKBOX, "TSkinCheckBox"},
              {"Button", BS_PUSHBUTTON, "TSkinButton"},
              {"ComboBox", CBS_SIMPLE, ""},
              {"ComboBox", CBS_DROPDOWNLIST, "TSkinComBox"},
              {"ScrollBar", SBS_SIZEBOX, "TSkinSizer"},
              {"SysTabControl32", TCS_OWNERDRAWFIXED, ""},
              {"SysTabControl32", 0, "TSkinTab"},
              {"Edit", 0, "TSkinEdit"}};
  std::vector<HWND> windows;
  for (const auto& row : rows)
    windows.push_back(
        CreateWindowExA(0, row.windowClass, "b", WS_CHILD | row.style, 0, 0, 50, 20, parent, nullptr, nullptr, nullptr));
  TControlDispatch(host, skin).SkinChildWindows(parent);
  for (size_t i = 0; i < windows.size(); ++i) {
    ASSERT_NE(windows[i], nullptr) << rows[i].windowClass;
    auto* skinner = dynamic_cast<TSkinControl*>(host.FindSkinner(windows[i]));
    EXPECT_EQ(skinner ? skinner->ClassName() : "", rows[i].skinner) << rows[i].windowClass << " " << rows[i].style;
  }
  const size_t count = host.list.size();
  TControlDispatch(host, skin).SkinChildWindows(parent);
  EXPECT_EQ(host.list.size(), count) << "a served window is not served twice";
  host.UnskinAll();
  DestroyWindow(parent);
}

}  // namespace
}  // namespace korvale::testing

#include "toolkit/FormReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/FormText.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Collection.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/Menus.h"
#include "toolkit/PageControl.h"
#include "toolkit/SpinEdit.h"
#include "toolkit/Timer.h"
#include "toolkit/TrackBar.h"
#include "toolkit/TypInfo.h"

namespace korvale::testing {
namespace {

std::vector<std::string>& Events() {
  static std::vector<std::string> events;
  return events;
}

// A component with a value of its own format beside its published properties.
class TLoadProbe : public TComponent {
 public:
  explicit TLoadProbe(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TLoadProbe"; }
  void Loaded() override {
    TComponent::Loaded();
    Events().push_back("Loaded " + Name());
  }
  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty(
        "Secret", [this](const std::vector<std::uint8_t>& bytes) { secret = bytes; },
        [this] { return secret; }, !secret.empty());
  }
  std::vector<std::uint8_t> secret;
};

class TTestItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  std::string ClassName() const override { return "TTestItem"; }
  std::string caption;
  int width = 50;
};

class TItemHolder : public TComponent {
 public:
  explicit TItemHolder(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TItemHolder"; }
  TCollection items{this, TCollection::FactoryOf<TTestItem>()};
};

class TProbeRoot : public TComponent {
 public:
  std::string ClassName() const override { return "TProbeRoot"; }
};

class TTestForm : public TForm {
 public:
  explicit TTestForm(TComponent* owner, const std::vector<std::uint8_t>* description = nullptr) : TForm(owner) {
    Register();
    if (description) ReadComponentStream(this, description->data(), description->size());
    else ReadComponentResource(this, "TTESTFORM");
  }
  std::string ClassName() const override { return "TTestForm"; }

  static void Register() {
    RegisterPublishedClass<TLoadProbe>("TLoadProbe", "TComponent").Creatable();
    RegisterPublishedClass<TProbeRoot>("TProbeRoot", "TComponent");
    RegisterPublishedClass<TTestItem>("TTestItem", "")
        .String("Caption", [](TTestItem& i) { return i.caption; }, [](TTestItem& i, const std::string& v) { i.caption = v; })
        .Integer("Width", [](TTestItem& i) -> std::int64_t { return i.width; },
                 [](TTestItem& i, std::int64_t v) { i.width = static_cast<int>(v); }, 50);
    RegisterPublishedClass<TItemHolder>("TItemHolder", "TComponent")
        .Creatable()
        .Collection("Items", [](TItemHolder& h) -> TCollection& { return h.items; });
    RegisterPublishedClass<TTestForm>("TTestForm", "TForm")
        .Handler("FormCreate", &TTestForm::FormCreate)
        .Handler("FormCloseQuery", &TTestForm::FormCloseQuery)
        .Handler("Button1Click", &TTestForm::Button1Click)
        .Handler("Start1Click", &TTestForm::Start1Click)
        .Handler("TimerTick", &TTestForm::TimerTick);
  }

  void FormCreate(TObject*) { Events().push_back("OnCreate"); }
  void FormCloseQuery(TObject*, bool& canClose) { canClose = true; }
  void Button1Click(TObject* sender) { Events().push_back("click " + static_cast<TComponent*>(sender)->Name()); }
  void Start1Click(TObject*) { Events().push_back("Start1"); }
  void TimerTick(TObject*) {}

  template <typename T>
  T* Find(const std::string& name) {
    return dynamic_cast<T*>(FindComponent(name));
  }
};

TEST(FormReader, FormFromItsCompiledResourceHasComponentsPropertiesAndEvents) {
  Events().clear();
  auto* form = TForm::Create<TTestForm>(&Application());
  // Loaded ran on every component in read order, and OnCreate after all of them.
  EXPECT_EQ(Events(), (std::vector<std::string>{"Loaded Probe1", "Loaded Probe2", "OnCreate"}));
  EXPECT_FALSE(form->HasState(TComponentState::Loading));

  EXPECT_EQ(form->Name(), "TestForm");
  EXPECT_EQ(form->Caption(), "Korvale Server Manager v2.1 RC1");
  EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsSingle);
  EXPECT_EQ(form->BorderIcons(), biSystemMenu | biMinimize);
  EXPECT_EQ(form->Left(), 237);
  EXPECT_EQ(form->ClientWidth(), 426);
  EXPECT_EQ(form->ClientHeight(), 329);
  EXPECT_TRUE(form->OnCloseQuery);

  auto* probe = form->Find<TLoadProbe>("Probe1");
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(probe->Tag(), 7);
  EXPECT_EQ(probe->secret, (std::vector<std::uint8_t>{0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0xFF}));

  auto* group = form->Find<TGroupBox>("GroupBox1");
  auto* logging = form->Find<TCheckBox>("loggingcheck");
  ASSERT_TRUE(group && logging);
  EXPECT_EQ(logging->Parent(), group);
  EXPECT_EQ(group->Parent(), form);
  EXPECT_EQ(logging->Owner(), form);
  EXPECT_TRUE(logging->Checked());
  auto* slider = form->Find<TTrackBar>("rateslider");
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->Min(), 1000);
  EXPECT_EQ(slider->Max(), 10000);
  EXPECT_EQ(slider->Position(), 5000);
  auto* log = form->Find<TMemo>("log");
  ASSERT_NE(log, nullptr);
  EXPECT_EQ(log->ScrollBars(), TScrollStyle::ssVertical);
  EXPECT_EQ(log->Lines(), (std::vector<std::string>{"first line", "second line"}));
  auto* pages = form->Find<TPageControl>("PageControl1");
  ASSERT_NE(pages, nullptr);
  ASSERT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->ActivePage(), form->Find<TTabSheet>("TabSheet2"));
  EXPECT_EQ(form->Find<TTabSheet>("TabSheet1")->Caption(), "Login");
  EXPECT_EQ(form->Find<TEdit>("loginip")->Parent(), form->Find<TTabSheet>("TabSheet1"));
  EXPECT_EQ(form->Find<TEdit>("loginip")->Text(), "127.0.0.1");
  EXPECT_EQ(form->Find<TSpinEdit>("charport")->Value(), 6121);
  auto* timer = form->Find<TTimer>("loginservertimer");
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->Interval(), 5000u);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_TRUE(timer->OnTimer());

  // A reference to a component read later, and menu items in their menu.
  auto* menu = form->Find<TMainMenu>("MainMenu1");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(form->Menu(), menu);
  EXPECT_EQ(menu->Images(), form->Find<TImageList>("ImageList1"));
  auto* start = form->Find<TMenuItem>("Start1");
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->Parent(), form->Find<TMenuItem>("File1"));
  EXPECT_EQ(start->ShortCut(), ShortCut(VK_RETURN, ssCtrl));
  EXPECT_EQ(start->MenuIndex(), 0);
  EXPECT_EQ(form->Find<TMenuItem>("File1")->Count(), 3);
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());

  // Event bindings reach the form's handlers, also through real messages.
  Events().clear();
  form->Find<TButton>("Button1")->OnClick(form->Find<TButton>("Button1"));
  logging->OnClick(logging);
  SendMessageA(form->Handle(), WM_COMMAND, start->Command(), 0);
  EXPECT_EQ(Events(), (std::vector<std::string>{"click Button1", "click loggingcheck", "Start1"}));
  delete form;
}

const FormObject* Child(const FormObject& parent, const std::string& name) {
  for (const FormObject& child : parent.children) {
    if (child.name == name) return &child;
    if (const FormObject* found = Child(child, name)) return found;
  }
  return nullptr;
}

TEST(FormReader, WrittenFormKeepsItsEventBindingsAndReadsBackToTheSameBytes) {
  auto* form = TForm::Create<TTestForm>(&Application());
  const FormObject tree = WriteComponent(form);
  ASSERT_NE(tree.Find("OnCreate"), nullptr);
  EXPECT_EQ(tree.Find("OnCreate")->value, FormValue::Ident("FormCreate"));
  ASSERT_NE(Child(tree, "loggingcheck"), nullptr);
  EXPECT_EQ(Child(tree, "loggingcheck")->Find("OnClick")->value, FormValue::Ident("Button1Click"));
  ASSERT_NE(Child(tree, "loginservertimer"), nullptr);
  EXPECT_EQ(Child(tree, "loginservertimer")->Find("OnTimer")->value, FormValue::Ident("TimerTick"));
  EXPECT_EQ(tree.Find("Menu")->value, FormValue::Ident("MainMenu1"));
  ASSERT_NE(Child(tree, "Start1"), nullptr);
  EXPECT_EQ(Child(*Child(tree, "File1"), "Start1")->Find("ShortCut")->value, FormValue::Int(16397));

  const std::vector<std::uint8_t> bytes = WriteComponentStream(form);
  auto* copy = TForm::Create<TTestForm>(&Application(), &bytes);
  EXPECT_EQ(WriteComponentStream(copy), bytes);
  EXPECT_EQ(dynamic_cast<TCheckBox*>(copy->FindComponent("loggingcheck"))->Parent(), copy->FindComponent("GroupBox1"));
  delete copy;
  delete form;
}

TEST(FormReader, DefinePropertyValueRoundTripsByteForByte) {
  TTestForm::Register();
  TProbeRoot first;
  first.SetName("Root");
  auto* probe = new TLoadProbe(&first);
  probe->SetName("Probe");
  probe->SetTag(-3);
  for (int i = 0; i < 256; ++i) probe->secret.push_back(static_cast<std::uint8_t>(255 - i));
  new TLoadProbe(&first);  // unnamed and empty: no Secret stored
  auto* images = new TImageList(&first);
  images->SetName("ImageList1");
  TBitmap strip;
  strip.SetSize(32, 16);
  strip.Canvas().Brush().SetColor(clFuchsia);
  strip.Canvas().FillRect(RECT{0, 0, 32, 16});
  strip.Canvas().Brush().SetColor(clBlue);
  strip.Canvas().FillRect(RECT{20, 2, 30, 12});
  images->AddMasked(strip, clFuchsia);

  const std::vector<std::uint8_t> bytes = WriteComponentStream(&first);
  TProbeRoot second;
  Events().clear();
  ReadComponentStream(&second, bytes.data(), bytes.size());
  ASSERT_EQ(second.ComponentCount(), 3);
  auto* imagesCopy = dynamic_cast<TImageList*>(second.FindComponent("ImageList1"));
  ASSERT_NE(imagesCopy, nullptr);
  EXPECT_EQ(imagesCopy->Count(), 2);
  EXPECT_EQ(imagesCopy->StripBytes(), images->StripBytes());
  auto* copy = dynamic_cast<TLoadProbe*>(second.FindComponent("Probe"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->secret, probe->secret);
  EXPECT_EQ(copy->Tag(), -3);
  EXPECT_EQ(Events(), (std::vector<std::string>{"Loaded Probe", "Loaded "}));
  EXPECT_EQ(WriteComponentStream(&second), bytes);

  const FormObject tree = WriteComponent(&first);
  ASSERT_EQ(tree.children.size(), 3u);
  EXPECT_NE(tree.children[2].Find("Bitmap"), nullptr);
  ASSERT_NE(tree.children[0].Find("Secret"), nullptr);
  EXPECT_EQ(tree.children[1].Find("Secret"), nullptr);
}

TEST(FormReader, CollectionsAreReadItemByItemAndWrittenBack) {
  TTestForm::Register();
  const std::string text =
      "object R: TProbeRoot\n"
      "  object H: TItemHolder\n"
      "    Items = <\n"
      "      item\n        Caption = 'Login'\n      end\n"
      "      item\n        Caption = 'Map'\n        Width = 80\n      end>\n"
      "  end\n"
      "end\n";
  FormTextResult parsed = ParseFormText(text);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  TProbeRoot root;
  ReadComponent(&root, parsed.root);
  auto* holder = dynamic_cast<TItemHolder*>(root.FindComponent("H"));
  ASSERT_NE(holder, nullptr);
  ASSERT_EQ(holder->items.Count(), 2);
  auto* second = static_cast<TTestItem*>(holder->items.Items(1));
  EXPECT_EQ(second->caption, "Map");
  EXPECT_EQ(second->width, 80);
  EXPECT_EQ(static_cast<TTestItem*>(holder->items.Items(0))->width, 50);
  EXPECT_EQ(WriteComponent(&root), parsed.root);  // the default Width of the first is not stored

  parsed.root.children[0].properties[0].value.items[0][0].name = "Height";
  TProbeRoot other;
  EXPECT_THROW(ReadComponent(&other, parsed.root), Exception);
}

void ExpectReadError(const std::string& text, const std::string& expected) {
  FormTextResult parsed = ParseFormText(text);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  TProbeRoot root;
  try {
    ReadComponent(&root, parsed.root);
    ADD_FAILURE() << "no error for: " << text;
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find(expected), std::string::npos) << e.Message();
  }
}

TEST(FormReader, UnknownNamesAndCorruptStreamsFailWithClearMessages) {
  TTestForm::Register();
  ExpectReadError("object R: TNoSuchRoot end", "Class TNoSuchRoot not found");
  ExpectReadError("object R: TButton end", "Class TButton does not describe a TProbeRoot");
  ExpectReadError("object R: TProbeRoot object X: TNoSuchThing end end", "Class TNoSuchThing not found");
  ExpectReadError("object R: TProbeRoot object B: TButton Bogus = 1 end end",
                  "Property Bogus does not exist in class TButton");
  ExpectReadError("object R: TProbeRoot object P: TLoadProbe Other = {01} end end",
                  "Property Other does not exist in class TLoadProbe");
  ExpectReadError("object R: TProbeRoot object B: TButton Left = 'x' end end", "expected an integer");
  ExpectReadError("object R: TProbeRoot object L: TLabel Alignment = taNowhere end end",
                  "'taNowhere' is not one of its values");
  ExpectReadError("object R: TProbeRoot object B: TButton OnClick = Missing end end",
                  "the handler Missing does not exist");
  ExpectReadError("object R: TProbeRoot object M: TMainMenu Images = Nobody end end", "no component named Nobody");
  ExpectReadError("object R: TProbeRoot object A: TLoadProbe end object A: TLoadProbe end end",
                  "A component named A already exists");

  TProbeRoot root;
  root.SetName("Root");
  (new TLoadProbe(&root))->SetName("P");
  std::vector<std::uint8_t> bytes = WriteComponentStream(&root);
  bytes.resize(bytes.size() - 3);
  TProbeRoot target;
  EXPECT_THROW(ReadComponentStream(&target, bytes.data(), bytes.size()), Exception);
  bytes[0] = 'X';
  try {
    ReadComponentStream(&target, bytes.data(), bytes.size());
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("Invalid form description"), std::string::npos) << e.Message();
  }
  EXPECT_EQ(target.ComponentCount(), 0);
  EXPECT_THROW(ReadComponentResource(&target, "NOSUCHFORM"), Exception);
}

TEST(PublishedProperties, EnumerationsAndBooleansByValueName) {
  TCheckBox check(nullptr);
  EXPECT_EQ(GetEnumProp(&check, "Checked"), "False");
  SetEnumProp(&check, "Checked", "True");
  EXPECT_TRUE(check.Checked());
  TLabel label(nullptr);
  SetEnumProp(&label, "transparent", "true");
  EXPECT_TRUE(label.Transparent());
  SetEnumProp(&label, "Alignment", "taCenter");
  EXPECT_EQ(label.Alignment(), TAlignment::taCenter);
  EXPECT_EQ(GetEnumProp(&label, "Alignment"), "taCenter");
  EXPECT_THROW(SetEnumProp(&label, "Alignment", "taMiddle"), Exception);
  EXPECT_THROW(SetEnumProp(&label, "Flat", "True"), Exception);  // TLabel has no Flat
  EXPECT_THROW(SetOrdProp(&label, "Alignment", 9), Exception);
  EXPECT_FALSE(IsPublishedProp(&label, "Flat"));
  EXPECT_TRUE(IsPublishedProp(&label, "Caption"));
  SetStrProp(&label, "Caption", "Port:");
  EXPECT_EQ(label.Caption(), "Port:");
  EXPECT_EQ(GetOrdProp(&label, "Tag"), 0);

  // A stored default keeps the value out of a written description.
  const TPropInfo& visible = GetPropInfo(&label, "Visible");
  EXPECT_FALSE(IsStoredProp(&label, visible));
  label.SetVisible(false);
  EXPECT_TRUE(IsStoredProp(&label, visible));
  EXPECT_EQ(GetPropValue(&label, GetPropInfo(&label, "Alignment")), FormValue::Ident("taCenter"));
}

}  // namespace
}  // namespace korvale::testing

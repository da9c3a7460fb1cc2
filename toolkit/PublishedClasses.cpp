// The published properties of the toolkit's own classes: what a form description may set.
#include <algorithm>

#include "core/BmpEncoder.h"
#include "toolkit/Bevel.h"
#include "toolkit/BitBtn.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ClientSocket.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Frame.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Grids.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/HeaderControl.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/Panel.h"
#include "toolkit/PageControl.h"
#include "toolkit/RadioButton.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/ScrollBox.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/SpinEdit.h"
#include "toolkit/Timer.h"
#include "toolkit/ToolBar.h"
#include "toolkit/ComboBox.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TabControl.h"
#include "toolkit/TrackBar.h"
#include "toolkit/TreeView.h"
#include "toolkit/TypInfo.h"

namespace korvale {

namespace {

using I = std::int64_t;

std::vector<std::uint8_t> BitmapBytes(const TBitmap& bitmap) {
  if (bitmap.Empty()) return {};
  return EncodeBmp24(bitmap.ToImage());
}

void LoadBitmapBytes(TBitmap& bitmap, const std::vector<std::uint8_t>& bytes, const std::string& what) {
  if (bytes.empty()) {
    bitmap.Clear();
    return;
  }
  const std::string error = bitmap.LoadFromBytes(bytes.data(), bytes.size());
  if (!error.empty()) throw Exception("Invalid picture in " + what + ": " + error);
}

void RegisterControls() {
  RegisterPublishedClass<TComponent>("TComponent", "")
      .Integer("Tag", [](TComponent& c) -> I { return c.Tag(); },
               [](TComponent& c, I v) { c.SetTag(static_cast<std::intptr_t>(v)); }, 0);

  // Collection items are persistent objects, not components; their classes derive from this.
  RegisterClassInfo("TCollectionItem", "");

  RegisterPublishedClass<TControl>("TControl", "TComponent")
      .Integer("Left", [](TControl& c) -> I { return c.Left(); }, [](TControl& c, I v) { c.SetLeft(static_cast<int>(v)); })
      .Integer("Top", [](TControl& c) -> I { return c.Top(); }, [](TControl& c, I v) { c.SetTop(static_cast<int>(v)); })
      .Integer("Width", [](TControl& c) -> I { return c.Width(); },
               [](TControl& c, I v) { c.SetWidth(static_cast<int>(v)); })
      .Integer("Height", [](TControl& c) -> I { return c.Height(); },
               [](TControl& c, I v) { c.SetHeight(static_cast<int>(v)); })
      .String("Caption", [](TControl& c) { return c.Caption(); },
              [](TControl& c, const std::string& v) { c.SetCaption(v); })
      .Boolean("Visible", [](TControl& c) { return c.Visible(); }, [](TControl& c, bool v) { c.SetVisible(v); }, true)
      .Boolean("Enabled", [](TControl& c) { return c.Enabled(); }, [](TControl& c, bool v) { c.SetEnabled(v); }, true)
      .Integer("Color", [](TControl& c) -> I { return c.Color(); },
               [](TControl& c, I v) { c.SetColor(static_cast<TColor>(v)); })
      .Boolean("ParentColor", [](TControl& c) { return c.ParentColor(); },
               [](TControl& c, bool v) { c.SetParentColor(v); })
      .Boolean("ParentFont", [](TControl& c) { return c.ParentFont(); },
               [](TControl& c, bool v) { c.SetParentFont(v); })
      .String("Font.Name", [](TControl& c) { return c.Font().Name(); },
              [](TControl& c, const std::string& v) { c.Font().SetName(v); }, std::nullopt)
      .Integer("Font.Height", [](TControl& c) -> I { return c.Font().Height(); },
               [](TControl& c, I v) { c.Font().SetHeight(static_cast<int>(v)); })
      .Integer("Font.Color", [](TControl& c) -> I { return c.Font().Color(); },
               [](TControl& c, I v) { c.Font().SetColor(static_cast<TColor>(v)); })
      .Set("Font.Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"},
           [](TControl& c) -> I { return c.Font().Style(); },
           [](TControl& c, I v) { c.Font().SetStyle(static_cast<std::uint8_t>(v)); }, 0)
      .Event("OnClick", &TControl::OnClick)
      .Event("OnDblClick", &TControl::OnDblClick)
      .Event("OnMouseEnter", &TControl::OnMouseEnter)
      .Event("OnMouseLeave", &TControl::OnMouseLeave);

  RegisterPublishedClass<TWinControl>("TWinControl", "TControl")
      .Integer("TabOrder", [](TWinControl& c) -> I { return c.TabOrder(); },
               [](TWinControl& c, I v) { c.SetTabOrder(static_cast<int>(v)); })
      .Boolean("TabStop", [](TWinControl& c) { return c.TabStop(); }, [](TWinControl& c, bool v) { c.SetTabStop(v); })
      .Boolean("DoubleBuffered", [](TWinControl& c) { return c.DoubleBuffered(); },
               [](TWinControl& c, bool v) { c.SetDoubleBuffered(v); }, false);
  RegisterPublishedClass<TGraphicControl>("TGraphicControl", "TControl");
  RegisterPublishedClass<TCustomControl>("TCustomControl", "TWinControl");

  RegisterPublishedClass<TButton>("TButton", "TWinControl")
      .Creatable()
      .Boolean("Default", [](TButton& c) { return c.Default(); }, [](TButton& c, bool v) { c.SetDefault(v); }, false)
      .Boolean("Cancel", [](TButton& c) { return c.Cancel(); }, [](TButton& c, bool v) { c.SetCancel(v); }, false)
      .Integer("ModalResult", [](TButton& c) -> I { return c.ModalResult(); },
               [](TButton& c, I v) { c.SetModalResult(static_cast<TModalResult>(v)); }, 0);
  RegisterPublishedClass<TCheckBox>("TCheckBox", "TWinControl")
      .Creatable()
      .Boolean("Checked", [](TCheckBox& c) { return c.Checked(); }, [](TCheckBox& c, bool v) { c.SetChecked(v); }, false);
  RegisterPublishedClass<TLabel>("TLabel", "TGraphicControl")
      .Creatable()
      .Boolean("AutoSize", [](TLabel& c) { return c.AutoSize(); }, [](TLabel& c, bool v) { c.SetAutoSize(v); }, true)
      .Boolean("Transparent", [](TLabel& c) { return c.Transparent(); },
               [](TLabel& c, bool v) { c.SetTransparent(v); }, false)
      .Enumeration<TAlignment>("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                               [](TLabel& c) { return c.Alignment(); },
                               [](TLabel& c, TAlignment v) { c.SetAlignment(v); }, TAlignment::taLeftJustify)
      .Boolean("WordWrap", [](TLabel& c) { return c.WordWrap(); }, [](TLabel& c, bool v) { c.SetWordWrap(v); }, false);
  RegisterPublishedClass<TCustomEdit>("TCustomEdit", "TWinControl")
      .Boolean("ReadOnly", [](TCustomEdit& c) { return c.ReadOnly(); },
               [](TCustomEdit& c, bool v) { c.SetReadOnly(v); }, false)
      .Integer("MaxLength", [](TCustomEdit& c) -> I { return c.MaxLength(); },
               [](TCustomEdit& c, I v) { c.SetMaxLength(static_cast<int>(v)); }, 0)
      .String("Text", [](TCustomEdit& c) { return c.Text(); }, [](TCustomEdit& c, const std::string& v) { c.SetText(v); })
      .Event("OnChange", &TCustomEdit::OnChange);
  RegisterPublishedClass<TEdit>("TEdit", "TCustomEdit").Creatable();
  RegisterPublishedClass<TMemo>("TMemo", "TCustomEdit")
      .Creatable()
      .Lines("Lines", [](TMemo& c) { return c.Lines(); },
             [](TMemo& c, const std::vector<std::string>& v) { c.SetLines(v); })
      .Enumeration<TScrollStyle>("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"},
                                 [](TMemo& c) { return c.ScrollBars(); },
                                 [](TMemo& c, TScrollStyle v) { c.SetScrollBars(v); }, TScrollStyle::ssNone)
      .Boolean("WordWrap", [](TMemo& c) { return c.WordWrap(); }, [](TMemo& c, bool v) { c.SetWordWrap(v); }, true)
      .Boolean("WantTabs", [](TMemo& c) { return c.WantTabs(); }, [](TMemo& c, bool v) { c.SetWantTabs(v); }, false);
  RegisterPublishedClass<TSpinEdit>("TSpinEdit", "TCustomEdit")
      .Creatable()
      .Integer("Value", [](TSpinEdit& c) -> I { return c.Value(); },
               [](TSpinEdit& c, I v) { c.SetValue(static_cast<int>(v)); }, 0)
      .Integer("MinValue", [](TSpinEdit& c) -> I { return c.MinValue(); },
               [](TSpinEdit& c, I v) { c.SetMinValue(static_cast<int>(v)); }, 0)
      .Integer("MaxValue", [](TSpinEdit& c) -> I { return c.MaxValue(); },
               [](TSpinEdit& c, I v) { c.SetMaxValue(static_cast<int>(v)); }, 0)
      .Integer("Increment", [](TSpinEdit& c) -> I { return c.Increment(); },
               [](TSpinEdit& c, I v) { c.SetIncrement(static_cast<int>(v)); }, 1);
  RegisterPublishedClass<TGroupBox>("TGroupBox", "TCustomControl").Creatable();
  RegisterPublishedClass<TBevel>("TBevel", "TGraphicControl")
      .Creatable()
      .Enumeration<TBevelShape>(
          "Shape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine"},
          [](TBevel& c) { return c.Shape(); }, [](TBevel& c, TBevelShape v) { c.SetShape(v); }, TBevelShape::bsBox)
      .Enumeration<TBevelStyle>("Style", {"bsLowered", "bsRaised"}, [](TBevel& c) { return c.Style(); },
                                [](TBevel& c, TBevelStyle v) { c.SetStyle(v); }, TBevelStyle::bsLowered);
  RegisterPublishedClass<TImage>("TImage", "TGraphicControl")
      .Creatable()
      .Boolean("Center", [](TImage& c) { return c.Center(); }, [](TImage& c, bool v) { c.SetCenter(v); }, false)
      .Boolean("Stretch", [](TImage& c) { return c.Stretch(); }, [](TImage& c, bool v) { c.SetStretch(v); }, false)
      .Boolean("Transparent", [](TImage& c) { return c.Transparent(); },
               [](TImage& c, bool v) { c.SetTransparent(v); }, false)
      .Binary("Picture.Data", [](TImage& c) { return BitmapBytes(c.Picture()); },
              [](TImage& c, const std::vector<std::uint8_t>& v) { LoadBitmapBytes(c.Picture(), v, c.Name()); });
  RegisterPublishedClass<TTabSheet>("TTabSheet", "TCustomControl")
      .Creatable()
      .Reference<TPageControl>("PageControl", [](TTabSheet& c) { return c.PageControl(); },
                               [](TTabSheet& c, TPageControl* v) { c.SetPageControl(v); });
  RegisterPublishedClass<TPageControl>("TPageControl", "TWinControl")
      .Creatable()
      .Reference<TTabSheet>("ActivePage", [](TPageControl& c) { return c.ActivePage(); },
                            [](TPageControl& c, TTabSheet* v) { c.SetActivePage(v); })
      .Event("OnChange", &TPageControl::OnChange);
  RegisterPublishedClass<TProgressBar>("TProgressBar", "TWinControl")
      .Creatable()
      .Integer("Min", [](TProgressBar& c) -> I { return c.Min(); },
               [](TProgressBar& c, I v) { c.SetRange(static_cast<int>(v), c.Max()); }, 0)
      .Integer("Max", [](TProgressBar& c) -> I { return c.Max(); },
               [](TProgressBar& c, I v) { c.SetRange(c.Min(), static_cast<int>(v)); }, 100)
      .Integer("Position", [](TProgressBar& c) -> I { return c.Position(); },
               [](TProgressBar& c, I v) { c.SetPosition(static_cast<int>(v)); }, 0);
  RegisterPublishedClass<TCustomComboBox>("TCustomComboBox", "TWinControl")
      .Enumeration<TComboBoxStyle>("Style", {"csDropDown", "csSimple", "csDropDownList"},
                                   [](TCustomComboBox& c) { return c.Style(); },
                                   [](TCustomComboBox& c, TComboBoxStyle v) { c.SetStyle(v); },
                                   TComboBoxStyle::csDropDown);
  RegisterPublishedClass<TComboBox>("TComboBox", "TCustomComboBox").Creatable();
  RegisterPublishedClass<TTabControl>("TTabControl", "TWinControl")
      .Creatable()
      .Enumeration<TTabPosition>("TabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"},
                                 [](TTabControl& c) { return c.TabPosition(); },
                                 [](TTabControl& c, TTabPosition v) { c.SetTabPosition(v); }, TTabPosition::tpTop);
  RegisterPublishedClass<TStatusBar>("TStatusBar", "TWinControl")
      .Creatable()
      .Boolean("SimplePanel", [](TStatusBar& c) { return c.SimplePanel(); },
               [](TStatusBar& c, bool v) { c.SetSimplePanel(v); }, false)
      .String("SimpleText", [](TStatusBar& c) { return c.SimpleText(); },
              [](TStatusBar& c, const std::string& v) { c.SetSimpleText(v); })
      .Boolean("SizeGrip", [](TStatusBar& c) { return c.SizeGrip(); },
               [](TStatusBar& c, bool v) { c.SetSizeGrip(v); }, true);
  RegisterPublishedClass<TTrackBar>("TTrackBar", "TWinControl")
      .Creatable()
      .Integer("Min", [](TTrackBar& c) -> I { return c.Min(); }, [](TTrackBar& c, I v) { c.SetMin(static_cast<int>(v)); }, 0)
      .Integer("Max", [](TTrackBar& c) -> I { return c.Max(); }, [](TTrackBar& c, I v) { c.SetMax(static_cast<int>(v)); }, 10)
      .Integer("Position", [](TTrackBar& c) -> I { return c.Position(); },
               [](TTrackBar& c, I v) { c.SetPosition(static_cast<int>(v)); }, 0)
      .Integer("Frequency", [](TTrackBar& c) -> I { return c.Frequency(); },
               [](TTrackBar& c, I v) { c.SetFrequency(static_cast<int>(v)); }, 1)
      .Integer("LineSize", [](TTrackBar& c) -> I { return c.LineSize(); },
               [](TTrackBar& c, I v) { c.SetLineSize(static_cast<int>(v)); }, 1)
      .Integer("PageSize", [](TTrackBar& c) -> I { return c.PageSize(); },
               [](TTrackBar& c, I v) { c.SetPageSize(static_cast<int>(v)); }, 2)
      .Enumeration<TTrackBarOrientation>("Orientation", {"trHorizontal", "trVertical"},
                                         [](TTrackBar& c) { return c.Orientation(); },
                                         [](TTrackBar& c, TTrackBarOrientation v) { c.SetOrientation(v); },
                                         TTrackBarOrientation::trHorizontal)
      .Event("OnChange", &TTrackBar::OnChange);
  RegisterPublishedClass<TScrollBar>("TScrollBar", "TWinControl")
      .Creatable()
      .Enumeration<TScrollBarKind>("Kind", {"sbHorizontal", "sbVertical"}, [](TScrollBar& c) { return c.Kind(); },
                                   [](TScrollBar& c, TScrollBarKind v) { c.SetKind(v); },
                                   TScrollBarKind::sbHorizontal)
      .Integer("Min", [](TScrollBar& c) -> I { return c.Min(); },
               [](TScrollBar& c, I v) { c.SetParams(c.Position(), static_cast<int>(v), c.Max()); }, 0)
      .Integer("Max", [](TScrollBar& c) -> I { return c.Max(); },
               [](TScrollBar& c, I v) { c.SetParams(c.Position(), c.Min(), static_cast<int>(v)); }, 100)
      .Integer("PageSize", [](TScrollBar& c) -> I { return c.PageSize(); },
               [](TScrollBar& c, I v) { c.SetPageSize(static_cast<int>(v)); }, 0)
      .Integer("Position", [](TScrollBar& c) -> I { return c.Position(); },
               [](TScrollBar& c, I v) { c.SetPosition(static_cast<int>(v)); }, 0)
      .Integer("SmallChange", [](TScrollBar& c) -> I { return c.SmallChange(); },
               [](TScrollBar& c, I v) { c.SetSmallChange(static_cast<int>(v)); }, 1)
      .Integer("LargeChange", [](TScrollBar& c) -> I { return c.LargeChange(); },
               [](TScrollBar& c, I v) { c.SetLargeChange(static_cast<int>(v)); }, 1)
      .Event("OnChange", &TScrollBar::OnChange);
  RegisterPublishedClass<TCustomListBox>("TCustomListBox", "TWinControl")
      .Lines("Items", [](TCustomListBox& c) { return c.Items(); },
             [](TCustomListBox& c, const std::vector<std::string>& v) { c.SetItems(v); });
  RegisterPublishedClass<TListBox>("TListBox", "TCustomListBox").Creatable();
  RegisterPublishedClass<TCustomTreeView>("TCustomTreeView", "TWinControl");
  RegisterPublishedClass<TTreeView>("TTreeView", "TCustomTreeView").Creatable();
  RegisterPublishedClass<TScrollBox>("TScrollBox", "TWinControl").Creatable();
  RegisterPublishedClass<TCustomGrid>("TCustomGrid", "TCustomControl")
      .Integer("ColCount", [](TCustomGrid& c) -> I { return c.ColCount(); },
               [](TCustomGrid& c, I v) { c.SetColCount(static_cast<int>(v)); }, 5)
      .Integer("RowCount", [](TCustomGrid& c) -> I { return c.RowCount(); },
               [](TCustomGrid& c, I v) { c.SetRowCount(static_cast<int>(v)); }, 5)
      .Integer("DefaultColWidth", [](TCustomGrid& c) -> I { return c.DefaultColWidth(); },
               [](TCustomGrid& c, I v) { c.SetDefaultColWidth(static_cast<int>(v)); }, 64)
      .Integer("DefaultRowHeight", [](TCustomGrid& c) -> I { return c.DefaultRowHeight(); },
               [](TCustomGrid& c, I v) { c.SetDefaultRowHeight(static_cast<int>(v)); }, 24)
      .Integer("FixedColor", [](TCustomGrid& c) -> I { return c.FixedColor(); },
               [](TCustomGrid& c, I v) { c.SetFixedColor(static_cast<TColor>(v)); }, clBtnFace);
  RegisterPublishedClass<TDrawGrid>("TDrawGrid", "TCustomGrid").Creatable();
  RegisterPublishedClass<TTimer>("TTimer", "TComponent")
      .Creatable()
      .Integer("Interval", [](TTimer& c) -> I { return c.Interval(); },
               [](TTimer& c, I v) { c.SetInterval(static_cast<unsigned>(v)); }, 1000)
      .Boolean("Enabled", [](TTimer& c) { return c.Enabled(); }, [](TTimer& c, bool v) { c.SetEnabled(v); }, true)
      .EventBy<TNotifyEvent>("OnTimer", [](TTimer& c) { return c.OnTimer(); },
                             [](TTimer& c, TNotifyEvent e) { c.SetOnTimer(e); });
  RegisterPublishedClass<TClientSocket>("TClientSocket", "TComponent")
      .Creatable()
      .String("Address", [](TClientSocket& c) { return c.Address(); },
              [](TClientSocket& c, const std::string& v) { c.SetAddress(v); })
      .Integer("Port", [](TClientSocket& c) -> I { return c.Port(); },
               [](TClientSocket& c, I v) { c.SetPort(static_cast<int>(v)); }, 0)
      .Boolean("Active", [](TClientSocket& c) { return c.Active(); },
               [](TClientSocket& c, bool v) { c.SetActive(v); }, false)
      .Event("OnConnect", &TClientSocket::OnConnect)
      .Event("OnDisconnect", &TClientSocket::OnDisconnect)
      .Event("OnError", &TClientSocket::OnError);
}

void RegisterForms() {
  RegisterPublishedClass<TForm>("TForm", "TWinControl")
      .Enumeration<TFormBorderStyle>("BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog"},
                                     [](TForm& f) { return f.BorderStyle(); },
                                     [](TForm& f, TFormBorderStyle v) { f.SetBorderStyle(v); },
                                     TFormBorderStyle::bsSizeable)
      .Set("BorderIcons", {"biSystemMenu", "biMinimize", "biMaximize"}, [](TForm& f) -> I { return f.BorderIcons(); },
           [](TForm& f, I v) { f.SetBorderIcons(static_cast<std::uint8_t>(v)); },
           biSystemMenu | biMinimize | biMaximize)
      .Enumeration<TPosition>("Position", {"poDesigned", "poDefault", "poScreenCenter", "poMainFormCenter"},
                              [](TForm& f) { return f.Position(); }, [](TForm& f, TPosition v) { f.SetPosition(v); },
                              TPosition::poDesigned)
      .Enumeration<TFormStyle>("FormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"},
                               [](TForm& f) { return f.FormStyle(); }, [](TForm& f, TFormStyle v) { f.SetFormStyle(v); },
                               TFormStyle::fsNormal)
      .Enumeration<TWindowState>("WindowState", {"wsNormal", "wsMinimized", "wsMaximized"},
                                 [](TForm& f) { return f.WindowState(); },
                                 [](TForm& f, TWindowState v) { f.SetWindowState(v); }, TWindowState::wsNormal)
      .Boolean("AutoScroll", [](TForm& f) { return f.AutoScroll(); }, [](TForm& f, bool v) { f.SetAutoScroll(v); }, false)
      .Integer("ClientWidth", [](TForm& f) -> I { return f.ClientWidth(); },
               [](TForm& f, I v) { f.SetClientWidth(static_cast<int>(v)); })
      .Integer("ClientHeight", [](TForm& f) -> I { return f.ClientHeight(); },
               [](TForm& f, I v) { f.SetClientHeight(static_cast<int>(v)); })
      .Boolean("Visible", [](TForm& f) { return f.Visible(); }, [](TForm& f, bool v) { f.SetVisible(v); }, false)
      .Binary("Icon.Data", [](TForm& f) { return f.Icon().IcoBytes(); },
              [](TForm& f, const std::vector<std::uint8_t>& v) {
                LoadIconData(f.Icon(), v, GetSystemMetrics(SM_CXICON), f.Name());
              })
      .Reference<TMainMenu>("Menu", [](TForm& f) { return f.Menu(); }, [](TForm& f, TMainMenu* m) { f.SetMenu(m); })
      .Event("OnCreate", &TForm::OnCreate)
      .Event("OnShow", &TForm::OnShow)
      .Event("OnHide", &TForm::OnHide)
      .Event("OnDestroy", &TForm::OnDestroy)
      .Event("OnActivate", &TForm::OnActivate)
      .Event("OnDeactivate", &TForm::OnDeactivate)
      .Event("OnPaint", &TForm::OnPaint)
      .Event("OnResize", &TForm::OnResize)
      .Event("OnClose", &TForm::OnClose)
      .Event("OnCloseQuery", &TForm::OnCloseQuery);
}

// Bitmap and speed buttons publish the same glyph settings.
template <typename C>
void GlyphProperties(TClassBuilder<C> builder) {
  builder
      .Binary("Glyph.Data", [](C& c) { return BitmapBytes(c.Glyph().Glyph); },
              [](C& c, const std::vector<std::uint8_t>& v) { LoadBitmapBytes(c.Glyph().Glyph, v, c.Name()); })
      .Integer("NumGlyphs", [](C& c) -> I { return c.Glyph().NumGlyphs; },
               [](C& c, I v) { c.Glyph().NumGlyphs = std::clamp(static_cast<int>(v), 1, 4); }, 1)
      .template Enumeration<TButtonLayout>(
          "Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"},
          [](C& c) { return c.Glyph().Layout; }, [](C& c, TButtonLayout v) { c.Glyph().Layout = v; },
          TButtonLayout::blGlyphLeft)
      .Integer("Margin", [](C& c) -> I { return c.Glyph().Margin; },
               [](C& c, I v) { c.Glyph().Margin = static_cast<int>(v); }, -1)
      .Integer("Spacing", [](C& c) -> I { return c.Glyph().Spacing; },
               [](C& c, I v) { c.Glyph().Spacing = static_cast<int>(v); }, 4);
}

void RegisterButtonsAndContainers() {
  RegisterPublishedClass<TRadioButton>("TRadioButton", "TWinControl")
      .Creatable()
      .Boolean("Checked", [](TRadioButton& c) { return c.Checked(); },
               [](TRadioButton& c, bool v) { c.SetChecked(v); }, false);
  RegisterPublishedClass<TRadioGroup>("TRadioGroup", "TCustomControl")
      .Creatable()
      .Lines("Items", [](TRadioGroup& c) { return c.Items(); },
             [](TRadioGroup& c, const std::vector<std::string>& v) { c.SetItems(v); })
      .Integer("ItemIndex", [](TRadioGroup& c) -> I { return c.ItemIndex(); },
               [](TRadioGroup& c, I v) { c.SetItemIndex(static_cast<int>(v)); }, -1);
  RegisterPublishedClass<TPanel>("TPanel", "TCustomControl")
      .Creatable()
      .Enumeration<TPanelBevel>("BevelOuter", {"bvNone", "bvLowered", "bvRaised"},
                                [](TPanel& c) { return c.BevelOuter(); },
                                [](TPanel& c, TPanelBevel v) { c.SetBevelOuter(v); }, TPanelBevel::bvRaised);
  RegisterPublishedClass<TFrame>("TFrame", "TCustomControl").Creatable();
  RegisterPublishedClass<TToolBar>("TToolBar", "TCustomControl")
      .Creatable()
      .Boolean("Flat", [](TToolBar& c) { return c.Flat(); }, [](TToolBar& c, bool v) { c.SetFlat(v); }, false)
      .Boolean("Transparent", [](TToolBar& c) { return c.Transparent(); },
               [](TToolBar& c, bool v) { c.SetTransparent(v); }, false);
  GlyphProperties(RegisterPublishedClass<TBitBtn>("TBitBtn", "TButton").Creatable());
  GlyphProperties(RegisterPublishedClass<TSpeedButton>("TSpeedButton", "TGraphicControl")
                      .Creatable()
                      .Boolean("Down", [](TSpeedButton& c) { return c.Down(); },
                               [](TSpeedButton& c, bool v) { c.SetDown(v); }, false));
}

// Header sections and list columns differ only in the name of their text.
template <typename C>
void ColumnProperties(const std::string& className, const std::string& textName) {
  RegisterPublishedClass<C>(className, "TCollectionItem")
      .String(textName, [](C& c) { return c.Text(); }, [](C& c, const std::string& v) { c.SetText(v); })
      .Integer("Width", [](C& c) -> I { return c.Width(); }, [](C& c, I v) { c.SetWidth(static_cast<int>(v)); }, 50)
      .template Enumeration<TAlignment>("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                                        [](C& c) { return c.Alignment(); },
                                        [](C& c, TAlignment v) { c.SetAlignment(v); }, TAlignment::taLeftJustify);
}

void RegisterColumnControls() {
  ColumnProperties<THeaderSection>("THeaderSection", "Text");
  ColumnProperties<TListColumn>("TListColumn", "Caption");
  RegisterPublishedClass<THeaderControl>("THeaderControl", "TWinControl")
      .Creatable()
      .Collection("Sections", [](THeaderControl& c) -> TCollection& { return c.Sections(); });
  RegisterPublishedClass<TCustomListView>("TCustomListView", "TWinControl")
      .Collection("Columns", [](TCustomListView& c) -> TCollection& { return c.Columns(); })
      .Boolean("ShowColumnHeaders", [](TCustomListView& c) { return c.ShowColumnHeaders(); },
               [](TCustomListView& c, bool v) { c.SetShowColumnHeaders(v); }, true);
  RegisterPublishedClass<TListView>("TListView", "TCustomListView").Creatable();
}

void RegisterMenus() {
  RegisterPublishedClass<TImageList>("TImageList", "TComponent")
      .Creatable()
      .Integer("Width", [](TImageList& c) -> I { return c.Width(); },
               [](TImageList& c, I v) { c.SetWidth(static_cast<int>(v)); }, 16)
      .Integer("Height", [](TImageList& c) -> I { return c.Height(); },
               [](TImageList& c, I v) { c.SetHeight(static_cast<int>(v)); }, 16)
      .Boolean("Masked", [](TImageList& c) { return c.Masked(); }, [](TImageList& c, bool v) { c.SetMasked(v); }, true);
  RegisterPublishedClass<TMenuItem>("TMenuItem", "TComponent")
      .Creatable()
      .String("Caption", [](TMenuItem& m) { return m.Caption(); }, [](TMenuItem& m, const std::string& v) { m.SetCaption(v); })
      .Integer("ShortCut", [](TMenuItem& m) -> I { return m.ShortCut(); },
               [](TMenuItem& m, I v) { m.SetShortCut(static_cast<TShortCut>(v)); }, 0)
      .Integer("ImageIndex", [](TMenuItem& m) -> I { return m.ImageIndex(); },
               [](TMenuItem& m, I v) { m.SetImageIndex(static_cast<int>(v)); }, -1)
      .Boolean("Checked", [](TMenuItem& m) { return m.Checked(); }, [](TMenuItem& m, bool v) { m.SetChecked(v); }, false)
      .Boolean("Enabled", [](TMenuItem& m) { return m.Enabled(); }, [](TMenuItem& m, bool v) { m.SetEnabled(v); }, true)
      .Boolean("Visible", [](TMenuItem& m) { return m.Visible(); }, [](TMenuItem& m, bool v) { m.SetVisible(v); }, true)
      .Boolean("Default", [](TMenuItem& m) { return m.Default(); }, [](TMenuItem& m, bool v) { m.SetDefault(v); }, false)
      .Event("OnClick", &TMenuItem::OnClick)
      .Event("OnMeasureItem", &TMenuItem::OnMeasureItem)
      .Event("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem);
  RegisterPublishedClass<TMenu>("TMenu", "TComponent")
      .Reference<TImageList>("Images", [](TMenu& m) { return m.Images(); }, [](TMenu& m, TImageList* v) { m.SetImages(v); })
      .Boolean("OwnerDraw", [](TMenu& m) { return m.OwnerDraw(); }, [](TMenu& m, bool v) { m.SetOwnerDraw(v); }, false);
  RegisterPublishedClass<TMainMenu>("TMainMenu", "TMenu").Creatable();
  RegisterPublishedClass<TPopupMenu>("TPopupMenu", "TMenu")
      .Creatable()
      .Boolean("AutoPopup", [](TPopupMenu& m) { return m.AutoPopup(); },
               [](TPopupMenu& m, bool v) { m.SetAutoPopup(v); }, true)
      .Event("OnPopup", &TPopupMenu::OnPopup);
}

}  // namespace

void RegisterToolkitClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterControls();
  RegisterForms();
  RegisterMenus();
  RegisterButtonsAndContainers();
  RegisterColumnControls();
}

}  // namespace korvale

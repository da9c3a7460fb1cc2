// The main window's components as its form description (MainForm.form) lists them, built in
// code until the window is read from the compiled description. Names, positions and values
// follow the description exactly; pictures come with the description.
#include "app/Unit1.h"
#include "toolkit/Bevel.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PageControl.h"
#include "toolkit/SpinEdit.h"
#include "toolkit/Timer.h"
#include "toolkit/TrackBar.h"

namespace korvale {

namespace {

template <typename T>
T* Make(TForm1& form, TWinControl* parent, const char* name, int left, int top, int width = -1,
        int height = -1) {
  T* control = new T(&form);
  control->SetName(name);
  control->SetBounds(left, top, width < 0 ? control->Width() : width,
                     height < 0 ? control->Height() : height);
  control->SetParent(parent);
  return control;
}

TLabel* MakeLabel(TForm1& form, TWinControl* parent, const char* name, int left, int top,
                  const char* caption) {
  TLabel* label = Make<TLabel>(form, parent, name, left, top);
  label->SetCaption(caption);
  return label;
}

TGroupBox* MakeGroup(TForm1& form, TWinControl* parent, const char* name, int left, int top,
                     int width, int height, const char* caption, int tabOrder) {
  TGroupBox* group = Make<TGroupBox>(form, parent, name, left, top, width, height);
  group->SetCaption(caption);
  group->SetTabOrder(tabOrder);
  return group;
}

TCheckBox* MakeCheck(TForm1& form, TWinControl* parent, const char* name, int left, int top,
                     int width, const char* caption, int tabOrder) {
  TCheckBox* check = Make<TCheckBox>(form, parent, name, left, top, width, 17);
  check->SetCaption(caption);
  check->SetChecked(true);
  check->SetTabOrder(tabOrder);
  return check;
}

void MakeServerTab(TForm1& form, TTabSheet*& sheet, const char* sheetName, const char* caption,
                   const char* addressLabel, TEdit*& address, const char* addressName,
                   TLabel*& label1, const char* portLabel, TLabel*& label2, TSpinEdit*& port,
                   const char* portName, int portValue) {
  sheet = new TTabSheet(&form);
  sheet->SetName(sheetName);
  sheet->SetPageControl(form.PageControl1);
  sheet->SetCaption(caption);
  label1 = MakeLabel(form, sheet, addressLabel, 8, 0, "IP Address:");
  address = Make<TEdit>(form, sheet, addressName, 8, 16, 81, 21);
  address->SetTabOrder(0);
  address->SetText("192.168.0.2");
  label2 = MakeLabel(form, sheet, portLabel, 96, 0, "Port:");
  port = Make<TSpinEdit>(form, sheet, portName, 96, 16, 57, 22);
  port->SetMaxValue(0);
  port->SetMinValue(0);
  port->SetTabOrder(1);
  port->SetValue(portValue);
}

void MakeLampGroup(TForm1& form, TGroupBox*& group, const char* groupName, int left,
                   const char* caption, int tabOrder, TImage*& lamp, const char* lampName,
                   TLabel*& status, const char* statusName) {
  group = MakeGroup(form, form.GroupBox1, groupName, left, 89, 49, 56, caption, tabOrder);
  lamp = Make<TImage>(form, group, lampName, 17, 16, 14, 14);
  lamp->SetCenter(true);
  lamp->SetTransparent(true);
  status = MakeLabel(form, group, statusName, 16, 32, "Off");
}

TTimer* MakeTimer(TForm1& form, const char* name, unsigned interval,
                  void (TForm1::*handler)(TObject*)) {
  auto* timer = new TTimer(&form);
  timer->SetName(name);
  timer->SetEnabled(false);
  timer->SetInterval(interval);
  timer->SetOnTimer(TNotifyEvent(&form, handler));
  return timer;
}

TClientSocket* MakeSocket(TForm1& form, const char* name,
                          void (TForm1::*connect)(TObject*, TCustomWinSocket*),
                          void (TForm1::*error)(TObject*, TCustomWinSocket*, TErrorEvent, int&)) {
  auto* socket = new TClientSocket(&form);
  socket->SetName(name);
  socket->SetPort(1);
  socket->OnConnect = TSocketNotifyEvent(&form, connect);
  socket->OnError = TSocketErrorEvent(&form, error);
  return socket;
}

}  // namespace

void BuildMainFormComponents(TForm1& form) {
  form.SetName("Form1");
  form.SetBounds(237, 139, form.Width(), form.Height());
  form.SetBorderStyle(TFormBorderStyle::bsSingle);
  form.SetBorderIcons(biSystemMenu | biMinimize);
  form.SetCaption("Korvale Server Manager v2.1 RC1");
  form.SetClientSize(426, 329);
  form.Font().SetName("MS Sans Serif");
  form.Font().SetSize(8);
  form.SetPosition(TPosition::poDesigned);
  form.OnCloseQuery = TCloseQueryEvent(&form, &TForm1::FormCloseQuery);
  form.OnCreate = TNotifyEvent(&form, &TForm1::FormCreate);

  form.GroupBox1 = MakeGroup(form, &form, "GroupBox1", 8, 0, 265, 153, "Servers", 0);
  form.Bevel1 = Make<TBevel>(form, form.GroupBox1, "Bevel1", 8, 16, 75, 100);
  form.Image1 = Make<TImage>(form, form.GroupBox1, "Image1", 8, 16, 75, 100);
  form.PageControl1 = Make<TPageControl>(form, form.GroupBox1, "PageControl1", 88, 16, 169, 73);
  form.PageControl1->SetTabOrder(0);
  MakeServerTab(form, form.TabSheet1, "TabSheet1", "Login", "Label1", form.loginserveraddress,
                "loginserveraddress", form.Label1, "Label2", form.Label2, form.loginserverport,
                "loginserverport", 6900);
  MakeServerTab(form, form.TabSheet2, "TabSheet2", "Char", "Label3", form.charserveraddress,
                "charserveraddress", form.Label3, "Label4", form.Label4, form.charserverport,
                "charserverport", 6121);
  MakeServerTab(form, form.TabSheet3, "TabSheet3", "Map", "Label5", form.mapserveraddress,
                "mapserveraddress", form.Label5, "Label6", form.Label6, form.mapserverport,
                "mapserverport", 5121);
  form.PageControl1->SetActivePage(form.TabSheet1);
  MakeLampGroup(form, form.GroupBox2, "GroupBox2", 88, "Login", 1, form.loginserverbitmap,
                "loginserverbitmap", form.loginserverstatus, "loginserverstatus");
  MakeLampGroup(form, form.GroupBox3, "GroupBox3", 144, "Char", 2, form.charserverbitmap,
                "charserverbitmap", form.charserverstatus, "charserverstatus");
  MakeLampGroup(form, form.GroupBox4, "GroupBox4", 200, "Map", 3, form.mapserverbitmap,
                "mapserverbitmap", form.mapserverstatus, "mapserverstatus");
  form.loggingcheck = MakeCheck(form, form.GroupBox1, "loggingcheck", 16, 128, 65, "Logging", 4);

  form.GroupBox5 = MakeGroup(form, &form, "GroupBox5", 280, 0, 137, 153, "Available Servers", 1);
  form.loginservercheck =
      MakeCheck(form, form.GroupBox5, "loginservercheck", 16, 16, 81, "Login Server", 0);
  form.charservercheck =
      MakeCheck(form, form.GroupBox5, "charservercheck", 16, 32, 81, "Char Server", 1);
  form.mapservercheck =
      MakeCheck(form, form.GroupBox5, "mapservercheck", 16, 48, 81, "Map Server", 2);
  form.Label7 = MakeLabel(form, form.GroupBox5, "Label7", 13, 64, "With selected:");
  form.Button1 = Make<TButton>(form, form.GroupBox5, "Button1", 16, 80, 89, 17);
  form.Button1->SetCaption("Activate");
  form.Button1->SetDefault(true);
  form.Button1->SetTabOrder(3);
  form.Button1->OnClick = TNotifyEvent(&form, &TForm1::Button1Click);
  form.Label8 = MakeLabel(form, form.GroupBox5, "Label8", 8, 104, "Refresh Rate:");
  form.rate = MakeLabel(form, form.GroupBox5, "rate", 80, 104, "5000ms");
  form.rateslider = Make<TTrackBar>(form, form.GroupBox5, "rateslider", 8, 120, 121, 17);
  form.rateslider->SetFrequency(1000);
  form.rateslider->SetLineSize(2);
  form.rateslider->SetRange(1000, 10000);
  form.rateslider->SetPosition(5000);
  form.rateslider->SetTabOrder(4);
  form.rateslider->OnChange = TNotifyEvent(&form, &TForm1::ratesliderChange);

  form.GroupBox6 = MakeGroup(form, &form, "GroupBox6", 8, 160, 409, 161, "Log", 2);
  form.log = Make<TMemo>(form, form.GroupBox6, "log", 8, 16, 393, 137);
  form.log->SetScrollBars(TScrollStyle::ssVertical);
  form.log->SetTabOrder(0);
  form.log->OnChange = TNotifyEvent(&form, &TForm1::logChange);

  form.loginservertimer =
      MakeTimer(form, "loginservertimer", 5000, &TForm1::loginservertimerTimer);
  form.charservertimer = MakeTimer(form, "charservertimer", 5000, &TForm1::charservertimerTimer);
  form.mapservertimer = MakeTimer(form, "mapservertimer", 50000, &TForm1::mapservertimerTimer);
  form.loginserversocket = MakeSocket(form, "loginserversocket",
                                      &TForm1::loginserversocketConnect,
                                      &TForm1::loginserversocketError);
  form.charserversocket = MakeSocket(form, "charserversocket", &TForm1::charserversocketConnect,
                                     &TForm1::charserversocketError);
  form.mapserversocket = MakeSocket(form, "mapserversocket", &TForm1::mapserversocketConnect,
                                    &TForm1::mapserversocketError);
}

}  // namespace korvale

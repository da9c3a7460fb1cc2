#include "app/MainForm.h"

#include <windows.h>

#include <cstdlib>

#include "app/FormFields.h"
#include "app/MainFormServices.h"
#include "app/StatusLogView.h"
#include "app/ManagerSettings.h"
#include "app/AboutForm.h"
#include "app/process/ServerLauncher.h"
#include "app/process/SystemProcessControl.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Edit.h"
#include "toolkit/Bevel.h"
#include "toolkit/FormReader.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/Menus.h"
#include "toolkit/PageControl.h"
#include "toolkit/SpinEdit.h"
#include "toolkit/Timer.h"
#include "toolkit/TrackBar.h"
#include "toolkit/TypInfo.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"
#include "skin/controls/ControlSkinning.h"
#include "skin/forms/SkinManager.h"
#include "tray/CoolTrayIcon.h"
#include "tray/TrayClasses.h"

namespace korvale {

namespace {

constexpr char kActivationLockText[] =
    "Brix is currently activated, in order for your\r\ndata to be saved correctly you must "
    "deactivate\r\nit first.";

// The first command-line argument, compared case-sensitively by the caller.
std::string FirstArgument() { return __argc > 1 && __argv[1] ? __argv[1] : ""; }

// The handlers a form description may name, registered once.
void RegisterMainFormClass() {
  static const bool registered = [] {
    RegisterPublishedClass<TForm1>("TForm1", "TForm")
        .Handler("FormCreate", &TForm1::FormCreate)
        .Handler("FormCloseQuery", &TForm1::FormCloseQuery)
        .Handler("Button1Click", &TForm1::Button1Click)
        .Handler("loginservertimerTimer", &TForm1::loginservertimerTimer)
        .Handler("charservertimerTimer", &TForm1::charservertimerTimer)
        .Handler("mapservertimerTimer", &TForm1::mapservertimerTimer)
        .Handler("loginserversocketConnect", &TForm1::loginserversocketConnect)
        .Handler("charserversocketConnect", &TForm1::charserversocketConnect)
        .Handler("mapserversocketConnect", &TForm1::mapserversocketConnect)
        .Handler("loginserversocketError", &TForm1::loginserversocketError)
        .Handler("charserversocketError", &TForm1::charserversocketError)
        .Handler("mapserversocketError", &TForm1::mapserversocketError)
        .Handler("ratesliderChange", &TForm1::ratesliderChange)
        .Handler("logChange", &TForm1::logChange)
        .Handler("Start1Click", &TForm1::Start1Click)
        .Handler("Close2Click", &TForm1::Close2Click)
        .Handler("Servers2Click", &TForm1::Servers2Click)
        .Handler("LoginServer1Click", &TForm1::LoginServer1Click)
        .Handler("CharServer1Click", &TForm1::CharServer1Click)
        .Handler("MapServer1Click", &TForm1::MapServer1Click)
        .Handler("Options1Click", &TForm1::Options1Click)
        .Handler("S1Click", &TForm1::S1Click)
        .Handler("skin0Click", &TForm1::skin0Click)
        .Handler("skin1Click", &TForm1::skin1Click)
        .Handler("skin2Click", &TForm1::skin2Click)
        .Handler("skin3Click", &TForm1::skin3Click)
        .Handler("skin4Click", &TForm1::skin4Click)
        .Handler("skin5Click", &TForm1::skin5Click)
        .Handler("AutorunOnStartUp1Click", &TForm1::AutorunOnStartUp1Click)
        .Handler("Documentation1Click", &TForm1::Documentation1Click)
        .Handler("N1Click", &TForm1::N1Click)
        .Handler("ActivateDeactivate1Click", &TForm1::ActivateDeactivate1Click)
        .Handler("Show1Click", &TForm1::Show1Click)
        .Handler("ShowHide1Click", &TForm1::ShowHide1Click)
        .Handler("Servers1Click", &TForm1::Servers1Click)
        .Handler("loginservermenuClick", &TForm1::loginservermenuClick)
        .Handler("charservermenuClick", &TForm1::charservermenuClick)
        .Handler("mapservermenuClick", &TForm1::mapservermenuClick)
        .Handler("Close1Click", &TForm1::Close1Click)
        .Handler("trayiconDblClick", &TForm1::trayiconDblClick);
    return true;
  }();
  (void)registered;
}

}  // namespace

void TForm1::BindComponents() {
  BindField(*this, GroupBox1, "GroupBox1");
  BindField(*this, Bevel1, "Bevel1");
  BindField(*this, Image1, "Image1");
  BindField(*this, PageControl1, "PageControl1");
  BindField(*this, TabSheet1, "TabSheet1");
  BindField(*this, TabSheet2, "TabSheet2");
  BindField(*this, TabSheet3, "TabSheet3");
  BindField(*this, Label1, "Label1");
  BindField(*this, Label2, "Label2");
  BindField(*this, Label3, "Label3");
  BindField(*this, Label4, "Label4");
  BindField(*this, Label5, "Label5");
  BindField(*this, Label6, "Label6");
  BindField(*this, Label7, "Label7");
  BindField(*this, Label8, "Label8");
  BindField(*this, loginserveraddress, "loginserveraddress");
  BindField(*this, charserveraddress, "charserveraddress");
  BindField(*this, mapserveraddress, "mapserveraddress");
  BindField(*this, loginserverport, "loginserverport");
  BindField(*this, charserverport, "charserverport");
  BindField(*this, mapserverport, "mapserverport");
  BindField(*this, GroupBox2, "GroupBox2");
  BindField(*this, GroupBox3, "GroupBox3");
  BindField(*this, GroupBox4, "GroupBox4");
  BindField(*this, loginserverbitmap, "loginserverbitmap");
  BindField(*this, charserverbitmap, "charserverbitmap");
  BindField(*this, mapserverbitmap, "mapserverbitmap");
  BindField(*this, loginserverstatus, "loginserverstatus");
  BindField(*this, charserverstatus, "charserverstatus");
  BindField(*this, mapserverstatus, "mapserverstatus");
  BindField(*this, loggingcheck, "loggingcheck");
  BindField(*this, GroupBox5, "GroupBox5");
  BindField(*this, loginservercheck, "loginservercheck");
  BindField(*this, charservercheck, "charservercheck");
  BindField(*this, mapservercheck, "mapservercheck");
  BindField(*this, Button1, "Button1");
  BindField(*this, rate, "rate");
  BindField(*this, rateslider, "rateslider");
  BindField(*this, GroupBox6, "GroupBox6");
  BindField(*this, log, "log");
  BindField(*this, loginservertimer, "loginservertimer");
  BindField(*this, charservertimer, "charservertimer");
  BindField(*this, mapservertimer, "mapservertimer");
  BindField(*this, loginserversocket, "loginserversocket");
  BindField(*this, charserversocket, "charserversocket");
  BindField(*this, mapserversocket, "mapserversocket");
  BindField(*this, ImageList1, "ImageList1");
  BindField(*this, MainMenu1, "MainMenu1");
  BindField(*this, File1, "File1");
  BindField(*this, Start1, "Start1");
  BindField(*this, N2, "N2");
  BindField(*this, Close2, "Close2");
  BindField(*this, Servers2, "Servers2");
  BindField(*this, LoginServer1, "LoginServer1");
  BindField(*this, CharServer1, "CharServer1");
  BindField(*this, MapServer1, "MapServer1");
  BindField(*this, Options1, "Options1");
  BindField(*this, S1, "S1");
  BindField(*this, skin0, "skin0");
  BindField(*this, skin1, "skin1");
  BindField(*this, skin2, "skin2");
  BindField(*this, skin3, "skin3");
  BindField(*this, skin4, "skin4");
  BindField(*this, skin5, "skin5");
  BindField(*this, AutorunOnStartUp1, "AutorunOnStartUp1");
  BindField(*this, Help1, "Help1");
  BindField(*this, Documentation1, "Documentation1");
  BindField(*this, N1, "N1");
  BindField(*this, PopupMenu1, "PopupMenu1");
  BindField(*this, ActivateDeactivate1, "ActivateDeactivate1");
  BindField(*this, ServerManager1, "ServerManager1");
  BindField(*this, Show1, "Show1");
  BindField(*this, ShowHide1, "ShowHide1");
  BindField(*this, Servers1, "Servers1");
  BindField(*this, loginservermenu, "loginservermenu");
  BindField(*this, charservermenu, "charservermenu");
  BindField(*this, mapservermenu, "mapservermenu");
  BindField(*this, Close1, "Close1");
  BindField(*this, trayicon, "trayicon");
  BindField(*this, SkinStore1, "SkinStore1");
  BindField(*this, SkinData1, "SkinData1");
}

TForm1::TForm1(TComponent* owner) : TForm1(owner, ProgramFolder()) {}

TForm1::TForm1(TComponent* owner, const std::string& programFolder)
    : TForm(owner),
      processes_(std::make_unique<SystemProcessControl>(programFolder)),
      clock_(std::make_unique<SystemStatusClock>()) {
  RegisterTrayClasses();
  RegisterSkinClasses();
  RegisterControlSkinners();
  RegisterMainFormClass();
  ReadComponentResource(this, "TFORM1");
  BindComponents();
  services_ = std::make_unique<MainFormServices>(*this);
  statusLog_ = std::make_unique<StatusLogView>(*log, *loggingcheck, programFolder);
  supervision_ = std::make_unique<SupervisionModel>(
      SupervisionServices{*processes_, *services_, *services_, *services_, *statusLog_,
                          *services_, *clock_},
      programFolder);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(TObject*) {
  const std::string folder = supervision_->ProgramFolder();
  const auto fail = [this] {
    startUpFailed_ = true;
    Application().Terminate();
  };
  const bool goOn = korvale::RunStartUpPrompts([](const std::string& caption, const std::string& text) {
    return Application().MessageBox(text, caption, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
  });
  if (!goOn) return fail();

  ReadSettings(*this, folder);
  SelectSkin(SkinIndex);
  // The checks come before "autorun" activates: a message's modal loop would otherwise run
  // the timers and launch servers that nothing ends when the program quits.
  for (const auto& check : {CheckServerExecutables(folder), CheckSystemVersion(),
                            CheckLampBitmaps(folder)}) {
    if (check) {
      ShowMessage(*check);
      return fail();
    }
  }
  if (FirstArgument() == "autorun") Button1Click(this);
}

void TForm1::FormCloseQuery(TObject*, bool& canClose) {
  if (supervision_->IsActive()) {
    Application().MessageBox(kActivationLockText, std::string(kWarningCaption),
                             MB_OK | MB_ICONEXCLAMATION);
    canClose = false;
    return;
  }
  WriteSettings(*this, supervision_->ProgramFolder());
  canClose = true;
  loginservertimer->SetEnabled(false);
  charservertimer->SetEnabled(false);
  mapservertimer->SetEnabled(false);
  KillServersAtClose();
}

void TForm1::Button1Click(TObject*) { supervision_->Button1Click(); }

void TForm1::loginservertimerTimer(TObject*) { supervision_->TimerTick(ServerId::Login); }
void TForm1::charservertimerTimer(TObject*) { supervision_->TimerTick(ServerId::Char); }
void TForm1::mapservertimerTimer(TObject*) { supervision_->TimerTick(ServerId::Map); }

void TForm1::loginserversocketConnect(TObject*, TCustomWinSocket*) {
  supervision_->SocketConnect(ServerId::Login);
}
void TForm1::charserversocketConnect(TObject*, TCustomWinSocket*) {
  supervision_->SocketConnect(ServerId::Char);
}
void TForm1::mapserversocketConnect(TObject*, TCustomWinSocket*) {
  supervision_->SocketConnect(ServerId::Map);
}

void TForm1::loginserversocketError(TObject*, TCustomWinSocket*, TErrorEvent, int& errorCode) {
  supervision_->SocketError(ServerId::Login, errorCode);
}
void TForm1::charserversocketError(TObject*, TCustomWinSocket*, TErrorEvent, int& errorCode) {
  supervision_->SocketError(ServerId::Char, errorCode);
}
void TForm1::mapserversocketError(TObject*, TCustomWinSocket*, TErrorEvent, int& errorCode) {
  supervision_->SocketError(ServerId::Map, errorCode);
}

void TForm1::ratesliderChange(TObject*) {
  supervision_->RateSliderChange(rateslider->Position());
}

void TForm1::logChange(TObject*) {
  // Text the form description gives the memo arrives before the log view exists.
  if (statusLog_) statusLog_->ViewChanged();
}

void TForm1::SelectSkin(int index) {
  SkinData1->LoadFromStore(SkinStore1, index);
  SkinIndex = index;
}

TMenuItem* TForm1::SkinItem(int index) const {
  TMenuItem* const items[] = {skin0, skin1, skin2, skin3, skin4, skin5};
  return items[index];
}

void TForm1::Start1Click(TObject*) { Button1Click(this); }
void TForm1::Close2Click(TObject*) { Close(); }

void TForm1::ShowServerChecks(TMenuItem* login, TMenuItem* charServer, TMenuItem* map) {
  login->SetChecked(loginservercheck->Checked());
  charServer->SetChecked(charservercheck->Checked());
  map->SetChecked(mapservercheck->Checked());
}

void TForm1::Invert(TCheckBox* check) { check->SetChecked(!check->Checked()); }

void TForm1::Servers2Click(TObject*) { ShowServerChecks(LoginServer1, CharServer1, MapServer1); }
void TForm1::LoginServer1Click(TObject*) { Invert(loginservercheck); }
void TForm1::CharServer1Click(TObject*) { Invert(charservercheck); }
void TForm1::MapServer1Click(TObject*) { Invert(mapservercheck); }

void TForm1::Options1Click(TObject*) {
  AutorunOnStartUp1->SetChecked(RunOnStartUpEntryExists());
  for (int k = 0; k < 6; ++k) SkinItem(k)->SetChecked(k == SkinIndex);
}

void TForm1::S1Click(TObject*) { ShowMessage(static_cast<long long>(SkinIndex)); }

void TForm1::skin0Click(TObject*) { SelectSkin(0); }
void TForm1::skin1Click(TObject*) { SelectSkin(1); }
void TForm1::skin2Click(TObject*) { SelectSkin(2); }
void TForm1::skin3Click(TObject*) { SelectSkin(3); }
void TForm1::skin4Click(TObject*) { SelectSkin(4); }
void TForm1::skin5Click(TObject*) { SelectSkin(5); }

void TForm1::AutorunOnStartUp1Click(TObject*) {
  ToggleRunOnStartUpEntry(supervision_->ProgramFolder());
}

void TForm1::Documentation1Click(TObject*) { ShowMessage("Not Available ATM."); }

void TForm1::N1Click(TObject*) {
  // The one About dialog, made at start and owned by the application.
  if (auto* about = dynamic_cast<TForm2*>(Application().FindComponent("Form2"))) about->ShowModal();
}

void TForm1::ActivateDeactivate1Click(TObject*) { Button1Click(this); }
void TForm1::Show1Click(TObject*) { trayicon->RestoreFromTray(); }
void TForm1::ShowHide1Click(TObject*) { trayicon->SendToTray(); }

void TForm1::Servers1Click(TObject*) {
  ShowServerChecks(loginservermenu, charservermenu, mapservermenu);
}
void TForm1::loginservermenuClick(TObject*) { Invert(loginservercheck); }
void TForm1::charservermenuClick(TObject*) { Invert(charservercheck); }
void TForm1::mapservermenuClick(TObject*) { Invert(mapservercheck); }
void TForm1::Close1Click(TObject*) { Close(); }

void TForm1::trayiconDblClick(TObject*) {
  if (Visible()) trayicon->SendToTray();
  else trayicon->RestoreFromTray();
}

}  // namespace korvale

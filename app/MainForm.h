#pragma once

// TForm1: the main window. Its description gives it the controls, timers, probe sockets,
// menus, tray icon and skin components; the supervision decisions live in SupervisionModel,
// the settings and start-up rules in ManagerSettings, and the handlers here only forward to
// them.
#include <memory>
#include <string>

#include "core/Supervision.h"
#include "toolkit/ClientSocket.h"
#include "toolkit/Form.h"

namespace korvale {

class TBevel;
class TButton;
class TCheckBox;
class TCoolTrayIcon;
class TEdit;
class TGroupBox;
class TImage;
class TImageList;
class TLabel;
class TMainMenu;
class TMemo;
class TMenuItem;
class TPopupMenu;
class TSkinData;
class TSkinStore;
class TPageControl;
class TSpinEdit;
class TTabSheet;
class TTimer;
class TTrackBar;
class MainFormServices;
class StatusLogView;
class SystemProcessControl;
class SystemStatusClock;

class TForm1 : public TForm {
 public:
  // The program folder holds the settings, the log, the servers and the lamps; by default
  // it is the executable's folder.
  explicit TForm1(TComponent* owner);
  TForm1(TComponent* owner, const std::string& programFolder);
  ~TForm1() override;
  std::string ClassName() const override { return "TForm1"; }

  // The window's elements, by the names of its form description.
  TGroupBox* GroupBox1 = nullptr;
  TBevel* Bevel1 = nullptr;
  TImage* Image1 = nullptr;
  TPageControl* PageControl1 = nullptr;
  TTabSheet* TabSheet1 = nullptr;
  TTabSheet* TabSheet2 = nullptr;
  TTabSheet* TabSheet3 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label8 = nullptr;
  TEdit* loginserveraddress = nullptr;
  TEdit* charserveraddress = nullptr;
  TEdit* mapserveraddress = nullptr;
  TSpinEdit* loginserverport = nullptr;
  TSpinEdit* charserverport = nullptr;
  TSpinEdit* mapserverport = nullptr;
  TGroupBox* GroupBox2 = nullptr;
  TGroupBox* GroupBox3 = nullptr;
  TGroupBox* GroupBox4 = nullptr;
  TImage* loginserverbitmap = nullptr;
  TImage* charserverbitmap = nullptr;
  TImage* mapserverbitmap = nullptr;
  TLabel* loginserverstatus = nullptr;
  TLabel* charserverstatus = nullptr;
  TLabel* mapserverstatus = nullptr;
  TCheckBox* loggingcheck = nullptr;
  TGroupBox* GroupBox5 = nullptr;
  TCheckBox* loginservercheck = nullptr;
  TCheckBox* charservercheck = nullptr;
  TCheckBox* mapservercheck = nullptr;
  TButton* Button1 = nullptr;
  TLabel* rate = nullptr;
  TTrackBar* rateslider = nullptr;
  TGroupBox* GroupBox6 = nullptr;
  TMemo* log = nullptr;
  TTimer* loginservertimer = nullptr;
  TTimer* charservertimer = nullptr;
  TTimer* mapservertimer = nullptr;
  TClientSocket* loginserversocket = nullptr;
  TClientSocket* charserversocket = nullptr;
  TClientSocket* mapserversocket = nullptr;
  TImageList* ImageList1 = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* File1 = nullptr;
  TMenuItem* Start1 = nullptr;
  TMenuItem* N2 = nullptr;
  TMenuItem* Close2 = nullptr;
  TMenuItem* Servers2 = nullptr;
  TMenuItem* LoginServer1 = nullptr;
  TMenuItem* CharServer1 = nullptr;
  TMenuItem* MapServer1 = nullptr;
  TMenuItem* Options1 = nullptr;
  TMenuItem* S1 = nullptr;
  TMenuItem* skin0 = nullptr;
  TMenuItem* skin1 = nullptr;
  TMenuItem* skin2 = nullptr;
  TMenuItem* skin3 = nullptr;
  TMenuItem* skin4 = nullptr;
  TMenuItem* skin5 = nullptr;
  TMenuItem* AutorunOnStartUp1 = nullptr;
  TMenuItem* Help1 = nullptr;
  TMenuItem* Documentation1 = nullptr;
  TMenuItem* N1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* ActivateDeactivate1 = nullptr;
  TMenuItem* ServerManager1 = nullptr;
  TMenuItem* Show1 = nullptr;
  TMenuItem* ShowHide1 = nullptr;
  TMenuItem* Servers1 = nullptr;
  TMenuItem* loginservermenu = nullptr;
  TMenuItem* charservermenu = nullptr;
  TMenuItem* mapservermenu = nullptr;
  TMenuItem* Close1 = nullptr;
  TCoolTrayIcon* trayicon = nullptr;
  TSkinStore* SkinStore1 = nullptr;
  TSkinData* SkinData1 = nullptr;

  // The index of the stored skin last chosen; read from and written to the settings.
  int SkinIndex = 4;

  void FormCreate(TObject* sender);
  void FormCloseQuery(TObject* sender, bool& canClose);
  void Button1Click(TObject* sender);
  void loginservertimerTimer(TObject* sender);
  void charservertimerTimer(TObject* sender);
  void mapservertimerTimer(TObject* sender);
  void loginserversocketConnect(TObject* sender, TCustomWinSocket* socket);
  void charserversocketConnect(TObject* sender, TCustomWinSocket* socket);
  void mapserversocketConnect(TObject* sender, TCustomWinSocket* socket);
  void loginserversocketError(TObject* sender, TCustomWinSocket* socket, TErrorEvent kind,
                              int& errorCode);
  void charserversocketError(TObject* sender, TCustomWinSocket* socket, TErrorEvent kind,
                             int& errorCode);
  void mapserversocketError(TObject* sender, TCustomWinSocket* socket, TErrorEvent kind,
                            int& errorCode);
  void ratesliderChange(TObject* sender);
  void logChange(TObject* sender);
  void Start1Click(TObject* sender);
  void Close2Click(TObject* sender);
  void Servers2Click(TObject* sender);
  void LoginServer1Click(TObject* sender);
  void CharServer1Click(TObject* sender);
  void MapServer1Click(TObject* sender);
  void Options1Click(TObject* sender);
  void S1Click(TObject* sender);
  void skin0Click(TObject* sender);
  void skin1Click(TObject* sender);
  void skin2Click(TObject* sender);
  void skin3Click(TObject* sender);
  void skin4Click(TObject* sender);
  void skin5Click(TObject* sender);
  void AutorunOnStartUp1Click(TObject* sender);
  void Documentation1Click(TObject* sender);
  void N1Click(TObject* sender);
  void ActivateDeactivate1Click(TObject* sender);
  void Show1Click(TObject* sender);
  void ShowHide1Click(TObject* sender);
  void Servers1Click(TObject* sender);
  void loginservermenuClick(TObject* sender);
  void charservermenuClick(TObject* sender);
  void mapservermenuClick(TObject* sender);
  void Close1Click(TObject* sender);
  void trayiconDblClick(TObject* sender);

  SupervisionModel& Supervision() { return *supervision_; }
  // Set when a start-up check or prompt ended the program: nothing more is shown.
  bool StartUpFailed() const { return startUpFailed_; }

 private:
  // Points the element fields at the components the description created.
  void BindComponents();
  // Loads and applies stored skin k (an index outside the store changes nothing) and
  // records k as the one chosen.
  void SelectSkin(int index);
  // Sets the check marks of a servers menu from the three enable check boxes.
  void ShowServerChecks(TMenuItem* login, TMenuItem* charServer, TMenuItem* map);
  static void Invert(TCheckBox* check);
  // The skin menu items, by their store index.
  TMenuItem* SkinItem(int index) const;

  std::unique_ptr<SystemProcessControl> processes_;
  std::unique_ptr<SystemStatusClock> clock_;
  std::unique_ptr<MainFormServices> services_;
  std::unique_ptr<StatusLogView> statusLog_;
  std::unique_ptr<SupervisionModel> supervision_;
  bool startUpFailed_ = false;
};


}  // namespace korvale

#include "app/MainFormServices.h"

#include <array>

#include "app/MainForm.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/SpinEdit.h"
#include "toolkit/Timer.h"

namespace korvale {

namespace {

// Each server's controls on the main window, in server order.
struct ServerControls {
  TClientSocket* TForm1::*socket;
  TTimer* TForm1::*timer;
  TImage* TForm1::*lamp;
  TLabel* TForm1::*status;
  TCheckBox* TForm1::*check;
  TEdit* TForm1::*address;
  TSpinEdit* TForm1::*port;
};

constexpr std::array<ServerControls, 3> kServerControls = {{
    {&TForm1::loginserversocket, &TForm1::loginservertimer, &TForm1::loginserverbitmap,
     &TForm1::loginserverstatus, &TForm1::loginservercheck, &TForm1::loginserveraddress,
     &TForm1::loginserverport},
    {&TForm1::charserversocket, &TForm1::charservertimer, &TForm1::charserverbitmap,
     &TForm1::charserverstatus, &TForm1::charservercheck, &TForm1::charserveraddress,
     &TForm1::charserverport},
    {&TForm1::mapserversocket, &TForm1::mapservertimer, &TForm1::mapserverbitmap,
     &TForm1::mapserverstatus, &TForm1::mapservercheck, &TForm1::mapserveraddress,
     &TForm1::mapserverport},
}};

const ServerControls& Controls(ServerId server) { return kServerControls[Index(server)]; }

}  // namespace

void MainFormServices::StartProbe(ServerId server, const std::string& address, int port) {
  TClientSocket& socket = *(form_.*Controls(server).socket);
  socket.SetAddress(address);
  socket.SetPort(port);
  socket.SetActive(true);
}

void MainFormServices::CloseProbe(ServerId server) {
  (form_.*Controls(server).socket)->SetActive(false);
}

void MainFormServices::SetTimerEnabled(ServerId server, bool enabled) {
  (form_.*Controls(server).timer)->SetEnabled(enabled);
}

void MainFormServices::SetTimerInterval(ServerId server, int milliseconds) {
  (form_.*Controls(server).timer)->SetInterval(static_cast<unsigned>(milliseconds));
}

void MainFormServices::ShowLamp(ServerId server, const std::string& bitmapPath) {
  // A lamp file that has become unreadable since the start-up check leaves the lamp as it
  // was (loading into the lamp itself would blank it): the label and the log still tell
  // the state.
  TBitmap loaded;
  if (!loaded.LoadFromFile(bitmapPath).empty()) return;
  (form_.*Controls(server).lamp)->Picture().AssignImage(loaded.ToImage());
}

void MainFormServices::SetStatusLabel(ServerId server, std::string_view text) {
  (form_.*Controls(server).status)->SetCaption(std::string(text));
}

void MainFormServices::SetRateLabel(const std::string& text) { form_.rate->SetCaption(text); }

std::string MainFormServices::ActivationCaption() { return form_.Button1->Caption(); }

void MainFormServices::SetActivationCaption(std::string_view caption) {
  form_.Button1->SetCaption(std::string(caption));
}

bool MainFormServices::IsServerChecked(ServerId server) {
  return (form_.*Controls(server).check)->Checked();
}

std::string MainFormServices::AddressText(ServerId server) {
  return (form_.*Controls(server).address)->Text();
}

int MainFormServices::PortValue(ServerId server) { return (form_.*Controls(server).port)->Value(); }

}  // namespace korvale

#include "app/MainFormServices.h"

#include "app/MainForm.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/SpinEdit.h"
#include "toolkit/Timer.h"

namespace korvale {

TClientSocket& MainFormServices::Socket(ServerId server) {
  switch (server) {
    case ServerId::Login: return *form_.loginserversocket;
    case ServerId::Char: return *form_.charserversocket;
    case ServerId::Map: break;
  }
  return *form_.mapserversocket;
}

TTimer& MainFormServices::Timer(ServerId server) {
  switch (server) {
    case ServerId::Login: return *form_.loginservertimer;
    case ServerId::Char: return *form_.charservertimer;
    case ServerId::Map: break;
  }
  return *form_.mapservertimer;
}

TImage& MainFormServices::LampImage(ServerId server) {
  switch (server) {
    case ServerId::Login: return *form_.loginserverbitmap;
    case ServerId::Char: return *form_.charserverbitmap;
    case ServerId::Map: break;
  }
  return *form_.mapserverbitmap;
}

TLabel& MainFormServices::StatusLabel(ServerId server) {
  switch (server) {
    case ServerId::Login: return *form_.loginserverstatus;
    case ServerId::Char: return *form_.charserverstatus;
    case ServerId::Map: break;
  }
  return *form_.mapserverstatus;
}

TCheckBox& MainFormServices::Check(ServerId server) {
  switch (server) {
    case ServerId::Login: return *form_.loginservercheck;
    case ServerId::Char: return *form_.charservercheck;
    case ServerId::Map: break;
  }
  return *form_.mapservercheck;
}

TEdit& MainFormServices::Address(ServerId server) {
  switch (server) {
    case ServerId::Login: return *form_.loginserveraddress;
    case ServerId::Char: return *form_.charserveraddress;
    case ServerId::Map: break;
  }
  return *form_.mapserveraddress;
}

TSpinEdit& MainFormServices::Port(ServerId server) {
  switch (server) {
    case ServerId::Login: return *form_.loginserverport;
    case ServerId::Char: return *form_.charserverport;
    case ServerId::Map: break;
  }
  return *form_.mapserverport;
}

void MainFormServices::StartProbe(ServerId server, const std::string& address, int port) {
  TClientSocket& socket = Socket(server);
  socket.SetAddress(address);
  socket.SetPort(port);
  socket.SetActive(true);
}

void MainFormServices::CloseProbe(ServerId server) { Socket(server).SetActive(false); }

void MainFormServices::SetTimerEnabled(ServerId server, bool enabled) {
  Timer(server).SetEnabled(enabled);
}

void MainFormServices::SetTimerInterval(ServerId server, int milliseconds) {
  Timer(server).SetInterval(static_cast<unsigned>(milliseconds));
}

void MainFormServices::ShowLamp(ServerId server, const std::string& bitmapPath) {
  // A lamp file that has become unreadable since the start-up check leaves the lamp as it
  // was: the label and the log still tell the state.
  (void)LampImage(server).LoadFromFile(bitmapPath);
}

void MainFormServices::SetStatusLabel(ServerId server, std::string_view text) {
  StatusLabel(server).SetCaption(std::string(text));
}

void MainFormServices::SetRateLabel(const std::string& text) { form_.rate->SetCaption(text); }

std::string MainFormServices::ActivationCaption() { return form_.Button1->Caption(); }

void MainFormServices::SetActivationCaption(std::string_view caption) {
  form_.Button1->SetCaption(std::string(caption));
}

bool MainFormServices::IsServerChecked(ServerId server) { return Check(server).Checked(); }

std::string MainFormServices::AddressText(ServerId server) { return Address(server).Text(); }

int MainFormServices::PortValue(ServerId server) { return Port(server).Value(); }

}  // namespace korvale

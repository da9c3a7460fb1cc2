#pragma once

// The supervision cycle of the three servers, free of the platform: every decision of the
// activation switch, the ticks, the probe results and the refresh rate is made here, and
// every effect goes through the small interfaces below, which the main window implements
// with its controls, timers and sockets. The window's handlers only forward:
// Button1Click, Start1Click and ActivateDeactivate1Click to Button1Click;
// loginservertimerTimer to TimerTick(ServerId::Login) and so on; loginserversocketConnect to
// SocketConnect; loginserversocketError to SocketError with the error code; ratesliderChange
// to RateSliderChange with the slider's position.
#include <array>
#include <string>
#include <string_view>

#include "core/ManagedServer.h"
#include "core/ProcessControl.h"
#include "core/StatusLine.h"

namespace korvale {

// One non-blocking TCP connection attempt per server. Results come back later through
// SupervisionModel::SocketConnect and SocketError; for an empty address the error report
// may run inside StartProbe, and CloseProbe is then called from inside StartProbe.
class ProbeSockets {
 public:
  virtual ~ProbeSockets() = default;
  // Sets address (a dotted-quad literal, no name lookup) and port (used as 16 bits) on the
  // inactive socket, then activates it.
  virtual void StartProbe(ServerId server, const std::string& address, int port) = 0;
  // Closes the connection or gives up a pending attempt; nothing if there is neither.
  virtual void CloseProbe(ServerId server) = 0;
};

// The three periodic timers. Setting the interval of a running timer restarts its countdown;
// enabling a timer that already runs changes nothing.
class ServerTimers {
 public:
  virtual ~ServerTimers() = default;
  virtual void SetTimerEnabled(ServerId server, bool enabled) = 0;
  virtual void SetTimerInterval(ServerId server, int milliseconds) = 0;
};

// Lamps, status labels and the refresh-rate label.
class StatusDisplay {
 public:
  virtual ~StatusDisplay() = default;
  // Loads the lamp picture from this file; it is read afresh at every change.
  virtual void ShowLamp(ServerId server, const std::string& bitmapPath) = 0;
  virtual void SetStatusLabel(ServerId server, std::string_view text) = 0;
  virtual void SetRateLabel(const std::string& text) = 0;
};

// The log view: a status line goes in front of its text, a change of the log that its file
// follows.
class LogText {
 public:
  virtual ~LogText() = default;
  virtual void AddLine(const std::string& line) = 0;
};

// What the window shows now: read at the moment of use, never cached.
class SupervisionSettings {
 public:
  virtual ~SupervisionSettings() = default;
  // The caption of the activation button is the activation state.
  virtual std::string ActivationCaption() = 0;
  virtual void SetActivationCaption(std::string_view caption) = 0;
  virtual bool IsServerChecked(ServerId server) = 0;
  virtual std::string AddressText(ServerId server) = 0;
  // The port field's value; text that does not read as an integer gives 0.
  virtual int PortValue(ServerId server) = 0;
};

struct SupervisionServices {
  ProcessControl& Processes;
  ProbeSockets& Probes;
  ServerTimers& Timers;
  StatusDisplay& Display;
  LogText& Log;
  SupervisionSettings& Settings;
  StatusClock& Clock;
};

inline constexpr std::string_view kCaptionActivate = "Activate";
inline constexpr std::string_view kCaptionDeactivate = "Deactivate";

inline constexpr int kRateMin = 1000;
inline constexpr int kRateMax = 10000;
inline constexpr int kRateDefault = 5000;

class SupervisionModel {
 public:
  SupervisionModel(const SupervisionServices& services, std::string programFolder);

  // The activation switch, a toggle; the button caption holds the state.
  void Button1Click();
  // One tick of the server's timer.
  void TimerTick(ServerId server);
  // The server's probe connected. A result that arrives after its probe was closed (by a
  // tick that found the server disabled, by deactivation, or by an earlier result) changes
  // nothing.
  void SocketConnect(ServerId server);
  // The server's probe failed; the code is set to 0 so the socket layer reports no further.
  // A late failure is consumed the same way and otherwise ignored.
  void SocketError(ServerId server, int& errorCode);
  // The refresh-rate slider moved to this position.
  void RateSliderChange(int position);

  bool IsActive();
  const ManagedServer& Server(ServerId server) const { return servers_[Index(server)]; }
  const std::string& ProgramFolder() const { return programFolder_; }

 private:
  ManagedServer& Row(ServerId server) { return servers_[Index(server)]; }
  void CloseProbe(ServerId server);
  void Show(ServerId server, Lamp lamp, std::string_view label);
  void WriteStatus(ServerId server, StatusEvent event);

  SupervisionServices services_;
  std::string programFolder_;
  std::array<ManagedServer, 3> servers_;
  // Whether the server's probe was started and neither closed nor answered since.
  std::array<bool, 3> probeOpen_{};
};

}  // namespace korvale

#include "core/Supervision.h"

#include <utility>

namespace korvale {

SupervisionModel::SupervisionModel(const SupervisionServices& services,
                                   std::string programFolder)
    : services_(services),
      programFolder_(std::move(programFolder)),
      servers_(MakeManagedServers()) {}

bool SupervisionModel::IsActive() {
  return services_.Settings.ActivationCaption() == kCaptionDeactivate;
}

void SupervisionModel::Button1Click() {
  for (ManagedServer& server : servers_) server.FirstTick = true;
  if (services_.Settings.ActivationCaption() == kCaptionActivate) {
    services_.Settings.SetActivationCaption(kCaptionDeactivate);
    // The first tick of each server comes one interval later; none runs now.
    for (ServerId id : kServerOrder) {
      if (services_.Settings.IsServerChecked(id)) services_.Timers.SetTimerEnabled(id, true);
    }
    return;
  }
  services_.Settings.SetActivationCaption(kCaptionActivate);
  // Timers and sockets stop before any process is ended: KillExe lets other handlers run.
  for (ServerId id : kServerOrder) services_.Timers.SetTimerEnabled(id, false);
  for (ServerId id : kServerOrder) CloseProbe(id);
  for (ServerId id : kServerOrder) (void)services_.Processes.KillExe(Server(id).Executable);
  for (ServerId id : kServerOrder) Show(id, Lamp::Red, kLabelOff);
}

void SupervisionModel::TimerTick(ServerId id) {
  const std::string_view exe = Server(id).Executable;
  if (!services_.Settings.IsServerChecked(id)) {
    // The probe of the previous tick may still be pending: its result must not turn the
    // lamp of a disabled server green again.
    CloseProbe(id);
    Show(id, Lamp::Red, kLabelOff);
    if (services_.Processes.IsExeRunning(exe)) (void)services_.Processes.KillExe(exe);
  } else if (services_.Processes.IsExeRunning(exe)) {
    CloseProbe(id);
    const std::string address = services_.Settings.AddressText(id);
    const int port = services_.Settings.PortValue(id);
    // Open before the start: an empty address reports its failure inside StartProbe.
    probeOpen_[Index(id)] = true;
    services_.Probes.StartProbe(id, address, port);
  } else {
    // A failed start is not detected: the next tick finds no process and launches again.
    services_.Processes.LaunchServer(exe);
    const StatusEvent event = Row(id).FirstTick ? StatusEvent::Starting : StatusEvent::Restarting;
    Show(id, Lamp::Yellow, kLabelOff);
    Row(id).OnlineReported = false;
    Row(id).FirstTick = false;
    // The line comes last, so a log that cannot be written leaves the server's state whole.
    WriteStatus(id, event);
    return;
  }
  Row(id).FirstTick = false;
}

void SupervisionModel::SocketConnect(ServerId id) {
  if (!probeOpen_[Index(id)]) return;
  const bool firstSinceLaunch = !Row(id).OnlineReported;
  Row(id).OnlineReported = true;
  Show(id, Lamp::Green, kLabelOn);
  CloseProbe(id);
  if (firstSinceLaunch) WriteStatus(id, StatusEvent::Online);
}

void SupervisionModel::SocketError(ServerId id, int& errorCode) {
  // Every failure takes this path; kind and code are neither shown nor logged.
  errorCode = 0;
  if (!probeOpen_[Index(id)]) return;
  Show(id, Lamp::Yellow, kLabelOff);
  CloseProbe(id);
  // The flag stays set: each further failure repeats the line until a launch clears it.
  if (Row(id).OnlineReported) WriteStatus(id, StatusEvent::Offline);
}

void SupervisionModel::RateSliderChange(int position) {
  services_.Display.SetRateLabel(std::to_string(position) + "ms");
  for (ServerId id : kServerOrder) services_.Timers.SetTimerInterval(id, position);
}

void SupervisionModel::CloseProbe(ServerId id) {
  probeOpen_[Index(id)] = false;
  services_.Probes.CloseProbe(id);
}

void SupervisionModel::Show(ServerId id, Lamp lamp, std::string_view label) {
  services_.Display.ShowLamp(id, LampPath(programFolder_, lamp));
  services_.Display.SetStatusLabel(id, label);
}

void SupervisionModel::WriteStatus(ServerId id, StatusEvent event) {
  const LocalDateTime now = services_.Clock.Now();
  const std::string line =
      StatusLine(TimeStamp(services_.Clock, now), StatusMessage(Server(id), event));
  services_.Log.AddLine(line);
}

}  // namespace korvale

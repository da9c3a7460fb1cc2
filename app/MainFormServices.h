#pragma once

// The supervision model's view of the main window: its sockets, timers, lamps, labels and
// fields, read and written at the moment of use.
#include <string>
#include <string_view>

#include "core/Supervision.h"

namespace korvale {

class TForm1;

class MainFormServices final : public ProbeSockets,
                               public ServerTimers,
                               public StatusDisplay,
                               public SupervisionSettings {
 public:
  explicit MainFormServices(TForm1& form) : form_(form) {}

  void StartProbe(ServerId server, const std::string& address, int port) override;
  void CloseProbe(ServerId server) override;

  void SetTimerEnabled(ServerId server, bool enabled) override;
  void SetTimerInterval(ServerId server, int milliseconds) override;

  void ShowLamp(ServerId server, const std::string& bitmapPath) override;
  void SetStatusLabel(ServerId server, std::string_view text) override;
  void SetRateLabel(const std::string& text) override;

  std::string ActivationCaption() override;
  void SetActivationCaption(std::string_view caption) override;
  bool IsServerChecked(ServerId server) override;
  std::string AddressText(ServerId server) override;
  int PortValue(ServerId server) override;

 private:
  TForm1& form_;
};

}  // namespace korvale

#include "core/ManagedServer.h"

namespace korvale {

std::array<ManagedServer, 3> MakeManagedServers() {
  return {{
      {"Login Server", "auth-node.exe", "LoginServer", 5000},
      {"Char Server", "realm-node.exe", "CharServer", 5000},
      // Fifty seconds, not five: the map timer keeps this until the slider first moves.
      {"Map Server", "world-node.exe", "MapServer", 50000},
  }};
}

std::string_view LampFileName(Lamp lamp) {
  switch (lamp) {
    case Lamp::Red: return "\\red.bmp";
    case Lamp::Yellow: return "\\yellow.bmp";
    case Lamp::Green: return "\\green.bmp";
  }
  return "\\red.bmp";
}

std::string LampPath(std::string_view programFolder, Lamp lamp) {
  std::string path(programFolder);
  path += LampFileName(lamp);
  return path;
}

std::string StatusMessage(const ManagedServer& server, StatusEvent event) {
  std::string_view tail;
  switch (event) {
    case StatusEvent::Starting: tail = " is Starting."; break;
    case StatusEvent::Restarting: tail = " is Restarting."; break;
    case StatusEvent::Online: tail = " is Online."; break;
    // The five seconds are fixed text; they do not follow the timer interval.
    case StatusEvent::Offline: tail = " is Offline, restarting in 5 secs."; break;
  }
  std::string message = "]Status: ";
  message += server.RoleWord;
  message += tail;
  return message;
}

std::string RunningServerQuestion(const ManagedServer& server) {
  std::string text(server.RoleWord);
  text +=
      " is running, in order for Brix to\r\nwork correctly it must be closed. Do you want\r\n"
      "to close it now?";
  return text;
}

}  // namespace korvale

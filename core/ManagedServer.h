#pragma once

// The three supervised servers: their fixed data, their run-time flags, and the texts and
// file names that belong to them.
#include <array>
#include <string>
#include <string_view>

namespace korvale {

// Always handled in this order wherever the three are handled in turn.
enum class ServerId { Login = 0, Char = 1, Map = 2 };
inline constexpr std::array<ServerId, 3> kServerOrder = {ServerId::Login, ServerId::Char,
                                                         ServerId::Map};
constexpr std::size_t Index(ServerId id) { return static_cast<std::size_t>(id); }

struct ManagedServer {
  std::string_view RoleWord;         // "Login Server"
  std::string_view Executable;       // "auth-node.exe"
  std::string_view SettingsSection;  // "LoginServer"
  int InitialTimerInterval = 0;      // ms, from the window definition
  // Set by every use of the activation switch; cleared at the end of every tick. Chooses
  // "Starting." over "Restarting." when a tick launches the server.
  bool FirstTick = false;
  // Cleared by every launch; set by the first connected probe after it. While set, every
  // failed probe writes the offline line.
  bool OnlineReported = false;
};

// The rows as the window has them at creation: both flags clear.
std::array<ManagedServer, 3> MakeManagedServers();

enum class Lamp { Red, Yellow, Green };

// "\red.bmp", "\yellow.bmp", "\green.bmp": appended to the program folder.
std::string_view LampFileName(Lamp lamp);
std::string LampPath(std::string_view programFolder, Lamp lamp);

inline constexpr std::string_view kLabelOff = "Off";
inline constexpr std::string_view kLabelOn = "On";

enum class StatusEvent { Starting, Restarting, Online, Offline };

// The part of a status line after the time stamp: "]Status: Login Server is Starting."
std::string StatusMessage(const ManagedServer& server, StatusEvent event);

// The text of the start-up question about an already running server.
std::string RunningServerQuestion(const ManagedServer& server);

}  // namespace korvale

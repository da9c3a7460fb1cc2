#include "core/ProcessControl.h"

#include "core/ManagedServer.h"

namespace korvale {

bool RunStartUpPrompts(ProcessControl& processes, const AskYesNo& ask) {
  for (const ManagedServer& server : MakeManagedServers()) {
    if (!processes.IsExeRunning(server.Executable)) continue;
    if (!ask(std::string(kWarningCaption), RunningServerQuestion(server))) return false;
    (void)processes.KillExe(server.Executable);
  }
  return true;
}

void KillServersAtClose(ProcessControl& processes) {
  for (const ManagedServer& server : MakeManagedServers()) {
    if (processes.IsExeRunning(server.Executable)) (void)processes.KillExe(server.Executable);
  }
}

}  // namespace korvale

// A stand-in for one game server: owns a hidden top-level window so that process lists see
// it, listens on 127.0.0.1 only, accepts connections and closes them at once, and exits
// cleanly on WM_CLOSE. Knobs in StandInConfig make it misbehave on purpose for tests.
#include <winsock2.h>
#include <windows.h>

#include <string>

#include "core/ProcessNames.h"
#include "tools/test-server/StandInConfig.h"

namespace {

constexpr UINT kSocketMessage = WM_APP + 1;
constexpr UINT_PTR kListenTimer = 1;
constexpr UINT_PTR kExitTimer = 2;

struct Server {
  StandInConfig config;
  SOCKET listener = INVALID_SOCKET;
};

Server g_server;  // one per process: this program is a single-window test fixture

void StartListening(HWND window) {
  if (g_server.config.neverListen || g_server.config.port <= 0) return;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return;
  BOOL reuse = TRUE;
  setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(g_server.config.port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(s, SOMAXCONN) != 0 || WSAAsyncSelect(s, window, kSocketMessage, FD_ACCEPT) != 0) {
    closesocket(s);
    return;
  }
  g_server.listener = s;
}

LRESULT CALLBACK ServerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kSocketMessage:
      if (WSAGETSELECTEVENT(lParam) == FD_ACCEPT) {
        SOCKET peer = accept(static_cast<SOCKET>(wParam), nullptr, nullptr);
        if (peer != INVALID_SOCKET) closesocket(peer);
      }
      return 0;
    case WM_TIMER:
      KillTimer(window, wParam);
      if (wParam == kListenTimer) StartListening(window);
      if (wParam == kExitTimer) TerminateProcess(GetCurrentProcess(), 3);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      if (g_server.listener != INVALID_SOCKET) closesocket(g_server.listener);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, msg, wParam, lParam);
  }
}

std::string ExecutablePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const std::string exe = ExecutablePath();
  const std::string name(korvale::FileNamePart(exe));
  const std::string folder = exe.substr(0, exe.size() - name.size() - 1);
  g_server.config = LoadStandInConfig(folder, name, commandLine ? commandLine : "");

  WSADATA wsa;
  if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return 2;

  WNDCLASSA wc{};
  wc.lpfnWndProc = ServerProc;
  wc.hInstance = instance;
  wc.lpszClassName = "KorvaleStandInServer";
  RegisterClassA(&wc);
  HWND parent = g_server.config.noWindow ? HWND_MESSAGE : nullptr;
  HWND window = CreateWindowExA(0, wc.lpszClassName, name.c_str(), WS_OVERLAPPEDWINDOW, 0, 0,
                                100, 100, parent, nullptr, instance, nullptr);
  if (!window) return 2;

  if (g_server.config.listenDelayMs > 0) {
    SetTimer(window, kListenTimer, static_cast<UINT>(g_server.config.listenDelayMs), nullptr);
  } else {
    StartListening(window);
  }
  if (g_server.config.exitAfterMs > 0) {
    SetTimer(window, kExitTimer, static_cast<UINT>(g_server.config.exitAfterMs), nullptr);
  }

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  WSACleanup();
  return 0;
}

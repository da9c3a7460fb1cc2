#include "toolkit/ClientSocket.h"

#include <ws2tcpip.h>

namespace korvale {

namespace {

constexpr UINT kFirstSocketMessage = WM_USER + 0x100;
constexpr unsigned kSocketMessages = 0x100;

// Winsock stays initialised for the life of the process once a socket exists.
void StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started) throw ESocketError("Windows sockets could not be started");
}

}  // namespace

TClientSocket::TClientSocket(TComponent* owner) : TComponent(owner) {}

TClientSocket::~TClientSocket() {
  // No event reaches the owner once destruction has begun.
  MarkDestroying();
  Disconnect();
}

UINT TClientSocket::CurrentMessage() const {
  return kFirstSocketMessage + attempt_ % kSocketMessages;
}

void TClientSocket::SetActive(bool active) {
  if (active == Active()) return;
  if (active) {
    Connect();
  } else {
    Disconnect();
  }
}

void TClientSocket::Connect() {
  StartWinsock();
  in_addr ip{};
  if (address_.empty() || inet_pton(AF_INET, address_.c_str(), &ip) != 1) {
    ReportError(TErrorEvent::eeLookup, WSAHOST_NOT_FOUND);
    return;
  }
  if (!window_) window_ = std::make_unique<UtilWindow>(TUtilMessageHandler(this, &TClientSocket::HandleMessage));

  SOCKET handle = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (handle == INVALID_SOCKET) {
    ReportError(TErrorEvent::eeGeneral, WSAGetLastError());
    return;
  }
  ++attempt_;
  socket_.handle_ = handle;
  socket_.connected_ = false;
  if (WSAAsyncSelect(handle, window_->Handle(), CurrentMessage(), FD_CONNECT | FD_CLOSE) != 0) {
    ReportError(TErrorEvent::eeGeneral, WSAGetLastError());
    return;
  }
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_addr = ip;
  target.sin_port = htons(static_cast<u_short>(port_));
  if (connect(handle, reinterpret_cast<sockaddr*>(&target), sizeof target) != 0) {
    const int code = WSAGetLastError();
    if (code != WSAEWOULDBLOCK) ReportError(TErrorEvent::eeConnect, code);
  }
}

void TClientSocket::Disconnect() {
  if (socket_.handle_ == INVALID_SOCKET) return;
  const bool wasConnected = socket_.connected_;
  closesocket(socket_.handle_);
  socket_.handle_ = INVALID_SOCKET;
  socket_.connected_ = false;
  ++attempt_;
  if (wasConnected && OnDisconnect && !HasState(TComponentState::Destroying)) {
    OnDisconnect(this, &socket_);
  }
}

void TClientSocket::ReportError(TErrorEvent kind, int code) {
  const unsigned attempt = attempt_;
  if (OnError) OnError(this, &socket_, kind, code);
  // A failed attempt is given up, unless the handler has started another one meanwhile.
  if (attempt == attempt_) Disconnect();
  if (code != 0) {
    throw ESocketError("Windows socket error: " + std::to_string(code));
  }
}

LRESULT TClientSocket::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg < kFirstSocketMessage || msg >= kFirstSocketMessage + kSocketMessages) {
    return DefWindowProcA(window_->Handle(), msg, wParam, lParam);
  }
  if (msg != CurrentMessage() || static_cast<SOCKET>(wParam) != socket_.handle_) return 0;
  const int error = WSAGETSELECTERROR(lParam);
  switch (WSAGETSELECTEVENT(lParam)) {
    case FD_CONNECT:
      if (error != 0) {
        ReportError(TErrorEvent::eeConnect, error);
      } else {
        socket_.connected_ = true;
        if (OnConnect) OnConnect(this, &socket_);
      }
      break;
    case FD_CLOSE:
      if (error != 0) {
        ReportError(TErrorEvent::eeDisconnect, error);
      } else {
        Disconnect();
      }
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace korvale

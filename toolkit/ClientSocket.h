#pragma once

#include <winsock2.h>

#include <memory>
#include <string>

#include "toolkit/Component.h"
#include "toolkit/Event.h"
#include "toolkit/Exception.h"
#include "toolkit/UtilWindow.h"

namespace korvale {

enum class TErrorEvent { eeGeneral, eeSend, eeReceive, eeConnect, eeDisconnect, eeAccept, eeLookup };

// Raised for a socket error that no OnError handler cleared.
class ESocketError : public Exception {
 public:
  using Exception::Exception;
};

// The connection a client socket holds; handed to its events.
class TCustomWinSocket : public TObject {
 public:
  std::string ClassName() const override { return "TCustomWinSocket"; }
  SOCKET SocketHandle() const { return handle_; }
  bool Connected() const { return connected_; }

 private:
  friend class TClientSocket;
  SOCKET handle_ = INVALID_SOCKET;
  bool connected_ = false;
};

using TSocketNotifyEvent = TEvent<TObject*, TCustomWinSocket*>;
using TSocketErrorEvent = TEvent<TObject*, TCustomWinSocket*, TErrorEvent, int&>;

// An asynchronous IPv4 TCP client. Activating starts a connection attempt to a dotted-quad
// address and returns at once; the outcome arrives later as a window message on this thread
// and is reported through OnConnect or OnError. No byte is ever sent or received.
class TClientSocket : public TComponent {
 public:
  explicit TClientSocket(TComponent* owner = nullptr);
  ~TClientSocket() override;
  std::string ClassName() const override { return "TClientSocket"; }

  const std::string& Address() const { return address_; }
  void SetAddress(const std::string& address) { address_ = address; }
  int Port() const { return port_; }
  void SetPort(int port) { port_ = port; }

  bool Active() const { return socket_.handle_ != INVALID_SOCKET; }
  void SetActive(bool active);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  TCustomWinSocket* Socket() { return &socket_; }

  TSocketNotifyEvent OnConnect;
  TSocketNotifyEvent OnDisconnect;
  TSocketErrorEvent OnError;

 private:
  void Connect();
  void Disconnect();
  // Reports an error and gives the attempt up; raises ESocketError unless a handler set the
  // code to 0.
  void ReportError(TErrorEvent kind, int code);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  UINT CurrentMessage() const;

  std::string address_;
  int port_ = 0;
  TCustomWinSocket socket_;
  // Every attempt gets its own notification message, so a result of an attempt given up
  // earlier can never be taken for the current one, even if the system reuses the handle.
  unsigned attempt_ = 0;
  std::unique_ptr<UtilWindow> window_;
};

}  // namespace korvale

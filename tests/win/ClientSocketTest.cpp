#include "toolkit/ClientSocket.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/WinTestSupport.h"

namespace korvale::testing {
namespace {

// A blocking loopback listener standing in for a server.
class Listener {
 public:
  explicit Listener(int port) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bound_ = bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
             listen(socket_, 4) == 0;
  }
  ~Listener() {
    closesocket(socket_);
    WSACleanup();
  }
  bool Bound() const { return bound_; }

 private:
  SOCKET socket_;
  bool bound_ = false;
};

// Records what the socket reports, and clears or keeps error codes as told.
struct Recorder {
  std::vector<std::string> events;
  bool clearErrors = true;
  void Connected(TObject*, TCustomWinSocket* socket) {
    events.push_back(socket->Connected() ? "connect" : "connect?");
  }
  void Disconnected(TObject*, TCustomWinSocket*) { events.push_back("disconnect"); }
  void Failed(TObject*, TCustomWinSocket*, TErrorEvent kind, int& code) {
    events.push_back(kind == TErrorEvent::eeConnect ? "error connect" : "error other");
    if (clearErrors) code = 0;
  }
  void Attach(TClientSocket& socket) {
    socket.OnConnect = TSocketNotifyEvent(this, &Recorder::Connected);
    socket.OnDisconnect = TSocketNotifyEvent(this, &Recorder::Disconnected);
    socket.OnError = TSocketErrorEvent(this, &Recorder::Failed);
  }
};

TEST(ClientSocket, ReportsConnectThroughTheMessageLoop) {
  Listener listener(18001);
  ASSERT_TRUE(listener.Bound());
  Recorder recorder;
  TClientSocket socket;
  recorder.Attach(socket);
  socket.SetAddress("127.0.0.1");
  socket.SetPort(18001);
  socket.Open();
  EXPECT_TRUE(socket.Active());
  EXPECT_TRUE(recorder.events.empty()) << "the outcome must arrive later, as a message";
  EXPECT_TRUE(WaitFor([&] { return !recorder.events.empty(); }));
  EXPECT_EQ(recorder.events, std::vector<std::string>{"connect"});
  socket.Close();
  EXPECT_FALSE(socket.Active());
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"connect", "disconnect"}));
  socket.Close();
  EXPECT_EQ(recorder.events.size(), 2u) << "closing a closed socket does nothing";
}

TEST(ClientSocket, ReportsAnErrorForAClosedPort) {
  Recorder recorder;
  TClientSocket socket;
  recorder.Attach(socket);
  socket.SetAddress("127.0.0.1");
  socket.SetPort(18002);
  socket.Open();
  EXPECT_TRUE(WaitFor([&] { return !recorder.events.empty(); }));
  EXPECT_EQ(recorder.events, std::vector<std::string>{"error connect"});
  EXPECT_FALSE(socket.Active());
}

TEST(ClientSocket, EmptyAddressFailsInsideTheActivateCall) {
  Recorder recorder;
  TClientSocket socket;
  recorder.Attach(socket);
  socket.SetPort(18003);
  socket.Open();
  EXPECT_EQ(recorder.events, std::vector<std::string>{"error other"});
  EXPECT_FALSE(socket.Active());

  recorder.clearErrors = false;
  EXPECT_THROW(socket.Open(), ESocketError);
}

TEST(ClientSocket, UnhandledAsynchronousErrorReachesTheExceptionHandler) {
  std::vector<std::string> shown;
  SetExceptionHandler([&](const std::exception& error) { shown.push_back(error.what()); });
  {
    TClientSocket socket;
    socket.SetAddress("127.0.0.1");
    socket.SetPort(18004);
    socket.Open();
    EXPECT_TRUE(WaitFor([&] { return !shown.empty(); }));
    EXPECT_FALSE(socket.Active());
  }
  SetExceptionHandler(nullptr);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("socket error"), std::string::npos);
}

TEST(ClientSocket, AResultOfAnAbandonedAttemptIsIgnored) {
  Listener listener(18005);
  ASSERT_TRUE(listener.Bound());
  Recorder recorder;
  TClientSocket socket;
  recorder.Attach(socket);
  socket.SetAddress("127.0.0.1");
  socket.SetPort(18006);  // closed: this attempt would fail
  socket.Open();
  socket.Close();
  socket.SetPort(18005);
  socket.Open();
  EXPECT_TRUE(WaitFor([&] { return !recorder.events.empty(); }));
  PumpFor(std::chrono::milliseconds(200));
  EXPECT_EQ(recorder.events, std::vector<std::string>{"connect"});
}

}  // namespace
}  // namespace korvale::testing

// A timer made before any socket must not take over the socket's message window: the main
// window creates its timers first, and its probes must still hear their results.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"
#include "toolkit/ClientSocket.h"
#include "toolkit/Timer.h"

namespace korvale::testing {
namespace {

struct Ticks {
  int count = 0;
  void Tick(TObject*) { ++count; }
};

struct Results {
  int connects = 0;
  void Connected(TObject*, TCustomWinSocket*) { ++connects; }
};

TEST(TimerBesideSocket, BothReportWhenTheTimerCameFirst) {
  Ticks ticks;
  TTimer timer(nullptr);
  timer.SetInterval(50);
  timer.SetOnTimer(TNotifyEvent(&ticks, &Ticks::Tick));

  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(18031);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 4), 0);

  Results results;
  TClientSocket probe;
  probe.OnConnect = TSocketNotifyEvent(&results, &Results::Connected);
  probe.SetAddress("127.0.0.1");
  probe.SetPort(18031);
  probe.Open();
  EXPECT_TRUE(WaitFor([&] { return results.connects == 1 && ticks.count >= 2; }))
      << results.connects << " connects, " << ticks.count << " ticks";
  probe.Close();
  closesocket(listener);
  WSACleanup();
}

}  // namespace
}  // namespace korvale::testing

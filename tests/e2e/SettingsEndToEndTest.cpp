// The manager's settings, start-up and close as its users meet them: the file read at start
// and written at a permitted close, the activation lock, the "autorun" argument, the start-up
// checks and prompts, and the log file that follows the log view.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>


#include "tests/e2e/ManagerDriver.h"

namespace korvale::testing {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

std::string Ini(const std::string& loginAddressLine, const std::string& loginPort,
                const std::string& general) {
  return "[LoginServer]\r\n" + loginAddressLine + "Port=" + loginPort +
         "\r\nChecked=1\r\n"
         "[CharServer]\r\nAddress=127.0.0.1\r\nPort=19302\r\nChecked=0\r\n"
         "[MapServer]\r\nAddress=127.0.0.1\r\nPort=19303\r\nChecked=1\r\n"
         "[General]\r\n" +
         general;
}

std::string Key(const ProgramFolder& folder, const char* section, const char* key) {
  char value[256] = {};
  GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value,
                           folder.File("korvale.ini").c_str());
  return value;
}

using ManagerSettings = ManagerSession;

TEST_F(ManagerSettings, ACloseWritesBackWhatWasReadInItsOwnFormats) {
  folder_.Write("korvale.ini", Ini("Address=\r\n", "0x1AF4", "Rate=20000\r\nSkin=9\r\n"));
  Prepare();
  Start();
  ASSERT_TRUE(OpenMainWindow());
  EXPECT_EQ(WindowText(button_), "Activate");
  EXPECT_EQ(WindowText(FindChild(window_, "TEdit", "")), "");
  // A server started from outside while the manager runs is ended by the close.
  ChildProcess outside = folder_.Start("world-node.exe");
  ASSERT_NE(WaitForProcessWindow(outside.Id()), nullptr);
  Close();
  EXPECT_EQ(outside.WaitForExit(seconds(10)) == STILL_ACTIVE, false);

  EXPECT_EQ(Key(folder_, "LoginServer", "Address"), "");
  EXPECT_EQ(Key(folder_, "LoginServer", "Port"), "6900");
  EXPECT_EQ(Key(folder_, "LoginServer", "Checked"), "1");
  EXPECT_EQ(Key(folder_, "CharServer", "Checked"), "0");
  EXPECT_EQ(Key(folder_, "MapServer", "Port"), "19303");
  EXPECT_EQ(Key(folder_, "General", "Rate"), "10000");
  EXPECT_EQ(Key(folder_, "General", "Logging"), "1");
  EXPECT_EQ(Key(folder_, "General", "Skin"), "9");
}

TEST_F(ManagerSettings, AbsentKeysGiveTheDefaultsWithoutEverActivating) {
  Prepare();
  Start();
  ASSERT_TRUE(OpenMainWindow());
  EXPECT_EQ(WindowText(FindChild(window_, "TEdit", "192.168.0.2")).empty(), false);
  Close();
  for (const char* section : {"LoginServer", "CharServer", "MapServer"}) {
    EXPECT_EQ(Key(folder_, section, "Address"), "192.168.0.2");
    EXPECT_EQ(Key(folder_, section, "Checked"), "1");
  }
  EXPECT_EQ(Key(folder_, "LoginServer", "Port"), "6900");
  EXPECT_EQ(Key(folder_, "CharServer", "Port"), "6121");
  EXPECT_EQ(Key(folder_, "MapServer", "Port"), "6121");
  EXPECT_EQ(Key(folder_, "General", "Rate"), "5000");
  EXPECT_EQ(Key(folder_, "General", "Logging"), "1");
  EXPECT_EQ(Key(folder_, "General", "Skin"), "4");
}

TEST_F(ManagerSettings, ACloseWhileActiveIsRefusedWithAWarningAndSavesNothing) {
  folder_.WriteSettings({19311, 19312, 19313});
  const std::string before = ReadFile(folder_.File("korvale.ini"));
  Prepare();
  Start("autorun");
  ASSERT_TRUE(OpenMainWindow());
  EXPECT_TRUE(WaitFor([&] { return WindowText(button_) == "Deactivate"; }));
  PostMessageA(window_, WM_CLOSE, 0, 0);
  HWND warning = WaitForDialog(manager_->Id(), "#32770");
  ASSERT_NE(warning, nullptr);
  EXPECT_EQ(WindowText(warning), "Warning");
  EXPECT_NE(AllText(warning).find("Brix is currently activated"), std::string::npos);
  PressDialogButton(warning, "OK");
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(warning); }));
  PumpFor(milliseconds(500));
  EXPECT_TRUE(manager_->Running());
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(ReadFile(folder_.File("korvale.ini")), before);
}

TEST_F(ManagerSettings, OnlyTheExactWordAutorunActivates) {
  folder_.WriteSettings({19321, 19322, 19323});
  Prepare();
  Start("Autorun");
  ASSERT_TRUE(OpenMainWindow());
  PumpFor(milliseconds(500));
  EXPECT_EQ(WindowText(button_), "Activate");
}

// A failed start-up check shows one plain message and ends the program, saving nothing.
TEST_F(ManagerSettings, MissingExecutablesEndTheProgramAfterOneMessage) {
  folder_.WriteSettings({19331, 19332, 19333});
  const std::string before = ReadFile(folder_.File("korvale.ini"));
  Prepare(false, true);
  Start();
  HWND message = WaitForDialog(manager_->Id(), "TMessageForm");
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(WindowText(message), "Korvale Server Manager v2.0");
  PostMessageA(message, WM_CLOSE, 0, 0);  // dismissed by its close box
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(message) || !IsWindowVisible(message); }));
  EXPECT_EQ(manager_->WaitForExit(), 0u);
  EXPECT_EQ(ReadFile(folder_.File("korvale.ini")), before);
}

TEST_F(ManagerSettings, AMissingLampEndsTheProgramAfterItsMessage) {
  folder_.WriteSettings({19341, 19342, 19343});
  Prepare(true, true);
  DeleteFileA(folder_.File("yellow.bmp").c_str());
  Start();
  HWND message = WaitForDialog(manager_->Id(), "TMessageForm");
  ASSERT_NE(message, nullptr);
  PostMessageA(message, WM_CLOSE, 0, 0);  // dismissed by its close box
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(message) || !IsWindowVisible(message); }));
  EXPECT_EQ(manager_->WaitForExit(), 0u);
}

// Processes running from the folder under the three server names.
std::vector<DWORD> ServersOf(const ProgramFolder& folder) {
  std::vector<DWORD> found;
  for (const char* exe : {"auth-node.exe", "realm-node.exe", "world-node.exe"}) {
    for (DWORD id : RunningFromFolder(folder.Path(), exe)) found.push_back(id);
  }
  return found;
}

TEST_F(ManagerSettings, AutorunWithAMissingLampLaunchesNoServer) {
  folder_.WriteSettings({19391, 19392, 19393}, "Rate=1000\r\n");
  Prepare();
  DeleteFileA(folder_.File("green.bmp").c_str());
  Start("autorun");
  HWND message = WaitForDialog(manager_->Id(), "TMessageForm", seconds(30));
  ASSERT_NE(message, nullptr);  // its text is drawn by windowless labels, out of reach here
  // Three ticks of the rate pass while the message is open: none may start a server.
  EXPECT_FALSE(WaitFor([&] { return !ServersOf(folder_).empty(); }, milliseconds(3500)));
  PostMessageA(message, WM_CLOSE, 0, 0);
  EXPECT_EQ(manager_->WaitForExit(seconds(30)), 0u);
  const std::vector<DWORD> left = ServersOf(folder_);
  for (DWORD id : left) EndProcessById(id);
  EXPECT_TRUE(left.empty());
}

TEST_F(ManagerSettings, ARunningServerAnsweredNoEndsTheProgramAndKeepsTheServer) {
  folder_.WriteSettings({19351, 19352, 19353});
  Prepare();
  ChildProcess login = folder_.Start("auth-node.exe");
  ASSERT_NE(WaitForProcessWindow(login.Id()), nullptr);
  Start();
  HWND question = WaitForDialog(manager_->Id(), "#32770");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(WindowText(question), "Warning");
  EXPECT_NE(AllText(question).find("Login Server is running"), std::string::npos);
  PressDialogButton(question, "&No");
  EXPECT_EQ(manager_->WaitForExit(), 0u);
  EXPECT_TRUE(login.Running());
}

TEST_F(ManagerSettings, ARunningServerAnsweredYesIsEndedAndTheManagerStarts) {
  folder_.WriteSettings({19361, 19362, 19363});
  Prepare();
  ChildProcess login = folder_.Start("auth-node.exe");
  ASSERT_NE(WaitForProcessWindow(login.Id()), nullptr);
  Start();
  HWND question = WaitForDialog(manager_->Id(), "#32770");
  ASSERT_NE(question, nullptr);
  PressDialogButton(question, "&Yes");
  EXPECT_NE(login.WaitForExit(), STILL_ACTIVE);
  ASSERT_TRUE(OpenMainWindow());
}

TEST_F(ManagerSettings, TheLogFileFollowsTypingOnlyWhileLoggingIsOn) {
  folder_.WriteSettings({19371, 19372, 19373});
  Prepare();
  Start();
  ASSERT_TRUE(OpenMainWindow());
  PostMessageA(log_, WM_CHAR, 'a', 0);
  PostMessageA(log_, WM_CHAR, 'b', 0);
  EXPECT_TRUE(WaitFor([&] { return ReadFile(folder_.File("korvale.log")) == "ab\r\n"; }))
      << ReadFile(folder_.File("korvale.log"));
  Close();
}

TEST_F(ManagerSettings, WithLoggingOffTheLogFileIsNotTouched) {
  folder_.WriteSettings({19381, 19382, 19383}, "Logging=0\r\n");
  folder_.Write("korvale.log", "old\r\n");
  Prepare();
  Start();
  ASSERT_TRUE(OpenMainWindow());
  PostMessageA(log_, WM_CHAR, 'a', 0);
  EXPECT_TRUE(WaitFor([&] { return WindowText(log_) == "a"; }));
  PumpFor(milliseconds(300));
  EXPECT_EQ(ReadFile(folder_.File("korvale.log")), "old\r\n");
  Close();
  EXPECT_EQ(Key(folder_, "General", "Logging"), "0");
}

}  // namespace
}  // namespace korvale::testing

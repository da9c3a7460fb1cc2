#include "app/ManagerSettings.h"

#include <windows.h>

#include <array>

#include "app/MainForm.h"
#include "app/process/ServerLauncher.h"
#include "core/IniValues.h"
#include "core/ManagedServer.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/IniFile.h"
#include "toolkit/PlatformVersion.h"
#include "toolkit/Registry.h"
#include "toolkit/SpinEdit.h"
#include "toolkit/TrackBar.h"

namespace korvale {

namespace {

constexpr char kDefaultAddress[] = "192.168.0.2";
constexpr std::array<int, 3> kDefaultPorts = {6900, 6121, 6121};
constexpr int kDefaultRate = 5000;
constexpr int kDefaultSkin = 4;

struct ServerFields {
  const char* section;
  TEdit* address;
  TSpinEdit* port;
  TCheckBox* check;
};

std::array<ServerFields, 3> Fields(TForm1& form) {
  return {{{"LoginServer", form.loginserveraddress, form.loginserverport, form.loginservercheck},
           {"CharServer", form.charserveraddress, form.charserverport, form.charservercheck},
           {"MapServer", form.mapserveraddress, form.mapserverport, form.mapservercheck}}};
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string MissingFileMessage(const std::string& file, const std::string& programFolder) {
  return "Can't find " + file + " in current location: \r\n" + programFolder + "\\" + "\r\n" +
         "Terminating...";
}

std::optional<std::string> FirstMissing(const std::string& programFolder,
                                        std::initializer_list<const char*> files) {
  for (const char* file : files) {
    if (!FileExists(programFolder + "\\" + file)) return MissingFileMessage(file, programFolder);
  }
  return std::nullopt;
}

}  // namespace

void ReadSettings(TForm1& form, const std::string& programFolder) {
  const TIniFile ini(programFolder + "\\" + kSettingsFileName);
  int i = 0;
  for (const ServerFields& server : Fields(form)) {
    server.address->SetText(ini.ReadString(server.section, "Address", kDefaultAddress));
    server.port->SetValue(ini.ReadInteger(server.section, "Port", kDefaultPorts[i++]));
    server.check->SetChecked(ini.ReadBool(server.section, "Checked", true));
  }
  // The slider clamps; its change handler runs only when the result differs from 5000.
  form.rateslider->SetPosition(ini.ReadInteger("General", "Rate", kDefaultRate));
  form.loggingcheck->SetChecked(ini.ReadBool("General", "Logging", true));
  form.SkinIndex = ini.ReadInteger("General", "Skin", kDefaultSkin);
}

void WriteSettings(TForm1& form, const std::string& programFolder) {
  TIniFile ini(programFolder + "\\" + kSettingsFileName);
  for (const ServerFields& server : Fields(form)) {
    ini.WriteString(server.section, "Address", server.address->Text());
    ini.WriteInteger(server.section, "Port", server.port->Value());
    ini.WriteBool(server.section, "Checked", server.check->Checked());
  }
  ini.WriteInteger("General", "Rate", form.rateslider->Position());
  ini.WriteBool("General", "Logging", form.loggingcheck->Checked());
  ini.WriteInteger("General", "Skin", form.SkinIndex);
}

std::optional<std::string> CheckServerExecutables(const std::string& programFolder) {
  return FirstMissing(programFolder, {"auth-node.exe", "realm-node.exe", "world-node.exe"});
}

std::optional<std::string> CheckPlatform(unsigned long platformId) {
  if (platformId == VER_PLATFORM_WIN32s || platformId == VER_PLATFORM_WIN32_WINDOWS) {
    return std::string("You must be running WinNT in order to load this application.\r\n"
                       "Terminating...");
  }
  return std::nullopt;
}

std::optional<std::string> CheckSystemVersion() {
  const std::optional<DWORD> platform = PlatformId();
  return platform ? CheckPlatform(*platform) : std::nullopt;
}

std::optional<std::string> CheckLampBitmaps(const std::string& programFolder) {
  return FirstMissing(programFolder, {"red.bmp", "yellow.bmp", "green.bmp"});
}

bool RunOnStartUpEntryExists() {
  TRegistry registry(KEY_ALL_ACCESS);
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKey(kRunKey, false)) return false;
  return registry.ValueExists(kRunValueName);
}

void ToggleRunOnStartUpEntry(const std::string& programFolder) {
  TRegistry registry(KEY_ALL_ACCESS);
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  // The key is never created; writing into a key that did not open raises the toolkit's
  // "Failed to set data" error.
  (void)registry.OpenKey(kRunKey, false);
  if (registry.ValueExists(kRunValueName)) {
    (void)registry.DeleteValue(kRunValueName);
  } else {
    registry.WriteString(kRunValueName, ServerCommandLine(programFolder, "autorun.exe"));
  }
}

}  // namespace korvale

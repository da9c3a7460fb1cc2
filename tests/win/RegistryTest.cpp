#include "toolkit/Registry.h"

#include <gtest/gtest.h>

#include "toolkit/Exception.h"

namespace korvale::testing {
namespace {

// The tests run in a private Wine prefix, so the machine-wide Run key is theirs to change.
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(Registry, TogglesAValueUnderTheRunKey) {
  TRegistry reg;
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(reg.OpenKey(kRunKey, false));
  reg.DeleteValue("korvale-test");
  EXPECT_FALSE(reg.ValueExists("korvale-test"));
  reg.WriteString("korvale-test", "C:\\Program Files\\Korvale\\autorun.exe");
  EXPECT_TRUE(reg.ValueExists("korvale-test"));
  EXPECT_EQ(reg.ReadString("korvale-test"), "C:\\Program Files\\Korvale\\autorun.exe");
  EXPECT_TRUE(reg.DeleteValue("korvale-test"));
  EXPECT_FALSE(reg.ValueExists("korvale-test"));
  EXPECT_FALSE(reg.DeleteValue("korvale-test"));
}

TEST(Registry, NeverCreatesAKeyUnlessAsked) {
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KorvaleTest\\Absent");
  EXPECT_FALSE(reg.OpenKey("Software\\KorvaleTest\\Absent", false));
  EXPECT_FALSE(reg.ValueExists("x"));
  ASSERT_TRUE(reg.OpenKey("Software\\KorvaleTest\\Absent", true));
  reg.CloseKey();
  EXPECT_TRUE(reg.OpenKey("Software\\KorvaleTest\\Absent", false));
  reg.CloseKey();
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KorvaleTest\\Absent");
}

TEST(Registry, RefusedWriteNamesTheValue) {
  TRegistry readOnly(KEY_READ);
  readOnly.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(readOnly.OpenKey(kRunKey, false));
  try {
    readOnly.WriteString("brix-test", "x");
    ADD_FAILURE() << "the write was not refused";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "Failed to set data for 'brix-test'");
  }
  EXPECT_FALSE(readOnly.ValueExists("brix-test"));
}

}  // namespace
}  // namespace korvale::testing

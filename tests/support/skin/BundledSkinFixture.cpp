#include "tests/support/skin/BundledSkinFixture.h"

#include <cctype>

#include "skin/forms/SkinManager.h"
#include "toolkit/FormReader.h"

namespace korvale::testing {

const std::vector<BundledSkin>& BundledSkins() {
  static const std::vector<BundledSkin> skins = {
      {"MacOS", 0}, {"XP (Blue)", 1}, {"XP (Platinum)", 2}, {"XP (Forest Green)", 3}, {"Blue", 4}, {"Whistler", 5},
  };
  return skins;
}

void PrintTo(const BundledSkin& skin, std::ostream* out) { *out << '"' << skin.name << '"'; }

std::string BundledSkinTestName(const ::testing::TestParamInfo<BundledSkin>& info) {
  std::string name;
  for (const char* c = info.param.name; *c; ++c) {
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  }
  return name;
}

void BundledSkinTest::SetUp() {
  RegisterSkinClasses();
  root_ = std::make_unique<TComponent>(nullptr);
  ReadComponentResource(root_.get(), "BUNDLEDSKINS");
  skin_ = dynamic_cast<TSkinData*>(root_->FindComponent("SkinData1"));
  store_ = dynamic_cast<TSkinStore*>(root_->FindComponent("SkinStore1"));
  ASSERT_NE(skin_, nullptr);
  ASSERT_NE(store_, nullptr);
  skin_->LoadFromStore(store_, GetParam().index);
  ASSERT_FALSE(skin_->SkinEmpty) << GetParam().name;
  ASSERT_TRUE(messages_.texts.empty()) << messages_.texts.front();
}

}  // namespace korvale::testing

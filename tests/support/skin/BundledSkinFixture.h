#pragma once

// A fixture over the six bundled skins: each test runs once per skin with that skin loaded
// into a TSkinData. The store and the component come from the form description
// "BUNDLEDSKINS", a resource of the test program (tests/win/forms/BundledSkins.form).
//
//   class FrameTest : public BundledSkinTest {};
//   TEST_P(FrameTest, ...) { Skin() ... }
//   INSTANTIATE_TEST_SUITE_P(Bundled, FrameTest, ::testing::ValuesIn(BundledSkins()), BundledSkinTestName);
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"
#include "tests/support/skin/SkinMessages.h"
#include "toolkit/Component.h"

namespace korvale::testing {

struct BundledSkin {
  const char* name;  // as the Options menu shows it
  int index;         // its item in the store
};

void PrintTo(const BundledSkin& skin, std::ostream* out);

// "MacOS", "XP (Blue)", "XP (Platinum)", "XP (Forest Green)", "Blue", "Whistler".
const std::vector<BundledSkin>& BundledSkins();
// The skin's name with letters and digits only ("XPBlue"), as GoogleTest wants it.
std::string BundledSkinTestName(const ::testing::TestParamInfo<BundledSkin>& info);

class BundledSkinTest : public ::testing::TestWithParam<BundledSkin> {
 protected:
  void SetUp() override;
  // SkinData1 of the description, the parameter's skin loaded from the store.
  TSkinData& Skin() const { return *skin_; }
  TSkinStore& Store() const { return *store_; }

  // Declared first, so it goes last: it frees the skin manager after the components.
  SkinMessages messages_;

 private:
  std::unique_ptr<TComponent> root_;
  TSkinData* skin_ = nullptr;
  TSkinStore* store_ = nullptr;
};

}  // namespace korvale::testing

#include <gtest/gtest.h>

#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"

namespace korvale::testing {
namespace {

// A windowed child leaves its parent's lists while it is still a windowed control, so the
// parent's window can go after it without touching it again.
TEST(ControlLifetime, FormWithWindowedChildrenIsFreedAfterThem) {
  auto* form = TForm::Create<TForm>(&Application());
  auto* group = new TGroupBox(form);
  group->SetParent(form);
  auto* check = new TCheckBox(form);
  check->SetParent(group);
  auto* memo = new TMemo(form);
  memo->SetParent(form);
  form->HandleNeeded();
  delete check;
  EXPECT_EQ(group->ControlCount(), 0);
  delete form;  // frees the group and the memo through their parent and owner
  SUCCEED();
}

}  // namespace
}  // namespace korvale::testing

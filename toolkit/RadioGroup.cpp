#include "toolkit/RadioGroup.h"

#include <algorithm>

#include "toolkit/RadioButton.h"

namespace korvale {

namespace {
constexpr int kCaptionSpace = 16;
constexpr int kSideInset = 8;
}  // namespace

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {}

void TCustomRadioGroup::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  while (buttons_.size() > items_.size()) {
    delete buttons_.back();
    buttons_.pop_back();
  }
  while (buttons_.size() < items_.size()) {
    auto* button = new TRadioButton(this);
    button->OnClick = TNotifyEvent(this, &TCustomRadioGroup::ButtonClick);
    button->SetParent(this);
    buttons_.push_back(button);
  }
  for (size_t i = 0; i < items_.size(); ++i) buttons_[i]->SetCaption(items_[i]);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  ArrangeButtons();
}

void TCustomRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(buttons_.size())) index = -1;
  itemIndex_ = index;
  updating_ = true;
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == index);
  updating_ = false;
}

void TCustomRadioGroup::ButtonClick(TObject* sender) {
  if (updating_) return;
  const auto it = std::find(buttons_.begin(), buttons_.end(), sender);
  if (it == buttons_.end() || !(*it)->Checked()) return;
  itemIndex_ = static_cast<int>(it - buttons_.begin());
  Click();
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
  TCustomGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int count = static_cast<int>(buttons_.size());
  const int row = std::max(1, (height_ - kCaptionSpace - 4) / count);
  for (int i = 0; i < count; ++i)
    buttons_[i]->SetBounds(kSideInset, kCaptionSpace + i * row, std::max(0, width_ - 2 * kSideInset), std::min(row, 17));
}

}  // namespace korvale

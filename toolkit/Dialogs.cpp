#include "toolkit/Dialogs.h"

#include <algorithm>
#include <memory>

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Label.h"
#include "toolkit/Screen.h"

namespace korvale {

TMessageForm::TMessageForm(TComponent* owner, const std::string& text) : TForm(owner) {
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetPosition(TPosition::poScreenCenter);
  SetCaption(Application().Title());
  Font().Assign(Screen().MenuFont());

  message_ = new TLabel(this);
  message_->SetParent(this);
  message_->SetWordWrap(false);
  message_->SetCaption(text);

  // Layout in dialog units of the font, as the system's own message boxes do.
  ClientDC screen(nullptr);
  SelectGuard font(screen.get(), Font().Handle());
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.get(), &metrics);
  SIZE avg{};
  GetTextExtentPoint32A(screen.get(),
                        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &avg);
  const int unitX = (avg.cx / 26 + 1) / 2;
  const int unitY = metrics.tmHeight;
  const int margin = MulDiv(8, unitX, 4);
  const int spacing = MulDiv(10, unitY, 8);
  const int buttonWidth = MulDiv(50, unitX, 4);
  const int buttonHeight = MulDiv(14, unitY, 8);

  RECT textRect{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
  DrawTextA(screen.get(), text.c_str(), -1, &textRect,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  message_->SetAutoSize(false);
  message_->SetWordWrap(true);
  message_->SetBounds(margin, margin, textRect.right, textRect.bottom);

  const int clientWidth = std::max<int>(textRect.right, buttonWidth) + 2 * margin;
  ok_ = new TButton(this);
  ok_->SetParent(this);
  ok_->SetCaption("OK");
  ok_->SetModalResult(mrOk);
  ok_->SetDefault(true);
  ok_->SetCancel(true);
  ok_->SetBounds((clientWidth - buttonWidth) / 2, margin + textRect.bottom + spacing, buttonWidth,
                 buttonHeight);
  SetClientSize(clientWidth, ok_->Top() + buttonHeight + margin);
}

void ShowMessage(const std::string& text) {
  std::unique_ptr<TMessageForm> form(TForm::Create<TMessageForm>(static_cast<TComponent*>(nullptr), text));
  form->ShowModal();
}

void ShowMessage(long long number) { ShowMessage(std::to_string(number)); }

}  // namespace korvale

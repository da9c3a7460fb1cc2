#include "toolkit/Control.h"

#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

namespace korvale {

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = TWndMethod(this, &TControl::WndProc);
  font_.OnChange = TNotifyEvent(this, &TControl::FontOnChange);
}

TControl::~TControl() {
  MarkDestroying();
  DestroyComponents();
  Application().ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      mouseInside_ = true;
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      mouseInside_ = false;
      clicked_ = false;
      if (OnMouseLeave) OnMouseLeave(this);
      return;
    case CM_ENABLEDCHANGED:
      EnabledChanged();
      Invalidate();
      return;
    case CM_PARENTFONTCHANGED:
      if (parentFont_) InheritFromParent();
      return;
    case CM_PARENTCOLORCHANGED:
      if (parentColor_) InheritFromParent();
      return;
    case WM_LBUTTONDOWN:
      if (IsGraphic()) clicked_ = true;
      break;
    case WM_LBUTTONUP:
      if (IsGraphic() && clicked_) {
        clicked_ = false;
        const RECT r = ClientRect();
        const POINT p{message.XPos(), message.YPos()};
        if (PtInRect(&r, p)) Click();
      }
      break;
    case WM_LBUTTONDBLCLK:
      if (IsGraphic() && OnDblClick) OnDblClick(this);
      break;
    default:
      break;
  }
  DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw Exception("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

TForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
}

POINT TControl::ClientToScreen(POINT point) const {
  if (auto* self = dynamic_cast<const TWinControl*>(this)) {
    if (self->HandleAllocated()) {
      ::ClientToScreen(self->handle_, &point);
      return point;
    }
  }
  point.x += left_;
  point.y += top_;
  return parent_ ? parent_->ClientToScreen(point) : point;
}

POINT TControl::ScreenToClient(POINT point) const {
  const POINT origin = ClientToScreen(POINT{0, 0});
  return POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  VisibleChanged();
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0, 0);
  Invalidate();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetCaption(const std::string& text) {
  if (text == caption_) return;
  caption_ = text;
  TextChanged();
  Perform(CM_TEXTCHANGED, 0, 0);
  Invalidate();
}

void TControl::SetColor(TColor color) {
  parentColor_ = inheriting_ && parentColor_;
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
  parentColor_ = parentColor;
  if (parentColor) InheritFromParent();
}

void TControl::SetParentFont(bool parentFont) {
  parentFont_ = parentFont;
  if (parentFont) InheritFromParent();
}

void TControl::InheritFromParent() {
  if (!parent_) return;
  inheriting_ = true;
  if (parentFont_) font_.Assign(parent_->Font());
  if (parentColor_) SetColor(parent_->Color());
  inheriting_ = false;
}

void TControl::FontOnChange(TObject*) {
  if (!inheriting_) parentFont_ = false;
  FontChanged();
}

void TControl::FontChanged() {
  Perform(CM_FONTCHANGED, 0, 0);
  Invalidate();
}

void TControl::ColorChanged() {
  Perform(CM_COLORCHANGED, 0, 0);
  Invalidate();
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
  const RECT r = BoundsRect();
  InvalidateRect(parent_->handle_, &r, TRUE);
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam) {
    canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
    canvas_.Font().Assign(Font());
    Paint();
    canvas_.SetHandle(nullptr);
    message.Result = 0;
    return;
  }
  TControl::WndProc(message);
}

}  // namespace korvale

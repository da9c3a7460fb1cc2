#pragma once

// TControl: the base of every visual component. A control's messages run through its
// WindowProc (a saved, comparable delegate that defaults to WndProc), then WndProc's
// dispatch, then DefaultHandler. Graphic controls (TGraphicControl) have no window and get
// paint and mouse messages from their parent.
#include <windows.h>

#include <memory>
#include <string>

#include "toolkit/Canvas.h"
#include "toolkit/Component.h"
#include "toolkit/Graphics.h"
#include "toolkit/Messages.h"

namespace korvale {

class TWinControl;
class TForm;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }

  // The hook point: save it, put another procedure in, and later put exactly the saved one
  // back. Every message of the control, windowed or not, goes through it first.
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  // Sends a message through WindowProc and returns its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  // The form the control sits on (the top of its parent chain), or null.
  TForm* ParentForm() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }
  POINT ClientToScreen(POINT point) const;
  POINT ScreenToClient(POINT point) const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible along the whole parent chain.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  virtual std::string Caption() const { return caption_; }
  virtual void SetCaption(const std::string& text);
  std::string Text() const { return Caption(); }
  void SetText(const std::string& text) { SetCaption(text); }

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);

  virtual void Invalidate();
  virtual void Update();
  void Repaint();
  virtual void Click();

  bool MouseInControl() const { return mouseInside_; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void TextChanged() {}
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  virtual bool IsGraphic() const { return true; }
  friend class TWinControl;

  std::string caption_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;

 private:
  void FontOnChange(TObject* sender);
  void InheritFromParent();

  TWinControl* parent_ = nullptr;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  TFont font_;
  bool parentFont_ = true;
  bool inheriting_ = false;
  bool mouseInside_ = false;
  bool clicked_ = false;
};

// A control without a window: paints on its parent's DC through Canvas().
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  std::string ClassName() const override { return "TGraphicControl"; }
  void WndProc(TMessage& message) override;
  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

}  // namespace korvale

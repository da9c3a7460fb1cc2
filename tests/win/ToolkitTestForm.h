#pragma once

// A form with every control of the toolkit, laid out like the manager's main window, and
// helpers that drive the application's own message loop.
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Bevel.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PageControl.h"
#include "toolkit/SpinEdit.h"
#include "toolkit/TrackBar.h"
#include "tests/support/WinTestSupport.h"

namespace korvale::testing {

// Pumps through TApplication (so shortcuts, dialog keys and mouse tracking take part)
// until the condition holds or the time runs out.
inline bool AppWaitFor(const std::function<bool()>& condition,
                       std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    Application().ProcessMessages();
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

inline void AppPump(int milliseconds = 50) {
  AppWaitFor([] { return false; }, std::chrono::milliseconds(milliseconds));
}

// A small BMP: 24 bits per pixel, bottom-up, one colour with a key-coloured border.
inline std::vector<std::uint8_t> MakeBmp(int width, int height, std::uint32_t rgb,
                                         std::uint32_t border) {
  const int stride = (width * 3 + 3) & ~3;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * height);
  std::vector<std::uint8_t> bytes(54 + imageSize, 0);
  auto put32 = [&](size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  bytes[26] = 1;
  bytes[28] = 24;
  put32(34, imageSize);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
      const std::uint32_t p = edge ? border : rgb;
      const size_t at = 54 + static_cast<size_t>(y) * stride + 3 * x;
      bytes[at] = static_cast<std::uint8_t>(p);
      bytes[at + 1] = static_cast<std::uint8_t>(p >> 8);
      bytes[at + 2] = static_cast<std::uint8_t>(p >> 16);
    }
  }
  return bytes;
}

class TToolkitTestForm : public TForm {
 public:
  std::string ClassName() const override { return "TToolkitTestForm"; }
  explicit TToolkitTestForm(TComponent* owner) : TForm(owner) {
    SetName("ToolkitTestForm");
    SetCaption("Toolkit Test Form");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetBounds(237, 139, 0, 0);
    SetClientSize(426, 329);
    Font().SetName("MS Sans Serif");
    Font().SetSize(8);

    servers = Make<TGroupBox>(this, 8, 0, 265, 153, "Servers");
    logo = Make<TImage>(servers, 8, 16, 75, 100);
    const auto picture = MakeBmp(75, 100, 0x3060A0, 0xFF00FF);
    (void)logo->LoadFromBytes(picture.data(), picture.size());
    logo->SetCenter(true);
    bevel = Make<TBevel>(servers, 8, 16, 75, 100);
    pages = Make<TPageControl>(servers, 88, 16, 169, 73);
    for (const char* title : {"Login", "Char", "Map"}) {
      auto* sheet = new TTabSheet(this);
      sheet->SetCaption(title);
      sheet->SetPageControl(pages);
      Make<TLabel>(sheet, 8, 0, 0, 0, "IP Address:");
      auto* address = Make<TEdit>(sheet, 8, 16, 81, 21, "192.168.0.2");
      Make<TLabel>(sheet, 96, 0, 0, 0, "Port:");
      auto* port = Make<TSpinEdit>(sheet, 96, 16, 57, 22);
      port->SetValue(6900);
      addresses.push_back(address);
      ports.push_back(port);
    }
    const char* lampNames[] = {"Login", "Char", "Map"};
    for (int i = 0; i < 3; ++i) {
      auto* box = Make<TGroupBox>(servers, 88 + 56 * i, 89, 49, 56, lampNames[i]);
      Make<TLabel>(box, 16, 32, 0, 0, "Off");
    }
    logging = Make<TCheckBox>(servers, 16, 128, 65, 17, "Logging");
    logging->SetChecked(true);

    available = Make<TGroupBox>(this, 280, 0, 137, 153, "Available Servers");
    loginCheck = Make<TCheckBox>(available, 16, 16, 81, 17, "Login Server");
    charCheck = Make<TCheckBox>(available, 16, 32, 81, 17, "Char Server");
    mapCheck = Make<TCheckBox>(available, 16, 48, 81, 17, "Map Server");
    Make<TLabel>(available, 13, 64, 0, 0, "With selected:");
    activate = Make<TButton>(available, 16, 80, 89, 17, "&Activate");
    activate->SetDefault(true);
    Make<TLabel>(available, 8, 104, 0, 0, "Refresh Rate:");
    rate = Make<TLabel>(available, 80, 104, 0, 0, "5000ms");
    slider = Make<TTrackBar>(available, 8, 120, 121, 17);
    slider->SetRange(1000, 10000);
    slider->SetPosition(5000);
    slider->SetFrequency(1000);
    slider->SetLineSize(2);

    logBox = Make<TGroupBox>(this, 8, 160, 409, 161, "Log");
    log = Make<TMemo>(logBox, 8, 16, 313, 137);
    log->SetScrollBars(TScrollStyle::ssVertical);
    cancel = Make<TButton>(logBox, 328, 128, 73, 25, "Cancel");
    cancel->SetCancel(true);

    activate->OnClick = TNotifyEvent(this, &TToolkitTestForm::ActivateClick);
    cancel->OnClick = TNotifyEvent(this, &TToolkitTestForm::CancelClick);
    loginCheck->OnClick = TNotifyEvent(this, &TToolkitTestForm::CheckClick);
    slider->OnChange = TNotifyEvent(this, &TToolkitTestForm::SliderChange);
    log->OnChange = TNotifyEvent(this, &TToolkitTestForm::LogChange);
    OnCreate = TNotifyEvent(this, &TToolkitTestForm::FormCreate);
  }

  template <typename T>
  T* Make(TWinControl* parent, int left, int top, int width, int height,
          const std::string& caption = {}) {
    T* control = new T(this);
    control->SetParent(parent);
    if (!caption.empty()) control->SetCaption(caption);
    if (width > 0) control->SetBounds(left, top, width, height);
    else control->SetBounds(left, top, control->Width(), control->Height());
    return control;
  }

  void FormCreate(TObject*) { createdWithComponents = ComponentCount(); }
  void ActivateClick(TObject*) { ++activateClicks; }
  void CancelClick(TObject*) { ++cancelClicks; }
  void CheckClick(TObject*) { checkEvents.push_back(loginCheck->Checked()); }
  void SliderChange(TObject*) {
    sliderEvents.push_back(slider->Position());
    rate->SetCaption(std::to_string(slider->Position()) + "ms");
  }
  void LogChange(TObject*) { logTexts.push_back(log->Text()); }

  TGroupBox* servers = nullptr;
  TImage* logo = nullptr;
  TBevel* bevel = nullptr;
  TPageControl* pages = nullptr;
  std::vector<TEdit*> addresses;
  std::vector<TSpinEdit*> ports;
  TCheckBox* logging = nullptr;
  TGroupBox* available = nullptr;
  TCheckBox* loginCheck = nullptr;
  TCheckBox* charCheck = nullptr;
  TCheckBox* mapCheck = nullptr;
  TButton* activate = nullptr;
  TLabel* rate = nullptr;
  TTrackBar* slider = nullptr;
  TGroupBox* logBox = nullptr;
  TMemo* log = nullptr;
  TButton* cancel = nullptr;

  int createdWithComponents = -1;
  int activateClicks = 0;
  int cancelClicks = 0;
  std::vector<bool> checkEvents;
  std::vector<int> sliderEvents;
  std::vector<std::string> logTexts;
};

}  // namespace korvale::testing

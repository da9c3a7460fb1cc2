// Program entry: the application title, the main window (whose creation runs the start-up
// sequence, which may end the program), the hidden About dialog, then the message loop
// until the main window closes.
#include <windows.h>

#include "app/MainForm.h"
#include "app/AboutForm.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace korvale;
  Application().Initialize();
  SetExceptionHandler([](const std::exception& error) { Application().ShowException(error); });
  Application().SetTitle("Korvale Server Manager v2.0");
  TForm1* form1 = Application().CreateForm<TForm1>();
  // A start-up check that failed has shown its message: the program ends, saving nothing.
  if (!form1->StartUpFailed()) {
    Application().CreateForm<TForm2>();
    Application().Run();
  }
  // The windows go before the process does, so the tray icon leaves the notification area.
  Application().DestroyComponents();
  return 0;
}

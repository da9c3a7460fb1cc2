// The skin engine's figures on the real main window under Wine: each one beside its
// unskinned counterpart measured in the same run, printed with the ratio and its target.
// Figures, not checks: a missed target is marked, the run still succeeds.
#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinStore.h"
#include "skin/forms/SkinManager.h"
#include "tests/support/app/ManagerWindow.h"
#include "toolkit/Application.h"

namespace korvale::testing {
namespace {

constexpr std::array<int, 3> kPorts = {19811, 19812, 19813};
constexpr int kStartUps = 5;
constexpr int kRepaints = 40;
constexpr int kDropDowns = 10;
constexpr int kSwitchRounds = 3;

double MillisecondsOf(const std::function<void()>& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double MedianOf(int runs, const std::function<void()>& action) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(MillisecondsOf(action));
  return Median(times);
}

void PrintRatio(const char* what, double skinned, double native, double target) {
  const double ratio = skinned / native;
  std::printf("  %-40s skinned %8.2f ms   native %8.2f ms   ratio %5.2f", what, skinned, native, ratio);
  if (target > 0) std::printf("   (target %.1f%s)", target, ratio <= target ? "" : ", MISSED");
  std::printf("\n");
  std::fflush(stdout);
}

// From the description's read to the first painted window, with SkinData1 active or not.
double StartUp(const ProgramFolder& folder, bool skinned) {
  double ms = 0;
  const auto start = std::chrono::steady_clock::now();
  ManagerWindow window(folder, skinned);
  ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (skinned != (SkinnerOf(window.Handle()) != nullptr)) std::printf("  (the window's skin was not as asked)\n");
  return ms;
}

struct Repaints {
  double full = 0, frame = 0, client = 0, dropDown = 0;
};

Repaints MeasureRepaints(HWND window) {
  Repaints r;
  r.full = MedianOf(kRepaints, [&] {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  });
  r.frame = MedianOf(kRepaints, [&] { SendMessageA(window, WM_NCPAINT, 1, 0); });
  r.client = MedianOf(kRepaints, [&] {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  });
  int shown = 0;
  constexpr int kOptionsMenu = 2;
  r.dropDown = MedianOf(kDropDowns, [&] { shown += OpenDropDown(window, kOptionsMenu); });
  if (shown != kDropDowns) std::printf("  (the drop-down showed %d times of %d)\n", shown, kDropDowns);
  return r;
}

struct SwitchParts {
  double expand = 0, parse = 0, reskin = 0, repaint = 0, total = 0;
};

SwitchParts MeasureSwitch(TForm1& form, int index) {
  SwitchParts parts;
  // The expansion alone, on a copy of the stream the switch reads.
  TMemoryStream stream;
  form.SkinStore1->Store()->Item(index)->CopyDataTo(stream);
  stream.SetPosition(0);
  TSkinReader reader;
  parts.expand = MillisecondsOf([&] { (void)reader.Load(stream); });
  const double load = MillisecondsOf([&] { form.SkinData1->LoadFromStore(form.SkinStore1, index); });
  parts.parse = load - parts.expand;
  parts.reskin = MillisecondsOf([] { SkinManager()->DoPendingAction(); });
  parts.repaint = MillisecondsOf(Settle);
  parts.total = load + parts.reskin + parts.repaint;
  return parts;
}

int Run() {
  Application().Initialize();
  ProgramFolder folder("korvale-bench");
  PrepareManagerFolder(folder, kPorts);
  std::printf("Skin engine figures: the real main window under Wine, medians\n");

  // The first window of the process pays for class registrations and font loads: not counted.
  StartUp(folder, true);
  StartUp(folder, false);
  std::vector<double> skinnedStart, nativeStart;
  for (int i = 0; i < kStartUps; ++i) {
    skinnedStart.push_back(StartUp(folder, true));
    nativeStart.push_back(StartUp(folder, false));
  }
  PrintRatio("start-up to the first painted window", Median(skinnedStart), Median(nativeStart), 1.3);

  ManagerWindow window(folder);
  const HWND handle = window.Handle();
  SetSkinned(window.Form(), false);
  const Repaints native = MeasureRepaints(handle);
  SetSkinned(window.Form(), true);
  const Repaints skinned = MeasureRepaints(handle);
  PrintRatio("full repaint of the main window", skinned.full, native.full, 0);
  PrintRatio("frame repaint (WM_NCPAINT)", skinned.frame, native.frame, 2.0);
  PrintRatio("client controls repaint", skinned.client, native.client, 0);
  PrintRatio("drop-down menu opened and closed", skinned.dropDown, native.dropDown, 0);

  // A switch as the Options menu makes it, in its parts: the stream expanded, the definition
  // parsed, the windows re-skinned, the main window repainted.
  std::vector<std::vector<SwitchParts>> switches(kStoredSkins);
  for (int round = 0; round < kSwitchRounds; ++round) {
    for (int k = 0; k < kStoredSkins; ++k) switches[static_cast<std::size_t>(k)].push_back(MeasureSwitch(window.Form(), k));
  }
  for (int k = 0; k < kStoredSkins; ++k) {
    const auto& runs = switches[static_cast<std::size_t>(k)];
    const auto median = [&](double SwitchParts::*part) {
      std::vector<double> values;
      for (const SwitchParts& run : runs) values.push_back(run.*part);
      return Median(values);
    };
    const std::string what = "skin switch to \"" + SkinName(window.Form(), k) + "\" (in full repaints)";
    PrintRatio(what.c_str(), median(&SwitchParts::total), native.full, 3.0);
    std::printf("    expand %.2f ms, parse %.2f ms, re-skin %.2f ms, repaint %.2f ms\n", median(&SwitchParts::expand),
                median(&SwitchParts::parse), median(&SwitchParts::reskin), median(&SwitchParts::repaint));
  }
  return 0;
}

}  // namespace
}  // namespace korvale::testing

int main() { return korvale::testing::Run(); }

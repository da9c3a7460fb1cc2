#pragma once

// TSkinManage: the single, process-wide object that watches the program's windows through
// a CBT hook and carries out the activation, deactivation and skin-change requests of the
// TSkinData components, deferred by a timer so that several changes end in one repaint.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinManagerLink.h"
#include "skin/forms/WinSkinPopMenu.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

class TForm;
class TObject;
class TTimer;
class TWinSkinForm;

// The skin engine's private window messages.
inline constexpr UINT SM_APPLYSKIN = 0x3401;
inline constexpr UINT SM_REDRAWFRAME = 0x3502;
inline constexpr UINT SM_SKINATTACHED = 0x3503;
inline constexpr UINT SM_ISSKINNED = 0x3504;

class TSkinManage final : public TSkinManagerLink {
 public:
  TSkinManage();
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  void RegisterSkinData(TSkinData* skinData) override;
  void UnregisterSkinData(TSkinData* skinData) override;
  void InstallHook() override;
  void RequestAction(int action, int delay) override;
  void SetCurrentSkinData(TSkinData* skinData) override { FCurrentSkinData = skinData; }
  TSkinData* CurrentSkinData() const override { return FCurrentSkinData; }
  void ReleaseAllSysButtons() override;
  void BeginSingleFormSkinning() override;
  bool SkinWindow(HWND window) override;

  // The timer's tick: carries out the pending request for FCurrentSkinData.
  void DoPendingAction();

  // Used by the frame skinners.
  TWinSkinForm* FindSkinForm(HWND window) const;
  // Takes a frame skinner that is freeing itself out of the list.
  void RemoveSkinForm(TWinSkinForm* form);
  void PurgeClosedForms();
  void SetMdiMax(bool maximized);
  int MdiChildCount() const;
  // The toolkit form whose window is Window; never makes a window.
  static TForm* FindVclForm(HWND window);
  TSkinData* ChooseSkinData(HWND window) const;
  const std::vector<TWinSkinForm*>& Forms() const { return FForms; }
  // Menu windows: each new one gets a skinned frame while skinning is on.
  void SkinPopupWindow(HWND window);
  TPopupMenuWindows& Popups() { return FPopups; }
  bool FMdiMaximized = false;
  HWND FMdiClient = nullptr;

  const std::vector<TSkinData*>& SkinDatas() const { return FSkinDatas; }
  bool IsActive() const { return FActive; }
  int Activations() const { return FActivations; }
  int PendingAction() const { return FPendingAction; }
  HHOOK Hook() const { return FHook.get(); }
  TTimer& Timer() const { return *FTimer; }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void TimerTick(TObject* sender);
  void SkinVclForm(TForm* form);
  bool CanSkinClass(const std::string& className) const;
  bool RefusesSizeGrip(const CBT_CREATEWNDA& create, HWND window) const;
  // Takes the skinner out of the list and frees it.
  void FreeSkinForm(TWinSkinForm* form);

  std::unique_ptr<TTimer> FTimer;
  UniqueHook FHook;
  // Frame skinners in attach order. A toolkit form's skinner is its component and may be
  // freed with the form; it then takes itself out of this list.
  std::vector<TWinSkinForm*> FForms;
  std::vector<TSkinData*> FSkinDatas;
  TPopupMenuWindows FPopups;
  bool FActive = false;
  bool FSkinAll = false;
  int FActivations = 0;
  int FPendingAction = 0;
  TSkinData* FCurrentSkinData = nullptr;
};

// The manager, or null when none exists.
TSkinManage* SkinManager();
// Makes the manager when none exists and answers it.
TSkinManage& CreateSkinManager();
// Frees the manager (program end; tests start afresh with it). The reference becomes null.
void FreeSkinManager();

// Makes the skin components usable in a program: registers their published classes, so a
// form description can hold them, and links in the process-wide manager they work through.
// Safe to call more than once.
void RegisterSkinClasses();

}  // namespace korvale

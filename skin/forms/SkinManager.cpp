#include "skin/forms/SkinManager.h"

#include <algorithm>

#include "skin/data/SkinData.h"
#include "skin/data/SkinDataClasses.h"
#include "toolkit/Exception.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/Timer.h"

namespace korvale {

namespace {

TSkinManagerLink* CreateLink() { return &CreateSkinManager(); }
TSkinManagerLink* ExistingLink() { return SkinManager(); }

// Holds the manager, makes it reachable from TSkinData, and frees it at program end. The
// manager lives in this one object so that it cannot be destroyed before its holder.
struct ManagerLifetime {
  ManagerLifetime() { SetSkinManagerFactory(&CreateLink, &ExistingLink); }
  ~ManagerLifetime() {
    instance.reset();
    SetSkinManagerFactory(nullptr, nullptr);
  }
  std::unique_ptr<TSkinManage> instance;
} gManagerLifetime;

std::unique_ptr<TSkinManage>& Instance() { return gManagerLifetime.instance; }

// Read by the menu skinning: the top bit tells the Windows 9x family.
DWORD WinVersion = 0;

}  // namespace

TSkinManage* SkinManager() { return Instance().get(); }

TSkinManage& CreateSkinManager() {
  if (!Instance()) Instance() = std::make_unique<TSkinManage>();
  return *Instance();
}

void FreeSkinManager() { Instance().reset(); }

// Defined beside the manager's lifetime object, so a program that calls it has that object
// (and with it the factory TSkinData needs) linked in.
void RegisterSkinClasses() { RegisterSkinDataClasses(); }

TSkinManage::TSkinManage() : FTimer(std::make_unique<TTimer>(nullptr)) {
  FTimer->SetEnabled(false);
  FTimer->SetInterval(kSkinRequestDelay);
  FTimer->SetOnTimer(TNotifyEvent(this, &TSkinManage::TimerTick));
}

TSkinManage::~TSkinManage() {
  FTimer.reset();
  FHook.reset();
}

void TSkinManage::RegisterSkinData(TSkinData* skinData) { FSkinDatas.push_back(skinData); }

void TSkinManage::UnregisterSkinData(TSkinData* skinData) {
  const auto found = std::find(FSkinDatas.begin(), FSkinDatas.end(), skinData);
  if (found != FSkinDatas.end()) FSkinDatas.erase(found);
  // A pending request must not act for a component that is gone.
  if (FCurrentSkinData == skinData) FCurrentSkinData = nullptr;
}

void TSkinManage::InstallHook() {
  WinVersion = GetVersion();
  // A second main-form component installs the hook anew; the earlier one comes off, so
  // no window is skinned twice and no hook outlives the manager.
  FHook.reset(SetWindowsHookExA(WH_CBT, &TSkinManage::HookProc, nullptr, GetCurrentThreadId()));
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = SkinManager();
  const HHOOK hook = manager ? manager->FHook.get() : nullptr;
  if (code >= 0 && manager && code == HCBT_ACTIVATE) {
    if (manager->FActivations == 0) manager->FActivations = 1;
    GuardCallback([&] { (void)manager->SkinWindow(reinterpret_cast<HWND>(wParam)); });
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

void TSkinManage::RequestAction(int action, int delay) {
  FPendingAction = action;
  FTimer->SetInterval(static_cast<unsigned>(delay));
  if (FActivations != 0) {
    FTimer->SetEnabled(true);
    return;
  }
  // Before the first activation the switch acts at once; the first activated window is
  // then skinned through the hook.
  if (action == kSkinActionActivate) FActive = true;
  if (action == kSkinActionDeactivate) FActive = false;
}

void TSkinManage::ReleaseAllSysButtons() {
  // Every form skinner releases its title-bar buttons; none exist before TWinSkinForm.
}

void TSkinManage::BeginSingleFormSkinning() {
  FActive = true;
  ++FActivations;
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!FActive || !window) return false;
  if (SendMessageA(window, SM_ISSKINNED, 0, 0) == 1) return false;
  PurgeClosedForms();
  // Attaching a frame skinner to the window comes with TWinSkinForm; until then no window
  // is skinned.
  return false;
}

void TSkinManage::SkinVclForm(TForm* form) {
  if (!form->Visible()) return;
  const LONG_PTR style = GetWindowLongPtrA(form->Handle(), GWL_STYLE);
  if ((style & WS_CHILD) && form->FormStyle() != TFormStyle::fsMDIChild) return;
  (void)SkinWindow(form->Handle());
}

void TSkinManage::TimerTick(TObject*) { DoPendingAction(); }

void TSkinManage::DoPendingAction() {
  if (!FCurrentSkinData) return;
  FTimer->SetEnabled(false);
  TSkinData* const s = FCurrentSkinData;
  switch (FPendingAction) {
    case kSkinActionActivate:
      FActive = true;
      FSkinAll = true;
      if (s->SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
        // Only the form that owns this skin data takes the skin.
        for (int i = Screen().FormCount() - 1; i >= 0; --i) {
          if (Screen().Forms(i) == s->Owner()) {
            SkinVclForm(Screen().Forms(i));
            break;
          }
        }
      } else {
        PurgeClosedForms();
        for (int i = Screen().FormCount() - 1; i >= 0; --i) SkinVclForm(Screen().Forms(i));
      }
      FSkinAll = false;
      break;
    case kSkinActionDeactivate:
      FActive = false;
      PurgeClosedForms();
      break;
    case kSkinActionRefresh:
      PurgeClosedForms();
      break;
  }
  s->FireSkinChanged();
  FCurrentSkinData = nullptr;
}

}  // namespace korvale

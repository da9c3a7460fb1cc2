#include "skin/forms/SkinManager.h"

#include <algorithm>
#include <cctype>

#include "skin/data/SkinData.h"
#include "skin/data/SkinDataClasses.h"
#include "skin/forms/WinSkinForm.h"
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
  while (!FForms.empty()) {
    TWinSkinForm* form = FForms.back();
    form->SetSkinState(4);
    form->DetachWindow();
    FreeSkinForm(form);
  }
  FPopups.ReleaseAll();
}

void TSkinManage::RegisterSkinData(TSkinData* skinData) { FSkinDatas.push_back(skinData); }

void TSkinManage::UnregisterSkinData(TSkinData* skinData) {
  const auto found = std::find(FSkinDatas.begin(), FSkinDatas.end(), skinData);
  if (found != FSkinDatas.end()) FSkinDatas.erase(found);
  // A pending request must not act for a component that is gone.
  if (FCurrentSkinData == skinData) FCurrentSkinData = nullptr;
  // Nor may a window go on painting from it: its windows get their native frame back.
  for (std::size_t i = FForms.size(); i-- > 0;) {
    if (i >= FForms.size() || FForms[i]->SkinData() != skinData) continue;
    TWinSkinForm* form = FForms[i];
    if (form->SkinState() != 6) form->RestoreWindow();
    FreeSkinForm(form);
  }
}

void TSkinManage::FreeSkinForm(TWinSkinForm* form) {
  RemoveSkinForm(form);
  delete form;
}

void TSkinManage::RemoveSkinForm(TWinSkinForm* form) {
  const auto found = std::find(FForms.begin(), FForms.end(), form);
  if (found != FForms.end()) FForms.erase(found);
}

TWinSkinForm* TSkinManage::FindSkinForm(HWND window) const {
  for (TWinSkinForm* form : FForms) {
    if (form->Handle() == window) return form;
  }
  return nullptr;
}

void TSkinManage::PurgeClosedForms() {
  for (std::size_t i = FForms.size(); i-- > 0;) {
    if (i < FForms.size() && FForms[i]->SkinState() == 6) FreeSkinForm(FForms[i]);
  }
}

int TSkinManage::MdiChildCount() const {
  return static_cast<int>(std::count_if(FForms.begin(), FForms.end(), [](TWinSkinForm* f) { return f->Kind() == 2; }));
}

void TSkinManage::SetMdiMax(bool maximized) {
  if (maximized == FMdiMaximized) return;
  FMdiMaximized = maximized;
  for (TWinSkinForm* form : std::vector<TWinSkinForm*>(FForms)) {
    if (form->Kind() != 2) continue;
    if (maximized) {
      if (form->HasRegion()) form->DropRegion();
      form->SetNativeFrame(true);
    } else if (IsIconic(form->Handle())) {
      form->SetNativeFrame(true);
    } else {
      form->MarkNormal();
      form->UpdateRegion();
      form->SetNativeFrame(false);
      if (!form->HasRegion()) form->RefreshFrame();
    }
  }
}

TForm* TSkinManage::FindVclForm(HWND window) {
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TForm* form = Screen().Forms(i);
    // A form without a window is not this window; asking it for one would make one, even
    // for a form that is being destroyed.
    if (form->HandleAllocated() && form->Handle() == window) return form;
  }
  return nullptr;
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
  TSkinData* chosen = nullptr;
  for (TSkinData* data : FSkinDatas) {
    if (!data || data->SkinFormtype() != TSkinFormType::sfOnlyThisForm) continue;
    auto* owner = dynamic_cast<TWinControl*>(data->Owner());
    if (owner && owner->HandleAllocated() && owner->Handle() == window) chosen = data;
  }
  if (chosen) return chosen;
  char name[101] = {};
  GetClassNameA(window, name, sizeof name - 1);
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto lastOf = [&](TSkinFormType type) {
    TSkinData* last = nullptr;
    for (TSkinData* data : FSkinDatas) {
      if (data && data->SkinFormtype() == type) last = data;
    }
    return last;
  };
  if (lower == "tmessageform" || lower == "#32770") chosen = lastOf(TSkinFormType::sfDialog);
  if (!chosen) chosen = lastOf(TSkinFormType::sfMainform);
  if (!chosen && !FSkinDatas.empty()) chosen = FSkinDatas.front();
  return chosen;
}

bool TSkinManage::CanSkinClass(const std::string& className) const {
  for (TSkinData* data : FSkinDatas) {
    if (data && data->SkinFormtype() == TSkinFormType::sfMainform) return data->DoFormSkin(className);
  }
  return true;
}

void TSkinManage::InstallHook() {
  WinVersion = GetVersion();
  // A second main-form component installs the hook anew; the earlier one comes off, so
  // no window is skinned twice and no hook outlives the manager.
  FHook.reset(SetWindowsHookExA(WH_CBT, &TSkinManage::HookProc, nullptr, GetCurrentThreadId()));
}

bool TSkinManage::RefusesSizeGrip(const CBT_CREATEWNDA& create, HWND window) const {
  char name[101] = {};
  GetClassNameA(window, name, sizeof name - 1);
  return std::string(name) == "ScrollBar" && (create.lpcs->style & SBS_SIZEGRIP) &&
         FindSkinForm(create.lpcs->hwndParent) != nullptr;
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = SkinManager();
  const HHOOK hook = manager ? manager->FHook.get() : nullptr;
  if (code >= 0 && manager) {
    const auto window = reinterpret_cast<HWND>(wParam);
    switch (code) {
      case HCBT_CREATEWND:
        // A skinned window never gets a size grip: a non-zero answer refuses the window.
        if (manager->RefusesSizeGrip(*reinterpret_cast<const CBT_CREATEWNDA*>(lParam), window)) return 10;
        GuardCallback([&] { manager->SkinPopupWindow(window); });
        break;
      case HCBT_DESTROYWND:
        manager->FPopups.ReleasePopupWindow(window);
        break;
      case HCBT_ACTIVATE:
        if (manager->FActivations == 0) manager->FActivations = 1;
        GuardCallback([&] { (void)manager->SkinWindow(window); });
        break;
      default:
        break;
    }
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

void TSkinManage::SkinPopupWindow(HWND window) {
  char name[101] = {};
  GetClassNameA(window, name, sizeof name - 1);
  if (!FActive || std::string(name) != "#32768") return;
  if (SendMessageA(window, SM_ISSKINNED, 0, 0) == 1) return;
  TSkinData* skinData = ChooseSkinData(window);
  if (!skinData || skinData->SkinEmpty || !skinData->SkinControls().Contains(xcMainMenu)) return;
  FPopups.SkinPopupWindow(window, skinData);
}

void TSkinManage::ReleaseAllSysButtons() {
  for (TWinSkinForm* form : FForms) form->ReleaseSysButtons();
}

void TSkinManage::BeginSingleFormSkinning() {
  FActive = true;
  ++FActivations;
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!FActive || !window) return false;
  if (SendMessageA(window, SM_ISSKINNED, 0, 0) == 1) return false;
  PurgeClosedForms();
  if (FindSkinForm(window)) return false;
  TForm* form = FindVclForm(window);
  if (!FSkinAll && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
    char parentClass[101] = {};
    GetClassNameA(GetParent(window), parentClass, sizeof parentClass - 1);
    std::string lower(parentClass);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower != "mdiclient") return false;
  }
  RECT r{};
  GetWindowRect(window, &r);
  if ((r.right - r.left) * (r.bottom - r.top) == 0) return false;
  // The fixed value 99, whatever DisableTag holds.
  if (form && form->Tag() == 99) return false;
  char name[101] = {};
  GetClassNameA(window, name, sizeof name - 1);
  const std::string className(name);
  if (className == "TApplication") return false;
  if (!CanSkinClass(className)) return false;
  TSkinData* skinData = ChooseSkinData(window);
  if (!skinData || skinData->SkinEmpty) return false;
  auto* skinner = new TWinSkinForm(form);
  skinner->SetHandle(window);
  FForms.push_back(skinner);
  if (form) skinner->AttachForm(skinData, form);
  else skinner->AttachWindow(skinData);
  PostMessageA(window, SM_SKINATTACHED, 0, 1000);
  return true;
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
  const bool single = s->SkinFormtype() == TSkinFormType::sfOnlyThisForm;
  const auto restore = [this](TWinSkinForm* form) {
    HWND window = form->Handle();
    form->RestoreWindow();
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    FreeSkinForm(form);
  };
  switch (FPendingAction) {
    case kSkinActionActivate:
      FActive = true;
      FSkinAll = true;
      if (!single) PurgeClosedForms();
      for (int i = Screen().FormCount() - 1; i >= 0; --i) {
        if (!single) {
          SkinVclForm(Screen().Forms(i));
        } else if (Screen().Forms(i) == s->Owner()) {
          // Only the form that owns this skin data takes the skin.
          SkinVclForm(Screen().Forms(i));
          break;
        }
      }
      FSkinAll = false;
      break;
    case kSkinActionDeactivate:
      FActive = false;
      PurgeClosedForms();
      for (std::size_t i = FForms.size(); i-- > 0;) {
        if (i >= FForms.size()) continue;
        if (single && FForms[i]->SkinData() != s) continue;
        restore(FForms[i]);
        if (single) break;
      }
      break;
    case kSkinActionRefresh: {
      PurgeClosedForms();
      std::vector<TWinSkinForm*> bound;
      for (TWinSkinForm* form : FForms) {
        if (form->SkinData() != s) continue;
        bound.push_back(form);
        if (single) break;
      }
      for (TWinSkinForm* form : bound) {
        form->ReleaseSysButtons();
        form->LoadSkinMetrics();
      }
      for (TWinSkinForm* form : bound) form->ApplySkin();
      break;
    }
  }
  s->FireSkinChanged();
  FCurrentSkinData = nullptr;
}

}  // namespace korvale

#pragma once

// What TSkinData asks of the process-wide skin manager. The manager lives in the form
// skinning layer above this one, so it reaches TSkinData through this interface and makes
// itself known by installing a factory; TSkinData never includes it.
#include <windows.h>

namespace korvale {

class TSkinData;

// The manager's request codes (its RequestAction).
inline constexpr int kSkinActionActivate = 1;
inline constexpr int kSkinActionDeactivate = 2;
inline constexpr int kSkinActionRefresh = 3;
// Every request waits this long, so several changes in a row end in one repaint.
inline constexpr int kSkinRequestDelay = 250;

class TSkinManagerLink {
 public:
  virtual ~TSkinManagerLink() = default;
  virtual void RegisterSkinData(TSkinData* skinData) = 0;
  virtual void UnregisterSkinData(TSkinData* skinData) = 0;
  virtual void InstallHook() = 0;
  virtual void RequestAction(int action, int delay) = 0;
  // The component that made the pending request (FCurrentSkinData).
  virtual void SetCurrentSkinData(TSkinData* skinData) = 0;
  virtual TSkinData* CurrentSkinData() const = 0;
  virtual void ReleaseAllSysButtons() = 0;
  // A single-form component switches skinning on and counts as the first activation.
  virtual void BeginSingleFormSkinning() = 0;
  virtual bool SkinWindow(HWND window) = 0;
};

using TSkinManagerFactory = TSkinManagerLink* (*)();
using TSkinManagerAccessor = TSkinManagerLink* (*)();

// Installed once by the manager's layer at start-up: how to make the manager and how to
// find the existing one.
void SetSkinManagerFactory(TSkinManagerFactory create, TSkinManagerAccessor existing);
// The manager, or null when none exists (yet, or any more).
TSkinManagerLink* ExistingSkinManager();
// The manager, made on first use. Throws the toolkit's error when the program was built
// without the form skinning layer.
TSkinManagerLink& EnsureSkinManager();

}  // namespace korvale

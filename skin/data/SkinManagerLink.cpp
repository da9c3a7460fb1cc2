#include "skin/data/SkinManagerLink.h"

#include "toolkit/Exception.h"

namespace korvale {

namespace {

TSkinManagerFactory gCreate = nullptr;
TSkinManagerAccessor gExisting = nullptr;

}  // namespace

void SetSkinManagerFactory(TSkinManagerFactory create, TSkinManagerAccessor existing) {
  gCreate = create;
  gExisting = existing;
}

TSkinManagerLink* ExistingSkinManager() { return gExisting ? gExisting() : nullptr; }

TSkinManagerLink& EnsureSkinManager() {
  if (TSkinManagerLink* manager = ExistingSkinManager()) return *manager;
  if (!gCreate) throw Exception("The skin manager is not part of this program");
  return *gCreate();
}

}  // namespace korvale

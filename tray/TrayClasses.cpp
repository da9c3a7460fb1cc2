#include "tray/TrayClasses.h"

#include "toolkit/TypInfo.h"
#include "tray/CoolTrayIcon.h"

namespace korvale {

void RegisterTrayClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  using T = TCoolTrayIcon;
  using I = std::int64_t;
  RegisterPublishedClass<T>("TCoolTrayIcon", "TComponent")
      .Creatable()
      // The notification area shows small icons, so the small image of the file is taken.
      .Binary("Icon.Data", [](T& t) { return t.Icon().IcoBytes(); },
              [](T& t, const std::vector<std::uint8_t>& v) {
                LoadIconData(t.Icon(), v, GetSystemMetrics(SM_CXSMICON), t.Name());
              })
      .Boolean("IconVisible", [](T& t) { return t.IconVisible(); }, [](T& t, bool v) { t.SetIconVisible(v); }, false)
      .String("Hint", [](T& t) { return t.Hint(); }, [](T& t, const std::string& v) { t.SetHint(v); })
      .Boolean("ShowHint", [](T& t) { return t.ShowHint(); }, [](T& t, bool v) { t.SetShowHint(v); }, true)
      .Boolean("Enabled", [](T& t) { return t.Enabled(); }, [](T& t, bool v) { t.SetEnabled(v); }, true)
      .Reference<TPopupMenu>("PopupMenu", [](T& t) { return t.PopupMenu(); },
                             [](T& t, TPopupMenu* v) { t.SetPopupMenu(v); })
      .Boolean("LeftPopup", [](T& t) { return t.LeftPopup(); }, [](T& t, bool v) { t.SetLeftPopup(v); }, false)
      .Boolean("MinimizeToTray", [](T& t) { return t.MinimizeToTray(); },
               [](T& t, bool v) { t.SetMinimizeToTray(v); }, false)
      .Reference<TImageList>("IconList", [](T& t) { return t.IconList(); },
                             [](T& t, TImageList* v) { t.SetIconList(v); })
      .Integer("IconIndex", [](T& t) -> I { return t.IconIndex(); },
               [](T& t, I v) { t.SetIconIndex(static_cast<int>(v)); }, 0)
      .Boolean("CycleIcons", [](T& t) { return t.CycleIcons(); }, [](T& t, bool v) { t.SetCycleIcons(v); }, false)
      .Integer("CycleInterval", [](T& t) -> I { return t.CycleInterval(); },
               [](T& t, I v) { t.SetCycleInterval(static_cast<unsigned>(v)); }, 1000)
      .Boolean("WantEnterExitEvents", [](T& t) { return t.WantEnterExitEvents(); },
               [](T& t, bool v) { t.SetWantEnterExitEvents(v); }, false)
      .Boolean("DesignPreview", [](T& t) { return t.DesignPreview(); },
               [](T& t, bool v) { t.SetDesignPreview(v); }, false)
      .Event("OnClick", &T::OnClick)
      .Event("OnDblClick", &T::OnDblClick)
      .Event("OnMouseEnter", &T::OnMouseEnter)
      .Event("OnMouseExit", &T::OnMouseExit)
      .Event("OnBalloonHintShow", &T::OnBalloonHintShow)
      .Event("OnBalloonHintHide", &T::OnBalloonHintHide)
      .Event("OnBalloonHintTimeout", &T::OnBalloonHintTimeout)
      .Event("OnBalloonHintClick", &T::OnBalloonHintClick)
      .Event("OnMinimizeToTray", &T::OnMinimizeToTray)
      .Event("OnMouseDown", &T::OnMouseDown)
      .Event("OnMouseUp", &T::OnMouseUp)
      .Event("OnMouseMove", &T::OnMouseMove)
      .Event("OnCycle", &T::OnCycle)
      .Event("OnStartup", &T::OnStartup);
}

}  // namespace korvale

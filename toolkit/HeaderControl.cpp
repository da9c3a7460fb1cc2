#include "toolkit/HeaderControl.h"

#include <commctrl.h>

namespace korvale {

namespace {

// Inserts the section at `index`, or updates the item that is already there.
void PutHeaderItem(HWND header, int index, const TColumnItem& column) {
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = const_cast<char*>(column.Text().c_str());
  item.cxy = column.Width();
  item.fmt = HDF_STRING | column.FormatFlags();
  const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  SendMessageA(header, index < count ? HDM_SETITEMA : HDM_INSERTITEMA, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
}

}  // namespace

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) {
  width_ = 200;
  height_ = 17;
}

void THeaderControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = WC_HEADERA;
  params.style |= HDS_HORZ | HDS_BUTTONS | HDS_HOTTRACK;
}

void THeaderControl::InitializeHandle() {
  for (int i = 0; i < sections_.Count(); ++i) PutHeaderItem(handle_, i, Section(i));
}

TColumnItem& THeaderControl::AddSection(const std::string& text, int width) {
  auto& section = static_cast<TColumnItem&>(*sections_.Add());
  section.SetText(text);
  section.SetWidth(width);
  return section;
}

void THeaderControl::ColumnChanged(int index) {
  if (HandleAllocated()) PutHeaderItem(handle_, index, Section(index));
}

void THeaderControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    // A divider the user dragged: the section keeps its new width.
    const auto* change = reinterpret_cast<const NMHEADERA*>(message.LParam);
    if ((change->hdr.code == HDN_ITEMCHANGEDA || change->hdr.code == HDN_ITEMCHANGEDW) && change->pitem &&
        (change->pitem->mask & HDI_WIDTH) && change->iItem >= 0 && change->iItem < sections_.Count())
      Section(change->iItem).WidthFromWindow(change->pitem->cxy);
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace korvale

// Guards for paired calls: borrowed DCs of the client area and of the whole window, clip
// regions put back as found, and an image list taken over from elsewhere.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "toolkit/GdiHandles.h"
#include "toolkit/ImageList.h"

namespace korvale::testing {
namespace {

POINT Origin(HDC dc) {
  POINT origin{};
  GetDCOrgEx(dc, &origin);
  return origin;
}

TEST(HandleGuards, WindowDCsStartAtTheFrameAndClientDCsAtTheClientArea) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 40, 50, 200, 150, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  ASSERT_NE(client.y, frame.top);  // a caption lies between them
  {
    const ClientDC clientDC(window);
    const WindowDC windowDC(window);
    const WindowDC exDC(window, nullptr, DCX_WINDOW | DCX_CACHE);
    EXPECT_EQ(Origin(clientDC.get()).y, client.y);
    EXPECT_EQ(Origin(windowDC.get()).y, frame.top);
    EXPECT_EQ(Origin(exDC.get()).y, frame.top);
  }
  DestroyWindow(window);
}

TEST(HandleGuards, ClipRegionComesBackAsFound) {
  UniqueDC dc(CreateCompatibleDC(nullptr));
  const struct {
    const char* name;
    bool clipped;
  } cases[] = {{"no clip region", false}, {"a clip rectangle", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SelectClipRgn(dc.get(), nullptr);
    if (c.clipped) {
      UniqueRegion rect(CreateRectRgn(1, 2, 5, 7));
      SelectClipRgn(dc.get(), rect.get());
    }
    {
      ClipGuard guard(dc.get());
      ExcludeClipRect(dc.get(), 2, 2, 3, 3);
      UniqueRegion other(CreateRectRgn(0, 0, 1, 1));
      SelectClipRgn(dc.get(), other.get());
    }
    UniqueRegion now(CreateRectRgn(0, 0, 0, 0));
    const int has = GetClipRgn(dc.get(), now.get());
    EXPECT_EQ(has, c.clipped ? 1 : 0);
    if (has == 1) {
      RECT box{};
      GetRgnBox(now.get(), &box);
      EXPECT_EQ(box.left, 1);
      EXPECT_EQ(box.bottom, 7);
      EXPECT_NE(PtInRegion(now.get(), 2, 2), FALSE);
    }
  }
}

TEST(HandleGuards, ImageListAdoptsAListWithItsSizeAndImages) {
  UniqueImageList made(ImageList_Create(20, 12, ILC_COLOR24 | ILC_MASK, 2, 2));
  ASSERT_TRUE(made);
  ASSERT_EQ(ImageList_SetImageCount(made.get(), 3), TRUE);
  HIMAGELIST raw = made.get();
  TImageList list;
  list.Adopt(std::move(made));
  EXPECT_FALSE(made);
  EXPECT_EQ(list.Handle(), raw);
  EXPECT_EQ(list.Width(), 20);
  EXPECT_EQ(list.Height(), 12);
  EXPECT_EQ(list.Count(), 3);
}

}  // namespace
}  // namespace korvale::testing

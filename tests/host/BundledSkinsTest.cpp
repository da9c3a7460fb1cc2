// Checks the painted skin folders and pictures that the build puts beside the binaries:
// every image a definition names exists, its frames divide evenly and its margins fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/AsciiText.h"
#include "core/LittleEndian.h"

namespace korvale {
namespace {

namespace fs = std::filesystem;

fs::path BuildFolder() {
  // The test binary lives in <build>/bin.
  return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}


std::vector<unsigned char> Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct BmpInfo {
  int width = 0, height = 0, bits = 0;
  std::uint32_t topLeft = 0;            // 24-bit pictures only
  std::vector<std::uint32_t> pixels;    // 24-bit pictures only, top-down rows
  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

std::uint32_t Le32(const std::vector<unsigned char>& b, size_t at) { return ReadLe32(b.data() + at); }

std::optional<BmpInfo> ReadBmp(const fs::path& path) {
  const auto b = Bytes(path);
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  BmpInfo info;
  info.width = static_cast<int>(Le32(b, 18));
  info.height = static_cast<int>(Le32(b, 22));
  info.bits = ReadLe16(b.data() + 28);
  const size_t stride = ((static_cast<size_t>(info.width) * info.bits + 31) / 32) * 4;
  const size_t offset = Le32(b, 10);
  if (b.size() < offset + stride * static_cast<size_t>(info.height)) return std::nullopt;
  if (info.bits == 24) {
    for (int y = 0; y < info.height; ++y) {
      const size_t row = offset + stride * static_cast<size_t>(info.height - 1 - y);
      for (int x = 0; x < info.width; ++x) {
        const size_t p = row + static_cast<size_t>(x) * 3;
        info.pixels.push_back(ReadLe24(b.data() + p));
      }
    }
    info.topLeft = info.pixels.front();
  }
  return info;
}

// A tiny INI reader: sections and keys without regard to case, first key wins.
class Ini {
 public:
  explicit Ini(const std::string& text) {
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line)) {
      while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
      if (line.empty() || line[0] == ';') continue;
      if (line[0] == '[') {
        section = AsciiLower(line.substr(1, line.find(']') - 1));
        sections.push_back(section);
        continue;
      }
      const size_t eq = line.find('=');
      if (eq == std::string::npos) continue;
      values[section].emplace(AsciiLower(line.substr(0, eq)), line.substr(eq + 1));
    }
  }
  std::string Get(const std::string& s, const std::string& k) const {
    const auto a = values.find(AsciiLower(s));
    if (a == values.end()) return "";
    const auto b = a->second.find(AsciiLower(k));
    return b == a->second.end() ? "" : b->second;
  }
  int Int(const std::string& s, const std::string& k, int fallback) const {
    const std::string v = Get(s, k);
    return v.empty() ? fallback : std::stoi(v);
  }
  std::vector<std::string> sections;
  std::map<std::string, std::map<std::string, std::string>> values;
};

struct SkinCase {
  std::string folder;
  std::string definition;
};

void PrintTo(const SkinCase& c, std::ostream* os) { *os << c.folder; }

const std::vector<SkinCase> kSkins = {
    {"MacOS", "macos.ini"}, {"XP1", "xpblue.ini"}, {"XP2", "xpplatinum.ini"},
    {"XP3", "xpgreen.ini"}, {"Blue", "blue.ini"}, {"Whistler", "perfectwhistler2.ini"},
};

std::string FileName(const std::string& value) {
  const size_t cut = value.find_last_of("\\:");
  return AsciiLower(cut == std::string::npos ? value : value.substr(cut + 1));
}

class BundledSkin : public ::testing::TestWithParam<SkinCase> {
 protected:
  void SetUp() override {
    folder_ = BuildFolder() / "skins" / GetParam().folder;
    ASSERT_TRUE(fs::exists(folder_ / GetParam().definition))
        << folder_ << " is missing; the skins target paints it";
    const auto bytes = Bytes(folder_ / GetParam().definition);
    ini_.emplace(std::string(bytes.begin(), bytes.end()));
  }

  // The image of a key, checked to exist; frames across (or stacked) must divide evenly
  // and the margins must fit inside one frame.
  BmpInfo Image(const std::string& section, const std::string& key, int frames, bool stacked,
                int marginX = 0, int marginY = 0) {
    const std::string value = ini_->Get(section, key);
    EXPECT_FALSE(value.empty()) << "[" << section << "] " << key;
    const auto info = ReadBmp(folder_ / FileName(value));
    EXPECT_TRUE(info) << FileName(value) << " of [" << section << "] " << key;
    if (!info) return {};
    EXPECT_EQ(info->bits, 24) << FileName(value);
    const int along = stacked ? info->height : info->width;
    EXPECT_GT(frames, 0);
    if (frames > 0) {
      EXPECT_EQ(along % frames, 0) << FileName(value) << ": " << along << " by " << frames;
      const int fw = stacked ? info->width : info->width / frames;
      const int fh = stacked ? info->height / frames : info->height;
      EXPECT_LE(marginX, fw) << FileName(value);
      EXPECT_LE(marginY, fh) << FileName(value);
      EXPECT_GT(fw, 0);
      EXPECT_GT(fh, 0);
    }
    return *info;
  }

  int Margins(const std::string& section, bool horizontal) const {
    return horizontal ? ini_->Int(section, "LeftWidth", 0) + ini_->Int(section, "RightWidth", 0)
                      : ini_->Int(section, "TopHeight", 0) + ini_->Int(section, "BottomHeight", 0);
  }

  fs::path folder_;
  std::optional<Ini> ini_;
};

TEST_P(BundledSkin, ManifestListsEveryImageAndEndsWithTheDefinition) {
  std::ifstream in(folder_ / "manifest.txt");
  std::vector<std::string> entries;
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) entries.push_back(line);
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries.back(), GetParam().definition);
  for (const std::string& entry : entries) EXPECT_TRUE(fs::exists(folder_ / entry)) << entry;
  for (const auto& [section, keys] : ini_->values)
    for (const auto& [key, value] : keys)
      if (AsciiLower(value).ends_with(".bmp")) {
        EXPECT_NE(std::find(entries.begin(), entries.end(), FileName(value)), entries.end())
            << "[" << section << "] " << key << "=" << value;
        if (GetParam().folder == "Whistler") {
          EXPECT_EQ(value.rfind("perfectwhistler2\\", 0), 0u) << value;
        }
        // The reader matches the extension exactly.
        EXPECT_TRUE(value.ends_with(".bmp")) << value;
      }
}

TEST_P(BundledSkin, FrameBordersFitTheTitleAndShapeTheCorners) {
  const int top = ini_->Int("Personality", "TopFrame", 1);
  const BmpInfo t = Image("Personality", "Top", top, true,
                          ini_->Int("Personality", "TopTopHeight", 0) + ini_->Int("Personality", "TopBotHeight", 0));
  const int T = t.height / top;
  EXPECT_GE(T, 18);
  for (const std::string side : {"Left", "Right"}) {
    const int frames = ini_->Int("Personality", side + "Frame", 1);
    const BmpInfo b = Image("Personality", side, frames, false, 0,
                            ini_->Int("Personality", side + "TopHeight", 0) + ini_->Int("Personality", side + "BotHeight", 0));
    EXPECT_EQ(ini_->Int("Personality", side + "TopHeight", 0), T) << side;
    EXPECT_EQ(b.height, T + 20 + ini_->Int("Personality", side + "BotHeight", 0)) << side;
  }
  // Rounded top corners: the outermost corner pixel is the transparent colour.
  const BmpInfo left = Image("Personality", "Left", 2, false);
  EXPECT_EQ(left.topLeft, 0xFF00FFu);
  EXPECT_EQ(ini_->Int("Personality", "LeftTrans", 1), 1);
  Image("Personality", "Bottom", ini_->Int("Personality", "BottomFrame", 1), true,
        ini_->Int("Personality", "BottomTopHeight", 0) + ini_->Int("Personality", "BottomBotHeight", 0));
  const BmpInfo text = Image("Personality", "TextBack", 2, true,
                             ini_->Int("Personality", "TXTBackleft", 0) + ini_->Int("Personality", "TXTBackRight", 0));
  EXPECT_EQ(text.height / 2, T);
  Image("Personality", "menuBar", 2, true,
        ini_->Int("Personality", "TileLeftMenu", 1) + ini_->Int("Personality", "TileRightMenu", 1));
}

TEST_P(BundledSkin, TitleButtonsCoverEveryWindowCommand) {
  std::map<int, int> actions;
  int maximiseShown = 0, restoreShown = 0;
  for (const std::string& section : ini_->sections) {
    if (section.rfind("button", 0) != 0 || section == "buttons" || section == "button.radio" ||
        section == "button.checkbox")
      continue;
    const int action = ini_->Int(section, "Action", 0);
    ++actions[action];
    if (action == 3) continue;  // the window icon replaces the image
    const int frames = ini_->Int(section, "frame", 0);
    EXPECT_EQ(frames, 4) << section << ": normal, pressed, hot, inactive";
    const BmpInfo image = Image(section, "ButtonImage", frames, false);
    if (action == 1) {
      const int visibility = ini_->Int(section, "Visibility", 0);
      maximiseShown += visibility == 2;
      restoreShown += visibility == 1;
    }
    const int align = ini_->Int(section, "Align", 0);
    EXPECT_TRUE(align == 0 || align == 1) << section;
    const int T = ReadBmp(folder_ / FileName(ini_->Get("Personality", "Top")))->height / 2;
    EXPECT_LE(ini_->Int(section, "Ycoord", 0) + image.height, T) << section;
  }
  EXPECT_EQ(actions[0], 1);  // close
  EXPECT_EQ(actions[1], 2);  // maximise and restore, alternating
  EXPECT_EQ(actions[2], 1);  // minimise
  EXPECT_EQ(actions[3], 1);  // system menu
  EXPECT_EQ(maximiseShown, 1);
  EXPECT_EQ(restoreShown, 1);
  Image("MDICONTROLS", "Image", 12, false);
}

TEST_P(BundledSkin, ControlElementsHaveTheirFrames) {
  const BmpInfo buttons = Image("Buttons", "Bitmap", 5, false, Margins("Buttons", true), Margins("Buttons", false));
  EXPECT_GE(buttons.height, 16);
  for (const std::string key : {"CheckButton", "RadioButton"}) {
    const int frames = ini_->Int("Buttons", key + "Frame", 0);
    EXPECT_EQ(frames, 4) << key;
    const BmpInfo box = Image("Buttons", key, frames, false);
    EXPECT_LE(box.width / frames, 14) << key << " must fit the 14-pixel box";
  }
  const bool chunked = ini_->Int("Progress", "Style", 0) == 1;
  Image("Progress", "Bitmap", chunked ? 1 : 2, false, Margins("Progress", true), Margins("Progress", false));
  if (chunked) Image("Progress", "Chunk", 1, false);

  struct Element {
    const char* section;
    int frames;
  };
  const std::vector<Element> elements = {
      {"GroupBoxEdge", 2},  {"Toolbars", 5},          {"Tabs", 5},
      {"StatusBarEdges", 3}, {"ComboButton", 4},      {"SunkEdge", 4},
      {"ExtraImages", 5},   {"Headerbar", 5},         {"MenuItem", 5},
      {"MenuBackground", 1}, {"Scrollbar", 23},       {"HorzScroll", 4},
      {"VertScroll", 4},    {"Trackbar.ThumbHorz", 5}, {"Trackbar.ThumbVert", 5},
      {"Trackbar.ThumbLeft", 5}, {"Trackbar.ThumbRight", 5}, {"Trackbar.ThumbUp", 5},
      {"Trackbar.ThumbDown", 5}, {"UpDown.Horz", 8},  {"UpDown.Vert", 8},
  };
  for (const Element& e : elements)
    Image(e.section, "Image", e.frames, false, Margins(e.section, true), Margins(e.section, false));
  for (const std::string thumb : {"HorzScrollThumb", "VertScrollThumb"})
    Image(thumb, "Image", ini_->Int(thumb, "FrameCount", 3), false, Margins(thumb, true), Margins(thumb, false));
  Image("Tabs", "Border", 1, false, 8, 9);
  Image("UpDown.Horz", "GlyphImage", 8, false);
  Image("UpDown.Vert", "GlyphImage", 8, false);
  // The arrow buttons are square frames of the bar's 16-pixel thickness.
  const BmpInfo arrows = Image("Scrollbar", "Image", 23, false);
  EXPECT_EQ(arrows.height, 16);
  EXPECT_EQ(arrows.width / 23, 16);
}

// Frames (1-based) of a side-by-side strip that hold the same pixels.
bool SameFrames(const BmpInfo& image, int frames, int a, int b) {
  const int fw = image.width / frames;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < fw; ++x)
      if (image.At((a - 1) * fw + x, y) != image.At((b - 1) * fw + x, y)) return false;
  return true;
}

TEST_P(BundledSkin, StatesThatTheUserMustTellApartLookDifferent) {
  struct Pair {
    const char* section;
    const char* key;
    int frames;
    int a, b;
  };
  const std::vector<Pair> pairs = {
      {"Buttons", "Bitmap", 5, 1, 2},        {"Buttons", "Bitmap", 5, 1, 3},
      {"Buttons", "Bitmap", 5, 1, 4},        {"Buttons", "CheckButton", 4, 1, 2},
      {"Buttons", "CheckButton", 4, 2, 4},   {"Buttons", "RadioButton", 4, 1, 2},
      {"Buttons", "RadioButton", 4, 2, 4},   {"Tabs", "Image", 5, 1, 2},
      {"MenuItem", "Image", 5, 1, 4},        {"ComboButton", "Image", 4, 1, 2},
      {"Scrollbar", "Image", 23, 1, 2},      {"Scrollbar", "Image", 23, 1, 5},
      {"Scrollbar", "Image", 23, 9, 13},     {"Scrollbar", "Image", 23, 1, 9},
      {"HorzScrollThumb", "Image", 3, 1, 2}, {"UpDown.Vert", "Image", 8, 1, 2},
      {"UpDown.Vert", "GlyphImage", 8, 1, 3}, {"ExtraImages", "Image", 5, 1, 5},
      {"MDICONTROLS", "Image", 12, 1, 5},    {"MDICONTROLS", "Image", 12, 5, 9},
  };
  for (const Pair& pair : pairs) {
    const auto image = ReadBmp(folder_ / FileName(ini_->Get(pair.section, pair.key)));
    ASSERT_TRUE(image) << pair.section;
    EXPECT_FALSE(SameFrames(*image, pair.frames, pair.a, pair.b))
        << "[" << pair.section << "] " << pair.key << " frames " << pair.a << " and " << pair.b;
  }
  for (const std::string& section : ini_->sections) {
    if (section.rfind("button", 0) != 0 || section == "buttons" || ini_->Int(section, "Action", 0) == 3) continue;
    const auto image = ReadBmp(folder_ / FileName(ini_->Get(section, "ButtonImage")));
    ASSERT_TRUE(image) << section;
    EXPECT_FALSE(SameFrames(*image, 4, 1, 3)) << section << ": hot like normal";
    EXPECT_FALSE(SameFrames(*image, 4, 1, 4)) << section << ": inactive like active";
  }
  // The title band's two frames: active above inactive.
  const auto top = ReadBmp(folder_ / FileName(ini_->Get("Personality", "Top")));
  ASSERT_TRUE(top);
  const int T = top->height / 2;
  EXPECT_NE(top->At(top->width / 2, T / 2), top->At(top->width / 2, T + T / 2));
}

TEST_P(BundledSkin, ColoursAreGivenAsRgbTriples) {
  for (const std::string key : {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar",
                                "Menu", "MenuText", "ButtonText", "ButtonHilight", "Buttonlight",
                                "ButtonShadow", "ButtonDkShadow", "MenuBarText", "TitleTextActive",
                                "TitleTextNoActive"}) {
    std::istringstream in(ini_->Get("Colours", key));
    int r = -1, g = -1, b = -1;
    in >> r >> g >> b;
    EXPECT_TRUE(r >= 0 && r < 256 && g >= 0 && g < 256 && b >= 0 && b < 256) << key;
  }
}

INSTANTIATE_TEST_SUITE_P(Six, BundledSkin, ::testing::ValuesIn(kSkins),
                         [](const auto& info) { return info.param.folder; });

TEST(BundledPictures, SizesAndFormats) {
  const fs::path folder = BuildFolder() / "pictures";
  struct Picture {
    const char* name;
    int width, height, bits;
  };
  const std::vector<Picture> pictures = {
      {"logo.bmp", 75, 100, 24},    {"about.bmp", 90, 134, 24},  {"menuimages.bmp", 80, 16, 24},
      {"menu0.bmp", 16, 16, 24},    {"menu4.bmp", 16, 16, 24},   {"lumetramenu.bmp", 64, 16, 1},
      {"red.bmp", 14, 14, 24},      {"yellow.bmp", 14, 14, 24},  {"green.bmp", 14, 14, 24},
      {"builtin-red.bmp", 14, 14, 24},
  };
  for (const Picture& p : pictures) {
    const auto info = ReadBmp(folder / p.name);
    ASSERT_TRUE(info) << p.name;
    EXPECT_EQ(info->width, p.width) << p.name;
    EXPECT_EQ(info->height, p.height) << p.name;
    EXPECT_EQ(info->bits, p.bits) << p.name;
  }
  const auto ico = Bytes(folder / "korvale.ico");
  ASSERT_GE(ico.size(), 6u + 3 * 16);
  EXPECT_EQ(ico[2] | (ico[3] << 8), 1);  // icon, not cursor
  ASSERT_EQ(ico[4] | (ico[5] << 8), 3);
  for (int i = 0; i < 3; ++i) {
    const int size = ico[6 + 16 * i];
    EXPECT_EQ(size, 16 * (i + 1));
    EXPECT_EQ(ico[7 + 16 * i], size);
    const size_t offset = Le32(ico, 6 + 16 * i + 12);
    const size_t bytes = Le32(ico, 6 + 16 * i + 8);
    EXPECT_LE(offset + bytes, ico.size());
  }
}

}  // namespace
}  // namespace korvale

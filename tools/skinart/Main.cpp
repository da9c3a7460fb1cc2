// skinart: paints every image of the bundled skins and the program's pictures from code.
//   skinart skin NAME SOURCEDIR OUTDIR   images of skin NAME, its definition and manifest
//   skinart preview SKINDIR OUT.png      a mock window drawn from a painted skin folder
//   skinart pictures OUTDIR              icon, logo, About picture, menu images, lamps
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "core/AsciiText.h"
#include "tools/skinart/ImageFiles.h"
#include "tools/skinart/IniText.h"
#include "tools/skinart/Pictures.h"
#include "tools/skinart/Preview.h"
#include "tools/skinart/SkinPainter.h"
#include "tools/skinart/Theme.h"

namespace fs = std::filesystem;
using namespace korvale::skinart;

namespace {

// The archive holds the images first, in the order the definition names them, and the
// definition last, so its entry is found after every image it refers to.
int PaintSkinFolder(const std::string& name, const fs::path& source, const fs::path& out) {
  const Theme* theme = FindTheme(name);
  if (!theme) {
    std::fprintf(stderr, "skinart: no skin named \"%s\"\n", name.c_str());
    return 1;
  }
  fs::path definition;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(source, ec))
    if (korvale::AsciiLower(entry.path().extension().string()) == ".ini") definition = entry.path();
  if (definition.empty()) {
    std::fprintf(stderr, "skinart: %s holds no definition (.ini)\n", source.string().c_str());
    return 1;
  }
  const auto text = ReadFile(definition.string());
  if (!text) {
    std::fprintf(stderr, "skinart: cannot read %s\n", definition.string().c_str());
    return 1;
  }
  const IniText ini(std::string(text->begin(), text->end()));
  const auto images = PaintSkin(*theme);
  fs::create_directories(out, ec);
  std::vector<std::string> order;
  std::set<std::string> seen;
  for (const std::string& value : ini.ImageValues()) {
    const std::string file = ImageFileName(value);
    if (!seen.insert(file).second) continue;
    const auto image = images.find(file);
    if (image == images.end()) {
      std::fprintf(stderr, "skinart: %s names %s, which the %s painter does not make\n",
                   definition.filename().string().c_str(), file.c_str(), name.c_str());
      return 1;
    }
    if (!WriteFile((out / file).string(), EncodeBmp24(image->second))) {
      std::fprintf(stderr, "skinart: cannot write %s\n", (out / file).string().c_str());
      return 1;
    }
    order.push_back(file);
  }
  const std::string iniName = definition.filename().string();
  if (!WriteFile((out / iniName).string(), *text)) {
    std::fprintf(stderr, "skinart: cannot write %s\n", (out / iniName).string().c_str());
    return 1;
  }
  order.push_back(iniName);
  std::string manifest;
  for (const std::string& entry : order) manifest += entry + "\n";
  if (!WriteFile((out / "manifest.txt").string(), {manifest.begin(), manifest.end()})) {
    std::fprintf(stderr, "skinart: cannot write the manifest in %s\n", out.string().c_str());
    return 1;
  }
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: skinart skin NAME SOURCEDIR OUTDIR\n"
               "       skinart preview SKINDIR OUT.png\n"
               "       skinart pictures OUTDIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string verb = argv[1];
  if (verb == "skin" && argc == 5) return PaintSkinFolder(argv[2], argv[3], argv[4]);
  if (verb == "preview" && argc == 4) {
    std::string error;
    if (!WritePreview(argv[2], argv[3], error)) {
      std::fprintf(stderr, "skinart: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  if (verb == "pictures" && argc == 3) {
    std::string error;
    if (!WritePictures(argv[2], error)) {
      std::fprintf(stderr, "skinart: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  return Usage();
}

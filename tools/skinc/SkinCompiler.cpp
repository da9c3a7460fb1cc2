// skinc: the skin compiler. Packs a folder of BMP files and one INI definition into a
// compressed skin, unpacks a skin into a folder, and describes a skin for its authors.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "core/Lzh.h"
#include "core/LzhEncoder.h"
#include "core/SkinArchive.h"

namespace korvale {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// The entry order of a skin folder; unpack writes one so that packing again gives the
// same archive.
constexpr char kManifestName[] = "manifest.txt";

// Every failure the user should see: the message is printed and the tool exits with 1.
class ToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// The reader takes the first entry whose lower-cased name contains ".ini" as the definition.
bool IsDefinition(const std::string& name) { return Lower(name).find(".ini") != std::string::npos; }

Bytes ReadFile(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) throw ToolError("cannot read " + path.string() + ": not a file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ToolError("cannot read " + path.string());
  Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw ToolError("cannot read " + path.string());
  return bytes;
}

void WriteFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw ToolError("cannot write " + path.string());
}

std::string Trim(const std::string& line) {
  const auto first = line.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  const auto last = line.find_last_not_of(" \t\r\n");
  return line.substr(first, last - first + 1);
}

// A name that is a plain file name inside the folder: no separators, no "." or "..", no
// control characters.
std::string FileNameProblem(const std::string& name) {
  if (name.empty()) return "the name is empty";
  if (name == "." || name == "..") return "the name is not a file name";
  for (const char c : name) {
    if (c == '/' || c == '\\' || c == ':') return "the name holds a path separator";
    if (static_cast<unsigned char>(c) < 0x20) return "the name holds a control character";
  }
  return "";
}

// The entry names of a folder: the manifest's lines (blank lines and "#" comments left
// out) in their order, or else every file sorted by name. Either way a definition that
// is not listed goes last.
std::vector<std::string> EntryNames(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) throw ToolError("no folder " + folder.string());
  std::vector<std::string> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file() && entry.path().filename() != kManifestName) {
      files.push_back(entry.path().filename().string());
    }
  }
  if (error) throw ToolError("cannot list " + folder.string() + ": " + error.message());
  std::sort(files.begin(), files.end());

  std::vector<std::string> names;
  const fs::path manifest = folder / kManifestName;
  if (fs::exists(manifest, error)) {
    std::ifstream in(manifest);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
      ++number;
      const std::string name = Trim(line);
      if (name.empty() || name[0] == '#') continue;
      const std::string problem = FileNameProblem(name);
      if (!problem.empty()) {
        throw ToolError(manifest.string() + " line " + std::to_string(number) + ": cannot store \"" +
                        name + "\": " + problem);
      }
      names.push_back(name);
    }
  } else {
    for (const std::string& file : files) {
      if (!IsDefinition(file)) names.push_back(file);
    }
  }
  if (std::none_of(names.begin(), names.end(), IsDefinition)) {
    for (const std::string& file : files) {
      if (IsDefinition(file)) names.push_back(file);
    }
  }
  if (std::none_of(names.begin(), names.end(), IsDefinition)) {
    throw ToolError("no skin definition (a file named *.ini) in " + folder.string());
  }
  // The reader compares names in lower case, so names that differ only in case collide.
  std::set<std::string> seen;
  for (const std::string& name : names) {
    if (!seen.insert(Lower(name)).second) {
      throw ToolError("cannot store \"" + name + "\" twice: the reader ignores case in names");
    }
  }
  return names;
}

std::string Ratio(std::size_t decoded, std::size_t stored) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f:1", stored == 0 ? 0.0 : static_cast<double>(decoded) / static_cast<double>(stored));
  return text;
}

int Pack(const fs::path& folder, const fs::path& target) {
  std::vector<SkinArchiveEntry> entries;
  for (const std::string& name : EntryNames(folder)) {
    entries.push_back({name, ReadFile(folder / name)});
  }
  Bytes archive;
  try {
    archive = BuildSkinArchive(entries);
  } catch (const SkinArchiveError& e) {
    throw ToolError(e.what());
  }
  const Bytes stream = CompressLzh(archive);
  WriteFile(target, stream);
  std::printf("%s: %zu entries, %zu bytes stored in %zu (%s)\n", target.string().c_str(),
              entries.size(), archive.size(), stream.size(), Ratio(archive.size(), stream.size()).c_str());
  return 0;
}

struct LoadedSkin {
  Bytes stream;
  Bytes archive;
  SkinArchiveIndex index;
};

LoadedSkin Load(const fs::path& source) {
  LoadedSkin skin;
  skin.stream = ReadFile(source);
  try {
    skin.archive = ExpandLzhStream(skin.stream);
  } catch (const ElzhException& e) {
    throw ToolError(source.string() + " is not a skin: " + e.Message());
  }
  skin.index = ParseSkinArchive(skin.archive);
  if (skin.index.status != SkinArchiveStatus::Ok) {
    throw ToolError(source.string() + " is not a skin: " + skin.index.problem);
  }
  return skin;
}

int Unpack(const fs::path& source, const fs::path& folder) {
  const LoadedSkin skin = Load(source);
  const SkinArchiveIndex& index = skin.index;
  for (const std::string& name : index.names) {
    const std::string problem = FileNameProblem(name);
    if (!problem.empty()) throw ToolError("cannot unpack the entry \"" + name + "\": " + problem);
    if (Lower(name) == kManifestName) {
      throw ToolError("cannot unpack the entry \"" + name + "\": it would replace the manifest");
    }
  }
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) throw ToolError("cannot make " + folder.string() + ": " + error.message());
  std::string manifest;
  std::set<std::string> written;
  for (std::size_t i = 0; i < index.names.size(); ++i) {
    const std::string& name = index.names[i];
    if (!written.insert(Lower(name)).second) {
      // The reader never reaches a later entry of the same name.
      std::fprintf(stderr, "skinc: skipped the unreachable second entry \"%s\"\n", name.c_str());
      continue;
    }
    WriteFile(folder / name, SkinArchiveEntryBytes(skin.archive, index, i));
    manifest += name + "\n";
  }
  WriteFile(folder / kManifestName, std::span(reinterpret_cast<const std::uint8_t*>(manifest.data()), manifest.size()));
  std::printf("%s: %zu entries\n", folder.string().c_str(), written.size());
  return 0;
}

int Info(const fs::path& source) {
  const LoadedSkin skin = Load(source);
  const SkinArchiveIndex& index = skin.index;
  const auto declared = static_cast<std::size_t>(LzhDeclaredSize(skin.stream));
  std::printf("version %d, reserved %d %d\n", index.version, index.reserved1, index.reserved2);
  std::printf("%zu entries:\n", index.names.size());
  std::string definition;
  for (std::size_t i = 0; i < index.names.size(); ++i) {
    std::printf("  %10d  %s\n", index.sizes[i], index.names[i].c_str());
    if (definition.empty() && IsDefinition(index.names[i])) definition = index.names[i];
  }
  std::printf("definition: %s\n", definition.empty() ? "(none)" : definition.c_str());
  std::printf("decoded %zu bytes, stored %zu bytes, ratio %s\n", declared, skin.stream.size(),
              Ratio(declared, skin.stream.size()).c_str());
  return 0;
}

// A skin as a skin data component stores it in a form description: the stream's length as
// a signed 32-bit little-endian number, then the stream itself.
int Stored(const fs::path& source, const fs::path& target) {
  const LoadedSkin skin = Load(source);
  const auto length = static_cast<std::uint32_t>(skin.stream.size());
  Bytes value{static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
              static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24)};
  value.insert(value.end(), skin.stream.begin(), skin.stream.end());
  WriteFile(target, value);
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: skinc pack DIR OUT      compress the files of DIR into the skin OUT\n"
               "       skinc unpack IN DIR     write the entries of the skin IN into DIR\n"
               "       skinc info IN           list the entries of the skin IN\n"
               "       skinc stored IN OUT     write IN as a skin data component stores it\n"
               "DIR may hold manifest.txt, one entry file name per line in archive order\n"
               "(blank lines and lines starting with # are skipped); without it every file\n"
               "is packed in name order. An unlisted definition (*.ini) always goes last.\n");
  return 2;
}

int Run(const std::vector<std::string>& args) {
  if (args.size() == 3 && args[0] == "pack") return Pack(args[1], args[2]);
  if (args.size() == 3 && args[0] == "unpack") return Unpack(args[1], args[2]);
  if (args.size() == 2 && args[0] == "info") return Info(args[1]);
  if (args.size() == 3 && args[0] == "stored") return Stored(args[1], args[2]);
  return Usage();
}

}  // namespace
}  // namespace korvale

int main(int argc, char** argv) {
  try {
    return korvale::Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinc: %s\n", e.what());
    return 1;
  }
}

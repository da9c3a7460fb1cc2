// formc IN.form OUT.bin [--base DIR]   compiles a form description
// formc --dump IN.bin                  prints a compiled description as text
//
// {file 'path'} values are read relative to DIR (by default the folder of IN.form).
// Errors go to standard error as "IN.form: line 7, column 12: ..."; the exit code is 1
// for a faulty input and 2 for a wrong command line. A failed compile leaves no output.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "core/FormStream.h"
#include "core/FormText.h"

namespace {

namespace fs = std::filesystem;
using korvale::FormReadResult;

int Usage() {
  std::cerr << "usage: formc IN.form OUT.bin [--base DIR]\n"
               "       formc --dump IN.bin\n";
  return 2;
}

bool ReadFile(const fs::path& path, std::vector<std::uint8_t>& bytes, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot open '" + path.string() + "': " + std::strerror(errno);
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  if (file.bad()) {
    error = "cannot read '" + path.string() + "'";
    return false;
  }
  if (bytes.size() > korvale::kFormMaxStreamSize) {
    error = "'" + path.string() + "' is larger than " +
            std::to_string(korvale::kFormMaxStreamSize) + " bytes";
    return false;
  }
  return true;
}

int Dump(const std::string& in) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (!ReadFile(in, bytes, error)) {
    std::cerr << "formc: " << error << "\n";
    return 1;
  }
  const FormReadResult result = korvale::ReadFormStream(bytes.data(), bytes.size());
  if (!result.ok()) {
    std::cerr << in << ": " << result.error << "\n";
    return 1;
  }
  std::cout << korvale::FormatFormText(result.root);
  return std::cout.good() ? 0 : 1;
}

int Compile(const std::string& in, const std::string& out, fs::path base) {
  std::vector<std::uint8_t> source;
  std::string error;
  if (!ReadFile(in, source, error)) {
    std::cerr << "formc: " << error << "\n";
    return 1;
  }
  if (base.empty()) base = fs::path(in).parent_path();
  const korvale::FormFileLoader loader = [&base](const std::string& path,
                                                 std::vector<std::uint8_t>& bytes,
                                                 std::string& message) {
    return ReadFile(base / path, bytes, message);
  };
  const std::string text(source.begin(), source.end());
  const korvale::FormTextResult parsed = korvale::ParseFormText(text, loader);
  if (!parsed.ok()) {
    std::cerr << in << ": " << parsed.error << "\n";
    return 1;
  }
  const korvale::FormWriteResult written = korvale::WriteFormStream(parsed.root);
  if (!written.ok()) {
    std::cerr << in << ": " << written.error << "\n";
    return 1;
  }
  // Written beside the target and renamed, so a build never sees half a file.
  const fs::path target(out);
  const fs::path temporary = fs::path(out + ".tmp");
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(written.bytes.data()),
               static_cast<std::streamsize>(written.bytes.size()));
    file.close();
    if (!file) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      std::cerr << "formc: cannot write '" << out << "'\n";
      return 1;
    }
  }
  std::error_code ec;
  fs::rename(temporary, target, ec);
  if (ec) {
    fs::remove(temporary, ec);
    std::cerr << "formc: cannot write '" << out << "'\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--dump") return Dump(args[1]);
  if (args.size() == 2 && args[0][0] != '-' && args[1][0] != '-') return Compile(args[0], args[1], {});
  if (args.size() == 4 && args[2] == "--base" && !args[0].empty() && !args[1].empty() &&
      args[0][0] != '-' && args[1][0] != '-') {
    return Compile(args[0], args[1], args[3]);
  }
  return Usage();
}

// The cost of one status line as the log ages: 100,000 lines go through the bounded log and
// its file writer onto real files, and the time per line of the first and of the last 1,000
// lines is reported with their ratio. The run also checks that the log stayed within its
// limit and that the file of old lines and the log file together hold every line, in order.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/BoundedLog.h"
#include "core/LogFileWriter.h"
#include "core/StringList.h"

namespace korvale {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kLines = 100000;
constexpr int kWindow = 1000;

class DiskLogFiles final : public LogFiles {
 public:
  explicit DiskLogFiles(const fs::path& folder)
      : current_(folder / "korvale.log"), old_(folder / "korvale.old.log") {}
  void AppendOld(const std::string& lines) override { Put(old_, lines, "ab"); }
  void RewriteCurrent(const std::string& text) override { Put(current_, text, "wb"); }
  const fs::path current_;
  const fs::path old_;

 private:
  static void Put(const fs::path& path, const std::string& text, const char* mode) {
    std::FILE* file = std::fopen(path.string().c_str(), mode);
    if (!file) throw std::runtime_error("cannot open " + path.string());
    const bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !ok) throw std::runtime_error("cannot write " + path.string());
  }
};

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> Lines(const std::string& text) {
  TStringList list;
  list.SetText(text);
  return {list.begin(), list.end()};
}

std::string LineNumber(int i) {
  return "[08.12.2026 13:00:00]Status: Map Server is Restarting. #" + std::to_string(i);
}

void BM_StatusLinesAsTheLogAges(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("korvale-log-bench-" + std::to_string(::getpid()));
  for (auto _ : state) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    DiskLogFiles files(folder);
    LogFileWriter writer(files, kLogWritePeriodMs);
    BoundedLog log(kLogLimit);
    const Clock::time_point origin = Clock::now();
    const auto nowMs = [origin] {
      return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - origin).count();
    };
    std::size_t largest = 0;
    double firstSeconds = 0;
    double lastSeconds = 0;
    Clock::time_point windowStart = Clock::now();
    for (int i = 0; i < kLines; ++i) {
      if (i == kLines - kWindow) windowStart = Clock::now();
      log.Prepend(LineNumber(i));
      writer.Retire(log.TakeFallen());
      writer.Changed();
      if (writer.DueIn(nowMs()) == 0) writer.Write(log.FileText(), nowMs());
      largest = std::max(largest, log.Size());
      if (i == kWindow - 1) firstSeconds = std::chrono::duration<double>(Clock::now() - windowStart).count();
    }
    lastSeconds = std::chrono::duration<double>(Clock::now() - windowStart).count();
    writer.Write(log.FileText(), nowMs());

    std::vector<std::string> all = Lines(Slurp(files.old_));
    const std::string current = Slurp(files.current_);
    const std::vector<std::string> kept = Lines(current);
    all.insert(all.end(), kept.rbegin(), kept.rend());
    bool complete = all.size() == static_cast<std::size_t>(kLines);
    for (int i = 0; complete && i < kLines; ++i) complete = all[static_cast<std::size_t>(i)] == LineNumber(i);
    if (!complete) state.SkipWithError("the two files do not hold every line in order");
    if (largest > kLogLimit || current.size() > kLogLimit) state.SkipWithError("the log outgrew its limit");

    state.counters["first1000_us_per_line"] = firstSeconds * 1e6 / kWindow;
    state.counters["last1000_us_per_line"] = lastSeconds * 1e6 / kWindow;
    state.counters["last_over_first"] = lastSeconds / firstSeconds;
    state.counters["largest_log_bytes"] = static_cast<double>(largest);
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_StatusLinesAsTheLogAges)->Iterations(1)->Unit(benchmark::kMillisecond);

// What one write of the files costs once the log is full: paid at most once a second.
void BM_LogFileWriteAtTheLimit(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("korvale-log-write-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  DiskLogFiles files(folder);
  LogFileWriter writer(files, 0);
  BoundedLog log(kLogLimit);
  for (int i = 0; log.TakeFallen().empty(); ++i) log.Prepend(LineNumber(i));
  std::int64_t now = 0;
  for (auto _ : state) {
    log.Prepend(LineNumber(static_cast<int>(now)));
    writer.Retire(log.TakeFallen());
    writer.Write(log.FileText(), ++now);
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_LogFileWriteAtTheLimit)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvale

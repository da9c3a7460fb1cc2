// Decoding speed of the LZH codec on the two kinds of input skins are made of; the figures
// are bytes of output per second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/Lzh.h"
#include "core/LzhEncoder.h"
#include "core/SkinArchive.h"

namespace korvale {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit bottom-up BMP of a skin part: flat faces, bevels, a vertical gradient band and
// a few anti-aliased glyph pixels, rows padded to 4 bytes.
Bytes SkinBitmap(int width, int height, std::mt19937& random) {
  const int stride = (width * 3 + 3) & ~3;
  const std::uint32_t pixels = static_cast<std::uint32_t>(stride * height);
  Bytes bmp = {'B', 'M'};
  auto put32 = [&bmp](std::uint32_t v) {
    for (int s = 0; s < 32; s += 8) bmp.push_back(static_cast<std::uint8_t>(v >> s));
  };
  put32(54 + pixels);
  put32(0);
  put32(54);
  put32(40);
  put32(static_cast<std::uint32_t>(width));
  put32(static_cast<std::uint32_t>(height));
  bmp.push_back(1);
  bmp.push_back(0);
  bmp.push_back(24);
  bmp.push_back(0);
  for (int i = 0; i < 6; ++i) put32(0);
  const int face = static_cast<int>(random() % 64) + 150;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int r = face, g = face + 8, b = face + 20;
      if (x < 2 || y < 2) r = g = b = 240;
      if (x >= width - 2 || y >= height - 2) r = g = b = 90;
      if (y > height / 3 && y < height / 2) {
        r = 40 + y * 3 + x / 3;
        g = 60 + y * 3;
        b = 140 + y + x / 5;
      }
      if (random() % 9 == 0) {
        const int shade = static_cast<int>(random() % 24);
        r -= shade;
        g -= shade;
        b -= shade;
      }
      bmp.push_back(static_cast<std::uint8_t>(b));
      bmp.push_back(static_cast<std::uint8_t>(g));
      bmp.push_back(static_cast<std::uint8_t>(r));
    }
    for (int pad = width * 3; pad < stride; ++pad) bmp.push_back(0);
  }
  return bmp;
}

std::string SkinDefinition() {
  std::string ini = "[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\n[Colours]\r\n";
  for (int i = 0; i < 60; ++i) {
    ini += "Color" + std::to_string(i) + "=" + std::to_string(i * 3 % 256) + " 115 150\r\n";
  }
  return ini;
}

// About 600 kB of archive, as a bundled skin is: many bitmaps and one definition.
Bytes SkinLikeArchive() {
  std::mt19937 random(2024);
  std::vector<SkinArchiveEntry> entries;
  std::size_t total = 0;
  for (int i = 0; total < 600000; ++i) {
    const int width = 16 + static_cast<int>(random() % 200);
    const int height = 8 + static_cast<int>(random() % 40);
    entries.push_back({"part" + std::to_string(i) + ".bmp", SkinBitmap(width, height, random)});
    total += entries.back().data.size();
  }
  const std::string ini = SkinDefinition();
  entries.push_back({"skin.ini", Bytes(ini.begin(), ini.end())});
  return BuildSkinArchive(entries);
}

// About 600 kB of mixed binary content: code-like bytes with repeated idioms, tables of
// small integers, text, and incompressible stretches.
Bytes MixedBinary() {
  std::mt19937 random(77);
  Bytes data;
  const std::string words[] = {"push", "call", "ret", "mov", "eax", "ebx", "0x00", "data"};
  while (data.size() < 600000) {
    switch (random() % 4) {
      case 0:
        for (int i = 0; i < 2000; ++i) {
          static const std::uint8_t idioms[][3] = {{0x55, 0x8B, 0xEC}, {0x89, 0x45, 0xFC},
                                                   {0xE8, 0x00, 0x00}, {0xC3, 0x90, 0x90}};
          if (random() % 3 == 0) {
            const auto& idiom = idioms[random() % 4];
            data.insert(data.end(), idiom, idiom + 3);
          } else {
            data.push_back(static_cast<std::uint8_t>(random()));
          }
        }
        break;
      case 1:
        for (int i = 0; i < 1500; ++i) {
          const std::uint32_t v = random() % 300;
          for (int s = 0; s < 32; s += 8) data.push_back(static_cast<std::uint8_t>(v >> s));
        }
        break;
      case 2:
        for (int i = 0; i < 600; ++i) {
          const std::string& w = words[random() % 8];
          data.insert(data.end(), w.begin(), w.end());
          data.push_back(random() % 5 == 0 ? '\n' : ' ');
        }
        break;
      default:
        for (int i = 0; i < 3000; ++i) data.push_back(static_cast<std::uint8_t>(random()));
        break;
    }
  }
  return data;
}

void DecodeBench(benchmark::State& state, const Bytes& data) {
  const Bytes stream = CompressLzh(data);
  for (auto _ : state) {
    Bytes out = ExpandLzhStream(stream);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(data.size()));
  state.counters["ratio"] = static_cast<double>(data.size()) / static_cast<double>(stream.size());
  state.counters["decoded_kB"] = static_cast<double>(data.size()) / 1000.0;
}

void DecodeProcedureBench(benchmark::State& state, const Bytes& data) {
  const Bytes stream = CompressLzh(data);
  for (auto _ : state) {
    Bytes out;
    out.reserve(data.size() + 64);
    TLZH lzh(std::span<const std::uint8_t>(stream).subspan(4), out);
    lzh.Decode(LzhDeclaredSize(stream), lzh.StreamReader(), lzh.StreamWriter());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(data.size()));
}

void EncodeBench(benchmark::State& state, const Bytes& data) {
  for (auto _ : state) {
    Bytes stream = CompressLzh(data);
    benchmark::DoNotOptimize(stream.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(data.size()));
}

const Bytes& SkinData() {
  static const Bytes data = SkinLikeArchive();
  return data;
}

const Bytes& MixedData() {
  static const Bytes data = MixedBinary();
  return data;
}

void BM_LzhDecodeSkinArchive(benchmark::State& state) { DecodeBench(state, SkinData()); }
void BM_LzhDecodeMixedBinary(benchmark::State& state) { DecodeBench(state, MixedData()); }
void BM_LzhDecodeSkinArchiveByProcedures(benchmark::State& state) {
  DecodeProcedureBench(state, SkinData());
}
void BM_LzhEncodeSkinArchive(benchmark::State& state) { EncodeBench(state, SkinData()); }
void BM_LzhEncodeMixedBinary(benchmark::State& state) { EncodeBench(state, MixedData()); }

BENCHMARK(BM_LzhDecodeSkinArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LzhDecodeMixedBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LzhDecodeSkinArchiveByProcedures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LzhEncodeSkinArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LzhEncodeMixedBinary)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvale

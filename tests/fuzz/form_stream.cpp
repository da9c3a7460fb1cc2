// Any bytes are either refused with a message or read into a tree that writes back to the
// same bytes and survives the text form unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/FormStream.h"
#include "core/FormText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const korvale::FormReadResult read = korvale::ReadFormStream(data, size);
  if (!read.ok()) {
    if (read.error.find(" at offset ") == std::string::npos) std::abort();
    return 0;
  }
  const korvale::FormWriteResult written = korvale::WriteFormStream(read.root);
  if (!written.ok() || written.bytes != std::vector<std::uint8_t>(data, data + size)) std::abort();
  const std::string text = korvale::FormatFormText(read.root);
  const korvale::FormTextResult parsed = korvale::ParseFormText(text);
  if (!parsed.ok() || !(parsed.root == read.root)) std::abort();
  return 0;
}

// Any text as a settings file: reading never fails, and writing a key
// changes what that key reads and nothing else.
#include <cstdlib>
#include <string>

#include "platform/Profile.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto before = FindProfileValue(text, "Gurgelix", "mode");
  const auto other = FindProfileValue(text, "Other", "key");
  if (before) ParseProfileInteger(*before);

  const std::string written = SetProfileValue(text, "Gurgelix", "mode", "2");
  Check(FindProfileValue(written, "Gurgelix", "mode") == "2");
  Check(FindProfileValue(written, "Other", "key") == other);
  Check(written.size() >= text.size() || before);
  return 0;
}

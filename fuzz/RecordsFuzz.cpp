// Any bytes as a records file: what is read must write and read back the same.
#include <cstdlib>
#include <string_view>

#include "levels/Records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto records = DecodeRecords(std::string_view(reinterpret_cast<const char*>(data), size));
  if (records && DecodeRecords(EncodeRecords(*records)) != records) std::abort();
  return 0;
}

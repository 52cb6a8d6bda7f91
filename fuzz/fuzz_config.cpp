// The settings file: every key looked up in any text.
#include "frontend/config.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = Input_Text(data, size);
  for (const ConfigKey& k : Config_Keys()) Config_Read_Value(text, k.key, "0");
  return 0;
}

// Model files of every version.
#include "fuzz_input.h"
#include "game/model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CKorvidModel m;
  if (m.Load_Text(Input_Text(data, size), "fuzz.dat")) m.Rotate_Z(10.0f);
  return 0;
}

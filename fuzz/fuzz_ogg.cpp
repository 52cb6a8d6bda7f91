// Sounds: decoded whole and as a stream on OpenAL Soft's null device.
#include <cstdlib>

#include "engine/audio.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static CKorvidAudio* audio = [] {
    setenv("ALSOFT_DRIVERS", "null", 1);
    return new CKorvidAudio(2, "");
  }();
  const std::string bytes = Input_Text(data, size);
  audio->Load_Bytes(0, "fuzz.ogg", bytes, false);
  if (audio->Load_Bytes(1, "fuzz.ogg", bytes, true)) {
    audio->Play(1);
    for (int i = 0; i < 4; ++i) audio->Update();
  }
  return 0;
}

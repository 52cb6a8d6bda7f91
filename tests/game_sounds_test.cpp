// The game's own five sounds, from the built audio archive, on OpenAL Soft's
// null back end.
#include <gtest/gtest.h>

#include "engine/audio.h"

TEST(GameSounds, AllFiveLoadFromTheArchiveAndPlay) {
  CKorvidAudio audio(5, PRISMEL_BUILD_DIR);
  ASSERT_TRUE(audio.Available()) << "the null back end opens a device";
  const char* names[] = {"menu_change.ogg", "menu_select.ogg", "game_disc_brick.ogg", "game_disc_disc.ogg",
                         "game_disc_disc_combine.ogg"};
  for (int channel = 0; channel < 5; ++channel) {
    EXPECT_TRUE(audio.Load(channel, names[channel], false)) << names[channel];
    audio.Play(channel);
    EXPECT_NE(audio.Get_State(channel), -1);
  }
}

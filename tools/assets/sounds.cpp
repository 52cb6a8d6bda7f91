// The five sound effect designs.
#include "sounds.h"

namespace assets {

namespace {

Samples Menu_Change() {
    // A short high sine with a touch of filtered noise for the "tick".
    Samples s;
    Noise noise(101u);
    Add_Partial(s, {.frequency = 1480.0f, .amplitude = 1.0f, .attack = 0.001f, .decay = 0.012f});
    Add_Partial(s, {.frequency = 2960.0f, .amplitude = 0.25f, .attack = 0.001f, .decay = 0.006f});
    Add_Burst(s, {.amplitude = 0.35f, .attack = 0.0003f, .decay = 0.003f, .lowpass = 6000.0f, .highpass = 2000.0f}, noise);
    Finish(s, 0.42f, 0.010f);
    return s;
}

Samples Menu_Select() {
    // Two soft bell notes a fifth apart (E6 then B6), the second brighter.
    Samples s;
    const float notes[2] = {1318.5f, 1975.5f};
    for (int i = 0; i < 2; ++i) {
        const float start = 0.055f * i, f = notes[i], level = i == 0 ? 0.8f : 1.0f;
        Add_Partial(s, {.start = start, .frequency = f, .amplitude = level, .attack = 0.003f, .decay = 0.085f});
        Add_Partial(s, {.start = start, .frequency = 2 * f, .amplitude = 0.30f * level, .attack = 0.002f, .decay = 0.045f});
        Add_Partial(s, {.start = start, .frequency = 3 * f, .amplitude = 0.10f * level, .attack = 0.002f, .decay = 0.025f});
    }
    Finish(s, 0.55f, 0.030f);
    return s;
}

Samples Disc_Brick() {
    // A dull wooden knock: a low body whose pitch drops as it rings, one
    // higher mode, and a short muffled strike.
    Samples s;
    Noise noise(202u);
    Add_Partial(s, {.frequency = 230.0f, .amplitude = 1.0f, .attack = 0.001f, .decay = 0.045f, .end_frequency = 150.0f, .glide = 0.03f});
    Add_Partial(s, {.frequency = 560.0f, .amplitude = 0.35f, .attack = 0.001f, .decay = 0.022f, .end_frequency = 480.0f, .glide = 0.02f});
    Add_Partial(s, {.frequency = 1250.0f, .amplitude = 0.12f, .attack = 0.0005f, .decay = 0.010f});
    Add_Burst(s, {.amplitude = 0.7f, .attack = 0.0004f, .decay = 0.007f, .lowpass = 1800.0f}, noise);
    Finish(s, 0.70f, 0.040f);
    return s;
}

Samples Disc_Disc() {
    // A hard, bright click of two pucks: inharmonic high modes that die fast.
    Samples s;
    Noise noise(303u);
    Add_Partial(s, {.frequency = 2150.0f, .amplitude = 1.0f, .attack = 0.0004f, .decay = 0.016f});
    Add_Partial(s, {.frequency = 3420.0f, .amplitude = 0.55f, .attack = 0.0004f, .decay = 0.009f});
    Add_Partial(s, {.frequency = 5230.0f, .amplitude = 0.30f, .attack = 0.0003f, .decay = 0.005f});
    Add_Partial(s, {.frequency = 880.0f, .amplitude = 0.25f, .attack = 0.0008f, .decay = 0.020f});
    Add_Burst(s, {.amplitude = 0.5f, .attack = 0.0002f, .decay = 0.0025f, .highpass = 2500.0f}, noise);
    Finish(s, 0.60f, 0.015f);
    return s;
}

Samples Disc_Disc_Combine() {
    // A rising major arpeggio of bell tones (C6 E6 G6 C7) that rings out:
    // two colours becoming one.
    Samples s;
    Noise noise(404u);
    const float notes[4] = {1046.5f, 1318.5f, 1568.0f, 2093.0f};
    for (int i = 0; i < 4; ++i) {
        const float start = 0.045f * i, f = notes[i], level = 1.0f - 0.12f * i;
        Add_Partial(s, {.start = start, .frequency = f, .amplitude = level, .attack = 0.004f, .decay = 0.22f});
        Add_Partial(s, {.start = start, .frequency = 2.0f * f, .amplitude = 0.22f * level, .attack = 0.003f, .decay = 0.11f});
        Add_Partial(s, {.start = start, .frequency = 3.01f * f, .amplitude = 0.08f * level, .attack = 0.002f, .decay = 0.06f});
        Add_Partial(s, {.start = start, .frequency = 4.2f * f, .amplitude = 0.05f * level, .attack = 0.001f, .decay = 0.02f});
    }
    // A breath of sparkle on the onset.
    Samples sparkle;
    Add_Burst(sparkle, {.amplitude = 0.25f, .attack = 0.01f, .decay = 0.05f, .highpass = 5000.0f}, noise);
    Band_Pass(sparkle, 7000.0f, 2.0f);
    if (s.size() < sparkle.size()) s.resize(sparkle.size(), 0.0f);
    for (size_t i = 0; i < sparkle.size(); ++i) s[i] += sparkle[i];
    Finish(s, 0.60f, 0.120f);
    return s;
}

}  // namespace

std::vector<SoundEffect> Build_Sound_Effects() {
    return {{"menu_change.ogg", Menu_Change()},
            {"menu_select.ogg", Menu_Select()},
            {"game_disc_brick.ogg", Disc_Brick()},
            {"game_disc_disc.ogg", Disc_Disc()},
            {"game_disc_disc_combine.ogg", Disc_Disc_Combine()}};
}

}  // namespace assets

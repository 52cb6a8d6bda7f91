// Sound channels on OpenAL Soft's null back end (no sound card needed).
//
// The sounds are sine tones encoded here with libvorbisenc. Stream tests do
// not wait for the mixer: they move the play position with AL_SAMPLE_OFFSET,
// which marks buffers processed at once, and stand in for a source that ran
// dry with alSourceStop.
#include <AL/al.h>
#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "engine/audio.h"
#include "engine/log.h"
#include "level/pak_archive.h"
#include "temp_dir.h"

namespace {

constexpr long kStreamBufferBytes = 32768;
constexpr long kMonoFramesPerBuffer = kStreamBufferBytes / 2;  // 16-bit mono frames in one stream buffer

// An Ogg Vorbis file of a 440 Hz tone, exactly frames samples per channel long.
std::string Encode_Tone(long frames, int channels, long rate) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, channels, rate, 0.1f) != 0) {
    ADD_FAILURE() << "libvorbisenc refuses " << channels << " channel(s) at " << rate << " Hz";
    vorbis_info_clear(&vi);
    return {};
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 1);

  std::string out;
  ogg_page page;
  auto append = [&out](const ogg_page& p) {
    out.append(reinterpret_cast<const char*>(p.header), static_cast<size_t>(p.header_len));
    out.append(reinterpret_cast<const char*>(p.body), static_cast<size_t>(p.body_len));
  };
  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  while (ogg_stream_flush(&os, &page) != 0) append(page);

  auto drain = [&] {
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet) != 0) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page) != 0) append(page);
      }
    }
  };
  constexpr long kStep = 1024;  // frames handed to the encoder at a time
  for (long done = 0; done < frames; done += kStep) {
    const long n = std::min(kStep, frames - done);
    float** pcm = vorbis_analysis_buffer(&vd, static_cast<int>(n));
    for (long i = 0; i < n; ++i) {
      const float v = 0.5f * std::sin(2.0f * 3.14159265f * 440.0f * static_cast<float>(done + i) / rate);
      for (int c = 0; c < channels; ++c) pcm[c][i] = v;
    }
    vorbis_analysis_wrote(&vd, static_cast<int>(n));
    drain();
  }
  vorbis_analysis_wrote(&vd, 0);
  drain();
  while (ogg_stream_flush(&os, &page) != 0) append(page);

  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

ALint Source_Int(ALuint source, ALenum what) {
  ALint v = 0;
  alGetSourcei(source, what, &v);
  return v;
}

ALint Buffer_Int(ALuint buffer, ALenum what) {
  ALint v = 0;
  alGetBufferi(buffer, what, &v);
  return v;
}

// True when exactly frames frames are queued on a playing source. The probe
// sets play positions while the source is paused, so the mixer cannot move on,
// then puts it back where it was: the last frame must be a valid position and
// the one after it not.
bool Queue_Length_Is(ALuint source, ALint frames) {
  alSourcePause(source);
  const ALint at = Source_Int(source, AL_SAMPLE_OFFSET);
  alGetError();
  alSourcei(source, AL_SAMPLE_OFFSET, frames - 1);
  const bool last_fits = alGetError() == AL_NO_ERROR;
  alSourcei(source, AL_SAMPLE_OFFSET, frames);
  const bool past_refused = alGetError() != AL_NO_ERROR;
  alSourcei(source, AL_SAMPLE_OFFSET, at);
  alSourcePlay(source);
  return last_fits && past_refused;
}

// Writes data/audio.pak under folder.
void Write_Audio_Pak(const TempDir& folder, const std::vector<PakInput>& entries) {
  std::filesystem::create_directories(folder.File("data"));
  std::string error;
  ASSERT_TRUE(Pak_Write(folder.File("data/audio.pak"), entries, error)) << error;
}

// Where each Ogg page of a file starts.
std::vector<size_t> Page_Starts(const std::string& ogg) {
  std::vector<size_t> out;
  for (size_t at = ogg.find("OggS"); at != std::string::npos; at = ogg.find("OggS", at + 1)) out.push_back(at);
  return out;
}

// Moves the play position without waiting for the mixer; the buffers before
// it count as processed at once.
void Skip_To(ALuint source, ALint frame) {
  alSourcei(source, AL_SAMPLE_OFFSET, frame);
  ASSERT_EQ(alGetError(), AL_NO_ERROR);
}

class AudioTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The null back end needs no sound card; CI sets the same.
    setenv("ALSOFT_DRIVERS", "null", 0);
  }
  void SetUp() override { Start_Log("audio.rtf"); }
  void TearDown() override { Log_Close(g_log_stream); }

  // A fresh log for the next calls; the previous one is closed.
  void Start_Log(const std::string& name) {
    Log_Close(g_log_stream);
    log_path_ = dir_.File(name);
    g_log_stream = Log_Open(log_path_.c_str(), true);
    ASSERT_NE(g_log_stream, nullptr);
  }

  // Every entry of the current log as "<level> <message>".
  std::vector<std::string> Lines() const {
    const std::string text = Slurp(log_path_);
    static const std::regex kEntry(R"( \\cf(\d)\\f0 \d\d:\d\d:\d\d :: (.*?)\\cf0\\f1\\par)");
    std::vector<std::string> out;
    for (std::sregex_iterator it(text.begin(), text.end(), kEntry), end; it != end; ++it) {
      out.push_back(std::to_string(std::stoi((*it)[1]) - 1) + " " + (*it)[2].str());
    }
    return out;
  }

  TempDir dir_;
  std::string log_path_;
};

using LogLines = std::vector<std::string>;

}  // namespace

TEST(FindAudioChannels, FiveWhenTheOpenAlRuntimeLoads) { EXPECT_EQ(Find_Audio_Channels(), 5); }

TEST_F(AudioTest, OpensTheDeviceAndReleasesItWithLogLines) {
  {
    CKorvidAudio audio(5, dir_.path());
    EXPECT_TRUE(audio.Available());
    EXPECT_EQ(audio.Channel_Count(), 5);
  }
  EXPECT_EQ(Lines(), (LogLines{"0 CKorvidAudio::CKorvidAudio() :: Attempting to initialize OpenAL device",
                            "0 CKorvidAudio::CKorvidAudio() :: OpenAL device initialized [5 channel(s)]",
                            "0 CKorvidAudio::~CKorvidAudio() :: OpenAL device released"}));
}

TEST_F(AudioTest, NoChannelsMeansAudioOffAndEveryCallSilent) {
  dir_.Write("tone.ogg", Encode_Tone(4000, 1, 8000));
  for (int count : {0, -3}) {
    SCOPED_TRACE(count);
    Start_Log("off" + std::to_string(-count) + ".rtf");
    {
      CKorvidAudio audio(count, dir_.path());
      EXPECT_FALSE(audio.Available());
      EXPECT_FALSE(audio.Load(0, "tone.ogg", false));
      EXPECT_FALSE(audio.Load(5, "tone.ogg", true));
      audio.Play(0);
      audio.Play(5);
      EXPECT_EQ(audio.Get_State(0), -1);
      EXPECT_EQ(audio.Get_State(9), -1);
      audio.Update();
      audio.Clear(0);
      audio.Clear(-1);
      EXPECT_EQ(audio.Source(0), 0u);
    }
    EXPECT_EQ(Lines(), (LogLines{"0 CKorvidAudio::CKorvidAudio() :: Did not initialize OpenAl device"}));
  }
}

TEST_F(AudioTest, IncorrectChannelsAreLoggedAndTouchNothing) {
  dir_.Write("tone.ogg", Encode_Tone(8000, 1, 8000));
  CKorvidAudio audio(5, dir_.path());
  ASSERT_TRUE(audio.Load(4, "tone.ogg", false));
  struct Case {
    const char* what;
    std::function<void()> call;
    const char* expected;
  } cases[] = {
      {"Play 5", [&] { audio.Play(5); },
       "1 CKorvidAudio::Play() :: failed (incorrect channel passed [5 of 5 total])"},
      {"Play -1", [&] { audio.Play(-1); },
       "1 CKorvidAudio::Play() :: failed (incorrect channel passed [-1 of 5 total])"},
      {"Load 5", [&] { EXPECT_FALSE(audio.Load(5, "tone.ogg", false)); },
       "1 CKorvidAudio::Load() :: failed (incorrect channel passed [5 of 5 total])"},
      {"Get_State 5", [&] { EXPECT_EQ(audio.Get_State(5), -1); },
       "1 CKorvidAudio::Get_State() :: failed (incorrect channel passed [5 of 5 total])"},
      {"Get_State -1", [&] { EXPECT_EQ(audio.Get_State(-1), -1); },
       "1 CKorvidAudio::Get_State() :: failed (incorrect channel passed [-1 of 5 total])"},
      {"Clear 5", [&] { audio.Clear(5); },
       "1 CKorvidAudio::Clear() :: failed (incorrect channel passed [5 of 5 total])"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Start_Log(std::string(c.what) + ".rtf");
    c.call();
    EXPECT_EQ(Lines(), (LogLines{c.expected}));
    // The last real channel is neither started nor cleared by a call one past it.
    EXPECT_EQ(audio.Get_State(4), AL_INITIAL);
  }
}

TEST_F(AudioTest, LoadsFromLooseFileOrArchiveAndPlays) {
  struct Case {
    const char* what;
    bool streamed;
    bool in_archive;
    long frames;
    int channels;
    long rate;  // samples per second
  } cases[] = {
      {"whole, loose", false, false, 3000, 2, 22050},
      {"whole, archive", false, true, 5000, 1, 8000},
      {"streamed, loose", true, false, 5 * kMonoFramesPerBuffer / 2, 1, 8000},
      {"streamed, archive", true, true, 5 * kMonoFramesPerBuffer / 2, 1, 8000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir folder;
    const std::string tone = Encode_Tone(c.frames, c.channels, c.rate);
    if (c.in_archive) {
      Write_Audio_Pak(folder, {{"other.ogg", "x"}, {"tone.ogg", tone}});
      // The archive comes first: this loose file of the same name must be ignored.
      folder.Write("tone.ogg", "not a sound");
    } else {
      folder.Write("tone.ogg", tone);
    }
    Start_Log(std::string(c.what) + ".rtf");
    CKorvidAudio audio(5, folder.path());
    ASSERT_TRUE(audio.Load(2, "tone.ogg", c.streamed));
    EXPECT_EQ(Lines().back(), "0 CKorvidAudio::Load() :: [tone.ogg]");
    const ALuint source = audio.Source(2);
    ASSERT_NE(source, 0u);
    EXPECT_EQ(Source_Int(source, AL_SOURCE_RELATIVE), AL_TRUE);
    ALfloat rolloff = -1.0f;
    alGetSourcef(source, AL_ROLLOFF_FACTOR, &rolloff);
    EXPECT_EQ(rolloff, 0.0f);
    EXPECT_EQ(audio.Get_State(2), AL_INITIAL);

    audio.Play(2);
    EXPECT_EQ(audio.Get_State(2), AL_PLAYING);
    if (c.streamed) {
      EXPECT_EQ(Source_Int(source, AL_BUFFERS_QUEUED), 2);
      EXPECT_TRUE(Queue_Length_Is(source, 2 * kMonoFramesPerBuffer));
    } else {
      const ALuint buffer = static_cast<ALuint>(Source_Int(source, AL_BUFFER));
      EXPECT_EQ(Buffer_Int(buffer, AL_CHANNELS), c.channels);
      EXPECT_EQ(Buffer_Int(buffer, AL_FREQUENCY), c.rate);
      // Decoded to the last sample, 16 bits each.
      EXPECT_EQ(Buffer_Int(buffer, AL_SIZE), c.frames * c.channels * 2);
    }
  }
}

TEST_F(AudioTest, WholeSoundPlayedAgainWhileSoundingStartsOver) {
  dir_.Write("tone.ogg", Encode_Tone(16000, 1, 8000));  // 2 s
  CKorvidAudio audio(5, dir_.path());
  ASSERT_TRUE(audio.Load(0, "tone.ogg", false));
  audio.Play(0);
  const ALuint source = audio.Source(0);
  Skip_To(source, 12000);
  audio.Play(0);
  EXPECT_EQ(audio.Get_State(0), AL_PLAYING);
  EXPECT_LT(Source_Int(source, AL_SAMPLE_OFFSET), 6000);
}

TEST_F(AudioTest, MissingFileLeavesTheChannelEmpty) {
  for (bool with_archive : {false, true}) {
    for (bool streamed : {false, true}) {
      SCOPED_TRACE(std::string(with_archive ? "archive without the entry" : "no archive") +
                   (streamed ? ", streamed" : ", whole"));
      TempDir folder;
      if (with_archive) Write_Audio_Pak(folder, {{"other.ogg", "x"}});
      Start_Log("missing.rtf");
      CKorvidAudio audio(5, folder.path());
      Start_Log("missing_load.rtf");
      EXPECT_FALSE(audio.Load(1, "missing.ogg", streamed));
      EXPECT_EQ(Lines(), (LogLines{"1 CKorvidAudio::Load() :: failed (could not find file [missing.ogg])"}));
      EXPECT_EQ(audio.Source(1), 0u);
      EXPECT_EQ(audio.Get_State(1), -1);
      audio.Play(1);  // nothing to play, nothing to say
      EXPECT_EQ(Lines().size(), 1u);
    }
  }
}

TEST_F(AudioTest, DataThatIsNotOggVorbisIsRefused) {
  struct Case {
    const char* content;
    bool streamed;
    const char* expected;
  } cases[] = {
      {"this is not a sound", false, "1 CKorvidAudio::Load() :: failed (could not initialize [bad.ogg])"},
      {"this is not a sound", true, "1 CKorvidAudio::Load() :: failed (could not initialize stream [bad.ogg])"},
      {"", false, "1 CKorvidAudio::Load() :: failed (could not initialize [bad.ogg])"},
      {"OggS", true, "1 CKorvidAudio::Load() :: failed (could not initialize stream [bad.ogg])"},
  };
  CKorvidAudio audio(5, dir_.path());
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.content) + (c.streamed ? " streamed" : " whole"));
    dir_.Write("bad.ogg", c.content);
    Start_Log("bad.rtf");
    EXPECT_FALSE(audio.Load(3, "bad.ogg", c.streamed));
    EXPECT_EQ(Lines(), (LogLines{c.expected}));
    EXPECT_EQ(audio.Get_State(3), -1);
  }
}

TEST_F(AudioTest, AStreamWhoseSerialChangesIsRefusedWholeAndStreamed) {
  std::string bytes;
  ASSERT_TRUE(Read_File(std::string(PRISMEL_BAD_FILES) + "/ogg_serial_change.ogg", bytes));
  dir_.Write("serial.ogg", bytes);
  CKorvidAudio audio(5, dir_.path());
  for (const bool streamed : {false, true}) {
    EXPECT_FALSE(audio.Load(2, "serial.ogg", streamed));
    EXPECT_EQ(audio.Get_State(2), -1);
  }
}

TEST_F(AudioTest, DamagedPageInTheMiddleFailsTheWholeDecode) {
  std::string tone = Encode_Tone(176400, 2, 44100);  // 4 s: several audio pages
  // A wrong byte breaks that page's checksum; the page is dropped and the
  // decoder reports the gap before the next one. Pages 0 and 1 hold the headers.
  const std::vector<size_t> pages = Page_Starts(tone);
  ASSERT_GE(pages.size(), 5u);
  tone[pages[3] + 100] ^= 0x55;
  dir_.Write("damaged.ogg", tone);
  CKorvidAudio audio(5, dir_.path());
  Start_Log("damaged.rtf");
  EXPECT_FALSE(audio.Load(0, "damaged.ogg", false));
  EXPECT_EQ(Lines(), (LogLines{"1 CKorvidAudio::Load() :: failed (could not decode file [damaged.ogg])"}));
  EXPECT_EQ(audio.Get_State(0), -1);
}

TEST_F(AudioTest, StreamShorterThanOneBufferDoesNotStart) {
  dir_.Write("short.ogg", Encode_Tone(1000, 1, 8000));
  CKorvidAudio audio(5, dir_.path());
  ASSERT_TRUE(audio.Load(0, "short.ogg", true));
  audio.Play(0);
  audio.Update();
  EXPECT_EQ(audio.Get_State(0), AL_INITIAL);
  EXPECT_EQ(Source_Int(audio.Source(0), AL_BUFFERS_QUEUED), 0);
}

TEST_F(AudioTest, UpdateRefillsAPlayingStreamAndLetsTheTailPlayOut) {
  // Two and a half buffers: full, full, then half.
  dir_.Write("long.ogg", Encode_Tone(5 * kMonoFramesPerBuffer / 2, 1, 8000));
  CKorvidAudio audio(5, dir_.path());
  ASSERT_TRUE(audio.Load(0, "long.ogg", true));
  const ALuint source = audio.Source(0);
  audio.Update();  // a loaded stream does not start by itself
  EXPECT_EQ(audio.Get_State(0), AL_INITIAL);

  audio.Play(0);
  ASSERT_EQ(audio.Get_State(0), AL_PLAYING);
  audio.Update();  // nothing played yet: nothing to refill
  EXPECT_EQ(Source_Int(source, AL_BUFFERS_QUEUED), 2);

  Skip_To(source, kMonoFramesPerBuffer + 10);
  ASSERT_EQ(Source_Int(source, AL_BUFFERS_PROCESSED), 1);
  audio.Update();
  EXPECT_EQ(Source_Int(source, AL_BUFFERS_PROCESSED), 0);
  EXPECT_EQ(Source_Int(source, AL_BUFFERS_QUEUED), 2);
  EXPECT_EQ(audio.Get_State(0), AL_PLAYING);

  // The refilled buffer holds the last half buffer of the sound.
  EXPECT_TRUE(Queue_Length_Is(source, kMonoFramesPerBuffer + kMonoFramesPerBuffer / 2));

  Skip_To(source, kMonoFramesPerBuffer + 10);
  audio.Update();  // the stream is out: the tail keeps playing
  EXPECT_EQ(Source_Int(source, AL_BUFFERS_QUEUED), 1);
  EXPECT_EQ(audio.Get_State(0), AL_PLAYING);
  EXPECT_TRUE(Queue_Length_Is(source, kMonoFramesPerBuffer / 2));

  // The tail ends; Update lets go of it, and Play starts the sound over.
  alSourceStop(source);
  audio.Update();
  EXPECT_EQ(Source_Int(source, AL_BUFFERS_QUEUED), 0);
  EXPECT_EQ(audio.Get_State(0), AL_STOPPED);
  audio.Play(0);
  EXPECT_EQ(audio.Get_State(0), AL_PLAYING);
  EXPECT_TRUE(Queue_Length_Is(source, 2 * kMonoFramesPerBuffer));
}

TEST_F(AudioTest, UpdateRestartsAStreamThatRanDryMidway) {
  dir_.Write("long.ogg", Encode_Tone(5 * kMonoFramesPerBuffer / 2, 1, 8000));
  CKorvidAudio audio(5, dir_.path());
  ASSERT_TRUE(audio.Load(1, "long.ogg", true));
  const ALuint source = audio.Source(1);
  audio.Play(1);
  // A long frame: both buffers played out before Update came round.
  alSourceStop(source);
  audio.Update();
  EXPECT_EQ(audio.Get_State(1), AL_PLAYING);
  // It goes on where the stream was, with the last half buffer.
  EXPECT_EQ(Source_Int(source, AL_BUFFERS_QUEUED), 1);
  EXPECT_TRUE(Queue_Length_Is(source, kMonoFramesPerBuffer / 2));
}

TEST_F(AudioTest, ClearEmptiesTheChannelAndLoadReplacesASound) {
  dir_.Write("a.ogg", Encode_Tone(1000, 1, 8000));
  dir_.Write("b.ogg", Encode_Tone(3000, 2, 8000));
  CKorvidAudio audio(5, dir_.path());
  ASSERT_TRUE(audio.Load(0, "a.ogg", false));
  ASSERT_TRUE(audio.Load(0, "b.ogg", false));
  EXPECT_EQ(Buffer_Int(static_cast<ALuint>(Source_Int(audio.Source(0), AL_BUFFER)), AL_SIZE), 3000 * 2 * 2);

  audio.Play(0);
  Start_Log("clear.rtf");
  audio.Clear(0);
  audio.Clear(1);  // an empty channel: nothing to do
  EXPECT_EQ(audio.Get_State(0), -1);
  EXPECT_EQ(audio.Source(0), 0u);
  EXPECT_TRUE(Lines().empty());

  ASSERT_TRUE(audio.Load(0, "a.ogg", true));  // a cleared channel takes a new sound
  EXPECT_EQ(audio.Get_State(0), AL_INITIAL);
}

TEST_F(AudioTest, DeviceThatWillNotOpenLeavesAudioOff) {
  // A fresh process, so OpenAL reads the back-end choice anew: the wave back
  // end with no output file configured refuses to open.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto open_and_use = [this] {
    setenv("ALSOFT_DRIVERS", "wave", 1);
    bool ok = false;
    {
      CKorvidAudio audio(5, dir_.path());
      ok = !audio.Available() && !audio.Load(0, "tone.ogg", false) && audio.Get_State(0) == -1;
      audio.Play(0);
      audio.Update();
    }
    ok = ok && Lines() == LogLines{"0 CKorvidAudio::CKorvidAudio() :: Attempting to initialize OpenAL device",
                                   "1 CKorvidAudio::CKorvidAudio() :: failed (could not open OpenAL device)"};
    std::exit(ok ? 0 : 1);
  };
  EXPECT_EXIT(open_and_use(), ::testing::ExitedWithCode(0), "");
}

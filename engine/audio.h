// The game's sound channels: a fixed set of numbered channels, each holding
// one Ogg Vorbis sound and one OpenAL source.
//
// A sound is either decoded whole when it is loaded (the short effects the
// game plays), or streamed: decoded 32768 bytes at a time into two buffers
// that take turns, refilled by Update() once per frame. Sounds come from
// "data/audio.pak" first and from a loose file in the program folder second;
// the archive entry is decoded straight from memory, nothing is written to disk.
//
// With 0 channels, or when the OpenAL device or context cannot be opened,
// audio is off: every operation returns at once and writes nothing.
//
// This module only plays what it is told to. Whether a sound should be heard
// (the Sound option) is the caller's business, and it never places sounds in
// space: every source sits on the listener at full gain.
//
// One object at a time: it makes its own context current and every OpenAL
// call goes to the current context. Main thread only.
#pragma once

#include <AL/alc.h>

#include <memory>
#include <string>
#include <vector>

class CKorvidAudio {
 public:
  // channel_count <= 0 leaves audio off. program_folder is where "data/audio.pak"
  // and loose sound files are looked for ("" means the current folder).
  CKorvidAudio(int channel_count, const std::string& program_folder);
  ~CKorvidAudio();
  CKorvidAudio(const CKorvidAudio&) = delete;
  CKorvidAudio& operator=(const CKorvidAudio&) = delete;

  // Loads the sound called name into channel, replacing what it held.
  // streamed: decode while playing instead of all at once.
  bool Load(int channel, const std::string& name, bool streamed);
  // The same for an encoded sound already in memory (name is for the log).
  bool Load_Bytes(int channel, const std::string& name, std::string bytes, bool streamed);

  // Starts the channel's sound; a whole sound played again while sounding
  // starts over, a streamed one that is playing is left alone.
  void Play(int channel);

  // The source's OpenAL state (AL_INITIAL, AL_PLAYING, AL_PAUSED, AL_STOPPED);
  // -1 when audio is off, the channel is invalid or holds no sound.
  int Get_State(int channel);

  // Refills the buffers of playing streams. First thing in every frame.
  void Update();

  // Stops the channel and releases its sound, buffers and source.
  void Clear(int channel);

  bool Available() const { return channel_count_ > 0; }
  int Channel_Count() const { return channel_count_; }

  // The OpenAL source name of a loaded channel, 0 otherwise. For diagnostics
  // and tests that look at the queue; the game never needs it.
  unsigned int Source(int channel) const;

  struct Channel;  // defined with the decoder in audio.cpp

 private:
  bool Valid(int channel, const char* operation) const;
  bool Fill(Channel& ch, unsigned int buffer);
  void Start_Stream(Channel& ch);
  void Refill_Stream(Channel& ch);

  int channel_count_ = 0;
  std::string folder_;
  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  std::vector<std::unique_ptr<Channel>> channels_;  // heap cells: the decoder keeps pointers into them
};

// The number of channels to build the game's audio with: 5 when the OpenAL
// runtime library (libopenal.so.1) can be loaded, else 0 (audio off).
int Find_Audio_Channels();

#include "engine/audio.h"

#include <AL/al.h>
#include <dlfcn.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "engine/log.h"
#include "level/resource_file.h"

namespace {

constexpr const char* kArchive = "data/audio.pak";

// One stream buffer, and the most one whole-mode decode read asks for (bytes).
constexpr size_t kChunkBytes = 32768;

// Whole-mode sounds are short effects. A file that decodes to more than this
// (bytes of PCM; about 25 minutes of 44.1 kHz stereo) belongs in streamed
// mode, and stopping here keeps a tiny crafted file from eating all memory.
constexpr size_t kMaxWholeBytes = size_t{1} << 28;

// ov_read arguments: little-endian, 16-bit words, signed samples.
constexpr int kLittleEndian = 0;
constexpr int kWordBytes = 2;
constexpr int kSigned = 1;

// The encoded sound as libvorbisfile sees it: a read-only file in memory.
struct MemoryFile {
  const char* data = nullptr;
  size_t size = 0;
  size_t pos = 0;
};

size_t Memory_Read(void* out, size_t size, size_t count, void* source) {
  auto* f = static_cast<MemoryFile*>(source);
  if (size == 0) return 0;
  const size_t items = std::min(count, (f->size - f->pos) / size);
  std::memcpy(out, f->data + f->pos, items * size);
  f->pos += items * size;
  return items;
}

int Memory_Seek(void* source, ogg_int64_t offset, int whence) {
  auto* f = static_cast<MemoryFile*>(source);
  int64_t base = 0;
  switch (whence) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<int64_t>(f->pos); break;
    case SEEK_END: base = static_cast<int64_t>(f->size); break;
    default: return -1;
  }
  // Checked before adding, so a wild offset cannot overflow.
  if (offset < -base || offset > static_cast<int64_t>(f->size) - base) return -1;
  f->pos = static_cast<size_t>(base + offset);
  return 0;
}

long Memory_Tell(void* source) { return static_cast<long>(static_cast<MemoryFile*>(source)->pos); }

// No close callback: the bytes belong to the channel, not to the decoder.
const ov_callbacks kMemoryCallbacks = {Memory_Read, Memory_Seek, nullptr, Memory_Tell};

// Every sound sits on the listener: never attenuated, never placed in space.
void Set_Up_Source(ALuint source) {
  alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
  alSource3f(source, AL_VELOCITY, 0.0f, 0.0f, 0.0f);
  alSource3f(source, AL_DIRECTION, 0.0f, 0.0f, 0.0f);
  alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
  alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
}

ALint Source_Int(ALuint source, ALenum what) {
  ALint value = 0;
  alGetSourcei(source, what, &value);
  return value;
}

}  // namespace

struct CKorvidAudio::Channel {
  OggVorbis_File decoder{};  // open while a streamed sound is loaded
  bool decoder_open = false;
  std::string encoded;  // the Ogg bytes the decoder reads, kept while it is open
  MemoryFile file;      // the decoder's view of encoded
  bool loaded = false;
  bool streamed = false;
  ALenum format = AL_FORMAT_MONO16;
  ALsizei frequency = 0;  // samples per second
  ALuint buffers[2] = {0, 0};  // the whole mode uses only the first
  ALsizei buffer_count = 0;
  ALuint source = 0;
  bool stream_running = false;  // started by Play; Update keeps it fed until it runs out
};

namespace {

// Stops the source and gives back everything the channel holds, leaving it empty.
void Release(CKorvidAudio::Channel& ch) {
  if (ch.source != 0) {
    alSourceStop(ch.source);
    alSourcei(ch.source, AL_BUFFER, 0);  // detaches the whole queue, played or not
    alDeleteSources(1, &ch.source);
  }
  if (ch.buffer_count > 0) alDeleteBuffers(ch.buffer_count, ch.buffers);
  if (ch.decoder_open) ov_clear(&ch.decoder);
  ch = CKorvidAudio::Channel{};
}

}  // namespace

CKorvidAudio::CKorvidAudio(int channel_count, const std::string& program_folder) : folder_(program_folder) {
  if (channel_count <= 0) {
    Log_Write(g_log_stream, 0, "CKorvidAudio::CKorvidAudio() :: Did not initialize OpenAl device");
    return;
  }
  Log_Write(g_log_stream, 0, "CKorvidAudio::CKorvidAudio() :: Attempting to initialize OpenAL device");
  device_ = alcOpenDevice(nullptr);
  if (device_ == nullptr) {
    Log_Write(g_log_stream, 1, "CKorvidAudio::CKorvidAudio() :: failed (could not open OpenAL device)");
    return;
  }
  context_ = alcCreateContext(device_, nullptr);
  if (context_ == nullptr || alcMakeContextCurrent(context_) != ALC_TRUE) {
    if (context_ != nullptr) alcDestroyContext(context_);
    alcCloseDevice(device_);
    context_ = nullptr;
    device_ = nullptr;
    Log_Write(g_log_stream, 1, "CKorvidAudio::CKorvidAudio() :: failed (could not create OpenAL context)");
    return;
  }
  channels_.reserve(static_cast<size_t>(channel_count));
  for (int i = 0; i < channel_count; ++i) channels_.push_back(std::make_unique<Channel>());
  channel_count_ = channel_count;
  Log_Write(g_log_stream, 0, "CKorvidAudio::CKorvidAudio() :: OpenAL device initialized [%i channel(s)]",
            channel_count_);
}

CKorvidAudio::~CKorvidAudio() {
  if (device_ == nullptr) return;
  for (auto& ch : channels_) Release(*ch);
  channels_.clear();
  alcMakeContextCurrent(nullptr);
  alcDestroyContext(context_);
  alcCloseDevice(device_);
  channel_count_ = 0;
  Log_Write(g_log_stream, 0, "CKorvidAudio::~CKorvidAudio() :: OpenAL device released");
}

bool CKorvidAudio::Valid(int channel, const char* operation) const {
  if (channel >= 0 && channel < channel_count_) return true;
  Log_Write(g_log_stream, 1, "CKorvidAudio::%s() :: failed (incorrect channel passed [%i of %i total])", operation,
            channel, channel_count_);
  return false;
}

bool CKorvidAudio::Load(int channel, const std::string& name, bool streamed) {
  if (!Available() || !Valid(channel, "Load")) return false;
  std::string bytes;
  if (!Load_Resource_Archive_First(folder_, kArchive, name, bytes)) {
    Release(*channels_[static_cast<size_t>(channel)]);
    Log_Write(g_log_stream, 1, "CKorvidAudio::Load() :: failed (could not find file [%s])", name.c_str());
    return false;
  }
  return Load_Bytes(channel, name, std::move(bytes), streamed);
}

bool CKorvidAudio::Load_Bytes(int channel, const std::string& name, std::string bytes, bool streamed) {
  if (!Available() || !Valid(channel, "Load")) return false;
  Channel& ch = *channels_[static_cast<size_t>(channel)];
  Release(ch);  // a second load replaces the sound instead of leaking the first
  const char* const init_failed = streamed ? "CKorvidAudio::Load() :: failed (could not initialize stream [%s])"
                                           : "CKorvidAudio::Load() :: failed (could not initialize [%s])";

  ch.streamed = streamed;
  ch.encoded = std::move(bytes);
  ch.file = MemoryFile{ch.encoded.data(), ch.encoded.size(), 0};
  if (ov_open_callbacks(&ch.file, &ch.decoder, nullptr, 0, kMemoryCallbacks) != 0) {
    Release(ch);
    Log_Write(g_log_stream, 1, init_failed, name.c_str());
    return false;
  }
  ch.decoder_open = true;
  // Only mono and stereo have a plain OpenAL format; other layouts would
  // play as garbled stereo at the wrong speed.
  const vorbis_info* info = ov_info(&ch.decoder, -1);
  if (info == nullptr || (info->channels != 1 && info->channels != 2) || info->rate <= 0 ||
      info->rate > INT32_MAX) {
    Release(ch);
    Log_Write(g_log_stream, 1, init_failed, name.c_str());
    return false;
  }
  ch.format = info->channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
  ch.frequency = static_cast<ALsizei>(info->rate);

  std::vector<char> pcm;
  if (!streamed) {
    std::array<char, kChunkBytes> chunk;
    long got = 0;
    do {
      int section = 0;
      got = ov_read(&ch.decoder, chunk.data(), static_cast<int>(chunk.size()), kLittleEndian, kWordBytes, kSigned,
                    &section);
      if (got > 0) pcm.insert(pcm.end(), chunk.data(), chunk.data() + got);
    } while (got > 0 && pcm.size() <= kMaxWholeBytes);
    // The decoder is done with the file either way.
    ov_clear(&ch.decoder);
    ch.decoder_open = false;
    ch.encoded = std::string();
    if (got < 0 || pcm.size() > kMaxWholeBytes) {
      Release(ch);
      Log_Write(g_log_stream, 1, "CKorvidAudio::Load() :: failed (could not decode file [%s])", name.c_str());
      return false;
    }
  }

  alGetError();  // start from a clean error state, so the check below is about this load
  ch.buffer_count = streamed ? 2 : 1;
  alGenBuffers(ch.buffer_count, ch.buffers);
  alGenSources(1, &ch.source);
  if (alGetError() != AL_NO_ERROR) {
    ch.source = 0;
    ch.buffer_count = 0;  // nothing was generated
    Release(ch);
    Log_Write(g_log_stream, 1, init_failed, name.c_str());
    return false;
  }
  Set_Up_Source(ch.source);
  if (!streamed) {
    // Handed to OpenAL once; every play starts the same buffer again.
    alBufferData(ch.buffers[0], ch.format, pcm.data(), static_cast<ALsizei>(pcm.size()), ch.frequency);
    alSourcei(ch.source, AL_BUFFER, static_cast<ALint>(ch.buffers[0]));
  }
  if (alGetError() != AL_NO_ERROR) {
    Release(ch);
    Log_Write(g_log_stream, 1, init_failed, name.c_str());
    return false;
  }
  ch.loaded = true;
  Log_Write(g_log_stream, 0, "CKorvidAudio::Load() :: [%s]", name.c_str());
  return true;
}

bool CKorvidAudio::Fill(Channel& ch, unsigned int buffer) {
  std::array<char, kChunkBytes> area;
  size_t filled = 0;
  while (filled < area.size()) {
    int section = 0;
    const long got = ov_read(&ch.decoder, area.data() + filled, static_cast<int>(area.size() - filled),
                             kLittleEndian, kWordBytes, kSigned, &section);
    if (got <= 0) break;  // 0 at the end, negative on a damaged page
    filled += static_cast<size_t>(got);
  }
  if (filled == 0) return false;
  alBufferData(buffer, ch.format, area.data(), static_cast<ALsizei>(filled), ch.frequency);
  return true;
}

void CKorvidAudio::Start_Stream(Channel& ch) {
  // A sound shorter than one buffer leaves the second fill empty and never
  // starts: streamed mode is meant for long sounds.
  if (!Fill(ch, ch.buffers[0]) || !Fill(ch, ch.buffers[1])) return;
  alSourceQueueBuffers(ch.source, 2, ch.buffers);
  alSourcePlay(ch.source);
  ch.stream_running = true;
}

void CKorvidAudio::Play(int channel) {
  if (!Available() || !Valid(channel, "Play")) return;
  Channel& ch = *channels_[static_cast<size_t>(channel)];
  if (!ch.loaded) return;
  if (!ch.streamed) {
    // Resumes a paused sound; otherwise starts it from the beginning, even
    // when it is sounding already.
    alSourcePlay(ch.source);
    return;
  }
  switch (Source_Int(ch.source, AL_SOURCE_STATE)) {
    case AL_PLAYING:
      return;
    case AL_PAUSED:
      alSourcePlay(ch.source);
      return;
    case AL_STOPPED:
      // What is still queued was already heard: play the sound again from its start.
      alSourcei(ch.source, AL_BUFFER, 0);
      ov_pcm_seek(&ch.decoder, 0);
      ch.stream_running = false;
      Start_Stream(ch);
      return;
    default:
      Start_Stream(ch);
      return;
  }
}

int CKorvidAudio::Get_State(int channel) {
  if (!Available() || !Valid(channel, "Get_State")) return -1;
  const Channel& ch = *channels_[static_cast<size_t>(channel)];
  if (!ch.loaded) return -1;
  return Source_Int(ch.source, AL_SOURCE_STATE);
}

void CKorvidAudio::Refill_Stream(Channel& ch) {
  const ALint state = Source_Int(ch.source, AL_SOURCE_STATE);
  if (state == AL_PLAYING) {
    // Each played buffer goes back to the end of the queue with the next
    // piece. Once the stream is out, the queued rest plays out and the source
    // stops by itself; stopping it here would cut off the last buffer.
    const ALint processed = Source_Int(ch.source, AL_BUFFERS_PROCESSED);
    bool more = true;
    for (ALint i = 0; i < processed; ++i) {
      ALuint buffer = 0;
      alSourceUnqueueBuffers(ch.source, 1, &buffer);
      if (more) more = Fill(ch, buffer);
      if (more) alSourceQueueBuffers(ch.source, 1, &buffer);
    }
  } else if (state == AL_STOPPED) {
    // The source ran dry: either the sound is over, or a long frame let both
    // buffers play out before they were refilled. Everything queued was heard.
    alSourcei(ch.source, AL_BUFFER, 0);
    ALsizei filled = 0;
    if (Fill(ch, ch.buffers[0])) {
      filled = 1;
      if (Fill(ch, ch.buffers[1])) filled = 2;
    }
    if (filled == 0) {
      ch.stream_running = false;
      return;
    }
    alSourceQueueBuffers(ch.source, filled, ch.buffers);
    alSourcePlay(ch.source);
  }
}

void CKorvidAudio::Update() {
  if (!Available()) return;
  for (auto& ch : channels_) {
    if (ch->loaded && ch->streamed && ch->stream_running) Refill_Stream(*ch);
  }
}

void CKorvidAudio::Clear(int channel) {
  if (!Available() || !Valid(channel, "Clear")) return;
  Release(*channels_[static_cast<size_t>(channel)]);
}

unsigned int CKorvidAudio::Source(int channel) const {
  if (channel < 0 || channel >= channel_count_) return 0;
  const Channel& ch = *channels_[static_cast<size_t>(channel)];
  return ch.loaded ? ch.source : 0;
}

int Find_Audio_Channels() {
  void* library = dlopen("libopenal.so.1", RTLD_LAZY | RTLD_LOCAL);
  if (library == nullptr) return 0;
  dlclose(library);
  return 5;
}

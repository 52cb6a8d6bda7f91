#include "engine/base64.h"

#include "engine/log.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

size_t CKorvidBase64::Encode(char* out, const unsigned char* in, size_t n) {
  if (out == nullptr || in == nullptr) {
    Log_Write(g_log_stream, 1, "CKorvidBase64::Encode() :: failed (invalid parameter)");
    return 0;
  }
  size_t w = 0;
  for (size_t i = 0; i < n; i += 3) {
    const size_t left = n - i;
    const unsigned b0 = in[i];
    const unsigned b1 = left > 1 ? in[i + 1] : 0;
    const unsigned b2 = left > 2 ? in[i + 2] : 0;
    const unsigned group = b0 << 16 | b1 << 8 | b2;
    out[w++] = kAlphabet[group >> 18 & 63];
    out[w++] = kAlphabet[group >> 12 & 63];
    out[w++] = left > 1 ? kAlphabet[group >> 6 & 63] : '=';
    out[w++] = left > 2 ? kAlphabet[group & 63] : '=';
  }
  return w;
}

std::string CKorvidBase64::Encode(const std::string& bytes) {
  std::string out(Base64_Length(bytes.size()), '\0');
  out.resize(Encode(out.data(), reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
  return out;
}

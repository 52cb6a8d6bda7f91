#include "service/base64.h"

#include <array>
#include <cstdint>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int8_t kNotInAlphabet = -1;

constexpr std::array<int8_t, 256> Make_Values() {
  std::array<int8_t, 256> v{};
  for (int8_t& x : v) x = kNotInAlphabet;
  for (int i = 0; i < 64; ++i) v[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int8_t>(i);
  return v;
}

constexpr std::array<int8_t, 256> kValues = Make_Values();

}  // namespace

bool Base64_Decode(std::string_view in, std::string& out) {
  if (in.empty() || in.size() % 4 != 0) return false;
  size_t padding = 0;
  if (in.back() == '=') padding = in[in.size() - 2] == '=' ? 2 : 1;
  out.clear();
  out.reserve(in.size() / 4 * 3);
  for (size_t group = 0; group < in.size(); group += 4) {
    const bool last = group + 4 == in.size();
    const size_t letters = last ? 4 - padding : 4;
    uint32_t bits = 0;
    for (size_t i = 0; i < 4; ++i) {
      int8_t v = 0;
      if (i < letters) {
        v = kValues[static_cast<unsigned char>(in[group + i])];
        if (v == kNotInAlphabet) return false;
      }
      bits = bits << 6 | static_cast<uint32_t>(v);
    }
    const size_t bytes = letters - 1;  // 4 letters: 3 bytes, 3: 2, 2: 1
    // The bits the padding stands for must be zero in canonical Base64.
    if (bits & ((1u << (8 * (3 - bytes))) - 1)) return false;
    for (size_t i = 0; i < bytes; ++i) out.push_back(static_cast<char>(bits >> (16 - 8 * i) & 0xFF));
  }
  return true;
}

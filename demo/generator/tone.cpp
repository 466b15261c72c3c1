#include "demo/generator/tone.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace saverkit::demo {
namespace {

constexpr double kPi = 3.14159265358979323846;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

std::vector<uint8_t> SynthesizeWav(const std::vector<Note>& melody, int sampleRate) {
  std::vector<int16_t> samples;
  for (const Note& note : melody) {
    const int count = int(note.seconds * sampleRate);
    const int fade = std::max(1, sampleRate / 50);  // 20 ms
    for (int i = 0; i < count; ++i) {
      const double envelope = std::min({1.0, double(i) / fade, double(count - i) / fade}) * std::exp(-1.5 * i / double(sampleRate));
      const double t = double(i) / sampleRate;
      // A fundamental with a quieter octave sounds like a soft chime rather than a test tone.
      const double wave = std::sin(2 * kPi * note.frequency * t) + 0.3 * std::sin(4 * kPi * note.frequency * t);
      samples.push_back(note.frequency > 0 ? int16_t(wave * envelope * 9000) : 0);
    }
  }
  const uint32_t dataBytes = uint32_t(samples.size() * 2);
  std::vector<uint8_t> out;
  PutTag(out, "RIFF");
  Put32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, uint32_t(sampleRate));
  Put32(out, uint32_t(sampleRate) * 2);
  Put16(out, 2);
  Put16(out, 16);
  PutTag(out, "data");
  Put32(out, dataBytes);
  for (int16_t s : samples) Put16(out, uint16_t(s));
  return out;
}

}  // namespace saverkit::demo

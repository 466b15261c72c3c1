// A short melody as a WAV file (16-bit PCM, mono): the demo show's music.
#pragma once

#include <cstdint>
#include <vector>

namespace saverkit::demo {

struct Note {
  double frequency;  // Hz; 0 is a rest
  double seconds;
};

// The notes one after the other, each with a soft attack and release so no note clicks.
std::vector<uint8_t> SynthesizeWav(const std::vector<Note>& melody, int sampleRate);

}  // namespace saverkit::demo

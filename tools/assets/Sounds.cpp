#include "Sounds.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

std::vector<double> Silence(double seconds) {
  return std::vector<double>(static_cast<std::size_t>(seconds * SoundRate), 0.0);
}

// A tone from one pitch to another over its length, shaped by an envelope of
// its progress 0..1; the partial adds a third harmonic.
template <typename TEnvelope>
void AddGlide(std::vector<double>& out, double start, double length, double from, double to,
              double loudness, double partial, TEnvelope envelope) {
  double phase = 0;
  const auto first = static_cast<std::size_t>(start * SoundRate);
  const auto count = static_cast<std::size_t>(length * SoundRate);
  for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / static_cast<double>(count);
    phase += 2 * Pi * (from + (to - from) * t) / SoundRate;
    out[first + i] += loudness * envelope(t) * (std::sin(phase) + partial * std::sin(3 * phase));
  }
}

// A bubble: a pitch that rises as it dies away.
void AddBubble(std::vector<double>& out, double start, double length, double from, double to,
               double loudness) {
  AddGlide(out, start, length, from, to, loudness, 0.0,
           [](double t) { return std::sin(Pi * std::min(1.0, t * 8)) * std::exp(-4 * t); });
}

// A soft bell: a sine with a quieter octave, struck and fading.
void AddBell(std::vector<double>& out, double start, double length, double frequency,
             double loudness) {
  const auto first = static_cast<std::size_t>(start * SoundRate);
  const auto count = static_cast<std::size_t>(length * SoundRate);
  for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / SoundRate;
    const double envelope = std::min(1.0, t * 200) * std::exp(-t * 4.5);
    out[first + i] += loudness * envelope *
                      (std::sin(2 * Pi * frequency * t) + 0.3 * std::sin(4 * Pi * frequency * t));
  }
}

// A falling tone, a little hollow.
void AddSlide(std::vector<double>& out, double start, double length, double from, double to,
              double loudness) {
  AddGlide(out, start, length, from, to, loudness, 0.25,
           [](double t) { return std::min(1.0, t * 20) * (1 - t); });
}

// Scaled to a comfortable peak, with short fades at both ends.
std::vector<std::int16_t> Finish(std::vector<double> samples) {
  double peak = 1e-9;
  for (double s : samples) peak = std::max(peak, std::abs(s));
  const std::size_t fade = SoundRate / 100;
  std::vector<std::int16_t> out(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    double gain = 0.45 / peak;
    if (i < fade) gain *= static_cast<double>(i) / static_cast<double>(fade);
    if (samples.size() - 1 - i < fade)
      gain *= static_cast<double>(samples.size() - 1 - i) / static_cast<double>(fade);
    out[i] = static_cast<std::int16_t>(std::lround(samples[i] * gain * 32767));
  }
  return out;
}

}  // namespace

std::vector<std::int16_t> WaterSound() {
  auto out = Silence(0.32);
  const double bubbles[][5] = {{0.00, 0.09, 380, 820, 1.0},
                               {0.05, 0.08, 520, 1050, 0.7},
                               {0.11, 0.10, 300, 700, 0.9},
                               {0.17, 0.07, 620, 1200, 0.6},
                               {0.21, 0.09, 420, 900, 0.7}};
  for (const auto& b : bubbles) AddBubble(out, b[0], b[1], b[2], b[3], b[4]);
  return Finish(out);
}

std::vector<std::int16_t> SolvedSound() {
  auto out = Silence(1.1);
  const double notes[] = {523.25, 659.25, 783.99, 1046.50};
  for (std::size_t i = 0; i < 4; ++i)
    AddBell(out, 0.11 * static_cast<double>(i), 0.75, notes[i], 0.8);
  for (double note : {523.25, 659.25, 783.99}) AddBell(out, 0.44, 0.65, note, 0.35);
  return Finish(out);
}

std::vector<std::int16_t> TimeUpSound() {
  auto out = Silence(0.85);
  AddSlide(out, 0.0, 0.32, 392.0, 370.0, 1.0);
  AddSlide(out, 0.34, 0.5, 293.66, 246.94, 1.0);
  return Finish(out);
}

std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> file(44 + dataBytes);
  std::size_t at = 0;
  const auto put = [&file, &at](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at++] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  const auto text = [&file, &at](const char(&word)[5]) {
    for (int i = 0; i < 4; ++i) file[at++] = static_cast<std::uint8_t>(word[i]);
  };
  text("RIFF");
  put(36 + dataBytes, 4);
  text("WAVE");
  text("fmt ");
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);  // mono
  put(SoundRate, 4);
  put(SoundRate * 2, 4);
  put(2, 2);
  put(16, 2);
  text("data");
  put(dataBytes, 4);
  for (std::int16_t sample : samples) put(static_cast<std::uint16_t>(sample), 2);
  return file;
}

#pragma once

#include <cstdint>
#include <vector>

// The sound cues, synthesised: 16-bit mono PCM at SoundRate, faded in and
// out so they start and end without a click.
inline constexpr int SoundRate = 22050;

std::vector<std::int16_t> WaterSound();   // water moving, short
std::vector<std::int16_t> SolvedSound();  // a level solved
std::vector<std::int16_t> TimeUpSound();  // the challenge clock ran out

// A complete RIFF/WAVE file of the samples.
std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t>& samples);

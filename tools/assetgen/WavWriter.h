#pragma once

#include <string>

#include "Synth.h"

// Writes the signal as a mono 16-bit PCM WAV file at synth::kSampleRate, through libsndfile.
// Samples beyond [-1, 1] are clipped. Throws std::runtime_error when the file cannot be written.
void writeWav(const synth::Signal& signal, const std::string& path);

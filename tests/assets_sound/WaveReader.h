// Reads back the WAVE files of the program folder for the tests: RIFF chunks walked with every
// length checked against the bytes there are.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WaveFile {
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<float> samples;  // 16-bit PCM mono as -1..1

    double Seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0.0; }
};

// False (with the reason in *error) for anything but a well-formed RIFF/WAVE file with a
// "fmt " chunk before its "data" chunk.  Samples are decoded for 16-bit mono only.
bool ParseWave(const std::string& bytes, WaveFile* wave, std::string* error);

// Signal measures.
double Rms(const std::vector<float>& s);
// The fundamental of the loudest 40 ms of the signal, by autocorrelation over 70..450 Hz.
double PitchOfLoudestFrame(const std::vector<float>& s, int rate);
// How far apart two signals are: the energy of their difference (over the longer length,
// the shorter padded with silence) relative to their own energies; 0 for identical signals.
double Difference(const std::vector<float>& a, const std::vector<float>& b);
// What a signal sounds like, frame by frame: its energies in sixteen bands (150 Hz to 6 kHz),
// in decibels, over 20 ms frames every 10 ms.
using Spectrogram = std::vector<std::vector<double>>;
Spectrogram SpectrogramOf(const std::vector<float>& s, int rate);

// How differently two signals sound: the mean gap, in decibels, between their band energies,
// over the frames where either is audible.  Unlike a sample-by-sample difference it ignores
// phase, so two renderings of the same words come out close even when their waveforms do not
// line up.
double SpectralDistance(const Spectrogram& a, const Spectrogram& b);

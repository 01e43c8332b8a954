// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// generasuoni: writes the five little sounds used by "Catalogare i lumeri".
//
//   si1.wav .. si4.wav  four short cheerful chimes for a right answer
//   no.wav              a soft, friendly "uh-oh" for a wrong answer
//
// Every sound is synthesised here from a few sine partials with an
// exponential decay, so nothing is recorded or copied. The output is
// always the same: WAV, PCM 16-bit, mono, 22050 Hz, peak at about -6 dBFS.
//
// Build and run (standard library only):
//   g++ -std=c++17 -O2 -o /tmp/generasuoni generasuoni.cpp
//   /tmp/generasuoni <output-folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.5;  // -6 dBFS

// One partial of a note: frequency ratio to the fundamental, loudness and
// how fast it dies away (in 1/s).
struct Partial {
    double ratio;
    double gain;
    double decay;
};

// Marimba-like: warm fundamental, a soft overtone near 4x that fades fast.
const std::vector<Partial> kMarimba = {
    {1.0, 1.00, 7.0},
    {3.93, 0.20, 22.0},
    {9.2, 0.04, 45.0},
};

// Small bell / glockenspiel: brighter, rings a bit longer.
const std::vector<Partial> kBell = {
    {1.0, 1.00, 5.0},
    {2.76, 0.30, 10.0},
    {5.40, 0.10, 20.0},
    {8.93, 0.03, 30.0},
};

// Soft and round, almost a pure tone: for the "uh-oh".
const std::vector<Partial> kSoft = {
    {1.0, 1.00, 3.5},
    {2.0, 0.12, 6.0},
    {3.0, 0.03, 9.0},
};

using Buffer = std::vector<double>;

// Adds one note to the buffer, starting at `start` seconds. A note rings
// until it dies away, or, when `length` is given, is damped softly (40 ms)
// after that many seconds.
void addNote(Buffer& buf, double start, double freq, double level,
             const std::vector<Partial>& timbre, double attack = 0.004,
             double length = 0.0)
{
    constexpr double kDamp = 0.040;
    const long first = std::lround(start * kRate);
    for (const Partial& p : timbre) {
        const double f = freq * p.ratio;
        if (f > 0.45 * kRate)  // keep well below Nyquist
            continue;
        for (long i = first; i < static_cast<long>(buf.size()); ++i) {
            const double t = static_cast<double>(i - first) / kRate;
            double env = std::exp(-p.decay * t);
            if (t < attack)
                env *= 0.5 - 0.5 * std::cos(kPi * t / attack);
            if (length > 0.0 && t > length) {
                if (t >= length + kDamp)
                    break;
                env *= 0.5 + 0.5 * std::cos(kPi * (t - length) / kDamp);
            }
            if (env < 1e-5 && t > attack)
                break;
            buf[static_cast<std::size_t>(i)] +=
                level * p.gain * env * std::sin(2.0 * kPi * f * t);
        }
    }
}

// Gentle fade-in and raised-cosine fade-out, then scale to the target peak.
void finish(Buffer& buf, double fadeIn, double fadeOut)
{
    const std::size_t n = buf.size();
    const std::size_t in = static_cast<std::size_t>(fadeIn * kRate);
    const std::size_t out = static_cast<std::size_t>(fadeOut * kRate);
    for (std::size_t i = 0; i < in && i < n; ++i)
        buf[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(in));
    for (std::size_t i = 0; i < out && i < n; ++i) {
        const double g = 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(out));
        buf[n - 1 - i] *= g;
    }

    double peak = 0.0;
    for (double v : buf)
        peak = std::max(peak, std::fabs(v));
    if (peak > 0.0)
        for (double& v : buf)
            v *= kPeak / peak;
}

Buffer makeBuffer(double seconds)
{
    return Buffer(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0);
}

// Note frequencies (equal temperament, A4 = 440 Hz).
constexpr double C4 = 261.63, E4 = 329.63;
constexpr double C5 = 523.25, D5 = 587.33, E5 = 659.26, Fs5 = 739.99;
constexpr double G5 = 783.99, A5 = 880.00, B5 = 987.77;
constexpr double C6 = 1046.50, D6 = 1174.66, E6 = 1318.51, G6 = 1567.98;

// si1: two bell notes, a rising major third (C6 -> E6).
Buffer si1()
{
    Buffer b = makeBuffer(0.45);
    addNote(b, 0.00, C6, 0.8, kBell);
    addNote(b, 0.11, E6, 1.0, kBell);
    finish(b, 0.003, 0.12);
    return b;
}

// si2: quick marimba arpeggio going up, C5 - E5 - G5 - C6.
Buffer si2()
{
    Buffer b = makeBuffer(0.55);
    addNote(b, 0.00, C5, 0.8, kMarimba);
    addNote(b, 0.08, E5, 0.8, kMarimba);
    addNote(b, 0.16, G5, 0.9, kMarimba);
    addNote(b, 0.24, C6, 1.0, kMarimba);
    finish(b, 0.003, 0.15);
    return b;
}

// si3: a light sparkle, very fast bell notes G5 - B5 - D6 - G6.
Buffer si3()
{
    Buffer b = makeBuffer(0.50);
    addNote(b, 0.00, G5, 0.6, kBell);
    addNote(b, 0.055, B5, 0.6, kBell);
    addNote(b, 0.11, D6, 0.7, kBell);
    addNote(b, 0.165, G6, 0.8, kBell);
    finish(b, 0.003, 0.15);
    return b;
}

// si4: "ta-daa": a short D5, then a warm D major chord that rings.
Buffer si4()
{
    Buffer b = makeBuffer(0.60);
    addNote(b, 0.00, D5, 0.9, kMarimba);
    addNote(b, 0.12, D5, 0.7, kMarimba);
    addNote(b, 0.12, Fs5, 0.6, kMarimba);
    addNote(b, 0.12, A5, 0.6, kMarimba);
    addNote(b, 0.12, D6, 0.5, kBell);
    finish(b, 0.003, 0.20);
    return b;
}

// no: a soft "uh-oh", two low notes going down (E4 -> C4), slow attack;
// the first note is damped so the two stay apart, like a voice.
Buffer no()
{
    Buffer b = makeBuffer(0.65);
    addNote(b, 0.00, E4, 1.0, kSoft, 0.015, 0.20);
    addNote(b, 0.22, C4, 1.0, kSoft, 0.015);
    finish(b, 0.010, 0.25);
    return b;
}

void put16(std::ofstream& out, std::uint16_t v)
{
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::ofstream& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// Writes a 16-bit mono PCM WAV file, byte by byte in little-endian order.
bool writeWav(const std::string& path, const Buffer& buf)
{
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;

    const std::uint32_t dataBytes = static_cast<std::uint32_t>(buf.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16);         // size of the fmt chunk
    put16(out, 1);          // PCM
    put16(out, 1);          // mono
    put32(out, kRate);
    put32(out, kRate * 2);  // bytes per second
    put16(out, 2);          // bytes per sample frame
    put16(out, 16);         // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);

    for (double v : buf) {
        long s = std::lround(v * 32767.0);
        if (s > 32767) s = 32767;
        if (s < -32768) s = -32768;
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(s)));
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "uso: generasuoni <cartella-di-uscita>\n";
        return 2;
    }
    std::string dir = argv[1];
    if (!dir.empty() && dir.back() != '/')
        dir += '/';

    struct Sound {
        const char* name;
        Buffer (*make)();
    };
    const Sound sounds[] = {
        {"si1.wav", si1}, {"si2.wav", si2}, {"si3.wav", si3},
        {"si4.wav", si4}, {"no.wav", no},
    };

    for (const Sound& s : sounds) {
        const std::string path = dir + s.name;
        if (!writeWav(path, s.make())) {
            std::cerr << "impossibile scrivere " << path << "\n";
            return 1;
        }
        std::cout << path << "\n";
    }
    return 0;
}

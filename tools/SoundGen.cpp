// Writes the program's two answer sounds as 16-bit mono PCM wave files, synthesised here:
// a hand clap (a few noise bursts and a ringing tail) and a "pow" (a falling thump).
// Usage: velmoria-soundgen CLAP.wav POW.wav

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int Rate = 22050;

// A fixed noise sequence, so every build writes the same bytes.
class TNoise {
public:
    double Next()
    {
        State_ = State_ * 1664525u + 1013904223u;
        return static_cast<double>(State_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t State_ = 0x5eed1234u;
};

// A two-pole band-pass resonator (the clap's hollow body).
class TBandPass {
public:
    TBandPass(double frequency, double q)
    {
        const double w = 2.0 * std::numbers::pi * frequency / Rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        B0_ = alpha / a0;
        B2_ = -alpha / a0;
        A1_ = -2.0 * std::cos(w) / a0;
        A2_ = (1.0 - alpha) / a0;
    }
    double Step(double x)
    {
        const double y = B0_ * x + B2_ * X2_ - A1_ * Y1_ - A2_ * Y2_;
        X2_ = X1_;
        X1_ = x;
        Y2_ = Y1_;
        Y1_ = y;
        return y;
    }

private:
    double B0_, B2_, A1_, A2_;
    double X1_ = 0, X2_ = 0, Y1_ = 0, Y2_ = 0;
};

std::vector<double> Clap()
{
    std::vector<double> samples(static_cast<std::size_t>(Rate * 0.35));
    TNoise noise;
    TBandPass body(1200.0, 1.6);
    // Several hands do not meet at once: three short bursts, then the main one rings out.
    const double bursts[] = { 0.0, 0.011, 0.023 };
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        double envelope = 0.0;
        for (double start : bursts)
            if (t >= start && t < start + 0.011)
                envelope = std::max(envelope, std::exp(-(t - start) / 0.003));
        if (t >= 0.034)
            envelope = std::max(envelope, std::exp(-(t - 0.034) / 0.06));
        samples[i] = body.Step(noise.Next()) * envelope * 2.2;
    }
    return samples;
}

std::vector<double> Pow()
{
    std::vector<double> samples(static_cast<std::size_t>(Rate * 0.45));
    TNoise noise;
    double phase = 0.0;
    double lowPassed = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        // The pitch drops from 190 Hz to about 45 Hz: the "ow" of the thump.
        const double frequency = 45.0 + 145.0 * std::exp(-t / 0.08);
        phase += 2.0 * std::numbers::pi * frequency / Rate;
        const double tone = std::sin(phase) + 0.35 * std::sin(2.0 * phase);
        lowPassed += 0.18 * (noise.Next() - lowPassed);
        const double attack = std::min(1.0, t / 0.004);
        const double crack = std::exp(-t / 0.015) * lowPassed * 2.5;
        samples[i] = (tone * std::exp(-t / 0.13) + crack) * attack * 0.8;
    }
    return samples;
}

void PutLe(std::FILE* file, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        std::fputc(static_cast<int>((value >> (8 * i)) & 0xFF), file);
}

bool WriteWave(const char* name, const std::vector<double>& samples)
{
    std::FILE* file = std::fopen(name, "wb");
    if (!file) {
        std::perror(name);
        return false;
    }
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::fputs("RIFF", file);
    PutLe(file, 36 + dataSize, 4);
    std::fputs("WAVEfmt ", file);
    PutLe(file, 16, 4);
    PutLe(file, 1, 2); // PCM
    PutLe(file, 1, 2); // mono
    PutLe(file, Rate, 4);
    PutLe(file, Rate * 2, 4);
    PutLe(file, 2, 2);
    PutLe(file, 16, 2);
    std::fputs("data", file);
    PutLe(file, dataSize, 4);
    for (double sample : samples) {
        const double clipped = std::clamp(sample, -1.0, 1.0);
        PutLe(file, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32000.0))), 2);
    }
    const bool ok = std::fclose(file) == 0;
    if (!ok)
        std::perror(name);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmoria-soundgen CLAP.wav POW.wav\n");
        return 2;
    }
    return WriteWave(argv[1], Clap()) && WriteWave(argv[2], Pow()) ? 0 : 1;
}

#pragma once

#include <QColor>
#include <cstdint>

// A small random sequence with a fixed algorithm (SplitMix64), so that the
// same seed draws the same picture on every machine and with every library.
class SceneRandom {
public:
    explicit SceneRandom(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number from low to high, both included.
    int range(int low, int high) { return low + int(next() % std::uint64_t(high - low + 1)); }

    // A number in [0, 1).
    double unit() { return double(next() >> 11) / double(1ull << 53); }

    double real(double low, double high) { return low + (high - low) * unit(); }

    bool chance(double probability) { return unit() < probability; }

    // The colour with each channel moved by up to `spread` either way.
    QColor vary(const QColor& colour, int spread)
    {
        auto channel = [&](int value) { return qBound(0, value + range(-spread, spread), 255); };
        return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
    }

private:
    std::uint64_t m_state;
};

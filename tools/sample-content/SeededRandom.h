#pragma once

#include <cstdint>
#include <string_view>

// A small generator with a fixed algorithm (xorshift64*), so every platform and library draws
// the same sequence from the same seed; the standard distributions do not promise that.
class SeededRandom {
public:
    explicit SeededRandom(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ULL) {}

    // FNV-1a of a text, to seed by name.
    static uint64_t SeedOf(std::string_view text)
    {
        uint64_t hash = 0xCBF29CE484222325ULL;
        for (char c : text) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 0x100000001B3ULL;
        }
        return hash;
    }

    uint64_t Next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1DULL;
    }

    // Uniform in [0, 1).
    double Unit() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Between(double from, double to) { return from + (to - from) * Unit(); }
    int Below(int count) { return int(Next() % uint64_t(count)); }

private:
    uint64_t state_;
};

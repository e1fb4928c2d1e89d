// The deterministic number source of the sample database: the same seed gives the same numbers
// on every machine (splitmix64, no library distribution whose output could vary).
#pragma once

#include <cstddef>
#include <cstdint>

namespace sampledb {

class SampleRandom {
public:
    explicit SampleRandom(uint64_t seed)
        : state_(seed)
    {
    }

    uint64_t next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number in [low, high].
    int between(int low, int high)
    {
        return low + static_cast<int>(next() % static_cast<uint64_t>(high - low + 1));
    }

    // A number in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }

    double between(double low, double high) { return low + (high - low) * unit(); }

    // True with the given probability.
    bool chance(double probability) { return unit() < probability; }

    template <class T, size_t N> const T& pick(const T (&items)[N]) { return items[next() % N]; }

private:
    uint64_t state_;
};

} // namespace sampledb

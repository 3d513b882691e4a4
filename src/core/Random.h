#pragma once
// The one source of random draws. The program seeds a clock-based engine each
// time an exercise window opens; tests script the exact draws they need.

#include <cstdint>
#include <deque>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quarvel {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // One draw, uniform over 0 .. n-1 (n >= 1).
    virtual int Random(int n) = 0;
    // Reseed from the clock; scripted sources ignore it.
    virtual void Randomize() {}
};

class ClockRandom final : public RandomSource {
  public:
    ClockRandom();
    int Random(int n) override;
    void Randomize() override;

  private:
    std::mt19937_64 engine_;
};

// A pseudo-random engine with a fixed seed, for tools and benchmarks.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    int Random(int n) override;
    // Starts the draws again as from a new engine of `seed`.
    void Seed(std::uint64_t seed) { engine_.seed(seed); }

  private:
    std::mt19937_64 engine_;
};

// A seeded engine whose draws are the same on every machine: the 64-bit
// Mersenne Twister's output is fixed by the C++ standard, while
// std::uniform_int_distribution differs between standard libraries, so the
// draw from the engine is our own. Printed sheets and coded exercises use it.
class PortableRandom final : public RandomSource {
  public:
    explicit PortableRandom(std::uint64_t seed) : engine_(seed) {}
    int Random(int n) override;

  private:
    std::mt19937_64 engine_;
};

class ScriptError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

// Returns the scripted values in order. A value outside 0 .. n-1 of its call,
// or a call after the script has run out, throws ScriptError; with a fallback
// source the draws continue from it once the script is used up.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<int> draws, RandomSource* fallback = nullptr);
    int Random(int n) override;

    void Push(int value) { script_.push_back(value); }
    void Append(const std::vector<int>& values) {
        script_.insert(script_.end(), values.begin(), values.end());
    }
    std::size_t Remaining() const { return script_.size(); }
    // Every call so far as (n, value).
    const std::vector<std::pair<int, int>>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

  private:
    std::deque<int> script_;
    RandomSource* fallback_;
    std::vector<std::pair<int, int>> calls_;
};

} // namespace quarvel

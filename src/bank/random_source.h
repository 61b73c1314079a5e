#pragma once

#include <QList>

#include <cstdint>
#include <random>

namespace veltrano {

// Uniform random numbers u in [0, 1). Passed to whatever draws, so that tests
// can script the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// The program's generator: seeded once from std::random_device.
class SystemRandomSource final : public RandomSource {
public:
    SystemRandomSource();
    explicit SystemRandomSource(std::uint64_t seed);
    double next() override;

private:
    std::mt19937_64 engine_;
};

// Plays back the given values in order, starting over after the last one.
class ScriptedRandomSource final : public RandomSource {
public:
    explicit ScriptedRandomSource(QList<double> values) : values_(std::move(values)) {}
    double next() override;

private:
    QList<double> values_;
    qsizetype nextIndex_ = 0;
};

// A random index in 1..n: floor(n * u) + 1. It stays within 1..n even for the
// largest u below 1, and whatever a source returns.
int randomIndex(RandomSource &random, int n);

} // namespace veltrano

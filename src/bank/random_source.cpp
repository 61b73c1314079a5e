#include "bank/random_source.h"

#include <algorithm>
#include <cmath>

namespace veltrano {

SystemRandomSource::SystemRandomSource() : engine_(std::random_device{}()) {}

SystemRandomSource::SystemRandomSource(std::uint64_t seed) : engine_(seed) {}

double SystemRandomSource::next()
{
    // 53 random bits scaled into [0, 1); never 1.0, unlike some
    // uniform_real_distribution implementations.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

double ScriptedRandomSource::next()
{
    if (values_.isEmpty())
        return 0.0;
    const double u = values_.at(nextIndex_);
    nextIndex_ = (nextIndex_ + 1) % values_.size();
    return u;
}

int randomIndex(RandomSource &random, int n)
{
    if (n < 1)
        return 1;
    const double u = random.next();
    const double scaled = std::floor(static_cast<double>(n) * u);
    const int index = static_cast<int>(std::clamp(scaled, 0.0, static_cast<double>(n - 1))) + 1;
    return index;
}

} // namespace veltrano

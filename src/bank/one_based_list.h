#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace veltrano {

// A list whose entries are numbered from 1, as positions are shown to users.
// Slot 0 exists and is never used; at() rejects any number outside 1..count().
template <typename T> class OneBasedList {
public:
    int count() const { return static_cast<int>(items_.size()) - 1; }
    bool isEmpty() const { return count() == 0; }

    T &at(int i) { return items_.at(checked(i)); }
    const T &at(int i) const { return items_.at(checked(i)); }

    void append(const T &value) { items_.push_back(value); }
    void clear() { items_.resize(1); }

private:
    std::size_t checked(int i) const
    {
        if (i < 1 || i > count())
            throw std::out_of_range("position " + std::to_string(i) + " outside 1.." +
                                    std::to_string(count()));
        return static_cast<std::size_t>(i);
    }

    std::vector<T> items_ = std::vector<T>(1);
};

} // namespace veltrano

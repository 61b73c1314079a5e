#include "bank/raw_lines.h"

#include <utility>

namespace veltrano {

void RawLineSplitter::add(QByteArrayView bytes)
{
    qsizetype next = 0;
    while (next < bytes.size() && !hasAll()) {
        if (std::exchange(afterCr_, false) && bytes.at(next) == '\n') {
            ++next;
            continue;
        }
        qsizetype end = next;
        while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
            ++end;
        partial_ += bytes.sliced(next, end - next);
        if (end == bytes.size())
            return;
        lines_.append(std::exchange(partial_, {}));
        afterCr_ = bytes.at(end) == '\r';
        next = end + 1;
    }
}

void RawLineSplitter::finish()
{
    if (!hasAll() && !partial_.isEmpty())
        lines_.append(partial_);
    partial_.clear();
}

} // namespace veltrano

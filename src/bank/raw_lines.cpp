#include "bank/raw_lines.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace veltrano {

void RawLineSplitter::add(QByteArrayView bytes)
{
    if (bytes.isEmpty() || hasAll())
        return;
    if (ends_.isEmpty() && text_.isEmpty()) {
        ends_.reserve(wanted_);
        text_.reserve(bytes.size());
    }
    const char *next = bytes.data();
    const char *const end = next + bytes.size();
    // Where the next CR and the next LF are, each looked for once.
    const auto find = [end](const char *from, char byte) {
        const void *at = std::memchr(from, byte, static_cast<size_t>(end - from));
        return at ? static_cast<const char *>(at) : end;
    };
    const char *cr = find(next, '\r');
    const char *lf = find(next, '\n');
    while (next < end && !hasAll()) {
        if (std::exchange(afterCr_, false) && *next == '\n') {
            ++next;
            continue;
        }
        if (cr < next)
            cr = find(next, '\r');
        if (lf < next)
            lf = find(next, '\n');
        const char *lineEnd = std::min(cr, lf);
        text_.append(next, lineEnd - next);
        if (lineEnd == end)
            return;
        ends_.append(text_.size());
        afterCr_ = *lineEnd == '\r';
        next = lineEnd + 1;
    }
}

void RawLineSplitter::finish()
{
    if (!hasAll() && text_.size() > lastEnd())
        ends_.append(text_.size());
    text_.truncate(lastEnd());
}

} // namespace veltrano

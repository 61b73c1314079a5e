#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace veltrano {

// Cuts a raw question file into lines as its bytes arrive: at CR LF, a lone
// CR or a lone LF, a last line without a line end counting too. Keeps the
// first `wanted` lines and takes nothing after them, so that a reader can stop
// as soon as it has them. The lines are kept one after another in one buffer.
class RawLineSplitter {
public:
    explicit RawLineSplitter(qsizetype wanted) : wanted_(wanted) {}

    void add(QByteArrayView bytes);
    // The input ended: a last line without a line end is kept.
    void finish();

    bool hasAll() const { return ends_.size() >= wanted_; }
    qsizetype lineCount() const { return ends_.size(); }
    // Line i (from 0), without its line end.
    QByteArrayView line(qsizetype i) const
    {
        const qsizetype start = i == 0 ? 0 : ends_.at(i - 1);
        return QByteArrayView(text_).sliced(start, ends_.at(i) - start);
    }

private:
    qsizetype lastEnd() const { return ends_.isEmpty() ? 0 : ends_.last(); }

    qsizetype wanted_;
    QByteArray text_;       // the lines, without their ends, and the one begun
    QList<qsizetype> ends_; // where each whole line ends in text_
    bool afterCr_ = false;  // an LF next is the second half of CR LF
};

} // namespace veltrano

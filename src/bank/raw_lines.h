#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace veltrano {

// Cuts a raw question file into lines as its bytes arrive: at CR LF, a lone
// CR or a lone LF, a last line without a line end counting too. Keeps the
// first `wanted` lines and takes nothing after them, so that a reader can stop
// as soon as it has them.
class RawLineSplitter {
public:
    explicit RawLineSplitter(qsizetype wanted) : wanted_(wanted) {}

    void add(QByteArrayView bytes);
    // The input ended: a last line without a line end is kept.
    void finish();

    bool hasAll() const { return lines_.size() >= wanted_; }
    const QList<QByteArray> &lines() const { return lines_; }

private:
    qsizetype wanted_;
    QList<QByteArray> lines_;
    QByteArray partial_;   // the line begun but not yet ended
    bool afterCr_ = false; // an LF next is the second half of CR LF
};

} // namespace veltrano

#include "progress/weakest_questions.h"

#include <algorithm>
#include <tuple>

namespace veltrano {

namespace {

struct Ranked {
    int question;
    bool mastered;
    int misses;
    qint64 since; // julian day of the last answer (not mastered) or of mastering
    double draw;

    auto key() const { return std::tuple(mastered, -misses, since, draw); }
};

} // namespace

QList<int> weakestQuestions(const QList<QuestionRecord> &records, int count, RandomSource &random)
{
    std::vector<Ranked> ranked;
    for (int q = 1; q < records.size(); ++q) {
        const QuestionRecord &r = records.at(q);
        const QDate since = r.mastered() ? r.masteredOn : r.lastAnswered;
        ranked.push_back(
            {q, r.mastered(), r.misses, since.isValid() ? since.toJulianDay() : 0, random.next()});
    }
    const auto n = std::clamp<qsizetype>(count, 0, static_cast<qsizetype>(ranked.size()));
    std::partial_sort(ranked.begin(), ranked.begin() + n, ranked.end(),
                      [](const Ranked &a, const Ranked &b) { return a.key() < b.key(); });
    QList<int> chosen;
    for (qsizetype i = 0; i < n; ++i)
        chosen.append(ranked.at(static_cast<std::size_t>(i)).question);
    return chosen;
}

} // namespace veltrano

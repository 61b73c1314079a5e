#include "windows/platform/speech.h"

#include <QRegularExpression>
#include <QTextToSpeech>

namespace veltrano::platform {

namespace {

// The engines to try, best first.
QStringList enginesToTry(const QString &wanted)
{
    const QStringList installed = QTextToSpeech::availableEngines();
    if (!wanted.isEmpty())
        return installed.contains(wanted) ? QStringList{wanted} : QStringList{};
    QStringList ordered;
    for (const QString &preferred : {QStringLiteral("speechd"), QStringLiteral("flite")})
        if (installed.contains(preferred))
            ordered.append(preferred);
    for (const QString &other : installed)
        if (!ordered.contains(other))
            ordered.append(other);
    return ordered;
}

// What a failed engine says, or a word of our own when it says nothing.
QString failureOf(const QTextToSpeech &engine)
{
    const QString said = engine.errorString();
    return said.isEmpty() ? SystemSpeaker::tr("it could not start.") : said;
}

// Parts shorter than this are joined to the next ("Question 1 of 5.").
constexpr qsizetype shortestPart = 24;

} // namespace

QStringList SystemSpeaker::parts(const QString &text)
{
    // A sentence ends at . ? or ! before a capital or a digit; an initial
    // ("John A. Macdonald") ends none.
    static const QRegularExpression end(QStringLiteral("(?<![\\s.][A-Z])[.?!]\\s+(?=[A-Z0-9])"));
    QStringList sentences;
    qsizetype from = 0;
    for (auto found = end.globalMatch(text); found.hasNext();) {
        const auto match = found.next();
        sentences.append(text.mid(from, match.capturedStart() + 1 - from).trimmed());
        from = match.capturedEnd();
    }
    sentences.append(text.mid(from).trimmed());
    sentences.removeAll(QString());

    QStringList joined;
    for (const QString &sentence : sentences) {
        if (!joined.isEmpty() && joined.last().size() < shortestPart)
            joined.last() += u' ' + sentence;
        else
            joined.append(sentence);
    }
    if (joined.size() > 1 && joined.last().size() < shortestPart) {
        const QString last = joined.takeLast();
        joined.last() += u' ' + last;
    }
    return joined;
}

SystemSpeaker::SystemSpeaker(QString engine, QObject *parent)
    : Speaker(parent), wantedEngine_(std::move(engine))
{
    if (enginesToTry(wantedEngine_).isEmpty())
        state_ = State::Unavailable;
}

SystemSpeaker::~SystemSpeaker()
{
    // The engine may still report as it goes: not to a speaker half gone.
    if (engine_)
        engine_->disconnect(this);
}

QString SystemSpeaker::unavailableReason() const
{
    if (state_ != State::Unavailable)
        return {};
    if (failure_.isEmpty())
        return tr("No speech engine is installed (such as speech-dispatcher or flite).");
    return tr("The speech engine failed: %1").arg(failure_);
}

bool SystemSpeaker::start()
{
    if (engine_)
        return true;
    for (const QString &name : enginesToTry(wantedEngine_)) {
        auto engine = std::make_unique<QTextToSpeech>(name);
        // An engine may start "Ready" yet say it has nowhere to play. (Its
        // errorReason() is no guide: flite in Qt 6.4 starts with one.)
        if (engine->state() == QTextToSpeech::Error || !engine->errorString().isEmpty()) {
            failure_ = failureOf(*engine);
            continue;
        }
        engineName_ = name;
        engine_ = std::move(engine);
        engine_->setVolume(volume_);
        connect(engine_.get(), &QTextToSpeech::stateChanged, this,
                [this](QTextToSpeech::State state) { engineStateChanged(state); });
        return true;
    }
    setState(State::Unavailable);
    return false;
}

void SystemSpeaker::say(const QString &text)
{
    if (state_ == State::Unavailable || !start())
        return;
    stop();
    playbackProblem_.clear();
    waiting_ = parts(text);
    sayNextPart();
}

void SystemSpeaker::sayNextPart()
{
    if (waiting_.isEmpty()) {
        setState(State::Ready);
        return;
    }
    setState(State::Speaking);
    partBegun_ = false;
    engine_->say(waiting_.takeFirst());
}

void SystemSpeaker::engineStateChanged(int engineState)
{
    // The engine reports from its own thread: a Ready left over from
    // stopping an earlier text must not end the part just begun.
    switch (engineState) {
    case QTextToSpeech::Speaking:
        partBegun_ = true;
        break;
    case QTextToSpeech::Error:
        // This part is lost; the engine says Ready next and the rest goes on.
        partBegun_ = true;
        playbackProblem_ = failureOf(*engine_);
        break;
    case QTextToSpeech::Ready:
        if (state_ == State::Speaking && partBegun_)
            sayNextPart();
        break;
    default:
        break;
    }
}

void SystemSpeaker::stop()
{
    waiting_.clear();
    if (engine_ && state_ == State::Speaking)
        engine_->stop();
    if (state_ == State::Speaking)
        setState(State::Ready);
}

void SystemSpeaker::setVolume(double volume)
{
    volume_ = volume;
    if (engine_)
        engine_->setVolume(volume);
}

void SystemSpeaker::setState(State state)
{
    if (state_ == state)
        return;
    state_ = state;
    emit stateChanged(state);
}

} // namespace veltrano::platform

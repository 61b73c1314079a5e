#include "windows/platform/speech.h"

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

} // namespace

SystemSpeaker::SystemSpeaker(QString engine, QObject *parent)
    : Speaker(parent), wantedEngine_(std::move(engine))
{
    if (enginesToTry(wantedEngine_).isEmpty())
        state_ = State::Unavailable;
}

SystemSpeaker::~SystemSpeaker() = default;

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
        return engine_->state() != QTextToSpeech::Error;
    for (const QString &name : enginesToTry(wantedEngine_)) {
        auto engine = std::make_unique<QTextToSpeech>(name);
        if (engine->state() == QTextToSpeech::Error) {
            failure_ = failureOf(*engine);
            continue;
        }
        engineName_ = name;
        engine_ = std::move(engine);
        connect(engine_.get(), &QTextToSpeech::stateChanged, this,
                [this](QTextToSpeech::State state) {
                    switch (state) {
                    case QTextToSpeech::Speaking:
                        setState(State::Speaking);
                        break;
                    case QTextToSpeech::Error:
                        failure_ = failureOf(*engine_);
                        setState(State::Unavailable);
                        break;
                    default:
                        setState(State::Ready);
                        break;
                    }
                });
        return true;
    }
    setState(State::Unavailable);
    return false;
}

void SystemSpeaker::say(const QString &text)
{
    if (state_ == State::Unavailable || !start())
        return;
    if (state_ == State::Speaking)
        engine_->stop();
    engine_->say(text);
}

void SystemSpeaker::stop()
{
    if (engine_ && state_ == State::Speaking)
        engine_->stop();
}

void SystemSpeaker::setState(State state)
{
    if (state_ == state)
        return;
    state_ = state;
    emit stateChanged(state);
}

} // namespace veltrano::platform

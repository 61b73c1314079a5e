#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QTextToSpeech;

namespace veltrano::platform {

// Reads texts aloud. The program uses the desktop's speech engine
// (SystemSpeaker); tests pass one that records what it was asked to say.
class Speaker : public QObject {
    Q_OBJECT
public:
    enum class State { Ready, Speaking, Unavailable };
    Q_ENUM(State)

    using QObject::QObject;

    virtual State state() const = 0;
    // Why nothing can be read aloud, in the user's words; empty while it can.
    virtual QString unavailableReason() const = 0;
    // Starts reading text, stopping whatever was being read.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;

signals:
    void stateChanged(veltrano::platform::Speaker::State state);
};

// Qt TextToSpeech: speech-dispatcher where it runs (the desktops' engine),
// else the offline flite engine, else any other engine installed. The engine
// starts at the first reading, not with the program.
//
// A text is given to the engine a sentence or two at a time: flite in Qt 6.4
// fails to play some texts of several sentences ("Audio streaming error"),
// and some very short ones, which are therefore joined to the next.
class SystemSpeaker : public Speaker {
    Q_OBJECT
public:
    // engine: the one to use; empty to choose as above.
    explicit SystemSpeaker(QString engine = {}, QObject *parent = nullptr);
    ~SystemSpeaker() override;

    State state() const override { return state_; }
    QString unavailableReason() const override;
    void say(const QString &text) override;
    void stop() override;

    // The engine chosen, once started.
    QString engineName() const { return engineName_; }
    // What the engine said when it last failed to play a part of a text
    // (the rest is still read); empty when all went well.
    QString playbackProblem() const { return playbackProblem_; }
    // 0 to 1; the desktop's own volume by default.
    void setVolume(double volume);

    // The parts a text is given to the engine in.
    static QStringList parts(const QString &text);

private:
    bool start();
    void engineStateChanged(int engineState);
    void sayNextPart();
    void setState(State state);

    QString wantedEngine_;
    QString engineName_;
    std::unique_ptr<QTextToSpeech> engine_;
    QStringList waiting_;    // parts not yet given to the engine
    bool partBegun_ = false; // the engine has begun the part given last
    State state_ = State::Ready;
    double volume_ = 1.0;
    QString failure_; // why the engine could not start
    QString playbackProblem_;
};

} // namespace veltrano::platform

// Reads a question aloud through a real speech engine (flite): the engine
// must go from Speaking back to Ready. It needs a sound server; without one
// the test is skipped, unless VELTRANO_REQUIRE_SPEECH is set (CI runs it
// with PulseAudio and a null sink: scripts/check-speech.sh).

#include "temporary_home.h"
#include "window_test_support.h"

#include <QAction>
#include <QSignalSpy>
#include <QTextToSpeech>

using namespace veltrano;
using namespace testing;
using State = platform::Speaker::State;

// Skipped here, failed where speech is required.
#define SKIP_WITHOUT(reason)                                                                       \
    do {                                                                                           \
        if (qEnvironmentVariableIsSet("VELTRANO_REQUIRE_SPEECH"))                                  \
            QFAIL(qPrintable(reason));                                                             \
        QSKIP(qPrintable(reason));                                                                 \
    } while (false)

class SpeechEngineTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { writeSettings("[aaa]\nzzz=1\n"); }
    void cleanup() { verifyNoWindowLeft(); }

    void readsAQuestionThroughFlite()
    {
        if (!QTextToSpeech::availableEngines().contains(QStringLiteral("flite")))
            SKIP_WITHOUT(QStringLiteral("the flite engine is not installed "
                                        "(qt6-speech-flite-plugin)"));
        Seams seams = testSeams();
        auto flite = std::make_unique<platform::SystemSpeaker>(QStringLiteral("flite"));
        flite->setVolume(0); // the engine speaks all the same, and no one hears a test
        platform::SystemSpeaker &speaker = *flite;
        seams.speaker = std::move(flite);
        QSignalSpy states(&speaker, &platform::Speaker::stateChanged);
        const auto window = openWindow(std::move(seams));
        click(*window, "Command2");
        window->findChild<QAction *>(QStringLiteral("mreadaloud"))->trigger();

        QTRY_VERIFY_WITH_TIMEOUT(!states.isEmpty(), 20000);
        if (speaker.state() == State::Unavailable)
            SKIP_WITHOUT(QStringLiteral("no sound server for the engine: ") +
                         speaker.unavailableReason());
        QCOMPARE(states.first().first().value<State>(), State::Speaking);
        QTRY_COMPARE_WITH_TIMEOUT(speaker.state(), State::Ready, 120000);
        QCOMPARE(states.last().first().value<State>(), State::Ready);
        QCOMPARE(states.size(), 2);
        QVERIFY2(speaker.playbackProblem().isEmpty(), qPrintable(speaker.playbackProblem()));
        QCOMPARE(speaker.engineName(), QStringLiteral("flite"));
    }
};

QTEST_MAIN(SpeechEngineTest)
#include "test_speech_engine.moc"

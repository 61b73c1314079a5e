#include "bank/question_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using veltrano::OutputForm;
using veltrano::QuestionBank;

namespace {

// Lines of a raw file whose texts tell where they came from: group g holds
// "Question g" and the choices "(a) Choice g.1" .. "(d) Choice g.4".
QByteArrayList rawLines(int count)
{
    QByteArrayList lines;
    for (int i = 0; i < count; ++i) {
        const QByteArray group = QByteArray::number(i / 7 + 1);
        const int n = i % 7 + 1;
        if (n < 3)
            lines.append("Heading " + group);
        else if (n == 3)
            lines.append("Question " + group);
        else
            lines.append('(' + QByteArray(1, char('a' + n - 4)) + ") Choice " + group + '.' +
                         QByteArray::number(n - 3));
    }
    return lines;
}

// The lines joined, their line ends taken in turn from ends.
QByteArray joined(const QByteArrayList &lines, const QByteArrayList &ends = {"\r\n"})
{
    QByteArray raw;
    for (qsizetype i = 0; i < lines.size(); ++i)
        raw += lines.at(i) + ends.at(i % ends.size());
    return raw;
}

// Groups 1..184 without 4 and 164..180.
QList<int> practiseGroups()
{
    QList<int> groups{1, 2, 3};
    for (int g = 5; g <= 163; ++g)
        groups.append(g);
    groups.append({181, 182, 183, 184});
    return groups;
}

// A bank whose every slot holds something a load must either replace or keep.
QuestionBank earlierBank()
{
    QuestionBank bank;
    for (int q = 1; q <= QuestionBank::capacity; ++q) {
        bank.setQuestion(q, QStringLiteral("earlier %1").arg(q));
        bank.setChoice(q, 2, QStringLiteral("earlier choice %1").arg(q));
        bank.setAnswer(q, q % 4 + 1);
    }
    bank.setQuestionCount(7);
    return bank;
}

veltrano::Outcome<int> read(bool statements, const QByteArray &raw, QuestionBank &bank,
                            const veltrano::ReadProgress &progress = {})
{
    return statements ? veltrano::readPractise(raw, bank, progress)
                      : veltrano::readSimplePractise(raw, bank, progress);
}

// The error message for a failed check; QVERIFY2 builds it even on success.
template <typename T> QByteArray why(const veltrano::Outcome<T> &outcome)
{
    return outcome.ok() ? QByteArray() : outcome.error().message().toUtf8();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class QuestionFilesTest : public QObject {
    Q_OBJECT

private slots:
    void readsGroupsIntoQuestions_data()
    {
        QTest::addColumn<bool>("statements");
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QList<int>>("groups"); // raw group of each question

        QList<int> allGroups;
        for (int g = 1; g <= 184; ++g)
            allGroups.append(g);
        const QByteArray exact = joined(rawLines(1288));
        const QByteArray longer = exact + joined(rawLines(30)) + "junk \xFF\x81 without end";
        QByteArray unterminated = exact;
        unterminated.chop(2);
        for (const bool statements : {false, true}) {
            const char *form = statements ? "statements" : "simple";
            const QList<int> groups = statements ? practiseGroups() : allGroups;
            QTest::addRow("%s, 1288 lines", form) << statements << exact << groups;
            QTest::addRow("%s, longer file", form) << statements << longer << groups;
            QTest::addRow("%s, last line unended", form) << statements << unterminated << groups;
        }
    }

    void readsGroupsIntoQuestions()
    {
        QFETCH(bool, statements);
        QFETCH(QByteArray, raw);
        QFETCH(QList<int>, groups);
        if (statements) {
            QCOMPARE(groups.at(4 - 1), 5);
            QCOMPARE(groups.at(163 - 1), 181);
        }

        QuestionBank bank = earlierBank();
        QList<int> reported;
        const auto result = read(statements, raw, bank, [&](int group, const QString &line) {
            reported.append(group);
            QCOMPARE(line, QStringLiteral("Question %1").arg(group));
        });
        QVERIFY2(result.ok(), why(result));
        QCOMPARE(result.value(), groups.size());
        QCOMPARE(bank.questionCount(), groups.size());
        QCOMPARE(reported.size(), 184); // skipped groups are read too
        QCOMPARE(reported.last(), 184);

        for (int q = 1; q <= QuestionBank::capacity; ++q) {
            QCOMPARE(bank.pAnswer(q), q % 4 + 1);
            if (q > groups.size()) {
                QCOMPARE(bank.pQuestion(q), QStringLiteral("earlier %1").arg(q));
                continue;
            }
            const int g = groups.at(q - 1);
            QCOMPARE(bank.pQuestion(q), QStringLiteral("Question %1").arg(g));
            for (int c = 1; c <= 4; ++c)
                QCOMPARE(bank.pchoice(q, c), QStringLiteral("Choice %1.%2").arg(g).arg(c));
        }
    }

    void keepsLineTextsWhole_data()
    {
        QTest::addColumn<QByteArrayList>("ends");
        QTest::addColumn<QByteArray>("line"); // used as question 1 and its first choice
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("choice");
        const auto add = [](const char *name, const QByteArrayList &ends, const QByteArray &line,
                            const QString &question, const QString &choice) {
            QTest::addRow("%s", name) << ends << line << question << choice;
        };

        const QByteArrayList crlf{"\r\n"};
        add("CR LF", crlf, "(a) text", "(a) text", "text");
        add("lone CR", {"\r"}, "(a) text", "(a) text", "text");
        add("lone LF", {"\n"}, "(a) text", "(a) text", "text");
        add("mixed ends", {"\r\n", "\r", "\n", "\r"}, "(a) text", "(a) text", "text");
        add("blanks kept", crlf, " (a)  x  ", " (a)  x  ", "  x  ");
        add("any prefix", crlf, "1.\t-rest", "1.\t-rest", "rest");
        add("five characters", crlf, "(a) x", "(a) x", "x");
        add("four characters", crlf, "(a) ", "(a) ", "");
        add("two characters", crlf, "ab", "ab", "");
        add("empty line", crlf, "", "", "");
        add("Windows-1252", crlf, "\"\x93\x80\xE9\x94", "\"“€é”", "”");
    }

    void keepsLineTextsWhole()
    {
        QFETCH(QByteArrayList, ends);
        QFETCH(QByteArray, line);
        QFETCH(QString, question);
        QFETCH(QString, choice);

        QByteArrayList lines = rawLines(1288);
        lines[2] = line;
        lines[3] = line;
        QuestionBank bank;
        const auto result = veltrano::readSimplePractise(joined(lines, ends), bank);
        QVERIFY2(result.ok(), why(result));
        QCOMPARE(bank.pQuestion(1), question);
        QCOMPARE(bank.pchoice(1, 1), choice);
        QCOMPARE(bank.pchoice(1, 2), QStringLiteral("Choice 1.2"));
        QCOMPARE(bank.pchoice(184, 4), QStringLiteral("Choice 184.4")); // no line lost or added
    }

    // A file is read in pieces as it arrives; a line end that falls across
    // two pieces counts once, as it does in a file read whole.
    void readsFilesInPieces_data()
    {
        QTest::addColumn<int>("firstLineLength");
        QTest::addColumn<QByteArrayList>("ends");

        // Files are read 64 KiB at a time.
        for (const int length : {65533, 65534, 65535}) {
            QTest::addRow("CR LF, first line %d bytes", length) << length << QByteArrayList{"\r\n"};
            QTest::addRow("lone CR, first line %d bytes", length) << length << QByteArrayList{"\r"};
        }
    }

    void readsFilesInPieces()
    {
        QFETCH(int, firstLineLength);
        QFETCH(QByteArrayList, ends);

        QByteArrayList lines = rawLines(1300);
        lines[0] = QByteArray(firstLineLength, 'h');
        const QByteArray raw = joined(lines, ends);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("raw.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(raw) == raw.size());
        file.close();

        QuestionBank fromFile;
        QList<int> groups;
        const auto read = veltrano::readSimplePractiseFile(
            path, fromFile, [&groups](int group, const QString &) { groups.append(group); });
        QVERIFY2(read.ok(), why(read));
        QCOMPARE(groups.size(), 184);
        QuestionBank whole;
        QVERIFY(veltrano::readSimplePractise(raw, whole).ok());
        for (int q = 1; q <= 184; ++q) {
            QCOMPARE(fromFile.pQuestion(q), whole.pQuestion(q));
            for (int c = 1; c <= 4; ++c)
                QCOMPARE(fromFile.pchoice(q, c), whole.pchoice(q, c));
        }
        QCOMPARE(fromFile.pchoice(184, 4), QStringLiteral("Choice 184.4"));
    }

    void shortInputIsAnError_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("reason");

        const QString reason = QStringLiteral("input past end of file: line 1288 needed, %1 found");
        QTest::addRow("empty") << QByteArray() << reason.arg(QStringLiteral("0 lines"));
        QTest::addRow("one line") << QByteArray("x") << reason.arg(QStringLiteral("1 line"));
        QTest::addRow("1000 lines")
            << joined(rawLines(1000)) << reason.arg(QStringLiteral("1000 lines"));
        QTest::addRow("1287 lines, lone CR")
            << joined(rawLines(1287), {"\r"}) << reason.arg(QStringLiteral("1287 lines"));
    }

    void shortInputIsAnError()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QString, reason);

        for (const bool statements : {false, true}) {
            QuestionBank bank = earlierBank();
            const auto result = read(statements, raw, bank);
            QVERIFY(!result.ok());
            QCOMPARE(result.error().reason, reason);
            QCOMPARE(bank.questionCount(), 7);
        }
    }

    void writesBothFormsExactly()
    {
        QuestionBank bank;
        bank.setQuestion(1, QStringLiteral("Say \"hi\""));
        bank.setChoice(1, 1, QStringLiteral("café"));
        bank.setChoice(1, 2, QStringLiteral("\"\""));
        bank.setChoice(1, 4, QStringLiteral(" x "));
        bank.setQuestion(2, QStringLiteral("Q2"));
        for (int c = 1; c <= 4; ++c)
            bank.setChoice(2, c, QString::number(c));
        bank.setQuestion(3, QStringLiteral("not written"));
        bank.setQuestionCount(2);

        const auto plain = veltrano::encodeQuestions(bank, OutputForm::Plain);
        QVERIFY(plain.ok());
        QCOMPARE(plain.value(), QByteArray("Say \"hi\"\r\ncaf\xE9\r\n\"\"\r\n\r\n x \r\n"
                                           "Q2\r\n1\r\n2\r\n3\r\n4\r\n"));
        const auto statements = veltrano::encodeQuestions(bank, OutputForm::Statements);
        QVERIFY(statements.ok());
        QCOMPARE(statements.value(), QByteArray("pQuestion(1)=\"Say \"\"hi\"\"\"\r\n"
                                                "pchoice(1,1)=\"caf\xE9\"\r\n"
                                                "pchoice(1,2)=\"\"\"\"\"\"\r\n"
                                                "pchoice(1,3)=\"\"\r\n"
                                                "pchoice(1,4)=\" x \"\r\n"
                                                "pQuestion(2)=\"Q2\"\r\n"
                                                "pchoice(2,1)=\"1\"\r\npchoice(2,2)=\"2\"\r\n"
                                                "pchoice(2,3)=\"3\"\r\npchoice(2,4)=\"4\"\r\n"));
        QVERIFY(statements.value().contains("pchoice(1,2)=\"\"\"\"\"\"\r\n")); // two become six
    }

    void refusesTextsItCannotWrite_data()
    {
        QTest::addColumn<int>("q");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");

        const QString cannot = QStringLiteral(", which Windows-1252 cannot hold");
        QTest::addRow("omega in a question")
            << 12 << 0 << QStringLiteral("Ohm Ω?")
            << QStringLiteral("question 12 holds \"Ω\" (U+03A9)") + cannot;
        QTest::addRow("arrow in a choice")
            << 2 << 3 << QStringLiteral("é → e")
            << QStringLiteral("question 2 choice 3 holds \"→\" (U+2192)") + cannot;
        QTest::addRow("outside the BMP")
            << 1 << 4 << QStringLiteral("ok 😀")
            << QStringLiteral("question 1 choice 4 holds \"😀\" (U+1F600)") + cannot;
        const QString loneSurrogate(QChar(0xD800));
        QTest::addRow("lone surrogate")
            << 5 << 1 << QStringLiteral("a") + loneSurrogate
            << QStringLiteral("question 5 choice 1 holds \"%1\" (U+D800)").arg(loneSurrogate) +
                   cannot;
        QTest::addRow("line feed") << 3 << 0 << QStringLiteral("two\nlines")
                                   << QStringLiteral("question 3 holds a line break");
        QTest::addRow("carriage return")
            << 3 << 2 << QStringLiteral("two\rlines")
            << QStringLiteral("question 3 choice 2 holds a line break");
    }

    void refusesTextsItCannotWrite()
    {
        QFETCH(int, q);
        QFETCH(int, choice);
        QFETCH(QString, text);
        QFETCH(QString, reason);

        QuestionBank bank;
        for (int i = 1; i <= 12; ++i)
            bank.setQuestion(i, QStringLiteral("fine \"é\""));
        bank.setQuestionCount(12);
        if (choice == 0)
            bank.setQuestion(q, text);
        else
            bank.setChoice(q, choice, text);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        const QByteArray earlier = "earlier good output\r\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
        file.close();
        for (const OutputForm form : {OutputForm::Plain, OutputForm::Statements}) {
            const auto encoded = veltrano::encodeQuestions(bank, form);
            QVERIFY(!encoded.ok());
            QCOMPARE(encoded.error().reason, reason);
            const auto error = veltrano::writeQuestionFile(path, bank, form);
            QVERIFY(error.has_value());
            QCOMPARE(error->message(), path + ": " + reason);
            QCOMPARE(fileBytes(path), earlier);
        }
        // No temporary file is left beside it either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.txt")});
    }
};

QTEST_GUILESS_MAIN(QuestionFilesTest)
#include "test_question_files.moc"

// The command-line tool run as a separate process on replays of real byte streams.
#include "Frames.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace qx740::test;

namespace {

struct CliRun
{
    int exitCode = -1;
    QByteArray out, err;
};

CliRun runCli(const QStringList& args, const QByteArray& stdinBytes = {})
{
    QProcess p;
    p.start(QStringLiteral(QX740_CLI), args);
    if (!stdinBytes.isEmpty())
        p.write(stdinBytes);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QString writeTemp(QTemporaryFile& f, const QByteArray& bytes)
{
    EXPECT_TRUE(f.open());
    f.write(bytes);
    f.flush();
    return f.fileName();
}

QList<QJsonObject> jsonLines(const QByteArray& out)
{
    QList<QJsonObject> lines;
    for (const QByteArray& line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError e;
        const QJsonDocument d = QJsonDocument::fromJson(line, &e);
        EXPECT_EQ(e.error, QJsonParseError::NoError) << line.constData();
        lines << d.object();
    }
    return lines;
}

// Three readings, a frame cut by a lost byte, then the first reading again.
QByteArray sampleStream()
{
    QByteArray lost = readingFrame("1234", 2, "25");
    lost.remove(4, 1);
    return readingFrame(" 123", 2, "25") + readingFrame(" 123", 2, "25") +
           readingFrame(" 0L ", 0, "25") + lost + readingFrame(" 123", 2, "25");
}

} // namespace

TEST(Cli, ReplayWritesTheLogAsTheTextExportDoes)
{
    QTemporaryFile f;
    const CliRun r = runCli({QStringLiteral("--replay"), writeTemp(f, sampleStream())});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QList<QByteArray> lines = r.out.split('\n');
    // Header plus four logged rows (the cut frame is dropped), every line ending in CR LF.
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "No\tTime\tValue\tUnit\tValue2\tUnit2\r");
    EXPECT_TRUE(lines[5].isEmpty());
    EXPECT_TRUE(lines[1].startsWith("1\t00:00:00\t1.23\t"));
    EXPECT_TRUE(lines[3].startsWith("3\t00:00:00\t0L\t"));
    EXPECT_TRUE(lines[4].startsWith("4\t00:00:00\t1.23\t"));
}

TEST(Cli, PolicyOptionsAndVirtualClock)
{
    // Readings 1.5 s apart on the virtual clock (360 bytes at 2400 baud): between them, bytes
    // that each end a one-byte frame, which is rejected, so they delay without disturbing.
    QByteArray stream;
    const QByteArray gap(360 - 14, char(0xE0));
    for (int i = 0; i < 6; ++i)
        stream += readingFrame(i < 3 ? " 123" : " 456", 2, "25") + gap;
    QTemporaryFile f;
    const QString file = writeTemp(f, stream);

    struct Case
    {
        QStringList options;
        QList<QByteArray> expectedTimes;
    };
    const Case cases[] = {
        {{}, {"12:00:00", "12:00:01", "12:00:03", "12:00:04", "12:00:06", "12:00:07"}},
        {{QStringLiteral("--no-repeat")}, {"12:00:00", "12:00:04"}},
        {{QStringLiteral("--interval"), QStringLiteral("3")}, {"12:00:00", "12:00:03", "12:00:06"}},
        {{QStringLiteral("--max-records"), QStringLiteral("2")}, {"12:00:00", "12:00:01"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        QStringList args{QStringLiteral("--replay"), file, QStringLiteral("--start-time"),
                         QStringLiteral("12:00:00")};
        args += c.options;
        const CliRun r = runCli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        QList<QByteArray> times;
        const QList<QByteArray> lines = r.out.split('\n');
        for (qsizetype i = 1; i < lines.size(); ++i)
            if (!lines[i].isEmpty())
                times << lines[i].split('\t').value(1);
        EXPECT_EQ(times, c.expectedTimes);
    }
}

TEST(Cli, JsonTracesEveryDecoderCall)
{
    QTemporaryFile f;
    const CliRun r =
        runCli({QStringLiteral("--replay"), writeTemp(f, sampleStream()), QStringLiteral("--json"),
                QStringLiteral("--high"), QStringLiteral("100")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QList<QJsonObject> lines = jsonLines(r.out);
    ASSERT_EQ(lines.size(), 4);
    const QJsonObject first = lines[0];
    EXPECT_EQ(first[QStringLiteral("decoder")].toString(), QStringLiteral("415"));
    EXPECT_EQ(first[QStringLiteral("value")].toString(), QStringLiteral("1.23"));
    EXPECT_EQ(first[QStringLiteral("count")].toDouble(), 123);
    EXPECT_EQ(first[QStringLiteral("number")].toDouble(), 1.23);
    EXPECT_TRUE(first[QStringLiteral("logged")].toBool());
    EXPECT_EQ(first[QStringLiteral("no")].toInt(), 1);
    EXPECT_EQ(first[QStringLiteral("bar")].toInt(), 1);
    EXPECT_EQ(first[QStringLiteral("lcd")].toString().size(), 14);
    EXPECT_DOUBLE_EQ(first[QStringLiteral("t")].toDouble(), 14 * 10.0 / 2400);
    const QJsonObject captions = first[QStringLiteral("captions")].toObject();
    EXPECT_EQ(captions[QStringLiteral("LcdDb")].toString(), QStringLiteral("1"));
    EXPECT_EQ(captions[QStringLiteral("judge")].toString(), QStringLiteral("Pass"));
    // The overload display counts full scale, fails the 100 limit... as a text, "0L" is not a
    // number: Fail, plotted at 4000, and the bar at the overload position.
    const QJsonObject overload = lines[2];
    EXPECT_EQ(overload[QStringLiteral("value")].toString(), QStringLiteral("0L"));
    EXPECT_EQ(overload[QStringLiteral("count")].toDouble(), 4000);
    EXPECT_EQ(overload[QStringLiteral("number")].toDouble(), 4000);
    EXPECT_EQ(overload[QStringLiteral("bar")].toInt(), 40);
    EXPECT_EQ(overload[QStringLiteral("captions")].toObject()[QStringLiteral("judge")].toString(),
              QStringLiteral("Fail"));
}

TEST(Cli, StandardInputAndOtherAssemblers)
{
    // 452 frames: ten bytes and CR, first low digit A; they are mirrored but never logged.
    const QByteArray frame452 = QByteArray("\x3A\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0D", 11);
    CliRun r = runCli({QStringLiteral("--replay"), QStringLiteral("-"), QStringLiteral("--json"),
                       QStringLiteral("--assembler"), QStringLiteral("452")},
                      frame452 + frame452);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    QList<QJsonObject> lines = jsonLines(r.out);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1][QStringLiteral("decoder")].toString(), QStringLiteral("452"));
    EXPECT_FALSE(lines[1][QStringLiteral("logged")].toBool());
    EXPECT_TRUE(lines[1][QStringLiteral("no")].isNull());

    // A 411 frame: its second byte's low digit is F, and it ends in CR LF.
    QByteArray frame411(30, char(0x00));
    frame411[1] = char(0x0F);
    frame411 += "\r\n";
    r = runCli({QStringLiteral("--replay"), QStringLiteral("-"), QStringLiteral("--json"),
                QStringLiteral("--assembler"), QStringLiteral("411")},
               frame411);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    lines = jsonLines(r.out);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0][QStringLiteral("decoder")].toString(), QStringLiteral("411"));
    EXPECT_EQ(lines[0][QStringLiteral("lcd")].toString().size(), 32);
}

TEST(Cli, ErrorsGoToStandardErrorWithNonZeroStatus)
{
    struct Case
    {
        QStringList args;
        int status;
        const char* mentions;
    };
    const Case cases[] = {
        {{}, 2, "--port"},
        {{QStringLiteral("--replay"), QStringLiteral("/nonexistent/capture.bin")},
         1,
         "/nonexistent/capture.bin"},
        {{QStringLiteral("--replay"), QStringLiteral("-"), QStringLiteral("--assembler"),
          QStringLiteral("999")},
         2,
         "--assembler"},
        {{QStringLiteral("--replay"), QStringLiteral("-"), QStringLiteral("--high"),
          QStringLiteral("abc")},
         2,
         "Numerical input errors"},
        {{QStringLiteral("--replay"), QStringLiteral("-"), QStringLiteral("--interval"),
          QStringLiteral("x")},
         2,
         "--interval"},
        {{QStringLiteral("--port"), QStringLiteral("/dev/nonexistent-tty")},
         1,
         "/dev/nonexistent-tty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun r = runCli(c.args);
        EXPECT_EQ(r.exitCode, c.status);
        EXPECT_TRUE(r.err.contains(c.mentions)) << r.err.constData();
    }
    const CliRun help = runCli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--port", "--replay", "--assembler", "--json", "--interval",
                               "--max-records", "--no-repeat", "--start-time", "--baud"})
        EXPECT_TRUE(help.out.contains(option)) << option;
}

TEST(Cli, LivePortLogsUntilTheDeviceVanishes)
{
    int master = -1, slave = -1;
    char name[128] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    // The tool must not inherit our side of the line, or it could never vanish.
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    termios t{};
    ::tcgetattr(slave, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(slave, TCSANOW, &t);

    QProcess p;
    p.start(QStringLiteral(QX740_CLI), {QStringLiteral("--port"), QString::fromLatin1(name)});
    ASSERT_TRUE(p.waitForStarted());
    QByteArray out;
    // Keep writing frames until the tool has opened the port and logged one.
    for (int i = 0; i < 100 && !out.contains("1.23"); ++i) {
        const QByteArray frame = readingFrame(" 123", 2, "25");
        ASSERT_EQ(::write(master, frame.constData(), std::size_t(frame.size())), frame.size());
        p.waitForReadyRead(100);
        out += p.readAllStandardOutput();
    }
    EXPECT_TRUE(out.startsWith("No\tTime\tValue")) << out.constData();
    EXPECT_TRUE(out.contains("\t1.23\t")) << out.constData();

    ::close(slave);
    ::close(master); // the far side vanishes
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardError().contains(name));
}

TEST(Cli, LivePortStopsAfterTheDuration)
{
    int master = -1, slave = -1;
    char name[128] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    const CliRun r = runCli({QStringLiteral("--port"), QString::fromLatin1(name),
                             QStringLiteral("--duration"), QStringLiteral("0.3")});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, "No\tTime\tValue\tUnit\tValue2\tUnit2\r\n");
    ::close(slave);
    ::close(master);
}

TEST(Cli, DecimalSeparatorComesFromTheNumericLocale)
{
    QTemporaryFile f;
    const QString file = writeTemp(f, readingFrame(" 123", 2, "25"));
    struct Case
    {
        const char* lcNumeric;
        const char* high; // a limit the reading passes, written the locale's way
        const char* value;
    };
    const Case cases[] = {{"C", "1.5", "1.23"}, {"de_DE.UTF-8", "1,5", "1,23"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lcNumeric);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LC_ALL"));
        env.insert(QStringLiteral("LC_NUMERIC"), QString::fromLatin1(c.lcNumeric));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QX740_CLI),
                {QStringLiteral("--replay"), file, QStringLiteral("--json"),
                 QStringLiteral("--high"), QString::fromLatin1(c.high)});
        ASSERT_TRUE(p.waitForFinished(30000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
        const QList<QJsonObject> lines = jsonLines(p.readAllStandardOutput());
        ASSERT_EQ(lines.size(), 1);
        EXPECT_EQ(lines[0][QStringLiteral("value")].toString(), QLatin1String(c.value));
        EXPECT_EQ(lines[0][QStringLiteral("number")].toDouble(), 1.23);
        EXPECT_EQ(lines[0][QStringLiteral("captions")].toObject()[QStringLiteral("judge")],
                  QStringLiteral("Pass"));
    }
}

// qx740-cli: the meter logic without a window, for headless logging and decoding captures.
#include "CliOptions.h"

#include "SerialPortComm2.h"
#include "log/TextExport.h"
#include "session/DecodeTrace.h"
#include "session/MeterSession.h"
#include "session/VirtualClockReplay.h"
#include "shell/Texts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/socket.h>
#include <unistd.h>

using namespace qx740;

namespace {

void writeOut(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void writeErr(const QString& message)
{
    std::fprintf(stderr, "qx740-cli: %s\n", message.toLocal8Bit().constData());
}

// Applies the policy options as the window's controls would hold them; false on a bad limit.
bool applyOptions(MeterSession& session, const cli::CliOptions& o)
{
    using W = LimitEdits::Which;
    for (auto [which, text, name] :
         {std::tuple{W::High, o.high, "--high"}, std::tuple{W::Low, o.low, "--low"}}) {
        if (session.limits().textChanged(which, text).rejected) {
            writeErr(
                QStringLiteral("%1 %2: %3")
                    .arg(QLatin1String(name), text, QLatin1String(texts::kNumericalInputErrors)));
            return false;
        }
    }
    session.policy().setRepeat(o.repeat);
    if (o.interval) {
        session.policy().setIntervalEnabled(true);
        // As if set before the readings began: the first reading is logged at once.
        session.policy().setIntervalText(*o.interval);
    }
    if (o.maxRecords)
        session.policy().setMaxRecords(*o.maxRecords);
    if (o.assembler)
        session.setReceiveHandler(*o.assembler);
    return true;
}

// Prints what the log gets (or every decoder call with --json).
void connectOutput(MeterSession& session, bool json, std::function<double()> seconds)
{
    if (!json)
        writeOut(TextExport::headerLine());
    QObject::connect(&session, &MeterSession::decoderCalled, &session,
                     [&session, json, seconds](Decoder d) {
                         if (json) {
                             writeOut(decodeTraceLine(session, d, seconds()));
                         } else if (session.lastLoggedNo()) {
                             const auto& store = session.log().store();
                             writeOut(TextExport::rowLine(store.row(store.size() - 1)));
                         }
                     });
    QObject::connect(&session, &MeterSession::errorRaised, &session,
                     [](const QString& m) { writeErr(m); });
}

int runReplay(const cli::CliOptions& o, const QString& decimalPoint)
{
    QFile in;
    const bool opened = o.replay == QLatin1String("-")
                            ? in.open(stdin, QIODevice::ReadOnly)
                            : (in.setFileName(o.replay), in.open(QIODevice::ReadOnly));
    if (!opened) {
        writeErr(QStringLiteral("cannot read %1: %2").arg(o.replay, in.errorString()));
        return 1;
    }
    const QByteArray bytes = in.readAll();

    const ModelFlags flags = ModelFlags::thisBuild();
    const int baud = o.baud > 0 ? o.baud : applyModelFlags(flags).baudRate;
    VirtualClockReplay clock(baud, o.startTime);
    MeterSession session(flags, decimalPoint, clock);
    if (!applyOptions(session, o))
        return 2;
    connectOutput(session, o.json, [&clock] { return clock.elapsedSeconds(); });
    clock.feed(session, bytes);
    return 0;
}

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &c, 1);
}

int runLive(QCoreApplication& app, const cli::CliOptions& o, const QString& decimalPoint)
{
    const ModelFlags flags = ModelFlags::thisBuild();
    SystemClock clock;
    MeterSession session(flags, decimalPoint, clock);
    if (!applyOptions(session, o))
        return 2;
    QElapsedTimer elapsed;
    elapsed.start();
    connectOutput(session, o.json, [&elapsed] { return double(elapsed.nsecsElapsed()) / 1e9; });

    SerialPortComm2 port;
    QString error;
    if (!port.open(o.port, o.baud > 0 ? o.baud : session.baudRate(), &error)) {
        writeErr(error);
        return 1;
    }
    int status = 0;
    QObject::connect(&port, &ByteSource::received, &session,
                     [&session](const char* d, qsizetype n) { session.receive(d, n); });
    QObject::connect(&port, &ByteSource::lost, &app, [&](const QString& m) {
        writeErr(m);
        status = 1;
        app.quit();
    });

    QTimer watchdog, sampling;
    QObject::connect(&watchdog, &QTimer::timeout, &session, &MeterSession::ConTimerTimer);
    QObject::connect(&sampling, &QTimer::timeout, &session, &MeterSession::TrecordTimer);
    watchdog.start(100);
    sampling.start(1000);
    if (o.duration)
        QTimer::singleShot(qint64(*o.duration * 1000), &app, &QCoreApplication::quit);

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }
    app.exec();
    port.close();
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QString error, help;
    const auto options = cli::parseArguments(app.arguments().mid(1), &error, &help);
    if (!options) {
        if (!help.isEmpty()) {
            writeOut(help.toUtf8());
            return 0;
        }
        writeErr(error);
        return 2;
    }
    const QString decimalPoint = QLocale::system().decimalPoint();
    if (!options->replay.isEmpty())
        return runReplay(*options, decimalPoint);
    return runLive(app, *options, decimalPoint);
}

#include "CliOptions.h"

namespace qx740::cli {

QString helpText()
{
    return QStringLiteral(
        "Usage: qx740-cli (--port DEVICE | --replay FILE) [options]\n"
        "\n"
        "Runs the QX-740 meter logic without a window: assembles the serial bytes into frames,\n"
        "decodes them, judges and logs the readings exactly as the window does.\n"
        "\n"
        "Source (one of):\n"
        "  --port DEVICE        read a live serial port (e.g. /dev/ttyUSB0) until SIGINT/SIGTERM\n"
        "  --duration SECONDS   with --port: stop after this many seconds\n"
        "  --baud N             port speed for --port, and the byte timing of --replay\n"
        "                       (default: the build's speed, 2400)\n"
        "  --replay FILE        raw bytes as they came off the serial line; - for standard input\n"
        "\n"
        "  --assembler 415|452|411  the receive handler that gets the bytes (default 415)\n"
        "\n"
        "Recording policy (the window's defaults unless given):\n"
        "  --high TEXT          high limit text (default 6000)\n"
        "  --low TEXT           low limit text (default -6000)\n"
        "  --no-repeat          do not log a reading equal to the last logged one (\"Repeat\" "
        "off)\n"
        "  --interval N         log at most every N seconds (\"Sampling Interval\" on, text N);\n"
        "                       as if set before the readings began, so the first is logged\n"
        "  --max-records N      record limit (default 10000)\n"
        "\n"
        "Time:\n"
        "  Live runs use the wall clock. A replay runs on an exact virtual clock that starts at\n"
        "  --start-time HH:MM:SS (default 00:00:00): byte i (from 0) arrives at (i+1)*10/baud s,\n"
        "  and the 100 ms link watchdog and 1000 ms sampling timer tick at their multiples,\n"
        "  ticks due at or before a byte firing first. Each byte is its own receive event.\n"
        "\n"
        "Output:\n"
        "  default              the log as the text export writes it: the header line, then each\n"
        "                       row when it is logged (tab-separated, CR LF line ends)\n"
        "  --json               instead, one JSON object per line after every decoder call:\n"
        "                       t, decoder, lcd, captions, shown, value, unit, value2, unit2,\n"
        "                       count, number, logged, no, bar\n"
        "\n"
        "Errors go to standard error with a non-zero exit status (2: bad arguments, 1: "
        "failure).\n");
}

namespace {
constexpr int kMaxDurationSeconds = 2'000'000;

bool isDigits(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}
} // namespace

std::optional<CliOptions> parseArguments(const QStringList& args, QString* error, QString* help)
{
    CliOptions o;
    auto fail = [error](const QString& m) -> std::optional<CliOptions> {
        *error = m;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString* out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            *help = helpText();
            return std::nullopt;
        } else if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--no-repeat")) {
            o.repeat = false;
        } else if (a == QLatin1String("--port") || a == QLatin1String("--replay") ||
                   a == QLatin1String("--baud") || a == QLatin1String("--duration") ||
                   a == QLatin1String("--assembler") || a == QLatin1String("--high") ||
                   a == QLatin1String("--low") || a == QLatin1String("--interval") ||
                   a == QLatin1String("--max-records") || a == QLatin1String("--start-time")) {
            if (!value(&v))
                return fail(QStringLiteral("%1 needs a value").arg(a));
            if (a == QLatin1String("--port")) {
                o.port = v;
            } else if (a == QLatin1String("--replay")) {
                o.replay = v;
            } else if (a == QLatin1String("--baud")) {
                if (!isDigits(v) || v.toInt() <= 0)
                    return fail(QStringLiteral("--baud: not a positive whole number: %1").arg(v));
                o.baud = v.toInt();
            } else if (a == QLatin1String("--duration")) {
                bool ok = false;
                const double d = v.toDouble(&ok);
                if (!ok || d < 0)
                    return fail(QStringLiteral("--duration: not a number of seconds: %1").arg(v));
                // Timers count milliseconds in an int; longer runs need no --duration.
                if (d > kMaxDurationSeconds)
                    return fail(QStringLiteral("--duration: at most %1 seconds (24 days); leave it "
                                               "out to log until stopped")
                                    .arg(kMaxDurationSeconds));
                o.duration = d;
            } else if (a == QLatin1String("--assembler")) {
                if (v == QLatin1String("415"))
                    o.assembler = ReceiveHandler::H415RData;
                else if (v == QLatin1String("452"))
                    o.assembler = ReceiveHandler::H452RData;
                else if (v == QLatin1String("411"))
                    o.assembler = ReceiveHandler::CComm1ReceiveData;
                else
                    return fail(
                        QStringLiteral("--assembler: expected 415, 452 or 411, not %1").arg(v));
            } else if (a == QLatin1String("--high")) {
                o.high = v;
            } else if (a == QLatin1String("--low")) {
                o.low = v;
            } else if (a == QLatin1String("--interval")) {
                // The interval edit takes digits only.
                if (!isDigits(v))
                    return fail(
                        QStringLiteral("--interval: not a whole number of seconds: %1").arg(v));
                o.interval = v;
            } else if (a == QLatin1String("--max-records")) {
                if (!isDigits(v) || v.size() > 9)
                    return fail(QStringLiteral("--max-records: not a whole number: %1").arg(v));
                o.maxRecords = v.toInt();
            } else if (a == QLatin1String("--start-time")) {
                const QTime t = QTime::fromString(v, QStringLiteral("HH:mm:ss"));
                if (!t.isValid())
                    return fail(QStringLiteral("--start-time: expected HH:MM:SS, not %1").arg(v));
                o.startTime = t;
            }
        } else {
            return fail(QStringLiteral("unknown argument: %1 (see --help)").arg(a));
        }
    }
    if (o.port.isEmpty() == o.replay.isEmpty())
        return fail(QStringLiteral("give exactly one of --port DEVICE and --replay FILE"));
    if (o.duration && o.port.isEmpty())
        return fail(QStringLiteral("--duration applies only to --port"));
    return o;
}

} // namespace qx740::cli

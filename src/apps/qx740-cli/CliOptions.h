#pragma once

#include "shell/ModelFlags.h"

#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

namespace qx740::cli {

// What the command line asks for.
struct CliOptions
{
    QString port;   // live serial device, or empty
    QString replay; // replay file ("-" standard input), or empty
    int baud = 0;   // 0: the build's speed
    std::optional<double> duration;
    std::optional<ReceiveHandler> assembler;
    QString high = QStringLiteral("6000");
    QString low = QStringLiteral("-6000");
    bool repeat = true;
    std::optional<QString> interval;
    std::optional<int> maxRecords;
    QTime startTime = QTime(0, 0);
    bool json = false;
};

// Parses arguments (without the program name). On failure returns nullopt and sets *error;
// for --help sets *help to the text to print.
std::optional<CliOptions> parseArguments(const QStringList& args, QString* error, QString* help);

QString helpText();

} // namespace qx740::cli

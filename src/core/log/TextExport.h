#pragma once

#include "LogStore.h"

#include <QByteArray>

namespace qx740 {

// Lines of the tab-separated log text: each ends in CR LF.
namespace TextExport {
// "No" TAB "Time" TAB "Value" TAB "Unit" TAB "Value2" TAB "Unit2" CR LF
QByteArray headerLine();
// The row's No, then each text field trimmed of codes 0 to 32, or "NULL" when that leaves
// nothing, each after a TAB.
QByteArray rowLine(const LogRow& row);
} // namespace TextExport

} // namespace qx740

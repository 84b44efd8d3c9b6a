#pragma once

#include "MeterSession.h"

#include <QByteArray>

namespace qx740 {

// One line of JSON describing what a decoder call left behind: the frame, the captions and
// visible elements of the panel, the reading texts, whether a row was logged and the bar.
QByteArray decodeTraceLine(const MeterSession& session, Decoder decoder, double seconds);

} // namespace qx740

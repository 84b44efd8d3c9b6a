#pragma once

#include <QString>

namespace qx740 {

// "(x64)" when the kernel runs on a 64-bit x86 or Itanium machine, "(x86)" otherwise.
// machine is the kernel's machine name as uname reports it ("x86_64", "ia64", "i686"...).
QString titleMarkerFor(const QString& machine);

// The marker for the machine this process runs on.
QString titleMarker();

} // namespace qx740

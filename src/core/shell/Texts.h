#pragma once

// The system's own captions and messages, each written once.
namespace qx740::texts {

inline constexpr char kInformation[] = "Information";
inline constexpr char kError[] = "Error";

inline constexpr char kQuitQuestion[] = "Are you ensure to exit the program?";
// Asked before the log is emptied; the question names what Yes really does.
inline constexpr char kClearQuestion[] = "Are you sure to clear the recorded data?";
inline constexpr char kNumericalInputErrors[] = "Numerical input errors";
inline constexpr char kUsbSilence[] =
    "USB interface cable is securely connected, please check if the meter is ready.";

inline constexpr char kPass[] = "Pass";
inline constexpr char kFail[] = "Fail";

inline constexpr char kTitle417[] = "QX-740 Interface Program Ver:2.02";
inline constexpr char kTitle438[] = "RK438 Interface Program _Ver: 1.00";
inline constexpr char kTitle452[] = "RK452 USB Interface Program _Ver: 1.00";
inline constexpr char kTitle419[] = "RK419 Interface Program _Ver: 2.06";
inline constexpr char kTitle471[] = "RK471 USB Interface Program _Ver: 1.00";
inline constexpr char kTitleQX5190[] = "QX5190 USB Interface Program _Ver: 1.00";
inline constexpr char kTitle424[] = "RK424 Interface Program _Ver: 1.00";

} // namespace qx740::texts

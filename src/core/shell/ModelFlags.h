#pragma once

#include <QString>

#include <array>

namespace qx740 {

// The receive handler that the serial port's bytes go to.
enum class ReceiveHandler { None, H415RData, H452RData, CComm1ReceiveData };

// The thirteen hidden model-flag check boxes, in the order the window lists them.
enum class ModelFlag {
    IFRK417,
    RK438,
    IFRK452,
    IFRK419,
    IFRK471,
    IFQX5190,
    IFRK424,
    IF7240x,
    IFRK423,
    IF426,
    IF427,
    IF421,
    RK458
};
inline constexpr int kModelFlagCount = 13;

// Which model flags are checked. Fixed for a build; tests may choose others.
class ModelFlags
{
public:
    // The flags of this build: only IFRK417.
    static ModelFlags thisBuild();
    static ModelFlags none() { return {}; }

    bool isChecked(ModelFlag f) const { return m_checked[static_cast<int>(f)]; }
    ModelFlags& set(ModelFlag f, bool on = true);

    static QString objectName(ModelFlag f);
    static QString caption(ModelFlag f);

private:
    std::array<bool, kModelFlagCount> m_checked{};
};

// What the start-up derives from the flags.
struct StartupConfig
{
    ModelFlags flags; // as read
    ReceiveHandler handler = ReceiveHandler::None;
    QString title; // without the 32/64-bit marker
    int baudRate = 2400;
    QString digitsProfile = QStringLiteral("4");
    bool allowsUsbData = false;
    QString lcdDaCaption; // empty: leave the design caption
};

// Reads the flags in their order; a later checked flag overrides handler, title and profile
// key, while a 19200 speed set by an earlier one stays.
StartupConfig applyModelFlags(const ModelFlags& flags);

} // namespace qx740

#include "ModelFlags.h"

#include "Texts.h"

namespace qx740 {

namespace {
struct FlagInfo
{
    const char* name;
    const char* caption;
};
constexpr FlagInfo kFlagInfo[kModelFlagCount] = {
    {"IFRK417", "RK417"},   {"RK438", "RK438"},     {"IFRK452", "RK452"},   {"IFRK419", "RK419"},
    {"IFRK471", "RK471"},   {"IFQX5190", "QX5190"}, {"IFRK424", "IFRK424"}, {"IF7240x", "IF7240x"},
    {"IFRK423", "IFRK423"}, {"IF426", "IF426"},     {"IF427", "IF427"},     {"IF421", "IF421"},
    {"RK458", "RK458"},
};
} // namespace

ModelFlags ModelFlags::thisBuild()
{
    ModelFlags f;
    f.set(ModelFlag::IFRK417);
    return f;
}

ModelFlags& ModelFlags::set(ModelFlag f, bool on)
{
    m_checked[static_cast<int>(f)] = on;
    return *this;
}

QString ModelFlags::objectName(ModelFlag f)
{
    return QString::fromLatin1(kFlagInfo[static_cast<int>(f)].name);
}

QString ModelFlags::caption(ModelFlag f)
{
    return QString::fromLatin1(kFlagInfo[static_cast<int>(f)].caption);
}

StartupConfig applyModelFlags(const ModelFlags& flags)
{
    StartupConfig c;
    c.flags = flags;
    if (flags.isChecked(ModelFlag::IFRK417)) {
        c.handler = ReceiveHandler::H415RData;
        c.title = QString::fromLatin1(texts::kTitle417);
        c.lcdDaCaption = QStringLiteral("3");
        c.allowsUsbData = true;
    }
    if (flags.isChecked(ModelFlag::RK438)) {
        c.handler = ReceiveHandler::H415RData;
        c.title = QString::fromLatin1(texts::kTitle438);
        c.lcdDaCaption = QStringLiteral("3");
    }
    if (flags.isChecked(ModelFlag::IFRK452)) {
        c.handler = ReceiveHandler::H452RData;
        c.title = QString::fromLatin1(texts::kTitle452);
        c.allowsUsbData = true;
    }
    if (flags.isChecked(ModelFlag::IFRK419)) {
        c.handler = ReceiveHandler::H452RData;
        c.title = QString::fromLatin1(texts::kTitle419);
        c.digitsProfile = QStringLiteral("34");
    }
    if (flags.isChecked(ModelFlag::IFRK471)) {
        c.handler = ReceiveHandler::H452RData;
        c.title = QString::fromLatin1(texts::kTitle471);
        c.baudRate = 19200;
        c.digitsProfile = QStringLiteral("4");
    }
    if (flags.isChecked(ModelFlag::IFQX5190)) {
        c.handler = ReceiveHandler::H452RData;
        c.title = QString::fromLatin1(texts::kTitleQX5190);
        c.baudRate = 19200;
        c.digitsProfile = QStringLiteral("4");
    }
    if (flags.isChecked(ModelFlag::IFRK424)) {
        c.handler = ReceiveHandler::H452RData;
        c.title = QString::fromLatin1(texts::kTitle424);
        c.digitsProfile = QStringLiteral("6");
    }
    return c;
}

} // namespace qx740

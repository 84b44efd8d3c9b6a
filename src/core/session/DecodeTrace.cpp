#include "DecodeTrace.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace qx740 {

namespace {
constexpr El kCaptioned[] = {El::LcdDa,    El::LcdDb,    El::LcdDc,   El::LcdDd,
                             El::LcdDa2,   El::LcdDb2,   El::LcdDc2,  El::LcdDd2,
                             El::Label4,   El::Label5,   El::MaxText, El::MinText,
                             El::MaxTextU, El::MinTextU, El::judge,   El::T1VALUE};

const char* decoderName(Decoder d)
{
    switch (d) {
    case Decoder::D415:
        return "415";
    case Decoder::D452:
        return "452";
    case Decoder::D411:
        return "411";
    }
    return "";
}
} // namespace

QByteArray decodeTraceLine(const MeterSession& session, Decoder decoder, double seconds)
{
    const PanelModel& panel = session.panel();
    const ReadingState& st = session.state();

    QJsonObject captions;
    for (El e : kCaptioned)
        captions.insert(elementName(e), panel.caption(e));

    QStringList shown;
    for (int i = 0; i < kElementCount; ++i) {
        const El e = static_cast<El>(i);
        if (elementInfo(e).listed && panel.isShown(e))
            shown << elementName(e);
    }
    std::sort(shown.begin(), shown.end());

    QJsonObject o;
    o.insert(QStringLiteral("t"), seconds);
    o.insert(QStringLiteral("decoder"), QLatin1String(decoderName(decoder)));
    o.insert(QStringLiteral("lcd"), QString::fromStdString(session.lcdHex()));
    o.insert(QStringLiteral("captions"), captions);
    o.insert(QStringLiteral("shown"), QJsonArray::fromStringList(shown));
    o.insert(QStringLiteral("value"), st.ReadingValue);
    o.insert(QStringLiteral("unit"), st.ReadingUnit);
    o.insert(QStringLiteral("value2"), st.ReadingValue2);
    o.insert(QStringLiteral("unit2"), st.ReadingUnit2);
    o.insert(QStringLiteral("count"), st.ReadingCount);
    o.insert(QStringLiteral("number"), st.ReadingNumber);
    const auto no = session.lastLoggedNo();
    o.insert(QStringLiteral("logged"), no.has_value());
    o.insert(QStringLiteral("no"), no ? QJsonValue(*no) : QJsonValue(QJsonValue::Null));
    o.insert(QStringLiteral("bar"), panel.barPosition());
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace qx740

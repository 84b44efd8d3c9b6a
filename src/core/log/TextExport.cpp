#include "TextExport.h"

#include "decode/SegmentDecode.h"

namespace qx740::TextExport {

QByteArray headerLine()
{
    return QByteArrayLiteral("No\tTime\tValue\tUnit\tValue2\tUnit2\r\n");
}

QByteArray rowLine(const LogRow& row)
{
    QByteArray line = row.no ? QByteArray::number(*row.no) : QByteArray();
    for (const QString* t : {&row.time, &row.value, &row.unit, &row.value2, &row.unit2}) {
        const QString trimmed = trimmedControl(*t);
        line += '\t';
        line += trimmed.isEmpty() ? QByteArrayLiteral("NULL") : trimmed.toUtf8();
    }
    line += "\r\n";
    return line;
}

} // namespace qx740::TextExport

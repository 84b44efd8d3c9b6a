#include "LogStore.h"

#include <QByteArray>

#include <cstring>

namespace qx740 {

LogStore::LogStore() = default;
LogStore::~LogStore() = default;

std::uint64_t LogStore::reserveText(std::size_t bytes)
{
    if (m_blockUsed + bytes > kBlockSize) {
        m_blocks.push_back(std::make_unique<unsigned char[]>(kBlockSize));
        m_blockUsed = 0;
    }
    const std::uint64_t pos = (m_blocks.size() - 1) * kBlockSize + m_blockUsed;
    m_blockUsed += bytes;
    return pos;
}

const unsigned char* LogStore::textAt(std::uint64_t pos) const
{
    return m_blocks[pos / kBlockSize].get() + pos % kBlockSize;
}

void LogStore::append(const LogRow& row)
{
    const QString* texts[5] = {&row.time, &row.value, &row.unit, &row.value2, &row.unit2};
    QByteArray utf8[5];
    std::size_t bytes = 0;
    for (int i = 0; i < 5; ++i) {
        QString text = texts[i]->left(kTextLimit);
        // Half of a character outside the basic plane would come back as "?": drop it.
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
        utf8[i] = text.toUtf8(); // 20 characters fit in 80 bytes
        bytes += 1 + std::size_t(utf8[i].size());
    }
    const std::uint64_t pos = reserveText(bytes);
    unsigned char* p = m_blocks[pos / kBlockSize].get() + pos % kBlockSize;
    for (const QByteArray& t : utf8) {
        *p++ = static_cast<unsigned char>(t.size());
        std::memcpy(p, t.constData(), std::size_t(t.size()));
        p += t.size();
    }
    m_entries.push_back({row.no.value_or(0), row.no.has_value() ? 1u : 0u, pos});
}

void LogStore::clear()
{
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_blocks.clear();
    m_blockUsed = kBlockSize;
}

std::optional<int> LogStore::no(qsizetype i) const
{
    const Entry& e = m_entries[std::size_t(i)];
    if (!e.hasNo)
        return std::nullopt;
    return e.no;
}

QString LogStore::field(qsizetype i, Field f) const
{
    if (f == No) {
        const auto n = no(i);
        return n ? QString::number(*n) : QString();
    }
    const unsigned char* p = textAt(m_entries[std::size_t(i)].textPos);
    for (int k = Time; k < f; ++k)
        p += 1 + *p;
    return QString::fromUtf8(reinterpret_cast<const char*>(p + 1), *p);
}

LogRow LogStore::row(qsizetype i) const
{
    LogRow r;
    r.no = no(i);
    r.time = field(i, Time);
    r.value = field(i, Value);
    r.unit = field(i, Unit);
    r.value2 = field(i, Value2);
    r.unit2 = field(i, Unit2);
    return r;
}

std::size_t LogStore::bytesUsed() const
{
    return m_entries.size() * sizeof(Entry) + m_blocks.size() * kBlockSize;
}

} // namespace qx740

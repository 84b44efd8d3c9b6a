#pragma once

#include <QString>

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace qx740 {

// One row of the reading log as callers see it.
struct LogRow
{
    std::optional<int> no; // empty only for imported rows without a number
    QString time, value, unit, value2, unit2;
};

// The log's rows, stored compactly: a 16-byte entry per row and the row's five texts packed
// one after another in large shared blocks (UTF-8, a length byte each). No heap object per
// row or cell, and appending never moves what is stored, so it costs the same at any size.
class LogStore
{
public:
    static constexpr int kTextLimit = 20; // characters kept of each text field
    enum Field { No, Time, Value, Unit, Value2, Unit2, FieldCount };

    LogStore();
    ~LogStore();
    LogStore(const LogStore&) = delete;
    LogStore& operator=(const LogStore&) = delete;

    // Appends a row; texts longer than kTextLimit characters are cut.
    void append(const LogRow& row);
    void clear();

    qsizetype size() const { return qsizetype(m_entries.size()); }
    LogRow row(qsizetype i) const;
    // One field as text; No as decimal text (empty when the row has none).
    QString field(qsizetype i, Field f) const;
    std::optional<int> no(qsizetype i) const;

    // Bytes held for rows, for the memory budget.
    std::size_t bytesUsed() const;

private:
    struct Entry
    {
        std::int32_t no;
        std::uint32_t hasNo;
        std::uint64_t textPos; // block index * kBlockSize + offset
    };
    static constexpr std::size_t kBlockSize = 1 << 20;

    const unsigned char* textAt(std::uint64_t pos) const;
    std::uint64_t reserveText(std::size_t bytes);

    std::deque<Entry> m_entries;
    std::vector<std::unique_ptr<unsigned char[]>> m_blocks;
    std::size_t m_blockUsed = kBlockSize; // bytes used in the last block
};

} // namespace qx740

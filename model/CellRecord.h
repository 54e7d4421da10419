#pragma once

// How cells are stored: each record's fields in stored order, each with its width. Both riddle
// kinds read and write their cell lists through such a table, so field order and record length
// have one source.

#include "RiddleStream.h"

#include <QBuffer>
#include <array>
#include <variant>

template <class TRecord>
using TRecordField =
    std::variant<uint8_t TRecord::*, uint16_t TRecord::*, int32_t TRecord::*, bool TRecord::*>;

template <class TRecord, size_t N>
constexpr int32_t RecordLength(const std::array<TRecordField<TRecord>, N>& Fields) {
    int32_t length = 0;
    for (const TRecordField<TRecord>& f : Fields)
        length += std::visit([](auto M) { return int32_t(sizeof(std::declval<TRecord>().*M)); }, f);
    return length;
}

template <class TRecord, size_t N>
TRecord ReadRecord(TStreamReader& In, const std::array<TRecordField<TRecord>, N>& Fields) {
    TRecord record;
    for (const TRecordField<TRecord>& f : Fields)
        std::visit(
            [&](auto M) {
                auto& field = record.*M;
                using T = std::remove_reference_t<decltype(field)>;
                if constexpr (std::is_same_v<T, bool>)
                    field = In.Bool();
                else if constexpr (sizeof(T) == 1)
                    field = In.U8();
                else if constexpr (sizeof(T) == 2)
                    field = In.U16();
                else
                    field = In.I32();
            },
            f);
    return record;
}

template <class TRecord, size_t N>
void WriteRecord(TStreamWriter& Out, const TRecord& Record,
                 const std::array<TRecordField<TRecord>, N>& Fields) {
    for (const TRecordField<TRecord>& f : Fields)
        std::visit(
            [&](auto M) {
                const auto& field = Record.*M;
                using T = std::remove_cvref_t<decltype(field)>;
                if constexpr (std::is_same_v<T, bool>)
                    Out.Bool(field);
                else if constexpr (sizeof(T) == 1)
                    Out.U8(field);
                else if constexpr (sizeof(T) == 2)
                    Out.U16(field);
                else
                    Out.I32(field);
            },
            f);
}

// A section's payload parsed from memory.
struct TPayload {
    explicit TPayload(QByteArray Bytes) : data(std::move(Bytes)), buffer(&data) {
        buffer.open(QIODevice::ReadOnly);
    }
    QByteArray data;
    QBuffer buffer;
    TStreamReader Reader() { return TStreamReader(buffer); }
};

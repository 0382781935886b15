#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Decoding helpers of the client library: bounds-checked length-coded
// readers over a packet payload, and the row list that holds the rows of a
// buffered result.
namespace mysql {

// The NULL value of a length-coded integer.
constexpr int32_t kNullLength = -1;
constexpr uint64_t kNullLength64 = ~uint64_t(0);

// Length-coded integer at p, never reading at or past end. Advance p past it
// and return true, or return false (p unchanged) when its bytes run past end.
// 0xFB gives the NULL value; the 8-byte form keeps only its low 4 bytes in
// ReadLengthCoded.
bool ReadLengthCoded64(const uint8_t*& p, const uint8_t* end, uint64_t& value);
bool ReadLengthCoded(const uint8_t*& p, const uint8_t* end, int32_t& value);

// length bytes as a string; empty for no bytes.
inline std::string BytesText(const uint8_t* data, size_t length) {
    return data ? std::string(reinterpret_cast<const char*>(data), length) : std::string();
}

inline uint16_t ReadU16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}
inline uint32_t ReadU24(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
}
inline uint32_t ReadU32(const uint8_t* p) {
    return ReadU24(p) | uint32_t(p[3]) << 24;
}
inline void WriteU16(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void WriteU24(uint8_t* p, uint32_t v) {
    WriteU16(p, v);
    p[2] = uint8_t(v >> 16);
}
inline void WriteU32(uint8_t* p, uint32_t v) {
    WriteU24(p, v);
    p[3] = uint8_t(v >> 24);
}

// A cursor over one packet payload. Every read checks the bounds; the first
// read that would pass the end fails and the reader stays failed.
class TPacketReader {
public:
    TPacketReader(const uint8_t* data, size_t length)
        : p_(data)
        , end_(data + length) {}

    bool Ok() const { return ok_; }
    size_t Remaining() const { return ok_ ? size_t(end_ - p_) : 0; }
    const uint8_t* Pos() const { return p_; }

    uint8_t U8();
    uint16_t U16();
    uint32_t U24();
    uint32_t U32();
    void Skip(size_t n);
    uint64_t LengthCoded64();
    // A length-coded string: its bytes, or nullptr with length 0 for NULL.
    const uint8_t* LengthCodedString(size_t& length, bool& isNull);

private:
    bool Need(size_t n);

    const uint8_t* p_;
    const uint8_t* end_;
    bool ok_ = true;
};

// Decodes a row packet (one length-coded string per column) into dst, each
// value followed by a zero byte. dst must have room for length bytes, which
// always suffices: a value takes no more bytes than it took in the packet.
// ends[k] receives the offset just past column k's zero byte; a NULL column
// takes no bytes, so its end equals the previous end. End must hold length.
// longest, when given, is raised to each value's length. Returns the bytes
// used, or -1 for a malformed packet (too few columns or a value past its end).
template <class End>
long DecodeRow(const uint8_t* payload, size_t length, int fieldCount, char* dst, End* ends,
               uint32_t* longest);

// Value k of a row decoded by DecodeRow: nullptr for NULL.
template <class End>
inline const char* RowValue(const char* row, const End* ends, int k, size_t* length) {
    const uint32_t start = k == 0 ? 0 : ends[k - 1];
    if (ends[k] == start) {
        if (length)
            *length = 0;
        return nullptr;
    }
    if (length)
        *length = ends[k] - start - 1;
    return row + start;
}

// The rows of a buffered result. Rows live in large blocks, each row (its
// column ends, then its values) contiguous inside one block, so a result
// costs a few allocations rather than one per value; a row is found by its
// index in constant time. The column ends of a row take 2 bytes each, or 4 in
// a row of 64 KiB and more.
class TRowList {
public:
    explicit TRowList(int fieldCount = 0)
        : fieldCount_(fieldCount) {}
    ~TRowList() { Clear(); }
    TRowList(const TRowList&) = delete;
    TRowList& operator=(const TRowList&) = delete;
    TRowList(TRowList&& other) noexcept { *this = std::move(other); }
    TRowList& operator=(TRowList&& other) noexcept;

    int FieldCount() const { return fieldCount_; }
    uint64_t RowCount() const { return rows_.size(); }

    // Appends the row of a row packet; false when the packet is malformed
    // (nothing is added then). Throws std::bad_alloc when memory runs out.
    bool AddRow(const uint8_t* payload, size_t length, uint32_t* longest);

    // Value of a column of a row (both in range), nullptr for NULL.
    const char* Value(uint64_t row, int column, size_t* length) const {
        const uintptr_t record = rows_[row];
        const size_t fields = size_t(fieldCount_);
        if (record & kWideRow) {
            const char* start = reinterpret_cast<const char*>(record & ~kWideRow);
            return RowValue(start + sizeof(uint32_t) * fields,
                            reinterpret_cast<const uint32_t*>(start), column, length);
        }
        const char* start = reinterpret_cast<const char*>(record);
        return RowValue(start + sizeof(uint16_t) * fields, reinterpret_cast<const uint16_t*>(start),
                        column, length);
    }

    void Clear();

private:
    struct TBlock {
        char* data;
        size_t size;
        bool mapped;
    };
    char* Reserve(size_t bytes);
    static TBlock Allocate(size_t size);

    // Blocks grow from the first size to the large size; large blocks are
    // mapped on huge-page boundaries so that filling them costs few faults.
    static constexpr size_t kFirstBlock = 64 * 1024;
    static constexpr size_t kLargeBlock = 2 * 1024 * 1024;

    // Marks a row with 4-byte ends; rows start on an even address, those with
    // 4-byte ends on a multiple of 4.
    static constexpr uintptr_t kWideRow = 1;

    int fieldCount_ = 0;
    std::vector<uintptr_t> rows_; // per row: its column ends, then its values
    std::vector<TBlock> blocks_;
    size_t nextBlock_ = kFirstBlock;
    char* free_ = nullptr;
    size_t freeLength_ = 0;
};

// A server version text ("4.1.22-community-nt", "5.0.96a-log",
// "10.11.6-MariaDB-0+deb12u1", "5.5.5-10.11.6-MariaDB") as one number,
// major * 10000 + minor * 100 + patch (parts not given count as 0, a patch
// above 99 as 99): 40122, 50096, 101106, 50505. 0 when the text does not
// start with a number.
uint32_t VersionNumber(std::string_view versionText);

} // namespace mysql

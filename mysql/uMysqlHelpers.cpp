#include "uMysqlHelpers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>

namespace mysql {

bool ReadLengthCoded64(const uint8_t*& p, const uint8_t* end, uint64_t& value) {
    if (p >= end)
        return false;
    const uint8_t b = *p;
    size_t size;
    if (b <= 250) {
        value = b;
        ++p;
        return true;
    }
    if (b == 251) {
        value = kNullLength64;
        ++p;
        return true;
    }
    if (b == 252)
        size = 2;
    else if (b == 253)
        size = 3;
    else
        size = 8;
    if (size_t(end - p) < size + 1)
        return false;
    uint64_t v = 0;
    for (size_t i = 0; i < size; ++i)
        v |= uint64_t(p[1 + i]) << (8 * i);
    value = v;
    p += size + 1;
    return true;
}

bool ReadLengthCoded(const uint8_t*& p, const uint8_t* end, int32_t& value) {
    uint64_t v;
    if (!ReadLengthCoded64(p, end, v))
        return false;
    value = v == kNullLength64 && p[-1] == 251 ? kNullLength : int32_t(uint32_t(v));
    return true;
}

bool TPacketReader::Need(size_t n) {
    if (!ok_ || size_t(end_ - p_) < n)
        ok_ = false;
    return ok_;
}

uint8_t TPacketReader::U8() {
    if (!Need(1))
        return 0;
    return *p_++;
}

uint16_t TPacketReader::U16() {
    if (!Need(2))
        return 0;
    const uint16_t v = ReadU16(p_);
    p_ += 2;
    return v;
}

uint32_t TPacketReader::U24() {
    if (!Need(3))
        return 0;
    const uint32_t v = ReadU24(p_);
    p_ += 3;
    return v;
}

uint32_t TPacketReader::U32() {
    if (!Need(4))
        return 0;
    const uint32_t v = ReadU32(p_);
    p_ += 4;
    return v;
}

void TPacketReader::Skip(size_t n) {
    if (Need(n))
        p_ += n;
}

uint64_t TPacketReader::LengthCoded64() {
    uint64_t v = 0;
    if (ok_ && !ReadLengthCoded64(p_, end_, v))
        ok_ = false;
    return ok_ ? v : 0;
}

const uint8_t* TPacketReader::LengthCodedString(size_t& length, bool& isNull) {
    length = 0;
    isNull = false;
    const uint64_t n = LengthCoded64();
    if (!ok_)
        return nullptr;
    if (n == kNullLength64 && p_[-1] == 251) {
        isNull = true;
        return nullptr;
    }
    if (uint64_t(end_ - p_) < n) {
        ok_ = false;
        return nullptr;
    }
    const uint8_t* data = p_;
    p_ += n;
    length = size_t(n);
    return data;
}

namespace {

// Copies a value; short values (most of a typical row) without a call.
inline void CopyValue(char* dst, const uint8_t* src, size_t n) {
    if (n >= 32) {
        std::memcpy(dst, src, n);
        return;
    }
    if (n & 16) {
        std::memcpy(dst, src, 16);
        dst += 16;
        src += 16;
    }
    if (n & 8) {
        std::memcpy(dst, src, 8);
        dst += 8;
        src += 8;
    }
    if (n & 4) {
        std::memcpy(dst, src, 4);
        dst += 4;
        src += 4;
    }
    if (n & 2) {
        std::memcpy(dst, src, 2);
        dst += 2;
        src += 2;
    }
    if (n & 1)
        *dst = char(*src);
}

} // namespace

template <class End>
long DecodeRow(const uint8_t* payload, size_t length, int fieldCount, char* dst, End* ends,
               uint32_t* longest) {
    const uint8_t* p = payload;
    const uint8_t* const end = payload + length;
    uint32_t used = 0;
    for (int k = 0; k < fieldCount; ++k) {
        if (p >= end)
            return -1;
        uint64_t n = *p;
        if (n < 251) {
            ++p;
        } else if (n == 251) {
            ++p;
            ends[k] = End(used);
            continue;
        } else if (!ReadLengthCoded64(p, end, n)) {
            return -1;
        }
        if (uint64_t(end - p) < n)
            return -1;
        CopyValue(dst + used, p, size_t(n));
        p += n;
        used += uint32_t(n);
        dst[used++] = '\0';
        ends[k] = End(used);
        if (longest && n > longest[k])
            longest[k] = uint32_t(n);
    }
    return long(used);
}

template long DecodeRow<uint16_t>(const uint8_t*, size_t, int, char*, uint16_t*, uint32_t*);
template long DecodeRow<uint32_t>(const uint8_t*, size_t, int, char*, uint32_t*, uint32_t*);

TRowList& TRowList::operator=(TRowList&& other) noexcept {
    if (this != &other) {
        Clear();
        fieldCount_ = other.fieldCount_;
        rows_ = std::move(other.rows_);
        blocks_ = std::move(other.blocks_);
        nextBlock_ = other.nextBlock_;
        free_ = other.free_;
        freeLength_ = other.freeLength_;
        other.rows_.clear();
        other.blocks_.clear();
        other.free_ = nullptr;
        other.freeLength_ = 0;
        other.nextBlock_ = kFirstBlock;
    }
    return *this;
}

TRowList::TBlock TRowList::Allocate(size_t size) {
    if (size < kLargeBlock) {
        char* data = static_cast<char*>(std::malloc(size));
        if (!data)
            throw std::bad_alloc();
        return {data, size, false};
    }
    size = (size + kLargeBlock - 1) & ~(kLargeBlock - 1);
    void* area = ::mmap(nullptr, size + kLargeBlock, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (area == MAP_FAILED)
        throw std::bad_alloc();
    // Keep the huge-page aligned part of the area.
    const auto start = reinterpret_cast<uintptr_t>(area);
    const uintptr_t aligned = (start + kLargeBlock - 1) & ~uintptr_t(kLargeBlock - 1);
    if (aligned > start)
        ::munmap(area, aligned - start);
    const uintptr_t end = start + size + kLargeBlock;
    if (end > aligned + size)
        ::munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
    ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    return {reinterpret_cast<char*>(aligned), size, true};
}

char* TRowList::Reserve(size_t bytes) {
    if (bytes <= freeLength_)
        return free_;
    if (bytes > nextBlock_ / 4) {
        // A large row gets a block of its own; the current block keeps
        // serving smaller rows.
        blocks_.reserve(blocks_.size() + 1);
        blocks_.push_back(Allocate(bytes));
        return blocks_.back().data;
    }
    blocks_.reserve(blocks_.size() + 1);
    blocks_.push_back(Allocate(nextBlock_));
    free_ = blocks_.back().data;
    freeLength_ = blocks_.back().size;
    nextBlock_ = std::min(nextBlock_ * 2, kLargeBlock);
    return free_;
}

bool TRowList::AddRow(const uint8_t* payload, size_t length, uint32_t* longest) {
    // A row is its column ends followed by its values. Its values take no
    // more bytes than its packet, so 2-byte ends hold a packet below 64 KiB.
    const bool wide = length > 0xFFFF;
    const size_t endsSize = (wide ? sizeof(uint32_t) : sizeof(uint16_t)) * size_t(fieldCount_);
    char* const reserved = Reserve(endsSize + length + 4);
    char* record = reserved;
    long used;
    if (wide) {
        record += (4 - reinterpret_cast<uintptr_t>(record) % 4) % 4;
        used = DecodeRow(payload, length, fieldCount_, record + endsSize,
                         reinterpret_cast<uint32_t*>(record), longest);
    } else {
        used = DecodeRow(payload, length, fieldCount_, record + endsSize,
                         reinterpret_cast<uint16_t*>(record), longest);
    }
    if (used < 0)
        return false;
    if (reserved == free_) {
        const size_t size = (size_t(record - reserved) + endsSize + size_t(used) + 1) & ~size_t(1);
        free_ += size;
        freeLength_ -= size;
    }
    rows_.push_back(reinterpret_cast<uintptr_t>(record) | (wide ? kWideRow : 0));
    return true;
}

void TRowList::Clear() {
    for (const TBlock& block : blocks_) {
        if (block.mapped)
            ::munmap(block.data, block.size);
        else
            std::free(block.data);
    }
    rows_.clear();
    blocks_.clear();
    free_ = nullptr;
    freeLength_ = 0;
    nextBlock_ = kFirstBlock;
}

uint32_t VersionNumber(std::string_view versionText) {
    uint32_t parts[3] = {};
    size_t at = 0;
    for (int part = 0; part < 3; ++part) {
        if (part > 0) {
            if (at >= versionText.size() || versionText[at] != '.')
                break;
            ++at;
        }
        const size_t start = at;
        while (at < versionText.size() && at - start < 3 && versionText[at] >= '0' &&
               versionText[at] <= '9')
            parts[part] = parts[part] * 10 + uint32_t(versionText[at++] - '0');
        if (at == start) {
            if (part == 0)
                return 0;
            break;
        }
        // A letter or more digits after the number ("96a") end the part.
        while (at < versionText.size() && versionText[at] != '.' && versionText[at] != '-')
            ++at;
    }
    return parts[0] * 10000 + std::min(parts[1], 99u) * 100 + std::min(parts[2], 99u);
}

} // namespace mysql

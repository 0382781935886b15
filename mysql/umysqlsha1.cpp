#include "umysqlsha1.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace mysql {

namespace {

constexpr uint32_t kInitial[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};

inline uint32_t Rotl(uint32_t value, int bits) {
    return (value << bits) | (value >> (32 - bits));
}

void ProcessBlock(TSha1Context& c) {
    uint32_t w[80];
    for (int t = 0; t < 16; ++t)
        w[t] = uint32_t(c.block[t * 4]) << 24 | uint32_t(c.block[t * 4 + 1]) << 16 |
               uint32_t(c.block[t * 4 + 2]) << 8 | uint32_t(c.block[t * 4 + 3]);
    for (int t = 16; t < 80; ++t)
        w[t] = Rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
    uint32_t a = c.intermediate[0], b = c.intermediate[1], cc = c.intermediate[2],
             d = c.intermediate[3], e = c.intermediate[4];
    for (int t = 0; t < 80; ++t) {
        uint32_t f, k;
        if (t < 20) {
            f = (b & cc) | (~b & d);
            k = 0x5A827999;
        } else if (t < 40) {
            f = b ^ cc ^ d;
            k = 0x6ED9EBA1;
        } else if (t < 60) {
            f = (b & cc) | (b & d) | (cc & d);
            k = 0x8F1BBCDC;
        } else {
            f = b ^ cc ^ d;
            k = 0xCA62C1D6;
        }
        const uint32_t temp = Rotl(a, 5) + f + e + w[t] + k;
        e = d;
        d = cc;
        cc = Rotl(b, 30);
        b = a;
        a = temp;
    }
    c.intermediate[0] += a;
    c.intermediate[1] += b;
    c.intermediate[2] += cc;
    c.intermediate[3] += d;
    c.intermediate[4] += e;
    c.blockIndex = 0;
}

void PadMessage(TSha1Context& c) {
    c.block[c.blockIndex++] = 0x80;
    if (c.blockIndex > 56) {
        while (c.blockIndex < 64)
            c.block[c.blockIndex++] = 0;
        ProcessBlock(c);
    }
    while (c.blockIndex < 56)
        c.block[c.blockIndex++] = 0;
    for (int i = 0; i < 8; ++i)
        c.block[56 + i] = uint8_t(c.length >> (56 - 8 * i));
    ProcessBlock(c);
}

} // namespace

int Sha1Reset(TSha1Context& context) {
    std::memcpy(context.intermediate, kInitial, sizeof kInitial);
    context.length = 0;
    context.blockIndex = 0;
    std::memset(context.block, 0, sizeof context.block);
    context.computed = false;
    context.corrupted = false;
    return shaSuccess;
}

int Sha1Input(TSha1Context& context, const void* data, size_t length) {
    if (length == 0)
        return shaSuccess;
    assert(data != nullptr && "Empty array paased to sha1Input");
    if (data == nullptr)
        return shaNull;
    if (context.computed)
        context.corrupted = true;
    if (context.corrupted)
        return shaStateError;
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (length > 0) {
        const size_t take = std::min<size_t>(length, size_t(64 - context.blockIndex));
        std::memcpy(context.block + context.blockIndex, bytes, take);
        context.blockIndex += int(take);
        context.length += uint64_t(take) * 8;
        bytes += take;
        length -= take;
        if (context.blockIndex == 64)
            ProcessBlock(context);
    }
    return shaSuccess;
}

int Sha1Result(TSha1Context& context, uint8_t* digest) {
    assert(digest != nullptr && "Empty array passed to sha1Result");
    if (digest == nullptr)
        return shaNull;
    if (context.corrupted)
        return shaStateError;
    if (!context.computed) {
        PadMessage(context);
        std::memset(context.block, 0, sizeof context.block);
        context.computed = true;
    }
    for (size_t i = 0; i < kSha1HashSize; ++i)
        digest[i] = uint8_t(context.intermediate[i / 4] >> (8 * (3 - i % 4)));
    return shaSuccess;
}

void Sha1(const void* data, size_t length, uint8_t* digest) {
    TSha1Context context;
    Sha1Reset(context);
    Sha1Input(context, data, length);
    Sha1Result(context, digest);
}

} // namespace mysql

#include "uMysqlNet.h"

#include "uMysqlCT.h"
#include "uMysqlErrors.h"
#include "uMysqlHelpers.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <zlib.h>

namespace mysql {

namespace {

constexpr size_t kHeaderSize = 4;
constexpr size_t kCompressedHeaderSize = 7;

} // namespace

void TMysqlNet::Reset() {
    buffer_.assign(kNetBufferLength, 0);
    buffer_.shrink_to_fit();
    writePos_ = readPos_ = 0;
    sequence_ = 0;
    compress_ = false;
    filled_ = kNetBufferLength;
    where_ = 0;
    remaining_ = 0;
    protocolVersion_ = kProtocolVersion;
    state_ = 0;
    savedByte_ = 0;
    innerSequence_ = 0;
    tooLarge_ = false;
    aheadPos_ = aheadEnd_ = 0;
}

int TMysqlNet::Connect(uint8_t kind, const std::string& host, bool fallBack, unsigned timeout,
                       int port, const std::string& pipeName) {
    if (vio_.IsOpen())
        return 0;
    const int rc = vio_.Connect(kind, host, pipeName, port, timeout, fallBack);
    if (rc != 0)
        return rc;
    Reset();
    return 0;
}

int TMysqlNet::Attach(int fd) {
    if (vio_.IsOpen())
        return 0;
    const int rc = vio_.Attach(fd);
    if (rc != 0)
        return rc;
    Reset();
    return 0;
}

int TMysqlNet::Close() {
    const int rc = vio_.IsOpen() ? vio_.Close() : 0;
    std::vector<uint8_t>().swap(buffer_);
    std::vector<uint8_t>().swap(scratch_);
    std::vector<uint8_t>().swap(ahead_);
    aheadPos_ = aheadEnd_ = 0;
    remaining_ = 0;
    return rc;
}

void TMysqlNet::CloseTransport() {
    vio_.Close();
    aheadPos_ = aheadEnd_ = 0;
}

void TMysqlNet::Clear() {
    sequence_ = 0;
    writePos_ = 0;
}

void TMysqlNet::ReleaseLargeScratch() {
    if (scratch_.capacity() > kKeptScratch)
        std::vector<uint8_t>().swap(scratch_);
}

int TMysqlNet::WritePacket(const void* data, size_t length) {
    if (length >= kMaxPacketLength) {
        SetErrorCode(ER_NET_PACKET_TOO_LARGE);
        return 1;
    }
    uint8_t header[kHeaderSize];
    WriteU24(header, uint32_t(length));
    header[3] = compress_ ? 0 : sequence_++;
    if (!Queue(header, sizeof header) || !Queue(static_cast<const uint8_t*>(data), length))
        return 1;
    return 0;
}

int TMysqlNet::WriteCommand(uint8_t command, const void* argument, size_t length) {
    if (length >= kMaxPacketLength) {
        SetErrorCode(ER_NET_PACKET_TOO_LARGE);
        return 1;
    }
    uint8_t header[kHeaderSize + 1];
    WriteU24(header, uint32_t(length + 1));
    header[3] = compress_ ? 0 : sequence_++;
    header[4] = command;
    if (!Queue(header, sizeof header) || !Queue(static_cast<const uint8_t*>(argument), length))
        return 1;
    if (length + 1 == kMaxPacketLength) {
        // A packet of the largest length announces a continuation: an empty
        // one ends it.
        uint8_t trailer[kHeaderSize] = {0, 0, 0, uint8_t(compress_ ? 0 : sequence_++)};
        if (!Queue(trailer, sizeof trailer))
            return 1;
    }
    return Flush() == 0 ? 0 : 1;
}

bool TMysqlNet::Queue(const uint8_t* data, size_t length) {
    if (buffer_.empty())
        return false;
    while (buffer_.size() - writePos_ < length) {
        const size_t free = buffer_.size() - writePos_;
        std::memcpy(buffer_.data() + writePos_, data, free);
        data += free;
        length -= free;
        writePos_ = 0;
        if (Send(buffer_.data(), buffer_.size()) != 0)
            return false;
    }
    if (length)
        std::memcpy(buffer_.data() + writePos_, data, length);
    writePos_ += length;
    return true;
}

int TMysqlNet::Flush() {
    int rc = 0;
    if (writePos_ != 0 && !buffer_.empty())
        rc = Send(buffer_.data(), writePos_);
    writePos_ = 0;
    return rc;
}

int TMysqlNet::Send(const uint8_t* data, size_t length) {
    if (!vio_.IsOpen())
        return kSendClosed;
    const bool wasBlocking = vio_.IsBlocking();
    state_ = 2;
    const uint8_t* out = data;
    size_t outLength = length;
    if (compress_) {
        try {
            const size_t area = length * 120 / 100 + 12;
            scratch_.resize(kCompressedHeaderSize + std::max(area, length));
        } catch (const std::bad_alloc&) {
            state_ = 0;
            return kSendNoMemory;
        }
        uint8_t* packet = scratch_.data();
        uLongf packed = uLongf(length * 120 / 100 + 12);
        uint32_t original = 0;
        size_t body = length;
        if (length >= kMinCompressLength &&
            compress(packet + kCompressedHeaderSize, &packed, data, uLong(length)) == Z_OK &&
            packed < length) {
            original = uint32_t(length);
            body = packed;
        } else {
            std::memcpy(packet + kCompressedHeaderSize, data, length);
        }
        WriteU24(packet, uint32_t(body));
        packet[3] = sequence_++;
        innerSequence_ = sequence_;
        WriteU24(packet + 4, original);
        out = packet;
        outLength = body + kCompressedHeaderSize;
    }
    size_t sent = 0;
    int retries = 0;
    while (sent < outLength) {
        const long n = vio_.Write(out + sent, outLength - sent);
        if (n > 0) {
            sent += size_t(n);
            continue;
        }
        if (!vio_.IsBlocking()) {
            if (++retries <= 2) {
                vio_.SetBlocking(true);
                continue;
            }
        } else if (vio_.ShouldRetry()) {
            if (++retries <= 2)
                continue;
        }
        if (vio_.WasInterrupted())
            continue;
        break;
    }
    vio_.SetBlocking(wasBlocking);
    state_ = 0;
    ReleaseLargeScratch();
    return sent == outLength ? 0 : kSendIncomplete;
}

bool TMysqlNet::Receive(uint8_t* dst, size_t length, int& retries) {
    while (length > 0) {
        if (aheadPos_ < aheadEnd_) {
            const size_t take = std::min(length, aheadEnd_ - aheadPos_);
            std::memcpy(dst, ahead_.data() + aheadPos_, take);
            aheadPos_ += take;
            dst += take;
            length -= take;
            continue;
        }
        long n;
        if (readAhead_ && length < kReadAheadSize) {
            if (ahead_.size() != kReadAheadSize)
                ahead_.resize(kReadAheadSize);
            n = vio_.Read(ahead_.data(), kReadAheadSize);
            if (n > 0) {
                aheadPos_ = 0;
                aheadEnd_ = size_t(n);
                continue;
            }
        } else {
            n = vio_.Read(dst, length);
            if (n > 0) {
                dst += n;
                length -= size_t(n);
                continue;
            }
        }
        if (vio_.ShouldRetry() && ++retries <= 2)
            continue;
        if (vio_.WasInterrupted())
            continue;
        return false;
    }
    return true;
}

int TMysqlNet::ReceivePhysical(size_t& uncompressedLength) {
    if (!vio_.IsOpen() || buffer_.empty())
        return -1;
    state_ = 1;
    const size_t headerSize = compress_ ? kCompressedHeaderSize : kHeaderSize;
    uncompressedLength = 0;
    int retries = 0;
    uint8_t header[kCompressedHeaderSize];
    if (!Receive(header, headerSize, retries) || header[3] != sequence_) {
        state_ = 0;
        return -1;
    }
    ++sequence_;
    if (compress_)
        uncompressedLength = ReadU24(header + 4);
    const size_t length = ReadU24(header);
    const size_t needed = where_ + std::max(length, uncompressedLength);
    // The limit holds whatever the buffer has grown to before.
    if (needed + 1 >= kMaxBufferSize) {
        SetErrorCode(ER_NET_PACKET_TOO_LARGE);
        tooLarge_ = true;
        state_ = 0;
        return -1;
    }
    if (needed >= buffer_.size() && !GrowBuffer(needed + 1)) {
        state_ = 0;
        return -1;
    }
    if (!Receive(buffer_.data() + where_, length, retries)) {
        state_ = 0;
        return -1;
    }
    state_ = 0;
    return int(length);
}

int TMysqlNet::ReadPacket() {
    tooLarge_ = false;
    if (compress_)
        return ReadPacketCompressed();
    where_ = 0;
    size_t unused;
    const int length = ReceivePhysical(unused);
    readPos_ = where_;
    if (length >= 0)
        buffer_[readPos_ + size_t(length)] = 0;
    return length;
}

int TMysqlNet::ReadPacketCompressed() {
    if (buffer_.empty())
        return -1;
    if (remaining_ != 0)
        buffer_[filled_ - remaining_] = savedByte_;
    size_t length;
    for (;;) {
        if (remaining_ != 0) {
            const size_t at = filled_ - remaining_;
            if (remaining_ >= kHeaderSize) {
                const size_t inner = ReadU24(buffer_.data() + at);
                if (inner <= remaining_ - kHeaderSize) {
                    if (buffer_[at + 3] != innerSequence_)
                        return -1;
                    ++innerSequence_;
                    length = inner;
                    remaining_ -= inner + kHeaderSize;
                    readPos_ = at + kHeaderSize;
                    break;
                }
            }
            if (filled_ != remaining_) {
                std::memmove(buffer_.data(), buffer_.data() + at, remaining_);
                filled_ = remaining_;
            }
            where_ = filled_;
        } else {
            where_ = 0;
            filled_ = 0;
        }
        size_t original;
        const int got = ReceivePhysical(original);
        if (got < 0)
            return -1;
        size_t size = size_t(got);
        if (original != 0) {
            try {
                if (scratch_.size() < original)
                    scratch_.resize(original);
            } catch (const std::bad_alloc&) {
                return -1;
            }
            uLongf unpacked = uLongf(original);
            if (uncompress(scratch_.data(), &unpacked, buffer_.data() + where_, uLong(size)) !=
                        Z_OK ||
                unpacked != original)
                return -1;
            std::memcpy(buffer_.data() + where_, scratch_.data(), original);
            size = original;
        }
        filled_ += size;
        remaining_ += size;
    }
    uint8_t& after = buffer_[readPos_ + length];
    savedByte_ = after;
    after = 0;
    return int(length);
}

void TMysqlNet::ProtocolFault() {
    CloseTransport();
    SetError(CR_SERVER_LOST, ClientErrorText(CR_SERVER_LOST));
}

int TMysqlNet::ReadReply(uint32_t clientFlags) {
    const int length = ReadPacket();
    if (length <= 0) {
        CloseTransport();
        const int code = tooLarge_ ? CR_NET_PACKET_TOO_LARGE : CR_SERVER_LOST;
        SetError(code, ClientErrorText(code));
        return -1;
    }
    const uint8_t* p = ReadPos();
    if (p[0] != kErrorMarker)
        return length;
    if (length <= 3) {
        SetError(CR_UNKNOWN_ERROR, ClientErrorText(CR_UNKNOWN_ERROR));
        return -1;
    }
    const uint8_t* message = p + 1;
    const uint8_t* const end = p + length;
    int code;
    if (protocolVersion_ <= 9) {
        code = CR_UNKNOWN_ERROR;
    } else {
        code = ReadU16(message);
        message += 2;
        if ((clientFlags & CLIENT_PROTOCOL_41) && message < end && *message == '#')
            message += std::min<size_t>(6, size_t(end - message));
    }
    const size_t size = std::min<size_t>(size_t(end - message), kMaxServerMessage);
    SetError(code, std::string(reinterpret_cast<const char*>(message), size));
    return -1;
}

bool TMysqlNet::GrowBuffer(size_t needed) {
    if (needed >= kMaxBufferSize) {
        SetErrorCode(ER_NET_PACKET_TOO_LARGE);
        return false;
    }
    const size_t size = (needed + 4095) & ~size_t(4095);
    try {
        buffer_.resize(size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    writePos_ = readPos_ = 0;
    return true;
}

bool TMysqlNet::ShrinkBuffer() {
    if (state_ == 0)
        ReleaseLargeScratch();
    // A buffer still holding unread packets of a compressed block keeps them.
    if (state_ != 0 || filled_ <= kNetBufferLength || remaining_ != 0 || buffer_.empty())
        return true;
    try {
        std::vector<uint8_t> small(kNetBufferLength);
        buffer_.swap(small);
    } catch (const std::bad_alloc&) {
        return false;
    }
    writePos_ = readPos_ = 0;
    return true;
}

} // namespace mysql

#pragma once

#include "uMysqlVio.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The packet layer of the client library: frames outgoing packets with a
// length and a sequence number, optionally compresses them, reads incoming
// packets into one growable buffer with sequence checks, and recognises the
// server's error packet.
namespace mysql {

class TMysqlNet {
public:
    // Send results.
    static constexpr int kSendClosed = -1;
    static constexpr int kSendNoMemory = 1;
    static constexpr int kSendIncomplete = 2;

    TMysqlNet() = default;
    TMysqlNet(const TMysqlNet&) = delete;
    TMysqlNet& operator=(const TMysqlNet&) = delete;

    int Connect(uint8_t kind, const std::string& host, bool fallBack, unsigned timeout, int port,
                const std::string& pipeName);
    // Opens the layer over an already connected socket (see TMysqlVio::Attach).
    int Attach(int fd);
    // Closes the transport and frees every buffer, also after a read that
    // already closed the transport.
    int Close();
    // Starts a new command: sequence 0, nothing queued.
    void Clear();

    // Queues one packet. 0, or 1 (1153 for a payload of 0xFFFFFF bytes or more).
    int WritePacket(const void* data, size_t length);
    // Queues a command packet and flushes. 0 or 1.
    int WriteCommand(uint8_t command, const void* argument, size_t length);
    int Flush();

    // Reads the next packet: its payload length, or -1. The payload starts at
    // ReadPos() and is followed by a zero byte.
    int ReadPacket();
    // Reads a reply: its length, or -1 with the error set (2013 or 2020 for a
    // lost or oversized reply, which closes the transport; the server's error
    // for an error packet).
    int ReadReply(uint32_t clientFlags);
    // Compressed mode: packets of the last block are still unread. Between
    // two commands they are what the server sent beyond its last reply,
    // since a block belongs to one answer.
    bool BlockHasMore() const { return remaining_ != 0; }
    // Bytes received from the transport and not yet taken as packets.
    size_t BytesAhead() const { return aheadEnd_ - aheadPos_ + remaining_; }

    bool GrowBuffer(size_t needed);
    bool ShrinkBuffer();

    // Closes the transport after a reply that cannot be trusted and reports
    // it as a lost connection (2013).
    void ProtocolFault();

    const uint8_t* ReadPos() const { return buffer_.data() + readPos_; }

    bool IsOpen() const { return vio_.IsOpen(); }
    uint8_t Kind() const { return vio_.Kind(); }
    bool Compress() const { return compress_; }
    void SetCompress(bool on) { compress_ = on; }
    int ProtocolVersion() const { return protocolVersion_; }
    void SetProtocolVersion(int version) { protocolVersion_ = version; }
    uint8_t Sequence() const { return sequence_; }
    size_t BufferSize() const { return buffer_.size(); }
    // Bytes the layer holds in its buffers (packets, compression, reading
    // ahead).
    size_t HeldBytes() const {
        return buffer_.capacity() + scratch_.capacity() + ahead_.capacity();
    }
    int State() const { return state_; }

    // Reading ahead: the layer asks the transport for up to 64 KiB at a time
    // and serves headers and payloads from what it got, instead of one
    // receive per header and one per payload. On by default.
    void SetReadAhead(bool on) { readAhead_ = on; }
    bool ReadAhead() const { return readAhead_; }

    bool TimedOut() const { return vio_.TimedOut(); }
    void SetDeadline(TMysqlDeadline deadline) { vio_.SetDeadline(deadline); }

    int ErrorCode() const { return vio_.ErrorCode(); }
    void SetErrorCode(int code) { vio_.SetErrorCode(code); }
    const std::string& ErrorText() const { return vio_.ErrorText(); }
    void SetErrorText(std::string text) { vio_.SetErrorText(std::move(text)); }
    void SetError(int code, std::string text) { vio_.SetError(code, std::move(text)); }

    TMysqlVio& Vio() { return vio_; }
    const TMysqlVio& Vio() const { return vio_; }

private:
    void Reset();
    bool Queue(const uint8_t* data, size_t length);
    int Send(const uint8_t* data, size_t length);
    bool Receive(uint8_t* dst, size_t length, int& retries);
    int ReceivePhysical(size_t& uncompressedLength);
    int ReadPacketCompressed();
    void CloseTransport();
    void ReleaseLargeScratch();

    static constexpr size_t kReadAheadSize = 64 * 1024;
    // A compression area larger than this is freed once its command or its
    // reply is done.
    static constexpr size_t kKeptScratch = 64 * 1024;

    TMysqlVio vio_;
    bool compress_ = false;
    int state_ = 0; // 0 idle, 1 reading, 2 writing
    std::vector<uint8_t> buffer_;
    uint8_t sequence_ = 0;
    size_t writePos_ = 0;
    size_t readPos_ = 0;
    size_t filled_ = 0;    // compressed mode: uncompressed bytes held in the buffer
    size_t where_ = 0;     // offset at which the next physical packet is read
    size_t remaining_ = 0; // compressed mode: bytes after the current packet
    uint8_t savedByte_ = 0;
    int protocolVersion_ = 10;
    // Compressed mode: the sequence number of the next plain packet inside
    // the server's blocks. The server numbers them on from the number of
    // the block that starts its answer.
    uint8_t innerSequence_ = 0;
    bool tooLarge_ = false; // the last read failed on the buffer limit

    std::vector<uint8_t> scratch_; // compression and decompression area
    bool readAhead_ = true;
    std::vector<uint8_t> ahead_;
    size_t aheadPos_ = 0;
    size_t aheadEnd_ = 0;
};

} // namespace mysql

#pragma once

#include <cstddef>
#include <cstdint>

// SHA-1 (FIPS 180-1) with the usual streaming interface.
namespace mysql {

constexpr size_t kSha1HashSize = 20;

enum Sha1Status : int {
    shaSuccess = 0,
    shaNull = 1,       // a missing buffer was passed
    shaStateError = 3, // input after the result was taken
};

struct TSha1Context {
    uint32_t intermediate[5];
    uint64_t length; // message length in bits
    int blockIndex;
    uint8_t block[64];
    bool computed;
    bool corrupted;
};

// Resets the context to the initial values of the standard.
int Sha1Reset(TSha1Context& context);
// Adds bytes to the message. Input after Sha1Result marks the context
// corrupted; later input is ignored.
int Sha1Input(TSha1Context& context, const void* data, size_t length);
// Writes the 20-byte digest (the five words, big-endian). A corrupted context
// leaves digest unchanged.
int Sha1Result(TSha1Context& context, uint8_t* digest);

// One-call helper: SHA-1 of one buffer.
void Sha1(const void* data, size_t length, uint8_t* digest);

} // namespace mysql

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The password answers of the login: the pre-4.1 hash and scramble, the 4.1
// SHA-1 scramble and the two answers to the challenge of 4.1.0 servers.
namespace mysql {

using TOldHash = std::array<uint32_t, 2>;
using TScrambleAnswer = std::array<uint8_t, 20>;

// The two 31-bit words of the pre-4.1 password hash. Spaces and tabs are
// skipped; the text ends at its first zero byte.
TOldHash OldHash(std::string_view text);

// The pre-4.1 scramble: as many characters as the message (8 in the login),
// empty for an empty password.
std::string OldScramble(std::string_view password, std::string_view message);

// The 4.1 answer: SHA-1(scramble + SHA-1(SHA-1(password))) XOR SHA-1(password).
// scramble is read as 20 bytes (zero-padded when shorter).
TScrambleAnswer SecureScramble(std::string_view scramble, std::string_view password);

// Answers to the 24-byte challenge of a 4.1.0 server: salt is bytes 0-3 of the
// challenge, value bytes 4-23.
// First byte "*": the pre-4.1 scramble keyed by the SHA-1 of the old hash.
TScrambleAnswer Challenge410Old(std::string_view password, const uint8_t* value);
// Any other first byte: h XOR (SHA-1(salt + h) XOR value), h = SHA-1 of the
// password without spaces and tabs.
TScrambleAnswer Challenge410(std::string_view password, const uint8_t* salt, const uint8_t* value);

} // namespace mysql

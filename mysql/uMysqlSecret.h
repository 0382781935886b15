#pragma once

#include <openssl/crypto.h>

#include <cstddef>
#include <string>

// Memory that held a secret (a password, a digest of it, an answer derived
// from it) is overwritten once it is no longer needed, in a way the compiler
// does not drop.
namespace mysql {

inline void Wipe(void* data, size_t size) {
    OPENSSL_cleanse(data, size);
}

inline void Wipe(std::string& text) {
    OPENSSL_cleanse(text.data(), text.size());
    text.clear();
}

} // namespace mysql

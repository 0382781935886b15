#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The authentication plugins of the login: each answers the server's
// challenge (the scramble of the greeting, or the data of a switch request)
// and the "more data" packets the server sends after it. Plugin names are
// the ones servers send in greetings and switch requests.
namespace mysql {

// How far the login may go to answer the server.
struct TAuthOptions {
    // A PEM file with the server's RSA public key. On a connection without
    // TLS the SHA-256 plugins encrypt the password to this key, and only
    // after the key the server announces has been found to be the same.
    std::string ServerPublicKeyFile;
    // Without a pinned key, whether the password may be encrypted to the key
    // the server sends on request. A man in the middle sends his own key and
    // reads the password: off unless the administrator allows it.
    bool AllowServerPublicKey = false;
    // Whether a server of 4.1 or later may ask for the pre-4.1 scramble,
    // which is unsalted and can be broken (servers older than 4.1 always get
    // it).
    bool AllowOldPasswords = false;

    bool operator==(const TAuthOptions&) const = default;
};

// The password-answer routines of the plugins.
using TSha256Answer = std::array<uint8_t, 32>;
using TEd25519Answer = std::array<uint8_t, 64>;

// SHA256(password) XOR SHA256(SHA256(SHA256(password)) + scramble): the fast
// answer of caching_sha2_password. scramble is read as 20 bytes (zero-padded).
TSha256Answer Sha256Scramble(std::string_view scramble, std::string_view password);

// The RFC 8032 signature of nonce whose hashed seed is SHA-512 of the
// password: the answer of MariaDB's ed25519 plugin.
TEd25519Answer Ed25519Answer(std::string_view password, std::string_view nonce);

// The password and its terminating zero byte, XOR the 20-byte scramble
// repeated: what the RSA path encrypts.
std::string XorWithScramble(std::string_view password, std::string_view scramble);

// Whether two PEM "PUBLIC KEY" texts hold the same key (false when either
// cannot be read).
bool SamePublicKey(std::string_view first, std::string_view second);

// plain encrypted with the RSA public key in pem (a PEM "PUBLIC KEY", as the
// servers send it), OAEP padding; false with the reason when the key cannot
// be read or plain is too long for it.
bool RsaOaepEncrypt(std::string_view pem, std::string_view plain, std::string& out,
                    std::string& error);

class TMysqlAuthPlugin {
public:
    // What the plugin does with a packet of the server.
    struct TStep {
        enum Kind {
            Send,   // send data and read the next packet
            Read,   // send nothing and read the next packet
            Fault,  // the packet makes no sense here: a broken reply
            Refuse, // the plugin cannot go on: errorText says why (2061)
        } kind = Send;
        std::string data;
        std::string errorText;
    };

    // The plugin of that name, or nullptr when there is none. secure: the
    // connection is encrypted, so the password itself may be sent.
    static std::unique_ptr<TMysqlAuthPlugin> Create(std::string_view name,
                                                    std::string_view password, bool secure,
                                                    const TAuthOptions& options = {});
    // The plugin a server without plugin names expects: the 4.1 SHA-1 answer.
    static constexpr const char* kNative = "mysql_native_password";

    virtual ~TMysqlAuthPlugin();
    virtual const char* Name() const = 0;
    // The first answer, to the challenge (Send, or Refuse when the plugin
    // will not answer on this connection).
    virtual TStep Start(std::string_view challenge) = 0;
    // The answer to one "more data" packet (its bytes after the marker).
    virtual TStep More(std::string_view data);

    TMysqlAuthPlugin(std::string_view password, bool secure, const TAuthOptions& options)
        : password_(password)
        , secure_(secure)
        , options_(options) {}

protected:
    std::string password_;
    bool secure_;
    TAuthOptions options_;
};

} // namespace mysql

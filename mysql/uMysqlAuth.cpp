#include "uMysqlAuth.h"

#include "uMysqlNewPassword.h"
#include "uMysqlSecret.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>
#include <sodium.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace mysql {

namespace {

constexpr size_t kScrambleLength = 20;
constexpr size_t kOldScrambleLength = 8;
// Bytes OAEP with SHA-1 adds to what it encrypts.
constexpr size_t kOaepOverhead = 2 * 20 + 2;

using TStep = TMysqlAuthPlugin::TStep;

std::string Bytes(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

TStep Send(std::string data) {
    return {TStep::Send, std::move(data), {}};
}

TStep Refuse(std::string reason) {
    return {TStep::Refuse, {}, std::move(reason)};
}

// At most this much of a key file is read: a PEM public key is a few
// hundred bytes.
constexpr std::streamsize kMaxKeyFile = 1 << 16;

bool ReadKeyFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    text.assign(size_t(kMaxKeyFile), '\0');
    file.read(text.data(), kMaxKeyFile);
    text.resize(size_t(file.gcount()));
    return !file.bad();
}

EVP_PKEY* ReadPublicKey(std::string_view pem) {
    BIO* bio = BIO_new_mem_buf(pem.data(), int(std::min<size_t>(pem.size(), 1 << 20)));
    EVP_PKEY* key = bio ? PEM_read_bio_PUBKEY(bio, nullptr, nullptr, nullptr) : nullptr;
    BIO_free(bio);
    return key;
}

void Sha256(const void* data, size_t size, uint8_t* digest) {
    EVP_Digest(data, size, digest, nullptr, EVP_sha256(), nullptr);
}

// A scalar of 32 bytes, reduced modulo the group order.
void ReduceScalar(uint8_t* out, const uint8_t* in, size_t size) {
    uint8_t wide[crypto_core_ed25519_NONREDUCEDSCALARBYTES] = {};
    std::memcpy(wide, in, size);
    crypto_core_ed25519_scalar_reduce(out, wide);
}

// The 4.1 SHA-1 answer.
class TNativePlugin : public TMysqlAuthPlugin {
public:
    using TMysqlAuthPlugin::TMysqlAuthPlugin;
    const char* Name() const override { return kNative; }
    TStep Start(std::string_view challenge) override {
        if (password_.empty())
            return Send({});
        TScrambleAnswer answer = SecureScramble(challenge.substr(0, kScrambleLength), password_);
        TStep step = Send(Bytes(answer.data(), answer.size()));
        Wipe(answer.data(), answer.size());
        return step;
    }
};

// The pre-4.1 scramble of the first 8 challenge bytes, with its zero byte.
class TOldPlugin : public TMysqlAuthPlugin {
public:
    using TMysqlAuthPlugin::TMysqlAuthPlugin;
    const char* Name() const override { return "mysql_old_password"; }
    TStep Start(std::string_view challenge) override {
        if (password_.empty())
            return Send({});
        return Send(OldScramble(password_, challenge.substr(0, kOldScrambleLength)) + '\0');
    }
};

class TEd25519Plugin : public TMysqlAuthPlugin {
public:
    using TMysqlAuthPlugin::TMysqlAuthPlugin;
    const char* Name() const override { return "client_ed25519"; }
    TStep Start(std::string_view challenge) override {
        const TEd25519Answer answer = Ed25519Answer(password_, challenge);
        return Send(Bytes(answer.data(), answer.size()));
    }
};

// The full path shared by the two SHA-256 plugins: the password itself over
// an encrypted connection; else the password encrypted with the server's
// public key, which is asked for first, and used only when it is the key
// pinned in the options or the options allow the server's own.
class TSha256Base : public TMysqlAuthPlugin {
protected:
    using TMysqlAuthPlugin::TMysqlAuthPlugin;

    // The password with its zero byte, or the request for the key.
    TStep FullAnswer(char keyRequest) {
        if (secure_)
            return Send(password_ + '\0');
        if (options_.ServerPublicKeyFile.empty() && !options_.AllowServerPublicKey)
            return Refuse("no TLS, and the password would go to a key the server sends: set "
                          "ServerPublicKey or AllowServerPublicKey, or use TLS");
        awaitingKey_ = true;
        return Send(std::string(1, keyRequest));
    }
    TStep Encrypted(std::string_view serverKey) {
        awaitingKey_ = false;
        std::string pem(serverKey);
        if (!options_.ServerPublicKeyFile.empty()) {
            if (!ReadKeyFile(options_.ServerPublicKeyFile, pem))
                return Refuse("cannot read the server's public key file '" +
                              options_.ServerPublicKeyFile + "'");
            if (!SamePublicKey(pem, serverKey))
                return Refuse("the server's public key is not the one in '" +
                              options_.ServerPublicKeyFile + "'");
        }
        std::string plain = XorWithScramble(password_, scramble_);
        TStep step;
        if (!RsaOaepEncrypt(pem, plain, step.data, step.errorText))
            step.kind = TStep::Refuse;
        Wipe(plain);
        return step;
    }

    std::string scramble_;
    bool awaitingKey_ = false;
};

// MySQL 8's default: the fast SHA-256 answer; when the server's cache does
// not know the account, the full path.
class TCachingSha2Plugin : public TSha256Base {
public:
    using TSha256Base::TSha256Base;
    const char* Name() const override { return "caching_sha2_password"; }
    TStep Start(std::string_view challenge) override {
        scramble_ = std::string(challenge.substr(0, kScrambleLength));
        if (password_.empty())
            return Send({});
        TSha256Answer answer = Sha256Scramble(scramble_, password_);
        TStep step = Send(Bytes(answer.data(), answer.size()));
        Wipe(answer.data(), answer.size());
        return step;
    }
    TStep More(std::string_view data) override {
        if (awaitingKey_)
            return Encrypted(data);
        if (data.size() == 1 && data[0] == kFastAuthDone)
            return {TStep::Read, {}, {}};
        if (data.size() == 1 && data[0] == kFullAuthWanted)
            return FullAnswer(kRequestKey);
        return {TStep::Fault, {}, {}};
    }

private:
    static constexpr char kRequestKey = 2;
    static constexpr char kFastAuthDone = 3;
    static constexpr char kFullAuthWanted = 4;
};

// The full path from the start.
class TSha256Plugin : public TSha256Base {
public:
    using TSha256Base::TSha256Base;
    const char* Name() const override { return "sha256_password"; }
    TStep Start(std::string_view challenge) override {
        scramble_ = std::string(challenge.substr(0, kScrambleLength));
        if (password_.empty())
            return Send(std::string(1, '\0'));
        return FullAnswer(kRequestKey);
    }
    TStep More(std::string_view data) override {
        if (awaitingKey_)
            return Encrypted(data);
        return {TStep::Fault, {}, {}};
    }

private:
    static constexpr char kRequestKey = 1;
};

} // namespace

TSha256Answer Sha256Scramble(std::string_view scramble, std::string_view password) {
    uint8_t stage1[32], stage2[32], mix[32];
    Sha256(password.data(), password.size(), stage1);
    Sha256(stage1, sizeof stage1, stage2);
    uint8_t salted[32 + kScrambleLength] = {};
    std::memcpy(salted, stage2, sizeof stage2);
    std::memcpy(salted + sizeof stage2, scramble.data(),
                std::min(scramble.size(), kScrambleLength));
    Sha256(salted, sizeof salted, mix);
    TSha256Answer answer;
    for (size_t i = 0; i < answer.size(); ++i)
        answer[i] = stage1[i] ^ mix[i];
    Wipe(stage1, sizeof stage1);
    Wipe(stage2, sizeof stage2);
    Wipe(salted, sizeof salted);
    Wipe(mix, sizeof mix);
    return answer;
}

TEd25519Answer Ed25519Answer(std::string_view password, std::string_view nonce) {
    // RFC 8032, 5.1.6, with SHA-512 of the password as the hashed seed.
    if (sodium_init() < 0)
        return {};
    uint8_t az[crypto_hash_sha512_BYTES];
    crypto_hash_sha512(az, reinterpret_cast<const uint8_t*>(password.data()), password.size());
    az[0] &= 248;
    az[31] &= 63;
    az[31] |= 64;
    uint8_t publicKey[32];
    crypto_scalarmult_ed25519_base_noclamp(publicKey, az);

    const auto* message = reinterpret_cast<const uint8_t*>(nonce.data());
    uint8_t digest[crypto_hash_sha512_BYTES];
    crypto_hash_sha512_state state;
    crypto_hash_sha512_init(&state);
    crypto_hash_sha512_update(&state, az + 32, 32);
    crypto_hash_sha512_update(&state, message, nonce.size());
    crypto_hash_sha512_final(&state, digest);
    uint8_t r[32];
    crypto_core_ed25519_scalar_reduce(r, digest);

    TEd25519Answer answer{};
    crypto_scalarmult_ed25519_base_noclamp(answer.data(), r);

    crypto_hash_sha512_init(&state);
    crypto_hash_sha512_update(&state, answer.data(), 32);
    crypto_hash_sha512_update(&state, publicKey, sizeof publicKey);
    crypto_hash_sha512_update(&state, message, nonce.size());
    crypto_hash_sha512_final(&state, digest);
    uint8_t k[32], a[32], ka[32];
    crypto_core_ed25519_scalar_reduce(k, digest);
    ReduceScalar(a, az, 32);
    crypto_core_ed25519_scalar_mul(ka, k, a);
    crypto_core_ed25519_scalar_add(answer.data() + 32, ka, r);
    // Everything the secret scalar could be worked out from.
    sodium_memzero(az, sizeof az);
    sodium_memzero(a, sizeof a);
    sodium_memzero(r, sizeof r);
    sodium_memzero(ka, sizeof ka);
    sodium_memzero(digest, sizeof digest);
    sodium_memzero(&state, sizeof state);
    return answer;
}

std::string XorWithScramble(std::string_view password, std::string_view scramble) {
    std::string out(password);
    out.push_back('\0');
    if (scramble.empty())
        return out;
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = char(out[i] ^ scramble[i % scramble.size()]);
    return out;
}

bool SamePublicKey(std::string_view first, std::string_view second) {
    EVP_PKEY* a = ReadPublicKey(first);
    EVP_PKEY* b = ReadPublicKey(second);
    const bool same = a && b && EVP_PKEY_eq(a, b) == 1;
    EVP_PKEY_free(a);
    EVP_PKEY_free(b);
    return same;
}

bool RsaOaepEncrypt(std::string_view pem, std::string_view plain, std::string& out,
                    std::string& error) {
    EVP_PKEY* key = ReadPublicKey(pem);
    if (!key || EVP_PKEY_get_base_id(key) != EVP_PKEY_RSA) {
        EVP_PKEY_free(key);
        error = "the server's public key cannot be read";
        return false;
    }
    bool done = false;
    const size_t room = size_t(EVP_PKEY_get_size(key));
    EVP_PKEY_CTX* context = EVP_PKEY_CTX_new_from_pkey(nullptr, key, nullptr);
    size_t length = room;
    if (plain.size() + kOaepOverhead > room) {
        error = "the password is too long for the server's public key";
    } else if (context && EVP_PKEY_encrypt_init(context) == 1 &&
               EVP_PKEY_CTX_set_rsa_padding(context, RSA_PKCS1_OAEP_PADDING) == 1) {
        out.assign(room, '\0');
        done = EVP_PKEY_encrypt(context, reinterpret_cast<uint8_t*>(out.data()), &length,
                                reinterpret_cast<const uint8_t*>(plain.data()), plain.size()) == 1;
        out.resize(done ? length : 0);
    }
    if (!done && error.empty())
        error = "the password cannot be encrypted with the server's public key";
    EVP_PKEY_CTX_free(context);
    EVP_PKEY_free(key);
    return done;
}

TMysqlAuthPlugin::~TMysqlAuthPlugin() {
    Wipe(password_);
}

TMysqlAuthPlugin::TStep TMysqlAuthPlugin::More(std::string_view) {
    return {TStep::Fault, {}, {}};
}

std::unique_ptr<TMysqlAuthPlugin> TMysqlAuthPlugin::Create(std::string_view name,
                                                           std::string_view password, bool secure,
                                                           const TAuthOptions& options) {
    if (name == kNative)
        return std::make_unique<TNativePlugin>(password, secure, options);
    if (name == "mysql_old_password")
        return std::make_unique<TOldPlugin>(password, secure, options);
    if (name == "client_ed25519")
        return std::make_unique<TEd25519Plugin>(password, secure, options);
    if (name == "caching_sha2_password")
        return std::make_unique<TCachingSha2Plugin>(password, secure, options);
    if (name == "sha256_password")
        return std::make_unique<TSha256Plugin>(password, secure, options);
    return nullptr;
}

} // namespace mysql

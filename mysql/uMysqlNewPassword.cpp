#include "uMysqlNewPassword.h"

#include "uMysqlSecret.h"
#include "umysqlsha1.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace mysql {

namespace {

// The pseudo-random sequence of the pre-4.1 scramble.
class TRandom {
public:
    TRandom(uint32_t start1, uint32_t start2)
        : seed1_(start1 % kMax)
        , seed2_(start2 % kMax) {}

    double Step() {
        seed1_ = (seed1_ * 3 + seed2_) % kMax;
        seed2_ = (seed1_ + seed2_ + 33) % kMax;
        return double(seed1_) / double(kMax);
    }

private:
    static constexpr uint64_t kMax = 0x3FFFFFFF;
    uint64_t seed1_;
    uint64_t seed2_;
};

} // namespace

TOldHash OldHash(std::string_view text) {
    uint32_t nr = 1345345333, add = 7, nr2 = 0x12345671;
    for (const char ch : text) {
        const auto b = uint8_t(ch);
        if (b == 0)
            break;
        if (b == ' ' || b == '\t')
            continue;
        nr ^= (((nr & 63) + add) * b) + (nr << 8);
        nr2 += (nr2 << 8) ^ nr;
        add += b;
    }
    return {nr & 0x7FFFFFFF, nr2 & 0x7FFFFFFF};
}

std::string OldScramble(std::string_view password, std::string_view message) {
    if (password.empty())
        return {};
    const TOldHash p = OldHash(password);
    const TOldHash m = OldHash(message);
    TRandom random(p[0] ^ m[0], p[1] ^ m[1]);
    std::string out(message.size(), '\0');
    for (char& ch : out)
        ch = char(int(std::floor(random.Step() * 31)) + 64);
    const char extra = char(int(std::floor(random.Step() * 31)));
    for (char& ch : out)
        ch = char(ch ^ extra);
    return out;
}

TScrambleAnswer SecureScramble(std::string_view scramble, std::string_view password) {
    uint8_t stage1[kSha1HashSize], stage2[kSha1HashSize], mix[kSha1HashSize];
    Sha1(password.data(), password.size(), stage1);
    Sha1(stage1, sizeof stage1, stage2);
    uint8_t salt[20] = {};
    std::memcpy(salt, scramble.data(), std::min<size_t>(scramble.size(), sizeof salt));
    TSha1Context context;
    Sha1Reset(context);
    Sha1Input(context, salt, sizeof salt);
    Sha1Input(context, stage2, sizeof stage2);
    Sha1Result(context, mix);
    TScrambleAnswer answer;
    for (size_t i = 0; i < answer.size(); ++i)
        answer[i] = mix[i] ^ stage1[i];
    // SHA-1 of the password, and of that, are as good as the password to
    // whoever holds them.
    Wipe(stage1, sizeof stage1);
    Wipe(stage2, sizeof stage2);
    Wipe(&context, sizeof context);
    return answer;
}

TScrambleAnswer Challenge410Old(std::string_view password, const uint8_t* value) {
    const TOldHash hash = OldHash(password);
    uint8_t words[8];
    for (int w = 0; w < 2; ++w)
        for (int i = 0; i < 4; ++i)
            words[w * 4 + i] = uint8_t(hash[w] >> (24 - 8 * i));
    uint8_t key[kSha1HashSize];
    Sha1(words, sizeof words, key);
    // The message is the first 8 bytes of value XOR key, up to a zero byte.
    std::string message;
    for (size_t i = 0; i < 8; ++i) {
        const uint8_t b = value[i] ^ key[i];
        if (b == 0)
            break;
        message.push_back(char(b));
    }
    TScrambleAnswer answer{};
    const std::string scrambled = OldScramble(password, message);
    std::memcpy(answer.data(), scrambled.data(), scrambled.size());
    return answer;
}

TScrambleAnswer Challenge410(std::string_view password, const uint8_t* salt, const uint8_t* value) {
    std::string stripped;
    for (const char ch : password)
        if (ch != ' ' && ch != '\t')
            stripped.push_back(ch);
    uint8_t h[kSha1HashSize], t[kSha1HashSize];
    Sha1(stripped.data(), stripped.size(), h);
    TSha1Context context;
    Sha1Reset(context);
    Sha1Input(context, salt, 4);
    Sha1Input(context, h, sizeof h);
    Sha1Result(context, t);
    TScrambleAnswer answer;
    for (size_t i = 0; i < answer.size(); ++i)
        answer[i] = h[i] ^ (t[i] ^ value[i]);
    Wipe(stripped);
    Wipe(h, sizeof h);
    Wipe(&context, sizeof context);
    return answer;
}

} // namespace mysql

#!/usr/bin/env python3
"""Prints the expected answers of the login plugins that the tests compare
with, computed here independently of the client library: SHA-256 from
hashlib, and ed25519 from the reference arithmetic of RFC 8032 (section 6)
with the hashed seed replaced by SHA-512 of the password.

    python3 tests/mysql/auth_answers.py
"""
import hashlib

P = 2**255 - 19
L = 2**252 + 27742317777372353535851937790883648493
D = -121665 * pow(121666, P - 2, P) % P


def inverse(x):
    return pow(x, P - 2, P)


def add(a, b):
    A = (a[1] - a[0]) * (b[1] - b[0]) % P
    B = (a[1] + a[0]) * (b[1] + b[0]) % P
    C = 2 * a[3] * b[3] * D % P
    E = 2 * a[2] * b[2] % P
    e, f, g, h = B - A, E - C, E + C, B + A
    return (e * f % P, g * h % P, f * g % P, e * h % P)


def multiply(s, point):
    q = (0, 1, 1, 0)
    while s > 0:
        if s & 1:
            q = add(q, point)
        point = add(point, point)
        s >>= 1
    return q


def base():
    y = 4 * inverse(5) % P
    x2 = (y * y - 1) * inverse(D * y * y + 1) % P
    x = pow(x2, (P + 3) // 8, P)
    if (x * x - x2) % P:
        x = x * pow(2, (P - 1) // 4, P) % P
    if x & 1:
        x = P - x
    return (x, y, 1, x * y % P)


def encode(point):
    zi = inverse(point[2])
    x, y = point[0] * zi % P, point[1] * zi % P
    return (y | ((x & 1) << 255)).to_bytes(32, "little")


def ed25519_answer(password, nonce):
    h = hashlib.sha512(password).digest()
    a = int.from_bytes(h[:32], "little")
    a &= (1 << 254) - 8
    a |= 1 << 254
    public = encode(multiply(a, base()))
    r = int.from_bytes(hashlib.sha512(h[32:] + nonce).digest(), "little") % L
    R = encode(multiply(r, base()))
    k = int.from_bytes(hashlib.sha512(R + public + nonce).digest(), "little") % L
    return R + ((r + k * a) % L).to_bytes(32, "little")


def sha256_scramble(password, scramble):
    s1 = hashlib.sha256(password).digest()
    s2 = hashlib.sha256(s1).digest()
    mix = hashlib.sha256(s2 + scramble).digest()
    return bytes(x ^ y for x, y in zip(s1, mix))


SCRAMBLE = b"abcdefghijklmnopqrst"
NONCE = bytes(range(0x41, 0x41 + 32))

for password in (b"p", b"secret", b"\xd0\xbf\xd0\xb0\xd1\x80\xd0\xbe\xd0\xbb\xd1\x8c", b"x" * 100):
    print("sha256", password, sha256_scramble(password, SCRAMBLE).hex())
for password in (b"p", b"secret", b""):
    print("ed25519", password, ed25519_answer(password, NONCE).hex())

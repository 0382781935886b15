#!/usr/bin/env python3
"""Writes the seed corpus of fuzz_session: whole server sides of sessions.

Each seed is one option byte (see fuzz_session.cpp) followed by the bytes the
server sends on the first connection and, after the separator, on every later
one. Run from anywhere: python3 fuzz/make_seeds.py
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus")

COMPRESS, STREAMED, DATABASE, NO_PASSWORD, SECOND, RECONNECT, SELECT_DB, STALL = (
    0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80)
SEPARATOR = b"=RECONNECT="


def le(value, size):
    return value.to_bytes(size, "little")


def packet(seq, payload):
    return le(len(payload), 3) + bytes([seq & 0xFF]) + payload


def lc(n):
    if n < 251:
        return bytes([n])
    if n < 0x10000:
        return b"\xfc" + le(n, 2)
    if n < 0x1000000:
        return b"\xfd" + le(n, 3)
    return b"\xfe" + le(n, 8)


def lcs(text):
    return lc(len(text)) + text


# The high half of the capabilities of a server that names plugins (and takes
# a length-coded answer).
PLUGIN_CAPS = 0x0028
# Offers TLS.
TLS_CAPS = 0xFFFF
# Any RSA public key serves: the fuzz server cannot decrypt, it only answers.
PUBLIC_KEY = b"""-----BEGIN PUBLIC KEY-----
MIIBIjANBgkqhkiG9w0BAQEFAAOCAQ8AMIIBCgKCAQEAq/YTWgJmBGZPWUDJ9HF2
+w5Gu3EmjMCntv1b3KxhPegfQDWyUirGdzMvavA9llakElfxZv6YUqt7zl3GTFz5
qY+f7pOIfddPUVka9jnV3BNg71A62EN0N3312LI/c7elXQQBEk52XlzEZDEOmQ65
ycqzhAuOKfflmz3Vw77YXhb0QzUyC1mUpBMu5Zfqi6rDAtgnGYdxPFZ/VWLEnm6I
uCQEjvdWP965CNIRfqcfNTGY6uod0Oq6fQXbMMNNYlvXPkRTkfP/q285OE2YZOBx
ld0Q8fuPxoYF9Ni9gBSbKniTWl71B4RFjKdQDr/BdAg7RPgtXGBVoMK0iDGKM1vZ
1QIDAQAB
-----END PUBLIC KEY-----
"""


def greeting(protocol=10, version=b"5.5.5-10.11.6-MariaDB", caps=0xF7FF, length=None,
             upper=0, plugin=b"mysql_native_password"):
    scramble = b"abcdefghijklmnopqrst"
    g = (bytes([protocol]) + version + b"\0" + le(7, 4) + scramble[:8] + b"\0" + le(caps, 2) +
         b"\x21" + le(2, 2) + le(upper, 2) + b"\x15" + b"\0" * 10 + scramble[8:] + b"\0" +
         plugin + b"\0")
    return g[:length] if length is not None else g


def switch(plugin, data):
    return b"\xfe" + plugin + b"\0" + data


def plugin_login(plugin, rounds):
    """A greeting naming plugin and the server's packets of the login after
    the client's answer (the client answers between them)."""
    out = packet(0, greeting(upper=PLUGIN_CAPS, plugin=plugin))
    seq = 2
    for p in rounds:
        out += packet(seq, p)
        seq += 2
    return out


def ok(affected=0, insert_id=0, info=b""):
    out = b"\0" + lc(affected) + lc(insert_id) + le(2, 2) + le(0, 2)
    return out + (lcs(info) if info else b"")


def err(code, state, message):
    return b"\xff" + le(code, 2) + b"#" + state + message


def eof():
    return b"\xfe" + le(0, 2) + le(2, 2)


def field(name, ftype=253, length=255):
    fixed = le(33, 2) + le(length, 4) + bytes([ftype]) + le(0, 2) + b"\0" + le(0, 2)
    return (lcs(b"def") + lcs(b"db") + lcs(b"t") + lcs(b"t") + lcs(name) + lcs(name) +
            lcs(fixed))


def result(first_seq, rows):
    """Packets of a two-column result set starting at first_seq."""
    packets = [b"\x02", field(b"a", 3, 11), field(b"b"), eof()]
    for a, b in rows:
        packets.append((b"\xfb" if a is None else lcs(a)) + (b"\xfb" if b is None else lcs(b)))
    packets.append(eof())
    return b"".join(packet(first_seq + i, p) for i, p in enumerate(packets))


def login_ok(g=None):
    return packet(0, g if g is not None else greeting()) + packet(2, ok())


def compressed_block(seq, inner):
    packed = zlib.compress(inner)
    return le(len(packed), 3) + bytes([seq]) + le(len(inner), 3) + packed


ROWS = [(b"1", b"one"), (None, b""), (b"3", b"x" * 300)]

SEEDS = {
    "buffered_result": (0, login_ok() + result(1, ROWS)),
    "streamed_then_second": (STREAMED | SECOND,
                             login_ok() + result(1, ROWS) + packet(1, ok(1, 5, b"Rows matched: 1"))),
    "ping_first": (RECONNECT, login_ok() + packet(1, ok()) + result(1, ROWS)),
    "compressed_block": (COMPRESS, packet(0, greeting()) + packet(2, ok()) +
                         compressed_block(1, result(1, ROWS * 4))),
    "old_password_switch": (0, packet(0, greeting()) + packet(2, b"\xfe") + packet(4, ok()) +
                            packet(1, err(1064, b"42000", b"You have an error"))),
    "challenge_410": (0, packet(0, greeting(version=b"4.1.0-alpha")) +
                      packet(2, b"S" + bytes(range(1, 24))) + packet(4, ok()) +
                      packet(1, ok(3, 0, b"info"))),
    "challenge_410_star": (0, packet(0, greeting(version=b"4.1.0-alpha")) +
                           packet(2, b"*" + bytes(range(1, 24))) + packet(4, ok()) +
                           result(1, ROWS)),
    "local_file_request": (0, login_ok() + packet(1, b"\xfb/etc/hostname") + packet(3, ok())),
    "short_greeting": (0, login_ok(greeting(length=len(b"5.5.5-10.11.6-MariaDB") + 40)) +
                       result(1, ROWS)),
    "protocol_9": (NO_PASSWORD, packet(0, greeting(protocol=9, caps=0x2005)) + packet(2, ok()) +
                   packet(1, b"\xffOld style error")),
    "select_database": (SELECT_DB | SECOND, login_ok() + packet(1, ok()) + result(1, ROWS) +
                        packet(1, ok())),
    "database_without_capability": (DATABASE, packet(0, greeting(caps=0xF7F7)) +
                                    packet(2, ok()) + packet(1, ok()) + result(1, ROWS)),
    "old_server_fields": (0, packet(0, greeting(caps=0x2005)) + packet(2, ok()) +
                          packet(1, b"\x01") +
                          packet(2, lcs(b"t") + lcs(b"a") + lcs(le(11, 3)) + lcs(b"\x03") +
                                 lcs(b"\x01\x00")) +
                          packet(3, b"\xfe") + packet(4, lcs(b"42")) + packet(5, b"\xfe")),
    # The statement is never answered; the next one reconnects.
    "stall_then_reconnect": (STALL | RECONNECT | SECOND,
                             login_ok() + packet(1, ok()) + SEPARATOR +
                             login_ok() + packet(1, ok()) + result(1, ROWS)),
    "stall_inside_greeting": (STALL | RECONNECT, greeting()[:1] + SEPARATOR +
                              login_ok() + packet(1, ok()) + result(1, ROWS)),
    # The login cannot name the database and the select-database is dropped,
    # on every connection.
    "select_database_dropped": (DATABASE | RECONNECT | SECOND,
                                login_ok(greeting(caps=0xF7F7)) + SEPARATOR +
                                login_ok(greeting(caps=0xF7F7))),
    "compressed_surplus_packet": (COMPRESS | SECOND, login_ok() +
                                  compressed_block(1, packet(1, ok()) + packet(2, ok()))),
    # Servers that name plugins: switches, more data, the RSA key.
    "caching_sha2_fast": (0, plugin_login(b"caching_sha2_password",
                                          [b"\x01\x03"]) + packet(3, ok()) + result(1, ROWS)),
    "caching_sha2_full_key": (COMPRESS, plugin_login(b"caching_sha2_password",
                                                     [b"\x01\x04", b"\x01" + PUBLIC_KEY, ok()]) +
                              compressed_block(1, result(1, ROWS))),
    "sha256_key": (0, plugin_login(b"sha256_password", [b"\x01" + PUBLIC_KEY, ok()]) +
                   result(1, ROWS)),
    "switch_ed25519": (0, plugin_login(b"mysql_native_password",
                                       [switch(b"client_ed25519", bytes(range(65, 97))), ok()]) +
                       result(1, ROWS)),
    "switch_old": (0, plugin_login(b"mysql_native_password",
                                   [switch(b"mysql_old_password", b"abcdefghijklmnopqrst\0"),
                                    ok()]) + result(1, ROWS)),
    "switch_caching_sha2": (0, plugin_login(b"mysql_native_password",
                                            [switch(b"caching_sha2_password",
                                                    b"abcdefghijklmnopqrst\0"), b"\x01\x04",
                                             b"\x01" + PUBLIC_KEY, ok()]) + result(1, ROWS)),
    "switch_unknown": (0, plugin_login(b"mysql_native_password",
                                       [switch(b"auth_gssapi_client", b"x")])),
    "switch_twice": (RECONNECT, plugin_login(b"caching_sha2_password",
                                             [switch(b"mysql_native_password", b"A" * 20 + b"\0"),
                                              switch(b"sha256_password", b"B" * 20)]) +
                     SEPARATOR + login_ok() + packet(1, ok())),
    # The greeting offers TLS; what follows is no handshake.
    "tls_offered": (0, packet(0, greeting(caps=TLS_CAPS)) + b"\x16\x03\x03\x00\x02\x02\x28"),
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, (options, server) in SEEDS.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(bytes([options]) + server)
    print("wrote %d seeds to %s" % (len(SEEDS), OUT))


if __name__ == "__main__":
    main()

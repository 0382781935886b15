// Length-coded readers, row decoding and the row list, and the packet
// buffer's limits.
#include "uMysqlCT.h"
#include "uMysqlHelpers.h"
#include "uMysqlNet.h"

#include <QTest>

using namespace mysql;

namespace {

const uint8_t* bytes(const QByteArray& a) {
    return reinterpret_cast<const uint8_t*>(a.constData());
}

QByteArray lengthCoded(quint64 n) {
    QByteArray out;
    auto le = [&](int size) {
        for (int i = 0; i < size; ++i)
            out.append(char(n >> (8 * i)));
    };
    if (n < 251) {
        out.append(char(n));
    } else if (n < 0x10000) {
        out.append('\xFC');
        le(2);
    } else if (n < 0x1000000) {
        out.append('\xFD');
        le(3);
    } else {
        out.append('\xFE');
        le(8);
    }
    return out;
}

QByteArray value(const QByteArray& v) {
    return lengthCoded(quint64(v.size())) + v;
}

} // namespace

class HelpersTest : public QObject {
    Q_OBJECT

private slots:
    void lengthCoded_data();
    void lengthCoded();
    void lengthCodedCutShort_data();
    void lengthCodedCutShort();
    void decodeRowKeepsNullApartFromEmpty();
    void decodeRowRejectsMalformed_data();
    void decodeRowRejectsMalformed();
    void rowListKeepsValuesAcrossBlocks();
    void packetBufferLimits();
    void versionNumber_data();
    void versionNumber();
};

void HelpersTest::lengthCoded_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<quint64>("value64");
    QTest::addColumn<int>("value32");
    QTest::addColumn<int>("consumed");
    QTest::newRow("0") << QByteArray(1, '\0') << quint64(0) << 0 << 1;
    QTest::newRow("250") << QByteArray("\xFA") << quint64(250) << 250 << 1;
    QTest::newRow("NULL") << QByteArray("\xFB") << ~quint64(0) << -1 << 1;
    QTest::newRow("10000") << QByteArray("\xFC\x10\x27") << quint64(10000) << 10000 << 3;
    QTest::newRow("251 in 2 bytes") << QByteArray("\xFC\xFB\x00", 3) << quint64(251) << 251 << 3;
    QTest::newRow("65536 in 3 bytes")
            << QByteArray("\xFD\x00\x00\x01", 4) << quint64(65536) << 65536 << 4;
    QTest::newRow("8 bytes, low 4 kept") << QByteArray("\xFE\x01\x00\x00\x00\x02\x00\x00\x00", 9)
                                         << quint64(0x200000001ull) << 1 << 9;
    QTest::newRow("255 also reads 8 bytes")
            << QByteArray("\xFF\x05\x00\x00\x00\x00\x00\x00\x00", 9) << quint64(5) << 5 << 9;
    QTest::newRow("trailing bytes untouched") << QByteArray("\x05\x99") << quint64(5) << 5 << 1;
}

void HelpersTest::lengthCoded() {
    QFETCH(QByteArray, input);
    QFETCH(quint64, value64);
    QFETCH(int, value32);
    QFETCH(int, consumed);
    const uint8_t* p = bytes(input);
    uint64_t v64 = 0;
    QVERIFY(ReadLengthCoded64(p, p + input.size(), v64));
    QCOMPARE(quint64(v64), value64);
    QCOMPARE(int(p - bytes(input)), consumed);

    p = bytes(input);
    int32_t v32 = 0;
    QVERIFY(ReadLengthCoded(p, p + input.size(), v32));
    QCOMPARE(int(v32), value32);
    QCOMPARE(int(p - bytes(input)), consumed);
}

void HelpersTest::lengthCodedCutShort_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("FC with one byte") << QByteArray("\xFC\x10");
    QTest::newRow("FC alone") << QByteArray("\xFC");
    QTest::newRow("FD with two bytes") << QByteArray("\xFD\x01\x02");
    QTest::newRow("FE with seven bytes") << QByteArray("\xFE\x01\x02\x03\x04\x05\x06\x07");
}

void HelpersTest::lengthCodedCutShort() {
    QFETCH(QByteArray, input);
    const uint8_t* start = bytes(input);
    const uint8_t* p = start;
    uint64_t v = 77;
    QVERIFY(!ReadLengthCoded64(p, start + input.size(), v));
    QCOMPARE(p, start);
    QCOMPARE(quint64(v), quint64(77));

    TPacketReader r(start, size_t(input.size()));
    size_t n;
    bool isNull;
    QVERIFY(r.LengthCodedString(n, isNull) == nullptr);
    QVERIFY(!r.Ok());
}

void HelpersTest::decodeRowKeepsNullApartFromEmpty() {
    const QByteArray row =
            value("abc") + QByteArray("\xFB") + value("") + value(QByteArray("z\0y", 3));
    std::vector<char> dst(size_t(row.size()));
    uint32_t ends[4];
    uint32_t longest[4] = {0, 0, 0, 5};
    QVERIFY(DecodeRow(bytes(row), size_t(row.size()), 4, dst.data(), ends, longest) >= 0);
    size_t length = 99;
    QCOMPARE(QByteArray(RowValue(dst.data(), ends, 0, &length)), QByteArray("abc"));
    QCOMPARE(length, size_t(3));
    QVERIFY(RowValue(dst.data(), ends, 1, &length) == nullptr);
    QCOMPARE(length, size_t(0));
    const char* empty = RowValue(dst.data(), ends, 2, &length);
    QVERIFY(empty != nullptr);
    QCOMPARE(*empty, '\0');
    QCOMPARE(length, size_t(0));
    const char* binary = RowValue(dst.data(), ends, 3, &length);
    QCOMPARE(QByteArray(binary, int(length)), QByteArray("z\0y", 3));
    QCOMPARE(binary[3], '\0');
    QCOMPARE(longest[0], 3u);
    QCOMPARE(longest[3], 5u); // never lowered
}

void HelpersTest::decodeRowRejectsMalformed_data() {
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<int>("columns");
    QTest::newRow("too few columns") << value("a") << 2;
    QTest::newRow("value longer than the packet") << QByteArray("\x0A"
                                                                "abc")
                                                  << 1;
    QTest::newRow("2-byte length cut") << QByteArray("\xFC\x10") << 1;
    QTest::newRow("8-byte length past the packet")
            << QByteArray("\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F"
                          "abc")
            << 1;
    QTest::newRow("empty packet") << QByteArray() << 1;
}

void HelpersTest::decodeRowRejectsMalformed() {
    QFETCH(QByteArray, row);
    QFETCH(int, columns);
    std::vector<char> dst(size_t(row.size()) + 1);
    std::vector<uint32_t> ends(static_cast<size_t>(columns));
    QCOMPARE(DecodeRow(bytes(row), size_t(row.size()), columns, dst.data(), ends.data(), nullptr),
             -1L);
    TRowList list(columns);
    QVERIFY(!list.AddRow(bytes(row), size_t(row.size()), nullptr));
    QCOMPARE(list.RowCount(), quint64(0));
}

void HelpersTest::rowListKeepsValuesAcrossBlocks() {
    // Enough rows to fill blocks of every size, with a few rows too large for a
    // shared block; every value must stay where the list first put it.
    TRowList list(3);
    std::vector<const char*> firstValues;
    const int rows = 40000; // several megabytes: small, growing and huge-page blocks
    for (int i = 0; i < rows; ++i) {
        const QByteArray big(i % 1000 == 999 ? 100000 : 0, char('a' + i % 26));
        const QByteArray row = value(QByteArray::number(i)) +
                               (i % 3 == 0 ? QByteArray("\xFB") : value(big)) +
                               value(QByteArray(i % 97, 'x'));
        QVERIFY(list.AddRow(bytes(row), size_t(row.size()), nullptr));
        firstValues.push_back(list.Value(uint64_t(i), 0, nullptr));
    }
    QCOMPARE(list.RowCount(), quint64(rows));
    for (int i = rows - 1; i >= 0; --i) {
        size_t length;
        const char* v = list.Value(uint64_t(i), 0, &length);
        QCOMPARE(v, firstValues[size_t(i)]);
        QCOMPARE(QByteArray(v), QByteArray::number(i));
        const char* second = list.Value(uint64_t(i), 1, &length);
        if (i % 3 == 0) {
            QVERIFY(second == nullptr);
        } else {
            QCOMPARE(length, size_t(i % 1000 == 999 ? 100000 : 0));
            QCOMPARE(second[length], '\0');
        }
        list.Value(uint64_t(i), 2, &length);
        QCOMPARE(length, size_t(i % 97));
    }
}

void HelpersTest::packetBufferLimits() {
    TMysqlNet net;
    QVERIFY(net.GrowBuffer(5000));
    QCOMPARE(net.BufferSize(), size_t(8192));
    QVERIFY(net.GrowBuffer(8193));
    QCOMPARE(net.BufferSize(), size_t(12288));
    QVERIFY(net.GrowBuffer(kMaxBufferSize - 1));
    QCOMPARE(net.BufferSize(), size_t(kMaxBufferSize));
    QVERIFY(!net.GrowBuffer(kMaxBufferSize));
    QCOMPARE(net.ErrorCode(), 1153);

    net.SetErrorCode(0);
    std::vector<char> payload(kMaxPacketLength);
    QCOMPARE(net.WritePacket(payload.data(), kMaxPacketLength), 1);
    QCOMPARE(net.ErrorCode(), 1153);
    net.SetErrorCode(0);
    QCOMPARE(net.WriteCommand(COM_QUERY, payload.data(), kMaxPacketLength), 1);
    QCOMPARE(net.ErrorCode(), 1153);
}

void HelpersTest::versionNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("number");
    QTest::newRow("three parts and a suffix") << "4.1.22-community-nt" << 40122u;
    QTest::newRow("a letter after the patch") << "5.0.96a-log" << 50096u;
    QTest::newRow("the replication prefix") << "5.5.5-10.11.6-MariaDB" << 50505u;
    QTest::newRow("a two-digit major") << "10.11.6-MariaDB-0+deb12u1" << 101106u;
    QTest::newRow("two parts") << "3.22" << 32200u;
    QTest::newRow("one part") << "8" << 80000u;
    QTest::newRow("a patch above 99") << "8.0.123" << 80099u;
    QTest::newRow("no number") << "x.y.z" << 0u;
    QTest::newRow("empty") << "" << 0u;
}

void HelpersTest::versionNumber() {
    QFETCH(QString, text);
    QFETCH(uint, number);
    QCOMPARE(mysql::VersionNumber(text.toStdString()), number);
}

QTEST_APPLESS_MAIN(HelpersTest)
#include "tst_mysql_helpers.moc"

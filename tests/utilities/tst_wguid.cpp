// W_GUID: 16 bytes built from a 32-bit, two 16-bit and eight 8-bit values.

#include <wguid.h>

#include <QtTest>

#include <cstring>

class TestWGuid : public QObject
{
    Q_OBJECT

private slots:
    void layoutIsLittleEndian()
    {
        const W_GUID g(0x6E5CB24E, 0xA0BB, 0x400D, 0x9B, 0x75, 0x04, 0x23, 0x34, 0xA0, 0xC7, 0x6A);
        const unsigned char expected[16] = { 0x4E, 0xB2, 0x5C, 0x6E, 0xBB, 0xA0, 0x0D, 0x40,
                                             0x9B, 0x75, 0x04, 0x23, 0x34, 0xA0, 0xC7, 0x6A };
        QCOMPARE(std::memcmp(&g, expected, 16), 0);
    }
    void comparesAsBytes_data()
    {
        QTest::addColumn<int>("byte");
        for (int i = 0; i < 16; ++i)
            QTest::addRow("byte %d", i) << i;
    }
    void comparesAsBytes()
    {
        QFETCH(int, byte);
        const W_GUID a(0xCD38DC80, 0x836E, 0x4644, 0x93, 0xC8, 0x61, 0xFC, 0x10, 0xC5, 0xF9, 0xC0);
        W_GUID b = a;
        QVERIFY(a == b);
        reinterpret_cast<unsigned char *>(&b)[byte] ^= 0x01;
        QVERIFY(a != b);
    }
    void defaultIsNull()
    {
        const W_GUID null;
        const unsigned char zero[16] = {};
        QCOMPARE(std::memcmp(&null, zero, 16), 0);
        QVERIFY(null == W_GUID(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    }
};

QTEST_APPLESS_MAIN(TestWGuid)
#include "tst_wguid.moc"

// Parameter addresses, the slot helper's host commands and the embedded images.

#include <recordinghost.h>

#include <detaildialogsslothelper.h>
#include <guids.h>
#include <mimesourcefactory.h>
#include <parameteraddress.h>

#include <QtTest>

class TestAddresses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void recognition_data();
    void recognition();
    void voiceTypeRewriting_data();
    void voiceTypeRewriting();
    void drumKeyAddressInAnyCase_data();
    void drumKeyAddressInAnyCase();

    void slotCommands_data();
    void slotCommands();
    void commandArguments();
    void noHostSendsNothing();

    void imageLookup_data();
    void imageLookup();
    void secondRequestIsServedFromTheCache();
    void unknownImageRegistersNothing();
};

void TestAddresses::initTestCase()
{
    MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::install();
}

void TestAddresses::cleanupTestCase()
{
    MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::uninstall();
}

void TestAddresses::recognition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isAddress");
    QTest::newRow("edit channel") << "FEkNormalElement/kNrmElmWaveNumber" << true;
    QTest::newRow("fixed part") << "00kNormalCommon/kNrmComPortamentoMode" << true;
    QTest::newRow("lower-case hex") << "feknormalElement/kx" << true;
    QTest::newRow("element 4") << "30kNormalElement/kNrmElmPan" << true;
    QTest::newRow("placeholder") << "StaticText" << false;
    QTest::newRow("plain caption") << "Time Mode" << false;
    QTest::newRow("not hex") << "GEkNormalElement/kNrmElmPan" << false;
    QTest::newRow("one digit") << "0kNormalElement/kNrmElmPan" << false;
    QTest::newRow("no parameter word") << "FEkNormalElement/NrmElmPan" << false;
    QTest::newRow("upper-case K") << "FEKNormalElement/kNrmElmPan" << false;
    QTest::newRow("not at the start") << " FEkNormalElement/kNrmElmPan" << false;
    QTest::newRow("empty") << "" << false;
}

void TestAddresses::recognition()
{
    QFETCH(QString, text);
    QFETCH(bool, isAddress);
    QCOMPARE(ParameterAddress::isAddress(text), isAddress);
}

void TestAddresses::voiceTypeRewriting_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("voiceType");
    QTest::addColumn<QString>("expected");
    const QString wave = QStringLiteral("FEkNormalElement/kNrmElmWaveNumber");
    QTest::newRow("normal") << wave << 1 << wave;
    QTest::newRow("plug-in") << wave << 2 << "FEkPluginElement/kPlgElmWaveNumber";
    QTest::newRow("drum") << wave << 3 << "FEkDrumElement/kDrmElmWaveNumber";
    QTest::newRow("board") << wave << 4 << wave;
    QTest::newRow("none") << wave << 0 << wave;
    QTest::newRow("drum EQ") << "FEkNormalElementEQ/kNrmElmEQType" << 3
                             << "FEkDrumElementEQ/kDrmElmEQType";
    QTest::newRow("every occurrence") << "00kNormalNormal/kNrmNrm" << 2 << "00kPluginPlugin/kPlgPlg";
    QTest::newRow("case-sensitive") << "00knormalCommon/knrmComX" << 3 << "00knormalCommon/knrmComX";
    QTest::newRow("Normal before Nrm") << "00kNormal/kNormalNrm" << 3 << "00kDrum/kDrumDrm";
}

void TestAddresses::voiceTypeRewriting()
{
    QFETCH(QString, address);
    QFETCH(int, voiceType);
    QFETCH(QString, expected);
    QCOMPARE(ParameterAddress::forVoiceType(address, voiceType), expected);
}

void TestAddresses::drumKeyAddressInAnyCase_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("drumKey");
    QTest::newRow("as written") << "FEkDrumKey/kDrmKeyLevel" << true;
    QTest::newRow("lower case") << "fekdrumkey/kDrmKeyLevel" << true;
    QTest::newRow("mixed") << "FeKdRuMkEyEQ/kDrmKeyEQType" << true;
    QTest::newRow("drum element") << "FEkDrumElement/kDrmElmPan" << false;
    QTest::newRow("fixed part") << "00kDrumKey/kDrmKeyLevel" << false;
}

void TestAddresses::drumKeyAddressInAnyCase()
{
    QFETCH(QString, address);
    QFETCH(bool, drumKey);
    QCOMPARE(ParameterAddress::isDrumKeyAddress(address), drumKey);
}

void TestAddresses::slotCommands_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<int>("argument");
    QTest::addColumn<QList<int>>("commands");
    QTest::newRow("arpeggio type") << "arp" << 0 << QList<int>{ 10 };
    QTest::newRow("wave 0") << "wave" << 0 << QList<int>{ 41 };
    QTest::newRow("wave 1") << "wave" << 1 << QList<int>{ 42 };
    QTest::newRow("wave 4") << "wave" << 4 << QList<int>{ 45 };
    QTest::newRow("wave 5") << "wave" << 5 << QList<int>{};
    QTest::newRow("wave -1") << "wave" << -1 << QList<int>{};
    QTest::newRow("drum wave") << "drumWave" << 0 << QList<int>{ 38 };
    QTest::newRow("drum voice") << "drumVoice" << 0 << QList<int>{ 17 };
    QTest::newRow("SF 1") << "sf" << 1 << QList<int>{ 46 };
    QTest::newRow("SF 3") << "sf" << 3 << QList<int>{ 48 };
    QTest::newRow("SF 5") << "sf" << 5 << QList<int>{ 50 };
    QTest::newRow("SF any number") << "sf" << 9 << QList<int>{ 54 };
}

void TestAddresses::slotCommands()
{
    QFETCH(QString, request);
    QFETCH(int, argument);
    QFETCH(QList<int>, commands);

    RecordingHost host;
    DetailDialogsSlotHelper helper(&host);
    if (request == QLatin1String("arp"))
        helper.slotArpTypeSelect();
    else if (request == QLatin1String("wave"))
        helper.slotWaveTypeSelect(argument);
    else if (request == QLatin1String("drumWave"))
        helper.slotDrumWaveTypeSelect();
    else if (request == QLatin1String("drumVoice"))
        helper.slotDrumVoiceSelect();
    else
        helper.slotArpSFAssignTypeSelect(argument);
    QCOMPARE(host.commands, commands);
}

void TestAddresses::commandArguments()
{
    RecordingHost host;
    DetailDialogsSlotHelper helper(&host);
    helper.slotWaveTypeSelect(2);
    QCOMPARE(host.commands.size(), 1);
    QVERIFY(host.groups.first() == W_GUID(0x1ACA2154, 0x5EFA, 0x4154, 0x8C, 0xF4, 0x10, 0xA8,
                                          0xB1, 0xB8, 0x72, 0x0F));
    QVERIFY(host.replyWasZero.first());
    QCOMPARE(host.reservedWords.first(), 0u);
    QVERIFY(host.synchronousFlags.first());
}

void TestAddresses::noHostSendsNothing()
{
    // A dialog made before the host attached itself has no host commands;
    // every request must pass without effect.
    DetailDialogsSlotHelper helper(nullptr);
    helper.slotArpTypeSelect();
    helper.slotWaveTypeSelect(1);
    helper.slotDrumWaveTypeSelect();
    helper.slotDrumVoiceSelect();
    helper.slotArpSFAssignTypeSelect(1);
}

void TestAddresses::imageLookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("groove") << "zinta_horzfader.png" << QSize(55, 16);
    QTest::newRow("thumb") << "zinta_horzfaderthumb.png" << QSize(6, 14);
}

void TestAddresses::imageLookup()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QPixmap pixmap = fromMimeSource(name);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), size);
    const QImage image = MimeSourceFactory::defaultFactory()->data(name);
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QVERIFY(!image.hasAlphaChannel());
}

void TestAddresses::secondRequestIsServedFromTheCache()
{
    const QString name = QStringLiteral("zinta_horzfader.png");
    const QImage first = MimeSourceFactory::defaultFactory()->data(name);
    const QImage second = MimeSourceFactory::defaultFactory()->data(name);
    QVERIFY(!first.isNull());
    // The same shared image both times: it was uncompressed once.
    QCOMPARE(second.cacheKey(), first.cacheKey());
    // The groove's background is the dialogs' grey.
    QCOMPARE(QColor(first.pixel(0, 0)), QColor(192, 192, 192));
}

void TestAddresses::unknownImageRegistersNothing()
{
    auto *factory = MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::instance();
    const QString name = QStringLiteral("zinta_vertfader.png");
    QVERIFY(fromMimeSource(name).isNull());
    QVERIFY(factory->MimeSourceFactory::data(name).isNull());
    QVERIFY(fromMimeSource(QString()).isNull());
}

QTEST_MAIN(TestAddresses)
#include "tst_addresses.moc"

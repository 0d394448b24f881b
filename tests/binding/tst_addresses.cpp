// Parameter addresses, the slot helper's host commands and the embedded images.

#include <recordinghost.h>

#include <detaildialogsslothelper.h>
#include <guids.h>
#include <mimesourcefactory.h>
#include <parameteraddress.h>

#include <QtTest>

using ImageFactory = MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon;

class TestAddresses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageFactory::install(); }
    void cleanupTestCase() { ImageFactory::uninstall(); }

    void recognition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isAddress");
        QTest::addColumn<bool>("drumKey");
        QTest::newRow("edit channel") << "FEkNormalElement/kNrmElmWaveNumber" << true << false;
        QTest::newRow("fixed part") << "00kNormalCommon/kNrmComPortamentoMode" << true << false;
        QTest::newRow("lower-case hex") << "feknormalElement/kx" << true << false;
        QTest::newRow("element 4") << "30kNormalElement/kNrmElmPan" << true << false;
        QTest::newRow("placeholder") << "StaticText" << false << false;
        QTest::newRow("plain caption") << "Time Mode" << false << false;
        QTest::newRow("not hex") << "GEkNormalElement/kNrmElmPan" << false << false;
        QTest::newRow("one digit") << "0kNormalElement/kNrmElmPan" << false << false;
        QTest::newRow("no parameter word") << "FEkNormalElement/NrmElmPan" << false << false;
        QTest::newRow("upper-case K") << "FEKNormalElement/kNrmElmPan" << false << false;
        QTest::newRow("not at the start") << " FEkNormalElement/kNrmElmPan" << false << false;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("drum key") << "FEkDrumKey/kDrmKeyLevel" << true << true;
        QTest::newRow("drum key in lower case") << "fekdrumkey/kDrmKeyLevel" << true << true;
        QTest::newRow("drum key in mixed case") << "FeKdRuMkEyEQ/kDrmKeyEQType" << false << true;
        QTest::newRow("drum element") << "FEkDrumElement/kDrmElmPan" << true << false;
        QTest::newRow("drum key, fixed part") << "00kDrumKey/kDrmKeyLevel" << true << false;
    }
    void recognition()
    {
        QFETCH(QString, text);
        QFETCH(bool, isAddress);
        QFETCH(bool, drumKey);
        QCOMPARE(ParameterAddress::isAddress(text), isAddress);
        QCOMPARE(ParameterAddress::isDrumKeyAddress(text), drumKey);
    }

    void voiceTypeRewriting_data()
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
        QTest::newRow("every occurrence")
            << "00kNormalNormal/kNrmNrm" << 2 << "00kPluginPlugin/kPlgPlg";
        QTest::newRow("case-sensitive")
            << "00knormalCommon/knrmComX" << 3 << "00knormalCommon/knrmComX";
        QTest::newRow("Normal before Nrm") << "00kNormal/kNormalNrm" << 3 << "00kDrum/kDrumDrm";
    }
    void voiceTypeRewriting()
    {
        QFETCH(QString, address);
        QFETCH(int, voiceType);
        QFETCH(QString, expected);
        QCOMPARE(ParameterAddress::forVoiceType(address, voiceType), expected);
    }

    // Each request is one synchronous command of the host's group; there are
    // wave selectors for elements 0 to 4 only. The clicks that send them are
    // the dialogs' business.
    void hostCommands()
    {
        // A dialog made before the host attached itself sends nothing.
        DetailDialogsSlotHelper alone(nullptr);
        alone.slotArpTypeSelect();
        alone.slotWaveTypeSelect(1);
        alone.slotDrumWaveTypeSelect();
        alone.slotDrumVoiceSelect();
        alone.slotArpSFAssignTypeSelect(1);

        RecordingHost host;
        DetailDialogsSlotHelper helper(&host);
        helper.slotArpTypeSelect();
        for (int element : { -1, 0, 4, 5 })
            helper.slotWaveTypeSelect(element);
        helper.slotDrumWaveTypeSelect();
        helper.slotDrumVoiceSelect();
        helper.slotArpSFAssignTypeSelect(3);
        QCOMPARE(host.commands, (QList<int>{ 10, 41, 45, 38, 17, 48 }));
        const W_GUID group(0x1ACA2154, 0x5EFA, 0x4154, 0x8C, 0xF4, 0x10, 0xA8, 0xB1, 0xB8, 0x72,
                           0x0F);
        for (int i = 0; i < host.commands.size(); ++i) {
            QVERIFY(host.groups[i] == group);
            QVERIFY(host.replyWasZero[i] && host.synchronousFlags[i]);
            QCOMPARE(host.reservedWords[i], 0u);
        }
    }

    void images_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("corner"); // invalid: there is no such image
        QTest::newRow("groove on the dialogs' grey")
            << "zinta_horzfader.png" << QColor(192, 192, 192);
        QTest::newRow("thumb") << "zinta_horzfaderthumb.png" << QColor(Qt::white);
        QTest::newRow("unknown") << "zinta_vertfader.png" << QColor();
        QTest::newRow("no name") << QString() << QColor();
    }
    void images()
    {
        QFETCH(QString, name);
        QFETCH(QColor, corner);
        const QPixmap pixmap = fromMimeSource(name);
        const QImage image = MimeSourceFactory::defaultFactory()->data(name);
        // Served once uncompressed, then from the cache; nothing is kept of an unknown name.
        // (Their sizes are the fader's business, checked with the fader.)
        QCOMPARE(ImageFactory::instance()->MimeSourceFactory::data(name).isNull(),
                 !corner.isValid());
        if (!corner.isValid()) {
            QVERIFY(pixmap.isNull() && image.isNull());
            return;
        }
        QCOMPARE(pixmap.size(), image.size());
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(MimeSourceFactory::defaultFactory()->data(name).cacheKey(), image.cacheKey());
        QCOMPARE(QColor(image.pixel(0, 0)), corner);
    }
};

QTEST_MAIN(TestAddresses)
#include "tst_addresses.moc"

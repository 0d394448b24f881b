// The host editor's "VerticalDials" setting, read when the host attaches
// itself, decides the orientation of the dials created afterwards.

#include <recordinghost.h>

#include <cdial.h>
#include <igenericeditorplugininterface.h>

#include <QLibrary>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestDialSetting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void orientation_data();
    void orientation();

private:
    QTemporaryDir m_settingsDir;
    IGenericEditorPluginInterface *createAddOn();
    QLibrary m_library{ QStringLiteral(VESTRA_ADDON_PATH) };
};

void TestDialSetting::initTestCase()
{
    QVERIFY(m_settingsDir.isValid());
    // Never the real settings: both scopes point into a scratch folder.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, m_settingsDir.filePath(QStringLiteral("system")));
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
}

IGenericEditorPluginInterface *TestDialSetting::createAddOn()
{
    auto factory = reinterpret_cast<VestraVceFactory>(m_library.resolve("vestra_vce_factory"));
    return factory ? factory() : nullptr;
}

void TestDialSetting::orientation_data()
{
    QTest::addColumn<QVariant>("setting");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("1") << QVariant(1) << true;
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("2") << QVariant(2) << false;
    QTest::newRow("-1") << QVariant(-1) << false;
    QTest::newRow("text") << QVariant(QStringLiteral("yes")) << false;
    QTest::newRow("missing") << QVariant() << false;
}

void TestDialSetting::orientation()
{
    QFETCH(QVariant, setting);
    QFETCH(bool, vertical);
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vestra"),
                           QStringLiteral("VESTRA_VCE Zinta Editor"));
        if (setting.isValid())
            settings.setValue(QStringLiteral("VerticalDials"), setting);
        else
            settings.remove(QStringLiteral("VerticalDials"));
    }
    // Start from the opposite orientation, so that the setting has to act.
    CDial::setVerticalMode(!vertical);

    IGenericEditorPluginInterface *addOn = createAddOn();
    QVERIFY(addOn);
    RecordingHost host;
    QCOMPARE(addOn->attachHost(nullptr, &host), VESTRA_S_OK);
    QCOMPARE(CDial::verticalMode(), vertical);
    CDial dial(nullptr, "dial");
    QCOMPARE(dial.isVertical(), vertical);
    QCOMPARE(addOn->Release(), 0u);
}

QTEST_MAIN(TestDialSetting)
#include "tst_dialsetting.moc"

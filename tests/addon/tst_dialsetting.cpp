// The host editor's "VerticalDials" setting, read when the host attaches
// itself, decides the orientation of the dials created afterwards.

#include <addonlibrary.h>
#include <recordinghost.h>

#include <cdial.h>
#include <igenericeditorplugininterface.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestDialSetting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Never the real settings: both scopes point into a scratch folder.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope,
                           m_settingsDir.filePath(QStringLiteral("system")));
        QVERIFY2(m_library.isLoaded(), qPrintable(AddOnLibrary::error()));
    }

    void orientation_data()
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
    void orientation()
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

        IGenericEditorPluginInterface *addOn =
            static_cast<IGenericEditorPluginInterface *>(m_library.create());
        QVERIFY(addOn);
        RecordingHost host;
        QCOMPARE(addOn->attachHost(nullptr, &host), VESTRA_S_OK);
        QCOMPARE(CDial::verticalMode(), vertical);
        CDial dial(nullptr, "dial");
        QCOMPARE(dial.isVertical(), vertical);
        QCOMPARE(addOn->Release(), 0u);
    }

private:
    QTemporaryDir m_settingsDir;
    AddOnLibrary m_library;
};

QTEST_MAIN(TestDialSetting)
#include "tst_dialsetting.moc"

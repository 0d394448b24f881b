#include <editorsession.h>
#include <editortranslations.h>
#include <hostfixture.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

// The editor in German: its own texts, the add-on's form captions and Qt's
// standard dialogs, each from its own catalogue.
class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menusInGerman_data();
    void menusInGerman();
    void formCaptionsInGerman_data();
    void formCaptionsInGerman();
    void standardButtonsInGerman();
};

void TestLanguage::initTestCase()
{
    const QStringList loaded = EditorTranslations::install(QLocale(QStringLiteral("de")),
                                                           QStringLiteral(ZINTA_TRANSLATIONS_DIR));
    QCOMPARE(loaded.size(), 3);
}

void TestLanguage::menusInGerman_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("title");
    QTest::newRow("File") << 0 << QStringLiteral("&Datei");
    QTest::newRow("Edit") << 1 << QStringLiteral("&Bearbeiten");
}

void TestLanguage::menusInGerman()
{
    QFETCH(int, menu);
    QFETCH(QString, title);
    EditorSession session;
    QVERIFY2(session.window, qPrintable(session.error));
    QCOMPARE(session.window->menuBar()->actions().at(menu)->text(), title);
}

void TestLanguage::formCaptionsInGerman_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("portamento") << 12 << QStringLiteral("Zeit");
}

void TestLanguage::formCaptionsInGerman()
{
    QFETCH(int, entry);
    QFETCH(QString, caption);
    HostFixture host;
    QWidget *dialog = host.open(entry);
    QVERIFY(dialog);
    QStringList captions;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        captions << label->text();
    QVERIFY2(captions.contains(caption), qPrintable(captions.join(QLatin1Char('|'))));
}

void TestLanguage::standardButtonsInGerman()
{
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"

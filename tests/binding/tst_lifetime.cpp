// A dialog outlives the parameter memory the host gave it: the host deletes
// the memory while one dialog runs and another waits to be run.

#include "hostfixture.h"

#include <QPointer>
#include <QTimer>
#include <QtTest>

class TestLifetime : public QObject
{
    Q_OBJECT

private slots:
    void memoryDeletedUnderOpenDialogs_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("reports"); // models reported to the voice data

        QTest::newRow("element") << 3 << 0;
        QTest::newRow("effect") << 13 << 0;
        QTest::newRow("common") << 8 << 0;
        QTest::newRow("drum key") << 28 << 0;
        QTest::newRow("plug-in element") << 20 << 0;
        QTest::newRow("board") << 29 << 1;
    }
    void memoryDeletedUnderOpenDialogs()
    {
        QFETCH(int, entry);
        QFETCH(int, reports);
        HostFixture host;
        QVERIFY2(host.addOn, qPrintable(host.loadError()));
        auto *memory = new TParameterMemory;
        memory->setVoiceData(&host.voiceData);
        QPointer<QWidget> running = host.create(entry);
        QPointer<QWidget> waiting = host.create(entry);
        QVERIFY(running && waiting);
        IEditorExtensions *runningExtensions = host.extensionsOf(running);
        IEditorExtensions *waitingExtensions = host.extensionsOf(waiting);
        QVERIFY(runningExtensions && waitingExtensions);
        runningExtensions->attachMemAPI(memory);
        waitingExtensions->attachMemAPI(memory);

        // While the dialog runs modally, the memory goes; a dialog still open
        // after that is closed by the test, and the test fails.
        bool stillOpen = false;
        QTimer::singleShot(0, running, [&] {
            delete memory;
            stillOpen = running && running->isVisible();
            if (stillOpen)
                running->close();
        });
        QCOMPARE(runningExtensions->runDialog(), VESTRA_S_OK);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!stillOpen);
        QVERIFY(running.isNull());
        QCOMPARE(host.voiceData.closedBoards.size(), reports);
        if (reports)
            QCOMPARE(host.voiceData.closedBoards.first(), QStringLiteral("XPB900-JQ"));

        // The other dialog now has no memory: not shown, deleted, nothing reported.
        QCOMPARE(waitingExtensions->runDialog(), VESTRA_S_OK);
        QVERIFY(!waiting.isNull() && !waiting->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(waiting.isNull());
        QCOMPARE(host.voiceData.closedBoards.size(), reports);
    }
};

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"

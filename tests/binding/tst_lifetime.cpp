// A dialog outlives the parameter memory the host gave it: the host deletes
// the memory while one dialog runs and another waits to be run, or while a
// dialog stands open beside the window.

#include "hostfixture.h"

#include <QPointer>
#include <QTimer>
#include <QtTest>

class TestLifetime : public QObject
{
    Q_OBJECT

private slots:
    void memoryDeletedUnderOpenDialogs_data() { addEntries(); }
    void memoryDeletedUnderOpenDialogs();
    void memoryDeletedBesideTheWindow_data() { addEntries(); }
    void memoryDeletedBesideTheWindow();

private:
    static void addEntries()
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
};

void TestLifetime::memoryDeletedUnderOpenDialogs()
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


// A dialog open beside the window, not run: the memory goes, the dialog
// closes (a board reports its model once), and keys and clicks on its
// controls and displays before it is deleted write nothing and ask the
// host for nothing.
void TestLifetime::memoryDeletedBesideTheWindow()
{
    QFETCH(int, entry);
    QFETCH(int, reports);
    HostFixture host;
    auto *memory = new TParameterMemory;
    memory->setVoiceData(&host.voiceData);
    QPointer<QWidget> dialog = host.create(entry);
    QVERIFY(dialog);
    host.attach(dialog, memory);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    delete memory;
    QVERIFY(dialog && !dialog->isVisible());
    QCOMPARE(host.voiceData.closedBoards.size(), reports);
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (dynamic_cast<TMemProxy *>(w) || w->inherits("CHotspotLabel")) {
            QTest::keyClick(w, Qt::Key_Up);
            QTest::keyClick(w, Qt::Key_Space);
            QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        }
    }
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
    QCOMPARE(host.voiceData.closedBoards.size(), reports);
    QVERIFY(host.host.commands.isEmpty());
}

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"

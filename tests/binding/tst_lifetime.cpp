// A dialog outlives the parameter memory the host gave it: the host deletes
// the memory while one dialog runs modally, or stands open beside the
// window, and another waits to be run.

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
        QTest::addColumn<int>("reports");  // models reported to the voice data
        QTest::addColumn<bool>("running"); // run modally, or open beside the window
        const QList<std::pair<const char *, int>> entries = {
            { "element", 3 },   { "effect", 13 },          { "common", 8 },
            { "drum key", 28 }, { "plug-in element", 20 }, { "board", 29 },
        };
        for (const auto &[name, entry] : entries) {
            QTest::addRow("%s, running", name) << entry << (entry == 29 ? 1 : 0) << true;
            QTest::addRow("%s, beside the window", name) << entry << (entry == 29 ? 1 : 0) << false;
        }
    }
    // The open dialog closes (a board reports its model once); keys and
    // clicks reaching its controls and displays before it is deleted write
    // nothing and ask the host for nothing. The waiting dialog, run, neither
    // shows nor stays.
    void memoryDeletedUnderOpenDialogs()
    {
        QFETCH(int, entry);
        QFETCH(int, reports);
        QFETCH(bool, running);
        HostFixture host;
        QVERIFY2(host.addOn, qPrintable(host.loadError()));
        auto *memory = new TParameterMemory;
        memory->setVoiceData(&host.voiceData);
        QPointer<QWidget> open = host.create(entry);
        QPointer<QWidget> waiting = host.create(entry);
        QVERIFY(open && waiting);
        host.attach(open, memory);
        host.attach(waiting, memory);

        // The memory goes while the dialog is open; a dialog still open
        // after that is closed by the test, and the test fails.
        bool stillOpen = false;
        auto deleteMemory = [&] {
            delete memory;
            stillOpen = open && open->isVisible();
            for (QWidget *w : open->findChildren<QWidget *>()) {
                if (dynamic_cast<TMemProxy *>(w) || w->inherits("CHotspotLabel")) {
                    QTest::keyClick(w, Qt::Key_Up);
                    QTest::keyClick(w, Qt::Key_Space);
                    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
                }
            }
            if (stillOpen)
                open->close();
        };
        if (running) {
            QTimer::singleShot(0, open, deleteMemory);
            QCOMPARE(host.extensionsOf(open)->runDialog(), VESTRA_S_OK);
        } else {
            open->show();
            QVERIFY(QTest::qWaitForWindowExposed(open));
            deleteMemory();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!stillOpen);
        QVERIFY(open.isNull());
        QCOMPARE(host.voiceData.closedBoards, QStringList(reports, QStringLiteral("XPB900-JQ")));
        QVERIFY(host.host.commands.isEmpty());

        QCOMPARE(host.extensionsOf(waiting)->runDialog(), VESTRA_S_OK);
        QVERIFY(!waiting.isNull() && !waiting->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(waiting.isNull());
        QCOMPARE(host.voiceData.closedBoards.size(), reports);
    }
};

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"

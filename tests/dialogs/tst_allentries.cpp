// Every menu entry of the add-on opened from the host, attached to the
// memory, refreshed by a voice load and closed, in turn.

#include <hostfixture.h>

#include <tmemproxy.h>

#include <QPointer>
#include <QSet>
#include <QtTest>

class TestAllEntries : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryOpensBoundAndCloses_data();
    void everyEntryOpensBoundAndCloses();
};

void TestAllEntries::everyEntryOpensBoundAndCloses_data()
{
    QTest::addColumn<int>("entry");
    for (int entry = 1; entry <= 35; ++entry)
        QTest::newRow(qPrintable(QStringLiteral("entry %1").arg(entry))) << entry;
}

// A control with an address is bound to a parameter the memory knows; the
// only controls without one are those their dialogs withdraw. Only the board
// dialogs report their model when they close.
void TestAllEntries::everyEntryOpensBoundAndCloses()
{
    QFETCH(int, entry);
    const QSet<QString> withdrawn = {
        "waveSelect", "cTextSlider800", "cFader801", "cTextSlider802", "cFader803",
        "cTextSlider2276", "cFader2277", "cPullDownMenuARPBank",
    };
    HostFixture host;
    QVERIFY2(host.addOn, qPrintable(host.loadError()));
    const int voiceType = entry <= 12 ? 1 : entry <= 20 || entry >= 29 ? 2 : 3;
    host.memory.setVoiceType(voiceType);
    host.voiceData.voiceType = voiceType == 1 ? QStringLiteral("Normal")
                               : voiceType == 2 ? QStringLiteral("Plugin")
                                                : QStringLiteral("Drum");
    QPointer<QWidget> dialog = host.open(entry);
    QVERIFY(dialog);
    host.memory.resetToDefaults(); // a voice load: the form refreshes
    int bound = 0;
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        auto *proxy = dynamic_cast<TMemProxy *>(w);
        if (!proxy)
            continue;
        if (proxy->namedAddress().isEmpty()) {
            QVERIFY2(withdrawn.contains(w->objectName()), qPrintable(w->objectName()));
            continue;
        }
        QVERIFY2(proxy->isBound(), qPrintable(w->objectName() + QLatin1Char(' ') + proxy->namedAddress()));
        ++bound;
    }
    QVERIFY(bound > 0);
    QVERIFY(dialog->close());
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.voiceData.closedBoards.size(), entry >= 29 ? 1 : 0);
}

QTEST_MAIN(TestAllEntries)
#include "tst_allentries.moc"

// The parameter memory's behaviour as the dialogs and the host rely on it:
// controls that follow each other, value texts, parameters out of use,
// compare mode, notifiers and schema files.

#include "testproxy.h"

#include <csimplenotifier.h>
#include <tparametermemory.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString level = QStringLiteral("FEkNormalElementAmplitude/kNrmElmLevel");
const QString noteLow = QStringLiteral("FEkNormalElement/kNrmElmNoteLimitLow");
const QString eqType = QStringLiteral("FEkNormalElementEQ/kNrmElmEQType");
const QString eq2Freq = QStringLiteral("FEkNormalElementEQ/kNrmElmEQ2Freq");

// Writes one parameter whenever another changes: the receiver of a notifier
// that edits the voice from inside a change.
class Echo : public QObject
{
    Q_OBJECT

public:
    Echo(TParameterMemory *memory, QString target)
        : m_memory(memory)
        , m_target(std::move(target))
    {
    }
    int calls = 0;

public slots:
    void changed(int value)
    {
        ++calls;
        m_memory->setValue(m_target, 0, value + 1);
    }

private:
    TParameterMemory *m_memory;
    QString m_target;
};

// Records what a notifier reports.
class Listener : public QObject
{
    Q_OBJECT

public:
    QList<int> heard;

public slots:
    void changed(int value) { heard << value; }
};

} // namespace

class TestMemory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void proxiesOnOneChannelFollowEachOther();
    void proxiesOnOtherChannelsStayApart();
    void assigningAnEditChannelMovesADialogsControls();
    void valueTexts_data();
    void valueTexts();
    void aTypeParameterPutsParametersOutOfUse();
    void compareModeShowsTheStoredVoiceAndRefusesEdits();
    void aNotifierHearsEachChangeOnce();
    void writesFromInsideAChangeDoNotRecurseForever();
    void badSchemaFilesKeepTheSchema();

private:
    void writeFile(const QString &path, const QByteArray &bytes);

    TParameterMemory *m_memory = nullptr;
    QWidget *m_dialog = nullptr;
    QTemporaryDir m_dir;
};

void TestMemory::init()
{
    m_memory = new TParameterMemory;
    m_dialog = new QWidget;
}

void TestMemory::cleanup()
{
    delete m_dialog;
    delete m_memory;
}

void TestMemory::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestMemory::proxiesOnOneChannelFollowEachOther()
{
    auto *a = new TestProxy(m_dialog, pan);
    auto *b = new TestProxy(m_dialog, pan);
    QVERIFY(a->connectMemAPI(m_memory, 2));
    QVERIFY(b->connectMemAPI(m_memory, 2));
    b->reported.clear();
    QVERIFY(a->writeValue(-20));
    QCOMPARE(b->reported, QList<int>{ -20 });
    QCOMPARE(a->lastReported(), -20);
    QCOMPARE(m_memory->value(pan, 2), -20);
    // A change from the host reaches both.
    m_memory->setValue(pan, 2, 30);
    QCOMPARE(a->lastReported(), 30);
    QCOMPARE(b->lastReported(), 30);
    // Writing the value it already has is no change.
    b->reported.clear();
    QVERIFY(!a->writeValue(30));
    QVERIFY(b->reported.isEmpty());
}

void TestMemory::proxiesOnOtherChannelsStayApart()
{
    auto *first = new TestProxy(m_dialog, pan);
    auto *third = new TestProxy(m_dialog, pan);
    auto *fixedThird = new TestProxy(m_dialog, QStringLiteral("20kNormalElement/kNrmElmPan"));
    QVERIFY(first->connectMemAPI(m_memory, 0));
    QVERIFY(third->connectMemAPI(m_memory, 2));
    QVERIFY(fixedThird->connectMemAPI(m_memory, 0)); // "20": element 3 whatever the channel
    first->reported.clear();
    QVERIFY(third->writeValue(10));
    QVERIFY(first->reported.isEmpty());
    QCOMPARE(fixedThird->lastReported(), 10);
    QCOMPARE(m_memory->value(pan, 0), 0);
}

void TestMemory::assigningAnEditChannelMovesADialogsControls()
{
    auto *page = new QWidget(m_dialog);
    auto *control = new TestProxy(page, level);
    m_memory->setValue(level, 1, 11);
    m_memory->setValue(level, 3, 33);
    m_memory->assignEditChannel(m_dialog, 1);
    QCOMPARE(control->boundPart(), 1);
    QCOMPARE(control->lastReported(), 11);
    m_memory->assignEditChannel(m_dialog, 3);
    QCOMPARE(control->boundPart(), 3);
    QCOMPARE(control->lastReported(), 33);
    QVERIFY(control->writeValue(34));
    QCOMPARE(m_memory->value(level, 3), 34);
    QCOMPARE(m_memory->value(level, 1), 11);
}

void TestMemory::valueTexts_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("lowest note") << noteLow << 0 << "C-2";
    QTest::newRow("middle C") << noteLow << 60 << "C3";
    QTest::newRow("sharp") << noteLow << 61 << "C#3";
    QTest::newRow("highest note") << noteLow << 127 << "G8";
    QTest::newRow("pan left") << pan << -63 << "L63";
    QTest::newRow("pan centre") << pan << 0 << "C";
    QTest::newRow("pan right") << pan << 63 << "R63";
    QTest::newRow("switch off") << QStringLiteral("FEkNormalElement/kNrmElmInsEffSwitch") << 0 << "Off";
    QTest::newRow("switch on") << QStringLiteral("FEkNormalElement/kNrmElmInsEffSwitch") << 1 << "On";
}

void TestMemory::valueTexts()
{
    QFETCH(QString, address);
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(m_memory->valueText(address, 0, value), text);
    // The same text through the dialogs' interface.
    quint16 high = 0, low = 0;
    QVERIFY(m_memory->findParameter(address, &high, &low));
    QString shown;
    QPixmap pixmap;
    QCOMPARE(m_memory->parameterText(0, IMemAPI::ValueText, shown, pixmap, value, 0, high, low), 0);
    QCOMPARE(shown, text);
}

// Some EQ type leaves the second band out of use: a bound control on it is
// then hidden by process(), and shown again for a type that uses it.
void TestMemory::aTypeParameterPutsParametersOutOfUse()
{
    auto *control = new TestProxy(m_dialog, eq2Freq);
    QVERIFY(control->connectMemAPI(m_memory, 0));
    quint16 high = 0, low = 0;
    QVERIFY(m_memory->findParameter(eqType, &high, &low));
    QSignalSpy layout(m_memory, &TParameterMemory::blockLayoutChanged);
    int unused = -1, used = -1;
    for (int t = m_memory->minimum(high, low, 0); t <= m_memory->maximum(high, low, 0); ++t) {
        m_memory->setValue(eqType, 0, t);
        (m_memory->inUse(eq2Freq, 0) ? used : unused) = t;
    }
    QVERIFY(unused >= 0 && used >= 0);
    QVERIFY(layout.count() > 0);

    m_memory->setValue(eqType, 0, unused);
    control->process(nullptr, 0, 0);
    QCOMPARE(control->visibilityDecisions.last(), false);
    QVERIFY(!control->inUse());
    m_memory->setValue(eqType, 0, used);
    control->process(nullptr, 0, 0);
    QCOMPARE(control->visibilityDecisions.last(), true);
    // Each element has its own type.
    m_memory->setValue(eqType, 1, unused);
    QVERIFY(!m_memory->inUse(eq2Freq, 1));
    QVERIFY(m_memory->inUse(eq2Freq, 0));
}

void TestMemory::compareModeShowsTheStoredVoiceAndRefusesEdits()
{
    auto *control = new TestProxy(m_dialog, level);
    QVERIFY(control->connectMemAPI(m_memory, 0));
    m_memory->setValue(level, 0, 40);
    m_memory->storeVoice();
    m_memory->setValue(level, 0, 90);
    QSignalSpy compare(m_memory, &TParameterMemory::enterCompareMode);

    m_memory->setCompareMode(true);
    QCOMPARE(compare.count(), 1);
    QCOMPARE(control->lastReported(), 40);
    QVERIFY(control->readOnly());
    QVERIFY(!control->writeValue(50));
    QVERIFY(!m_memory->setValue(level, 0, 50));
    QCOMPARE(m_memory->value(level, 0), 40);

    m_memory->setCompareMode(false);
    QCOMPARE(control->lastReported(), 90);
    QVERIFY(control->writeValue(91));
    QCOMPARE(m_memory->value(level, 0), 91);
}

void TestMemory::aNotifierHearsEachChangeOnce()
{
    // Create() reports the current value at once, then every change once.
    Listener listener;
    auto *notifier = new CSimpleNotifier(m_dialog, nullptr);
    m_memory->setValue(level, 2, 5);
    QVERIFY(CSimpleNotifier::Create(m_memory, &listener, level, 2, "1changed(int)", notifier, nullptr));
    QCOMPARE(listener.heard, QList<int>{ 5 });
    m_memory->setValue(level, 2, 12);
    m_memory->setValue(level, 2, 12);
    m_memory->setValue(level, 1, 77);
    QCOMPARE(listener.heard, (QList<int>{ 5, 12 }));
    QCOMPARE(notifier->getValue(), 12);
    // Attached again elsewhere, it reports only the new parameter.
    QVERIFY(CSimpleNotifier::Create(m_memory, &listener, level, 1, "1changed(int)", notifier, nullptr));
    m_memory->setValue(level, 2, 13);
    QCOMPARE(listener.heard, (QList<int>{ 5, 12, 77 }));
    // Unknown addresses and members bind nothing.
    auto *stray = new CSimpleNotifier(m_dialog, nullptr);
    QVERIFY(!CSimpleNotifier::Create(m_memory, m_dialog, QStringLiteral("FEkNoBlock/kNoParam"), 0,
                                     "1update()", stray, nullptr));
    QVERIFY(!CSimpleNotifier::Create(m_memory, m_dialog, level, 0, "1noSuchSlot()", stray, nullptr));
}

// Two notifiers whose receivers each write the other's parameter: every
// change starts a chain that the memory must end.
void TestMemory::writesFromInsideAChangeDoNotRecurseForever()
{
    const QString a = QStringLiteral("FEkNormalElementPitch/kNrmElmCoarseTune");
    const QString b = QStringLiteral("FEkNormalElementPitch/kNrmElmFineTune");
    Echo toB(m_memory, b);
    Echo toA(m_memory, a);
    auto *onA = new CSimpleNotifier(m_dialog, nullptr);
    auto *onB = new CSimpleNotifier(m_dialog, nullptr);
    QVERIFY(CSimpleNotifier::Create(m_memory, &toB, a, 0, "1changed(int)", onA, nullptr));
    QVERIFY(CSimpleNotifier::Create(m_memory, &toA, b, 0, "1changed(int)", onB, nullptr));
    m_memory->setValue(a, 0, m_memory->value(a, 0) + 1);
    // The chain climbs until a parameter reaches its maximum and stops changing.
    quint16 high = 0, low = 0;
    QVERIFY(m_memory->findParameter(a, &high, &low));
    QVERIFY(toB.calls > 0);
    QVERIFY(toA.calls > 0);
    QCOMPARE(m_memory->value(a, 0), m_memory->maximum(high, low, 0));
}

void TestMemory::badSchemaFilesKeepTheSchema()
{
    const QString path = m_dir.filePath(QStringLiteral("schema.json"));
    writeFile(path, "{ \"blocks\": [] }");
    const int blocks = m_memory->blockCount();
    m_memory->setValue(pan, 0, 4);
    QString error;
    QVERIFY(!m_memory->loadSchema(path, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(m_memory->blockCount(), blocks);
    QCOMPARE(m_memory->value(pan, 0), 4);
    QVERIFY(!m_memory->loadSchema(m_dir.filePath(QStringLiteral("none.json")), &error));
    QCOMPARE(m_memory->schemaSource(), QStringLiteral(":/vestra/memapi/content"));
}

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"

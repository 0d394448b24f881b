// The parameter memory's behaviour as the dialogs and the host rely on it:
// controls that follow each other, compare mode and notifiers.

#include "testproxy.h"

#include <csimplenotifier.h>
#include <tparametermemory.h>

#include <QSignalSpy>
#include <QtTest>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString level = QStringLiteral("FEkNormalElementAmplitude/kNrmElmLevel");

// Records what a notifier reports; given a target, it also writes the value
// plus one there from inside the change, as a receiver that edits the voice.
class Listener : public QObject
{
    Q_OBJECT

public:
    explicit Listener(TParameterMemory *memory = nullptr, QString target = QString())
        : m_memory(memory)
        , m_target(std::move(target))
    {
    }
    QList<int> heard;

public slots:
    void changed(int value)
    {
        heard << value;
        if (m_memory)
            m_memory->setValue(m_target, 0, value + 1);
    }

private:
    TParameterMemory *m_memory;
    QString m_target;
};

} // namespace

class TestMemory : public QObject
{
    Q_OBJECT

private slots:
    void proxiesFollowTheirOwnPart()
    {
        TParameterMemory memory;
        QWidget dialog;
        auto *a = new TestProxy(&dialog, pan);
        auto *b = new TestProxy(&dialog, pan);
        auto *first = new TestProxy(&dialog, pan);
        auto *fixedThird = new TestProxy(&dialog, QStringLiteral("20kNormalElement/kNrmElmPan"));
        QVERIFY(a->connectMemAPI(&memory, 2) && b->connectMemAPI(&memory, 2));
        // "20": element 3 whatever the channel.
        QVERIFY(first->connectMemAPI(&memory, 0) && fixedThird->connectMemAPI(&memory, 0));
        for (TestProxy *proxy : { a, b, first, fixedThird })
            proxy->reported.clear();
        QVERIFY(a->writeValue(-20));
        QCOMPARE(a->reported, QList<int>{ -20 });
        QCOMPARE(b->reported, QList<int>{ -20 });
        QCOMPARE(fixedThird->reported, QList<int>{ -20 });
        QVERIFY(first->reported.isEmpty());
        QCOMPARE(memory.value(pan, 0), 0);
        // A change from the host reaches them too; writing the value there is no change.
        memory.setValue(pan, 2, 30);
        QCOMPARE(b->reported, (QList<int>{ -20, 30 }));
        QVERIFY(!a->writeValue(30));
        QCOMPARE(b->reported.size(), 2);
    }

    // A voice put into the memory announces exactly the values that change,
    // and its type and head; it is no edit.
    void setVoiceAnnouncesExactlyWhatDiffers()
    {
        TParameterMemory memory;
        memory.setValue(pan, 1, 20);
        Voice voice = memory.voice();
        const ParameterRef panOf2 = *memory.resolve(pan, 1), panOf3 = *memory.resolve(pan, 2);
        const ParameterRef levelOf1 = *memory.resolve(level, 0);
        voice.values[panOf2.high][1][panOf2.low] = 20; // as it is
        voice.values[panOf3.high][2][panOf3.low] = -30;
        voice.values[levelOf1.high][0][levelOf1.low] = 12;
        voice.type = VoiceType::Plugin;
        voice.name = QStringLiteral("Glass Pad");
        QSignalSpy changed(&memory, &TParameterMemory::parameterChanged);
        QSignalSpy edited(&memory, &TParameterMemory::valueEdited);
        QSignalSpy type(&memory, &TParameterMemory::voiceTypeChanged);
        QSignalSpy head(&memory, &TParameterMemory::voiceHeadChanged);
        memory.setVoice(voice);

        QSet<ParameterRef> announced;
        for (const QList<QVariant> &args : changed)
            announced.insert(
                { args.at(0).value<quint16>(), args.at(1).value<quint16>(), args.at(2).toInt() });
        QCOMPARE(announced, (QSet<ParameterRef>{ panOf3, levelOf1 }));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(edited.count(), 0);
        QCOMPARE(type.count(), 1);
        QCOMPARE(head.count(), 1);
        QCOMPARE(memory.voiceName(), QStringLiteral("Glass Pad"));
        QCOMPARE(memory.value(pan, 2), -30);
        QVERIFY(!memory.differsFromStored(panOf3));
    }

    void compareModeShowsTheStoredVoiceAndRefusesEdits()
    {
        TParameterMemory memory;
        QWidget dialog;
        auto *control = new TestProxy(&dialog, level);
        QVERIFY(control->connectMemAPI(&memory, 0));
        memory.setValue(level, 0, 40);
        memory.storeVoice();
        memory.setValue(level, 0, 90);
        QSignalSpy compare(&memory, &TParameterMemory::enterCompareMode);

        memory.setCompareMode(true);
        QCOMPARE(compare.count(), 1);
        QCOMPARE(control->lastReported(), 40);
        QVERIFY(control->readOnly());
        QVERIFY(!control->writeValue(50));
        QVERIFY(!memory.setValue(level, 0, 50));
        QCOMPARE(memory.value(level, 0), 40);

        memory.setCompareMode(false);
        QCOMPARE(control->lastReported(), 90);
        QVERIFY(control->writeValue(91));
        QCOMPARE(memory.value(level, 0), 91);
    }

    void aNotifierHearsEachChangeOnce()
    {
        // Create() reports the current value at once, then every change once.
        TParameterMemory memory;
        QObject parent;
        Listener listener;
        auto *notifier = new CSimpleNotifier(&parent, nullptr);
        memory.setValue(level, 2, 5);
        QVERIFY(CSimpleNotifier::Create(&memory, &listener, level, 2, "1changed(int)", notifier,
                                        nullptr));
        QCOMPARE(listener.heard, QList<int>{ 5 });
        memory.setValue(level, 2, 12);
        memory.setValue(level, 2, 12);
        memory.setValue(level, 1, 77);
        QCOMPARE(listener.heard, (QList<int>{ 5, 12 }));
        QCOMPARE(notifier->getValue(), 12);
        // Compare mode showing the same value is no change.
        memory.storeVoice();
        memory.setCompareMode(true);
        memory.setCompareMode(false);
        QCOMPARE(listener.heard, (QList<int>{ 5, 12 }));
        // Attached again elsewhere, it reports only the new parameter.
        QVERIFY(CSimpleNotifier::Create(&memory, &listener, level, 1, "1changed(int)", notifier,
                                        nullptr));
        memory.setValue(level, 2, 13);
        QCOMPARE(listener.heard, (QList<int>{ 5, 12, 77 }));
        // Unknown addresses and members bind nothing.
        auto *stray = new CSimpleNotifier(&parent, nullptr);
        QVERIFY(!CSimpleNotifier::Create(&memory, &listener, QStringLiteral("FEkNoBlock/kNoParam"),
                                         0, "1changed(int)", stray, nullptr));
        QVERIFY(!CSimpleNotifier::Create(&memory, &listener, level, 0, "1noSuchSlot()", stray,
                                         nullptr));
    }

    // Two notifiers whose receivers each write the other's parameter: every
    // change starts a chain that the memory must end.
    void writesFromInsideAChangeDoNotRecurseForever()
    {
        const QString a = QStringLiteral("FEkNormalElementPitch/kNrmElmCoarseTune");
        const QString b = QStringLiteral("FEkNormalElementPitch/kNrmElmFineTune");
        TParameterMemory memory;
        QObject parent;
        Listener toB(&memory, b), toA(&memory, a);
        QVERIFY(CSimpleNotifier::Create(&memory, &toB, a, 0, "1changed(int)",
                                        new CSimpleNotifier(&parent, nullptr), nullptr));
        QVERIFY(CSimpleNotifier::Create(&memory, &toA, b, 0, "1changed(int)",
                                        new CSimpleNotifier(&parent, nullptr), nullptr));
        // The chain climbs until a parameter reaches its maximum and stops changing.
        quint16 high = 0, low = 0;
        QVERIFY(memory.findParameter(a, &high, &low));
        QCOMPARE(memory.value(a, 0), memory.maximum(high, low, 0));
        toA.heard.clear();
        toB.heard.clear();
        QVERIFY(memory.setValue(a, 0, 0));
        QVERIFY(toB.heard.size() > 1 && toA.heard.size() > 1);
        QCOMPARE(memory.value(a, 0), memory.maximum(high, low, 0));
    }
};

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"

// The memory's tables as a foreign caller reaches them: by position, through
// a plain array of function pointers taken from a live object (Linux x86-64,
// Itanium C++ ABI: the object is the first argument; a result that is not
// trivially copyable is written to a hidden pointer passed before it).

#include "testproxy.h"

#include <csimplenotifier.h>
#include <tparametermemory.h>

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <cstdint>
#include <new>

namespace {

extern "C" {
struct ResolvedC
{
    int count;
    IMemAPI::TSingleAddress *addresses;
};

struct IMemAPIVtblC
{
    void (*reserved0to19[20])(void *self);
    void *(*voiceData)(void *self); /* 20 */
    void (*reserved21to41[21])(void *self);
    ResolvedC (*resolveAddress)(void *self, const void *address); /* 42 */
    void (*reserved43)(void *self);
    void (*assignEditChannel)(void *self, void *dialog, int channel); /* 44 */
    void (*reserved45to63[19])(void *self);
    int (*parameterText)(void *self, std::uint16_t part, int kind, void *text, void *pixmap,
                         int value, int reserved, std::uint16_t high, std::uint16_t low); /* 64 */
    void (*reserved65to73[9])(void *self);
    bool (*connectSignal)(void *self, const char *signal, void *receiver, const char *member,
                          bool unique); /* 74 */
};

struct TMemProxyBasicVtblC
{
    void (*destroy)(void *self, unsigned int deleteFlag);          /* 0 */
    int (*process)(void *self, void *message, int arg1, int arg2); /* 1 */
    bool (*autoUndoDisabled)(void *self);                          /* 2 */
    void *(*realMemoryProxy)(void *self);                          /* 3 */
    bool (*connectMemAPI)(void *self, void *memAPI, int channel);  /* 4 */
    void (*disconnectMemAPI)(void *self), (*copyParameters)(void *self),
        (*pasteParameters)(void *self), (*reset2defaults)(void *self),
        (*reset2AltDefaults)(void *self); /* 5 to 9 */
    void (*getInformation)(void *self, double *value, double *minimum, double *maximum,
                           bool *valid); /* 10 */
    void (*setInformation)(void *self, double value, double minimum, double maximum,
                           bool valid);                       /* 11 */
    void (*applyConnection)(void *self);                      /* 12 */
    void (*disableAutoHide)(void *self, bool disable);        /* 13 */
    void (*namedAddress)(void *result, void *self);           /* 14 */
    void (*setNamedAddress)(void *self, const void *address); /* 15 */
    bool (*isUndoEnable)(void *self);                         /* 16 */
    void (*setUndoEnable)(void *self, bool enable);           /* 17 */
    int (*numDefaultKind)(void *self);                        /* 18 */
    void (*setNumDefaultKind)(void *self, int kind);          /* 19 */
    bool (*disabledUI)(void *self);                           /* 20 */
    void (*setDisabledUI)(void *self, bool disabled);         /* 21 */
};
}

static_assert(sizeof(IMemAPIVtblC) == 75 * sizeof(void *), "IMemAPI has 75 slots");
static_assert(sizeof(TMemProxyBasicVtblC) == 22 * sizeof(void *), "TMemProxyBasic has 22 slots");

const IMemAPIVtblC *memTable(IMemAPI *api)
{
    return *reinterpret_cast<const IMemAPIVtblC *const *>(api);
}

const TMemProxyBasicVtblC *proxyTable(TMemProxyBasic *proxy)
{
    return *reinterpret_cast<const TMemProxyBasicVtblC *const *>(proxy);
}

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString unknown = QStringLiteral("FEkNormalElement/kNrmElmNoSuchThing");

} // namespace

class TestMemContract : public QObject
{
    Q_OBJECT

private slots:
    void memApiByPosition()
    {
        TParameterMemory memory;
        IMemAPI *api = &memory;
        const IMemAPIVtblC *table = memTable(api);
        QObject voiceData;
        memory.setVoiceData(&voiceData);
        QCOMPARE(table->voiceData(api), static_cast<void *>(&voiceData));

        const QString fixed = QStringLiteral("20kNormalElement/kNrmElmPan");
        const ResolvedC resolved = table->resolveAddress(api, &fixed);
        QCOMPARE(resolved.count, 1);
        QCOMPARE(resolved.addresses[0].part, quint16(2));
        const quint16 high = resolved.addresses[0].high, low = resolved.addresses[0].low;
        delete[] resolved.addresses;
        QCOMPARE(table->resolveAddress(api, &unknown).addresses, nullptr);

        QString text;
        QPixmap pixmap;
        QCOMPARE(
            table->parameterText(api, 1, IMemAPI::ValueText, &text, &pixmap, -63, 0, high, low), 0);
        QCOMPARE(text, QStringLiteral("L63"));
        QCOMPARE(table->parameterText(api, 1, IMemAPI::NameText, &text, &pixmap, 0, 0, high, low),
                 0);
        QCOMPARE(text, memory.name(pan, 1));
        QVERIFY(table->parameterText(api, 1, IMemAPI::NameText, &text, &pixmap, 0, 0, 0xFFF0, low)
                != 0);

        // Every control of the dialog, on a page of it too, moves to the part assigned.
        QVERIFY(memory.setValue(pan, 1, 11));
        QVERIFY(memory.setValue(pan, 3, -20));
        QWidget dialog;
        auto *proxy = new TestProxy(new QWidget(&dialog), pan);
        table->assignEditChannel(api, &dialog, 1);
        QCOMPARE(proxy->lastReported(), 11);
        table->assignEditChannel(api, &dialog, 3);
        QCOMPARE(proxy->boundPart(), 3);
        QCOMPARE(proxy->lastReported(), -20);
        QVERIFY(proxy->writeValue(-21));
        QCOMPARE(memory.value(pan, 3), -21);
        QCOMPARE(memory.value(pan, 1), 11);

        QWidget receiver;
        QVERIFY(table->connectSignal(api, "2enterCompareMode(bool)", &receiver,
                                     "1setDisabled(bool)", true));
        QVERIFY(!table->connectSignal(api, "2noSuchSignal(bool)", &receiver, "1setDisabled(bool)",
                                      true));
        memory.setCompareMode(true);
        QVERIFY(!receiver.isEnabled());
    }

    void proxyBindingByPosition()
    {
        TParameterMemory memory;
        QVERIFY(memory.setValue(pan, 2, 17));
        auto *proxy = new TestProxy(nullptr, pan);
        QPointer<QWidget> guard(proxy);
        TMemProxyBasic *basic = proxy;
        const TMemProxyBasicVtblC *table = proxyTable(basic);
        QCOMPARE(table->realMemoryProxy(basic), static_cast<void *>(basic));
        QVERIFY(table->connectMemAPI(basic, static_cast<IMemAPI *>(&memory), 2));
        QCOMPARE(proxy->value(), 17);
        QVERIFY(memory.setValue(pan, 2, 9));
        proxy->reported.clear();
        table->applyConnection(basic);
        QCOMPARE(proxy->reported, QList<int>{ 9 });
        table->disconnectMemAPI(basic);
        QVERIFY(!proxy->isBound());
        QVERIFY(memory.setValue(pan, 2, 18));
        QCOMPARE(proxy->lastReported(), 9);

        // A new address binds at once where the memory is known.
        const QString noteOff = QStringLiteral("FEkDrumKey/kDrmKeyRcvNoteOff");
        QVERIFY(table->connectMemAPI(basic, static_cast<IMemAPI *>(&memory), 0));
        table->setNamedAddress(basic, &noteOff);
        QVERIFY(proxy->isBound());
        alignas(QString) unsigned char storage[sizeof(QString)];
        table->namedAddress(storage, basic);
        QString *text = std::launder(reinterpret_cast<QString *>(storage));
        QCOMPARE(*text, noteOff);
        text->~QString();

        table->destroy(basic, 0);
        QVERIFY(guard);
        table->destroy(basic, 1);
        QVERIFY(!guard);
    }

    void proxyValuesByPosition()
    {
        TParameterMemory memory;
        QWidget dialog, second;
        auto *proxy = new TestProxy(&dialog, pan);
        auto *other = new TestProxy(&dialog, QStringLiteral("FEkNormalElement/kNrmElmRandomPan"));
        auto *onElement2 = new TestProxy(&second, pan);
        memory.assignEditChannel(&dialog, 0);
        memory.assignEditChannel(&second, 1);
        TMemProxyBasic *basic = proxy;
        const TMemProxyBasicVtblC *table = proxyTable(basic);

        // Written values are clipped to the range; the range is the parameter's.
        table->setInformation(basic, 40.0, 0.0, 0.0, false);
        double value = 0, minimum = 0, maximum = 0;
        bool valid = false;
        table->getInformation(basic, &value, &minimum, &maximum, &valid);
        QVERIFY(valid);
        QCOMPARE(QList<double>({ value, minimum, maximum }), QList<double>({ 40.0, -63.0, 63.0 }));
        table->setInformation(basic, 1000.0, 0.0, 0.0, true);
        QCOMPARE(memory.value(pan, 0), 63);
        QVERIFY(!proxy->writeValue(64)); // clipped to the value it has: no change
        table->reset2defaults(basic);
        QCOMPARE(memory.value(pan, 0), memory.defaultValue(proxy->high, proxy->low, 0));
        table->reset2AltDefaults(basic);
        QCOMPARE(memory.value(pan, 0), -63);

        // The same parameter of another element takes a copied value; another
        // parameter does not.
        QVERIFY(proxy->writeValue(-30));
        table->copyParameters(basic);
        QVERIFY(proxy->writeValue(10));
        TMemProxyBasic *target = onElement2, *wrong = other;
        proxyTable(target)->pasteParameters(target);
        QCOMPARE(memory.value(pan, 1), -30);
        QVERIFY(other->writeValue(5));
        proxyTable(wrong)->pasteParameters(wrong);
        QCOMPARE(other->value(), 5);

        // Unbound, a proxy's information is not valid.
        table->disconnectMemAPI(basic);
        table->getInformation(basic, &value, &minimum, &maximum, &valid);
        QVERIFY(!valid);
    }

    // process() hides a control while its address is unknown or its parameter
    // is out of use for the current type (some EQ type leaves the second band
    // out), unless auto-hide is disabled.
    void processShowsWhatIsInUse()
    {
        const QString eqType = QStringLiteral("FEkNormalElementEQ/kNrmElmEQType");
        const QString eq2Freq = QStringLiteral("FEkNormalElementEQ/kNrmElmEQ2Freq");
        TParameterMemory memory;
        QWidget dialog;
        auto *proxy = new TestProxy(&dialog, unknown);
        dialog.show();
        memory.assignEditChannel(&dialog, 0);
        TMemProxyBasic *basic = proxy;
        const TMemProxyBasicVtblC *table = proxyTable(basic);
        QCOMPARE(table->process(basic, nullptr, 0, 0), 0);
        QVERIFY(proxy->isHidden());
        proxy->setNamedAddress(eq2Freq);
        QSignalSpy layout(&memory, &TParameterMemory::blockLayoutChanged);
        int unused = -1, used = -1;
        for (int t = 0; t < 8; ++t) {
            memory.setValue(eqType, 0, t);
            table->process(basic, nullptr, 0, 0);
            (proxy->isHidden() ? unused : used) = memory.value(eqType, 0);
            QCOMPARE(proxy->inUse(), !proxy->isHidden());
        }
        QVERIFY(unused >= 0 && used >= 0 && layout.count() > 0);
        memory.setValue(eqType, 0, used);
        table->process(basic, nullptr, 0, 0);
        table->disableAutoHide(basic, true);
        memory.setValue(eqType, 0, unused);
        proxy->visibilityDecisions.clear();
        table->process(basic, nullptr, 0, 0);
        QVERIFY(proxy->visibilityDecisions.isEmpty() && !proxy->isHidden());
        // Each element has its own type.
        memory.setValue(eqType, 1, used);
        QVERIFY(!memory.inUse(eq2Freq, 0) && memory.inUse(eq2Freq, 1));
    }

    void notifierIsAProxyByPosition()
    {
        TParameterMemory memory;
        QObject parent;
        auto *notifier = new CSimpleNotifier(&parent, nullptr);
        QPointer<CSimpleNotifier> guard(notifier);
        TMemProxyBasic *basic = notifier;
        proxyTable(basic)->setNamedAddress(basic, &pan);
        QVERIFY(proxyTable(basic)->connectMemAPI(basic, static_cast<IMemAPI *>(&memory), 1));
        QVERIFY(memory.setValue(pan, 1, 5));
        QCOMPARE(notifier->getValue(), 5);
        proxyTable(basic)->destroy(basic, 1);
        QVERIFY(!guard);
    }
};

QTEST_MAIN(TestMemContract)
#include "tst_memcontract.moc"

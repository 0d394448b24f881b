// The memory's tables as a foreign caller reaches them: by position, through
// a plain array of function pointers taken from a live object (Linux x86-64,
// Itanium C++ ABI: the object is the first argument; a result that is not
// trivially copyable is written to a hidden pointer passed before it).

#include "testproxy.h"

#include <csimplenotifier.h>
#include <tparametermemory.h>

#include <QPointer>
#include <QString>
#include <QtTest>

#include <cstdint>
#include <cstring>
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
    void *(*voiceData)(void *self);                                             /* 20 */
    void (*reserved21to41[21])(void *self);
    ResolvedC (*resolveAddress)(void *self, const void *address);               /* 42 */
    void (*reserved43)(void *self);
    void (*assignEditChannel)(void *self, void *dialog, int channel);           /* 44 */
    void (*reserved45to63[19])(void *self);
    int (*parameterText)(void *self, std::uint16_t part, int kind, void *text, void *pixmap,
                         int value, int reserved, std::uint16_t high, std::uint16_t low); /* 64 */
    void (*reserved65to73[9])(void *self);
    bool (*connectSignal)(void *self, const char *signal, void *receiver, const char *member,
                          bool unique);                                         /* 74 */
};

struct TMemProxyBasicVtblC
{
    void (*destroy)(void *self, unsigned int deleteFlag);                        /* 0 */
    int (*process)(void *self, void *message, int arg1, int arg2);              /* 1 */
    bool (*autoUndoDisabled)(void *self);                                       /* 2 */
    void *(*realMemoryProxy)(void *self);                                       /* 3 */
    bool (*connectMemAPI)(void *self, void *memAPI, int channel);               /* 4 */
    void (*disconnectMemAPI)(void *self);                                       /* 5 */
    void (*copyParameters)(void *self);                                         /* 6 */
    void (*pasteParameters)(void *self);                                        /* 7 */
    void (*reset2defaults)(void *self);                                         /* 8 */
    void (*reset2AltDefaults)(void *self);                                      /* 9 */
    void (*getInformation)(void *self, double *value, double *minimum, double *maximum,
                           bool *valid);                                        /* 10 */
    void (*setInformation)(void *self, double value, double minimum, double maximum,
                           bool valid);                                         /* 11 */
    void (*applyConnection)(void *self);                                        /* 12 */
    void (*disableAutoHide)(void *self, bool disable);                          /* 13 */
    void (*namedAddress)(void *result, void *self);                             /* 14 */
    void (*setNamedAddress)(void *self, const void *address);                   /* 15 */
    bool (*isUndoEnable)(void *self);                                           /* 16 */
    void (*setUndoEnable)(void *self, bool enable);                             /* 17 */
    int (*numDefaultKind)(void *self);                                          /* 18 */
    void (*setNumDefaultKind)(void *self, int kind);                            /* 19 */
    bool (*disabledUI)(void *self);                                             /* 20 */
    void (*setDisabledUI)(void *self, bool disabled);                           /* 21 */
};
}

static_assert(sizeof(IMemAPIVtblC) == 75 * sizeof(void *), "IMemAPI has 75 slots");
static_assert(sizeof(TMemProxyBasicVtblC) == 22 * sizeof(void *), "TMemProxyBasic has 22 slots");

template <typename Table, typename Object>
const Table *tableOf(Object *object)
{
    return *reinterpret_cast<const Table *const *>(object);
}

// The position a pointer to a virtual member function names (Itanium ABI:
// one plus the byte offset of its entry), or -1 for a non-virtual one.
template <typename MemberPointer>
int slotOf(MemberPointer member)
{
    static_assert(sizeof(MemberPointer) == 2 * sizeof(std::uintptr_t), "Itanium member pointer");
    std::uintptr_t words[2];
    std::memcpy(words, &member, sizeof words);
    if ((words[0] & 1) == 0)
        return -1;
    return int((words[0] - 1) / sizeof(void *));
}

const QString panAddress = QStringLiteral("FEkNormalElement/kNrmElmPan");

struct Where
{
    quint16 high = 0, low = 0;
};

Where find(const TParameterMemory &memory, const QString &address)
{
    Where w;
    memory.findParameter(address, &w.high, &w.low);
    return w;
}
const QString noteAddress = QStringLiteral("FEkDrumKey/kDrmKeyRcvNoteOff");

class Receiver : public QObject
{
    Q_OBJECT

public:
    QList<bool> compareModes;

public slots:
    void onCompareMode(bool on) { compareModes << on; }
};

} // namespace

class TestMemContract : public QObject
{
    Q_OBJECT

private slots:
    void declaredSlots();
    void memApiByPosition();
    void proxyBindingByPosition();
    void proxyValuesByPosition();
    void proxyFlagsAndAutoHide();
    void notifierIsAProxyByPosition();
};

void TestMemContract::declaredSlots()
{
    const struct { const char *name; int declared, expected; } positions[] = {
        { "voiceData", slotOf(&IMemAPI::voiceData), 20 },
        { "resolveAddress", slotOf(&IMemAPI::resolveAddress), 42 },
        { "assignEditChannel", slotOf(&IMemAPI::assignEditChannel), 44 },
        { "parameterText", slotOf(&IMemAPI::parameterText), 64 },
        { "connectSignal", slotOf(&IMemAPI::connectSignal), 74 },
        { "destroy", slotOf(&TMemProxyBasic::destroy), 0 },
        { "process", slotOf(&TMemProxyBasic::process), 1 },
        { "autoUndoDisabled", slotOf(&TMemProxyBasic::autoUndoDisabled), 2 },
        { "realMemoryProxy", slotOf(&TMemProxyBasic::realMemoryProxy), 3 },
        { "connectMemAPI", slotOf(&TMemProxyBasic::connectMemAPI), 4 },
        { "disconnectMemAPI", slotOf(&TMemProxyBasic::disconnectMemAPI), 5 },
        { "copyParameters", slotOf(&TMemProxyBasic::copyParameters), 6 },
        { "pasteParameters", slotOf(&TMemProxyBasic::pasteParameters), 7 },
        { "reset2defaults", slotOf(&TMemProxyBasic::reset2defaults), 8 },
        { "reset2AltDefaults", slotOf(&TMemProxyBasic::reset2AltDefaults), 9 },
        { "getInformation", slotOf(&TMemProxyBasic::getInformation), 10 },
        { "setInformation", slotOf(&TMemProxyBasic::setInformation), 11 },
        { "applyConnection", slotOf(&TMemProxyBasic::applyConnection), 12 },
        { "disableAutoHide", slotOf(&TMemProxyBasic::disableAutoHide), 13 },
        { "namedAddress", slotOf(&TMemProxyBasic::namedAddress), 14 },
        { "setNamedAddress", slotOf(&TMemProxyBasic::setNamedAddress), 15 },
        { "isUndoEnable", slotOf(&TMemProxyBasic::isUndoEnable), 16 },
        { "setUndoEnable", slotOf(&TMemProxyBasic::setUndoEnable), 17 },
        { "numDefaultKind", slotOf(&TMemProxyBasic::numDefaultKind), 18 },
        { "setNumDefaultKind", slotOf(&TMemProxyBasic::setNumDefaultKind), 19 },
        { "disabledUI", slotOf(&TMemProxyBasic::disabledUI), 20 },
        { "setDisabledUI", slotOf(&TMemProxyBasic::setDisabledUI), 21 },
    };
    for (const auto &slot : positions)
        QVERIFY2(slot.declared == slot.expected, slot.name);
}

void TestMemContract::memApiByPosition()
{
    TParameterMemory memory;
    IMemAPI *api = &memory;
    const IMemAPIVtblC *table = tableOf<IMemAPIVtblC>(api);
    QObject voiceData;
    QCOMPARE(table->voiceData(api), nullptr);
    memory.setVoiceData(&voiceData);
    QCOMPARE(table->voiceData(api), static_cast<void *>(&voiceData));

    const QString fixed = QStringLiteral("20kNormalElement/kNrmElmPan");
    const ResolvedC resolved = table->resolveAddress(api, &fixed);
    QCOMPARE(resolved.count, 1);
    QCOMPARE(resolved.addresses[0].part, quint16(2));
    const quint16 high = resolved.addresses[0].high, low = resolved.addresses[0].low;
    delete[] resolved.addresses;
    const QString unknown = QStringLiteral("FEkNormalElement/kNrmElmNoSuchThing");
    QCOMPARE(table->resolveAddress(api, &unknown).addresses, nullptr);

    QString text;
    QPixmap pixmap;
    QCOMPARE(table->parameterText(api, 1, IMemAPI::ValueText, &text, &pixmap, -63, 0, high, low), 0);
    QCOMPARE(text, QStringLiteral("L63"));
    QCOMPARE(table->parameterText(api, 1, IMemAPI::NameText, &text, &pixmap, 0, 0, high, low), 0);
    QCOMPARE(text, memory.name(panAddress, 1));
    QVERIFY(table->parameterText(api, 1, IMemAPI::NameText, &text, &pixmap, 0, 0, 0xFFF0, low) != 0);

    QVERIFY(memory.setValue(panAddress, 3, -20));
    QWidget dialog;
    auto *proxy = new TestProxy(&dialog, panAddress);
    table->assignEditChannel(api, &dialog, 3);
    QCOMPARE(proxy->boundPart(), 3);
    QCOMPARE(proxy->lastReported(), -20);

    Receiver receiver;
    QVERIFY(table->connectSignal(api, "2enterCompareMode(bool)", &receiver, "1onCompareMode(bool)", true));
    QVERIFY(!table->connectSignal(api, "2noSuchSignal(bool)", &receiver, "1onCompareMode(bool)", true));
    memory.setCompareMode(true);
    QCOMPARE(receiver.compareModes, QList<bool>{ true });
}

void TestMemContract::proxyBindingByPosition()
{
    TParameterMemory memory;
    QVERIFY(memory.setValue(panAddress, 2, 17));
    auto *proxy = new TestProxy(nullptr, panAddress);
    QPointer<QWidget> guard(proxy);
    TMemProxyBasic *basic = proxy;
    const TMemProxyBasicVtblC *table = tableOf<TMemProxyBasicVtblC>(basic);
    QCOMPARE(table->realMemoryProxy(basic), static_cast<void *>(basic));
    QVERIFY(table->connectMemAPI(basic, static_cast<IMemAPI *>(&memory), 2));
    QCOMPARE(proxy->value(), 17);
    QVERIFY(memory.setValue(panAddress, 2, 9));
    proxy->reported.clear();
    table->applyConnection(basic);
    QCOMPARE(proxy->reported, QList<int>{ 9 });
    table->disconnectMemAPI(basic);
    QVERIFY(!proxy->isBound());
    QVERIFY(!informationOf(*proxy).valid);
    QVERIFY(memory.setValue(panAddress, 2, 18));
    QCOMPARE(proxy->lastReported(), 9);

    // A new address binds at once where the memory is known.
    QVERIFY(table->connectMemAPI(basic, static_cast<IMemAPI *>(&memory), 0));
    table->setNamedAddress(basic, &noteAddress);
    QVERIFY(proxy->isBound());
    alignas(QString) unsigned char storage[sizeof(QString)];
    table->namedAddress(storage, basic);
    QString *text = std::launder(reinterpret_cast<QString *>(storage));
    QCOMPARE(*text, noteAddress);
    text->~QString();

    table->destroy(basic, 0);
    QVERIFY(guard);
    table->destroy(basic, 1);
    QVERIFY(!guard);
}

void TestMemContract::proxyValuesByPosition()
{
    TParameterMemory memory;
    QWidget dialog;
    auto *proxy = new TestProxy(&dialog, panAddress);
    auto *other = new TestProxy(&dialog, QStringLiteral("FEkNormalElement/kNrmElmRandomPan"));
    memory.assignEditChannel(&dialog, 0);
    QWidget second;
    auto *onElement2 = new TestProxy(&second, panAddress);
    memory.assignEditChannel(&second, 1);
    TMemProxyBasic *basic = proxy;
    const TMemProxyBasicVtblC *table = tableOf<TMemProxyBasicVtblC>(basic);

    // Written values are clipped to the range; the range is the parameter's.
    table->setInformation(basic, 40.0, 0.0, 0.0, false);
    double value = 0, minimum = 0, maximum = 0;
    bool valid = false;
    table->getInformation(basic, &value, &minimum, &maximum, &valid);
    QVERIFY(valid);
    QCOMPARE(value, 40.0);
    QCOMPARE(minimum, -63.0);
    QCOMPARE(maximum, 63.0);
    table->setInformation(basic, 1000.0, 0.0, 0.0, true);
    QCOMPARE(memory.value(panAddress, 0), 63);
    table->reset2defaults(basic);
    const Where pan = find(memory, panAddress);
    QCOMPARE(memory.value(panAddress, 0), memory.defaultValue(pan.high, pan.low, 0));
    table->reset2AltDefaults(basic);
    QCOMPARE(memory.value(panAddress, 0), -63);

    // The same parameter of another element takes a copied value; another
    // parameter does not.
    QVERIFY(proxy->writeValue(-30));
    table->copyParameters(basic);
    QVERIFY(proxy->writeValue(10));
    TMemProxyBasic *target = onElement2, *wrong = other;
    tableOf<TMemProxyBasicVtblC>(target)->pasteParameters(target);
    QCOMPARE(memory.value(panAddress, 1), -30);
    const int before = other->value();
    tableOf<TMemProxyBasicVtblC>(wrong)->pasteParameters(wrong);
    QCOMPARE(other->value(), before);
}

void TestMemContract::proxyFlagsAndAutoHide()
{
    TParameterMemory memory;
    QWidget dialog;
    auto *proxy = new TestProxy(&dialog, QStringLiteral("FEkNormalElement/kNrmElmNoSuchThing"));
    dialog.show();
    memory.assignEditChannel(&dialog, 0);
    TMemProxyBasic *basic = proxy;
    const TMemProxyBasicVtblC *table = tableOf<TMemProxyBasicVtblC>(basic);
    QCOMPARE(table->process(basic, nullptr, 0, 0), 0);
    QVERIFY(proxy->isHidden());
    proxy->setNamedAddress(panAddress);
    table->process(basic, nullptr, 0, 0);
    QVERIFY(!proxy->isHidden());
    table->disableAutoHide(basic, true);
    proxy->setNamedAddress(QStringLiteral("FEkNormalElement/kNrmElmNoSuchThing"));
    proxy->visibilityDecisions.clear();
    table->process(basic, nullptr, 0, 0);
    QVERIFY(proxy->visibilityDecisions.isEmpty());
    QVERIFY(!proxy->isHidden());

    QVERIFY(table->isUndoEnable(basic));
    QVERIFY(!table->autoUndoDisabled(basic));
    table->setUndoEnable(basic, false);
    QVERIFY(!table->isUndoEnable(basic));
    QVERIFY(table->autoUndoDisabled(basic));
    QCOMPARE(table->numDefaultKind(basic), 0);
    table->setNumDefaultKind(basic, 2);
    QCOMPARE(table->numDefaultKind(basic), 2);
    QVERIFY(!table->disabledUI(basic));
    table->setDisabledUI(basic, true);
    QVERIFY(table->disabledUI(basic));
}

void TestMemContract::notifierIsAProxyByPosition()
{
    TParameterMemory memory;
    QObject parent;
    auto *notifier = new CSimpleNotifier(&parent, nullptr);
    QPointer<CSimpleNotifier> guard(notifier);
    TMemProxyBasic *basic = notifier;
    IMemAPI *api = &memory;
    const TMemProxyBasicVtblC *table = tableOf<TMemProxyBasicVtblC>(basic);
    table->setNamedAddress(basic, &panAddress);
    QVERIFY(table->connectMemAPI(basic, api, 1));
    QVERIFY(memory.setValue(panAddress, 1, 5));
    QCOMPARE(notifier->getValue(), 5);
    table->destroy(basic, 1);
    QVERIFY(!guard);
}

QTEST_MAIN(TestMemContract)
#include "tst_memcontract.moc"

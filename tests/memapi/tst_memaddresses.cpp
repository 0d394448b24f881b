// Address resolution, and a walk of every address the dialogs bind, in each
// voice-type form the dialogs rewrite their addresses to.

#include "testproxy.h"

#include <tparametermemory.h>

#include <QFile>
#include <QPixmap>
#include <QSet>
#include <QtTest>

#include <memory>

namespace {

// A resolved triple, freed the way the memory's callers free it.
struct Resolved
{
    explicit Resolved(IMemAPI &api, const QString &address)
        : result(api.resolveAddress(address))
    {
    }
    ~Resolved() { delete[] result.addresses; }
    Resolved(const Resolved &) = delete;
    Resolved &operator=(const Resolved &) = delete;

    bool known() const { return result.addresses != nullptr; }
    const IMemAPI::TSingleAddress &triple() const { return result.addresses[0]; }

    IMemAPI::TResolvedAddress result;
};

QStringList addressList()
{
    QFile file(QStringLiteral(MEMTEST_ADDRESS_LIST));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList addresses;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (!line.isEmpty())
            addresses << line;
    }
    return addresses;
}

// The address as a dialog of that voice type binds it.
QString formOf(QString address, int voiceType)
{
    if (voiceType == 2)
        return address.replace(QLatin1String("Normal"), QLatin1String("Plugin"))
            .replace(QLatin1String("Nrm"), QLatin1String("Plg"));
    if (voiceType == 3)
        return address.replace(QLatin1String("Normal"), QLatin1String("Drum"))
            .replace(QLatin1String("Nrm"), QLatin1String("Drm"));
    return address;
}

const char *formName(int voiceType)
{
    return voiceType == 2 ? "Plugin" : voiceType == 3 ? "Drum" : "Normal";
}

bool isDrumKey(const QString &address)
{
    return address.contains(QLatin1String("FEkDrumKey"), Qt::CaseInsensitive);
}

// The last element, or the last drum key: the edges of what "FE" reaches.
int channelFor(const QString &address)
{
    return isDrumKey(address) ? TParameterMemory::DrumKeyCount - 1 : TParameterMemory::ElementCount - 1;
}

QString blockOf(const QString &address)
{
    return address.mid(2, address.indexOf(QLatin1Char('/')) - 2);
}

// Everything a dialog reads of one address: that it resolves and binds, its
// name, its range and the texts of both ends. Returns a description of the
// first fault, or an empty text.
QString faultOf(TParameterMemory &memory, const QString &address, bool requireInUse)
{
    IMemAPI &api = memory;
    const Resolved resolved(api, address);
    if (!resolved.known())
        return QStringLiteral("does not resolve");
    const int channel = channelFor(address);
    const quint16 tripleHigh = resolved.triple().high;
    const quint16 tripleLow = resolved.triple().low;
    const bool editChannel = qint16(resolved.triple().part) < 0;
    const quint16 part = isDrumKey(address) ? quint16(memory.currentDrumKey())
                         : editChannel      ? quint16(channel)
                                            : resolved.triple().part;

    QString name;
    QPixmap pixmap;
    if (api.parameterText(part, IMemAPI::NameText, name, pixmap, 0, 0, tripleHigh, tripleLow) != 0)
        return QStringLiteral("has no name text");
    if (name.trimmed().isEmpty())
        return QStringLiteral("has an empty name");

    QWidget dialog;
    auto *proxy = new TestProxy(&dialog, address);
    api.assignEditChannel(&dialog, channel);
    if (!proxy->isBound())
        return QStringLiteral("does not bind on channel %1").arg(channel);
    if (proxy->parameterName() != name)
        return QStringLiteral("binds to \"%1\", resolves to \"%2\"").arg(proxy->parameterName(), name);
    if (requireInUse && !proxy->inUse())
        return QString();
    const ProxyInformation info = informationOf(*proxy);
    if (!info.valid || info.minimum > info.maximum || info.value < info.minimum
        || info.value > info.maximum)
        return QStringLiteral("has the range %1..%2 with value %3")
            .arg(info.minimum).arg(info.maximum).arg(info.value);
    QString low, high;
    if (api.parameterText(part, IMemAPI::ValueText, low, pixmap, int(info.minimum), 0, tripleHigh,
                          tripleLow) != 0
        || api.parameterText(part, IMemAPI::ValueText, high, pixmap, int(info.maximum), 0,
                             tripleHigh, tripleLow) != 0)
        return QStringLiteral("has no value texts");
    if (low.trimmed().isEmpty() || high.trimmed().isEmpty())
        return QStringLiteral("has an empty value text at an end (\"%1\", \"%2\")").arg(low, high);
    if (info.minimum < info.maximum && low == high)
        return QStringLiteral("reads \"%1\" at both ends").arg(low);
    if (proxy->valueText(int(info.minimum)) != low)
        return QStringLiteral("reads \"%1\" bound, \"%2\" resolved").arg(proxy->valueText(int(info.minimum)), low);
    return QString();
}

} // namespace

class TestMemAddresses : public QObject
{
    Q_OBJECT

private slots:
    void resolve_data();
    void resolve();
    void fixedAndEditChannelFormsNameTheSameParameter_data();
    void fixedAndEditChannelFormsNameTheSameParameter();
    void unknownNumbersGiveNoText();
    void outOfRangePartReadsFirstPart();

    void listIsComplete();
    void everyAddress_data();
    void everyAddress();
    void everyTypeValue_data();
    void everyTypeValue();
};

void TestMemAddresses::resolve_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("part");   // -1: the dialog's part
    QTest::newRow("FE element") << "FEkNormalElement/kNrmElmPan" << true << -1;
    QTest::newRow("lower-case fe") << "fekNormalElement/kNrmElmPan" << true << -1;
    QTest::newRow("mixed-case Fe") << "FekNormalElement/kNrmElmPan" << true << -1;
    QTest::newRow("00 common") << "00kNormalCommon/kNrmComPortamentoMode" << true << 0;
    QTest::newRow("00 element 1") << "00kNormalElement/kNrmElmLFOSpeed" << true << 0;
    QTest::newRow("10 element 2") << "10kNormalElementLFO/kNrmElmLFODepth1" << true << 1;
    QTest::newRow("20 element 3") << "20kNormalElementLFO/kNrmElmLFODepth2" << true << 2;
    QTest::newRow("30 element 4") << "30kNormalElementLFO/kNrmElmLFOPhaseOffset" << true << 3;
    QTest::newRow("FE drum key") << "FEkDrumKey/kDrmKeyPan" << true << -1;
    QTest::newRow("FE drum key EQ") << "FEkDrumKeyEQ/kDrmKeyEQType" << true << -1;
    QTest::newRow("00 drum key") << "00kDrumKey/kDrmKeyPan" << true << 0;
    QTest::newRow("plug-in form") << "FEkPluginElement/kPlgElmWaveNumber" << true << -1;
    QTest::newRow("drum form") << "FEkDrumElementEQ/kDrmElmEQType" << true << -1;
    QTest::newRow("board") << "FEkPluginNativeJQ/kPlgNtvJQAC1Depth" << true << -1;
    QTest::newRow("unknown block") << "FEkNormalNothing/kNrmElmPan" << false << 0;
    QTest::newRow("unknown parameter") << "FEkNormalElement/kNrmElmNothing" << false << 0;
    QTest::newRow("parameter of another block") << "FEkNormalElement/kNrmComPortamentoMode" << false << 0;
    QTest::newRow("upper-case K") << "FEKNormalElement/kNrmElmPan" << false << 0;
    QTest::newRow("one hex digit") << "0kNormalElement/kNrmElmPan" << false << 0;
    QTest::newRow("not hex") << "GEkNormalElement/kNrmElmPan" << false << 0;
    QTest::newRow("no part digits") << "kNormalElement/kNrmElmPan" << false << 0;
    QTest::newRow("no /k") << "FEkNormalElement/NrmElmPan" << false << 0;
    QTest::newRow("leading blank") << " FEkNormalElement/kNrmElmPan" << false << 0;
    QTest::newRow("trailing text") << "FEkNormalElement/kNrmElmPan x" << false << 0;
    QTest::newRow("placeholder") << "StaticText" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
}

void TestMemAddresses::resolve()
{
    QFETCH(QString, address);
    QFETCH(bool, known);
    QFETCH(int, part);
    TParameterMemory memory;
    const Resolved resolved(memory, address);
    QCOMPARE(resolved.known(), known);
    if (!known) {
        QCOMPARE(resolved.result.count, 0);
        return;
    }
    QCOMPARE(resolved.result.count, 1);
    if (part < 0)
        QVERIFY2(qint16(resolved.triple().part) < 0, "an FE address has a negative part");
    else
        QCOMPARE(int(resolved.triple().part), part);
}

void TestMemAddresses::fixedAndEditChannelFormsNameTheSameParameter_data()
{
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<int>("part");
    QTest::newRow("element 1") << "FEkNormalElement/kNrmElmPan" << "00kNormalElement/kNrmElmPan" << 0;
    QTest::newRow("element 4") << "FEkNormalElementLFO/kNrmElmLFODepth1"
                               << "30kNormalElementLFO/kNrmElmLFODepth1" << 3;
    QTest::newRow("lower-case hex") << "FEkNormalElement/kNrmElmPan" << "fekNormalElement/kNrmElmPan" << -1;
}

void TestMemAddresses::fixedAndEditChannelFormsNameTheSameParameter()
{
    QFETCH(QString, edited);
    QFETCH(QString, fixed);
    QFETCH(int, part);
    TParameterMemory memory;
    const Resolved a(memory, edited);
    const Resolved b(memory, fixed);
    QVERIFY(a.known() && b.known());
    QCOMPARE(a.triple().high, b.triple().high);
    QCOMPARE(a.triple().low, b.triple().low);
    if (part >= 0)
        QCOMPARE(int(b.triple().part), part);
    else
        QCOMPARE(a.triple().part, b.triple().part);

    // A write through one form is read through the other.
    if (part >= 0) {
        QWidget dialog;
        auto *byChannel = new TestProxy(&dialog, edited);
        auto *byDigits = new TestProxy(&dialog, fixed);
        memory.assignEditChannel(&dialog, part);
        QVERIFY(byChannel->writeValue(byChannel->minimum() + 3));
        QCOMPARE(byDigits->lastReported(), byChannel->minimum() + 3);
    }
}

void TestMemAddresses::unknownNumbersGiveNoText()
{
    TParameterMemory memory;
    QString text = QStringLiteral("unchanged");
    QPixmap pixmap;
    QVERIFY(memory.parameterText(0, IMemAPI::NameText, text, pixmap, 0, 0, 0xFFF0, 0) != 0);
    QCOMPARE(text, QStringLiteral("unchanged"));
    const Resolved pan(memory, QStringLiteral("FEkNormalElement/kNrmElmPan"));
    QVERIFY(memory.parameterText(0, IMemAPI::ValueText, text, pixmap, 0, 0, pan.triple().high, 0xFFF0) != 0);
    QCOMPARE(text, QStringLiteral("unchanged"));
}

void TestMemAddresses::outOfRangePartReadsFirstPart()
{
    // A common block has one part whatever the dialog's channel, and a
    // negative part (an unmapped "FE") falls back to it too.
    TParameterMemory memory;
    const Resolved common(memory, QStringLiteral("00kNormalCommon/kNrmComPortamentoMode"));
    QVERIFY(common.known());
    QString atChannel, atFirst;
    QPixmap pixmap;
    QCOMPARE(memory.parameterText(3, IMemAPI::ValueText, atChannel, pixmap, 1, 0,
                                  common.triple().high, common.triple().low), 0);
    QCOMPARE(memory.parameterText(0xFFFE, IMemAPI::ValueText, atFirst, pixmap, 1, 0,
                                  common.triple().high, common.triple().low), 0);
    QVERIFY(!atChannel.isEmpty());
    QCOMPARE(atChannel, atFirst);
}

void TestMemAddresses::listIsComplete()
{
    const QStringList addresses = addressList();
    QVERIFY2(addresses.size() > 400, "the address list is missing or short");
    QCOMPARE(QSet<QString>(addresses.begin(), addresses.end()).size(), addresses.size());
    for (const QString &address : addresses)
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-F]{2}k[A-Za-z0-9]+/k[A-Za-z0-9]+$"))
                     .match(address).hasMatch(),
                 qPrintable(address));
}

void TestMemAddresses::everyAddress_data()
{
    QTest::addColumn<QString>("address");
    QSet<QString> seen;
    for (int voiceType : { 1, 2, 3 }) {
        for (const QString &address : addressList()) {
            const QString form = formOf(address, voiceType);
            if (seen.contains(form))
                continue;
            seen.insert(form);
            QTest::addRow("%s %s", formName(voiceType), qPrintable(form)) << form;
        }
    }
}

void TestMemAddresses::everyAddress()
{
    QFETCH(QString, address);
    TParameterMemory memory;
    memory.setCurrentDrumKey(TParameterMemory::DrumKeyCount - 1);
    const QString fault = faultOf(memory, address, false);
    QVERIFY2(fault.isEmpty(), qPrintable(address + QLatin1Char(' ') + fault));
}

void TestMemAddresses::everyTypeValue_data()
{
    QTest::addColumn<QString>("typeAddress");
    QTest::addColumn<QStringList>("blockAddresses");
    const QStringList types = {
        QStringLiteral("FEkNormalElementEQ/kNrmElmEQType"),
        QStringLiteral("FEkNormalElementFilter/kNrmElmFilterType"),
        QStringLiteral("FEkNormalElement/kNrmElmKeyOnDelayTempoSync"),
        QStringLiteral("00kNormalCommonInsA/kNrmInsAType"),
        QStringLiteral("00kNormalCommonInsB/kNrmInsBType"),
        QStringLiteral("00kNormalCommonReverb/kNrmRevType"),
        QStringLiteral("00kNormalCommonChorus/kNrmChoType"),
        QStringLiteral("FEkDrumKeyEQ/kDrmKeyEQType"),
    };
    const QStringList addresses = addressList();
    for (int voiceType : { 1, 2, 3 }) {
        for (const QString &type : types) {
            const QString typeForm = formOf(type, voiceType);
            if (voiceType != 1 && typeForm == type)
                continue;
            QVERIFY2(addresses.contains(type), qPrintable(type));
            QStringList block;
            for (const QString &address : addresses) {
                const QString form = formOf(address, voiceType);
                if (blockOf(form) == blockOf(typeForm) && form.left(2) == typeForm.left(2))
                    block << form;
            }
            QTest::addRow("%s %s", formName(voiceType), qPrintable(typeForm)) << typeForm << block;
        }
    }
}

void TestMemAddresses::everyTypeValue()
{
    QFETCH(QString, typeAddress);
    QFETCH(QStringList, blockAddresses);
    QVERIFY(blockAddresses.size() > 1);
    TParameterMemory memory;
    memory.setCurrentDrumKey(TParameterMemory::DrumKeyCount - 1);
    QWidget dialog;
    auto *type = new TestProxy(&dialog, typeAddress);
    memory.assignEditChannel(&dialog, channelFor(typeAddress));
    QVERIFY(type->isBound());
    QVERIFY(type->maximum() > type->minimum());
    for (int t = type->minimum(); t <= type->maximum(); ++t) {
        type->writeValue(t);
        QCOMPARE(type->value(), t);
        for (const QString &address : blockAddresses) {
            const QString fault = faultOf(memory, address, true);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("type %1 (%2): %3 %4")
                                                      .arg(t).arg(type->valueText(t), address, fault)));
        }
    }
}

QTEST_MAIN(TestMemAddresses)
#include "tst_memaddresses.moc"

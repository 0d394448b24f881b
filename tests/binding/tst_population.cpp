#include "testform.h"

#include <testvoicedata.h>

#include <cpopup.h>
#include <ctextslider.h>
#include <detaildialogspopulationhelper.h>
#include <tparametermemory.h>

#include <QLabel>
#include <QTest>

#include <memory>
#include <utility>

namespace {

const char *const legatoSlope = "00kNormalCommon/kNrmComLegatoSlope";
const char *const portamentoTime = "00kNormalCommon/kNrmComQEDPortamentoTime";

// A value field that, armed, writes a parameter the first time a refresh
// asks it to re-read its own: the write fires a notifier inside the refresh.
class WritingField : public CTextSlider
{
public:
    WritingField(QWidget *parent, TParameterMemory *memory)
        : CTextSlider(parent, "cTextSlider9")
        , m_memory(memory)
    {
    }
    int process(void *message, int arg1, int arg2) override
    {
        ++reads;
        if (!write.isEmpty())
            m_memory->setValue(std::exchange(write, QString()), 0,
                               1 + m_memory->value(QLatin1String(portamentoTime)) % 2);
        return CTextSlider::process(message, arg1, arg2);
    }
    int reads = 0;
    QString write;

private:
    TParameterMemory *m_memory;
};

} // namespace

// The population helper at work on small forms built here: label
// registration, name display, companion labels and list population.
class TestPopulation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addressLabelShowsTheParameterName();
    void nameLabelWithoutMapEntryKeepsItsText();
    void unknownAddressLeavesTheLabelAlone();
    void refreshBeforeInitialisationDoesNothing();
    void companionGeometry_data();
    void companionGeometry();
    void nearestLabelIsTheCompanion();
    void popupGetsEveryValueText();
    void voiceTypeRewritesControlAddresses();
    void aNotifierFiringDuringARefreshStartsNoSecondPass();
    void drumKeyAddressesInAnyCaseTakeTheCurrentKey_data();
    void drumKeyAddressesInAnyCaseTakeTheCurrentKey();

private:
    QLabel *label(const char *name, const QString &text, int x, int y);
    void start();

    TestVoiceData m_voiceData;
    std::unique_ptr<TParameterMemory> m_memory;
    std::unique_ptr<TestForm> m_form;
    std::unique_ptr<DetailDialogsPopulationHelper> m_helper;
};

void TestPopulation::init()
{
    m_memory = std::make_unique<TParameterMemory>();
    m_memory->setVoiceData(&m_voiceData);
    m_form = std::make_unique<TestForm>(nullptr, "TestForm", false, Qt::WindowFlags());
    m_helper = std::make_unique<DetailDialogsPopulationHelper>(m_form.get());
    m_helper->setMemAPI(m_memory.get());
    m_helper->setLabelAddressMap(&m_form->labelAddressMap);
}

void TestPopulation::cleanup()
{
    m_helper.reset();
    m_form.reset();
    m_memory.reset();
}

QLabel *TestPopulation::label(const char *name, const QString &text, int x, int y)
{
    auto *l = new QLabel(text, m_form->page);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(x, y, 130, 16);
    return l;
}

void TestPopulation::start()
{
    m_memory->assignEditChannel(m_form.get(), 0);
    m_form->show();
    m_helper->slotInitialise();
}

void TestPopulation::addressLabelShowsTheParameterName()
{
    QLabel *caption = label("textLabel1", QLatin1String(legatoSlope), 10, 10);
    m_form->labelAddressMap.insert({ caption->objectName(), caption->text() });
    QLabel *name = label("textLabel2", QStringLiteral("StaticText"), 10, 50);
    m_form->labelAddressMap.insert({ name->objectName(), QLatin1String(portamentoTime) });
    start();
    QCOMPARE(caption->text(), m_memory->name(QLatin1String(legatoSlope)));
    QCOMPARE(caption->toolTip(), caption->text());
    QVERIFY(caption->text() != QLatin1String(legatoSlope));
    QCOMPARE(name->text(), m_memory->name(QLatin1String(portamentoTime)));
    QCOMPARE(name->toolTip(), name->text());
}

void TestPopulation::nameLabelWithoutMapEntryKeepsItsText()
{
    QLabel *name = label("textLabel2", QStringLiteral("StaticText"), 10, 50);
    QLabel *plain = label("textLabel3", QStringLiteral("Time"), 10, 90);
    start();
    QCOMPARE(name->text(), QStringLiteral("StaticText"));
    QCOMPARE(plain->text(), QStringLiteral("Time"));
    QVERIFY(name->toolTip().isEmpty());
}

void TestPopulation::unknownAddressLeavesTheLabelAlone()
{
    const QString unknown = QStringLiteral("00kNormalCommon/kNrmComNoSuchParameter");
    QLabel *caption = label("textLabel1", unknown, 10, 10);
    m_form->labelAddressMap.insert({ caption->objectName(), unknown });
    start();
    QCOMPARE(caption->text(), unknown);
}

void TestPopulation::refreshBeforeInitialisationDoesNothing()
{
    QLabel *caption = label("textLabel1", QLatin1String(legatoSlope), 10, 10);
    m_form->labelAddressMap.insert({ caption->objectName(), caption->text() });
    m_memory->assignEditChannel(m_form.get(), 0);
    m_helper->slotUpdateTabs();
    QVERIFY(!m_helper->isInitialised());
    QCOMPARE(caption->text(), QLatin1String(legatoSlope));
    m_helper->slotInitialise();
    QVERIFY(m_helper->isInitialised());
    QVERIFY(caption->text() != QLatin1String(legatoSlope));
}

void TestPopulation::companionGeometry_data()
{
    // A label at (100, 100); the control's offset from it.
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("companion");
    QTest::newRow("right under it") << QPoint(5, 16) << true;
    QTest::newRow("24 below, 200 right") << QPoint(200, 24) << true;
    QTest::newRow("25 below") << QPoint(5, 25) << false;
    QTest::newRow("201 right") << QPoint(201, 16) << false;
    QTest::newRow("10 left") << QPoint(-10, 16) << true;
    QTest::newRow("11 left") << QPoint(-11, 16) << false;
    QTest::newRow("level with it") << QPoint(5, 0) << true;
    QTest::newRow("above it") << QPoint(5, -1) << false;
}

void TestPopulation::companionGeometry()
{
    QFETCH(QPoint, offset);
    QFETCH(bool, companion);
    QLabel *caption = label("textLabel1", QStringLiteral("Caption"), 100, 100);
    // A control whose parameter is unknown hides itself on every refresh:
    // its companion label hides with it, any other label stays.
    auto *field = new CTextSlider(m_form->page, "cTextSlider2", 0);
    field->setGeometry(QRect(QPoint(100, 100) + offset, QSize(60, 16)));
    field->setNamedAddress(QStringLiteral("00kNormalCommon/kNrmComNoSuchParameter"));
    start();
    QCOMPARE(caption->isHidden(), companion);
    // A control without a companion is left alone by the visibility step.
    QCOMPARE(field->isHidden(), companion);
}

void TestPopulation::nearestLabelIsTheCompanion()
{
    QLabel *far = label("textLabel1", QStringLiteral("Far"), 60, 90);
    QLabel *near = label("textLabel2", QStringLiteral("Near"), 100, 100);
    auto *field = new CTextSlider(m_form->page, "cTextSlider3", 0);
    field->setGeometry(105, 116, 60, 16);
    field->setNamedAddress(QStringLiteral("00kNormalCommon/kNrmComNoSuchParameter"));
    start();
    QVERIFY(near->isHidden());
    QVERIFY(!far->isHidden());

    // Given a known address, the control and its label show again.
    field->setNamedAddress(QLatin1String(portamentoTime));
    m_helper->slotUpdateTabs();
    QVERIFY(!field->isHidden());
    QVERIFY(!near->isHidden());
}

void TestPopulation::popupGetsEveryValueText()
{
    // The drum key's wave type runs 0 to 2.
    const QString address = QStringLiteral("FEkDrumKey/kDrmKeyWaveType");
    auto *popup = new CPopup(m_form->page, "cPullDownMenu4");
    popup->setGeometry(10, 10, 60, 16);
    popup->setNamedAddress(address);
    start();
    const QStringList expected = { m_memory->valueText(address, 0, 0),
                                   m_memory->valueText(address, 0, 1),
                                   m_memory->valueText(address, 0, 2) };
    QCOMPARE(popup->labels(), expected);
    QVERIFY(!expected.contains(QString()));
}

void TestPopulation::voiceTypeRewritesControlAddresses()
{
    auto *field = new CTextSlider(m_form->page, "cTextSlider5", 0);
    field->setNamedAddress(QStringLiteral("FEkNormalElementEQ/kNrmElmEQType"));
    // Nested deeper than a page's direct children: not visited.
    auto *frame = new QWidget(m_form->page);
    auto *nested = new CTextSlider(frame, "cTextSlider6", 0);
    nested->setNamedAddress(QStringLiteral("FEkNormalElementEQ/kNrmElmEQType"));
    m_helper->setVoiceType(3);
    QCOMPARE(field->namedAddress(), QStringLiteral("FEkDrumElementEQ/kDrmElmEQType"));
    QCOMPARE(nested->namedAddress(), QStringLiteral("FEkNormalElementEQ/kNrmElmEQType"));
}

void TestPopulation::aNotifierFiringDuringARefreshStartsNoSecondPass()
{
    label("textLabel1", QStringLiteral("Caption"), 10, 10);
    auto *field = new WritingField(m_form->page, m_memory.get());
    field->setGeometry(10, 26, 60, 16);
    field->setNamedAddress(QLatin1String(legatoSlope));
    start();
    m_helper->slotRegisterNotifier(QLatin1String(portamentoTime), false);
    field->reads = 0;
    field->write = QLatin1String(portamentoTime);
    m_helper->slotUpdateTabs();
    QVERIFY(field->write.isEmpty());
    QCOMPARE(field->reads, 1);
    // Outside a refresh the same change refreshes the form.
    m_memory->setValue(QLatin1String(portamentoTime), 0, 1 + m_memory->value(QLatin1String(portamentoTime)) % 2);
    QCOMPARE(field->reads, 2);
}

void TestPopulation::drumKeyAddressesInAnyCaseTakeTheCurrentKey_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::newRow("as written") << "FEkDrumKey";
    QTest::newRow("lower case") << "fekDrumKey";
    QTest::newRow("mixed case") << "FekDrumKey";
}

// A label and a notifier on a drum key address take the host's current key
// as their part, not the edit channel, whatever the case of the address.
void TestPopulation::drumKeyAddressesInAnyCaseTakeTheCurrentKey()
{
    QFETCH(QString, prefix);
    const int key = 9;
    m_voiceData.drumKey = key;
    TParameterMemory &memory = *m_memory;
    const QString type = QStringLiteral("FEkDrumKeyEQ/kDrmKeyEQType");
    const QString row = QStringLiteral("FEkDrumKeyEQ/kDrmKeyEQ1Freq");
    // EQ types at the key and at part 0 that name the row differently.
    for (int v = 0; v < 8 && memory.name(row, key) == memory.name(row, 0); ++v)
        memory.setValue(type, key, v);
    QVERIFY(memory.name(row, key) != memory.name(row, 0));

    const QString written = prefix + QLatin1String("EQ/kDrmKeyEQ1Freq");
    QLabel *caption = label("textLabel1", written, 10, 10);
    m_form->labelAddressMap.insert({ caption->objectName(), written });
    memory.assignEditChannel(m_form.get(), 0);
    m_helper->slotInitialise();
    QCOMPARE(caption->text(), memory.name(row, key));

    m_helper->slotRegisterNotifier(prefix + QLatin1String("EQ/kDrmKeyEQType"), false);
    caption->setText(QStringLiteral("marked"));
    memory.setValue(type, 0, memory.value(type, 0) == 1 ? 2 : 1);
    QCOMPARE(caption->text(), QStringLiteral("marked"));
    memory.setValue(type, key, memory.value(type, key) == 1 ? 2 : 1);
    QCOMPARE(caption->text(), memory.name(row, key));
}

QTEST_MAIN(TestPopulation)
#include "tst_population.moc"

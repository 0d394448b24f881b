// The population helper at work on a small form built here: label
// registration, name display, companion labels and list population.

#include <testvoicedata.h>

#include <cpopup.h>
#include <ctextslider.h>
#include <detaildialog.h>
#include <detaildialogspopulationhelper.h>
#include <tparametermemory.h>

#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <utility>

namespace {

const QString legatoSlope = QStringLiteral("00kNormalCommon/kNrmComLegatoSlope");
const QString portamentoTime = QStringLiteral("00kNormalCommon/kNrmComQEDPortamentoTime");
const QString unknown = QStringLiteral("00kNormalCommon/kNrmComNoSuchParameter");

// A form of one page in a tab widget.
class TestForm : public DetailDialog
{
public:
    TestForm()
        : DetailDialog(nullptr, "TestForm", false, Qt::WindowFlags())
    {
        auto *tabs = new QTabWidget(this);
        tabs->setGeometry(0, 0, 400, 300);
        page = new QWidget(tabs);
        tabs->addTab(page, QStringLiteral("PAGE"));
    }
    QWidget *page;
};

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
                               1 + m_memory->value(portamentoTime) % 2);
        return CTextSlider::process(message, arg1, arg2);
    }
    int reads = 0;
    QString write;

private:
    TParameterMemory *m_memory;
};

} // namespace

class TestPopulation : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_memory = std::make_unique<TParameterMemory>();
        m_memory->setVoiceData(&m_voiceData);
        m_form = std::make_unique<TestForm>();
        m_helper = std::make_unique<DetailDialogsPopulationHelper>(m_form.get());
        m_helper->setMemAPI(m_memory.get());
        m_helper->setLabelAddressMap(&m_form->labelAddressMap);
    }

    void cleanup()
    {
        m_helper.reset();
        m_form.reset();
        m_memory.reset();
    }

    void labels_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mapped"); // the label's address in the form's map
        QTest::addColumn<QString>("named");  // whose name the label then shows, if any
        QTest::newRow("address caption") << legatoSlope << legatoSlope << legatoSlope;
        QTest::newRow("name label") << "StaticText" << portamentoTime << portamentoTime;
        QTest::newRow("name label without address") << "StaticText" << QString() << QString();
        QTest::newRow("plain caption") << "Time" << QString() << QString();
        QTest::newRow("unknown address") << unknown << unknown << QString();
    }
    void labels()
    {
        QFETCH(QString, text);
        QFETCH(QString, mapped);
        QFETCH(QString, named);
        QLabel *caption = label("textLabel1", text, 10, 10);
        if (!mapped.isEmpty())
            m_form->labelAddressMap.insert({ caption->objectName(), mapped });
        // A refresh before the form is initialised changes nothing.
        m_memory->assignEditChannel(m_form.get(), 0);
        m_helper->slotUpdateTabs();
        QCOMPARE(caption->text(), text);
        start();
        const QString shown = named.isEmpty() ? text : m_memory->name(named);
        QCOMPARE(caption->text(), shown);
        QCOMPARE(caption->toolTip(), named.isEmpty() ? QString() : shown);
    }

    void companionGeometry_data()
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
    void companionGeometry()
    {
        QFETCH(QPoint, offset);
        QFETCH(bool, companion);
        QLabel *caption = label("textLabel1", QStringLiteral("Caption"), 100, 100);
        // A control whose parameter is unknown hides itself on every refresh:
        // its companion label hides with it, any other label stays.
        auto *field = new CTextSlider(m_form->page, "cTextSlider2", 0);
        field->setGeometry(QRect(QPoint(100, 100) + offset, QSize(60, 16)));
        field->setNamedAddress(unknown);
        start();
        QCOMPARE(caption->isHidden(), companion);
        // A control without a companion is left alone by the visibility step.
        QCOMPARE(field->isHidden(), companion);
    }

    void nearestLabelIsTheCompanion()
    {
        QLabel *far = label("textLabel1", QStringLiteral("Far"), 60, 100);
        QLabel *near = label("textLabel2", QStringLiteral("Near"), 100, 100);
        auto *field = new CTextSlider(m_form->page, "cTextSlider3", 0);
        field->setGeometry(105, 116, 60, 16);
        field->setNamedAddress(unknown);
        start();
        QVERIFY(near->isHidden() && !far->isHidden());
        // Given a known address, the control and its label show again.
        field->setNamedAddress(portamentoTime);
        m_helper->slotUpdateTabs();
        QVERIFY(!field->isHidden() && !near->isHidden());
    }

    void popupGetsEveryValueText()
    {
        // The drum key's wave type runs 0 to 2.
        const QString address = QStringLiteral("FEkDrumKey/kDrmKeyWaveType");
        auto *popup = new CPopup(m_form->page, "cPullDownMenu4");
        popup->setNamedAddress(address);
        start();
        const QStringList expected = { m_memory->valueText(address, 0, 0),
                                       m_memory->valueText(address, 0, 1),
                                       m_memory->valueText(address, 0, 2) };
        QCOMPARE(popup->labels(), expected);
        QVERIFY(!expected.contains(QString()));
    }

    void voiceTypeRewritesControlAddresses()
    {
        auto *field = new CTextSlider(m_form->page, "cTextSlider5", 0);
        field->setNamedAddress(QStringLiteral("FEkNormalElementEQ/kNrmElmEQType"));
        m_helper->setVoiceType(3);
        QCOMPARE(field->namedAddress(), QStringLiteral("FEkDrumElementEQ/kDrmElmEQType"));
    }

    void aNotifierFiringDuringARefreshStartsNoSecondPass()
    {
        label("textLabel1", QStringLiteral("Caption"), 10, 10);
        auto *field = new WritingField(m_form->page, m_memory.get());
        field->setGeometry(10, 26, 60, 16);
        field->setNamedAddress(legatoSlope);
        start();
        m_helper->slotRegisterNotifier(portamentoTime, false);
        field->reads = 0;
        field->write = portamentoTime;
        m_helper->slotUpdateTabs();
        QVERIFY(field->write.isEmpty());
        QCOMPARE(field->reads, 1);
        // Outside a refresh the same change refreshes the form.
        m_memory->setValue(portamentoTime, 0, 1 + m_memory->value(portamentoTime) % 2);
        QCOMPARE(field->reads, 2);
    }

    void drumKeyAddressesInAnyCaseTakeTheCurrentKey_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::newRow("as written") << "FEkDrumKey";
        QTest::newRow("lower case") << "fekDrumKey";
        QTest::newRow("mixed case") << "FekDrumKey";
    }
    // A label and a notifier on a drum key address take the host's current key
    // as their part, not the edit channel, whatever the case of the address.
    void drumKeyAddressesInAnyCaseTakeTheCurrentKey()
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

private:
    QLabel *label(const char *name, const QString &text, int x, int y)
    {
        auto *l = new QLabel(text, m_form->page);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(x, y, 130, 16);
        return l;
    }
    void start()
    {
        m_memory->assignEditChannel(m_form.get(), 0);
        m_form->show();
        m_helper->slotInitialise();
    }

    TestVoiceData m_voiceData;
    std::unique_ptr<TParameterMemory> m_memory;
    std::unique_ptr<TestForm> m_form;
    std::unique_ptr<DetailDialogsPopulationHelper> m_helper;
};

QTEST_MAIN(TestPopulation)
#include "tst_population.moc"

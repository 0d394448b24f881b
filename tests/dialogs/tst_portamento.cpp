// The portamento dialog, entry 12, from the host's menu to the parameter
// memory and back.

#include <hostfixture.h>

#include <cfader.h>
#include <ctextslider.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

namespace {

struct RowNames
{
    const char *caption;
    const char *captionLabel;
    const char *valueField;
    const char *fader;
    const char *address;
};

const RowNames portamentoRows[] = {
    { "Switch", "textLabel1872", "cTextSlider1862", "cFader1863", "00kNormalCommon/kNrmComQEDPortamentoSw" },
    { "Time", "textLabel1873", "cTextSlider1864", "cFader1865", "00kNormalCommon/kNrmComQEDPortamentoTime" },
    { "Time Mode", "textLabel1874", "cTextSlider1866", "cFader1867", "00kNormalCommon/kNrmComPortamentoMode" },
    { "Mode", "textLabel1875", "cTextSlider1868", "cFader1869", "00kNormalCommon/kNrmComQEDPortamentoMode" },
    { "Legato Slope", "textLabel1876", "cTextSlider1870", "cFader1871", "00kNormalCommon/kNrmComLegatoSlope" },
};

template <typename T>
T *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

QColor textColour(QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

// Translates every text of the portamento form, to show that a language
// change after construction changes nothing.
class ShoutingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "PortamentoDetail") != 0)
            return QString();
        return QString::fromLatin1(sourceText).toUpper() + QLatin1Char('!');
    }
};

} // namespace

class TestPortamento : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formMatchesItsTable();
    void opensBoundToTheFiveAddresses();
    void movingAFaderWritesTheParameter_data();
    void movingAFaderWritesTheParameter();
    void aChangeInTheHostMovesBothControls();
    void compareModeGreysAndDisables();
    void editBufferLoadRefreshesTheForm();
    void attachingNullOrTheSameMemoryTwice();
    void runDialogWithoutMemoryShowsNothingAndDeletes();
    void languageChangeAfterConstructionChangesNothing();

private:
    HostFixture *m_host = nullptr;
    QPointer<QWidget> m_dialog;
};

void TestPortamento::init()
{
    m_host = new HostFixture;
    QVERIFY2(m_host->addOn, qPrintable(m_host->loadError()));
}

void TestPortamento::cleanup()
{
    delete m_dialog.data();
    delete m_host;
    m_host = nullptr;
}

void TestPortamento::formMatchesItsTable()
{
    m_dialog = m_host->create(12);
    QVERIFY(m_dialog);
    QCOMPARE(m_dialog->objectName(), QStringLiteral("Portamento"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Portamento Detail"));
    QCOMPARE(m_dialog->minimumSize(), QSize(327, 244));
    QCOMPARE(m_dialog->maximumSize(), QSize(327, 244));
    QCOMPARE(m_dialog->size(), QSize(327, 244));
    auto *tabs = child<QTabWidget>(m_dialog, "tabWidget2");
    QVERIFY(tabs);
    QCOMPARE(tabs->geometry(), QRect(0, 0, 327, 244));
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("tab0"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("PORTAMENTO"));

    QWidget *page = tabs->widget(0);
    for (int n = 0; n < 5; ++n) {
        const RowNames &row = portamentoRows[n];
        auto *caption = child<QLabel>(page, row.captionLabel);
        auto *value = child<CTextSlider>(page, row.valueField);
        auto *fader = child<CFader>(page, row.fader);
        QVERIFY2(caption && value && fader, row.captionLabel);
        QCOMPARE(caption->parentWidget(), page);
        QCOMPARE(caption->text(), QLatin1String(row.caption));
        QCOMPARE(caption->geometry(), QRect(15, 8 + 32 * n, 80, 16));
        QCOMPARE(value->geometry(), QRect(20, 24 + 32 * n, 60, 16));
        QCOMPARE(fader->geometry(), QRect(90, 24 + 32 * n, 55, 16));
        QCOMPARE(value->namedAddress(), QLatin1String(row.address));
        QCOMPARE(fader->namedAddress(), QLatin1String(row.address));
        QCOMPARE(textColour(value), QColor(0, 255, 255));
    }
}

void TestPortamento::opensBoundToTheFiveAddresses()
{
    m_dialog = m_host->open(12);
    QVERIFY(m_dialog);
    for (const RowNames &row : portamentoRows) {
        auto *value = child<CTextSlider>(m_dialog, row.valueField);
        auto *fader = child<CFader>(m_dialog, row.fader);
        QVERIFY(value->isBound());
        QVERIFY(fader->isBound());
        QVERIFY(value->isVisible());
        QVERIFY(fader->isVisible());
        QCOMPARE(value->value(), m_host->memory.value(QLatin1String(row.address)));
        QCOMPARE(fader->value(), value->value());
    }
}

void TestPortamento::movingAFaderWritesTheParameter_data()
{
    QTest::addColumn<int>("row");
    for (int n = 0; n < 5; ++n)
        QTest::newRow(portamentoRows[n].caption) << n;
}

void TestPortamento::movingAFaderWritesTheParameter()
{
    QFETCH(int, row);
    const RowNames &names = portamentoRows[row];
    m_dialog = m_host->open(12);
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    auto *value = child<CTextSlider>(m_dialog, names.valueField);
    auto *fader = child<CFader>(m_dialog, names.fader);
    const QString address = QLatin1String(names.address);
    // Put the parameter at its minimum, then click at the fader's right end.
    quint16 high = 0, low = 0;
    QVERIFY(m_host->memory.findParameter(address, &high, &low));
    m_host->memory.setValue(high, low, 0, m_host->memory.minimum(high, low, 0));
    QTest::mouseClick(fader, Qt::LeftButton, Qt::NoModifier,
                      QPoint(fader->width() - 2, fader->height() / 2));
    const int written = m_host->memory.value(address);
    QVERIFY2(written > m_host->memory.minimum(high, low, 0), qPrintable(QString::number(written)));
    QCOMPARE(fader->value(), written);
    QCOMPARE(value->value(), written);
}

void TestPortamento::aChangeInTheHostMovesBothControls()
{
    m_dialog = m_host->open(12);
    const RowNames &names = portamentoRows[1];
    const QString address = QLatin1String(names.address);
    quint16 high = 0, low = 0;
    QVERIFY(m_host->memory.findParameter(address, &high, &low));
    const int target = (m_host->memory.minimum(high, low, 0) + m_host->memory.maximum(high, low, 0)) / 2 + 1;
    QVERIFY(m_host->memory.setValue(high, low, 0, target));
    QCOMPARE(child<CTextSlider>(m_dialog, names.valueField)->value(), target);
    QCOMPARE(child<CFader>(m_dialog, names.fader)->value(), target);
}

void TestPortamento::compareModeGreysAndDisables()
{
    m_dialog = m_host->open(12);
    QWidget *page = child<QWidget>(m_dialog, "tab0");
    m_host->memory.setCompareMode(true);
    for (QWidget *w : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    for (const RowNames &row : portamentoRows)
        QCOMPARE(textColour(child<CTextSlider>(page, row.valueField)), QColor(128, 128, 128));

    m_host->memory.setCompareMode(false);
    for (QWidget *w : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    for (const RowNames &row : portamentoRows)
        QCOMPARE(textColour(child<CTextSlider>(page, row.valueField)), QColor(0, 255, 255));
}

void TestPortamento::editBufferLoadRefreshesTheForm()
{
    m_dialog = m_host->open(12);
    const RowNames &names = portamentoRows[4];
    const QString address = QLatin1String(names.address);
    quint16 high = 0, low = 0;
    QVERIFY(m_host->memory.findParameter(address, &high, &low));
    const int loaded = m_host->memory.maximum(high, low, 0);

    // A voice saved with another value, loaded while the dialog is open.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("voice.json"));
    const int before = m_host->memory.value(address);
    m_host->memory.setValue(high, low, 0, loaded);
    QString error;
    QVERIFY2(m_host->memory.saveVoice(file, &error), qPrintable(error));
    m_host->memory.setValue(high, low, 0, before == loaded ? loaded - 1 : before);

    QSignalSpy loads(&m_host->memory, SIGNAL(editBufferLoaded(short,short)));
    QVERIFY2(m_host->memory.loadVoice(file, &error), qPrintable(error));
    QCOMPARE(loads.count(), 1);
    QCOMPARE(child<CTextSlider>(m_dialog, names.valueField)->value(), loaded);
    QCOMPARE(child<CFader>(m_dialog, names.fader)->value(), loaded);
    QVERIFY(child<CTextSlider>(m_dialog, names.valueField)->isVisible());
}

void TestPortamento::attachingNullOrTheSameMemoryTwice()
{
    m_dialog = m_host->create(12);
    IEditorExtensions *extensions = m_host->extensionsOf(m_dialog);
    QVERIFY(extensions);
    QSignalSpy initialised(m_dialog.data(), SIGNAL(signalInitialise()));

    QCOMPARE(extensions->attachMemAPI(nullptr), VESTRA_S_OK);
    QCOMPARE(initialised.count(), 0);
    auto *value = child<CTextSlider>(m_dialog, portamentoRows[0].valueField);
    QVERIFY(!value->isBound());

    QCOMPARE(extensions->attachMemAPI(&m_host->memory), VESTRA_S_OK);
    QCOMPARE(extensions->attachMemAPI(&m_host->memory), VESTRA_S_OK);
    QCOMPARE(initialised.count(), 1);
    QVERIFY(value->isBound());

    IGenericEditorPluginInterface *addOn = nullptr;
    QCOMPARE(extensions->addOnOf(&addOn), VESTRA_S_OK);
    QCOMPARE(addOn, m_host->addOn);
    QCOMPARE(extensions->addOnOf(nullptr), VESTRA_E_FAIL);
    QCOMPARE(extensions->savePrivateData(nullptr), VESTRA_S_OK);
    QCOMPARE(extensions->loadPrivateData(nullptr), VESTRA_S_OK);
}

void TestPortamento::runDialogWithoutMemoryShowsNothingAndDeletes()
{
    m_dialog = m_host->create(12);
    IEditorExtensions *extensions = m_host->extensionsOf(m_dialog);
    QCOMPARE(extensions->runDialog(), VESTRA_S_OK);
    QVERIFY(m_dialog);
    QVERIFY(!m_dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_dialog);
}

void TestPortamento::languageChangeAfterConstructionChangesNothing()
{
    m_dialog = m_host->open(12);
    ShoutingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(QCoreApplication::translate("PortamentoDetail", "Switch"), QStringLiteral("SWITCH!"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
    for (const RowNames &row : portamentoRows) {
        QCOMPARE(child<QLabel>(m_dialog, row.captionLabel)->text(), QLatin1String(row.caption));
        QCOMPARE(child<CTextSlider>(m_dialog, row.valueField)->namedAddress(), QLatin1String(row.address));
        QCOMPARE(child<CFader>(m_dialog, row.fader)->namedAddress(), QLatin1String(row.address));
    }
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Portamento Detail"));
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestPortamento)
#include "tst_portamento.moc"

// The voice common dialogs for normal, plug-in and drum voices: the two
// controller-set forms (plain value fields and pull-down menus among inert
// push buttons) and the arpeggio dialog with its type displays.

#include <hostfixture.h>

#include <chotspotlabel.h>
#include <cpopup.h>

#include <QPushButton>

namespace {

const char *const voiceWords[] = { "Normal", "Plugin", "Drum" };
const char *const shortWords[] = { "Nrm", "Plg", "Drm" };

QString extra(const QString &parameter, int voiceType)
{
    return QStringLiteral("00k%1CommonExtra/k%2Com")
               .arg(QLatin1String(voiceWords[voiceType - 1]),
                    QLatin1String(shortWords[voiceType - 1]))
        + parameter;
}
QString typeAddress(int voiceType)
{
    return extra(QStringLiteral("ARPType"), voiceType);
}
QString sfAddress(int slot, int voiceType)
{
    return extra(QStringLiteral("ARPSF%1").arg(slot), voiceType);
}

int arpEntry(int voiceType)
{
    return 8 * voiceType;
}

CHotspotLabel *display(QWidget *dialog, int slot) // 0: the type
{
    return Form::child<CHotspotLabel>(dialog,
                                      slot ? QStringLiteral("cWaveLabel%1").arg(2447 + slot)
                                           : QStringLiteral("cWaveLabel2442"));
}

// What a type display says for an arpeggio type number.
QString typeText(TParameterMemory &memory, int voiceType, int number)
{
    if (number <= 1786)
        return QStringLiteral("Preset\n") + memory.valueText(typeAddress(voiceType), 0, number);
    if (number >= 8192 && number <= 8447)
        return QStringLiteral("User\nUser %1").arg(number - 8191);
    return QStringLiteral("No Type");
}

void addControllerForms()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("voiceType");
    for (int t = 1; t <= 3; ++t) {
        QTest::addRow("CtrlSet %s", voiceWords[t - 1]) << 2 + 8 * t << t;
        QTest::addRow("CtrlSetComLFO %s", voiceWords[t - 1]) << 3 + 8 * t << t;
    }
}

void addVoiceTypes()
{
    QTest::addColumn<int>("voiceType");
    for (int t = 1; t <= 3; ++t)
        QTest::newRow(voiceWords[t - 1]) << t;
}

} // namespace

class TestCommon : public QObject
{
    Q_OBJECT

private slots:
    void controllerFormsAreLeftToThemselves_data() { addControllerForms(); }
    void controllerFormsAreLeftToThemselves();

    void typeDisplaysNameTheirNumbers_data() { addVoiceTypes(); }
    void typeDisplaysNameTheirNumbers();
    void theBankSelectorNeverShows_data() { addVoiceTypes(); }
    void theBankSelectorNeverShows();
};

// The controller-set forms never start the population helper: their menus
// keep the memory's own texts, compare mode disables nothing, and pressing
// a push button changes no parameter and sends no command. Their fields
// and menus edit the voice type's own block.
void TestCommon::controllerFormsAreLeftToThemselves()
{
    QFETCH(int, entry);
    QFETCH(int, voiceType);
    HostFixture host;
    QWidget *dialog = host.open(entry);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QWidget *page = Form::pages(dialog).value(0);
    const QStringList wrong = Form::checkRows(host, dialog, 0);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));

    QList<int> before;
    const QList<QWidget *> controls = dialog->findChildren<QWidget *>();
    for (QWidget *w : controls) {
        const QString address = Form::addressOf(w);
        if (address.isEmpty())
            continue;
        const QString block = address.section(QLatin1Char('/'), 0, 0).mid(3);
        QVERIFY2(
            block.startsWith(QLatin1String(voiceWords[voiceType - 1]))
                && address.section(QLatin1Char('/'), 1)
                       .startsWith(QLatin1Char('k') + QLatin1String(shortWords[voiceType - 1])),
            qPrintable(address));
        if (auto *popup = qobject_cast<CPopup *>(w)) {
            QVERIFY(popup->labels().isEmpty());
            QCOMPARE(popup->items(), host.valueTexts(address, Form::partOf(address, 0)));
        }
        before << host.memory.value(address, Form::partOf(address, 0));
    }
    host.memory.setCompareMode(true);
    for (QWidget *w : Form::on<QWidget>(page))
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    host.memory.setCompareMode(false);

    int pressed = 0;
    for (QPushButton *b : Form::on<QPushButton>(page)) {
        if (b->size().isEmpty())
            continue;
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        QTest::keyClick(b, Qt::Key_Space);
        ++pressed;
    }
    QVERIFY(pressed > 20);
    QList<int> after;
    for (QWidget *w : controls)
        if (!Form::addressOf(w).isEmpty())
            after << host.memory.value(Form::addressOf(w), Form::partOf(Form::addressOf(w), 0));
    QCOMPARE(after, before);
    QVERIFY(host.host.commands.isEmpty());
}

// The type display and the five switch-function displays: "Preset" and the
// memory's name of the type, "User" and its number, or "No Type"; the rows
// of the dialog edit the voice type's block.
void TestCommon::typeDisplaysNameTheirNumbers()
{
    QFETCH(int, voiceType);
    HostFixture host;
    TParameterMemory &memory = host.memory;
    host.voiceData.voiceType = QLatin1String(voiceWords[voiceType - 1]);
    QWidget *dialog = host.open(arpEntry(voiceType));
    QVERIFY(dialog);
    const QStringList wrong = Form::checkRows(host, dialog, 0);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    for (int slot = 0; slot <= 5; ++slot) {
        const QString address = slot ? sfAddress(slot, voiceType) : typeAddress(voiceType);
        for (int number : { 0, 1786, 1787, 8191, 8192, 8447, 8448 }) {
            memory.setValue(address, 0, number == 0 ? 1 : 0); // a change, so that it shows
            QVERIFY(memory.setValue(address, 0, number));
            QCOMPARE(display(dialog, slot)->text(), typeText(memory, voiceType, number));
        }
    }
    // Another voice type's arpeggio types leave the displays alone.
    const QString shown = display(dialog, 1)->text();
    for (int other = 1; other <= 3; ++other) {
        if (other != voiceType) {
            QVERIFY(memory.setValue(typeAddress(other), 0, 8447)
                    && memory.setValue(sfAddress(1, other), 0, 8300));
            QCOMPARE(display(dialog, 0)->text(), typeText(memory, voiceType, 8448));
            QCOMPARE(display(dialog, 1)->text(), shown);
        }
    }
}

// The bank selector never shows, whatever the type and bank, and a click
// where it would stand asks the host for nothing. (The displays' clicks and
// keys are in the forms suite.)
void TestCommon::theBankSelectorNeverShows()
{
    QFETCH(int, voiceType);
    HostFixture host;
    QWidget *dialog = host.open(arpEntry(voiceType));
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *bank = Form::child<CPopup>(dialog, "cPullDownMenuARPBank");
    host.memory.setValue(typeAddress(voiceType), 0, 8200);
    host.memory.setValue(extra(QStringLiteral("ARPTypeBank"), voiceType), 0, 5);
    host.memory.resetToDefaults();
    QVERIFY(!bank->isVisible() && !bank->isBound()
            && !Form::child(dialog, "textLabelARPBank")->isVisible());
    QTest::mouseClick(Form::pages(dialog).value(0), Qt::LeftButton, Qt::NoModifier,
                      QPoint(250, 17));
    QVERIFY(host.host.commands.isEmpty());
}

QTEST_MAIN(TestCommon)
#include "tst_common.moc"

// The element dialogs (entries 1 to 4), the drum key dialog (28) and the
// plug-in element dialog (20): their rows, the wave and voice displays, the
// rows that follow type parameters, and the drum key that follows the host.

#include <hostfixture.h>

#include <chotspotlabel.h>
#include <cpopup.h>

namespace {

const int drumKeyEntry = 28;
const char waveNumber[] = "FEkNormalElement/kNrmElmWaveNumber";
const char drumWaveType[] = "FEkDrumKey/kDrmKeyWaveType";
const char drumEQType[] = "FEkDrumKeyEQ/kDrmKeyEQType";

// Every row agrees with the memory at `part`: shown exactly when its
// parameter is in use, captioned with its name where the memory names it.
QStringList rowsAgree(HostFixture &host, QWidget *dialog, int part)
{
    QStringList wrong;
    for (QWidget *page : Form::pages(dialog)) {
        for (CTextSlider *field : Form::on<CTextSlider>(page)) {
            QLabel *caption = Form::captionAbove(field);
            const QString address = field->namedAddress();
            if (address.isEmpty() || !caption || !Form::faderBeside(field))
                continue;
            if (field->isHidden() == host.memory.inUse(address, part)
                || caption->isHidden() != field->isHidden())
                wrong << address + QLatin1String(" shown wrongly");
            if (host.namedByMemory(caption) && caption->text() != host.memory.name(address, part))
                wrong << address + QLatin1String(" captioned ") + caption->text();
        }
    }
    return wrong;
}

// The value of the parameter at `part` that gives it another name than at
// its current value, or -1.
int valueRenaming(HostFixture &host, const QString &type, const QString &row, int part)
{
    const int current = host.memory.value(type, part);
    const QString name = host.memory.name(row, part);
    int found = -1;
    for (int v = host.minimum(type, part); v <= host.maximum(type, part) && found < 0; ++v) {
        host.memory.setValue(type, part, v);
        if (host.memory.name(row, part) != name)
            found = v;
    }
    host.memory.setValue(type, part, current);
    return found;
}

} // namespace

class TestElement : public QObject
{
    Q_OBJECT

private slots:
    void elementDialogEditsItsElement_data();
    void elementDialogEditsItsElement();
    void waveDisplayFollowsTheWaveNumber();
    void typeParametersReshapeTheRows_data();
    void typeParametersReshapeTheRows();

    void drumKeyNamesItsRowsForItsKey();
    void drumKeyShowsWaveOrVoiceByWaveType();
    void drumKeyFollowsTheHostsKey();
    void drumKeyDisplaysFollowCompareMode();
};

void TestElement::elementDialogEditsItsElement_data()
{
    QTest::addColumn<int>("element");
    for (int e = 1; e <= 4; ++e)
        QTest::addRow("element %d", e) << e;
}

// Connected, the dialog names its element and withdraws the wave type.
void TestElement::elementDialogEditsItsElement()
{
    QFETCH(int, element);
    HostFixture host;
    QWidget *dialog = host.create(element);
    QCOMPARE(dialog->objectName(), QStringLiteral("Element %1 detail").arg(element));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Element Detail"));
    host.attach(dialog, &host.memory);
    dialog->show();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Element %1 Detail").arg(element));
    QVERIFY(Form::child(dialog, "waveSelect")->isHidden());
    QVERIFY(Form::child(dialog, "textLabel495_2")->isHidden());
}

// Preset waves by the memory's name, user waves by number, others blank;
// each change refreshes the form once; another element's wave is not shown.
void TestElement::waveDisplayFollowsTheWaveNumber()
{
    HostFixture host;
    const QString address = QLatin1String(waveNumber);
    host.memory.setValue(address, 2, 100);
    QWidget *dialog = host.open(3);
    auto *display = Form::child<CHotspotLabel>(dialog, "cWaveLabel453");
    QCOMPARE(display->text(), host.memory.valueText(address, 2, 100));
    QSignalSpy refreshes(dialog, SIGNAL(signalUpdateTabs()));
    const QList<QPair<int, QString>> waves = {
        { 0, QString() },   { 1859, QString() },  { 1860, "" }, { 8191, "" },
        { 8192, "User 1" }, { 8447, "User 256" }, { 8448, "" },
    };
    for (const auto &[wave, text] : waves) {
        QVERIFY(host.memory.setValue(address, 2, wave));
        const QString expected = text.isNull() ? host.memory.valueText(address, 2, wave) : text;
        QVERIFY(!expected.isNull());
        QCOMPARE(display->text(), expected);
    }
    QCOMPARE(refreshes.count(), waves.size());
    host.memory.setValue(address, 1, 8200);
    QCOMPARE(display->text(), QString());
}

void TestElement::typeParametersReshapeTheRows_data()
{
    QTest::addColumn<QString>("type");
    for (const char *type :
         { "FEkNormalElementEQ/kNrmElmEQType", "FEkNormalElementFilter/kNrmElmFilterType",
           "FEkNormalElement/kNrmElmKeyOnDelayTempoSync" })
        QTest::newRow(type) << QString::fromLatin1(type);
}

// Every value of a type parameter of the element, set by the host.
void TestElement::typeParametersReshapeTheRows()
{
    QFETCH(QString, type);
    HostFixture host;
    const int part = 1;
    QWidget *dialog = host.open(part + 1);
    for (int v = host.minimum(type, part); v <= host.maximum(type, part); ++v) {
        host.memory.setValue(type, part, v);
        QCOMPARE(host.memory.value(type, part), v);
        const QStringList wrong = rowsAgree(host, dialog, part);
        QVERIFY2(wrong.isEmpty(),
                 qPrintable(QStringLiteral("value %1: ").arg(v) + wrong.join(QLatin1Char('\n'))));
    }
}

// The EQ rows are named for the EQ type of the host's current key, not of
// key 0.
void TestElement::drumKeyNamesItsRowsForItsKey()
{
    HostFixture host;
    const int key = 7;
    host.voiceData.drumKey = key;
    host.memory.setCurrentDrumKey(key);
    const QString eqType = QLatin1String(drumEQType);
    const QString firstRow = QStringLiteral("FEkDrumKeyEQ/kDrmKeyEQ1Freq");
    const int renaming = valueRenaming(host, eqType, firstRow, key);
    QVERIFY(renaming >= 0);
    host.memory.setValue(eqType, key, renaming);
    QWidget *dialog = host.create(drumKeyEntry);
    host.attach(dialog, &host.memory);
    QVERIFY(host.memory.name(firstRow, key) != host.memory.name(firstRow, 0));
    QStringList wrong = rowsAgree(host, dialog, key);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    // A change of the key's EQ type renames the rows; one of key 0 does not.
    for (int v = host.minimum(eqType, key); v <= host.maximum(eqType, key); ++v) {
        host.memory.setValue(eqType, 0, host.otherValue(eqType, 0));
        QVERIFY(host.memory.setValue(eqType, key, v) || host.memory.value(eqType, key) == v);
        wrong = rowsAgree(host, dialog, key);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
    QVERIFY(Form::child(dialog, "textLabel2300")->isHidden());
    QVERIFY(Form::child(dialog, "cTextSlider2276")->isHidden());
}

void TestElement::drumKeyShowsWaveOrVoiceByWaveType()
{
    HostFixture host;
    const int key = 3;
    host.voiceData.drumKey = key;
    const QString waveType = QLatin1String(drumWaveType);
    host.memory.setValue(QStringLiteral("FEkDrumKey/kDrmKeyVoiceNumber"), key, (63 << 16) | 4);
    QWidget *dialog = host.open(drumKeyEntry);
    for (int type : { 1, 0, 2, 1 }) {
        QVERIFY(host.memory.setValue(waveType, key, type)
                || host.memory.value(waveType, key) == type);
        const bool voice = type == 1;
        QCOMPARE(Form::child(dialog, "cDrumVoiceSelect2253")->isVisible(), voice);
        QCOMPARE(Form::child(dialog, "textLabel2289")->isVisible(), voice);
        QCOMPARE(Form::child(dialog, "cWaveLabel2252")->isVisible(), !voice);
        QCOMPARE(Form::child(dialog, "textLabel2288")->isVisible(), !voice);
    }
    QVERIFY(Form::child(dialog, "textLabel2308")->isVisible());
    auto *voice = Form::child<CHotspotLabel>(dialog, "cDrumVoiceSelect2253");
    QCOMPARE(voice->text(), QStringLiteral("BANK63-0 005 Cat63\nVoice 63.0.4"));
    host.memory.setValue(QStringLiteral("FEkDrumKey/kDrmKeyVoiceNumber"), key,
                         (1 << 16) | (2 << 8) | 127);
    QCOMPARE(voice->text(), QStringLiteral("BANK1-2 128 Cat1\nVoice 1.2.127"));
    // Chosen from the pop-up by the keyboard: Up from the voice to the
    // next type hides the voice display again.
    auto *popup = Form::child<CPopup>(dialog, "cPullDownMenu2250");
    QTest::keyClick(popup, Qt::Key_Up);
    QCOMPARE(host.memory.value(waveType, key), 2);
    QVERIFY(!voice->isVisible() && Form::child(dialog, "cWaveLabel2252")->isVisible());
}

// A key change in the host moves the dialog to the new key: one refresh,
// the new key's values, names and wave, and edits that reach it.
void TestElement::drumKeyFollowsTheHostsKey()
{
    HostFixture host;
    const QString level = QStringLiteral("FEkDrumKeyAmplitude/kDrmKeyLevel");
    const QString wave = QStringLiteral("FEkDrumKey/kDrmKeyWaveNumber");
    const QString eqType = QLatin1String(drumEQType);
    const int low = host.minimum(level, 10) + 1, high = host.maximum(level, 10) - 1;
    host.memory.setValue(level, 10, low);
    host.memory.setValue(level, 11, high);
    host.memory.setValue(wave, 11, host.otherValue(wave, 11));
    host.memory.setValue(
        eqType, 11, valueRenaming(host, eqType, QStringLiteral("FEkDrumKeyEQ/kDrmKeyEQ1Freq"), 11));
    host.voiceData.drumKey = 10;
    host.memory.setCurrentDrumKey(10);
    QWidget *dialog = host.open(drumKeyEntry);
    CTextSlider *field = nullptr;
    for (CTextSlider *f : dialog->findChildren<CTextSlider *>())
        field = f->namedAddress() == level ? f : field;
    QCOMPARE(field->value(), low);
    QSignalSpy refreshes(dialog, SIGNAL(signalUpdateTabs()));
    host.voiceData.drumKey = 11;
    host.memory.setCurrentDrumKey(11);
    QCOMPARE(refreshes.count(), 1);
    QCOMPARE(field->value(), high);
    QCOMPARE(Form::faderBeside(field)->value(), high);
    QCOMPARE(Form::child<CHotspotLabel>(dialog, "cWaveLabel2252")->text(),
             host.memory.valueText(wave, 11, host.memory.value(wave, 11)));
    const QStringList wrong = rowsAgree(host, dialog, 11);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(host.memory.value(level, 11), high - 1);
    QCOMPARE(host.memory.value(level, 10), low);
}

// Compare mode disables both displays: when the host enters it, when a
// dialog opens in it, and again after a key change while in it.
void TestElement::drumKeyDisplaysFollowCompareMode()
{
    HostFixture host;
    QWidget *dialog = host.open(drumKeyEntry);
    auto displaysEnabled = [](QWidget *d) {
        return QList<bool>{ Form::child(d, "cWaveLabel2252")->isEnabled(),
                            Form::child(d, "cDrumVoiceSelect2253")->isEnabled() };
    };
    QCOMPARE(displaysEnabled(dialog), QList<bool>({ true, true }));
    host.voiceData.compareMode = true;
    host.memory.setCompareMode(true);
    QCOMPARE(displaysEnabled(dialog), QList<bool>({ false, false }));
    host.voiceData.compareMode = false;
    host.memory.setCompareMode(false);
    QCOMPARE(displaysEnabled(dialog), QList<bool>({ true, true }));

    // The host's flag alone, then a key change.
    host.voiceData.compareMode = true;
    QCOMPARE(displaysEnabled(dialog), QList<bool>({ true, true }));
    host.voiceData.drumKey = 4;
    host.memory.setCurrentDrumKey(4);
    QCOMPARE(displaysEnabled(dialog), QList<bool>({ false, false }));

    QWidget *second = host.open(drumKeyEntry);
    QCOMPARE(displaysEnabled(second), QList<bool>({ false, false }));
}

QTEST_MAIN(TestElement)
#include "tst_element.moc"

// The effect dialogs (insertion effect 1 and 2, reverb, chorus) for normal,
// plug-in and drum voices: sixteen rows, relabelled
// and reshaped from the parameter memory whenever the effect type changes.

#include <hostfixture.h>

#include <cpopup.h>

namespace {

struct Effect
{
    int entry;         // of the normal voice; plug-in +8, drum +16
    const char *block; // "NormalCommonInsA"
    const char *word;  // "NrmInsA"
    const char *title;
    const char *pages;
};

// clang-format off
const Effect effects[] = {
    { 5, "NormalCommonInsA", "NrmInsA", "Insertion EF A", "INSERTION EFFECT A" },
    { 6, "NormalCommonInsB", "NrmInsB", "Insertion EF B", "INSERTION EFFECT B" },
    { 7, "NormalCommonReverb", "NrmRev", "Reverb", "REVERB|RETURN" },
    { 9, "NormalCommonChorus", "NrmCho", "Chorus", "CHORUS|RETURN" },
};
// clang-format on

QString forVoice(QString address, int voiceType)
{
    const char *const block[] = { "Normal", "Plugin", "Drum" };
    const char *const word[] = { "Nrm", "Plg", "Drm" };
    return address.replace(QLatin1String("Normal"), QLatin1String(block[voiceType - 1]))
        .replace(QLatin1String("Nrm"), QLatin1String(word[voiceType - 1]));
}
QString addressOf(const Effect &e, int voiceType, const QString &parameter)
{
    return forVoice(QStringLiteral("00k%1/k%2").arg(QLatin1String(e.block), QLatin1String(e.word))
                        + parameter,
                    voiceType);
}

CTextSlider *rowField(QWidget *dialog, const QString &address)
{
    for (CTextSlider *field : dialog->findChildren<CTextSlider *>())
        if (field->namedAddress() == address)
            return field;
    return nullptr;
}

void addEntries()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("voiceType");
    for (int t = 1; t <= 3; ++t)
        for (int i = 0; i < 4; ++i)
            QTest::addRow("%s voice %d", effects[i].title, t) << i << t;
}

} // namespace

class TestEffects : public QObject
{
    Q_OBJECT

private slots:
    void pagesAndRows_data();
    void pagesAndRows();
    void everyTypeRelabelsAndReshapesTheRows_data() { addEntries(); }
    void everyTypeRelabelsAndReshapesTheRows();
    void aTypeChangeRefreshesOnlyItsOwnDialog();
};

void TestEffects::pagesAndRows_data()
{
    QTest::addColumn<int>("effect");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(effects[i].title) << i;
}

// Title, pages and a size the user cannot change; rows 1
// to 16 on the effect page, each numbered beside its name; the return
// page's rows captioned by fixed texts.
void TestEffects::pagesAndRows()
{
    QFETCH(int, effect);
    const Effect &e = effects[effect];
    HostFixture host;
    QWidget *dialog = host.open(e.entry);
    QVERIFY(dialog);
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QCOMPARE(dialog->windowTitle(), QLatin1String(e.title));
    auto *tabs = dialog->findChild<QTabWidget *>();
    QStringList labels;
    for (int i = 0; i < tabs->count(); ++i)
        labels << tabs->tabText(i);
    QCOMPARE(labels.join(QLatin1Char('|')), QLatin1String(e.pages));

    for (int n = 1; n <= 16; ++n) {
        CTextSlider *field = rowField(dialog, addressOf(e, 1, QStringLiteral("Param%1").arg(n)));
        QVERIFY2(field && field->parentWidget() == tabs->widget(0), qPrintable(QString::number(n)));
        QLabel *name = Form::captionAbove(field);
        QVERIFY(name && Form::faderBeside(field));
        int numbers = 0;
        for (QLabel *l : Form::on<QLabel>(field->parentWidget()))
            numbers += l->text() == QStringLiteral("%1.").arg(n) && qAbs(l->y() - name->y()) <= 32
                && l->x() < name->x();
        QCOMPARE(numbers, 1);
    }
    if (tabs->count() == 2) {
        const QStringList words = { "Return", "Pan", "ChoToRev" };
        const QStringList captions = { "Return", "Pan", "Send Chorus To Reverb" };
        for (int i = 0; i < (effect == 3 ? 3 : 2); ++i) {
            CTextSlider *field = rowField(dialog, addressOf(e, 1, words.at(i)));
            QVERIFY(field && field->parentWidget() == tabs->widget(1));
            QCOMPARE(Form::captionAbove(field)->text(), captions.at(i));
        }
    }
}

// Each type of the block in turn, set by the host: every row shows exactly
// when the type uses its parameter, named as the memory names it, and the
// type's list offers every type.
void TestEffects::everyTypeRelabelsAndReshapesTheRows()
{
    QFETCH(int, effect);
    QFETCH(int, voiceType);
    const Effect &e = effects[effect];
    HostFixture host;
    TParameterMemory &memory = host.memory;
    QWidget *dialog = host.open(e.entry + 8 * (voiceType - 1));
    QVERIFY(dialog);
    const QString type = addressOf(e, voiceType, QStringLiteral("Type"));
    CPopup *popup = dialog->findChildren<CPopup *>().value(0);
    QCOMPARE(popup->namedAddress(), type);
    QCOMPARE(popup->labels(), host.valueTexts(type, 0));

    QSet<QString> names;
    int hiddenRows = 0;
    // Every type for the normal voice; for the others, whose forms differ
    // only in their addresses, every fifth.
    for (int t = host.minimum(type, 0); t <= host.maximum(type, 0); t += voiceType == 1 ? 1 : 5) {
        QVERIFY(memory.setValue(type, 0, t));
        QCOMPARE(popup->value(), t);
        for (int n = 1; n <= 16; ++n) {
            const QString address = addressOf(e, voiceType, QStringLiteral("Param%1").arg(n));
            CTextSlider *field = rowField(dialog, address);
            QLabel *name = Form::captionAbove(field);
            const bool used = memory.inUse(address);
            QVERIFY2(field->isHidden() == !used && name->isHidden() == !used
                         && Form::faderBeside(field)->isHidden() == !used,
                     qPrintable(QStringLiteral("type %1 row %2").arg(t).arg(n)));
            QCOMPARE(name->text(), memory.name(address));
            QCOMPARE(name->toolTip(), memory.name(address));
            names << name->text();
            hiddenRows += used ? 0 : 1;
        }
    }
    // The types differ, so the test saw rows renamed and hidden.
    QVERIFY(names.size() > 16);
    QVERIFY(hiddenRows > 0);
    const QStringList wrong = Form::checkRows(host, dialog, 0);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

// A name label marked by the test keeps its mark until its own dialog
// refreshes.
void TestEffects::aTypeChangeRefreshesOnlyItsOwnDialog()
{
    HostFixture host;
    QWidget *a = host.open(effects[0].entry);
    QWidget *b = host.open(effects[1].entry);
    const QString paramA = addressOf(effects[0], 1, QStringLiteral("Param1"));
    const QString paramB = addressOf(effects[1], 1, QStringLiteral("Param1"));
    QLabel *nameA = Form::captionAbove(rowField(a, paramA));
    QLabel *nameB = Form::captionAbove(rowField(b, paramB));
    for (int i : { 0, 1 }) {
        nameA->setText(QStringLiteral("marked"));
        nameB->setText(QStringLiteral("marked"));
        const QString type = addressOf(effects[i], 1, QStringLiteral("Type"));
        QVERIFY(host.memory.setValue(type, 0, host.otherValue(type, 0)));
        QCOMPARE((i ? nameB : nameA)->text(), host.memory.name(i ? paramB : paramA));
        QCOMPARE((i ? nameA : nameB)->text(), QStringLiteral("marked"));
    }
}

QTEST_MAIN(TestEffects)
#include "tst_effects.moc"

// What every one of the 35 menu entries does for the host and the user: it
// opens the form its menu entry names, bound to the memory, its rows edit
// their parameters, compare mode greys it, a language change leaves it
// alone, it closes (boards report their model), and without a memory it
// neither shows nor stays.

#include <hostfixture.h>

#include <addon/entryplaces.h>
#include <menuentryrecord.h>

#include <QSignalSpy>
#include <QTranslator>

namespace {

int voiceTypeOf(int entry)
{
    return entry <= 12 ? 1 : entry <= 20 ? 2 : entry <= 28 ? 3 : 4;
}
// The controller-set forms never start the population helper.
bool initialises(int entry)
{
    return !QList<int>{ 10, 11, 18, 19, 26, 27 }.contains(entry);
}
const int drumKeyEntry = 28;
const int drumKey = 5;

// Translates every text, to show that a change of language after
// construction changes nothing.
class ShoutingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QString::fromLatin1(sourceText).toUpper() + QLatin1Char('!');
    }
};

QStringList textsAndAddresses(QWidget *dialog)
{
    QStringList all{ dialog->windowTitle() };
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(w))
            all << label->text();
        all << Form::addressOf(w);
    }
    return all;
}

void addEntries()
{
    QTest::addColumn<int>("entry");
    for (int entry = 1; entry <= 35; ++entry)
        QTest::addRow("entry %d", entry) << entry;
}

// A title's words: "CtrlSet/ComLFO" reads Ctrl, Set, Com, LFO.
QStringList wordsOf(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[A-Z]+(?![a-z])|[A-Z]?[a-z]+|[0-9]+"));
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();)
        words << it.next().captured();
    return words;
}

// Whether a dialog's title word stands for a menu word: the same number,
// or the letter counting to it (effect 2 is effect B), or an abbreviation
// (Ctrl, EF, Com: the word's letters in order, from its first).
bool standsFor(const QString &title, const QString &menu)
{
    bool isNumber = false;
    const int n = menu.toInt(&isNumber);
    if (isNumber)
        return title == menu || (title.size() == 1 && title.at(0) == QLatin1Char('A' + n - 1));
    const QString t = title.toLower(), m = menu.toLower();
    if (t.isEmpty() || t.at(0) != m.at(0))
        return false;
    int i = 0;
    for (QChar c : m)
        if (i < t.size() && c == t.at(i))
            ++i;
    return i == t.size();
}

// Whether a dialog's title names the menu entry: every word of the title
// stands, in order, for the next word of the menu label, but for what a
// detail dialog's title adds to it.
bool titleNames(const QString &title, const QString &label)
{
    static const QStringList added = { QStringLiteral("Detail"), QStringLiteral("Native"),
                                       QStringLiteral("Parameter") };
    const QStringList menu = wordsOf(label);
    int next = 0;
    for (const QString &word : wordsOf(title)) {
        if (next < menu.size() && standsFor(word, menu.at(next)))
            ++next;
        else if (!added.contains(word))
            return false;
    }
    return next == menu.size();
}

} // namespace

class TestAllEntries : public QObject
{
    Q_OBJECT

private slots:
    void eachEntryOpensTheFormItsMenuNames_data();
    void eachEntryOpensTheFormItsMenuNames();
    void openDialogEditsItsVoice_data() { addEntries(); }
    void openDialogEditsItsVoice();
    void withoutAMemoryNothingHappens_data() { addEntries(); }
    void withoutAMemoryNothingHappens();
    void theHostsCompareFlagIsWrittenBackOnce_data();
    void theHostsCompareFlagIsWrittenBackOnce();
};

// Driven by the entries the add-on reports, as the editor's menu shows them:
// "Element 3" under Normal, "Controller Set Common LFO" under Plug-in,
// "XPB900-JW" under the boards.
void TestAllEntries::eachEntryOpensTheFormItsMenuNames_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("voiceType");
    QTest::addColumn<bool>("board");
    QTest::addColumn<QString>("label");
    HostFixture host;
    QVERIFY2(host.addOn, qPrintable(host.loadError()));
    const int count = host.addOn->entryCount(nullptr);
    QCOMPARE(count, 35);
    for (int entry = 1; entry <= count; ++entry) {
        MenuEntryRecord *record = host.addOn->menuEntry(entry, nullptr);
        QVERIFY(record && record->title);
        const EntryPlace place = entryPlace({ entry, *record->title, record->instance });
        host.addOn->releaseMenuEntry(record);
        QTest::addRow("%s %s", qPrintable(voiceTypeName(place.voiceType)), qPrintable(place.label))
            << entry << int(place.voiceType) << (place.group == EntryPlace::Boards) << place.label;
    }
}

// What a person sees tells the entry's form from its neighbours': the
// window title names the entry, every control binds the voice type's (or
// the board's) parameters, and an element's controls its element.
void TestAllEntries::eachEntryOpensTheFormItsMenuNames()
{
    QFETCH(int, entry);
    QFETCH(int, voiceType);
    QFETCH(bool, board);
    QFETCH(QString, label);
    HostFixture host;
    host.memory.setVoiceType(VoiceType(voiceType));
    QWidget *dialog = host.open(entry);
    QVERIFY(dialog);
    QVERIFY2(titleNames(dialog->windowTitle(), label), qPrintable(dialog->windowTitle()));

    const QStringList words = wordsOf(label);
    bool numbered = false;
    const int element = words.constLast().toInt(&numbered);
    int bound = 0;
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        auto *proxy = dynamic_cast<TMemProxy *>(w);
        if (!proxy || !proxy->isBound())
            continue;
        ++bound;
        const QString address = proxy->namedAddress();
        quint16 high = 0, low = 0;
        QVERIFY(host.memory.findParameter(address, &high, &low));
        const QString where = w->objectName() + QLatin1Char(' ') + address;
        QVERIFY2(int(host.memory.blockVoiceType(high)) == (board ? 4 : voiceType),
                 qPrintable(where));
        if (board)
            QVERIFY2(host.memory.blockWord(high).endsWith(words.constLast()), qPrintable(where));
        if (numbered && address.startsWith(QLatin1String("FE")))
            QVERIFY2(proxy->boundPart() == element - 1, qPrintable(where));
    }
    QVERIFY(bound > 0);
}

// One open per entry serves every check.
void TestAllEntries::openDialogEditsItsVoice()
{
    QFETCH(int, entry);
    HostFixture host;
    QVERIFY2(host.addOn, qPrintable(host.loadError()));
    const int voiceType = voiceTypeOf(entry);
    host.memory.setVoiceType(voiceOfBlocks(VoiceType(voiceType)));
    host.voiceData.voiceType =
        QStringList{ "Normal", "Plugin", "Drum", "Plugin" }.at(voiceType - 1);
    host.voiceData.drumKey = drumKey;
    host.memory.setCurrentDrumKey(drumKey);
    QPointer<QWidget> dialog = host.open(entry);
    QVERIFY(dialog);

    // Every control with an address is bound; those without one are the
    // controls their dialogs withdraw.
    const QSet<QString> withdrawn = {
        "waveSelect", "cTextSlider800",  "cFader801",  "cTextSlider802",
        "cFader803",  "cTextSlider2276", "cFader2277", "cPullDownMenuARPBank",
    };
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        auto *proxy = dynamic_cast<TMemProxy *>(w);
        if (proxy && proxy->namedAddress().isEmpty())
            QVERIFY2(withdrawn.contains(w->objectName()) && w->isHidden(),
                     qPrintable(w->objectName()));
        else if (proxy)
            QVERIFY2(proxy->isBound(),
                     qPrintable(w->objectName() + QLatin1Char(' ') + proxy->namedAddress()));
    }

    const int part = entry <= 4 ? entry - 1 : entry == drumKeyEntry ? drumKey : 0;
    int rows = 0;
    QStringList wrong = Form::checkRows(host, dialog, part, &rows);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    QCOMPARE(rows > 0, initialises(entry)); // the controller-set forms have no faders

    // An edit-buffer load refreshes every control.
    host.memory.resetToDefaults();
    for (CTextSlider *field : dialog->findChildren<CTextSlider *>())
        if (field->isBound())
            QCOMPARE(field->value(),
                     host.memory.value(field->namedAddress(),
                                       Form::partOf(field->namedAddress(), part)));

    // Compare mode disables every page's controls and greys the values.
    if (initialises(entry)) {
        for (bool on : { true, false }) {
            host.memory.setCompareMode(on);
            for (QWidget *page : Form::pages(dialog)) {
                for (QWidget *w : Form::on<QWidget>(page))
                    QVERIFY2(w->isEnabled() != on, qPrintable(w->objectName()));
                for (CTextSlider *field : Form::on<CTextSlider>(page))
                    QCOMPARE(field->palette().color(QPalette::WindowText),
                             on ? QColor(128, 128, 128) : QColor(0, 255, 255));
            }
        }
    }

    // A language change after construction.
    const QStringList before = textsAndAddresses(dialog);
    ShoutingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::processEvents();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(textsAndAddresses(dialog), before);

    // Escape closes it; only a board dialog reports its model, once.
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.voiceData.closedBoards.size(), voiceType == 4 ? 1 : 0);
    if (voiceType == 4)
        QVERIFY(host.voiceData.closedBoards.first().startsWith(QLatin1String("XPB900-J")));
}

void TestAllEntries::withoutAMemoryNothingHappens()
{
    QFETCH(int, entry);
    HostFixture host;
    QVERIFY2(host.addOn, qPrintable(host.loadError()));
    QPointer<QWidget> dialog = host.create(entry);
    QVERIFY(dialog);
    const bool hasSignal = dialog->metaObject()->indexOfSignal("signalInitialise()") >= 0;
    QCOMPARE(hasSignal, initialises(entry));
    std::unique_ptr<QSignalSpy> started;
    if (hasSignal)
        started = std::make_unique<QSignalSpy>(dialog.data(), SIGNAL(signalInitialise()));

    // Neither the dialog's own connection, nor attaching no memory, binds it.
    QMetaObject::invokeMethod(dialog, "connectMemAPI");
    IEditorExtensions *extensions = host.extensionsOf(dialog);
    QCOMPARE(extensions->attachMemAPI(nullptr), VESTRA_S_OK);
    for (QWidget *w : dialog->findChildren<QWidget *>())
        if (auto *proxy = dynamic_cast<TMemProxy *>(w))
            QVERIFY(!proxy->isBound());
    if (started)
        QCOMPARE(started->count(), 0);

    IGenericEditorPluginInterface *addOn = nullptr;
    QCOMPARE(extensions->addOnOf(&addOn), VESTRA_S_OK);
    QCOMPARE(addOn, host.addOn);
    QCOMPARE(extensions->addOnOf(nullptr), VESTRA_E_FAIL);
    QCOMPARE(extensions->savePrivateData(nullptr), VESTRA_S_OK);
    QCOMPARE(extensions->loadPrivateData(nullptr), VESTRA_S_OK);

    // Run, it does not show and goes.
    QCOMPARE(extensions->runDialog(), VESTRA_S_OK);
    QVERIFY(dialog && !dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
    QVERIFY(host.host.commands.isEmpty());
    QVERIFY(host.voiceData.closedBoards.isEmpty());
}

void TestAllEntries::theHostsCompareFlagIsWrittenBackOnce_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("compare");
    for (int entry : { 1, 8, 12, 20, 28, 29 }) {
        QTest::addRow("entry %d, compare on", entry) << entry << true;
        QTest::addRow("entry %d, compare off", entry) << entry << false;
    }
}

// The end of the first refresh hands the host's compare flag back to it; a
// second attach of the same memory starts nothing again.
void TestAllEntries::theHostsCompareFlagIsWrittenBackOnce()
{
    QFETCH(int, entry);
    QFETCH(bool, compare);
    HostFixture host;
    host.voiceData.compareMode = compare;
    QWidget *dialog = host.open(entry);
    QVERIFY(dialog);
    QCOMPARE(host.voiceData.compareModeWrites, 1);
    QCOMPARE(host.voiceData.compareMode, compare);
    host.attach(dialog, &host.memory);
    QCOMPARE(host.voiceData.compareModeWrites, 1);
}

QTEST_MAIN(TestAllEntries)
#include "tst_allentries.moc"

// The native-parameter dialogs of the seven expansion boards (entries 29 to
// 35): rows bound to the board's own block, and the report of
// the board model to the host when a dialog closes.

#include <hostfixture.h>

namespace {

struct Board
{
    int entry;
    const char *model;
    const char *secondPage; // null: one page
};

// clang-format off
const Board boards[] = {
    { 29, "JQ", "EG" },     { 30, "JW", nullptr }, { 31, "JV", "INSERTION EFFECT" },
    { 32, "JK", nullptr },  { 33, "JZ", "INSERTION EFFECT" }, { 34, "JY", "EFFECT" },
    { 35, "JX", nullptr },
};
// clang-format on

} // namespace

class TestBoards : public QObject
{
    Q_OBJECT

private slots:
    void rowsEditTheBoardsOwnParameters_data();
    void rowsEditTheBoardsOwnParameters();
    void closingReportsTheModelOnce_data();
    void closingReportsTheModelOnce();
    void closingWithoutVoiceDataStillCloses();
};

void TestBoards::rowsEditTheBoardsOwnParameters_data()
{
    QTest::addColumn<int>("board");
    for (int i = 0; i < 7; ++i)
        QTest::newRow(boards[i].model) << i;
}

// Title, a size the user cannot change and the pages; every row's value
// field and fader edit one parameter of the board's own block, known to the
// memory, no two rows the same, under a caption of its own.
void TestBoards::rowsEditTheBoardsOwnParameters()
{
    QFETCH(int, board);
    const Board &b = boards[board];
    HostFixture host;
    QWidget *dialog = host.open(b.entry);
    QVERIFY(dialog);
    const QString title = QStringLiteral("XPB900-%1 Native Parameter").arg(QLatin1String(b.model));
    QCOMPARE(dialog->windowTitle(), title);
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    auto *tabs = dialog->findChild<QTabWidget *>();
    QCOMPARE(tabs->count(), b.secondPage ? 2 : 1);
    QCOMPARE(tabs->tabText(0), title.toUpper());
    if (b.secondPage)
        QCOMPARE(tabs->tabText(1), QLatin1String(b.secondPage));

    const QString prefix =
        QStringLiteral("FEkPluginNative%1/kPlgNtv%1").arg(QLatin1String(b.model));
    QSet<QString> addresses;
    for (QWidget *page : Form::pages(dialog)) {
        const QList<CTextSlider *> fields = Form::on<CTextSlider>(page);
        QVERIFY(!fields.isEmpty());
        for (CTextSlider *field : fields) {
            const QString where = field->objectName() + QLatin1Char(' ') + field->namedAddress();
            CFader *fader = Form::faderBeside(field);
            QLabel *caption = Form::captionAbove(field);
            QVERIFY2(fader && caption && fader->namedAddress() == field->namedAddress(),
                     qPrintable(where));
            QVERIFY2(!caption->text().isEmpty() && !host.namedByMemory(caption), qPrintable(where));
            QVERIFY2(field->namedAddress().startsWith(prefix) && field->isBound(),
                     qPrintable(where));
            QVERIFY2(!addresses.contains(field->namedAddress()), qPrintable(where));
            addresses << field->namedAddress();
        }
    }
}

void TestBoards::closingReportsTheModelOnce_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("closed") << 0;
    QTest::newRow("accepted") << 1;
    QTest::newRow("rejected") << 2;
}

void TestBoards::closingReportsTheModelOnce()
{
    QFETCH(int, how);
    HostFixture host;
    QPointer<QWidget> dialog = host.open(33);
    const char *const members[] = { "close", "accept", "reject" };
    QVERIFY(QMetaObject::invokeMethod(dialog, members[how]));
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.voiceData.closedBoards, QStringList{ QStringLiteral("XPB900-JZ") });
}

// Voice data that is not the host's: the close reports nothing and still
// closes.
void TestBoards::closingWithoutVoiceDataStillCloses()
{
    QObject notVoiceData;
    HostFixture host;
    host.memory.setVoiceData(&notVoiceData);
    QPointer<QWidget> dialog = host.open(29);
    QVERIFY(dialog->close());
    QTRY_VERIFY(!dialog);
    QVERIFY(host.voiceData.closedBoards.isEmpty());
}

QTEST_MAIN(TestBoards)
#include "tst_boards.moc"

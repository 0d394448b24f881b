// The native-parameter dialogs of the seven expansion boards (entries 29 to
// 35): rows on one grid, bound to the board's own block, and the report of
// the board model to the host when a dialog closes.

#include <hostfixture.h>

namespace {

struct Board
{
    int entry;
    const char *model;
    int columns;
    const char *secondPage; // null: one page
};

const Board boards[] = {
    { 29, "JQ", 3, "EG" },     { 30, "JW", 3, nullptr }, { 31, "JV", 4, "INSERTION EFFECT" },
    { 32, "JK", 3, nullptr },  { 33, "JZ", 4, "INSERTION EFFECT" }, { 34, "JY", 3, "EFFECT" },
    { 35, "JX", 3, nullptr },
};

} // namespace

class TestBoards : public QObject
{
    Q_OBJECT

private slots:
    void rowsStandOnTheGrid_data();
    void rowsStandOnTheGrid();
    void closingReportsTheModelOnce_data();
    void closingReportsTheModelOnce();
    void closingWithoutVoiceDataStillCloses();
};

void TestBoards::rowsStandOnTheGrid_data()
{
    QTest::addColumn<int>("board");
    for (int i = 0; i < 7; ++i)
        QTest::newRow(boards[i].model) << i;
}

// Title, size and pages; then every row: its value field in a cell of the
// grid (column c, row r), its fader and captioned label beside and above,
// both controls on one parameter of the board's block, no two rows on one
// parameter, and nothing else on a page.
void TestBoards::rowsStandOnTheGrid()
{
    QFETCH(int, board);
    const Board &b = boards[board];
    HostFixture host;
    QWidget *dialog = host.create(b.entry);
    QVERIFY(dialog);
    const QString title = QStringLiteral("XPB900-%1 Native Parameter").arg(QLatin1String(b.model));
    QCOMPARE(dialog->objectName(), title);
    QCOMPARE(dialog->windowTitle(), title);
    const QSize size(b.columns == 4 ? 647 : 487, 339);
    QCOMPARE(dialog->size(), size);
    QCOMPARE(dialog->minimumSize(), size);
    QCOMPARE(dialog->maximumSize(), size);
    auto *tabs = Form::child<QTabWidget>(dialog, "tabWidget2");
    QCOMPARE(tabs->geometry(), QRect(QPoint(0, 0), size));
    QCOMPARE(tabs->count(), b.secondPage ? 2 : 1);
    QCOMPARE(tabs->tabText(0), title.toUpper());
    if (b.secondPage)
        QCOMPARE(tabs->tabText(1), QLatin1String(b.secondPage));

    const QString prefix = QStringLiteral("FEkPluginNative%1/kPlgNtv%1").arg(QLatin1String(b.model));
    QSet<QString> addresses;
    QSet<QPoint> cells;
    for (QWidget *page : Form::pages(dialog)) {
        const QList<CTextSlider *> fields = Form::on<CTextSlider>(page);
        QVERIFY(!fields.isEmpty());
        QCOMPARE(Form::on<QWidget>(page).size(), 3 * fields.size());
        for (CTextSlider *field : fields) {
            const QString where = field->objectName() + QLatin1Char(' ') + field->namedAddress();
            const int c = (field->x() - 20) / 155;
            const int r = (field->y() - 46) / 32;
            QVERIFY2(field->geometry() == QRect(20 + 155 * c, 46 + 32 * r, 60, 16), qPrintable(where));
            QVERIFY2(c < b.columns && r < 8, qPrintable(where));
            QVERIFY2(!cells.contains(QPoint(c, r + 8 * tabs->indexOf(page))), qPrintable(where));
            cells << QPoint(c, r + 8 * tabs->indexOf(page));
            CFader *fader = Form::faderBeside(field);
            QLabel *caption = Form::captionAbove(field);
            QVERIFY2(fader && caption, qPrintable(where));
            QCOMPARE(fader->geometry(), field->geometry().translated(70, 0).adjusted(0, 0, -5, 0));
            QCOMPARE(caption->pos(), field->pos() - QPoint(5, 16));
            QVERIFY2(QList<int>({ 130, 150, 180 }).contains(caption->width()), qPrintable(where));
            QVERIFY(!caption->text().isEmpty() && !host.namedByMemory(caption));
            QCOMPARE(fader->namedAddress(), field->namedAddress());
            QVERIFY2(field->namedAddress().startsWith(prefix), qPrintable(where));
            QVERIFY2(!addresses.contains(field->namedAddress()), qPrintable(where));
            addresses << field->namedAddress();
            QVERIFY2(host.memory.findParameter(field->namedAddress(), nullptr, nullptr), qPrintable(where));
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

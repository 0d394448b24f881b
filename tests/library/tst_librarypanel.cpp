// The library panel driven as a person drives it: typing a search, clicking
// the star, renaming in the table, deleting and undoing, importing with a
// drop and cancelling an import.

#include "libraryfixture.h"

#include <librarymodel.h>
#include <librarypanel.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QListWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>

namespace {

QStringList shownNames(LibraryPanel &panel)
{
    QStringList names;
    for (int row = 0; row < panel.model()->rowCount(); ++row)
        names << panel.model()->index(row, LibraryModel::Name).data().toString();
    return names;
}

QPoint cellCentre(QTableView *table, int row, int column)
{
    return table->visualRect(table->model()->index(row, column)).center();
}

QPushButton *button(QWidget *panel, const QString &text)
{
    for (QPushButton *b : panel->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

} // namespace

class TestLibraryPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typingSearches_data();
    void typingSearches();
    void starRenameAndHide();
    void sortsByEachColumn_data();
    void sortsByEachColumn();
    void deleteAndUndo();
    void similarVoices();
    void dropImportsAndCancelStops();
    void aDamagedLibraryIsLeftAlone();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LibraryPanel> m_panel;
};

void TestLibraryPanel::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QString path = m_dir->filePath(QStringLiteral("panel.sqlite"));
    {
        QString error;
        QVERIFY(LibraryDatabase::open(path, QStringLiteral("fill"), &error));
        VoiceLibrary library(QSqlDatabase::database(QStringLiteral("fill"), false), content());
        qint64 id = 0;
        library.add(makeVoice(QStringLiteral("Warm Pad"),
                              { { "NormalElementAmplitude", "NrmElmAEGAttackTime", 0, 95 } },
                              QStringLiteral("Synth Pad")),
                    QString(), &id, &error);
        library.add(makeVoice(QStringLiteral("Glass Pad"),
                              { { "NormalElementAmplitude", "NrmElmAEGAttackTime", 0, 85 } },
                              QStringLiteral("Synth Pad")),
                    QString(), &id, &error);
        library.add(makeVoice(QStringLiteral("Dark Bass"),
                              { { "NormalElementFilter", "NrmElmFilterCutoffFreq", 0, 20 } },
                              QStringLiteral("Bass")),
                    QString(), &id, &error);
    }
    LibraryDatabase::close(QStringLiteral("fill"));
    m_panel = std::make_unique<LibraryPanel>(path);
    m_panel->resize(900, 600);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
}

void TestLibraryPanel::cleanup()
{
    m_panel.reset();
    m_dir.reset();
}

void TestLibraryPanel::typingSearches_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("problem");
    QTest::newRow("words") << "pad" << QStringList{ "Glass Pad", "Warm Pad" } << QString();
    QTest::newRow("category word") << "bass" << QStringList{ "Dark Bass" } << QString();
    QTest::newRow("condition") << "cutoff<1kHz" << QStringList{ "Dark Bass" } << QString();
    QTest::newRow("words and condition")
        << "pad attack>600ms" << QStringList{ "Warm Pad" } << QString();
    QTest::newRow("unknown parameter")
        << "pad brightness>3" << QStringList() << "No parameter is called \"brightness\".";
    QTest::newRow("no such value")
        << "\"filter type\"=Wobble" << QStringList() << "\"Wobble\" is no value of Filter Type.";
}

void TestLibraryPanel::typingSearches()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    QFETCH(QString, problem);
    QCOMPARE(shownNames(*m_panel), QStringList({ "Dark Bass", "Glass Pad", "Warm Pad" }));
    QTest::keyClicks(m_panel->searchField(), typed);
    QTRY_COMPARE(shownNames(*m_panel), shown);
    QTRY_COMPARE(m_panel->problemLabel()->isVisible(), !problem.isEmpty());
    QCOMPARE(m_panel->problemLabel()->text(), problem);
    QVERIFY2(m_panel->statusLabel()->text().startsWith(
                 QStringLiteral("%1 of 3 voice").arg(shown.size())),
             qPrintable(m_panel->statusLabel()->text()));
}

void TestLibraryPanel::starRenameAndHide()
{
    QTableView *table = m_panel->table();
    // The star marks a favourite; the Favourites entry shows only those.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      cellCentre(table, 2, LibraryModel::Favourite));
    QTRY_COMPARE(table->model()->index(2, LibraryModel::Favourite).data().toString(),
                 QStringLiteral("\u2605"));
    m_panel->categoryList()->setCurrentRow(1);
    QCOMPARE(shownNames(*m_panel), QStringList{ "Warm Pad" });
    QListWidget *categories = m_panel->categoryList();
    categories->setCurrentItem(categories->findItems(QStringLiteral("Bass"), Qt::MatchExactly)[0]);
    QCOMPARE(shownNames(*m_panel), QStringList{ "Dark Bass" });
    m_panel->categoryList()->setCurrentRow(0);

    // F2 on a name edits it in place.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      cellCentre(table, 0, LibraryModel::Name));
    QTest::keyClick(table, Qt::Key_F2);
    QWidget *editor = table->focusWidget();
    QVERIFY(qobject_cast<QLineEdit *>(editor));
    qobject_cast<QLineEdit *>(editor)->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Deep Bass"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(shownNames(*m_panel), QStringList({ "Deep Bass", "Glass Pad", "Warm Pad" }));

    // Sorting by a column.
    table->horizontalHeader()->setSortIndicatorShown(true);
    QTest::mouseClick(
        table->horizontalHeader()->viewport(), Qt::LeftButton, {},
        QPoint(table->horizontalHeader()->sectionViewportPosition(LibraryModel::Name) + 5, 5));
    QCOMPARE(shownNames(*m_panel), QStringList({ "Warm Pad", "Glass Pad", "Deep Bass" }));

    // Hidden voices show only with Show hidden.
    LibraryEntry entry;
    QVERIFY(m_panel->library()->set(m_panel->model()->idAt(0), VoiceLibrary::Field::Hidden, true,
                                    nullptr));
    m_panel->model()->refresh();
    QCOMPARE(shownNames(*m_panel), QStringList({ "Glass Pad", "Deep Bass" }));
    QTest::mouseClick(m_panel->showHiddenBox(), Qt::LeftButton);
    QCOMPARE(shownNames(*m_panel), QStringList({ "Warm Pad", "Glass Pad", "Deep Bass" }));
}

void TestLibraryPanel::sortsByEachColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("ascending");
    // Warm Pad is a favourite and Glass Pad tagged; ties go in the order added.
    QTest::newRow("favourite") << int(LibraryModel::Favourite)
                               << QStringList{ "Glass Pad", "Dark Bass", "Warm Pad" };
    QTest::newRow("category") << int(LibraryModel::Category)
                              << QStringList{ "Dark Bass", "Warm Pad", "Glass Pad" };
    QTest::newRow("voice type") << int(LibraryModel::Type)
                                << QStringList{ "Warm Pad", "Glass Pad", "Dark Bass" };
    QTest::newRow("tags") << int(LibraryModel::Tags)
                          << QStringList{ "Warm Pad", "Dark Bass", "Glass Pad" };
    QTest::newRow("added") << int(LibraryModel::Added)
                           << QStringList{ "Warm Pad", "Glass Pad", "Dark Bass" };
    QTest::newRow("source") << int(LibraryModel::Source)
                            << QStringList{ "Warm Pad", "Glass Pad", "Dark Bass" };
}

void TestLibraryPanel::sortsByEachColumn()
{
    QFETCH(int, column);
    QFETCH(QStringList, ascending);
    QVERIFY(m_panel->library()->set(1, VoiceLibrary::Field::Favourite, true, nullptr));
    QVERIFY(m_panel->library()->set(2, VoiceLibrary::Field::Tags, QStringLiteral("airy"), nullptr));
    QHeaderView *header = m_panel->table()->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + 5, 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(shownNames(*m_panel), ascending);
    // The other way round.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    std::reverse(ascending.begin(), ascending.end());
    QCOMPARE(shownNames(*m_panel), ascending);
}

void TestLibraryPanel::deleteAndUndo()
{
    QTableView *table = m_panel->table();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      cellCentre(table, 1, LibraryModel::Type));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      cellCentre(table, 2, LibraryModel::Type));
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(shownNames(*m_panel), QStringList{ "Dark Bass" });
    QCOMPARE(m_panel->library()->count(), 1);
    QTest::mouseClick(button(m_panel.get(), QStringLiteral("Undo")), Qt::LeftButton);
    QCOMPARE(shownNames(*m_panel), QStringList({ "Dark Bass", "Glass Pad", "Warm Pad" }));
    // The voices are back as they were: found by their values.
    QTest::keyClicks(m_panel->searchField(), QStringLiteral("attack>600ms"));
    QTRY_COMPARE(shownNames(*m_panel), QStringList{ "Warm Pad" });
    m_panel->undoStack()->redo();
    QCOMPARE(shownNames(*m_panel), QStringList());
}

void TestLibraryPanel::similarVoices()
{
    QTableView *table = m_panel->table();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      cellCentre(table, 2, LibraryModel::Type)); // Warm Pad
    QTest::mouseClick(button(m_panel.get(), QStringLiteral("Similar")), Qt::LeftButton);
    QTreeWidget *similar = m_panel->similarList();
    QVERIFY(similar->isVisible());
    QCOMPARE(similar->topLevelItemCount(), 2);
    QCOMPARE(similar->topLevelItem(0)->text(0), QStringLiteral("Glass Pad"));
    QCOMPARE(similar->topLevelItem(0)->text(2), QStringLiteral("1"));
}

void TestLibraryPanel::dropImportsAndCancelStops()
{
    const QString folder = m_dir->filePath(QStringLiteral("drop"));
    for (int i = 0; i < 3000; ++i)
        writeVoiceFile(
            QStringLiteral("%1/v%2.json").arg(folder).arg(i, 4, 10, QLatin1Char('0')),
            makeVoice(QString(),
                      { { "NormalElement", "NrmElmWaveNumber", i % 4, 1 + i / 4 },
                        { "NormalElementFilter", "NrmElmFilterResonance", 0, i % 100 } }));
    QSignalSpy finished(m_panel.get(), &LibraryPanel::importFinished);
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(folder) });
    const QPoint at = m_panel->table()->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_panel.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_panel.get(), &drop);
    QVERIFY(m_panel->isImporting());
    // The window stays responsive: its events are handled while voices go in.
    QTRY_VERIFY(m_panel->progressBar()->value() > 0);
    QTest::keyClicks(m_panel->searchField(), QStringLiteral("warm"));
    QTRY_COMPARE(shownNames(*m_panel), QStringList{ "Warm Pad" });
    QTest::mouseClick(m_panel->cancelButton(), Qt::LeftButton);
    QTRY_COMPARE(finished.size(), 1);
    const auto result = finished.at(0).at(1).value<LibraryImporter::Result>();
    QVERIFY(result.cancelled);
    QVERIFY(result.imported < 3000);
    QCOMPARE(m_panel->library()->count(), 3 + result.imported);
    QVERIFY(!m_panel->cancelButton()->isVisible());
}

void TestLibraryPanel::aDamagedLibraryIsLeftAlone()
{
    const QString path = m_dir->filePath(QStringLiteral("notes.sqlite"));
    writeText(path, "my voices, one per line\n");
    LibraryPanel panel(path);
    QVERIFY(!panel.isOpen());
    QVERIFY(!panel.isEnabled());
    QVERIFY(panel.findChildren<QLabel *>().size() > 0);
    bool said = false;
    for (QLabel *label : panel.findChildren<QLabel *>())
        said = said || label->text().contains(QStringLiteral("it is not a voice library"));
    QVERIFY(said);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("my voices, one per line\n"));
}

QTEST_MAIN(TestLibraryPanel)
#include "tst_librarypanel.moc"

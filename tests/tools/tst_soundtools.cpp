// The tools for making sounds in the editor, as a person uses them: rows
// clicked in the view, keys, buttons and the morph slider.

#include "editorsession.h"

#include <effectpresetpanel.h>
#include <jsonpresetstore.h>
#include <librarycommandline.h>
#include <librarycontent.h>
#include <librarydatabase.h>
#include <library/libraryvoicedialog.h>
#include <librarymodel.h>
#include <lockpanel.h>
#include <morphpanel.h>
#include <secondvoice.h>
#include <secondvoicebutton.h>
#include <shape/shapepanel.h>
#include <sidebysidepanel.h>
#include <view/parametermodel.h>
#include <soundblocks.h>
#include <soundtools.h>
#include <soundtoolsdock.h>
#include <toollocks.h>
#include <variationpanel.h>
#include <history/voicehistory.h>
#include <voicevariation.h>

#include <parameterschema.h>
#include <voicefile.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>

#include <functional>

namespace {

struct Editor
{
    std::unique_ptr<EditorSession> session = std::make_unique<EditorSession>();
    TParameterMemory &memory() const { return session->memory; }
    MainWindow *window() const { return session->window.get(); }
    SoundTools *tools() const { return window()->findChild<SoundTools *>(); }
    SoundToolsDock *dock() const { return window()->findChild<SoundToolsDock *>(); }
    QUndoStack *stack() const { return window()->findChild<VoiceHistory *>()->stack(); }
};

ParameterRef refOf(const TParameterMemory &memory, const QString &block, const QString &word,
                   int part)
{
    quint16 high = 0;
    quint16 low = 0;
    if (!memory.findParameter(QStringLiteral("k%1/k%2").arg(block, word), &high, &low))
        qWarning("no parameter %s/%s", qPrintable(block), qPrintable(word));
    return { high, low, part };
}

int valueOfText(const TParameterMemory &memory, const ParameterRef &ref, const QString &text)
{
    for (int v = memory.minimum(ref); v <= memory.maximum(ref); ++v) {
        if (memory.valueText(ref, v) == text)
            return v;
    }
    return -1;
}

// The view's cell of the parameter's row (the shown part) in `column`.
QModelIndex cellOf(QTableView *view, const ParameterRef &ref, int column)
{
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        const QModelIndex index = view->model()->index(row, column);
        if (index.data(ParameterModel::HighRole).toInt() == ref.high
            && index.data(ParameterModel::LowRole).toInt() == ref.low)
            return index;
    }
    return QModelIndex();
}

// Clicks the view's row of the parameter and presses `key` with Ctrl+Shift.
bool clickRowAndPress(Editor &editor, const QString &block, const QString &word, Qt::Key key)
{
    QTableView *view = editor.window()->view();
    const QModelIndex index =
        cellOf(view, refOf(editor.memory(), block, word, 0), ParameterModel::Value);
    if (!index.isValid())
        return false;
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(index).center());
    if (!activate(editor.window()))
        return false;
    QTest::keyClick(view, key, Qt::ControlModifier | Qt::ShiftModifier);
    return true;
}

// Clicks the box of a Lock cell, where the view's style draws it.
void clickBox(QTableView *view, const QModelIndex &index)
{
    view->scrollTo(index);
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
}

// Answers what opens while a test clicks: clicks `action` in the menu that
// pops up, hands the dialog that opens to `dialog`, and closes a message
// box, keeping its text. Each answer is posted, so that the next can come
// while a window it opened waits.
class Popups : public QObject
{
public:
    Popups() { startTimer(10); }
    QAction *action = nullptr;
    std::function<void(QDialog *)> dialog;
    QString message;

protected:
    void timerEvent(QTimerEvent *) override
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            message = box->text();
            QMetaObject::invokeMethod(box, &QWidget::close, Qt::QueuedConnection);
        } else if (auto *d = qobject_cast<QDialog *>(modal); d && dialog) {
            QMetaObject::invokeMethod(
                d, [d, f = std::exchange(dialog, {})] { f(d); }, Qt::QueuedConnection);
        } else if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                   menu && action) {
            const QPoint at = menu->actionGeometry(std::exchange(action, nullptr)).center();
            QMetaObject::invokeMethod(
                menu, [menu, at] { QTest::mouseClick(menu, Qt::LeftButton, {}, at); },
                Qt::QueuedConnection);
        }
    }
};

// Chooses the second voice with `action` of the panel's Second Voice menu.
void chooseSecondVoice(QWidget *panel, QAction *(SecondVoiceButton::*action)() const,
                       Popups &popups)
{
    auto *button = panel->findChild<SecondVoiceButton *>();
    popups.action = (button->*action)();
    QTest::mouseClick(button, Qt::LeftButton);
}

const SoundBlock &block(const QString &id)
{
    return *SoundBlocks::builtIn().find(id);
}

} // namespace

class TestSoundTools : public QObject
{
    Q_OBJECT

private slots:
    void pastingAnEnvelopeToAnotherElementIsOneStep();
    void anEffectGoesToAnotherWindow_data();
    void anEffectGoesToAnotherWindow();
    void aStoredPresetComesBack();
    void randomiseAndMutateKeepLocksAndRanges_data();
    void randomiseAndMutateKeepLocksAndRanges();
    void morphGoesBetweenTheTwoVoices();
    void locksComeFromTheViewAndStayWithTheFile();
    void theLockColumnSetsAndShowsLocks();
    void sideBySideTakesTheSecondVoicesValues();
    void theSecondVoiceComesFromThreeSources_data();
    void theSecondVoiceComesFromThreeSources();
};

void TestSoundTools::pastingAnEnvelopeToAnotherElementIsOneStep()
{
    Editor editor;
    QVERIFY2(editor.window(), qPrintable(editor.session->error));
    TParameterMemory &memory = editor.memory();
    const std::vector<ParameterRef> element1 =
        SoundBlocks::builtIn().members(memory, block("amplitudeEnvelope"), 0);
    QCOMPARE(int(element1.size()), 13);
    for (const ParameterRef &ref : element1)
        memory.setValue(ref, memory.minimum(ref) + 1 + ref.low % 5);
    const ParameterRef level3 =
        refOf(memory, QStringLiteral("NormalElementAmplitude"), QStringLiteral("NrmElmLevel"), 2);
    const int levelBefore = memory.value(level3);
    const int steps = editor.stack()->index();

    QVERIFY(clickRowAndPress(editor, QStringLiteral("NormalElementAmplitude"),
                             QStringLiteral("NrmElmAEGDecay1Time"), Qt::Key_C));
    editor.window()->findChild<QComboBox *>(QStringLiteral("element"))->setCurrentIndex(2);
    QVERIFY(clickRowAndPress(editor, QStringLiteral("NormalElementAmplitude"),
                             QStringLiteral("NrmElmAEGReleaseTime"), Qt::Key_V));

    for (const ParameterRef &ref : element1)
        QCOMPARE(memory.value(ParameterRef{ ref.high, ref.low, 2 }), memory.value(ref));
    QCOMPARE(memory.value(level3), levelBefore);
    QCOMPARE(editor.stack()->index(), steps + 1);
    editor.stack()->undo();
    for (const ParameterRef &ref : element1)
        QCOMPARE(memory.value(ParameterRef{ ref.high, ref.low, 2 }),
                 memory.defaultValue(ParameterRef{ ref.high, ref.low, 2 }));
}

void TestSoundTools::anEffectGoesToAnotherWindow_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("fromStem");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("toStem");
    QTest::newRow("insertion A to insertion B") << "NormalCommonInsA"
                                                << "NrmInsA"
                                                << "NormalCommonInsB"
                                                << "NrmInsB";
    // The chorus numbers its types its own way: the type goes by name.
    QTest::newRow("chorus to insertion A") << "NormalCommonChorus"
                                           << "NrmCho"
                                           << "NormalCommonInsA"
                                           << "NrmInsA";
}

void TestSoundTools::anEffectGoesToAnotherWindow()
{
    QFETCH(QString, from);
    QFETCH(QString, fromStem);
    QFETCH(QString, to);
    QFETCH(QString, toStem);
    Editor first;
    Editor second;
    QVERIFY2(first.window() && second.window(), qPrintable(first.session->error));
    const ParameterRef fromType = refOf(first.memory(), from, fromStem + QStringLiteral("Type"), 0);
    first.memory().setValue(fromType,
                            valueOfText(first.memory(), fromType, QStringLiteral("Flanger 2")));
    first.memory().setValue(refOf(first.memory(), from, fromStem + QStringLiteral("Param3"), 0),
                            17);

    QVERIFY(clickRowAndPress(first, from, fromStem + QStringLiteral("Param1"), Qt::Key_C));
    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data->hasFormat(QStringLiteral("application/x-zinta-block+json")));
    QVERIFY(data->text().contains(QStringLiteral("Flanger 2")));

    // Into the other window's slot, as one step.
    const int steps = second.stack()->index();
    QVERIFY(clickRowAndPress(second, to, toStem + QStringLiteral("Type"), Qt::Key_V));
    const ParameterRef toType = refOf(second.memory(), to, toStem + QStringLiteral("Type"), 0);
    QCOMPARE(second.memory().valueText(toType, second.memory().value(toType)),
             QStringLiteral("Flanger 2"));
    for (int row = 1; row <= 16; ++row) {
        const ParameterRef a =
            refOf(first.memory(), from, fromStem + QStringLiteral("Param%1").arg(row), 0);
        const ParameterRef b =
            refOf(second.memory(), to, toStem + QStringLiteral("Param%1").arg(row), 0);
        if (first.memory().inUse(a))
            QCOMPARE(second.memory().value(b), first.memory().value(a));
        else
            QCOMPARE(second.memory().value(b), second.memory().defaultValue(b));
    }
    QCOMPARE(
        second.memory().value(refOf(second.memory(), to, toStem + QStringLiteral("Param3"), 0)),
        17);
    QCOMPARE(second.stack()->index(), steps + 1);
}

void TestSoundTools::aStoredPresetComesBack()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("presets.json"));
    Editor editor;
    QVERIFY2(editor.window(), qPrintable(editor.session->error));
    TParameterMemory &memory = editor.memory();
    editor.tools()->setPresetStore(std::make_unique<JsonPresetStore>(file));
    EffectPresetPanel *panel = editor.dock()->presets();
    panel->slotBox()->setCurrentIndex(panel->slotBox()->findText(QStringLiteral("Reverb")));

    const ParameterRef type =
        refOf(memory, QStringLiteral("NormalCommonReverb"), QStringLiteral("NrmRevType"), 0);
    const ParameterRef time =
        refOf(memory, QStringLiteral("NormalCommonReverb"), QStringLiteral("NrmRevParam1"), 0);
    memory.setValue(type, valueOfText(memory, type, QStringLiteral("Cathedral")));
    memory.setValue(time, 250);
    QVERIFY(panel->storeCurrent(QStringLiteral("Big Church")));
    QVERIFY(!JsonPresetStore(file).presets().isEmpty());
    memory.setValue(type, valueOfText(memory, type, QStringLiteral("Room 1")));
    memory.setValue(time, 33);
    const int roomTime = memory.value(time);

    // Chosen in the list and recalled with the button: one step.
    QListWidgetItem *item =
        panel->list()->findItems(QStringLiteral("Big Church"), Qt::MatchStartsWith).value(0);
    QVERIFY(item);
    QTest::mouseClick(panel->list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      panel->list()->visualItemRect(item).center());
    const int steps = editor.stack()->index();
    QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("recallPreset")),
                      Qt::LeftButton);
    QCOMPARE(memory.valueText(type, memory.value(type)), QStringLiteral("Cathedral"));
    QCOMPARE(memory.value(time), 250);
    QCOMPARE(editor.stack()->index(), steps + 1);
    // Undone, the room's own time is back, not the hall's nor a default.
    editor.stack()->undo();
    QCOMPARE(memory.valueText(type, memory.value(type)), QStringLiteral("Room 1"));
    QCOMPARE(memory.value(time), roomTime);

    // A preset the chorus has no type for is offered greyed there.
    panel->slotBox()->setCurrentIndex(panel->slotBox()->findText(QStringLiteral("Chorus")));
    item = panel->list()->findItems(QStringLiteral("Big Church"), Qt::MatchStartsWith).value(0);
    QVERIFY(item && !(item->flags() & Qt::ItemIsEnabled));
    item = panel->list()->findItems(QStringLiteral("Wide Chorus"), Qt::MatchStartsWith).value(0);
    QVERIFY(item && (item->flags() & Qt::ItemIsEnabled));
}

void TestSoundTools::randomiseAndMutateKeepLocksAndRanges_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("amount");
    QTest::newRow("randomise") << "randomiseButton" << 0;
    QTest::newRow("mutate a little") << "mutateButton" << 5;
    QTest::newRow("mutate with types") << "mutateButton" << 100;
}

void TestSoundTools::randomiseAndMutateKeepLocksAndRanges()
{
    QFETCH(QString, button);
    QFETCH(int, amount);
    Editor editor;
    QVERIFY2(editor.window(), qPrintable(editor.session->error));
    TParameterMemory &memory = editor.memory();
    ToolLocks *locks = editor.tools()->locks();
    locks->add(ToolLocks::parameter(memory,
                                    refOf(memory, QStringLiteral("NormalElementFilter"),
                                          QStringLiteral("NrmElmFilterCutoffFreq"), 1)));
    locks->add(ToolLocks::block(QStringLiteral("amplitudeEnvelope"), -1));
    locks->add(ToolLocks::element(3));
    // A pattern typed into the Locks page.
    LockPanel *lockPanel = editor.dock()->locks();
    QTest::keyClicks(lockPanel->patternBox(), QStringLiteral("reverb*"));
    QTest::keyClick(lockPanel->patternBox(), Qt::Key_Return);
    QCOMPARE(lockPanel->list()->count(), 4);

    const Voice before = memory.voice();
    std::vector<ParameterRef> locked;
    for (const ParameterRef &ref : VoiceVariation::variableValues(memory)) {
        if (locks->isLocked(memory, ref))
            locked.push_back(ref);
    }
    QVERIFY(locked.size() > 4 * 13 + 50);

    VariationPanel *panel = editor.dock()->variation();
    if (amount > 0)
        panel->amountBox()->setValue(amount);
    const int steps = editor.stack()->index();
    QTest::mouseClick(panel->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(editor.stack()->index(), steps + 1);
    const Voice after = memory.voice();
    QVERIFY(differences(before.values, after.values).size() > 100);
    for (const ParameterRef &ref : locked)
        QCOMPARE(after.value(ref), before.value(ref));
    for (const ParameterRef &ref : VoiceVariation::variableValues(memory)) {
        QVERIFY(memory.value(ref) >= memory.minimum(ref));
        QVERIFY(memory.value(ref) <= memory.maximum(ref));
    }
    // What it made saves and loads as it is.
    Voice loaded;
    QString why;
    QVERIFY2(VoiceFile::decode(VoiceFile::encode(memory.schema(), after), memory.schema(), &loaded,
                               &why),
             qPrintable(why));
    QCOMPARE(loaded.values, after.values);
}

void TestSoundTools::morphGoesBetweenTheTwoVoices()
{
    QTemporaryDir dir;
    Editor editor;
    QVERIFY2(editor.window(), qPrintable(editor.session->error));
    TParameterMemory &memory = editor.memory();
    // The second voice: this one mutated far, types too; undoing it brings
    // back every value a new type reset.
    const Voice first = memory.voice();
    editor.dock()->variation()->amountBox()->setValue(60);
    editor.dock()->variation()->typesAboveBox()->setValue(0);
    editor.dock()->variation()->mutate(42);
    const Voice second = memory.voice();
    editor.stack()->undo();
    QCOMPARE(memory.voice().values, first.values);
    const QString path = dir.filePath(QStringLiteral("second.json"));
    QString error;
    QVERIFY(VoiceFile::save(path, memory.schema(), second, &error));

    MorphPanel *morph = editor.dock()->morph();
    QVERIFY2(editor.tools()->secondVoice()->setFromFile(path, &error), qPrintable(error));
    QSlider *slider = morph->slider();
    editor.dock()->show();
    QVERIFY(QTest::qWaitForWindowExposed(slider));
    const int steps = editor.stack()->index();
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(memory.voice().values, second.values);
    QTest::keyClick(slider, Qt::Key_Home);
    QCOMPARE(memory.voice().values, first.values);
    QCOMPARE(editor.stack()->index(), steps + 2);

    // A drag to the middle: the voice follows while it moves, one step.
    const QRect groove = slider->rect();
    const QPoint start(groove.left() + 4, groove.center().y());
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(slider, QPoint(groove.center().x() / 2, groove.center().y()));
    QTest::mouseMove(slider, groove.center());
    QVERIFY(slider->value() > 30 && slider->value() < 70);
    QVERIFY(memory.voice().values != first.values);
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, groove.center());
    QCOMPARE(editor.stack()->index(), steps + 3);
    const Voice middle = memory.voice();
    int between = 0;
    for (const ParameterRef &ref : VoiceVariation::variableValues(memory)) {
        const int a = first.value(ref);
        const int b = second.value(ref);
        QVERIFY2(middle.value(ref) >= qMin(a, b) && middle.value(ref) <= qMax(a, b),
                 qPrintable(memory.fullName(ref)));
        between += middle.value(ref) != a && middle.value(ref) != b;
    }
    QVERIFY(between > 50);
    editor.stack()->undo();
    QCOMPARE(memory.voice().values, first.values);
}

void TestSoundTools::locksComeFromTheViewAndStayWithTheFile()
{
    QTemporaryDir dir;
    Editor editor;
    QVERIFY2(editor.window(), qPrintable(editor.session->error));
    TParameterMemory &memory = editor.memory();
    ToolLocks *locks = editor.tools()->locks();
    QTableView *view = editor.window()->view();
    const ParameterRef cutoff = refOf(memory, QStringLiteral("NormalElementFilter"),
                                      QStringLiteral("NrmElmFilterCutoffFreq"), 0);

    // The view's context menu on the cutoff's row locks it.
    const QModelIndex index = cellOf(view, cutoff, ParameterModel::Parameter);
    QVERIFY(index.isValid());
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction *lock = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(QLatin1String("Lock "))
            && action->text().endsWith(QLatin1String("element 1")) && !lock)
            lock = action;
    }
    QVERIFY(lock);
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(lock).center());
    QVERIFY(locks->isLocked(memory, cutoff));
    QVERIFY(!locks->isLocked(memory, ParameterRef{ cutoff.high, cutoff.low, 1 }));

    // Saved with the first file; the second file gets other locks; opening
    // the first again brings its own back.
    const QString firstFile = dir.filePath(QStringLiteral("first.json"));
    const QString secondFile = dir.filePath(QStringLiteral("second.json"));
    QString error;
    QVERIFY2(editor.window()->saveVoice(firstFile, &error), qPrintable(error));
    QVERIFY2(editor.window()->saveVoice(secondFile, &error), qPrintable(error));
    locks->clear();
    locks->add(ToolLocks::pattern(QStringLiteral("Reverb*")));
    QVERIFY2(editor.window()->openVoice(firstFile, &error), qPrintable(error));
    QCOMPARE(locks->locks().size(), 1);
    QVERIFY(locks->isLocked(memory, cutoff));
    QVERIFY2(editor.window()->openVoice(secondFile, &error), qPrintable(error));
    QCOMPARE(locks->locks(),
             QVector<ToolLocks::Lock>{ ToolLocks::pattern(QStringLiteral("Reverb*")) });
}

void TestSoundTools::theLockColumnSetsAndShowsLocks()
{
    Editor editor;
    QVERIFY2(editor.window(), qPrintable(editor.session->error));
    TParameterMemory &memory = editor.memory();
    ToolLocks *locks = editor.tools()->locks();
    QTableView *view = editor.window()->view();
    const QString filter = QStringLiteral("NormalElementFilter");
    const ParameterRef cutoff = refOf(memory, filter, QStringLiteral("NrmElmFilterCutoffFreq"), 0);
    const ParameterRef resonance =
        refOf(memory, filter, QStringLiteral("NrmElmFilterResonance"), 0);

    // A click on the cutoff's box locks it, and Randomise leaves it alone.
    const QModelIndex box = cellOf(view, cutoff, ParameterModel::Lock);
    QCOMPARE(box.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    clickBox(view, box);
    QVERIFY(locks->isLocked(memory, cutoff));
    QVERIFY(!locks->isLocked(memory, resonance));
    QCOMPARE(box.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    const Voice before = memory.voice();
    QVERIFY(editor.dock()->variation()->randomise(7));
    QCOMPARE(memory.value(cutoff), before.value(cutoff));
    QVERIFY(memory.value(resonance) != before.value(resonance));

    // A pattern typed on the Locks page shows at once; the row's own box
    // cannot undo it, and the status bar says what can.
    const QModelIndex other = cellOf(view, resonance, ParameterModel::Lock);
    QSignalSpy repaint(view->model(), &QAbstractItemModel::dataChanged);
    QTest::keyClicks(editor.dock()->locks()->patternBox(), QStringLiteral("reso*"));
    QTest::keyClick(editor.dock()->locks()->patternBox(), Qt::Key_Return);
    QCOMPARE(other.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(!repaint.isEmpty());
    clickBox(view, other);
    QVERIFY(locks->isLocked(memory, resonance));
    QCOMPARE(other.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(editor.window()->statusBar()->currentMessage().contains(QLatin1String("reso*")));
    // The cutoff's box unlocks it again.
    clickBox(view, box);
    QVERIFY(!locks->isLocked(memory, cutoff));
}

void TestSoundTools::sideBySideTakesTheSecondVoicesValues()
{
    QTemporaryDir dir;
    Editor editor;
    QVERIFY2(editor.window(), qPrintable(editor.session->error));
    TParameterMemory &memory = editor.memory();
    const Voice first = memory.voice();
    editor.dock()->variation()->amountBox()->setValue(20);
    editor.dock()->variation()->mutate(9);
    const Voice second = memory.voice();
    editor.stack()->undo();
    const QString path = dir.filePath(QStringLiteral("second.json"));
    QString error;
    QVERIFY(VoiceFile::save(path, memory.schema(), second, &error));

    SideBySidePanel *panel = editor.dock()->sideBySide();
    QVERIFY2(editor.tools()->secondVoice()->setFromFile(path, &error), qPrintable(error));
    editor.dock()->show();
    QTableWidget *table = panel->table();
    table->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(table));
    QTest::mouseClick(panel->onlyDifferences(), Qt::LeftButton);
    int shown = 0;
    for (int row = 0; row < table->rowCount(); ++row)
        shown += !table->isRowHidden(row);
    QCOMPARE(shown, int(differences(first.values, second.values).size()));

    // One row taken by a click and the button: one step.
    const ParameterRef ref = differences(first.values, second.values).front();
    const int row = panel->rowOf(ref);
    table->scrollToItem(table->item(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      table->visualItemRect(table->item(row, SideBySidePanel::ThisVoice)).center());
    const int steps = editor.stack()->index();
    QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("takeValue")), Qt::LeftButton);
    QCOMPARE(memory.value(ref), second.value(ref));
    QCOMPARE(editor.stack()->index(), steps + 1);
    QTRY_VERIFY(table->isRowHidden(row));

    // Every row, chosen with the keyboard.
    table->setFocus();
    QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
    QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("takeValue")), Qt::LeftButton);
    QCOMPARE(memory.voice().values, second.values);
    QCOMPARE(editor.stack()->index(), steps + 2);
}

void TestSoundTools::theSecondVoiceComesFromThreeSources_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("the stored voice") << "stored";
    QTest::newRow("a library voice") << "library";
    QTest::newRow("a file of another voice type") << "file";
}

// Chosen on the Side by Side page, it is Morph's too. The library is a real
// one, searched in the editor's dialog among voices of the edited type.
void TestSoundTools::theSecondVoiceComesFromThreeSources()
{
    QFETCH(QString, source);
    QTemporaryDir dir;
    const QString library = dir.filePath(QStringLiteral("tools.sqlite"));
    LibraryCommandLine::useLibrary(library);
    Editor editor;
    LibraryCommandLine::useLibrary(QString());
    QVERIFY2(editor.window(), qPrintable(editor.session->error));
    TParameterMemory &memory = editor.memory();
    Voice kit = memory.voice();
    kit.name = QStringLiteral("Warm Kit");
    kit.type = VoiceType::Drum;
    const QString kitFile = dir.filePath(QStringLiteral("kit.json"));
    QString error;
    QVERIFY(VoiceFile::save(kitFile, memory.schema(), kit, &error));
    const Voice stored = memory.storedVoice();
    editor.dock()->variation()->amountBox()->setValue(40);
    QVERIFY(editor.dock()->variation()->mutate(3));
    Voice pad = memory.voice();
    pad.name = QStringLiteral("Warm Pad");
    if (source == QLatin1String("library")) {
        editor.stack()->undo();
        QVERIFY(LibraryDatabase::open(library, QStringLiteral("fill"), &error));
        VoiceLibrary voices(QSqlDatabase::database(QStringLiteral("fill"), false),
                            LibraryContent::embedded());
        qint64 id = 0;
        for (const Voice &voice : { pad, kit, stored })
            QVERIFY2(voices.add(voice, QString(), &id, &error) == VoiceLibrary::Added::New,
                     qPrintable(error));
    }
    LibraryDatabase::close(QStringLiteral("fill"));

    int found = -1;
    Popups popups;
    popups.dialog = [&found, kitFile](QDialog *dialog) {
        if (auto *picker = qobject_cast<LibraryVoiceDialog *>(dialog)) {
            QTest::keyClicks(picker->searchField(), QStringLiteral("warm"));
            QTableView *table = picker->table();
            found = table->model()->rowCount();
            const QModelIndex first = table->model()->index(0, LibraryModel::Name);
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                              table->visualRect(first).center());
            QTest::mouseClick(picker->buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            return;
        }
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->clear();
        QTest::keyClicks(name, kitFile);
        QTest::keyClick(name, Qt::Key_Return);
    };
    SideBySidePanel *panel = editor.dock()->sideBySide();
    editor.dock()->show();
    chooseSecondVoice(panel,
                      source == QLatin1String("stored")     ? &SecondVoiceButton::storedAction
                          : source == QLatin1String("file") ? &SecondVoiceButton::fileAction
                                                            : &SecondVoiceButton::libraryAction,
                      popups);
    if (source == QLatin1String("file")) {
        QVERIFY(!editor.tools()->secondVoice()->voice());
        QCOMPARE(popups.message,
                 QStringLiteral("Not taken as the second voice: kit.json is a Drum voice, and "
                                "the voice edited a Normal voice"));
        return;
    }
    QCOMPARE(found, source == QLatin1String("library") ? 1 : -1);
    const Voice second = source == QLatin1String("library") ? pad : stored;
    // Exactly the rows that differ are marked.
    const std::vector<ParameterRef> differing = differences(memory.voice().values, second.values);
    QVERIFY(differing.size() > 10);
    QTableWidget *table = panel->table();
    int marked = 0;
    for (int row = 0; row < table->rowCount(); ++row)
        marked += table->item(row, SideBySidePanel::SecondVoice)->data(Qt::UserRole).toBool();
    QCOMPARE(marked, int(differing.size()));
    // The Shape panel draws it faint behind the voice's own shapes.
    EnvelopeView *envelope =
        editor.window()->findChild<ShapePanel *>()->envelope(EnvelopeView::Amplitude);
    QVERIFY(!envelope->secondCurve().isEmpty());
    for (const ParameterRef &ref : differing)
        QVERIFY(table->item(panel->rowOf(ref), SideBySidePanel::SecondVoice)
                    ->data(Qt::UserRole)
                    .toBool());
    // Morph goes all the way to it.
    QSlider *slider = editor.dock()->morph()->slider();
    QVERIFY(QTest::qWaitForWindowExposed(slider));
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(memory.voice().values, second.values);
}

QTEST_MAIN(TestSoundTools)
#include "tst_soundtools.moc"

// The editor's windows on a small screen, 1280 x 800 device pixels, at the
// scale CTest gives this suite (1, and 2 as a high-density screen has it).

#include "editorsession.h"

#include <dialogs/selectionwindow.h>

#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

class TestScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { m_editor.reset(); }

    void windowsLieOnTheScreen_data();
    void windowsLieOnTheScreen();
    void aDialogKeepsClearOfTheView();

private:
    QRect screen() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    QTemporaryDir m_settings;
    std::unique_ptr<EditorSession> m_editor;
    MainWindow *m_window = nullptr;
};

void TestScreens::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("tst_screens"));
    QScreen *screen = QGuiApplication::primaryScreen();
    QCOMPARE(screen->geometry().size() * screen->devicePixelRatio(), QSize(1280, 800));
}

void TestScreens::init()
{
    m_editor = std::make_unique<EditorSession>();
    QVERIFY2(m_editor->window, qPrintable(m_editor->error));
    m_window = m_editor->window.get();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestScreens::windowsLieOnTheScreen_data()
{
    QTest::addColumn<int>("command"); // a selection's host command, 0 for none
    QTest::newRow("main window") << 0;
    QTest::newRow("wave selection") << 42;
    QTest::newRow("arpeggio type selection") << 10;
}

void TestScreens::windowsLieOnTheScreen()
{
    QFETCH(int, command);
    QWidget *window = m_window;
    if (command)
        window = m_window->openSelection(command);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY2(screen().contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6")
                                .arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y())
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())
                                .arg(screen().width())
                                .arg(screen().height())));
}

// Where the screen has room beside the view, a dialog does not cover it;
// wherever it opens, it opens on the screen.
void TestScreens::aDialogKeepsClearOfTheView()
{
    QWidget *dialog = m_window->openEntry(1);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QRect frame = dialog->frameGeometry();
    QVERIFY(screen().contains(frame) || frame.size().width() > screen().width()
            || frame.size().height() > screen().height());
    QTableView *view = m_window->view();
    const QRect shown(view->mapToGlobal(QPoint(0, 0)), view->size());
    const QRect window = m_window->frameGeometry();
    const bool room = screen().right() - window.right() >= frame.width()
        || screen().right() - shown.right() >= frame.width() + 8;
    if (room)
        QVERIFY(!frame.intersects(shown));
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"

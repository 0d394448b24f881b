// The running number of a widget's object name, which orders the widgets
// the form builder makes and so the focus chain the user tabs through.

#include <formbuilder.h>

#include <QtTest>

class TestFormBuilder : public QObject
{
    Q_OBJECT

private slots:
    void runningNumbers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("plain") << "cTextSlider456" << 456;
        QTest::newRow("copy") << "textLabel495_2" << 495;
        QTest::newRow("tenth copy") << "pushButton2375_10" << 2375;
        QTest::newRow("no number") << "waveSelect" << -1;
        QTest::newRow("digits after a word") << "tab0_2" << 0;
        QTest::newRow("trailing underscore number only") << "line_3" << 3;
    }
    void runningNumbers()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QCOMPARE(Form::runningNumber(name), number);
    }
};

QTEST_MAIN(TestFormBuilder)
#include "tst_formbuilder.moc"

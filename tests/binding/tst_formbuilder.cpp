// The form builder: widgets made in the order they were drawn, rows placed by
// their layout and their exceptions, texts and addresses handed out.

#include <formbuilder.h>

#include <cfader.h>
#include <ctextslider.h>

#include <QFrame>
#include <QLabel>
#include <QtTest>

namespace {

using Form::Kind;

constexpr Form::Row rows[] = {
    { "Level", "textLabel20", "cTextSlider12", "cFader13", "00kNormalCommon/kNrmComLevel", 20, 46 },
    { Form::nameA, "textLabel21", "cTextSlider14", "cFader15", "00kNormalCommon/kNrmComPan", 175, 46,
      { 145, -1, -1 } },
    { Form::nameP, "textLabel22", "cTextSlider16", "cFader17", "00kNormalCommon/kNrmComTune", 330, 78 },
};

constexpr Form::Widget widgets[] = {
    { Kind::Label, "textLabel11_2", 0, 0, 10, 10, "copy" },
    { Kind::Frame, "line11", 5, 5, 100, 100 },
    { Kind::Label, "title", 1, 1, 20, 20, "Title" },
    { Kind::PushButton, "pushButton30_10", 0, 0, 10, 10, "B" },
    { Kind::PushButton, "pushButton30_2", 0, 0, 10, 10, "A" },
};

} // namespace

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

    // Children are made in the order of their numbers, copies beside their
    // originals in table order, names without a number first.
    void createsInDrawingOrder()
    {
        QWidget page;
        Form::Built built;
        Form::Builder(&page).rows(rows).widgets(widgets).build(built);
        QStringList order;
        for (QObject *child : page.children())
            order << child->objectName();
        QCOMPARE(order, (QStringList{ "title", "textLabel11_2", "line11", "cTextSlider12", "cFader13",
                                      "cTextSlider14", "cFader15", "cTextSlider16", "cFader17",
                                      "textLabel20", "textLabel21", "textLabel22",
                                      "pushButton30_10", "pushButton30_2" }));
        auto *frame = built.find<QFrame>("line11");
        QCOMPARE(frame->frameShadow(), QFrame::Sunken);
    }

    // Rows are placed by their layout and exceptions (a wider caption set one
    // pixel higher, a fader one pixel high) and get their texts and addresses.
    void rowsPlacedAndNamed()
    {
        QWidget page;
        Form::Built built;
        Form::Builder(&page).rows(rows).widgets(widgets).build(built);
        QCOMPARE(built.rows.size(), std::size_t(3));
        QCOMPARE(built.rows[0].caption->geometry(), QRect(15, 30, 130, 16));
        QCOMPARE(built.rows[0].valueField->geometry(), QRect(20, 46, 60, 16));
        QCOMPARE(built.rows[0].fader->geometry(), QRect(90, 46, 55, 16));
        QCOMPARE(built.rows[1].caption->geometry(), QRect(170, 29, 145, 16));
        QCOMPARE(built.rows[1].fader->geometry(), QRect(245, 45, 55, 16));

        Form::applyTexts("TestForm", built);
        QCOMPARE(built.rows[0].caption->text(), QStringLiteral("Level"));
        QCOMPARE(built.rows[1].caption->text(), QStringLiteral("00kNormalCommon/kNrmComPan"));
        QCOMPARE(built.rows[2].caption->text(), QStringLiteral("StaticText"));
        for (const Form::RowWidgets &r : built.rows) {
            QCOMPARE(r.valueField->namedAddress(), QLatin1String(r.row->address));
            QCOMPARE(r.fader->namedAddress(), QLatin1String(r.row->address));
        }
        QCOMPARE(built.find<QLabel>("title")->text(), QStringLiteral("Title"));
    }
};

QTEST_MAIN(TestFormBuilder)
#include "tst_formbuilder.moc"

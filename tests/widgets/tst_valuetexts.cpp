#include <hostfixture.h>

#include <cpopup.h>
#include <cpulldownmenu.h>
#include <ctextslider.h>
#include <fittedtext.h>

#include <QFontMetricsF>
#include <QSet>
#include <QTest>

#include <memory>

namespace {

// What one control draws for one text, checked as a reader sees it: the
// whole text or its elided form, at a readable size, inside the control and
// (for a pop-up) clear of its drop-down mark; an elided text in full in the
// tooltip. Returns what is wrong, or nothing.
QString misfit(QWidget *control, const FittedText &drawn, const QString &text)
{
    const qreal needed = QFontMetricsF(drawn.font(), control).horizontalAdvance(drawn.shown());
    const int room = qobject_cast<CPopup *>(control) ? control->width() - 8 : control->width();
    if (drawn.whole() != text)
        return QStringLiteral("draws \"%1\" for \"%2\"").arg(drawn.whole(), text);
    if (needed > drawn.area().width() || drawn.area().left() < 0 || drawn.area().right() >= room)
        return QStringLiteral("\"%1\" needs %2 px, has %3")
            .arg(drawn.shown())
            .arg(needed)
            .arg(drawn.area().width());
    if (QFontInfo(drawn.font()).pixelSize() < FittedText::smallestPixelSize)
        return QStringLiteral("\"%1\" at %2 px").arg(text).arg(QFontInfo(drawn.font()).pixelSize());
    if (drawn.isElided() && !control->toolTip().contains(text))
        return QStringLiteral("\"%1\" elided, not in the tooltip").arg(text);
    return QString();
}

template <typename Control>
FittedText drawnBy(QWidget *control)
{
    return static_cast<Control *>(control)->drawnText();
}

} // namespace

// Run once as it is and once with QT_SCALE_FACTOR=2.
class TestValueTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyValueTextFits_data();
    void everyValueTextFits();

private:
    std::unique_ptr<HostFixture> m_host;
    // The texts checked so far, each with the control's make and room.
    QSet<QString> m_checked;
};

void TestValueTexts::initTestCase()
{
    m_host = std::make_unique<HostFixture>();
    QVERIFY2(m_host->addOn, qPrintable(m_host->loadError()));
}

void TestValueTexts::everyValueTextFits_data()
{
    QTest::addColumn<int>("entry");
    for (int entry = 1; entry <= 35; ++entry)
        QTest::addRow("entry %d", entry) << entry;
}

// Every value of every value field, pop-up and pull-down, set through the
// memory, then read back as the control would draw it. A text is checked
// once per kind of control, size and font, in whichever dialog comes first:
// the same text in a control of the same make and room fits or not alike.
void TestValueTexts::everyValueTextFits()
{
    QFETCH(int, entry);
    std::unique_ptr<QWidget> dialog(m_host->open(entry));
    QVERIFY(dialog);
    TParameterMemory &memory = m_host->memory;
    QStringList wrong;
    int walked = 0;
    for (QWidget *control : dialog->findChildren<QWidget *>()) {
        FittedText (*drawn)(QWidget *) = nullptr;
        QStringList texts;
        auto *proxy = dynamic_cast<TMemProxy *>(control);
        if (!proxy || !proxy->isBound() || control->isHidden())
            continue;
        if (qobject_cast<CTextSlider *>(control)) {
            drawn = &drawnBy<CTextSlider>;
            for (int v = proxy->minimum(); v <= proxy->maximum(); ++v)
                texts << proxy->valueText(v);
        } else if (auto *popup = qobject_cast<CPopup *>(control)) {
            drawn = &drawnBy<CPopup>;
            texts = popup->items();
        } else if (auto *menu = qobject_cast<CPullDownMenu *>(control)) {
            drawn = &drawnBy<CPullDownMenu>;
            texts = menu->items();
        } else {
            continue;
        }
        ++walked;
        const QString address = proxy->namedAddress();
        const int part = proxy->boundPart();
        const int before = memory.value(address, part);
        const QString make = QStringLiteral("%1 %2x%3 %4 ")
                                 .arg(QLatin1String(control->metaObject()->className()))
                                 .arg(control->width())
                                 .arg(control->height())
                                 .arg(control->font().key());
        for (int i = 0; i < texts.size(); ++i) {
            if (m_checked.contains(make + texts.at(i)))
                continue;
            m_checked.insert(make + texts.at(i));
            memory.setValue(address, part, proxy->minimum() + i);
            const QString fault = misfit(control, drawn(control), texts.at(i));
            if (!fault.isEmpty())
                wrong << control->objectName() + QLatin1Char(' ') + address + QLatin1String(": ")
                        + fault;
        }
        memory.setValue(address, part, before);
    }
    QVERIFY(walked > 0);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestValueTexts)
#include "tst_valuetexts.moc"

#include <hostfixture.h>

#include <cfader.h>
#include <tmemproxy.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

// The address of the control a caption names: the one just below it.
QString addressUnder(const QLabel *label)
{
    const QWidget *page = label->parentWidget();
    for (QWidget *w : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QPoint d = w->pos() - label->pos();
        auto *proxy = dynamic_cast<TMemProxy *>(w);
        if (proxy && d.y() > 0 && d.y() <= 24 && std::abs(d.x()) <= 10)
            return proxy->namedAddress();
    }
    return QString();
}

// Every page of the dialog in turn, as the current one.
template <typename Visit>
void forEachPage(QWidget *dialog, Visit visit)
{
    for (auto *tabs : dialog->findChildren<QTabWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            visit(tabs->widget(page));
        }
    }
}

} // namespace

// Run once as it is and once with QT_SCALE_FACTOR=2.
class TestReadability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsFitTheirLabels_data();
    void captionsFitTheirLabels();
    void rendersAtTheScreensRatio_data();
    void rendersAtTheScreensRatio();

private:
    std::unique_ptr<HostFixture> m_host;
};

void TestReadability::initTestCase()
{
    m_host = std::make_unique<HostFixture>();
    QVERIFY2(m_host->addOn, qPrintable(m_host->loadError()));
}

void TestReadability::captionsFitTheirLabels_data()
{
    QTest::addColumn<int>("entry");
    for (int entry = 1; entry <= 35; ++entry)
        QTest::addRow("entry %d", entry) << entry;
}

void TestReadability::captionsFitTheirLabels()
{
    QFETCH(int, entry);
    std::unique_ptr<QWidget> dialog(m_host->open(entry));
    QVERIFY(dialog);
    QCOMPARE(QFontInfo(dialog->font()).family(), QStringLiteral("Roboto Condensed"));
    QStringList clipped;
    forEachPage(dialog.get(), [&](QWidget *page) {
        for (QLabel *label : page->findChildren<QLabel *>()) {
            if (label->metaObject() != &QLabel::staticMetaObject
                || !label->isVisibleTo(dialog.get()))
                continue;
            const int needed = label->fontMetrics().size(0, label->text()).width();
            if (needed <= label->contentsRect().width())
                continue;
            clipped << QStringLiteral("entry %1 %2 %3 \"%4\" needs %5 px, has %6")
                           .arg(QString::number(entry), label->objectName(), addressUnder(label), label->text(),
                                QString::number(needed), QString::number(label->contentsRect().width()));
        }
    });
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

void TestReadability::rendersAtTheScreensRatio_data()
{
    QTest::addColumn<int>("entry");
    QTest::newRow("element detail") << 1;
    QTest::newRow("board JQ") << 29;
}

void TestReadability::rendersAtTheScreensRatio()
{
    QFETCH(int, entry);
    const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(qApp->devicePixelRatio(), ratio);
    std::unique_ptr<QWidget> dialog(m_host->open(entry));
    QVERIFY(dialog);
    QCOMPARE(dialog->grab().toImage().size(), dialog->size() * ratio);

    int compared = 0;
    forEachPage(dialog.get(), [&](QWidget *page) {
        for (CFader *fader : page->findChildren<CFader *>()) {
            if (!fader->isVisibleTo(dialog.get()))
                continue;
            const auto rgb = [](const QPixmap &p) {
                return p.toImage().convertToFormat(QImage::Format_RGB32);
            };
            const QImage groove = rgb(fader->pixmap());
            const QImage thumb = rgb(fader->thumbImage());
            QCOMPARE(groove.size(), QSize(55, 16) * ratio);
            QCOMPARE(thumb.size(), QSize(6, 14) * ratio);
            // The fader shows both images pixel for pixel: the groove away
            // from the thumb, and the whole thumb somewhere along it.
            const QImage drawn = rgb(fader->grab());
            QCOMPARE(drawn.size(), groove.size());
            for (int x = 0; x < drawn.width(); ++x) {
                const bool nearThumb = std::abs(x / ratio - fader->thumbCentre().x()) <= 4;
                for (int y = 0; y < drawn.height() && !nearThumb; ++y)
                    QCOMPARE(drawn.pixel(x, y), groove.pixel(x, y));
            }
            const int top = (drawn.height() - thumb.height()) / 2;
            bool thumbFound = false;
            for (int x = 0; x + thumb.width() <= drawn.width() && !thumbFound; ++x)
                thumbFound = drawn.copy(x, top, thumb.width(), thumb.height()) == thumb;
            QVERIFY(thumbFound);
            ++compared;
        }
    });
    QVERIFY(compared > 5);
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"

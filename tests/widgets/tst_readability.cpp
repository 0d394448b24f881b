#include <hostfixture.h>

#include <cfader.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

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

// The shown plain labels, on every page, whose text is wider than the label.
QStringList clippedLabels(QWidget *dialog)
{
    QStringList clipped;
    forEachPage(dialog, [&](QWidget *page) {
        for (QLabel *label : page->findChildren<QLabel *>()) {
            if (label->metaObject() != &QLabel::staticMetaObject || !label->isVisibleTo(dialog))
                continue;
            const int needed = label->fontMetrics().size(0, label->text()).width();
            if (needed <= label->contentsRect().width())
                continue;
            clipped << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                           .arg(label->objectName(), label->text())
                           .arg(needed)
                           .arg(label->contentsRect().width());
        }
    });
    return clipped;
}

QImage rgb(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
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
    void captionsFitEveryTypesRows_data();
    void captionsFitEveryTypesRows();
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
    const QStringList clipped = clippedLabels(dialog.get());
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

void TestReadability::captionsFitEveryTypesRows_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("type");
    QTest::newRow("insertion effect 1") << 5 << "00kNormalCommonInsA/kNrmInsAType";
    QTest::newRow("insertion effect 2") << 6 << "00kNormalCommonInsB/kNrmInsBType";
    QTest::newRow("reverb") << 7 << "00kNormalCommonReverb/kNrmRevType";
    QTest::newRow("chorus") << 9 << "00kNormalCommonChorus/kNrmChoType";
    QTest::newRow("element filter") << 1 << "FEkNormalElementFilter/kNrmElmFilterType";
    QTest::newRow("element EQ") << 1 << "FEkNormalElementEQ/kNrmElmEQType";
    QTest::newRow("element key-on delay sync")
        << 1 << "FEkNormalElement/kNrmElmKeyOnDelayTempoSync";
    QTest::newRow("drum key EQ") << 28 << "FEkDrumKeyEQ/kDrmKeyEQType";
    QTest::newRow("drum key wave type") << 28 << "FEkDrumKey/kDrmKeyWaveType";
}

// Each value of a parameter that renames, shows and hides rows, set by the
// host: every caption it brings still fits.
void TestReadability::captionsFitEveryTypesRows()
{
    QFETCH(int, entry);
    QFETCH(QString, type);
    HostFixture host;
    std::unique_ptr<QWidget> dialog(host.open(entry));
    QVERIFY(dialog);
    QStringList clipped;
    for (int v = host.minimum(type, 0); v <= host.maximum(type, 0); ++v) {
        host.memory.setValue(type, 0, v);
        QCOMPARE(host.memory.value(type, 0), v);
        for (const QString &line : clippedLabels(dialog.get()))
            clipped << host.memory.valueText(type, 0, v) + QLatin1String(": ") + line;
    }
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

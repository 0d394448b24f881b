// A caption written into a form that stands over one control names that
// control's parameter: the memory's name for it (what the view, the undo
// history and the tooltips say) uses the caption's words, and a unit the
// caption gives in brackets is the unit the values read in.

#include <hostfixture.h>

#include <QRegularExpression>

namespace {

struct Caption
{
    QLabel *label;
    QWidget *control; // the one bound control the caption stands over
};

// A bound, shown control of the memory.
TMemProxy *boundControl(QWidget *w)
{
    auto *proxy = dynamic_cast<TMemProxy *>(w);
    return proxy && proxy->isBound() && !w->isHidden() ? proxy : nullptr;
}

// The controls a label stands over: just below it, left-aligned with it
// within 20 pixels (a row's value field, a selector under its title), or
// just right of it on its line (a selector with its caption beside it).
QList<QWidget *> controlsOf(QLabel *label)
{
    QList<QWidget *> found;
    const QRect l = label->geometry();
    for (QWidget *w :
         label->parentWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!boundControl(w))
            continue;
        const QRect c = w->geometry();
        const bool below = qAbs(c.top() - (l.bottom() + 1)) <= 1 && c.left() - l.left() >= 0
            && c.left() - l.left() <= 20;
        const bool beside = c.left() > l.right() && c.left() - l.right() <= 12
            && qAbs(c.center().y() - l.center().y()) <= 3;
        if (below || beside)
            found << w;
    }
    return found;
}

// The fixed captions of a dialog that name a single parameter. A caption
// over several controls, or over none (a group's title over captions), names
// none; one the memory fills in is checked by the dialog suites.
QList<Caption> fixedCaptions(HostFixture &host, QWidget *dialog)
{
    QList<Caption> captions;
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        // A number ("1.", "10.") counts the rows of an effect; it names nothing.
        static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
        if (label->isHidden() || !label->text().contains(letter) || host.namedByMemory(label))
            continue;
        const QList<QWidget *> controls = controlsOf(label);
        if (controls.size() == 1)
            captions << Caption{ label, controls.first() };
    }
    return captions;
}

// "Key Follow Sensitivity (%)": the words and the unit.
QStringList wordsOf(const QString &caption)
{
    QString text = caption;
    text.remove(QRegularExpression(QStringLiteral("\\([^)]*\\)\\s*$")));
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
QString unitOf(const QString &caption)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("\\(([^)]*)\\)\\s*$")).match(caption);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

// Whether the caption's words stand in the name as a run of whole words
// ("Decay2 Level" in "AEG Decay2 Level"): the name may add what the page
// says around the caption.
// Letter case is the caption's typography ("INS Drive", "Ins Drive").
bool usesWords(const QString &name, const QStringList &words)
{
    const QStringList nameWords = name.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList captionWords = words.join(QLatin1Char(' ')).toLower().split(QLatin1Char(' '));
    for (int i = 0; i + captionWords.size() <= nameWords.size(); ++i)
        if (nameWords.mid(i, captionWords.size()) == captionWords)
            return true;
    return false;
}

int voiceTypeOf(int entry)
{
    return entry <= 12 ? 1 : entry <= 20 ? 2 : entry <= 28 ? 3 : 2;
}

const int drumKey = 5;

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void captionsNameTheirParameter_data();
    void captionsNameTheirParameter();
};

void TestCaptions::captionsNameTheirParameter_data()
{
    QTest::addColumn<int>("entry");
    for (int entry = 1; entry <= 35; ++entry)
        QTest::addRow("entry %d", entry) << entry;
}

void TestCaptions::captionsNameTheirParameter()
{
    QFETCH(int, entry);
    HostFixture host;
    QVERIFY2(host.addOn, qPrintable(host.loadError()));
    host.memory.setVoiceType(VoiceType(voiceTypeOf(entry)));
    host.voiceData.drumKey = drumKey;
    host.memory.setCurrentDrumKey(drumKey);
    QWidget *dialog = host.open(entry);
    QVERIFY(dialog);

    static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]+(\\.[0-9]+)?$"));
    QStringList wrong;
    const QList<Caption> captions = fixedCaptions(host, dialog);
    // Every form with faders has rows under fixed captions; the controller
    // sets have neither.
    QCOMPARE(captions.isEmpty(), dialog->findChildren<CFader *>().isEmpty());
    for (const Caption &c : captions) {
        auto *proxy = dynamic_cast<TMemProxy *>(c.control);
        const QString address = proxy->namedAddress();
        const int part = proxy->boundPart();
        const QString caption = c.label->text();
        const QString name = host.memory.name(address, part);
        const QString where = QStringLiteral("\"%1\" over %2 (%3)").arg(caption, address, name);
        if (!usesWords(name, wordsOf(caption)))
            wrong << where + QLatin1String(": another name");
        const QString unit = unitOf(caption);
        if (unit.isEmpty())
            continue;
        quint16 high = 0, low = 0;
        QVERIFY(host.memory.findParameter(address, &high, &low));
        for (int v :
             { host.memory.minimum(high, low, part), host.memory.defaultValue(high, low, part),
               host.memory.maximum(high, low, part) }) {
            const QString text = host.memory.valueText(address, part, v);
            if (!text.endsWith(unit) || !number.match(text.chopped(unit.size())).hasMatch())
                wrong << where + QStringLiteral(": %1 reads \"%2\"").arg(v).arg(text);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"

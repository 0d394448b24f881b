// The add-on's binary contract, checked as a foreign host written in C
// would use it: every operation is reached by its position in the table.

#include <addonlibrary.h>

#include <QKeySequence>
#include <QProcess>
#include <QString>
#include <QWidget>
#include <QtTest>

#include <cstring>

namespace {

constexpr std::int32_t S_OK_ = 0;
constexpr std::int32_t E_NOTIMPL_ = static_cast<std::int32_t>(0x80004001u);
constexpr std::int32_t E_NOINTERFACE_ = static_cast<std::int32_t>(0x80004002u);
constexpr std::int32_t E_FAIL_ = static_cast<std::int32_t>(0x80004005u);
constexpr std::int32_t E_INVALIDARG_ = static_cast<std::int32_t>(0x80070057u);

VestraGuidBytes guid(std::uint32_t d1, std::uint16_t d2, std::uint16_t d3,
                     std::initializer_list<std::uint8_t> rest)
{
    VestraGuidBytes g;
    for (int i = 0; i < 4; ++i)
        g.bytes[i] = static_cast<std::uint8_t>(d1 >> (8 * i));
    for (int i = 0; i < 2; ++i) {
        g.bytes[4 + i] = static_cast<std::uint8_t>(d2 >> (8 * i));
        g.bytes[6 + i] = static_cast<std::uint8_t>(d3 >> (8 * i));
    }
    std::copy(rest.begin(), rest.end(), g.bytes + 8);
    return g;
}

const VestraGuidBytes iidUnknown = guid(0, 0, 0, { 0xC0, 0, 0, 0, 0, 0, 0, 0x46 });
const VestraGuidBytes iidPlugin =
    guid(0x6E5CB24E, 0xA0BB, 0x400D, { 0x9B, 0x75, 0x04, 0x23, 0x34, 0xA0, 0xC7, 0x6A });
const VestraGuidBytes addOnId =
    guid(0xCD38DC80, 0x836E, 0x4644, { 0x93, 0xC8, 0x61, 0xFC, 0x10, 0xC5, 0xF9, 0xC0 });

template <typename T>
T readAt(const void *record, int offset)
{
    T value;
    std::memcpy(&value, static_cast<const char *>(record) + offset, sizeof value);
    return value;
}

} // namespace

Q_DECLARE_METATYPE(VestraGuidBytes)

class TestContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_library.isLoaded(), qPrintable(AddOnLibrary::error()));
        m_addOn = m_library.create();
        QVERIFY(m_addOn);
        m_table = AddOnLibrary::table(m_addOn);
    }

    void cleanupTestCase()
    {
        if (m_addOn)
            QCOMPARE(m_table->Release(m_addOn), 0u);
    }

    void queryInterface_data()
    {
        QTest::addColumn<VestraGuidBytes>("iid");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("IUnknown") << iidUnknown << true;
        QTest::newRow("plug-in interface") << iidPlugin << true;
        QTest::newRow("add-on identifier is no interface") << addOnId << false;
        QTest::newRow("one byte off")
            << guid(0x6E5CB24E, 0xA0BB, 0x400D, { 0x9B, 0x75, 0x04, 0x23, 0x34, 0xA0, 0xC7, 0x6B })
            << false;
    }
    void queryInterface()
    {
        QFETCH(VestraGuidBytes, iid);
        QFETCH(bool, accepted);

        void *out = reinterpret_cast<void *>(0x1);
        const std::int32_t result = m_table->QueryInterface(m_addOn, &iid, &out);
        // AddRef then Release reveals the count without changing it.
        const std::uint32_t countAfter = m_table->AddRef(m_addOn) - 1;
        m_table->Release(m_addOn);
        if (accepted) {
            QCOMPARE(result, S_OK_);
            QCOMPARE(out, m_addOn);
            QCOMPARE(countAfter, 2u);
            QCOMPARE(m_table->Release(m_addOn), 1u);
        } else {
            QCOMPARE(result, E_NOINTERFACE_);
            QCOMPARE(out, nullptr);
            QCOMPARE(countAfter, 1u);
        }
    }

    void referenceCountFreesOnce()
    {
        void *object = m_library.create();
        QVERIFY(object);
        const IGenericEditorPluginInterfaceVtbl *table = AddOnLibrary::table(object);
        QCOMPARE(table->AddRef(object), 2u);
        QCOMPARE(table->AddRef(object), 3u);
        QCOMPARE(table->Release(object), 2u);
        QCOMPARE(table->Release(object), 1u);
        // The third Release frees the object; a second free would be caught by
        // the address sanitizer build.
        QCOMPARE(table->Release(object), 0u);
    }

    void fixedAnswers()
    {
        std::int32_t code = -1;
        QCOMPARE(m_table->entryCount(m_addOn, nullptr), 35);
        QCOMPARE(m_table->entryCount(m_addOn, &code), 35);
        QCOMPARE(code, S_OK_);
        QCOMPARE(m_table->attachHost(m_addOn, nullptr, nullptr), S_OK_);
        QCOMPARE(m_table->reserved4(m_addOn), S_OK_);
        QCOMPARE(m_table->reserved5(m_addOn), S_OK_);
        QCOMPARE(m_table->notImplemented(m_addOn), E_NOTIMPL_);
        QCOMPARE(m_table->releaseMenuEntry(m_addOn, nullptr), E_FAIL_);
        // A widget the add-on did not make has no extensions.
        QWidget plain;
        code = -1;
        QCOMPARE(m_table->editorExtensionsOf(m_addOn, &plain, &code), nullptr);
        QCOMPARE(code, S_OK_);
    }

    void menuRecords_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("title"); // none: no such entry
        QTest::addColumn<int>("instance");

        for (int e = 1; e <= 4; ++e)
            QTest::addRow("%d", e) << e << QStringLiteral("Element %1 detail").arg(e) << e;
        const char *words[] = {
            "Insertion Effect 1", "Insertion Effect 2",       "Reverb", "Arpeggio", "Chorus",
            "Controller Set",     "Controller Set Common LFO"
        };
        const char *prefixes[] = { "Normal ", "Plugin ", "Drum " };
        for (int type = 0; type < 3; ++type) {
            for (int w = 0; w < 7; ++w) {
                const int e = 5 + 8 * type + w;
                QTest::addRow("%d", e)
                    << e << QString::fromLatin1(prefixes[type]) + QLatin1String(words[w]) << 1;
            }
        }
        QTest::addRow("12") << 12 << QStringLiteral("Normal Portamento") << 1;
        QTest::addRow("20") << 20 << QStringLiteral("Plugin Plugin Element") << 1;
        QTest::addRow("28") << 28 << QStringLiteral("Drum Drum Key") << 1;
        for (int e = 29; e <= 35; ++e)
            QTest::addRow("%d", e) << e << QStringLiteral("Plugin Native Parameter") << 1;
        for (int e : { 0, 36, -1 })
            QTest::addRow("%d", e) << e << QString() << 0;
    }
    void menuRecords()
    {
        QFETCH(int, entry);
        QFETCH(QString, title);
        QFETCH(int, instance);

        for (auto menuEntry : { m_table->menuEntry, m_table->menuEntryAlias }) {
            std::int32_t code = -1;
            void *record = menuEntry(m_addOn, entry, &code);
            if (title.isNull()) {
                QCOMPARE(record, nullptr);
                QCOMPARE(code, E_INVALIDARG_);
                QCOMPARE(menuEntry(m_addOn, entry, nullptr), nullptr);
                code = -1;
                QCOMPARE(m_table->createDialog(m_addOn, entry, &code), nullptr);
                QCOMPARE(code, S_OK_);
                continue;
            }
            QVERIFY(record);
            QCOMPARE(code, S_OK_);

            QCOMPARE(std::memcmp(record, addOnId.bytes, 16), 0);
            QCOMPARE(readAt<std::uint64_t>(record, 16), 0u);
            QCOMPARE(readAt<std::uint32_t>(record, 24), 0u);
            QCOMPARE(*readAt<const QString *>(record, 32), title);
            QVERIFY(readAt<const QKeySequence *>(record, 40)->isEmpty());
            QVERIFY(readAt<const QString *>(record, 48)->isEmpty());
            QCOMPARE(readAt<std::uint16_t>(record, 56), 100);
            QCOMPARE(readAt<std::uint16_t>(record, 58), instance);
            QCOMPARE(readAt<std::uint16_t>(record, 60), 0x0101);
            QCOMPARE(readAt<std::uint8_t>(record, 62), 0);
            QCOMPARE(readAt<std::uint32_t>(record, 72), 0u);
            QCOMPARE(readAt<std::uint32_t>(record, 76), 0u);
            QCOMPARE(readAt<std::uint32_t>(record, 80), 0xFFFFFFFFu);
            QCOMPARE(readAt<std::uint32_t>(record, 84), 0xFFFFFFFFu);

            QCOMPARE(m_table->releaseMenuEntry(m_addOn, record), S_OK_);
        }
    }

    void exportsOnlyTheFactory()
    {
        QProcess nm;
        nm.start(QStringLiteral("nm"),
                 { QStringLiteral("-D"), QStringLiteral("--defined-only"),
                   QStringLiteral(VESTRA_ADDON_PATH) });
        QVERIFY2(nm.waitForFinished(30000), "nm did not finish");
        QCOMPARE(nm.exitCode(), 0);
        QStringList defined;
        const QStringList lines = QString::fromLocal8Bit(nm.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &line : lines) {
            const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            // "address type name"; version nodes ("A") are not symbols of code.
            if (fields.size() == 3 && fields.at(1) != QLatin1String("A"))
                defined << fields.at(2);
        }
        QCOMPARE(defined, QStringList{ QStringLiteral("vestra_vce_factory") });
    }

private:
    AddOnLibrary m_library;
    void *m_addOn = nullptr;
    const IGenericEditorPluginInterfaceVtbl *m_table = nullptr;
};

QTEST_MAIN(TestContract)
#include "tst_contract.moc"

// The voice library at size: a seeded generator of valid, varied voices;
// an import of 10,000 voice files (voices per second, bytes of library per
// voice); and over libraries of 10,000 and 100,000 voices the time of a
// word search, of a parameter condition (all voices found, and the first
// page the panel shows) and of a similar-voices query. The goals are
// printed beside the measures.
//
//     build-bench/bin/bench_library [--benchmark_filter=...]
//
// Making the library of 100,000 voices takes minutes. With the environment
// variable BENCH_LIBRARY_FOLDER set, the libraries are kept in that folder
// (library-10000.sqlite, library-100000.sqlite) and reused by later runs; a
// kept library of an older layout is left as it is and a copy of it brought
// up to date.

#include <librarycontent.h>
#include <librarydatabase.h>
#include <libraryimporter.h>
#include <librarymodel.h>
#include <voicefile.h>
#include <voicelibrary.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <random>

namespace {

const char *const adjectives[] = { "Warm",  "Glass", "Dark",  "Bright",  "Soft",  "Hard",
                                   "Wide",  "Thin",  "Fat",   "Airy",    "Dusty", "Cold",
                                   "Sweet", "Big",   "Lo-Fi", "Vintage", "Shiny", "Deep" };
const char *const nouns[] = { "Pad",   "Lead",  "Bass",  "Keys",  "Strings", "Brass",
                              "Bell",  "Pluck", "Choir", "Organ", "Sweep",   "Kit",
                              "Piano", "Arp",   "Drone", "Stab",  "Flute",   "Guitar" };
const char *const tagWords[] = { "analog", "evolving",  "mono",  "poly", "layered",    "ambient",
                                 "80s",    "cinematic", "dance", "lofi", "percussive", "soft" };

// Valid, varied voices from a seed: a type (mostly normal), types of filter,
// wave and effects chosen first, then other values within the ranges those
// types give, and a name, category and tags.
class VoiceGenerator
{
public:
    explicit VoiceGenerator(unsigned seed)
        : m_random(seed)
        , m_content(LibraryContent::embedded())
    {
        const auto &schema = m_content.schema();
        for (std::size_t h = 0; h < schema.blocks.size(); ++h) {
            const int type = schema.blocks[h].voiceType;
            if (type >= 1 && type <= 3)
                m_blocks[type - 1].push_back(int(h));
        }
    }

    Voice next()
    {
        const auto &schema = m_content.schema();
        Voice voice;
        const int roll = pick(100);
        voice.type = roll < 75 ? VoiceType::Normal
            : roll < 90        ? VoiceType::Plugin
                               : VoiceType::Drum;
        voice.values = m_content.codec().defaults();
        const std::vector<int> &blocks = m_blocks[int(voice.type) - 1];
        const int edits = 20 + pick(100);
        std::vector<ParameterRef> touched;
        for (int i = 0; i < edits; ++i) {
            const int high = blocks[std::size_t(pick(int(blocks.size())))];
            const auto &block = schema.blocks[std::size_t(high)];
            const int part = block.parts > 4 ? pick(block.parts) : pick(block.parts);
            const int low = pick(int(block.parameters.size()));
            touched.push_back({ quint16(high), quint16(low), part });
        }
        // Types first, so that the others take values from the ranges they give.
        std::stable_partition(touched.begin(), touched.end(), [&](const ParameterRef &r) {
            return schema.isTypeParameter(r.high, r.low);
        });
        for (const ParameterRef &r : touched) {
            std::vector<int> &part = voice.values[r.high][std::size_t(r.part)];
            const auto e = schema.effective(r.high, r.low, part, r.part);
            part[r.low] = e.minimum + pick(e.maximum - e.minimum + 1);
        }
        for (const ParameterRef &r : touched) {
            std::vector<int> &part = voice.values[r.high][std::size_t(r.part)];
            const auto e = schema.effective(r.high, r.low, part, r.part);
            part[r.low] = qBound(e.minimum, part[r.low], e.maximum);
        }
        voice.name = QStringLiteral("%1 %2 %3")
                         .arg(QLatin1String(adjectives[pick(18)]), QLatin1String(nouns[pick(18)]))
                         .arg(pick(100));
        voice.category = Voice::categories().at(pick(int(Voice::categories().size())));
        for (int t = pick(3); t > 0; --t)
            voice.tags << QLatin1String(tagWords[pick(12)]);
        return voice;
    }

private:
    int pick(int n) { return n <= 1 ? 0 : int(m_random() % unsigned(n)); }

    std::mt19937 m_random;
    const LibraryContent &m_content;
    std::vector<int> m_blocks[3];
};

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

qint64 libraryBytes(const QString &path)
{
    return QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
}

// Fills `lib` with `count` generated voices, in the importer's batches.
void fill(VoiceLibrary *lib, int count, const QString &path)
{
    QString error;
    VoiceGenerator generator(1000 + unsigned(count));
    QElapsedTimer timer;
    timer.start();
    lib->begin(&error);
    for (int i = 0; i < count; ++i) {
        qint64 id = 0;
        lib->add(generator.next(), QString(), &id, &error);
        if ((i + 1) % LibraryImporter::batchSize == 0) {
            lib->commit(&error);
            lib->begin(&error);
        }
    }
    lib->commit(&error);
    QSqlQuery(lib->database()).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    std::printf("library of %d voices made in %.1f s: %.0f bytes per voice (goal: <= 4096)\n",
                count, timer.elapsed() / 1000.0, double(libraryBytes(path)) / count);
}

// The layout of the library file at `path` as its header says (user_version),
// or -1.
int layoutOf(const QString &path)
{
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(64) : QByteArray();
    return head.size() == 64 ? qFromBigEndian<qint32>(head.constData() + 60) : -1;
}

// A library of `count` generated voices, made once per size.
QString library(int count)
{
    static std::map<int, QString> made;
    if (made.count(count))
        return made[count];
    const QString kept = qEnvironmentVariable("BENCH_LIBRARY_FOLDER");
    QString path = (kept.isEmpty() ? scratch().path() : kept)
        + QStringLiteral("/library-%1.sqlite").arg(count);
    const int layout = layoutOf(path);
    if (layout >= 0 && layout < LibraryDatabase::currentVersion) {
        const QString copy = scratch().filePath(QFileInfo(path).fileName());
        if (!QFile::copy(path, copy))
            qFatal("cannot copy %s to %s", qPrintable(path), qPrintable(copy));
        std::printf("library of layout %d copied from %s to be brought up to date\n", layout,
                    qPrintable(path));
        path = copy;
    }
    QString error;
    const QString connection = QStringLiteral("fill-%1").arg(count);
    if (!LibraryDatabase::open(path, connection, &error))
        qFatal("%s", qPrintable(error));
    {
        VoiceLibrary lib(QSqlDatabase::database(connection), LibraryContent::embedded());
        if (lib.count() != 0 && lib.count() != count)
            qFatal("%s holds %d voices, not %d: remove it", qPrintable(path), lib.count(), count);
        if (lib.count() == count)
            std::printf("library of %d voices reused from %s\n", count, qPrintable(path));
        else
            fill(&lib, count, path);
    }
    LibraryDatabase::close(connection);
    made[count] = path;
    return path;
}

void importTenThousand(benchmark::State &state)
{
    const QString folder = scratch().filePath(QStringLiteral("files"));
    if (!QDir(folder).exists()) {
        VoiceGenerator generator(7);
        QDir().mkpath(folder);
        for (int i = 0; i < 10000; ++i) {
            const Voice voice = generator.next();
            QString error;
            VoiceFile::save(QStringLiteral("%1/%2.json").arg(folder).arg(i),
                            LibraryContent::embedded().schema(), voice, &error);
        }
    }
    int run = 0;
    double bytesPerVoice = 0;
    int imported = 0;
    for (auto _ : state) {
        const QString path = scratch().filePath(QStringLiteral("import-%1.sqlite").arg(run++));
        LibraryImporter importer(path, { folder }, LibraryContent::embedded());
        imported = importer.run().imported;
        state.PauseTiming();
        bytesPerVoice = double(libraryBytes(path)) / std::max(1, imported);
        state.ResumeTiming();
    }
    state.counters["voices_per_s"] = benchmark::Counter(
        double(imported) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["bytes_per_voice"] = bytesPerVoice;
    state.SetLabel("goals: >= 1000 voices/s, <= 4096 bytes per voice");
}

struct Open
{
    explicit Open(int count)
        : connection(QStringLiteral("bench-%1").arg(count))
    {
        QString error;
        if (!LibraryDatabase::open(library(count), connection, &error))
            qFatal("%s", qPrintable(error));
        lib = std::make_unique<VoiceLibrary>(QSqlDatabase::database(connection),
                                             LibraryContent::embedded());
    }
    ~Open()
    {
        lib.reset();
        LibraryDatabase::close(connection);
    }
    QString connection;
    std::unique_ptr<VoiceLibrary> lib;
};

void findAll(benchmark::State &state, const QString &query, const char *goal)
{
    Open open(int(state.range(0)));
    std::size_t found = 0;
    for (auto _ : state)
        found = open.lib->find(query, false, nullptr).size();
    state.counters["found"] = double(found);
    state.SetLabel(goal);
}

// The panel's table after a search: the voices found, and the first 256
// rows as the table shows them.
void firstPage(benchmark::State &state, const QString &query, const char *goal)
{
    Open open(int(state.range(0)));
    LibraryModel model(open.lib.get());
    for (auto _ : state) {
        model.setFilter(query, QString(), false, false);
        for (int row = 0; row < std::min(256, model.rowCount()); ++row)
            benchmark::DoNotOptimize(model.index(row, LibraryModel::Name).data());
    }
    state.counters["rows"] = model.rowCount();
    state.SetLabel(goal);
}

// A search right after a rename. When the library had listed its voices
// before (`listed`, as the panel has), the rename moves the voice in that
// listing; otherwise (a change made by another editor, an import) the
// search reads the listing of all voices again. The rename is undone
// (rolled back) each time, outside the time measured.
void afterRename(benchmark::State &state, const QString &query, const char *goal, bool listed)
{
    Open open(int(state.range(0)));
    QString error;
    int renamed = 0;
    for (auto _ : state) {
        open.lib->begin(&error);
        open.lib->set(1, VoiceLibrary::Field::Name, QStringLiteral("Renamed %1").arg(renamed++),
                      &error);
        benchmark::DoNotOptimize(open.lib->find(query, false, nullptr));
        state.PauseTiming();
        open.lib->rollback();
        if (listed)
            open.lib->find(query, false, nullptr);
        state.ResumeTiming();
    }
    state.SetLabel(goal);
}

void similar(benchmark::State &state)
{
    Open open(int(state.range(0)));
    QString error;
    qint64 id = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(open.lib->similar(id++ % 1000 + 1, 10, &error));
    state.SetLabel("goal at 100,000: <= 100 ms");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const char *searchGoal = "goal at 100,000: <= 20 ms";
    benchmark::RegisterBenchmark("import_10000_files", importTenThousand)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->UseRealTime();
    for (const auto &[name, query] :
         { std::pair{ "words_all", QStringLiteral("warm pad") },
           std::pair{ "condition_all", QStringLiteral("cutoff<2kHz") },
           std::pair{ "words_and_condition_all", QStringLiteral("pad \"filter type\"=BPF12") } })
        benchmark::RegisterBenchmark(
            name, [q = query, searchGoal](benchmark::State &s) { findAll(s, q, searchGoal); })
            ->Arg(10000)
            ->Arg(100000)
            ->Unit(benchmark::kMillisecond);
    for (const auto &[name, query] :
         { std::pair{ "words_first_page", QStringLiteral("warm pad") },
           std::pair{ "condition_first_page", QStringLiteral("cutoff<2kHz") } })
        benchmark::RegisterBenchmark(
            name, [q = query, searchGoal](benchmark::State &s) { firstPage(s, q, searchGoal); })
            ->Arg(10000)
            ->Arg(100000)
            ->Unit(benchmark::kMillisecond);
    for (const auto &[name, listed] : { std::pair{ "condition_after_a_rename", true },
                                        std::pair{ "condition_listing_read_again", false } })
        benchmark::RegisterBenchmark(name,
                                     [searchGoal, listed = listed](benchmark::State &s) {
                                         afterRename(s, QStringLiteral("cutoff<2kHz"), searchGoal,
                                                     listed);
                                     })
            ->Arg(10000)
            ->Arg(100000)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("similar_voices", similar)
        ->Arg(10000)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "voicefile.h"

#include "tparametermemory.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cerrno>
#include <cmath>
#include <limits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace VoiceFile {

const char formatName[] = "zinta-voice";

namespace {

const QLatin1String formatKey("format");
const QLatin1String versionKey("version");
const QLatin1String voiceTypeKey("voiceType");
const QLatin1String blocksKey("blocks");

QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double: return QString::number(value.toDouble(), 'g', 17);
    case QJsonValue::String: return QStringLiteral("the text \"%1\"").arg(value.toString().left(40));
    case QJsonValue::Array: return QStringLiteral("a list");
    case QJsonValue::Object: return QStringLiteral("an object");
    case QJsonValue::Undefined: break;
    }
    return QStringLiteral("nothing");
}

// A whole number that fits an int, or an explanation.
bool wholeNumber(const QJsonValue &value, int *out, QString *why)
{
    if (!value.isDouble()) {
        *why = QStringLiteral("%1 is not a number").arg(typeName(value));
        return false;
    }
    const double d = value.toDouble();
    if (!std::isfinite(d) || std::floor(d) != d) {
        *why = QStringLiteral("%1 is not a whole number").arg(typeName(value));
        return false;
    }
    if (d < double(std::numeric_limits<int>::min()) || d > double(std::numeric_limits<int>::max())) {
        *why = QStringLiteral("%1 is out of range").arg(typeName(value));
        return false;
    }
    *out = int(d);
    return true;
}

QString where(const ParameterSchema::Block &block, int part, const QString &parameter = QString())
{
    QString text = QStringLiteral("block \"%1\"").arg(block.word);
    const QString partText = TParameterMemory::partName(block.parts, part);
    if (part >= 0 && !partText.isEmpty())
        text += QStringLiteral(", ") + partText;
    if (!parameter.isEmpty())
        text += QStringLiteral(", parameter \"%1\"").arg(parameter);
    return text;
}

// One block of the file into `values` (the block's defaults on entry).
bool decodeBlock(const ParameterSchema::Schema &schema, int high, const QJsonValue &json,
                 std::vector<std::vector<int>> *values, QString *why)
{
    const ParameterSchema::Block &block = schema.blocks[std::size_t(high)];
    if (!json.isArray()) {
        *why = QStringLiteral("%1 is %2, not a list of parts").arg(where(block, -1), typeName(json));
        return false;
    }
    const QJsonArray parts = json.toArray();
    if (parts.size() != block.parts) {
        *why = QStringLiteral("%1 has %2 parts, not %3").arg(where(block, -1)).arg(parts.size()).arg(block.parts);
        return false;
    }
    for (int pt = 0; pt < block.parts; ++pt) {
        const QJsonValue partJson = parts.at(pt);
        if (!partJson.isObject()) {
            *why = QStringLiteral("%1 is %2, not an object of parameters").arg(where(block, pt), typeName(partJson));
            return false;
        }
        const QJsonObject params = partJson.toObject();
        std::vector<int> &part = (*values)[std::size_t(pt)];
        std::vector<bool> given(block.parameters.size(), false);
        for (auto p = params.begin(); p != params.end(); ++p) {
            const int low = block.index.value(p.key(), -1);
            if (low < 0) {
                *why = QStringLiteral("%1 holds the unknown parameter \"%2\"").arg(where(block, pt), p.key());
                return false;
            }
            QString fault;
            if (!wholeNumber(p.value(), &part[std::size_t(low)], &fault)) {
                *why = where(block, pt, p.key()) + QStringLiteral(": ") + fault;
                return false;
            }
            given[std::size_t(low)] = true;
        }
        // What the part's type parameters make of the others: the default of
        // a missing parameter, the range of a given one.
        for (std::size_t low = 0; low < block.parameters.size(); ++low) {
            const ParameterSchema::Parameter e = schema.effective(high, int(low), part, int(pt));
            if (!given[low] && !schema.isTypeParameter(high, int(low)))
                part[low] = e.defaultValue;
        }
        for (std::size_t low = 0; low < block.parameters.size(); ++low) {
            const ParameterSchema::Parameter e = schema.effective(high, int(low), part, int(pt));
            if (given[low] && (part[low] < e.minimum || part[low] > e.maximum)) {
                *why = QStringLiteral("%1: %2 is outside %3 to %4")
                           .arg(where(block, pt, block.parameters[low].word))
                           .arg(part[low]).arg(e.minimum).arg(e.maximum);
                return false;
            }
        }
    }
    return true;
}

QString systemError(int error)
{
    return qt_error_string(error);
}

} // namespace

QByteArray encode(const ParameterSchema::Schema &schema, int voiceType, const Values &values)
{
    QJsonObject blocks;
    for (std::size_t b = 0; b < schema.blocks.size() && b < values.size(); ++b) {
        const ParameterSchema::Block &block = schema.blocks[b];
        QJsonArray parts;
        for (std::size_t pt = 0; pt < std::size_t(block.parts) && pt < values[b].size(); ++pt) {
            const std::vector<int> &part = values[b][pt];
            QJsonObject params;
            for (std::size_t p = 0; p < block.parameters.size() && p < part.size(); ++p) {
                const ParameterSchema::Parameter e = schema.effective(int(b), int(p), part, int(pt));
                params.insert(block.parameters[p].word, qBound(e.minimum, part[p], e.maximum));
            }
            parts.append(params);
        }
        blocks.insert(block.word, parts);
    }
    // QJsonObject sorts its keys; the head is written by hand so that the
    // format, its version and the voice type open the file.
    QJsonObject rest;
    rest.insert(blocksKey, blocks);
    const QByteArray body = QJsonDocument(rest).toJson(QJsonDocument::Indented);
    const QByteArray head = QStringLiteral("{\n    \"%1\": \"%2\",\n    \"%3\": %4,\n    \"%5\": %6,\n")
                                .arg(formatKey, QLatin1String(formatName), versionKey)
                                .arg(formatVersion).arg(voiceTypeKey).arg(voiceType).toUtf8();
    return head + body.mid(body.indexOf('\n') + 1);
}

bool decode(const QByteArray &text, const ParameterSchema::Schema &schema, Voice *voice, QString *why)
{
    QString fault;
    auto fail = [&](const QString &message) {
        if (why)
            *why = message;
        return false;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("not a voice file: %1 at byte %2")
                        .arg(parseError.errorString()).arg(parseError.offset + 1));
    if (!document.isObject())
        return fail(QStringLiteral("not a voice file: no object at the top"));
    const QJsonObject root = document.object();
    if (root.value(formatKey).toString() != QLatin1String(formatName))
        return fail(QStringLiteral("not a voice file: its format is not \"%1\"").arg(QLatin1String(formatName)));
    int version = 0;
    if (!wholeNumber(root.value(versionKey), &version, &fault))
        return fail(QStringLiteral("version: ") + fault);
    if (version < 1 || version > formatVersion)
        return fail(QStringLiteral("version %1 of the format; this editor reads versions 1 to %2")
                        .arg(version).arg(formatVersion));
    int type = 0;
    if (!wholeNumber(root.value(voiceTypeKey), &type, &fault))
        return fail(QStringLiteral("voice type: ") + fault);
    if (type < 1 || type > 3)
        return fail(QStringLiteral("voice type %1 is not 1 to 3").arg(type));
    for (auto k = root.begin(); k != root.end(); ++k) {
        if (k.key() != formatKey && k.key() != versionKey && k.key() != voiceTypeKey && k.key() != blocksKey)
            return fail(QStringLiteral("unknown member \"%1\"").arg(k.key()));
    }
    const QJsonValue blocksJson = root.value(blocksKey);
    if (!blocksJson.isObject())
        return fail(QStringLiteral("\"blocks\" is %1, not an object of blocks").arg(typeName(blocksJson)));
    const QJsonObject blocks = blocksJson.toObject();

    Values values(schema.blocks.size());
    for (std::size_t b = 0; b < schema.blocks.size(); ++b) {
        const ParameterSchema::Block &block = schema.blocks[b];
        std::vector<int> part;
        for (const ParameterSchema::Parameter &p : block.parameters)
            part.push_back(p.defaultValue);
        values[b].assign(std::size_t(block.parts), part);
    }
    for (auto b = blocks.begin(); b != blocks.end(); ++b) {
        const int high = schema.index.value(b.key(), -1);
        if (high < 0)
            return fail(QStringLiteral("unknown block \"%1\"").arg(b.key()));
        if (!decodeBlock(schema, high, b.value(), &values[std::size_t(high)], &fault))
            return fail(fault);
    }
    // Blocks the file does not hold: the defaults their type parameters give.
    for (std::size_t b = 0; b < schema.blocks.size(); ++b) {
        if (blocks.contains(schema.blocks[b].word))
            continue;
        for (std::size_t pt = 0; pt < values[b].size(); ++pt) {
            std::vector<int> &part = values[b][pt];
            for (std::size_t low = 0; low < part.size(); ++low)
                part[low] = schema.effective(int(b), int(low), part, int(pt)).defaultValue;
        }
    }
    voice->voiceType = type;
    voice->values = std::move(values);
    return true;
}

bool read(const QString &path, const ParameterSchema::Schema &schema, Voice *voice, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("Cannot load the voice %1: %2").arg(path, why);
        return false;
    };
    // Look before opening: a FIFO or a device would block or never end.
    const QFileInfo info(path);
    if (!info.exists())
        return fail(systemError(ENOENT));
    if (info.isDir())
        return fail(QStringLiteral("it is a folder, not a voice file"));
    if (!info.isFile())
        return fail(QStringLiteral("it is not a regular file"));
    if (info.size() > sizeLimit)
        return fail(QStringLiteral("it is %1 bytes long; a voice file has at most %2")
                        .arg(info.size()).arg(sizeLimit));
    // The path may have changed since: open without blocking and look again.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(systemError(errno));
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > sizeLimit) {
        ::close(fd);
        return fail(QStringLiteral("it is not a regular file of at most %1 bytes").arg(sizeLimit));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    const QByteArray text = file.read(sizeLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (text.size() > sizeLimit)
        return fail(QStringLiteral("it grew beyond %1 bytes while being read").arg(sizeLimit));
    QString why;
    if (!decode(text, schema, voice, &why))
        return fail(why);
    return true;
}

bool write(const QString &path, const QByteArray &text, QString *error)
{
    QSaveFile file(path);
    // The system's reason for the last failure: QSaveFile does not always
    // keep it ("Unknown error" after a short write).
    auto reason = [&file](int code) { return code ? systemError(code) : file.errorString(); };
    auto fail = [&](const QString &why) {
        file.cancelWriting();
        if (error)
            *error = QStringLiteral("Cannot save the voice %1: %2").arg(path, why);
        return false;
    };
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(reason(errno));
    errno = 0;
    const qint64 written = file.write(text);
    if (written != text.size())
        return fail(reason(errno));
    errno = 0;
    if (!file.commit())
        return fail(reason(errno));
    return true;
}

} // namespace VoiceFile

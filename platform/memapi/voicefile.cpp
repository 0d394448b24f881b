#include "voicefile.h"

#include "partnames.h"

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
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', 17);
    case QJsonValue::String:
        return QStringLiteral("the text \"%1\"").arg(value.toString().left(40));
    case QJsonValue::Array:
        return QStringLiteral("a list");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
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
    if (d < double(std::numeric_limits<int>::min())
        || d > double(std::numeric_limits<int>::max())) {
        *why = QStringLiteral("%1 is out of range").arg(typeName(value));
        return false;
    }
    *out = int(d);
    return true;
}

const QLatin1String nameKey("name");
const QLatin1String categoryKey("category");
const QLatin1String commentKey("comment");
const QLatin1String tagsKey("tags");

// Where in the voice: the block, and the part as a person counts it.
QString where(const ParameterSchema::Block &block, int part)
{
    QString text = QStringLiteral("block \"%1\"").arg(block.word);
    const QString partText = PartNames::partName(block.parts, part);
    if (part >= 0 && !partText.isEmpty())
        text += QStringLiteral(", ") + partText;
    return text;
}

// A parameter as the editor's view names it, with the file's words in
// brackets: "Pan, element 4 [NormalElement/NrmElmPan]".
QString named(const ParameterSchema::Parameter &parameter, const ParameterSchema::Block &block,
              int part)
{
    QString text = parameter.name;
    const QString partText = PartNames::partName(block.parts, part);
    if (!partText.isEmpty())
        text += QStringLiteral(", ") + partText;
    return text + QStringLiteral(" [%1/%2]").arg(block.word, parameter.word);
}

// The values of one part, given as an object of parameter words, over the
// part's defaults in *part. The parameters not given take the defaults the
// part's types give them; given ones must be whole numbers in range.
bool decodePart(const ParameterSchema::Schema &schema, int high, int pt, const QJsonValue &json,
                std::vector<int> *part, QString *why)
{
    const ParameterSchema::Block &block = schema.blocks[std::size_t(high)];
    if (!json.isObject()) {
        *why = QStringLiteral("%1 is %2, not an object of parameters")
                   .arg(where(block, pt), typeName(json));
        return false;
    }
    const QJsonObject params = json.toObject();
    std::vector<bool> given(block.parameters.size(), false);
    for (auto p = params.begin(); p != params.end(); ++p) {
        const int low = block.index.value(p.key(), -1);
        if (low < 0) {
            *why = QStringLiteral("%1 holds the unknown parameter \"%2\"")
                       .arg(where(block, pt), p.key());
            return false;
        }
        QString fault;
        if (!wholeNumber(p.value(), &(*part)[std::size_t(low)], &fault)) {
            const ParameterSchema::Parameter e = schema.effective(high, low, *part, pt);
            *why = named(e, block, pt) + QStringLiteral(": ") + fault;
            return false;
        }
        given[std::size_t(low)] = true;
    }
    // What the part's type parameters make of the others: the default of a
    // missing parameter, the range of a given one.
    const std::vector<int> types = *part;
    for (std::size_t low = 0; low < block.parameters.size(); ++low) {
        if (!given[low] && !schema.isTypeParameter(high, int(low)))
            (*part)[low] = schema.effective(high, int(low), types, pt).defaultValue;
    }
    for (std::size_t low = 0; low < block.parameters.size(); ++low) {
        const ParameterSchema::Parameter e = schema.effective(high, int(low), *part, pt);
        const int v = (*part)[low];
        if (given[low] && (v < e.minimum || v > e.maximum)) {
            *why =
                QStringLiteral("%1: %2 is outside %3 to %4")
                    .arg(named(e, block, pt), QString::number(v),
                         e.format.text(e.minimum, e.minimum), e.format.text(e.maximum, e.minimum));
            return false;
        }
    }
    return true;
}

// One block of the file into `values` (the block's defaults on entry):
// version 1, a list of every part; version 2, a block of one part as its
// object of parameters, and of several as an object of the parts it holds.
bool decodeBlock(const ParameterSchema::Schema &schema, int high, int version,
                 const QJsonValue &json, std::vector<std::vector<int>> *values, QString *why)
{
    const ParameterSchema::Block &block = schema.blocks[std::size_t(high)];
    if (version == 1) {
        if (!json.isArray()) {
            *why = QStringLiteral("%1 is %2, not a list of parts")
                       .arg(where(block, -1), typeName(json));
            return false;
        }
        const QJsonArray parts = json.toArray();
        if (parts.size() != block.parts) {
            *why = QStringLiteral("%1 has %2 parts, not %3")
                       .arg(where(block, -1))
                       .arg(parts.size())
                       .arg(block.parts);
            return false;
        }
        for (int pt = 0; pt < block.parts; ++pt) {
            if (!decodePart(schema, high, pt, parts.at(pt), &(*values)[std::size_t(pt)], why))
                return false;
        }
        return true;
    }
    if (block.parts == 1)
        return decodePart(schema, high, 0, json, &values->front(), why);
    if (!json.isObject()) {
        *why = QStringLiteral("%1 is %2, not an object of parts")
                   .arg(where(block, -1), typeName(json));
        return false;
    }
    const QJsonObject parts = json.toObject();
    for (auto p = parts.begin(); p != parts.end(); ++p) {
        const int pt = PartNames::partOfKey(block.parts, p.key());
        if (pt < 0) {
            *why = QStringLiteral("%1 has no part \"%2\"").arg(where(block, -1), p.key());
            return false;
        }
        if (!decodePart(schema, high, pt, p.value(), &(*values)[std::size_t(pt)], why))
            return false;
    }
    return true;
}

// The head of a version 2 voice: name, category, comment and tags.
bool decodeHead(const QJsonObject &root, Voice *voice, QString *why)
{
    auto text = [&](QLatin1String key, QString *out) {
        const QJsonValue value = root.value(key);
        if (value.isUndefined())
            return true;
        if (!value.isString()) {
            *why = QStringLiteral("the %1 is %2, not a text").arg(key, typeName(value));
            return false;
        }
        *out = value.toString();
        return true;
    };
    if (!text(nameKey, &voice->name) || !text(categoryKey, &voice->category)
        || !text(commentKey, &voice->comment))
        return false;
    if (voice->name.size() > Voice::nameLength) {
        *why = QStringLiteral("the name \"%1\" is longer than %2 characters")
                   .arg(voice->name.left(40))
                   .arg(Voice::nameLength);
        return false;
    }
    if (!voice->category.isEmpty() && !Voice::categories().contains(voice->category)) {
        *why = QStringLiteral("\"%1\" is not a category").arg(voice->category.left(40));
        return false;
    }
    const QJsonValue tags = root.value(tagsKey);
    if (tags.isUndefined())
        return true;
    if (!tags.isArray()) {
        *why = QStringLiteral("the tags are %1, not a list of texts").arg(typeName(tags));
        return false;
    }
    for (const QJsonValue &tag : tags.toArray()) {
        if (!tag.isString()) {
            *why = QStringLiteral("a tag is %1, not a text").arg(typeName(tag));
            return false;
        }
        voice->tags << tag.toString();
    }
    return true;
}

QString systemError(int error)
{
    return qt_error_string(error);
}

} // namespace

QByteArray encode(const ParameterSchema::Schema &schema, const Voice &voice)
{
    const Values initial = schema.initialValues();
    QJsonObject blocks;
    for (std::size_t b = 0; b < schema.blocks.size() && b < voice.values.size(); ++b) {
        const ParameterSchema::Block &block = schema.blocks[b];
        QJsonObject parts;
        for (std::size_t pt = 0; pt < std::size_t(block.parts) && pt < voice.values[b].size();
             ++pt) {
            const std::vector<int> &part = voice.values[b][pt];
            QJsonObject params;
            for (std::size_t p = 0; p < block.parameters.size() && p < part.size(); ++p) {
                // Written where it differs from what a reader puts where the
                // file says nothing.
                const ParameterSchema::Parameter e =
                    schema.effective(int(b), int(p), part, int(pt));
                const int fallback =
                    schema.isTypeParameter(int(b), int(p)) ? initial[b][pt][p] : e.defaultValue;
                const int v = qBound(e.minimum, part[p], e.maximum);
                if (v != fallback)
                    params.insert(block.parameters[p].word, v);
            }
            if (!params.isEmpty())
                parts.insert(PartNames::partKey(block.parts, int(pt)), params);
        }
        if (!parts.isEmpty())
            blocks.insert(block.word, block.parts == 1 ? parts.begin().value() : QJsonValue(parts));
    }
    // QJsonObject sorts its keys; the head is written in the order a reader
    // wants it: what the file is, then what the voice is filed under.
    auto line = [](QLatin1String key, const QJsonValue &value) {
        const QByteArray json = QJsonDocument(QJsonArray{ value }).toJson(QJsonDocument::Compact);
        return QByteArray("    \"") + QByteArray(key.data(), key.size())
            + "\": " + json.mid(1, json.size() - 2) + ",\n";
    };
    QByteArray text = "{\n";
    text += line(formatKey, QLatin1String(formatName));
    text += line(versionKey, formatVersion);
    text += line(voiceTypeKey, int(voice.type));
    text += line(nameKey, Voice::fittedName(voice.name));
    if (!voice.category.isEmpty())
        text += line(categoryKey, voice.category);
    if (!voice.comment.isEmpty())
        text += line(commentKey, voice.comment);
    if (!voice.tags.isEmpty())
        text += line(tagsKey, QJsonArray::fromStringList(voice.tags));
    QJsonObject rest;
    rest.insert(blocksKey, blocks);
    const QByteArray body = QJsonDocument(rest).toJson(QJsonDocument::Indented);
    return text + body.mid(body.indexOf('\n') + 1);
}

bool decode(const QByteArray &text, const ParameterSchema::Schema &schema, Voice *voice,
            QString *why)
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
                        .arg(parseError.errorString())
                        .arg(parseError.offset + 1));
    if (!document.isObject())
        return fail(QStringLiteral("not a voice file: no object at the top"));
    const QJsonObject root = document.object();
    if (root.value(formatKey).toString() != QLatin1String(formatName))
        return fail(QStringLiteral("not a voice file: its format is not \"%1\"")
                        .arg(QLatin1String(formatName)));
    int version = 0;
    if (!wholeNumber(root.value(versionKey), &version, &fault))
        return fail(QStringLiteral("version: ") + fault);
    if (version < 1 || version > formatVersion)
        return fail(QStringLiteral("version %1 of the format; this editor reads versions 1 to %2")
                        .arg(version)
                        .arg(formatVersion));
    int type = 0;
    if (!wholeNumber(root.value(voiceTypeKey), &type, &fault))
        return fail(QStringLiteral("voice type: ") + fault);
    if (!isVoiceTypeNumber(type))
        return fail(QStringLiteral("voice type %1 is not 1 to 3").arg(type));
    const QList<QLatin1String> members = version == 1
        ? QList<QLatin1String>{ formatKey, versionKey, voiceTypeKey, blocksKey }
        : QList<QLatin1String>{ formatKey,   versionKey, voiceTypeKey, nameKey,
                                categoryKey, commentKey, tagsKey,      blocksKey };
    for (auto k = root.begin(); k != root.end(); ++k) {
        if (!members.contains(k.key()))
            return fail(QStringLiteral("unknown member \"%1\"").arg(k.key()));
    }
    Voice decoded;
    decoded.type = VoiceType(type);
    if (version > 1 && !decodeHead(root, &decoded, &fault))
        return fail(fault);
    const QJsonValue blocksJson = root.value(blocksKey);
    if (!blocksJson.isObject())
        return fail(
            QStringLiteral("\"blocks\" is %1, not an object of blocks").arg(typeName(blocksJson)));
    const QJsonObject blocks = blocksJson.toObject();

    // Every part starts at its own defaults; a block the file does not hold
    // keeps the initial voice's values.
    decoded.values = schema.initialValues();
    for (auto b = blocks.begin(); b != blocks.end(); ++b) {
        const int high = schema.index.value(b.key(), -1);
        if (high < 0)
            return fail(QStringLiteral("unknown block \"%1\"").arg(b.key()));
        if (!decodeBlock(schema, high, version, b.value(), &decoded.values[std::size_t(high)],
                         &fault))
            return fail(fault);
    }
    *voice = std::move(decoded);
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
                        .arg(info.size())
                        .arg(sizeLimit));
    // The path may have changed since: open without blocking and look again.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
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
    if (voice->name.isEmpty())
        voice->name = Voice::fittedName(info.completeBaseName());
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

bool save(const QString &path, const ParameterSchema::Schema &schema, const Voice &voice,
          QString *error)
{
    return write(path, encode(schema, voice), error);
}

} // namespace VoiceFile

#pragma once

#include "memapi_export.h"
#include "voice.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// The schema of a voice: blocks of parameters, each with its name, range,
// default and the way its values read ("C3", "L63", "On", "1.2kHz"). A type
// parameter of a block can give other parameters of the block their own
// name, range, default and texts, or put them out of use.
//
// The schema is read from the content files (content/*.json): the blocks a
// sound designer writes, grouped by subject, plus the rules that expand them
// when they are read: the plug-in and drum forms of the normal blocks, the
// parameters of every effect type, and defaults that differ per part.
namespace ParameterSchema {

struct ValueFormat
{
    enum Kind { Number, List, Note, Pan, Frequency, Time, DryWet, Names };
    Kind kind = Number;
    int offset = 0;
    bool signedValue = false;
    QString unit;
    double scale = 1.0;
    int decimals = 0;
    // List: the texts from the minimum on. Names: the text of each value
    // from 0 on, then `userBase` on "User 1", "User 2" ...
    QStringList items;
    // Names: the value of each text, for reading texts back.
    std::shared_ptr<const QHash<QString, int>> itemIndex;
    int userBase = -1;
    int userCount = 0;
    // Values shown as texts of their own ("Off" for 0, "Thru" for the top).
    std::map<int, QString> special;

    QString text(int value, int minimum) const;
};

struct Parameter
{
    QString word;
    QString name;
    // The name in full where `name` is a short caption ("" when the same).
    QString fullName;
    int minimum = 0;
    int maximum = 127;
    int defaultValue = 0;
    // Defaults that differ per part (indexed by part); empty when all parts
    // take defaultValue.
    std::vector<int> partDefaults;
    ValueFormat format;
    bool inUse = true;

    int defaultFor(int part) const
    {
        return part >= 0 && std::size_t(part) < partDefaults.size()
            ? partDefaults[std::size_t(part)]
            : defaultValue;
    }
};

// What one value of a type parameter changes in another parameter.
struct Override
{
    std::optional<QString> name;
    std::optional<QString> fullName;
    std::optional<int> minimum;
    std::optional<int> maximum;
    std::optional<int> defaultValue;
    std::optional<ValueFormat> format;
    std::optional<bool> inUse;
};

struct TypeRule
{
    int typeParameter = -1;
    // type value -> parameter index -> override
    std::map<int, std::map<int, Override>> variants;
    // Whether a change of the type resets the parameters it names to the
    // type's defaults (effect types).
    bool resetsValues = false;
};

struct Block
{
    QString word;
    int voiceType = 0;
    int parts = 1;
    std::vector<Parameter> parameters;
    std::vector<TypeRule> typeRules;
    QHash<QString, int> index;
};

struct VESTRA_MEMAPI_EXPORT Schema
{
    std::vector<Block> blocks;
    QHash<QString, int> index;

    // Reads the content files (their texts, in any order, and their names
    // for messages); false with *error set when they do not make a schema.
    bool parse(const QList<QByteArray> &files, const QStringList &names, QString *error);
    // Reads and parses the content at `path`: a folder's *.json files, or
    // one file; false with *error naming the file and the fault.
    bool load(const QString &path, QString *error);

    // The parameter (high, low) of `part` as the current values of the part
    // make it (its default is the part's own).
    Parameter effective(int high, int low, const std::vector<int> &partValues, int part) const;
    // Whether changing parameter `low` of block `high` can reshape its block.
    bool isTypeParameter(int high, int low) const;

    // The initial voice's values: every part's own defaults, and the
    // parameters a type governs at the defaults of the part's initial type.
    // Worked out once, when the schema is read.
    const Values &initialValues() const { return initial; }
    Values initial;
    Values computeInitialValues() const;
    // The default of every parameter of `partValues` but the type
    // parameters, as the types the part holds give them.
    void applyTypeDefaults(int high, int part, std::vector<int> *partValues) const;

    // (high, low) of an address with or without part digits
    // ("FEkNormalElement/kNrmElmPan" or "kNormalElement/kNrmElmPan"); false
    // for an address the schema does not know. *fixedPart (may be null)
    // receives the part the digits fix, -1 for "FE" and for no digits.
    bool find(const QString &address, quint16 *high, quint16 *low, int *fixedPart = nullptr) const;
    // The address without its part digits, "kNormalElement/kNrmElmPan".
    QString path(int high, int low) const;
    // Whether (high, low, part) names a value of this schema.
    bool holds(int high, int low, int part) const
    {
        return high >= 0 && std::size_t(high) < blocks.size() && low >= 0
            && std::size_t(low) < blocks[std::size_t(high)].parameters.size() && part >= 0
            && part < blocks[std::size_t(high)].parts;
    }
};

// Where the content embedded in the library lives, for Schema::load().
VESTRA_MEMAPI_EXPORT extern const char embeddedPath[]; // ":/vestra/memapi/content"
// The embedded content, parsed once per process. Never changes, so it may be
// read from any thread.
VESTRA_MEMAPI_EXPORT std::shared_ptr<const Schema> embedded();

} // namespace ParameterSchema

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

// The schema of a voice: blocks of parameters, each with its name, range,
// default and the way its values read ("C3", "L63", "On", "1.2kHz"). A type
// parameter of a block can give other parameters of the block their own
// name, range and texts, or put them out of use.
namespace ParameterSchema {

struct ValueFormat
{
    enum Kind { Number, List, Note, Pan, Frequency, Time, Wave, Arpeggio, DryWet };
    Kind kind = Number;
    int offset = 0;
    bool signedValue = false;
    QString unit;
    double scale = 1.0;
    int decimals = 0;
    QStringList items;

    QString text(int value, int minimum) const;
};

struct Parameter
{
    QString word;
    QString name;
    int minimum = 0;
    int maximum = 127;
    int defaultValue = 0;
    ValueFormat format;
    bool inUse = true;
};

// What one value of a type parameter changes in another parameter.
struct Override
{
    std::optional<QString> name;
    std::optional<int> minimum;
    std::optional<int> maximum;
    std::optional<ValueFormat> format;
    std::optional<bool> inUse;
};

struct TypeRule
{
    int typeParameter = -1;
    // type value -> parameter index -> override
    std::map<int, std::map<int, Override>> variants;
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

struct Schema
{
    std::vector<Block> blocks;
    QHash<QString, int> index;

    // Reads a schema in its JSON form; false with *error set when it is not one.
    bool parse(const QByteArray &json, QString *error);

    // The parameter (high, low) as the current values of its part make it.
    Parameter effective(int high, int low, const std::vector<int> &partValues) const;
    // Whether changing parameter `low` of block `high` can reshape its block.
    bool isTypeParameter(int high, int low) const;
};

} // namespace ParameterSchema

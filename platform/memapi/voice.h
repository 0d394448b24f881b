#pragma once

#include "memapi_export.h"
#include "parameterref.h"
#include "voicetype.h"

#include <QString>
#include <QStringList>

#include <vector>

// The values of a voice: one list per block of the schema, in it one list
// per part, in that one value per parameter, all in schema order.
using Values = std::vector<std::vector<std::vector<int>>>;

// A voice as a value: its type, its values and what a musician files it
// under. The memory gives and takes whole voices (voice(), setVoice()), a
// voice file holds one, and the library keeps many.
struct VESTRA_MEMAPI_EXPORT Voice
{
    VoiceType type = VoiceType::Normal;
    Values values;
    QString name;     // at most nameLength characters
    QString category; // one of categories(), or empty for none yet
    QString comment;
    QStringList tags;

    // The longest name a voice has.
    static constexpr int nameLength = 20;
    // The categories musicians file voices under, in the order they are
    // offered: "Piano", "Keyboard", ... "No Assignment".
    static const QStringList &categories();
    // The category a voice has when none is given.
    static QString noCategory();
    // `name` cut to what a voice's name holds, without surrounding spaces.
    static QString fittedName(const QString &name);

    // The value of `ref`, or 0 for one the values do not hold.
    int value(const ParameterRef &ref) const;
    bool holds(const ParameterRef &ref) const;
};

// Every value where `a` and `b` differ, in schema order; values that only
// one side holds count as differing.
VESTRA_MEMAPI_EXPORT std::vector<ParameterRef> differences(const Values &a, const Values &b);

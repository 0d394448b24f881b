#pragma once

#include <parameterschema.h>
#include <voice.h>

#include <QString>

#include <memory>
#include <vector>

// Every parameter of the schema under the names the editor's view shows,
// for finding voices by their values: a parameter whose name, range or
// texts depend on its block's type (an effect's parameters) is listed once
// per shape, with the type values that give it.
class ParameterCatalogue
{
public:
    enum class Compare { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

    struct Entry
    {
        quint16 high = 0;
        quint16 low = 0;
        VoiceType type = VoiceType::Normal; // the voice type whose values hold it
        int parts = 1;
        // The type parameter and the values of it that give this shape; -1
        // and none for a parameter of one shape.
        int typeLow = -1;
        std::vector<int> typeValues;
        ParameterSchema::Parameter parameter; // name, range and texts of the shape
    };

    explicit ParameterCatalogue(std::shared_ptr<const ParameterSchema::Schema> schema);

    // The entries named `needle`, regardless of case: those whose name it is,
    // when a parameter that every voice of its type has is called so;
    // otherwise those whose name or full name contains it.
    std::vector<const Entry *> named(const QString &needle) const;

    // The values of `entry` that satisfy "value <compare> text"; false when
    // `text` is neither one of its value texts (or the start of one) nor a
    // number it can be compared with. A number may carry the unit the texts
    // show (2kHz, 500ms, 1.2s, -6dB); without a unit it is in Hz, seconds or
    // the texts' own unit.
    static bool values(const Entry &entry, Compare compare, const QString &text,
                       std::vector<int> *values);

private:
    std::vector<Entry> m_entries;
};

#pragma once

#include <QString>

#include <map>

// Each dialog's map from a label's object name to the parameter address
// whose name the label shows. Entries are inserted, never overwritten.
using LabelAddressMap = std::map<QString, QString>;

#pragma once

#include <QString>

// The one setting the add-on reads: the host editor's dial orientation.

// Organisation and product under which the host editor keeps its settings.
QString hostSettingsOrganisation();
QString hostSettingsProduct();

// Reads "VerticalDials" from the host editor's settings and sets the
// orientation of every dial created from now on: vertical exactly when the
// entry is 1. Nothing is written.
void applyDialOrientationSetting();

#pragma once

#include <QString>

// The help window's text: how to play and what each key and button does, one line per
// line break, every line ended by one.
QString helpText();

#pragma once

#include <QtGlobal>

// Thousands of damaged files and windows make Qt and the decoders warn thousands of times
// ("This plugin does not support raise()", "Corrupt JPEG data"); Qt Test would stop reporting
// after its two-thousandth message, the test's own figures included. From this call on,
// warnings and debug messages are dropped and everything else goes on to Qt Test.
void dropWarnings();

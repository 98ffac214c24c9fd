// Marks the symbols that libHitcalc exports; everything else in the library is built hidden.
#pragma once

#define HITCALC_API __attribute__((visibility("default")))

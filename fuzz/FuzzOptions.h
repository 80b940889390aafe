// Random engine options from the fuzzer's bytes: every Boolean option, and the integer options both
// in and far outside their usual ranges (a settings file edited by hand can hold any number).
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/Options.h"

namespace pralomen::fuzz {

inline PralomenOptions ConsumeOptions(FuzzedDataProvider& data)
{
    PralomenOptions options;
    for (const OptionField& field : OptionFields()) {
        if (field.flag) options.*field.flag = data.ConsumeBool();
        else options.*field.number = data.ConsumeBool() ? data.ConsumeIntegralInRange(-1, 3) : data.ConsumeIntegral<int>();
    }
    return options;
}

} // namespace pralomen::fuzz

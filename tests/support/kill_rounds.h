#pragma once

#include <QtGlobal>

namespace testing {

// How many times a kill test kills its child: VELTRANO_KILL_ROUNDS (CI runs
// hundreds), or a few.
inline int killRounds()
{
    const int asked = qEnvironmentVariableIntValue("VELTRANO_KILL_ROUNDS");
    return asked > 0 ? asked : 20;
}

} // namespace testing

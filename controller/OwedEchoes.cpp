#include "OwedEchoes.h"

#include "ORLShellController.h"

void OwedEchoes::deliver(ORLShellController& master,
                         const std::function<void(int32_t, double)>& show)
{
    // A transfer that is still being sent is delivered once its end marker is in.
    if (master.isRecordingTransfer())
        return;
    for (int round = 0; round < 4 && !echoes.empty(); ++round)
    {
        // Taken first, so what the master controller does meanwhile waits for a later round.
        std::vector<Echo> now;
        now.swap(echoes);
        for (const Echo& echo : now)
        {
            delivering = echo.slot;
            master.hostParameterEcho(echo.slot, echo.value);
            delivering = -1;
            if (show)
                show(echo.slot, echo.value);
        }
    }
}

// Frames that reached the window: every buffer swap this program makes is counted.
#pragma once

long SwapsSoFar();

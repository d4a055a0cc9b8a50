// The switch's ports: one link LED each on the front panel, one bit each in the
// views' port lists (the first port in the top bit).
#pragma once

inline constexpr int KswPortCount = 50;

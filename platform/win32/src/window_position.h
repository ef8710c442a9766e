// Flags of WINDOWPOS that tell DefWindowProc's WM_WINDOWPOSCHANGED whether the client area moved or changed size.
#pragma once

// The platform's own bits for "the client area kept its size / position".
#define SWP_NOCLIENTSIZE 0x0800
#define SWP_NOCLIENTMOVE 0x1000

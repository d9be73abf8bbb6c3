// The demo runner's globals and the per-frame entry point.
#pragma once

extern bool g_done;
extern float g_time;
extern float g_frameDelta;

void renderFrame();
void sceneEnd();

// The demo runner's globals and the per-frame entry point.
#pragma once

extern bool g_done;
extern float g_time;
extern float g_frameDelta;

void renderFrame();
// The timeline slot (1 to 7) whose open interval holds this demo time; 0 for none.
int timelineSlot(float time);
void sceneEnd();

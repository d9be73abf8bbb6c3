// The loading screen and the six scenes of the timeline.
#pragma once

#include "platform/platform.h"

void drawLoadingScreen();
void sceneIntro();
void sceneSpheres();
void sceneTunnel();
void sceneBarrels();
void sceneGreetings();
void sceneRoom();

extern GLuint g_texLoading;
extern float g_introFadeAlpha;
extern float g_barrelClock;
extern float g_barrelFadeAlpha;
extern float g_greetingsClock;
extern float g_roomClock;
extern float g_roomFadeAlpha;

// Every texture and object the scenes show, loaded once at start-up.
#pragma once

#include "mesh/olvbrush.h"
#include "platform/platform.h"

const int kGlowTextureSize = 256;

extern GLuint g_texBlank, g_texTonne, g_texTvegg, g_texVegg, g_texTak, g_texGulv, g_texTunnel,
    g_texSvarting, g_texGlow;
extern GLuint g_texGreetBrimvale, g_texGreetBrimvale2, g_texGreetOstinak, g_texGreetFjellbo,
    g_texGreetKestral9;
extern GLuint g_texByTrosk, g_texByPlimb, g_texByDorsel, g_texByDorsel2, g_texByQuenn,
    g_texByVarrik;
extern GLuint g_texKlosserOverlay, g_texTonnerOverlay, g_texTunnelOverlay, g_texLogo, g_texJente;

extern COLVBrush g_objSpikie, g_objGsphere, g_objHisphere, g_objHisphereMorph, g_objTonne,
    g_objRom, g_objTunnel, g_objCube, g_objBildegrid;

// Loads and prepares everything, in order, behind the loading screen:
// loadTextures(), then loadObjects().
void loadAssets();
void loadTextures();
void loadObjects();

// The one header the demo code includes for its platform: the real Win32, GL
// and sound headers on Windows, our own layer everywhere else.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <fmod.h>
#else
#include "win32.h"
#include "fsound.h"
#include <GL/gl.h>
#include <GL/glu.h>
#endif
